// SPDX-License-Identifier: MIT
// The picture's surfaces as meshes, read back: the counts of vertices and triangles, the
// bounding box, and every normal on the side of its triangle that the eye sees.
#include "io/Mesh.h"
#include "graph/KeptGraphs.h"

#include "render/PictureGraphs.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "render/surfaces/SurfaceCells.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <bit>
#include <cmath>
#include <cstring>
#include <sstream>

namespace {

struct ReadTriangle {
  Point3 corners[3];
  Point3 normal;
};

struct ReadMesh {
  std::size_t vertices = 0;
  std::vector<std::string> groups;
  std::vector<ReadTriangle> triangles;
};

ReadMesh readObj(const std::string& text) {
  ReadMesh mesh;
  std::vector<Point3> v, vn;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string tag;
    words >> tag;
    if (tag == "v" || tag == "vn") {
      Point3 q;
      words >> q.x >> q.y >> q.z;
      (tag == "v" ? v : vn).push_back(q);
    } else if (tag == "g") {
      std::string name;
      words >> name;
      mesh.groups.push_back(name);
    } else if (tag == "f") {
      ReadTriangle t;
      for (Point3& corner : t.corners) {
        std::string ref;
        words >> ref;
        const auto slashes = ref.find("//");
        corner = v.at(std::stoul(ref.substr(0, slashes)) - 1);
        t.normal = vn.at(std::stoul(ref.substr(slashes + 2)) - 1);
      }
      mesh.triangles.push_back(t);
    }
  }
  mesh.vertices = v.size();
  return mesh;
}

float floatAt(const std::string& bytes, std::size_t at) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i)
    bits |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
  return std::bit_cast<float>(bits);
}

ReadMesh readStl(const std::string& bytes) {
  ReadMesh mesh;
  EXPECT_GE(bytes.size(), 84u);
  EXPECT_NE(bytes.substr(0, 5), "solid") << "a binary STL must not look like a text one";
  std::uint32_t count = 0;
  for (int i = 0; i < 4; ++i)
    count |= std::uint32_t{static_cast<unsigned char>(bytes[80 + i])} << (8 * i);
  EXPECT_EQ(bytes.size(), 84u + 50u * count);
  for (std::uint32_t k = 0; k < count && 84 + 50 * (k + 1) <= bytes.size(); ++k) {
    const std::size_t at = 84 + 50 * k;
    ReadTriangle t;
    t.normal = {floatAt(bytes, at), floatAt(bytes, at + 4), floatAt(bytes, at + 8)};
    for (int c = 0; c < 3; ++c)
      t.corners[c] = {floatAt(bytes, at + 12 + 12 * c), floatAt(bytes, at + 16 + 12 * c),
                      floatAt(bytes, at + 20 + 12 * c)};
    mesh.triangles.push_back(t);
  }
  return mesh;
}

void drawSurface(Program& p, char kind, const char* texts, int curves) {
  ChooseGraphKind(p, kind);
  ShowMainWindowPicture(p);
  if (kind == '4') {
    std::istringstream in(texts);
    std::getline(in, p.graph.FunctionTextX, ';');
    std::getline(in, p.graph.FunctionTextY, ';');
    std::getline(in, p.graph.FunctionTextZ, ';');
  } else {
    p.graph.FunctionText = texts;
  }
  p.graph.XCurves = p.graph.YCurves = curves;
  DrawSequencePicture(p);
}

struct Box {
  Point3 low{1e300, 1e300, 1e300}, high{-1e300, -1e300, -1e300};
};

Box boxOf(const ReadMesh& mesh) {
  Box b;
  for (const ReadTriangle& t : mesh.triangles)
    for (const Point3& q : t.corners) {
      b.low = {std::min(b.low.x, q.x), std::min(b.low.y, q.y), std::min(b.low.z, q.z)};
      b.high = {std::max(b.high.x, q.x), std::max(b.high.y, q.y), std::max(b.high.z, q.z)};
    }
  return b;
}

// The normal has unit length, is at right angles to the triangle and points to the eye.
void expectFacingTheEye(const ReadMesh& mesh, const Point3& eye, double tolerance) {
  for (const ReadTriangle& t : mesh.triangles) {
    const Point3& a = t.corners[0];
    const Point3 u{t.corners[1].x - a.x, t.corners[1].y - a.y, t.corners[1].z - a.z};
    const Point3 w{t.corners[2].x - a.x, t.corners[2].y - a.y, t.corners[2].z - a.z};
    const Point3& n = t.normal;
    EXPECT_NEAR(n.x * n.x + n.y * n.y + n.z * n.z, 1, tolerance);
    EXPECT_NEAR(n.x * u.x + n.y * u.y + n.z * u.z, 0, tolerance);
    EXPECT_NEAR(n.x * w.x + n.y * w.y + n.z * w.z, 0, tolerance);
    EXPECT_GT(n.x * (eye.x - a.x) + n.y * (eye.y - a.y) + n.z * (eye.z - a.z), 0);
    // The corners run counter-clockwise seen from the normal's side.
    const Point3 c{u.y * w.z - u.z * w.y, u.z * w.x - u.x * w.z, u.x * w.y - u.y * w.x};
    EXPECT_GT(c.x * n.x + c.y * n.y + c.z * n.z, 0);
  }
}

struct MeshCase {
  const char* what;
  char kind;
  const char* texts;
  int curves;
  std::size_t vertices, triangles;
  Box box;
};

// A plane z = x + y over -3..3 seen from above: 2 x 2 cells, 9 corners, 8 triangles. The cone
// z = r over r 0..5: its inner ring of cells meets at the axis, so each of those cells has one
// triangle without area. Cut cells (Cut is 1 where x + y >= -3) and cells with a corner past
// the z axis range and its margin of 2 were never drawn. Where the angle t makes corners that
// lie a rounding error apart, the vertices are not counted.
TEST(Mesh, CountsBoxAndNormalsReadBack) {
  constexpr double Pi = GraphState::Pi;
  const MeshCase cases[] = {
      {"plane", '1', "x+y", 2, 9, 8, {{-3, -3, -6}, {3, 3, 6}}},
      {"cone", '2', "r", 4, 0, 28, {{-5, -5, 0}, {5, 5, 5}}},
      {"cut corner", '1', "Cut(x+y+3)+x", 2, 8, 6, {{-3, -3, -2}, {3, 3, 4}}},
      {"out of range", '1', "5*x", 4, 15, 16, {{-1.5, -3, -7.5}, {1.5, 3, 7.5}}},
      {"patch", '4', "u;v;0", 3, 16, 18, {{-Pi, -Pi, 0}, {Pi, Pi, 0}}},
  };
  for (const MeshCase& c : cases) {
    SCOPED_TRACE(c.what);
    Program p;
    drawSurface(p, c.kind, c.texts, c.curves);
    const Mesh mesh = MeshOfPicture(p, PictureGraphNames(p));
    const EyePoint e = eyePointOf(p.graph);
    const Point3 eye{e.x, e.y, e.z};
    const ReadMesh obj = readObj(EncodeObj(mesh));
    const ReadMesh stl = readStl(EncodeStl(mesh));
    if (c.vertices) {
      EXPECT_EQ(obj.vertices, c.vertices);
    }
    EXPECT_EQ(obj.groups, std::vector<std::string>{"graph1"});
    for (const ReadMesh* read : {&obj, &stl}) {
      ASSERT_EQ(read->triangles.size(), c.triangles);
      const Box box = boxOf(*read);
      for (const auto& [got, want] : {std::pair{box.low, c.box.low}, {box.high, c.box.high}}) {
        EXPECT_NEAR(got.x, want.x, 1e-6);
        EXPECT_NEAR(got.y, want.y, 1e-6);
        EXPECT_NEAR(got.z, want.z, 1e-6);
      }
      expectFacingTheEye(*read, eye, read == &obj ? 1e-6 : 1e-5);
    }
  }
}

// The eye below the surface turns every normal down.
TEST(Mesh, NormalsFollowTheEyeToTheOtherSide) {
  Program p;
  drawSurface(p, '1', "0", 2);
  p.graph.Phi = 150 * GraphState::Pi / 180;
  DrawSequencePicture(p);
  const Mesh mesh = MeshOfPicture(p, PictureGraphNames(p));
  ASSERT_EQ(mesh.triangleCount(), 8u);
  for (const MeshTriangle& t : mesh.groups[0].triangles) EXPECT_EQ(t.normal.z, -1);
}

TEST(Mesh, NothingDrawnIsAnEmptyMesh) {
  Program p;
  drawSurface(p, '3', "", 15);
  const Mesh mesh = MeshOfPicture(p, PictureGraphNames(p));
  EXPECT_EQ(mesh.triangleCount(), 0u);
  EXPECT_EQ(readStl(EncodeStl(mesh)).triangles.size(), 0u);
  EXPECT_EQ(readObj(EncodeObj(mesh)).triangles.size(), 0u);
}

TEST(Mesh, SavedWholeOrNotAtAll) {
  Program p;
  drawSurface(p, '1', "x*y", 4);
  const Mesh mesh = MeshOfPicture(p, PictureGraphNames(p));
  QTemporaryDir dir;
  const std::string path = (dir.path() + "/m.stl").toStdString();
  ASSERT_TRUE(SaveMesh(path, MeshFormat::Stl, mesh).ok);
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), EncodeStl(mesh));
  const std::string nowhere = (dir.path() + "/no/such/folder/m.obj").toStdString();
  EXPECT_FALSE(SaveMesh(nowhere, MeshFormat::Obj, mesh).ok);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(nowhere)));
}

} // namespace

namespace {

// An implicit surface's mesh is its kept triangles: the default sphere of radius 2, every
// corner within a cell of the radius, each normal towards the eye's side, read back alike from
// OBJ and STL.
TEST(Mesh, TheImplicitSphereIsItsTriangles) {
  Program p;
  ChooseGraphKind(p, ImplicitKind);
  ShowMainWindowPicture(p);
  p.graph.XCurves = p.graph.YCurves = p.graph.ZCurves = 12;
  DrawSequencePicture(p);
  const Mesh mesh = MeshOfPicture(p, PictureGraphNames(p));
  ASSERT_EQ(mesh.groups.size(), 1u);
  ASSERT_GT(mesh.triangleCount(), 500u);
  const EyePoint e = eyePointOf(p.graph);
  const Point3 eye{e.x, e.y, e.z};
  const double cell = 6.0 / 12;
  for (const ReadMesh& read : {readObj(EncodeObj(mesh)), readStl(EncodeStl(mesh))}) {
    ASSERT_EQ(read.triangles.size(), mesh.triangleCount());
    for (const ReadTriangle& t : read.triangles)
      for (const Point3& q : t.corners)
        EXPECT_NEAR(std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z), 2, cell);
    expectFacingTheEye(read, eye, 1e-5);
  }
}

} // namespace

namespace {

// A sphere beside a kept plane: one group per graph, the plane's cells two triangles each and
// every triangle of the sphere once, whether the picture is hidden exactly or not.
TEST(Mesh, AnImplicitSurfaceBesideAnotherGraph) {
  Program p;
  ChooseGraphKind(p, ImplicitKind);
  ShowMainWindowPicture(p);
  p.graph.XCurves = p.graph.YCurves = p.graph.ZCurves = 8;
  GraphFields plane = GraphFieldsOf(p.graph);
  plane.GraphKind = '1';
  plane.FunctionText = "0";
  plane.XMin = plane.YMin = -3;
  plane.XMax = plane.YMax = 3;
  plane.XCurves = plane.YCurves = 6;
  p.KeptGraphs.push_back({plane, true});
  for (const bool exact : {false, true}) {
    SCOPED_TRACE(exact);
    p.graph.ExactHiding = exact;
    DrawSequencePicture(p);
    const Mesh mesh = MeshOfPicture(p, PictureGraphNames(p));
    ASSERT_EQ(mesh.groups.size(), 2u);
    EXPECT_EQ(mesh.groups[0].name, "Kept graph 1: z = 0");
    EXPECT_EQ(mesh.groups[0].triangles.size(), 72u);
    EXPECT_EQ(mesh.groups[1].name, "Current graph: x^2+y^2+z^2=4 (x, y, z)");
    EXPECT_EQ(mesh.groups[1].triangles.size(), p.ImplicitSurface.surface.triangles.size());
  }
}

} // namespace
