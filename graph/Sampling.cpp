// SPDX-License-Identifier: MIT
// The evaluation wrappers of each kind and the coarse extents passes.
#include "graph/Sampling.h"

#include "graph/Eye.h"
#include "graph/ImplicitMesh.h"

#include <cmath>

namespace {

// The number as the listing writes coordinates, shortest first, with a point whatever the
// locale (the window runs under the user's).
std::string shortNumber(double v) {
  return MessageNumber(v);
}

void noteFailure(Session& s, char function, const std::string& text) {
  EvalFailure& f = s.LastFailure;
  f.set = true;
  f.function = function;
  f.text = text;
  if (s.engine.SyntaxError) {
    f.column = s.engine.ErrorColumn;
    f.length = s.engine.ErrorLength;
    f.reason = s.engine.ErrorReason;
    f.at.clear();
    return;
  }
  const GraphState& g = s.graph;
  f.column = f.length = 0;
  f.reason = "no value there (a domain error)";
  if (g.GraphKind == ImplicitKind)
    f.at = "x = " + shortNumber(g.VarX) + ", y = " + shortNumber(g.VarY) +
           ", z = " + shortNumber(g.VarZ);
  else
    f.at = g.GraphKind == '4' ? "u = " + shortNumber(g.VarU) + ", v = " + shortNumber(g.VarV)
                              : "t = " + shortNumber(g.VarT);
}

double failWhen(Session& s, double value, bool failed, char function, const std::string& text) {
  if (failed) {
    noteFailure(s, function, text);
    s.host->beep();
    s.graph.EvalFailed = true;
  }
  return value;
}

// The curve, patch and cylinder wrappers start each evaluation with clear flags.
void clearFlags(Session& s) {
  s.engine.MathError = false;
  s.engine.SyntaxError = false;
  s.graph.EvalFailed = false;
}

// The curve, patch and cylinder wrappers; a space curve also fails on a domain error.
double evalCleared(Session& s, char function, const std::string& text, bool domainErrorFails) {
  clearFlags(s);
  const double v = s.evaluate(text);
  return failWhen(s, v, s.engine.SyntaxError || (domainErrorFails && s.engine.MathError), function,
                  text);
}

double evalCurve(Session& s, char function, const std::string& text) {
  return evalCleared(s, function, text, true);
}
double evalPatch(Session& s, char function, const std::string& text) {
  return evalCleared(s, function, text, false);
}

void widenMin(double& min, double v) {
  if (v <= min) min = v;
}
void widenMax(double& max, double v) {
  if (v >= max) max = v;
}

void widenXY(GraphState& g, double x, double y) {
  widenMin(g.XMin, x);
  widenMax(g.XMax, x);
  widenMin(g.YMin, y);
  widenMax(g.YMax, y);
}

// Equal ends take one line of samples.
double stepOf(double min, double max, double divisor) {
  return min == max ? 1.0 : (max - min) / divisor;
}

} // namespace

double EvalRectZ(Session& s) {
  const double v = s.evaluate(s.graph.FunctionText);
  return failWhen(s, v, s.engine.SyntaxError, 'Z', s.graph.FunctionText);
}

double EvalCylZ(Session& s) {
  return evalPatch(s, 'Z', s.graph.FunctionText);
}

double EvalCurveX(Session& s) {
  return evalCurve(s, 'X', s.graph.FunctionTextX);
}
double EvalCurveY(Session& s) {
  return evalCurve(s, 'Y', s.graph.FunctionTextY);
}
double EvalCurveZ(Session& s) {
  return evalCurve(s, 'Z', s.graph.FunctionTextZ);
}
double EvalPatchX(Session& s) {
  return evalPatch(s, 'X', s.graph.FunctionTextX);
}
double EvalPatchY(Session& s) {
  return evalPatch(s, 'Y', s.graph.FunctionTextY);
}
double EvalPatchZ(Session& s) {
  return evalPatch(s, 'Z', s.graph.FunctionTextZ);
}

double EvalImplicitF(Session& s) {
  clearFlags(s);
  // Each grid point is met once: its outcome is not worth remembering.
  const double v = s.engine.EvaluateOnce(s.graph.FunctionText, s.graph, Grammar::SpaceEquation);
  return failWhen(s, v, s.engine.SyntaxError, 'F', s.graph.FunctionText);
}

std::string DescribeEvalFailure(const Session& s) {
  const EvalFailure& f = s.LastFailure;
  if (!f.set) return {};
  const std::string name(1, f.function);
  if (f.column > 0) return name + ", column " + std::to_string(f.column) + ": " + f.reason;
  return name + " at " + f.at + ": " + f.reason;
}

void ComputeExtentsRect(Session& s) {
  GraphState& g = s.graph;
  const double dx = stepOf(g.XMin, g.XMax, 15);
  const double dy = stepOf(g.YMin, g.YMax, 15);
  g.VarX = g.XMax;
  g.VarY = g.YMax;
  const double first = EvalRectZ(s);
  if (g.EvalFailed) return;
  g.ZMin = g.ZMax = first;
  for (double x = g.XMax; x >= g.XMin;) {
    for (double y = g.YMax; y >= g.YMin;) {
      g.VarX = x;
      g.VarY = y;
      const double v = EvalRectZ(s);
      widenMin(g.ZMin, v);
      if (g.EvalFailed) return;
      widenMax(g.ZMax, v);
      if (!advance(y, -dy)) break;
    }
    if (!advance(x, -dx)) break;
  }
}

void ComputeExtentsCyl(Session& s) {
  GraphState& g = s.graph;
  const double dr = stepOf(g.RMin, g.RMax, 10);
  const double dt = stepOf(g.TMin, g.TMax, 10);
  g.VarR = g.RMax;
  g.VarT = g.TMax;
  const double first = EvalCylZ(s);
  if (g.EvalFailed) return;
  g.ZMin = g.ZMax = first;
  g.XMin = g.XMax = g.RMax * std::cos(g.TMax);
  g.YMin = g.YMax = g.RMax * std::sin(g.TMax);
  for (double r = g.RMax; r >= g.RMin;) {
    for (double t = g.TMax; t >= g.TMin;) {
      g.VarR = r;
      g.VarT = t;
      const double v = EvalCylZ(s);
      widenMin(g.ZMin, v);
      if (g.EvalFailed) return;
      widenMax(g.ZMax, v);
      const double x = r * std::cos(t);
      const double y = r * std::sin(t);
      widenXY(g, x, y);
      if (!advance(t, -dt)) break;
    }
    if (!advance(r, -dr)) break;
  }
}

void ComputeExtentsCurve(Session& s) {
  GraphState& g = s.graph;
  const double dt = stepOf(g.TMin, g.TMax, 100);
  g.VarT = g.TMin;
  g.XMin = g.XMax = EvalCurveX(s);
  g.YMin = g.YMax = EvalCurveY(s);
  g.ZMin = g.ZMax = EvalCurveZ(s);
  for (double t = g.TMin; t <= g.TMax;) {
    g.VarT = t;
    const double x = EvalCurveX(s);
    const double y = EvalCurveY(s);
    const double z = EvalCurveZ(s);
    if (g.EvalFailed) return;
    widenXY(g, x, y);
    widenMin(g.ZMin, z);
    widenMax(g.ZMax, z);
    if (!advance(t, dt)) break;
  }
}

void ComputeExtentsPatch(Session& s) {
  GraphState& g = s.graph;
  const double du = stepOf(g.UMin, g.UMax, 15);
  const double dv = stepOf(g.VMin, g.VMax, 15);
  g.VarU = g.UMin;
  g.VarV = g.VMin;
  double x = EvalPatchX(s);
  double y = EvalPatchY(s);
  double z = EvalPatchZ(s);
  if (g.EvalFailed) return;
  g.XMin = g.XMax = x;
  g.YMin = g.YMax = y;
  g.ZMin = g.ZMax = z;
  for (double u = g.UMin; u <= g.UMax;) {
    for (double v = g.VMin; v <= g.VMax;) {
      g.VarU = u;
      g.VarV = v;
      x = EvalPatchX(s);
      y = EvalPatchY(s);
      z = EvalPatchZ(s);
      if (g.EvalFailed) return;
      widenXY(g, x, y);
      widenMin(g.ZMin, z);
      widenMax(g.ZMax, z);
      if (!advance(v, dv)) break;
    }
    if (!advance(u, du)) break;
  }
}

void ComputeExtentsImplicit(Session& s) {
  ImplicitMesh mesh;
  if (BuildImplicitMesh(s, mesh) != MeshBuild::Built) return;
  SetExtentsFromMesh(s.graph, mesh.surface);
}

void ComputeExtents(Session& s) {
  switch (s.graph.GraphKind) {
  case '1':
    ComputeExtentsRect(s);
    break;
  case '2':
    ComputeExtentsCyl(s);
    break;
  case '3':
    ComputeExtentsCurve(s);
    break;
  case '4':
    ComputeExtentsPatch(s);
    break;
  case ImplicitKind:
    ComputeExtentsImplicit(s);
    break;
  default:
    break;
  }
}
