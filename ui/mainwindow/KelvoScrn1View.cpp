// SPDX-License-Identifier: MIT
// The main window's View menu: the eye position dialog and the zoom's reset.
#include "ui/mainwindow/KelvoScrn1.h"

#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/Forms.h"
#include "ui/View.h"

QAction* TKelvoScrn1::createViewMenu() {
  using W = TKelvoScrn1;
  return buildMenu("viewMenu", tr("&View"),
                   {
                       {"View1", tr("&Eye Position..."), &W::View1Click},
                       {"ResetZoom1", tr("Reset Zoom"), &W::ResetZoom1Click},
                   });
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
