// SPDX-License-Identifier: MIT
// The zoom on top of the fit: its steps and limits, projection about the rectangle's centre,
// a zoom of 1 leaving every pixel alone, and a newer view abandoning a drawing at its poll.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(ZoomSteps, StayOnTheGridWithinTheLimits) {
  const struct {
    double from;
    int notches;
    double expected;
  } cases[] = {
      {1, 0, 1},
      {1, 4, 2},
      {1, -4, 0.5},
      {1, 12, 8},
      {1, 13, 8},
      {1, -8, 0.25},
      {1, -1000, 0.25},
      {1, 1000, 8},
      {8, 1, 8},
      {0.25, -1, 0.25},
      {100, 0, 8},
      {0, 0, 0.25},
      {std::numeric_limits<double>::quiet_NaN(), 0, 1},
      {std::exp2(0.25), -1, 1}, // one notch in and back out is exactly 1 again
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " by " << c.notches);
    EXPECT_EQ(SteppedZoom(c.from, c.notches), c.expected);
  }
}

TEST(ZoomSteps, InAndOutAgainReturnsExactlyOne) {
  double zoom = 1;
  for (int i = 0; i < 7; ++i) zoom = SteppedZoom(zoom, 1);
  for (int i = 0; i < 7; ++i) zoom = SteppedZoom(zoom, -1);
  EXPECT_EQ(zoom, 1.0);
}

TEST(ZoomProjection, ScalesAboutTheCentreOfTheRectangle) {
  Program p;
  setUpProgram(p, '1');
  const Pixel plain[] = {ProjectPoint(p.view, 0, 0, 0), ProjectPoint(p.view, 3, 0, 0),
                         ProjectPoint(p.view, 0, 3, 0)};
  // The kind-1 rectangle (80, 60)-(560, 450) has its centre at (320, 255) in the window,
  // (240, 195) in the picture.
  const double cx = 240, cy = 195;
  p.graph.Zoom = 2;
  refit(p);
  const Pixel zoomed[] = {ProjectPoint(p.view, 0, 0, 0), ProjectPoint(p.view, 3, 0, 0),
                          ProjectPoint(p.view, 0, 3, 0)};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(zoomed[i].x, cx + 2 * (plain[i].x - cx), 1.0);
    EXPECT_NEAR(zoomed[i].y, cy + 2 * (plain[i].y - cy), 1.0);
  }
}

TEST(ZoomProjection, OnlyTheUnzoomedViewPinsCoordinatesAtTheEdge) {
  Program p;
  setUpProgram(p, '1');
  // Far off to the left of the picture: pinned at window pixel 1 without zoom.
  EXPECT_EQ(ProjectPoint(p.view, 0, -40, 0).x, 1 - p.view.GraphLeft);
  p.graph.Zoom = 1.5;
  refit(p);
  EXPECT_LT(ProjectPoint(p.view, 0, -40, 0).x, 1 - p.view.GraphLeft);
  EXPECT_GE(ProjectPoint(p.view, 0, -40, 0).x, std::numeric_limits<std::int32_t>::min());
}

TEST(ZoomProjection, AFitTakesTheClampedZoom) {
  const struct {
    double zoom, taken;
  } cases[] = {{1, 1}, {3, 3}, {20, 8}, {0.01, 0.25}, {-5, 0.25}, {std::nan(""), 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zoom);
    Program p;
    setUpProgram(p, '4');
    p.graph.Zoom = c.zoom;
    refit(p);
    EXPECT_EQ(p.view.Zoom, c.taken);
  }
}

// Zooming in and back out must give the very picture drawn before, cell for cell.
TEST(ZoomPicture, BackAtOneEveryPixelIsAsBefore) {
  for (const char kind : {'1', '2', '4'}) {
    SCOPED_TRACE(kind);
    Program p;
    setUpProgram(p, kind);
    p.graph.FunctionText = "x*y-r";
    p.graph.FunctionTextX = "u";
    p.graph.FunctionTextY = "v";
    p.graph.FunctionTextZ = "u*v";
    p.graph.DrawBoxChecked = true;
    DrawSequencePicture(p);
    RedrawViewPicture(p);
    const QImage before = p.Picture.copy();
    p.graph.Zoom = SteppedZoom(1, 3);
    RedrawViewPicture(p);
    EXPECT_NE(p.Picture, before);
    p.graph.Zoom = SteppedZoom(p.graph.Zoom, -3);
    RedrawViewPicture(p);
    EXPECT_EQ(p.Picture, before);
  }
}

// Pixels other than the background in the picture's left hundred columns.
int drawnAtLeft(const Program& p) {
  int count = 0;
  for (int y = 0; y < p.Picture.height(); ++y)
    for (int x = 0; x < 100; ++x)
      count += p.Picture.pixel(x, y) != toRgb32(p.graph.BackgroundColor);
  return count;
}

TEST(ZoomPicture, ZoomingOutShrinksTheGraphTowardsTheCentre) {
  Program p;
  setUpProgram(p, '1');
  p.graph.FunctionText = "5";
  DrawSequencePicture(p);
  // The plane z = 5 reaches the left edge of the fit; a quarter of it lies within a quarter
  // of the half width (120 pixels) of the centre at 240, where the z axis stands too.
  EXPECT_GT(drawnAtLeft(p), 50);
  p.graph.Zoom = 0.25;
  RedrawViewPicture(p);
  EXPECT_EQ(drawnAtLeft(p), 0);
}

// ---- A newer view abandons the drawing under way -----------------------------------------

TEST(NewerView, AbandonsTheDrawingAtItsNextPoll) {
  Program p;
  setUpProgram(p, '1');
  TestHost host;
  p.host = &host;
  p.graph.FunctionText = "x*y";
  DrawSequencePicture(p);
  const int fullDraw = host.polls;
  host.polls = 0;
  p.ViewPending = true;
  RedrawViewPicture(p);
  EXPECT_EQ(host.polls, 1);
  EXPECT_LT(host.polls, fullDraw);
  // It is no cancel: the flag is left for whoever asked for the newer view.
  EXPECT_EQ(p.graph.DrawContinue, 1);
  EXPECT_TRUE(p.ViewPending);
  p.host = &silentHost();
}

} // namespace
