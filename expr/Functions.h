// SPDX-License-Identifier: MIT
// The named functions of the language, one row each, read by scanner, evaluator and memory.
#pragma once

#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string_view>

constexpr long double Tiny = 1e-9L;
constexpr long double Unbounded = std::numeric_limits<long double>::infinity();
constexpr long double SquareLimit = 1e18L;
constexpr long double HalfPiExtended = 1.570796326794896619231321691639751442L;
constexpr double HalfPi = 1.5707963267948966;
constexpr double Pi = 3.141592653589793;
constexpr long double TrigLimit = 9223372036854775808.0L; // 2^63

// What an argument outside a function's domain gives.
enum class OutsideDomain : std::uint8_t {
  Fails, // MathError, and the value 0
  Zero,  // the value 0, no error
  Cut,   // the value 0, and CutFlag is set
};

// The arguments a function computes: those from low to high, the ends themselves only where
// the domain is closed. Below and above say what the others give. Where the ends snap, an
// argument within Tiny of an end gives that end's value before the domain is looked at, so
// that a rounding error at the edge of the domain is not an error.
struct FunctionDomain {
  long double low = -Unbounded;
  long double high = Unbounded;
  bool open = false;
  OutsideDomain below = OutsideDomain::Fails;
  OutsideDomain above = OutsideDomain::Fails;
  bool snapsEnds = false;
  double atLow = 0;
  double atHigh = 0;
};

constexpr FunctionDomain Everywhere{};
constexpr FunctionDomain closedDomain(long double low, long double high,
                                      OutsideDomain below = OutsideDomain::Fails,
                                      OutsideDomain above = OutsideDomain::Fails) {
  return {low, high, false, below, above};
}
constexpr FunctionDomain openDomain(long double low, long double high,
                                    OutsideDomain below = OutsideDomain::Fails,
                                    OutsideDomain above = OutsideDomain::Fails) {
  return {low, high, true, below, above};
}
constexpr FunctionDomain snappingDomain(long double low, long double high, double atLow,
                                        double atHigh) {
  return {low, high, true, OutsideDomain::Fails, OutsideDomain::Fails, true, atLow, atHigh};
}

// v / sqrt(1 - v^2), the argument of the arctangent in ASIN and ACOS.
inline long double sineRatio(long double v) {
  return v / std::sqrt(1 - v * v);
}

struct NamedFunction {
  std::string_view name; // upper case, as the scanner sees it after preparation
  FunctionDomain domain;
  // The value inside the domain, computed in long double; a result that is not finite as a
  // double sets MathError.
  long double (*compute)(long double v);
  // Whether a value is remembered by its argument: the costly ones, which a surface takes of
  // the same grid coordinates again and again. The cheap ones are computed each time.
  bool remembered;
  // A function of two arguments, written NAME(a,b), has no domain and no compute of one
  // argument; it tells an undefined value by a result that is not a number, which sets
  // MathError like any result that is not finite.
  long double (*compute2)(long double a, long double b) = nullptr;
  // 1, or 2 for a function of two arguments (which has compute2 and no compute).
  int argumentCount = 1;
  constexpr int arguments() const { return argumentCount; }
};

// The remainder with the sign of the divisor (or 0); by 0 it is undefined.
inline long double modulo(long double a, long double b) {
  if (b == 0) return std::numeric_limits<long double>::quiet_NaN();
  long double r = std::fmod(a, b);
  if (r != 0 && ((r < 0) != (b < 0))) r += b;
  return r;
}

// -1, 0 or 1.
inline long double signOf(long double v) {
  if (v > 0) return 1;
  return v < 0 ? -1 : 0;
}

// The angle of the point (x, y), from -pi to pi; the point (0, 0) has none.
inline long double angleOf(long double y, long double x) {
  if (y == 0 && x == 0) return std::numeric_limits<long double>::quiet_NaN();
  return std::atan2(y, x);
}

// The scanner tries the names in this order and takes the first that starts the text, so a
// name comes before any name that starts with it. A function's number is its row.
inline constexpr NamedFunction NamedFunctions[] = {
    {"ABS", Everywhere, [](long double v) { return std::fabs(v); }, false},
    {"ATAN2", Everywhere, nullptr, false, angleOf, 2},
    {"ATAN", Everywhere, [](long double v) { return std::atan(v); }, true},
    {"TAN", Everywhere, [](long double v) { return std::sin(v) / std::cos(v); }, true},
    {"COSH", closedDomain(-88, 88), [](long double v) { return (std::exp(v) + std::exp(-v)) / 2; },
     true},
    {"COS", openDomain(-TrigLimit, TrigLimit, OutsideDomain::Zero, OutsideDomain::Zero),
     [](long double v) { return std::cos(v); }, true},
    {"ACOS", snappingDomain(-1, 1, Pi, 0),
     [](long double v) { return HalfPiExtended - std::atan(sineRatio(v)); }, true},
    {"EXP", closedDomain(-88, 88, OutsideDomain::Zero), [](long double v) { return std::exp(v); },
     true},
    {"INT", Everywhere, [](long double v) { return std::trunc(v); }, false},
    {"LN", openDomain(0, Unbounded), [](long double v) { return std::log(v); }, true},
    {"LOG", openDomain(0, Unbounded), [](long double v) { return std::log(v) / std::log(10.0L); },
     true},
    {"ROUND", closedDomain(-1e9L, 1e9L), [](long double v) { return std::nearbyint(v); }, false},
    {"SINH", closedDomain(-88, 88), [](long double v) { return (std::exp(v) - std::exp(-v)) / 2; },
     true},
    {"SIN", openDomain(-TrigLimit, TrigLimit, OutsideDomain::Zero, OutsideDomain::Zero),
     [](long double v) { return std::sin(v); }, true},
    {"ASIN", snappingDomain(-1, 1, -HalfPi, HalfPi),
     [](long double v) { return std::atan(sineRatio(v)); }, true},
    {"SQRT", closedDomain(0, Unbounded), [](long double v) { return std::sqrt(v); }, false},
    {"SQR", closedDomain(-SquareLimit, SquareLimit), [](long double v) { return v * v; }, false},
    {"TRUNC", closedDomain(-1e9L, 1e9L), [](long double v) { return std::trunc(v); }, false},
    {"UN", closedDomain(0, Unbounded, OutsideDomain::Zero), [](long double) { return 1.0L; },
     false},
    {"CUT", closedDomain(0, Unbounded, OutsideDomain::Cut), [](long double) { return 1.0L; },
     false},
    {"SIGN", Everywhere, signOf, false},
    {"FLOOR", Everywhere, [](long double v) { return std::floor(v); }, false},
    {"CEIL", Everywhere, [](long double v) { return std::ceil(v); }, false},
    {"MIN", Everywhere, nullptr, false, [](long double a, long double b) { return b < a ? b : a; },
     2},
    {"MAX", Everywhere, nullptr, false, [](long double a, long double b) { return b > a ? b : a; },
     2},
    {"MOD", Everywhere, nullptr, false, modulo, 2},
    {"HYPOT", Everywhere, nullptr, false,
     [](long double a, long double b) { return std::hypot(a, b); }, 2},
};

constexpr int NamedFunctionCount = static_cast<int>(std::size(NamedFunctions));

// The rules a new row must keep.
constexpr bool functionTableIsSound() {
  for (int f = 0; f < NamedFunctionCount; ++f) {
    const NamedFunction& row = NamedFunctions[f];
    // A parse entry holds five characters of a name: a letter, then letters or digits.
    if (row.name.empty() || row.name.size() > 5) return false;
    if (row.name.front() < 'A' || row.name.front() > 'Z') return false;
    for (const char c : row.name)
      if ((c < 'A' || c > 'Z') && (c < '0' || c > '9')) return false;
    // A function of two arguments is not remembered (a test checks that each row has the one
    // way to compute its count of arguments calls for).
    if (row.argumentCount != 1 && row.argumentCount != 2) return false;
    if (row.argumentCount == 2 && row.remembered) return false;
    // A remembered outcome keeps the value and MathError only.
    const bool cuts =
        row.domain.below == OutsideDomain::Cut || row.domain.above == OutsideDomain::Cut;
    if (cuts && row.remembered) return false;
    // A name after one it starts with could never be scanned.
    for (int earlier = 0; earlier < f; ++earlier)
      if (row.name.starts_with(NamedFunctions[earlier].name)) return false;
  }
  return NamedFunctionCount < 256; // kept steps hold the number in a byte
}
static_assert(functionTableIsSound());
