// SPDX-License-Identifier: MIT
// The samples window.
#include "ui/SampleList.h"

#include "ui/Looks.h"

#include "graph/Samples.h"
#include "render/Program.h"
#include "ui/EngineTexts.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int FormWidth = 380, FormHeight = 340;

QLabel* headingLabel(QWidget* parent, const QString& text, int top) {
  auto* label = new QLabel(text, parent);
  useToolWindowHeading(label);
  label->setGeometry(8, top, FormWidth - 16, 20);
  return label;
}

} // namespace

TSampleFm::TSampleFm(Program& program)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), p(program) {
  setWindowTitle(tr("SampleFm"));
  useToolWindowLooks(this);
  Label1 = headingLabel(this, tr("  Select a Function, "), 6);
  Label2 = headingLabel(this, tr("    Click on Draw"), 26);
  createChoices();
  Close1 = new QPushButton(tr("Close"), this);
  Close1->setGeometry((FormWidth - 93) / 2, FormHeight - 40, 93, 30);
  connect(Close1, &QPushButton::clicked, this, &TSampleFm::CloseSamples);
  setFixedSize(FormWidth, FormHeight);
}

void TSampleFm::createChoices() {
  // The scroll box lets the longest captions be read in a window that stays small.
  auto* box = new QScrollArea(this);
  // Scroll bars in the usual colours rather than the window's maroon.
  box->setPalette(box->style()->standardPalette());
  box->setGeometry(8, 52, FormWidth - 16, FormHeight - 104);
  auto* choices = new QWidget;
  setColors(choices, Qt::white, Qt::black);
  auto* column = new QVBoxLayout(choices);
  column->setSpacing(4);
  m_group = new QButtonGroup(this);
  for (int n = 1; n <= SampleSlots; ++n) {
    m_radioButtons[n - 1] = new QRadioButton(choices);
    column->addWidget(m_radioButtons[n - 1]);
    m_group->addButton(m_radioButtons[n - 1], n);
  }
  column->addStretch();
  box->setWidget(choices);
  box->setWidgetResizable(true);
  connect(m_group, &QButtonGroup::idClicked, this, &TSampleFm::ChooseSample);
}

void TSampleFm::ShowSamples(const QPoint& where) {
  showKind();
  move(where);
  show();
  raise();
}

void TSampleFm::showKind() {
  const std::span<const Sample> samples = SamplesOf(p.graph.GraphKind);
  for (int n = 1; n <= SampleSlots; ++n) {
    QRadioButton* button = radioButton(n);
    const bool offered = n <= static_cast<int>(samples.size());
    button->setText(offered ? SampleLabelText(samples[n - 1].label) : QString());
    button->setVisible(offered);
  }
  // The mark shows which example the function texts hold, if any.
  m_chosen = CurrentSample(p, p.graph.GraphKind);
  markChoice(m_chosen);
}

void TSampleFm::markChoice(int n) {
  m_group->setExclusive(false);
  for (QRadioButton* button : m_radioButtons) button->setChecked(false);
  if (n > 0) radioButton(n)->setChecked(true);
  m_group->setExclusive(true);
}

void TSampleFm::ChooseSample(int n) {
  // A running draw reads the function texts at every point; a new text now would mix two
  // functions in one picture and listing. The click is refused like any command then.
  if (p.DrawInProgress || !::ChooseSample(p, p.graph.GraphKind, n)) {
    markChoice(m_chosen);
    return;
  }
  m_chosen = n;
  markChoice(n);
}

void TSampleFm::CloseSamples() {
  hide();
  p.graph.FunctionReady = true;
  emit samplesClosed();
}

void TSampleFm::closeEvent(QCloseEvent* event) {
  event->ignore();
  CloseSamples();
}
