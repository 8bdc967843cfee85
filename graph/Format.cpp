// SPDX-License-Identifier: MIT
// Number formatting through std::to_chars, so that no locale changes a decimal point.
#include "graph/Format.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// Appends the number, right-aligned in width characters (never cut), with the exponent
// letter in upper case.
void appendNumber(std::string& out, double value, std::chars_format format, int precision,
                  int width) {
  // The widest fixed form of a double is 309 digits before the point.
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  const std::string_view text =
      result.ec == std::errc() ? std::string_view(buffer, result.ptr) : std::string_view("?");
  if (static_cast<int>(text.size()) < width) out.append(width - text.size(), ' ');
  const std::size_t at = out.size();
  out.append(text);
  if (format == std::chars_format::scientific)
    for (std::size_t i = at; i < out.size(); ++i)
      if (out[i] == 'e') out[i] = 'E';
}

void appendListingValue(std::string& out, double z) {
  const double magnitude = std::fabs(z);
  if ((magnitude > 0.01 && magnitude < 1e6) || z == 0) {
    appendNumber(out, z, std::chars_format::fixed, 4, 10);
  } else {
    out.append("       ");
    appendNumber(out, z, std::chars_format::scientific, 3, 0);
  }
}

} // namespace

std::string formatFixed(double value, int width, int decimals) {
  std::string text;
  appendNumber(text, value, std::chars_format::fixed, decimals, width);
  return text;
}

std::string formatExponent(double value, int decimals) {
  std::string text;
  appendNumber(text, value, std::chars_format::scientific, decimals, 0);
  return text;
}

std::string formatListingValue(double z) {
  std::string text;
  appendListingValue(text, z);
  return text;
}

// The listing has one of these per grid point, so the line is built in one string.
std::string formatSurfaceLine(double a, double b, double z) {
  std::string line;
  line.reserve(40);
  appendNumber(line, a, std::chars_format::fixed, 3, 10);
  line.push_back(' ');
  appendNumber(line, b, std::chars_format::fixed, 3, 10);
  line.push_back(' ');
  appendListingValue(line, z);
  return line;
}

// The space-curve and two-parameter listings: fixed columns of width 10, one blank apart.
std::string formatCurveLine(double t, double x, double y, double z) {
  std::string line;
  line.reserve(44);
  for (const double v : {t, x, y}) {
    appendNumber(line, v, std::chars_format::fixed, 3, 10);
    line.push_back(' ');
  }
  appendNumber(line, z, std::chars_format::fixed, 4, 10);
  return line;
}

std::string formatPatchLine(double x, double y, double z) {
  std::string line;
  line.reserve(33);
  appendNumber(line, x, std::chars_format::fixed, 3, 10);
  line.push_back(' ');
  appendNumber(line, y, std::chars_format::fixed, 3, 10);
  line.push_back(' ');
  appendNumber(line, z, std::chars_format::fixed, 3, 10);
  return line;
}

std::string ParameterCaptionText(double value) {
  const double magnitude = std::fabs(value);
  if (magnitude > 1e7 || (value != 0 && magnitude < 0.001)) return formatExponent(value, 3);
  return formatFixed(value, 8, 3).substr(0, 10);
}

std::string ImplicitCaptionText(const std::string& text) {
  return text.find('=') == std::string::npos ? text + " = 0" : text;
}

std::string formatAngleField(double radians) {
  return formatFixed(radians * 180 / 3.141592653589793, 5, 1);
}
