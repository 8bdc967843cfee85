// SPDX-License-Identifier: MIT
// Eye point, slope shading, outline pen, cell steps and blanked slots of the surface renderers.
#include "render/surfaces/SurfaceCells.h"

#include "render/CellList.h"
#include "render/Program.h"
#include "render/Rounding.h"
#include "render/surfaces/RectSurface.h"

#include <algorithm>
#include <cmath>

namespace {

// (XCurves + 1)·(YCurves + 1) for the largest counts the curves dialog keeps, 80 each way.
constexpr std::int64_t MaxBlankSlots = 81 * 81;

} // namespace

EyePoint eyePointOf(const GraphState& g) {
  const double ex = g.Rho * std::sin(g.Phi) * std::cos(g.Theta);
  const double ey = g.Rho * std::sin(g.Phi) * std::sin(g.Theta);
  const double ez = g.Rho * std::cos(g.Phi);
  return {ex, ey, ez, std::sqrt(ex * ex + ey * ey + ez * ez)};
}

double distanceFromEye(const EyePoint& e, double x, double y, double z) {
  return std::sqrt((x - e.x) * (x - e.x) + (y - e.y) * (y - e.y) + (z - e.z) * (z - e.z));
}

Color slopeColor(const GraphState& g, const EyePoint& e, double fx, double fy) {
  const bool upper = e.x * fx + e.y * fy <= e.z;
  if (!g.ShadingOn) return upper ? g.AboveColor : g.UnderColor;
  const double n = std::sqrt(fx * fx + fy * fy + 1);
  Color out = 0;
  if (upper) {
    ShadeColor(g.AboveColor, out, (e.z - e.x * fx - e.y * fy) / (n * e.length));
  } else {
    // The y term's sign differs from the upper side's formula; the under side's tones
    // depend on it.
    const double c = (e.x * fx - e.y * fy - e.z) / (n * e.length);
    ShadeColor(g.UnderColor, out, std::sqrt(1 - c * c));
  }
  return out;
}

std::uint8_t gridPenStyle(const GraphState& g) {
  return g.GridColor == clNone ? PenClear : PenSolid;
}

double cellStep(double min, double max, double curves) {
  return min != max ? (max - min) / curves : 0;
}

std::vector<double> cellStartsUp(double min, double max, double step, double tolerance) {
  return gridValues(min, step, true, max - step + tolerance);
}

std::int64_t blankSlotCount(const GraphState& g) {
  return std::clamp<std::int64_t>(roundToInt64((g.XCurves + 1) * (g.YCurves + 1)), 0,
                                  MaxBlankSlots);
}

void reserveCellSlots(Program& p, std::int64_t blank, std::size_t cells) {
  ensureCellSlots(p, std::max(static_cast<std::size_t>(blank), cells));
}
