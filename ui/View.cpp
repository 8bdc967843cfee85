// SPDX-License-Identifier: MIT
// The view dialog.
#include "ui/View.h"

#include "graph/Corrections.h"
#include "graph/Format.h"
#include "render/Program.h"
#include "ui/EngineTexts.h"

TViewDlg::TViewDlg(Program& program, QWidget* parent)
    : QDialog(parent), p(program), m_buttons(this, 70, 168) {
  useDialogFont(this);
  setWindowTitle(tr("  Eye Position in Sperical Coordinates"));
  placeLabel(this, tr("Enter Theta and Phi in Degrees"), 16, 10);
  placeLabel(this, tr("Theta ="), 24, 40, 56);
  Edit1 = placeEdit(this, 84, 36, 80);
  placeLabel(this, tr("Phi ="), 24, 72, 56);
  Edit2 = placeEdit(this, 84, 68, 80);
  placeLabel(this, tr("Rho is the distance from the eye to the surface"), 16, 106);
  placeLabel(this, tr("Rho ="), 24, 136, 56);
  Edit3 = placeEdit(this, 84, 132, 80);
  setFixedSize(320, 206);
}

void TViewDlg::load() {
  const GraphState& g = p.graph;
  p.graph.ViewChanged = false;
  showFieldText(Edit1, formatFixed(g.Theta * 180 / GraphState::Pi, 6, 2));
  showFieldText(Edit2, formatFixed(g.Phi * 180 / GraphState::Pi, 6, 2));
  showFieldText(Edit3, formatFixed(g.Rho, 6, 2));
  focusAndSelect(Edit1);
}

void TViewDlg::apply(int result) {
  const Eye before = EyeOf(p.graph);
  if (result != QDialog::Rejected)
    StoreViewFields(p, editedFieldText(Edit1), editedFieldText(Edit2), editedFieldText(Edit3));
  FinishViewDialog(p.graph);
  m_refusal = EngineText(KeepEyeSeeingAxes(p.graph, before));
}

void TViewDlg::accept() {
  if (acceptNumberFields(p, {Edit1, Edit2, Edit3})) QDialog::accept();
}
