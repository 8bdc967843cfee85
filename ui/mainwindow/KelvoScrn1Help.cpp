// SPDX-License-Identifier: MIT
// The main window's Help command.
#include "ui/mainwindow/KelvoScrn1.h"

#include "graph/Version.h"
#include "ui/Forms.h"
#include "ui/Helpunit.h"

#include <QApplication>
#include <QMessageBox>

QAction* TKelvoScrn1::createHelpMenu() {
  using W = TKelvoScrn1;
  return buildMenu("helpMenu", tr("&Help"),
                   {
                       {"Help1", tr("&Help"), &W::Help1Click,
                        standardKey(QKeySequence::HelpContents, Qt::Key_F1)},
                       separator(),
                       {"AboutKelvo1", tr("&About Kelvo"), &W::AboutKelvo1Click},
                       {"AboutQt1", tr("About &Qt"), &W::AboutQt1Click},
                   });
}

void TKelvoScrn1::AboutKelvo1Click() {
  QMessageBox box(QMessageBox::Information, tr("About Kelvo"),
                  tr("<b>Kelvo %1</b><p>Draws graphs of functions in three-dimensional space: "
                     "surfaces, space curves and two-parameter surfaces.</p><p>Copyright (c) "
                     "2026 The Kelvo developers. Kelvo is free software under the MIT "
                     "licence.</p>")
                      .arg(QString::fromLatin1(KelvoVersion)),
                  QMessageBox::Ok, this);
  box.setTextFormat(Qt::RichText);
  runModal(box);
}

void TKelvoScrn1::AboutQt1Click() {
  QApplication::aboutQt();
}

void TKelvoScrn1::Help1Click() {
  if (drawing()) return;
  bringForward(*m_forms.helpDlg);
}
