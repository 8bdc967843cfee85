// SPDX-License-Identifier: MIT
// The canvas that draws shapes and text through a QPainter.
#include "render/canvas/PainterCanvas.h"

#include "render/canvas/PictureText.h"

namespace {

QColor qColor(Color c) {
  return QColor::fromRgb(toRgb32(c));
}

} // namespace

void PainterCanvas::paintRect(const QRectF& rect, Color color) {
  m_painter.fillRect(rect, qColor(color));
}

void PainterCanvas::paintLine(QPointF a, QPointF b, Color color) {
  m_painter.setPen(QPen(qColor(color), 1.0, Qt::SolidLine, Qt::FlatCap));
  m_painter.setBrush(Qt::NoBrush);
  m_painter.drawLine(a, b);
}

void PainterCanvas::paintPolygon(const QPolygonF& shape, std::optional<Color> fill,
                                 std::optional<Color> outline) {
  if (outline)
    m_painter.setPen(QPen(qColor(*outline), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  else
    m_painter.setPen(Qt::NoPen);
  if (fill)
    m_painter.setBrush(qColor(*fill));
  else
    m_painter.setBrush(Qt::NoBrush);
  m_painter.drawPolygon(shape, Qt::OddEvenFill);
}

void PainterCanvas::paintText(QPointF origin, const QString& text, Color color) {
  m_painter.setFont(PictureFont());
  m_painter.setPen(qColor(color));
  m_painter.drawText(origin, text);
}
