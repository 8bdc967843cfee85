// SPDX-License-Identifier: MIT
// A canvas over any QPainter, drawing shapes rather than pixels: the vector pictures (SVG,
// PDF) are painted through it.
#pragma once

#include "render/Canvas.h"

#include <QPainter>

// Shapes are placed so that, rasterised, they cover the pixels ImageCanvas sets: a polygon's
// fill has its corners where the pixel canvas samples pixel centres, a line runs through the
// centres of its pixels, one pixel wide, and stops where the pixel line leaves out its end
// point. Coordinates far outside the picture are clipped to a margin around it first, so that
// a point near the eye plane never reaches a viewer as an enormous number.
class PainterCanvas final : public Canvas {
public:
  PainterCanvas(QPainter& painter, QSize size);
  PainterCanvas(const PainterCanvas&) = delete;
  PainterCanvas& operator=(const PainterCanvas&) = delete;

  void setPenColor(Color color) override { m_pen = color; }
  void setPenStyle(std::uint8_t style) override { m_penStyle = style; }
  void setBrushColor(Color color) override { m_brush = color; }
  void setFontColor(Color color) override { m_font = color; }
  void fill(Color color) override;
  void moveTo(std::int32_t x, std::int32_t y) override { m_penX = x, m_penY = y; }
  void lineTo(std::int32_t x, std::int32_t y) override;
  void polygon(std::span<const Pixel> points) override;
  void textOut(std::int32_t x, std::int32_t y, int letterShift, std::string_view text) override;
  int textWidth(std::string_view text) override;
  // A vector picture cannot be read back.
  Color pixel(std::int32_t, std::int32_t) override { return clNone; }

private:
  QPainter& m_painter;
  QSize m_size;
  QRectF m_bounds; // the picture with its clipping margin
  Color m_pen = clBlack;
  Color m_brush = clWhite;
  Color m_font = clBlack;
  std::uint8_t m_penStyle = PenSolid;
  std::int32_t m_penX = 0, m_penY = 0;
};

// The part of the segment a-b inside the rectangle; false when none of it is.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& bounds);
// The polygon cut to the rectangle (each edge of it a half-plane in turn). Inside the
// rectangle the even-odd fill of the result is that of the polygon.
QPolygonF ClipPolygon(const QPolygonF& polygon, const QRectF& bounds);
