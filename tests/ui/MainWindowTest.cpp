// SPDX-License-Identifier: MIT
// The start-up form and the main window: kinds, drawing, cancelling, rotation, exit, repaint.
#include "WindowFixture.h"

#include "ui/Eqn1Dlg.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolButton>

#include <cmath>

namespace {

constexpr double Pi = GraphState::Pi;

// ---- Kinds: caption, menus and defaults ------------------------------------------------

struct KindCase {
  int kind;
  const char* caption;
  bool stepShown;
  bool titleLineFollowsPicture;
};

class KindTest : public WindowTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(KindTest, ChoosingAKindShowsItsWindowWithDefaults) {
  const KindCase& c = GetParam();
  choose(c.kind);
  EXPECT_FALSE(forms.mainMenu->isVisible());
  ASSERT_TRUE(window().isVisible());
  EXPECT_EQ(window().windowTitle().toStdString(), c.caption);
  EXPECT_EQ(window().Step1->isVisible(), c.stepShown);
  EXPECT_EQ(window().Edit4->text(), "30");
  EXPECT_EQ(window().Edit5->text(), "80");
  EXPECT_EQ(g().FunctionText, "0");
  EXPECT_EQ(g().AxisZMin, -10);
  EXPECT_EQ(g().AxisZMax, 10);
  EXPECT_FALSE(g().GraphShown);
  EXPECT_FALSE(g().PictureCopyValid);
  // The picture box lies one pixel inside the graphing rectangle of the client area.
  EXPECT_EQ(p.ClientWidth, window().centralWidget()->width());
  EXPECT_EQ(window().PaintBox1->x(), p.view.GraphLeft + 1);
  EXPECT_EQ(window().PaintBox1->width(), p.view.GraphRight - p.view.GraphLeft - 2);
  EXPECT_EQ(window().PaintBox1->size(), p.Picture.size());
  if (c.titleLineFollowsPicture) {
    EXPECT_EQ(window().Panel2->width(), window().PaintBox1->width());
  }
  EXPECT_FALSE(window().DrawBtn->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, KindTest,
    ::testing::Values(KindCase{1, "        Kelvo  Rectangular Coordinates", false, false},
                      KindCase{2, "   Kelvo Cylindrical Coordinates", false, true},
                      KindCase{3, "        Kelvo  Space Curves", true, true},
                      KindCase{4, "        Kelvo  2 Parameter Surfaces", false, false}),
    [](const ::testing::TestParamInfo<KindCase>& info) {
      return "Kind" + std::to_string(info.param.kind);
    });

TEST_F(WindowTest, TheStartUpFormShowsARenderedSurface) {
  const QPixmap picture = forms.mainMenu->Image1->pixmap();
  ASSERT_EQ(picture.size(), QSize(143, 143));
  const QImage image = picture.toImage();
  // The surface is red seen from above: somewhere in the middle red must dominate.
  int reddish = 0;
  for (int y = 40; y < 100; ++y)
    for (int x = 40; x < 100; ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 120 && c.blue() < 120) ++reddish;
    }
  EXPECT_GT(reddish, 100);
}

// ---- Draw and Cancel Draw ----------------------------------------------------------------

TEST_F(WindowTest, DrawPaintsCapturesAndLabels) {
  choose(1);
  bool buttonShownWhileDrawing = false;
  host.onPoll = [&](int) { buttonShownWhileDrawing = window().DrawBtn->isVisible(); };
  drawFunction("x*y");
  EXPECT_TRUE(buttonShownWhileDrawing);
  EXPECT_FALSE(window().DrawBtn->isVisible());
  EXPECT_GT(host.polls, 100);
  EXPECT_TRUE(g().GraphShown);
  EXPECT_TRUE(g().PictureCopyValid);
  EXPECT_EQ(p.PictureCopy, p.Picture);
  EXPECT_EQ(window().Label1->text(), "Z= x*y");
  EXPECT_FALSE(p.Values.empty());
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(host.beeps, 0);
  EXPECT_FALSE(p.DrawInProgress);
}

TEST_F(WindowTest, ThreeFunctionKindsLabelBothLines) {
  choose(3);
  g().FunctionTextX = "cos(t)";
  g().FunctionTextY = "sin(t)";
  g().FunctionTextZ = "t";
  window().Draw1Click();
  EXPECT_EQ(window().Label1->text(), "X= cos(t) ;    Y= sin(t)");
  EXPECT_EQ(window().Label11->text(), "Z= t");
}

TEST_F(WindowTest, CancelDrawAtAPollStopsTheDrawing) {
  choose(1);
  drawFunction("x*y");
  const int fullDraw = host.polls;
  host.onPoll = [&](int n) {
    if (n == 5) window().DrawBtn->click();
  };
  drawFunction("x*x-y");
  EXPECT_LT(host.polls, 10);
  EXPECT_LT(host.polls, fullDraw);
  EXPECT_EQ(g().DrawContinue, 1);
  // A cancelled picture is captured like a finished one.
  EXPECT_TRUE(g().PictureCopyValid);
  EXPECT_FALSE(window().DrawBtn->isVisible());
}

TEST_F(WindowTest, CancelPressedTwiceBeforeAPollLetsTheDrawGoOn) {
  choose(1);
  drawFunction("x*y");
  const int fullDraw = host.polls;
  host.onPoll = [&](int n) {
    if (n != 5) return;
    window().DrawBtn->click();
    window().DrawBtn->click();
  };
  drawFunction("x*y");
  EXPECT_EQ(host.polls, fullDraw);
}

TEST_F(WindowTest, EscapeAnswersForTheCancelButton) {
  choose(1);
  window().activateWindow();
  QApplication::setActiveWindow(&window());
  host.onPoll = [&](int n) {
    if (n == 5) QTest::keyClick(&window(), Qt::Key_Escape);
  };
  drawFunction("x*y");
  EXPECT_LT(host.polls, 10);
  // Hidden again, the button no longer takes the key.
  QTest::keyClick(&window(), Qt::Key_Escape);
  EXPECT_EQ(g().DrawContinue, 1);
}

TEST_F(WindowTest, EscapeCancelsOnItsFirstPressWhileTheMenuBarIsActive) {
  choose(1);
  QApplication::setActiveWindow(&window());
  QMenuBar* bar = window().menuBar();
  host.onPoll = [&](int n) {
    if (n != 5) return;
    // Keyboard navigation in the menu bar, as after starting Draw from it with the keys.
    QTest::keyClick(bar, Qt::Key_Alt);
    bar->setActiveAction(window().Draw1);
    QTest::keyClick(bar, Qt::Key_Escape);
  };
  drawFunction("x*y");
  EXPECT_LT(host.polls, 10);
}

// ---- Rotation ----------------------------------------------------------------------------

TEST_F(WindowTest, RightArrowWrapsThetaAtThreeHundredSixty) {
  choose(1);
  for (int i = 0; i < 32; ++i) window().BitBtn1->click();
  EXPECT_EQ(window().Edit4->text(), "350.0");
  window().BitBtn1->click();
  EXPECT_NEAR(g().Theta, 0, 1e-9);
  EXPECT_EQ(std::fabs(window().Edit4->text().toDouble()), 0.0);
  window().BitBtn2->click();
  EXPECT_EQ(window().Edit4->text(), "350.0");
  EXPECT_FALSE(g().Rotating);
  EXPECT_TRUE(g().PictureCopyValid);
}

TEST_F(WindowTest, PhiStopsAtBothPoles) {
  choose(1);
  for (int i = 0; i < 8; ++i) window().BitBtn4->click();
  EXPECT_EQ(window().Edit5->text(), "  0.0");
  for (int i = 0; i < 3; ++i) window().BitBtn4->click();
  EXPECT_EQ(g().Phi, 0);
  for (int i = 0; i < 18; ++i) window().BitBtn3->click();
  EXPECT_EQ(window().Edit5->text(), "180.0");
  window().BitBtn3->click();
  EXPECT_EQ(g().Phi, Pi);
}

TEST_F(WindowTest, ArrowsRedrawTheGraphOnlyAfterAFunctionWasDrawn) {
  choose(1);
  host.polls = 0;
  window().BitBtn1->click();
  EXPECT_EQ(host.polls, 0);
  drawFunction("x*y");
  host.polls = 0;
  window().BitBtn1->click();
  EXPECT_GT(host.polls, 100);
}

// ---- Commands arriving from inside the cancel poll ---------------------------------------

TEST_F(WindowTest, CommandsDuringADrawAreIgnored) {
  choose(1);
  drawFunction("x*y");
  const int fullDraw = host.polls;
  const QImage undisturbed = p.PictureCopy;
  window().ClearScreen1Click();
  host.onPoll = [&](int n) {
    if (n != 3) return;
    window().Draw1->trigger();
    window().BitBtn1->click();
    window().BitBtn4->click();
    window().ClearScreen1->trigger();
    window().DrawAxes1->trigger();
    window().ChangeAxes1->trigger();
    window().View1->trigger();
    window().Function1->trigger();
    window().Parameters1->trigger();
    window().Domain1->trigger();
    window().Curves1->trigger();
    window().GraphTitle1->trigger();
    window().Exit1->trigger();
    window().close();
  };
  drawFunction("x*y");
  EXPECT_EQ(host.polls, fullDraw);
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(window().Edit4->text(), "30");
  EXPECT_TRUE(window().isVisible());
  EXPECT_FALSE(forms.mainMenu->isVisible());
  EXPECT_EQ(p.PictureCopy, undisturbed);
}

TEST_F(WindowTest, AResizeDuringADrawWaitsForItsEnd) {
  choose(1);
  const QSize before = p.Picture.size();
  bool pictureKeptItsSize = true;
  host.onPoll = [&](int n) {
    if (n == 3) window().resize(window().width() - 200, window().height() - 100);
    if (p.Picture.size() != before) pictureKeptItsSize = false;
  };
  drawFunction("x*y");
  EXPECT_TRUE(pictureKeptItsSize);
  EXPECT_EQ(p.ClientWidth, window().centralWidget()->width());
  EXPECT_NE(p.Picture.size(), before);
  EXPECT_EQ(window().PaintBox1->size(), p.Picture.size());
}

// ---- A failed draw reopens the function editor -------------------------------------------

TEST_F(WindowTest, FailedDrawBeepsTenTimesAndReopensTheEditor) {
  choose(1);
  QString heading;
  answer = [&](QDialog& dialog) {
    heading = forms.eqnDlg->Label1->text();
    forms.eqnDlg->Edit1->setText("x*y");
    EXPECT_EQ(&dialog, forms.eqnDlg.get());
    return int(QDialog::Accepted);
  };
  drawFunction("x+");
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(heading, "ERROR...Check your Functions");
  EXPECT_GE(host.beeps, 11);
  EXPECT_EQ(g().FunctionText, "x*y");
  EXPECT_EQ(window().Label1->text(), "Z = x*y");
}

// ---- Exit and a new kind -----------------------------------------------------------------

TEST_F(WindowTest, ExitAndANewKindRestoreEveryDefault) {
  choose(2);
  g().AxisZMax = 50;
  g().GraphTitle = "old";
  window().Panel2->setText("old");
  window().parameterLabels[0]->setText("a=   1.000");
  drawFunction("r");
  window().BitBtn1->click();
  window().Exit1->trigger();
  EXPECT_TRUE(forms.mainMenu->isVisible());
  EXPECT_FALSE(window().isVisible());
  EXPECT_TRUE(p.PictureCopy.isNull());
  EXPECT_FALSE(g().FunctionReady);

  choose(2);
  EXPECT_EQ(g().AxisZMax, 10);
  EXPECT_EQ(g().RMax, 5);
  EXPECT_EQ(g().GraphTitle, "");
  EXPECT_EQ(window().Panel2->text(), "");
  EXPECT_EQ(window().parameterLabels[0]->text(), "");
  EXPECT_EQ(window().Label1->text(), "");
  EXPECT_EQ(window().Edit4->text(), "30");
  EXPECT_FALSE(g().GraphShown);
  EXPECT_FALSE(g().PictureCopyValid);
}

TEST_F(WindowTest, ClosingTheMainWindowReturnsToTheStartUpForm) {
  choose(1);
  window().close();
  EXPECT_TRUE(forms.mainMenu->isVisible());
  EXPECT_FALSE(window().isVisible());
}

// ---- Repainting --------------------------------------------------------------------------

TEST_F(WindowTest, AnUnaskedRepaintRestoresThePictureFromItsCopy) {
  choose(1);
  drawFunction("x*y");
  window().PaintBox1->repaint(); // shows the new picture the program asked for
  // What a covering window would have destroyed on screen.
  p.Picture.fill(Qt::green);
  window().PaintBox1->repaint();
  EXPECT_EQ(p.Picture, p.PictureCopy);
}

TEST_F(WindowTest, DrawAxesIsShownButNotCaptured) {
  choose(1);
  drawFunction("x*y");
  window().ClearScreen1->trigger();
  g().PictureCopyValid = true; // the copy still holds the surface
  const QImage surface = p.PictureCopy;
  window().DrawAxes1->trigger();
  window().PaintBox1->repaint();
  EXPECT_NE(p.Picture, surface) << "the picture the program asked to show stays";
  window().PaintBox1->repaint();
  EXPECT_EQ(p.Picture, surface) << "the next repaint comes from the copy";
}

TEST_F(WindowTest, ARepaintDuringADrawKeepsTheDrawingInProgress) {
  choose(1);
  drawFunction("x*y");
  const QImage first = p.PictureCopy;
  window().ClearScreen1->trigger();
  g().PictureCopyValid = true;
  bool restoredMidway = false;
  bool reachedPoll60 = false;
  host.onPoll = [&](int n) {
    if (n != 60) return;
    reachedPoll60 = true;
    window().PaintBox1->repaint();
    restoredMidway = p.Picture == first;
  };
  drawFunction("-x*y");
  ASSERT_TRUE(reachedPoll60);
  EXPECT_FALSE(restoredMidway);
}

} // namespace
