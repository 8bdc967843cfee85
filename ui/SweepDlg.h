// SPDX-License-Identifier: MIT
// The parameter sweep dialog: which parameter, from and to which value, and how many frames.
#pragma once

#include "render/Sweep.h"
#include "ui/DialogParts.h"

#include <QDialog>

class QComboBox;
struct Program;

class TSweepDlg : public QDialog {
  Q_OBJECT
public:
  explicit TSweepDlg(Program& program, QWidget* parent = nullptr);

  // Shows the last sweep's choices.
  void load();
  // On OK reads the fields as expressions (an unreadable one keeps its value) and corrects the
  // frame count as the movie dialog does; accepted() then tells that a sweep is to be built.
  void apply(int result);
  // OK with a field that cannot be read marks it and keeps the dialog open, once
  // (acceptNumberFields).
  void accept() override;
  bool accepted() const { return m_accepted; }
  const ParameterSweep& sweep() const { return m_sweep; }

  QComboBox* ParameterBox;
  QLineEdit* FromEdit;
  QLineEdit* ToEdit;
  QLineEdit* FramesEdit;

private:
  Program& p;
  OkCancelButtons m_buttons;
  ParameterSweep m_sweep{0, 0, 1, 16};
  bool m_accepted = false;
};
