// SPDX-License-Identifier: MIT
// Numeric fields, the dialogs' corrections, the eye-angle steps and number formats.
#include "graph/Corrections.h"
#include "graph/Format.h"
#include "graph/NumberField.h"
#include "graph/Sampling.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace {

constexpr double Pi = 3.141592653589793;

Session kindSession(char kind) {
  Session s;
  ChooseGraphKind(s, kind);
  return s;
}

TEST(ReadNumberField, ReadsExpressionsAndKeepsTheOldValueOtherwise) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {{"2*p", 2 * Pi}, {"-3", -3},  {"sqrt(4)", 2}, {"", 7},
                        {"   ", 7},      {"2 3", 7},  {"1/0", 7},     {"sqrt(-1)", 7},
                        {"1e309", 7},    {"x", 0.25}, {"a+1", 4}};
  Session s;
  s.graph.VarX = 0.25;
  s.graph.ParamA = 3;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    double value = 7;
    ReadNumberField(s, c.text, value);
    EXPECT_DOUBLE_EQ(value, c.expected);
  }
}

// A field that is not read says why, and where a syntax error stands in the text.
TEST(ReadNumberField, TellsWhyATextIsNotRead) {
  struct Case {
    const char* text;
    const char* reason;
    int column, length;
  };
  const Case cases[] = {
      {"2*p", "", 0, 0},
      {"", "empty: the old value is kept", 0, 0},
      {"2+", "column 3: the text ends too early", 3, 0},
      {"2*sinx(1)", "column 3: unknown name 'SINX'", 3, 4},
      {"  1 2", "column 5: an operator expected", 5, 1},
      {"sqrt(-1)", "no value: a domain error", 0, 0},
      {"1/0", "no value: a domain error", 0, 0},
  };
  Session s;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    double value = 7;
    FieldProblem problem;
    const bool read = TryReadNumberField(s, c.text, value, problem);
    EXPECT_EQ(read, !*c.reason);
    EXPECT_EQ(bool(problem), !read);
    EXPECT_EQ(problem.reason, c.reason);
    EXPECT_EQ(problem.column, c.column);
    EXPECT_EQ(problem.length, c.length);
    if (!read) {
      EXPECT_EQ(value, 7);
    }
    // Asking without a value finds the same.
    EXPECT_EQ(NumberFieldProblem(s, c.text).reason, c.reason);
  }
  // A read after a failed one tells nothing of the failure.
  double value = 0;
  FieldProblem problem{"stale", 9, 9};
  EXPECT_TRUE(TryReadNumberField(s, "4", value, problem));
  EXPECT_FALSE(problem);
  EXPECT_EQ(problem.column, 0);
}

TEST(ParameterCaptions, FormatsBySize) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {{Pi, "   3.142"},        {0.0005, "5.000E-04"},     {0, "   0.000"},
                        {12345678, "1.235E+07"}, {1234567.5, "1234567.50"}, {1e8, "1.000E+08"},
                        {-1, "  -1.000"},        {-0.0001, "-1.000E-04"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParameterCaptionText(c.value), c.text);
  }
}

TEST(ParameterDialog, CaptionsChangeOnlyWithTheirValue) {
  Session s = kindSession('1');
  s.graph.ParamValues[2] = 0.0005;
  s.graph.ParamA = 10; // the evaluator's a, from before the dialog opened
  std::array<std::string, 6> captions = {"A", "B", "C", "D", "E", "F"};
  StoreParameterFields(s, {"p", "2*a", "0.0005", "bad(", "", "12345678"}, captions);
  EXPECT_EQ(captions[0], "a=   3.142");
  EXPECT_EQ(captions[1], "b=  20.000"); // 2*a uses the old a
  EXPECT_EQ(captions[2], "C");          // same value: caption left alone
  EXPECT_EQ(captions[3], "D");
  EXPECT_EQ(captions[4], "E");
  EXPECT_EQ(captions[5], "f =1.235E+07");
  EXPECT_EQ(s.graph.ParamA, 10);
  CopyParameters(s.graph);
  EXPECT_DOUBLE_EQ(s.graph.ParamA, Pi);
  EXPECT_EQ(s.graph.ParamF, 12345678);
}

TEST(DomainDialog, StartAboveEndMovesTheEnd) {
  Session s = kindSession('1');
  StoreDomainFields(s, {"2", "1", "1", "1"});
  EXPECT_EQ(s.graph.XMin, 2);
  EXPECT_EQ(s.graph.XMax, 3);
  EXPECT_EQ(s.graph.YMin, 1);
  EXPECT_EQ(s.graph.YMax, 1); // equal ends stay

  Session curve = kindSession('3');
  StoreDomainFields(curve, {"4", "-2", "ignored", "ignored"});
  EXPECT_EQ(curve.graph.TMin, 4);
  EXPECT_EQ(curve.graph.TMax, 5);

  Session cyl = kindSession('2');
  StoreDomainFields(cyl, {"", "2*p", "p", "0"});
  EXPECT_EQ(cyl.graph.RMin, 0);
  EXPECT_DOUBLE_EQ(cyl.graph.RMax, 2 * Pi);
  EXPECT_DOUBLE_EQ(cyl.graph.TMax, Pi + 1);
}

TEST(AxesDialog, ChangeFlagAndCorrection) {
  Session s = kindSession('1');
  StoreAxesFields(s, {"-3", "3", "-3", "3", "-10", "10"});
  EXPECT_FALSE(s.graph.AxesChanged);
  StoreAxesFields(s, {"", "", "", "", "5", "5"});
  EXPECT_TRUE(s.graph.AxesChanged);
  CorrectAxes(s.graph);
  EXPECT_EQ(s.graph.AxisZMin, 5);
  EXPECT_EQ(s.graph.AxisZMax, 6);
  EXPECT_EQ(s.graph.AxisXMax, 3);
}

TEST(ViewDialog, WrapsClampsAndReplacesRho) {
  struct Case {
    const char *theta, *phi, *rhoText;
    double thetaDegrees, phiDegrees, rho;
    const char *thetaText, *phiText;
  };
  const Case cases[] = {
      {"370", "80", "200", 10, 80, 200, " 10.0", " 80.0"},
      {"-30", "80", "200", 330, 80, 200, "330.0", " 80.0"},
      {"30", "200", "200", 30, 180, 200, " 30.0", "180.0"},
      {"30", "-5", "-5", 30, 0, 200, " 30.0", "  0.0"},
      {"p", "", "0", Pi, 80, 200, "  3.1", " 80.0"},
      {"1e300", "80", "50", std::fmod(1e300 * Pi / 180, 2 * Pi) * 180 / Pi, 80, 50, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.theta);
    Session s = kindSession('1');
    StoreViewFields(s, c.theta, c.phi, c.rhoText);
    FinishViewDialog(s.graph);
    EXPECT_NEAR(s.graph.Theta * 180 / Pi, c.thetaDegrees, 1e-9);
    EXPECT_GE(s.graph.Theta, 0);
    EXPECT_LT(s.graph.Theta, 2 * Pi);
    EXPECT_NEAR(s.graph.Phi * 180 / Pi, c.phiDegrees, 1e-9);
    EXPECT_EQ(s.graph.Rho, c.rho);
    if (*c.thetaText) {
      EXPECT_EQ(s.graph.ThetaText, c.thetaText);
    }
    if (*c.phiText) {
      EXPECT_EQ(s.graph.PhiText, c.phiText);
    }
  }
}

TEST(ViewDialog, UnchangedFieldsRaiseNoFlag) {
  Session s = kindSession('1');
  StoreViewFields(s, "", "", "200");
  EXPECT_FALSE(s.graph.ViewChanged);
  StoreViewFields(s, "", "", "150");
  EXPECT_TRUE(s.graph.ViewChanged);
}

TEST(CurvesAndStep, Corrections) {
  struct Case {
    const char* text;
    double curves;
  };
  const Case cases[] = {{"0", 80},  {"80.5", 80}, {"81", 80}, {"2.5", 2},
                        {"3.5", 4}, {"1", 1},     {"-4", 80}, {"1e300", 80}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Session s = kindSession('1');
    StoreCurvesFields(s, c.text, "");
    CorrectCurves(s.graph);
    EXPECT_EQ(s.graph.XCurves, c.curves);
    EXPECT_EQ(s.graph.YCurves, 15);
  }
  Session s = kindSession('3');
  StoreStepField(s, "-0.05");
  CorrectStep(s.graph);
  EXPECT_EQ(s.graph.TStep, 0.05);
  StoreStepField(s, "0");
  CorrectStep(s.graph);
  EXPECT_EQ(s.graph.TStep, 0.125);
}

TEST(TitleDialog, CutsToFiftyCharactersNotBytes) {
  GraphState g;
  StoreTitle(g, std::string(60, 'x'));
  EXPECT_EQ(g.GraphTitle, std::string(50, 'x'));
  std::string accented;
  for (int i = 0; i < 55; ++i) accented += "\xC3\xA9"; // é
  StoreTitle(g, accented);
  EXPECT_EQ(g.GraphTitle.size(), 100u);
}

TEST(EyeAngles, RightArrowWrapsAfterThirtyThreePresses) {
  Session s = kindSession('1');
  for (int i = 0; i < 32; ++i) StepEyeAngle(s.graph, Arrow::Right);
  EXPECT_EQ(s.graph.ThetaText, "350.0");
  StepEyeAngle(s.graph, Arrow::Right);
  EXPECT_NEAR(s.graph.Theta, 0, 1e-9);
  EXPECT_LT(s.graph.Theta, 1);

  s.graph.Theta = 345 * Pi / 180;
  StepEyeAngle(s.graph, Arrow::Right);
  EXPECT_NEAR(s.graph.Theta * 180 / Pi, -5, 1e-9);

  s.graph.Theta = 0.05;
  StepEyeAngle(s.graph, Arrow::Left);
  EXPECT_GE(s.graph.Theta, 0);
  EXPECT_NEAR(s.graph.Theta, 0.05 - Pi / 18 + 2 * Pi, 1e-12);
}

TEST(EyeAngles, PhiClampsAtBothPoles) {
  Session s = kindSession('1');
  for (int i = 0; i < 8; ++i) StepEyeAngle(s.graph, Arrow::Up);
  EXPECT_EQ(s.graph.PhiText, "  0.0");
  StepEyeAngle(s.graph, Arrow::Up);
  EXPECT_EQ(s.graph.Phi, 0);
  for (int i = 0; i < 20; ++i) StepEyeAngle(s.graph, Arrow::Down);
  EXPECT_EQ(s.graph.Phi, Pi);
  EXPECT_EQ(s.graph.PhiText, "180.0");
}

TEST(Formats, FixedAndExponentForms) {
  EXPECT_EQ(formatFixed(-3, 8, 5), "-3.00000");
  EXPECT_EQ(formatFixed(Pi, 8, 5), " 3.14159");
  EXPECT_EQ(formatFixed(30, 6, 2), " 30.00");
  EXPECT_EQ(formatFixed(15, 4, 1), "15.0");
  EXPECT_EQ(formatFixed(0.1, 5, 4), "0.1000");
  EXPECT_EQ(formatFixed(123456789, 4, 1), "123456789.0");
  EXPECT_EQ(formatListingValue(1234567.891), "       1.235E+06");
  EXPECT_EQ(formatListingValue(0.005), "       5.000E-03");
  EXPECT_EQ(formatListingValue(-0.005), "       -5.000E-03");
  EXPECT_EQ(formatListingValue(0), "    0.0000");
  EXPECT_EQ(formatListingValue(12.5), "   12.5000");
  EXPECT_EQ(formatListingValue(0.01), "       1.000E-02");
  EXPECT_EQ(formatSurfaceLine(-3, 2.5, 0.005), "    -3.000      2.500        5.000E-03");
  EXPECT_EQ(formatAngleField(Pi / 2), " 90.0");
}

TEST(Formats, CommaLocaleChangesNothing) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  EXPECT_EQ(formatFixed(12.5, 10, 4), "   12.5000");
  EXPECT_EQ(formatListingValue(0.005), "       5.000E-03");
  Session s;
  double value = 0;
  ReadNumberField(s, "1.5", value);
  EXPECT_EQ(value, 1.5);
  // The point where a function failed, as the function editor names it.
  s.graph.GraphKind = '3';
  s.graph.VarT = 0.5;
  s.graph.FunctionTextX = "sqrt(-1)";
  EvalCurveX(s);
  EXPECT_EQ(DescribeEvalFailure(s), "X at t = 0.5: no value there (a domain error)");
  std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
