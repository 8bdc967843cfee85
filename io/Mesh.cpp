// SPDX-License-Identifier: MIT
// Triangles from the picture's cells in space, written as OBJ and binary STL.
#include "io/Mesh.h"

#include "io/SafeWrite.h"
#include "render/Program.h"
#include "render/surfaces/SurfaceCells.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <unordered_map>

namespace {

// The triangle turned towards the eye, or false when it has no area or no place.
bool facingTriangle(const Point3& a, const Point3& b, const Point3& c, const Point3& eye,
                    MeshTriangle& out) {
  if (!finite(a) || !finite(b) || !finite(c)) return false;
  Point3 n = cross(b - a, c - a);
  const double length = std::sqrt(dot(n, n));
  if (!(length > 0) || !std::isfinite(length)) return false;
  n = {n.x / length, n.y / length, n.z / length};
  const Point3 centre{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3};
  if (dot(n, eye - centre) < 0) {
    out = {{a, c, b}, {-n.x, -n.y, -n.z}};
  } else {
    out = {{a, b, c}, n};
  }
  return true;
}

void appendNumber(std::string& out, double v, int precision = 0) {
  char buffer[64];
  const auto end = precision > 0 ? std::to_chars(buffer, buffer + sizeof buffer, v,
                                                 std::chars_format::general, precision)
                                 : std::to_chars(buffer, buffer + sizeof buffer, v);
  out.append(buffer, end.ptr);
}

void appendPoint(std::string& out, const char* tag, const Point3& q, int precision = 0) {
  out += tag;
  for (const double v : {q.x, q.y, q.z}) {
    out += ' ';
    // -0 and 0 are one place; the text need not tell them apart.
    appendNumber(out, v == 0 ? 0.0 : v, precision);
  }
  out += '\n';
}

// A graph's name as one line of an OBJ comment.
std::string commentLine(const std::string& name) {
  std::string line;
  for (const char c : name) line += (c == '\n' || c == '\r') ? ' ' : c;
  return line;
}

struct PointKey {
  std::uint64_t x, y, z;
  bool operator==(const PointKey&) const = default;
};
struct PointHash {
  std::size_t operator()(const PointKey& k) const {
    return std::hash<std::uint64_t>()(k.x * 0x9E3779B97F4A7C15ull ^ k.y * 0xC2B2AE3D27D4EB4Full ^
                                      k.z);
  }
};

PointKey keyOf(const Point3& q) {
  // -0 and 0 are one vertex.
  const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v == 0 ? 0.0 : v); };
  return {bits(q.x), bits(q.y), bits(q.z)};
}

void appendFloat(std::string& out, double v) {
  const auto bits = std::bit_cast<std::uint32_t>(static_cast<float>(v));
  for (int i = 0; i < 4; ++i) out += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

} // namespace

std::size_t Mesh::triangleCount() const {
  std::size_t count = 0;
  for (const Group& g : groups) count += g.triangles.size();
  return count;
}

Mesh MeshOfPicture(const Program& p, const std::vector<std::string>& names) {
  const EyePoint e = eyePointOf(p.graph);
  const Point3 eye{e.x, e.y, e.z};
  std::map<int, Mesh::Group> byGraph;
  for (const SpaceCell& cell : p.SceneCells) {
    Mesh::Group& group = byGraph[cell.graph];
    const auto& q = cell.space.corners;
    MeshTriangle t;
    if (facingTriangle(q[0], q[1], q[2], eye, t)) group.triangles.push_back(t);
    if (facingTriangle(q[0], q[2], q[3], eye, t)) group.triangles.push_back(t);
  }
  Mesh mesh;
  for (auto& [graph, group] : byGraph) {
    const auto at = static_cast<std::size_t>(graph);
    group.name = at < names.size() ? names[at] : "graph " + std::to_string(graph + 1);
    mesh.groups.push_back(std::move(group));
  }
  return mesh;
}

std::string EncodeObj(const Mesh& mesh) {
  const auto counted = [](std::size_t n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
  };
  std::string out = "# Kelvo mesh: " + counted(mesh.groups.size(), "graph") + ", " +
                    counted(mesh.triangleCount(), "triangle") + "\n";
  std::unordered_map<PointKey, std::size_t, PointHash> index;
  std::string faces;
  std::size_t normals = 0;
  int number = 0;
  for (const Mesh::Group& group : mesh.groups) {
    faces += "g graph" + std::to_string(++number) + "\n# " + commentLine(group.name) + "\n";
    for (const MeshTriangle& t : group.triangles) {
      std::size_t v[3];
      for (int i = 0; i < 3; ++i) {
        const auto [at, added] = index.try_emplace(keyOf(t.corners[i]), index.size() + 1);
        if (added) appendPoint(out, "v", t.corners[i]);
        v[i] = at->second;
      }
      appendPoint(out, "vn", t.normal, 7);
      const std::string n = std::to_string(++normals);
      faces += "f";
      for (const std::size_t k : v) faces += " " + std::to_string(k) + "//" + n;
      faces += '\n';
    }
  }
  return out + faces;
}

std::string EncodeStl(const Mesh& mesh) {
  std::string out = "Kelvo binary STL mesh in graph coordinates";
  out.resize(80, ' ');
  const auto count = static_cast<std::uint32_t>(mesh.triangleCount());
  for (int i = 0; i < 4; ++i) out += static_cast<char>((count >> (8 * i)) & 0xFF);
  out.reserve(out.size() + std::size_t{count} * 50);
  for (const Mesh::Group& group : mesh.groups)
    for (const MeshTriangle& t : group.triangles) {
      for (const double v : {t.normal.x, t.normal.y, t.normal.z}) appendFloat(out, v);
      for (const Point3& q : t.corners)
        for (const double v : {q.x, q.y, q.z}) appendFloat(out, v);
      out += '\0';
      out += '\0';
    }
  return out;
}

FileResult SaveMesh(const std::string& path, MeshFormat format, const Mesh& mesh) {
  return WriteFileSafely(path, format == MeshFormat::Obj ? EncodeObj(mesh) : EncodeStl(mesh));
}
