// SPDX-License-Identifier: MIT
// The evaluation wrappers' failure rules and the extents passes.
#include "graph/Sampling.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class CountingHost : public Host {
public:
  void beep() override { ++beeps; }
  int beeps = 0;
};

struct Fixture {
  explicit Fixture(char kind) {
    s.host = &host;
    ChooseGraphKind(s, kind);
  }
  CountingHost host;
  Session s;
};

TEST(Wrappers, RectFailsOnSyntaxOnlyAndKeepsEvalFailed) {
  Fixture f('1');
  f.s.graph.FunctionText = "sqrt(x)";
  f.s.graph.VarX = -1;
  EXPECT_EQ(EvalRectZ(f.s), 0);
  EXPECT_TRUE(f.s.engine.MathError);
  EXPECT_FALSE(f.s.graph.EvalFailed);
  EXPECT_EQ(f.host.beeps, 0);

  f.s.graph.FunctionText = "x+";
  EvalRectZ(f.s);
  EXPECT_TRUE(f.s.graph.EvalFailed);
  EXPECT_EQ(f.host.beeps, 1);
  // A later success does not clear it.
  f.s.graph.FunctionText = "x";
  EXPECT_EQ(EvalRectZ(f.s), -1);
  EXPECT_TRUE(f.s.graph.EvalFailed);
}

TEST(Wrappers, CurveFailsOnDomainErrorsAndClearsBeforeEach) {
  Fixture f('3');
  f.s.graph.FunctionTextX = "sqrt(t)";
  f.s.graph.FunctionTextY = "t";
  f.s.graph.VarT = -1;
  EvalCurveX(f.s);
  EXPECT_TRUE(f.s.graph.EvalFailed);
  EXPECT_EQ(f.host.beeps, 1);
  EvalCurveY(f.s);
  EXPECT_FALSE(f.s.graph.EvalFailed);
}

TEST(Wrappers, PatchAndCylAcceptDomainErrors) {
  Fixture f('4');
  f.s.graph.FunctionTextZ = "ln(u)";
  EvalPatchZ(f.s);
  EXPECT_TRUE(f.s.engine.MathError);
  EXPECT_FALSE(f.s.graph.EvalFailed);
  f.s.graph.GraphKind = '2';
  f.s.graph.FunctionText = "1/r";
  f.s.graph.VarR = 0;
  f.s.graph.EvalFailed = true;
  EvalCylZ(f.s);
  EXPECT_TRUE(f.s.engine.MathError);
  EXPECT_FALSE(f.s.graph.EvalFailed);
  EXPECT_EQ(f.host.beeps, 0);
}

TEST(Extents, RectParaboloidMissesTheOrigin) {
  Fixture f('1');
  f.s.graph.FunctionText = "x^2+y^2";
  ComputeExtentsRect(f.s);
  // The grid steps by 0.4 from 3 and passes +-0.2, never 0.
  EXPECT_NEAR(f.s.graph.ZMin, 0.08, 1e-9);
  EXPECT_NEAR(f.s.graph.ZMax, 18, 1e-9);
  EXPECT_NEAR(f.s.graph.VarX, -3, 1e-9);
  EXPECT_EQ(f.s.graph.XMin, -3);
}

TEST(Extents, RectSyntaxErrorBeepsOnceAndKeepsZ) {
  Fixture f('1');
  f.s.graph.FunctionText = "2 x^";
  ComputeExtentsRect(f.s);
  EXPECT_EQ(f.host.beeps, 1);
  EXPECT_TRUE(f.s.graph.EvalFailed);
  EXPECT_EQ(f.s.graph.ZMin, -10);
  EXPECT_EQ(f.s.graph.ZMax, 10);
}

TEST(Extents, CylConeOnElevenByElevenPoints) {
  Fixture f('2');
  f.s.graph.FunctionText = "r";
  ComputeExtentsCyl(f.s);
  EXPECT_NEAR(f.s.graph.XMin, -5, 1e-9);
  EXPECT_NEAR(f.s.graph.XMax, 5, 1e-9);
  EXPECT_NEAR(f.s.graph.YMax, 5 * std::sin(0.4 * 3.141592653589793), 1e-9);
  EXPECT_NEAR(f.s.graph.YMin, -5 * std::sin(0.4 * 3.141592653589793), 1e-9);
  EXPECT_EQ(f.s.graph.ZMax, 5);
}

TEST(Extents, CurveHelixStopsJustBelowItsEnd) {
  Fixture f('3');
  f.s.graph.FunctionTextX = "cos(t)";
  f.s.graph.FunctionTextY = "sin(t)";
  f.s.graph.FunctionTextZ = "t";
  ComputeExtentsCurve(f.s);
  EXPECT_EQ(f.s.graph.ZMin, 0);
  EXPECT_LT(f.s.graph.ZMax, 5);
  EXPECT_GT(f.s.graph.ZMax, 4.9999999);
}

TEST(Extents, CurveUndefinedZStopsAtTheFirstPoint) {
  Fixture f('3');
  f.s.graph.TMin = -1;
  f.s.graph.FunctionTextX = "t";
  f.s.graph.FunctionTextY = "2*t";
  f.s.graph.FunctionTextZ = "sqrt(t)";
  ComputeExtentsCurve(f.s);
  EXPECT_TRUE(f.s.graph.EvalFailed);
  EXPECT_EQ(f.host.beeps, 2);
  EXPECT_EQ(f.s.graph.ZMin, 0);
  EXPECT_EQ(f.s.graph.ZMax, 0);
  EXPECT_EQ(f.s.graph.XMin, -1);
  EXPECT_EQ(f.s.graph.YMax, -2);
}

TEST(Extents, CurveUndefinedXIsClearedByTheOthers) {
  Fixture f('3');
  f.s.graph.TMin = -1;
  f.s.graph.FunctionTextX = "sqrt(t)";
  f.s.graph.FunctionTextZ = "t";
  ComputeExtentsCurve(f.s);
  EXPECT_FALSE(f.s.graph.EvalFailed);
  EXPECT_GT(f.host.beeps, 10);
  EXPECT_EQ(f.s.graph.XMin, 0);
  EXPECT_NEAR(f.s.graph.XMax, std::sqrt(5.0), 1e-6);
}

TEST(Extents, PatchStepsEachParameterByItsOwnRange) {
  Fixture f('4');
  f.s.graph.VMin = 0;
  f.s.graph.VMax = 1;
  f.s.graph.FunctionTextX = "u";
  f.s.graph.FunctionTextY = "v";
  f.s.graph.FunctionTextZ = "u*v";
  ComputeExtentsPatch(f.s);
  EXPECT_EQ(f.s.graph.YMin, 0);
  EXPECT_NEAR(f.s.graph.YMax, 1, 1e-9);
  EXPECT_NEAR(f.s.graph.VarV, 1, 1e-9); // stepped by 1/15, not 2pi/15
  EXPECT_EQ(f.s.graph.XMin, -3.141592653589793);
}

TEST(Extents, StepsLostBelowPrecisionEndTheLoops) {
  Fixture f('1');
  f.s.graph.XMin = 1e16;
  f.s.graph.XMax = 1e16 + 2;
  f.s.graph.YMin = 1e16;
  f.s.graph.YMax = 1e16 + 2;
  f.s.graph.FunctionText = "1";
  ComputeExtentsRect(f.s); // must return
  EXPECT_EQ(f.s.graph.ZMax, 1);

  Fixture c('3');
  c.s.graph.TMin = 1e17;
  c.s.graph.TMax = 1e17 + 8;
  ComputeExtentsCurve(c.s);
  EXPECT_EQ(c.s.graph.ZMax, 0);
}

} // namespace
