// SPDX-License-Identifier: MIT
// The surface-colours window: both sides of a surface, the cell outlines and shading.
#include "ui/ColorFm.h"

#include "render/Program.h"
#include "ui/Forms.h"
#include "ui/Looks.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QColorDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace {

// The surface choices take their colours from the second group of the colour table.
constexpr int SurfaceTableStart = 5;
constexpr std::array<int, 6> AboveEntries = {0, 2, 3, 4, 7, 6};
constexpr std::array<int, 6> UnderEntries = {1, 7, 8, 9, 10, 11};
constexpr std::array<Color, 7> GridColors = {clBlack, clYellow, clSilver, clFuchsia,
                                             clTeal,  clWhite,  clNone};
constexpr int AboveRed = 3, UnderYellow = 1, GridTeal = 4;

} // namespace

ChoiceGroup::ChoiceGroup(const QString& title, std::initializer_list<const char*> texts,
                         int checked, std::function<void(int)> chosen, QWidget* parent)
    : QGroupBox(title, parent) {
  auto* column = new QVBoxLayout(this);
  for (const char* text : texts) {
    auto* button = new QRadioButton(QCoreApplication::translate("ColorNames", text), this);
    const int index = static_cast<int>(m_buttons.size());
    button->setChecked(index == checked);
    connect(button, &QRadioButton::clicked, this, [chosen, index] { chosen(index); });
    column->addWidget(button);
    m_buttons.push_back(button);
  }
}

void ChoiceGroup::showChoice(int index) {
  for (int i = 0; i < count(); ++i) {
    // Radio buttons of one group keep one checked; unchecking the last takes that rule off.
    m_buttons[i]->setAutoExclusive(false);
    m_buttons[i]->setChecked(i == index);
    m_buttons[i]->setAutoExclusive(true);
  }
}

QPushButton* ChoiceGroup::addPushButton(const QString& text) {
  auto* button = new QPushButton(text, this);
  layout()->addWidget(button);
  return button;
}

bool runColorDialog(Forms& forms, QColorDialog& dialog, Color& color) {
  dialog.setCurrentColor(toQColor(color));
  if (forms.runModal(dialog) != QDialog::Accepted) return false;
  const QColor chosen = dialog.currentColor();
  color = makeColor(chosen.red(), chosen.green(), chosen.blue());
  return true;
}

TColorForm::TColorForm(Forms& forms)
    : ColorDialog1(new QColorDialog(this)), m_forms(forms), p(forms.program) {
  setWindowTitle(tr("Drawing Colors"));
  setColors(this, QColor(0xC0, 0xC0, 0xC0), Qt::black);
  GraphState& g = p.graph;
  aboveGroup = new ChoiceGroup(
      tr("Above Color"),
      {QT_TRANSLATE_NOOP("ColorNames", "Blue"), QT_TRANSLATE_NOOP("ColorNames", "Green"),
       QT_TRANSLATE_NOOP("ColorNames", "Purple"), QT_TRANSLATE_NOOP("ColorNames", "Red"),
       QT_TRANSLATE_NOOP("ColorNames", "Yellow"),
       QT_TRANSLATE_NOOP("ColorNames", "White (Eraser)")},
      AboveRed, [&g](int i) { g.AboveColor = g.ColorTable[SurfaceTableStart + AboveEntries[i]]; },
      this);
  underGroup = new ChoiceGroup(
      tr("Under Color"),
      {QT_TRANSLATE_NOOP("ColorNames", "Blue"), QT_TRANSLATE_NOOP("ColorNames", "Yellow"),
       QT_TRANSLATE_NOOP("ColorNames", "Aqua"), QT_TRANSLATE_NOOP("ColorNames", "Fuchsia"),
       QT_TRANSLATE_NOOP("ColorNames", "Lime"), QT_TRANSLATE_NOOP("ColorNames", "White (Eraser)")},
      UnderYellow,
      [&g](int i) { g.UnderColor = g.ColorTable[SurfaceTableStart + UnderEntries[i]]; }, this);
  gridGroup = new ChoiceGroup(
      tr("Grid Color"),
      {QT_TRANSLATE_NOOP("ColorNames", "Black"), QT_TRANSLATE_NOOP("ColorNames", "Yellow"),
       QT_TRANSLATE_NOOP("ColorNames", "Gray"), QT_TRANSLATE_NOOP("ColorNames", "Fuchsia"),
       QT_TRANSLATE_NOOP("ColorNames", "Teal"), QT_TRANSLATE_NOOP("ColorNames", "White"),
       QT_TRANSLATE_NOOP("ColorNames", "No grids")},
      GridTeal, [&g](int i) { g.GridColor = GridColors[i]; }, this);
  aboveOthers = aboveGroup->addPushButton(tr("Others"));
  underOthers = underGroup->addPushButton(tr("Others"));
  connect(aboveOthers, &QPushButton::clicked, this, [this] { chooseOther(p.graph.AboveColor); });
  connect(underOthers, &QPushButton::clicked, this, [this] { chooseOther(p.graph.UnderColor); });

  Shading = new QCheckBox(tr("Shading"), this);
  Shading->setChecked(true);
  connect(Shading, &QCheckBox::toggled, this, [this](bool on) { p.graph.ShadingOn = on; });
  closeButton = new QPushButton(tr("Close"), this);
  closeButton->setDefault(true);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::hide);

  auto* groups = new QHBoxLayout;
  for (QWidget* group : {static_cast<QWidget*>(aboveGroup), static_cast<QWidget*>(underGroup),
                         static_cast<QWidget*>(gridGroup)})
    groups->addWidget(group, 0, Qt::AlignTop);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Shading);
  bottom->addStretch();
  bottom->addWidget(closeButton);
  auto* all = new QVBoxLayout(this);
  all->addLayout(groups);
  all->addLayout(bottom);
}

void TColorForm::selectDefaults() {
  aboveGroup->button(AboveRed)->click();
  underGroup->button(UnderYellow)->click();
  gridGroup->button(GridTeal)->click();
}

void TColorForm::selectFirstAbove() {
  aboveGroup->button(0)->click();
}

void TColorForm::showGraphColors() {
  const GraphState& g = p.graph;
  const auto indexOf = [](auto entries, auto colorOf, Color color) {
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (colorOf(entries[i]) == color) return static_cast<int>(i);
    return -1;
  };
  const auto surface = [&g](int entry) { return g.ColorTable[SurfaceTableStart + entry]; };
  aboveGroup->showChoice(indexOf(AboveEntries, surface, g.AboveColor));
  underGroup->showChoice(indexOf(UnderEntries, surface, g.UnderColor));
  gridGroup->showChoice(indexOf(
      GridColors, [](Color c) { return c; }, g.GridColor));
  Shading->setChecked(g.ShadingOn);
}

// A modal colour dialog opened from the cancel poll would hold a running draw; the choice
// waits until the draw is over.
void TColorForm::chooseOther(Color& target) {
  if (p.DrawInProgress) return;
  runColorDialog(m_forms, *ColorDialog1, target);
}
