// SPDX-License-Identifier: MIT
// The rectangular renderer: cell counts, traversal order per quadrant, the cell test,
// cancelling, failures, degenerate domains and the listing.
#include "TestSupport.h"
#include "render/surfaces/DrawDriver.h"
#include "render/surfaces/RectSurface.h"
#include "render/surfaces/SurfaceCells.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

// A kind-1 program at the defaults with a recording canvas and a counting host.
struct Fixture {
  Program p;
  RecordingCanvas canvas;
  TestHost host{&p.graph};

  Fixture() {
    setUpProgram(p, '1');
    p.canvas = &canvas;
    p.host = &host;
    p.graph.DrawContinue = 1;
  }
  void draw(bool listed = false) {
    p.graph.MovieMode = listed;
    refit(p);
    canvas.log.clear();
    DrawDriver(p);
  }
  std::vector<Recorded> cells() const { return canvas.only(Recorded::Polygon); }
};

TEST(RectCells, DefaultsGive225CellsAnd256Lines) {
  for (const bool listed : {false, true}) {
    SCOPED_TRACE(listed);
    Fixture f;
    f.draw(listed);
    EXPECT_EQ(f.cells().size(), 225u);
    EXPECT_EQ(f.p.Values.size(), 256u);
    EXPECT_EQ(f.host.polls, 225);
    EXPECT_EQ(f.host.cursor, (std::vector<bool>{true, false}));
  }
}

std::vector<Pixel> projected(Program& p, std::initializer_list<std::array<double, 2>> corners) {
  std::vector<Pixel> out;
  for (const auto& c : corners) out.push_back(ProjectPoint(p.view, c[0], c[1], 0));
  return out;
}

// With f = 0 each cell's corners are the projections of its grid corners, so the first and
// the last polygon show where the traversal starts and ends and which way it goes round.
TEST(RectTraversal, EachQuadrantStartsAtTheFarCorner) {
  constexpr double pi = GraphState::Pi;
  const struct {
    double theta;
    std::array<double, 2> firstGrid, firstAcross, lastGrid, lastAcross;
  } cases[] = {
      {0, {-3, -3}, {-2.4, -2.4}, {2.4, 2.4}, {3, 3}},
      {pi / 2, {-3, -3}, {-2.4, -2.4}, {2.4, 2.4}, {3, 3}},
      {pi / 2 + 1e-9, {3, -3}, {2.4, -2.4}, {-2.4, 2.4}, {-3, 3}},
      {pi, {3, -3}, {2.4, -2.4}, {-2.4, 2.4}, {-3, 3}},
      {pi + 1e-9, {3, 3}, {2.4, 2.4}, {-2.4, -2.4}, {-3, -3}},
      {3 * pi / 2, {3, 3}, {2.4, 2.4}, {-2.4, -2.4}, {-3, -3}},
      {3 * pi / 2 + 1e-9, {-3, 3}, {-2.4, 2.4}, {2.4, -2.4}, {3, -3}},
      {-0.1, {-3, 3}, {-2.4, 2.4}, {2.4, -2.4}, {3, -3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.theta);
    Fixture f;
    f.p.graph.XCurves = f.p.graph.YCurves = 10;
    f.p.graph.Theta = c.theta;
    f.draw();
    const auto cells = f.cells();
    ASSERT_EQ(cells.size(), 100u); // 10 per row: the last one is admitted within 0.001
    const auto [x0, y0] = c.firstGrid;
    const auto [x1, y1] = c.firstAcross;
    EXPECT_EQ(cells.front().points, projected(f.p, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}));
    const auto [x2, y2] = c.lastGrid;
    const auto [x3, y3] = c.lastAcross;
    EXPECT_EQ(cells.back().points, projected(f.p, {{x2, y2}, {x3, y2}, {x3, y3}, {x2, y3}}));
    // Outer loop over x: the second cell moves along y.
    EXPECT_EQ(cells[1].points[0], ProjectPoint(f.p.view, x0, y0 + (y1 - y0), 0));
  }
}

TEST(RectCellTest, CornerMayLieTwoBeyondTheZRange) {
  const struct {
    double zMin, zMax;
    std::size_t cells;
  } cases[] = {{-10, 10, 225}, {2, 10, 225}, {2.001, 10, 0}, {-10, -2, 225}, {-10, -2.001, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.zMin << ".." << c.zMax);
    Fixture f;
    f.p.graph.AxisZMin = c.zMin;
    f.p.graph.AxisZMax = c.zMax;
    f.draw();
    EXPECT_EQ(f.cells().size(), c.cells);
    EXPECT_EQ(f.p.Values.size(), 256u); // the listing does not look at the z range
  }
}

TEST(RectCellTest, OutlinePenFollowsGridColour) {
  for (const Color grid : {clTeal, clNone}) {
    Fixture f;
    f.p.graph.GridColor = grid;
    f.draw();
    const auto styles = f.canvas.only(Recorded::PenStyle);
    ASSERT_FALSE(styles.empty());
    // Each cell sets its style before its polygon and goes back to solid after it.
    EXPECT_EQ(styles[0].value, grid == clNone ? PenClear : PenSolid);
    EXPECT_EQ(styles[1].value, PenSolid);
  }
}

TEST(RectCellTest, FlatSurfaceSeenFromAboveIsShadedAboveColour) {
  Fixture f;
  f.draw();
  // f = 0: fx = fy = 0, intensity = Ez/|E| = cos(80 degrees).
  Color expected = 0;
  ShadeColor(clRed, expected, std::cos(f.p.graph.Phi));
  const auto brushes = f.canvas.only(Recorded::Brush);
  ASSERT_EQ(brushes.size(), 225u);
  for (const auto& b : brushes) EXPECT_EQ(b.value, expected);

  Fixture unshaded;
  unshaded.p.graph.ShadingOn = false;
  unshaded.p.graph.Phi = GraphState::Pi * 0.9; // from below: the under side shows
  unshaded.draw();
  for (const auto& b : unshaded.canvas.only(Recorded::Brush)) EXPECT_EQ(b.value, clYellow);
}

TEST(RectCancel, CellsSoFarStayAndNoListing) {
  for (const bool listed : {false, true}) {
    for (const int at : {1, 5, 225}) {
      SCOPED_TRACE(testing::Message() << "listed " << listed << " at " << at);
      Fixture f;
      f.host.cancelAt = at;
      f.draw(listed);
      EXPECT_EQ(f.cells().size(), listed ? 0u : static_cast<std::size_t>(at - 1));
      EXPECT_TRUE(f.p.Values.empty());
      EXPECT_EQ(f.p.graph.DrawContinue, 1);
      EXPECT_EQ(f.host.polls, at);
    }
  }
}

// Slots past the gathered cells are blanked for the movie: (XCurves + 1)(YCurves + 1).
TEST(RectListed, SortsFarthestFirstAndBlanksTheRest) {
  Fixture f;
  f.p.CellList[300].Distance = 99;
  f.draw(true);
  const auto& list = f.p.CellList;
  for (int i = 2; i <= 225; ++i) EXPECT_GE(list[i - 1].Distance, list[i].Distance);
  for (int i = 226; i <= 256; ++i) {
    EXPECT_EQ(list[i].Distance, 0);
    EXPECT_EQ(list[i].FillColor, clRed);
  }
  EXPECT_EQ(list[300].Distance, 99);
  const auto cells = f.cells();
  ASSERT_EQ(cells.size(), 225u);
  for (int i = 0; i < 225; ++i) {
    EXPECT_EQ(cells[i].points,
              std::vector<Pixel>(list[i + 1].Corners.begin(), list[i + 1].Corners.end()));
  }
}

TEST(RectListed, MovieFrameGetsTheSortedList) {
  Fixture f;
  f.p.FrameStore.resize(3);
  f.p.MovieFrameIndex = 2;
  f.draw(true);
  ASSERT_GE(f.p.FrameStore[2].size(), 6400u);
  EXPECT_EQ(f.p.FrameStore[2][0].Distance, f.p.CellList[1].Distance);
  EXPECT_TRUE(f.p.FrameStore[0].empty());
}

// A step below 0.001 lets the tolerance admit cells past the domain's end: 0..0.02 with 80
// curves makes 83 by 83 cells, more than 6400; the list grows to hold them.
TEST(RectFaults, TinyStepGridFitsTheList) {
  const struct {
    double max;
    std::size_t perRow;
  } cases[] = {{0.05, 81}, {0.02, 83}, {1e-9, MaxGridSteps}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.max);
    Fixture f;
    f.p.graph.XMin = f.p.graph.YMin = 0;
    f.p.graph.XMax = f.p.graph.YMax = c.max;
    f.p.graph.XCurves = f.p.graph.YCurves = 80;
    f.draw(true);
    EXPECT_EQ(f.cells().size(), c.perRow * c.perRow);
    EXPECT_GE(f.p.CellList.size(), c.perRow * c.perRow + 1);
  }
}

// 1e16 + 4/15 is 1e16 again: the step is lost below the value's precision.
TEST(RectFaults, LostStepEndsEveryLoop) {
  for (const bool listed : {false, true}) {
    Fixture f;
    f.p.graph.XMin = f.p.graph.YMin = 1e16;
    f.p.graph.XMax = f.p.graph.YMax = 1e16 + 4;
    f.p.graph.AxisZMin = -1e30, f.p.graph.AxisZMax = 1e30;
    const auto start = std::chrono::steady_clock::now();
    f.draw(listed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(f.p.Values.size(), 1u);
  }
}

TEST(RectFaults, ReversedDomainDrawsAndListsNothing) {
  Fixture f;
  f.p.graph.XCurves = -15;
  f.draw();
  EXPECT_TRUE(f.cells().empty());
  EXPECT_TRUE(f.p.Values.empty());
}

TEST(RectDegenerate, ZeroWidthDrawsOneCurveInGridColour) {
  const struct {
    double xMin, xMax, yMin, yMax;
    std::size_t segments, lines;
  } cases[] = {{1, 1, -3, 3, 16, 16}, {-3, 3, 2, 2, 16, 16}, {1, 1, 2, 2, 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.xMin << " " << c.yMin);
    Fixture f;
    f.p.graph.XMin = c.xMin, f.p.graph.XMax = c.xMax;
    f.p.graph.YMin = c.yMin, f.p.graph.YMax = c.yMax;
    f.draw();
    EXPECT_TRUE(f.cells().empty());
    EXPECT_EQ(f.canvas.only(Recorded::Line).size(), c.segments);
    EXPECT_EQ(f.canvas.only(Recorded::Move).size(), c.segments);
    EXPECT_EQ(f.canvas.only(Recorded::PenColor).front().value, clTeal);
    EXPECT_EQ(f.p.Values.size(), c.lines);
  }
}

// The renderer's choice between the two forms.
TEST(DrawDriverDispatch, KindsAndForms) {
  for (const char kind : {'0', '9'}) {
    Fixture f;
    f.p.Values.push_back("old");
    f.p.graph.GraphKind = kind;
    f.draw();
    EXPECT_TRUE(f.canvas.log.empty());
    EXPECT_TRUE(f.p.Values.empty());
  }
}

// Every kind's renderer starts a new listing and fills it with its own lines.
TEST(DrawDriverDispatch, EachKindListsItsOwnPoints) {
  const struct {
    char kind;
    std::size_t lines, width;
  } cases[] = {{'1', 256, 32}, {'2', 256, 32}, {'3', 51, 43}, {'4', 256, 32}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    DrawFixture f(c.kind);
    // A surface of kind 4 needs a normal: the defaults (all 0) end a shaded draw.
    f.p.graph.FunctionTextX = "u";
    f.p.graph.FunctionTextY = "v";
    f.p.Values.assign(3, "old");
    f.draw();
    ASSERT_EQ(f.p.Values.size(), c.lines);
    EXPECT_EQ(f.p.Values.front().size(), c.width);
  }
}

// --- These need the expression engine's real values. ---

TEST(RectFunctions, InvalidCornersRemoveCells) {
  Fixture f;
  f.p.graph.FunctionText = "sqrt(1-x^2-y^2)";
  f.p.graph.XMin = f.p.graph.YMin = -1;
  f.p.graph.XMax = f.p.graph.YMax = 1;
  f.p.graph.XCurves = f.p.graph.YCurves = 4;
  f.draw();
  // Grid -1, -0.5, 0, 0.5, 1: only the four cells round the origin have every corner on or
  // inside the unit circle; the listing omits the 12 points outside it (and keeps 13).
  EXPECT_EQ(f.cells().size(), 4u);
  EXPECT_EQ(f.p.Values.size(), 13u);
}

TEST(RectFunctions, EverythingOutsideTheRangeIsSkippedButListed) {
  Fixture f;
  f.p.graph.FunctionText = "x+100";
  f.draw();
  EXPECT_TRUE(f.cells().empty());
  EXPECT_EQ(f.p.Values.size(), 256u);
}

TEST(RectFunctions, FailedEvaluationBeepsOnceAndStops) {
  for (const bool listed : {false, true}) {
    Fixture f;
    f.p.graph.FunctionText = "2*+";
    f.draw(listed);
    EXPECT_EQ(f.host.beeps, 1);
    EXPECT_TRUE(f.p.graph.EvalFailed);
    EXPECT_TRUE(f.cells().empty());
    EXPECT_TRUE(f.p.Values.empty());
    EXPECT_EQ(f.host.polls, 1);
  }
}

TEST(RectFunctions, CutMakesHolesForOneCellEach) {
  Fixture f;
  // CUT of a negative argument marks the cell; the grid steps by 0.4 and passes x = 0.2, so
  // only the 7 columns from 0.2 to 3 are free of negative x. The flag holds for one cell
  // only: the cells after a cut one are painted again.
  f.p.graph.FunctionText = "cut(x)";
  f.draw();
  EXPECT_EQ(f.cells().size(), 7u * 15u);
  // The listing samples negative x too, and nothing clears the flag after it.
  EXPECT_TRUE(f.p.engine.CutFlag);
}

TEST(RectListing, BothFormats) {
  Fixture f;
  f.p.graph.FunctionText = "0.005";
  f.p.graph.XMin = f.p.graph.XMax = 1;
  f.p.graph.YMin = f.p.graph.YMax = 2;
  f.draw();
  ASSERT_EQ(f.p.Values.size(), 1u);
  EXPECT_EQ(f.p.Values[0], "     1.000      2.000        5.000E-03");
  f.p.graph.FunctionText = "1.5";
  f.draw();
  ASSERT_EQ(f.p.Values.size(), 1u);
  EXPECT_EQ(f.p.Values[0], "     1.000      2.000     1.5000");
}

} // namespace
