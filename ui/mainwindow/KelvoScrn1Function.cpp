// SPDX-License-Identifier: MIT
// The main window's Function command: the function editor, its reopening after a failed
// draw, and the captions under the picture that show the functions.
#include "ui/mainwindow/KelvoScrn1.h"

#include "graph/Format.h"
#include "render/Program.h"
#include "ui/Eqn1Dlg.h"
#include "ui/Forms.h"
#include "ui/mainwindow/PictureBox.h"

#include <QLabel>

QAction* TKelvoScrn1::createFunctionMenu() {
  return buildTopItem({"Function1", tr("F&unction"), &TKelvoScrn1::Function1Click});
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
  } else if (g.GraphKind == ImplicitKind) {
    Label1->setText(QString::fromStdString(ImplicitCaptionText(g.FunctionText)));
  } else {
    Label1->setText(QString::fromStdString(z + g.FunctionText));
  }
  PaintBox1->setAccessibleDescription(graphDescription());
}

QString TKelvoScrn1::graphDescription() const {
  const GraphState& g = p.graph;
  const QString x = QString::fromStdString(g.FunctionTextX);
  const QString y = QString::fromStdString(g.FunctionTextY);
  const QString z = QString::fromStdString(g.FunctionTextZ);
  switch (g.GraphKind) {
  case '1':
    return tr("A surface z = %1 in rectangular coordinates")
        .arg(QString::fromStdString(g.FunctionText));
  case '2':
    return tr("A surface z = %1 in cylindrical coordinates")
        .arg(QString::fromStdString(g.FunctionText));
  case '3':
    return tr("A space curve x = %1, y = %2, z = %3").arg(x, y, z);
  case '4':
    return tr("A two-parameter surface x = %1, y = %2, z = %3").arg(x, y, z);
  default:
    return tr("The graph's picture");
  }
}
