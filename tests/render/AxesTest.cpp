// SPDX-License-Identifier: MIT
// Axes and ticks: which ticks are drawn, pixel probes of the default picture, erasing, and
// huge ranges drawn exactly as the one-tick-per-integer rule draws them.
#include "TestSupport.h"
#include "render/Axes.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>

namespace {

struct AxesFixture {
  Program p;
  RecordingCanvas canvas;
  AxesFixture() {
    setUpProgram(p, '1');
    p.canvas = &canvas;
  }
  // The tick lines: every Line after the pen took the tick colour.
  std::size_t tickLines() {
    canvas.log.clear();
    DrawTicks(p);
    return canvas.only(Recorded::Line).size();
  }
};

TEST(Ticks, WhichIntegersGetATick) {
  const struct {
    double xMin, xMax, yMin, yMax, zMin, zMax, theta, phi;
    std::size_t lines;
  } cases[] = {
      // x: 1..3 then 1..-3 (8); y the same (8); z: 1..10 then 1..-10 (22).
      {-3, 3, -3, 3, -10, 10, 30, 80, 38},
      {-3, 3, -3, 3, -10, 10, 0, 80, 8 + 22},          // Theta 0: no x ticks
      {-3, 3, -3, 3, -10, 10, 30, 0, 8 + 8},           // Phi 0: no z ticks
      {-0.4, 0.4, -3, 3, -10, 10, 30, 80, 2 + 8 + 22}, // Round(0.4) = 0: ticks at 1 and 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.xMin << ".." << c.xMax << " theta " << c.theta);
    AxesFixture f;
    GraphState& g = f.p.graph;
    g.AxisXMin = c.xMin, g.AxisXMax = c.xMax, g.AxisYMin = c.yMin, g.AxisYMax = c.yMax;
    g.AxisZMin = c.zMin, g.AxisZMax = c.zMax;
    g.Theta = c.theta * GraphState::Pi / 180;
    g.Phi = c.phi * GraphState::Pi / 180;
    refit(f.p);
    EXPECT_EQ(f.tickLines(), c.lines);
  }
}

TEST(Axes, LettersAndZAxisPlaces) {
  AxesFixture f;
  f.canvas.log.clear();
  DrawAxes(f.p);
  const auto texts = f.canvas.only(Recorded::Text);
  ASSERT_EQ(texts.size(), 3u);
  const Pixel b = ProjectPoint(f.p.view, 0, 3.3, 0), c = ProjectPoint(f.p.view, 3.3, 0, 0);
  EXPECT_EQ(texts[0].text, "Y");
  EXPECT_EQ(texts[0].points[0], (Pixel{b.x + 10, b.y})); // Theta below 90: right of the end
  EXPECT_EQ(texts[1].text, "Z");
  EXPECT_EQ(texts[1].points[0], (Pixel{246 - 12, 5}));
  EXPECT_EQ(texts[2].text, "X");
  EXPECT_EQ(texts[2].points[0], (Pixel{c.x - 10, c.y}));
}

TEST(Axes, NothingInMovieMode) {
  AxesFixture f;
  f.p.graph.MovieMode = true;
  f.canvas.log.clear();
  DrawAxes(f.p);
  EXPECT_TRUE(f.canvas.log.empty());
}

// The default 800 x 600 picture of kind 1: the origin projects to (246, 190).
TEST(AxesPicture, ProbesOfTheBareAxes) {
  Program p;
  setUpProgram(p, '1');
  ASSERT_EQ(p.Picture.size(), QSize(478, 388));
  const auto at = [&](int x, int y) { return p.pictureCanvas.pixel(x, y); };
  // The vertical z axis runs from GraphBottom - 15 = 435 (below the box) up to 15.
  for (const int y : {16, 100, 300, 387}) EXPECT_EQ(at(246, y), clFuchsia) << y;
  EXPECT_EQ(at(246, 14), clWhite);
  EXPECT_EQ(at(100, 300), clWhite);
  // The z tick at 5 is a horizontal mark of 2 * Round(4.8) = 10 pixels in the tick colour.
  const Pixel z5 = ProjectPoint(p.view, 0, 0, 5);
  EXPECT_EQ(at(z5.x - 5, z5.y), clBlue);
  EXPECT_EQ(at(z5.x + 4, z5.y), clBlue);
  EXPECT_EQ(at(z5.x - 6, z5.y), clWhite);
  // Half-way between origin and (0, 3.3, 0) lies on the y axis line.
  const Pixel o = ProjectPoint(p.view, 0, 0, 0), b = ProjectPoint(p.view, 0, 3.3, 0);
  const int midX = (o.x + b.x) / 2;
  bool found = false;
  for (int y = o.y - 3; y <= o.y + 6; ++y) found = found || at(midX, y) == clFuchsia;
  EXPECT_TRUE(found);
}

TEST(AxesPicture, EraseLeavesAWhitePicture) {
  Program p;
  setUpProgram(p, '1');
  p.graph.AxesErase = true;
  DrawAxes(p);
  for (int y = 0; y < p.Picture.height(); ++y) {
    for (int x = 0; x < p.Picture.width(); ++x) ASSERT_EQ(p.pictureCanvas.pixel(x, y), clWhite);
  }
}

// The ticks exactly as the rule states them, one line per integer: the reference picture.
void literalTicks(Program& p) {
  const GraphState& g = p.graph;
  const View& v = p.view;
  Canvas& c = *p.canvas;
  const double width = v.GraphRight - v.GraphLeft;
  const double l = width / 100;
  const int lz = static_cast<int>(std::nearbyint(width / 100));
  const double rx = (g.AxisXMax - g.AxisXMin) / 10, ry = (g.AxisYMax - g.AxisYMin) / 10;
  c.setPenColor(g.FrameColor);
  const auto cross = [&](Pixel a, Pixel q) {
    const double dx = q.x - a.x, dy = q.y - a.y, len = std::sqrt(dx * dx + dy * dy);
    const double s = len != 0 ? l / len : 5 * l;
    const int ox = static_cast<int>(std::nearbyint(dx * s));
    const int oy = static_cast<int>(std::nearbyint(dy * s));
    c.moveTo(a.x + ox, a.y + oy);
    c.lineTo(a.x - ox, a.y - oy);
  };
  const auto runs = [](double min, double max, auto tick) {
    for (long k = 1; k <= std::lround(max); ++k) tick(k);
    if (std::nearbyint(min) < 2) {
      for (long k = 1; k >= std::lround(min); --k) tick(k);
    }
  };
  if (g.Theta != 0) {
    runs(g.AxisXMin, g.AxisXMax,
         [&](long k) { cross(ProjectPoint(v, k, 0, 0), ProjectPoint(v, k, ry, 0)); });
  }
  runs(g.AxisYMin, g.AxisYMax,
       [&](long k) { cross(ProjectPoint(v, 0, k, 0), ProjectPoint(v, rx, k, 0)); });
  if (g.Phi != 0) {
    runs(g.AxisZMin, g.AxisZMax, [&](long k) {
      const Pixel a = ProjectPoint(v, 0, 0, k);
      c.moveTo(a.x - lz, a.y);
      c.lineTo(a.x + lz, a.y);
    });
  }
}

TEST(AxesFaults, HugeRangesMatchTheLiteralRulePixelForPixel) {
  const struct {
    double range, theta, phi, rho, xMin = -range, xMax = range;
  } cases[] = {
      {20000, 30, 80, 200},
      {20000, 135, 40, 200},
      {20000, 250, 100, 200},
      {20000, 315, 170, 60},
      {5000, 90, 90, 200},
      {20000, 10, 5, 130},
      {300, 30, 80, 200}, // a box the eye stands outside of
      // x 2..8: ticks 1..8 only, the second run needs Round(min) below 2; 1.4..8 has both.
      {3, 30, 80, 200, 2, 8},
      {3, 30, 80, 200, 1.4, 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.range << " theta " << c.theta << " phi " << c.phi);
    Program fast, literal;
    for (Program* p : {&fast, &literal}) {
      setUpProgram(*p, '1');
      GraphState& g = p->graph;
      g.AxisYMin = g.AxisZMin = -c.range;
      g.AxisYMax = g.AxisZMax = c.range;
      g.AxisXMin = c.xMin, g.AxisXMax = c.xMax;
      g.Theta = c.theta * GraphState::Pi / 180;
      g.Phi = c.phi * GraphState::Pi / 180;
      g.Rho = c.rho;
      refit(*p);
      p->canvas->fill(clWhite);
    }
    DrawTicks(fast);
    literalTicks(literal);
    ASSERT_EQ(fast.Picture, literal.Picture);
  }
}

// Axes boxes far from the origin: the eye may stand far outside the box or inside it, and the
// ticks between 1 and the box crowd into a few pixels or fall off the picture.
TEST(AxesFaults, FarBoxesMatchTheLiteralRule) {
  const std::array<double, 6> boxes[] = {
      {2e6, 2e6 + 4, -3, 3, -10, 10},
      {-3, 3, -3, 3, 1e6, 1e6 + 1},
      {-3, 3, -2e6, 2e6, -10, 10},
      {-1e6, 1e6, -3, 3, -10, 10},
  };
  for (const auto& b : boxes) {
    SCOPED_TRACE(testing::Message() << b[0] << ".." << b[1] << " " << b[2] << ".." << b[3] << " "
                                    << b[4] << ".." << b[5]);
    Program fast, literal;
    for (Program* p : {&fast, &literal}) {
      setUpProgram(*p, '1');
      GraphState& g = p->graph;
      g.AxisXMin = b[0], g.AxisXMax = b[1], g.AxisYMin = b[2], g.AxisYMax = b[3];
      g.AxisZMin = b[4], g.AxisZMax = b[5];
      refit(*p);
      p->canvas->fill(clWhite);
    }
    DrawTicks(fast);
    literalTicks(literal);
    ASSERT_EQ(fast.Picture, literal.Picture);
  }
}

// Boxes whose literal tick loops run to 10^12 and beyond: they once hung, spun or ran out of
// memory. The tick lines drawn stay within a few per pixel of the picture.
TEST(AxesFaults, FarBoxesDrawBoundedTicks) {
  const std::array<double, 6> boxes[] = {
      {-3, 3, -3, 3, 1e15, 1e15 + 1},
      {1e12, 2e12, -3, 3, -10, 10},
      {-3, 3, -1e18, 1e18, -10, 10},
      {-1e12, 1e12, -3, 3, -10, 10},
  };
  for (const auto& b : boxes) {
    SCOPED_TRACE(testing::Message() << b[0] << ".." << b[1] << " " << b[2] << ".." << b[3] << " "
                                    << b[4] << ".." << b[5]);
    AxesFixture f;
    GraphState& g = f.p.graph;
    g.AxisXMin = b[0], g.AxisXMax = b[1], g.AxisYMin = b[2], g.AxisYMax = b[3];
    g.AxisZMin = b[4], g.AxisZMax = b[5];
    refit(f.p);
    const std::size_t lines = f.tickLines();
    EXPECT_LE(lines, 2u * (478 + 388));
  }
}

TEST(AxesFaults, BillionRangeDrawsWithinASecond) {
  Program p;
  setUpProgram(p, '1');
  GraphState& g = p.graph;
  g.AxisXMin = g.AxisYMin = g.AxisZMin = -1e9;
  g.AxisXMax = g.AxisYMax = g.AxisZMax = 1e9;
  refit(p);
  const auto start = std::chrono::steady_clock::now();
  DrawAxes(p);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  g.AxisXMin = g.AxisYMin = g.AxisZMin = -1e300; // pinned far beyond, still quick
  g.AxisXMax = g.AxisYMax = g.AxisZMax = 1e300;
  refit(p);
  DrawAxes(p);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

} // namespace
