// SPDX-License-Identifier: MIT
// The engine's memory: kept texts, their remembered outcomes and remembered operations.
#pragma once

#include "expr/Expression.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The parse of a text depends on its tokens only, never on the values, so a kept text holds
// the steps that compute values in the order the parse took them, and how the parse ended.
struct KeptStep {
  std::uint8_t kind = 0;     // a rule number, or one of the step kinds in Parser.cpp
  char letter = 0;           // the letter a letter step reads; 0 in every other step
  std::uint8_t function = 0; // the row of a function step in NamedFunctions
  double value = 0;
};

// Powers or function values remembered by the bits of their operands: base and exponent, or
// argument and function number.
class RememberedOperations {
public:
  // The remembered outcome of the operands, setting mathError where it was set, or a fresh
  // one from compute (which reports through mathError), remembered.
  template <class Compute>
  double outcome(std::uint64_t left, std::uint64_t right, bool& mathError, Compute compute);

private:
  struct Entry {
    bool used = false;
    bool mathError = false;
    double value = 0;
    std::uint64_t left = 0, right = 0;
  };
  std::array<Entry, 1024> m_entries = {};
};

template <class Compute>
double RememberedOperations::outcome(std::uint64_t left, std::uint64_t right, bool& mathError,
                                     Compute compute) {
  std::uint64_t hash = (left ^ (right * 0x9E3779B97F4A7C15u)) * 0xFF51AFD7ED558CCDu;
  hash ^= hash >> 32;
  // The place comes from the top bits of a second product: the low bits of the first depend
  // only on the operands' low bits, which round grid coordinates (1.5, -2.25, 0.75) share.
  hash *= 0xC4CEB9FE1A85EC53u;
  // Two places per hash, the newer first: two operands that meet the same place both stay.
  Entry* pair = &m_entries[(hash >> 55) * 2];
  static_assert(std::tuple_size_v<decltype(m_entries)> == 1024);
  for (int i = 0; i < 2; ++i) {
    const Entry& kept = pair[i];
    if (kept.used && kept.left == left && kept.right == right) {
      if (kept.mathError) mathError = true;
      return kept.value;
    }
  }
  const bool errorBefore = mathError;
  mathError = false;
  const double value = compute();
  pair[1] = pair[0];
  pair[0] = {true, mathError, value, left, right};
  mathError = mathError || errorBefore;
  return value;
}

// The last few texts an engine evaluated, each with its steps and its remembered outcomes,
// and the remembered powers and function values that every kept text shares.
class KeptTexts {
public:
  // Longer texts are rare (dialog fields, pasted junk) and are not worth a copy.
  static constexpr std::size_t TextLimit = 512;

  // EvaluateExpression for a text of at most TextLimit characters.
  // remember: whether the outcome is kept for the next evaluation at the same values.
  double evaluate(ExpressionEngine& engine, std::string_view text, const ExpressionVariables& vars,
                  Grammar grammar, bool remember = true);

  RememberedOperations powers;
  RememberedOperations functionValues;

private:
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
    int errorColumn = 0, errorLength = 0;
    std::string errorReason;
    std::string text;
    // The same text read as an equation is another text: it may scan to other tokens.
    Grammar grammar = Grammar::Plain;
    std::vector<KeptStep> steps;
    // The distinct variable and parameter letters the steps read, p aside.
    std::string letters;
    std::vector<std::uint64_t> results;
    unsigned resultBits = 0;     // the table has 2^resultBits slots, none while 0
    std::size_t resultsHeld = 0; // slots in use
    std::uint32_t evaluations = 0;
    int next = 0; // the kept text asked for after this one, the last time
  };
  static constexpr int KeptTextCount = 8;

  // The kept text equal to text read with the grammar, recorded afresh in the oldest place if
  // there is none.
  KeptText& find(ExpressionEngine& engine, std::string_view text, Grammar grammar);
  double evaluateKept(ExpressionEngine& engine, KeptText& kept, const ExpressionVariables& vars);
  static void growResults(KeptText& kept, unsigned bits);

  std::array<KeptText, KeptTextCount> m_texts;
  int m_nextKept = 0;
  int m_lastKept = 0;
};
