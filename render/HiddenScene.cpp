// SPDX-License-Identifier: MIT
// The binary space partition of the picture's pieces in graph space, its bounds, and its
// painting far to near for an eye.
#include "render/HiddenScene.h"

#include "graph/KeptGraphs.h"
#include "render/PictureGraphs.h"
#include "render/Program.h"
#include "render/surfaces/SurfaceCells.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numeric>
#include <unordered_map>

namespace {

// The tolerance of "on a plane", relative to the size of the scene.
constexpr double RelativeEpsilon = 1e-9;
// How many pieces compete to split a region, and against how many of its pieces each is tried.
constexpr std::size_t Candidates = 5;
constexpr std::size_t Sample = 64;
// The most grid cells an edge is followed through when corners are added to it.
constexpr std::int64_t MostCellsAlongAnEdge = 4096;
constexpr std::size_t MendTestsPerCorner = 256, ExtraMendTests = 1 << 20;

// Newell's normal of a polygon: twice its area along each axis, robust for any planar one.
Point3 newellNormal(const Point3* q, std::size_t n) {
  Point3 normal;
  for (std::size_t i = 0; i < n; ++i) {
    const Point3& a = q[i];
    const Point3& b = q[(i + 1) % n];
    normal.x += (a.y - b.y) * (a.z + b.z);
    normal.y += (a.z - b.z) * (a.x + b.x);
    normal.z += (a.x - b.x) * (a.y + b.y);
  }
  return normal;
}

Pixel projected(const View& view, const Point3& q) {
  return ProjectPoint(view, q.x, q.y, q.z);
}

} // namespace

// The canvas state already set, so that a change is asked for only when it is one.
struct HiddenScene::Painting {
  Canvas& canvas;
  const View& view;
  Point3 eye;
  std::vector<Color> cellFill;
  std::vector<Color> grids;
  Color pen = 0;
  std::vector<Pixel> pixels;

  bool brushKnown = false, penColorKnown = false, penStyleKnown = false;
  Color brush = 0, penColor = 0;
  std::uint8_t penStyle = 0;

  void setBrush(Color c) {
    if (brushKnown && brush == c) return;
    canvas.setBrushColor(brush = c);
    brushKnown = true;
  }
  void setPenStyle(std::uint8_t style) {
    if (penStyleKnown && penStyle == style) return;
    canvas.setPenStyle(penStyle = style);
    penStyleKnown = true;
  }
  void setPen(Color c, std::uint8_t style) {
    if (!penColorKnown || penColor != c) canvas.setPenColor(penColor = c);
    penColorKnown = true;
    setPenStyle(style);
  }
};

std::uint32_t HiddenScene::addSource(Source source) {
  m_sources.push_back(source);
  return static_cast<std::uint32_t>(m_sources.size() - 1);
}

void HiddenScene::addSegment(const Point3& from, const Point3& to, std::uint32_t source) {
  if (!finite(from) || !finite(to)) return;
  m_pendingSegments.push_back({from, to, source});
}

void HiddenScene::addPolygon(const Point3* corners, const bool* outlined, std::size_t count,
                             std::uint32_t source) {
  for (std::size_t i = 0; i < count; ++i)
    if (!finite(corners[i])) return;
  const Point3 n = newellNormal(corners, count);
  const double length = std::sqrt(dot(n, n));
  double edges = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const Point3 e = corners[(i + 1) % count] - corners[i];
    edges += dot(e, e);
  }
  // A piece without area has no plane to split by; its own edges are drawn as lines.
  if (!(length > 1e-12 * edges) || !std::isfinite(length)) {
    for (std::size_t i = 0; i < count; ++i)
      if (outlined[i]) addSegment(corners[i], corners[(i + 1) % count], source);
    return;
  }
  const Plane plane{n.x / length, n.y / length, n.z / length,
                    -(n.x * corners[0].x + n.y * corners[0].y + n.z * corners[0].z) / length};
  m_planes.push_back(plane);
  Piece piece;
  piece.first = static_cast<std::uint32_t>(m_points.size());
  piece.count = static_cast<std::uint32_t>(count);
  piece.plane = static_cast<std::uint32_t>(m_planes.size() - 1);
  piece.source = source;
  for (std::size_t i = 0; i < count; ++i) {
    m_points.push_back(corners[i]);
    m_outlined.push_back(outlined[i]);
  }
  m_pieces.push_back(piece);
}

HiddenScene::HiddenScene(const Program& p, const SceneAdditions& additions) {
  for (std::size_t i = 0; i < p.SceneCells.size(); ++i) {
    const SpaceCell& cell = p.SceneCells[i];
    const auto& q = cell.space.corners;
    m_cells.push_back({cell.space.look, cell.record.FillColor, cell.record.PenStyle,
                       static_cast<std::uint32_t>(std::max(cell.graph, 0)), triangleCentre(q)});
    const std::uint32_t source = addSource({SourceKind::Cell, static_cast<std::uint32_t>(i)});
    // A triangle (an implicit surface's) is one piece with its three edges.
    if (q[3] == q[2]) {
      const bool outlined[3] = {true, true, true};
      addPolygon(q.data(), outlined, 3, source);
      continue;
    }
    // A flat convex cell stays one piece; any other is cut along its diagonal into two flat
    // ones, whose shared edge is not drawn.
    const Point3 n = newellNormal(q.data(), 3);
    const double length = std::sqrt(dot(n, n));
    bool flat = length > 0 && std::isfinite(length);
    if (flat) {
      const Point3 unit{n.x / length, n.y / length, n.z / length};
      const double size = std::sqrt(dot(q[2] - q[0], q[2] - q[0]));
      flat = std::fabs(dot(unit, q[3] - q[0])) <= 1e-9 * size;
      for (std::size_t k = 0; flat && k < 4; ++k) {
        const Point3 e1 = q[(k + 1) % 4] - q[k], e2 = q[(k + 2) % 4] - q[(k + 1) % 4];
        flat = dot(cross(e1, e2), unit) > 0;
      }
    }
    if (flat) {
      const bool outlined[4] = {true, true, true, true};
      addPolygon(q.data(), outlined, 4, source);
    } else {
      const Point3 first[3] = {q[0], q[1], q[2]}, second[3] = {q[0], q[2], q[3]};
      const bool firstOutlined[3] = {true, true, false}, secondOutlined[3] = {false, true, true};
      addPolygon(first, firstOutlined, 3, source);
      addPolygon(second, secondOutlined, 3, source);
    }
  }
  for (const SpaceCurve& curve : p.SceneCurves) {
    const std::uint32_t source =
        addSource({curve.inGridColor ? SourceKind::GridCurve : SourceKind::Curve,
                   static_cast<std::uint32_t>(std::max(curve.graph, 0))});
    for (std::size_t k = 1; k < curve.points.size(); ++k)
      if (!(curve.points[k - 1] == curve.points[k]))
        addSegment(curve.points[k - 1], curve.points[k], source);
  }
  if (additions.plane) {
    const bool outlined[4] = {true, true, true, true};
    addPolygon(additions.planeCorners.data(), outlined, 4, addSource({SourceKind::PlanePatch, 0}));
  }
  if (additions.planeMarked)
    addSegment(additions.planePoint, additions.planePoint, addSource({SourceKind::PlanePoint, 0}));
  if (additions.line)
    addSegment(additions.lineFrom, additions.lineTo, addSource({SourceKind::Line, 0}));
  if (!additions.boxEdges.empty()) {
    const std::uint32_t source = addSource({SourceKind::Box, 0});
    for (const auto& edge : additions.boxEdges) addSegment(edge[0], edge[1], source);
  }
  build();
}

int HiddenScene::sideOf(const Plane& plane, const Point3& q) const {
  const double d = plane.a * q.x + plane.b * q.y + plane.c * q.z + plane.d;
  // What cannot be placed (an overflow) counts as on the plane.
  if (d > m_epsilon) return 1;
  if (d < -m_epsilon) return -1;
  return 0;
}

std::uint32_t HiddenScene::chooseSplitter(const std::vector<std::uint32_t>& pieces) const {
  const std::size_t n = pieces.size();
  if (n <= 2) return pieces.front();
  std::uint32_t best = pieces.front();
  double bestScore = std::numeric_limits<double>::infinity();
  const std::size_t candidates = std::min(n, Candidates), sample = std::min(n, Sample);
  for (std::size_t c = 0; c < candidates; ++c) {
    const std::uint32_t candidate = pieces[c * n / candidates];
    const Plane& plane = m_planes[m_pieces[candidate].plane];
    std::size_t splits = 0, front = 0, back = 0;
    for (std::size_t s = 0; s < sample; ++s) {
      const Piece& piece = m_pieces[pieces[s * n / sample]];
      int pos = 0, neg = 0;
      for (std::uint32_t k = 0; k < piece.count; ++k) {
        const int side = sideOf(plane, m_points[piece.first + k]);
        pos += side > 0;
        neg += side < 0;
      }
      if (pos && neg) {
        ++splits;
      } else if (pos) {
        ++front;
      } else if (neg) {
        ++back;
      }
    }
    const double score = 8.0 * static_cast<double>(splits) +
                         std::fabs(static_cast<double>(front) - static_cast<double>(back));
    if (score < bestScore) bestScore = score, best = candidate;
  }
  return best;
}

void HiddenScene::split(std::uint32_t index, const Plane& plane, std::uint32_t& front,
                        std::uint32_t& back) {
  const Piece piece = m_pieces[index];
  const std::uint32_t n = piece.count;
  thread_local std::vector<double> distance;
  thread_local std::vector<int> side;
  distance.resize(n);
  side.resize(n);
  for (std::uint32_t k = 0; k < n; ++k) {
    const Point3& q = m_points[piece.first + k];
    distance[k] = plane.a * q.x + plane.b * q.y + plane.c * q.z + plane.d;
    side[k] = sideOf(plane, q);
  }
  thread_local std::vector<Point3> fp, bp;
  thread_local std::vector<std::uint8_t> fo, bo;
  fp.clear(), bp.clear(), fo.clear(), bo.clear();
  for (std::uint32_t e = 0; e < n; ++e) {
    const std::uint32_t j = (e + 1) % n;
    const Point3 q = m_points[piece.first + e];
    const std::uint8_t own = m_outlined[piece.first + e];
    // The edge from a corner keeps its cell's outline while it runs along the cell's own edge
    // on that side; an edge along the split is not drawn.
    if (side[e] >= 0) {
      fp.push_back(q);
      fo.push_back((side[e] > 0 || side[j] >= 0) ? own : 0);
    }
    if (side[e] <= 0) {
      bp.push_back(q);
      bo.push_back((side[e] < 0 || side[j] <= 0) ? own : 0);
    }
    if (side[e] * side[j] < 0) {
      const Point3 r = m_points[piece.first + j];
      const double t = distance[e] / (distance[e] - distance[j]);
      const Point3 x{q.x + t * (r.x - q.x), q.y + t * (r.y - q.y), q.z + t * (r.z - q.z)};
      fp.push_back(x);
      fo.push_back(side[j] > 0 ? own : 0);
      bp.push_back(x);
      bo.push_back(side[j] < 0 ? own : 0);
    }
  }
  const auto add = [&](const std::vector<Point3>& points, const std::vector<std::uint8_t>& flags) {
    Piece made = piece;
    made.first = static_cast<std::uint32_t>(m_points.size());
    made.count = static_cast<std::uint32_t>(points.size());
    m_points.insert(m_points.end(), points.begin(), points.end());
    m_outlined.insert(m_outlined.end(), flags.begin(), flags.end());
    m_pieces.push_back(made);
    return static_cast<std::uint32_t>(m_pieces.size() - 1);
  };
  front = fp.size() >= 3 ? add(fp, fo) : UINT32_MAX;
  back = bp.size() >= 3 ? add(bp, bo) : UINT32_MAX;
}

void HiddenScene::build() {
  // The size of the scene, for the tolerance of "on a plane".
  Point3 low{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
             std::numeric_limits<double>::max()};
  Point3 high{-low.x, -low.y, -low.z};
  const auto widen = [&](const Point3& q) {
    low = {std::min(low.x, q.x), std::min(low.y, q.y), std::min(low.z, q.z)};
    high = {std::max(high.x, q.x), std::max(high.y, q.y), std::max(high.z, q.z)};
  };
  for (const Point3& q : m_points) widen(q);
  for (const Segment& s : m_pendingSegments) widen(s.from), widen(s.to);
  double size = 0;
  for (const double v :
       {high.x - low.x, high.y - low.y, high.z - low.z, std::fabs(low.x), std::fabs(low.y),
        std::fabs(low.z), std::fabs(high.x), std::fabs(high.y), std::fabs(high.z)})
    if (std::isfinite(v)) size = std::max(size, v);
  m_epsilon = std::max(RelativeEpsilon * size, std::numeric_limits<double>::min());

  const std::size_t given = m_pieces.size();
  m_stats.polygons = given;
  m_pieceLimit = FragmentsPerPolygon * given + ExtraFragments;
  m_workLimit = WorkPerPolygon * (given + 1);
  m_nodes.emplace_back();
  struct Task {
    std::int32_t node;
    std::vector<std::uint32_t> pieces;
  };
  std::vector<Task> tasks;
  std::vector<std::uint32_t> all(given);
  std::iota(all.begin(), all.end(), 0u);
  if (all.empty())
    m_nodes[0].leaf = true;
  else
    tasks.push_back({0, std::move(all)});
  while (!tasks.empty()) {
    Task task = std::move(tasks.back());
    tasks.pop_back();
    const auto at = static_cast<std::size_t>(task.node);
    m_nodes[at].firstPiece = static_cast<std::uint32_t>(m_nodePieces.size());
    if (m_pieces.size() >= m_pieceLimit || m_work >= m_workLimit) {
      // The bound: the region is painted as it is, farthest first.
      m_stats.bounded = true;
      m_nodes[at].bucket = true;
      m_nodePieces.insert(m_nodePieces.end(), task.pieces.begin(), task.pieces.end());
      m_nodes[at].pieceCount = static_cast<std::uint32_t>(task.pieces.size());
      continue;
    }
    const std::uint32_t splitter = chooseSplitter(task.pieces);
    m_work += std::min(task.pieces.size(), Candidates) * std::min(task.pieces.size(), Sample);
    const std::uint32_t planeIndex = m_pieces[splitter].plane;
    const Plane plane = m_planes[planeIndex];
    m_nodes[at].plane = planeIndex;
    std::vector<std::uint32_t> front, back;
    for (const std::uint32_t index : task.pieces) {
      ++m_work;
      const Piece& piece = m_pieces[index];
      if (index == splitter || piece.plane == planeIndex) {
        m_nodePieces.push_back(index);
        continue;
      }
      int pos = 0, neg = 0;
      for (std::uint32_t k = 0; k < piece.count; ++k) {
        const int side = sideOf(plane, m_points[piece.first + k]);
        pos += side > 0;
        neg += side < 0;
      }
      if (!pos && !neg) {
        m_nodePieces.push_back(index);
      } else if (!neg) {
        front.push_back(index);
      } else if (!pos) {
        back.push_back(index);
      } else if (m_pieces.size() + 2 > m_pieceLimit) {
        // At the bound a piece across the plane goes whole to the side most of it is on.
        m_stats.bounded = true;
        (pos >= neg ? front : back).push_back(index);
      } else {
        std::uint32_t ahead = 0, behind = 0;
        split(index, plane, ahead, behind);
        if (ahead != UINT32_MAX) front.push_back(ahead);
        if (behind != UINT32_MAX) back.push_back(behind);
      }
    }
    m_nodes[at].pieceCount =
        static_cast<std::uint32_t>(m_nodePieces.size()) - m_nodes[at].firstPiece;
    for (auto [list, child] : {std::pair{&front, &Node::front}, std::pair{&back, &Node::back}}) {
      if (list->empty()) continue;
      const auto made = static_cast<std::int32_t>(m_nodes.size());
      m_nodes.emplace_back();
      m_nodes[at].*child = made;
      tasks.push_back({made, std::move(*list)});
    }
  }
  mendJunctions();
  insertSegments(std::move(m_pendingSegments));
  m_pendingSegments = {};
  m_stats.fragments = m_nodePieces.size();
  m_stats.segments = m_segments.size();
  m_stats.nodes = m_nodes.size();
}

namespace {

struct PointKey {
  std::uint64_t x, y, z;
  bool operator==(const PointKey&) const = default;
};

struct PointKeyHash {
  std::size_t operator()(const PointKey& k) const {
    return static_cast<std::size_t>(k.x * 0x9E3779B97F4A7C15ull ^ k.y * 0xC2B2AE3D27D4EB4Full ^
                                    k.z * 0x165667B19E3779F9ull);
  }
};

PointKey keyOf(const Point3& q) {
  const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v == 0 ? 0.0 : v); };
  return {bits(q.x), bits(q.y), bits(q.z)};
}

// The cells of a uniform grid, each known by its three indices packed in 21 bits each.
struct Grid {
  Point3 low;
  double size = 1;
  static constexpr std::int64_t Top = (1 << 21) - 1;
  std::int64_t index(double v, double from) const {
    const double i = std::floor((v - from) / size);
    return !(i > 0) ? 0 : i >= double(Top) ? Top : static_cast<std::int64_t>(i);
  }
  static std::uint64_t pack(std::int64_t i, std::int64_t j, std::int64_t k) {
    return static_cast<std::uint64_t>(i) << 42 | static_cast<std::uint64_t>(j) << 21 |
           static_cast<std::uint64_t>(k);
  }
};

} // namespace

void HiddenScene::mendJunctions() {
  // The corners once each, by place.
  std::unordered_map<PointKey, std::uint32_t, PointKeyHash> ids;
  std::vector<Point3> corners;
  std::vector<std::uint32_t> cornerOf(m_points.size(), 0);
  double edgeLength = 0;
  std::size_t edgeCount = 0;
  for (const std::uint32_t index : m_nodePieces) {
    const Piece& piece = m_pieces[index];
    for (std::uint32_t k = 0; k < piece.count; ++k) {
      const Point3& q = m_points[piece.first + k];
      const auto [at, added] =
          ids.try_emplace(keyOf(q), static_cast<std::uint32_t>(corners.size()));
      if (added) corners.push_back(q);
      cornerOf[piece.first + k] = at->second;
      const Point3 e = m_points[piece.first + (k + 1) % piece.count] - q;
      edgeLength += std::sqrt(dot(e, e));
      ++edgeCount;
    }
  }
  if (corners.empty() || !(edgeLength > 0)) return;
  Grid grid;
  grid.size = edgeLength / static_cast<double>(edgeCount);
  grid.low = corners[0];
  for (const Point3& q : corners)
    grid.low = {std::min(grid.low.x, q.x), std::min(grid.low.y, q.y), std::min(grid.low.z, q.z)};
  // A corner on a face between cells goes into the cells on both sides.
  std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> cells;
  const double slack = m_epsilon * 4;
  for (std::uint32_t id = 0; id < corners.size(); ++id) {
    const Point3& q = corners[id];
    std::int64_t from[3], to[3];
    const double v[3] = {q.x, q.y, q.z}, o[3] = {grid.low.x, grid.low.y, grid.low.z};
    for (int a = 0; a < 3; ++a) {
      from[a] = grid.index(v[a] - slack, o[a]);
      // Two cells at most each way, however coarse the tolerance is beside the cells.
      to[a] = std::min(grid.index(v[a] + slack, o[a]), from[a] + 1);
    }
    for (std::int64_t i = from[0]; i <= to[0]; ++i)
      for (std::int64_t j = from[1]; j <= to[1]; ++j)
        for (std::int64_t k = from[2]; k <= to[2]; ++k) cells[Grid::pack(i, j, k)].push_back(id);
  }
  // Corners crowded into few cells (pieces by the thousand through one point) would cost a test
  // of every corner against every edge: past a budget the edges stay as they are.
  std::size_t tests = 0;
  const std::size_t testBudget = MendTestsPerCorner * corners.size() + ExtraMendTests;
  std::vector<std::pair<double, std::uint32_t>> found;
  std::vector<Point3> points;
  std::vector<std::uint8_t> flags;
  for (const std::uint32_t index : m_nodePieces) {
    Piece& piece = m_pieces[index];
    points.clear();
    flags.clear();
    bool mended = false;
    for (std::uint32_t k = 0; k < piece.count; ++k) {
      const std::uint32_t a = cornerOf[piece.first + k];
      const std::uint32_t b = cornerOf[piece.first + (k + 1) % piece.count];
      const std::uint8_t own = m_outlined[piece.first + k];
      points.push_back(corners[a]);
      flags.push_back(own);
      const Point3 from = corners[a], to = corners[b];
      const Point3 d = to - from;
      const double length2 = dot(d, d);
      if (!(length2 > 0)) continue;
      // The cells the edge passes through, by stepping from cell face to cell face.
      found.clear();
      const double o[3] = {grid.low.x, grid.low.y, grid.low.z};
      const double p0[3] = {from.x, from.y, from.z}, dv[3] = {d.x, d.y, d.z};
      std::int64_t cell[3], last[3], step[3];
      double next[3], delta[3];
      std::int64_t walk = 1;
      for (int axis = 0; axis < 3; ++axis) {
        cell[axis] = grid.index(p0[axis], o[axis]);
        last[axis] = grid.index(p0[axis] + dv[axis], o[axis]);
        step[axis] = last[axis] > cell[axis] ? 1 : last[axis] < cell[axis] ? -1 : 0;
        walk += std::abs(last[axis] - cell[axis]);
        const double boundary =
            o[axis] + static_cast<double>(cell[axis] + (step[axis] > 0)) * grid.size;
        next[axis] = step[axis] ? (boundary - p0[axis]) / dv[axis] : 2.0;
        delta[axis] = step[axis] ? grid.size / std::fabs(dv[axis]) : 2.0;
      }
      // An edge through very many cells (a scene of very different sizes) stays as it is.
      if (walk > MostCellsAlongAnEdge || tests > testBudget) continue;
      for (std::int64_t n = 0; n < walk; ++n) {
        const auto there = cells.find(Grid::pack(cell[0], cell[1], cell[2]));
        if (there != cells.end()) {
          tests += there->second.size();
          for (const std::uint32_t id : there->second) {
            if (id == a || id == b) continue;
            const Point3 w = corners[id] - from;
            const double t = dot(w, d) / length2;
            if (!(t > 0 && t < 1)) continue;
            const Point3 off{w.x - t * d.x, w.y - t * d.y, w.z - t * d.z};
            if (dot(off, off) <= slack * slack) found.push_back({t, id});
          }
        }
        int axis = next[0] < next[1] ? (next[0] < next[2] ? 0 : 2) : (next[1] < next[2] ? 1 : 2);
        if (next[axis] > 1) break;
        cell[axis] += step[axis];
        next[axis] += delta[axis];
      }
      if (found.empty()) continue;
      std::sort(found.begin(), found.end());
      found.erase(std::unique(found.begin(), found.end(),
                              [](const auto& x, const auto& y) { return x.second == y.second; }),
                  found.end());
      for (const auto& [t, id] : found) {
        points.push_back(corners[id]);
        flags.push_back(own);
      }
      mended = true;
    }
    if (!mended) continue;
    piece.first = static_cast<std::uint32_t>(m_points.size());
    piece.count = static_cast<std::uint32_t>(points.size());
    m_points.insert(m_points.end(), points.begin(), points.end());
    m_outlined.insert(m_outlined.end(), flags.begin(), flags.end());
  }
}

void HiddenScene::insertSegments(std::vector<Segment> segments) {
  const std::size_t limit = FragmentsPerPolygon * segments.size() + ExtraFragments;
  std::vector<std::pair<std::int32_t, Segment>> stack;
  stack.reserve(segments.size());
  for (const Segment& s : segments) stack.push_back({0, s});
  const auto keep = [this](std::size_t node, const Segment& s) {
    m_segments.push_back(s);
    m_nodes[node].segments.push_back(static_cast<std::uint32_t>(m_segments.size() - 1));
  };
  const auto childOf = [this](std::size_t node, std::int32_t Node::*child) {
    if (m_nodes[node].*child < 0) {
      const auto made = static_cast<std::int32_t>(m_nodes.size());
      m_nodes.emplace_back();
      m_nodes.back().leaf = true;
      m_nodes[node].*child = made;
    }
    return m_nodes[node].*child;
  };
  while (!stack.empty()) {
    auto [index, s] = stack.back();
    stack.pop_back();
    const auto node = static_cast<std::size_t>(index);
    if (m_nodes[node].leaf || m_nodes[node].bucket || m_segments.size() + stack.size() >= limit) {
      keep(node, s);
      continue;
    }
    const Plane& plane = m_planes[m_nodes[node].plane];
    const int a = sideOf(plane, s.from), b = sideOf(plane, s.to);
    if (a == 0 && b == 0) {
      // A line in the plane shows over the pieces in it.
      keep(node, s);
    } else if (a >= 0 && b >= 0) {
      stack.push_back({childOf(node, &Node::front), s});
    } else if (a <= 0 && b <= 0) {
      stack.push_back({childOf(node, &Node::back), s});
    } else {
      const double da = plane.a * s.from.x + plane.b * s.from.y + plane.c * s.from.z + plane.d;
      const double db = plane.a * s.to.x + plane.b * s.to.y + plane.c * s.to.z + plane.d;
      const double t = da / (da - db);
      const Point3 x{s.from.x + t * (s.to.x - s.from.x), s.from.y + t * (s.to.y - s.from.y),
                     s.from.z + t * (s.to.z - s.from.z)};
      const Segment first{s.from, x, s.source}, second{x, s.to, s.source};
      stack.push_back({childOf(node, a > 0 ? &Node::front : &Node::back), first});
      stack.push_back({childOf(node, b > 0 ? &Node::front : &Node::back), second});
    }
  }
}

void HiddenScene::paintPiece(Painting& painting, const Piece& piece) const {
  const Source& source = m_sources[piece.source];
  Color fill = painting.pen, outline = painting.pen;
  bool outlined = true;
  if (source.kind == SourceKind::Cell) {
    const CellPaint& cell = m_cells[source.index];
    fill = painting.cellFill[source.index];
    outline = painting.grids[std::min<std::size_t>(cell.graph, painting.grids.size() - 1)];
    outlined = cell.penStyle != PenClear;
  }
  std::vector<Pixel>& pixels = painting.pixels;
  pixels.clear();
  for (std::uint32_t k = 0; k < piece.count; ++k)
    pixels.push_back(projected(painting.view, m_points[piece.first + k]));
  painting.setPenStyle(PenClear);
  painting.setBrush(fill);
  painting.canvas.polygon(pixels);
  if (!outlined) return;
  // The piece's own edges, one run of lines after another.
  bool drawn = false;
  for (std::uint32_t k = 0; k < piece.count; ++k) {
    if (!m_outlined[piece.first + k]) {
      drawn = false;
      continue;
    }
    if (!drawn) {
      painting.setPen(outline, PenSolid);
      painting.canvas.moveTo(pixels[k].x, pixels[k].y);
    }
    const Pixel& to = pixels[(k + 1) % piece.count];
    painting.canvas.lineTo(to.x, to.y);
    drawn = true;
  }
}

void HiddenScene::paintSegment(Painting& painting, const Segment& segment) const {
  const Source& source = m_sources[segment.source];
  const Pixel from = projected(painting.view, segment.from);
  if (source.kind == SourceKind::PlanePoint) {
    // One pixel in lime, right and down of the point, as the plane marks it.
    painting.setPen(clLime, PenSolid);
    painting.canvas.moveTo(from.x, from.y);
    painting.canvas.lineTo(from.x + (from.x < INT32_MAX), from.y + (from.y < INT32_MAX));
    return;
  }
  Color color = painting.pen;
  if (source.kind == SourceKind::Cell) {
    const CellPaint& cell = m_cells[source.index];
    if (cell.penStyle == PenClear) return;
    color = painting.grids[std::min<std::size_t>(cell.graph, painting.grids.size() - 1)];
  } else if (source.kind == SourceKind::GridCurve) {
    color = painting.grids[std::min<std::size_t>(source.index, painting.grids.size() - 1)];
  }
  const Pixel to = projected(painting.view, segment.to);
  painting.setPen(color, PenSolid);
  painting.canvas.moveTo(from.x, from.y);
  painting.canvas.lineTo(to.x, to.y);
}

void HiddenScene::paintNode(Painting& painting, const Node& node) const {
  const std::uint32_t* pieces = m_nodePieces.data() + node.firstPiece;
  if (node.bucket) {
    // What the bound left unsplit: farthest first by the distance of each piece's centre.
    std::vector<std::pair<double, std::uint32_t>> order;
    for (std::uint32_t k = 0; k < node.pieceCount; ++k) {
      const Piece& piece = m_pieces[pieces[k]];
      Point3 c;
      for (std::uint32_t v = 0; v < piece.count; ++v) {
        const Point3& q = m_points[piece.first + v];
        c = {c.x + q.x / piece.count, c.y + q.y / piece.count, c.z + q.z / piece.count};
      }
      const Point3 e = c - painting.eye;
      order.push_back({dot(e, e), pieces[k]});
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [distance, index] : order) paintPiece(painting, m_pieces[index]);
  } else {
    for (std::uint32_t k = 0; k < node.pieceCount; ++k) paintPiece(painting, m_pieces[pieces[k]]);
  }
  for (const std::uint32_t s : node.segments) paintSegment(painting, m_segments[s]);
}

void HiddenScene::paint(Program& p) const {
  const EyePoint eye = eyePointOf(p.graph);
  Painting painting{*p.canvas, p.view, {eye.x, eye.y, eye.z}, {}, {}, p.graph.PenColor, {}};
  // Each graph's colours for this eye.
  std::vector<GraphState> looks;
  for (const int kept : PictureGraphList(p)) {
    GraphState g = p.graph;
    if (kept >= 0) SetGraphFields(g, p.KeptGraphs[static_cast<std::size_t>(kept)].fields);
    painting.grids.push_back(g.GridColor);
    looks.push_back(std::move(g));
  }
  painting.cellFill.reserve(m_cells.size());
  for (const CellPaint& cell : m_cells)
    painting.cellFill.push_back(
        lookColor(looks[std::min<std::size_t>(cell.graph, looks.size() - 1)], eye, cell.look,
                  cell.recorded, cell.centre));
  // Far to near: at each plane the side away from the eye first, then what lies in the plane,
  // then the side of the eye.
  struct Visit {
    std::int32_t node;
    bool expanded;
  };
  std::vector<Visit> stack{{0, false}};
  while (!stack.empty()) {
    const Visit visit = stack.back();
    stack.pop_back();
    if (visit.node < 0) continue;
    const Node& node = m_nodes[static_cast<std::size_t>(visit.node)];
    if (node.leaf || node.bucket || visit.expanded) {
      paintNode(painting, node);
      continue;
    }
    const Plane& plane = m_planes[node.plane];
    const double side =
        plane.a * painting.eye.x + plane.b * painting.eye.y + plane.c * painting.eye.z + plane.d;
    const std::int32_t nearSide = side >= 0 ? node.front : node.back;
    const std::int32_t farSide = side >= 0 ? node.back : node.front;
    stack.push_back({nearSide, false});
    stack.push_back({visit.node, true});
    stack.push_back({farSide, false});
  }
  p.canvas->setPenStyle(PenSolid);
}

std::string HiddenSceneKey(const Program& p, bool withGraphs) {
  std::string key = withGraphs ? "graphs;" : "none;";
  const auto number = [&key](double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%a,", v);
    key += buffer;
  };
  const auto text = [&key](const std::string& s) {
    key += std::to_string(s.size()) + ":" + s + ",";
  };
  const GraphState& g = p.graph;
  if (withGraphs) {
    for (const int kept : PictureGraphList(p)) {
      const GraphFields f =
          kept < 0 ? GraphFieldsOf(g) : p.KeptGraphs[static_cast<std::size_t>(kept)].fields;
      key += f.GraphKind;
      for (const std::string* t :
           {&f.FunctionText, &f.FunctionTextX, &f.FunctionTextY, &f.FunctionTextZ})
        text(*t);
      for (const double v : {f.XMin, f.XMax, f.YMin, f.YMax, f.RMin, f.RMax, f.TMin, f.TMax, f.UMin,
                             f.UMax, f.VMin, f.VMax, f.XCurves, f.YCurves, f.ZCurves, f.TStep})
        number(v);
      for (const Color c : {f.AboveColor, f.UnderColor, f.GridColor}) number(c);
      key += f.ShadingOn ? "s;" : "-;";
    }
  }
  for (const double v : {g.ParamA, g.ParamB, g.ParamC, g.ParamD, g.ParamE, g.ParamF, g.AxisXMin,
                         g.AxisXMax, g.AxisYMin, g.AxisYMax, g.AxisZMin, g.AxisZMax})
    number(v);
  // The plane and the line count only while they are drawn: until their data are entered the
  // routines prepare them afresh at every call.
  const PlaneData& plane = g.Plane;
  const LineData& line = g.Line;
  if (g.PlaneOn && g.PlaneDefined) {
    key += "P";
    for (const double v : {plane.X0, plane.Y0, plane.Z0, plane.A, plane.B, plane.C, plane.MinX,
                           plane.MaxX, plane.MinY, plane.MaxY})
      number(v);
  }
  if (g.LineOn && g.LineDefined) {
    key += "L";
    for (const double v : {line.X1, line.Y1, line.Z1, line.X2, line.Y2, line.Z2}) number(v);
  }
  key += g.DrawBoxChecked ? "B" : "-";
  number(g.PenColor);
  return key;
}
