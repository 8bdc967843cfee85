// SPDX-License-Identifier: MIT
// The shown surfaces of the picture as a triangle mesh in graph coordinates: OBJ text with one
// group per graph, or binary STL.
#pragma once

#include "io/Codec.h"
#include "render/SceneCells.h"

#include <string>
#include <vector>

struct Program;

struct MeshTriangle {
  Point3 corners[3];
  // Of unit length, towards the side of the surface the eye sees.
  Point3 normal;
};

struct Mesh {
  struct Group {
    std::string name; // the graph in words
    std::vector<MeshTriangle> triangles;
  };
  // One group per graph of the picture that has cells, in the picture's order.
  std::vector<Group> groups;
  std::size_t triangleCount() const;
};

// Each cell of the last drawing's surfaces as the two triangles (0, 1, 2) and (0, 2, 3) of its
// corners, each turned so that its normal points to the eye's side of it. Triangles without
// area (two corners in one place, as on an axis or at a pole) and those with a corner that is
// no number are left out; cut holes and cells outside the axes box were never drawn, so they
// are not there either. names[graph] names the group of each graph.
Mesh MeshOfPicture(const Program& p, const std::vector<std::string>& names);

// OBJ: the vertices once each, one normal per triangle, the faces group by group.
std::string EncodeObj(const Mesh& mesh);
// Binary STL: an 80-byte header, the count, and per triangle its normal and three corners as
// little-endian 32-bit floats.
std::string EncodeStl(const Mesh& mesh);

enum class MeshFormat { Obj, Stl };
// Writes the mesh through WriteFileSafely: the whole file or none.
FileResult SaveMesh(const std::string& path, MeshFormat format, const Mesh& mesh);
