// SPDX-License-Identifier: MIT
// The levels window.
#include "ui/Zlevels.h"

#include "graph/Format.h"
#include "render/Contours.h"
#include "render/Program.h"

#include <QColor>
#include <QFont>

TZlevelsFm::TZlevelsFm(Program& program, QWidget* parent) : QWidget(parent, Qt::Tool), p(program) {
  setWindowTitle(tr("Contour Levels"));
  ContLevels = new QTextEdit(this);
  ContLevels->setAccessibleName(tr("Contour levels"));
  ContLevels->setReadOnly(true);
  ContLevels->setGeometry(8, 4, 119, 260);
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(14);
  ContLevels->setFont(font);
  closeButton = new QPushButton(tr("Close"), this);
  closeButton->setGeometry(28, 270, 75, 25);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  setFixedSize(140, 304);
}

void TZlevelsFm::refresh() {
  close();
  show();
}

void TZlevelsFm::showEvent(QShowEvent* event) {
  FormShow();
  QWidget::showEvent(event);
}

void TZlevelsFm::closeEvent(QCloseEvent* event) {
  ContLevels->clear();
  QWidget::closeEvent(event);
}

void TZlevelsFm::FormShow() {
  GraphState& g = p.graph;
  if (g.ContourLevelCount == 1) g.ContourLevelCount = 10;
  const ContourLevels levels = ComputeContourLevels(g.ZMin, g.ZMax, ContourLevelCountOf(g));
  ContLevels->clear();
  for (int m = 0; m < levels.count; ++m) {
    const Color c = ContourBandColor(levels, levels.z[m]);
    ContLevels->setTextColor(QColor(colorRed(c), colorGreen(c), colorBlue(c)));
    const std::string line = std::to_string(m + 1) + ": " + formatFixed(levels.z[m], 8, 3);
    ContLevels->append(QString::fromStdString(line));
  }
}
