// SPDX-License-Identifier: MIT
// The drawing operations the renderers need, and the canvas that paints them into a QImage.
#pragma once

#include "graph/Colors.h"
#include "render/View.h"
#include "render/canvas/LinePixels.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <optional>
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

// Paints into a QImage of Format_RGB32, pixel by pixel for lines and polygons, so that nothing
// holds a painter open across the cancel poll: a command that runs from inside the poll can
// draw on the same image. Only text takes a QPainter, for the length of one call, and needs a
// QGuiApplication (without one, text is neither drawn nor measured).
class ImageCanvas final : public PenStateCanvas {
public:
  explicit ImageCanvas(QImage& image) : m_image(image) {}
  ImageCanvas(const ImageCanvas&) = delete;
  ImageCanvas& operator=(const ImageCanvas&) = delete;

  void fill(Color color) override;
  void lineTo(std::int32_t x, std::int32_t y) override;
  void polygon(std::span<const Pixel> points) override;
  void textOut(std::int32_t x, std::int32_t y, int letterShift, std::string_view text) override;
  int textWidth(std::string_view text) override;
  Color pixel(std::int32_t x, std::int32_t y) override;

private:
  void drawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                std::uint32_t rgb);

  QImage& m_image;
};

// Draws nothing: for work whose drawing nobody will see, such as the frames of a movie that
// the command line builds only to write them.
class NullCanvas final : public Canvas {
public:
  void setPenColor(Color) override {}
  void setPenStyle(std::uint8_t) override {}
  void setBrushColor(Color) override {}
  void setFontColor(Color) override {}
  void fill(Color) override {}
  void moveTo(std::int32_t, std::int32_t) override {}
  void lineTo(std::int32_t, std::int32_t) override {}
  void polygon(std::span<const Pixel>) override {}
  void textOut(std::int32_t, std::int32_t, int, std::string_view) override {}
  int textWidth(std::string_view) override { return 0; }
  Color pixel(std::int32_t, std::int32_t) override { return clNone; }
};
// The font of the letters on the picture.
QFont PictureFont();
// Where a text of the picture goes: its box of the brush colour, x first moved by letterShift
// widths of "M", and the baseline; none when no part of the box falls on a picture of the
// given size (far-off positions come from points near the eye plane, and a painter's integer
// rectangles must not overflow).
struct PictureTextBox {
  QRect box;
  int baseline = 0;
};
std::optional<PictureTextBox> placePictureText(const QFontMetrics& metrics, std::int32_t x,
                                               std::int32_t y, int letterShift, const QString& text,
                                               QSize picture);

// Loads the picture font, so that the first text drawn afterwards costs little. It may run
// on any thread once the QGuiApplication exists.
void PreparePictureFont();

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
