// SPDX-License-Identifier: MIT
// The kept texts: finding and recording them, and the tables of their remembered outcomes.
#include "expr/KeptTexts.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

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

KeptTexts::KeptText& KeptTexts::find(ExpressionEngine& engine, std::string_view text,
                                     Grammar grammar) {
  const auto same = [&](const KeptText& kept) {
    return kept.used && kept.grammar == grammar && sameText(kept.text, text);
  };
  // Renderers evaluate their few texts in a steady order, so the text that followed the last
  // one the previous time is tried first, then the last one again, then all.
  const int guesses[2] = {m_texts[m_lastKept].next, m_lastKept};
  for (const int slot : guesses) {
    if (same(m_texts[slot])) {
      m_lastKept = slot;
      return m_texts[slot];
    }
  }
  for (int slot = 0; slot < KeptTextCount; ++slot) {
    if (same(m_texts[slot])) {
      m_texts[m_lastKept].next = slot;
      m_lastKept = slot;
      return m_texts[slot];
    }
  }
  KeptText& kept = m_texts[m_nextKept];
  m_texts[m_lastKept].next = m_nextKept;
  m_lastKept = m_nextKept;
  m_nextKept = (m_nextKept + 1) % KeptTextCount;
  kept.used = true;
  kept.text.assign(text);
  kept.grammar = grammar;
  kept.steps.clear();
  kept.letters.clear();
  kept.results.clear();
  kept.resultBits = 0;
  kept.resultsHeld = 0;
  kept.evaluations = 0;
  // One ordinary evaluation records the steps; its value and flags are thrown away, since the
  // caller's evaluation replays the steps.
  const bool cut = engine.CutFlag;
  engine.LoadWorkText(text, grammar);
  engine.parse(ExpressionVariables{}, this, &kept.steps);
  kept.syntaxError = engine.SyntaxError;
  if (kept.syntaxError) {
    engine.describeSyntaxError(text);
    kept.errorColumn = engine.ErrorColumn;
    kept.errorLength = engine.ErrorLength;
    kept.errorReason = engine.ErrorReason;
  }
  engine.CutFlag = cut;
  for (const KeptStep& step : kept.steps)
    if (step.letter && step.letter != 'P' && kept.letters.find(step.letter) == std::string::npos)
      kept.letters.push_back(step.letter);
  return kept;
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

void KeptTexts::growResults(KeptText& kept, unsigned bits) {
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

double KeptTexts::evaluateKept(ExpressionEngine& engine, KeptText& kept,
                               const ExpressionVariables& vars) {
  const std::size_t letters = kept.letters.size();
  ++kept.evaluations;
  if (letters > KeyLetters || kept.evaluations < 2)
    return engine.replay(kept.steps, kept.syntaxError, vars, *this);
  if (kept.resultBits == 0) growResults(kept, FirstResultBits);
  // An entry: the flags, the value's bits, then the key.
  std::uint64_t entry[KeyLetters + 2] = {};
  std::uint64_t* const key = entry + 2;
  for (std::size_t i = 0; i < letters; ++i)
    key[i] = std::bit_cast<std::uint64_t>(ExpressionEngine::rawLetterValue(kept.letters[i], vars));
  const std::size_t stride = letters + 2;
  std::uint64_t* const pair = &kept.results[resultPair(key, letters, kept.resultBits) * stride];
  for (std::uint64_t* slot : {pair, pair + stride}) {
    bool same = (slot[0] & SlotUsed) != 0;
    for (std::size_t i = 0; same && i < letters; ++i) same = slot[2 + i] == key[i];
    if (same) {
      engine.SyntaxError = kept.syntaxError;
      engine.MathError = (slot[0] & SlotMathError) != 0;
      if (slot[0] & SlotCut) engine.CutFlag = true;
      return std::bit_cast<double>(slot[1]);
    }
  }
  // Whether this evaluation meets a CUT of a negative argument is part of its outcome.
  const bool cutBefore = engine.CutFlag;
  engine.CutFlag = false;
  const double value = engine.replay(kept.steps, kept.syntaxError, vars, *this);
  entry[0] = SlotUsed | (engine.MathError ? SlotMathError : 0) | (engine.CutFlag ? SlotCut : 0);
  entry[1] = std::bit_cast<std::uint64_t>(value);
  placeResult(pair, entry, stride, kept.resultsHeld);
  engine.CutFlag = engine.CutFlag || cutBefore;
  if (kept.resultBits < LastResultBits &&
      4 * kept.resultsHeld > (std::size_t{1} << kept.resultBits))
    growResults(kept, kept.resultBits + 1);
  return value;
}

double KeptTexts::evaluate(ExpressionEngine& engine, std::string_view text,
                           const ExpressionVariables& vars, Grammar grammar, bool remember) {
  KeptText& kept = find(engine, text, grammar);
  const double value = remember ? evaluateKept(engine, kept, vars)
                                : engine.replay(kept.steps, kept.syntaxError, vars, *this);
  if (kept.syntaxError) {
    engine.ErrorColumn = kept.errorColumn;
    engine.ErrorLength = kept.errorLength;
    engine.ErrorReason = kept.errorReason;
  }
  return value;
}

double ExpressionEngine::EvaluateExpression(std::string_view text, const ExpressionVariables& vars,
                                            Grammar grammar) {
  if (text.size() > KeptTexts::TextLimit) return EvaluateUncached(text, vars, grammar);
  if (!m_memory.texts) m_memory.texts = std::make_unique<KeptTexts>();
  return m_memory.texts->evaluate(*this, text, vars, grammar);
}

double ExpressionEngine::EvaluateOnce(std::string_view text, const ExpressionVariables& vars,
                                      Grammar grammar) {
  if (text.size() > KeptTexts::TextLimit) return EvaluateUncached(text, vars, grammar);
  if (!m_memory.texts) m_memory.texts = std::make_unique<KeptTexts>();
  return m_memory.texts->evaluate(*this, text, vars, grammar, false);
}

// ---------------------------------------------------------------------------------------------
// The engine's copy of its memory

ExpressionEngine::Memory::Memory() = default;
ExpressionEngine::Memory::Memory(Memory&& other) noexcept = default;
ExpressionEngine::Memory& ExpressionEngine::Memory::operator=(Memory&& other) noexcept = default;
ExpressionEngine::Memory::~Memory() = default;

ExpressionEngine::Memory::Memory(const Memory& other)
    : texts(other.texts ? std::make_unique<KeptTexts>(*other.texts) : nullptr) {}

ExpressionEngine::Memory& ExpressionEngine::Memory::operator=(const Memory& other) {
  if (this != &other) texts = other.texts ? std::make_unique<KeptTexts>(*other.texts) : nullptr;
  return *this;
}
