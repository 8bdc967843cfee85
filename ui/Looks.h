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
// The tool windows beside the picture (the samples and the Graphs window): white text on
// maroon, with bold yellow headings.
void useToolWindowLooks(QWidget* window);
void useToolWindowHeading(QWidget* heading);

// The contrast of two colours as screen-reading guidelines measure it, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);
// What a widget's text stands on: its own background where it fills one (fields, lists and
// buttons always do), else that of the nearest parent that fills one, else its window's.
QColor BackgroundBehind(const QWidget* w);
QColor TextColorOf(const QWidget* w);
// Under any desktop theme every text of root and its children keeps a contrast of at least
// MinimumContrast: a text whose colour the forms fix, standing on the theme's background (a
// dark one, say), gets a background of its own, white or black, whichever stands out more.
// Under a light theme nothing changes.
inline constexpr double MinimumContrast = 4.5;
// Whether what the widget's text stands on is a colour the forms chose themselves (not the
// theme's): such a pair is the design's and is left as it is.
bool BackgroundFixedByTheForms(const QWidget* w);
void KeepTextReadable(QWidget* root);
