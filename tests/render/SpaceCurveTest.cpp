// SPDX-License-Identifier: MIT
// The space-curve renderer: the 51 points of the defaults and the zero-length first segment,
// the failure rules, pauses, the bound on the number of points and the listing.
#include "TestSupport.h"
#include "graph/Corrections.h"
#include "render/surfaces/SpaceCurve.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Curve : DrawFixture {
  Curve() : DrawFixture('3') {}
};

TEST(CurvePoints, DefaultsVisit51ValuesOfT) {
  Curve f;
  f.p.graph.FunctionTextX = "Cos(t)";
  f.p.graph.FunctionTextY = "Sin(t)";
  f.p.graph.FunctionTextZ = "t";
  f.draw();
  const auto lines = f.canvas.only(Recorded::Line);
  ASSERT_EQ(lines.size(), 52u); // the start point and 51 segments
  const Pixel start = ProjectPoint(f.p.view, 1, 0, 0);
  EXPECT_EQ(f.canvas.only(Recorded::Move).at(0).points[0], start);
  // The first segment of the loop goes to the start point again.
  EXPECT_EQ(lines[0].points[0], start);
  EXPECT_EQ(lines[1].points[0], start);
  EXPECT_EQ(f.host.polls, 51);
  ASSERT_EQ(f.p.Values.size(), 51u);
  // The fiftieth sum of 0.1 falls just below 5, so 5 itself is never reached.
  EXPECT_EQ(f.p.Values.back(), "     5.000      0.284     -0.959     5.0000");
  EXPECT_LT(f.p.graph.VarT, 5.0 + 0.1);
  EXPECT_EQ(f.canvas.only(Recorded::PenColor).front().value, clBlue);
}

TEST(CurvePoints, DomainAndStepShapes) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double tMin, tMax, step;
    std::size_t lines, listed;
  } cases[] = {
      {5, 0, 0.1, 1, 0},       // reversed: the start point only, nothing listed
      {0, 5, 10, 2, 1},        // one step past the end: the zero-length segment
      {0, 5, 0, 2, 1},         // no step: one point, never a loop without end
      {0, 5, -0.1, 2, 1},      // a step backwards would never reach the end
      {0, 5, nan, 2, 1},       //
      {1e16, 1e17, 0.5, 2, 1}, // the step is lost below the precision of t
      {nan, 5, 0.1, 1, 0},     //
      {-inf, inf, 1, 2, 1},    // -inf + 1 is -inf again
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.tMin << ".." << c.tMax << " by " << c.step);
    Curve f;
    f.p.graph.TMin = c.tMin, f.p.graph.TMax = c.tMax, f.p.graph.TStep = c.step;
    f.draw();
    EXPECT_EQ(f.count(Recorded::Line), c.lines);
    EXPECT_EQ(f.p.Values.size(), c.listed);
  }
}

// A curve never has more than MaxCurveSteps + 1 points, however the domain and step were set.
TEST(CurvePoints, BoundedWhateverTheDomain) {
  Curve f;
  f.p.graph.TMax = std::numeric_limits<double>::infinity();
  f.p.graph.TStep = 1;
  f.draw();
  const auto most = static_cast<std::size_t>(MaxCurveSteps) + 1;
  EXPECT_EQ(f.count(Recorded::Line), most + 1);
  EXPECT_EQ(f.p.Values.size(), most);
}

TEST(CurveFailures, OnlyTheZEvaluationEndsTheCurve) {
  const struct {
    const char *x, *z;
    std::size_t lines, listed;
    int beeps;
    bool failed;
  } cases[] = {
      // z fails at the start: the start point alone.
      {"0", "Sqrt(t-1)", 1, 0, 1, true},
      // z fails from t = 1.1 on: the segment to that point is drawn, then the curve ends.
      {"0", "Sqrt(1.05-t)", 13, 0, 1, true},
      // x fails below t = 1: each failure beeps, the curve and the listing go on.
      {"Sqrt(t-1)", "0", 52, 51, 1 + 11 + 11, false},
      {"2*+", "0", 52, 51, 1 + 51 + 51, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << " " << c.z);
    Curve f;
    f.p.graph.FunctionTextX = c.x;
    f.p.graph.FunctionTextZ = c.z;
    f.draw();
    EXPECT_EQ(f.count(Recorded::Line), c.lines);
    EXPECT_EQ(f.p.Values.size(), c.listed);
    EXPECT_EQ(f.host.beeps, c.beeps);
    EXPECT_EQ(f.p.graph.EvalFailed, c.failed);
  }
}

TEST(CurveCancel, PartDrawnStaysWithoutListing) {
  Curve f;
  f.host.cancelAt = 3;
  f.draw();
  EXPECT_EQ(f.count(Recorded::Line), 3u); // the start point and two segments
  EXPECT_TRUE(f.p.Values.empty());
  EXPECT_EQ(f.p.graph.DrawContinue, 1);
}

// The test host's clock moves one millisecond per reading: a pause of 20 reads it 21 times.
TEST(CurvePauses, WindowPausesUnlessRotatingWithinABudget) {
  const struct {
    bool pauses, rotating;
    double tMax;
    int reads;
  } cases[] = {
      {true, false, 5, 51 * 21},
      {true, true, 5, 0},
      {false, false, 5, 0},
      // 1001 points: a pause after every 11 segments, 91 in all, within the budget of 2 s.
      {true, false, 100, 91 * 21},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pauses << c.rotating << " " << c.tMax);
    Curve f;
    f.p.CurvePauses = c.pauses;
    f.p.graph.Rotating = c.rotating;
    f.p.graph.TMax = c.tMax;
    f.draw();
    EXPECT_EQ(f.host.tickReads, c.reads);
  }
}

// Whatever the curve's length, its pauses add up to at most the budget: longer curves grow in
// larger steps.
TEST(CurvePauses, AnyCurveGrowsWithinTheBudget) {
  const struct {
    double tMin, tMax, step;
    std::int64_t perPause;
  } cases[] = {{0, 5, 0.1, 1},       {0, 9.9, 0.1, 1}, {0, 10, 0.1, 2}, {0, 100, 0.1, 11},
               {0, 1e5, 0.1, 10001}, {5, 0, 0.1, 1},   {0, 5, 0, 1},    {0, 5, -1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.tMin << ".." << c.tMax << " by " << c.step);
    GraphState g;
    g.TMin = c.tMin, g.TMax = c.tMax, g.TStep = c.step;
    EXPECT_EQ(CurveSegmentsPerPause(g), c.perPause);
    const double points = c.step > 0 ? std::max(0.0, (c.tMax - c.tMin) / c.step) + 1 : 1;
    EXPECT_LE(points / CurveSegmentsPerPause(g) * CurveSegmentPauseMs, 2000 + 20);
  }
}

TEST(CurveStep, BoundAdmitsAMillionStepsAndRefusesMore) {
  const struct {
    double tMin, tMax, step;
    bool allowed;
  } cases[] = {
      {0, 5, 0.1, true},  {0, 5, 5e-6, true}, {0, 5, 4.9e-6, false}, {0, 5, 1e-9, false},
      {5, 0, 1e-9, true}, {2, 2, 1e-9, true}, {0, 5, 0, false},      {0, 5, -0.1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.tMin << ".." << c.tMax << " by " << c.step);
    GraphState g;
    g.TMin = c.tMin, g.TMax = c.tMax, g.TStep = c.step;
    EXPECT_EQ(CurveStepAllowed(g), c.allowed);
  }
}

} // namespace
