// SPDX-License-Identifier: MIT
// The main window's Samples command: the window of sample functions beside the picture.
#include "ui/mainwindow/KelvoScrn1.h"

#include "render/Program.h"
#include "ui/Forms.h"
#include "ui/SampleList.h"
#include "ui/mainwindow/RotationPanel.h"

QAction* TKelvoScrn1::createSamplesMenu() {
  return buildTopItem({"Samples1", tr("&Samples"), &TKelvoScrn1::Samples1Click});
}

void TKelvoScrn1::Samples1Click() {
  if (drawing()) return;
  captureAndShow();
  TSampleFm& samples = *m_forms.sampleFm;
  connect(&samples, &TSampleFm::samplesClosed, this, &TKelvoScrn1::samplesClosed,
          Qt::UniqueConnection);
  samples.ShowSamples(toolWindowCorner());
  setFunctionCaptions();
}

QPoint TKelvoScrn1::toolWindowCorner() const {
  const QPoint corner(p.view.GraphRight + 10, Panel3->y() + Panel3->height() + 35);
  return centralWidget()->mapToGlobal(corner);
}

void TKelvoScrn1::samplesClosed() {
  setFunctionCaptions();
  updateCaption();
}
