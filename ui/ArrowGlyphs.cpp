// SPDX-License-Identifier: MIT
// The rotation buttons' arrows, drawn rather than taken from the style so that every
// platform shows the same glyph.
#include "ui/ArrowGlyphs.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QTransform>

QIcon arrowIcon(ArrowGlyph glyph) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(8, 8);
  // The arrow is drawn pointing up, then turned.
  switch (glyph) {
  case ArrowGlyph::Up:
    break;
  case ArrowGlyph::Right:
    painter.rotate(90);
    break;
  case ArrowGlyph::Down:
    painter.rotate(180);
    break;
  case ArrowGlyph::Left:
    painter.rotate(270);
    break;
  }
  const QPolygonF arrow({{0, -7}, {7, 0}, {2.5, 0}, {2.5, 7}, {-2.5, 7}, {-2.5, 0}, {-7, 0}});
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0));
  painter.drawPolygon(arrow);
  painter.end();
  return QIcon(pixmap);
}
