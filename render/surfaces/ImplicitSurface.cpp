// SPDX-License-Identifier: MIT
// Implicit surfaces: the kept triangles, their projection into cells, the colour of the side
// facing the eye, and the listing of the corners.
#include "render/surfaces/ImplicitSurface.h"

#include "graph/Format.h"
#include "graph/ImplicitMesh.h"
#include "graph/KeptGraphs.h"
#include "render/PictureGraphs.h"
#include "render/Primitives.h"
#include "render/Program.h"
#include "render/surfaces/SurfaceCells.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

enum class Triangles { Kept, Made, Missing };

// The most triangles one implicit surface is made of: all the picture holds, shared equally
// among the implicit surfaces it shows, so that several of them hold no more than one.
std::size_t triangleShare(const Program& p) {
  std::size_t surfaces = 0;
  for (const int index : PictureGraphList(p)) {
    const char kind = index >= 0 ? p.KeptGraphs[static_cast<std::size_t>(index)].fields.GraphKind
                      : p.CurrentKindAside != 0 ? p.CurrentKindAside
                                                : p.graph.GraphKind;
    surfaces += kind == ImplicitKind;
  }
  return MaxImplicitTriangles / std::max<std::size_t>(surfaces, 1);
}

// The key of the graph in the graph state, at the picture's share.
ImplicitMeshKey keyInPicture(const Program& p) {
  return ImplicitMeshKeyOf(p.graph, triangleShare(p));
}

// Whether the mesh is the surface as the graph state and the picture's share make it: made
// from the same function, parameters, box and cells, and either cut at the same share or whole
// within it (a whole surface serves every share it fits in).
bool meshServes(const ImplicitMesh& mesh, const ImplicitMeshKey& wanted) {
  if (!mesh.built) return false;
  ImplicitMeshKey key = mesh.key;
  key.maxTriangles = wanted.maxTriangles;
  if (!(key == wanted)) return false;
  return mesh.surface.truncated ? mesh.key.maxTriangles == wanted.maxTriangles
                                : mesh.surface.triangles.size() <= wanted.maxTriangles;
}

// Where the triangles of the graph in the graph state are kept: the current graph's in
// ImplicitSurface, a kept graph's in KeptImplicitSurfaces, the one with its key or else a new
// one (one not made whole is taken again first, the oldest gives way when every kept graph has
// one).
ImplicitMesh& meshOfGraphInState(Program& p, const ImplicitMeshKey& key) {
  if (p.CurrentKindAside == 0) return p.ImplicitSurface;
  std::vector<ImplicitMesh>& kept = p.KeptImplicitSurfaces;
  for (ImplicitMesh& mesh : kept)
    if (meshServes(mesh, key)) return mesh;
  for (ImplicitMesh& mesh : kept)
    if (!mesh.built) return mesh;
  if (kept.size() >= MaxKeptGraphs) kept.erase(kept.begin());
  return kept.emplace_back();
}

// The triangles of the key, made when the mesh does not hold them; Missing when making them
// was cancelled or failed.
Triangles currentTriangles(Program& p, ImplicitMesh& mesh, const ImplicitMeshKey& key, bool poll) {
  if (meshServes(mesh, key)) return Triangles::Kept;
  const auto cancelled = [&p] { return cancelRequested(p); };
  const MeshBuild built = BuildImplicitMesh(
      p, mesh, poll ? std::function<bool()>(cancelled) : nullptr, key.maxTriangles);
  return built == MeshBuild::Built ? Triangles::Made : Triangles::Missing;
}

// The list holds the triangles, and no more than that past the largest grid: a movie frame
// keeps the whole list, and a surface of many triangles drawn before must not make every
// frame of a smaller one as large.
void fitCellSlots(Program& p, std::size_t triangles) {
  const std::size_t wanted = std::max<std::size_t>(triangles, CellListCapacity) + 1;
  if (p.CellList.size() > 2 * wanted) {
    p.CellList.resize(wanted);
    p.CellList.shrink_to_fit();
  }
  ensureCellSlots(p, triangles);
}

// Each triangle a cell whose fourth corner repeats the third, kept in graph space as well;
// in slots 1..n of the cell list unless the cells are only collected.
int gatherTriangles(Program& p, const SurfaceMesh& mesh) {
  const GraphState& g = p.graph;
  const EyePoint eye = eyePointOf(g);
  std::vector<Pixel> pixels(mesh.vertices.size());
  for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
    const Point3& at = mesh.vertices[i].position;
    pixels[i] = ProjectPoint(p.view, at.x, at.y, at.z);
  }
  if (!p.CollectCells) fitCellSlots(p, mesh.triangles.size());
  p.SceneCells.reserve(p.SceneCells.size() + mesh.triangles.size());
  const std::uint8_t pen = gridPenStyle(g);
  const auto point = [&mesh](std::uint32_t v) { return mesh.vertices[v].position; };
  for (std::size_t n = 0; n < mesh.triangles.size(); ++n) {
    const SurfaceMesh::Triangle& t = mesh.triangles[n];
    CellSpace space;
    space.corners = {point(t.corners[0]), point(t.corners[1]), point(t.corners[2]),
                     point(t.corners[2])};
    space.look = {CellLook::From::Facing, t.normal.x, t.normal.y, t.normal.z};
    const Point3 centre = triangleCentre(space.corners);
    CellRecord cell;
    cell.Corners = {pixels[t.corners[0]], pixels[t.corners[1]], pixels[t.corners[2]],
                    pixels[t.corners[2]]};
    cell.Distance = distanceFromEye(eye, centre.x, centre.y, centre.z);
    cell.FillColor = facingColor(g, eye, space.look, centre);
    cell.PenStyle = pen;
    if (!p.CollectCells) p.CellList[n + 1] = cell;
    keepSpaceCell(p, cell, space);
  }
  return static_cast<int>(mesh.triangles.size());
}

// One line per corner of the triangles, in the order they were found; written once for the
// kept triangles.
void listCorners(Program& p, ImplicitMesh& kept) {
  if (p.SkipListing) return;
  p.host->setBusyCursor(true);
  const SurfaceMesh& mesh = kept.surface;
  if (kept.listing.empty() && !mesh.triangles.empty()) {
    std::vector<bool> used(mesh.vertices.size(), false);
    for (const SurfaceMesh::Triangle& t : mesh.triangles)
      for (const std::uint32_t c : t.corners) used[c] = true;
    kept.listing.reserve(mesh.vertices.size());
    for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
      if (!used[i]) continue;
      const Point3& at = mesh.vertices[i].position;
      kept.listing.push_back(formatPatchLine(at.x, at.y, at.z));
    }
  }
  p.Values.insert(p.Values.end(), kept.listing.begin(), kept.listing.end());
  p.host->setBusyCursor(false);
}

std::string truncatedMessage(std::size_t triangles) {
  return "The surface has more than " + std::to_string(triangles) +
         " triangles; the first are drawn. Fewer curves draw it whole.";
}

} // namespace

bool ImplicitMeshCurrent(const Program& p) {
  return meshServes(p.ImplicitSurface, keyInPicture(p));
}

void DrawImplicitSurface(Program& p) {
  p.canvas->setPenColor(p.graph.GridColor);
  const ImplicitMeshKey key = keyInPicture(p);
  ImplicitMesh& kept = meshOfGraphInState(p, key);
  const Triangles triangles = currentTriangles(p, kept, key, true);
  if (triangles == Triangles::Missing) return;
  const SurfaceMesh& mesh = kept.surface;
  if (triangles == Triangles::Made && mesh.truncated && p.showMessage)
    p.showMessage(truncatedMessage(kept.key.maxTriangles));
  const int cells = gatherTriangles(p, mesh);
  if (!p.CollectCells) PaintCellList(p, cells);
  listCorners(p, kept);
}

void ComputeImplicitExtents(Program& p) {
  const ImplicitMeshKey key = keyInPicture(p);
  ImplicitMesh& kept = meshOfGraphInState(p, key);
  if (currentTriangles(p, kept, key, false) == Triangles::Missing) return;
  SetExtentsFromMesh(p.graph, kept.surface);
}

void ForgetUnshownImplicitSurfaces(Program& p) {
  std::vector<ImplicitMeshKey> shown;
  // The parameters and the box are the picture's; the function and the cells each graph's own.
  ImplicitMeshKey key = keyInPicture(p);
  for (const int index : PictureGraphList(p)) {
    if (index < 0) continue;
    const GraphFields& fields = p.KeptGraphs[static_cast<std::size_t>(index)].fields;
    if (fields.GraphKind != ImplicitKind) continue;
    key.function = fields.FunctionText;
    key.cells = ImplicitCells(fields);
    shown.push_back(key);
  }
  std::erase_if(p.KeptImplicitSurfaces, [&shown](const ImplicitMesh& mesh) {
    return std::none_of(shown.begin(), shown.end(),
                        [&mesh](const ImplicitMeshKey& key) { return meshServes(mesh, key); });
  });
}
