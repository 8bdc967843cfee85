// SPDX-License-Identifier: MIT
// The domain dialog.
#include "ui/Domain1.h"

#include "graph/Corrections.h"
#include "render/Program.h"
#include "ui/Accessibility.h"
#include "ui/DialogParts.h"

#include <QFrame>

#include <array>

namespace {

// Client heights; the form heights of the layouts add a 27-pixel caption bar.
constexpr int FourRowFrame = 137, FourRowHeight = 229 - 27, FourRowButtons = 164;
constexpr int TwoRowFrame = 70, TwoRowHeight = 160 - 27, TwoRowButtons = 95;
constexpr int Width = 262;

struct KindRows {
  const char* labels[4];
};

KindRows rowsFor(char kind) {
  switch (kind) {
  case '2':
    return {{QT_TRANSLATE_NOOP("TDomainDlg", "  Start r at"),
             QT_TRANSLATE_NOOP("TDomainDlg", "   End r at"),
             QT_TRANSLATE_NOOP("TDomainDlg", "Start theta at"),
             QT_TRANSLATE_NOOP("TDomainDlg", "End theta at ")}};
  case '3':
    return {{QT_TRANSLATE_NOOP("TDomainDlg", "  Start t at"),
             QT_TRANSLATE_NOOP("TDomainDlg", "   End t at "), "", ""}};
  case '4':
    return {{QT_TRANSLATE_NOOP("TDomainDlg", "  Start u at"),
             QT_TRANSLATE_NOOP("TDomainDlg", "   End u at "),
             QT_TRANSLATE_NOOP("TDomainDlg", "  Start v at"),
             QT_TRANSLATE_NOOP("TDomainDlg", "   End v at ")}};
  default:
    return {{QT_TRANSLATE_NOOP("TDomainDlg", "  Start x at"),
             QT_TRANSLATE_NOOP("TDomainDlg", "   End x at "),
             QT_TRANSLATE_NOOP("TDomainDlg", "  Start y at"),
             QT_TRANSLATE_NOOP("TDomainDlg", "   End y at ")}};
  }
}

std::array<double, 4> valuesFor(const GraphState& g) {
  switch (g.GraphKind) {
  case '2':
    return {g.RMin, g.RMax, g.TMin, g.TMax};
  case '3':
    return {g.TMin, g.TMax, 0, 0};
  case '4':
    return {g.UMin, g.UMax, g.VMin, g.VMax};
  default:
    return {g.XMin, g.XMax, g.YMin, g.YMax};
  }
}

} // namespace

TDomainDlg::TDomainDlg(Program& program, QWidget* parent)
    : QDialog(parent), p(program), m_buttons(this, 46, FourRowButtons) {
  useDialogFont(this);
  setWindowTitle(tr(" Domain"));
  Label3 = placeLabel(this, QString(), 8, 2, Width - 16);
  m_frame = new QFrame(this);
  m_frame->setFrameShape(QFrame::Box);
  m_frame->setFrameShadow(QFrame::Sunken);
  m_frame->setGeometry(8, 20, Width - 16, FourRowFrame);
  for (int i = 0; i < 4; ++i) {
    m_labels[i] = placeLabel(m_frame, QString(), 8, 16 + 30 * i, 100);
    m_edits[i] = placeEdit(m_frame, 116, 12 + 30 * i, 112);
  }
  setFixedSize(Width, FourRowHeight);
}

void TDomainDlg::setRows(bool fourRows) {
  m_frame->resize(m_frame->width(), fourRows ? FourRowFrame : TwoRowFrame);
  setFixedSize(Width, fourRows ? FourRowHeight : TwoRowHeight);
  m_buttons.moveTop(fourRows ? FourRowButtons : TwoRowButtons);
  for (int i = 2; i < 4; ++i) {
    m_labels[i]->setVisible(fourRows);
    m_edits[i]->setVisible(fourRows);
  }
}

void TDomainDlg::load() {
  const GraphState& g = p.graph;
  setWindowTitle(tr(" Domain"));
  Label3->clear();
  setRows(g.GraphKind != '3');
  const KindRows rows = rowsFor(g.GraphKind);
  const std::array<double, 4> values = valuesFor(g);
  const int count = g.GraphKind == '3' ? 2 : 4;
  for (int i = 0; i < count; ++i) {
    m_labels[i]->setText(tr(rows.labels[i]));
    showNumberField(m_edits[i], values[i]);
  }
  focusAndSelect(m_edits[0]);
  NameFieldsByTheirLabels(this);
}

void TDomainDlg::apply(int result) {
  if (result != QDialog::Rejected) StoreDomainFields(p, editedFieldTexts(m_edits));
  setRows(true);
}

void TDomainDlg::accept() {
  if (acceptNumberFields(p, m_edits)) QDialog::accept();
}
