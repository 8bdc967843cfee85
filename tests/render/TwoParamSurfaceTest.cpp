// SPDX-License-Identifier: MIT
// The two-parameter renderer: cell counts and blanking, the side test against the eye
// position, the vanishing normal at a pole, cut holes, degenerate and extreme domains,
// cancelling, failures and the listing.
#include "TestSupport.h"
#include "render/surfaces/SurfaceCells.h"
#include "render/surfaces/TwoParamSurface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double Pi = GraphState::Pi;

struct Patch : DrawFixture {
  Patch() : DrawFixture('4') {}
  void functions(const char* x, const char* y, const char* z) {
    p.graph.FunctionTextX = x;
    p.graph.FunctionTextY = y;
    p.graph.FunctionTextZ = z;
  }
};

TEST(PatchCells, CountsFollowTheTolerance) {
  const struct {
    double uMin, uMax, vMin, vMax, curves;
    std::size_t cells;
  } cases[] = {
      {-Pi, Pi, -Pi, Pi, 15, 225},     {-Pi, Pi, -Pi, Pi, 1, 1}, {-Pi, Pi, -Pi, Pi, 80, 6400},
      {0, 0.32, -Pi, Pi, 80, 82 * 80}, // du = 0.004: two more columns
      {0, 0.32, 0, 0.32, 80, 82 * 82}, // both: more cells than 80 by 80
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.uMax << " " << c.vMax << " " << c.curves);
    Patch f;
    f.functions("u", "v", "0");
    f.p.graph.UMin = c.uMin, f.p.graph.UMax = c.uMax;
    f.p.graph.VMin = c.vMin, f.p.graph.VMax = c.vMax;
    f.p.graph.XCurves = f.p.graph.YCurves = c.curves;
    f.draw();
    EXPECT_EQ(f.cells().size(), c.cells);
    EXPECT_GE(f.p.CellList.size(), c.cells + 1);
  }
}

TEST(PatchCells, DefaultsBlank256SlotsAndList256Points) {
  Patch f;
  f.functions("u", "v", "0");
  f.p.CellList[0].FillColor = clLime;
  f.p.CellList[300].Distance = 7;
  f.draw();
  EXPECT_EQ(f.p.Values.size(), 256u);
  EXPECT_EQ(f.host.polls, 225);
  EXPECT_EQ(f.host.cursor, (std::vector<bool>{true, false}));
  // The blanked slots past the cells have every corner at (0, 0); slot 301 was not reached.
  EXPECT_EQ(f.p.CellList[256].Corners, (std::array<Pixel, 4>{}));
  EXPECT_EQ(f.p.CellList[256].Distance, 0);
  EXPECT_EQ(f.p.CellList[300].Distance, 7);
}

// The plane z = 0 with its normal up or down: the side is chosen by the normal against the
// eye position, and with shading the tone by the angle between them, cos 80 degrees here.
TEST(PatchSide, NormalAgainstTheEyePosition) {
  const struct {
    const char *x, *y;
    bool shading;
    Color base;
  } cases[] = {
      {"u", "v", false, clYellow}, // normal (0, 0, 1) towards the eye: the under colour
      {"v", "u", false, clRed},    // normal (0, 0, -1)
      {"u", "v", true, clYellow},
      {"v", "u", true, clRed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << c.y << " shading " << c.shading);
    Patch f;
    f.functions(c.x, c.y, "0");
    f.p.graph.ShadingOn = c.shading;
    f.draw();
    Color expected = c.base;
    if (c.shading) ShadeColor(c.base, expected, std::cos(f.p.graph.Phi));
    const auto brushes = f.canvas.only(Recorded::Brush);
    ASSERT_EQ(brushes.size(), 225u);
    for (const auto& b : brushes) EXPECT_EQ(b.value, expected);
  }
}

// A sphere whose pole (u = 0) is the centre of the second column of cells: there both
// tangents along v vanish. Shaded or not the whole sphere is drawn and listed; the pole cells
// have no angle to shade by and take the under colour as without shading.
TEST(PatchPole, AVanishingNormalIsDrawnFlat) {
  for (const bool shading : {true, false}) {
    SCOPED_TRACE(shading);
    Patch f;
    f.functions("3*Sin(u)*Cos(v)", "3*Sin(u)*Sin(v)", "3*Cos(u)");
    f.p.graph.UMin = -1.5, f.p.graph.UMax = 1.5, f.p.graph.XCurves = 3;
    f.p.graph.VMin = 0, f.p.graph.VMax = 2 * Pi;
    f.p.graph.ShadingOn = shading;
    f.draw();
    EXPECT_FALSE(f.p.graph.EvalFailed);
    EXPECT_EQ(f.cells().size(), 45u);
    EXPECT_EQ(f.p.Values.size(), 4u * 16u);
    int under = 0;
    for (const auto& b : f.canvas.only(Recorded::Brush)) under += b.value == clYellow;
    EXPECT_GE(under, 15);
  }
}

// x = sqrt(u)cos(v), y = sqrt(u)sin(v), z = u over u from -1 to 1: for u < 0 the domain errors
// put x and y at 0, so those cells have no normal. The half where u > 0 is still drawn shaded
// and every point is listed.
TEST(PatchPole, DomainErrorsThatCollapseCellsStillDraw) {
  Patch f;
  f.functions("sqrt(u)*cos(v)", "sqrt(u)*sin(v)", "u");
  f.p.graph.UMin = -1, f.p.graph.UMax = 1, f.p.graph.XCurves = 10;
  f.p.graph.VMin = 0, f.p.graph.VMax = 2 * Pi, f.p.graph.YCurves = 10;
  f.draw();
  EXPECT_EQ(f.cells().size(), 100u);
  EXPECT_EQ(f.p.Values.size(), 11u * 11u);
  int shaded = 0;
  for (const auto& b : f.canvas.only(Recorded::Brush))
    shaded += b.value != clYellow && b.value != f.p.graph.AboveColor;
  EXPECT_GT(shaded, 30);
}

TEST(PatchCut, CutCellsLeaveHoles) {
  Patch f;
  f.functions("u", "v", "cut(u)");
  // A cut left over from before the draw must not cost the first cell.
  f.p.engine.CutFlag = true;
  f.draw();
  // Columns from u = -pi + 8·2pi/15 on sample no negative u: 7 of the 15.
  EXPECT_EQ(f.cells().size(), 7u * 15u);
}

TEST(PatchDegenerate, ZeroWidthGivesOneColumnInTheColourBefore) {
  Patch f;
  f.functions("u", "v", "0");
  f.p.graph.ShadingOn = false;
  f.p.CellList[0].FillColor = clLime;
  f.p.graph.UMin = f.p.graph.UMax = 1;
  f.draw();
  EXPECT_EQ(f.cells().size(), 15u);
  EXPECT_EQ(f.p.Values.size(), 16u);
  for (const auto& b : f.canvas.only(Recorded::Brush)) EXPECT_EQ(b.value, clLime);
  // Two corners of each cell coincide.
  const auto first = f.cells().front().points;
  EXPECT_EQ(first[0], first[1]);
}

TEST(PatchFaults, ReversedAndExtremeDomainsFinish) {
  const struct {
    double uMin, uMax, vMin, vMax;
    bool anyCell;
  } cases[] = {
      {3, -3, -3, 3, false},
      {-3, 3, 3, -3, false},
      {-1e300, 1e300, -1e300, 1e300, true},
      {-1.7e308, 1.7e308, 0, 1, false}, // the width overflows: no cell, one listed column
      {0, 1e-300, 0, 1e-300, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.uMin << " " << c.uMax);
    Patch f;
    f.functions("u", "v", "u*v");
    // Unshaded, so that cells whose tangents are lost below the precision of u still show.
    f.p.graph.ShadingOn = false;
    f.p.graph.UMin = c.uMin, f.p.graph.UMax = c.uMax;
    f.p.graph.VMin = c.vMin, f.p.graph.VMax = c.vMax;
    f.p.graph.XCurves = f.p.graph.YCurves = 80;
    f.draw();
    EXPECT_EQ(!f.cells().empty(), c.anyCell);
    EXPECT_LE(f.cells().size() + 1, f.p.CellList.size());
  }
}

TEST(PatchStops, CancelAndFailures) {
  Patch cancelled;
  cancelled.host.cancelAt = 5;
  cancelled.draw();
  EXPECT_TRUE(cancelled.cells().empty());
  EXPECT_TRUE(cancelled.p.Values.empty());
  EXPECT_EQ(cancelled.p.graph.DrawContinue, 1);

  // At a corner or the centre only Z ends the draw; a failing X beeps at the four corners
  // and the centre and then ends it at the first tangent, whose last evaluation is of X.
  const struct {
    const char *x, *z;
    int beeps;
  } cases[] = {{"u", "2*+", 1}, {"2*+", "v", 4 + 1 + 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    Patch f;
    f.functions(c.x, "u", c.z);
    f.draw();
    EXPECT_TRUE(f.cells().empty());
    EXPECT_TRUE(f.p.graph.EvalFailed);
    EXPECT_EQ(f.host.beeps, c.beeps);
    EXPECT_TRUE(f.p.Values.empty());
  }
}

TEST(PatchListing, ThreeColumns) {
  Patch f;
  f.functions("1", "-2", "0.5");
  f.p.graph.UMin = f.p.graph.UMax = 0;
  f.p.graph.VMin = f.p.graph.VMax = 0;
  f.draw();
  ASSERT_EQ(f.p.Values.size(), 1u);
  EXPECT_EQ(f.p.Values[0], "     1.000     -2.000      0.500");
}

} // namespace
