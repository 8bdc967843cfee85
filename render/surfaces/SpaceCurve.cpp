// SPDX-License-Identifier: MIT
// Space curves: the zero-length first segment, the failure rule (only Z ends the curve), the
// pauses and the listing of t, x, y, z.
#include "render/surfaces/SpaceCurve.h"

#include "graph/Corrections.h"
#include "graph/Format.h"
#include "graph/Sampling.h"
#include "render/Primitives.h"
#include "render/Program.h"

#include <algorithm>

namespace {

struct CurvePoint {
  double x, y, z;
};

// X, Y and Z at VarT, in that order; each clears EvalFailed, so afterwards the flag tells
// only whether Z failed.
CurvePoint pointAtT(Program& p) {
  const double x = EvalCurveX(p);
  const double y = EvalCurveY(p);
  const double z = EvalCurveZ(p);
  return {x, y, z};
}

// The next t, or false when the curve has no further point: a step that is not positive
// gives the start alone, as does one lost below the precision of t.
bool nextT(double& t, double step) {
  return step > 0 && advance(t, step);
}

// The values of t of the curve: TMin + k·TStep summed step by step while they stay at or
// below TMax, at most MaxCurveSteps + 1 of them.
template <typename Visit> bool forEachT(Program& p, Visit visit) {
  GraphState& g = p.graph;
  g.VarT = g.TMin;
  for (std::int64_t count = 0; g.VarT <= g.TMax && count <= MaxCurveSteps; ++count) {
    const double t = g.VarT;
    if (!visit()) return false;
    g.VarT = t;
    if (!nextT(g.VarT, g.TStep)) break;
  }
  return true;
}

void listValues(Program& p) {
  if (p.SkipListing) return;
  forEachT(p, [&p] {
    const double t = p.graph.VarT;
    const CurvePoint at = pointAtT(p);
    p.Values.push_back(formatCurveLine(t, at.x, at.y, at.z));
    return true;
  });
}

} // namespace

std::int64_t CurveSegmentsPerPause(const GraphState& g) {
  constexpr std::int64_t Pauses = CurvePauseBudgetMs / CurveSegmentPauseMs;
  const double span = (g.TMax - g.TMin) / g.TStep;
  if (!(g.TStep > 0) || !(span > 0)) return 1;
  const auto points = static_cast<std::int64_t>(std::min(span, MaxCurveSteps)) + 1;
  return std::max<std::int64_t>(1, (points + Pauses - 1) / Pauses);
}

void DrawSpaceCurve(Program& p) {
  GraphState& g = p.graph;
  // A curve drawn with other graphs, or hidden exactly, is only collected: its points go to
  // the picture's curves in space, at once and without pauses.
  const bool collect = p.CollectCells;
  std::vector<Point3>* points = nullptr;
  if (collect) points = &p.SceneCurves.emplace_back(SpaceCurve{p.SceneGraph, {}}).points;
  const auto reach = [&](const CurvePoint& at, bool first) {
    if (points) {
      points->push_back({at.x, at.y, at.z});
    } else if (first) {
      StartCurveAt(p, at.x, at.y, at.z);
    } else {
      ContinueCurveTo(p, at.x, at.y, at.z);
    }
  };
  if (!collect) p.canvas->setPenColor(g.PenColor);
  g.VarT = g.TMin;
  reach(pointAtT(p), true);
  if (g.EvalFailed) return;

  std::int64_t pausedMs = 0, sincePause = 0;
  const std::int64_t perPause = CurveSegmentsPerPause(g);
  const bool drawn = forEachT(p, [&] {
    if (cancelRequested(p)) return false;
    reach(pointAtT(p), false);
    if (g.EvalFailed) return false;
    if (!collect && !g.Rotating && p.CurvePauses && pausedMs < CurvePauseBudgetMs &&
        ++sincePause == perPause) {
      sincePause = 0;
      Pause(*p.host, CurveSegmentPauseMs);
      pausedMs += CurveSegmentPauseMs;
    }
    return true;
  });
  if (drawn) listValues(p);
}
