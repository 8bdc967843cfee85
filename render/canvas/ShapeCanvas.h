// SPDX-License-Identifier: MIT
// The canvas that turns drawing operations into shapes for a vector drawing to paint.
#pragma once

#include "render/canvas/Canvas.h"

#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <optional>

// Shapes are placed so that, rasterised, they cover the pixels ImageCanvas sets: a polygon's
// fill has its corners where the pixel canvas samples pixel centres, a line runs through the
// centres of its pixels, one pixel wide, and stops where the pixel line leaves out its end
// point. Coordinates far outside the picture are clipped to a margin around it first, so that
// a point near the eye plane never reaches a viewer as an enormous number. What paints the
// shapes (a QPainter, an SVG or PDF writer) implements the paint functions.
class ShapeCanvas : public PenStateCanvas {
public:
  // With clipToPicture, nothing reaches past the picture's edges: for a painter that cannot
  // clip (Qt's SVG generator), where the picture stands inside a larger drawing.
  explicit ShapeCanvas(QSize size, bool clipToPicture = false);
  ShapeCanvas(const ShapeCanvas&) = delete;
  ShapeCanvas& operator=(const ShapeCanvas&) = delete;

  void fill(Color color) override;
  void lineTo(std::int32_t x, std::int32_t y) override;
  void polygon(std::span<const Pixel> points) override;
  void textOut(std::int32_t x, std::int32_t y, int letterShift, std::string_view text) override;
  int textWidth(std::string_view text) override;
  // A vector picture cannot be read back.
  Color pixel(std::int32_t, std::int32_t) override { return clNone; }

  QSize size() const { return m_size; }

protected:
  // A rectangle filled with one colour, no outline.
  virtual void paintRect(const QRectF& rect, Color color) = 0;
  // A segment one pixel wide with flat ends.
  virtual void paintLine(QPointF a, QPointF b, Color color) = 0;
  // A closed shape filled by the even-odd rule when `fill` is given, then stroked one pixel
  // wide with round joins and ends when `outline` is given.
  virtual void paintPolygon(const QPolygonF& shape, std::optional<Color> fill,
                            std::optional<Color> outline) = 0;
  // Letters of the picture font with their baseline starting at `origin`.
  virtual void paintText(QPointF origin, const QString& text, Color color) = 0;

private:
  QSize m_size;
  QRectF m_bounds; // the picture with its clipping margin, or the picture itself
  bool m_clipToPicture;
};
