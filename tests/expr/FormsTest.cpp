// SPDX-License-Identifier: MIT
// Tests of the forms other graphers accept (pi, **, implied products, functions of two
// arguments) and of the column and reason a syntax error reports.
#include "expr/Expression.h"
#include "SampleVariables.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

std::uint64_t bits(double v) {
  return std::bit_cast<std::uint64_t>(v);
}

// Each new form evaluates, on both paths, bit for bit as the explicit form beside it.
struct SameAs {
  const char* form;
  const char* explicitForm;
};

TEST(AcceptedForms, MeanWhatTheExplicitFormMeans) {
  const SameAs cases[] = {
      {"pi", "p"},
      {"PI*x", "p*x"},
      {"2pi", "2*p"},
      {"pix", "p*x"},
      {"x**2", "x^2"},
      {"x**y**2", "x^y^2"},
      {"2**-x", "2^(-x)"},
      {"x*-y", "x*(-y)"},
      {"2^-x", "2^(-x)"},
      {"x/-2", "x/(-2)"},
      {"2x", "2*x"},
      {"2 x", "2*x"},
      {"xy", "x*y"},
      {"3sin(x)", "3*sin(x)"},
      {"2(x+1)", "2*(x+1)"},
      {"(x+1)(x-1)", "(x+1)*(x-1)"},
      {"x(y+1)", "x*(y+1)"},
      {"2x^2", "2*x^2"},
      {"1/2x", "(1/2)*x"},
      {"2e", "2*e"},
      {"2ex", "2*e*x"},
      {"2e-x", "2*e-x"},
      {"sin(x)cos(y)", "sin(x)*cos(y)"},
      {"-2x", "-2*x"},
      {"a-2x", "a-2*x"},
      {"2min(x,y)", "2*min(x,y)"},
      {"max(x-y,y-x)", "abs(x-y)"},
      {"min(x,max(y,a))", "x"},
      {"min(-x,y)", "-x"},
      {"hypot(3,4)", "5"},
      {"mod(7,3)", "1"},
      {"mod(-7,3)", "2"},
      {"mod(7,-3)", "-2"},
      {"mod(-7.5,-2)", "-1.5"},
      {"mod(6,3)", "0"},
      {"sign(-x)", "-1"},
      {"sign(0)", "0"},
      {"sign(v)", "1"},
      {"floor(-1.5)", "-2"},
      {"ceil(-1.5)", "-1"},
      {"floor(x)+ceil(v)", "4"},
      {"atan2(0,-1)", "p"},
      {"atan2(1,0)", "p/2"},
      {"atan2(-1,0)", "-p/2"},
      {"atan2(y,x)", "atan(y/x)"},
      {"atan2(1e-300,1)", "1e-300"},
      // The exponent of a number keeps its meaning.
      {"2E+1", "20"},
      {"2e-3", "0.002"},
  };
  const ExpressionVariables vars = sampleVars();
  ExpressionEngine kept, plain;
  for (const SameAs& c : cases) {
    SCOPED_TRACE(c.form);
    const double expected = plain.EvaluateUncached(c.explicitForm, vars);
    ASSERT_FALSE(plain.SyntaxError || plain.MathError);
    for (int round = 0; round < 2; ++round) {
      EXPECT_EQ(bits(kept.EvaluateExpression(c.form, vars)), bits(expected));
      EXPECT_FALSE(kept.SyntaxError);
      EXPECT_FALSE(kept.MathError);
    }
    EXPECT_EQ(bits(plain.EvaluateUncached(c.form, vars)), bits(expected));
    EXPECT_FALSE(plain.SyntaxError || plain.MathError);
  }
}

// The new functions report where they have no value, as every function does.
TEST(AcceptedForms, DomainErrorsOfTheNewFunctions) {
  const char* failing[] = {"mod(x,0)",   "mod(1,x-x)",   "atan2(0,0)", "hypot(1.5e308,1.5e308)",
                           "min(1/0,1)", "max(ln(-1),2)"};
  const ExpressionVariables vars = sampleVars();
  ExpressionEngine kept, plain;
  for (const char* text : failing) {
    SCOPED_TRACE(text);
    for (int round = 0; round < 2; ++round) {
      EXPECT_EQ(bits(kept.EvaluateExpression(text, vars)), 0u);
      EXPECT_TRUE(kept.MathError);
      EXPECT_FALSE(kept.SyntaxError);
    }
    EXPECT_EQ(plain.EvaluateUncached(text, vars), 0);
    EXPECT_TRUE(plain.MathError);
  }
}

// A long text is evaluated whole: 5,000 characters give what the same sum written short gives.
TEST(AcceptedForms, LongTextsAreEvaluatedWhole) {
  std::string plus = "x", minus = "x", terms = "0";
  for (int i = 0; i < 2500; ++i) plus += "+y";
  for (int i = 0; i < 2500; ++i) minus += "-1";
  for (int i = 0; i < 1000; ++i) terms += "+min(x,y)";
  ASSERT_GT(plus.size(), 5000u);
  const ExpressionVariables vars = sampleVars();
  ExpressionEngine engine;
  EXPECT_EQ(engine.EvaluateExpression(plus, vars), engine.EvaluateExpression("x+2500y", vars));
  EXPECT_EQ(engine.EvaluateExpression(minus, vars), -2497);
  EXPECT_EQ(engine.EvaluateExpression(terms, vars), 2000);
  EXPECT_FALSE(engine.SyntaxError || engine.MathError);
}

struct Mistake {
  std::string text;
  int column;
  int length;
  const char* reason;
};

std::string nested(int depth, const std::string& inner) {
  return std::string(depth, '(') + inner + std::string(depth, ')');
}

// Each mistake is reported at the column of the text as typed, before upper-casing and the
// minus rewriting lengthened it, with a reason; both paths report the same, and so does a
// text evaluated again.
TEST(SyntaxErrors, PointAtTheMistake) {
  const Mistake cases[] = {
      {"sin(x", 6, 0, "')' expected"},
      {"sinx", 1, 4, "unknown name 'SINX'"},
      {"2*sinx(2)", 3, 4, "unknown name 'SINX'"},
      {"lnx(2)", 1, 3, "unknown name 'LNX'"},
      {"z^2", 1, 1, "'z' is not a variable of this kind"},
      {"x+Z", 3, 1, "'z' is not a variable of this kind"},
      {"x+", 3, 0, "the text ends too early"},
      {"", 1, 0, "the text ends too early"},
      {"x*/y", 3, 1, "a number or a variable expected"},
      {"()", 2, 1, "a number or a variable expected"},
      {"(x+1))", 6, 1, "')' without '('"},
      {"x 2", 3, 1, "an operator expected"},
      {"1.2.3", 4, 2, "an operator expected"},
      {"q+1", 1, 1, "unknown name 'Q'"},
      {"x+qq2", 3, 3, "unknown name 'QQ2'"},
      {"x#2", 2, 1, "'#' cannot stand here"},
      {"x=2", 2, 1, "'=' cannot stand here"},
      {"x*\xc3\xa9", 3, 1, "a character that cannot stand in a function"},
      {"sin(x,y)", 6, 1, "SIN takes one argument"},
      {"min(x)", 6, 1, "MIN takes two arguments"},
      {"min(x,y,1)", 8, 1, "MIN takes two arguments"},
      {"mod(x,)", 7, 1, "a number or a variable expected"},
      {"1,5", 2, 1, "',' stands only between the two arguments of a function"},
      {"sin 2", 5, 1, "'(' expected after SIN"},
      {"sin", 4, 0, "'(' expected after SIN"},
      {"x:2", 3, 1, "a letter expected after ':'"},
      {"2^^3", 3, 1, "a number or a variable expected"},
      {"sin(x)(", 8, 0, "the text ends too early"},
      {"  x +* y", 6, 1, "a number or a variable expected"},
      // After the rewriting has lengthened the text.
      {"x---y", 4, 1, "a number or a variable expected"},
      {"a-b-c-sin(x", 12, 0, "')' expected"},
      {"x-y-zz", 5, 2, "unknown name 'ZZ'"},
      {"-x-y+", 6, 0, "the text ends too early"},
      {"-x-(y-", 7, 0, "the text ends too early"},
      {"a-b-(c-d)-e)", 12, 1, "')' without '('"},
      {nested(20, "x"), 20, 1, "the text is nested too deeply"},
      {std::string(10'001, '1'), 10'001, 1, "the text is too long"},
      {"x" + std::string(1700, ' ') + "-y-y-y-y-y-y-y-y-y-y-y-y-y-y-y-y-y-y-y-y-y-y-y-y-y" +
           std::string(8200, ' '),
       9'876, 76, "the text is too long"},
  };
  const ExpressionVariables vars = sampleVars();
  ExpressionEngine kept, plain;
  for (const Mistake& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    plain.EvaluateUncached(c.text, vars);
    ASSERT_TRUE(plain.SyntaxError);
    EXPECT_EQ(plain.ErrorColumn, c.column);
    EXPECT_EQ(plain.ErrorLength, c.length);
    EXPECT_EQ(plain.ErrorReason, c.reason);
    for (int round = 0; round < 3; ++round) {
      EXPECT_EQ(kept.EvaluateExpression(c.text, vars), 0);
      EXPECT_TRUE(kept.SyntaxError);
      EXPECT_EQ(kept.ErrorColumn, c.column);
      EXPECT_EQ(kept.ErrorLength, c.length);
      EXPECT_EQ(kept.ErrorReason, c.reason);
      kept.EvaluateExpression("x", vars); // another text between the rounds
    }
  }
}

} // namespace
