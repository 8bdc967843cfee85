// SPDX-License-Identifier: MIT
// The letters of the picture: its font, and where a text of the picture goes.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>

// The font of the letters on the picture.
QFont PictureFont();
// Where a text of the picture goes: its box of the brush colour, x first moved by letterShift
// widths of "M", and the baseline; none when no part of the box falls on a picture of the
// given size (far-off positions come from points near the eye plane, and a painter's integer
// rectangles must not overflow).
struct PictureTextBox {
  QRect box;
  int baseline = 0;
};
std::optional<PictureTextBox> placePictureText(const QFontMetrics& metrics, std::int32_t x,
                                               std::int32_t y, int letterShift, const QString& text,
                                               QSize picture);

// Loads the picture font, so that the first text drawn afterwards costs little. It may run
// on any thread once the QGuiApplication exists.
void PreparePictureFont();

// Text needs a QGuiApplication; without one it is neither drawn nor measured.
bool pictureTextAvailable();
// The picture's text, which the renderers keep as UTF-8, as Qt takes it.
QString pictureString(std::string_view text);
