// SPDX-License-Identifier: MIT
// The shared one- and two-field dialog.
#include "ui/Changer1.h"
#include "ui/Accessibility.h"

#include "graph/Corrections.h"
#include "graph/Format.h"
#include "render/Program.h"

TChange1Dlg::TChange1Dlg(Program& program, QWidget* parent)
    : QDialog(parent), p(program), m_buttons(this, 36, 108) {
  useDialogFont(this);
  Label1 = placeLabel(this, QString(), 8, 8, StepWidth - 12);
  Label2 = placeLabel(this, QString(), 8, 44, 56);
  Edit1 = placeEdit(this, 64, 40, 97);
  Label3 = placeLabel(this, QString(), 8, 76, 56);
  Edit2 = placeEdit(this, 64, 72, 97);
  Label4 = placeLabel(this, QString(), 8, 108, 56);
  Edit3 = placeEdit(this, 64, 104, 97);
  setFixedSize(DesignWidth, 145);
  showThirdField(false);
}

void TChange1Dlg::showThirdField(bool shown) {
  constexpr int Row = 32;
  Label4->setVisible(shown);
  Edit3->setVisible(shown);
  m_buttons.moveTop(108 + (shown ? Row : 0));
  setFixedHeight(145 + (shown ? Row : 0));
}

void TChange1Dlg::load(Use use) {
  const GraphState& g = p.graph;
  m_use = use;
  switch (use) {
  case Use::Curves:
    // Keeps the width the form has: its own, or the one the step dialog left.
    setWindowTitle(tr("Change Number of Curves"));
    Label1->setText(tr("More Curves for better resolution"));
    Label2->setText(tr("X-Curves "));
    Label3->setText(tr("Y-Curves "));
    Edit1->setGeometry(64, Edit1->y(), 97, Edit1->height());
    Edit2->show();
    showFieldText(Edit1, formatFixed(g.XCurves, 4, 1));
    showFieldText(Edit2, formatFixed(g.YCurves, 4, 1));
    showThirdField(g.GraphKind == ImplicitKind);
    Label4->setText(tr("Z-Curves "));
    showFieldText(Edit3, formatFixed(g.ZCurves, 4, 1));
    break;
  case Use::Title:
    showThirdField(false);
    Label2->clear();
    Label3->clear();
    Edit1->setGeometry(8, Edit1->y(), 220, Edit1->height());
    Edit2->hide();
    setWindowTitle(tr("Graph Title"));
    Label1->setText(tr("Enter a Title"));
    showFieldText(Edit1, g.GraphTitle);
    break;
  case Use::Step:
    showThirdField(false);
    setFixedWidth(StepWidth);
    Label2->clear();
    Label3->clear();
    Edit1->setGeometry(8, Edit1->y(), 220, Edit1->height());
    Edit2->hide();
    setWindowTitle(tr("Stepsize for t"));
    Label1->setText(tr("For a smoother graph, reduce stepsize"));
    showFieldText(Edit1, formatFixed(g.TStep, 5, 4));
    break;
  }
  focusAndSelect(Edit1);
  NameFieldsByTheirLabels(this);
}

void TChange1Dlg::apply(int result) {
  GraphState& g = p.graph;
  const bool accepted = result != QDialog::Rejected;
  switch (m_use) {
  case Use::Curves:
    // The third field counts only for the implicit surfaces.
    if (accepted)
      StoreCurvesFields(p, editedFieldText(Edit1), editedFieldText(Edit2), editedFieldText(Edit3));
    CorrectCurves(g);
    break;
  case Use::Title:
    // The title is stored as typed, never evaluated.
    if (accepted) StoreTitle(g, toStdString(Edit1->text()));
    break;
  case Use::Step: {
    const double kept = g.TStep;
    if (accepted) StoreStepField(p, editedFieldText(Edit1));
    setFixedWidth(DesignWidth);
    CorrectStep(g);
    // A step the curve cannot be drawn with leaves the one before.
    if (!CurveStepAllowed(g)) {
      g.TStep = kept;
      CorrectStep(g);
    }
    break;
  }
  }
}

void TChange1Dlg::accept() {
  switch (m_use) {
  case Use::Curves:
    if (!acceptNumberFields(p, {Edit1, Edit2, Edit3})) return;
    break;
  case Use::Step:
    if (!acceptNumberFields(p, {Edit1})) return;
    break;
  case Use::Title:
    break;
  }
  if (m_use == Use::Step) {
    GraphState trial = p.graph;
    trial.TStep = StepFieldValue(p, editedFieldText(Edit1));
    if (!CurveStepAllowed(trial)) {
      Label1->setText(tr("Step too small; at least %1")
                          .arg(toQString(formatExponent(SmallestCurveStep(trial), 3))));
      return;
    }
  }
  QDialog::accept();
}
