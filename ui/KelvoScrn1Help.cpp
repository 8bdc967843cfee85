// SPDX-License-Identifier: MIT
// The main window's Samples and Help commands.
#include "ui/KelvoScrn1.h"

#include "render/Sequences.h"
#include "ui/Forms.h"
#include "ui/Helpunit.h"
#include "ui/PictureBox.h"
#include "ui/RotationPanel.h"
#include "ui/SampleList.h"

void TKelvoScrn1::createSamplesMenu() {
  Samples1 = addTopItem(tr("&Samples"), &TKelvoScrn1::Samples1Click);
}

void TKelvoScrn1::createHelpMenu() {
  Help1 = addTopItem(tr("&Help"), &TKelvoScrn1::Help1Click);
}

void TKelvoScrn1::Samples1Click() {
  if (drawing()) return;
  CapturePicture(p);
  PaintBox1->showPicture();
  TSampleFm& samples = *m_forms.sampleFm;
  connect(&samples, &TSampleFm::samplesClosed, this, &TKelvoScrn1::samplesClosed,
          Qt::UniqueConnection);
  // Beside the picture, below the rotation panel and the Cancel Draw button.
  const QPoint corner(p.view.GraphRight + 10, Panel3->y() + Panel3->height() + 35);
  samples.ShowSamples(centralWidget()->mapToGlobal(corner));
  setFunctionCaptions();
}

void TKelvoScrn1::samplesClosed() {
  setFunctionCaptions();
}

void TKelvoScrn1::Help1Click() {
  if (drawing()) return;
  THelpDlg& help = *m_forms.helpDlg;
  help.show();
  help.raise();
  help.activateWindow();
}
