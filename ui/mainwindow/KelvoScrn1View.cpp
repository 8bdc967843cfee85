// SPDX-License-Identifier: MIT
// The main window's View menu: the eye position dialog and the zoom's reset.
#include "ui/mainwindow/KelvoScrn1.h"

#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/Forms.h"
#include "ui/View.h"
#include "ui/mainwindow/PictureBox.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

QAction* TKelvoScrn1::createViewMenu() {
  using W = TKelvoScrn1;
  QAction* entry = buildMenu("viewMenu", tr("&View"),
                             {
                                 {"View1", tr("&Eye Position..."), &W::View1Click},
                                 {"ResetZoom1", tr("Reset Zoom"), &W::ResetZoom1Click},
                                 {"ExactHiding1", tr("&Exact Hiding"), &W::ExactHiding1Click},
                             });
  item("ExactHiding1")->setCheckable(true);
  // The check shows the setting in force, also where a graph file or the command line set it.
  connect(menu("viewMenu"), &QMenu::aboutToShow, this,
          [this] { item("ExactHiding1")->setChecked(p.graph.ExactHiding); });
  return entry;
}

void TKelvoScrn1::View1Click() {
  if (!openSettings(*m_forms.viewDlg)) return;
  refreshAngleFields();
  if (!m_forms.viewDlg->refusal().isEmpty()) showWarning(m_forms.viewDlg->refusal());
  if (!p.graph.ViewChanged) return;
  ViewChangedPicture(p);
  showCommandPicture();
}

void TKelvoScrn1::ResetZoom1Click() {
  askZoom(1);
}

// The check item follows the setting; a graph on show is drawn again the new way.
void TKelvoScrn1::ExactHiding1Click() {
  QAction* check = item("ExactHiding1");
  if (drawing()) {
    check->setChecked(p.graph.ExactHiding);
    return;
  }
  p.graph.ExactHiding = check->isChecked();
  if (!p.graph.GraphShown || p.graph.MovieMode) return;
  DrawingScope scope(*this);
  DrawBtn->show();
  RedrawViewPicture(p);
  DrawBtn->hide();
  captureAndShow();
}
