// SPDX-License-Identifier: MIT
// Contours: levels and their colour bands, the angle of a cylindrical grid point, constant
// and failing functions, and a failure left over from an earlier command.
#include "TestSupport.h"
#include "render/Contours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

constexpr double Pi = GraphState::Pi;

// One letter per level: Navy, Maroon, Red, Green, Lime.
std::string bands(int count) {
  const ContourLevels levels = ComputeContourLevels(-10, 10, count);
  std::string out;
  for (int m = 0; m < levels.count; ++m) {
    switch (ContourBandColor(levels, levels.z[m])) {
    case clNavy:
      out += 'N';
      break;
    case clMaroon:
      out += 'M';
      break;
    case clRed:
      out += 'R';
      break;
    case clGreen:
      out += 'G';
      break;
    case clLime:
      out += 'L';
      break;
    default:
      out += '?';
      break;
    }
  }
  return out;
}

TEST(ContourLevels, BandsPerLevelCount) {
  EXPECT_EQ(bands(10), "NNNMMRRGGL");
  // Twelve levels: the fourth split would lie past the last level; it is taken at the
  // next-to-last, so the highest level is still lime.
  EXPECT_EQ(bands(12), "NNNNMMMRRRGL");
  EXPECT_EQ(bands(14), "NNNNMMMRRRGGGL");
  EXPECT_EQ(bands(16), "NNNNMMMRRRGGGLLL");
}

TEST(ContourLevels, EvenSpacingAndTheFlatCase) {
  const ContourLevels ten = ComputeContourLevels(-10, 10, 10);
  EXPECT_DOUBLE_EQ(ten.z[0], -10);
  EXPECT_DOUBLE_EQ(ten.z[9], 10);
  const ContourLevels flat = ComputeContourLevels(2, 2, 10);
  EXPECT_EQ(flat.z[1], 12); // spacing replaced by the count
  GraphState g;
  for (const int n : {1, 0, 17, -3}) {
    g.ContourLevelCount = n;
    EXPECT_EQ(ContourLevelCountOf(g), 10) << n;
  }
}

TEST(ContourAngle, QuadrantsAndThePositiveXAxis) {
  const struct {
    double x, y, t;
  } cases[] = {
      {0, 0, 0},      {1, 0, 2 * Pi},      {0, 1, Pi / 2},       {0, -1, 3 * Pi / 2}, {-1, 0, Pi},
      {1, 1, Pi / 4}, {-1, 1, 3 * Pi / 4}, {-1, -1, 5 * Pi / 4}, {1, -1, 7 * Pi / 4},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ContourAngle(c.x, c.y), c.t) << c.x << "," << c.y;
}

struct ContourFixture {
  Program p;
  RecordingCanvas canvas;
  TestHost host;
  explicit ContourFixture(char kind, const char* function) {
    setUpProgram(p, kind);
    p.canvas = &canvas;
    p.host = &host;
    p.graph.FunctionText = function;
  }
  std::vector<Recorded> pens() const { return canvas.only(Recorded::PenColor); }
};

TEST(Contours, ConstantFunctionDrawsTheWholeGridInTheFirstBand) {
  ContourFixture f('1', "2");
  DrawContours(f.p);
  // Every corner and centre lies on the one level: each triangle gives its outer side.
  const auto pens = f.pens();
  EXPECT_EQ(pens.size(), 20u * 20u * 4u);
  for (const auto& pen : pens) ASSERT_EQ(pen.value, clNavy);
  EXPECT_EQ(f.p.graph.ZMin, 2);
  EXPECT_EQ(f.host.cursor, (std::vector<bool>{true, false}));
}

TEST(Contours, FailingFunctionDrawsNothingAndReportsIt) {
  for (const char kind : {'1', '2'}) {
    ContourFixture f(kind, "x+");
    DrawContours(f.p);
    EXPECT_TRUE(f.pens().empty()) << kind;
    EXPECT_TRUE(f.p.graph.EvalFailed);
    EXPECT_GE(f.host.beeps, 1);
  }
}

TEST(Contours, EarlierFailureDoesNotStopTheScans) {
  ContourFixture f('1', "x^2+y^2");
  f.p.graph.EvalFailed = true;
  DrawContours(f.p);
  EXPECT_DOUBLE_EQ(f.p.graph.ZMax, 18);
  EXPECT_FALSE(f.p.graph.EvalFailed);
  // Concentric rings, navy inside and green further out (the top level touches only the
  // domain's corners, where no triangle crosses it).
  const auto pens = f.pens();
  ASSERT_FALSE(pens.empty());
  bool navy = false, green = false;
  for (const auto& pen : pens)
    navy = navy || pen.value == clNavy, green = green || pen.value == clGreen;
  EXPECT_TRUE(navy && green);
}

TEST(Contours, FlatOrAtTheirHeight) {
  for (const bool threeD : {false, true}) {
    ContourFixture f('1', "x");
    f.p.graph.Contours3D = threeD;
    DrawContours(f.p);
    // z = x: each level is the line x = v; its segment ends project from (v, y, 0) or (v, y, v).
    const auto moves = f.canvas.only(Recorded::Move);
    ASSERT_FALSE(moves.empty());
    const ContourLevels levels = ComputeContourLevels(-3, 3, 10);
    int matched = 0;
    for (const auto& move : moves) {
      for (int m = 0; m < levels.count; ++m) {
        for (double y = -3; y <= 3; y += 0.3) {
          const double v = levels.z[m];
          matched += move.points[0] == ProjectPoint(f.p.view, v, y, threeD ? v : 0);
        }
      }
    }
    EXPECT_GE(matched, static_cast<int>(moves.size()) / 3) << threeD;
  }
}

TEST(Contours, CylindricalScanSetsAllSixExtents) {
  // f = t over r 0..5 and the full turn: the scan starts at t = 2*pi, the grid covers the disc.
  ContourFixture f('2', "t");
  DrawContours(f.p);
  const GraphState& g = f.p.graph;
  EXPECT_DOUBLE_EQ(g.ZMax, 2 * Pi);
  EXPECT_NEAR(g.ZMin, 2 * Pi / 45, 1e-9); // the last t of the scan above 0
  EXPECT_DOUBLE_EQ(g.XMax, 5);
  EXPECT_NEAR(g.XMin, 5 * std::cos(22 * 2 * Pi / 45), 1e-9);
  std::set<Color> colours;
  for (const auto& pen : f.pens()) colours.insert(pen.value);
  EXPECT_GE(colours.size(), 4u);
}

} // namespace
