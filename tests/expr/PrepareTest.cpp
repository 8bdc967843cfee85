// SPDX-License-Identifier: MIT
// Tests of the three rewriting steps and of the cut to 120 characters.
#include "expr/Expression.h"

#include <gtest/gtest.h>

#include <random>
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
      {" -x^2", " -X^2"},   // a blank before the minus prevents the leading rewrite
      {"(-x^2)", "(-X^2)"}, // the minus at position 2 is never examined
      {"1*(-x^2)", "1*((-1)*X^2)"},
      {"1+(-x^2)", "1+((-1)*X^2)"},
      {"2*x-y", "2*X+(-1)*Y"},
      {"x*-2", "X*-2"},   // a digit follows
      {"x*-.5", "X*-.5"}, // a point follows
      {"2^-x", "2^+(-1)*X"},
      {"x*-y", "X*+(-1)*Y"},
      {"x-y", "X-Y"}, // shorter than 4: not scanned
      {"ab-c", "AB+(-1)*C"},
      {"a-b-c+(-x^2)", "A-B+(-1)*C+(-X^2)"}, // the last minus is pushed past the scan's end
      {"a+b+c+(-x^2)", "A+B+C+((-1)*X^2)"},
      {"x^2-", "X^2-"},        // the last position is never examined
      {"--x", "(-1)*+(-1)*X"}, // the inserted minus is followed by 1 and is left alone
      {"-(-x)", "(-1)*((-1)*X)"},
      {"1E-3", "1E-3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(PrepareText(c.text), c.prepared);
  }
}

// The rewriting exactly as a reader of the rules would do it: in place, positions counted from
// 1 in the text being rewritten, the bound fixed before the loop.
std::string referencePrepare(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (!s.empty() && s[0] == '-') s.replace(0, 1, "(-1)*");
  const std::size_t n = s.size();
  auto at = [&s](std::size_t i) { return s[i - 1]; };
  auto operand = [](char c) { return !(c >= '0' && c <= '9') && c != '.'; };
  for (std::size_t i = 3; i + 1 <= n; ++i) {
    if (at(i) != '-') continue;
    if (at(i - 1) != '(' && operand(at(i + 1))) s.replace(i - 1, 1, "+(-1)*");
    if (at(i - 1) == '(' && operand(at(i + 1))) s.replace(i - 1, 1, "(-1)*");
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

TEST(WorkText, KeepsTheFirst120PreparedCharacters) {
  ExpressionEngine engine;
  const std::string minuses = std::string(40, 'x') + std::string(60, '-') + "x";
  const std::string prepared = PrepareText(minuses);
  ASSERT_GT(prepared.size(), 120u);
  engine.LoadWorkText(minuses);
  EXPECT_EQ(engine.workText(), prepared.substr(0, 120));

  engine.LoadWorkText("abc");
  EXPECT_EQ(engine.workText(), "ABC");
}

TEST(WorkText, LongTextIsEvaluatedFromItsFirst120Characters) {
  ExpressionEngine engine;
  ExpressionVariables vars;
  // 60 terms "1+" make 120 characters; whatever follows is never seen.
  std::string text;
  for (int i = 0; i < 59; ++i) text += "1+";
  text += "1)"; // characters 119 and 120 are "1" and ")": a syntax error
  EXPECT_EQ(engine.EvaluateExpression(text + "garbage", vars), 0);
  EXPECT_TRUE(engine.SyntaxError);
  text.back() = '1'; // "...+11" is 120 characters, the rest is cut away
  EXPECT_EQ(engine.EvaluateExpression(text + "**junk", vars), 59 + 11);
  EXPECT_FALSE(engine.SyntaxError);
}

} // namespace
