// SPDX-License-Identifier: MIT
// The main window's Edit menu and the Function command.
#include "ui/KelvoScrn1.h"

#include "render/Program.h"
#include "render/Sequences.h"
#include "io/Clipboard.h"
#include "io/GraphImage.h"
#include "ui/Changer1.h"
#include "ui/Domain1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/Forms.h"
#include "ui/Param1.h"
#include "ui/PictureBox.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The image editors tried by Edit > Graph, in this order, on the PATH.
const char* const ImageEditors[] = {"kolourpaint", "pinta", "gimp", "mtpaint", "krita", "drawing"};

} // namespace

void TKelvoScrn1::createEditMenu() {
  editMenu = menuBar()->addMenu(tr("&Edit"));
  connect(editMenu, &QMenu::aboutToShow, this, &TKelvoScrn1::Edit1Click);
  CopyGraph1 = addItem(editMenu, tr("C&opy Graph"), &TKelvoScrn1::CopyGraph1Click);
  PasteGraph1 = addItem(editMenu, tr("&Paste Graph"), &TKelvoScrn1::PasteGraph1Click);
  editMenu->addSeparator();
  Parameters1 = addItem(editMenu, tr("&Parameters"), &TKelvoScrn1::Parameters1Click);
  Domain1 = addItem(editMenu, tr("&Domain"), &TKelvoScrn1::Domain1Click);
  Curves1 = addItem(editMenu, tr("&Curves"), &TKelvoScrn1::Curves1Click);
  Step1 = addItem(editMenu, tr("S&tep"), &TKelvoScrn1::Step1Click);
  Colors2 = addItem(editMenu, tr("Co&lors"), &TKelvoScrn1::Colors2Click);
  Colors1 = addItem(editMenu, tr("&Surface Colors"), &TKelvoScrn1::Colors1Click);
  GraphTitle1 = addItem(editMenu, tr("&Graph Title"), &TKelvoScrn1::GraphTitle1Click);
  QMenu* size = editMenu->addMenu(tr("G&raph Size"));
  auto* sizes = new QActionGroup(this);
  Normal1 = addItem(size, tr("Normal"), &TKelvoScrn1::Normal1Click);
  N80Normal1 = addItem(size, tr("80% of Normal"), &TKelvoScrn1::N80Normal1Click);
  N60Normal1 = addItem(size, tr("60% of Normal"), &TKelvoScrn1::N60Normal1Click);
  for (QAction* item : {Normal1, N80Normal1, N60Normal1}) {
    item->setCheckable(true);
    sizes->addAction(item);
  }
  Normal1->setChecked(true);
  Graph1 = addItem(editMenu, tr("Gr&aph"), &TKelvoScrn1::Graph1Click);
  editMenu->addSeparator();
  ClearScreen1 = addItem(editMenu, tr("&Clear Screen"), &TKelvoScrn1::ClearScreen1Click);
}

void TKelvoScrn1::createFunctionMenu() {
  Function1 = addTopItem(tr("F&unction"), &TKelvoScrn1::Function1Click);
}

void TKelvoScrn1::Parameters1Click() {
  if (drawing()) return;
  TParamDlg& dialog = *m_forms.paramDlg;
  std::array<std::string, 6> captions;
  for (int i = 0; i < 6; ++i) captions[i] = parameterLabels[i]->text().toStdString();
  dialog.load();
  dialog.apply(runModal(dialog), captions);
  for (int i = 0; i < 6; ++i) parameterLabels[i]->setText(QString::fromStdString(captions[i]));
}

void TKelvoScrn1::Domain1Click() {
  openSettings(*m_forms.domainDlg);
}

void TKelvoScrn1::Curves1Click() {
  openSettings(*m_forms.change1Dlg, TChange1Dlg::Use::Curves);
}

void TKelvoScrn1::Step1Click() {
  openSettings(*m_forms.change1Dlg, TChange1Dlg::Use::Step);
}

void TKelvoScrn1::GraphTitle1Click() {
  if (openSettings(*m_forms.change1Dlg, TChange1Dlg::Use::Title))
    Panel2->setText(QString::fromStdString(p.graph.GraphTitle));
}

void TKelvoScrn1::ClearScreen1Click() {
  if (drawing()) return;
  ClearScreenPicture(p);
  showCommandPicture();
}

void TKelvoScrn1::Function1Click() {
  if (openSettings(*m_forms.eqnDlg, TEqnDlg::Mode::Edit)) setFunctionCaptions();
}

void TKelvoScrn1::EditFunctionsAfterError() {
  if (drawing()) return;
  TEqnDlg& dialog = *m_forms.eqnDlg;
  dialog.load(TEqnDlg::Mode::AfterError);
  if (dialog.apply(runModal(dialog))) setFunctionCaptions(true);
}

// The captions under the picture: after a Draw, and with a blank before "=" for Z after the
// function editor reopened on a failure.
void TKelvoScrn1::setFunctionCaptions(bool afterError) {
  const GraphState& g = p.graph;
  const std::string z = afterError ? "Z = " : "Z= ";
  if (g.GraphKind == '3' || g.GraphKind == '4') {
    Label1->setText(
        QString::fromStdString("X= " + g.FunctionTextX + " ;    Y= " + g.FunctionTextY));
    Label11->setText(QString::fromStdString(z + g.FunctionTextZ));
  } else {
    Label1->setText(QString::fromStdString(z + g.FunctionText));
  }
}

void TKelvoScrn1::Edit1Click() {
  PasteGraph1->setEnabled(ClipboardHoldsPicture());
}

void TKelvoScrn1::CopyGraph1Click() {
  if (drawing()) return;
  CapturePicture(p);
  PaintBox1->showPicture();
  PutPictureOnClipboard(p.PictureCopy);
}

void TKelvoScrn1::PasteGraph1Click() {
  if (drawing()) return;
  const DecodedPicture pasted = PictureFromClipboard();
  if (!pasted.result.ok) {
    showMessage(QString::fromStdString(pasted.result.message));
    return;
  }
  ShowPictureInBox(p, pasted.picture);
  m_pictureWithoutGraph = true;
  showCommandPicture();
}

void TKelvoScrn1::Normal1Click() {
  changeGraphSize(1.0);
}
void TKelvoScrn1::N80Normal1Click() {
  changeGraphSize(0.8);
}
void TKelvoScrn1::N60Normal1Click() {
  changeGraphSize(0.625);
}

void TKelvoScrn1::changeGraphSize(double factor) {
  if (drawing()) return;
  ChangeGraphSize(p, factor);
  showCommandPicture();
}

void TKelvoScrn1::Graph1Click() {
  for (const char* name : ImageEditors) {
    const QString program = QStandardPaths::findExecutable(name);
    if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
  }
  showMessage(tr("No image editor was found. Install one of kolourpaint, pinta, gimp, mtpaint, "
                 "krita or drawing, then paste the graph into it (Edit > Copy Graph first)."));
}
