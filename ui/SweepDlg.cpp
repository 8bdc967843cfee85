// SPDX-License-Identifier: MIT
// The parameter sweep dialog.
#include "ui/SweepDlg.h"

#include "graph/Format.h"
#include "graph/NumberField.h"
#include "render/Movie.h"
#include "render/Program.h"

#include <QComboBox>

#include <cmath>

TSweepDlg::TSweepDlg(Program& program, QWidget* parent)
    : QDialog(parent), p(program), m_buttons(this, 56, 164) {
  useDialogFont(this);
  setWindowTitle(tr("  Animate a Parameter"));
  placeLabel(this, tr("Parameter"), 16, 18);
  ParameterBox = new QComboBox(this);
  ParameterBox->setGeometry(140, 14, 64, 24);
  for (const char* name : {"a", "b", "c", "d", "e", "f"}) ParameterBox->addItem(name);
  placeLabel(this, tr("From"), 16, 54);
  FromEdit = placeEdit(this, 140, 50, 100);
  placeLabel(this, tr("To"), 16, 90);
  ToEdit = placeEdit(this, 140, 86, 100);
  placeLabel(this, tr("How many Frames?"), 16, 126);
  FramesEdit = placeEdit(this, 140, 122, 48);
  placeLabel(this, tr("(up to 32)"), 196, 126);
  setFixedSize(272, 204);
}

void TSweepDlg::load() {
  m_accepted = false;
  ParameterBox->setCurrentIndex(m_sweep.parameter);
  showNumberField(FromEdit, m_sweep.from);
  showNumberField(ToEdit, m_sweep.to);
  showFieldText(FramesEdit, formatFixed(m_sweep.frames, 4, 0));
  focusAndSelect(FromEdit);
}

void TSweepDlg::apply(int result) {
  m_accepted = result == QDialog::Accepted;
  if (!m_accepted) return;
  m_sweep.parameter = ParameterBox->currentIndex();
  ReadNumberField(p, editedFieldText(FromEdit), m_sweep.from);
  ReadNumberField(p, editedFieldText(ToEdit), m_sweep.to);
  double frames = m_sweep.frames;
  ReadNumberField(p, editedFieldText(FramesEdit), frames);
  m_sweep.frames = CorrectedMovieFrameCount(std::isnan(frames) ? m_sweep.frames : frames);
}

void TSweepDlg::accept() {
  if (acceptNumberFields(p, {FromEdit, ToEdit, FramesEdit})) QDialog::accept();
}
