// SPDX-License-Identifier: MIT
// The main window's Help command.
#include "ui/mainwindow/KelvoScrn1.h"

#include "ui/Forms.h"
#include "ui/Helpunit.h"

QAction* TKelvoScrn1::createHelpMenu() {
  return buildTopItem({"Help1", tr("&Help"), &TKelvoScrn1::Help1Click, Qt::Key_F1});
}

void TKelvoScrn1::Help1Click() {
  if (drawing()) return;
  bringForward(*m_forms.helpDlg);
}
