// SPDX-License-Identifier: MIT
// The Movie menu in the window: the dialog, Create with its message, Play and Stop Movie,
// Exit while a movie plays, and the menu per kind.
#include "WindowFixture.h"

#include "graph/Corrections.h"
#include "io/Gif.h"
#include "render/Movie.h"
#include "ui/Moviefm.h"
#include "ui/SweepDlg.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Movie > Animate Parameter: frame k of N is the picture a Draw makes with the parameter at
// FROM + (TO - FROM)(k - 1)/(N - 1); afterwards the parameter has its old value, the listing is
// the one before, and Play and the animated GIF take the sweep.
TEST_F(WindowTest, ASweepStepsTheParameterAndRestoresIt) {
  choose(1);
  g().ParamValues[1] = 0.25;
  drawFunction("b*x*x-y");
  const auto listing = p.Values;
  EXPECT_FALSE(item("Play1").isEnabled());
  TSweepDlg& dialog = *forms.sweepDlg;
  answer = [&](QDialog& shown) {
    if (&shown != &dialog) return int(QDialog::Accepted);
    dialog.ParameterBox->setCurrentIndex(1);
    dialog.FromEdit->setText("-1");
    dialog.ToEdit->setText("2*p");
    dialog.FramesEdit->setText("0"); // corrected to 2, as the movie dialog does
    return int(QDialog::Accepted);
  };
  item("AnimateParameter1").trigger();
  ASSERT_EQ(p.PictureFrames.size(), 2u);
  EXPECT_EQ(g().ParamValues[1], 0.25);
  EXPECT_EQ(g().ParamB, 0.25);
  EXPECT_EQ(p.Values, listing);
  EXPECT_TRUE(MovieBuilt(p));
  EXPECT_TRUE(item("Play1").isEnabled());
  const std::vector<QImage> frames = p.PictureFrames;
  for (const double value : {-1.0, 2 * GraphState::Pi}) {
    SCOPED_TRACE(value);
    g().ParamValues[1] = value;
    CopyParameters(g());
    item("ClearScreen1").trigger();
    item("Draw1").trigger();
    EXPECT_EQ(p.Picture, frames[value < 0 ? 0 : 1]);
  }
  EXPECT_NE(frames[0], frames[1]);
  // A sweep of one frame shows the start; a turning movie built afterwards replaces the sweep.
  answer = [&](QDialog& shown) {
    if (&shown == &dialog) dialog.FramesEdit->setText("1");
    return int(QDialog::Accepted);
  };
  item("AnimateParameter1").trigger();
  ASSERT_EQ(p.PictureFrames.size(), 1u);
  EXPECT_EQ(p.PictureFrames[0], frames[0]);
  item("Create1").trigger();
  EXPECT_TRUE(p.PictureFrames.empty());
  EXPECT_TRUE(MovieBuilt(p));
}

TEST_F(WindowTest, MovieDialogReadsTheCountAndItsButtonsSetTheDelayAtOnce) {
  choose(1);
  TMovieDlg& dialog = *forms.movieDlg;
  QString shown;
  answer = [&](QDialog&) {
    shown = dialog.Edit1->text();
    dialog.Edit1->setText("40");
    dialog.speedButtons[3]->click();
    return int(QDialog::Rejected);
  };
  item("Edit7").trigger();
  EXPECT_EQ(shown, "  16");
  // Cancel keeps the count but not the delay, which the button set when clicked.
  EXPECT_EQ(g().MovieFrameCount, 16);
  EXPECT_EQ(g().MovieDelay, 0);
  answer = [&](QDialog&) {
    dialog.Edit1->setText("40");
    dialog.speedButtons[0]->click();
    return int(QDialog::Accepted);
  };
  item("Edit7").trigger();
  EXPECT_EQ(g().MovieFrameCount, 32);
  EXPECT_EQ(g().MovieDelay, 800);
}

TEST_F(WindowTest, CreateRecordsTheFramesAndSaysSo) {
  choose(1);
  drawFunction("x*y");
  g().MovieFrameCount = 4;
  QString said;
  answer = [&](QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) said = box->text();
    return int(QDialog::Accepted);
  };
  item("Create1").trigger();
  EXPECT_EQ(opened.size(), 1u);
  EXPECT_EQ(said, "Movie Created..");
  EXPECT_TRUE(MovieBuilt(p));
  EXPECT_FALSE(g().MovieMode);
  EXPECT_FALSE(controls().buildingLabel->isVisible());
}

TEST_F(WindowTest, StopMovieEndsThePlayAndRestoresTheButton) {
  choose(1);
  drawFunction("x*y");
  g().MovieFrameCount = 2;
  g().MovieDelay = 0;
  item("Create1").trigger();
  QString caption;
  host.polls = 0;
  host.onPoll = [&](int n) {
    if (n < 5) return;
    caption = controls().DrawBtn->text();
    controls().DrawBtn->click();
  };
  item("Play1").trigger();
  EXPECT_EQ(caption, "Stop Movie");
  EXPECT_EQ(controls().DrawBtn->text(), "Cancel Draw");
  EXPECT_TRUE(controls().DrawBtn->isHidden());
  EXPECT_FALSE(g().MovieMode);
  EXPECT_EQ(host.polls, 5);
}

TEST_F(WindowTest, ExitWhileAMoviePlaysStopsItThenExits) {
  choose(1);
  drawFunction("x*y");
  g().MovieFrameCount = 2;
  g().MovieDelay = 0;
  item("Create1").trigger();
  host.polls = 0;
  host.onPoll = [&](int n) {
    if (n == 3) item("Exit1").trigger();
  };
  item("Play1").trigger();
  EXPECT_FALSE(g().MovieMode);
  EXPECT_FALSE(MovieBuilt(p));
  EXPECT_FALSE(window().isVisible());
  EXPECT_TRUE(forms.mainMenu->isVisible());
}

std::vector<unsigned char> fileBytes(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The animated GIF holds every frame, each shown for the movie delay (at least two
// hundredths), loops for ever, and its first frame is frame 1 as the player paints it.
TEST_F(WindowTest, TheMovieSavesAsALoopingAnimatedGif) {
  choose(1);
  drawFunction("x*x-y");
  g().MovieFrameCount = 5;
  item("Create1").trigger();
  QTemporaryDir folder;
  const std::vector<QImage> frames = MovieFrameImages(p);
  for (const auto& [delay, hundredths] : {std::pair{400, 40}, {0, 2}, {150, 15}}) {
    SCOPED_TRACE(delay);
    g().MovieDelay = delay;
    const QString path = folder.filePath("turn.gif");
    answer = [&](QDialog& dialog) {
      qobject_cast<QFileDialog*>(&dialog)->selectFile(path);
      return int(QDialog::Accepted);
    };
    item("SaveMovieGif1").trigger();
    const std::vector<unsigned char> bytes = fileBytes(path);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("NETSCAPE2.0\x03\x01\x00\x00", 0, 16), std::string::npos);
    int controls = 0;
    for (auto at = text.find("\x21\xF9\x04"); at != std::string::npos;
         at = text.find("\x21\xF9\x04", at + 1)) {
      ++controls;
      EXPECT_EQ(static_cast<unsigned char>(text[at + 4]), hundredths);
    }
    EXPECT_EQ(controls, 5);
    const DecodedPicture first = DecodeGif(bytes.data(), bytes.size());
    ASSERT_TRUE(first.result.ok);
    ASSERT_EQ(first.picture.size(), frames[0].size());
    for (int y = 0; y < frames[0].height(); y += 7)
      for (int x = 0; x < frames[0].width(); x += 7)
        ASSERT_EQ(first.picture.pixel(x, y) | 0xFF000000u,
                  WebPaletteColour(WebPaletteIndex(frames[0].pixel(x, y))) | 0xFF000000u);
  }
}

TEST_F(WindowTest, AMovieThatCannotBeWrittenSaysWhyAndLeavesNoFile) {
  choose(1);
  drawFunction("x*y");
  g().MovieFrameCount = 2;
  item("Create1").trigger();
  QString said;
  answer = [&](QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) said = box->text();
    return int(QDialog::Accepted);
  };
  QTemporaryDir folder;
  const QString path = folder.filePath("missing/turn.gif");
  EXPECT_FALSE(window().saveMovieGif(path));
  EXPECT_TRUE(said.contains("No such file or directory")) << said.toStdString();
  EXPECT_FALSE(std::filesystem::exists(path.toStdString()));
}

TEST_F(WindowTest, TheMovieMenuIsShownForSurfacesOnly) {
  for (int kind : {1, 2, 3, 4}) {
    SCOPED_TRACE(kind);
    choose(kind);
    EXPECT_EQ(menu("movieMenu").menuAction()->isVisible(), kind != 3);
    item("Exit1").trigger();
  }
}

} // namespace
