// SPDX-License-Identifier: MIT
// The main window's Plane, Line, Box and Contours menus.
#include "ui/mainwindow/KelvoScrn1.h"

#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/Contour1.h"
#include "ui/Forms.h"
#include "ui/mainwindow/PictureBox.h"
#include "ui/Planeu.h"
#include "ui/Zlevels.h"
#include "ui/lineu.h"

#include <QMenu>

QAction* TKelvoScrn1::createPlaneMenu() {
  return buildMenu("planeMenu", tr("&Plane"),
                   {
                       {"Draw2", tr("&Draw"), &TKelvoScrn1::Draw2Click},
                       {"Edit2", tr("&Edit"), &TKelvoScrn1::Edit2Click},
                   });
}

QAction* TKelvoScrn1::createLineMenu() {
  return buildMenu("lineMenu", tr("&Line"),
                   {
                       {"Draw3", tr("&Draw"), &TKelvoScrn1::Draw3Click},
                       {"Edit3", tr("&Edit"), &TKelvoScrn1::Edit3Click},
                   });
}

// The box is drawn whenever its menu opens, while Draw Box is checked.
QAction* TKelvoScrn1::createBoxMenu() {
  QAction* entry = buildMenu("boxMenu", tr("&Box"),
                             {{"DrawBox1", tr("&Draw Box"), &TKelvoScrn1::DrawBox1Click}});
  connect(menu("boxMenu"), &QMenu::aboutToShow, this, &TKelvoScrn1::Box1Click);
  item("DrawBox1")->setCheckable(true);
  return entry;
}

QAction* TKelvoScrn1::createContoursMenu() {
  return buildMenu("contoursMenu", tr("&Contours"),
                   {
                       {"Draw4", tr("&Draw"), &TKelvoScrn1::Draw4Click},
                       {"Edit6", tr("&Edit"), &TKelvoScrn1::Edit6Click},
                   });
}

void TKelvoScrn1::Draw2Click() {
  runPictureStep(PlaneDrawPicture);
}

void TKelvoScrn1::Edit2Click() {
  openSettingsAfter(BeginPlaneEdit, *m_forms.planeDlg);
}

void TKelvoScrn1::Draw3Click() {
  runPictureStep(LineDrawPicture);
}

void TKelvoScrn1::Edit3Click() {
  openSettingsAfter(BeginLineEdit, *m_forms.lineDlg);
}

void TKelvoScrn1::Box1Click() {
  runPictureStep(BoxMenuPicture);
}

void TKelvoScrn1::DrawBox1Click() {
  p.graph.DrawBoxChecked = item("DrawBox1")->isChecked();
}

void TKelvoScrn1::Draw4Click() {
  if (drawing()) return;
  ContoursPicture(p);
  m_contoursBegun = p.pictureRecorder.picturesBegun();
  PaintBox1->showPicture();
  placeLevelsWindow();
  m_forms.zlevelsFm->refresh();
}

void TKelvoScrn1::Edit6Click() {
  openSettingsAfter(CapturePicture, *m_forms.contourDlg);
}

// The levels window stands right of the picture, under the Cancel Draw button.
void TKelvoScrn1::placeLevelsWindow() {
  const QPoint at = centralWidget()->mapToGlobal(
      QPoint(p.view.GraphRight + 30, DrawBtn->y() + DrawBtn->height() + 10));
  m_forms.zlevelsFm->move(at);
}
