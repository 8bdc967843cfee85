// SPDX-License-Identifier: MIT
// Conversions of doubles to pixels, counts and colour components that stay defined for every
// input: nearest integer with ties to even, NaN and out-of-range values pinned to the limits.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Nearest integer, ties to even (the default rounding mode), NaN as 0, clamped to int64.
inline std::int64_t roundToInt64(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);
  // 2^63 is exactly representable; anything at or above it would overflow the conversion.
  if (r >= 9223372036854775808.0) return std::numeric_limits<std::int64_t>::max();
  if (r < -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(r);
}

inline std::int32_t clampToInt32(std::int64_t v) {
  if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

// Nearest integer, ties to even, NaN as 0, clamped to int32.
inline std::int32_t roundToInt32(double v) {
  return clampToInt32(roundToInt64(v));
}

// A colour component keeps only its low 8 bits once rounded.
inline int roundToComponent(double v) {
  return static_cast<int>(roundToInt64(v) & 0xFF);
}
