// SPDX-License-Identifier: MIT
// The expression engine: text preparation, scanner and table-driven LR evaluator.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The variables and parameters a text may name. The graph state derives from this record so
// that the evaluator reads the one current value of each field.
struct ExpressionVariables {
  double VarX = 0, VarY = 0, VarR = 0, VarT = 0, VarU = 0, VarV = 0;
  // z is a variable only where the caller evaluates a text as an equation (Grammar).
  double VarZ = 0;
  double ParamA = 0, ParamB = 0, ParamC = 0, ParamD = 0, ParamE = 0, ParamF = 0;
};

// Token codes; the numbers index the parser's action table.
enum Token : std::uint8_t {
  Plus = 0,
  Minus = 1,
  Times = 2,
  Divide = 3,
  Power = 4,
  Colon = 5,
  LeftParen = 6,
  RightParen = 7,
  Number = 8,
  Letter = 9,
  FunctionName = 10, // a function of one argument
  EndOfText = 11,
  Comma = 12,
  TwoArgumentName = 13, // a function of two arguments
  Invalid = 14,
  Equals = 15, // only in an equation
};

// What a text may hold beyond the language that every function and field shares. An
// equation in space (the implicit surfaces F(x,y,z) = 0) also reads z as a variable, and one
// "=" between two sides: LEFT = RIGHT means LEFT - (RIGHT). Elsewhere both are mistakes.
enum class Grammar : std::uint8_t { Plain, SpaceEquation };

// Both the current token filled in by the scanner and the element of the parse stack.
struct ParseEntry {
  std::uint8_t state = 0;
  char letter = 0;
  char funcName[6] = {};
  double value = 0;
};

// The three rewriting steps (upper case, leading minus, minus rewriting); the full result,
// before the check of its length.
std::string PrepareText(std::string_view text);

// The memory of kept texts and remembered outcomes, and the steps it keeps (KeptTexts.h).
class KeptTexts;
struct KeptStep;

class ExpressionEngine {
public:
  // The longest prepared text that is evaluated; a longer one is a syntax error.
  static constexpr std::size_t WorkTextLimit = 10'000;
  static constexpr int ParseStackSize = 20;

  // Evaluates text at the given variables. Clears SyntaxError and MathError first; the result
  // is 0 whenever either is set afterwards. CutFlag is only ever set.
  //
  // The scanned tokens of the last few texts are kept, so that a repeated text is not parsed
  // again; value and flags are the same as those of EvaluateUncached.
  double EvaluateExpression(std::string_view text, const ExpressionVariables& vars,
                            Grammar grammar = Grammar::Plain);

  // The same evaluation for a caller that meets each set of values once (a grid sampled point
  // by point): the kept tokens, powers and function values are used, but the outcome is not
  // remembered, which would only cost time and memory.
  double EvaluateOnce(std::string_view text, const ExpressionVariables& vars,
                      Grammar grammar = Grammar::Plain);

  // The same evaluation, preparing and scanning the text again, computing every power and
  // function value afresh and leaving the kept tokens alone.
  double EvaluateUncached(std::string_view text, const ExpressionVariables& vars,
                          Grammar grammar = Grammar::Plain);

  // The scanner, exposed for tests. LoadWorkText puts PrepareText's result into WorkText, or
  // one invalid character when it is longer than WorkTextLimit; the grammar holds for the
  // tokens scanned until the next load.
  void LoadWorkText(std::string_view text, Grammar grammar = Grammar::Plain);
  Token ScanToken();
  bool TryFunctionName(std::string_view name);
  bool TryVariableLetter();
  std::string_view workText() const;
  const ParseEntry& currentEntry() const { return m_current; }

  bool SyntaxError = false;
  bool MathError = false;
  bool CutFlag = false;

  // While SyntaxError is set after an evaluation: where the mistake stands in the text as it
  // was given (before upper-casing and rewriting), as the column of its first character
  // counted from 1 and the number of characters it takes (0 where the text ends too early, the
  // column then being one past the end), and a short reason such as "')' expected".
  int ErrorColumn = 0;
  int ErrorLength = 0;
  std::string ErrorReason;

private:
  // The memory records a text through the parser and replays its steps with the arithmetic.
  friend class KeptTexts;

  // One parse of WorkText. The remembered powers and function values are those of memory; the
  // plain path passes none and computes each afresh. Where steps is given, it receives the
  // steps that compute values, in the order the parse takes them.
  double parse(const ExpressionVariables& vars, KeptTexts* memory, std::vector<KeptStep>* steps);
  Token nextToken(std::vector<KeptStep>* steps);
  Token following(Token shifted, std::vector<KeptStep>* steps);
  // Notes the mistake at the token being read in the given parse state.
  void noteSyntaxError(int state, Token token);
  void noteSyntaxError(std::size_t begin, std::size_t end, std::string reason);
  // Turns the noted mistake into ErrorColumn, ErrorLength and ErrorReason for this text.
  void describeSyntaxError(std::string_view text);
  bool push(const ParseEntry& entry, std::uint8_t state);
  bool reduce(int rule, const ExpressionVariables& vars, KeptTexts* memory,
              std::vector<KeptStep>* steps);
  double reduceValue(int rule, const ParseEntry* right, const ExpressionVariables& vars,
                     KeptTexts* memory, std::vector<KeptStep>* steps);
  // The value and flags of a parse that took these steps, at other values of the letters.
  double replay(const std::vector<KeptStep>& steps, bool syntaxError,
                const ExpressionVariables& vars, KeptTexts& memory);
  static double rawLetterValue(char letter, const ExpressionVariables& vars);
  double letterValue(char letter, const ExpressionVariables& vars);
  double applyFunction(int function, double argument, KeptTexts* memory);
  double applyFunction2(int function, double first, double second);
  double computeFunction(int function, double argument);
  double binary(int rule, double left, double right, KeptTexts* memory);
  double power(double base, double exponent, KeptTexts* memory);
  double computePower(double base, double exponent);
  double store(long double value);

  // WorkText lives in m_work[m_workStart, m_workEnd). It is loaded from index 1, so that the
  // "0" put in front of a leading "." and the "0" appended after a trailing "." always fit.
  char m_work[WorkTextLimit + 2] = {};
  std::size_t m_workStart = 1;
  std::size_t m_workEnd = 1;
  ParseEntry m_current;
  ParseEntry m_stack[ParseStackSize];
  int m_top = 0;
  // Where the token just scanned began in m_work, and where the one before it began.
  std::size_t m_tokenBegin = 1;
  std::size_t m_previousBegin = 1;
  Grammar m_grammar = Grammar::Plain;
  // A token scanned after an operand, waiting while the product it implies is read.
  Token m_held = EndOfText;
  bool m_holding = false;
  // Whether the loaded text was longer than WorkTextLimit, and where it passed the limit.
  bool m_tooLong = false;
  std::size_t m_tooLongAt = 0;
  // The mistake the last parse found: its span in m_work and the reason.
  std::size_t m_errorBegin = 0, m_errorEnd = 0;
  std::string m_errorReason;

  // The kept texts and remembered outcomes, made by the first EvaluateExpression; a copy of
  // the engine gets a copy of them.
  struct Memory {
    std::unique_ptr<KeptTexts> texts;
    Memory();
    Memory(const Memory& other);
    Memory(Memory&& other) noexcept;
    Memory& operator=(const Memory& other);
    Memory& operator=(Memory&& other) noexcept;
    ~Memory();
  };
  Memory m_memory;
};
