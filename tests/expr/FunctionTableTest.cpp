// SPDX-License-Identifier: MIT
// Tests that every row of the function table is scanned, evaluated and remembered alike.
#include "expr/Functions.h"
#include "expr/KeptTexts.h"

#include <gtest/gtest.h>

#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::string lowerCase(std::string_view name) {
  std::string text(name);
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Each row's name, written in lower case and followed by a letter, is one FunctionName token
// of that name: the scanner reaches every row, and no other name hides it.
TEST(FunctionTable, EveryNameIsScannedAsItself) {
  ExpressionEngine engine;
  for (const NamedFunction& row : NamedFunctions) {
    SCOPED_TRACE(std::string(row.name));
    engine.LoadWorkText(lowerCase(row.name) + "x");
    ASSERT_EQ(engine.ScanToken(), row.arguments() == 2 ? TwoArgumentName : FunctionName);
    EXPECT_EQ(std::string_view(engine.currentEntry().funcName), row.name);
    EXPECT_EQ(engine.ScanToken(), Letter);
  }
}

// Each row computes its value in the one way its count of arguments calls for.
TEST(FunctionTable, EveryRowHasTheComputeOfItsArguments) {
  for (const NamedFunction& row : NamedFunctions) {
    SCOPED_TRACE(std::string(row.name));
    EXPECT_EQ(row.compute != nullptr, row.arguments() == 1);
    EXPECT_EQ(row.compute2 != nullptr, row.arguments() == 2);
  }
}

// Arguments at, just inside and just outside the ends of each row's domain, where the two
// paths must agree bit for bit and a failure must give 0; generated from the table, so that
// a new row is covered without a new case.
std::vector<double> edgeArguments(const FunctionDomain& domain) {
  std::vector<double> arguments = {0, -0.0, 1, -1, 0.5, 1e300, -1e300};
  for (const long double end : {domain.low, domain.high}) {
    if (std::isinf(end)) continue;
    const double e = static_cast<double>(end);
    for (const double delta : {0.0, 1e-10, 2e-9, 1e-3})
      for (const double a :
           {e - delta, e + delta, std::nextafter(e, 0.0), std::nextafter(e, 2 * e)})
        arguments.push_back(a);
  }
  return arguments;
}

TEST(FunctionTable, BothPathsAgreeAtTheEdgesOfEveryDomain) {
  ExpressionEngine kept;
  ExpressionEngine plain;
  for (const NamedFunction& row : NamedFunctions) {
    // A function of two arguments takes the edges in both places.
    const std::string text = lowerCase(row.name) + (row.arguments() == 2 ? "(x,1-x)" : "(x)");
    SCOPED_TRACE(text);
    for (const double argument : edgeArguments(row.domain)) {
      SCOPED_TRACE(argument);
      ExpressionVariables vars;
      vars.VarX = argument;
      for (int round = 0; round < 3; ++round) { // later rounds meet the remembered outcomes
        kept.CutFlag = plain.CutFlag = false;
        const double a = kept.EvaluateExpression(text, vars);
        const double b = plain.EvaluateUncached(text, vars);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(a), std::bit_cast<std::uint64_t>(b));
        EXPECT_FALSE(plain.SyntaxError);
        EXPECT_EQ(kept.MathError, plain.MathError);
        EXPECT_EQ(kept.CutFlag, plain.CutFlag);
        if (plain.MathError)
          EXPECT_EQ(std::bit_cast<std::uint64_t>(b), 0u);
        else
          EXPECT_TRUE(std::isfinite(b));
      }
    }
  }
}

// A remembered outcome is computed once, brings its MathError back, and neither clears an
// error set before it nor hides one behind another pair of operands.
TEST(RememberedOperations, KeepTheOutcomeAndItsError) {
  RememberedOperations remembered;
  int computed = 0;
  auto failing = [&computed, &remembered](bool& mathError) {
    return remembered.outcome(1, 2, mathError, [&] {
      ++computed;
      mathError = true;
      return 0.0;
    });
  };
  bool mathError = false;
  EXPECT_EQ(failing(mathError), 0);
  EXPECT_TRUE(mathError);
  mathError = false;
  EXPECT_EQ(failing(mathError), 0);
  EXPECT_TRUE(mathError);
  EXPECT_EQ(computed, 1);

  mathError = true; // an earlier error in the same text
  EXPECT_EQ(remembered.outcome(3, 4, mathError, [] { return 7.0; }), 7);
  EXPECT_TRUE(mathError);
  mathError = false;
  EXPECT_EQ(remembered.outcome(3, 4, mathError, [] { return -1.0; }), 7);
  EXPECT_FALSE(mathError);
}

// A copy of an engine keeps the texts it had and goes on alone: evaluations of one do not
// show in the flags or outcomes of the other.
TEST(EngineCopies, KeepTheirOwnMemory) {
  ExpressionEngine original;
  ExpressionVariables vars;
  vars.VarX = 2;
  vars.VarY = 3;
  for (int i = 0; i < 3; ++i) original.EvaluateExpression("x^y+cut(x-y)", vars);
  ExpressionEngine copy = original;
  copy.CutFlag = false;
  EXPECT_EQ(copy.EvaluateExpression("x^y+cut(x-y)", vars), 8);
  EXPECT_TRUE(copy.CutFlag);
  EXPECT_EQ(copy.EvaluateExpression("ln(x-y)", vars), 0);
  EXPECT_TRUE(copy.MathError);
  EXPECT_FALSE(original.MathError);
  original = copy;
  EXPECT_TRUE(original.MathError);
  EXPECT_EQ(original.EvaluateExpression("x*y", vars), 6);
  ExpressionEngine moved = std::move(original);
  EXPECT_EQ(moved.EvaluateExpression("x^y+cut(x-y)", vars), 8);
  EXPECT_EQ(moved.EvaluateUncached("x^y+cut(x-y)", vars), 8);
}

} // namespace
