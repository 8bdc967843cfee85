// SPDX-License-Identifier: MIT
// The drawing-colours window: its choices are applied to the picture at once.
#include "ui/ColorFm2.h"

#include "render/Axes.h"
#include "render/Background.h"
#include "render/Primitives.h"
#include "render/Sequences.h"
#include "ui/ColorFm.h"
#include "ui/Forms.h"
#include "ui/mainwindow/KelvoScrn1.h"
#include "ui/Looks.h"

#include <QColorDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<Color, 6> PenColors = {clBlue, clGreen, clPurple, clRed, clLime, clWhite};

} // namespace

TColorForm2::TColorForm2(Forms& forms)
    : ColorDialog1(new QColorDialog(this)), m_forms(forms), p(forms.program) {
  setWindowTitle(tr("Drawing Colors"));
  setColors(this, QColor(0xC0, 0xC0, 0xC0), Qt::black);
  penGroup = new ChoiceGroup(
      tr("Pen Color"),
      {QT_TRANSLATE_NOOP("ColorNames", "Blue"), QT_TRANSLATE_NOOP("ColorNames", "Green"),
       QT_TRANSLATE_NOOP("ColorNames", "Purple"), QT_TRANSLATE_NOOP("ColorNames", "Red"),
       QT_TRANSLATE_NOOP("ColorNames", "Lime"), QT_TRANSLATE_NOOP("ColorNames", "White (Eraser)")},
      0, [this](int i) { p.graph.PenColor = PenColors[i]; }, this);
  penOthers = penGroup->addPushButton(tr("Others"));
  connect(penOthers, &QPushButton::clicked, this, &TColorForm2::penOthersClick);

  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  auto* panelColumn = new QVBoxLayout(panel);
  const auto panelButton = [&](const QString& text, void (TColorForm2::*handler)()) {
    auto* button = new QPushButton(text, panel);
    connect(button, &QPushButton::clicked, this, handler);
    panelColumn->addWidget(button);
    return button;
  };
  axesButton = panelButton(tr("Axes Color"), &TColorForm2::AxesColorClick);
  ticksButton = panelButton(tr("Tick Marks"), &TColorForm2::TickMarksClick);
  fontButton = panelButton(tr("Font Color"), &TColorForm2::FontColorClick);
  backgroundButton = panelButton(tr("Background"), &TColorForm2::BackgroundClick);
  panelColumn->addStretch();
  closeButton = new QPushButton(tr("Close"), this);
  closeButton->setDefault(true);
  connect(closeButton, &QPushButton::clicked, this, &TColorForm2::CloseClick);

  auto* row = new QHBoxLayout;
  row->addWidget(penGroup, 0, Qt::AlignTop);
  row->addWidget(panel);
  auto* all = new QVBoxLayout(this);
  all->addLayout(row);
  all->addWidget(closeButton, 0, Qt::AlignRight);
}

void TColorForm2::showGraphColors() {
  const auto found = std::find(PenColors.begin(), PenColors.end(), p.graph.PenColor);
  penGroup->showChoice(found == PenColors.end() ? -1 : static_cast<int>(found - PenColors.begin()));
}

void TColorForm2::redrawAxes() {
  DrawTicks(p);
  DrawAxes(p);
}

void TColorForm2::showRedrawn() {
  m_forms.kelvoScrn1->showRecoloredPicture();
  p.host->processEvents();
}

void TColorForm2::chooseColor(Color& color) {
  runColorDialog(m_forms, *ColorDialog1, color);
  redrawAxes();
  showRedrawn();
}

// A modal colour dialog or a drawing started from the cancel poll would hold or spoil the
// running draw, so every button but the pen choices waits until the draw is over.
void TColorForm2::penOthersClick() {
  if (p.DrawInProgress) return;
  chooseColor(p.graph.PenColor);
}

void TColorForm2::AxesColorClick() {
  if (p.DrawInProgress) return;
  chooseColor(p.graph.AxesColor);
}

// Clearing wipes the picture from the screen; it comes back from the copy at the next
// repaint of the main window.
void TColorForm2::TickMarksClick() {
  if (p.DrawInProgress) return;
  chooseColor(p.graph.FrameColor);
  ClearGraphRect(p);
  redrawAxes();
  showRedrawn();
}

void TColorForm2::FontColorClick() {
  if (p.DrawInProgress) return;
  chooseColor(p.graph.FontColor);
  redrawAxes();
  m_forms.kelvoScrn1->showTitleInFontColor();
  showRedrawn();
}

void TColorForm2::BackgroundClick() {
  if (p.DrawInProgress) return;
  GraphState& g = p.graph;
  const Color old = g.BackgroundColor;
  chooseColor(g.BackgroundColor);
  if (g.BackgroundColor == old) return;
  p.host->setBusyCursor(true);
  if (g.PictureCopyValid && !p.PictureCopy.isNull()) {
    ReplaceBackgroundColor(p.PictureCopy, old, g.BackgroundColor);
    if (!p.Picture.isNull()) QPainter(&p.Picture).drawImage(0, 0, p.PictureCopy);
  } else {
    // The copy is older than the picture shown (it was cleared or redrawn since): recolour
    // the picture itself, so that the old one does not come back.
    ReplaceBackgroundColor(p.Picture, old, g.BackgroundColor);
    p.PictureCopy = p.Picture.copy();
  }
  showRedrawn();
  g.PictureCopyValid = true;
  p.host->setBusyCursor(false);
}

void TColorForm2::CloseClick() {
  hide();
  p.host->processEvents();
  if (p.DrawInProgress) return;
  GraphState& g = p.graph;
  // The main window, no longer covered, shows its copy again; the axes go over it.
  if (g.PictureCopyValid && !p.PictureCopy.isNull() && !p.Picture.isNull())
    QPainter(&p.Picture).drawImage(0, 0, p.PictureCopy);
  redrawAxes();
  // A copy older than the picture (cleared or redrawn since it was taken) must not come back
  // at the next repaint: the picture as it is takes its place.
  if (!g.PictureCopyValid) CapturePicture(p);
  g.PictureCopyValid = true;
  m_forms.kelvoScrn1->showRecoloredPicture();
}
