// SPDX-License-Identifier: MIT
// Fit Axes to Graph: the axes box from the extents pass, widened to whole numbers.
#include "graph/AxesFit.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace {

class CountingHost : public Host {
public:
  void beep() override { ++beeps; }
  int beeps = 0;
};

using Box = std::array<double, 6>;

Box axesOf(const GraphState& g) {
  return {g.AxisXMin, g.AxisXMax, g.AxisYMin, g.AxisYMax, g.AxisZMin, g.AxisZMax};
}

TEST(FitAxisRange, WholeNumbersOutwardAndAtLeastOneWide) {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double low, high;
    bool fitted;
    double min, max;
  };
  const Case cases[] = {
      {0.08, 18, true, 0, 18},  {-0.965, 0.965, true, -1, 1}, {5, 5, true, 5, 6},
      {2.5, 2.5, true, 2, 3},   {-0.5, -0.2, true, -1, 0},    {-7, 4.0001, true, -7, 5},
      {nan, 1, false, -10, 10}, {0, inf, false, -10, 10},     {1e300, 1e300, false, -10, 10},
      {3, 1, false, -10, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << " .. " << c.high);
    double min = -10, max = 10;
    EXPECT_EQ(FitAxisRange(c.low, c.high, min, max), c.fitted);
    EXPECT_EQ(min, c.min);
    EXPECT_EQ(max, c.max);
  }
}

struct FitCase {
  char kind;
  const char* f; // kinds 1 and 2
  const char* x; // kinds 3 and 4
  const char* y;
  const char* z;
  Box domain; // the kind's domain fields, in the domain dialog's order
  bool fitted;
  Box axes; // the box after the fit
};

void setDomain(GraphState& g, const Box& d) {
  switch (g.GraphKind) {
  case '1':
    g.XMin = d[0], g.XMax = d[1], g.YMin = d[2], g.YMax = d[3];
    break;
  case '2':
    g.RMin = d[0], g.RMax = d[1], g.TMin = d[2], g.TMax = d[3];
    break;
  case '3':
    g.TMin = d[0], g.TMax = d[1];
    break;
  default:
    g.UMin = d[0], g.UMax = d[1], g.VMin = d[2], g.VMax = d[3];
  }
}

TEST(FitAxes, BoxPerKindFromTheExtentsPass) {
  const double twoPi = 2 * GraphState::Pi;
  const FitCase cases[] = {
      // z only for kind 1; the grid passes +-0.2, not 0, so the low end is 0.08.
      {'1', "x^2+y^2", "", "", "", {-3, 3, -3, 3}, true, {-3, 3, -3, 3, 0, 18}},
      {'1', "sin(x)*cos(y)", "", "", "", {-3, 3, -3, 3}, true, {-3, 3, -3, 3, -1, 1}},
      // Constants keep a width of 1.
      {'1', "5", "", "", "", {-3, 3, -3, 3}, true, {-3, 3, -3, 3, 5, 6}},
      {'1', "2.5", "", "", "", {-3, 3, -3, 3}, true, {-3, 3, -3, 3, 2, 3}},
      // A pass that fails at its first point fits nothing.
      {'1', "x+", "", "", "", {-3, 3, -3, 3}, false, {-3, 3, -3, 3, -10, 10}},
      {'1', "1e300", "", "", "", {-3, 3, -3, 3}, false, {-3, 3, -3, 3, -10, 10}},
      // All three axes for the other kinds.
      {'2', "r", "", "", "", {0, 5, 0, twoPi}, true, {-5, 5, -5, 5, 0, 5}},
      {'3', "", "cos(t)", "sin(t)", "t", {0, 5, 0, 0}, true, {-1, 1, -1, 1, 0, 5}},
      {'4', "", "u", "v", "u*v", {-2, 2, 0, 1}, true, {-2, 2, 0, 1, -2, 2}},
      // The curve pass takes its first point's failed values (0) before it stops.
      {'3', "", "t+", "t+", "t+", {0, 5, 0, 0}, true, {0, 1, 0, 1, 0, 1}},
  };
  for (const FitCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << ": " << c.f << c.x << ", " << c.y << ", " << c.z);
    CountingHost host;
    Session s;
    s.host = &host;
    ChooseGraphKind(s, c.kind);
    GraphState& g = s.graph;
    g.AxisXMin = -3, g.AxisXMax = 3, g.AxisYMin = -3, g.AxisYMax = 3;
    g.AxisZMin = -10, g.AxisZMax = 10;
    g.FunctionText = c.f;
    g.FunctionTextX = c.x, g.FunctionTextY = c.y, g.FunctionTextZ = c.z;
    setDomain(g, c.domain);
    const GraphState before = g;
    EXPECT_EQ(FitAxesToGraph(s), c.fitted);
    EXPECT_EQ(axesOf(g), c.axes);
    EXPECT_EQ(g.AxesChanged, axesOf(before) != c.axes);
    // The pass's traces are gone: extents, stepped variables and the failure flag.
    EXPECT_FALSE(g.EvalFailed);
    EXPECT_EQ(g.ZMin, before.ZMin);
    EXPECT_EQ(g.XMax, before.XMax);
    EXPECT_EQ(g.VarT, before.VarT);
    for (int i = 0; i < 6; i += 2) EXPECT_GE(c.axes[i + 1] - c.axes[i], 1);
  }
}

TEST(FitAxes, FailingEvaluationsStillBeep) {
  CountingHost host;
  Session s;
  s.host = &host;
  ChooseGraphKind(s, '1');
  s.graph.FunctionText = "x+";
  FitAxesToGraph(s);
  EXPECT_EQ(host.beeps, 1);
}

} // namespace
