// SPDX-License-Identifier: MIT
// Implicit surfaces among other graphs: a sphere cut by a kept plane, hidden exactly and sorted
// together; the triangles of each implicit graph kept across views and let go when the graph
// goes; a lone surface split for exact hiding.
#include "TestSupport.h"
#include "graph/ImplicitMesh.h"
#include "graph/KeptGraphs.h"
#include "render/HiddenScene.h"
#include "render/PictureGraphs.h"
#include "render/Primitives.h"
#include "render/surfaces/SurfaceCells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = GraphState::Pi;

Color pixelAt(const Program& p, double x, double y, double z) {
  const Pixel at = ProjectPoint(p.view, x, y, z);
  return fromRgb32(p.Picture.pixel(at.x, at.y));
}

// The current graph is the sphere of radius 2 in red; the kept graph, when asked for, the plane
// z = 0 over the whole box in blue. Flat colours without outlines, so that a pixel names its
// surface; the eye 30 degrees above the x-y plane.
struct SphereAndPlane {
  Program p;
  TestHost host{&p.graph};
  explicit SphereAndPlane(bool withPlane, int cells = 20) {
    setUpProgram(p, ImplicitKind);
    p.host = &host;
    GraphState& g = p.graph;
    g.Phi = 60 * Pi / 180;
    g.XCurves = g.YCurves = g.ZCurves = cells;
    g.ShadingOn = false;
    g.GridColor = clNone;
    g.AboveColor = g.UnderColor = clRed;
    refit(p);
    if (!withPlane) return;
    GraphFields plane = GraphFieldsOf(g);
    plane.GraphKind = '1';
    plane.FunctionText = "0";
    plane.XMin = plane.YMin = -3;
    plane.XMax = plane.YMax = 3;
    plane.XCurves = plane.YCurves = 6;
    plane.AboveColor = plane.UnderColor = clBlue;
    p.KeptGraphs.push_back({plane, true});
  }
  void draw(bool exact) {
    p.graph.ExactHiding = exact;
    DrawSequencePicture(p);
  }
  // A point at `distance` from the z axis towards the eye (a negative distance: away from it),
  // turned 25 degrees off that way so that it does not lie under the z axis in the picture, at
  // height z.
  Point3 towardsEye(double distance, double z) const {
    const EyePoint eye = eyePointOf(p.graph);
    const double angle = std::atan2(eye.y, eye.x) + 25 * Pi / 180;
    return {distance * std::cos(angle), distance * std::sin(angle), z};
  }
  Color at(const Point3& q) const { return pixelAt(p, q.x, q.y, q.z); }
};

// The plane z = 0 cuts the sphere along its equator. Exactly hidden, the upper half shows above
// the plane, the plane in front of the lower half hides it, and the sphere hides the plane
// behind it; sorted by whole cells the plane's large cells and the triangles are also both
// drawn.
TEST(ImplicitScene, ASphereCutByAKeptPlane) {
  SphereAndPlane s(true);
  s.draw(true);
  ASSERT_FALSE(s.p.graph.EvalFailed);
  EXPECT_EQ(s.at(s.towardsEye(0.3, std::sqrt(4 - 0.09))), clRed) << "the sphere's top";
  EXPECT_EQ(s.at(s.towardsEye(-2 * std::cos(75 * Pi / 180), 2 * std::sin(75 * Pi / 180))), clRed)
      << "the far side of the upper half, above the plane";
  EXPECT_EQ(s.at(s.towardsEye(2.7, 0)), clBlue) << "the plane in front of the sphere";
  EXPECT_EQ(s.at(s.towardsEye(-2.5, 0)), clRed) << "the plane behind the sphere";
  const double below = -0.3;
  EXPECT_EQ(s.at(s.towardsEye(std::sqrt(4 - below * below), below)), clBlue)
      << "the plane hides the lower half";
  // Both graphs in the one list and the one listing, each under its heading.
  EXPECT_EQ(s.p.SceneCells.size(), s.p.ImplicitSurface.surface.triangles.size() + 36);
  ASSERT_FALSE(s.p.Values.empty());
  EXPECT_EQ(s.p.Values.front(), "Kept graph 1: z = 0");
  EXPECT_EQ(
      std::count(s.p.Values.begin(), s.p.Values.end(), "Current graph: x^2+y^2+z^2=4 (x, y, z)"),
      1);

  s.draw(false);
  EXPECT_EQ(s.at(s.towardsEye(0.3, std::sqrt(4 - 0.09))), clRed);
  EXPECT_EQ(s.at(s.towardsEye(2.7, 0)), clBlue);
  EXPECT_EQ(s.at(s.towardsEye(-2.5, 0)), clRed);
}

// Each implicit graph of the picture keeps its own triangles: a turn of the eye evaluates
// nothing, however many of them there are; a graph taken out lets its triangles go.
TEST(ImplicitScene, EveryImplicitGraphKeepsItsTriangles) {
  SphereAndPlane s(false, 12);
  Program& p = s.p;
  GraphState& g = p.graph;
  for (const char* text : {"x^2+y^2+z^2=1", "x^2+y^2=1"}) {
    g.FunctionText = text;
    ASSERT_TRUE(KeepCurrentGraph(p));
  }
  g.FunctionText = "x^2+y^2+z^2=6";
  s.draw(false);
  ASSERT_FALSE(g.EvalFailed);
  ASSERT_EQ(p.KeptImplicitSurfaces.size(), 2u);
  const auto* first = p.KeptImplicitSurfaces[0].surface.triangles.data();
  const auto* second = p.KeptImplicitSurfaces[1].surface.triangles.data();
  const auto* current = p.ImplicitSurface.surface.triangles.data();
  const std::size_t cells = p.SceneCells.size();
  EXPECT_EQ(cells, p.KeptImplicitSurfaces[0].surface.triangles.size() +
                       p.KeptImplicitSurfaces[1].surface.triangles.size() +
                       p.ImplicitSurface.surface.triangles.size());
  const double theta = g.Theta;
  RedrawViewPicture(p);
  const QImage drawn = p.Picture.copy();

  s.host.polls = 0;
  g.Theta += 10 * Pi / 180;
  RedrawViewPicture(p);
  EXPECT_LT(s.host.polls, 13) << "no grid of points evaluated again";
  ASSERT_EQ(p.KeptImplicitSurfaces.size(), 2u);
  EXPECT_EQ(p.KeptImplicitSurfaces[0].surface.triangles.data(), first);
  EXPECT_EQ(p.KeptImplicitSurfaces[1].surface.triangles.data(), second);
  EXPECT_EQ(p.ImplicitSurface.surface.triangles.data(), current);
  EXPECT_EQ(p.SceneCells.size(), cells);
  g.Theta = theta;
  RedrawViewPicture(p);
  EXPECT_EQ(p.Picture, drawn) << "the same view paints the same picture";

  // The fit measures each graph from its own triangles.
  const GraphExtents box = PictureExtents(p);
  EXPECT_NEAR(box.XMax, std::sqrt(6.0), 0.3) << "the largest sphere";
  EXPECT_LT(box.XMax, 2.6);
  EXPECT_NEAR(box.ZMin, -3, 1e-12) << "the cylinder reaches the box's floor";

  ASSERT_TRUE(RemoveKeptGraph(p, 0));
  s.draw(false);
  ASSERT_EQ(p.KeptImplicitSurfaces.size(), 1u);
  EXPECT_EQ(p.KeptImplicitSurfaces[0].surface.triangles.data(), second);
  p.KeptGraphs[0].shown = false;
  s.draw(false);
  EXPECT_TRUE(p.KeptImplicitSurfaces.empty());
}

// A lone implicit surface with exact hiding is split like any other graph: one piece per
// triangle before splitting, drawn over the same pixels as without.
TEST(ImplicitScene, ALoneSurfaceIsSplitByItsTriangles) {
  SphereAndPlane s(false, 10);
  s.draw(false);
  const QImage painted = s.p.Picture.copy();
  const std::size_t triangles = s.p.ImplicitSurface.surface.triangles.size();
  s.draw(true);
  ASSERT_NE(s.p.HiddenPicture, nullptr);
  EXPECT_EQ(s.p.HiddenPicture->stats().polygons, triangles);
  // The silhouette is the same; at most the pixels along the triangles' edges differ.
  int differ = 0, red = 0;
  for (int y = 0; y < painted.height(); ++y)
    for (int x = 0; x < painted.width(); ++x) {
      differ += painted.pixel(x, y) != s.p.Picture.pixel(x, y);
      red += fromRgb32(s.p.Picture.pixel(x, y)) == clRed;
    }
  EXPECT_GT(red, 10000);
  EXPECT_LT(differ, red / 20);
}

// The picture holds no more triangles of implicit surfaces than one surface may have: two of
// them share the bound, and the one past its share says so with its share.
TEST(ImplicitScene, TheBoundIsSharedAmongTheSurfaces) {
  SphereAndPlane s(false, 80);
  Program& p = s.p;
  GraphState& g = p.graph;
  g.FunctionText = "Sin(x)*Cos(y)+Sin(y)*Cos(z)+Sin(z)*Cos(x)";
  g.AxisXMin = g.AxisYMin = g.AxisZMin = -8;
  g.AxisXMax = g.AxisYMax = g.AxisZMax = 8;
  g.Rho = 400;
  ASSERT_TRUE(KeepCurrentGraph(p));
  g.FunctionText = "x^2+y^2+z^2=16";
  g.XCurves = g.YCurves = g.ZCurves = 20;
  std::vector<std::string> said;
  p.showMessage = [&](const std::string& message) { said.push_back(message); };
  s.draw(false);
  ASSERT_EQ(p.KeptImplicitSurfaces.size(), 1u);
  const SurfaceMesh& gyroid = p.KeptImplicitSurfaces[0].surface;
  EXPECT_TRUE(gyroid.truncated);
  EXPECT_EQ(gyroid.triangles.size(), MaxImplicitTriangles / 2);
  EXPECT_FALSE(p.ImplicitSurface.surface.truncated);
  EXPECT_LE(p.SceneCells.size(), MaxImplicitTriangles);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_NE(said[0].find("more than 200000 triangles"), std::string::npos) << said[0];
  // Alone again, the kept surface has the whole bound.
  ASSERT_TRUE(MakeKeptGraphCurrent(p, 0));
  p.KeptGraphs[0].shown = false;
  s.draw(false);
  EXPECT_EQ(p.ImplicitSurface.surface.triangles.size(), MaxImplicitTriangles);
}

} // namespace
