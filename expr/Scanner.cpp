// SPDX-License-Identifier: MIT
// Text preparation and the scanner, which turns the prepared text into tokens.
#include "expr/Expression.h"

#include "expr/Functions.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <vector>

namespace {

char upperCase(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Output of the preparation into a fixed buffer; what does not fit is dropped and noted, with
// the place in the given text of the first character dropped.
struct BoundedText {
  char* data;
  std::size_t capacity;
  std::size_t length = 0;
  bool overflowed = false;
  std::size_t overflowOrigin = 0;
  void append(char c, std::size_t origin) {
    if (length < capacity) {
      data[length++] = c;
    } else if (!overflowed) {
      overflowed = true;
      overflowOrigin = origin;
    }
  }
  std::size_t size() const { return length; }
  char lastNonBlank() const {
    for (std::size_t i = length; i > 0; --i)
      if (data[i - 1] != ' ') return data[i - 1];
    return '(';
  }
};

// Whether the literal's mantissa [begin, end) times ten to the exponent is below 1, judged by
// where its first significant digit stands: enough to tell a literal too small for a double from
// one too large.
bool literalBelowOne(const char* begin, const char* end, int exponent) {
  long long place = 0; // the decimal place of the first significant digit, 0 for the units
  long long integerDigits = 0;
  bool inFraction = false, significant = false;
  for (const char* p = begin; p < end && !significant; ++p) {
    if (*p == '.') {
      inFraction = true;
    } else if (*p != '0') {
      significant = true;
      if (inFraction) place = -(place + 1);
    } else if (inFraction) {
      ++place;
    }
  }
  if (!significant) return true;
  if (place == 0 && !inFraction) {
    for (const char* p = begin; p < end && *p != '.'; ++p)
      if (integerDigits > 0 || *p != '0') ++integerDigits;
    place = integerDigits - 1;
  }
  return place + exponent < 0;
}

struct GrowingText {
  std::string text;
  void append(char c, std::size_t) { text.push_back(c); }
  std::size_t size() const { return text.size(); }
  char lastNonBlank() const {
    const auto at = text.find_last_not_of(' ');
    return at == std::string::npos ? '(' : text[at];
  }
};

// Runs the three rewriting steps in one pass and stops once more than `limit` characters would
// be written.
//
// The minus rewriting examines every minus after the first character, reading the text as it
// is being rewritten: the character before a minus is the one written last. Only the original
// characters can trigger a rewrite: every inserted minus has "(" before it and "1" after it.
// Writing left to right therefore gives the in-place result without moving the tail of the
// text once per minus. (A loop whose bound was the length before the rewriting, and which began
// at the third character, left the minuses that earlier replacements pushed past that bound,
// and one in second place, unrewritten, so that whether (-x^2) meant -x^2 depended on how many
// minuses came before it.)
// The prepared text together with the place in the given text that each character came from;
// an inserted character counts as the minus it was inserted for.
struct TracedText {
  GrowingText out;
  std::vector<std::size_t> origins;
  void append(char c, std::size_t origin) {
    out.append(c, origin);
    origins.push_back(origin);
  }
  std::size_t size() const { return out.size(); }
  char lastNonBlank() const { return out.lastNonBlank(); }
};

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
  auto originOf = [&](std::size_t j) -> std::size_t {
    if (!leadingMinus) return j;
    return j < leadingReplacement.size() ? 0 : j - leadingReplacement.size() + 1;
  };
  for (std::size_t j = 0; j < stepTwoLength && out.size() <= limit; ++j) {
    const char c = stepTwoChar(j);
    const std::size_t origin = originOf(j);
    if (c != '-' || j == 0 || j + 1 == stepTwoLength) {
      out.append(c, origin);
      continue;
    }
    // Blanks do not count: a minus with nothing but blanks before it opens the text as one after
    // "(" does, and so does one that opens the right side of an equation.
    const char last = out.lastNonBlank();
    const char before = last == '=' ? '(' : last;
    // After an operator the minus is the sign of what follows, which the parser reads itself
    // (x/-2, (-1)* -y); a rewrite there gave only a syntax error.
    if (std::strchr("+-*/^:", before)) {
      out.append(c, origin);
      continue;
    }
    const char after = stepTwoChar(j + 1);
    const bool operandFollows = !isDigit(after) && after != '.';
    const char* replacement = nullptr;
    if (before != '(' && operandFollows)
      replacement = "+(-1)*";
    else if (before == '(' && operandFollows)
      replacement = "(-1)*";
    if (!replacement) {
      out.append(c, origin);
      continue;
    }
    for (const char* r = replacement; *r; ++r) out.append(*r, origin);
  }
}

} // namespace

std::string PrepareText(std::string_view text) {
  GrowingText out;
  out.text.reserve(text.size() + 16);
  prepareInto(text, static_cast<std::size_t>(-1), out);
  return std::move(out.text);
}

void ExpressionEngine::LoadWorkText(std::string_view text, Grammar grammar) {
  m_grammar = grammar;
  BoundedText out{m_work + 1, WorkTextLimit};
  prepareInto(text, WorkTextLimit, out);
  m_workStart = 1;
  m_workEnd = 1 + out.size();
  m_tokenBegin = m_previousBegin = 1;
  m_holding = false;
  // A text too long to evaluate whole is not evaluated in part: a character no token starts
  // with makes it a syntax error.
  m_tooLong = out.overflowed;
  m_tooLongAt = out.overflowOrigin;
  if (out.overflowed) {
    m_work[1] = '#';
    m_workEnd = 2;
  }
}

void ExpressionEngine::describeSyntaxError(std::string_view text) {
  ErrorReason = m_errorReason;
  if (m_tooLong) {
    ErrorReason = "the text is too long";
    ErrorColumn = static_cast<int>(m_tooLongAt) + 1;
    ErrorLength = static_cast<int>(text.size() - m_tooLongAt);
    return;
  }
  TracedText traced;
  prepareInto(text, static_cast<std::size_t>(-1), traced);
  // Offsets in m_work count from 1; a "0" the scanner put before or after a number lies just
  // outside the prepared text.
  const std::size_t prepared = traced.origins.size();
  auto columnOf = [&](std::size_t at) -> std::size_t {
    const std::size_t index = at > 0 ? at - 1 : 0;
    return index < prepared ? traced.origins[index] : text.size();
  };
  const std::size_t first = columnOf(m_errorBegin);
  if (m_errorEnd <= m_errorBegin || first >= text.size()) {
    ErrorColumn = static_cast<int>(first) + 1;
    ErrorLength = 0;
    return;
  }
  const std::size_t last = std::max(first, columnOf(m_errorEnd - 1));
  ErrorColumn = static_cast<int>(first) + 1;
  ErrorLength = static_cast<int>(std::min(last, text.size() - 1) - first) + 1;
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
  const bool letter =
      std::memchr("ABCDEFPRTUVXY", c, 13) || (c == 'Z' && m_grammar == Grammar::SpaceEquation);
  if (!letter) return false;
  m_current.letter = c;
  return true;
}

Token ExpressionEngine::ScanToken() {
  while (m_workStart < m_workEnd && m_work[m_workStart] == ' ') ++m_workStart;
  m_previousBegin = m_tokenBegin;
  m_tokenBegin = m_workStart;
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
    const char* const mantissaEnd = p;
    bool exponentNegative = false;
    int exponent = 0;
    // An E starts an exponent only where digits follow it, with or without a sign; otherwise
    // it is the letter e after the number (2e is 2*e).
    const bool signedExponent = p + 2 < end && (p[1] == '+' || p[1] == '-') && isDigit(p[2]);
    if (p + 1 < end && *p == 'E' && (isDigit(p[1]) || signedExponent)) {
      ++p;
      if (*p == '+' || *p == '-') exponentNegative = *p++ == '-';
      for (int digits = 0; digits < 3 && p < end && isDigit(*p); ++digits)
        exponent = 10 * exponent + (*p++ - '0');
    }
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, p, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range && stop == p) {
      // A literal too small for a double reads as 0 (a finite value, not an error); one too
      // large cannot be converted.
      if (!literalBelowOne(begin, mantissaEnd, exponentNegative ? -exponent : exponent))
        MathError = true;
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
    for (const NamedFunction& function : NamedFunctions)
      if (TryFunctionName(function.name))
        return function.arguments() == 2 ? TwoArgumentName : FunctionName;
    // PI is another name of p.
    if (first == 'P' && m_workStart + 1 < m_workEnd && m_work[m_workStart + 1] == 'I') {
      m_current.letter = 'P';
      m_workStart += 2;
      return Letter;
    }
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
    // ** is another way of writing ^.
    if (m_workStart < m_workEnd && m_work[m_workStart] == '*') {
      ++m_workStart;
      return Power;
    }
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
  case ',':
    return Comma;
  case '=':
    return m_grammar == Grammar::SpaceEquation ? Equals : Invalid;
  default:
    return Invalid;
  }
}
