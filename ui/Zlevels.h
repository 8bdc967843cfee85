// SPDX-License-Identifier: MIT
// The levels window: the contour levels, each line in the colour of its band.
#pragma once

#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

struct Program;

class TZlevelsFm : public QWidget {
  Q_OBJECT
public:
  explicit TZlevelsFm(Program& program, QWidget* parent = nullptr);

  // What the contour command does after drawing: close the window and show it again, which
  // rebuilds the list from ZMin, ZMax and the level count.
  void refresh();

  QTextEdit* ContLevels;
  QPushButton* closeButton;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void FormShow();
  Program& p;
};
