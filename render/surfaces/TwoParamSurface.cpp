// SPDX-License-Identifier: MIT
// Two-parameter surfaces: the 27 evaluations of a cell, the normal and side test against the
// eye position, and the listing of the points.
#include "render/surfaces/TwoParamSurface.h"

#include "graph/Format.h"
#include "graph/Sampling.h"
#include "render/Primitives.h"
#include "render/Program.h"
#include "render/surfaces/SurfaceCells.h"

#include <cmath>

namespace {

constexpr double DerivStep = 0.001;
constexpr double LoopTolerance = 0.01;

struct Vec {
  double x = 0, y = 0, z = 0;
};

// X, Y and Z at (u, v), in that order. Each evaluation clears EvalFailed first, so the flag
// afterwards tells only whether Z failed.
Vec pointAt(Program& p, double u, double v) {
  p.graph.VarU = u;
  p.graph.VarV = v;
  const double x = EvalPatchX(p);
  const double y = EvalPatchY(p);
  const double z = EvalPatchZ(p);
  return {x, y, z};
}

using PatchFunction = double (*)(Session&);

// One forward difference at the centre: the function at the offset point, then at the centre
// again. A patch function fails only on a syntax error, that is everywhere, so after a
// successful offset evaluation the centre gives the value it gave before, which is taken;
// after a failed one it is evaluated again, failing (and beeping) as it always did.
double difference(Program& p, PatchFunction f, double atCentre, double uc, double vc, double du,
                  double dv) {
  p.graph.VarU = uc + du;
  p.graph.VarV = vc + dv;
  const double ahead = f(p);
  p.graph.VarU = uc;
  p.graph.VarV = vc;
  return (ahead - (p.graph.EvalFailed ? f(p) : atCentre)) / DerivStep;
}

// The tangents along u and v at the centre, in the order Xu, Yu, Zu, Xv, Yv, Zv; false when
// an evaluation failed.
bool tangents(Program& p, const Vec& centre, double uc, double vc, Vec& tu, Vec& tv) {
  const PatchFunction functions[3] = {EvalPatchX, EvalPatchY, EvalPatchZ};
  const double atCentre[3] = {centre.x, centre.y, centre.z};
  double* targets[6] = {&tu.x, &tu.y, &tu.z, &tv.x, &tv.y, &tv.z};
  for (int i = 0; i < 6; ++i) {
    const bool alongU = i < 3;
    *targets[i] = difference(p, functions[i % 3], atCentre[i % 3], uc, vc, alongU ? DerivStep : 0,
                             alongU ? 0 : DerivStep);
    if (p.graph.EvalFailed) return false;
  }
  return true;
}

// The colour from the normal's side towards the eye position seen from the origin. Where the
// normal vanishes (a point where the parametrisation folds or the domain errors put every corner
// in one place) there is no angle to shade by: the cell is coloured as without shading, and the
// draw goes on instead of ending with nothing painted.
void colourCell(const Program& p, const EyePoint& eye, const Vec& tu, const Vec& tv,
                CellRecord& cell, CellSpace& space) {
  const GraphState& g = p.graph;
  const Vec n{tu.y * tv.z - tv.y * tu.z, tv.x * tu.z - tu.x * tv.z, tu.x * tv.y - tv.x * tu.y};
  cell.PenStyle = gridPenStyle(g);
  cell.FillColor = normalColor(g, eye, n.x, n.y, n.z);
  space.look = {CellLook::From::Normal, n.x, n.y, n.z};
  if (p.engine.CutFlag) cell.FillColor = g.BackgroundColor;
}

// A cell that met a cut is made all the same (slot 0 keeps it) but not gathered.
CellResult makeCell(Program& p, const CellGrid& grid, double u, double v, CellRecord& cell,
                    CellSpace& space) {
  const GraphState& g = p.graph;
  if (!startCell(p)) return CellResult::Stop;
  const GridCell c = gridCell(u, v, grid.da, grid.db);
  for (int i = 0; i < 4; ++i) {
    const Vec at = pointAt(p, c.a[i], c.b[i]);
    cell.Corners[i] = ProjectPoint(p.view, at.x, at.y, at.z);
    space.corners[i] = {at.x, at.y, at.z};
    if (g.EvalFailed) return CellResult::Stop;
  }
  const Vec centre = pointAt(p, c.aCentre, c.bCentre);
  if (g.EvalFailed) return CellResult::Stop;
  cell.Distance = distanceFromEye(grid.eye, centre.x, centre.y, centre.z);
  // A cell of zero width keeps the colour and pen of the cell before it.
  if (!grid.degenerate()) {
    Vec tu, tv;
    if (!tangents(p, centre, c.aCentre, c.bCentre, tu, tv)) return CellResult::Stop;
    colourCell(p, grid.eye, tu, tv, cell, space);
  }
  return cutResult(p);
}

} // namespace

void DrawTwoParamSurface(Program& p) {
  const GraphState& g = p.graph;
  const CellGrid grid = cellGridOf(g, {g.UMin, g.UMax, g.VMin, g.VMax});
  const auto us = cellStarts(g.UMin, g.UMax, grid.da, LoopTolerance);
  const auto vs = cellStarts(g.VMin, g.VMax, grid.db, LoopTolerance);
  prepareCellSlots(p, us.size() * vs.size(), BlankSlots::FromSlotZero);
  const auto make = [&](double u, double v, CellRecord& cell, CellSpace& space) {
    return makeCell(p, grid, u, v, cell, space);
  };
  if (!gatherCells(p, us, vs, false, make)) return;
  listGrid(p, grid, [&p](double u, double v) {
    const Vec at = pointAt(p, u, v);
    p.Values.push_back(formatPatchLine(at.x, at.y, at.z));
  });
}
