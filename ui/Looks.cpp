// SPDX-License-Identifier: MIT
// Fonts and colours of the forms.
#include "ui/Looks.h"

#include <QPalette>

QFont pixelFont(const char* family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void setColors(QWidget* w, const QColor& background, const QColor& text, bool textAreas) {
  QPalette palette = w->palette();
  if (background.isValid()) {
    palette.setColor(QPalette::Window, background);
    if (textAreas) palette.setColor(QPalette::Base, background);
    w->setAutoFillBackground(true);
  }
  palette.setColor(QPalette::WindowText, text);
  if (textAreas) palette.setColor(QPalette::Text, text);
  w->setPalette(palette);
}
