// SPDX-License-Identifier: MIT
// The parameters dialog: the values of a to f that functions may use.
#pragma once

#include "ui/DialogParts.h"

#include <QDialog>

#include <array>
#include <string>

struct Program;

class TParamDlg : public QDialog {
  Q_OBJECT
public:
  explicit TParamDlg(Program& program, QWidget* parent = nullptr);

  // Shows the six values as the dialog edits them.
  void load();
  // Any result but Rejected reads the fields; the caption of each changed parameter is
  // rewritten in captions. The evaluator's copies are refreshed on every close.
  void apply(int result, std::array<std::string, 6>& captions);
  // OK with a field that cannot be read marks it and keeps the dialog open, once
  // (acceptNumberFields).
  void accept() override;

  QLineEdit* field(int index) const { return m_edits[index]; }

private:
  Program& p;
  QLineEdit* m_edits[6];
  OkCancelButtons m_buttons;
};
