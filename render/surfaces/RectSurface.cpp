// SPDX-License-Identifier: MIT
// Rectangular surfaces: the cell test, the four traversals, the listed form and the listing.
#include "render/surfaces/RectSurface.h"

#include "graph/Format.h"
#include "graph/Sampling.h"
#include "render/Primitives.h"
#include "render/Program.h"
#include "render/surfaces/SurfaceCells.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double ZMargin = 2;
constexpr double DerivStep = 0.001;
constexpr double LoopTolerance = 0.001;

struct Surface {
  Program& p;
  double ex, ey, ez, eyeLength;
  double dx, dy;
};

double stepOf(double min, double max, double curves) {
  return min != max ? (max - min) / curves : 0;
}

Surface startSurface(Program& p) {
  const GraphState& g = p.graph;
  const double ex = g.Rho * std::sin(g.Phi) * std::cos(g.Theta);
  const double ey = g.Rho * std::sin(g.Phi) * std::sin(g.Theta);
  const double ez = g.Rho * std::cos(g.Phi);
  p.canvas->setPenColor(g.GridColor);
  return {p,
          ex,
          ey,
          ez,
          std::sqrt(ex * ex + ey * ey + ez * ez),
          stepOf(g.XMin, g.XMax, g.XCurves),
          stepOf(g.YMin, g.YMax, g.YCurves)};
}

double valueAt(Program& p, double x, double y) {
  p.graph.VarX = x;
  p.graph.VarY = y;
  return EvalRectZ(p);
}

bool evaluationFailed(Program& p) {
  if (p.engine.SyntaxError) p.graph.EvalFailed = true;
  return p.graph.EvalFailed;
}

enum class CellResult { Ready, Skipped, Stop };

// Tests every corner before anything is projected, so that a cell with one invalid corner
// costs no more evaluations than it needs.
CellResult testCorners(Program& p, const double (&cx)[4], const double (&cy)[4]) {
  const GraphState& g = p.graph;
  for (int i = 0; i < 4; ++i) {
    const double z = valueAt(p, cx[i], cy[i]);
    if (evaluationFailed(p)) return CellResult::Stop;
    if (z < g.AxisZMin - ZMargin || z > g.AxisZMax + ZMargin || std::isnan(z)) {
      p.engine.MathError = true;
    }
    if (p.engine.MathError) return CellResult::Skipped;
  }
  return CellResult::Ready;
}

Color cellColor(const Surface& s, double fx, double fy) {
  return slopeColor(s.p.graph, {s.ex, s.ey, s.ez, s.eyeLength}, fx, fy);
}

// The cell at grid point (x, y) spanning towards (x + sx·dx, y + sy·dy), corners in order
// round it from (x, y).
CellResult makeCell(Surface& s, double x, double y, int sx, int sy, CellRecord& cell) {
  Program& p = s.p;
  GraphState& g = p.graph;
  if (cancelRequested(p)) return CellResult::Stop;
  p.engine.MathError = false;
  p.engine.SyntaxError = false;
  g.EvalFailed = false;

  const double x1 = x + sx * s.dx, y1 = y + sy * s.dy;
  const double cx[4] = {x, x1, x1, x}, cy[4] = {y, y, y1, y1};
  if (const CellResult r = testCorners(p, cx, cy); r != CellResult::Ready) return r;
  for (int i = 0; i < 4; ++i) {
    const double z = valueAt(p, cx[i], cy[i]);
    cell.Corners[i] = ProjectPoint(p.view, cx[i], cy[i], z);
    if (evaluationFailed(p)) return CellResult::Stop;
  }

  const double xc = x + sx * s.dx / 2, yc = y + sy * s.dy / 2;
  const double zc = valueAt(p, xc, yc);
  const double zRight = valueAt(p, xc + DerivStep, yc);
  const double fx = (zRight - valueAt(p, xc, yc)) / DerivStep;
  const double zAhead = valueAt(p, xc, yc + DerivStep);
  const double fy = (zAhead - valueAt(p, xc, yc)) / DerivStep;
  g.VarX = x;
  g.VarY = y;

  cell.PenStyle = gridPenStyle(g);
  cell.FillColor = cellColor(s, fx, fy);
  cell.Distance =
      std::sqrt((xc - s.ex) * (xc - s.ex) + (yc - s.ey) * (yc - s.ey) + (zc - s.ez) * (zc - s.ez));
  return p.engine.CutFlag ? CellResult::Skipped : CellResult::Ready;
}

// Pen back to the grid colour, solid, and the cut mark cleared for the next cell.
void finishCell(Program& p) {
  p.canvas->setPenColor(p.graph.GridColor);
  p.canvas->setPenStyle(PenSolid);
  p.engine.CutFlag = false;
}

// A domain of zero width in one direction: one curve along the other, in the grid colour.
// Returns false when an evaluation failed.
bool drawDegenerate(Surface& s) {
  Program& p = s.p;
  const GraphState& g = p.graph;
  if (s.dx == 0 && s.dy == 0) return true;
  // Without cells there is no per-cell clearing, so a failure left from an earlier draw is
  // cleared here.
  p.graph.EvalFailed = false;
  const bool alongY = s.dx == 0;
  const double step = alongY ? s.dy : s.dx;
  const auto at = [&](double t) {
    const double x = alongY ? g.XMin : t, y = alongY ? t : g.YMin;
    return ProjectPoint(p.view, x, y, valueAt(p, x, y));
  };
  for (const double t :
       gridValues(alongY ? g.YMin : g.XMin, step, true, alongY ? g.YMax : g.XMax)) {
    const Pixel from = at(t);
    if (p.graph.EvalFailed) return false;
    p.canvas->moveTo(from.x, from.y);
    const Pixel to = at(t + step);
    if (p.graph.EvalFailed) return false;
    p.canvas->lineTo(to.x, to.y);
  }
  return true;
}

void listValues(Surface& s) {
  Program& p = s.p;
  if (p.SkipListing) return;
  const GraphState& g = p.graph;
  p.host->setBusyCursor(true);
  for (const double x : gridValues(g.XMin, s.dx, true, g.XMax)) {
    for (const double y : gridValues(g.YMin, s.dy, true, g.YMax)) {
      const double z = valueAt(p, x, y);
      if (!p.engine.MathError) p.Values.push_back(formatSurfaceLine(x, y, z));
    }
  }
  p.host->setBusyCursor(false);
}

struct Traversal {
  bool xUp, yUp;
};

Traversal traversalFor(double theta) {
  constexpr double pi = GraphState::Pi;
  if (theta >= 0 && theta <= pi / 2) return {true, true};
  if (theta > pi / 2 && theta <= pi) return {false, true};
  if (theta > pi && theta <= 3 * pi / 2) return {false, false};
  return {true, false};
}

// The grid points at which cells start along one axis: a cell is admitted while its far
// edge stays inside the domain, within the loop tolerance.
std::vector<double> cellStarts(double min, double max, double step, bool upward) {
  return upward ? gridValues(min, step, true, max - step + LoopTolerance)
                : gridValues(max, step, false, min + step - LoopTolerance);
}

bool degenerate(const Surface& s) {
  return s.dx * s.dy == 0;
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

void DrawRectSurface(Program& p) {
  Surface s = startSurface(p);
  const GraphState& g = p.graph;
  if (degenerate(s)) {
    if (drawDegenerate(s)) listValues(s);
    return;
  }
  const Traversal t = traversalFor(g.Theta);
  const auto xs = cellStarts(g.XMin, g.XMax, s.dx, t.xUp);
  const auto ys = cellStarts(g.YMin, g.YMax, s.dy, t.yUp);
  p.engine.CutFlag = false;
  CellRecord cell;
  for (const double x : xs) {
    for (const double y : ys) {
      const CellResult r = makeCell(s, x, y, t.xUp ? 1 : -1, t.yUp ? 1 : -1, cell);
      if (r == CellResult::Stop) return;
      if (r == CellResult::Ready) paintCell(p, cell);
      finishCell(p);
    }
  }
  listValues(s);
}

void DrawRectSurfaceListed(Program& p) {
  Surface s = startSurface(p);
  const GraphState& g = p.graph;
  if (degenerate(s)) {
    if (drawDegenerate(s)) listValues(s);
    return;
  }
  const auto xs = cellStarts(g.XMin, g.XMax, s.dx, true);
  const auto ys = cellStarts(g.YMin, g.YMax, s.dy, true);
  const std::int64_t blank = blankSlotCount(g);
  const auto cells = static_cast<std::int64_t>(xs.size() * ys.size());
  ensureCellSlots(p, static_cast<std::size_t>(std::max(blank, cells)));
  for (std::int64_t i = 1; i <= blank; ++i) p.CellList[i] = CellRecord{{}, 0, g.AboveColor, 0};

  p.engine.CutFlag = false;
  int stored = 0;
  for (const double x : xs) {
    for (const double y : ys) {
      CellRecord& cell = p.CellList[0];
      const CellResult r = makeCell(s, x, y, 1, 1, cell);
      if (r == CellResult::Stop) return;
      if (r == CellResult::Ready) p.CellList[++stored] = cell;
      finishCell(p);
    }
  }
  PaintCellList(p, stored);
  listValues(s);
}
