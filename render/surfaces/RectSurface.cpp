// SPDX-License-Identifier: MIT
// Rectangular surfaces: f over (x, y), the four traversals and the listed form.
#include "render/surfaces/RectSurface.h"

#include "graph/Sampling.h"
#include "render/Program.h"
#include "render/surfaces/SurfaceCells.h"

namespace {

double valueAt(Program& p, double x, double y) {
  p.graph.VarX = x;
  p.graph.VarY = y;
  return EvalRectZ(p);
}

// A corner a little outside the z axis range keeps its cell; the rectangular evaluation does
// not clear the flags, and the pen is set back after every cell.
constexpr GridSurface Rect{[](const GraphState& g) {
                             return GridDomain{g.XMin, g.XMax, g.YMin, g.YMax};
                           },
                           valueAt,
                           [](double x, double y) {
                             return GridSurface::Place{x, y};
                           },
                           [](double, double, Slopes along) { return along; },
                           [](double y) { return y; },
                           2,
                           0.001,
                           true,
                           true};

struct Traversal {
  bool xUp, yUp;
};

// Far to near: the cells start at the corner of the domain farthest from the eye.
Traversal traversalFor(double theta) {
  constexpr double pi = GraphState::Pi;
  if (theta >= 0 && theta <= pi / 2) return {true, true};
  if (theta > pi / 2 && theta <= pi) return {false, true};
  if (theta > pi && theta <= 3 * pi / 2) return {false, false};
  return {true, false};
}

} // namespace

void DrawRectSurface(Program& p) {
  // Cells that are sorted with others are gathered in the one order the listed form has.
  if (p.CollectCells) return drawGatheredSurface(p, Rect);
  const CellGrid grid = startSurface(p, Rect);
  if (drawIfDegenerate(p, Rect, grid)) return;
  const GridDomain& d = grid.domain;
  const Traversal t = traversalFor(p.graph.Theta);
  const auto xs = cellStarts(d.aMin, d.aMax, grid.da, Rect.cellTolerance, t.xUp);
  const auto ys = cellStarts(d.bMin, d.bMax, grid.db, Rect.cellTolerance, t.yUp);
  const double dx = (t.xUp ? 1 : -1) * grid.da, dy = (t.yUp ? 1 : -1) * grid.db;
  const auto make = [&](double x, double y, CellRecord& cell, CellSpace& space) {
    return makeSurfaceCell(p, Rect, grid.eye, x, y, dx, dy, cell, space);
  };
  // What is painted stays when the drawing stops, so its cells stay in space too.
  const auto paint = [&p](const CellRecord& cell, const CellSpace& space) {
    paintCell(p, cell);
    keepSpaceCell(p, cell, space);
  };
  CellRecord cell;
  CellSpace space;
  if (forEachCell(p, xs, ys, cell, space, Rect.resetsPen, make, paint)) listSurface(p, Rect, grid);
}

void DrawRectSurfaceListed(Program& p) {
  drawGatheredSurface(p, Rect);
}
