// SPDX-License-Identifier: MIT
// The expression engine: text preparation, scanner and table-driven LR evaluator.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The variables and parameters a text may name. The graph state derives from this record so
// that the evaluator reads the one current value of each field.
struct ExpressionVariables {
  double VarX = 0, VarY = 0, VarR = 0, VarT = 0, VarU = 0, VarV = 0;
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
  FunctionName = 10,
  EndOfText = 11,
  Invalid = 12,
};

// Both the current token filled in by the scanner and the element of the parse stack.
struct ParseEntry {
  std::uint8_t state = 0;
  char letter = 0;
  char funcName[6] = {};
  double value = 0;
};

// The three rewriting steps (upper case, leading minus, minus rewriting); the full result,
// before the cut to 120 characters.
std::string PrepareText(std::string_view text);

class ExpressionEngine {
public:
  static constexpr std::size_t WorkTextLimit = 120;
  static constexpr int ParseStackSize = 20;

  // Evaluates text at the given variables. Clears SyntaxError and MathError first; the result
  // is 0 whenever either is set afterwards. CutFlag is only ever set.
  //
  // The scanned tokens of the last few texts are kept, so that a repeated text is only parsed
  // again; value and flags are the same as those of EvaluateUncached.
  double EvaluateExpression(std::string_view text, const ExpressionVariables& vars);

  // The same evaluation, preparing and scanning the text again and leaving the kept tokens
  // alone.
  double EvaluateUncached(std::string_view text, const ExpressionVariables& vars);

  // The scanner, exposed for tests. LoadWorkText puts PrepareText's result, cut to 120
  // characters, into WorkText.
  void LoadWorkText(std::string_view text);
  Token ScanToken();
  bool TryFunctionName(std::string_view name);
  bool TryVariableLetter();
  std::string_view workText() const;
  const ParseEntry& currentEntry() const { return m_current; }

  bool SyntaxError = false;
  bool MathError = false;
  bool CutFlag = false;

private:
  // The parse of a text depends on its tokens only, never on the values, so a kept text holds
  // the steps that compute values in the order the parse took them, and how the parse ended.
  struct KeptStep {
    std::uint8_t kind = 0; // a rule number, or one of the step kinds in Expression.cpp
    char letter = 0;
    std::uint8_t function = 0;
    double value = 0;
  };
  // The outcome of a kept text at one set of values of the letters it reads. A renderer
  // evaluates the same point several times (corners shared by neighbouring cells and columns,
  // the centre of a cell for its slopes, the grid points again for the listing); the outcome
  // is a function of those values alone. Texts that read more letters are not remembered.
  //
  // The outcomes are kept in one array of 64-bit words, two slots per hash of the letter
  // values, the newer first: a slot is the flags, the value's bits and one word per letter,
  // so a text of x and y takes 32 bytes a slot. A text evaluated once (a dialog field) gets no
  // table; the table starts small and doubles, keeping what it holds, whenever a quarter of it
  // is in use (at that load few points find both slots of their hash taken), up to a size that
  // holds an 80 x 80 surface with its cell centres and slopes.
  static constexpr std::size_t KeyLetters = 4;
  static constexpr unsigned FirstResultBits = 8;
  static constexpr unsigned LastResultBits = 16;
  struct KeptText {
    bool used = false;
    bool syntaxError = false;
    std::string text;
    std::vector<KeptStep> steps;
    // The distinct variable and parameter letters the steps read, p aside.
    std::string letters;
    std::vector<std::uint64_t> results;
    unsigned resultBits = 0;     // the table has 2^resultBits slots, none while 0
    std::size_t resultsHeld = 0; // slots in use
    std::uint32_t evaluations = 0;
    int next = 0; // the kept text asked for after this one, the last time
  };
  // A power or a function value remembered by the bits of its operands: base and exponent,
  // or argument and function number.
  struct KeptOperation {
    bool used = false;
    bool mathError = false;
    double value = 0;
    std::uint64_t left = 0, right = 0;
  };
  static constexpr int KeptTextCount = 8;
  // Longer texts are rare (dialog fields, pasted junk) and are not worth a copy.
  static constexpr std::size_t KeptTextLimit = 512;

  template <class NextToken> double parse(NextToken nextToken, const ExpressionVariables& vars);
  bool push(const ParseEntry& entry, std::uint8_t state);
  bool reduce(int rule, const ExpressionVariables& vars);
  double reduceValue(int rule, const ParseEntry* right, const ExpressionVariables& vars);
  static double rawLetterValue(char letter, const ExpressionVariables& vars);
  double letterValue(char letter, const ExpressionVariables& vars);
  double applyFunction(int function, double argument);
  double computeFunction(int function, double argument);
  // The kept outcome of an operation and its flag, or a fresh one computed and kept.
  template <class Compute>
  double keptOperation(std::array<KeptOperation, 1024>& table, std::uint64_t left,
                       std::uint64_t right, Compute compute);
  double binary(int rule, double left, double right);
  double power(double base, double exponent);
  double computePower(double base, double exponent);
  double store(long double value);
  KeptText& keptText(std::string_view text);
  double evaluateKept(KeptText& kept, const ExpressionVariables& vars);
  double replay(const KeptText& kept, const ExpressionVariables& vars);
  static void growResults(KeptText& kept, unsigned bits);

  // WorkText lives in m_work[m_workStart, m_workEnd). It is loaded from index 1, so that the
  // "0" put in front of a leading "." and the "0" appended after a trailing "." always fit.
  char m_work[WorkTextLimit + 2] = {};
  std::size_t m_workStart = 1;
  std::size_t m_workEnd = 1;
  ParseEntry m_current;
  ParseEntry m_stack[ParseStackSize];
  int m_top = 0;
  std::array<KeptText, KeptTextCount> m_kept;
  std::array<KeptOperation, 1024> m_powers = {};
  std::array<KeptOperation, 1024> m_functionValues = {};
  // Off for the plain path, which computes every power and function value afresh.
  bool m_keepOperations = true;
  int m_nextKept = 0;
  int m_lastKept = 0;
  std::vector<KeptStep>* m_recording = nullptr;
};
