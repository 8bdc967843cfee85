// SPDX-License-Identifier: MIT
// Tests of the scanner: token sequences, numbers, names and letters.
#include "expr/Expression.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A compact picture of a token sequence: N(value) L(letter) F(name) and the operator text.
std::string scanAll(ExpressionEngine& engine, std::string_view text, bool* mathError) {
  engine.LoadWorkText(text);
  engine.MathError = false;
  std::string out;
  for (int guard = 0; guard < 300; ++guard) {
    const Token token = engine.ScanToken();
    const ParseEntry& e = engine.currentEntry();
    if (!out.empty()) out += ' ';
    switch (token) {
    case Number:
      out += "N(" + std::to_string(e.value) + ")";
      break;
    case Letter:
      out += std::string("L(") + e.letter + ")";
      break;
    case FunctionName:
      out += std::string("F(") + e.funcName + ")";
      break;
    case EndOfText:
      out += "$";
      break;
    case TwoArgumentName:
      out += std::string("F2(") + e.funcName + ")";
      break;
    case Comma:
      out += ",";
      break;
    case Invalid:
      out += "?";
      break;
    default:
      out += "+-*/^:()"[token];
      break;
    }
    if (token == EndOfText) break;
  }
  *mathError = engine.MathError;
  return out;
}

struct ScanCase {
  const char* text;
  const char* tokens;
  bool mathError;
};

TEST(Scanner, TokenSequences) {
  const ScanCase cases[] = {
      {"", "$", false},
      {"   ", "$", false},
      {"x ", "L(X) $", false},
      {"\tx", "? L(X) $", false}, // a tab is not a blank
      {".5", "N(0.500000) $", false},
      {"x*.5", "L(X) * N(0.500000) $", false},
      {"2.", "N(2.000000) $", false},
      {"1.2.3", "N(1.200000) N(0.300000) $", false},
      {"1E5", "N(100000.000000) $", false},
      {"1E-3", "N(0.001000) $", false},
      {"1e+2", "N(100.000000) $", false},
      // An E with no digits after it is the letter e.
      {"2E", "N(2.000000) L(E) $", false},
      {"2E+", "N(2.000000) L(E) + $", false},
      {"2e+x", "N(2.000000) L(E) + L(X) $", false},
      {"2e-(1)", "N(2.000000) L(E) + ( - N(1.000000) ) * ( N(1.000000) ) $", false},
      {"2E+1E-1", "N(20.000000) L(E) - N(1.000000) $", false},
      {"pi Pi p", "L(P) L(P) L(P) $", false},
      {"pix", "L(P) L(X) $", false},
      {"x**2 * *", "L(X) ^ N(2.000000) * * $", false},
      {"min(x,y) atan2 atan", "F2(MIN) ( L(X) , L(Y) ) F2(ATAN2) F(ATAN) $", false},
      {"sign sin ceil floor hypot mod max",
       "F(SIGN) F(SIN) F(CEIL) F(FLOOR) F2(HYPOT) F2(MOD) F2(MAX) $", false},
      {"0000000000000000000000001.5", "N(1.500000) $", false},
      {"abs(x)", "F(ABS) ( L(X) ) $", false},
      {"ABS(X)", "F(ABS) ( L(X) ) $", false},
      {"a", "L(A) $", false},
      {"asin(x)", "F(ASIN) ( L(X) ) $", false},
      {"atan", "F(ATAN) $", false},
      {"cosh cos acos", "F(COSH) F(COS) F(ACOS) $", false},
      {"sinh sin sqrt sqr", "F(SINH) F(SIN) F(SQRT) F(SQR) $", false},
      {"lnx(2)", "F(LN) L(X) ( N(2.000000) ) $", false},
      {"tanh(x)", "F(TAN) ? ( L(X) ) $", false},
      {"z", "? $", false},
      {"x:y", "L(X) : L(Y) $", false},
      {"+-*/^()", "+ - * / ^ ( ) $", false},
      {"2x", "N(2.000000) L(X) $", false},
      {"#\x01\xc3", "? ? ? $", false},
  };
  ExpressionEngine engine;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    bool mathError = false;
    EXPECT_EQ(scanAll(engine, c.text, &mathError), c.tokens);
    EXPECT_EQ(mathError, c.mathError);
  }
}

TEST(Scanner, ExponentTakesAtMostThreeDigits) {
  ExpressionEngine engine;
  engine.LoadWorkText("1E1234");
  ASSERT_EQ(engine.ScanToken(), Number);
  EXPECT_EQ(engine.currentEntry().value, 1e123);
  EXPECT_EQ(engine.workText(), "4");
}

struct LiteralCase {
  const char* text;
  double value;
  bool mathError;
};

TEST(Scanner, LiteralsOutsideTheDoubleRange) {
  const LiteralCase cases[] = {
      {"1E309", 0, true}, // too large: cannot be converted
      {"1E308", 1e308, false},
      {"1E-400", 0, false},      // too small: reads as 0
      {"1E-310", 1e-310, false}, // a denormal is kept
      {"9999999999999999999999999", 1e25, false},
  };
  ExpressionEngine engine;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    engine.LoadWorkText(c.text);
    engine.MathError = false;
    ASSERT_EQ(engine.ScanToken(), Number);
    EXPECT_EQ(engine.currentEntry().value, c.value);
    EXPECT_EQ(engine.MathError, c.mathError);
  }
}

TEST(Scanner, HelpersLeaveOrTakeTheText) {
  ExpressionEngine engine;
  engine.LoadWorkText("xsin");
  EXPECT_TRUE(engine.TryVariableLetter());
  EXPECT_EQ(engine.currentEntry().letter, 'X');
  EXPECT_EQ(engine.workText(), "XSIN"); // the letter stays for ScanToken to remove
  EXPECT_FALSE(engine.TryFunctionName("SIN"));
  engine.LoadWorkText("sinx");
  EXPECT_TRUE(engine.TryFunctionName("SIN"));
  EXPECT_STREQ(engine.currentEntry().funcName, "SIN");
  EXPECT_EQ(engine.workText(), "X");
  engine.LoadWorkText("g");
  EXPECT_FALSE(engine.TryVariableLetter());
}

TEST(Scanner, LeavesOtherFieldsOfTheEntryAlone) {
  ExpressionEngine engine;
  engine.LoadWorkText("2 x");
  engine.ScanToken();
  engine.ScanToken();
  EXPECT_EQ(engine.currentEntry().letter, 'X');
  EXPECT_EQ(engine.currentEntry().value, 2);
}

} // namespace
