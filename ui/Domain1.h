// SPDX-License-Identifier: MIT
// The domain dialog: start and end of each variable of the current kind.
#pragma once

#include "ui/DialogParts.h"

#include <QDialog>

class QFrame;
struct Program;

class TDomainDlg : public QDialog {
  Q_OBJECT
public:
  explicit TDomainDlg(Program& program, QWidget* parent = nullptr);

  // Labels, layout and fields for the current kind.
  void load();
  // Any result but Rejected stores the visible fields; the four-field layout comes back
  // either way.
  void apply(int result);
  // OK with a field that cannot be read marks it and keeps the dialog open, once
  // (acceptNumberFields).
  void accept() override;

  QLineEdit* field(int index) const { return m_edits[index]; }
  QLabel* label(int index) const { return m_labels[index]; }
  QFrame* frame() const { return m_frame; }
  // The line above the frame, emptied on every opening.
  QLabel* Label3;
  const OkCancelButtons& buttons() const { return m_buttons; }

private:
  void setRows(bool fourRows);

  Program& p;
  QFrame* m_frame;
  QLabel* m_labels[4];
  QLineEdit* m_edits[4];
  OkCancelButtons m_buttons;
};
