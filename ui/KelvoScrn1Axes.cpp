// SPDX-License-Identifier: MIT
// The main window's Axes menu and the View command.
#include "ui/KelvoScrn1.h"

#include "graph/AxesFit.h"
#include "render/Axes.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/Axes1.h"
#include "ui/Forms.h"
#include "ui/PictureBox.h"
#include "ui/View.h"

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

void TKelvoScrn1::createAxesMenu() {
  axesMenu = menuBar()->addMenu(tr("&Axes"));
  ChangeAxes1 = addItem(axesMenu, tr("&Change Axes"), &TKelvoScrn1::ChangeAxes1Click);
  DrawAxes1 = addItem(axesMenu, tr("&Draw Axes"), &TKelvoScrn1::DrawAxes1Click);
  FitAxes1 = addItem(axesMenu, tr("&Fit Axes to Graph"), &TKelvoScrn1::FitAxes1Click);
}

void TKelvoScrn1::createViewMenu() {
  viewMenu = menuBar()->addMenu(tr("&View"));
  View1 = addItem(viewMenu, tr("&Eye Position..."), &TKelvoScrn1::View1Click);
  ResetZoom1 = addItem(viewMenu, tr("Reset Zoom"), &TKelvoScrn1::ResetZoom1Click);
}

void TKelvoScrn1::ChangeAxes1Click() {
  if (!openSettings(*m_forms.axesDlg) || !p.graph.AxesChanged) return;
  AxesChangedPicture(p);
  showCommandPicture();
}

void TKelvoScrn1::DrawAxes1Click() {
  if (drawing()) return;
  // Not captured: a later repaint from the copy loses these axes again.
  DrawAxes(p);
  PaintBox1->showPicture();
}

// As Change Axes with a change, and then, when a function is ready, Draw: the graph is shown
// in its new box at once (the box, plane and line follow the Draw's rules).
void TKelvoScrn1::FitAxes1Click() {
  if (drawing()) return;
  if (!FitAxesToGraph(p)) {
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    tr("The function cannot be evaluated; the axes are kept."), QMessageBox::Ok,
                    this);
    runModal(box);
    return;
  }
  if (!p.graph.AxesChanged) return;
  AxesChangedPicture(p);
  showCommandPicture();
  if (p.graph.FunctionReady) Draw1Click();
}

void TKelvoScrn1::View1Click() {
  if (!openSettings(*m_forms.viewDlg)) return;
  refreshAngleFields();
  if (!p.graph.ViewChanged) return;
  ViewChangedPicture(p);
  showCommandPicture();
}
