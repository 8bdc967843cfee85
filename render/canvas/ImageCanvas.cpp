// SPDX-License-Identifier: MIT
// The canvas over a QImage: direct pixel writes for lines and polygons, QPainter for text.
#include "render/canvas/ImageCanvas.h"

#include "render/canvas/LinePixels.h"
#include "render/canvas/PictureText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Crossings of the scan line through pixel centres of row y with the polygon's edges.
void edgeCrossings(std::span<const Pixel> points, double yc, std::vector<double>& xs) {
  xs.clear();
  const std::size_t n = points.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Pixel a = points[i], b = points[(i + 1) % n];
    const double ay = a.y, by = b.y;
    if ((ay <= yc && yc < by) || (by <= yc && yc < ay)) {
      xs.push_back(a.x + (yc - ay) * (double(b.x) - a.x) / (by - ay));
    }
  }
  std::sort(xs.begin(), xs.end());
}

// The first pixel whose centre is at or right of x, pinned to [0, width].
std::int32_t firstColumnFrom(double x, std::int32_t width) {
  const double c = std::ceil(x - 0.5);
  if (!(c > 0)) return 0;
  return c >= width ? width : static_cast<std::int32_t>(c);
}

} // namespace

void ImageCanvas::fill(Color color) {
  if (!m_image.isNull()) m_image.fill(QColor::fromRgb(toRgb32(color)));
}

void ImageCanvas::drawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                           std::uint32_t rgb) {
  if (m_image.isNull()) return;
  uchar* bits = m_image.bits();
  const qsizetype stride = m_image.bytesPerLine();
  forEachLinePixel(x0, y0, x1, y1, m_image.width(), m_image.height(),
                   [&](std::int32_t x, std::int32_t y) {
                     reinterpret_cast<std::uint32_t*>(bits + y * stride)[x] = rgb;
                   });
}

void ImageCanvas::lineTo(std::int32_t x, std::int32_t y) {
  if (m_penStyle != PenClear) drawLine(m_penX, m_penY, x, y, toRgb32(m_pen));
  m_penX = x, m_penY = y;
}

// Pixels whose centres lie inside the polygon (even-odd rule) take the brush; the outline
// follows the line rule, every edge closed by the next one's start.
void ImageCanvas::polygon(std::span<const Pixel> points) {
  if (m_image.isNull() || points.empty()) return;
  const std::int32_t width = m_image.width(), height = m_image.height();
  std::int32_t top = points[0].y, bottom = points[0].y;
  for (const Pixel& p : points) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  const std::int32_t rowFirst = std::max(top, 0);
  const std::int32_t rowLast = std::min<std::int64_t>(std::int64_t{bottom}, height - 1);
  uchar* bits = m_image.bits();
  const qsizetype stride = m_image.bytesPerLine();
  const std::uint32_t brush = toRgb32(m_brush);
  thread_local std::vector<double> xs;
  for (std::int32_t y = rowFirst; y <= rowLast; ++y) {
    edgeCrossings(points, y + 0.5, xs);
    auto* row = reinterpret_cast<std::uint32_t*>(bits + y * stride);
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
      const std::int32_t from = firstColumnFrom(xs[i], width);
      const std::int32_t to = firstColumnFrom(xs[i + 1], width);
      std::fill(row + from, row + std::max(from, to), brush);
    }
  }
  if (m_penStyle == PenClear) return;
  const std::uint32_t pen = toRgb32(m_pen);
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Pixel a = points[i], b = points[(i + 1) % points.size()];
    drawLine(a.x, a.y, b.x, b.y, pen);
  }
}

void ImageCanvas::textOut(std::int32_t x, std::int32_t y, int letterShift, std::string_view text) {
  if (m_image.isNull() || !pictureTextAvailable()) return;
  const QFont font = PictureFont();
  const QString s = pictureString(text);
  const auto place = placePictureText(QFontMetrics(font), x, y, letterShift, s, m_image.size());
  if (!place) return;
  QPainter painter(&m_image);
  painter.setFont(font);
  painter.fillRect(place->box, QColor::fromRgb(toRgb32(m_brush)));
  painter.setPen(QColor::fromRgb(toRgb32(m_font)));
  painter.drawText(QPoint(place->box.x(), place->baseline), s);
}

int ImageCanvas::textWidth(std::string_view text) {
  if (!pictureTextAvailable()) return 0;
  return QFontMetrics(PictureFont()).horizontalAdvance(pictureString(text));
}

Color ImageCanvas::pixel(std::int32_t x, std::int32_t y) {
  if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) return clNone;
  return fromRgb32(m_image.pixel(x, y));
}
