// SPDX-License-Identifier: MIT
// The contour settings dialog.
#include "ui/Contour1.h"
#include "ui/Accessibility.h"

#include "graph/Corrections.h"
#include "render/Program.h"

TContourDlg::TContourDlg(Program& program, QWidget* parent)
    : QDialog(parent), p(program), m_buttons(this, 24, 148) {
  useDialogFont(this);
  setWindowTitle(tr("  Edit  Contour features"));
  Label1 = placeLabel(this, QString(), 16, 12, 140);
  m_grid = new QComboBox(this);
  m_grid->setGeometry(16, 30, 140, 24);
  m_grid->addItems({"20 x 20", "40 x 40", "60 x 60"});
  Label2 = placeLabel(this, QString(), 16, 64, 140);
  m_levels = new QComboBox(this);
  m_levels->setGeometry(16, 82, 140, 24);
  m_levels->addItems({"10", "12", "14", "16"});
  m_threeD = new QCheckBox(tr("3D Contours"), this);
  m_threeD->setGeometry(16, 116, 140, 22);
  // The box is what the segment drawing reads; it keeps its state for the whole run.
  connect(m_threeD, &QCheckBox::toggled, this, [this](bool on) { p.graph.Contours3D = on; });
  setFixedSize(210, 184);
}

void TContourDlg::load() {
  const GraphState& g = p.graph;
  Label1->setText(tr("Grid Resolution"));
  Label2->setText(tr("Number of Levels"));
  const QString grid = QString("%1 x %1").arg(g.ContourGridX);
  m_grid->setCurrentIndex(m_grid->findText(grid));
  m_levels->setCurrentIndex(m_levels->findText(QString::number(g.ContourLevelCount)));
  m_threeD->setChecked(g.Contours3D);
  NameFieldsByTheirLabels(this);
}

void TContourDlg::apply(int result) {
  if (result != QDialog::Rejected)
    StoreContourChoices(p.graph, m_grid->currentIndex(), m_levels->currentIndex());
}
