// SPDX-License-Identifier: MIT
// The implicit surfaces in the window: the start-up form's sixth choice, the kind's window and
// menus, the function editor, the curves dialog's third field, a failed draw, turning without
// evaluating and the samples.
#include "WindowFixture.h"

#include "ui/Changer1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/SampleList.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QToolButton>

#include <cmath>

namespace {

constexpr int Ok = QDialog::Accepted;

// The choices keep their places and numbers; the sixth comes under Quit.
TEST_F(WindowTest, StartUpFormOffersImplicitSurfacesUnderQuit) {
  for (int n = 1; n <= 6; ++n) {
    SCOPED_TRACE(n);
    const QPushButton* button = forms.mainMenu->button(n);
    EXPECT_EQ(button->text(), QString::number(n));
    EXPECT_EQ(button->geometry(), QRect(16, 24 + 40 * (n - 1), 25, 25));
  }
  QStringList labels;
  for (const QLabel* label : forms.mainMenu->findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("Quit"));
  EXPECT_TRUE(labels.contains("Draw 2-parameter Surfaces  x(u,v),  y(u,v),  z(u,v)"));
  EXPECT_TRUE(labels.contains("Draw Implicit Surfaces F(x,y,z) = 0"));
  choose(6);
  EXPECT_FALSE(forms.mainMenu->isVisible());
  EXPECT_TRUE(window().isVisible());
  EXPECT_EQ(g().GraphKind, ImplicitKind);
}

TEST_F(WindowTest, ImplicitKindWindowAndMenus) {
  choose(6);
  EXPECT_EQ(window().windowTitle().toStdString(), "        Kelvo  Implicit Surfaces");
  EXPECT_FALSE(item("Step1").isVisible());
  EXPECT_FALSE(item("Domain1").isVisible());
  EXPECT_TRUE(item("Curves1").isVisible());
  EXPECT_FALSE(menu("planeMenu").menuAction()->isVisible());
  EXPECT_FALSE(menu("contoursMenu").menuAction()->isVisible());
  EXPECT_TRUE(menu("movieMenu").menuAction()->isVisible());
  EXPECT_EQ(g().FunctionText, "x^2+y^2+z^2=4");
  EXPECT_EQ(g().AxisZMin, -3);
  // The graphing rectangle of the two-parameter surfaces: 0.6 of the width.
  EXPECT_EQ(p.view.GraphRight - p.view.GraphLeft,
            static_cast<int>(std::lround(0.6 * p.ClientWidth)));
  // Another kind chosen after it has its Domain again.
  item("Exit1").trigger();
  choose(4);
  EXPECT_TRUE(item("Domain1").isVisible());
}

TEST_F(WindowTest, DrawShowsTheEquationAndTurningEvaluatesNothing) {
  choose(6);
  g().GridColor = clNone;
  host.polls = 0;
  item("Draw1").trigger();
  EXPECT_FALSE(g().EvalFailed);
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(controls().Label1->text(), "x^2+y^2+z^2=4");
  const Pixel middle = ProjectPoint(p.view, 0, 0, 0);
  EXPECT_NE(p.PictureCopy.pixel(middle.x + 8, middle.y + 8) & 0xFFFFFF, 0xFFFFFFu);
  const int drawPolls = host.polls;
  EXPECT_GE(drawPolls, 31 * 31);
  const auto* kept = p.ImplicitSurface.surface.triangles.data();
  host.polls = 0;
  controls().Panel3->BitBtn1->click();
  EXPECT_LT(host.polls, 31 * 31);
  EXPECT_EQ(p.ImplicitSurface.surface.triangles.data(), kept);
  // A function without "=" is shown as F = 0.
  g().FunctionText = "x*y*z-1";
  item("Draw1").trigger();
  EXPECT_EQ(controls().Label1->text(), "x*y*z-1 = 0");
}

TEST_F(WindowTest, FunctionEditorTakesOneEquation) {
  choose(6);
  QString heading, label;
  bool others = true;
  answer = [&](QDialog&) {
    TEqnDlg& d = *forms.eqnDlg;
    heading = d.Label1->text();
    label = d.Label2->text();
    others = d.Edit2->isVisibleTo(&d) || d.Edit3->isVisibleTo(&d);
    EXPECT_EQ(d.Edit1->text(), "x^2+y^2+z^2=4");
    d.Edit1->setText("x^2+y^2-z^2=1");
    return Ok;
  };
  item("Function1").trigger();
  EXPECT_EQ(heading, "Enter F(x,y,z) = 0 or an equation in x, y, z");
  EXPECT_EQ(label, "F :");
  EXPECT_FALSE(others);
  EXPECT_EQ(g().FunctionText, "x^2+y^2-z^2=1");
  EXPECT_EQ(controls().Label1->text(), "x^2+y^2-z^2=1");
  // The label does not follow the editor into another kind's error.
  item("Exit1").trigger();
  choose(1);
  answer = [&](QDialog&) {
    label = forms.eqnDlg->Label2->text();
    return int(QDialog::Rejected);
  };
  g().FunctionText = "x+";
  item("Draw1").trigger();
  EXPECT_EQ(label, "Z =");
}

TEST_F(WindowTest, FailedImplicitDrawReopensTheEditorOnTheMistake) {
  choose(6);
  QString failure, selected;
  answer = [&](QDialog& dialog) {
    TEqnDlg& d = *forms.eqnDlg;
    EXPECT_EQ(&dialog, &d);
    failure = d.FailureLabel->toolTip();
    d.show();
    selected = d.Edit1->selectedText();
    d.hide();
    d.Edit1->setText("x^2+y^2+z^2=1");
    return Ok;
  };
  g().FunctionText = "x^2+y^2+zz^3+w=4";
  item("Draw1").trigger();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(failure, "F, column 14: unknown name 'W'");
  EXPECT_EQ(selected, "w");
  EXPECT_GE(host.beeps, 11);
  EXPECT_EQ(g().FunctionText, "x^2+y^2+z^2=1");
  EXPECT_EQ(controls().Label1->text(), "x^2+y^2+z^2=1");
}

TEST_F(WindowTest, CurvesDialogHasZCurvesForImplicitSurfacesOnly) {
  choose(6);
  TChange1Dlg& d = *forms.change1Dlg;
  bool third = false;
  QString zLabel;
  int height = 0;
  bool okBelowThirdField = false;
  answer = [&](QDialog&) {
    third = d.Edit3->isVisibleTo(&d);
    zLabel = d.Label4->text();
    height = d.height();
    for (const QPushButton* button : d.findChildren<QPushButton*>())
      if (button->text() == "OK") okBelowThirdField = button->y() > d.Edit3->geometry().bottom();
    EXPECT_EQ(d.Edit3->text(), "30.0");
    d.Edit1->setText("20");
    d.Edit3->setText("1");
    d.Edit2->setText("40");
    return Ok;
  };
  item("Curves1").trigger();
  EXPECT_TRUE(third);
  EXPECT_EQ(zLabel, "Z-Curves ");
  EXPECT_GT(height, 145);
  EXPECT_TRUE(okBelowThirdField);
  EXPECT_EQ(g().XCurves, 20);
  EXPECT_EQ(g().YCurves, 40);
  // Two cells at least along each axis: 1 is out of range and becomes 80.
  EXPECT_EQ(g().ZCurves, 80);

  item("Exit1").trigger();
  choose(1);
  answer = [&](QDialog&) {
    third = d.Edit3->isVisibleTo(&d);
    height = d.height();
    return int(QDialog::Rejected);
  };
  item("Curves1").trigger();
  EXPECT_FALSE(third);
  EXPECT_EQ(height, 145);
}

TEST_F(WindowTest, SamplesWindowOffersTenImplicitSurfaces) {
  choose(6);
  item("Samples1").trigger();
  TSampleFm& samples = *forms.sampleFm;
  ASSERT_TRUE(samples.isVisible());
  int shown = 0;
  for (int n = 1; n <= 10; ++n) shown += samples.radioButton(n)->isVisible();
  EXPECT_EQ(shown, 10);
  EXPECT_EQ(samples.radioButton(1)->text(), "Sphere: x^2+y^2+z^2=4");
  EXPECT_TRUE(samples.radioButton(1)->isChecked());
  samples.radioButton(7)->click();
  EXPECT_EQ(g().FunctionText, "(x^2+y^2+z^2+3)^2=16*(x^2+y^2)");
  item("Draw1").trigger();
  EXPECT_FALSE(g().EvalFailed);
  EXPECT_GT(p.ImplicitSurface.surface.triangles.size(), 1000u);
}

} // namespace

namespace {

// An implicit surface is kept in the picture like any other graph and drawn with the next
// one: the sphere kept, the plane z = 1 drawn through it, both in the picture's cells.
TEST_F(WindowTest, AnImplicitSurfaceIsKeptWithOtherGraphs) {
  std::vector<std::string> said;
  answer = [&said](QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) said.push_back(box->text().toStdString());
    return int(QDialog::Accepted);
  };
  choose(6);
  g().XCurves = g().YCurves = g().ZCurves = 10;
  item("Draw1").trigger();
  const std::size_t sphere = p.ImplicitSurface.surface.triangles.size();
  ASSERT_GT(sphere, 100u);
  item("KeepGraph1").trigger();
  EXPECT_TRUE(said.empty()) << said.front();
  ASSERT_EQ(p.KeptGraphs.size(), 1u);
  EXPECT_EQ(GraphName(p.KeptGraphs[0].fields), "x^2+y^2+z^2=4 (x, y, z)");
  g().FunctionText = "z=1";
  item("Draw1").trigger();
  EXPECT_FALSE(g().EvalFailed);
  ASSERT_EQ(p.KeptImplicitSurfaces.size(), 1u);
  EXPECT_EQ(p.KeptImplicitSurfaces[0].surface.triangles.size(), sphere);
  EXPECT_EQ(p.SceneCells.size(), sphere + p.ImplicitSurface.surface.triangles.size());
  EXPECT_TRUE(said.empty()) << said.front();
}

} // namespace
