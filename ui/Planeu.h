// SPDX-License-Identifier: MIT
// The plane dialog: a point on the plane, a normal vector and the size of the patch.
#pragma once

#include "ui/DialogParts.h"

#include <QDialog>

struct Program;

class TPlaneDlg : public QDialog {
  Q_OBJECT
public:
  explicit TPlaneDlg(Program& program, QWidget* parent = nullptr);

  // Prepares the plane's data (defaults until a value was entered) and shows them.
  void load();
  // Any result but Rejected stores the fields with their sign rules.
  void apply(int result);
  // OK with a field that cannot be read marks it and keeps the dialog open, once
  // (acceptNumberFields).
  void accept() override;

  QLineEdit* field(int index) const { return m_edits[index]; }

private:
  Program& p;
  QLineEdit* m_edits[10];
  OkCancelButtons m_buttons;
};
