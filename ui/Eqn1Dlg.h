// SPDX-License-Identifier: MIT
// The function editor: one function for kinds 1 and 2, three for kinds 3 and 4.
#pragma once

#include "ui/DialogParts.h"

#include <QDialog>

class QFrame;
struct Program;

class TEqnDlg : public QDialog {
  Q_OBJECT
public:
  // Opened by the Function command, or by Draw after a failed evaluation.
  enum class Mode { Edit, AfterError };
  static constexpr const char* ErrorHeading = "ERROR...Check your Functions";

  explicit TEqnDlg(Program& program, QWidget* parent = nullptr);

  // Layout and heading for the current kind and mode; the fields show the function texts.
  void load(Mode mode);
  // Any result but Rejected stores the visible fields (an empty one as "0"); the Function
  // command also marks a function as ready. Returns whether anything was stored.
  bool apply(int result);
  Mode mode() const { return m_mode; }

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QFrame* Bevel1;

private:
  void setThreeFunctions(bool three);

  Program& p;
  Mode m_mode = Mode::Edit;
  OkCancelButtons m_buttons;
};
