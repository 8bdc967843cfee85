// SPDX-License-Identifier: MIT
// Marching tetrahedra: the triangles where a function sampled at the points of a grid over a
// box changes sign, with the function's gradient at their corners.
#pragma once

#include "graph/Point3.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A function's values at the points of a grid: the box cut into cells[0] by cells[1] by
// cells[2] cells, one more point than cells along each axis. A value that is not a number
// marks a point where the function has none.
struct SampledGrid {
  int cells[3] = {1, 1, 1};
  double low[3] = {0, 0, 0}, high[3] = {1, 1, 1};
  // x fastest, then y, then z.
  std::vector<double> values;

  int points(int axis) const { return cells[axis] + 1; }
  std::size_t index(int i, int j, int k) const {
    return (static_cast<std::size_t>(k) * static_cast<std::size_t>(points(1)) +
            static_cast<std::size_t>(j)) *
               static_cast<std::size_t>(points(0)) +
           static_cast<std::size_t>(i);
  }
  // The coordinate of point n along the axis: the box's ends exactly at 0 and cells.
  double coordinate(int axis, int n) const {
    if (n == cells[axis]) return high[axis];
    return low[axis] + (high[axis] - low[axis]) * n / cells[axis];
  }
  // Sizes values for the grid's points, each not a number.
  void allocate();
};

// Triangles sharing the corners they meet at. A corner is where an edge of a tetrahedron
// crosses the surface, found by linear interpolation of the values at the edge's ends, or a
// grid point whose value is 0.
struct SurfaceMesh {
  struct Vertex {
    Point3 position;
    // The function's gradient there: central differences of the grid values at the edge's
    // ends, interpolated as the position is.
    Point3 gradient;
  };
  struct Triangle {
    std::uint32_t corners[3];
    // Towards the side where the function is positive (or 0): the sum of the corners'
    // gradients, or where that vanishes the triangle's own normal, or where the triangle has
    // no area the direction from its tetrahedron's negative corners to its positive ones. The
    // corners run counter-clockwise seen from that side.
    Point3 normal;
  };
  std::vector<Vertex> vertices;
  std::vector<Triangle> triangles;
  // The bound was reached: the triangles are those of the cells up to where it was.
  bool truncated = false;
};

// Each cell is cut into six tetrahedra round its diagonal from the lowest corner to the
// highest, which neighbouring cells cut along the same face diagonals, so the surface has no
// cracks and no ambiguous cases. A tetrahedron with a corner where the function has no value
// gives no triangle, so no triangle uses an edge with an undefined end. At most maxTriangles
// triangles are made.
SurfaceMesh MarchTetrahedra(const SampledGrid& grid, std::size_t maxTriangles);
