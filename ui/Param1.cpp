// SPDX-License-Identifier: MIT
// The parameters dialog.
#include "ui/Param1.h"

#include "graph/Corrections.h"
#include "render/Program.h"

#include <QGuiApplication>
#include <QScreen>

TParamDlg::TParamDlg(Program& program, QWidget* parent)
    : QDialog(parent), p(program), m_buttons(this, 38, 212) {
  useDialogFont(this);
  setWindowTitle(tr("Parameters"));
  static const char* const names[6] = {"a=", "b=", "c=", "d=", "e=", "f="};
  for (int i = 0; i < 6; ++i) {
    placeLabel(this, names[i], 40, 16 + 32 * i, 24);
    m_edits[i] = placeEdit(this, 68, 12 + 32 * i, 112);
  }
  setFixedSize(236, 250);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TParamDlg::load() {
  for (int i = 0; i < 6; ++i) showNumberField(m_edits[i], p.graph.ParamValues[i]);
  focusAndSelect(m_edits[0]);
}

void TParamDlg::apply(int result, std::array<std::string, 6>& captions) {
  if (result != QDialog::Rejected) StoreParameterFields(p, editedFieldTexts(m_edits), captions);
  CopyParameters(p.graph);
}

void TParamDlg::accept() {
  if (acceptNumberFields(p, m_edits)) QDialog::accept();
}
