// SPDX-License-Identifier: MIT
// The picture font and the placing of the picture's texts.
#include "render/canvas/PictureText.h"

#include "render/Rounding.h"

#include <QGuiApplication>

namespace {

// The picture box's font: the main window's Times New Roman of 15 pixels, without
// antialiasing so that the letters have exactly the font colour.
QFont pictureFont() {
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(15);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

} // namespace

bool pictureTextAvailable() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance());
}

QString pictureString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont PictureFont() {
  return pictureFont();
}

void PreparePictureFont() {
  if (pictureTextAvailable())
    (void)QFontMetrics(pictureFont()).horizontalAdvance(QStringLiteral("M"));
}

std::optional<PictureTextBox> placePictureText(const QFontMetrics& metrics, std::int32_t x,
                                               std::int32_t y, int letterShift, const QString& text,
                                               QSize picture) {
  if (letterShift != 0) {
    x = clampToInt32(std::int64_t{x} +
                     std::int64_t{letterShift} * metrics.horizontalAdvance(QStringLiteral("M")));
  }
  const int w = metrics.horizontalAdvance(text), h = metrics.height();
  if (x >= picture.width() || y >= picture.height() || std::int64_t{x} + w <= 0 ||
      std::int64_t{y} + h <= 0) {
    return std::nullopt;
  }
  return PictureTextBox{QRect(x, y, w, h), y + metrics.ascent()};
}
