// SPDX-License-Identifier: MIT
// The main window's Edit menu and the Function command.
#include "ui/KelvoScrn1.h"

#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/Changer1.h"
#include "ui/Domain1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/Forms.h"
#include "ui/Param1.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>

void TKelvoScrn1::createEditMenu() {
  editMenu = menuBar()->addMenu(tr("&Edit"));
  Parameters1 = addItem(editMenu, tr("&Parameters"), &TKelvoScrn1::Parameters1Click);
  Domain1 = addItem(editMenu, tr("&Domain"), &TKelvoScrn1::Domain1Click);
  Curves1 = addItem(editMenu, tr("&Curves"), &TKelvoScrn1::Curves1Click);
  Step1 = addItem(editMenu, tr("S&tep"), &TKelvoScrn1::Step1Click);
  Colors2 = addItem(editMenu, tr("Co&lors"), &TKelvoScrn1::Colors2Click);
  Colors1 = addItem(editMenu, tr("&Surface Colors"), &TKelvoScrn1::Colors1Click);
  GraphTitle1 = addItem(editMenu, tr("&Graph Title"), &TKelvoScrn1::GraphTitle1Click);
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
