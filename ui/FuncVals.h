// SPDX-License-Identifier: MIT
// TFuncList, the function-value listing window: the values of the last draw, to print, save
// as a text file or copy to the clipboard.
#pragma once

#include "io/PictureFiles.h"
#include "io/PictureNames.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QFileDialog;
class QLabel;
class QPlainTextEdit;
class QPrintDialog;
class QPrinter;
class Forms;
struct Program;

// The column header over the list, by graph kind.
const char* listingHeader(char kind);

class TFuncList : public QMainWindow {
  Q_OBJECT
public:
  explicit TFuncList(Forms& forms);
  ~TFuncList() override;

  // ListFunctionValues, after the main window has captured its picture: the next Save asks
  // for a name, the header is the current kind's, and the list is the last draw's.
  void load();
  // A new graph kind: the caption no longer names the file of the last kind's listing.
  void forgetFile();
  // The list as the last draw left it, also for a window that stays open over a new draw.
  void showValues();
  // The lines of the list as they stand (a cut removes some).
  std::vector<std::string> lines() const;

  // Print, Save and SaveAs act only once a function was given; Cut, Print, Save and SaveAs
  // wait while a draw runs (the list is being made).
  void Print1Click();
  void Cut1Click();
  void Copy1Click();
  void SaveAs1Click();
  void Save1Click();
  void Exit1Click();

  // The file the list was last saved to, or NoTitle.
  std::string ListFileName = NoTitle;

  QLabel* Label1;
  QPlainTextEdit* Values;
  QAction* Print1;
  QAction* Cut1;
  QAction* Copy1;
  QAction* SaveAs1;
  QAction* Save1;
  QAction* Exit1;
  QFileDialog* SaveDialog1;
  // Made at the first Print, then kept.
  QPrintDialog& printDialog();

private:
  void writeList();
  void showFailure(const QString& message);
  bool listBusy() const;

  Forms& m_forms;
  Program& p;
  std::unique_ptr<QPrinter> m_printer;
  QPrintDialog* m_printDialog = nullptr;
};
