// SPDX-License-Identifier: MIT
// The per-kind evaluation wrappers and the extents passes.
#pragma once

#include "graph/Session.h"

#include <string>

// Each wrapper evaluates one function text at the variables the caller set. A failure (as
// the wrapper's kind defines it) beeps once through the host and sets EvalFailed.
double EvalRectZ(Session& s);
double EvalCylZ(Session& s);
double EvalCurveX(Session& s);
double EvalCurveY(Session& s);
double EvalCurveZ(Session& s);
double EvalPatchX(Session& s);
double EvalPatchY(Session& s);
double EvalPatchZ(Session& s);
// The implicit surfaces: FunctionText read as an equation in x, y and z at VarX, VarY, VarZ.
// Only a syntax error fails; a domain error leaves the point without a value.
double EvalImplicitF(Session& s);

// What the last failure was, in a few words: "Y, column 7: ')' expected", or "X at t = 1.5: no
// value there (a domain error)"; empty when no wrapper has failed.
std::string DescribeEvalFailure(const Session& s);

// Coarse passes that store the graph's bounding box in XMin..ZMax (kind 1: ZMin, ZMax only).
void ComputeExtentsRect(Session& s);
void ComputeExtentsCyl(Session& s);
void ComputeExtentsCurve(Session& s);
void ComputeExtentsPatch(Session& s);
// The implicit surface's extent: the box its triangles take at the drawing's cells, in
// XMin..ZMax; nothing changes when the surface has no triangle in the axes box.
void ComputeExtentsImplicit(Session& s);
// The pass of the current GraphKind; nothing for any other kind.
void ComputeExtents(Session& s);

// The next value of a stepped loop variable, or false when adding the step no longer changes
// it (a step lost below the value's precision would otherwise loop forever).
inline bool advance(double& value, double step) {
  const double next = value + step;
  if (next == value) return false;
  value = next;
  return true;
}
