// SPDX-License-Identifier: MIT
// A canvas over any QPainter, drawing shapes rather than pixels: the full-graph vector
// pictures (SVG, PDF) are painted through it.
#pragma once

#include "render/canvas/ShapeCanvas.h"

#include <QPainter>

class PainterCanvas final : public ShapeCanvas {
public:
  // Nothing is drawn past the picture's edges, whether or not the painter clips.
  PainterCanvas(QPainter& painter, QSize size) : ShapeCanvas(size, true), m_painter(painter) {}

protected:
  void paintRect(const QRectF& rect, Color color) override;
  void paintLine(QPointF a, QPointF b, Color color) override;
  void paintPolygon(const QPolygonF& shape, std::optional<Color> fill,
                    std::optional<Color> outline) override;
  void paintText(QPointF origin, const QString& text, Color color) override;

private:
  QPainter& m_painter;
};
