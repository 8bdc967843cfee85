// SPDX-License-Identifier: MIT
// The cylindrical renderer: cell counts and the 0.01 tolerance, the corner test without
// margin, the axis r = 0, cut holes, degenerate domains, cancelling, failures and the listing.
#include "TestSupport.h"
#include "render/surfaces/CylSurface.h"
#include "render/surfaces/SurfaceCells.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double Pi = GraphState::Pi;

struct Cyl : DrawFixture {
  Cyl() : DrawFixture('2') {}
};

TEST(CylCells, CountsFollowTheTolerance) {
  const struct {
    double rMax;
    double curves;
    std::size_t cells;
  } cases[] = {
      {5, 15, 225},        // the defaults
      {5, 1, 1},           // one cell each way
      {5, 80, 6400},       // the largest regular grid
      {0.32, 80, 82 * 80}, // dr = 0.004: the 0.01 tolerance admits two more rows in r
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rMax << " " << c.curves);
    Cyl f;
    f.p.graph.RMax = c.rMax;
    f.p.graph.XCurves = f.p.graph.YCurves = c.curves;
    f.draw();
    EXPECT_EQ(f.cells().size(), c.cells);
    EXPECT_GE(f.p.CellList.size(), c.cells + 1);
    EXPECT_EQ(f.host.cursor, (std::vector<bool>{true, false}));
  }
}

TEST(CylCells, DefaultsListEveryGridPoint) {
  Cyl f;
  f.draw();
  EXPECT_EQ(f.p.Values.size(), 256u);
  EXPECT_EQ(f.host.polls, 225);
  // Blanked for the movie: slots past the cells up to (15 + 1)(15 + 1).
  EXPECT_EQ(f.p.CellList[256].Distance, 0);
  EXPECT_EQ(f.p.CellList[256].FillColor, clRed);
}

// f = 0 lies on the z axis range's edge when that edge is 0; any distance beyond it, however
// small, removes the cell.
TEST(CylCellTest, NoMarginAroundTheZRange) {
  const struct {
    double zMin, zMax;
    std::size_t cells;
  } cases[] = {{-10, 10, 225}, {0, 10, 225}, {0.001, 10, 0}, {-10, 0, 225}, {-10, -0.001, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.zMin << ".." << c.zMax);
    Cyl f;
    f.p.graph.AxisZMin = c.zMin;
    f.p.graph.AxisZMax = c.zMax;
    f.draw();
    EXPECT_EQ(f.cells().size(), c.cells);
    EXPECT_EQ(f.p.Values.size(), 256u);
  }
}

// One cell across r = -0.5..0.5 puts every centre on the axis, where the angular slope
// would be divided by r = 0. It counts as flat there, so each cell gets the colour of a
// level surface seen from the eye, never one made from a non-number.
TEST(CylAxis, CentreOnTheAxisIsShadedFlat) {
  // None changes along r, and each changes along t, which on the axis would divide by 0.
  for (const char* text : {"t", "Sin(t)/10", "t*t/10"}) {
    for (const bool shading : {true, false}) {
      SCOPED_TRACE(testing::Message() << text << " shading " << shading);
      Cyl f;
      f.p.graph.FunctionText = text;
      f.p.graph.RMin = -0.5, f.p.graph.RMax = 0.5;
      f.p.graph.XCurves = 1;
      f.p.graph.ShadingOn = shading;
      f.draw();
      Color flat = clRed;
      if (shading) ShadeColor(clRed, flat, std::cos(f.p.graph.Phi));
      const auto brushes = f.canvas.only(Recorded::Brush);
      ASSERT_EQ(brushes.size(), 15u);
      for (const auto& b : brushes) EXPECT_EQ(b.value, flat);
    }
  }
}

TEST(CylCut, CutCellsLeaveHoles) {
  Cyl f;
  // cut(t - p) marks every cell that samples t < pi: the cells from t = 8·2pi/15 on are free,
  // 7 of the 15 in each ring. A cut left over from before the draw costs no cell.
  f.p.graph.FunctionText = "cut(t-p)";
  f.p.engine.CutFlag = true;
  f.draw();
  EXPECT_EQ(f.cells().size(), 7u * 15u);
}

TEST(CylDegenerate, ZeroWidthDrawsOneCurve) {
  const struct {
    double rMin, rMax, tMin, tMax;
    std::size_t segments, lines;
  } cases[] = {
      {2, 2, 0, 2 * Pi, 16, 16}, // a circle of radius 2: t from 0 while t <= 2pi
      {0, 5, 1, 1, 16, 16},      // a ray at t = 1
      {2, 2, 1, 1, 0, 1},        // a point: nothing drawn, one line listed
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rMin << " " << c.tMin);
    Cyl f;
    f.p.graph.FunctionText = "1";
    f.p.graph.RMin = c.rMin, f.p.graph.RMax = c.rMax;
    f.p.graph.TMin = c.tMin, f.p.graph.TMax = c.tMax;
    f.draw();
    EXPECT_TRUE(f.cells().empty());
    EXPECT_EQ(f.count(Recorded::Line), c.segments);
    EXPECT_EQ(f.p.Values.size(), c.lines);
    if (c.segments == 0) continue;
    EXPECT_EQ(f.canvas.only(Recorded::PenColor).front().value, clTeal);
    // The first segment starts at the point (rMin, tMin) in space.
    EXPECT_EQ(f.canvas.only(Recorded::Move).front().points[0],
              ProjectPoint(f.p.view, c.rMin * std::cos(c.tMin), c.rMin * std::sin(c.tMin), 1));
  }
}

TEST(CylFaults, ReversedEmptyAndHugeDomainsFinish) {
  const struct {
    double rMin, rMax, tMin, tMax;
  } cases[] = {{5, 0, 0, 6}, {0, 5, 6, 0}, {-1e300, 1e300, -1e300, 1e300}, {0, 1e-300, 0, 1e-300}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rMin << " " << c.rMax);
    Cyl f;
    f.p.graph.FunctionText = "r";
    f.p.graph.RMin = c.rMin, f.p.graph.RMax = c.rMax;
    f.p.graph.TMin = c.tMin, f.p.graph.TMax = c.tMax;
    f.p.graph.XCurves = f.p.graph.YCurves = 80;
    f.draw();
    EXPECT_LE(f.cells().size() + 1, f.p.CellList.size());
    EXPECT_LE(f.p.Values.size(), static_cast<std::size_t>(MaxGridSteps * MaxGridSteps));
  }
}

TEST(CylStops, CancelAndFailurePaintNothing) {
  Cyl cancelled;
  cancelled.host.cancelAt = 5;
  cancelled.draw();
  EXPECT_TRUE(cancelled.cells().empty());
  EXPECT_TRUE(cancelled.p.Values.empty());
  EXPECT_EQ(cancelled.p.graph.DrawContinue, 1);

  Cyl failed;
  failed.p.graph.FunctionText = "2*+";
  failed.draw();
  EXPECT_EQ(failed.host.beeps, 1);
  EXPECT_TRUE(failed.p.graph.EvalFailed);
  EXPECT_TRUE(failed.cells().empty());
  EXPECT_TRUE(failed.p.Values.empty());
}

TEST(CylListing, AngleInDegreesAndInvalidPointsLeftOut) {
  Cyl f;
  f.p.graph.FunctionText = "Sqrt(1-r)";
  f.p.graph.RMin = 1, f.p.graph.RMax = 2;
  f.p.graph.TMin = 0, f.p.graph.TMax = Pi;
  f.p.graph.XCurves = f.p.graph.YCurves = 1;
  f.draw();
  // r = 2 is outside the square root's domain: only the two points at r = 1 are listed.
  ASSERT_EQ(f.p.Values.size(), 2u);
  EXPECT_EQ(f.p.Values[0], "     1.000      0.000     0.0000");
  EXPECT_EQ(f.p.Values[1], "     1.000    180.000     0.0000");
}

} // namespace
