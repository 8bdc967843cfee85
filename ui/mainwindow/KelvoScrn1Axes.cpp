// SPDX-License-Identifier: MIT
// The main window's Axes menu.
#include "ui/mainwindow/KelvoScrn1.h"

#include "graph/AxesFit.h"
#include "graph/Corrections.h"
#include "render/Axes.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/Axes1.h"
#include "ui/Forms.h"

QAction* TKelvoScrn1::createAxesMenu() {
  using W = TKelvoScrn1;
  return buildMenu("axesMenu", tr("&Axes"),
                   {
                       {"ChangeAxes1", tr("&Change Axes"), &W::ChangeAxes1Click},
                       {"DrawAxes1", tr("&Draw Axes"), &W::DrawAxes1Click},
                       {"FitAxes1", tr("&Fit Axes to Graph"), &W::FitAxes1Click},
                   });
}

void TKelvoScrn1::ChangeAxes1Click() {
  if (!openSettings(*m_forms.axesDlg)) return;
  if (!m_forms.axesDlg->refusal().isEmpty()) showWarning(m_forms.axesDlg->refusal());
  if (!p.graph.AxesChanged) return;
  AxesChangedPicture(p);
  showCommandPicture();
}

void TKelvoScrn1::DrawAxes1Click() {
  // Not captured: a later repaint from the copy loses these axes again.
  runPictureStep(DrawAxes);
}

// As Change Axes with a change, and then, when a function is ready, Draw: the graph is shown
// in its new box at once (the box, plane and line follow the Draw's rules), also when the
// fitted box is the one in force. A fitted box the eye would not see whole is refused as the
// axes dialog refuses it, and nothing is drawn.
void TKelvoScrn1::FitAxes1Click() {
  if (drawing()) return;
  const AxesBox before = AxesBoxOf(p.graph);
  if (!FitAxesToGraph(p)) {
    showWarning(tr("The function cannot be evaluated; the axes are kept."));
    return;
  }
  if (RefuseAxesAroundEye(p.graph, before)) {
    showWarning(axesRefusal(p.graph, "the fitted axes box"));
    return;
  }
  if (p.graph.AxesChanged) {
    AxesChangedPicture(p);
    showCommandPicture();
  }
  if (p.graph.FunctionReady) Draw1Click();
}
