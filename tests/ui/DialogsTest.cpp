// SPDX-License-Identifier: MIT
// The settings dialogs through their menu commands: fields shown, corrections, change flags.
#include "WindowFixture.h"

#include "ui/Axes1.h"
#include "ui/Changer1.h"
#include "ui/Domain1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/Param1.h"
#include "ui/View.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <string>

namespace {

constexpr double Pi = GraphState::Pi;
constexpr int Ok = QDialog::Accepted;
constexpr int Cancel = QDialog::Rejected;

// ---- Domain ------------------------------------------------------------------------------

TEST_F(WindowTest, DomainStartAboveEndMovesTheEnd) {
  choose(1);
  struct Row {
    const char *start, *end;
    double xMin, xMax;
  };
  for (const Row& row : {Row{"2", "1", 2, 3}, Row{"1", "1", 1, 1}, Row{"-2*p", "", -2 * Pi, 3},
                         Row{"oops", "5", -3, 5}}) {
    SCOPED_TRACE(row.start);
    ResetGraphDefaults(p);
    answer = [&](QDialog&) {
      forms.domainDlg->field(0)->setText(row.start);
      forms.domainDlg->field(1)->setText(row.end);
      return Ok;
    };
    item("Domain1").trigger();
    EXPECT_EQ(g().XMin, row.xMin);
    EXPECT_EQ(g().XMax, row.xMax);
  }
}

TEST_F(WindowTest, DomainShowsOnlyTheTFieldsForSpaceCurvesAndComesBack) {
  choose(3);
  TDomainDlg& dialog = *forms.domainDlg;
  const int fourRowHeight = dialog.height();
  bool twoRows = false;
  answer = [&](QDialog&) {
    twoRows = !dialog.field(2)->isVisibleTo(&dialog) && dialog.height() < fourRowHeight;
    EXPECT_EQ(dialog.label(0)->text(), "  Start t at");
    EXPECT_EQ(dialog.field(1)->text(), " 5.00000");
    return Cancel;
  };
  item("Domain1").trigger();
  EXPECT_TRUE(twoRows);
  EXPECT_TRUE(dialog.field(2)->isVisibleTo(&dialog));
  EXPECT_EQ(dialog.height(), fourRowHeight);
}

TEST_F(WindowTest, AnUntouchedDomainFieldKeepsItsExactValue) {
  choose(4);
  answer = [&](QDialog&) {
    EXPECT_EQ(forms.domainDlg->field(0)->text(), "-3.14159");
    return Ok;
  };
  item("Domain1").trigger();
  EXPECT_EQ(g().UMin, -Pi);
  EXPECT_EQ(g().VMax, Pi);
}

// ---- Axes --------------------------------------------------------------------------------

TEST_F(WindowTest, AxesChangeClearsThePictureAndEmptyRangesWiden) {
  choose(1);
  drawFunction("x*y");
  answer = [&](QDialog&) {
    forms.axesDlg->field(4)->setText("5");
    forms.axesDlg->field(5)->setText("5");
    return Ok;
  };
  item("ChangeAxes1").trigger();
  EXPECT_TRUE(g().AxesChanged);
  EXPECT_EQ(g().AxisZMax, 6);
  EXPECT_FALSE(g().GraphShown);
  EXPECT_FALSE(g().PictureCopyValid);
}

TEST_F(WindowTest, AxesOkWithoutChangeOrCancelLeavesThePicture) {
  choose(1);
  drawFunction("x*y");
  const QImage picture = p.Picture;
  for (int result : {Ok, Cancel}) {
    answer = [&](QDialog&) {
      if (result == Cancel) forms.axesDlg->field(0)->setText("-1");
      return result;
    };
    item("ChangeAxes1").trigger();
    EXPECT_FALSE(g().AxesChanged);
    EXPECT_TRUE(g().PictureCopyValid);
    EXPECT_EQ(p.Picture, picture);
  }
  EXPECT_EQ(g().AxisXMin, -3);
}

TEST_F(WindowTest, AxesCancelStillCorrectsStoredRanges) {
  choose(1);
  g().AxisZMin = g().AxisZMax = 5;
  answer = [](QDialog&) { return Cancel; };
  item("ChangeAxes1").trigger();
  EXPECT_EQ(g().AxisZMax, 6);
  EXPECT_EQ(forms.axesDlg->label(4)->text(), "Min z=");
}

// ---- View --------------------------------------------------------------------------------

TEST_F(WindowTest, ViewWrapsThetaClampsPhiAndMendsRho) {
  choose(1);
  struct Row {
    const char *theta, *phi, *rho;
    const char *thetaShown, *phiShown;
    double rhoAfter;
  };
  for (const Row& row :
       {Row{"370", "", "", " 10.0", " 80.0", 200}, Row{"-30", "200", "", "330.0", "180.0", 200},
        Row{"", "-5", "-5", " 30.0", "  0.0", 200}, Row{"p", "", "150", "  3.1", " 80.0", 150}}) {
    SCOPED_TRACE(row.theta);
    ResetGraphDefaults(p);
    answer = [&](QDialog&) {
      forms.viewDlg->Edit1->setText(row.theta);
      forms.viewDlg->Edit2->setText(row.phi);
      forms.viewDlg->Edit3->setText(row.rho);
      return Ok;
    };
    item("View1").trigger();
    EXPECT_EQ(controls().Panel3->Edit4->text(), row.thetaShown);
    EXPECT_EQ(controls().Panel3->Edit5->text(), row.phiShown);
    EXPECT_EQ(g().Rho, row.rhoAfter);
  }
}

TEST_F(WindowTest, ViewChangeClearsThePictureButAnUntouchedOkDoesNot) {
  choose(1);
  drawFunction("x*y");
  controls()
      .Panel3->BitBtn1->click(); // Theta now a sum that 40.00 degrees does not give back exactly
  answer = [&](QDialog&) { return Ok; };
  item("View1").trigger();
  EXPECT_FALSE(g().ViewChanged);
  EXPECT_TRUE(g().PictureCopyValid);

  answer = [&](QDialog&) {
    forms.viewDlg->Edit2->setText("60");
    return Ok;
  };
  item("View1").trigger();
  EXPECT_TRUE(g().ViewChanged);
  EXPECT_FALSE(g().GraphShown);
  EXPECT_FALSE(g().PictureCopyValid);
}

TEST_F(WindowTest, ViewCancelStillReplacesABadRho) {
  choose(1);
  g().Rho = -5;
  answer = [](QDialog&) { return Cancel; };
  item("View1").trigger();
  EXPECT_EQ(g().Rho, 200);
}

TEST_F(WindowTest, ThetaOf345StepsToMinusFive) {
  choose(1);
  answer = [&](QDialog&) {
    forms.viewDlg->Edit1->setText("345");
    return Ok;
  };
  item("View1").trigger();
  controls().Panel3->BitBtn1->click();
  EXPECT_EQ(controls().Panel3->Edit4->text(), " -5.0");
}

// ---- Curves, step and title: the shared small dialog -------------------------------------

TEST_F(WindowTest, CurvesRoundToEvenAndStayWithinEighty) {
  choose(1);
  struct Row {
    const char* typed;
    double count;
  };
  for (const Row& row :
       {Row{"0", 80}, Row{"80.5", 80}, Row{"81", 80}, Row{"2.5", 2}, Row{"3.5", 4}, Row{"", 15}}) {
    SCOPED_TRACE(row.typed);
    g().XCurves = 15;
    answer = [&](QDialog&) {
      EXPECT_EQ(forms.change1Dlg->Edit1->text(), "15.0");
      forms.change1Dlg->Edit1->setText(row.typed);
      return Ok;
    };
    item("Curves1").trigger();
    EXPECT_EQ(g().XCurves, row.count);
    EXPECT_EQ(g().YCurves, 15);
  }
}

TEST_F(WindowTest, StepIsMadePositiveAndTheFormNarrowsAgain) {
  choose(3);
  struct Row {
    const char* typed;
    double step;
  };
  for (const Row& row : {Row{"-0.05", 0.05}, Row{"0", 0.125}, Row{"1/0", 0.1}}) {
    SCOPED_TRACE(row.typed);
    g().TStep = 0.1;
    int widthWhileOpen = 0;
    answer = [&](QDialog&) {
      widthWhileOpen = forms.change1Dlg->width();
      EXPECT_EQ(forms.change1Dlg->Edit1->text(), "0.1000");
      EXPECT_FALSE(forms.change1Dlg->Edit2->isVisibleTo(forms.change1Dlg.get()));
      forms.change1Dlg->Edit1->setText(row.typed);
      return Ok;
    };
    item("Step1").trigger();
    EXPECT_DOUBLE_EQ(g().TStep, row.step);
    EXPECT_EQ(widthWhileOpen, TChange1Dlg::StepWidth);
    EXPECT_EQ(forms.change1Dlg->width(), TChange1Dlg::DesignWidth);
  }
}

// OK with a step that would give the curve over 0..5 more than a million points keeps the
// dialog open with the smallest step in its top line; had it been closed anyway, the step
// before stays.
TEST_F(WindowTest, StepGivingTooManyPointsIsRefused) {
  choose(3);
  struct Row {
    const char* typed;
    bool accepted;
    double step;
  };
  for (const Row& row : {Row{"1e-9", false, 0.1}, Row{"5e-6", true, 5e-6}}) {
    SCOPED_TRACE(row.typed);
    g().TStep = 0.1;
    bool acceptedByOk = false;
    QString message;
    answer = [&](QDialog& dialog) {
      forms.change1Dlg->Edit1->setText(row.typed);
      dialog.setResult(QDialog::Rejected);
      dialog.accept();
      acceptedByOk = dialog.result() == QDialog::Accepted;
      message = forms.change1Dlg->Label1->text();
      return Ok;
    };
    item("Step1").trigger();
    EXPECT_EQ(acceptedByOk, row.accepted);
    EXPECT_EQ(message.contains("5.000E-06"), !row.accepted) << message.toStdString();
    EXPECT_DOUBLE_EQ(g().TStep, row.step);
  }
}

TEST_F(WindowTest, TitleIsCutToFiftyCharactersAndShown) {
  choose(1);
  const std::string typed(60, 'T');
  answer = [&](QDialog&) {
    forms.change1Dlg->Edit1->setText(QString::fromStdString(typed));
    return Ok;
  };
  item("GraphTitle1").trigger();
  EXPECT_EQ(g().GraphTitle, typed.substr(0, 50));
  EXPECT_EQ(controls().Panel2->text().toStdString(), typed.substr(0, 50));

  answer = [&](QDialog&) {
    forms.change1Dlg->Edit1->setText("2*p");
    return Cancel;
  };
  item("GraphTitle1").trigger();
  EXPECT_EQ(g().GraphTitle, typed.substr(0, 50));

  // The curves dialog after the title dialog shows both fields again.
  opened.clear();
  bool bothFields = false;
  QString caption;
  answer = [&](QDialog&) {
    bothFields = forms.change1Dlg->Edit2->isVisibleTo(forms.change1Dlg.get());
    caption = forms.change1Dlg->Label2->text();
    return Cancel;
  };
  item("Curves1").trigger();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], forms.change1Dlg.get());
  EXPECT_TRUE(bothFields);
  EXPECT_EQ(caption, "X-Curves ");
}

// ---- Parameters --------------------------------------------------------------------------

TEST_F(WindowTest, ParametersRewriteOnlyChangedCaptions) {
  choose(1);
  answer = [&](QDialog&) {
    EXPECT_EQ(forms.paramDlg->field(0)->text(), " 0.00000");
    forms.paramDlg->field(0)->setText("p");
    forms.paramDlg->field(2)->setText("0.0005");
    forms.paramDlg->field(5)->setText("12345678");
    return Ok;
  };
  item("Parameters1").trigger();
  EXPECT_EQ(controls().parameterLabels[0]->text(), "a=   3.142");
  EXPECT_EQ(controls().parameterLabels[1]->text(), "");
  EXPECT_EQ(controls().parameterLabels[2]->text(), "c=5.000E-04");
  EXPECT_EQ(controls().parameterLabels[5]->text(), "f =1.235E+07");
  EXPECT_EQ(g().ParamA, Pi);
}

TEST_F(WindowTest, ParametersCancelKeepsValuesButRefreshesTheEvaluator) {
  choose(1);
  g().ParamValues[1] = 2.5;
  answer = [&](QDialog&) {
    EXPECT_EQ(forms.paramDlg->field(1)->text(), " 2.50000");
    forms.paramDlg->field(1)->setText("7");
    return Cancel;
  };
  item("Parameters1").trigger();
  EXPECT_EQ(g().ParamValues[1], 2.5);
  EXPECT_EQ(g().ParamB, 2.5);
  EXPECT_EQ(controls().parameterLabels[1]->text(), "");
}

// ---- Function editor ---------------------------------------------------------------------

TEST_F(WindowTest, FunctionEditorStoresZeroForAnEmptyField) {
  choose(1);
  answer = [&](QDialog&) {
    EXPECT_EQ(forms.eqnDlg->Label1->text(), "Enter your Function of x and y");
    EXPECT_FALSE(forms.eqnDlg->Edit2->isVisibleTo(forms.eqnDlg.get()));
    forms.eqnDlg->Edit1->clear();
    return Ok;
  };
  g().FunctionText = "x";
  item("Function1").trigger();
  EXPECT_EQ(g().FunctionText, "0");
  EXPECT_TRUE(g().FunctionReady);
  EXPECT_EQ(controls().Label1->text(), "Z= 0");
}

TEST_F(WindowTest, FunctionEditorCancelKeepsTextsButRewritesCaptions) {
  choose(2);
  g().FunctionText = "r*t";
  answer = [&](QDialog&) {
    forms.eqnDlg->Edit1->setText("changed");
    return Cancel;
  };
  item("Function1").trigger();
  EXPECT_EQ(g().FunctionText, "r*t");
  EXPECT_FALSE(g().FunctionReady);
  EXPECT_EQ(controls().Label1->text(), "Z= r*t");
}

TEST_F(WindowTest, FunctionEditorForCurvesKeepsThreeTexts) {
  choose(3);
  answer = [&](QDialog&) {
    TEqnDlg& d = *forms.eqnDlg;
    EXPECT_EQ(d.Label1->text(), "Enter your Functions of t");
    EXPECT_EQ(d.Label2->text(), "X =");
    EXPECT_TRUE(d.Edit3->isVisibleTo(&d));
    d.Edit1->setText("cos(t)");
    d.Edit2->clear();
    d.Edit3->setText("T");
    return Ok;
  };
  item("Function1").trigger();
  EXPECT_EQ(g().FunctionTextX, "cos(t)");
  EXPECT_EQ(g().FunctionTextY, "0");
  EXPECT_EQ(g().FunctionTextZ, "T");
  EXPECT_EQ(controls().Label1->text(), "X= cos(t) ;    Y= 0");
  EXPECT_EQ(controls().Label11->text(), "Z= T");
}

// The editor comes back after a draw that failed to evaluate.
TEST_F(WindowTest, EditorAfterAnErrorLeavesFunctionReadyAndUsesItsOwnCaptions) {
  choose(4);
  g().FunctionTextZ = "u+";
  QString heading;
  answer = [&](QDialog&) {
    heading = forms.eqnDlg->Label1->text();
    // The draw made the function ready; the editor's answer must leave that as it finds it.
    g().FunctionReady = false;
    forms.eqnDlg->Edit3->setText("u+v");
    return Ok;
  };
  item("Draw1").trigger();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(heading, TEqnDlg::ErrorHeading);
  EXPECT_FALSE(g().FunctionReady);
  EXPECT_EQ(g().FunctionTextZ, "u+v");
  EXPECT_EQ(controls().Label11->text(), "Z = u+v");
}

} // namespace
