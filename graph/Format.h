// SPDX-License-Identifier: MIT
// Number formatting for fields, captions and listings, independent of the user's locale.
#pragma once

#include <string>

// printf's "%W.Df": fixed point with D decimals, right-aligned in W characters (a wider
// number takes the room it needs).
std::string formatFixed(double value, int width, int decimals);
// Exponent form with the given decimals after the point and at least two exponent digits
// with their sign: formatExponent(1234567.891, 3) is "1.235E+06".
std::string formatExponent(double value, int decimals);
// The last column of a kind 1 or 2 listing line: "%10.4f", or seven blanks and the exponent
// form for magnitudes of 1e6 and more or non-zero ones of 0.01 and less.
std::string formatListingValue(double z);
// One listing line of kinds 1 and 2: "%10.3f %10.3f " and the value column.
std::string formatSurfaceLine(double a, double b, double z);
// A space-curve listing line, "%10.3f %10.3f %10.3f %10.4f" of t, x, y, z.
std::string formatCurveLine(double t, double x, double y, double z);
// A two-parameter listing line, "%10.3f %10.3f %10.3f" of x, y, z.
std::string formatPatchLine(double x, double y, double z);
// The parameter caption text: "   3.142", "5.000E-04", "1.000E+08", the fixed form cut to 10.
std::string ParameterCaptionText(double value);
// The caption under an implicit surface: its equation as typed, or a function F followed by
// " = 0".
std::string ImplicitCaptionText(const std::string& text);
// Theta or Phi (radians) in degrees, "%5.1f", as the main window's angle fields show them.
std::string formatAngleField(double radians);
