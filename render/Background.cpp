// SPDX-License-Identifier: MIT
// The exact-pixel background replacement.
#include "render/Background.h"

#include "render/canvas/Canvas.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

void replaceIn32BitRows(QImage& picture, Color from, Color to) {
  const std::uint32_t match = toRgb32(from) & 0xFFFFFF;
  const std::uint32_t replacement = toRgb32(to);
  for (int y = 0; y < picture.height(); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x)
      if ((row[x] & 0xFFFFFF) == match) row[x] = replacement;
  }
}

// Each pixel is three bytes: red, green, blue, or the other way round.
void replaceIn24BitRows(QImage& picture, Color from, Color to, bool blueFirst) {
  const auto bytes = [blueFirst](Color c) {
    const uchar r = uchar(colorRed(c)), g = uchar(colorGreen(c)), b = uchar(colorBlue(c));
    return blueFirst ? std::array<uchar, 3>{b, g, r} : std::array<uchar, 3>{r, g, b};
  };
  const std::array<uchar, 3> match = bytes(from), replacement = bytes(to);
  for (int y = 0; y < picture.height(); ++y) {
    uchar* pixel = picture.scanLine(y);
    for (int x = 0; x < picture.width(); ++x, pixel += 3) {
      if (pixel[0] == match[0] && pixel[1] == match[1] && pixel[2] == match[2])
        std::copy(replacement.begin(), replacement.end(), pixel);
    }
  }
}

} // namespace

void ReplaceBackgroundColor(QImage& picture, Color from, Color to) {
  if (picture.isNull() || from == to) return;
  switch (picture.format()) {
  case QImage::Format_RGB888:
  case QImage::Format_BGR888:
    replaceIn24BitRows(picture, from, to, picture.format() == QImage::Format_BGR888);
    return;
  case QImage::Format_RGB32:
    replaceIn32BitRows(picture, from, to);
    return;
  default:
    picture.convertTo(QImage::Format_RGB32);
    replaceIn32BitRows(picture, from, to);
  }
}
