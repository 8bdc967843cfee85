// SPDX-License-Identifier: MIT
// The drawing operations the renderers need, the pen state most canvases keep, and colours as
// a QImage stores them.
#pragma once

#include "graph/Colors.h"
#include "render/View.h"

#include <cstdint>
#include <span>
#include <string_view>

enum PenStyle : std::uint8_t { PenSolid = 0, PenClear = 5 };

class Canvas {
public:
  virtual ~Canvas() = default;
  virtual void setPenColor(Color color) = 0;
  virtual void setPenStyle(std::uint8_t style) = 0;
  virtual void setBrushColor(Color color) = 0;
  virtual void setFontColor(Color color) = 0;
  // Fills the whole canvas with one colour.
  virtual void fill(Color color) = 0;
  virtual void moveTo(std::int32_t x, std::int32_t y) = 0;
  // Draws from the pen position up to, but not including, (x, y), and leaves the pen there.
  virtual void lineTo(std::int32_t x, std::int32_t y) = 0;
  // Filled with the brush, then outlined with the pen unless the pen is clear.
  virtual void polygon(std::span<const Pixel> points) = 0;
  // (x, y) is the top-left corner of the text, which stands on a box of the brush colour;
  // x is first moved by letterShift widths of the letter "M" (the axis letters stand one
  // letter beside the end of their axis).
  virtual void textOut(std::int32_t x, std::int32_t y, int letterShift, std::string_view text) = 0;
  virtual int textWidth(std::string_view text) = 0;
  // The colour at (x, y), or clNone outside the canvas. Not const: a canvas that paints
  // later finishes its painting first.
  virtual Color pixel(std::int32_t x, std::int32_t y) = 0;
};

// A canvas that keeps the pen, brush and font colours, the pen style and the pen position as
// they are set; how it paints is its own.
class PenStateCanvas : public Canvas {
public:
  void setPenColor(Color color) override { m_pen = color; }
  void setPenStyle(std::uint8_t style) override { m_penStyle = style; }
  void setBrushColor(Color color) override { m_brush = color; }
  void setFontColor(Color color) override { m_font = color; }
  void moveTo(std::int32_t x, std::int32_t y) override { m_penX = x, m_penY = y; }

protected:
  Color m_pen = clBlack;
  Color m_brush = clWhite;
  Color m_font = clBlack;
  std::uint8_t m_penStyle = PenSolid;
  std::int32_t m_penX = 0, m_penY = 0;
};

// Colour values as a QImage stores them and back.
constexpr std::uint32_t toRgb32(Color c) {
  return 0xFF000000u | (static_cast<std::uint32_t>(colorRed(c)) << 16) |
         (static_cast<std::uint32_t>(colorGreen(c)) << 8) |
         static_cast<std::uint32_t>(colorBlue(c));
}
constexpr Color fromRgb32(std::uint32_t rgb) {
  return makeColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                   static_cast<int>(rgb & 0xFF));
}
