// SPDX-License-Identifier: MIT
// THelpDlg, the help window: Kelvo's help text beside the picture, not modal.
#pragma once

#include <QDialog>
#include <QString>

#include <span>

class QPushButton;
class QTextEdit;

// One piece of the help text as a translator sees it (context "Help"), and the line breaks that
// follow it.
struct HelpTextUnit {
  const char* text;
  const char* after;
};

// The pieces of the help text in order, in English.
std::span<const HelpTextUnit> HelpTextUnits();

// The help text in English: the pieces one after another.
const char* HelpText();

// The help text in the language of the installed translators, with the same line breaks; the
// English text where a piece has no translation.
QString TranslatedHelpText();

class THelpDlg : public QDialog {
  Q_OBJECT
public:
  explicit THelpDlg(QWidget* parent = nullptr);

  // Hides the window; the text keeps its scroll position for the next showing.
  void CloseBtnClick();

  QTextEdit* FHelp;
  QPushButton* CloseBtn;
};
