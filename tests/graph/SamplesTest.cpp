// SPDX-License-Identifier: MIT
// The example functions: each loads into its kind's fields and is worth drawing.
#include "graph/Samples.h"
#include "graph/Session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr double Pi = 3.141592653589793;

// A point inside the domain the example's caption suggests, and the value(s) worked out by
// hand there: z for kinds 1 and 2, x, y, z for kinds 3 and 4.
struct Row {
  char kind;
  int n;
  double first, second; // x,y / r,t / t / u,v
  double x, y, z;       // kinds 1 and 2 use z only
};

const Row Rows[] = {
    {'1', 1, 1, 0, 0, 0, 2},
    {'1', 2, 1, 2, 0, 0, 1},
    {'1', 3, -3, 4, 0, 0, 4.8},
    {'1', 4, 1, Pi / 2, 0, 0, 10 / Pi},
    {'1', 5, 0, Pi / 2, 0, 0, 1},
    {'1', 6, 1.5, -2.25, 0, 0, -0.125},
    {'1', 7, 2, 1, 0, 0, std::log(4.0)},
    {'1', 8, 2.5, -1.5, 0, 0, 4},
    {'1', 9, 4, 2, 0, 0, 2},
    {'1', 10, 3, 4, 0, 0, std::cos(5.0)},
    {'2', 1, 2, 1, 0, 0, 2},
    {'2', 2, 3, 0, 0, 0, 9},
    {'2', 3, 0.6, 0, 0, 0, 0.8},
    {'2', 4, 1, 2, 0, 0, 2},
    {'2', 5, 2, 0, 0, 0, 0.5},
    {'2', 6, Pi / 2, 0, 0, 0, 2 / Pi},
    {'2', 7, Pi, Pi / 2, 0, 0, -1},
    {'2', 8, 0.5, Pi / 4, 0, 0, 0.5},
    {'2', 9, 2, 0, 0, 0, 4},
    {'3', 1, Pi / 2, 0, 0, 2, Pi / 20},
    {'3', 2, Pi, 0, -1, Pi, Pi / 10},
    {'4', 1, 0, 0, 3, 0, 0},
    {'4', 2, 0.5, 0, 0.5, 0, 0.5},
    {'4', 3, 1, Pi, -1, 0, 0},
    {'4', 4, 0, Pi / 2, 2, 0, 1},
    {'4', 5, 0, Pi / 2, 0, 3, 0},
    {'4', 6, 0, 1.5, 3, 0, 2.25},
    {'4', 7, 1, 1.5, 1.5, 1, 0.25},
    {'4', 8, 2, 0, 2, 0, 2},
    {'4', 9, 1, 2, 2 * std::cos(1.0), 2 * std::sin(1.0), 1},
    {'4', 10, Pi, 0, 0.7, 0, 0.2 * Pi},
};

void placePoint(GraphState& g, const Row& row) {
  switch (row.kind) {
  case '1':
    g.VarX = row.first, g.VarY = row.second;
    break;
  case '2':
    g.VarR = row.first, g.VarT = row.second;
    break;
  case '3':
    g.VarT = row.first;
    break;
  default:
    g.VarU = row.first, g.VarV = row.second;
  }
}

// Evaluates one stored text at the row's point; it must read and work out there.
void expectValue(Session& s, const std::string& text, double expected) {
  SCOPED_TRACE(text);
  const double value = s.evaluate(text);
  EXPECT_FALSE(s.engine.SyntaxError);
  EXPECT_FALSE(s.engine.MathError);
  EXPECT_NEAR(value, expected, 1e-12);
}

TEST(Samples, EachLoadsIntoItsKindsFieldsAndEvaluatesInItsDomain) {
  // One row per sample: ten, nine, two and ten.
  ASSERT_EQ(std::size(Rows), 31u);
  for (const Row& row : Rows) {
    SCOPED_TRACE(std::string(1, row.kind) + " #" + std::to_string(row.n));
    Session s;
    ASSERT_TRUE(ChooseGraphKind(s, row.kind));
    GraphState& g = s.graph;
    const double xMin = g.XMin, rMax = g.RMax, uMin = g.UMin, tMax = g.TMax;
    ASSERT_TRUE(ChooseSample(s, row.kind, row.n));
    EXPECT_TRUE(g.FunctionReady);
    // Only the function texts change: the suggested domain is the user's to enter.
    EXPECT_EQ(g.XMin, xMin);
    EXPECT_EQ(g.RMax, rMax);
    EXPECT_EQ(g.UMin, uMin);
    EXPECT_EQ(g.TMax, tMax);
    placePoint(g, row);
    if (row.kind == '1' || row.kind == '2') {
      EXPECT_EQ(g.FunctionTextX, "0");
      EXPECT_EQ(g.FunctionTextZ, "0");
      expectValue(s, g.FunctionText, row.z);
    } else {
      EXPECT_EQ(g.FunctionText, "0");
      expectValue(s, g.FunctionTextX, row.x);
      expectValue(s, g.FunctionTextY, row.y);
      expectValue(s, g.FunctionTextZ, row.z);
    }
    EXPECT_EQ(CurrentSample(s, row.kind), row.n);
  }
}

TEST(Samples, AMissingSampleChangesNothing) {
  const struct {
    char kind;
    int n;
  } cases[] = {{'1', 0}, {'1', 11}, {'2', 10}, {'3', 3}, {'3', -1}, {'5', 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(1, c.kind) + " #" + std::to_string(c.n));
    Session s;
    ChooseGraphKind(s, '1');
    s.graph.FunctionText = s.graph.FunctionTextX = "x*y";
    EXPECT_FALSE(ChooseSample(s, c.kind, c.n));
    EXPECT_FALSE(s.graph.FunctionReady);
    EXPECT_EQ(s.graph.FunctionText, "x*y");
    EXPECT_EQ(s.graph.FunctionTextX, "x*y");
  }
}

TEST(Samples, TheLastChoiceStaysAndEditsAreNoSample) {
  Session s;
  ChooseGraphKind(s, '4');
  for (int n : {3, 7, 2}) ASSERT_TRUE(ChooseSample(s, '4', n));
  EXPECT_EQ(s.graph.FunctionTextZ, "u");
  EXPECT_EQ(CurrentSample(s, '4'), 2);
  // One of the three texts edited by hand is no longer the example.
  s.graph.FunctionTextY = "u*Sin(v)+1";
  EXPECT_EQ(CurrentSample(s, '4'), 0);
}

} // namespace
