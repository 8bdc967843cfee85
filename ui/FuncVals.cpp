// SPDX-License-Identifier: MIT
// The function-value listing window and the printout of the list.
#include "ui/FuncVals.h"

#include "io/Printing.h"
#include "render/Program.h"
#include "ui/EngineTexts.h"
#include "ui/Forms.h"
#include "ui/WindowSettings.h"
#include "ui/mainwindow/KelvoScrn1.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace {

QFont listingFont(int pointSize) {
  QFont font("Courier New");
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(pointSize);
  return font;
}

} // namespace

const char* listingHeader(char kind) {
  switch (kind) {
  case '2':
    return "       r           theta          z";
  case '3':
    return "       t           x              y            z";
  default:
    return "       x           y              z";
  }
}

TFuncList::TFuncList(Forms& forms) : m_forms(forms), p(forms.program) {
  setWindowTitle(tr("Function Values"));
  auto* area = new QWidget(this);
  Label1 = new QLabel(area);
  Label1->setFont(listingFont(10));
  Values = new QPlainTextEdit(area);
  Values->setAccessibleName(tr("Function values"));
  Values->setReadOnly(true);
  Values->setFont(listingFont(10));
  Values->setLineWrapMode(QPlainTextEdit::NoWrap);
  Values->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Values->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The header starts where the lines start inside the box.
  Label1->setIndent(Values->frameWidth() + int(Values->document()->documentMargin()));
  auto* column = new QVBoxLayout(area);
  column->addWidget(Label1);
  column->addWidget(Values);
  setCentralWidget(area);

  const auto item = [this](QMenu* menu, const QString& text, void (TFuncList::*handler)()) {
    QAction* action = menu ? menu->addAction(text) : menuBar()->addAction(text);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  Print1 = item(nullptr, tr("&Print"), &TFuncList::Print1Click);
  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  Cut1 = item(edit, tr("C&ut"), &TFuncList::Cut1Click);
  Copy1 = item(edit, tr("&Copy"), &TFuncList::Copy1Click);
  SaveAs1 = item(nullptr, tr("SaveAs"), &TFuncList::SaveAs1Click);
  Save1 = item(nullptr, tr("Save"), &TFuncList::Save1Click);
  Exit1 = item(nullptr, tr("E&xit"), &TFuncList::Exit1Click);

  SaveDialog1 = new QFileDialog(this);
  SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
  SaveDialog1->setFileMode(QFileDialog::AnyFile);
  resize(520, 480);
}

TFuncList::~TFuncList() = default;

void TFuncList::forgetFile() {
  ListFileName = NoTitle;
  setWindowTitle(tr("Function Values"));
}

void TFuncList::load() {
  ListFileName = NoTitle;
  Label1->setText(listingHeader(p.graph.GraphKind));
  showValues();
}

void TFuncList::showValues() {
  p.host->setBusyCursor(true);
  QString text;
  for (std::size_t i = 0; i < p.Values.size(); ++i) {
    if (i > 0) text += QLatin1Char('\n');
    text += QString::fromStdString(p.Values[i]);
  }
  Values->setPlainText(text);
  p.host->setBusyCursor(false);
}

std::vector<std::string> TFuncList::lines() const {
  std::vector<std::string> result;
  if (Values->document()->isEmpty()) return result;
  for (const QString& line : Values->toPlainText().split(QLatin1Char('\n')))
    result.push_back(line.toStdString());
  return result;
}

bool TFuncList::listBusy() const {
  return p.DrawInProgress;
}

QPrintDialog& TFuncList::printDialog() {
  if (!m_printDialog) {
    m_printer = std::make_unique<QPrinter>();
    m_printDialog = new QPrintDialog(m_printer.get(), this);
  }
  return *m_printDialog;
}

void TFuncList::Print1Click() {
  if (!p.graph.FunctionReady || listBusy()) return;
  QPrintDialog& dialog = printDialog();
  if (m_forms.runModal(dialog) != QDialog::Accepted) return;
  p.host->setBusyCursor(true);
  const FileResult result = PrintListing(*dialog.printer(), p.graph.GraphKind, lines());
  p.host->setBusyCursor(false);
  if (!result.ok) showFailure(tr("Cannot print the list: %1").arg(EngineText(result.message)));
}

void TFuncList::Copy1Click() {
  const QTextCursor cursor = Values->textCursor();
  if (!cursor.hasSelection()) return;
  QGuiApplication::clipboard()->setText(cursor.selection().toPlainText());
}

void TFuncList::Cut1Click() {
  if (listBusy()) return;
  QTextCursor cursor = Values->textCursor();
  if (!cursor.hasSelection()) return;
  QGuiApplication::clipboard()->setText(cursor.selection().toPlainText());
  cursor.removeSelectedText();
  Values->setTextCursor(cursor);
  // The list itself loses the lines, so that showing it again does not bring them back.
  p.Values = lines();
}

void TFuncList::SaveAs1Click() {
  if (!p.graph.FunctionReady || listBusy()) return;
  // A list not saved yet goes to the folder last used; a saved one is offered where it is.
  const QString folder = LastUsedFolder();
  if (listingSaveNeedsName(ListFileName) && !folder.isEmpty()) SaveDialog1->setDirectory(folder);
  SaveDialog1->selectFile(QString::fromStdString(ListFileName));
  if (m_forms.runModal(*SaveDialog1) != QDialog::Accepted) return;
  const QStringList chosen = SaveDialog1->selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return;
  const QFileInfo file(chosen.first());
  ListFileName = file.absoluteFilePath().toStdString();
  setWindowTitle(EngineText(listingCaptionFor(ListFileName)));
  // Written directly rather than through Save: a name that happened to read "NoTitle"
  // would send Save back here for ever.
  writeList();
}

void TFuncList::Save1Click() {
  if (!p.graph.FunctionReady || listBusy()) return;
  if (listingSaveNeedsName(ListFileName)) {
    SaveAs1Click();
    return;
  }
  writeList();
}

void TFuncList::writeList() {
  const FileResult result = SaveTextLines(lines(), ListFileName);
  if (!result.ok)
    showFailure(tr("Cannot save %1: %2")
                    .arg(QString::fromStdString(ListFileName), EngineText(result.message)));
}

void TFuncList::showFailure(const QString& message) {
  QMessageBox box(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
  m_forms.runModal(box);
}

void TFuncList::Exit1Click() {
  hide();
  TKelvoScrn1& main = *m_forms.kelvoScrn1;
  main.raise();
  main.activateWindow();
}
