// SPDX-License-Identifier: MIT
// The main window's File menu.
#include "ui/KelvoScrn1.h"

#include "render/Movie.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/ColorFm.h"
#include "ui/Forms.h"
#include "ui/MainMenu.h"
#include "ui/PictureBox.h"
#include "ui/SampleList.h"

#include <QCloseEvent>
#include <QMenuBar>

void TKelvoScrn1::createFileMenu() {
  fileMenu = menuBar()->addMenu(tr("&File"));
  ListFunctionvalues1 =
      addItem(fileMenu, tr("&List Function values"), &TKelvoScrn1::ListFunctionvalues1Click);
  Exit1 = addItem(fileMenu, tr("&Exit"), &TKelvoScrn1::Exit1Click);
}

void TKelvoScrn1::Exit1Click() {
  // A playing movie stops first; the player comes back here when it has.
  if (m_moviePlaying) {
    m_exitAfterMovie = true;
    p.graph.DrawContinue = 0;
    return;
  }
  if (drawing()) return;
  m_forms.sampleFm->hide();
  GraphState& g = p.graph;
  m_forms.colorForm->selectFirstAbove();
  p.PictureCopy = QImage();
  g.DrawContinue = 0;
  ReleaseMovie(p);
  g.MovieMode = false;
  g.PictureCopyValid = false;
  g.GraphShown = false;
  g.FunctionReady = false;
  if (g.GraphKind >= '1' && g.GraphKind <= '4') {
    ScreenSetUpPicture(p);
    showCommandPicture();
  }
  hide();
  m_forms.mainMenu->showStartUp();
}

void TKelvoScrn1::closeEvent(QCloseEvent* event) {
  // Closing the window is Exit: the start-up form comes back, and only its Quit ends the
  // program.
  event->ignore();
  Exit1Click();
}
