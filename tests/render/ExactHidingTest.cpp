// SPDX-License-Identifier: MIT
// Exact hiding: pixel probes where the painter's order of whole cells goes wrong (two planes
// crossing, a plane through a bowl, a box edge behind a dome, a line through a ball), the
// scene kept for every view of the same geometry, the bound on splitting, and pictures without
// exact hiding left as they were.
#include "TestSupport.h"
#include "graph/KeptGraphs.h"
#include "graph/Samples.h"
#include "render/Primitives.h"
#include "render/HiddenScene.h"
#include "render/Movie.h"
#include "render/PictureGraphs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>

namespace {

constexpr double Pi = GraphState::Pi;

// Flat colours and no outlines, so that a pixel's colour names the surface it belongs to.
void flat(GraphState& g, Color above, Color under) {
  g.ShadingOn = false;
  g.GridColor = clNone;
  g.AboveColor = above;
  g.UnderColor = under;
}

Color pixelAt(const Program& p, double x, double y, double z) {
  const Pixel at = ProjectPoint(p.view, x, y, z);
  return fromRgb32(p.Picture.pixel(at.x, at.y));
}

// Whether the colour stands at the projected point or one of its eight neighbours: a line is
// a pixel wide, and a point inside it may round to the pixel beside.
bool colorNear(const Program& p, double x, double y, double z, Color c) {
  const Pixel at = ProjectPoint(p.view, x, y, z);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (fromRgb32(p.Picture.pixel(at.x + dx, at.y + dy)) == c) return true;
  return false;
}

void draw(Program& p, bool exact) {
  p.graph.ExactHiding = exact;
  DrawSequencePicture(p);
  CapturePicture(p);
}

// Two planes cross along the y axis, each a single cell, seen from straight above. The cells'
// centres both lie at the origin, so the painter's order is a tie: the kept plane z = x is
// painted first and the current plane z = -x over all of it. Exactly, each side of the line
// shows the plane that is higher there, the nearer to an eye above: z = x where x > 0 and
// z = -x where x < 0.
TEST(ExactHiding, TwoPlanesCrossingAlongALine) {
  Program p;
  setUpProgram(p, '1');
  GraphState& g = p.graph;
  g.Phi = 0;
  g.XCurves = g.YCurves = 1;
  g.FunctionText = "x";
  flat(g, clBlue, clBlue);
  ASSERT_TRUE(KeepCurrentGraph(p));
  g.FunctionText = "-x";
  flat(g, clRed, clRed);
  draw(p, false);
  EXPECT_EQ(pixelAt(p, 1.5, 1.5, 1.5), clRed) << "the painter's order shows the later plane";
  draw(p, true);
  EXPECT_EQ(pixelAt(p, 1.5, 1.5, 1.5), clBlue) << "z = x is above z = -x where x > 0";
  EXPECT_EQ(pixelAt(p, -1.5, 1.5, 1.5), clRed) << "z = -x is above z = x where x < 0";
  EXPECT_EQ(pixelAt(p, 2.5, -2, 2.5), clBlue);
  EXPECT_EQ(pixelAt(p, -2.5, -2, 2.5), clRed);
}

// The horizontal plane z = 0 cuts the bowl z = x^2 + y^2 - 2 along the circle of radius sqrt 2,
// seen from 70 degrees above the x-y plane. Inside the circle the bowl lies below the plane, and
// the plane shows; outside it the bowl rises above the plane, and its far wall hides the
// plane's far corner. Near the eye the line of sight passes under the bowl's rim, and the
// plane's near corner shows. Drawn over the surface, the plane shows everywhere.
TEST(ExactHiding, APlaneThroughABowl) {
  Program p;
  setUpProgram(p, '1');
  GraphState& g = p.graph;
  g.Phi = 20 * Pi / 180;
  g.XCurves = g.YCurves = 30;
  g.FunctionText = "x^2+y^2-2";
  flat(g, clRed, clRed);
  g.PenColor = clBlue;
  g.Plane = PlaneData{0, 0, 0, 0, 0, 1, -2.5, 2.5, -2.5, 2.5};
  g.PlaneDefined = true;
  g.PlaneOn = true;
  draw(p, false);
  EXPECT_EQ(pixelAt(p, -1.9, -1.9, 0), clBlue);
  draw(p, true);
  EXPECT_EQ(pixelAt(p, -0.8, -0.6, 0), clBlue) << "inside the circle the plane is above the bowl";
  EXPECT_EQ(pixelAt(p, -1.9, -1.9, 0), clRed) << "the bowl's far wall is in front";
  EXPECT_EQ(pixelAt(p, 2.2, 2.2, 0), clBlue) << "the plane's near corner is in front of the bowl";
}

// The dome z = 2 - (x^2 + y^2)/4 in its box: the box's far vertical edge at (-3, -3) passes
// behind the dome's top as seen from the default eye, 10 degrees above the x-y plane.
TEST(ExactHiding, ABoxEdgeBehindASurface) {
  Program p;
  setUpProgram(p, '1');
  GraphState& g = p.graph;
  g.XCurves = g.YCurves = 30;
  g.FunctionText = "2-(x^2+y^2)/4";
  flat(g, clRed, clYellow);
  g.PenColor = clBlue;
  g.DrawBoxChecked = true;
  draw(p, false);
  EXPECT_TRUE(colorNear(p, -3, -3, 0.5, clBlue)) << "drawn over the surface";
  draw(p, true);
  EXPECT_FALSE(colorNear(p, -3, -3, 0.5, clBlue)) << "the dome hides the far edge";
  EXPECT_EQ(pixelAt(p, -3, -3, 0.5), clRed);
  // The near vertical edge at (3, 3) stands in front of the dome.
  EXPECT_TRUE(colorNear(p, 3, 3, 0, clBlue));
}

// The line from (0, -3, 1) to (0, 3, 1) pierces the ball of radius 2: where it runs inside the
// ball the ball hides it; its end at y = 3 lies outside, on the side of the eye.
TEST(ExactHiding, ALinePiercingABall) {
  Program p;
  setUpProgram(p, '4');
  GraphState& g = p.graph;
  g.AxisXMin = g.AxisYMin = g.AxisZMin = -3;
  g.AxisXMax = g.AxisYMax = g.AxisZMax = 3;
  refit(p);
  g.FunctionTextX = "2*Cos(u)*Cos(v)";
  g.FunctionTextY = "2*Sin(u)*Cos(v)";
  g.FunctionTextZ = "2*Sin(v)";
  g.VMin = -Pi / 2, g.VMax = Pi / 2;
  g.XCurves = g.YCurves = 40;
  flat(g, clRed, clYellow);
  g.PenColor = clBlue;
  g.Line = LineData{0, -3, 1, 0, 3, 1};
  g.LineDefined = g.LineOn = true;
  draw(p, false);
  EXPECT_TRUE(colorNear(p, 0, 0.5, 1, clBlue));
  draw(p, true);
  EXPECT_FALSE(colorNear(p, 0, 0.5, 1, clBlue)) << "inside the ball";
  EXPECT_TRUE(colorNear(p, 0, 2.7, 1, clBlue)) << "outside, in front";
}

// The axes stay on top: the z axis crosses the ball's picture in the axes colour.
TEST(ExactHiding, TheAxesStayOnTop) {
  Program p;
  setUpProgram(p, '4');
  ChooseSample(p, '4', 1);
  draw(p, true);
  EXPECT_EQ(pixelAt(p, 0, 0, 0.5), p.graph.AxesColor);
}

// The split scene serves every view of the same geometry: a rotation reuses it, the listing
// stays, and a changed function or axes box splits anew.
TEST(ExactHiding, TheSceneIsSplitOncePerGeometry) {
  Program p;
  setUpProgram(p, '1');
  p.graph.FunctionText = "x*y/3";
  draw(p, true);
  const auto scene = p.HiddenPicture;
  ASSERT_TRUE(scene);
  const std::vector<std::string> listing = p.Values;
  ASSERT_EQ(listing.size(), 256u);
  ASSERT_TRUE(RotatePicture(p, Arrow::Right));
  EXPECT_EQ(p.HiddenPicture, scene);
  EXPECT_EQ(p.Values, listing);
  // A rotation paints the same as a Draw at that eye.
  CapturePicture(p);
  const QImage rotated = p.PictureCopy;
  draw(p, true);
  EXPECT_NE(p.HiddenPicture, scene) << "every Draw splits anew";
  EXPECT_EQ(p.PictureCopy, rotated);
  const auto again = p.HiddenPicture;
  p.graph.FunctionText = "x*y/2";
  RedrawViewPicture(p);
  EXPECT_NE(p.HiddenPicture, again) << "the function changed";
  const auto third = p.HiddenPicture;
  p.graph.AxisZMax = 9;
  RedrawViewPicture(p);
  EXPECT_NE(p.HiddenPicture, third) << "the axes box changed";
}

// A movie of an exactly hidden picture keeps its frames as pictures, each the picture a Draw
// makes at that frame's eye, and splits nothing again.
TEST(ExactHiding, TheMovieFramesAreTheDrawnPictures) {
  Program p;
  setUpProgram(p, '1');
  p.graph.FunctionText = "x*y/3";
  p.graph.MovieFrameCount = 4;
  draw(p, true);
  const auto scene = p.HiddenPicture;
  const double theta = p.graph.Theta;
  ASSERT_TRUE(BuildMovieFrames(p));
  EXPECT_EQ(p.HiddenPicture, scene);
  ASSERT_EQ(p.PictureFrames.size(), 4u);
  // The third frame: the eye two steps on, the fit of the view the build began with.
  Program q;
  setUpProgram(q, '1');
  q.graph.FunctionText = "x*y/3";
  q.graph.ExactHiding = true;
  q.graph.DrawContinue = 1;
  q.graph.Theta = theta + Pi / 2;
  q.graph.Theta += Pi / 2;
  q.view = p.view;
  SetViewTransform(q.view, q.graph.PlaneDistance, q.graph.Rho, q.graph.Theta, q.graph.Phi);
  ClearGraphRect(q);
  DrawHiddenPicture(q, true, true);
  EXPECT_EQ(q.Picture, p.PictureFrames[2]);
}

// Without exact hiding every picture is the one it always was: switching it on and off again
// leaves the next Draw's picture and listing exactly those of a program that never had it.
TEST(ExactHiding, OffLeavesEveryPictureAsItWas) {
  for (const char kind : {'1', '2', '3', '4'}) {
    SCOPED_TRACE(kind);
    Program never, once;
    for (Program* p : {&never, &once}) {
      setUpProgram(*p, kind);
      ChooseSample(*p, kind, 2);
      p->CurvePauses = false;
      p->graph.DrawBoxChecked = true;
    }
    draw(once, true);
    ClearScreenPicture(once);
    draw(once, false);
    ClearScreenPicture(never);
    draw(never, false);
    EXPECT_EQ(once.Picture, never.Picture);
    EXPECT_EQ(once.Values, never.Values);
  }
}

// Long thin cells through one point in every direction cross each other all: split without end
// they would make pieces by the million. The splitting stops at its bound, paints what it has,
// and takes little time.
TEST(ExactHiding, SplittingStopsAtItsBound) {
  Program p;
  setUpProgram(p, '1');
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(-1, 1);
  const std::size_t cells = 1200;
  for (std::size_t k = 0; k < cells; ++k) {
    const Point3 u{unit(random), unit(random), unit(random)}, v{unit(random), unit(random), 0.3};
    SpaceCell cell;
    const double along = 3, across = 0.2;
    for (int c = 0; c < 4; ++c) {
      const double s = (c == 1 || c == 2) ? along : -along, t = c >= 2 ? across : -across;
      cell.space.corners[c] = {s * u.x + t * v.x, s * u.y + t * v.y, s * u.z + t * v.z};
    }
    cell.record.FillColor = clRed;
    p.SceneCells.push_back(cell);
  }
  const auto started = std::chrono::steady_clock::now();
  const HiddenScene scene(p, {});
  const HiddenSceneStats& stats = scene.stats();
  EXPECT_TRUE(stats.bounded);
  EXPECT_LE(stats.fragments,
            HiddenScene::FragmentsPerPolygon * stats.polygons + HiddenScene::ExtraFragments);
  RecordingCanvas canvas;
  p.canvas = &canvas;
  scene.paint(p);
  EXPECT_EQ(canvas.only(Recorded::Polygon).size(), stats.fragments);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

// Corners that are no number or out of reach, and cells without area, are left out or drawn as
// lines; the scene is split and painted all the same.
TEST(ExactHiding, CornersWithoutAPlaceAreLeftOut) {
  Program p;
  setUpProgram(p, '4');
  p.graph.FunctionTextX = "u";
  p.graph.FunctionTextY = "v";
  p.graph.FunctionTextZ = "Exp(u*400)";
  p.graph.ExactHiding = true;
  DrawSequencePicture(p);
  ASSERT_TRUE(p.HiddenPicture);
  EXPECT_GT(p.HiddenPicture->stats().fragments, 0u);
  Program q;
  setUpProgram(q, '2');
  q.graph.FunctionText = "0";
  q.graph.RMin = q.graph.RMax = 2; // a circle of degenerate cells
  q.graph.ExactHiding = true;
  DrawSequencePicture(q);
}

// A space curve in front of a surface shows, behind it it is hidden.
TEST(ExactHiding, CurvesAreHiddenToo) {
  Program p;
  setUpProgram(p, '1');
  p.CurvePauses = false;
  flat(p.graph, clRed, clRed);
  p.graph.FunctionText = "0";
  ASSERT_TRUE(KeepCurrentGraph(p));
  ChooseGraphKind(p, '3');
  ShowMainWindowPicture(p);
  p.CurvePauses = false;
  p.graph.FunctionTextX = "t";
  p.graph.FunctionTextY = "0";
  p.graph.FunctionTextZ = "-1";
  p.graph.TMin = -2.5, p.graph.TMax = 2.5;
  p.graph.PenColor = clBlue;
  p.graph.Phi = 40 * Pi / 180;
  draw(p, true);
  EXPECT_FALSE(colorNear(p, 0.5, 0, -1, clBlue)) << "below the plane z = 0, seen from above";
  p.graph.FunctionTextZ = "1";
  draw(p, true);
  EXPECT_TRUE(colorNear(p, 0.5, 0, 1, clBlue)) << "above the plane";
}

} // namespace
