// SPDX-License-Identifier: MIT
// The line dialog.
#include "ui/lineu.h"

#include "graph/Corrections.h"
#include "graph/Format.h"
#include "render/Additions.h"
#include "render/Program.h"

#include <QGroupBox>

TLineDlg::TLineDlg(Program& program, QWidget* parent)
    : QDialog(parent), p(program), m_buttons(this, 60, 144) {
  useDialogFont(this);
  setWindowTitle(tr(" Draw a Line"));
  const char* const headings[2] = {QT_TR_NOOP("Start line at"), QT_TR_NOOP("End line at")};
  const char* const labels[3] = {"X = ", "Y = ", "Z = "};
  for (int g = 0; g < 2; ++g) {
    auto* box = new QGroupBox(tr(headings[g]), this);
    box->setGeometry(8 + g * 144, 8, 136, 124);
    for (int i = 0; i < 3; ++i) {
      placeLabel(box, labels[i], 8, 32 + i * 28, 40);
      m_edits[g * 3 + i] = placeEdit(box, 50, 28 + i * 28, 70);
    }
  }
  setFixedSize(300, 178);
}

void TLineDlg::load() {
  PrepareLineData(p.graph);
  const LineData& d = p.graph.Line;
  const double values[6] = {d.X1, d.Y1, d.Z1, d.X2, d.Y2, d.Z2};
  for (int i = 0; i < 6; ++i) showFieldText(m_edits[i], formatFixed(values[i], 5, 2));
  focusAndSelect(m_edits[0]);
}

void TLineDlg::apply(int result) {
  if (result != QDialog::Rejected) StoreLineFields(p, editedFieldTexts(m_edits));
}

void TLineDlg::accept() {
  if (acceptNumberFields(p, m_edits)) QDialog::accept();
}
