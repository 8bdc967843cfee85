// SPDX-License-Identifier: MIT
// The implicit-surface renderer: the sphere's silhouette against its analytic outline, the
// side colours, triangles kept across views, the listing, cancelling, failures, the bound,
// the box and the movie.
#include "TestSupport.h"
#include "graph/ImplicitMesh.h"
#include "render/Movie.h"
#include "render/Primitives.h"
#include "render/surfaces/ImplicitSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

struct Implicit : DrawFixture {
  Implicit() : DrawFixture(ImplicitKind) {}
};

// A program drawing into its own picture, as the window and the command line do.
struct Pictured {
  Program p;
  TestHost host{&p.graph};
  Pictured() {
    setUpProgram(p, ImplicitKind);
    p.host = &host;
    p.graph.DrawContinue = 1;
  }
  // Only the surface on the cleared picture: no axes over it.
  void drawSurfaceOnly() {
    refit(p);
    ClearGraphRect(p);
    DrawDriver(p);
  }
  Color at(int x, int y) { return p.canvas->pixel(x, y); }
};

struct Vec {
  double x, y, z;
};

// The sphere of radius 2 is seen bounded by the circle where the lines from the eye touch
// it: the points P of the sphere with P.(P - E) = 0, a circle about 4E/|E|^2 of radius
// sqrt(4 - 16/|E|^2) in the plane normal to E. Each of its points is projected; a probe a few
// pixels towards the projected centre must show the surface and one a few pixels away from it
// the background (the triangles lie inside the sphere by far less than a pixel).
TEST(ImplicitSilhouette, SphereMatchesItsAnalyticOutline) {
  for (const double thetaDegrees : {30.0, 135.0}) {
    for (const double phiDegrees : {80.0, 35.0}) {
      SCOPED_TRACE(testing::Message() << thetaDegrees << " " << phiDegrees);
      Pictured f;
      GraphState& g = f.p.graph;
      g.Theta = thetaDegrees * GraphState::Pi / 180;
      g.Phi = phiDegrees * GraphState::Pi / 180;
      f.drawSurfaceOnly();
      const Vec e{g.Rho * std::sin(g.Phi) * std::cos(g.Theta),
                  g.Rho * std::sin(g.Phi) * std::sin(g.Theta), g.Rho * std::cos(g.Phi)};
      const double e2 = e.x * e.x + e.y * e.y + e.z * e.z, el = std::sqrt(e2);
      const Vec c{4 * e.x / e2, 4 * e.y / e2, 4 * e.z / e2};
      const double r = std::sqrt(4 - 16 / e2);
      // Two directions normal to E.
      Vec u{-e.y, e.x, 0};
      const double ul = std::hypot(u.x, u.y);
      u = {u.x / ul, u.y / ul, 0};
      const Vec v{(e.y * u.z - e.z * u.y) / el, (e.z * u.x - e.x * u.z) / el,
                  (e.x * u.y - e.y * u.x) / el};
      const Pixel centre = ProjectPoint(f.p.view, 0, 0, 0);
      int probes = 0;
      for (int k = 0; k < 72; ++k) {
        const double a = k * 2 * GraphState::Pi / 72;
        const Vec q{c.x + r * (std::cos(a) * u.x + std::sin(a) * v.x),
                    c.y + r * (std::cos(a) * u.y + std::sin(a) * v.y),
                    c.z + r * (std::cos(a) * u.z + std::sin(a) * v.z)};
        const Pixel edge = ProjectPoint(f.p.view, q.x, q.y, q.z);
        const double dx = edge.x - centre.x, dy = edge.y - centre.y;
        const double d = std::hypot(dx, dy);
        ASSERT_GT(d, 50);
        const auto probe = [&](double offset) {
          return f.at(static_cast<int>(std::lround(edge.x + dx / d * offset)),
                      static_cast<int>(std::lround(edge.y + dy / d * offset)));
        };
        EXPECT_NE(probe(-3), g.BackgroundColor) << k;
        EXPECT_EQ(probe(3), g.BackgroundColor) << k;
        ++probes;
      }
      EXPECT_EQ(probes, 72);
    }
  }
}

// Seen from outside, the sphere shows the side where F is positive, the above colour; the
// inside of a bowl (the sphere's lower half, F undefined above z = 0) seen from above shows
// the under colour. Red and yellow are shaded on their ramps.
TEST(ImplicitColours, TheSideFacingTheEye) {
  // Without outlines every pixel of the surface is a triangle's colour.
  Pictured sphere;
  sphere.p.graph.GridColor = clNone;
  sphere.drawSurfaceOnly();
  const Pixel middle = ProjectPoint(sphere.p.view, 0, 0, 0);
  const Color front = sphere.at(middle.x + 10, middle.y + 10);
  // Red's ramp: (110 + 140t, 80t, 0).
  EXPECT_GT(colorRed(front), 200);
  EXPECT_EQ(colorBlue(front), 0);
  EXPECT_LT(colorGreen(front), 90);

  Pictured bowl;
  bowl.p.graph.GridColor = clNone;
  bowl.p.graph.FunctionText = "x^2+y^2+z^2=4+0*sqrt(-z)";
  bowl.p.graph.Phi = 20 * GraphState::Pi / 180;
  bowl.drawSurfaceOnly();
  const Pixel bottom = ProjectPoint(bowl.p.view, 0, 0, -2);
  const Color inside = bowl.at(bottom.x + 6, bottom.y + 6);
  // Yellow's ramp: (255, 100 + 130t, 0).
  EXPECT_EQ(colorRed(inside), 255);
  EXPECT_GE(colorGreen(inside), 100);
  EXPECT_EQ(colorBlue(inside), 0);

  bowl.p.graph.ShadingOn = false;
  bowl.drawSurfaceOnly();
  EXPECT_EQ(bowl.at(bottom.x + 6, bottom.y + 6), clYellow);
}

// Each triangle is a cell whose last corner repeats the third, in the grid colour's outline;
// the listing has one line per corner in the two-parameter listing's format.
TEST(ImplicitCells, TrianglesAndTheirCornersListed) {
  Implicit f;
  f.draw();
  const std::size_t triangles = f.p.ImplicitSurface.surface.triangles.size();
  ASSERT_GT(triangles, 1000u);
  const auto cells = f.cells();
  ASSERT_EQ(cells.size(), triangles);
  for (const auto& cell : cells) {
    ASSERT_EQ(cell.points.size(), 4u);
    EXPECT_EQ(cell.points[2], cell.points[3]);
  }
  EXPECT_EQ(f.host.cursor, (std::vector<bool>{true, false}));
  ASSERT_EQ(f.p.Values.size(), f.p.ImplicitSurface.surface.vertices.size());
  for (const std::string& line : f.p.Values) {
    ASSERT_EQ(line.size(), 32u) << line;
    double x = 0, y = 0, z = 0;
    ASSERT_EQ(std::sscanf(line.c_str(), "%lf %lf %lf", &x, &y, &z), 3);
    EXPECT_NEAR(std::sqrt(x * x + y * y + z * z), 2, 0.01) << line;
  }
  // F sampled once per point of the 31 x 31 rows: one poll a row.
  EXPECT_EQ(f.host.polls, 31 * 31);
}

// A turn, a zoom or new colours project the kept triangles; only what they are made of makes
// them again.
TEST(ImplicitCells, AViewChangeEvaluatesNothing) {
  Pictured f;
  DrawSequencePicture(f.p);
  const auto* kept = f.p.ImplicitSurface.surface.triangles.data();
  const std::vector<std::string> listing = f.p.Values;
  const QImage before = f.p.Picture.copy();
  f.host.polls = 0;
  ASSERT_TRUE(RotatePicture(f.p, Arrow::Right));
  f.p.graph.Zoom = 1.5;
  RedrawViewPicture(f.p);
  f.p.graph.AboveColor = clBlue;
  f.p.graph.DrawBoxChecked = true;
  RedrawViewPicture(f.p);
  EXPECT_EQ(f.host.polls, 0);
  EXPECT_EQ(f.p.ImplicitSurface.surface.triangles.data(), kept);
  EXPECT_EQ(f.p.Values, listing);
  EXPECT_NE(f.p.Picture, before);
  // The box stands round the triangles.
  EXPECT_NEAR(f.p.graph.XMin, -2, 0.01);
  EXPECT_NEAR(f.p.graph.ZMax, 2, 0.01);

  f.p.graph.ParamA = 1;
  RedrawViewPicture(f.p);
  EXPECT_EQ(f.host.polls, 31 * 31);
  EXPECT_TRUE(ImplicitMeshCurrent(f.p));
}

TEST(ImplicitCells, CancelPaintsAndListsNothing) {
  Implicit f;
  f.host.cancelAt = 100;
  f.draw();
  EXPECT_EQ(f.host.polls, 100);
  EXPECT_TRUE(f.cells().empty());
  EXPECT_TRUE(f.p.Values.empty());
  EXPECT_FALSE(f.p.ImplicitSurface.built);
  EXPECT_EQ(f.p.graph.DrawContinue, 1);
  // The next draw makes them whole.
  f.draw();
  EXPECT_FALSE(f.cells().empty());
}

TEST(ImplicitCells, SyntaxErrorEndsTheDraw) {
  Implicit f;
  f.draw();
  f.p.graph.FunctionText = "x^2+y^2+z^2=";
  f.draw();
  EXPECT_TRUE(f.p.graph.EvalFailed);
  EXPECT_EQ(f.host.beeps, 1);
  EXPECT_TRUE(f.cells().empty());
  EXPECT_TRUE(f.p.Values.empty());
  EXPECT_EQ(f.p.LastFailure.function, 'F');
  EXPECT_EQ(f.p.LastFailure.column, 13);
}

// Past the bound the draw says so once, when the triangles are made, and paints those it has.
TEST(ImplicitCells, TheBoundIsSaidAndWhatFitsIsDrawn) {
  Implicit f;
  GraphState& g = f.p.graph;
  g.FunctionText = "Sin(x)*Cos(y)+Sin(y)*Cos(z)+Sin(z)*Cos(x)";
  g.AxisXMin = g.AxisYMin = g.AxisZMin = -8;
  g.AxisXMax = g.AxisYMax = g.AxisZMax = 8;
  g.Rho = 400;
  g.XCurves = g.YCurves = g.ZCurves = 80;
  std::vector<std::string> said;
  f.p.showMessage = [&](const std::string& message) { said.push_back(message); };
  f.draw();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_NE(said[0].find("400000"), std::string::npos) << said[0];
  EXPECT_TRUE(f.p.ImplicitSurface.surface.truncated);
  EXPECT_EQ(f.cells().size(), MaxImplicitTriangles);
  g.Theta += 0.2;
  f.draw();
  EXPECT_EQ(said.size(), 1u);
  EXPECT_EQ(f.cells().size(), MaxImplicitTriangles);
  // A smaller surface afterwards does not keep the large list (a movie frame copies it all),
  // and a new graph starts with the list as large as at the start.
  g.FunctionText = "x^2+y^2+z^2=16";
  g.XCurves = g.YCurves = g.ZCurves = 60;
  f.draw();
  const std::size_t triangles = f.p.ImplicitSurface.surface.triangles.size();
  ASSERT_GT(triangles, std::size_t{CellListCapacity});
  EXPECT_EQ(f.p.CellList.size(), triangles + 1);
  ShowMainWindowPicture(f.p);
  EXPECT_EQ(f.p.CellList.size(), std::size_t{CellListCapacity} + 1);
}

// A turning movie replays every triangle of each frame, projected anew, from the kept ones.
TEST(ImplicitMovie, FramesReplayTheTriangles) {
  Pictured f;
  f.p.graph.MovieFrameCount = 4;
  DrawSequencePicture(f.p);
  const auto* kept = f.p.ImplicitSurface.surface.triangles.data();
  const std::size_t triangles = f.p.ImplicitSurface.surface.triangles.size();
  EXPECT_EQ(MovieRecordCount(f.p), static_cast<int>(triangles));
  ASSERT_TRUE(BuildMovieFrames(f.p));
  EXPECT_EQ(f.p.ImplicitSurface.surface.triangles.data(), kept);
  const std::vector<QImage> frames = MovieFrameImages(f.p);
  ASSERT_EQ(frames.size(), 4u);
  // Each frame shows the sphere round the middle, and a quarter turn changes the picture.
  const Pixel middle = ProjectPoint(f.p.view, 0, 0, 0);
  for (const QImage& frame : frames)
    EXPECT_NE(frame.pixel(middle.x + 5, middle.y + 5) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_NE(frames[0], frames[1]);
  EXPECT_GE(f.p.FrameStore[1].size(), triangles);
}

} // namespace
