// SPDX-License-Identifier: MIT
// The main window's Movie menu: build, play, settings, and the movie as an animated GIF.
#include "ui/mainwindow/KelvoScrn1.h"

#include "io/MovieGif.h"
#include "render/Movie.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "render/Sweep.h"
#include "ui/EngineTexts.h"
#include "ui/Forms.h"
#include "ui/Moviefm.h"
#include "ui/SweepDlg.h"
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
                    {"AnimateParameter1", tr("Animate &Parameter..."), &W::AnimateParameter1Click},
                    separator(),
                    {"SaveMovieGif1", tr("Save Movie as &Animated GIF..."), &W::SaveMovieGif1Click},
                });
  connect(menu("movieMenu"), &QMenu::aboutToShow, this, &W::updateMovieItems);
  return entry;
}

// Play and the animated GIF need a built movie.
void TKelvoScrn1::updateMovieItems() {
  item("Play1")->setEnabled(MovieBuilt(p));
  item("SaveMovieGif1")->setEnabled(MovieBuilt(p));
}

void TKelvoScrn1::Create1Click() {
  if (drawing()) return;
  if (const std::optional<Eye> eye = MovieEyeRefused(p.graph)) {
    showWarning(tr("The movie turns the eye round the z axis, and %1; no movie is made.")
                    .arg(EngineText(EyeTooNearText(*eye))));
    return;
  }
  logCommand("movie");
  buildMovie([this] { BuildMovieFrames(p); });
}

// The eye stays still while a parameter steps through its values; the frames are the pictures
// a Draw makes at each value.
void TKelvoScrn1::AnimateParameter1Click() {
  TSweepDlg& dialog = *m_forms.sweepDlg;
  if (!openSettings(dialog) || !dialog.accepted()) return;
  logCommand("sweep");
  buildMovie([this, &dialog] {
    BuildParameterSweep(p, dialog.sweep(),
                        [this](const QImage&, int) { PaintBox1->showPicture(); });
  });
}

void TKelvoScrn1::buildMovie(const std::function<void()>& build) {
  CapturePicture(p);
  {
    DrawingScope scope(*this);
    buildingLabel->move(p.view.GraphRight + 25, DrawBtn->y());
    buildingLabel->show();
    build();
    buildingLabel->hide();
    PaintBox1->showPicture();
  }
  updateMovieItems();
  showInformation(tr("Movie Created.."));
}

void TKelvoScrn1::Play1Click() {
  if (drawing() || !MovieBuilt(p)) return;
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
  if (m_quitAfterMovie) {
    m_quitAfterMovie = false;
    Quit1Click();
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
