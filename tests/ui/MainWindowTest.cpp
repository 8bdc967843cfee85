// SPDX-License-Identifier: MIT
// The start-up form and the main window: kinds, drawing, cancelling, rotation, exit, repaint.
#include "WindowFixture.h"

#include "ui/Eqn1Dlg.h"
#include "ui/mainwindow/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
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
  EXPECT_EQ(item("Step1").isVisible(), c.stepShown);
  EXPECT_EQ(controls().Panel3->Edit4->text(), "30");
  EXPECT_EQ(controls().Panel3->Edit5->text(), "80");
  EXPECT_EQ(g().FunctionText, "0");
  EXPECT_EQ(g().AxisZMin, -10);
  EXPECT_EQ(g().AxisZMax, 10);
  EXPECT_FALSE(g().GraphShown);
  EXPECT_FALSE(g().PictureCopyValid);
  // The picture box lies one pixel inside the graphing rectangle of the client area.
  EXPECT_EQ(p.ClientWidth, window().centralWidget()->width());
  EXPECT_EQ(controls().PaintBox1->x(), p.view.GraphLeft + 1);
  EXPECT_EQ(controls().PaintBox1->width(), p.view.GraphRight - p.view.GraphLeft - 2);
  EXPECT_EQ(controls().PaintBox1->size(), p.Picture.size());
  if (c.titleLineFollowsPicture) {
    EXPECT_EQ(controls().Panel2->width(), controls().PaintBox1->width());
  }
  EXPECT_FALSE(controls().DrawBtn->isVisible());
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
  host.onPoll = [&](int) { buttonShownWhileDrawing = controls().DrawBtn->isVisible(); };
  drawFunction("x*y");
  EXPECT_TRUE(buttonShownWhileDrawing);
  EXPECT_FALSE(controls().DrawBtn->isVisible());
  EXPECT_GT(host.polls, 100);
  EXPECT_TRUE(g().GraphShown);
  EXPECT_TRUE(g().PictureCopyValid);
  EXPECT_EQ(p.PictureCopy, p.Picture);
  EXPECT_EQ(controls().Label1->text(), "Z= x*y");
  EXPECT_FALSE(p.Values.empty());
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(host.beeps, 0);
  EXPECT_FALSE(p.DrawInProgress);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
  int paints = 0;
};

// The engine polls once per cell, 6,400 times at 80 x 80 curves; the window takes its events
// and repaints the growing picture only at the display's pace, not at every poll.
TEST_F(WindowTest, ADrawRepaintsAtTheDisplaysPaceNotPerCell) {
  choose(1);
  window().show();
  g().XCurves = g().YCurves = 80;
  PaintCounter counter(controls().PaintBox1);
  QElapsedTimer timer;
  timer.start();
  drawFunction("x*y");
  QCoreApplication::processEvents();
  const qint64 ms = timer.elapsed();
  EXPECT_GE(host.polls, 6400);
  EXPECT_LE(counter.paints, 4 + ms / WindowHost::PumpIntervalMilliseconds) << ms << " ms";
  EXPECT_GE(counter.paints, 1);
  EXPECT_EQ(p.PictureCopy, p.Picture);
}

// Fit Axes to Graph draws the graph in the fitted box even when that box is the one in force.
TEST_F(WindowTest, FitAxesDrawsAgainWhenTheBoxStaysTheSame) {
  choose(1);
  drawFunction("x*y");
  item("FitAxes1").trigger();
  const QImage fitted = p.Picture.copy();
  item("ClearScreen1").trigger();
  host.polls = 0;
  item("FitAxes1").trigger();
  EXPECT_FALSE(g().AxesChanged);
  EXPECT_GT(host.polls, 100);
  EXPECT_EQ(p.Picture, fitted);
}

TEST_F(WindowTest, ThreeFunctionKindsLabelBothLines) {
  choose(3);
  g().FunctionTextX = "cos(t)";
  g().FunctionTextY = "sin(t)";
  g().FunctionTextZ = "t";
  item("Draw1").trigger();
  EXPECT_EQ(controls().Label1->text(), "X= cos(t) ;    Y= sin(t)");
  EXPECT_EQ(controls().Label11->text(), "Z= t");
}

TEST_F(WindowTest, CancelDrawAtAPollStopsTheDrawing) {
  choose(1);
  drawFunction("x*y");
  const int fullDraw = host.polls;
  host.onPoll = [&](int n) {
    if (n == 5) controls().DrawBtn->click();
  };
  drawFunction("x*x-y");
  EXPECT_LT(host.polls, 10);
  EXPECT_LT(host.polls, fullDraw);
  EXPECT_EQ(g().DrawContinue, 1);
  // A cancelled picture is captured like a finished one.
  EXPECT_TRUE(g().PictureCopyValid);
  EXPECT_FALSE(controls().DrawBtn->isVisible());
}

TEST_F(WindowTest, CancelPressedTwiceBeforeAPollLetsTheDrawGoOn) {
  choose(1);
  drawFunction("x*y");
  const int fullDraw = host.polls;
  host.onPoll = [&](int n) {
    if (n != 5) return;
    controls().DrawBtn->click();
    controls().DrawBtn->click();
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
    bar->setActiveAction(&item("Draw1"));
    QTest::keyClick(bar, Qt::Key_Escape);
  };
  drawFunction("x*y");
  EXPECT_LT(host.polls, 10);
}

// ---- Rotation ----------------------------------------------------------------------------

TEST_F(WindowTest, RightArrowWrapsThetaAtThreeHundredSixty) {
  choose(1);
  for (int i = 0; i < 32; ++i) controls().Panel3->BitBtn1->click();
  EXPECT_EQ(controls().Panel3->Edit4->text(), "350.0");
  controls().Panel3->BitBtn1->click();
  EXPECT_NEAR(g().Theta, 0, 1e-9);
  EXPECT_EQ(std::fabs(controls().Panel3->Edit4->text().toDouble()), 0.0);
  controls().Panel3->BitBtn2->click();
  EXPECT_EQ(controls().Panel3->Edit4->text(), "350.0");
  EXPECT_FALSE(g().Rotating);
  EXPECT_TRUE(g().PictureCopyValid);
}

TEST_F(WindowTest, PhiStopsAtBothPoles) {
  choose(1);
  for (int i = 0; i < 8; ++i) controls().Panel3->BitBtn4->click();
  EXPECT_EQ(controls().Panel3->Edit5->text(), "  0.0");
  for (int i = 0; i < 3; ++i) controls().Panel3->BitBtn4->click();
  EXPECT_EQ(g().Phi, 0);
  for (int i = 0; i < 18; ++i) controls().Panel3->BitBtn3->click();
  EXPECT_EQ(controls().Panel3->Edit5->text(), "180.0");
  controls().Panel3->BitBtn3->click();
  EXPECT_EQ(g().Phi, Pi);
}

TEST_F(WindowTest, ArrowsRedrawTheGraphOnlyAfterAFunctionWasDrawn) {
  choose(1);
  host.polls = 0;
  controls().Panel3->BitBtn1->click();
  EXPECT_EQ(host.polls, 0);
  drawFunction("x*y");
  host.polls = 0;
  controls().Panel3->BitBtn1->click();
  EXPECT_GT(host.polls, 100);
}

// ---- Commands arriving from inside the cancel poll ---------------------------------------

TEST_F(WindowTest, CommandsDuringADrawAreIgnored) {
  choose(1);
  drawFunction("x*y");
  const int fullDraw = host.polls;
  const QImage undisturbed = p.PictureCopy;
  item("ClearScreen1").trigger();
  host.onPoll = [&](int n) {
    if (n != 3) return;
    item("Draw1").trigger();
    controls().Panel3->BitBtn1->click();
    controls().Panel3->BitBtn4->click();
    item("ClearScreen1").trigger();
    item("DrawAxes1").trigger();
    item("ChangeAxes1").trigger();
    item("View1").trigger();
    item("Function1").trigger();
    item("Parameters1").trigger();
    item("Domain1").trigger();
    item("Curves1").trigger();
    item("GraphTitle1").trigger();
    item("Exit1").trigger();
    window().close();
  };
  drawFunction("x*y");
  EXPECT_EQ(host.polls, fullDraw);
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(controls().Panel3->Edit4->text(), "30");
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
  EXPECT_EQ(controls().PaintBox1->size(), p.Picture.size());
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
  EXPECT_EQ(controls().Label1->text(), "Z = x*y");
}

// ---- Exit and a new kind -----------------------------------------------------------------

TEST_F(WindowTest, ExitAndANewKindRestoreEveryDefault) {
  choose(2);
  g().AxisZMax = 50;
  g().GraphTitle = "old";
  controls().Panel2->setText("old");
  controls().parameterLabels[0]->setText("a=   1.000");
  drawFunction("r");
  controls().Panel3->BitBtn1->click();
  item("Exit1").trigger();
  EXPECT_TRUE(forms.mainMenu->isVisible());
  EXPECT_FALSE(window().isVisible());
  EXPECT_TRUE(p.PictureCopy.isNull());
  EXPECT_FALSE(g().FunctionReady);

  choose(2);
  EXPECT_EQ(g().AxisZMax, 10);
  EXPECT_EQ(g().RMax, 5);
  EXPECT_EQ(g().GraphTitle, "");
  EXPECT_EQ(controls().Panel2->text(), "");
  EXPECT_EQ(controls().parameterLabels[0]->text(), "");
  EXPECT_EQ(controls().Label1->text(), "");
  EXPECT_EQ(controls().Panel3->Edit4->text(), "30");
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
  controls().PaintBox1->repaint(); // shows the new picture the program asked for
  // What a covering window would have destroyed on screen.
  p.Picture.fill(Qt::green);
  controls().PaintBox1->repaint();
  EXPECT_EQ(p.Picture, p.PictureCopy);
}

TEST_F(WindowTest, DrawAxesIsShownButNotCaptured) {
  choose(1);
  drawFunction("x*y");
  item("ClearScreen1").trigger();
  g().PictureCopyValid = true; // the copy still holds the surface
  const QImage surface = p.PictureCopy;
  item("DrawAxes1").trigger();
  controls().PaintBox1->repaint();
  EXPECT_NE(p.Picture, surface) << "the picture the program asked to show stays";
  controls().PaintBox1->repaint();
  EXPECT_EQ(p.Picture, surface) << "the next repaint comes from the copy";
}

TEST_F(WindowTest, ARepaintDuringADrawKeepsTheDrawingInProgress) {
  choose(1);
  drawFunction("x*y");
  const QImage first = p.PictureCopy;
  item("ClearScreen1").trigger();
  g().PictureCopyValid = true;
  bool restoredMidway = false;
  bool reachedPoll60 = false;
  host.onPoll = [&](int n) {
    if (n != 60) return;
    reachedPoll60 = true;
    controls().PaintBox1->repaint();
    restoredMidway = p.Picture == first;
  };
  drawFunction("-x*y");
  ASSERT_TRUE(reachedPoll60);
  EXPECT_FALSE(restoredMidway);
}

} // namespace

// ---- Screen readers --------------------------------------------------------------------------

namespace {

// A screen reader hears every control of the rotation panel and the picture by a name: the
// arrows by their direction, the angle fields by their labels, and the picture with a
// description of the graph it shows.
TEST_F(WindowTest, ScreenReadersHearTheRotationPanelAndThePicture) {
  choose(1);
  drawFunction("x*y");
  const RotationPanel& panel = *controls().Panel3;
  EXPECT_EQ(panel.BitBtn4->accessibleName(), "Turn up");
  EXPECT_EQ(panel.BitBtn3->accessibleName(), "Turn down");
  EXPECT_EQ(panel.BitBtn2->accessibleName(), "Turn left");
  EXPECT_EQ(panel.BitBtn1->accessibleName(), "Turn right");
  EXPECT_EQ(panel.BitBtn1->accessibleDescription(), "Theta + 10 degrees");
  EXPECT_EQ(panel.Edit4->accessibleName(), "Theta");
  EXPECT_EQ(panel.Edit5->accessibleName(), "Phi");
  EXPECT_NE(panel.Edit4->focusPolicy() & Qt::TabFocus, 0);
  const QWidget& picture = *controls().PaintBox1;
  EXPECT_EQ(picture.accessibleName(), "Graph");
  EXPECT_EQ(picture.accessibleDescription(), "A surface z = x*y in rectangular coordinates");
}

} // namespace

namespace {

// The start-up form's choices are named by their kinds for screen readers, and the key of
// each number chooses it from the keyboard.
TEST_F(WindowTest, TheStartUpChoicesAreNamedAndReachedByTheirKeys) {
  const char* const names[] = {
      "Draw Surfaces z = f(x,y) in Rectangular Coordinates",
      "Draw Surfaces z = f(r,theta) in Cylindrical Coordinates",
      "Draw Space Curves x(t), y(t), z(t)",
      "Draw 2-parameter Surfaces x(u,v), y(u,v), z(u,v)",
      "Quit",
      "Draw Implicit Surfaces F(x,y,z) = 0",
  };
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(forms.mainMenu->button(i + 1)->accessibleName().toStdString(), names[i]);
    EXPECT_EQ(forms.mainMenu->button(i + 1)->shortcut(), QKeySequence(Qt::Key_1 + i));
  }
}

} // namespace
