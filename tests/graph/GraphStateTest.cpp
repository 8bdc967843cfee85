// SPDX-License-Identifier: MIT
// Defaults of each graph kind, and what a new choice of kind keeps.
#include "graph/GraphState.h"
#include "graph/Session.h"

#include <gtest/gtest.h>

namespace {

constexpr double Pi = 3.141592653589793;

struct KindDefaults {
  char kind;
  double zMin, zMax;
};

class KindDefaultsTest : public ::testing::TestWithParam<KindDefaults> {};

TEST_P(KindDefaultsTest, ChoosingAKindAppliesItsDefaults) {
  const KindDefaults expected = GetParam();
  Session s;
  // Leave traces of an earlier graph that the choice must wipe.
  s.graph.FunctionText = "x*y";
  s.graph.GraphTitle = "old";
  s.graph.AxisZMax = 99;
  s.graph.XCurves = 3;
  s.graph.PlaneOn = s.graph.HasDrawn = true;
  s.engine.CutFlag = true;

  ASSERT_TRUE(ChooseGraphKind(s, expected.kind));
  const GraphState& g = s.graph;
  EXPECT_EQ(g.GraphKind, expected.kind);
  EXPECT_EQ(g.ZMin, expected.zMin);
  EXPECT_EQ(g.ZMax, expected.zMax);
  EXPECT_EQ(g.XMin, -3);
  EXPECT_EQ(g.XMax, 3);
  EXPECT_EQ(g.YMin, -3);
  EXPECT_EQ(g.YMax, 3);
  EXPECT_EQ(g.AxisXMin, -3);
  EXPECT_EQ(g.AxisXMax, 3);
  EXPECT_EQ(g.AxisYMin, -3);
  EXPECT_EQ(g.AxisYMax, 3);
  EXPECT_EQ(g.AxisZMin, -10);
  EXPECT_EQ(g.AxisZMax, 10);
  for (const std::string* text :
       {&g.FunctionText, &g.FunctionTextX, &g.FunctionTextY, &g.FunctionTextZ})
    EXPECT_EQ(*text, "0");
  EXPECT_EQ(g.GraphTitle, "");
  EXPECT_EQ(g.Rho, 200);
  EXPECT_EQ(g.Theta, Pi / 6);
  EXPECT_EQ(g.Phi, 1.3962634015954636);
  EXPECT_EQ(g.PlaneDistance, 120);
  EXPECT_EQ(g.ThetaText, "30");
  EXPECT_EQ(g.PhiText, "80");
  EXPECT_EQ(g.XCurves, 15);
  EXPECT_EQ(g.YCurves, 15);
  EXPECT_EQ(g.TStep, 0.1);
  EXPECT_EQ(g.AboveColor, clRed);
  EXPECT_EQ(g.UnderColor, clYellow);
  EXPECT_EQ(g.GridColor, clTeal);
  EXPECT_EQ(g.PenColor, clBlue);
  EXPECT_EQ(g.AxesColor, clFuchsia);
  EXPECT_EQ(g.BackgroundColor, clWhite);
  EXPECT_TRUE(g.ShadingOn);
  EXPECT_FALSE(g.PlaneOn);
  EXPECT_FALSE(g.HasDrawn);
  EXPECT_FALSE(s.engine.CutFlag);
  EXPECT_EQ(g.DrawContinue, 0);
  EXPECT_EQ(g.MovieFrameCount, 16);
  EXPECT_EQ(g.MovieDelay, 400);
  EXPECT_EQ(g.JpegQuality, 90);
  EXPECT_EQ(g.ContourGridX, 20);
  EXPECT_EQ(g.ContourLevelCount, 10);
  EXPECT_EQ(g.SizeFactor, 1.0);
  EXPECT_FALSE(g.SizeFactorOn);
  EXPECT_EQ(g.ColorTable[0], 0xFFFFFFu);
  EXPECT_EQ(g.ColorTable[16], 0xFFFFFFu);
  EXPECT_EQ(g.ColorTable[9], 0x0000FFu);
}

INSTANTIATE_TEST_SUITE_P(EachKind, KindDefaultsTest,
                         ::testing::Values(KindDefaults{'1', -10, 10}, KindDefaults{'2', -2, 2},
                                           KindDefaults{'3', -5, 5}, KindDefaults{'4', -10, 10}),
                         [](const ::testing::TestParamInfo<KindDefaults>& info) {
                           return std::string("Kind") + info.param.kind;
                         });

TEST(KindDomains, EachKindGetsItsOwnDomain) {
  Session s;
  ChooseGraphKind(s, '2');
  // The choice sets RMax to 3 before the reset, which leaves it at 5.
  EXPECT_EQ(s.graph.RMin, 0);
  EXPECT_EQ(s.graph.RMax, 5);
  EXPECT_EQ(s.graph.TMax, 2 * Pi);
  ChooseGraphKind(s, '3');
  EXPECT_EQ(s.graph.TMin, 0);
  EXPECT_EQ(s.graph.TMax, 5);
  ChooseGraphKind(s, '4');
  EXPECT_EQ(s.graph.UMin, -Pi);
  EXPECT_EQ(s.graph.UMax, Pi);
  EXPECT_EQ(s.graph.VMin, -Pi);
  EXPECT_EQ(s.graph.VMax, Pi);
}

TEST(KindChoice, ParametersStayWithTheEvaluatorButTheDialogShowsZero) {
  Session s;
  ChooseGraphKind(s, '1');
  s.graph.ParamValues = {1, 2, 3, 4, 5, 6};
  s.graph.ParamA = 1;
  s.graph.ParamF = 6;
  ChooseGraphKind(s, '2');
  EXPECT_EQ(s.graph.ParamA, 1);
  EXPECT_EQ(s.graph.ParamF, 6);
  for (double v : s.graph.ParamValues) EXPECT_EQ(v, 0);
}

TEST(KindChoice, QuitStoresFiveAndResetsNothing) {
  Session s;
  ChooseGraphKind(s, '1');
  s.graph.FunctionText = "x";
  s.graph.AxisZMax = 4;
  EXPECT_FALSE(ChooseGraphKind(s, '5'));
  EXPECT_EQ(s.graph.GraphKind, '5');
  EXPECT_EQ(s.graph.FunctionText, "x");
  EXPECT_EQ(s.graph.AxisZMax, 4);
}

TEST(KindChoice, ResetLeavesAxesBoxAndVariables) {
  Session s;
  ChooseGraphKind(s, '1');
  s.graph.AxisXMin = -7;
  s.graph.VarX = 2.5;
  ResetGraphDefaults(s);
  EXPECT_EQ(s.graph.AxisXMin, -7);
  EXPECT_EQ(s.graph.VarX, 2.5);
}

} // namespace
