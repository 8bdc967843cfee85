// SPDX-License-Identifier: MIT
// The axes dialog.
#include "ui/Axes1.h"

#include "graph/Corrections.h"
#include "render/Program.h"
#include "ui/EngineTexts.h"

#include <array>

namespace {
constexpr const char* AxisLabels[6] = {
    QT_TRANSLATE_NOOP("TAxesDlg", "Min x="), QT_TRANSLATE_NOOP("TAxesDlg", "Max x="),
    QT_TRANSLATE_NOOP("TAxesDlg", "Min y="), QT_TRANSLATE_NOOP("TAxesDlg", "Max y="),
    QT_TRANSLATE_NOOP("TAxesDlg", "Min z="), QT_TRANSLATE_NOOP("TAxesDlg", "Max z=")};
} // namespace

TAxesDlg::TAxesDlg(Program& program, QWidget* parent)
    : QDialog(parent), p(program), m_buttons(this, 60, 124) {
  useDialogFont(this);
  setWindowTitle(tr("Axes"));
  for (int i = 0; i < 6; ++i) {
    const int left = (i % 2) * 148 + 8;
    const int top = (i / 2) * 36 + 14;
    m_labels[i] = placeLabel(this, tr(AxisLabels[i]), left, top + 4, 48);
    m_edits[i] = placeEdit(this, left + 50, top, 86);
  }
  setFixedSize(300, 160);
}

void TAxesDlg::load() {
  GraphState& g = p.graph;
  g.AxesChanged = false;
  const double values[6] = {g.AxisXMin, g.AxisXMax, g.AxisYMin, g.AxisYMax, g.AxisZMin, g.AxisZMax};
  for (int i = 0; i < 6; ++i) {
    m_labels[i]->setText(tr(AxisLabels[i]));
    showNumberField(m_edits[i], values[i]);
  }
  focusAndSelect(m_edits[0]);
}

void TAxesDlg::apply(int result) {
  const AxesBox before = AxesBoxOf(p.graph);
  if (result != QDialog::Rejected) StoreAxesFields(p, editedFieldTexts(m_edits));
  CorrectAxes(p.graph);
  m_refusal.clear();
  if (RefuseAxesAroundEye(p.graph, before)) m_refusal = axesRefusal(p.graph, "the new axes box");
}

QString axesRefusal(const GraphState& g, const char* box) {
  std::string text = EyeTooNearText(EyeOf(g), box);
  text[0] = 'A';
  return TAxesDlg::tr("%1; the axes are kept. Move the eye farther out first (View > Eye "
                      "Position).")
      .arg(EngineText(text));
}

void TAxesDlg::accept() {
  if (acceptNumberFields(p, m_edits)) QDialog::accept();
}
