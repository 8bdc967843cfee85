// SPDX-License-Identifier: MIT
// The window refuses an eye too near the axes box to see all of it, wherever the eye or the
// box is set: the view dialog, the typed angles, the arrows, a drag, the axes dialog, Fit Axes
// to Graph and the movie. Each keeps what it had and says why; a drag stops without a word.
#include "WindowFixture.h"

#include "render/Movie.h"
#include "ui/Axes1.h"
#include "ui/View.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include <string>

namespace {

constexpr double Degree = GraphState::Pi / 180;
constexpr const char* TooNear =
    " the eye would stand inside the axes box or too near it to see all of it";

class EyeRefusalTest : public WindowTest {
protected:
  // Answers every dialog with OK after fill, keeping the text of each message box shown.
  void answerOk(std::function<void(QDialog&)> fill = {}) {
    answer = [this, fill](QDialog& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog))
        said.push_back(box->text().toStdString());
      else if (fill)
        fill(dialog);
      return int(QDialog::Accepted);
    };
  }
  // Kind 1 with x*y drawn and the picture captured.
  void drawn() {
    choose(1);
    drawFunction("x*y");
    said.clear();
  }
  void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    PictureBox* box = controls().PaintBox1;
    QMouseEvent event(type, QPointF(at), box->mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(box, &event);
  }
  double thetaDegrees() { return g().Theta / Degree; }

  std::vector<std::string> said;
};

TEST_F(EyeRefusalTest, TheViewDialogKeepsTheOldRho) {
  drawn();
  const QImage picture = p.Picture.copy();
  answerOk([this](QDialog&) {
    forms.viewDlg->Edit1->setText("45");
    forms.viewDlg->Edit3->setText("2");
  });
  item("View1").trigger();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0],
            std::string("At Theta = 45, Phi = 80, Rho = 2") + TooNear + "; Rho is kept at 200.");
  EXPECT_EQ(g().Rho, 200);
  // The new Theta is seen from the old Rho: it is taken and the picture cleared for it.
  EXPECT_NEAR(thetaDegrees(), 45, 1e-9);
  EXPECT_EQ(controls().Panel3->Edit4->text(), " 45.0");
  EXPECT_FALSE(g().GraphShown);

  // A Rho alone refused changes nothing, the picture included.
  drawFunction("x*y");
  const QImage again = p.Picture.copy();
  said.clear();
  answerOk([this](QDialog&) { forms.viewDlg->Edit3->setText("1"); });
  item("View1").trigger();
  EXPECT_EQ(said.size(), 1u);
  EXPECT_FALSE(g().ViewChanged);
  EXPECT_TRUE(g().GraphShown);
  EXPECT_EQ(p.Picture, again);
  EXPECT_NE(picture, again);

  // A near eye that sees the box is taken without a word.
  said.clear();
  answerOk([this](QDialog&) { forms.viewDlg->Edit3->setText("60"); });
  item("View1").trigger();
  EXPECT_TRUE(said.empty());
  EXPECT_EQ(g().Rho, 60);
}

TEST_F(EyeRefusalTest, TypedAnglesArrowsAndDragsStopShortOfTheBox) {
  drawn();
  g().Rho = 5.8; // sees the default box from Theta 30 but not from 40 or 45
  answerOk();
  QLineEdit* field = controls().Panel3->Edit4;
  field->setText("45");
  QTest::keyClick(field, Qt::Key_Return);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0],
            std::string("At Theta = 45, Phi = 80, Rho = 5.8") + TooNear + "; Theta is kept at 30.");
  EXPECT_NEAR(thetaDegrees(), 30, 1e-9);
  EXPECT_EQ(field->text(), " 30.0");

  said.clear();
  const QImage picture = p.Picture.copy();
  controls().Panel3->BitBtn1->click(); // Theta + 10
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0],
            std::string("At Theta = 40, Phi = 80, Rho = 5.8") + TooNear + "; Theta is kept at 30.");
  EXPECT_NEAR(thetaDegrees(), 30, 1e-9);
  EXPECT_EQ(p.Picture, picture);
  controls().Panel3->BitBtn2->click(); // Theta - 10 is seen
  EXPECT_NEAR(thetaDegrees(), 20, 1e-9);
  EXPECT_EQ(said.size(), 1u);

  // Dragging to the left turns Theta up: the drag goes as far as the eye sees the box.
  said.clear();
  const int width = controls().PaintBox1->width();
  const int tenDegrees = width / 36;
  mouse(QEvent::MouseButtonPress, {200, 100}, Qt::LeftButton);
  mouse(QEvent::MouseMove, {200 - tenDegrees, 100}, Qt::LeftButton);
  const double oneStep = thetaDegrees();
  EXPECT_NEAR(oneStep, 20 + 360.0 * tenDegrees / width, 1e-9);
  mouse(QEvent::MouseMove, {200 - 3 * tenDegrees, 100}, Qt::LeftButton);
  EXPECT_EQ(thetaDegrees(), oneStep);
  mouse(QEvent::MouseButtonRelease, {200 - 3 * tenDegrees, 100}, Qt::NoButton);
  EXPECT_TRUE(said.empty());
  EXPECT_TRUE(EyeSeesAxesBox(g()));
}

TEST_F(EyeRefusalTest, TheAxesDialogAndTheFitKeepTheOldBox) {
  drawn();
  answerOk([this](QDialog&) {
    forms.axesDlg->field(0)->setText("-300");
    forms.axesDlg->field(1)->setText("300");
  });
  item("ChangeAxes1").trigger();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0], std::string("At Theta = 30, Phi = 80, Rho = 200 the eye would stand inside "
                                 "the new axes box or too near it to see all of it; the axes are "
                                 "kept. Move the eye farther out first (View > Eye Position)."));
  EXPECT_EQ(g().AxisXMin, -3);
  EXPECT_EQ(g().AxisXMax, 3);
  EXPECT_FALSE(g().AxesChanged);
  EXPECT_TRUE(g().GraphShown);

  // The fitted box of 100x reaches -300 .. 300 in z; from Rho 20 it is refused.
  g().Rho = 20;
  g().FunctionText = "100*x";
  said.clear();
  host.polls = 0;
  item("FitAxes1").trigger();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_NE(said[0].find("inside the fitted axes box"), std::string::npos) << said[0];
  EXPECT_EQ(g().AxisZMin, -10);
  EXPECT_EQ(g().AxisZMax, 10);
  EXPECT_FALSE(g().AxesChanged);
}

TEST_F(EyeRefusalTest, AMovieThatWouldTurnTheEyeTooNearIsNotMade) {
  drawn();
  g().Rho = 5.8;
  g().MovieFrameCount = 16;
  answerOk();
  item("Create1").trigger();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0], std::string("The movie turns the eye round the z axis, and at Theta = 52.5, "
                                 "Phi = 80, Rho = 5.8") +
                         TooNear + "; no movie is made.");
  EXPECT_FALSE(MovieBuilt(p));
  EXPECT_NEAR(thetaDegrees(), 30, 1e-9);
}

} // namespace
