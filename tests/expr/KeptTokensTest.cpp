// SPDX-License-Identifier: MIT
// The kept-token path against the plain path: same value bits and flags on random texts.
#include "expr/Expression.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

const char* const Pieces[] = {
    "+",    "-",    "-",     "*",      "/",     "^",    ":",     "(",     "(",      ")",
    ")",    " ",    "x",     "y",      "r",     "t",    "u",     "v",     "a",      "b",
    "c",    "d",    "e",     "f",      "p",     "X",    "z",     "#",     "\t",     "0",
    "1",    "2",    "3.",    ".5",     "1E5",   "2E",   "1E-3",  "1E309", "1E-400", "1e1234",
    "0.5",  "88",   "1.2.3", "abs(",   "atan(", "tan(", "cosh(", "cos(",  "acos(",  "exp(",
    "int(", "ln(",  "log(",  "round(", "sinh(", "sin(", "asin(", "sqrt(", "sqr(",   "trunc(",
    "un(",  "cut(", "tanh(", "lnx",    "Sin(",  "(-",   "^-",    "*-",    "1e200",  "-1",
};

std::string randomText(std::mt19937& random) {
  std::string text;
  const int count = static_cast<int>(random() % 30);
  for (int i = 0; i < count; ++i) text += Pieces[random() % std::size(Pieces)];
  return text;
}

// A well-formed expression, so that the comparison also covers the arithmetic.
std::string randomExpression(std::mt19937& random, int depth) {
  const char* const operands[] = {"x", "y", "u", "v", "a", "p", "2", "0.5", "3", "1E-3", "0"};
  const char* const functions[] = {"abs",  "atan", "tan",   "cosh",  "cos",  "acos", "exp",
                                   "int",  "ln",   "log",   "round", "sinh", "sin",  "asin",
                                   "sqrt", "sqr",  "trunc", "un",    "cut"};
  const char* const operators[] = {"+", "-", "*", "/", "^"};
  std::string text;
  const int terms = 1 + static_cast<int>(random() % 3);
  for (int i = 0; i < terms; ++i) {
    if (i > 0) text += operators[random() % std::size(operators)];
    if (random() % 4 == 0) text += "-";
    const unsigned kind = depth > 0 ? random() % 4 : 0;
    if (kind == 0) {
      text += operands[random() % std::size(operands)];
      continue;
    }
    if (kind > 1) text += functions[random() % std::size(functions)];
    text += '(';
    text.append(randomExpression(random, depth - 1));
    text += ')';
  }
  return text;
}

double randomValue(std::mt19937& random) {
  switch (random() % 10) {
  case 0:
    return 0;
  case 1:
    return std::uniform_real_distribution<double>(-1e10, 1e10)(random);
  case 2:
    return (random() % 2 ? 1 : -1) * std::ldexp(1.0, static_cast<int>(random() % 2000) - 1000);
  case 3:
    return random() % 50 == 0 ? std::numeric_limits<double>::infinity() : 1;
  case 4:
    return static_cast<double>(static_cast<int>(random() % 9) - 4);
  default:
    return std::uniform_real_distribution<double>(-3, 3)(random);
  }
}

// The same value bits and the same three flags from both engines.
testing::AssertionResult sameOutcome(const ExpressionEngine& kept, double a,
                                     const ExpressionEngine& plain, double b) {
  if (std::bit_cast<std::uint64_t>(a) != std::bit_cast<std::uint64_t>(b))
    return testing::AssertionFailure() << "values " << a << " and " << b;
  if (kept.SyntaxError != plain.SyntaxError || kept.MathError != plain.MathError ||
      kept.CutFlag != plain.CutFlag) {
    return testing::AssertionFailure()
           << "flags syntax/math/cut " << kept.SyntaxError << kept.MathError << kept.CutFlag
           << " and " << plain.SyntaxError << plain.MathError << plain.CutFlag;
  }
  return testing::AssertionSuccess();
}

TEST(KeptTokens, AgreeBitForBitWithThePlainPath) {
  std::mt19937 random(20240607);
  // More texts than kept slots, so that slots are reused while texts come back.
  std::vector<std::string> pool(40);
  auto newText = [&random] {
    return random() % 2 ? randomText(random) : randomExpression(random, 3);
  };
  for (auto& text : pool) text = newText();
  ExpressionEngine kept;
  ExpressionEngine plain;
  int accepted = 0;
  for (int round = 0; round < 300000; ++round) {
    if (round % 50 == 0) pool[random() % pool.size()] = newText();
    const std::string& text = pool[random() % pool.size()];
    ExpressionVariables vars;
    for (double* field :
         {&vars.VarX, &vars.VarY, &vars.VarR, &vars.VarT, &vars.VarU, &vars.VarV, &vars.ParamA,
          &vars.ParamB, &vars.ParamC, &vars.ParamD, &vars.ParamE, &vars.ParamF})
      *field = randomValue(random);
    const double a = kept.EvaluateExpression(text, vars);
    const double b = plain.EvaluateUncached(text, vars);
    ASSERT_TRUE(sameOutcome(kept, a, plain, b)) << text;
    if (!kept.SyntaxError && !kept.MathError) ++accepted;
  }
  // The soup must reach the arithmetic often enough to mean something.
  EXPECT_GT(accepted, 30000);
}

TEST(KeptTokens, SampleTextsAgreeOverAGrid) {
  const char* const texts[] = {"(2*x^2+3*y^2)*Exp(1-x^2-y^2)",
                               "(5-Sqr(x*y))*Un(5-Sqr(x*y))",
                               "(2*Abs(x)*y)/Sqrt(x^2+y^2)",
                               "5*Sin(x*y)/(x*y)",
                               "Ln(Abs(1+x^2-y^2))",
                               "9-(Trunc(x))^2-(Trunc(y))^2",
                               "0.8*Cos(v)+0.1*Cos(u)",
                               "(2-u*Sin(v/2))*Cos(v)",
                               "v^2/3-u^2/2"};
  ExpressionEngine kept;
  ExpressionEngine plain;
  ExpressionVariables vars;
  for (int i = -30; i <= 30; ++i)
    for (int j = -30; j <= 30; ++j)
      for (const char* text : texts) {
        vars.VarX = vars.VarU = i / 10.0;
        vars.VarY = vars.VarV = j / 10.0;
        const double a = kept.EvaluateExpression(text, vars);
        const double b = plain.EvaluateUncached(text, vars);
        ASSERT_TRUE(sameOutcome(kept, a, plain, b)) << text;
      }
}

TEST(KeptTokens, RepeatedPointsGiveTheSameOutcomeAsAFreshEvaluation) {
  // Few distinct values, so that points come back while their outcomes are kept; the cut flag
  // is cleared before each call as the renderers do, so each call's own cut shows.
  std::mt19937 random(77);
  std::vector<std::string> pool(12);
  for (auto& text : pool) text = randomExpression(random, 3);
  pool[0] = "cut(x)*y+cut(y-a)";
  pool[1] = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
  const double values[] = {-1, 0, 0.5, 2, -0.0, 1e300};
  ExpressionEngine kept;
  ExpressionEngine plain;
  int cuts = 0;
  for (int round = 0; round < 200000; ++round) {
    const std::string& text = pool[random() % pool.size()];
    ExpressionVariables vars;
    for (double* field : {&vars.VarX, &vars.VarY, &vars.VarU, &vars.ParamA})
      *field = values[random() % std::size(values)];
    kept.CutFlag = plain.CutFlag = false;
    const double a = kept.EvaluateExpression(text, vars);
    const double b = plain.EvaluateUncached(text, vars);
    ASSERT_TRUE(sameOutcome(kept, a, plain, b)) << text;
    cuts += kept.CutFlag;
  }
  EXPECT_GT(cuts, 1000);
}

TEST(KeptTokens, AKeptCutDoesNotClearAnEarlierOne) {
  ExpressionEngine engine;
  ExpressionVariables vars;
  vars.VarX = 1;
  engine.EvaluateExpression("cut(x)", vars);
  engine.CutFlag = true;
  engine.EvaluateExpression("cut(x)", vars); // the kept outcome has no cut
  EXPECT_TRUE(engine.CutFlag);
}

// Texts that read more than four letters are not remembered whole, so every evaluation meets
// the remembered powers; bases and exponents repeat, with and without errors.
TEST(KeptPowers, AgreeWithFreshPowersIncludingErrors) {
  const double bases[] = {0.5, -2, 3, 1e-12, -1e-12, 0, 2.5, -0.5, 1e300, 7};
  const double exponents[] = {2, 200, -3, 0.5, 2.5, 1e-10, 0, -200, 64, 65};
  const char* const texts[] = {"x^y+a*b*c*d", "ln(a)+x^y+b+c+d", "(x^y)^a+b+c+d",
                               "x^y*sqrt(-a)+b+c+d"};
  std::mt19937 random(11);
  ExpressionEngine kept;
  ExpressionEngine plain;
  int errors = 0;
  for (int round = 0; round < 60000; ++round) {
    ExpressionVariables vars;
    vars.VarX = bases[random() % std::size(bases)];
    vars.VarY = exponents[random() % std::size(exponents)];
    vars.ParamA = random() % 3 ? 1 : bases[random() % std::size(bases)];
    vars.ParamB = vars.ParamC = vars.ParamD = 1;
    const char* text = texts[random() % std::size(texts)];
    const double a = kept.EvaluateExpression(text, vars);
    const double b = plain.EvaluateUncached(text, vars);
    ASSERT_TRUE(sameOutcome(kept, a, plain, b)) << text << " " << vars.VarX << "^" << vars.VarY;
    errors += kept.MathError;
  }
  EXPECT_GT(errors, 5000);
  EXPECT_LT(errors, 55000);
}

} // namespace

namespace {

// The same for the remembered function values: arguments repeat, inside and outside each
// function's domain, next to a CUT and after an earlier error in the same text.
TEST(KeptFunctionValues, AgreeWithFreshValuesIncludingErrors) {
  const double arguments[] = {0.5, -2, 3, 1e-12, -1, 1, 0, 100, -100, 1e19, 0.999999999999};
  const char* const texts[] = {"sin(x)+cos(y)+a+b+c+d",        "ln(x)*exp(y)+a+b+c+d",
                               "asin(x)+acos(y)+tan(a)+b+c+d", "sinh(x)-cosh(y)+log(a)+b+c+d",
                               "ln(a)+atan(x)+sin(y)+b+c+d",   "cut(x)*cos(y)+a+b+c+d"};
  std::mt19937 random(17);
  ExpressionEngine kept;
  ExpressionEngine plain;
  int errors = 0;
  for (int round = 0; round < 60000; ++round) {
    ExpressionVariables vars;
    vars.VarX = arguments[random() % std::size(arguments)];
    vars.VarY = arguments[random() % std::size(arguments)];
    vars.ParamA = arguments[random() % std::size(arguments)];
    vars.ParamB = vars.ParamC = vars.ParamD = 1;
    const char* text = texts[random() % std::size(texts)];
    kept.CutFlag = plain.CutFlag = false;
    const double a = kept.EvaluateExpression(text, vars);
    const double b = plain.EvaluateUncached(text, vars);
    ASSERT_TRUE(sameOutcome(kept, a, plain, b)) << text << " x=" << vars.VarX << " y=" << vars.VarY;
    errors += kept.MathError;
  }
  EXPECT_GT(errors, 5000);
  EXPECT_LT(errors, 55000);
}

} // namespace
