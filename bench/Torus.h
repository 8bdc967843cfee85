// SPDX-License-Identifier: MIT
// The torus of kind 4 that the benchmarks draw, over -pi..pi in u and v.
#pragma once

#include "render/Program.h"

inline void chooseTorus(Program& p) {
  GraphState& g = p.graph;
  g.UMin = g.VMin = -GraphState::Pi;
  g.UMax = g.VMax = GraphState::Pi;
  g.FunctionTextX = "(2-Cos(v))*Cos(u)";
  g.FunctionTextY = "(2-Cos(v))*Sin(u)";
  g.FunctionTextZ = "Sin(v)";
}
