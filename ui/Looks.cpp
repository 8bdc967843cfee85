// SPDX-License-Identifier: MIT
// Fonts and colours of the forms.
#include "ui/Looks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>
#include <utility>
#include <cmath>

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

void useToolWindowLooks(QWidget* window) {
  window->setFont(pixelFont("MS Sans Serif", 13));
  setColors(window, QColor(128, 0, 0), Qt::white);
}

void useToolWindowHeading(QWidget* heading) {
  heading->setFont(pixelFont("MS Sans Serif", 15, true));
  setColors(heading, QColor(), Qt::yellow);
}

namespace {

double luminance(const QColor& c) {
  auto channel = [](double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// Widgets that paint their own background (in their palette's Base or Button) rather than
// letting the parent's show through.
bool paintsOwnBackground(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
         qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
         qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w);
}

// Widgets that show a text of their own.
bool showsText(const QWidget* w) {
  return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
         qobject_cast<const QGroupBox*>(w) || paintsOwnBackground(w);
}

QPalette::ColorRole textRole(const QWidget* w) {
  if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w))
    return QPalette::ButtonText;
  if (paintsOwnBackground(w)) return QPalette::Text;
  return w->foregroundRole();
}

QPalette::ColorRole backgroundRole(const QWidget* w) {
  if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w))
    return QPalette::Button;
  if (paintsOwnBackground(w)) return QPalette::Base;
  return w->backgroundRole();
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextColorOf(const QWidget* w) {
  return w->palette().color(textRole(w));
}

namespace {

// The widget whose background the text stands on, and the role it paints it in.
std::pair<const QWidget*, QPalette::ColorRole> backgroundSource(const QWidget* w) {
  if (paintsOwnBackground(w)) return {w, backgroundRole(w)};
  for (const QWidget* at = w; at; at = at->parentWidget())
    if (at->autoFillBackground() || at->isWindow()) return {at, at->backgroundRole()};
  return {w, QPalette::Window};
}

} // namespace

QColor BackgroundBehind(const QWidget* w) {
  const auto [source, role] = backgroundSource(w);
  return source->palette().color(role);
}

namespace {

// Whether the desktop's theme is dark: its window background darker than its window text.
bool darkTheme() {
  const QPalette theme = QApplication::palette();
  return luminance(theme.color(QPalette::Window)) < luminance(theme.color(QPalette::WindowText));
}

// Whether the forms chose this background themselves: set on the widget, and none of the
// theme's own backgrounds (a panel in the theme's tooltip colour follows the theme).
bool fixedByTheForms(const QWidget* source, QPalette::ColorRole role) {
  if (!source->testAttribute(Qt::WA_SetPalette)) return false;
  const QColor colour = source->palette().color(role);
  const QPalette theme = QApplication::palette();
  for (const QPalette::ColorRole themed : {QPalette::Window, QPalette::Base, QPalette::Button,
                                           QPalette::AlternateBase, QPalette::ToolTipBase})
    if (theme.color(themed) == colour) return false;
  return true;
}

} // namespace

bool BackgroundFixedByTheForms(const QWidget* w) {
  const auto [source, role] = backgroundSource(w);
  return fixedByTheForms(source, role);
}

void KeepTextReadable(QWidget* root) {
  // Under a light theme the forms stand as the design draws them.
  if (!darkTheme()) return;
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* w : widgets) {
    if (!showsText(w)) continue;
    // A background the forms fix (a colour of their own on the widget or on the parent it
    // shows through) keeps its colour: the design chose the pair.
    if (BackgroundFixedByTheForms(w)) continue;
    const QColor text = TextColorOf(w);
    if (ContrastRatio(text, BackgroundBehind(w)) >= MinimumContrast) continue;
    const QColor own =
        ContrastRatio(text, Qt::white) >= ContrastRatio(text, Qt::black) ? Qt::white : Qt::black;
    QPalette palette = w->palette();
    palette.setColor(backgroundRole(w), own);
    w->setPalette(palette);
    if (!paintsOwnBackground(w)) w->setAutoFillBackground(true);
  }
}
