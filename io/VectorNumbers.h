// SPDX-License-Identifier: MIT
// Short decimal numbers for the text of vector documents.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

// Appends x rounded to thousandths, without trailing zeros ("12", "-0.5", "190.484"): finer
// than any viewer shows a pixel, and far shorter than the full precision. A value that is not
// finite is written as 0, so that a document never holds a word a reader cannot parse.
inline void AppendNumber(std::string& out, double x) {
  const double scaled = std::isfinite(x) ? std::round(x * 1000) : 0;
  const std::int64_t thousandths = std::abs(scaled) < 9e15 ? std::int64_t(scaled) : 0;
  if (thousandths < 0) out += '-';
  const std::uint64_t magnitude = thousandths < 0 ? std::uint64_t(-thousandths) : thousandths;
  char digits[24];
  const auto whole = std::to_chars(digits, digits + sizeof digits, magnitude / 1000);
  out.append(digits, whole.ptr);
  std::uint64_t fraction = magnitude % 1000;
  if (fraction == 0) return;
  int places = 3;
  while (fraction % 10 == 0) fraction /= 10, --places;
  out += '.';
  char decimals[3];
  for (int i = places - 1; i >= 0; --i, fraction /= 10) decimals[i] = char('0' + fraction % 10);
  out.append(decimals, std::size_t(places));
}

inline void AppendInteger(std::string& out, long long n) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n);
  out.append(digits, end.ptr);
}
