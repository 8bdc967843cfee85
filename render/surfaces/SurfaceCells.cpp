// SPDX-License-Identifier: MIT
// The shared steps of the surface renderers, and the cell, degenerate curve and listing of the
// surfaces z = f(a, b).
#include "render/surfaces/SurfaceCells.h"

#include "graph/Format.h"
#include "graph/Sampling.h"
#include "render/Primitives.h"
#include "render/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

// (XCurves + 1)·(YCurves + 1) for the largest counts the curves dialog keeps, 80 each way.
constexpr std::int64_t MaxBlankSlots = 81 * 81;

// The step of the forward differences that give a cell's slopes.
constexpr double DerivStep = 0.001;

double cellStep(double min, double max, double curves) {
  return min != max ? (max - min) / curves : 0;
}

// The kind's x and y follow the grid point (a, b), for functions that read them.
void placeVariables(GraphState& g, GridSurface::Place at) {
  g.VarX = at.x;
  g.VarY = at.y;
}

// The point (a, b) of the surface, projected; f is evaluated there once more.
Pixel projectOnSurface(Program& p, const GridSurface& s, double a, double b,
                       Point3* where = nullptr) {
  const double z = s.value(p, a, b);
  const GridSurface::Place at = s.place(a, b);
  if (where) *where = {at.x, at.y, z};
  return ProjectPoint(p.view, at.x, at.y, z);
}

// Tests every corner before anything is projected, so that a cell with one invalid corner
// costs no more evaluations than it needs.
CellResult testCorners(Program& p, const GridSurface& s, const GridCell& c) {
  const GraphState& g = p.graph;
  for (int i = 0; i < 4; ++i) {
    const double z = s.value(p, c.a[i], c.b[i]);
    if (g.EvalFailed) return CellResult::Stop;
    if (z < g.AxisZMin - s.zMargin || z > g.AxisZMax + s.zMargin || std::isnan(z)) {
      p.engine.MathError = true;
    }
    if (p.engine.MathError) return CellResult::Skipped;
  }
  return CellResult::Ready;
}

} // namespace

std::vector<double> gridValues(double start, double step, bool upward, double bound) {
  std::vector<double> values;
  if (!(step >= 0)) return values;
  double v = start;
  while ((upward ? v <= bound : v >= bound) && values.size() < MaxGridSteps) {
    values.push_back(v);
    if (step == 0 || !advance(v, upward ? step : -step)) break;
  }
  return values;
}

EyePoint eyePointOf(const GraphState& g) {
  const double ex = g.Rho * std::sin(g.Phi) * std::cos(g.Theta);
  const double ey = g.Rho * std::sin(g.Phi) * std::sin(g.Theta);
  const double ez = g.Rho * std::cos(g.Phi);
  return {ex, ey, ez, std::sqrt(ex * ex + ey * ey + ez * ez)};
}

double distanceFromEye(const EyePoint& e, double x, double y, double z) {
  return std::sqrt((x - e.x) * (x - e.x) + (y - e.y) * (y - e.y) + (z - e.z) * (z - e.z));
}

Color slopeColor(const GraphState& g, const EyePoint& e, Slopes slopes) {
  const double fx = slopes.a, fy = slopes.b;
  const bool upper = e.x * fx + e.y * fy <= e.z;
  if (!g.ShadingOn) return upper ? g.AboveColor : g.UnderColor;
  const double n = std::sqrt(fx * fx + fy * fy + 1);
  Color out = 0;
  if (upper) {
    ShadeColor(g.AboveColor, out, (e.z - e.x * fx - e.y * fy) / (n * e.length));
  } else {
    // The y term's sign differs from the upper side's formula; the under side's tones
    // depend on it.
    const double c = (e.x * fx - e.y * fy - e.z) / (n * e.length);
    ShadeColor(g.UnderColor, out, std::sqrt(1 - c * c));
  }
  return out;
}

Color normalColor(const GraphState& g, const EyePoint& eye, double nx, double ny, double nz) {
  const double side = nx * eye.x + ny * eye.y + nz * eye.z;
  const double d = eye.length * std::sqrt(nx * nx + ny * ny + nz * nz);
  if (!g.ShadingOn || d == 0) return side >= 0 ? g.UnderColor : g.AboveColor;
  // |side/d| is -side/d on the above side; a normal too large for a double gives no number,
  // which shades as 0 rather than reach the colour conversion.
  const double ratio = std::fabs(side / d);
  Color out = 0;
  ShadeColor(side >= 0 ? g.UnderColor : g.AboveColor, out, std::isnan(ratio) ? 0 : ratio);
  return out;
}

Color facingColor(const GraphState& g, const EyePoint& eye, const CellLook& look,
                  const Point3& centre) {
  const double tx = eye.x - centre.x, ty = eye.y - centre.y, tz = eye.z - centre.z;
  const double side = look.a * tx + look.b * ty + look.c * tz;
  const Color base = side >= 0 ? g.AboveColor : g.UnderColor;
  if (!g.ShadingOn) return base;
  const double d = std::sqrt(look.a * look.a + look.b * look.b + look.c * look.c) *
                   std::sqrt(tx * tx + ty * ty + tz * tz);
  double ratio = d > 0 ? std::fabs(side) / d : 0;
  if (!(ratio <= 1)) ratio = std::isnan(ratio) ? 0 : 1;
  Color out = base;
  ShadeColor(base, out, ratio);
  return out;
}

Point3 triangleCentre(const std::array<Point3, 4>& q) {
  return {(q[0].x + q[1].x + q[2].x) / 3, (q[0].y + q[1].y + q[2].y) / 3,
          (q[0].z + q[1].z + q[2].z) / 3};
}

Color lookColor(const GraphState& g, const EyePoint& eye, const CellLook& look, Color recorded,
                const Point3& centre) {
  switch (look.from) {
  case CellLook::From::Slopes:
    return slopeColor(g, eye, {look.a, look.b});
  case CellLook::From::Normal:
    return normalColor(g, eye, look.a, look.b, look.c);
  case CellLook::From::Facing:
    return facingColor(g, eye, look, centre);
  case CellLook::From::Record:
    break;
  }
  return recorded;
}

std::uint8_t gridPenStyle(const GraphState& g) {
  return g.GridColor == clNone ? PenClear : PenSolid;
}

CellGrid cellGridOf(const GraphState& g, const GridDomain& d) {
  return {d, cellStep(d.aMin, d.aMax, g.XCurves), cellStep(d.bMin, d.bMax, g.YCurves),
          eyePointOf(g)};
}

std::vector<double> cellStarts(double min, double max, double step, double tolerance, bool upward) {
  return upward ? gridValues(min, step, true, max - step + tolerance)
                : gridValues(max, step, false, min + step - tolerance);
}

GridCell gridCell(double a, double b, double da, double db) {
  const double a1 = a + da, b1 = b + db;
  return {{a, a1, a1, a}, {b, b, b1, b1}, a + da / 2, b + db / 2};
}

bool startCell(Program& p) {
  if (cancelRequested(p)) return false;
  p.engine.MathError = false;
  p.engine.SyntaxError = false;
  p.graph.EvalFailed = false;
  return true;
}

CellResult cutResult(const Program& p) {
  return p.engine.CutFlag ? CellResult::Skipped : CellResult::Ready;
}

std::int64_t blankSlotCount(const GraphState& g) {
  return std::clamp<std::int64_t>(roundToInt64((g.XCurves + 1) * (g.YCurves + 1)), 0,
                                  MaxBlankSlots);
}

void prepareCellSlots(Program& p, std::size_t cells, BlankSlots blank) {
  if (p.CollectCells) return;
  const std::int64_t count = blankSlotCount(p.graph);
  ensureCellSlots(p, std::max(static_cast<std::size_t>(count), cells));
  auto& list = p.CellList;
  for (std::int64_t i = 1; i <= count; ++i) {
    if (blank == BlankSlots::AboveColor) {
      list[i] = CellRecord{{}, 0, p.graph.AboveColor, 0};
    } else {
      list[i] = list[0];
      list[0].Corners = {};
      list[0].Distance = 0;
    }
  }
}

void keepSpaceCell(Program& p, const CellRecord& cell, const CellSpace& space) {
  p.SceneCells.push_back({cell, space, p.SceneGraph});
}

void finishCell(Program& p, bool resetPen) {
  if (resetPen) {
    p.canvas->setPenColor(p.graph.GridColor);
    p.canvas->setPenStyle(PenSolid);
  }
  p.engine.CutFlag = false;
}

CellGrid startSurface(Program& p, const GridSurface& s) {
  p.canvas->setPenColor(p.graph.GridColor);
  return cellGridOf(p.graph, s.domain(p.graph));
}

CellResult makeSurfaceCell(Program& p, const GridSurface& s, const EyePoint& eye, double a,
                           double b, double da, double db, CellRecord& cell, CellSpace& space) {
  GraphState& g = p.graph;
  if (!startCell(p)) return CellResult::Stop;
  placeVariables(g, s.place(a, b));

  const GridCell c = gridCell(a, b, da, db);
  if (const CellResult r = testCorners(p, s, c); r != CellResult::Ready) return r;
  for (int i = 0; i < 4; ++i) {
    cell.Corners[i] = projectOnSurface(p, s, c.a[i], c.b[i], &space.corners[i]);
    if (g.EvalFailed) return CellResult::Stop;
  }

  // Each forward difference evaluates f at the centre again.
  const double ac = c.aCentre, bc = c.bCentre;
  const double zc = s.value(p, ac, bc);
  const double zAlongA = s.value(p, ac + DerivStep, bc);
  const double fa = (zAlongA - s.value(p, ac, bc)) / DerivStep;
  const double zAlongB = s.value(p, ac, bc + DerivStep);
  const double fb = (zAlongB - s.value(p, ac, bc)) / DerivStep;
  // The rectangular kind's centre evaluations moved x and y; every kind leaves them at the
  // cell's grid point.
  placeVariables(g, s.place(a, b));

  const GridSurface::Place centre = s.place(ac, bc);
  cell.PenStyle = gridPenStyle(g);
  const Slopes slopes = s.slopes(ac, bc, {fa, fb});
  cell.FillColor = slopeColor(g, eye, slopes);
  space.look = {CellLook::From::Slopes, slopes.a, slopes.b, 0};
  cell.Distance = distanceFromEye(eye, centre.x, centre.y, zc);
  return cutResult(p);
}

bool drawIfDegenerate(Program& p, const GridSurface& s, const CellGrid& grid) {
  if (!grid.degenerate()) return false;
  const GraphState& g = p.graph;
  const GridDomain& d = grid.domain;
  if (grid.da == 0 && grid.db == 0) {
    listSurface(p, s, grid);
    return true;
  }
  if (s.keepsOldFailure) p.graph.EvalFailed = false;
  const bool alongB = grid.da == 0;
  const double step = alongB ? grid.db : grid.da;
  // Collected, the curve's segments go to the picture's curves in space.
  std::vector<Point3>* collected = nullptr;
  if (p.CollectCells) {
    SpaceCurve& curve = p.SceneCurves.emplace_back(SpaceCurve{p.SceneGraph, {}, true});
    collected = &curve.points;
  }
  const auto point = [&](double v) {
    Point3 q;
    const Pixel pixel =
        alongB ? projectOnSurface(p, s, d.aMin, v, &q) : projectOnSurface(p, s, v, d.bMin, &q);
    return std::pair{pixel, q};
  };
  for (const double v :
       gridValues(alongB ? d.bMin : d.aMin, step, true, alongB ? d.bMax : d.aMax)) {
    const auto [from, fromPoint] = point(v);
    if (g.EvalFailed) return true;
    if (!collected) p.canvas->moveTo(from.x, from.y);
    const auto [to, toPoint] = point(v + step);
    if (g.EvalFailed) return true;
    if (collected) {
      // Each step starts where the one before ended.
      if (collected->empty()) collected->push_back(fromPoint);
      collected->push_back(toPoint);
    } else {
      p.canvas->lineTo(to.x, to.y);
    }
  }
  listSurface(p, s, grid);
  return true;
}

void listSurface(Program& p, const GridSurface& s, const CellGrid& grid) {
  listGrid(p, grid, [&](double a, double b) {
    const double z = s.value(p, a, b);
    if (!p.engine.MathError) p.Values.push_back(formatSurfaceLine(a, s.listed(b), z));
  });
}

void drawGatheredSurface(Program& p, const GridSurface& s) {
  const CellGrid grid = startSurface(p, s);
  if (drawIfDegenerate(p, s, grid)) return;
  const GridDomain& d = grid.domain;
  const auto as = cellStarts(d.aMin, d.aMax, grid.da, s.cellTolerance);
  const auto bs = cellStarts(d.bMin, d.bMax, grid.db, s.cellTolerance);
  prepareCellSlots(p, as.size() * bs.size(), BlankSlots::AboveColor);
  const auto make = [&](double a, double b, CellRecord& cell, CellSpace& space) {
    return makeSurfaceCell(p, s, grid.eye, a, b, grid.da, grid.db, cell, space);
  };
  if (gatherCells(p, as, bs, s.resetsPen, make)) listSurface(p, s, grid);
}
