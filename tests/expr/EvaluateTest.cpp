// SPDX-License-Identifier: MIT
// Tests of the evaluator: values, precedence, syntax and domain errors, flags and limits.
#include "expr/Expression.h"
#include "SampleVariables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// What a case expects: a value without flags, or which error flags are set (result 0).
enum Expect { Value, Syntax, Math, SyntaxAndMath };

struct EvalCase {
  const char* text;
  Expect expect;
  double value = 0;
};

void runTable(const EvalCase* begin, const EvalCase* end) {
  ExpressionEngine engine;
  const ExpressionVariables vars = sampleVars();
  for (const EvalCase* c = begin; c != end; ++c) {
    SCOPED_TRACE(c->text);
    const double result = engine.EvaluateUncached(c->text, vars);
    EXPECT_EQ(engine.SyntaxError, c->expect == Syntax || c->expect == SyntaxAndMath);
    EXPECT_EQ(engine.MathError, c->expect == Math || c->expect == SyntaxAndMath);
    if (c->expect == Value)
      EXPECT_EQ(result, c->value);
    else
      EXPECT_EQ(result, 0);
    // The kept-token path must agree on every case of every table.
    const double kept = engine.EvaluateExpression(c->text, vars);
    EXPECT_EQ(kept, result);
    EXPECT_EQ(engine.SyntaxError, c->expect == Syntax || c->expect == SyntaxAndMath);
    EXPECT_EQ(engine.MathError, c->expect == Math || c->expect == SyntaxAndMath);
  }
}

TEST(EvaluateValues, ArithmeticAndLetters) {
  const EvalCase cases[] = {
      {"x^2+y^2", Value, 13},
      {"2*3+4", Value, 10},
      {"2+3*4", Value, 14},
      {"8/2/2", Value, 2},
      {"10-4-3", Value, 3},
      {"x:y", Value, 2},
      {"p", Value, 3.141592653589793},
      {"e", Value, 7},
      {"a+b+c+d+f", Value, 58},
      {"r*u", Value, 2},
      {"t", Value, -1},
      {"v", Value, 0.25},
      {"  x  ", Value, 3},
      {"((((x))))", Value, 3},
  };
  runTable(std::begin(cases), std::end(cases));
}

// Every minus before a letter, a name or "(" is read alike, whatever came before it: -x^2 is
// -(x^2) at the start, after blanks, after "(" and after any number of minuses. A minus before a
// number is that number's sign, and one after an operator the sign of what follows.
TEST(EvaluatePrecedence, PowersAndMinusRewriting) {
  const EvalCase cases[] = {
      {"2^3^2", Value, 512},       {"-x^2", Value, -9},         {" -x^2", Value, -9},
      {"(-x^2)", Value, -9},       {"1*(-x^2)", Value, -9},     {"a-b-c+(-x^2)", Value, -49},
      {"( -x^2)", Value, -9},      {"x- -y", Value, 5},         {"x--y", Value, 5},
      {"x*-y", Value, -6},         {"2^-x", Value, 0.125},      {"x/-y", Value, -1.5},
      {"--x", Value, 3},           {"x-(-y)", Value, 5},        {"a-b-c-d-e-f-x", Value, -48},
      {"a+b+c+(-x^2)", Value, 51}, {"1*(-2^2)", Value, 4},      {"-2^2", Value, -4},
      {"(-2)^3", Value, -8},       {"(-2)^-2", Value, 0.25},    {"2^(-x)", Value, 0.125},
      {"x*(-y)", Value, -6},       {"-(-x)", Value, 3},         {"x*-2", Value, -6},
      {"2*x-y", Value, 4},         {"x-y", Value, 1},           {"2^x*2", Value, 16},
      {"(-1)^1e9", Value, 1},      {"(-1)^(1e9+1)", Value, -1}, {"(-3)^0", Value, 1},
      {"(-0.5)^-3", Value, -8},
  };
  runTable(std::begin(cases), std::end(cases));
}

TEST(EvaluateSyntax, RejectedTexts) {
  const EvalCase cases[] = {
      {"", Syntax},
      {"   ", Syntax},
      {"sin(x", Syntax},
      {"sin x", Syntax},
      {"x2", Syntax},
      {"2 3", Syntax},
      {"(x)2", Syntax},
      {"z", Syntax},
      {"(x", Syntax},
      {"x)", Syntax},
      {"()", Syntax},
      {"1.2.3", Syntax},
      {"1E1234", Syntax},
      {"x:2", Syntax},
      {"2:x", Syntax},
      {"sin", Syntax},
      {"tanh(x)", Syntax},
      {"\tx", Syntax},
      {"x+", Syntax},
      {"*x", Syntax},
      {"x^", Syntax},
      // A math error met before the syntax error is still reported.
      {"1/0 2", SyntaxAndMath},
      {"2 2/0", Syntax},
  };
  runTable(std::begin(cases), std::end(cases));
}

TEST(EvaluateDomain, ArithmeticErrors) {
  const EvalCase cases[] = {
      {"1/0", Math},
      {"1/(x-x)", Math},
      {"(-8)^(1/3)", Math},
      {"0.5^200", Math},
      {"2^1000", Math},
      {"1E309", Math},
      {"1E200*1E200", Math},
      {"1E308+1E308", Math},
      {"(-2)^1e9", Math},
      {"(-10)^400", Math},
      {"(-2)^-20000", Math},
      {"1/0+1", Math}, // the parse goes on after a math error
      {"0^0", Value, 0},
      {"0^(-1)", Value, 0},
      {"1E-400", Value, 0},
      {"(-2)^-1000", Value, 0x1p-1000},
      {"(-2)^-2000", Value, 0},                       // underflow is no error
      {"2^88", Value, 309485009821345068724781056.0}, // 88*ln 2 < 88
  };
  runTable(std::begin(cases), std::end(cases));
}

TEST(EvaluateFunctions, ValuesAndGuards) {
  const EvalCase cases[] = {
      {"abs(-2.5)", Value, 2.5},
      {"atan(1)", Value, 0.7853981633974483},
      {"tan(0)", Value, 0},
      {"sin(0)", Value, 0},
      {"cos(0)", Value, 1},
      {"sin(9.3e18)", Value, 0},
      {"cos(-9.3e18)", Value, 0}, // 2^63 or more
      {"asin(1)", Value, 1.5707963267948966},
      {"asin(-1)", Value, -1.5707963267948966},
      {"asin(1.0000000001)", Value, 1.5707963267948966},
      {"asin(1.1)", Math},
      {"asin(-1.1)", Math},
      {"asin(0.5)", Value, 0.5235987755982989},
      {"acos(-1)", Value, 3.141592653589793},
      {"acos(1)", Value, 0},
      {"acos(0)", Value, 1.5707963267948966},
      {"acos(2)", Math},
      {"sinh(0)", Value, 0},
      {"sinh(89)", Math},
      {"sinh(-89)", Math},
      {"cosh(0)", Value, 1},
      {"cosh(88.5)", Math},
      {"exp(0)", Value, 1},
      {"exp(-100)", Value, 0},
      {"exp(100)", Math},
      {"ln(1)", Value, 0},
      {"ln(0)", Math},
      {"ln(-1)", Math},
      {"log(1000)", Value, 3},
      {"log(-5)", Math},
      {"log(0)", Math},
      {"sqrt(16)", Value, 4},
      {"sqrt(-1)", Math},
      {"sqr(3)", Value, 9},
      {"sqr(1e18)", Value, static_cast<double>(1e18L * 1e18L)},
      {"sqr(1.1e18)", Math},
      {"sqr(-1.1e18)", Math},
      {"round(2.5)", Value, 2},
      {"round(-2.5)", Value, -2},
      {"round(3.5)", Value, 4},
      {"round(2e9)", Math},
      {"round(1e9)", Value, 1e9},
      {"trunc(-2.7)", Value, -2},
      {"trunc(2e9)", Math},
      {"trunc(-2e9)", Math},
      {"int(-2.36)", Value, -2},
      {"int(1e300)", Value, 1e300},
      {"un(0)", Value, 1},
      {"un(-0.1)", Value, 0},
      {"cut(1)", Value, 1},
      {"cut(-1)", Value, 0},
      {"lnx(2)", Syntax},
  };
  runTable(std::begin(cases), std::end(cases));
}

TEST(EvaluateFlags, CutFlagIsOnlyEverSet) {
  ExpressionEngine engine;
  ExpressionVariables vars;
  engine.EvaluateExpression("cut(1)", vars);
  EXPECT_FALSE(engine.CutFlag);
  engine.EvaluateExpression("cut(-1)", vars);
  EXPECT_TRUE(engine.CutFlag);
  engine.EvaluateExpression("cut(1)", vars);
  EXPECT_TRUE(engine.CutFlag);
  engine.EvaluateExpression("x", vars);
  EXPECT_TRUE(engine.CutFlag);
}

TEST(EvaluateFlags, ErrorsAreClearedByTheNextCall) {
  ExpressionEngine engine;
  ExpressionVariables vars;
  vars.VarX = 2;
  engine.EvaluateExpression("1/0", vars);
  ASSERT_TRUE(engine.MathError);
  EXPECT_EQ(engine.EvaluateExpression("x+1", vars), 3);
  EXPECT_FALSE(engine.MathError);
  engine.EvaluateExpression("x 2", vars);
  ASSERT_TRUE(engine.SyntaxError);
  EXPECT_EQ(engine.EvaluateExpression("x", vars), 2);
  EXPECT_FALSE(engine.SyntaxError);
}

TEST(EvaluateFlags, NonFiniteVariablesAreMathErrors) {
  ExpressionEngine engine;
  const double values[] = {std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
  for (double value : values) {
    ExpressionVariables vars;
    vars.VarY = value;
    EXPECT_EQ(engine.EvaluateExpression("x:y", vars), 0);
    EXPECT_TRUE(engine.MathError);
    EXPECT_EQ(engine.EvaluateExpression("y*0", vars), 0);
    EXPECT_TRUE(engine.MathError);
  }
}

TEST(EvaluateFlags, ErrorResultIsPositiveZero) {
  ExpressionEngine engine;
  ExpressionVariables vars;
  const double result = engine.EvaluateExpression("-1/0", vars);
  EXPECT_TRUE(engine.MathError);
  EXPECT_FALSE(std::signbit(result));
}

std::string nested(int depth, const std::string& inner) {
  return std::string(depth, '(') + inner + std::string(depth, ')');
}

TEST(EvaluateLimits, ParseStackHoldsTwentyEntries) {
  struct DepthCase {
    std::string text;
    bool accepted;
    double value = 0;
  };
  const DepthCase cases[] = {
      {nested(17, "x"), true, 1},
      {nested(18, "x"), false},
      {nested(8, "sin(" + nested(7, "x") + ")"), true,
       std::sin(1.0)}, // a function holds two entries
      {nested(8, "sin(" + nested(8, "x") + ")"), false},
      {nested(5000, "x"), false},
      // The bottom entry, Expr + Term * Signed ^ hold 7 entries; 11 "(", X and ")" make 20.
      {"1+2*3^" + nested(11, "x"), true, 7},
      {"1+2*3^" + nested(12, "x"), false},
  };
  ExpressionEngine engine;
  ExpressionVariables vars;
  vars.VarX = 1;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 60));
    const double result = engine.EvaluateExpression(c.text, vars);
    EXPECT_EQ(engine.SyntaxError, !c.accepted);
    EXPECT_EQ(engine.MathError, false);
    EXPECT_EQ(result, c.value);
  }
}

TEST(EvaluateLimits, HostileTextsEndWithAValueOrAFlag) {
  ExpressionEngine engine;
  ExpressionVariables vars;
  std::string control;
  for (int c = 0; c < 32; ++c) control += static_cast<char>(c);
  const std::string texts[] = {
      std::string(10000, 'x'),
      std::string(10000, '-'),
      std::string(10000, ' ') + "1",
      std::string(5000, '(') + "x" + std::string(5000, ')'),
      control,
      "\xc3\xa9\xe2\x82\xac",
      std::string("1\0+2", 4),
      "1234567890123456789012345",
      std::string(119, '9') + ".",
      "." + std::string(119, '5'),
  };
  for (const auto& text : texts) {
    SCOPED_TRACE(text.substr(0, 40));
    const double result = engine.EvaluateExpression(text, vars);
    if (engine.SyntaxError || engine.MathError)
      EXPECT_EQ(result, 0);
    else
      EXPECT_TRUE(std::isfinite(result));
  }
  EXPECT_EQ(engine.EvaluateExpression("1234567890123456789012345", vars),
            1234567890123456789012345.0);
  EXPECT_EQ(engine.EvaluateExpression(std::string(119, '9') + ".", vars), 1e119);
}

} // namespace
