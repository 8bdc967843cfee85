// SPDX-License-Identifier: MIT
// Drawing every graph of the picture into the one list of cells.
#include "render/PictureGraphs.h"

#include "render/surfaces/ImplicitSurface.h"

#include "graph/KeptGraphs.h"
#include "graph/Sampling.h"
#include "render/Primitives.h"
#include "render/Program.h"
#include "render/SelectionOrder.h"
#include "render/surfaces/DrawDriver.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

// The renderers only collect while it stands.
class Collecting {
public:
  explicit Collecting(Program& p) : m_p(p), m_was(p.CollectCells) { p.CollectCells = true; }
  ~Collecting() {
    m_p.CollectCells = m_was;
    m_p.SceneGraph = 0;
  }
  Collecting(const Collecting&) = delete;
  Collecting& operator=(const Collecting&) = delete;

private:
  Program& m_p;
  bool m_was;
};

std::string nameOf(const Session& s, int kept) {
  if (kept < 0) return "Current graph: " + GraphName(GraphFieldsOf(s.graph));
  return "Kept graph " + std::to_string(kept + 1) + ": " +
         GraphName(s.KeptGraphs[static_cast<std::size_t>(kept)].fields);
}

// A kept graph's fields in the graph state while it is drawn or measured, and the program told
// so; the current graph's back afterwards.
class KeptGraphIn {
public:
  KeptGraphIn(Program& p, int kept) : m_p(p) {
    if (kept < 0) return;
    p.CurrentKindAside = p.graph.GraphKind;
    m_fields.emplace(p.graph, p.KeptGraphs[static_cast<std::size_t>(kept)].fields);
  }
  ~KeptGraphIn() { m_p.CurrentKindAside = 0; }
  KeptGraphIn(const KeptGraphIn&) = delete;
  KeptGraphIn& operator=(const KeptGraphIn&) = delete;

private:
  Program& m_p;
  std::optional<GraphFieldsIn> m_fields;
};

Color gridColorOf(const Session& s, int kept) {
  return kept < 0 ? s.graph.GridColor
                  : s.KeptGraphs[static_cast<std::size_t>(kept)].fields.GridColor;
}

// One graph collected as the renderer of its kind draws it; false when it was cancelled.
bool collectGraph(Program& p, int kept, std::size_t place, bool heading, EvalFailure& current,
                  bool& currentFailed) {
  const std::size_t cells = p.SceneCells.size(), curves = p.SceneCurves.size();
  const std::string name = nameOf(p, kept);
  const KeptGraphIn fields(p, kept);
  if (heading) p.Values.push_back(name);
  const std::size_t lines = p.Values.size();
  p.SceneGraph = static_cast<int>(place);
  p.graph.EvalFailed = false;
  p.LastFailure = {};
  DrawKindRenderer(p);
  if (p.DrawCancelled) return false;
  if (!p.graph.EvalFailed) return true;
  // A graph that cannot be evaluated is left out of the picture and the listing.
  p.SceneCells.resize(cells);
  p.SceneCurves.resize(curves);
  p.Values.resize(lines);
  if (kept < 0) {
    currentFailed = true;
    current = p.LastFailure;
  } else {
    const std::string why = DescribeEvalFailure(p);
    p.GraphFailures.push_back(name + " cannot be evaluated" +
                              (why.empty() ? "" : " (" + why + ")"));
  }
  return true;
}

} // namespace

bool SeveralGraphs(const Session& s) {
  return std::any_of(s.KeptGraphs.begin(), s.KeptGraphs.end(),
                     [](const KeptGraph& k) { return k.shown; });
}

std::vector<int> PictureGraphList(const Session& s) {
  std::vector<int> list;
  for (std::size_t i = 0; i < s.KeptGraphs.size() && list.size() + 1 < MaxPictureGraphs; ++i)
    if (s.KeptGraphs[i].shown) list.push_back(static_cast<int>(i));
  list.push_back(-1);
  return list;
}

std::vector<std::string> PictureGraphNames(const Session& s) {
  std::vector<std::string> names;
  for (const int kept : PictureGraphList(s)) names.push_back(nameOf(s, kept));
  return names;
}

bool CollectPictureGraphs(Program& p) {
  p.Values.clear();
  p.LastFailure = {};
  p.SceneCells.clear();
  p.SceneCurves.clear();
  p.GraphFailures.clear();
  p.DrawCancelled = false;
  const std::vector<int> list = PictureGraphList(p);
  Collecting collecting(p);
  EvalFailure current;
  bool currentFailed = false;
  for (std::size_t place = 0; place < list.size(); ++place) {
    if (!collectGraph(p, list[place], place, list.size() > 1, current, currentFailed)) {
      // Nothing of a cancelled drawing is kept, as a gathered surface keeps nothing.
      p.Values.clear();
      p.SceneCells.clear();
      p.SceneCurves.clear();
      return false;
    }
  }
  p.graph.EvalFailed = currentFailed;
  p.LastFailure = currentFailed ? current : EvalFailure{};
  ForgetUnshownImplicitSurfaces(p);
  return true;
}

void PaintCollectedGraphs(Program& p) {
  const std::vector<SpaceCell>& cells = p.SceneCells;
  // The list stays in the order the cells were made; the sort orders their indices.
  std::vector<std::size_t> order(cells.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  sortFarthestFirst(
      0, static_cast<int>(order.size()),
      [&](std::size_t slot) { return cells[order[slot]].record.Distance; },
      [&](std::size_t a, std::size_t b) { std::swap(order[a], order[b]); });
  const std::vector<int> list = PictureGraphList(p);
  std::vector<Color> grids;
  for (const int kept : list) grids.push_back(gridColorOf(p, kept));
  for (const std::size_t i : order) {
    const SpaceCell& cell = cells[i];
    paintCell(*p.canvas, grids[static_cast<std::size_t>(cell.graph)], cell.record);
  }
  for (const SpaceCurve& curve : p.SceneCurves) {
    if (curve.points.empty()) continue;
    Canvas& c = *p.canvas;
    c.setPenColor(curve.inGridColor ? grids[static_cast<std::size_t>(curve.graph)]
                                    : p.graph.PenColor);
    const Pixel first =
        ProjectPoint(p.view, curve.points[0].x, curve.points[0].y, curve.points[0].z);
    c.moveTo(first.x, first.y);
    // A space curve starts with a point; the curve of a surface of no width with its first step.
    if (!curve.inGridColor) c.lineTo(first.x, first.y);
    for (std::size_t k = 1; k < curve.points.size(); ++k) {
      const Pixel at =
          ProjectPoint(p.view, curve.points[k].x, curve.points[k].y, curve.points[k].z);
      c.lineTo(at.x, at.y);
    }
  }
}

void DrawPictureGraphs(Program& p) {
  if (!SeveralGraphs(p)) {
    p.GraphFailures.clear();
    ForgetUnshownImplicitSurfaces(p);
    DrawDriver(p);
    return;
  }
  if (CollectPictureGraphs(p)) PaintCollectedGraphs(p);
}

GraphExtents PictureExtents(Program& p) {
  GraphState& g = p.graph;
  const auto extentsNow = [&g] {
    return GraphExtents{g.XMin, g.XMax, g.YMin, g.YMax, g.ZMin, g.ZMax};
  };
  // An implicit surface's extent comes from its kept triangles: a turn of the eye with the
  // box checked evaluates nothing.
  const auto computeExtents = [&p] {
    if (p.graph.GraphKind == ImplicitKind)
      ComputeImplicitExtents(p);
    else
      ComputeExtents(p);
  };
  computeExtents();
  GraphExtents all = extentsNow();
  for (const int kept : PictureGraphList(p)) {
    if (kept < 0) continue;
    const KeptGraphIn fields(p, kept);
    computeExtents();
    const GraphExtents one = extentsNow();
    all = {std::min(all.XMin, one.XMin), std::max(all.XMax, one.XMax),
           std::min(all.YMin, one.YMin), std::max(all.YMax, one.YMax),
           std::min(all.ZMin, one.ZMin), std::max(all.ZMax, one.ZMax)};
  }
  return all;
}
