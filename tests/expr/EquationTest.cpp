// SPDX-License-Identifier: MIT
// Tests of texts read as equations in space: z as a variable, LEFT = RIGHT as LEFT - (RIGHT),
// and the mistakes an equation can hold; and that other texts still refuse both.
#include "expr/Expression.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

namespace {

constexpr Grammar Equation = Grammar::SpaceEquation;

ExpressionVariables point() {
  ExpressionVariables v;
  v.VarX = 1.25;
  v.VarY = -0.5;
  v.VarZ = 0.75;
  v.ParamA = 3;
  return v;
}

std::uint64_t bits(double v) {
  return std::bit_cast<std::uint64_t>(v);
}

struct SameAs {
  const char* equation;
  const char* difference;
};

// An equation evaluates, on both paths and again from the kept text, bit for bit as the
// difference of its sides written out.
TEST(Equations, MeanLeftMinusRight) {
  const SameAs cases[] = {
      {"x^2+y^2+z^2=4", "x^2+y^2+z^2-(4)"},
      {"x^2+y^2+z^2 = 4", "x^2+y^2+z^2-(4)"},
      {"z = x^2 - y^2", "z-(x^2-y^2)"},
      {"x = -y^2", "x-(-y^2)"},
      {"x =-y^2", "x-(-y^2)"},
      {"-x = y", "-x-(y)"},
      {"x = -2", "x-(-2)"},
      {"x = -z*-y", "x-(-z*-y)"},
      {"2x = 3z", "2*x-(3*z)"},
      {"sin(x)*cos(y) = cos(z)", "sin(x)*cos(y)-(cos(z))"},
      {"(x^2+y^2+z^2+3)^2=16*(x^2+y^2)", "(x^2+y^2+z^2+3)^2-(16*(x^2+y^2))"},
      {"x-y = z-a", "x-y-(z-a)"},
      {"0 = x+y+z", "0-(x+y+z)"},
      {"zz = x", "z*z-(x)"},
      {"min(x,z) = max(y,z)", "min(x,z)-(max(y,z))"},
  };
  const ExpressionVariables vars = point();
  ExpressionEngine kept, plain;
  for (const SameAs& c : cases) {
    SCOPED_TRACE(c.equation);
    const double expected = plain.EvaluateUncached(c.difference, vars, Equation);
    ASSERT_FALSE(plain.SyntaxError || plain.MathError);
    for (int round = 0; round < 2; ++round) {
      EXPECT_EQ(bits(kept.EvaluateExpression(c.equation, vars, Equation)), bits(expected));
      EXPECT_FALSE(kept.SyntaxError || kept.MathError);
    }
    EXPECT_EQ(bits(plain.EvaluateUncached(c.equation, vars, Equation)), bits(expected));
    EXPECT_FALSE(plain.SyntaxError || plain.MathError);
  }
}

TEST(Equations, ZTakesItsValueAndFunctionsOfItFailAsAnyOther) {
  ExpressionVariables vars = point();
  ExpressionEngine engine;
  EXPECT_EQ(engine.EvaluateExpression("z", vars, Equation), 0.75);
  vars.VarZ = -4;
  EXPECT_EQ(engine.EvaluateExpression("z", vars, Equation), -4);
  EXPECT_EQ(engine.EvaluateExpression("sqrt(z) = 1", vars, Equation), 0);
  EXPECT_TRUE(engine.MathError);
  EXPECT_FALSE(engine.SyntaxError);
  vars.VarZ = 9;
  EXPECT_EQ(engine.EvaluateExpression("sqrt(z) = 1", vars, Equation), 2);
  EXPECT_FALSE(engine.MathError);
}

struct Mistake {
  const char* text;
  int column;
  int length;
  const char* reason;
};

TEST(Equations, MistakesPointAtTheirColumn) {
  const Mistake cases[] = {
      {"x=y=z", 4, 1, "an equation has one '='"},
      {"(x=1)", 3, 1, "'=' stands only between the two sides of the equation"},
      {"sin(x=1)", 6, 1, "'=' stands only between the two sides of the equation"},
      {"x=", 3, 0, "the text ends too early"},
      {"=x", 1, 1, "a number or a variable expected"},
      {"x==1", 3, 1, "a number or a variable expected"},
      {"x=(1", 5, 0, "')' expected"},
      {"x+w=1", 3, 1, "unknown name 'W'"},
  };
  const ExpressionVariables vars = point();
  ExpressionEngine kept, plain;
  for (const Mistake& c : cases) {
    SCOPED_TRACE(c.text);
    plain.EvaluateUncached(c.text, vars, Equation);
    ASSERT_TRUE(plain.SyntaxError);
    EXPECT_EQ(plain.ErrorColumn, c.column);
    EXPECT_EQ(plain.ErrorLength, c.length);
    EXPECT_EQ(plain.ErrorReason, c.reason);
    for (int round = 0; round < 2; ++round) {
      EXPECT_EQ(kept.EvaluateExpression(c.text, vars, Equation), 0);
      EXPECT_TRUE(kept.SyntaxError);
      EXPECT_EQ(kept.ErrorColumn, c.column);
      EXPECT_EQ(kept.ErrorReason, c.reason);
    }
  }
}

// Every other text keeps refusing z and "=" where they stand, however the text was read
// before: the kept texts of the two grammars are kept apart.
TEST(Equations, OtherTextsRefuseZAndEquals) {
  const Mistake cases[] = {
      {"x^2+y^2+z^2", 9, 1, "'z' is not a variable of this kind"},
      {"sin(z)", 5, 1, "'z' is not a variable of this kind"},
      {"2z", 2, 1, "'z' is not a variable of this kind"},
      {"x=-y", 2, 1, "'=' cannot stand here"},
      {"x^2+y^2=4", 8, 1, "'=' cannot stand here"},
  };
  const ExpressionVariables vars = point();
  ExpressionEngine engine;
  for (const Mistake& c : cases) {
    SCOPED_TRACE(c.text);
    for (int round = 0; round < 2; ++round) {
      engine.EvaluateExpression(c.text, vars, Equation);
      EXPECT_FALSE(engine.SyntaxError);
      EXPECT_EQ(engine.EvaluateExpression(c.text, vars), 0);
      EXPECT_TRUE(engine.SyntaxError);
      EXPECT_EQ(engine.ErrorColumn, c.column);
      EXPECT_EQ(engine.ErrorLength, c.length);
      EXPECT_EQ(engine.ErrorReason, c.reason);
      engine.EvaluateUncached(c.text, vars);
      EXPECT_TRUE(engine.SyntaxError);
      EXPECT_EQ(engine.ErrorColumn, c.column);
    }
  }
}

// The scanner gives z and "=" their tokens only while an equation is loaded.
TEST(Equations, ScannerTokensFollowTheGrammar) {
  ExpressionEngine engine;
  engine.LoadWorkText("z=x", Equation);
  EXPECT_EQ(engine.ScanToken(), Letter);
  EXPECT_EQ(engine.currentEntry().letter, 'Z');
  EXPECT_EQ(engine.ScanToken(), Equals);
  EXPECT_EQ(engine.ScanToken(), Letter);
  EXPECT_EQ(engine.ScanToken(), EndOfText);
  engine.LoadWorkText("z=x");
  EXPECT_EQ(engine.ScanToken(), Invalid);
  EXPECT_EQ(engine.ScanToken(), Invalid);
  EXPECT_EQ(engine.ScanToken(), Letter);
}

// The right side's leading minus binds as the text's own leading minus does: -x^2 is -(x^2).
TEST(Equations, RightSideMinusIsRewrittenAsALeadingOne) {
  EXPECT_EQ(PrepareText("z=-x^2"), "Z=(-1)*X^2");
  EXPECT_EQ(PrepareText("z = -x^2"), "Z = (-1)*X^2");
  EXPECT_EQ(PrepareText("z=-2"), "Z=-2");
  ExpressionVariables vars = point();
  vars.VarX = 3;
  ExpressionEngine engine;
  EXPECT_EQ(engine.EvaluateExpression("0 = -x^2", vars, Equation), 9);
}

// A point met once is evaluated from the kept tokens without remembering its outcome: value
// and flags are those of the other two paths, point after point.
TEST(Equations, EvaluateOnceGivesTheSameOutcome) {
  const char* texts[] = {"x^2+y^2+z^2=4", "sqrt(z)=x", "cut(x)*y = z", "ln(x*z)", "x=y=z", "2^z"};
  ExpressionEngine once, kept, plain;
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    for (int i = 0; i < 40; ++i) {
      ExpressionVariables v = point();
      v.VarX = 0.5 * (i % 7) - 1.5;
      v.VarZ = 0.25 * (i % 5) - 0.5;
      once.CutFlag = kept.CutFlag = plain.CutFlag = false;
      const double a = once.EvaluateOnce(text, v, Equation);
      const double b = kept.EvaluateExpression(text, v, Equation);
      const double c = plain.EvaluateUncached(text, v, Equation);
      EXPECT_EQ(bits(a), bits(c));
      EXPECT_EQ(bits(b), bits(c));
      EXPECT_EQ(once.MathError, plain.MathError);
      EXPECT_EQ(once.SyntaxError, plain.SyntaxError);
      EXPECT_EQ(once.CutFlag, plain.CutFlag);
      EXPECT_EQ(once.ErrorColumn, plain.ErrorColumn);
    }
  }
}

} // namespace
