// SPDX-License-Identifier: MIT
// Movies: the frame-count rules, the frames recorded per view, Theta after a build, blank
// frames, a cancelled first frame, and replaying in order without reading past a frame.
#include "TestSupport.h"

#include "render/Movie.h"
#include "render/surfaces/DrawDriver.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double Pi = GraphState::Pi;

void drawn(Program& p, const char* text, int curves) {
  p.graph.FunctionText = text;
  p.graph.XCurves = p.graph.YCurves = curves;
  DrawSequencePicture(p);
}

// Every record from the first on has all its corners at (0, 0).
bool blank(const std::vector<CellRecord>& frame, std::size_t first = 0) {
  for (std::size_t i = first; i < frame.size(); ++i)
    for (const Pixel& corner : frame[i].Corners)
      if (corner.x != 0 || corner.y != 0) return false;
  return true;
}

TEST(MovieSettings, FrameCountRules) {
  struct Row {
    const char* text;
    bool accepted;
    int before, after;
  };
  const Row rows[] = {
      {"0", true, 16, 2},    {"-5", true, 16, 2},     {"1", true, 16, 1},
      {"33", true, 16, 32},  {"1e300", true, 16, 32}, {"2.5", true, 16, 2},
      {"3.5", true, 16, 4},  {"4*2", true, 16, 8},    {"", true, 12, 12},
      {"a#c", true, 12, 12}, {"0/0", true, 12, 12},   {"sqrt(-1)", true, 12, 12},
      {"20", false, 12, 12}, {"20", false, 0, 2},     {"20", false, 40, 32},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    Program p;
    setUpProgram(p, '1');
    p.graph.MovieFrameCount = row.before;
    StoreMovieFrameCount(p, row.text, row.accepted);
    EXPECT_EQ(p.graph.MovieFrameCount, row.after);
  }
}

TEST(MovieSettings, SpeedButtonsAndRecordCount) {
  EXPECT_EQ(movieDelayOf(MovieSpeed::Slow), 800);
  EXPECT_EQ(movieDelayOf(MovieSpeed::Medium), 500);
  EXPECT_EQ(movieDelayOf(MovieSpeed::Faster), 150);
  EXPECT_EQ(movieDelayOf(MovieSpeed::Fastest), 0);
  GraphState g;
  g.XCurves = 15;
  g.YCurves = 15;
  EXPECT_EQ(MovieRecordCount(g), 256);
  g.XCurves = 80;
  g.YCurves = 1;
  EXPECT_EQ(MovieRecordCount(g), 162);
}

// Each frame is the sorted cell list of one view: frame k is what a listed draw at the k-th
// angle leaves, and the eye ends where it started.
TEST(MovieBuild, EachFrameIsTheViewAtItsAngle) {
  Program p;
  setUpProgram(p, '1');
  drawn(p, "x*x-y*y", 6);
  p.graph.MovieFrameCount = 4;
  p.graph.Theta = 5.9; // near a full turn: the frames wrap past 2 pi
  BuildMovieFrames(p);
  EXPECT_FALSE(p.graph.MovieMode);
  EXPECT_TRUE(MovieBuilt(p));
  EXPECT_GE(p.graph.Theta, 0);
  EXPECT_LT(p.graph.Theta, 2 * Pi);
  EXPECT_NEAR(p.graph.Theta, 5.9, 1e-12);

  Program q;
  setUpProgram(q, '1');
  drawn(q, "x*x-y*y", 6);
  q.FrameStore.resize(2);
  q.graph.MovieMode = true;
  q.MovieFrameIndex = 1;
  double theta = 5.9;
  for (int k = 1; k <= 4; ++k) {
    SCOPED_TRACE(k);
    q.graph.Theta = theta;
    SetViewTransform(q.view, q.graph.PlaneDistance, q.graph.Rho, q.graph.Theta, q.graph.Phi);
    DrawDriver(q);
    ASSERT_EQ(p.FrameStore[k].size(), q.FrameStore[1].size());
    for (std::size_t i = 0; i < 36; ++i) {
      EXPECT_EQ(p.FrameStore[k][i].Corners, q.FrameStore[1][i].Corners);
      EXPECT_EQ(p.FrameStore[k][i].FillColor, q.FrameStore[1][i].FillColor);
    }
    theta += 90 * Pi / 180;
  }
}

// The movie turns Theta with Rho and Phi fixed: an eye seen from the start may come too near
// the box on the way round (at Rho 5.8 the default box between Theta 31.6 and 58.4 and in the
// same places of each quarter turn). Such a movie is not built and nothing changes; the first
// refused frame's eye is named.
TEST(MovieBuild, ATurnThatBringsTheEyeTooNearIsNotBuilt) {
  const struct {
    double rho;
    int frames;
    bool refused;
    double theta; // degrees, of the eye refused
  } cases[] = {
      {200, 16, false, 0},   {12, 16, false, 0},
      {5.8, 16, true, 52.5}, {5.8, 2, false, 0}, // 30 and 210
      {5.8, 3, false, 0},                        // 30, 150 and 270
      {5.8, 5, true, 318},                       // 30, 102, 174, 246 and 318
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rho << " over " << c.frames);
    Program p;
    setUpProgram(p, '1');
    p.graph.Rho = c.rho;
    drawn(p, "x*y", 6);
    p.graph.MovieFrameCount = c.frames;
    const std::optional<Eye> refused = MovieEyeRefused(p.graph);
    ASSERT_EQ(refused.has_value(), c.refused);
    if (refused) {
      EXPECT_NEAR(refused->theta * 180 / Pi, c.theta, 1e-9);
      EXPECT_EQ(refused->rho, c.rho);
    }
    const QImage before = p.Picture.copy();
    EXPECT_EQ(BuildMovieFrames(p), !c.refused);
    EXPECT_EQ(MovieBuilt(p), !c.refused);
    EXPECT_NEAR(p.graph.Theta * 180 / Pi, 30, 1e-9);
    if (c.refused) {
      EXPECT_EQ(p.Picture, before);
      EXPECT_TRUE(p.graph.GraphShown);
    }
  }
}

// Only the last frame lists the values; the listing and the flags after a build are those a
// listed draw at the last angle leaves, for surfaces that fail in part of the domain too.
TEST(MovieBuild, TheListingAfterABuildIsThatOfTheLastFrame) {
  struct Row {
    char kind;
    const char* x;
    const char* y;
    const char* z;
  };
  const Row rows[] = {
      {'1', "", "", "sqrt(x+y+9)"},        {'1', "", "", "sqrt(x)"},
      {'2', "", "", "ln(r)*cos(t)"},       {'4', "cos(u)*sqrt(v)", "sin(u)", "v"},
      {'4', "cos(u)", "sin(u)", "cut(v)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.z);
    Program p, q;
    for (Program* each : {&p, &q}) {
      setUpProgram(*each, row.kind);
      GraphState& g = each->graph;
      g.FunctionText = g.FunctionTextZ = row.z;
      g.FunctionTextX = row.x;
      g.FunctionTextY = row.y;
      g.XCurves = g.YCurves = 5;
      DrawSequencePicture(*each);
    }
    p.graph.MovieFrameCount = 3;
    BuildMovieFrames(p);
    q.FrameStore.resize(2);
    q.graph.MovieMode = true;
    q.MovieFrameIndex = 1;
    q.graph.Theta += 2 * (120 * Pi / 180);
    SetViewTransform(q.view, q.graph.PlaneDistance, q.graph.Rho, q.graph.Theta, q.graph.Phi);
    DrawDriver(q);
    EXPECT_EQ(p.Values, q.Values);
    // The cells of the last view; a draw that stopped early recorded none.
    const auto& cells = q.FrameStore[1];
    ASSERT_GE(p.FrameStore[3].size(), cells.size());
    for (std::size_t i = 0; i < std::min<std::size_t>(cells.size(), 25); ++i)
      EXPECT_EQ(p.FrameStore[3][i], cells[i]);
    EXPECT_EQ(p.engine.MathError, q.engine.MathError);
    EXPECT_EQ(p.engine.CutFlag, q.engine.CutFlag);
    EXPECT_EQ(p.graph.EvalFailed, q.graph.EvalFailed);
  }
}

TEST(MovieBuild, ACancelledFirstFrameStaysBlankAndTheOthersAreRecorded) {
  Program p;
  setUpProgram(p, '1');
  p.graph.FunctionText = "x+y";
  p.graph.FunctionReady = true;
  // Before any Draw the flag is 0, as a press of Cancel Draw would leave it.
  p.graph.DrawContinue = 0;
  p.graph.MovieFrameCount = 3;
  BuildMovieFrames(p);
  EXPECT_TRUE(blank(p.FrameStore[1]));
  EXPECT_FALSE(blank(p.FrameStore[2]));
  EXPECT_FALSE(blank(p.FrameStore[3]));
}

TEST(MovieBuild, ASpaceCurveRecordsBlankFrames) {
  Program p;
  setUpProgram(p, '3');
  p.graph.FunctionTextX = "cos(t)";
  p.graph.FunctionTextY = "sin(t)";
  p.graph.FunctionTextZ = "t";
  DrawSequencePicture(p);
  p.graph.MovieFrameCount = 2;
  BuildMovieFrames(p);
  for (int k = 1; k <= 2; ++k) EXPECT_TRUE(blank(p.FrameStore[k]));
}

// The player paints frames 1, 2, ..., N, 1, ... and stops at the poll that finds the cancel.
TEST(MoviePlay, FramesReplayInOrderUntilStopped) {
  Program p;
  TestHost host(&p.graph);
  p.host = &host;
  setUpProgram(p, '1');
  drawn(p, "x*y", 5);
  p.graph.MovieFrameCount = 3;
  p.graph.MovieDelay = 0;
  BuildMovieFrames(p);
  const std::vector<QImage> frames = MovieFrameImages(p);
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_NE(frames[0], frames[1]);
  std::vector<int> shown;
  host.polls = 0;
  host.cancelAt = 6;
  PlayMovieFrames(p, [&] {
    for (int k = 0; k < 3; ++k)
      if (p.Picture == frames[k]) shown.push_back(k + 1);
  });
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 1, 2}));
  EXPECT_FALSE(p.graph.MovieMode);
  EXPECT_EQ(p.graph.DrawContinue, 1);
  p.host = &silentHost();
}

// More curves or frames than were recorded replay empty records at the top-left pixel; nothing
// is read past a stored frame (the sanitizers watch this).
TEST(MoviePlay, ChangedCurvesAndCountNeverReadPastTheFrames) {
  Program p;
  setUpProgram(p, '1');
  drawn(p, "x*y", 3);
  p.graph.MovieFrameCount = 2;
  BuildMovieFrames(p);
  p.graph.XCurves = p.graph.YCurves = 80;
  p.graph.MovieFrameCount = 32;
  const std::vector<QImage> frames = MovieFrameImages(p);
  ASSERT_EQ(frames.size(), 32u);
  // An unrecorded frame is the background but for the empty records at (0, 0).
  int painted = 0;
  for (int y = 0; y < frames[31].height(); ++y)
    for (int x = 0; x < frames[31].width(); ++x) painted += frames[31].pixel(x, y) != 0xFFFFFFFFu;
  EXPECT_LE(painted, 1);
  ReleaseMovie(p);
  EXPECT_FALSE(MovieBuilt(p));
  // The first record takes the cell under construction, as every blanking does.
  EXPECT_TRUE(blank(p.FrameStore[1], 1));
}

} // namespace
