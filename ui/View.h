// SPDX-License-Identifier: MIT
// The view dialog: the eye position in spherical coordinates.
#pragma once

#include "ui/DialogParts.h"

#include <QDialog>

struct Program;

class TViewDlg : public QDialog {
  Q_OBJECT
public:
  explicit TViewDlg(Program& program, QWidget* parent = nullptr);

  // Clears ViewChanged and shows Theta and Phi in degrees and Rho.
  void load();
  // Any result but Rejected reads the fields (ViewChanged on a change); then, after OK and
  // Cancel alike, the angle texts of the main window are rewritten and a bad Rho replaced.
  // An eye that would not see the whole axes box is refused (Rho, and if need be the angles,
  // kept as they were); refusal() then says so, and is empty otherwise.
  void apply(int result);
  const QString& refusal() const { return m_refusal; }
  // OK with a field that cannot be read marks it and keeps the dialog open, once
  // (acceptNumberFields).
  void accept() override;

  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;

private:
  Program& p;
  OkCancelButtons m_buttons;
  QString m_refusal;
};
