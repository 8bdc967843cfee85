// SPDX-License-Identifier: MIT
// The settings dialogs through their menu commands: fields shown, corrections, change flags.
#include "WindowFixture.h"

#include "ui/Axes1.h"
#include "ui/Changer1.h"
#include "ui/Domain1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/Moviefm.h"
#include "ui/Param1.h"
#include "ui/Planeu.h"
#include "ui/SweepDlg.h"
#include "ui/View.h"
#include "ui/lineu.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <functional>
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

// After a failed draw the editor names the function and the reason under its heading and
// puts the keyboard in that function's field, on the offending characters: the cursor at the
// end of a text that ends too early, the whole field for a value that could not be had.
TEST_F(WindowTest, EditorAfterAnErrorPointsAtTheMistake) {
  struct Row {
    char kind;
    const char *x, *y, *z; // kinds 1 and 2 take z only
    int field;             // 1, 2 or 3: Edit1 .. Edit3
    const char* failure;
    const char* selected;
    int cursor;
  };
  const Row rows[] = {
      {'4', "u", "u*sinx(v)", "v", 2, "Y, column 3: unknown name 'SINX'", "sinx", 6},
      {'4', "u+", "v", "u", 1, "X, column 3: the text ends too early", "", 2},
      {'4', "u", "v", "u*v*\xc3\xa9", 3, "Z, column 5: a character that cannot stand in a function",
       "\xc3\xa9", 5},
      {'1', nullptr, nullptr, "sin(x", 1, "Z, column 6: ')' expected", "", 5},
      {'2', nullptr, nullptr, "r*q", 1, "Z, column 3: unknown name 'Q'", "q", 3},
      // A space curve fails on its z only.
      {'3', "t", "t", "sqrt(-1-t)", 3, "Z at t = 0: no value there (a domain error)", "sqrt(-1-t)",
       10},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.failure);
    choose(row.kind - '0');
    if (row.x) {
      g().FunctionTextX = row.x;
      g().FunctionTextY = row.y;
      g().FunctionTextZ = row.z;
    } else {
      g().FunctionText = row.z;
    }
    TEqnDlg& d = *forms.eqnDlg;
    QLineEdit* const fields[3] = {d.Edit1, d.Edit2, d.Edit3};
    QLineEdit* const failing = fields[row.field - 1];
    QString heading, failure, shown, selected, mark;
    bool failureUnderHeading = false, fits = false, focused = false, othersPlain = true;
    int cursor = -1, height = 0;
    answer = [&](QDialog&) {
      heading = d.Label1->text();
      // A line too long for the dialog is cut short; its tooltip has it all.
      failure = d.FailureLabel->isVisibleTo(&d) ? d.FailureLabel->toolTip() : QString();
      shown = d.FailureLabel->text();
      fits = d.FailureLabel->fontMetrics().horizontalAdvance(shown) <= d.FailureLabel->width();
      failureUnderHeading = d.FailureLabel->y() > d.Label1->geometry().bottom() &&
                            d.FailureLabel->geometry().bottom() < d.Bevel1->y();
      // Shown, the dialog gives its focus field a tab's focus, which must not select more.
      d.show();
      focused = d.focusWidget() == failing;
      selected = failing->selectedText();
      cursor = failing->cursorPosition();
      d.hide();
      mark = fieldMark(failing);
      for (QLineEdit* other : fields)
        if (other != failing && !fieldMark(other).isEmpty()) othersPlain = false;
      height = d.height();
      return Cancel;
    };
    opened.clear();
    item("Draw1").trigger();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(heading, TEqnDlg::ErrorHeading);
    EXPECT_EQ(failure.toStdString(), row.failure);
    EXPECT_TRUE(shown == failure || (shown.endsWith(QChar(0x2026)) && shown.size() > 12 &&
                                     failure.startsWith(shown.chopped(1))))
        << shown.toStdString();
    EXPECT_TRUE(fits);
    EXPECT_TRUE(failureUnderHeading);
    EXPECT_TRUE(focused);
    EXPECT_EQ(selected.toStdString(), row.selected);
    EXPECT_EQ(cursor, row.cursor);
    EXPECT_EQ(mark.toStdString(), row.failure);
    EXPECT_TRUE(othersPlain);

    // The Function command shows the editor as it always was: no failure line, no mark, the
    // first field selected, and one line shorter.
    int editHeight = 0;
    answer = [&](QDialog&) {
      EXPECT_FALSE(d.FailureLabel->isVisibleTo(&d));
      EXPECT_EQ(fieldMark(failing), "");
      EXPECT_EQ(d.focusWidget(), d.Edit1);
      EXPECT_EQ(d.Edit1->selectedText(), d.Edit1->text());
      editHeight = d.height();
      return Cancel;
    };
    item("Function1").trigger();
    EXPECT_GT(height, editHeight);
    EXPECT_LE(height - editHeight, 2 * d.FailureLabel->height());
  }
}

// The mark on the failing field goes with the first edit; the line under the heading stays
// with the heading.
TEST_F(WindowTest, EditorAfterAnErrorUnmarksTheFieldWhenItIsEdited) {
  choose(1);
  g().FunctionText = "sin(x";
  TEqnDlg& d = *forms.eqnDlg;
  answer = [&](QDialog&) {
    EXPECT_FALSE(fieldMark(d.Edit1).isEmpty());
    EXPECT_FALSE(d.Edit1->styleSheet().isEmpty());
    QTest::keyClick(d.Edit1, Qt::Key_ParenRight);
    EXPECT_EQ(d.Edit1->text(), "sin(x)");
    EXPECT_EQ(fieldMark(d.Edit1), "");
    EXPECT_EQ(d.Edit1->toolTip(), "");
    EXPECT_TRUE(d.Edit1->styleSheet().isEmpty());
    EXPECT_TRUE(d.FailureLabel->isVisibleTo(&d));
    return Ok;
  };
  item("Draw1").trigger();
  EXPECT_EQ(g().FunctionText, "sin(x)");
}

// ---- Unreadable fields -------------------------------------------------------------------

// OK in any dialog with a numeric field that cannot be read keeps the dialog open once, with
// the field marked (a red frame, the reason as its tooltip) and the keyboard at the mistake;
// an edit takes the mark away. OK again on the same text closes the dialog, and the setting
// keeps its old value.
TEST_F(WindowTest, UnreadableFieldIsMarkedAndKeepsTheOldValue) {
  struct Row {
    const char* item;
    int kind;
    std::function<QLineEdit*()> field;
    std::function<double()> setting;
  };
  const Row rows[] = {
      {"Domain1", 1, [&] { return forms.domainDlg->field(1); }, [&] { return g().XMax; }},
      {"ChangeAxes1", 1, [&] { return forms.axesDlg->field(4); }, [&] { return g().AxisZMin; }},
      {"View1", 1, [&] { return forms.viewDlg->Edit3; }, [&] { return g().Rho; }},
      {"Parameters1", 1, [&] { return forms.paramDlg->field(2); },
       [&] { return g().ParamValues[2]; }},
      {"Curves1", 1, [&] { return forms.change1Dlg->Edit2; }, [&] { return g().YCurves; }},
      {"Step1", 3, [&] { return forms.change1Dlg->Edit1; }, [&] { return g().TStep; }},
      {"Edit2", 1, [&] { return forms.planeDlg->field(3); }, [&] { return g().Plane.A; }},
      {"Edit3", 1, [&] { return forms.lineDlg->field(5); }, [&] { return g().Line.Z2; }},
      {"Edit7", 1, [&] { return forms.movieDlg->Edit1; },
       [&] { return double(g().MovieFrameCount); }},
      {"AnimateParameter1", 1, [&] { return forms.sweepDlg->ToEdit; },
       [&] { return forms.sweepDlg->sweep().to; }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.item);
    choose(row.kind);
    QLineEdit* field = row.field();
    double before = 0;
    bool closedAtFirst = true, focused = false, framed = false, editUnmarks = false;
    bool closedAgain = true, closedAtLast = false;
    QString mark, tip;
    int cursor = -1;
    const auto pressOk = [](QDialog& dialog) {
      dialog.setResult(QDialog::Rejected);
      dialog.accept();
      return dialog.result() == QDialog::Accepted;
    };
    answer = [&](QDialog& dialog) {
      if (field->window() != &dialog) return Ok; // the sweep's message
      if (&dialog == forms.sweepDlg.get()) forms.sweepDlg->FramesEdit->setText("1");
      before = row.setting();
      field->setText("2+");
      closedAtFirst = pressOk(dialog);
      mark = fieldMark(field);
      tip = field->toolTip();
      framed = !field->styleSheet().isEmpty();
      focused = dialog.focusWidget() == field;
      cursor = field->cursorPosition();
      QTest::keyClick(field, Qt::Key_Backspace);
      editUnmarks =
          fieldMark(field).isEmpty() && field->toolTip().isEmpty() && field->styleSheet().isEmpty();
      // Typed again, the text is a new mistake for the next OK; the OK after that closes.
      QTest::keyClick(field, Qt::Key_Plus);
      closedAgain = pressOk(dialog);
      closedAtLast = pressOk(dialog);
      return Ok;
    };
    item(row.item).trigger();
    EXPECT_FALSE(closedAtFirst);
    EXPECT_EQ(mark, "column 3: the text ends too early");
    EXPECT_EQ(tip, mark);
    EXPECT_TRUE(framed);
    EXPECT_TRUE(focused);
    EXPECT_EQ(cursor, 2);
    EXPECT_TRUE(editUnmarks);
    EXPECT_FALSE(closedAgain);
    EXPECT_TRUE(closedAtLast);
    EXPECT_EQ(row.setting(), before);
  }
}

// Each way a field is not read has its reason; the field shows where the mistake is, and an
// untouched or readable field beside it is neither marked nor a reason to stay open. The
// next opening shows the fields plain.
TEST_F(WindowTest, UnreadableFieldsSayWhy) {
  choose(1);
  TAxesDlg& dialog = *forms.axesDlg;
  struct Row {
    const char* text;
    const char* reason;
    const char* selected;
  };
  const Row rows[] = {
      {"", "empty: the old value is kept", ""},
      {"2*sinx(1)", "column 3: unknown name 'SINX'", "sinx"},
      {"sqrt(-1)", "no value: a domain error", "sqrt(-1)"},
      {"4", "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    bool closed = false;
    QString markOfReadable, markOfUntouched, mark, selected;
    answer = [&](QDialog&) {
      dialog.field(0)->setText("-4");
      dialog.field(3)->setText(row.text);
      dialog.setResult(QDialog::Rejected);
      dialog.accept();
      closed = dialog.result() == QDialog::Accepted;
      markOfReadable = fieldMark(dialog.field(0));
      markOfUntouched = fieldMark(dialog.field(1));
      mark = fieldMark(dialog.field(3));
      selected = dialog.field(3)->selectedText();
      return Ok;
    };
    item("ChangeAxes1").trigger();
    EXPECT_EQ(closed, !*row.reason);
    EXPECT_EQ(mark.toStdString(), row.reason);
    EXPECT_EQ(selected.toStdString(), row.selected);
    EXPECT_EQ(markOfReadable, "");
    EXPECT_EQ(markOfUntouched, "");
    EXPECT_EQ(g().AxisXMin, -4);
    EXPECT_EQ(g().AxisYMax, *row.reason ? 3 : 4);
    dialog.load();
    EXPECT_EQ(fieldMark(dialog.field(3)), "");
    ResetGraphDefaults(p);
  }
}

} // namespace
