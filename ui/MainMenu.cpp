// SPDX-License-Identifier: MIT
// The start-up form.
#include "ui/MainMenu.h"

#include "ui/Looks.h"

#include "graph/Version.h"
#include "render/Sequences.h"
#include "ui/Forms.h"
#include "ui/mainwindow/KelvoScrn1.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int PanelLeft = 65, PanelTop = 40, PanelWidth = 440, PanelHeight = 277;

} // namespace

QImage makeStartUpPicture() {
  Program sample;
  ChooseGraphKind(sample, '1');
  // A square graphing rectangle of 390 pixels: kind 1 takes 0.6 of the width, 0.65 of the
  // height.
  sample.ClientWidth = 650;
  sample.ClientHeight = 600;
  ShowMainWindowPicture(sample);
  GraphState& g = sample.graph;
  g.FunctionText = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
  g.AxisZMin = -1;
  g.AxisZMax = 4;
  g.XCurves = g.YCurves = 24;
  DrawSequencePicture(sample);
  return sample.Picture.scaled(143, 143, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

TMainMenu::TMainMenu(Forms& forms) : m_forms(forms), p(forms.program) {
  setWindowTitle(tr("  Kelvo  Main Menu"));
  setFont(pixelFont("MS Sans Serif", 11));
  setColors(this, Qt::blue, Qt::black, true);
  createChoicePanel();
  createSidePanels();
  resize(760, 480);
}

void TMainMenu::createChoicePanel() {
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(5);
  panel->setGeometry(PanelLeft, PanelTop, PanelWidth, PanelHeight);
  setColors(panel, palette().color(QPalette::ToolTipBase), Qt::black, true);

  // The kinds came to be numbered 1 to 4 with Quit as 5; the implicit surfaces came later, as
  // the sixth choice below Quit, so that every button keeps its place and its number.
  static const char* const texts[6] = {
      QT_TR_NOOP("Draw Surfaces z = f(x,y) in Rectangular Coordinates"),
      QT_TR_NOOP("Draw Surfaces  z = f(r,theta)  in Cylindrical Coordinates"),
      QT_TR_NOOP("Draw Space Curves  x(t),  y(t),  z(t)"),
      QT_TR_NOOP("Draw 2-parameter Surfaces  x(u,v),  y(u,v),  z(u,v)"),
      QT_TR_NOOP("Quit"),
      QT_TR_NOOP("Draw Implicit Surfaces F(x,y,z) = 0"),
  };
  void (TMainMenu::*const handlers[6])() = {&TMainMenu::Button1Click, &TMainMenu::Button2Click,
                                            &TMainMenu::Button3Click, &TMainMenu::Button4Click,
                                            &TMainMenu::Button5Click, &TMainMenu::Button6Click};
  for (int i = 0; i < 6; ++i) {
    const int top = 24 + 40 * i;
    m_buttons[i] = new QPushButton(QString::number(i + 1), panel);
    m_buttons[i]->setGeometry(16, top, 25, 25);
    connect(m_buttons[i], &QPushButton::clicked, this, handlers[i]);
    const QString caption = tr(texts[i]);
    auto* label = new QLabel(caption, panel);
    // Screen readers name each choice by its kind, and the key of its number chooses it.
    m_buttons[i]->setAccessibleName(caption.simplified());
    m_buttons[i]->setShortcut(QKeySequence(Qt::Key_1 + i));
    label->setBuddy(m_buttons[i]);
    label->setFont(pixelFont("Times New Roman", 16, true));
    QPalette text = label->palette();
    text.setColor(QPalette::WindowText, i == 4 ? QColor(128, 0, 0) : QColor(0, 0, 128));
    label->setPalette(text);
    label->setGeometry(48, top + 2, PanelWidth - 56, 21);
  }
}

void TMainMenu::createSidePanels() {
  const int right = PanelLeft + PanelWidth, bottom = PanelTop + PanelHeight;

  Image1 = new QLabel(this);
  Image1->setGeometry(right + 20, PanelTop, 146, 145);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setPixmap(QPixmap::fromImage(makeStartUpPicture()));

  auto* panel2 = new QFrame(this);
  panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel2->setLineWidth(2);
  panel2->setGeometry(right + 20, bottom, 137, 96);
  auto* memo = new QPlainTextEdit(panel2);
  memo->setGeometry(2, 2, 133, 92);
  memo->setReadOnly(true);
  memo->setAccessibleName(tr("Version"));
  memo->setFrameShape(QFrame::NoFrame);
  memo->setPlainText(
      tr("Version No.  %1\n\nSurfaces, curves\nand 2-parameter\nsurfaces").arg(KelvoVersion));
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setColors(memo, QColor(128, 0, 0), Qt::yellow, true);

  auto* panel3 = new QLabel(tr("Kelvo is used to draw surfaces in 3-Space"), this);
  panel3->setGeometry(PanelLeft, bottom + 40, 361, 41);
  panel3->setAlignment(Qt::AlignCenter);
  panel3->setFont(pixelFont("MS Sans Serif", 16));
  setColors(panel3, QColor(0, 128, 128), QColor(0, 255, 0), true);
}

void TMainMenu::showStartUp() {
  if (m_forms.maximized)
    showMaximized();
  else
    show();
}

void TMainMenu::Chosen(char kind) {
  if (!ChooseGraphKind(p, kind)) return;
  hide();
  m_forms.kelvoScrn1->showForKind();
}

void TMainMenu::Button5Click() {
  // A changed graph still on show is asked about first.
  if (!m_forms.kelvoScrn1->maySetGraphAside()) return;
  quitProgram();
}

void TMainMenu::quitProgram() {
  p.graph.GraphKind = '5';
  p.PictureCopy = QImage();
  close();
  QCoreApplication::quit();
}
