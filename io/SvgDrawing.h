// SPDX-License-Identifier: MIT
// The picture's shapes written straight as the text of an SVG document.
#pragma once

#include "io/Codec.h"
#include "render/canvas/ShapeCanvas.h"

#include <QImage>

#include <string>

// Every shape is one element in drawing order: a polygon a path with its own fill, a line a
// path, a text a <text> of the picture font on its box. Consecutive elements stroked alike
// share one group that carries the stroke.
class SvgDrawing final : public ShapeCanvas {
public:
  explicit SvgDrawing(QSize size);

  // An image over the whole picture, as the drawing's ground or in place of it.
  void drawImage(const QImage& image);
  // The document with everything drawn so far.
  FileResult finish(std::string& out);

protected:
  void paintRect(const QRectF& rect, Color color) override;
  void paintLine(QPointF a, QPointF b, Color color) override;
  void paintPolygon(const QPolygonF& shape, std::optional<Color> fill,
                    std::optional<Color> outline) override;
  void paintText(QPointF origin, const QString& text, Color color) override;

private:
  // How a group strokes its elements.
  enum class Stroke { None, Round, Flat };
  void useStroke(Stroke stroke, Color color);
  void appendPoint(QPointF p);

  std::string m_body;
  Stroke m_stroke = Stroke::None;
  Color m_strokeColor = clNone;
  bool m_failed = false;
};
