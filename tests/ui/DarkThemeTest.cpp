// SPDX-License-Identifier: MIT
// Every text of every form stays readable under a dark desktop theme, and a light theme shows
// the forms exactly as they were.
#include "render/Program.h"
#include "ui/Forms.h"
#include "ui/Looks.h"
#include "ui/mainwindow/KelvoScrn1.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>

#include <gtest/gtest.h>

namespace {

// The palette of a dark desktop theme: light grey texts on dark greys.
QPalette darkPalette() {
  QPalette dark;
  const QColor window(53, 53, 53), base(35, 35, 35), text(220, 220, 220);
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    dark.setColor(group, QPalette::Window, window);
    dark.setColor(group, QPalette::WindowText, text);
    dark.setColor(group, QPalette::Base, base);
    dark.setColor(group, QPalette::AlternateBase, window);
    dark.setColor(group, QPalette::Text, text);
    dark.setColor(group, QPalette::Button, window);
    dark.setColor(group, QPalette::ButtonText, text);
    dark.setColor(group, QPalette::ToolTipBase, base);
    dark.setColor(group, QPalette::ToolTipText, text);
  }
  return dark;
}

// Restores the application's palette when the test ends, however it ends.
struct ThemeScope {
  explicit ThemeScope(const QPalette& theme) : old(QApplication::palette()) {
    QApplication::setPalette(theme);
  }
  ~ThemeScope() { QApplication::setPalette(old); }
  QPalette old;
};

std::string nameOf(const QWidget* w) {
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
  return (w->objectName() + " '" + text.left(30) + "' in " + w->window()->windowTitle())
      .toStdString();
}

TEST(DarkTheme, EveryTextOfEveryFormKeepsItsContrast) {
  ThemeScope theme(darkPalette());
  Program p;
  Forms forms{p};
  int texts = 0;
  for (QWidget* form : QApplication::topLevelWidgets()) {
    QList<QWidget*> widgets = form->findChildren<QWidget*>();
    widgets.prepend(form);
    for (const QWidget* w : widgets) {
      const bool hasText =
          qobject_cast<const QLabel*>(w) && !qobject_cast<const QLabel*>(w)->text().isEmpty();
      if (!hasText) continue;
      ++texts;
      EXPECT_GE(ContrastRatio(TextColorOf(w), BackgroundBehind(w)), MinimumContrast) << nameOf(w);
    }
  }
  EXPECT_GT(texts, 50);
}

// A light theme leaves every form as the design draws it: the main window's blue captions
// stand on the window itself, with no background of their own.
TEST(DarkTheme, ALightThemeChangesNothing) {
  Program p;
  Forms forms{p};
  int ownBackgrounds = 0;
  for (const QLabel* label : forms.kelvoScrn1->findChildren<QLabel*>())
    ownBackgrounds += label->autoFillBackground() &&
                      label->palette().color(label->backgroundRole()) == QColor(Qt::white);
  EXPECT_EQ(ownBackgrounds, 0);
}

TEST(DarkTheme, ContrastIsMeasuredAsTheGuidelinesDo) {
  EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21, 1e-9);
  EXPECT_NEAR(ContrastRatio(Qt::blue, QColor(53, 53, 53)), 1.4, 0.1);
  EXPECT_NEAR(ContrastRatio(Qt::blue, Qt::white), 8.59, 0.01);
}

} // namespace
