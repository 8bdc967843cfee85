// SPDX-License-Identifier: MIT
// Tests of the three rewriting steps and of the cut to 120 characters.
#include "expr/Expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string_view>
#include <string>

namespace {

struct PrepareCase {
  const char* text;
  const char* prepared;
};

TEST(PrepareText, RewritesAsDocumentedExamples) {
  const PrepareCase cases[] = {
      {"", ""},
      {"sin(x)", "SIN(X)"},
      {"Sin(X)+é", "SIN(X)+é"}, // only a to z change case
      {"-x^2", "(-1)*X^2"},
      {" -x^2", " (-1)*X^2"},   // after blanks alone a minus opens the text, as after "("
      {"(-x^2)", "((-1)*X^2)"}, // the minus at position 2 too
      {"1*(-x^2)", "1*((-1)*X^2)"},
      {"1+(-x^2)", "1+((-1)*X^2)"},
      {"2*x-y", "2*X+(-1)*Y"},
      {"x*-2", "X*-2"},   // a digit follows
      {"x*-.5", "X*-.5"}, // a point follows
      {"2^-x", "2^-X"},   // after an operator: the sign of what follows
      {"x*-y", "X*-Y"},
      {"x* -y", "X* -Y"},
      {"x-y", "X+(-1)*Y"},
      {"ab-c", "AB+(-1)*C"},
      {"a-b-c+(-x^2)", "A+(-1)*B+(-1)*C+((-1)*X^2)"}, // however many minuses came before
      {"a+b+c+(-x^2)", "A+B+C+((-1)*X^2)"},
      {"x^2-", "X^2-"},   // the last position is never examined
      {"--x", "(-1)*-X"}, // after the leading rewrite's "*"
      {"-(-x)", "(-1)*((-1)*X)"},
      {"1E-3", "1E-3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(PrepareText(c.text), c.prepared);
  }
}

// The rewriting exactly as a reader of the rules would do it: in place, positions counted from
// 1 in the text being rewritten, every minus from the second position to the last but one.
std::string referencePrepare(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (!s.empty() && s[0] == '-') s.replace(0, 1, "(-1)*");
  auto at = [&s](std::size_t i) { return s[i - 1]; };
  auto operand = [](char c) { return !(c >= '0' && c <= '9') && c != '.'; };
  for (std::size_t i = 2; i + 1 <= s.size(); ++i) {
    if (at(i) != '-' || !operand(at(i + 1))) continue;
    char before = '(';
    for (std::size_t k = i - 1; k >= 1; --k)
      if (at(k) != ' ') {
        before = at(k);
        break;
      }
    if (std::string_view("+-*/^:").find(before) != std::string_view::npos) continue;
    s.replace(i - 1, 1, before == '(' ? "(-1)*" : "+(-1)*");
  }
  return s;
}

TEST(PrepareText, AgreesWithInPlaceRewritingOnRandomTexts) {
  std::mt19937 random(7);
  const char alphabet[] = "--(()x2.a*^ ";
  for (int round = 0; round < 20000; ++round) {
    std::string text(random() % 24, ' ');
    for (char& c : text) c = alphabet[random() % (sizeof alphabet - 1)];
    SCOPED_TRACE(text);
    ASSERT_EQ(PrepareText(text), referencePrepare(text));
  }
}

// A prepared text of up to WorkTextLimit characters is evaluated whole, a longer one is a syntax
// error: nothing is evaluated from a part of the text.
TEST(WorkText, TextsAreEvaluatedWholeOrRefused) {
  ExpressionEngine engine;
  ExpressionVariables vars;
  vars.VarX = 1;
  const std::size_t limit = ExpressionEngine::WorkTextLimit;
  // "x+" repeated, then "x": exactly the limit, and one "+x" more.
  std::string text;
  while (text.size() + 2 < limit) text += "x+";
  text += "x";
  ASSERT_EQ(PrepareText(text).size(), limit - 1 + limit % 2);
  EXPECT_EQ(engine.EvaluateExpression(text, vars), double((text.size() + 1) / 2));
  EXPECT_FALSE(engine.SyntaxError);
  EXPECT_EQ(engine.EvaluateExpression(text + "+x+x", vars), 0);
  EXPECT_TRUE(engine.SyntaxError);
  // The rewriting lengthens a text of minuses past the limit although the text itself is short.
  std::string minuses = "x";
  while (minuses.size() * 3 < limit + 30) minuses += "-x";
  ASSERT_GT(PrepareText(minuses).size(), limit);
  ASSERT_LT(minuses.size(), limit);
  EXPECT_EQ(engine.EvaluateExpression(minuses, vars), 0);
  EXPECT_TRUE(engine.SyntaxError);
}

// A sum of 5,000 characters means what the same sum written short means, and the 95 characters
// of four bells, 260 once the minuses are rewritten, are evaluated whole.
TEST(WorkText, LongTextsMeanWhatTheySay) {
  ExpressionEngine engine;
  ExpressionVariables vars;
  vars.VarX = 0.5, vars.VarY = 2;
  std::string sum;
  for (int i = 0; i < 1250; ++i) sum += "x+1+";
  sum += "y";
  ASSERT_GE(sum.size(), 5000u);
  EXPECT_EQ(engine.EvaluateExpression(sum, vars), engine.EvaluateExpression("1250*(x+1)+y", vars));
  EXPECT_FALSE(engine.SyntaxError);
  const std::string bells = "3*exp(-(x-1)^2-(y-1)^2)+3*exp(-(x+1)^2-(y+1)^2)+"
                            "3*exp(-(x-1)^2-(y+1)^2)+3*exp(-(x+1)^2-(y-1)^2)";
  ASSERT_GT(PrepareText(bells).size(), 120u);
  const double x = 0.5, y = 2;
  const double expected = 3 * std::exp(-(x - 1) * (x - 1) - (y - 1) * (y - 1)) +
                          3 * std::exp(-(x + 1) * (x + 1) - (y + 1) * (y + 1)) +
                          3 * std::exp(-(x - 1) * (x - 1) - (y + 1) * (y + 1)) +
                          3 * std::exp(-(x + 1) * (x + 1) - (y - 1) * (y - 1));
  EXPECT_NEAR(engine.EvaluateExpression(bells, vars), expected, 1e-12);
  EXPECT_FALSE(engine.SyntaxError);
}

} // namespace
