// SPDX-License-Identifier: MIT
// The movie settings dialog: how many frames, and the rotation speed.
#pragma once

#include "ui/DialogParts.h"

#include <QDialog>

#include <array>

class QRadioButton;
struct Program;

class TMovieDlg : public QDialog {
  Q_OBJECT
public:
  explicit TMovieDlg(Program& program, QWidget* parent = nullptr);

  // Shows MovieFrameCount right-aligned in four characters, focused and selected.
  void load();
  // Reads the count for any result but Rejected, then corrects its range in every case.
  void apply(int result);
  // OK with a field that cannot be read marks it and keeps the dialog open, once
  // (acceptNumberFields).
  void accept() override;

  QLineEdit* Edit1;
  // Slow, Medium, Faster, Fastest: each sets MovieDelay as soon as it is clicked.
  std::array<QRadioButton*, 4> speedButtons;

private:
  Program& p;
  OkCancelButtons m_buttons;
};
