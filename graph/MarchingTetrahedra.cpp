// SPDX-License-Identifier: MIT
// Marching tetrahedra over a sampled grid: the six tetrahedra of a cell, the crossing of each
// edge, shared corners and oriented triangles.
#include "graph/MarchingTetrahedra.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// The corners of a cell by their offsets: bit 0 along x, bit 1 along y, bit 2 along z. The six
// tetrahedra round the diagonal from corner 0 to corner 7: each face of the cell is cut along
// the diagonal from its lowest corner, as the neighbour's face is.
constexpr int Tetrahedra[6][4] = {{0, 7, 1, 3}, {0, 7, 3, 2}, {0, 7, 2, 6},
                                  {0, 7, 6, 4}, {0, 7, 4, 5}, {0, 7, 5, 1}};

// Every edge of those tetrahedra runs from a corner to one whose offset bits hold the first
// one's: an edge is its lower end and one of seven directions. The eighth slot of a point is
// the corner at the point itself, where the value is 0.
constexpr int SlotsPerPoint = 8;
constexpr int PointSlot = 7;
constexpr std::uint32_t NoVertex = std::numeric_limits<std::uint32_t>::max();

// A direction to shade by: not zero, and every component a number.
bool usable(Point3 v) {
  const double n = dot(v, v);
  return n > 0 && std::isfinite(n);
}

struct GridPoint {
  int i, j, k;
};

class Marcher {
public:
  Marcher(const SampledGrid& grid, std::size_t maxTriangles)
      : m_grid(grid), m_max(maxTriangles), m_layerPoints(static_cast<std::size_t>(grid.points(0)) *
                                                         static_cast<std::size_t>(grid.points(1))),
        m_slots(2 * m_layerPoints * SlotsPerPoint, NoVertex) {}

  SurfaceMesh run() {
    const int nx = m_grid.cells[0], ny = m_grid.cells[1], nz = m_grid.cells[2];
    for (int k = 0; k < nz && !m_mesh.truncated; ++k) {
      clearLayer(k + 1);
      for (int j = 0; j < ny && !m_mesh.truncated; ++j)
        for (int i = 0; i < nx && !m_mesh.truncated; ++i) marchCell({i, j, k});
    }
    return std::move(m_mesh);
  }

private:
  double value(GridPoint p) const { return m_grid.values[m_grid.index(p.i, p.j, p.k)]; }
  Point3 position(GridPoint p) const {
    return {m_grid.coordinate(0, p.i), m_grid.coordinate(1, p.j), m_grid.coordinate(2, p.k)};
  }

  // The lower and higher layer's slots take turns; a slab of cells reads its own two layers.
  void clearLayer(int k) {
    const std::size_t from = static_cast<std::size_t>(k & 1) * m_layerPoints * SlotsPerPoint;
    std::fill(m_slots.begin() + static_cast<std::ptrdiff_t>(from),
              m_slots.begin() + static_cast<std::ptrdiff_t>(from + m_layerPoints * SlotsPerPoint),
              NoVertex);
  }
  std::uint32_t& slot(GridPoint p, int which) {
    const std::size_t point =
        static_cast<std::size_t>(p.k & 1) * m_layerPoints +
        static_cast<std::size_t>(p.j) * static_cast<std::size_t>(m_grid.points(0)) +
        static_cast<std::size_t>(p.i);
    return m_slots[point * SlotsPerPoint + static_cast<std::size_t>(which)];
  }

  // One axis of the gradient at a point: central where both neighbours have values, one-sided
  // where one has, 0 where neither has.
  double partial(GridPoint p, int axis) const {
    const auto along = [axis](GridPoint q, int step) {
      (axis == 0 ? q.i : axis == 1 ? q.j : q.k) += step;
      return q;
    };
    const int n = axis == 0 ? p.i : axis == 1 ? p.j : p.k;
    const bool hasBefore = n > 0 && std::isfinite(value(along(p, -1)));
    const bool hasAfter = n < m_grid.cells[axis] && std::isfinite(value(along(p, 1)));
    if (!hasBefore && !hasAfter) return 0;
    const GridPoint before = hasBefore ? along(p, -1) : p;
    const GridPoint after = hasAfter ? along(p, 1) : p;
    const double run =
        m_grid.coordinate(axis, n + hasAfter) - m_grid.coordinate(axis, n - hasBefore);
    return (value(after) - value(before)) / run;
  }
  Point3 gradient(GridPoint p) const { return {partial(p, 0), partial(p, 1), partial(p, 2)}; }

  std::uint32_t addVertex(Point3 at, Point3 gradient) {
    m_mesh.vertices.push_back({at, gradient});
    return static_cast<std::uint32_t>(m_mesh.vertices.size() - 1);
  }

  // The corner at a grid point whose value is 0, shared by every edge that meets it there.
  std::uint32_t pointVertex(GridPoint p) {
    std::uint32_t& v = slot(p, PointSlot);
    if (v == NoVertex) v = addVertex(position(p), gradient(p));
    return v;
  }

  // The corner where the edge from the lower end `low` in direction `bits` crosses the surface.
  std::uint32_t edgeVertex(GridPoint low, int bits) {
    const GridPoint high{low.i + (bits & 1), low.j + ((bits >> 1) & 1), low.k + ((bits >> 2) & 1)};
    const double a = value(low), b = value(high);
    const double t = a / (a - b);
    if (t == 0) return pointVertex(low);
    if (t == 1) return pointVertex(high);
    std::uint32_t& v = slot(low, bits - 1);
    if (v == NoVertex) {
      const Point3 pa = position(low), pb = position(high);
      const Point3 ga = gradient(low), gb = gradient(high);
      v = addVertex(pa + t * (pb - pa), ga + t * (gb - ga));
    }
    return v;
  }

  std::uint32_t crossing(GridPoint cell, int cornerA, int cornerB) {
    const bool aLower = (cornerA & cornerB) == cornerA;
    const int lower = aLower ? cornerA : cornerB;
    return edgeVertex(corner(cell, lower), cornerA ^ cornerB);
  }
  static GridPoint corner(GridPoint cell, int c) {
    return {cell.i + (c & 1), cell.j + ((c >> 1) & 1), cell.k + ((c >> 2) & 1)};
  }

  void addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c, Point3 towardsPositive) {
    // Two crossings at one grid point of value 0 leave no area.
    if (a == b || b == c || a == c) return;
    if (m_mesh.triangles.size() >= m_max) {
      m_mesh.truncated = true;
      return;
    }
    const auto& v = m_mesh.vertices;
    Point3 own = cross(v[b].position - v[a].position, v[c].position - v[a].position);
    if (dot(own, towardsPositive) < 0) {
      std::swap(b, c);
      own = -1 * own;
    }
    Point3 normal = v[a].gradient + v[b].gradient + v[c].gradient;
    if (!usable(normal)) normal = usable(own) ? own : towardsPositive;
    m_mesh.triangles.push_back({{a, b, c}, normal});
  }

  void marchTetrahedron(GridPoint cell, const int (&corners)[4], const double (&values)[4]) {
    int negative[4], positive[4];
    int negatives = 0, positives = 0;
    for (int n = 0; n < 4; ++n) {
      if (values[n] < 0)
        negative[negatives++] = corners[n];
      else
        positive[positives++] = corners[n];
    }
    if (negatives == 0 || positives == 0) return;
    Point3 low{}, high{};
    for (int n = 0; n < negatives; ++n) low = low + position(corner(cell, negative[n]));
    for (int n = 0; n < positives; ++n) high = high + position(corner(cell, positive[n]));
    const Point3 towardsPositive = (1.0 / positives) * high - (1.0 / negatives) * low;
    if (negatives == 2) {
      // The crossings of the four edges between the pairs go round a quadrilateral.
      const std::uint32_t q0 = crossing(cell, negative[0], positive[0]);
      const std::uint32_t q1 = crossing(cell, negative[0], positive[1]);
      const std::uint32_t q2 = crossing(cell, negative[1], positive[1]);
      const std::uint32_t q3 = crossing(cell, negative[1], positive[0]);
      addTriangle(q0, q1, q2, towardsPositive);
      addTriangle(q0, q2, q3, towardsPositive);
      return;
    }
    const bool loneNegative = negatives == 1;
    const int lone = loneNegative ? negative[0] : positive[0];
    const int* others = loneNegative ? positive : negative;
    addTriangle(crossing(cell, lone, others[0]), crossing(cell, lone, others[1]),
                crossing(cell, lone, others[2]), towardsPositive);
  }

  void marchCell(GridPoint cell) {
    double values[8];
    int negatives = 0, positives = 0;
    for (int c = 0; c < 8; ++c) {
      values[c] = value(corner(cell, c));
      negatives += values[c] < 0;
      positives += values[c] >= 0;
    }
    // Most cells lie wholly on one side (a corner without a value counts on neither).
    if (negatives == 0 || positives == 0) return;
    for (const auto& tetrahedron : Tetrahedra) {
      double v[4];
      bool defined = true;
      for (int n = 0; n < 4; ++n) {
        v[n] = values[tetrahedron[n]];
        defined = defined && std::isfinite(v[n]);
      }
      if (defined) marchTetrahedron(cell, tetrahedron, v);
    }
  }

  const SampledGrid& m_grid;
  const std::size_t m_max;
  const std::size_t m_layerPoints;
  std::vector<std::uint32_t> m_slots;
  SurfaceMesh m_mesh;
};

} // namespace

void SampledGrid::allocate() {
  values.assign(static_cast<std::size_t>(points(0)) * static_cast<std::size_t>(points(1)) *
                    static_cast<std::size_t>(points(2)),
                std::numeric_limits<double>::quiet_NaN());
}

SurfaceMesh MarchTetrahedra(const SampledGrid& grid, std::size_t maxTriangles) {
  for (int axis = 0; axis < 3; ++axis)
    if (grid.cells[axis] < 1) return {};
  if (grid.values.size() < grid.index(grid.cells[0], grid.cells[1], grid.cells[2]) + 1) return {};
  return Marcher(grid, maxTriangles).run();
}
