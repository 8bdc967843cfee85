// SPDX-License-Identifier: MIT
// Marching tetrahedra: where the corners lie, that the surface closes without cracks, which
// way the triangles face, undefined points, and the bound.
#include "graph/MarchingTetrahedra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <utility>

namespace {

using Function = std::function<double(double, double, double)>;

SampledGrid sample(const Function& f, int cells, double low = -3, double high = 3) {
  SampledGrid grid;
  for (int axis = 0; axis < 3; ++axis) {
    grid.cells[axis] = cells;
    grid.low[axis] = low;
    grid.high[axis] = high;
  }
  grid.allocate();
  for (int k = 0; k <= cells; ++k)
    for (int j = 0; j <= cells; ++j)
      for (int i = 0; i <= cells; ++i)
        grid.values[grid.index(i, j, k)] =
            f(grid.coordinate(0, i), grid.coordinate(1, j), grid.coordinate(2, k));
  return grid;
}

double sphere(double x, double y, double z) {
  return x * x + y * y + z * z - 4;
}

double length(const Point3& v) {
  return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

// How many triangles share each edge (a pair of corners, the lower index first).
std::map<std::pair<std::uint32_t, std::uint32_t>, int> edgeUses(const SurfaceMesh& mesh) {
  std::map<std::pair<std::uint32_t, std::uint32_t>, int> uses;
  for (const auto& t : mesh.triangles)
    for (int e = 0; e < 3; ++e) {
      const std::uint32_t a = t.corners[e], b = t.corners[(e + 1) % 3];
      ++uses[{std::min(a, b), std::max(a, b)}];
    }
  return uses;
}

// A closed surface without cracks: every edge between two triangles, and the Euler
// characteristic of its shape (2 for a sphere, 0 for a torus).
void expectClosed(const SurfaceMesh& mesh, int eulerCharacteristic) {
  const auto uses = edgeUses(mesh);
  int open = 0;
  for (const auto& [edge, count] : uses) open += count != 2;
  EXPECT_EQ(open, 0);
  const long long v = static_cast<long long>(mesh.vertices.size());
  const long long e = static_cast<long long>(uses.size());
  const long long f = static_cast<long long>(mesh.triangles.size());
  EXPECT_EQ(v - e + f, eulerCharacteristic);
}

TEST(MarchingTetrahedra, SphereCornersLieOnTheSphere) {
  for (const int cells : {10, 30, 40}) {
    SCOPED_TRACE(cells);
    const SurfaceMesh mesh = MarchTetrahedra(sample(sphere, cells), 1'000'000);
    ASSERT_FALSE(mesh.triangles.empty());
    const double cell = 6.0 / cells;
    double worst = 0;
    for (const auto& v : mesh.vertices) worst = std::max(worst, std::fabs(length(v.position) - 2));
    // Within one cell, as any interpolation on the grid is; and since F is quadratic along an
    // edge, much nearer: linear interpolation along an edge of length L misses a sphere of
    // radius R by about L^2 / 8R, at most 3 cell^2 / 16 here (a corner interpolated from the
    // wrong end, or put at an edge's middle, would be off by up to half a cell).
    EXPECT_LT(worst, cell);
    EXPECT_LT(worst, cell * cell / 4);
  }
}

TEST(MarchingTetrahedra, SphereIsClosedAndItsCountStable) {
  const SurfaceMesh first = MarchTetrahedra(sample(sphere, 30), 1'000'000);
  const SurfaceMesh again = MarchTetrahedra(sample(sphere, 30), 1'000'000);
  EXPECT_EQ(first.triangles.size(), again.triangles.size());
  EXPECT_EQ(first.vertices.size(), again.vertices.size());
  expectClosed(first, 2);
  // A sphere moved by less than a cell keeps about as many triangles.
  const SurfaceMesh moved = MarchTetrahedra(
      sample([](double x, double y, double z) { return sphere(x - 0.05, y + 0.03, z - 0.07); }, 30),
      1'000'000);
  expectClosed(moved, 2);
  const double ratio = double(moved.triangles.size()) / double(first.triangles.size());
  EXPECT_NEAR(ratio, 1, 0.05);
}

TEST(MarchingTetrahedra, TorusIsClosedWithOneHole) {
  const auto torus = [](double x, double y, double z) {
    const double r = x * x + y * y + z * z + 3;
    return r * r - 16 * (x * x + y * y);
  };
  expectClosed(MarchTetrahedra(sample(torus, 30), 1'000'000), 0);
}

TEST(MarchingTetrahedra, TrianglesFaceThePositiveSide) {
  const SurfaceMesh mesh = MarchTetrahedra(sample(sphere, 20), 1'000'000);
  int inward = 0, clockwise = 0;
  for (const auto& t : mesh.triangles) {
    const Point3& a = mesh.vertices[t.corners[0]].position;
    const Point3& b = mesh.vertices[t.corners[1]].position;
    const Point3& c = mesh.vertices[t.corners[2]].position;
    const Point3 centre{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3};
    if (dot(t.normal, centre) <= 0) ++inward;
    if (dot(cross(b - a, c - a), centre) < 0) ++clockwise;
  }
  // Outside the sphere F is positive: every normal and every corner order point outwards.
  EXPECT_EQ(inward, 0);
  EXPECT_EQ(clockwise, 0);
  // The corners' gradients are F's, 2(x, y, z), to within the central differences' error.
  for (const auto& v : mesh.vertices) {
    const Point3 exact{2 * v.position.x, 2 * v.position.y, 2 * v.position.z};
    EXPECT_LT(length(v.gradient - exact), 0.05 * length(exact));
  }
}

struct PlaneCase {
  double height;
  std::size_t trianglesPerCell;
};

// A plane between two layers of points cuts each cell's six tetrahedra into 8 triangles; a
// plane through a layer meets its points' value 0 and gives the square's two halves.
TEST(MarchingTetrahedra, PlaneIsAFlatSquareGrid) {
  for (const PlaneCase c : {PlaneCase{0.5, 8}, PlaneCase{0, 2}, PlaneCase{-1.1, 8}}) {
    SCOPED_TRACE(c.height);
    const SurfaceMesh mesh = MarchTetrahedra(
        sample([&](double, double, double z) { return z - c.height; }, 30), 1'000'000);
    EXPECT_EQ(mesh.triangles.size(), 30u * 30u * c.trianglesPerCell);
    double area = 0;
    for (const auto& t : mesh.triangles) {
      const Point3& a = mesh.vertices[t.corners[0]].position;
      const Point3& b = mesh.vertices[t.corners[1]].position;
      const Point3& d = mesh.vertices[t.corners[2]].position;
      const Point3 n = cross(b - a, d - a);
      area += n.z / 2; // every triangle faces up, towards z - height > 0
      EXPECT_GT(t.normal.z, 0);
    }
    for (const auto& v : mesh.vertices) {
      EXPECT_NEAR(v.position.z, c.height, 1e-12);
      EXPECT_GE(v.position.x, -3);
      EXPECT_LE(v.position.x, 3);
    }
    EXPECT_NEAR(area, 36, 1e-9);
  }
}

// Where the function has no value (here x < 0) no triangle is made from an edge reaching
// it, and the other half is drawn.
TEST(MarchingTetrahedra, UndefinedHalfLeavesTheOtherHalf) {
  const SurfaceMesh whole = MarchTetrahedra(sample(sphere, 30), 1'000'000);
  const SurfaceMesh half = MarchTetrahedra(
      sample([](double x, double y, double z) { return x < 0 ? std::nan("") : sphere(x, y, z); },
             30),
      1'000'000);
  ASSERT_FALSE(half.triangles.empty());
  double largestX = 0;
  for (const auto& t : half.triangles)
    for (const std::uint32_t c : t.corners) {
      EXPECT_GE(half.vertices[c].position.x, 0);
      largestX = std::max(largestX, half.vertices[c].position.x);
    }
  EXPECT_NEAR(largestX, 2, 0.01);
  const double share = double(half.triangles.size()) / double(whole.triangles.size());
  // The tetrahedra are not cut alike on both sides of x = 0, so the halves differ a little.
  EXPECT_GT(share, 0.4);
  EXPECT_LT(share, 0.55);
}

TEST(MarchingTetrahedra, StopsAtTheBound) {
  const SurfaceMesh all = MarchTetrahedra(sample(sphere, 20), 1'000'000);
  EXPECT_FALSE(all.truncated);
  const SurfaceMesh cut = MarchTetrahedra(sample(sphere, 20), 500);
  EXPECT_TRUE(cut.truncated);
  EXPECT_EQ(cut.triangles.size(), 500u);
  // The first triangles are the same ones.
  for (std::size_t i = 0; i < cut.triangles.size(); ++i)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(cut.triangles[i].corners[c], all.triangles[i].corners[c]);
}

TEST(MarchingTetrahedra, NothingWithoutASignChangeOrAGrid) {
  EXPECT_TRUE(MarchTetrahedra(sample([](double, double, double) { return 1.0; }, 8), 100)
                  .triangles.empty());
  EXPECT_TRUE(MarchTetrahedra(sample([](double, double, double) { return std::nan(""); }, 8), 100)
                  .triangles.empty());
  SampledGrid empty;
  EXPECT_TRUE(MarchTetrahedra(empty, 100).triangles.empty());
}

} // namespace
