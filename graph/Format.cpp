// SPDX-License-Identifier: MIT
// Number formatting through std::to_chars, so that no locale changes a decimal point.
#include "graph/Format.h"

#include <charconv>
#include <cmath>

namespace {

std::string padLeft(std::string text, int width) {
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string toChars(double value, std::chars_format format, int precision) {
  // The widest fixed form of a double is 309 digits before the point.
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  if (result.ec != std::errc()) return "?";
  return std::string(buffer, result.ptr);
}

} // namespace

std::string formatFixed(double value, int width, int decimals) {
  return padLeft(toChars(value, std::chars_format::fixed, decimals), width);
}

std::string formatExponent(double value, int decimals) {
  std::string text = toChars(value, std::chars_format::scientific, decimals);
  for (char& c : text)
    if (c == 'e') c = 'E';
  return text;
}

std::string formatListingValue(double z) {
  const double magnitude = std::fabs(z);
  if ((magnitude > 0.01 && magnitude < 1e6) || z == 0) return formatFixed(z, 10, 4);
  return "       " + formatExponent(z, 3);
}

std::string formatSurfaceLine(double a, double b, double z) {
  return formatFixed(a, 10, 3) + ' ' + formatFixed(b, 10, 3) + ' ' + formatListingValue(z);
}

std::string ParameterCaptionText(double value) {
  const double magnitude = std::fabs(value);
  if (magnitude > 1e7 || (value != 0 && magnitude < 0.001)) return formatExponent(value, 3);
  return formatFixed(value, 8, 3).substr(0, 10);
}

std::string formatAngleField(double radians) {
  return formatFixed(radians * 180 / 3.141592653589793, 5, 1);
}
