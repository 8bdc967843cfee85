// SPDX-License-Identifier: MIT
// Box, plane and line: the plane's three shapes, its sign rule, the messages before any data,
// the box after the extents pass, and values that have no place on the picture.
#include "TestSupport.h"
#include "graph/Corrections.h"
#include "render/Additions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

struct AdditionsFixture {
  Program p;
  RecordingCanvas canvas;
  std::vector<std::string> messages;
  AdditionsFixture() {
    setUpProgram(p, '1');
    p.canvas = &canvas;
    p.showMessage = [this](const std::string& m) { messages.push_back(m); };
  }
  GraphState& g() { return p.graph; }
};

TEST(Plane, ThreeShapesOfPatch) {
  const struct {
    PlaneData data;
    std::array<std::array<double, 3>, 4> corners;
  } cases[] = {
      // Normal (0, 0, 1): the horizontal square 0.6..1.4 x 1.6..2.4 at height 3.
      {{1, 2, 3, 0, 0, 1, -0.4, 0.4, -0.4, 0.4},
       {{{0.6, 1.6, 3}, {1.4, 1.6, 3}, {1.4, 2.4, 3}, {0.6, 2.4, 3}}}},
      // Normal (1, 0, 0): the rectangle x = 2, y 0.6..1.4, z -0.4..0.4.
      {{2, 1, 0, 1, 0, 0, -0.4, 0.4, -0.4, 0.4},
       {{{2, 0.6, 0.4}, {2, 1.4, 0.4}, {2, 1.4, -0.4}, {2, 0.6, -0.4}}}},
      // Normal (1, 1, 0): a vertical strip along y = -x from x = 0.4 to x = -0.4.
      {{0, 0, 0, 1, 1, 0, -0.4, 0.4, -0.4, 0.4},
       {{{0.4, -0.4, 0.4}, {-0.4, 0.4, 0.4}, {-0.4, 0.4, -0.4}, {0.4, -0.4, -0.4}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.data.A << "," << c.data.B << "," << c.data.C);
    AdditionsFixture f;
    f.g().Plane = c.data;
    f.g().PlaneDefined = f.g().PlaneOn = true;
    PlaneRoutine(f.p);
    const auto polygons = f.canvas.only(Recorded::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    for (std::size_t i = 0; i < 4; ++i) {
      const auto& q = c.corners[i];
      EXPECT_EQ(polygons[0].points[i], ProjectPoint(f.p.view, q[0], q[1], q[2])) << i;
    }
    // The point is marked in lime, and the axes are drawn again (their three letters).
    const Pixel mark = ProjectPoint(f.p.view, c.data.X0, c.data.Y0, c.data.Z0);
    bool marked = false;
    for (std::size_t i = 1; i + 1 < f.canvas.log.size(); ++i) {
      marked =
          marked || (f.canvas.log[i - 1].value == clLime &&
                     f.canvas.log[i].kind == Recorded::Move && f.canvas.log[i].points[0] == mark);
    }
    EXPECT_TRUE(marked);
    EXPECT_EQ(f.canvas.only(Recorded::Text).size(), 3u);
  }
}

TEST(Plane, SizeFieldsKeepTheirSign) {
  const struct {
    const char *minX, *maxX, *minY, *maxY;
    double expect[4];
  } cases[] = {
      {"0.5", "", "", "", {-0.4, 0.4, -0.4, 0.4}}, // MinX must stay below 0
      {"-1", "0", "-2", "-3", {-1, 0.4, -2, 0.4}}, // MaxX 0 and MaxY -3 are refused
      {"-p", "2*p", "oops", "1", {-GraphState::Pi, 2 * GraphState::Pi, -0.4, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.minX);
    AdditionsFixture f;
    PreparePlaneData(f.g());
    StorePlaneFields(f.p, {"", "", "", "", "", "", c.minX, c.maxX, c.minY, c.maxY});
    const PlaneData& d = f.g().Plane;
    EXPECT_EQ((std::array<double, 4>{d.MinX, d.MaxX, d.MinY, d.MaxY}),
              (std::array<double, 4>{c.expect[0], c.expect[1], c.expect[2], c.expect[3]}));
    // Only the size changed: still no plane data, and the next call starts over.
    EXPECT_FALSE(f.g().PlaneDefined);
    PreparePlaneData(f.g());
    EXPECT_EQ(f.g().Plane.MinX, -0.4);
  }
}

TEST(Plane, PointOrNormalChangeDefinesThePlane) {
  AdditionsFixture f;
  PreparePlaneData(f.g());
  StorePlaneFields(f.p, {"", "", "0", "", "", "", "", "", "", ""});
  EXPECT_FALSE(f.g().PlaneDefined); // 0 is what it held
  StorePlaneFields(f.p, {"", "", "", "", "", "1", "", "", "", ""});
  EXPECT_TRUE(f.g().PlaneDefined);
  EXPECT_EQ(f.g().Plane.C, 1);
}

TEST(Additions, MessagesBeforeAnyData) {
  AdditionsFixture f;
  f.g().PlaneOn = f.g().LineOn = true;
  PlaneRoutine(f.p);
  LineRoutine(f.p);
  EXPECT_EQ(f.messages, (std::vector<std::string>{std::string(PlaneDataMissing),
                                                  std::string(LineDataMissing)}));
  EXPECT_TRUE(f.canvas.only(Recorded::Line).empty());
  EXPECT_TRUE(f.canvas.only(Recorded::Polygon).empty());
  // Switched off, neither routine says anything.
  f.g().PlaneOn = f.g().LineOn = false;
  PlaneRoutine(f.p);
  LineRoutine(f.p);
  EXPECT_EQ(f.messages.size(), 2u);
}

TEST(Box, EdgesOfTheExtentsAfterThePass) {
  AdditionsFixture f;
  f.g().FunctionText = "x+y";
  f.g().DrawBoxChecked = false;
  BoxRoutine(f.p);
  // The extents are computed even when the box is not drawn.
  EXPECT_DOUBLE_EQ(f.g().ZMin, -6);
  EXPECT_DOUBLE_EQ(f.g().ZMax, 6);
  EXPECT_TRUE(f.canvas.log.empty());

  f.g().DrawBoxChecked = true;
  BoxRoutine(f.p);
  const View& v = f.p.view;
  const auto at = [&](double x, double y, double z) { return ProjectPoint(v, x, y, z); };
  std::vector<Pixel> moves, lines;
  for (const auto& r : f.canvas.log) {
    if (r.kind == Recorded::Move) moves.push_back(r.points[0]);
    if (r.kind == Recorded::Line) lines.push_back(r.points[0]);
  }
  EXPECT_EQ(moves,
            (std::vector<Pixel>{at(3, 3, -6), at(3, -3, -6), at(-3, -3, -6), at(-3, 3, -6)}));
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], at(3, -3, -6));
  EXPECT_EQ(lines[4], at(3, 3, 6)); // up the edge at (XMax, YMax)
  EXPECT_EQ(lines[8], at(3, 3, 6)); // the top closed
  EXPECT_EQ(lines[11], at(-3, 3, 6));
}

TEST(AdditionsFaults, ValuesWithNoPlaceOnThePicture) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const PlaneData planes[] = {
      {0, 0, 0, nan, 0, 1, -1, 1, -1, 1},
      {0, 0, 0, 1, 1, nan, -1, 1, -1, 1},
      {inf, 0, 0, 0, 0, 1, -1, 1, -1, 1},
      {0, 0, 0, 1, 0, 1e-300, -1, 1, -1, 1}, // corners overflow to infinity
  };
  for (const PlaneData& d : planes) {
    SCOPED_TRACE(testing::Message() << d.X0 << " " << d.A << " " << d.C);
    Program p;
    setUpProgram(p, '1');
    p.graph.Plane = d;
    p.graph.PlaneDefined = p.graph.PlaneOn = true;
    PlaneRoutine(p); // draws into the real picture: nothing may land outside it
    EXPECT_EQ(p.pictureCanvas.pixel(0, 0), clWhite);
  }
  Program p;
  setUpProgram(p, '1');
  p.graph.Line = LineData{0, 0, 0, 1e300, 1e300, 1e300};
  p.graph.LineDefined = p.graph.LineOn = true;
  LineRoutine(p);
  const Pixel o = ProjectPoint(p.view, 0, 0, 0);
  EXPECT_EQ(p.pictureCanvas.pixel(o.x, o.y), clBlue); // the line starts at the origin
}

} // namespace

namespace {

// The picture sequences: the additions follow the graph and precede the axes.
TEST(AdditionsSequence, DrawAndRotationDrawWhatIsOnAndClearSwitchesOff) {
  for (const bool rotate : {false, true}) {
    SCOPED_TRACE(rotate);
    AdditionsFixture f;
    f.g().FunctionText = "x*y";
    f.g().FunctionReady = true;
    f.g().Plane = PlaneData{0, 0, 0, 0, 0, 1, -1, 1, -1, 1};
    f.g().Line = LineData{-3, -3, 0, 3, 3, 9};
    f.g().PlaneDefined = f.g().LineDefined = true;
    f.g().PlaneOn = f.g().LineOn = f.g().DrawBoxChecked = true;
    if (rotate) {
      RotatePicture(f.p, Arrow::Right);
    } else {
      DrawSequencePicture(f.p);
    }
    const auto& log = f.canvas.log;
    const auto lastPolygon = std::find_if(
        log.rbegin(), log.rend(), [](const Recorded& r) { return r.kind == Recorded::Polygon; });
    ASSERT_NE(lastPolygon, log.rend());
    // The plane is the last polygon, and its patch spans (-1..1) around the origin.
    EXPECT_EQ(lastPolygon->points[0], ProjectPoint(f.p.view, -1, -1, 0));
    const Pixel lineEnd = ProjectPoint(f.p.view, 3, 3, 9);
    const bool lineDrawn = std::any_of(log.begin(), log.end(), [&](const Recorded& r) {
      return r.kind == Recorded::Line && r.points[0] == lineEnd;
    });
    EXPECT_TRUE(lineDrawn);
    EXPECT_DOUBLE_EQ(f.g().ZMax, 9);            // the box ran its extents pass
    EXPECT_EQ(log.back().kind, Recorded::Line); // the axes' last tick comes last
  }
  AdditionsFixture f;
  f.g().PlaneOn = f.g().LineOn = true;
  ClearScreenPicture(f.p);
  EXPECT_FALSE(f.g().PlaneOn || f.g().LineOn);
}

} // namespace
