// SPDX-License-Identifier: MIT
// Cylindrical surfaces: the cell test without margin, slopes from r and t, the degenerate
// curve and the listing.
#include "render/surfaces/CylSurface.h"

#include "graph/Format.h"
#include "graph/Sampling.h"
#include "render/Primitives.h"
#include "render/Program.h"
#include "render/surfaces/RectSurface.h"
#include "render/surfaces/SurfaceCells.h"

#include <cmath>

namespace {

constexpr double DerivStep = 0.001;
constexpr double LoopTolerance = 0.01;

struct Cylinder {
  Program& p;
  EyePoint eye;
  double dr, dt;
};

double valueAt(Program& p, double r, double t) {
  p.graph.VarR = r;
  p.graph.VarT = t;
  return EvalCylZ(p);
}

// The point (r, t) of the surface, projected; f is evaluated there once more.
Pixel projectAt(Program& p, double r, double t) {
  const double z = valueAt(p, r, t);
  return ProjectPoint(p.view, r * std::cos(t), r * std::sin(t), z);
}

enum class CellResult { Ready, Skipped, Stop };

// A corner outside the z axis range, by however little, removes its cell.
CellResult testCorners(Program& p, const double (&cr)[4], const double (&ct)[4]) {
  const GraphState& g = p.graph;
  for (int i = 0; i < 4; ++i) {
    const double z = valueAt(p, cr[i], ct[i]);
    if (g.EvalFailed) return CellResult::Stop;
    if (z < g.AxisZMin || z > g.AxisZMax || std::isnan(z)) p.engine.MathError = true;
    if (p.engine.MathError) return CellResult::Skipped;
  }
  return CellResult::Ready;
}

// The slopes of the surface along x and y from those along r and t. On the axis (rc = 0)
// every t gives the same point, so the angular slope adds nothing there; slopes that
// overflow count as flat, so that a colour is never made from a non-number.
void cartesianSlopes(double rc, double tc, double fr, double ft, double& fx, double& fy) {
  const double angular = rc != 0 ? ft / rc : 0;
  fx = std::cos(tc) * fr - std::sin(tc) * angular;
  fy = std::sin(tc) * fr + std::cos(tc) * angular;
  if (!std::isfinite(fx) || !std::isfinite(fy)) fx = fy = 0;
}

CellResult makeCell(Cylinder& c, double r, double t, CellRecord& cell) {
  Program& p = c.p;
  GraphState& g = p.graph;
  if (cancelRequested(p)) return CellResult::Stop;
  p.engine.MathError = false;
  p.engine.SyntaxError = false;
  g.EvalFailed = false;
  g.VarX = r * std::cos(t);
  g.VarY = r * std::sin(t);

  const double r1 = r + c.dr, t1 = t + c.dt;
  const double cr[4] = {r, r1, r1, r}, ct[4] = {t, t, t1, t1};
  if (const CellResult res = testCorners(p, cr, ct); res != CellResult::Ready) return res;
  for (int i = 0; i < 4; ++i) {
    cell.Corners[i] = projectAt(p, cr[i], ct[i]);
    if (g.EvalFailed) return CellResult::Stop;
  }

  const double rc = r + c.dr / 2, tc = t + c.dt / 2;
  const double zc = valueAt(p, rc, tc);
  const double zOut = valueAt(p, rc + DerivStep, tc);
  const double fr = (zOut - valueAt(p, rc, tc)) / DerivStep;
  const double zRound = valueAt(p, rc, tc + DerivStep);
  const double ft = (zRound - valueAt(p, rc, tc)) / DerivStep;
  double fx = 0, fy = 0;
  cartesianSlopes(rc, tc, fr, ft, fx, fy);

  cell.PenStyle = gridPenStyle(g);
  cell.FillColor = slopeColor(g, c.eye, fx, fy);
  cell.Distance = distanceFromEye(c.eye, rc * std::cos(tc), rc * std::sin(tc), zc);
  return p.engine.CutFlag ? CellResult::Skipped : CellResult::Ready;
}

// A domain of zero width in r or t: one curve along the other, in the grid colour. Returns
// false when an evaluation failed.
bool drawDegenerate(Cylinder& c) {
  Program& p = c.p;
  const GraphState& g = p.graph;
  if (c.dr == 0 && c.dt == 0) return true;
  const bool alongT = c.dr == 0;
  const double step = alongT ? c.dt : c.dr;
  const auto at = [&](double v) {
    return alongT ? projectAt(p, g.RMin, v) : projectAt(p, v, g.TMin);
  };
  for (const double v :
       gridValues(alongT ? g.TMin : g.RMin, step, true, alongT ? g.TMax : g.RMax)) {
    const Pixel from = at(v);
    if (g.EvalFailed) return false;
    p.canvas->moveTo(from.x, from.y);
    const Pixel to = at(v + step);
    if (g.EvalFailed) return false;
    p.canvas->lineTo(to.x, to.y);
  }
  return true;
}

void listValues(Cylinder& c) {
  Program& p = c.p;
  if (p.SkipListing) return;
  const GraphState& g = p.graph;
  p.host->setBusyCursor(true);
  for (const double r : gridValues(g.RMin, c.dr, true, g.RMax)) {
    for (const double t : gridValues(g.TMin, c.dt, true, g.TMax)) {
      const double z = valueAt(p, r, t);
      if (!p.engine.MathError)
        p.Values.push_back(formatSurfaceLine(r, t * 180 / GraphState::Pi, z));
    }
  }
  p.host->setBusyCursor(false);
}

// Gathers the cells from slot 1 on; false when cancelled or an evaluation failed.
bool gatherCells(Cylinder& c, const std::vector<double>& rs, const std::vector<double>& ts,
                 int& stored) {
  Program& p = c.p;
  p.engine.CutFlag = false;
  for (const double r : rs) {
    for (const double t : ts) {
      CellRecord& cell = p.CellList[0];
      const CellResult res = makeCell(c, r, t, cell);
      if (res == CellResult::Stop) return false;
      if (res == CellResult::Ready) p.CellList[++stored] = cell;
      p.engine.CutFlag = false;
    }
  }
  return true;
}

} // namespace

void DrawCylSurface(Program& p) {
  const GraphState& g = p.graph;
  Cylinder c{p, eyePointOf(g), cellStep(g.RMin, g.RMax, g.XCurves),
             cellStep(g.TMin, g.TMax, g.YCurves)};
  p.canvas->setPenColor(g.GridColor);
  if (c.dr * c.dt == 0) {
    if (drawDegenerate(c)) listValues(c);
    return;
  }
  const auto rs = cellStartsUp(g.RMin, g.RMax, c.dr, LoopTolerance);
  const auto ts = cellStartsUp(g.TMin, g.TMax, c.dt, LoopTolerance);
  const std::int64_t blank = blankSlotCount(g);
  reserveCellSlots(p, blank, rs.size() * ts.size());
  for (std::int64_t i = 1; i <= blank; ++i) p.CellList[i] = CellRecord{{}, 0, g.AboveColor, 0};

  int stored = 0;
  if (!gatherCells(c, rs, ts, stored)) return;
  PaintCellList(p, stored);
  listValues(c);
}
