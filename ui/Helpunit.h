// SPDX-License-Identifier: MIT
// THelpDlg, the help window: Kelvo's help text beside the picture, not modal.
#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

// The help text as the window shows it.
const char* HelpText();

class THelpDlg : public QDialog {
  Q_OBJECT
public:
  explicit THelpDlg(QWidget* parent = nullptr);

  // Hides the window; the text keeps its scroll position for the next showing.
  void CloseBtnClick();

  QTextEdit* FHelp;
  QPushButton* CloseBtn;
};
