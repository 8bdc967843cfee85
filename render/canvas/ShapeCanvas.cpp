// SPDX-License-Identifier: MIT
// The canvas operations as shapes: where each shape goes, clipped near the picture.
#include "render/canvas/ShapeCanvas.h"

#include "render/Rounding.h"
#include "render/canvas/PictureText.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Enough room around the picture that no clipped edge comes near it.
constexpr double ClipMargin = 4096;

bool allInside(const QPolygonF& polygon, const QRectF& bounds) {
  return std::all_of(polygon.begin(), polygon.end(),
                     [&](const QPointF& p) { return bounds.contains(p); });
}

// One half-plane of the rectangle: `inside` tells a point's side, `cut` where an edge crosses.
template <typename Inside, typename Cut>
QPolygonF clipAgainst(const QPolygonF& in, Inside inside, Cut cut) {
  QPolygonF out;
  for (qsizetype i = 0; i < in.size(); ++i) {
    const QPointF a = in[i], b = in[(i + 1) % in.size()];
    const bool aIn = inside(a), bIn = inside(b);
    if (aIn) out << a;
    if (aIn != bIn) out << cut(a, b);
  }
  return out;
}

QPointF atX(const QPointF& a, const QPointF& b, double x) {
  return {x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())};
}

QPointF atY(const QPointF& a, const QPointF& b, double y) {
  return {a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y};
}

// The part of the segment a-b inside the rectangle; false when none of it is.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& bounds) {
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x() - bounds.left(), bounds.right() - a.x(), a.y() - bounds.top(),
                       bounds.bottom() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const QPointF from = a;
  a = from + QPointF(dx * t0, dy * t0);
  b = from + QPointF(dx * t1, dy * t1);
  return true;
}

// The polygon cut to the rectangle (each edge of it a half-plane in turn). Inside the
// rectangle the even-odd fill of the result is that of the polygon.
QPolygonF clipPolygon(const QPolygonF& polygon, const QRectF& bounds) {
  const double l = bounds.left(), r = bounds.right(), t = bounds.top(), btm = bounds.bottom();
  QPolygonF out = polygon;
  out = clipAgainst(
      out, [&](const QPointF& p) { return p.x() >= l; },
      [&](const QPointF& a, const QPointF& b) { return atX(a, b, l); });
  out = clipAgainst(
      out, [&](const QPointF& p) { return p.x() <= r; },
      [&](const QPointF& a, const QPointF& b) { return atX(a, b, r); });
  out = clipAgainst(
      out, [&](const QPointF& p) { return p.y() >= t; },
      [&](const QPointF& a, const QPointF& b) { return atY(a, b, t); });
  return clipAgainst(
      out, [&](const QPointF& p) { return p.y() <= btm; },
      [&](const QPointF& a, const QPointF& b) { return atY(a, b, btm); });
}

} // namespace

ShapeCanvas::ShapeCanvas(QSize size, bool clipToPicture)
    : m_size(size),
      m_bounds(clipToPicture ? QRectF(QPointF(0, 0), QSizeF(size))
                             : QRectF(-ClipMargin, -ClipMargin, size.width() + 2 * ClipMargin,
                                      size.height() + 2 * ClipMargin)),
      m_clipToPicture(clipToPicture) {}

void ShapeCanvas::fill(Color color) {
  paintRect(QRectF(QPointF(0, 0), QSizeF(m_size)), color);
}

// The pixel line covers whole pixels from its start up to the one before its end, stepping
// along its major axis: the same line through the pixel centres, moved back half a step,
// covers just those.
void ShapeCanvas::lineTo(std::int32_t x, std::int32_t y) {
  const double dx = double(x) - m_penX, dy = double(y) - m_penY;
  const double major = std::max(std::abs(dx), std::abs(dy));
  const std::int32_t fromX = m_penX, fromY = m_penY;
  m_penX = x, m_penY = y;
  if (m_penStyle == PenClear || major == 0) return;
  const QPointF back(0.5 * dx / major, 0.5 * dy / major);
  QPointF a = QPointF(fromX + 0.5, fromY + 0.5) - back;
  QPointF b = QPointF(x + 0.5, y + 0.5) - back;
  if (clipSegment(a, b, m_bounds)) paintLine(a, b, m_pen);
}

// The pixel canvas fills the pixels whose centres lie inside the corners and outlines
// through the corner pixels' centres, half a pixel further right and down. With an outline,
// one shape through those centres, filled and stroked one pixel wide, shows the same: the
// half-pixel strip where the two fills differ lies under the stroke. Without one, the fill
// keeps the corners as they are.
void ShapeCanvas::polygon(std::span<const Pixel> points) {
  if (points.empty()) return;
  const bool outlined =
      m_penStyle != PenClear && std::any_of(points.begin(), points.end(), [&](const Pixel& p) {
        return p.x != points[0].x || p.y != points[0].y;
      });
  const bool filled = points.size() >= 3;
  if (!outlined && !filled) return;
  const double shift = outlined ? 0.5 : 0;
  QPolygonF shape;
  shape.reserve(qsizetype(points.size()));
  for (const Pixel& p : points) shape << QPointF(p.x + shift, p.y + shift);
  if (m_clipToPicture && outlined && !allInside(shape, m_bounds)) {
    // The cut edges along the picture's border are no part of the outline: the fill is cut,
    // and each edge of the outline on its own, as a closed stroke there and back.
    const QPolygonF inside = filled ? clipPolygon(shape, m_bounds) : QPolygonF();
    if (!inside.isEmpty()) paintPolygon(inside, m_brush, std::nullopt);
    for (qsizetype i = 0; i < shape.size(); ++i) {
      QPointF a = shape[i], b = shape[(i + 1) % shape.size()];
      if (clipSegment(a, b, m_bounds)) paintPolygon(QPolygonF({a, b}), std::nullopt, m_pen);
    }
    return;
  }
  if (!allInside(shape, m_bounds)) shape = clipPolygon(shape, m_bounds);
  if (shape.isEmpty()) return;
  paintPolygon(shape, filled ? std::optional<Color>(m_brush) : std::nullopt,
               outlined ? std::optional<Color>(m_pen) : std::nullopt);
}

void ShapeCanvas::textOut(std::int32_t x, std::int32_t y, int letterShift, std::string_view text) {
  const QString s = pictureString(text);
  const auto place = placePictureText(QFontMetrics(PictureFont()), x, y, letterShift, s, m_size);
  if (!place) return;
  paintRect(place->box, m_brush);
  paintText(QPointF(place->box.x(), place->baseline), s, m_font);
}

int ShapeCanvas::textWidth(std::string_view text) {
  return QFontMetrics(PictureFont()).horizontalAdvance(pictureString(text));
}
