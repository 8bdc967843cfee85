// SPDX-License-Identifier: MIT
// The main window's commands that open windows of their own: the value listing and the two
// colour windows, and what those windows ask of the main window.
#include "ui/KelvoScrn1.h"

#include "render/Sequences.h"
#include "ui/ColorFm.h"
#include "ui/ColorFm2.h"
#include "ui/Forms.h"
#include "ui/FuncVals.h"
#include "ui/Looks.h"
#include "ui/PictureBox.h"

#include <QLabel>

namespace {

void bringForward(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

} // namespace

// A window opened over the picture starts from a captured picture.
void TKelvoScrn1::captureBeforeWindow() {
  CapturePicture(p);
  PaintBox1->showPicture();
}

void TKelvoScrn1::ListFunctionvalues1Click() {
  if (drawing()) return;
  captureBeforeWindow();
  m_forms.funcList->load();
  bringForward(*m_forms.funcList);
}

void TKelvoScrn1::Colors2Click() {
  if (drawing()) return;
  captureBeforeWindow();
  bringForward(*m_forms.colorForm2);
}

void TKelvoScrn1::Colors1Click() {
  if (drawing()) return;
  captureBeforeWindow();
  bringForward(*m_forms.colorForm);
}

void TKelvoScrn1::refreshValueListing() {
  if (m_forms.funcList->isVisible()) m_forms.funcList->showValues();
}

void TKelvoScrn1::showRecoloredPicture() {
  PaintBox1->showPicture();
  // The frame around the picture box takes the tick and background colours.
  centralWidget()->update();
}

void TKelvoScrn1::showTitleInFontColor() {
  setColors(Panel2, QColor(), toQColor(p.graph.FontColor));
  Panel2->setText(QString::fromStdString(p.graph.GraphTitle));
}
