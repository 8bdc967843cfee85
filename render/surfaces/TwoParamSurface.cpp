// SPDX-License-Identifier: MIT
// Two-parameter surfaces: blanking, the 27 evaluations of a cell, the normal and side test
// against the eye position, and the listing.
#include "render/surfaces/TwoParamSurface.h"

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

struct Vec {
  double x = 0, y = 0, z = 0;
};

struct Patch {
  Program& p;
  EyePoint eye;
  double du, dv;
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

enum class CellResult { Ready, Skipped, Stop };

// The colour from the normal's side towards the eye position seen from the origin. Stop when
// shading meets a vanishing normal.
CellResult colourCell(const Patch& s, const Vec& tu, const Vec& tv, CellRecord& cell) {
  const GraphState& g = s.p.graph;
  const Vec n{tu.y * tv.z - tv.y * tu.z, tv.x * tu.z - tu.x * tv.z, tu.x * tv.y - tv.x * tu.y};
  const double side = n.x * s.eye.x + n.y * s.eye.y + n.z * s.eye.z;
  cell.PenStyle = gridPenStyle(g);
  if (g.ShadingOn) {
    const double d = s.eye.length * std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (d == 0) return CellResult::Stop;
    // |side/d| is -side/d on the above side; a normal too large for a double gives no
    // number, which shades as 0 rather than reach the colour conversion.
    const double ratio = std::fabs(side / d);
    ShadeColor(side >= 0 ? g.UnderColor : g.AboveColor, cell.FillColor,
               std::isnan(ratio) ? 0 : ratio);
  } else {
    cell.FillColor = side >= 0 ? g.UnderColor : g.AboveColor;
  }
  if (s.p.engine.CutFlag) cell.FillColor = g.BackgroundColor;
  return CellResult::Ready;
}

CellResult makeCell(Patch& s, double u, double v, CellRecord& cell) {
  Program& p = s.p;
  GraphState& g = p.graph;
  if (cancelRequested(p)) return CellResult::Stop;
  p.engine.MathError = false;
  p.engine.SyntaxError = false;
  g.EvalFailed = false;

  const double u1 = u + s.du, v1 = v + s.dv;
  const double cu[4] = {u, u1, u1, u}, cv[4] = {v, v, v1, v1};
  for (int i = 0; i < 4; ++i) {
    const Vec at = pointAt(p, cu[i], cv[i]);
    cell.Corners[i] = ProjectPoint(p.view, at.x, at.y, at.z);
    if (g.EvalFailed) return CellResult::Stop;
  }
  const double uc = u + s.du / 2, vc = v + s.dv / 2;
  const Vec centre = pointAt(p, uc, vc);
  if (g.EvalFailed) return CellResult::Stop;
  cell.Distance = distanceFromEye(s.eye, centre.x, centre.y, centre.z);
  // A cell of zero width keeps the colour and pen of the cell before it.
  if (s.du * s.dv == 0) return CellResult::Ready;
  Vec tu, tv;
  if (!tangents(p, centre, uc, vc, tu, tv)) return CellResult::Stop;
  return colourCell(s, tu, tv, cell);
}

// A zero step gives one value, as if the next one lay past the end.
std::vector<double> steps(double min, double step, double bound) {
  return gridValues(min, step, true, bound);
}

void listValues(Patch& s) {
  Program& p = s.p;
  if (p.SkipListing) return;
  const GraphState& g = p.graph;
  p.host->setBusyCursor(true);
  for (const double u : steps(g.UMin, s.du, g.UMax)) {
    for (const double v : steps(g.VMin, s.dv, g.VMax)) {
      const Vec at = pointAt(p, u, v);
      p.Values.push_back(formatPatchLine(at.x, at.y, at.z));
    }
  }
  p.host->setBusyCursor(false);
}

// Slots 1..B get slot 0 in turn, slot 0 losing its corners and distance after the first copy,
// so that slots past the gathered cells hold records with every corner at (0, 0).
void blankSlots(Program& p, std::int64_t blank) {
  auto& list = p.CellList;
  for (std::int64_t i = 1; i <= blank; ++i) {
    list[i] = list[0];
    list[0].Corners = {};
    list[0].Distance = 0;
  }
}

} // namespace

void DrawTwoParamSurface(Program& p) {
  const GraphState& g = p.graph;
  Patch s{p, eyePointOf(g), cellStep(g.UMin, g.UMax, g.XCurves),
          cellStep(g.VMin, g.VMax, g.YCurves)};
  const auto us = steps(g.UMin, s.du, g.UMax - s.du + LoopTolerance);
  const auto vs = steps(g.VMin, s.dv, g.VMax - s.dv + LoopTolerance);
  const std::int64_t blank = blankSlotCount(g);
  reserveCellSlots(p, blank, us.size() * vs.size());
  blankSlots(p, blank);

  // A cut met before this draw (by a listing, say) must not cost the first cell.
  p.engine.CutFlag = false;
  int stored = 0;
  for (const double u : us) {
    for (const double v : vs) {
      CellRecord& cell = p.CellList[0];
      const CellResult r = makeCell(s, u, v, cell);
      if (r == CellResult::Stop) return;
      if (!p.engine.CutFlag) p.CellList[++stored] = cell;
      p.engine.CutFlag = false;
    }
  }
  PaintCellList(p, stored);
  listValues(s);
}
