// SPDX-License-Identifier: MIT
// The cell list with its far-to-near painting, and the shading of a base colour.
#include "render/CellList.h"

#include "render/Program.h"
#include "render/Rounding.h"
#include "render/SelectionOrder.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>
#include <vector>

void ensureCellSlots(Program& p, std::size_t count) {
  if (p.CellList.size() < count + 1) p.CellList.resize(count + 1);
}

void SwapCells(CellRecord& a, CellRecord& b) {
  std::swap(a, b);
}

void paintCell(Program& p, const CellRecord& cell) {
  paintCell(*p.canvas, p.graph.GridColor, cell);
}

void paintCell(Canvas& c, Color grid, const CellRecord& cell) {
  c.setPenColor(grid);
  c.setPenStyle(cell.PenStyle);
  c.setBrushColor(cell.FillColor);
  c.polygon(cell.Corners);
  c.setPenStyle(PenSolid);
}

void PaintCellList(Program& p, int count) {
  auto& list = p.CellList;
  const int n = std::min<std::int64_t>(count, static_cast<std::int64_t>(list.size()) - 1);
  sortFarthestFirst(
      1, n, [&list](std::size_t slot) { return list[slot].Distance; },
      [&list](std::size_t a, std::size_t b) { SwapCells(list[a], list[b]); });
  if (p.graph.MovieMode && p.MovieFrameIndex >= 0 &&
      static_cast<std::size_t>(p.MovieFrameIndex) < p.FrameStore.size()) {
    p.FrameStore[p.MovieFrameIndex].assign(list.begin() + 1, list.end());
  }
  for (int i = 1; i <= n; ++i) paintCell(p, list[i]);
}

bool IsNaN(double d) {
  const auto bits = std::bit_cast<std::uint64_t>(d);
  const std::uint64_t exponent = (bits >> 52) & 0x7FF;
  return exponent == 0x7FF && (bits & 0xFFFFFFFFFFFFull) != 0;
}

double greyHue() {
  return std::bit_cast<double>(std::uint64_t{0x7FFFFFFFFFFFFFFF});
}

void RgbToHsv(double& hue, double& saturation, double& value, double r, double g, double b) {
  const double mn = std::min({r, g, b});
  value = std::max({r, g, b});
  const double delta = value - mn;
  saturation = value == 0 ? 0 : 255 * delta / value;
  if (saturation == 0) {
    hue = greyHue();
    return;
  }
  if (r == value) {
    hue = (g - b) * 60 / delta;
  } else if (g == value) {
    hue = (b - r) * 60 / delta + 120;
  } else {
    hue = (r - g) * 60 / delta + 240;
  }
  if (hue < 0) hue += 360;
  if (hue > 360) hue -= 360;
}

void HsvToRgb(double& r, double& g, double& b, double hue, double saturation, double value) {
  const double s = saturation / 255;
  if (s == 0) {
    if (IsNaN(hue)) r = g = b = value;
    return;
  }
  const double h = (hue == 360 ? 0 : hue) / 60;
  // Truncation toward zero; a sector outside 0..5 (or no number at all) gives black.
  const double sector = std::trunc(h);
  const double f = h - sector;
  const double p = value - value * s;
  const double q = value - value * s * f;
  const double t = value - value * s * (1 - f);
  const double v = value;
  if (sector == 0)
    r = v, g = t, b = p;
  else if (sector == 1)
    r = q, g = v, b = p;
  else if (sector == 2)
    r = p, g = v, b = t;
  else if (sector == 3)
    r = p, g = q, b = v;
  else if (sector == 4)
    r = t, g = p, b = v;
  else if (sector == 5)
    r = v, g = p, b = q;
  else
    r = g = b = 0;
}

namespace {

int scaled(double factor, double t) {
  return static_cast<int>(roundToInt64(factor * t) & 0xFFFF);
}

} // namespace

void ShadeBasicColor(Color base, Color& out, double t) {
  switch (base) {
  case clBlue:
    out = makeColor(0, scaled(180, t), 255);
    break;
  case clGreen:
    out = makeColor(0, scaled(100, t) + 110, 0);
    break;
  case clPurple:
    out = makeColor(scaled(108, t) + 120, 0, scaled(108, t) + 120);
    break;
  case clRed:
    out = makeColor(scaled(140, t) + 110, scaled(80, t), 0);
    break;
  case clLime:
    out = makeColor(scaled(240, t), 255, 0);
    break;
  case clYellow:
    out = makeColor(255, scaled(130, t) + 100, 0);
    break;
  case clAqua:
    out = makeColor(0, scaled(110, t) + 140, scaled(110, t) + 140);
    break;
  case clFuchsia:
    out = makeColor(scaled(130, t) + 100, 0, 255);
    break;
  default:
    break;
  }
}

namespace {

bool isBasicColor(Color c) {
  switch (c) {
  case clBlue:
  case clGreen:
  case clPurple:
  case clRed:
  case clLime:
  case clYellow:
  case clAqua:
  case clFuchsia:
    return true;
  default:
    return false;
  }
}

} // namespace

void ShadeColor(Color base, Color& out, double intensity) {
  if (isBasicColor(base)) {
    ShadeBasicColor(base, out, intensity);
    return;
  }
  if (base == clWhite) {
    out = clWhite;
    return;
  }
  double r = colorRed(base), g = colorGreen(base), b = colorBlue(base);
  double h = 0, s = 0, v = 0;
  RgbToHsv(h, s, v, r, g, b);
  // A grey's hue is left untouched so that it stays the grey marker.
  if (!IsNaN(h) && !(h > 332)) h = h + 20 - static_cast<double>(roundToInt64(30 * intensity));
  if (s > 100) {
    s = s - static_cast<double>(roundToInt64(100 * intensity));
  } else if (s > 60) {
    s = s - static_cast<double>(roundToInt64(60 * intensity));
  }
  v = intensity * v / 2 + v / 2;
  HsvToRgb(r, g, b, h, s, v);
  out = makeColor(roundToComponent(r), roundToComponent(g), roundToComponent(b));
}
