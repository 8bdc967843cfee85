// SPDX-License-Identifier: MIT
// Sampling the implicit surface's function over the axes box and making its triangles.
#include "graph/ImplicitMesh.h"

#include "graph/KeptGraphs.h"
#include "graph/Sampling.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

std::array<int, 3> cellsOf(const double (&counts)[3]) {
  std::array<int, 3> cells = {};
  for (int axis = 0; axis < 3; ++axis) {
    const double c = std::nearbyint(counts[axis]);
    cells[static_cast<std::size_t>(axis)] = c >= 1 ? static_cast<int>(std::min(c, 80.0)) : 1;
  }
  return cells;
}

} // namespace

std::array<int, 3> ImplicitCells(const GraphState& g) {
  return cellsOf({g.XCurves, g.YCurves, g.ZCurves});
}

std::array<int, 3> ImplicitCells(const GraphFields& f) {
  return cellsOf({f.XCurves, f.YCurves, f.ZCurves});
}

ImplicitMeshKey ImplicitMeshKeyOf(const GraphState& g, std::size_t maxTriangles) {
  return {g.FunctionText,
          {g.ParamA, g.ParamB, g.ParamC, g.ParamD, g.ParamE, g.ParamF},
          {g.AxisXMin, g.AxisXMax, g.AxisYMin, g.AxisYMax, g.AxisZMin, g.AxisZMax},
          ImplicitCells(g),
          maxTriangles};
}

namespace {

// F at every grid point, z slowest; the wrapper clears the flags before each evaluation.
MeshBuild sampleGrid(Session& s, SampledGrid& grid, const std::function<bool()>& cancelled) {
  GraphState& g = s.graph;
  for (int k = 0; k < grid.points(2); ++k) {
    for (int j = 0; j < grid.points(1); ++j) {
      if (cancelled && cancelled()) return MeshBuild::Cancelled;
      for (int i = 0; i < grid.points(0); ++i) {
        g.VarX = grid.coordinate(0, i);
        g.VarY = grid.coordinate(1, j);
        g.VarZ = grid.coordinate(2, k);
        s.engine.CutFlag = false;
        const double v = EvalImplicitF(s);
        if (g.EvalFailed) return MeshBuild::Failed;
        const bool defined = !s.engine.MathError && !s.engine.CutFlag && std::isfinite(v);
        grid.values[grid.index(i, j, k)] = defined ? v : std::numeric_limits<double>::quiet_NaN();
      }
    }
  }
  s.engine.CutFlag = false;
  return MeshBuild::Built;
}

} // namespace

MeshBuild BuildImplicitMesh(Session& s, ImplicitMesh& mesh, const std::function<bool()>& cancelled,
                            std::size_t maxTriangles) {
  const GraphState& g = s.graph;
  mesh.key = ImplicitMeshKeyOf(g, maxTriangles);
  mesh.built = false;
  mesh.surface = {};
  mesh.listing.clear();
  SampledGrid grid;
  for (int axis = 0; axis < 3; ++axis) {
    grid.cells[axis] = mesh.key.cells[static_cast<std::size_t>(axis)];
    grid.low[axis] = mesh.key.box[static_cast<std::size_t>(2 * axis)];
    grid.high[axis] = mesh.key.box[static_cast<std::size_t>(2 * axis + 1)];
  }
  grid.allocate();
  const MeshBuild sampled = sampleGrid(s, grid, cancelled);
  if (sampled != MeshBuild::Built) return sampled;
  mesh.surface = MarchTetrahedra(grid, mesh.key.maxTriangles);
  mesh.built = true;
  return MeshBuild::Built;
}

bool SetExtentsFromMesh(GraphState& g, const SurfaceMesh& mesh) {
  if (mesh.triangles.empty()) return false;
  constexpr double inf = std::numeric_limits<double>::infinity();
  double low[3] = {inf, inf, inf}, high[3] = {-inf, -inf, -inf};
  for (const SurfaceMesh::Triangle& t : mesh.triangles) {
    for (const std::uint32_t c : t.corners) {
      const Point3& at = mesh.vertices[c].position;
      const double xyz[3] = {at.x, at.y, at.z};
      for (int axis = 0; axis < 3; ++axis) {
        low[axis] = std::min(low[axis], xyz[axis]);
        high[axis] = std::max(high[axis], xyz[axis]);
      }
    }
  }
  g.XMin = low[0], g.XMax = high[0];
  g.YMin = low[1], g.YMax = high[1];
  g.ZMin = low[2], g.ZMax = high[2];
  return true;
}
