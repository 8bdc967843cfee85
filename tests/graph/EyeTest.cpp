// SPDX-License-Identifier: MIT
// The eye must see the whole axes box: the check itself, and the refusals of the view dialog,
// the arrows and turns, and the axes dialog, with their messages.
#include "graph/Corrections.h"
#include "graph/Eye.h"
#include "graph/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double Pi = GraphState::Pi;
constexpr double Degree = Pi / 180;

Session kindSession(char kind) {
  Session s;
  ChooseGraphKind(s, kind);
  return s;
}

// With the default box -3..3, -3..3, -10..10, Theta 30 and Phi 80 the farthest-reaching corner
// lies 5.7723 along the line of sight: a nearer eye has it beside or behind itself.
TEST(EyeSeesAxesBox, EveryCornerMustLieInFrontOfTheEye) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double xMin, xMax; // the rest of the box as by default
    double rho, theta, phi;
    bool sees;
  } cases[] = {
      {-3, 3, 200, 30, 80, true},   {-3, 3, 60, 30, 80, true},    {-3, 3, 5.78, 30, 80, true},
      {-3, 3, 5.77, 30, 80, false}, {-3, 3, 2, 30, 80, false}, // inside the box
      {-3, 3, 5.8, 40, 80, false}, // the same Rho from another side comes too near
      {-3, 3, 10, 0, 0, false},    // straight above: the top corners at depth exactly 0
      {-3, 3, 10.5, 0, 0, true},    {50, 60, 40, 0, 90, false},  // the whole box behind the eye
      {50, 60, 55, 0, 90, false},                                // the eye inside it
      {50, 60, 100, 0, 90, true},   {50, 60, 10, 180, 90, true}, // the box beyond the origin, seen
                                                                 // across it
      {-3, 3, nan, 30, 80, false},  {-3, 3, 200, nan, 80, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "x " << c.xMin << ".." << c.xMax << " rho " << c.rho
                                    << " theta " << c.theta << " phi " << c.phi);
    Session s = kindSession('1');
    s.graph.AxisXMin = c.xMin;
    s.graph.AxisXMax = c.xMax;
    EXPECT_EQ(EyeSeesAxesBox(s.graph, {c.rho, c.theta * Degree, c.phi * Degree}), c.sees);
  }
}

// Rho goes back first; the angles too when Rho alone does not bring the eye out.
TEST(ViewDialog, AnEyeTooNearTheBoxIsRefused) {
  const char* tooNear = " the eye would stand inside the axes box or too near it to see all of it";
  const struct {
    double rhoBefore;
    const char *theta, *phi, *rho;
    double thetaAfter, phiAfter, rhoAfter; // degrees
    bool changed;
    std::string message;
  } cases[] = {
      {200, "", "", "2", 30, 80, 200, false,
       std::string("At Theta = 30, Phi = 80, Rho = 2") + tooNear + "; Rho is kept at 200."},
      {200, "45", "", "2", 45, 80, 200, true,
       std::string("At Theta = 45, Phi = 80, Rho = 2") + tooNear + "; Rho is kept at 200."},
      {200, "", "0", "10", 30, 0, 200, true,
       std::string("At Theta = 30, Phi = 0, Rho = 10") + tooNear + "; Rho is kept at 200."},
      {5.8, "45", "", "", 30, 80, 5.8, false,
       std::string("At Theta = 45, Phi = 80, Rho = 5.8") + tooNear + "; Theta is kept at 30."},
      {5.8, "40", "70", "5.7", 30, 80, 5.8, false,
       std::string("At Theta = 40, Phi = 70, Rho = 5.7") + tooNear +
           "; Theta, Phi and Rho are kept at 30, 80 and 5.8."},
      {200, "", "", "60", 30, 80, 60, true, ""},
      {200, "", "", "5.78", 30, 80, 5.78, true, ""},
      {200, "", "0", "10.5", 30, 0, 10.5, true, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.rhoBefore << ": " << c.theta << ", " << c.phi << ", " << c.rho);
    Session s = kindSession('1');
    GraphState& g = s.graph;
    g.Rho = c.rhoBefore;
    g.ViewChanged = false;
    const Eye before = EyeOf(g);
    StoreViewFields(s, c.theta, c.phi, c.rho);
    FinishViewDialog(g);
    EXPECT_EQ(KeepEyeSeeingAxes(g, before), c.message);
    EXPECT_NEAR(g.Theta / Degree, c.thetaAfter, 1e-9);
    EXPECT_NEAR(g.Phi / Degree, c.phiAfter, 1e-9);
    EXPECT_EQ(g.Rho, c.rhoAfter);
    EXPECT_EQ(g.ViewChanged, c.changed);
    EXPECT_TRUE(EyeSeesAxesBox(g));
    EXPECT_EQ(g.ThetaText, formatAngleField(g.Theta));
    EXPECT_EQ(g.PhiText, formatAngleField(g.Phi));
  }
}

// At Rho 5.8 the default box is seen from Theta 20 and 30 but not from 40; from Phi 80 and 90
// but not from 70.
TEST(EyeTurn, AStepThatBringsTheEyeTooNearIsRefused) {
  const struct {
    Arrow arrow;
    bool taken;
    double theta, phi; // degrees after
  } cases[] = {
      {Arrow::Right, false, 30, 80},
      {Arrow::Left, true, 20, 80},
      {Arrow::Up, false, 30, 80},
      {Arrow::Down, true, 30, 90},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.arrow));
    Session s = kindSession('1');
    GraphState& g = s.graph;
    g.Rho = 5.8;
    const Eye asked = SteppedEye(g, c.arrow);
    EXPECT_EQ(EyeSeesAxesBox(g, asked), c.taken);
    EXPECT_EQ(StepEyeAngle(g, c.arrow), c.taken);
    EXPECT_NEAR(g.Theta / Degree, c.theta, 1e-9);
    EXPECT_NEAR(g.Phi / Degree, c.phi, 1e-9);
    EXPECT_EQ(g.Rho, 5.8);
    if (!c.taken) {
      // Nothing moved, the fields' texts included.
      EXPECT_EQ(g.ThetaText, "30");
      EXPECT_EQ(g.PhiText, "80");
    }
  }
}

TEST(EyeTurn, ADragTurnStopsShortOfTheBox) {
  Session s = kindSession('1');
  GraphState& g = s.graph;
  g.Rho = 5.8;
  EXPECT_FALSE(TurnEye(g, 15 * Degree, 0));
  EXPECT_NEAR(g.Theta / Degree, 30, 1e-9);
  EXPECT_TRUE(TurnEye(g, -15 * Degree, 0));
  EXPECT_NEAR(g.Theta / Degree, 15, 1e-9);
  EXPECT_EQ(g.ThetaText, " 15.0");
  // A turn whose Theta alone would be taken is refused whole when its Phi is not.
  EXPECT_FALSE(TurnEye(g, 1 * Degree, -30 * Degree));
  EXPECT_NEAR(g.Theta / Degree, 15, 1e-9);
  EXPECT_NEAR(g.Phi / Degree, 80, 1e-9);
}

TEST(AxesDialog, ABoxThatWouldHoldTheEyeIsRefused) {
  const struct {
    std::array<std::string, 6> fields;
    bool refused;
    AxesBox after;
  } cases[] = {
      {{"-300", "300", "-300", "300", "", ""}, true, {-3, 3, -3, 3, -10, 10}},
      {{"", "", "", "", "", "1200"}, true, {-3, 3, -3, 3, -10, 10}}, // tall enough alone
      {{"-100", "100", "-100", "100", "", ""}, false, {-100, 100, -100, 100, -10, 10}},
      {{"", "", "", "", "", "1000"}, false, {-3, 3, -3, 3, -10, 1000}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.fields[0] << " " << c.fields[5]);
    Session s = kindSession('1');
    GraphState& g = s.graph;
    g.AxesChanged = false;
    const AxesBox before = AxesBoxOf(g);
    StoreAxesFields(s, c.fields);
    CorrectAxes(g);
    EXPECT_EQ(RefuseAxesAroundEye(g, before), c.refused);
    EXPECT_EQ(AxesBoxOf(g), c.after);
    EXPECT_EQ(g.AxesChanged, !c.refused);
    EXPECT_EQ(g.Rho, 200);
  }
}

TEST(EyeMessages, NumbersAndNames) {
  const struct {
    double value;
    const char* shown;
  } numbers[] = {{200, "200"},    {5.8, "5.8"}, {0.5, "0.5"},        {29.999999999999996, "30"},
                 {1e10, "1e+10"}, {-5, "-5"},   {123456.7, "123457"}};
  for (const auto& n : numbers) EXPECT_EQ(MessageNumber(n.value), n.shown) << n.value;
  EXPECT_EQ(EyeTooNearText({2, 30 * Degree, 80 * Degree}, "the fitted axes box"),
            "at Theta = 30, Phi = 80, Rho = 2 the eye would stand inside the fitted axes box or "
            "too near it to see all of it");
  EXPECT_EQ(RefusedEyeMessage({5.8, 40 * Degree, 70 * Degree}, {5.8, 30 * Degree, 80 * Degree}),
            "At Theta = 40, Phi = 70, Rho = 5.8 the eye would stand inside the axes box or too "
            "near it to see all of it; Theta and Phi are kept at 30 and 80.");
}

} // namespace
