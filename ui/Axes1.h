// SPDX-License-Identifier: MIT
// The axes dialog: the ranges of the axes box.
#pragma once

#include "ui/DialogParts.h"

#include <QDialog>

struct GraphState;
struct Program;

class TAxesDlg : public QDialog {
  Q_OBJECT
public:
  explicit TAxesDlg(Program& program, QWidget* parent = nullptr);

  // Clears AxesChanged and shows the six ranges.
  void load();
  // Any result but Rejected reads the fields (AxesChanged on a change); an empty range is
  // widened after OK and Cancel alike. A box the eye would not see whole is refused and the
  // old one kept; refusal() then says so, and is empty otherwise.
  void apply(int result);
  const QString& refusal() const { return m_refusal; }
  // OK with a field that cannot be read marks it and keeps the dialog open, once
  // (acceptNumberFields).
  void accept() override;

  QLineEdit* field(int index) const { return m_edits[index]; }
  QLabel* label(int index) const { return m_labels[index]; }

private:
  Program& p;
  QLabel* m_labels[6];
  QLineEdit* m_edits[6];
  OkCancelButtons m_buttons;
  QString m_refusal;
};

// The message that refuses an axes box (the new one, the fitted one) the eye would not see
// whole: the old box is kept.
QString axesRefusal(const GraphState& g, const char* box);
