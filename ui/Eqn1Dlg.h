// SPDX-License-Identifier: MIT
// The function editor: one function for kinds 1 and 2 and the implicit surfaces, three for
// kinds 3 and 4.
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
  static constexpr const char* ErrorHeading =
      QT_TRANSLATE_NOOP("TEqnDlg", "ERROR...Check your Functions");

  explicit TEqnDlg(Program& program, QWidget* parent = nullptr);

  // Layout and heading for the current kind and mode; the fields show the function texts.
  // After an error the line under the heading tells which function failed and why (the
  // session's last failure), one line lower the fields follow, and the failing field has the
  // keyboard with the offending characters selected.
  void load(Mode mode);
  // Any result but Rejected stores the visible fields (an empty one as "0"); the Function
  // command also marks a function as ready. Returns whether anything was stored.
  bool apply(int result);
  Mode mode() const { return m_mode; }
  // Showing the dialog gives its focus field a tab's focus, which selects the whole text of a
  // field that has no selection; the failure's cursor is put back after it.
  void setVisible(bool visible) override;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  // The failure under the heading; hidden unless the editor reopened after an error.
  QLabel* FailureLabel;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QFrame* Bevel1;

private:
  // The one- or three-function layout, moved down by shift pixels below the heading.
  void setThreeFunctions(bool three, int shift);
  void showFailure(bool three);
  // The keyboard in the failing field, on the failure's characters.
  void selectFailure();

  Program& p;
  Mode m_mode = Mode::Edit;
  // The field of the failure shown; none in the Edit mode.
  QLineEdit* m_failureField = nullptr;
  OkCancelButtons m_buttons;
};
