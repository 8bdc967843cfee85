// SPDX-License-Identifier: MIT
// Fonts and colours of the forms, shared by the start-up form and the main window.
#pragma once

#include "graph/Colors.h"

#include <QColor>
#include <QFont>
#include <QWidget>

inline QColor toQColor(Color c) {
  return QColor(colorRed(c), colorGreen(c), colorBlue(c));
}

QFont pixelFont(const char* family, int pixels, bool bold = false);
// An invalid background leaves the widget's own. With textAreas, fields and memos inside take
// the same colours (Base and Text) as the widget itself.
void setColors(QWidget* w, const QColor& background, const QColor& text, bool textAreas = false);
