// SPDX-License-Identifier: MIT
// Implicit surfaces: the kept triangles, their projection into cells, the colour of the side
// facing the eye, and the listing of the corners.
#include "render/surfaces/ImplicitSurface.h"

#include "graph/Format.h"
#include "graph/ImplicitMesh.h"
#include "render/Primitives.h"
#include "render/Program.h"
#include "render/surfaces/SurfaceCells.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

enum class Triangles { Kept, Made, Missing };

// The current triangles, made when they are not; Missing when making them was cancelled or
// failed.
Triangles currentTriangles(Program& p, bool poll) {
  if (ImplicitMeshCurrent(p)) return Triangles::Kept;
  const auto cancelled = [&p] { return cancelRequested(p); };
  const MeshBuild built =
      BuildImplicitMesh(p, p.ImplicitSurface, poll ? std::function<bool()>(cancelled) : nullptr);
  return built == MeshBuild::Built ? Triangles::Made : Triangles::Missing;
}

double dot(const Vector3& a, const Vector3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The eye on the side where F is positive sees the above colour, on the other side the under
// colour; with shading, lighter the more squarely the eye looks at the triangle, as the
// two-parameter surfaces are shaded (but from the triangle, not from the origin).
Color sideColor(const GraphState& g, const Vector3& normal, const Vector3& toEye) {
  const double side = dot(normal, toEye);
  const Color base = side >= 0 ? g.AboveColor : g.UnderColor;
  if (!g.ShadingOn) return base;
  const double d = std::sqrt(dot(normal, normal)) * std::sqrt(dot(toEye, toEye));
  double ratio = d > 0 ? std::fabs(side) / d : 0;
  if (!(ratio <= 1)) ratio = std::isnan(ratio) ? 0 : 1;
  Color out = base;
  ShadeColor(base, out, ratio);
  return out;
}

Vector3 centreOf(const SurfaceMesh& mesh, const SurfaceMesh::Triangle& t) {
  const Vector3& a = mesh.vertices[t.corners[0]].position;
  const Vector3& b = mesh.vertices[t.corners[1]].position;
  const Vector3& c = mesh.vertices[t.corners[2]].position;
  return {(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3};
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

// Slots 1..n: each triangle a cell whose fourth corner repeats the third.
int gatherTriangles(Program& p, const SurfaceMesh& mesh) {
  const GraphState& g = p.graph;
  const EyePoint eye = eyePointOf(g);
  std::vector<Pixel> pixels(mesh.vertices.size());
  for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
    const Vector3& at = mesh.vertices[i].position;
    pixels[i] = ProjectPoint(p.view, at.x, at.y, at.z);
  }
  fitCellSlots(p, mesh.triangles.size());
  const std::uint8_t pen = gridPenStyle(g);
  for (std::size_t n = 0; n < mesh.triangles.size(); ++n) {
    const SurfaceMesh::Triangle& t = mesh.triangles[n];
    const Vector3 centre = centreOf(mesh, t);
    CellRecord& cell = p.CellList[n + 1];
    cell.Corners = {pixels[t.corners[0]], pixels[t.corners[1]], pixels[t.corners[2]],
                    pixels[t.corners[2]]};
    cell.Distance = distanceFromEye(eye, centre.x, centre.y, centre.z);
    cell.FillColor = sideColor(g, t.normal, {eye.x - centre.x, eye.y - centre.y, eye.z - centre.z});
    cell.PenStyle = pen;
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
      const Vector3& at = mesh.vertices[i].position;
      kept.listing.push_back(formatPatchLine(at.x, at.y, at.z));
    }
  }
  p.Values.insert(p.Values.end(), kept.listing.begin(), kept.listing.end());
  p.host->setBusyCursor(false);
}

std::string truncatedMessage() {
  return "The surface has more than " + std::to_string(MaxImplicitTriangles) +
         " triangles; the first are drawn. Fewer curves draw it whole.";
}

} // namespace

bool ImplicitMeshCurrent(const Program& p) {
  return p.ImplicitSurface.built && p.ImplicitSurface.key == ImplicitMeshKeyOf(p.graph);
}

void DrawImplicitSurface(Program& p) {
  p.canvas->setPenColor(p.graph.GridColor);
  const Triangles triangles = currentTriangles(p, true);
  if (triangles == Triangles::Missing) return;
  const SurfaceMesh& mesh = p.ImplicitSurface.surface;
  if (triangles == Triangles::Made && mesh.truncated && p.showMessage)
    p.showMessage(truncatedMessage());
  PaintCellList(p, gatherTriangles(p, mesh));
  listCorners(p, p.ImplicitSurface);
}

void ComputeImplicitExtents(Program& p) {
  if (currentTriangles(p, false) == Triangles::Missing) return;
  SetExtentsFromMesh(p.graph, p.ImplicitSurface.surface);
}
