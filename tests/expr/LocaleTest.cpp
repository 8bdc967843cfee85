// SPDX-License-Identifier: MIT
// Numbers read the same under a locale whose decimal separator is a comma.
#include "expr/Expression.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

TEST(Locale, CommaLocaleDoesNotChangeNumbers) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  ExpressionEngine engine;
  ExpressionVariables vars;
  const double plain = engine.EvaluateExpression("1.5", vars);
  const bool mathError = engine.MathError;
  const double scientific = engine.EvaluateUncached("2.5E-1+x", vars);
  const bool commaRejected = (engine.EvaluateUncached("1,5", vars), engine.SyntaxError);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(plain, 1.5);
  EXPECT_FALSE(mathError);
  EXPECT_EQ(scientific, 0.25);
  EXPECT_TRUE(commaRejected);
}

} // namespace
