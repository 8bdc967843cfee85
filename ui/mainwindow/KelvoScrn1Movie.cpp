// SPDX-License-Identifier: MIT
// The main window's Movie menu: build, play, settings, and the movie as an animated GIF.
#include "ui/mainwindow/KelvoScrn1.h"

#include "io/MovieGif.h"
#include "render/Movie.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/Forms.h"
#include "ui/Moviefm.h"
#include "ui/mainwindow/PictureBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>

QAction* TKelvoScrn1::createMovieMenu() {
  using W = TKelvoScrn1;
  QAction* entry =
      buildMenu("movieMenu", tr("&Movie"),
                {
                    {"Create1", tr("&Create"), &W::Create1Click},
                    {"Play1", tr("&Play"), &W::Play1Click},
                    {"Edit7", tr("&Edit"), &W::Edit7Click},
                    separator(),
                    {"SaveMovieGif1", tr("Save Movie as &Animated GIF..."), &W::SaveMovieGif1Click},
                });
  connect(menu("movieMenu"), &QMenu::aboutToShow, this,
          [this] { item("SaveMovieGif1")->setEnabled(MovieBuilt(p)); });
  return entry;
}

void TKelvoScrn1::Create1Click() {
  if (drawing()) return;
  logCommand("movie");
  CapturePicture(p);
  {
    DrawingScope scope(*this);
    buildingLabel->move(p.view.GraphRight + 25, DrawBtn->y());
    buildingLabel->show();
    BuildMovieFrames(p);
    buildingLabel->hide();
    PaintBox1->showPicture();
  }
  showInformation(tr("Movie Created.."));
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
  openSettingsAfter(CapturePicture, *m_forms.movieDlg);
}

void TKelvoScrn1::SaveMovieGif1Click() {
  if (drawing() || !MovieBuilt(p)) return;
  const QString chosen =
      askSaveFile(tr("Save Movie as Animated GIF"), tr("GIF Image File (*.gif)"), "gif").path;
  if (!chosen.isEmpty()) saveMovieGif(chosen);
}

bool TKelvoScrn1::saveMovieGif(const QString& path) {
  const int frames = std::clamp(p.graph.MovieFrameCount, 1, 32);
  QProgressDialog progress(tr("Writing the animated GIF..."), QString(), 0, frames + 1, this);
  progress.setWindowTitle(windowTitle());
  progress.setMinimumDuration(0);
  progress.setValue(0);
  DrawingScope scope(*this);
  const FileResult result = SaveMovieGif(p, path.toStdString(), [&](int done) {
    progress.setValue(done);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  });
  progress.setValue(frames + 1);
  return showFileResult(result, path);
}
