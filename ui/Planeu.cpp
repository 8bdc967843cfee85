// SPDX-License-Identifier: MIT
// The plane dialog.
#include "ui/Planeu.h"

#include "graph/Corrections.h"
#include "graph/Format.h"
#include "render/Additions.h"
#include "render/Program.h"

#include <QGroupBox>

#include <string_view>

namespace {

struct Group {
  const char* heading;
  int top, height, first, count;
};
constexpr Group Groups[3] = {
    {QT_TRANSLATE_NOOP("TPlaneDlg", "Enter a Point on\nthe Plane"), 8, 128, 0, 3},
    {QT_TRANSLATE_NOOP("TPlaneDlg", "Enter components of \na Normal vector"), 8, 128, 3, 3},
    {QT_TRANSLATE_NOOP("TPlaneDlg", "Change Plane Size"), 144, 96, 6, 4}};
constexpr const char* Labels[10] = {
    "X =", "Y = ", "Z = ", "a = ", "b = ", "c = ", "MinX = ", "MaxX = ", "MinY = ", "MaxY = "};

} // namespace

TPlaneDlg::TPlaneDlg(Program& program, QWidget* parent)
    : QDialog(parent), p(program), m_buttons(this, 60, 252) {
  useDialogFont(this);
  setWindowTitle(tr("  Tangent Plane Info"));
  for (int g = 0; g < 3; ++g) {
    const Group& group = Groups[g];
    // A group box title holds one line; the two-line headings stand inside their boxes.
    const QString heading = tr(group.heading);
    const bool twoLines = heading.contains(QLatin1Char('\n'));
    auto* box = new QGroupBox(twoLines ? QString() : heading, this);
    if (twoLines) placeLabel(box, heading, 8, 6, 124);
    const int left = g == 1 ? 152 : 8;
    box->setGeometry(left, group.top, g == 2 ? 284 : 136, group.height);
    for (int i = 0; i < group.count; ++i) {
      const int column = g == 2 ? i % 2 : 0, row = g == 2 ? i / 2 : i;
      const int x = 8 + column * 140, y = (g == 2 ? 24 : 44) + row * 28;
      placeLabel(box, Labels[group.first + i], x, y + 4, 48);
      m_edits[group.first + i] = placeEdit(box, x + 50, y, 70);
    }
  }
  setFixedSize(300, 286);
}

void TPlaneDlg::load() {
  PreparePlaneData(p.graph);
  const PlaneData& d = p.graph.Plane;
  const double values[10] = {d.X0, d.Y0, d.Z0, d.A, d.B, d.C, d.MinX, d.MaxX, d.MinY, d.MaxY};
  for (int i = 0; i < 10; ++i) showFieldText(m_edits[i], formatFixed(values[i], 5, 2));
  focusAndSelect(m_edits[0]);
}

void TPlaneDlg::apply(int result) {
  if (result != QDialog::Rejected) StorePlaneFields(p, editedFieldTexts(m_edits));
}

void TPlaneDlg::accept() {
  if (acceptNumberFields(p, m_edits)) QDialog::accept();
}
