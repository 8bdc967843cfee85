// SPDX-License-Identifier: MIT
// Cylindrical surfaces: f over (r, t) placed at (r cos t, r sin t), slopes from r and t, and
// t in degrees in the listing.
#include "render/surfaces/CylSurface.h"

#include "graph/Sampling.h"
#include "render/Program.h"
#include "render/surfaces/SurfaceCells.h"

#include <cmath>

namespace {

double valueAt(Program& p, double r, double t) {
  p.graph.VarR = r;
  p.graph.VarT = t;
  return EvalCylZ(p);
}

// The slopes of the surface along x and y from those along r and t. On the axis (r = 0)
// every t gives the same point, so the angular slope adds nothing there; slopes that
// overflow count as flat, so that a colour is never made from a non-number.
Slopes cartesianSlopes(double r, double t, Slopes along) {
  const double angular = r != 0 ? along.b / r : 0;
  const double fx = std::cos(t) * along.a - std::sin(t) * angular;
  const double fy = std::sin(t) * along.a + std::cos(t) * angular;
  if (!std::isfinite(fx) || !std::isfinite(fy)) return {0, 0};
  return {fx, fy};
}

// A corner outside the z axis range, by however little, removes its cell; each evaluation
// starts with clear flags.
constexpr GridSurface Cylinder{[](const GraphState& g) {
                                 return GridDomain{g.RMin, g.RMax, g.TMin, g.TMax};
                               },
                               valueAt,
                               [](double r, double t) {
                                 return GridSurface::Place{r * std::cos(t), r * std::sin(t)};
                               },
                               cartesianSlopes,
                               [](double t) { return t * 180 / GraphState::Pi; },
                               0,
                               0.01,
                               false,
                               false};

} // namespace

void DrawCylSurface(Program& p) {
  drawGatheredSurface(p, Cylinder);
}
