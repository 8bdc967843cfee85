// SPDX-License-Identifier: MIT
// The steps the surface renderers share: stepped loops, cell starts both ways, the corners of
// a cell, the blanked slots of the cell list, and the failure a degenerate domain clears.
#include "TestSupport.h"
#include "render/surfaces/SurfaceCells.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(SurfaceLoops, GridValues) {
  const struct {
    double start, step;
    bool upward;
    double bound;
    std::vector<double> values;
  } cases[] = {
      {0, 0.5, true, 1.5, {0, 0.5, 1, 1.5}},
      {1.5, 0.5, false, 0, {1.5, 1, 0.5, 0}},
      {2, 0, true, 5, {2}},          // a zero step gives the start once
      {2, 0, true, 1, {}},           // ... unless the start is already past the bound
      {0, -1, true, 5, {}},          // a negative step gives nothing
      {0, NaN, true, 5, {}},         // so does a step that is not a number
      {1e16, 1, true, 2e16, {1e16}}, // a step lost below the start's precision ends the loop
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << " " << c.step << " " << c.bound);
    EXPECT_EQ(gridValues(c.start, c.step, c.upward, c.bound), c.values);
  }
}

TEST(SurfaceLoops, GridValuesStopAtTheCap) {
  EXPECT_EQ(gridValues(0, 1e-9, true, 1).size(), static_cast<std::size_t>(MaxGridSteps));
  EXPECT_EQ(gridValues(1, 1e-9, false, 0).size(), static_cast<std::size_t>(MaxGridSteps));
}

// A cell is admitted while its far edge lies within the tolerance of the domain's end; taken
// from the top, the starts are the upper ends of the same cells.
TEST(SurfaceLoops, CellStartsBothWays) {
  const struct {
    double min, max, step, tolerance;
    bool upward;
    std::vector<double> starts;
  } cases[] = {
      {0, 1, 0.25, 0.001, true, {0, 0.25, 0.5, 0.75}},
      {0, 1, 0.25, 0.001, false, {1, 0.75, 0.5, 0.25}},
      {0, 1, 0.3, 0.001, true, {0, 0.3, 0.6}},     // the fourth cell would end at 1.2
      {0, 1, 0.3, 0.15, true, {0, 0.3, 0.6}},      // 1.2 is still too far with 0.15
      {0, 1, 0.3, 0.25, true, {0, 0.3, 0.6, 0.9}}, // but lies within 0.25
      {0, 1, 0.3, 0.25, false, {1, 0.7, 0.4, 0.1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.step << " " << c.tolerance << " " << c.upward);
    const auto starts = cellStarts(c.min, c.max, c.step, c.tolerance, c.upward);
    ASSERT_EQ(starts.size(), c.starts.size());
    for (std::size_t i = 0; i < starts.size(); ++i) EXPECT_NEAR(starts[i], c.starts[i], 1e-12);
  }
}

// Corners go round the cell from its start, whichever way the steps point, so that a cell
// drawn towards negative x and y is the same quadrilateral as one drawn from its far corner.
TEST(SurfaceCell, CornersAndCentre) {
  const struct {
    double a, b, da, db;
    double ca[4], cb[4], aCentre, bCentre;
  } cases[] = {
      {0, 0, 1, 2, {0, 1, 1, 0}, {0, 0, 2, 2}, 0.5, 1},
      {3, 3, -1, -2, {3, 2, 2, 3}, {3, 3, 1, 1}, 2.5, 2},
      {1, 1, 0, 1, {1, 1, 1, 1}, {1, 1, 2, 2}, 1, 1.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.da << " " << c.db);
    const GridCell cell = gridCell(c.a, c.b, c.da, c.db);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(cell.a[i], c.ca[i]);
      EXPECT_EQ(cell.b[i], c.cb[i]);
    }
    EXPECT_EQ(cell.aCentre, c.aCentre);
    EXPECT_EQ(cell.bCentre, c.bCentre);
  }
}

TEST(SurfaceGrid, StepsAndDegenerateDomains) {
  const struct {
    GridDomain domain;
    double curvesA, curvesB, da, db;
    bool degenerate;
  } cases[] = {
      {{-3, 3, -3, 3}, 15, 15, 0.4, 0.4, false},
      {{1, 1, -3, 3}, 15, 12, 0, 0.5, true},
      {{-3, 3, 2, 2}, 6, 15, 1, 0, true},
      {{3, -3, -3, 3}, 15, 15, -0.4, 0.4, false}, // reversed: the loops then give nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.domain.aMin << " " << c.domain.bMin);
    GraphState g;
    g.XCurves = c.curvesA;
    g.YCurves = c.curvesB;
    const CellGrid grid = cellGridOf(g, c.domain);
    EXPECT_DOUBLE_EQ(grid.da, c.da);
    EXPECT_DOUBLE_EQ(grid.db, c.db);
    EXPECT_EQ(grid.degenerate(), c.degenerate);
  }
}

TEST(SurfaceSlots, BlankSlotCount) {
  const struct {
    double x, y;
    std::int64_t count;
  } cases[] = {{15, 15, 256}, {80, 80, 6561}, {200, 200, 6561}, {-3, 1, 0}, {0.4, 0.4, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << " " << c.y);
    GraphState g;
    g.XCurves = c.x;
    g.YCurves = c.y;
    EXPECT_EQ(blankSlotCount(g), c.count);
  }
}

// A movie frame replays every blanked slot, so none may keep a cell of an earlier drawing.
TEST(SurfaceSlots, BlankingLeavesNoEarlierCell) {
  const CellRecord earlier{{Pixel{5, 6}, Pixel{7, 8}, Pixel{9, 10}, Pixel{11, 12}}, 3, clRed, 5};
  const CellRecord last{{Pixel{1, 2}, Pixel{3, 4}, Pixel{5, 6}, Pixel{7, 8}}, 9, clLime, 0};
  for (const BlankSlots blank : {BlankSlots::AboveColor, BlankSlots::FromSlotZero}) {
    SCOPED_TRACE(static_cast<int>(blank));
    Program p;
    p.graph.XCurves = p.graph.YCurves = 2; // 9 slots
    p.graph.AboveColor = clBlue;
    p.CellList.assign(20, earlier);
    p.CellList[0] = last;
    prepareCellSlots(p, 4, blank);
    ASSERT_GE(p.CellList.size(), 10u);
    for (int i = 1; i <= 9; ++i) {
      SCOPED_TRACE(i);
      const CellRecord& slot = p.CellList[i];
      if (blank == BlankSlots::FromSlotZero && i == 1) {
        EXPECT_EQ(slot, last);
        continue;
      }
      EXPECT_EQ(slot.Corners, (std::array<Pixel, 4>{}));
      EXPECT_EQ(slot.Distance, 0);
      EXPECT_EQ(slot.FillColor, blank == BlankSlots::AboveColor ? clBlue : clLime);
    }
    EXPECT_EQ(p.CellList[10], earlier); // past the blanked slots nothing is touched
  }
}

TEST(SurfaceSlots, TheListGrowsForMoreCellsThanSlots) {
  Program p;
  p.graph.XCurves = p.graph.YCurves = 15;
  prepareCellSlots(p, 9000, BlankSlots::AboveColor);
  EXPECT_GE(p.CellList.size(), 9001u);
}

// The rectangular evaluation leaves a failure standing, so a degenerate domain, which has no
// cell to clear it, must clear one left from an earlier draw; otherwise a good curve would
// end at its first point and the command line would report a failed evaluation.
TEST(SurfaceDegenerate, AnOldFailureDoesNotEndAGoodCurve) {
  const struct {
    char kind;
    double aMin, aMax, bMin, bMax;
  } cases[] = {{'1', 1, 1, -3, 3}, {'2', 0, 3, 1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    DrawFixture f(c.kind);
    f.p.graph.FunctionText = "x+y";
    GraphState& g = f.p.graph;
    if (c.kind == '1') {
      g.XMin = c.aMin, g.XMax = c.aMax, g.YMin = c.bMin, g.YMax = c.bMax;
    } else {
      g.RMin = c.aMin, g.RMax = c.aMax, g.TMin = c.bMin, g.TMax = c.bMax;
    }
    f.p.graph.EvalFailed = true;
    f.draw();
    EXPECT_FALSE(f.p.graph.EvalFailed);
    // One segment from each listed point, and at least the fifteen steps of the domain.
    EXPECT_GE(f.p.Values.size(), 15u);
    EXPECT_EQ(f.count(Recorded::Line), f.p.Values.size());
  }
}

} // namespace

namespace {

// The cells a Draw leaves in space: per kind the number of cells the grid makes, each corner
// on the surface and projecting to the record's own pixel, and a colour for the eye that drew
// them that is the record's. An implicit surface leaves one cell a triangle, the fourth corner
// repeating the third.
struct SpaceCase {
  char kind;
  const char* texts[3];
  // 0 for one cell per triangle of the implicit surface.
  std::size_t cells;
  // The surface's z at a corner, from its x and y (or nothing to check for a patch).
  double (*z)(double x, double y);
};

TEST(SceneCells, EveryKindLeavesItsCellsInSpace) {
  const SpaceCase cases[] = {
      {'1', {"x+2*y"}, 225, [](double x, double y) { return x + 2 * y; }},
      {'2', {"r"}, 225, [](double x, double y) { return std::sqrt(x * x + y * y); }},
      {'4', {"Cos(u)*Cos(v)", "Sin(u)*Cos(v)", "Sin(v)"}, 225, nullptr},
      {ImplicitKind, {"z = x/4 + 0.3"}, 0, [](double x, double) { return x / 4 + 0.3; }},
  };
  for (const SpaceCase& c : cases) {
    SCOPED_TRACE(c.kind);
    Program p;
    setUpProgram(p, c.kind);
    if (c.kind == '4') {
      p.graph.FunctionTextX = c.texts[0];
      p.graph.FunctionTextY = c.texts[1];
      p.graph.FunctionTextZ = c.texts[2];
    } else {
      p.graph.FunctionText = c.texts[0];
    }
    DrawSequencePicture(p);
    if (c.cells == 0) {
      ASSERT_GT(p.ImplicitSurface.surface.triangles.size(), 100u);
      ASSERT_EQ(p.SceneCells.size(), p.ImplicitSurface.surface.triangles.size());
    } else {
      ASSERT_EQ(p.SceneCells.size(), c.cells);
    }
    const EyePoint eye = eyePointOf(p.graph);
    for (const SpaceCell& cell : p.SceneCells) {
      for (int i = 0; i < 4; ++i) {
        const Point3& at = cell.space.corners[i];
        EXPECT_EQ(ProjectPoint(p.view, at.x, at.y, at.z), cell.record.Corners[i]);
        if (c.z) {
          EXPECT_NEAR(at.z, c.z(at.x, at.y), 1e-9);
        }
      }
      if (c.cells == 0) {
        EXPECT_EQ(cell.space.corners[3], cell.space.corners[2]);
        EXPECT_EQ(cell.record.Corners[3], cell.record.Corners[2]);
      }
      EXPECT_EQ(lookColor(p.graph, eye, cell.space.look, 0, triangleCentre(cell.space.corners)),
                cell.record.FillColor);
    }
  }
}

// A gathered surface that stops draws nothing, and keeps nothing in space either; the direct
// rectangular surface keeps what it painted.
TEST(SceneCells, AStoppedDrawingKeepsWhatItPainted) {
  for (const char kind : {'1', '2'}) {
    SCOPED_TRACE(kind);
    Program p;
    setUpProgram(p, kind);
    TestHost host(&p.graph);
    p.host = &host;
    host.cancelAt = 11;
    p.graph.FunctionText = "x";
    DrawSequencePicture(p);
    EXPECT_EQ(p.SceneCells.size(), kind == '1' ? 10u : 0u);
  }
}

} // namespace
