// SPDX-License-Identifier: MIT
// The main window's Movie menu: build, play, settings, and the movie as an animated GIF.
#include "ui/KelvoScrn1.h"

#include "io/MovieGif.h"
#include "render/Movie.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/Forms.h"
#include "ui/Looks.h"
#include "ui/Moviefm.h"
#include "ui/PictureBox.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>

void TKelvoScrn1::createMovieMenu() {
  movieMenu = menuBar()->addMenu(tr("&Movie"));
  Create1 = addItem(movieMenu, tr("&Create"), &TKelvoScrn1::Create1Click);
  Play1 = addItem(movieMenu, tr("&Play"), &TKelvoScrn1::Play1Click);
  Edit7 = addItem(movieMenu, tr("&Edit"), &TKelvoScrn1::Edit7Click);
  movieMenu->addSeparator();
  SaveMovieGif1 =
      addItem(movieMenu, tr("Save Movie as &Animated GIF..."), &TKelvoScrn1::SaveMovieGif1Click);
  connect(movieMenu, &QMenu::aboutToShow, this,
          [this] { SaveMovieGif1->setEnabled(MovieBuilt(p)); });

  buildingLabel = new QLabel(tr("Building Frames"), centralWidget());
  buildingLabel->setFont(pixelFont("Times New Roman", 15));
  setColors(buildingLabel, QColor(), Qt::red);
  buildingLabel->adjustSize();
  buildingLabel->hide();
}

void TKelvoScrn1::Create1Click() {
  if (drawing()) return;
  CapturePicture(p);
  {
    DrawingScope scope(*this);
    buildingLabel->move(p.view.GraphRight + 25, DrawBtn->y());
    buildingLabel->show();
    BuildMovieFrames(p);
    buildingLabel->hide();
    PaintBox1->showPicture();
  }
  QMessageBox done(QMessageBox::Information, windowTitle(), tr("Movie Created.."), QMessageBox::Ok,
                   this);
  runModal(done);
}

void TKelvoScrn1::Play1Click() {
  if (drawing()) return;
  {
    DrawingScope scope(*this);
    m_moviePlaying = true;
    p.graph.MovieMode = true;
    p.graph.PictureCopyValid = false;
    p.graph.GraphShown = false;
    ScreenSetUpPicture(p);
    placeControls();
    DrawBtn->setText(tr("Stop Movie"));
    DrawBtn->show();
    PlayMovieFrames(p, [this] {
      PaintBox1->showPicture();
      PaintBox1->repaint();
    });
    DrawBtn->hide();
    DrawBtn->setText(tr("Cancel Draw"));
    m_moviePlaying = false;
  }
  if (m_exitAfterMovie) {
    m_exitAfterMovie = false;
    Exit1Click();
  }
}

void TKelvoScrn1::Edit7Click() {
  if (drawing()) return;
  CapturePicture(p);
  openSettings(*m_forms.movieDlg);
}

void TKelvoScrn1::SaveMovieGif1Click() {
  if (drawing() || !MovieBuilt(p)) return;
  QFileDialog dialog(this, tr("Save Movie as Animated GIF"), QString(),
                     tr("GIF Image File (*.gif)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("gif");
  if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  saveMovieGif(dialog.selectedFiles().constFirst());
}

bool TKelvoScrn1::saveMovieGif(const QString& path) {
  const int frames = std::clamp(p.graph.MovieFrameCount, 1, 32);
  QProgressDialog progress(tr("Writing the animated GIF..."), QString(), 0, frames + 1, this);
  progress.setWindowTitle(windowTitle());
  progress.setMinimumDuration(0);
  progress.setValue(0);
  DrawingScope scope(*this);
  FileResult result = SaveMovieGif(p, path.toStdString(), [&](int done) {
    progress.setValue(done);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  });
  progress.setValue(frames + 1);
  if (!result.ok) result.message = path.toStdString() + ": " + result.message;
  return showFileResult(result);
}
