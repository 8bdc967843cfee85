// SPDX-License-Identifier: MIT
// The Graphs window.
#include "ui/GraphsFm.h"

#include "ui/Looks.h"

#include "graph/KeptGraphs.h"
#include "render/Program.h"
#include "ui/EngineTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString rowText(std::size_t index, const KeptGraph& kept) {
  return QStringLiteral("%1.  %2").arg(index + 1).arg(EngineText(GraphName(kept.fields)));
}

} // namespace

TGraphsFm::TGraphsFm(Program& program)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), p(program) {
  setWindowTitle(tr("Graphs"));
  useToolWindowLooks(this);
  auto* heading = new QLabel(tr("Graphs kept in the picture (checked: shown)"), this);
  useToolWindowHeading(heading);
  List = new QListWidget(this);
  List->setAccessibleName(tr("Graphs"));
  List->setPalette(List->style()->standardPalette());
  CurrentLabel = new QLabel(this);
  CurrentLabel->setWordWrap(true);
  MakeCurrent1 = new QPushButton(tr("Make Current"), this);
  Remove1 = new QPushButton(tr("Remove"), this);
  Close1 = new QPushButton(tr("Close"), this);
  for (QPushButton* button : {MakeCurrent1, Remove1, Close1})
    button->setPalette(button->style()->standardPalette());
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(MakeCurrent1);
  buttons->addWidget(Remove1);
  buttons->addStretch();
  buttons->addWidget(Close1);
  auto* column = new QVBoxLayout(this);
  column->addWidget(heading);
  column->addWidget(List, 1);
  column->addWidget(CurrentLabel);
  column->addLayout(buttons);
  connect(List, &QListWidget::itemChanged, this, &TGraphsFm::itemChanged);
  connect(List, &QListWidget::currentRowChanged, this, &TGraphsFm::selectionMoved);
  connect(MakeCurrent1, &QPushButton::clicked, this, [this] { makeCurrent(List->currentRow()); });
  connect(Remove1, &QPushButton::clicked, this, [this] { removeGraph(List->currentRow()); });
  connect(Close1, &QPushButton::clicked, this, &QWidget::hide);
  resize(420, 300);
}

void TGraphsFm::ShowGraphs(const QPoint& where) {
  refresh();
  move(where);
  show();
  raise();
}

void TGraphsFm::refresh() {
  const int row = List->currentRow();
  m_filling = true;
  List->clear();
  for (std::size_t i = 0; i < p.KeptGraphs.size(); ++i) {
    auto* item = new QListWidgetItem(rowText(i, p.KeptGraphs[i]), List);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(p.KeptGraphs[i].shown ? Qt::Checked : Qt::Unchecked);
  }
  if (List->count() > 0) List->setCurrentRow(std::clamp(row, 0, List->count() - 1));
  m_filling = false;
  CurrentLabel->setText(tr("Current graph: %1 (%2 of at most %3 graphs in the picture)")
                            .arg(EngineText(GraphName(GraphFieldsOf(p.graph))))
                            .arg(p.KeptGraphs.size() + 1)
                            .arg(MaxPictureGraphs));
  selectionMoved();
}

void TGraphsFm::selectionMoved() {
  const bool chosen = List->currentRow() >= 0 && List->currentRow() < List->count();
  MakeCurrent1->setEnabled(chosen);
  Remove1->setEnabled(chosen);
}

void TGraphsFm::itemChanged(QListWidgetItem* item) {
  if (m_filling) return;
  setShown(List->row(item), item->checkState() == Qt::Checked);
}

void TGraphsFm::setShown(int row, bool shown) {
  const bool refused = p.DrawInProgress || row < 0 || row >= static_cast<int>(p.KeptGraphs.size());
  if (refused || p.KeptGraphs[static_cast<std::size_t>(row)].shown == shown) {
    // A running draw reads the kept graphs; the box goes back to what is in force.
    refresh();
    return;
  }
  p.KeptGraphs[static_cast<std::size_t>(row)].shown = shown;
  refresh();
  emit graphsChanged();
}

void TGraphsFm::makeCurrent(int row) {
  if (p.DrawInProgress || row < 0 || !MakeKeptGraphCurrent(p, static_cast<std::size_t>(row)))
    return;
  p.graph.FunctionReady = true;
  refresh();
  emit graphsChanged();
}

void TGraphsFm::removeGraph(int row) {
  if (p.DrawInProgress || row < 0 || !RemoveKeptGraph(p, static_cast<std::size_t>(row))) return;
  refresh();
  emit graphsChanged();
}
