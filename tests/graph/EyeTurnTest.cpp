// SPDX-License-Identifier: MIT
// Turning the eye by any step with the arrows' wrap and clamp rules, and a drag in pixels.
#include "graph/Corrections.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double Pi = GraphState::Pi;
constexpr double Degree = Pi / 180;

TEST(EyeTurn, WrapsAndClampsAsTheArrowsDo) {
  const struct {
    double theta, phi;           // degrees before
    double thetaStep, phiStep;   // degrees
    double thetaAfter, phiAfter; // degrees
    const char *thetaText, *phiText;
  } cases[] = {
      {30, 80, 12.5, 0, 42.5, 80, " 42.5", "80"},
      {30, 80, -45, 0, 345, 80, "345.0", "80"},  // below 0: back into [0, 360)
      {340, 80, 15, 0, -5, 80, " -5.0", "80"},   // from 350 on: 360 less, as the right arrow
      {340, 80, 5, 0, 345, 80, "345.0", "80"},   // below 350 it stays
      {10, 80, 1000, 0, 290, 80, "290.0", "80"}, // several turns at once
      {10, 80, -1000, 0, 90, 80, " 90.0", "80"},
      {30, 80, 0, -100, 30, 0, "30", "  0.0"},     // stops at the upper pole
      {30, 80, 0, 150, 30, 180, "30", "180.0"},    // and at the lower one
      {30, 80, 0, 0.04, 30, 80.04, "30", " 80.0"}, // shown with one decimal
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.theta << "+" << c.thetaStep << ", " << c.phi << "+" << c.phiStep);
    GraphState g;
    g.Rho = 200; // far from the axes box (a point here): every turn is taken
    g.Theta = c.theta * Degree;
    g.Phi = c.phi * Degree;
    g.ThetaText = "30";
    g.PhiText = "80";
    TurnEye(g, c.thetaStep * Degree, c.phiStep * Degree);
    EXPECT_NEAR(g.Theta / Degree, c.thetaAfter, 1e-9);
    EXPECT_NEAR(g.Phi / Degree, c.phiAfter, 1e-9);
    EXPECT_EQ(g.ThetaText, c.thetaText);
    EXPECT_EQ(g.PhiText, c.phiText);
  }
}

TEST(EyeTurn, ArrowStepsAreTurnsOfTenDegrees) {
  for (const Arrow arrow : {Arrow::Right, Arrow::Left, Arrow::Up, Arrow::Down}) {
    SCOPED_TRACE(static_cast<int>(arrow));
    GraphState stepped, turned;
    stepped.Rho = turned.Rho = 200;
    stepped.Theta = turned.Theta = 355 * Degree;
    stepped.Phi = turned.Phi = 5 * Degree;
    StepEyeAngle(stepped, arrow);
    const double ten = Pi / 18;
    const double t = arrow == Arrow::Right ? ten : arrow == Arrow::Left ? -ten : 0;
    const double f = arrow == Arrow::Down ? ten : arrow == Arrow::Up ? -ten : 0;
    TurnEye(turned, t, f);
    EXPECT_EQ(stepped.Theta, turned.Theta);
    EXPECT_EQ(stepped.Phi, turned.Phi);
  }
}

TEST(EyeTurn, HugeAnglesComeBackIntoRange) {
  GraphState g;
  g.Rho = 200;
  g.Theta = 1e300;
  TurnEye(g, 1, 0);
  EXPECT_GE(g.Theta, -Pi / 18);
  EXPECT_LT(g.Theta, 2 * Pi);
  g.Theta = -1e300;
  TurnEye(g, -1, 0);
  EXPECT_GE(g.Theta, 0);
  EXPECT_LT(g.Theta, 2 * Pi);
}

TEST(DragTurn, AcrossThePictureIsOneTurnAgainstTheMouse) {
  const struct {
    int dx, dy, width;
    double theta, phi; // degrees
  } cases[] = {
      {480, 0, 480, -360, 0}, {-240, 0, 480, 180, 0}, {0, 120, 480, 0, -90},
      {0, -12, 480, 0, 9},    {10, 10, 0, 0, 0},      {10, 10, -5, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy << " over " << c.width);
    const EyeTurn turn = DragTurn(c.dx, c.dy, c.width);
    EXPECT_NEAR(turn.theta / Degree, c.theta, 1e-9);
    EXPECT_NEAR(turn.phi / Degree, c.phi, 1e-9);
  }
}

} // namespace
