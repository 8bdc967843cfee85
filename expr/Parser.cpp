// SPDX-License-Identifier: MIT
// The LR parse tables, the parser that reads them and the arithmetic of the reductions.
#include "expr/Expression.h"

#include "expr/Functions.h"
#include "expr/KeptTexts.h"

#include <bit>
#include <cfloat>
#include <cmath>

namespace {

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
//                                         17 Primary -> TwoArgumentName ( Expr , Expr )
//   18 Equation -> Expr = Expr            (LEFT - RIGHT; the scanner gives "=" only in an
//                                          equation, so elsewhere a text is an Expr)
// So a unary minus binds to the atom after it, more tightly than "^"; "^" is right
// associative; "*" "/" and "+" "-" are left associative; "--x" is refused. States 0, 9, 12 to
// 16, 20, 31, 33 and 36 are the places where an operand starts.
//
// An operand written right after a number, a letter or ")" is multiplied by it: the parser
// reads a "*" between them where the next token is a letter, a function name or "(" (2x,
// 3sin(x), (x+1)(x-1)). So 2x^2 is 2*x^2 and 1/2x is (1/2)*x.

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
  TwoArgumentRule = 17,
  EquationRule = 18,
};

constexpr int StateCount = 39;
constexpr int TokenCount = 16;
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
    t.cell[state][TwoArgumentName] = shiftTo(30);
    t.cell[state][LeftParen] = shiftTo(9);
    if (minusAllowed) t.cell[state][Minus] = shiftTo(5);
  };
  for (int state : {0, 9, 12, 13, 14, 15, 16, 20, 31, 33, 36}) operandStart(state, true);
  operandStart(5, false); // "--x": a minus never follows a minus
  row(1, ErrorAction);
  t.cell[1][EndOfText] = AcceptAction;
  t.cell[1][Plus] = shiftTo(12);
  t.cell[1][Minus] = shiftTo(13);
  // An equation: "=" after the whole left side, then the right side up to the end.
  t.cell[1][Equals] = shiftTo(36);
  row(37, ErrorAction);
  t.cell[37][Plus] = shiftTo(12);
  t.cell[37][Minus] = shiftTo(13);
  t.cell[37][EndOfText] = reduceBy(EquationRule);
  row(38, ErrorAction);
  t.cell[38][EndOfText] = AcceptAction;
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
  row(30, ErrorAction);
  t.cell[30][LeftParen] = shiftTo(31);
  row(18, ErrorAction);
  t.cell[18][Letter] = shiftTo(26);
  for (auto [state, closed] : {std::pair{19, 27}, {28, 29}, {32, NoState}, {34, 35}}) {
    row(state, ErrorAction);
    t.cell[state][Plus] = shiftTo(12);
    t.cell[state][Minus] = shiftTo(13);
    if (closed != NoState) t.cell[state][RightParen] = shiftTo(closed);
  }
  t.cell[32][Comma] = shiftTo(33);
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
                             {29, FunctionRule},
                             {35, TwoArgumentRule}})
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
  EquationGroup,
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
  set(ExprGroup, {31}, 32);
  set(ExprGroup, {33}, 34);
  set(ExprGroup, {36}, 37);
  set(TermGroup, {0, 9, 20, 31, 33, 36}, 2);
  set(TermGroup, {12}, 21);
  set(TermGroup, {13}, 22);
  set(FactorGroup, {0, 9, 12, 13, 20, 31, 33, 36}, 3);
  set(FactorGroup, {14}, 23);
  set(FactorGroup, {15}, 24);
  set(FactorGroup, {16}, 25);
  set(SignedGroup, {0, 9, 12, 13, 14, 15, 16, 20, 31, 33, 36}, 4);
  set(AtomGroup, {0, 9, 12, 13, 14, 15, 16, 20, 31, 33, 36}, 6);
  set(AtomGroup, {5}, 17);
  set(PrimaryGroup, {0, 5, 9, 12, 13, 14, 15, 16, 20, 31, 33, 36}, 8);
  set(EquationGroup, {0}, 38);
  return g;
}

constexpr GotoTable Gotos = buildGoto();

struct Rule {
  std::uint8_t length;
  Group group;
};

// Length of the right side and group of the left side, indexed by rule number; rule 0 does not
// exist.
constexpr Rule Rules[19] = {
    {0, ExprGroup},    {3, ExprGroup},    {3, ExprGroup},    {1, ExprGroup},    {3, TermGroup},
    {3, TermGroup},    {1, TermGroup},    {3, FactorGroup},  {1, FactorGroup},  {2, SignedGroup},
    {1, SignedGroup},  {3, AtomGroup},    {1, AtomGroup},    {1, PrimaryGroup}, {3, PrimaryGroup},
    {1, PrimaryGroup}, {4, PrimaryGroup}, {6, PrimaryGroup}, {3, EquationGroup}};

// The states in which a parse stands inside the parentheses of a function, after its
// argument, and the state after an operand has been read at the outermost level.
constexpr bool insideParentheses(int state) {
  return state == 19 || state == 28 || state == 32 || state == 34;
}
constexpr bool operandExpected(int state) {
  for (const int s : {0, 5, 9, 12, 13, 14, 15, 16, 20, 31, 33, 36})
    if (state == s) return true;
  return false;
}

// Every long double below this magnitude rounds to a finite double (DBL_MAX plus half an ulp
// rounds to even, which is upwards to infinity).
constexpr long double FiniteLimit = static_cast<long double>(DBL_MAX) + 0x1p970L;
// Up to this exponent a negative base is multiplied out factor by factor.
constexpr double LiteralProductLimit = 64;

// Kinds of kept steps besides the rule numbers.
constexpr std::uint8_t ConversionFailedStep = 20;

int functionOf(const char* name) {
  int function = 0;
  while (function < NamedFunctionCount && NamedFunctions[function].name != name) ++function;
  return function;
}

} // namespace

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
  case 'Z':
    value = vars.VarZ;
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

double ExpressionEngine::power(double base, double exponent, KeptTexts* memory) {
  // A surface raises the same few dozen grid coordinates to the same exponents at thousands
  // of points; the outcome depends on the two operands alone.
  if (!memory) return computePower(base, exponent);
  return memory->powers.outcome(std::bit_cast<std::uint64_t>(base),
                                std::bit_cast<std::uint64_t>(exponent), MathError,
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

double ExpressionEngine::applyFunction(int function, double argument, KeptTexts* memory) {
  // The outcome, value and MathError, depends on the function and its argument alone.
  if (memory && function < NamedFunctionCount && NamedFunctions[function].remembered)
    return memory->functionValues.outcome(std::bit_cast<std::uint64_t>(argument),
                                          static_cast<std::uint64_t>(function), MathError,
                                          [&] { return computeFunction(function, argument); });
  return computeFunction(function, argument);
}

double ExpressionEngine::computeFunction(int function, double argument) {
  // The scanner only makes FunctionName tokens of the names in the table.
  if (function < 0 || function >= NamedFunctionCount) {
    MathError = true;
    return 0;
  }
  const NamedFunction& row = NamedFunctions[function];
  const FunctionDomain& domain = row.domain;
  const long double v = argument;
  if (domain.snapsEnds) {
    if (std::fabs(v - domain.low) < Tiny) return domain.atLow;
    if (std::fabs(v - domain.high) < Tiny) return domain.atHigh;
  }
  auto outside = [this](OutsideDomain rule) {
    if (rule == OutsideDomain::Fails) MathError = true;
    if (rule == OutsideDomain::Cut) CutFlag = true;
    return 0.0;
  };
  if (v < domain.low || (domain.open && v == domain.low)) return outside(domain.below);
  if (v > domain.high || (domain.open && v == domain.high)) return outside(domain.above);
  return store(row.compute(v));
}

double ExpressionEngine::applyFunction2(int function, double first, double second) {
  if (function < 0 || function >= NamedFunctionCount || !NamedFunctions[function].compute2) {
    MathError = true;
    return 0;
  }
  return store(NamedFunctions[function].compute2(first, second));
}

double ExpressionEngine::binary(int rule, double left, double right, KeptTexts* memory) {
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
    return power(left, right, memory); // PowerRule
  }
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

double ExpressionEngine::reduceValue(int rule, const ParseEntry* right,
                                     const ExpressionVariables& vars, KeptTexts* memory,
                                     std::vector<KeptStep>* steps) {
  switch (rule) {
  case AddRule:
  case SubtractRule:
  case MultiplyRule:
  case DivideRule:
  case PowerRule:
    if (steps) steps->push_back({static_cast<std::uint8_t>(rule)});
    return binary(rule, right[0].value, right[2].value, memory);
  case EquationRule:
    // LEFT = RIGHT is LEFT - (RIGHT), step for step.
    if (steps) steps->push_back({SubtractRule});
    return binary(SubtractRule, right[0].value, right[2].value, memory);
  case NegateRule:
    if (steps) steps->push_back({NegateRule});
    return -right[1].value;
  case LetterColonLetterRule:
  case LetterRule: {
    const char letter = right[rule == LetterColonLetterRule ? 2 : 0].letter;
    if (steps) steps->push_back({LetterRule, letter});
    return letterValue(letter, vars);
  }
  case ParenthesesRule:
    return right[1].value;
  case NumberRule:
    if (steps) steps->push_back({NumberRule, 0, 0, right[0].value});
    return right[0].value;
  case FunctionRule: {
    const int function = functionOf(right[0].funcName);
    if (steps) steps->push_back({FunctionRule, 0, static_cast<std::uint8_t>(function)});
    return applyFunction(function, right[2].value, memory);
  }
  case TwoArgumentRule: {
    const int function = functionOf(right[0].funcName);
    if (steps) steps->push_back({TwoArgumentRule, 0, static_cast<std::uint8_t>(function)});
    return applyFunction2(function, right[2].value, right[4].value);
  }
  default:
    return right[0].value; // the unit rules: one entry passes its value on
  }
}

bool ExpressionEngine::reduce(int rule, const ExpressionVariables& vars, KeptTexts* memory,
                              std::vector<KeptStep>* steps) {
  const Rule& r = Rules[rule];
  const int base = m_top - r.length;
  const double value = reduceValue(rule, m_stack + base, vars, memory, steps);
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

Token ExpressionEngine::nextToken(std::vector<KeptStep>* steps) {
  if (!steps) return ScanToken();
  // A conversion failure is recorded where the parse scanned the number, so that a parse
  // ending earlier does not report it.
  MathError = false;
  const Token token = ScanToken();
  if (MathError) steps->push_back({ConversionFailedStep});
  return token;
}

// Whether a token right after the one shifted starts an operand that the two multiply.
static bool impliesProduct(Token shifted, Token next) {
  const bool operandEnds = shifted == Number || shifted == Letter || shifted == RightParen;
  const bool operandStarts =
      next == Letter || next == FunctionName || next == TwoArgumentName || next == LeftParen;
  return operandEnds && operandStarts;
}

Token ExpressionEngine::following(Token shifted, std::vector<KeptStep>* steps) {
  if (m_holding) {
    m_holding = false;
    return m_held;
  }
  const Token next = nextToken(steps);
  if (!impliesProduct(shifted, next)) return next;
  m_held = next;
  m_holding = true;
  return Times;
}

double ExpressionEngine::parse(const ExpressionVariables& vars, KeptTexts* memory,
                               std::vector<KeptStep>* steps) {
  SyntaxError = false;
  MathError = false;
  m_top = 0;
  m_holding = false;
  push(ParseEntry{}, 0);
  double result = 0;
  Token token = nextToken(steps);
  for (;;) {
    const int state = m_stack[m_top - 1].state;
    const std::uint8_t action = Actions.cell[state][token];
    if (action & ShiftBit) {
      if (!push(m_current, action & ActionArgument)) {
        noteSyntaxError(m_tokenBegin, m_workStart, "the text is nested too deeply");
        break;
      }
      token = following(token, steps);
    } else if (action & ReduceBit) {
      if (!reduce(action & ActionArgument, vars, memory, steps)) break;
    } else if (action == AcceptAction) {
      result = m_stack[m_top - 1].value;
      break;
    } else {
      SyntaxError = true;
      noteSyntaxError(state, token);
      break;
    }
  }
  return (SyntaxError || MathError) ? 0.0 : result;
}

void ExpressionEngine::noteSyntaxError(std::size_t begin, std::size_t end, std::string reason) {
  SyntaxError = true;
  m_errorBegin = begin;
  m_errorEnd = end;
  m_errorReason = std::move(reason);
}

void ExpressionEngine::noteSyntaxError(int state, Token token) {
  // The token read last (an implied "*" is never a mistake, so a held token is not reached).
  const std::size_t begin = m_tokenBegin;
  const std::size_t end = m_workStart;
  auto isNameChar = [this](std::size_t at) {
    if (at >= m_workEnd) return false;
    const char c = m_work[at];
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  };
  // The letters and digits from begin on: a name the language does not know.
  auto nameFrom = [&](std::size_t from) {
    std::size_t to = from;
    while (to < m_workEnd && isNameChar(to)) ++to;
    return to;
  };
  auto name = [this](std::size_t from, std::size_t to) {
    return std::string(m_work + from, m_work + to);
  };
  // The function whose name stands this many entries below the top of the stack.
  auto functionBelow = [this](int depth) { return std::string(m_stack[m_top - depth].funcName); };

  if (m_tooLong) return noteSyntaxError(begin, end, "the text is too long");
  if (state == 11 || state == 30) {
    // A function name not followed by "(": part of a longer name (SINX), or a call without
    // its parentheses.
    const std::size_t nameBegin = m_previousBegin;
    if (begin == m_tokenBegin && begin > nameBegin && isNameChar(begin) &&
        begin == nameBegin + std::string_view(m_stack[m_top - 1].funcName).size()) {
      const std::size_t to = nameFrom(nameBegin);
      return noteSyntaxError(nameBegin, to, "unknown name '" + name(nameBegin, to) + "'");
    }
    return noteSyntaxError(begin, end,
                           "'(' expected after " + std::string(m_stack[m_top - 1].funcName));
  }
  if (token == Invalid) {
    const char c = m_work[begin];
    if (c == 'Z' && !isNameChar(begin + 1))
      return noteSyntaxError(begin, begin + 1, "'z' is not a variable of this kind");
    if (c >= 'A' && c <= 'Z') {
      const std::size_t to = nameFrom(begin);
      return noteSyntaxError(begin, to, "unknown name '" + name(begin, to) + "'");
    }
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u >= 0x7f)
      return noteSyntaxError(begin, end, "a character that cannot stand in a function");
    return noteSyntaxError(begin, end, std::string("'") + c + "' cannot stand here");
  }
  if (state == 18) return noteSyntaxError(begin, end, "a letter expected after ':'");
  if (token == EndOfText) {
    if (insideParentheses(state)) return noteSyntaxError(begin, begin, "')' expected");
    return noteSyntaxError(begin, begin, "the text ends too early");
  }
  if (operandExpected(state)) return noteSyntaxError(begin, end, "a number or a variable expected");
  if (token == Equals) {
    if (state == 37) return noteSyntaxError(begin, end, "an equation has one '='");
    return noteSyntaxError(begin, end, "'=' stands only between the two sides of the equation");
  }
  if (token == Comma) {
    if (state == 28) return noteSyntaxError(begin, end, functionBelow(3) + " takes one argument");
    if (state == 34) return noteSyntaxError(begin, end, functionBelow(5) + " takes two arguments");
    return noteSyntaxError(begin, end, "',' stands only between the two arguments of a function");
  }
  if (token == RightParen) {
    if (state == 32) return noteSyntaxError(begin, end, functionBelow(3) + " takes two arguments");
    return noteSyntaxError(begin, end, "')' without '('");
  }
  if (insideParentheses(state)) return noteSyntaxError(begin, end, "')' expected");
  return noteSyntaxError(begin, end, "an operator expected");
}

double ExpressionEngine::EvaluateUncached(std::string_view text, const ExpressionVariables& vars,
                                          Grammar grammar) {
  LoadWorkText(text, grammar);
  // No memory: every power and function value is computed afresh, so that comparing the two
  // paths also checks the remembered ones.
  const double value = parse(vars, nullptr, nullptr);
  if (SyntaxError) describeSyntaxError(text);
  return value;
}

double ExpressionEngine::replay(const std::vector<KeptStep>& steps, bool syntaxError,
                                const ExpressionVariables& vars, KeptTexts& memory) {
  SyntaxError = false;
  MathError = false;
  // Each value on this stack stands for a parse-stack entry, so 20 places are enough.
  double values[ParseStackSize];
  int top = 0;
  for (const KeptStep& step : steps) {
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
      values[top - 1] = applyFunction(step.function, values[top - 1], &memory);
      break;
    case TwoArgumentRule:
      --top;
      values[top - 1] = applyFunction2(step.function, values[top - 1], values[top]);
      break;
    default:
      --top;
      values[top - 1] = binary(step.kind, values[top - 1], values[top], &memory);
      break;
    }
  }
  if (syntaxError) SyntaxError = true;
  if (SyntaxError || MathError || top == 0) return 0;
  return values[top - 1];
}
