// SPDX-License-Identifier: MIT
// The main window's Plane, Line, Box and Contours menus.
#include "ui/KelvoScrn1.h"

#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/Contour1.h"
#include "ui/Forms.h"
#include "ui/PictureBox.h"
#include "ui/Planeu.h"
#include "ui/Zlevels.h"
#include "ui/lineu.h"

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

void TKelvoScrn1::createAdditionMenus() {
  planeMenu = menuBar()->addMenu(tr("&Plane"));
  Draw2 = addItem(planeMenu, tr("&Draw"), &TKelvoScrn1::Draw2Click);
  Edit2 = addItem(planeMenu, tr("&Edit"), &TKelvoScrn1::Edit2Click);
  lineMenu = menuBar()->addMenu(tr("&Line"));
  Draw3 = addItem(lineMenu, tr("&Draw"), &TKelvoScrn1::Draw3Click);
  Edit3 = addItem(lineMenu, tr("&Edit"), &TKelvoScrn1::Edit3Click);
  boxMenu = menuBar()->addMenu(tr("&Box"));
  connect(boxMenu, &QMenu::aboutToShow, this, &TKelvoScrn1::Box1Click);
  DrawBox1 = addItem(boxMenu, tr("&Draw Box"), &TKelvoScrn1::DrawBox1Click);
  DrawBox1->setCheckable(true);
  contoursMenu = menuBar()->addMenu(tr("&Contours"));
  Draw4 = addItem(contoursMenu, tr("&Draw"), &TKelvoScrn1::Draw4Click);
  Edit6 = addItem(contoursMenu, tr("&Edit"), &TKelvoScrn1::Edit6Click);

  // The plane and line routines say through this that their data are missing.
  p.showMessage = [this](const std::string& message) {
    QMessageBox box(QMessageBox::Information, windowTitle(), QString::fromStdString(message),
                    QMessageBox::Ok, this);
    runModal(box);
  };
}

void TKelvoScrn1::Draw2Click() {
  if (drawing()) return;
  PlaneDrawPicture(p);
  PaintBox1->showPicture();
}

void TKelvoScrn1::Edit2Click() {
  if (drawing()) return;
  BeginPlaneEdit(p);
  openSettings(*m_forms.planeDlg);
}

void TKelvoScrn1::Draw3Click() {
  if (drawing()) return;
  LineDrawPicture(p);
  PaintBox1->showPicture();
}

void TKelvoScrn1::Edit3Click() {
  if (drawing()) return;
  BeginLineEdit(p);
  openSettings(*m_forms.lineDlg);
}

void TKelvoScrn1::Box1Click() {
  if (drawing()) return;
  BoxMenuPicture(p);
  PaintBox1->showPicture();
}

void TKelvoScrn1::DrawBox1Click() {
  p.graph.DrawBoxChecked = DrawBox1->isChecked();
}

void TKelvoScrn1::Draw4Click() {
  if (drawing()) return;
  ContoursPicture(p);
  PaintBox1->showPicture();
  placeLevelsWindow();
  m_forms.zlevelsFm->refresh();
}

void TKelvoScrn1::Edit6Click() {
  if (drawing()) return;
  CapturePicture(p);
  openSettings(*m_forms.contourDlg);
}

// The levels window stands right of the picture, under the Cancel Draw button.
void TKelvoScrn1::placeLevelsWindow() {
  const QPoint at = centralWidget()->mapToGlobal(
      QPoint(p.view.GraphRight + 30, DrawBtn->y() + DrawBtn->height() + 10));
  m_forms.zlevelsFm->move(at);
}
