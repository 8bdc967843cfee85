// SPDX-License-Identifier: MIT
// Text preparation, the scanner, the LR parse tables and the arithmetic of the reductions.
#include "expr/Expression.h"

#include <algorithm>
#include <bit>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// ---------------------------------------------------------------------------------------------
// Preparation

char upperCase(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Output of the preparation into a fixed buffer that silently drops what does not fit.
struct BoundedText {
  char* data;
  std::size_t capacity;
  std::size_t length = 0;
  void append(char c) {
    if (length < capacity) data[length++] = c;
  }
  std::size_t size() const { return length; }
  char back() const { return data[length - 1]; }
};

struct GrowingText {
  std::string text;
  void append(char c) { text.push_back(c); }
  std::size_t size() const { return text.size(); }
  char back() const { return text.back(); }
};

// Runs the three rewriting steps in one pass and stops once `limit` characters are written.
//
// The minus rewriting reads the text as it is being rewritten, so the loop position i counts in
// the rewritten text while the bound n is the length before the loop. Only the original
// characters can trigger a rewrite: every inserted minus has "(" before it and "1" after it.
// Writing left to right therefore gives the in-place result without moving the tail of the
// text once per minus.
template <class Out> void prepareInto(std::string_view text, std::size_t limit, Out& out) {
  if (text.empty()) return;
  static constexpr std::string_view leadingReplacement = "(-1)*";
  const bool leadingMinus = text.front() == '-';
  const std::size_t stepTwoLength =
      text.size() + (leadingMinus ? leadingReplacement.size() - 1 : 0);
  auto stepTwoChar = [&](std::size_t j) {
    if (!leadingMinus) return upperCase(text[j]);
    if (j < leadingReplacement.size()) return leadingReplacement[j];
    return upperCase(text[j - leadingReplacement.size() + 1]);
  };
  const std::size_t n = stepTwoLength;
  for (std::size_t j = 0; j < stepTwoLength && out.size() < limit; ++j) {
    const char c = stepTwoChar(j);
    const std::size_t position = out.size() + 1; // counted from 1 in the rewritten text
    if (c != '-' || position < 3 || position + 1 > n) {
      out.append(c);
      continue;
    }
    // position <= n - 1 and position >= j + 1, so the character after this one exists.
    const char before = out.back();
    const char after = stepTwoChar(j + 1);
    const bool operandFollows = !isDigit(after) && after != '.';
    const char* replacement = nullptr;
    if (before != '(' && operandFollows)
      replacement = "+(-1)*";
    else if (before == '(' && operandFollows)
      replacement = "(-1)*";
    if (!replacement) {
      out.append(c);
      continue;
    }
    for (const char* r = replacement; *r; ++r) out.append(*r);
  }
}

// ---------------------------------------------------------------------------------------------
// Parse tables
//
// The grammar the tables implement, one rule per number (the tables and the kept steps use
// the numbers):
//    1 Expr    -> Expr + Term              9 Signed  -> - Atom
//    2 Expr    -> Expr - Term             10 Signed  -> Atom
//    3 Expr    -> Term                    11 Atom    -> Letter : Letter   (the second letter)
//    4 Term    -> Term * Factor           12 Atom    -> Primary
//    5 Term    -> Term / Factor           13 Primary -> Letter
//    6 Term    -> Factor                  14 Primary -> ( Expr )
//    7 Factor  -> Signed ^ Factor         15 Primary -> Number
//    8 Factor  -> Signed                  16 Primary -> FunctionName ( Expr )
// So a unary minus binds to the atom after it, more tightly than "^"; "^" is right
// associative; "*" "/" and "+" "-" are left associative; "--x" is refused. States 0, 9, 12 to
// 16 and 20 are the places where an operand starts.

enum RuleNumber : int {
  AddRule = 1,
  SubtractRule = 2,
  ExprFromTermRule = 3,
  MultiplyRule = 4,
  DivideRule = 5,
  TermFromFactorRule = 6,
  PowerRule = 7,
  FactorFromSignedRule = 8,
  NegateRule = 9,
  SignedFromAtomRule = 10,
  LetterColonLetterRule = 11,
  AtomFromPrimaryRule = 12,
  LetterRule = 13,
  ParenthesesRule = 14,
  NumberRule = 15,
  FunctionRule = 16,
};

constexpr int StateCount = 30;
constexpr int TokenCount = 13;
constexpr std::uint8_t ErrorAction = 0;
constexpr std::uint8_t AcceptAction = 1;
constexpr std::uint8_t ShiftBit = 0x40;
constexpr std::uint8_t ReduceBit = 0x80;
constexpr std::uint8_t ActionArgument = 0x3F;
constexpr std::uint8_t NoState = 0xFF;

constexpr std::uint8_t shiftTo(int state) {
  return static_cast<std::uint8_t>(ShiftBit | state);
}
constexpr std::uint8_t reduceBy(int rule) {
  return static_cast<std::uint8_t>(ReduceBit | rule);
}

struct ActionTable {
  std::uint8_t cell[StateCount][TokenCount] = {};
};

constexpr ActionTable buildActions() {
  ActionTable t;
  auto row = [&t](int state, std::uint8_t otherwise) {
    for (int token = 0; token < TokenCount; ++token) t.cell[state][token] = otherwise;
  };
  auto operandStart = [&t, &row](int state, bool minusAllowed) {
    row(state, ErrorAction);
    t.cell[state][Number] = shiftTo(10);
    t.cell[state][Letter] = shiftTo(7);
    t.cell[state][FunctionName] = shiftTo(11);
    t.cell[state][LeftParen] = shiftTo(9);
    if (minusAllowed) t.cell[state][Minus] = shiftTo(5);
  };
  for (int state : {0, 9, 12, 13, 14, 15, 16, 20}) operandStart(state, true);
  operandStart(5, false); // "--x": a minus never follows a minus
  row(1, ErrorAction);
  t.cell[1][EndOfText] = AcceptAction;
  t.cell[1][Plus] = shiftTo(12);
  t.cell[1][Minus] = shiftTo(13);
  for (auto [state, rule] : {std::pair{2, ExprFromTermRule}, {21, AddRule}, {22, SubtractRule}}) {
    row(state, reduceBy(rule));
    t.cell[state][Times] = shiftTo(14);
    t.cell[state][Divide] = shiftTo(15);
  }
  row(4, reduceBy(FactorFromSignedRule));
  t.cell[4][Power] = shiftTo(16);
  row(7, reduceBy(LetterRule));
  t.cell[7][Colon] = shiftTo(18);
  row(11, ErrorAction);
  t.cell[11][LeftParen] = shiftTo(20);
  row(18, ErrorAction);
  t.cell[18][Letter] = shiftTo(26);
  for (auto [state, closed] : {std::pair{19, 27}, {28, 29}}) {
    row(state, ErrorAction);
    t.cell[state][Plus] = shiftTo(12);
    t.cell[state][Minus] = shiftTo(13);
    t.cell[state][RightParen] = shiftTo(closed);
  }
  for (auto [state, rule] : {std::pair{3, TermFromFactorRule},
                             {6, SignedFromAtomRule},
                             {8, AtomFromPrimaryRule},
                             {10, NumberRule},
                             {17, NegateRule},
                             {23, MultiplyRule},
                             {24, DivideRule},
                             {25, PowerRule},
                             {26, LetterColonLetterRule},
                             {27, ParenthesesRule},
                             {29, FunctionRule}})
    row(state, reduceBy(rule));
  return t;
}

constexpr ActionTable Actions = buildActions();

enum Group : std::uint8_t {
  ExprGroup,
  TermGroup,
  FactorGroup,
  SignedGroup,
  AtomGroup,
  PrimaryGroup,
  GroupCount
};

struct GotoTable {
  std::uint8_t next[GroupCount][StateCount] = {};
};

constexpr GotoTable buildGoto() {
  GotoTable g;
  for (auto& group : g.next)
    for (auto& state : group) state = NoState;
  auto set = [&g](Group group, std::initializer_list<int> from, int to) {
    for (int state : from) g.next[group][state] = static_cast<std::uint8_t>(to);
  };
  set(ExprGroup, {0}, 1);
  set(ExprGroup, {9}, 19);
  set(ExprGroup, {20}, 28);
  set(TermGroup, {0, 9, 20}, 2);
  set(TermGroup, {12}, 21);
  set(TermGroup, {13}, 22);
  set(FactorGroup, {0, 9, 12, 13, 20}, 3);
  set(FactorGroup, {14}, 23);
  set(FactorGroup, {15}, 24);
  set(FactorGroup, {16}, 25);
  set(SignedGroup, {0, 9, 12, 13, 14, 15, 16, 20}, 4);
  set(AtomGroup, {0, 9, 12, 13, 14, 15, 16, 20}, 6);
  set(AtomGroup, {5}, 17);
  set(PrimaryGroup, {0, 5, 9, 12, 13, 14, 15, 16, 20}, 8);
  return g;
}

constexpr GotoTable Gotos = buildGoto();

struct Rule {
  std::uint8_t length;
  Group group;
};

// Length of the right side and group of the left side, indexed by rule number; rule 0 does not
// exist.
constexpr Rule Rules[17] = {
    {0, ExprGroup},    {3, ExprGroup},   {3, ExprGroup},   {1, ExprGroup},    {3, TermGroup},
    {3, TermGroup},    {1, TermGroup},   {3, FactorGroup}, {1, FactorGroup},  {2, SignedGroup},
    {1, SignedGroup},  {3, AtomGroup},   {1, AtomGroup},   {1, PrimaryGroup}, {3, PrimaryGroup},
    {1, PrimaryGroup}, {4, PrimaryGroup}};

// ---------------------------------------------------------------------------------------------
// Functions

// Tried in this order: the longer of two names sharing a prefix comes first.
constexpr std::string_view FunctionNames[] = {
    "ABS",   "ATAN", "TAN", "COSH", "COS",  "ACOS", "EXP",   "INT", "LN", "LOG",
    "ROUND", "SINH", "SIN", "ASIN", "SQRT", "SQR",  "TRUNC", "UN",  "CUT"};

constexpr long double Tiny = 1e-9L;
constexpr long double SquareLimit = 1e18L;
constexpr long double HalfPiExtended = 1.570796326794896619231321691639751442L;
constexpr double HalfPi = 1.5707963267948966;
constexpr double Pi = 3.141592653589793;
constexpr long double TrigLimit = 9223372036854775808.0L; // 2^63
// Every long double below this magnitude rounds to a finite double (DBL_MAX plus half an ulp
// rounds to even, which is upwards to infinity).
constexpr long double FiniteLimit = static_cast<long double>(DBL_MAX) + 0x1p970L;
// Up to this exponent a negative base is multiplied out factor by factor.
constexpr double LiteralProductLimit = 64;

} // namespace

// ---------------------------------------------------------------------------------------------
// Preparation and scanner

std::string PrepareText(std::string_view text) {
  GrowingText out;
  out.text.reserve(text.size() + 16);
  prepareInto(text, static_cast<std::size_t>(-1), out);
  return std::move(out.text);
}

void ExpressionEngine::LoadWorkText(std::string_view text) {
  BoundedText out{m_work + 1, WorkTextLimit};
  prepareInto(text, WorkTextLimit, out);
  m_workStart = 1;
  m_workEnd = 1 + out.size();
}

std::string_view ExpressionEngine::workText() const {
  return {m_work + m_workStart, m_workEnd - m_workStart};
}

bool ExpressionEngine::TryFunctionName(std::string_view name) {
  if (!workText().starts_with(name) || name.size() >= sizeof m_current.funcName) return false;
  std::memcpy(m_current.funcName, name.data(), name.size());
  m_current.funcName[name.size()] = '\0';
  m_workStart += name.size();
  return true;
}

bool ExpressionEngine::TryVariableLetter() {
  if (m_workStart == m_workEnd) return false;
  const char c = m_work[m_workStart];
  if (!std::memchr("ABCDEFPRTUVXY", c, 13)) return false;
  m_current.letter = c;
  return true;
}

Token ExpressionEngine::ScanToken() {
  while (m_workStart < m_workEnd && m_work[m_workStart] == ' ') ++m_workStart;
  if (m_workStart == m_workEnd) return EndOfText;
  const char first = m_work[m_workStart];

  if (isDigit(first) || first == '.') {
    // The buffer has one free place before the text and one after it; a leading "." is always
    // followed by a consumed "0.", so the place in front is free again for the next number.
    if (first == '.' && m_workStart > 0) m_work[--m_workStart] = '0';
    if (m_work[m_workEnd - 1] == '.' && m_workEnd < sizeof m_work) m_work[m_workEnd++] = '0';
    const char* begin = m_work + m_workStart;
    const char* end = m_work + m_workEnd;
    const char* p = begin;
    bool seenPoint = false;
    for (; p < end && (isDigit(*p) || (*p == '.' && !seenPoint)); ++p)
      if (*p == '.') seenPoint = true;
    bool exponentNegative = false;
    if (p < end && *p == 'E') {
      ++p;
      if (p < end && (*p == '+' || *p == '-')) exponentNegative = *p++ == '-';
      for (int digits = 0; digits < 3 && p < end && isDigit(*p); ++digits) ++p;
    }
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, p, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range && stop == p) {
      // At most 120 mantissa characters are below 1e120, so a literal out of range with a
      // negative exponent is one too small for a double: it reads as 0 (a finite value, not
      // an error); one out of range otherwise is too large and cannot be converted.
      if (!exponentNegative) MathError = true;
      value = 0;
    } else if (error != std::errc() || stop != p) {
      MathError = true;
      value = 0;
    }
    m_current.value = value;
    m_workStart += static_cast<std::size_t>(p - begin);
    return Number;
  }

  if (first >= 'A' && first <= 'Z') {
    for (std::string_view name : FunctionNames)
      if (TryFunctionName(name)) return FunctionName;
    // The letter is taken off in both cases, so that scanning always moves on.
    const bool letter = TryVariableLetter();
    ++m_workStart;
    return letter ? Letter : Invalid;
  }

  ++m_workStart;
  switch (first) {
  case '+':
    return Plus;
  case '-':
    return Minus;
  case '*':
    return Times;
  case '/':
    return Divide;
  case '^':
    return Power;
  case ':':
    return Colon;
  case '(':
    return LeftParen;
  case ')':
    return RightParen;
  default:
    return Invalid;
  }
}

// ---------------------------------------------------------------------------------------------
// Arithmetic. Each operation is computed in long double and its result stored as a double; a
// result that is not finite as a double sets MathError and gives 0.

double ExpressionEngine::store(long double value) {
  if (!(std::fabs(value) < FiniteLimit)) {
    MathError = true;
    return 0;
  }
  return static_cast<double>(value);
}

double ExpressionEngine::rawLetterValue(char letter, const ExpressionVariables& vars) {
  double value = 0;
  switch (letter) {
  case 'X':
    value = vars.VarX;
    break;
  case 'Y':
    value = vars.VarY;
    break;
  case 'R':
    value = vars.VarR;
    break;
  case 'T':
    value = vars.VarT;
    break;
  case 'U':
    value = vars.VarU;
    break;
  case 'V':
    value = vars.VarV;
    break;
  case 'A':
    value = vars.ParamA;
    break;
  case 'B':
    value = vars.ParamB;
    break;
  case 'C':
    value = vars.ParamC;
    break;
  case 'D':
    value = vars.ParamD;
    break;
  case 'E':
    value = vars.ParamE;
    break;
  case 'F':
    value = vars.ParamF;
    break;
  case 'P':
    value = Pi;
    break;
  default:
    break;
  }
  return value;
}

double ExpressionEngine::letterValue(char letter, const ExpressionVariables& vars) {
  // A caller's infinity or NaN is treated like an overflow, so that a result without an error
  // flag is always finite.
  return store(rawLetterValue(letter, vars));
}

template <class Compute>
double ExpressionEngine::keptOperation(std::array<KeptOperation, 1024>& table, std::uint64_t left,
                                       std::uint64_t right, Compute compute) {
  std::uint64_t hash = (left ^ (right * 0x9E3779B97F4A7C15u)) * 0xFF51AFD7ED558CCDu;
  hash ^= hash >> 32;
  // Two places per hash, the newer first: two operands that meet the same place both stay.
  KeptOperation* pair = &table[(hash % (table.size() / 2)) * 2];
  for (int i = 0; i < 2; ++i) {
    const KeptOperation& kept = pair[i];
    if (kept.used && kept.left == left && kept.right == right) {
      if (kept.mathError) MathError = true;
      return kept.value;
    }
  }
  const bool errorBefore = MathError;
  MathError = false;
  const double value = compute();
  pair[1] = pair[0];
  pair[0] = {true, MathError, value, left, right};
  MathError = MathError || errorBefore;
  return value;
}

double ExpressionEngine::power(double base, double exponent) {
  // A surface raises the same few dozen grid coordinates to the same exponents at thousands
  // of points; the outcome depends on the two operands alone.
  if (!m_keepOperations) return computePower(base, exponent);
  return keptOperation(m_powers, std::bit_cast<std::uint64_t>(base),
                       std::bit_cast<std::uint64_t>(exponent),
                       [&] { return computePower(base, exponent); });
}

double ExpressionEngine::computePower(double base, double exponent) {
  const long double a = base;
  const long double b = exponent;
  if (-Tiny < a && a < Tiny) return 0;
  if (a >= Tiny) {
    const long double t = b * std::log(a);
    if (t < -88 || t > 88) {
      MathError = true;
      return 0;
    }
    return store(std::exp(t));
  }
  const double n = std::nearbyint(exponent); // ties to even in the default rounding mode
  if (std::fabs(b - n) > Tiny) {
    MathError = true;
    return 0;
  }
  const double count = std::fabs(n);
  long double product = 1;
  if (count <= LiteralProductLimit) {
    for (int i = 0; i < static_cast<int>(count); ++i) product *= a;
  } else {
    // Multiplying out a billion factors would take seconds; the power differs from the
    // running product by at most a few extended-precision rounding steps.
    product = std::pow(a, static_cast<long double>(count));
  }
  if (!std::isfinite(product)) {
    MathError = true;
    return 0;
  }
  return store(n < 0 ? 1 / product : product);
}

namespace {
enum Function {
  Abs,
  Atan,
  Tan,
  Cosh,
  Cos,
  Acos,
  Exp,
  Int,
  Ln,
  Log,
  Round,
  Sinh,
  Sin,
  Asin,
  Sqrt,
  Sqr,
  Trunc,
  Un,
  Cut,
  NoFunction
};

Function functionOf(const char* name) {
  for (int f = 0; f < NoFunction; ++f)
    if (FunctionNames[f] == name) return static_cast<Function>(f);
  return NoFunction;
}

// v / sqrt(1 - v^2), the argument of the arctangent in ASIN and ACOS.
long double sineRatio(long double v) {
  return v / std::sqrt(1 - v * v);
}
} // namespace

double ExpressionEngine::applyFunction(int function, double argument) {
  // The trigonometric, hyperbolic, exponential and logarithmic values cost far more than a
  // look-up, and a surface takes them of the same grid coordinates again and again; the
  // outcome, value and MathError, depends on the function and its argument alone. CUT, which
  // also sets CutFlag, and the cheap functions are computed each time.
  switch (static_cast<Function>(function)) {
  case Atan:
  case Tan:
  case Sin:
  case Cos:
  case Asin:
  case Acos:
  case Sinh:
  case Cosh:
  case Exp:
  case Ln:
  case Log:
    if (!m_keepOperations) break;
    return keptOperation(m_functionValues, std::bit_cast<std::uint64_t>(argument),
                         static_cast<std::uint64_t>(function),
                         [&] { return computeFunction(function, argument); });
  default:
    break;
  }
  return computeFunction(function, argument);
}

double ExpressionEngine::computeFunction(int function, double argument) {
  const long double v = argument;
  auto fail = [this] {
    MathError = true;
    return 0.0;
  };
  switch (static_cast<Function>(function)) {
  case Abs:
    return std::fabs(argument);
  case Atan:
    return store(std::atan(v));
  case Tan:
    return store(std::sin(v) / std::cos(v));
  case Sin:
    return std::fabs(v) >= TrigLimit ? 0.0 : store(std::sin(v));
  case Cos:
    return std::fabs(v) >= TrigLimit ? 0.0 : store(std::cos(v));
  case Asin:
    if (std::fabs(v + 1) < Tiny) return -HalfPi;
    if (std::fabs(v - 1) < Tiny) return HalfPi;
    if (v <= -1 || v >= 1) return fail();
    return store(std::atan(sineRatio(v)));
  case Acos:
    if (std::fabs(v + 1) < Tiny) return Pi;
    if (std::fabs(v - 1) < Tiny) return 0;
    if (v <= -1 || v >= 1) return fail();
    return store(HalfPiExtended - std::atan(sineRatio(v)));
  case Sinh:
    if (v < -88 || v > 88) return fail();
    return store((std::exp(v) - std::exp(-v)) / 2);
  case Cosh:
    if (v < -88 || v > 88) return fail();
    return store((std::exp(v) + std::exp(-v)) / 2);
  case Exp:
    if (v > 88) return fail();
    if (v < -88) return 0;
    return store(std::exp(v));
  case Ln:
    if (v <= 0) return fail();
    return store(std::log(v));
  case Log:
    if (v <= 0) return fail();
    return store(std::log(v) / std::log(10.0L));
  case Sqrt:
    if (v < 0) return fail();
    return store(std::sqrt(v));
  case Sqr:
    if (v < -SquareLimit || v > SquareLimit) return fail();
    return store(v * v);
  case Round:
    if (v < -1e9L || v > 1e9L) return fail();
    return std::nearbyint(argument);
  case Trunc:
    if (v < -1e9L || v > 1e9L) return fail();
    return std::trunc(argument);
  case Int:
    return std::trunc(argument);
  case Un:
    return argument < 0 ? 0.0 : 1.0;
  case Cut:
    if (argument >= 0) return 1;
    CutFlag = true;
    return 0;
  case NoFunction:
    break;
  }
  // The scanner only makes FunctionName tokens of the names above.
  return fail();
}

// ---------------------------------------------------------------------------------------------
// Parser

bool ExpressionEngine::push(const ParseEntry& entry, std::uint8_t state) {
  if (m_top >= ParseStackSize) {
    SyntaxError = true;
    return false;
  }
  m_stack[m_top] = entry;
  m_stack[m_top].state = state;
  ++m_top;
  return true;
}

namespace {
// Kinds of kept steps besides the rule numbers.
constexpr std::uint8_t ConversionFailedStep = 20;
} // namespace

double ExpressionEngine::binary(int rule, double left, double right) {
  const long double l = left;
  switch (rule) {
  case AddRule:
    return store(l + right);
  case SubtractRule:
    return store(l - right);
  case MultiplyRule:
    return store(l * right);
  case DivideRule:
    if (right == 0) {
      MathError = true;
      return 0;
    }
    return store(l / right);
  default:
    return power(left, right); // PowerRule
  }
}

double ExpressionEngine::reduceValue(int rule, const ParseEntry* right,
                                     const ExpressionVariables& vars) {
  switch (rule) {
  case AddRule:
  case SubtractRule:
  case MultiplyRule:
  case DivideRule:
  case PowerRule:
    if (m_recording) m_recording->push_back({static_cast<std::uint8_t>(rule)});
    return binary(rule, right[0].value, right[2].value);
  case NegateRule:
    if (m_recording) m_recording->push_back({NegateRule});
    return -right[1].value;
  case LetterColonLetterRule:
  case LetterRule: {
    const char letter = right[rule == LetterColonLetterRule ? 2 : 0].letter;
    if (m_recording) m_recording->push_back({LetterRule, letter});
    return letterValue(letter, vars);
  }
  case ParenthesesRule:
    return right[1].value;
  case NumberRule:
    if (m_recording) m_recording->push_back({NumberRule, 0, 0, right[0].value});
    return right[0].value;
  case FunctionRule: {
    const int function = functionOf(right[0].funcName);
    if (m_recording) m_recording->push_back({FunctionRule, 0, static_cast<std::uint8_t>(function)});
    return applyFunction(function, right[2].value);
  }
  default:
    return right[0].value; // the unit rules: one entry passes its value on
  }
}

bool ExpressionEngine::reduce(int rule, const ExpressionVariables& vars) {
  const Rule& r = Rules[rule];
  const int base = m_top - r.length;
  const double value = reduceValue(rule, m_stack + base, vars);
  const std::uint8_t next = Gotos.next[r.group][m_stack[base - 1].state];
  if (next == NoState) { // unreachable with these tables
    SyntaxError = true;
    return false;
  }
  // The left side takes the place of the first popped entry; only the fields a reduction reads
  // later are written, which also spares a copy of the whole entry.
  m_stack[base].state = next;
  m_stack[base].value = value;
  m_top = base + 1;
  return true;
}

template <class NextToken>
double ExpressionEngine::parse(NextToken nextToken, const ExpressionVariables& vars) {
  SyntaxError = false;
  MathError = false;
  m_top = 0;
  push(ParseEntry{}, 0);
  double result = 0;
  Token token = nextToken();
  for (;;) {
    const std::uint8_t action = Actions.cell[m_stack[m_top - 1].state][token];
    if (action & ShiftBit) {
      if (!push(m_current, action & ActionArgument)) break;
      token = nextToken();
    } else if (action & ReduceBit) {
      if (!reduce(action & ActionArgument, vars)) break;
    } else if (action == AcceptAction) {
      result = m_stack[m_top - 1].value;
      break;
    } else {
      SyntaxError = true;
      break;
    }
  }
  return (SyntaxError || MathError) ? 0.0 : result;
}

double ExpressionEngine::EvaluateUncached(std::string_view text, const ExpressionVariables& vars) {
  LoadWorkText(text);
  // The plain path computes every power and function value afresh, so that comparing the two
  // paths also checks the remembered ones.
  m_keepOperations = false;
  const double value = parse([this] { return ScanToken(); }, vars);
  m_keepOperations = true;
  return value;
}

namespace {

// Equal texts, compared eight letters at a time: the few texts of a drawing are asked for
// tens of thousands of times.
bool sameText(const std::string& kept, std::string_view text) {
  const std::size_t n = text.size();
  if (kept.size() != n) return false;
  const char* a = kept.data();
  const char* b = text.data();
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t wa, wb;
    std::memcpy(&wa, a + i, 8);
    std::memcpy(&wb, b + i, 8);
    if (wa != wb) return false;
  }
  for (; i < n; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

} // namespace

ExpressionEngine::KeptText& ExpressionEngine::keptText(std::string_view text) {
  // Renderers evaluate their few texts in a steady order, so the text that followed the last
  // one the previous time is tried first, then the last one again, then all.
  const int guesses[2] = {m_kept[m_lastKept].next, m_lastKept};
  for (const int slot : guesses) {
    if (m_kept[slot].used && sameText(m_kept[slot].text, text)) {
      m_lastKept = slot;
      return m_kept[slot];
    }
  }
  for (int slot = 0; slot < KeptTextCount; ++slot) {
    if (m_kept[slot].used && sameText(m_kept[slot].text, text)) {
      m_kept[m_lastKept].next = slot;
      m_lastKept = slot;
      return m_kept[slot];
    }
  }
  KeptText& kept = m_kept[m_nextKept];
  m_kept[m_lastKept].next = m_nextKept;
  m_lastKept = m_nextKept;
  m_nextKept = (m_nextKept + 1) % KeptTextCount;
  kept.used = true;
  kept.text.assign(text);
  kept.steps.clear();
  kept.letters.clear();
  kept.results.clear();
  kept.resultBits = 0;
  kept.resultsHeld = 0;
  kept.evaluations = 0;
  // One ordinary evaluation records the steps; its value and flags are thrown away, since the
  // caller's evaluation replays the steps. A conversion failure is recorded where the parse
  // scanned the number, so that a parse ending earlier does not report it.
  const bool cut = CutFlag;
  m_recording = &kept.steps;
  LoadWorkText(text);
  parse(
      [this] {
        MathError = false;
        const Token token = ScanToken();
        if (MathError) m_recording->push_back({ConversionFailedStep});
        return token;
      },
      ExpressionVariables{});
  m_recording = nullptr;
  kept.syntaxError = SyntaxError;
  CutFlag = cut;
  for (const KeptStep& step : kept.steps)
    if (step.kind == LetterRule && step.letter != 'P' &&
        kept.letters.find(step.letter) == std::string::npos)
      kept.letters.push_back(step.letter);
  return kept;
}

double ExpressionEngine::replay(const KeptText& kept, const ExpressionVariables& vars) {
  SyntaxError = false;
  MathError = false;
  // Each value on this stack stands for a parse-stack entry, so 20 places are enough.
  double values[ParseStackSize];
  int top = 0;
  for (const KeptStep& step : kept.steps) {
    switch (step.kind) {
    case ConversionFailedStep:
      MathError = true;
      break;
    case NumberRule:
      values[top++] = step.value;
      break;
    case LetterRule:
      values[top++] = letterValue(step.letter, vars);
      break;
    case NegateRule:
      values[top - 1] = -values[top - 1];
      break;
    case FunctionRule:
      values[top - 1] = applyFunction(step.function, values[top - 1]);
      break;
    default:
      --top;
      values[top - 1] = binary(step.kind, values[top - 1], values[top]);
      break;
    }
  }
  if (kept.syntaxError) SyntaxError = true;
  if (SyntaxError || MathError || top == 0) return 0;
  return values[top - 1];
}

namespace {

constexpr std::uint64_t SlotUsed = 1, SlotMathError = 2, SlotCut = 4;

// The first of the two slots that a key may take; bits counts the slots.
std::size_t resultPair(const std::uint64_t* key, std::size_t letters, unsigned bits) {
  std::uint64_t hash = 0x9E3779B97F4A7C15u;
  for (std::size_t i = 0; i < letters; ++i) {
    hash = (hash ^ key[i]) * 0xFF51AFD7ED558CCDu;
    hash ^= hash >> 29;
  }
  return static_cast<std::size_t>(hash >> (65 - bits)) * 2;
}

// Puts an outcome first in its pair, the one there moving second, so that two keys meeting
// the same pair both stay; counts the slots newly taken.
void placeResult(std::uint64_t* pair, const std::uint64_t* entry, std::size_t stride,
                 std::size_t& held) {
  if (pair[0] & SlotUsed) {
    if (!(pair[stride] & SlotUsed)) ++held;
    std::copy(pair, pair + stride, pair + stride);
  } else {
    ++held;
  }
  std::copy(entry, entry + stride, pair);
}

} // namespace

void ExpressionEngine::growResults(KeptText& kept, unsigned bits) {
  const std::size_t letters = kept.letters.size();
  const std::size_t stride = letters + 2;
  std::vector<std::uint64_t> old;
  old.swap(kept.results);
  kept.results.assign((std::size_t{1} << bits) * stride, 0);
  kept.resultBits = bits;
  kept.resultsHeld = 0;
  // The second of each old pair first, so that the first stays first where both meet again.
  for (std::size_t at = stride; at < old.size(); at += 2 * stride)
    for (const std::size_t entry : {at, at - stride})
      if (old[entry] & SlotUsed)
        placeResult(&kept.results[resultPair(&old[entry + 2], letters, bits) * stride], &old[entry],
                    stride, kept.resultsHeld);
}

double ExpressionEngine::evaluateKept(KeptText& kept, const ExpressionVariables& vars) {
  const std::size_t letters = kept.letters.size();
  ++kept.evaluations;
  if (letters > KeyLetters || kept.evaluations < 2) return replay(kept, vars);
  if (kept.resultBits == 0) growResults(kept, FirstResultBits);
  // An entry: the flags, the value's bits, then the key.
  std::uint64_t entry[KeyLetters + 2] = {};
  std::uint64_t* const key = entry + 2;
  for (std::size_t i = 0; i < letters; ++i)
    key[i] = std::bit_cast<std::uint64_t>(rawLetterValue(kept.letters[i], vars));
  const std::size_t stride = letters + 2;
  std::uint64_t* const pair = &kept.results[resultPair(key, letters, kept.resultBits) * stride];
  for (std::uint64_t* slot : {pair, pair + stride}) {
    bool same = (slot[0] & SlotUsed) != 0;
    for (std::size_t i = 0; same && i < letters; ++i) same = slot[2 + i] == key[i];
    if (same) {
      SyntaxError = kept.syntaxError;
      MathError = (slot[0] & SlotMathError) != 0;
      if (slot[0] & SlotCut) CutFlag = true;
      return std::bit_cast<double>(slot[1]);
    }
  }
  // Whether this evaluation meets a CUT of a negative argument is part of its outcome.
  const bool cutBefore = CutFlag;
  CutFlag = false;
  const double value = replay(kept, vars);
  entry[0] = SlotUsed | (MathError ? SlotMathError : 0) | (CutFlag ? SlotCut : 0);
  entry[1] = std::bit_cast<std::uint64_t>(value);
  placeResult(pair, entry, stride, kept.resultsHeld);
  CutFlag = CutFlag || cutBefore;
  if (kept.resultBits < LastResultBits &&
      4 * kept.resultsHeld > (std::size_t{1} << kept.resultBits))
    growResults(kept, kept.resultBits + 1);
  return value;
}

double ExpressionEngine::EvaluateExpression(std::string_view text,
                                            const ExpressionVariables& vars) {
  if (text.size() > KeptTextLimit) return EvaluateUncached(text, vars);
  return evaluateKept(keptText(text), vars);
}
