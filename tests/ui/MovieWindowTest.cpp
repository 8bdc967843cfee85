// SPDX-License-Identifier: MIT
// The Movie menu in the window: the dialog, Create with its message, Play and Stop Movie,
// Exit while a movie plays, and the menu per kind.
#include "WindowFixture.h"

#include "render/Movie.h"
#include "ui/Moviefm.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>

namespace {

TEST_F(WindowTest, MovieDialogReadsTheCountAndItsButtonsSetTheDelayAtOnce) {
  choose(1);
  TMovieDlg& dialog = *forms.movieDlg;
  answer = [&](QDialog&) {
    dialog.Edit1->setText("40");
    dialog.speedButtons[3]->click();
    return int(QDialog::Rejected);
  };
  window().Edit7Click();
  // Cancel keeps the count but not the delay, which the button set when clicked.
  EXPECT_EQ(g().MovieFrameCount, 16);
  EXPECT_EQ(g().MovieDelay, 0);
  EXPECT_EQ(dialog.Edit1->text(), "  16");
  answer = [&](QDialog&) {
    dialog.Edit1->setText("40");
    dialog.speedButtons[0]->click();
    return int(QDialog::Accepted);
  };
  window().Edit7Click();
  EXPECT_EQ(g().MovieFrameCount, 32);
  EXPECT_EQ(g().MovieDelay, 800);
}

TEST_F(WindowTest, CreateRecordsTheFramesAndSaysSo) {
  choose(1);
  drawFunction("x*y");
  g().MovieFrameCount = 4;
  window().Create1Click();
  ASSERT_EQ(opened.size(), 1u);
  auto* box = qobject_cast<QMessageBox*>(opened[0]);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), "Movie Created..");
  EXPECT_TRUE(MovieBuilt(p));
  EXPECT_FALSE(g().MovieMode);
  EXPECT_FALSE(window().buildingLabel->isVisible());
}

TEST_F(WindowTest, StopMovieEndsThePlayAndRestoresTheButton) {
  choose(1);
  drawFunction("x*y");
  g().MovieFrameCount = 2;
  g().MovieDelay = 0;
  window().Create1Click();
  QString caption;
  host.polls = 0;
  host.onPoll = [&](int n) {
    if (n != 5) return;
    caption = window().DrawBtn->text();
    window().DrawBtn->click();
  };
  window().Play1Click();
  EXPECT_EQ(caption, "Stop Movie");
  EXPECT_EQ(window().DrawBtn->text(), "Cancel Draw");
  EXPECT_TRUE(window().DrawBtn->isHidden());
  EXPECT_FALSE(g().MovieMode);
  EXPECT_EQ(host.polls, 5);
}

TEST_F(WindowTest, ExitWhileAMoviePlaysStopsItThenExits) {
  choose(1);
  drawFunction("x*y");
  g().MovieFrameCount = 2;
  g().MovieDelay = 0;
  window().Create1Click();
  host.onPoll = [&](int n) {
    if (n == 3) window().Exit1->trigger();
  };
  window().Play1Click();
  EXPECT_FALSE(g().MovieMode);
  EXPECT_FALSE(MovieBuilt(p));
  EXPECT_FALSE(window().isVisible());
  EXPECT_TRUE(forms.mainMenu->isVisible());
}

TEST_F(WindowTest, TheMovieMenuIsShownForSurfacesOnly) {
  for (int kind : {1, 2, 3, 4}) {
    SCOPED_TRACE(kind);
    choose(kind);
    EXPECT_EQ(window().movieMenu->menuAction()->isVisible(), kind != 3);
    window().Exit1Click();
  }
}

} // namespace
