// SPDX-License-Identifier: MIT
// The implicit surface F(x,y,z) = 0 of the graph state as triangles: F sampled once at every
// point of the axes box's grid, then marching tetrahedra.
#pragma once

#include "graph/MarchingTetrahedra.h"
#include "graph/Session.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>

struct GraphFields;

// The most triangles a surface is drawn with; past them the drawing says so and shows what
// it has.
inline constexpr std::size_t MaxImplicitTriangles = 400'000;

// What the triangles are made from. While none of it changes (a turn of the eye, a zoom, a
// new window size, colours), the triangles made last stand.
struct ImplicitMeshKey {
  std::string function;
  std::array<double, 6> parameters = {};
  std::array<double, 6> box = {};
  std::array<int, 3> cells = {};
  // The most triangles made: MaxImplicitTriangles, or a share of it when the picture holds
  // several implicit surfaces.
  std::size_t maxTriangles = MaxImplicitTriangles;
  bool operator==(const ImplicitMeshKey&) const = default;
};
ImplicitMeshKey ImplicitMeshKeyOf(const GraphState& g,
                                  std::size_t maxTriangles = MaxImplicitTriangles);
// The cells along each axis: XCurves, YCurves and ZCurves rounded and kept within 1 to 80.
std::array<int, 3> ImplicitCells(const GraphState& g);
std::array<int, 3> ImplicitCells(const GraphFields& fields);

struct ImplicitMesh {
  ImplicitMeshKey key;
  // The key's triangles were made whole (not cancelled, no failure).
  bool built = false;
  SurfaceMesh surface;
  // The listing of the corners, written by the first drawing of these triangles.
  std::vector<std::string> listing;
};

enum class MeshBuild { Built, Cancelled, Failed };

// Evaluates F through EvalImplicitF at every grid point of the axes box (a point with a
// domain error, a cut or no finite value has none) and marches the tetrahedra. A syntax error
// ends it at the first point with EvalFailed set (Failed); cancelled, when given, is asked
// once per row of points (Cancelled). The evaluation variables are left at the last point.
MeshBuild BuildImplicitMesh(Session& s, ImplicitMesh& mesh,
                            const std::function<bool()>& cancelled = {},
                            std::size_t maxTriangles = MaxImplicitTriangles);

// The extent of the mesh's corners in XMin..ZMax; false, changing nothing, for no triangles.
bool SetExtentsFromMesh(GraphState& g, const SurfaceMesh& mesh);
