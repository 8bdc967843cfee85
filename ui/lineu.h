// SPDX-License-Identifier: MIT
// The line dialog: the two end points of a straight line.
#pragma once

#include "ui/DialogParts.h"

#include <QDialog>

struct Program;

class TLineDlg : public QDialog {
  Q_OBJECT
public:
  explicit TLineDlg(Program& program, QWidget* parent = nullptr);

  // Prepares the line's data (the origin twice until a value was entered) and shows them.
  void load();
  // Any result but Rejected stores the six fields.
  void apply(int result);
  // OK with a field that cannot be read marks it and keeps the dialog open, once
  // (acceptNumberFields).
  void accept() override;

  QLineEdit* field(int index) const { return m_edits[index]; }

private:
  Program& p;
  QLineEdit* m_edits[6];
  OkCancelButtons m_buttons;
};
