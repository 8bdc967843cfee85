// SPDX-License-Identifier: MIT
// The main window.
#include "ui/KelvoScrn1.h"

#include "ui/Looks.h"

#include "graph/Corrections.h"
#include "render/Axes.h"
#include "render/Sequences.h"
#include "ui/ArrowGlyphs.h"
#include "ui/Axes1.h"
#include "ui/Changer1.h"
#include "ui/Domain1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/Forms.h"
#include "ui/MainMenu.h"
#include "ui/Param1.h"
#include "ui/PictureBox.h"
#include "ui/View.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace {

QFrame* flatPanel(QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setFrameShape(QFrame::NoFrame);
  return panel;
}

QLabel* childLabel(QWidget* parent, int left, int top, int width) {
  auto* label = new QLabel(parent);
  label->setGeometry(left, top, width, 17);
  return label;
}

const char* captionFor(char kind) {
  switch (kind) {
  case '1':
    return "        Kelvo  Rectangular Coordinates";
  case '2':
    return "   Kelvo Cylindrical Coordinates";
  case '3':
    return "        Kelvo  Space Curves";
  case '4':
    return "        Kelvo  2 Parameter Surfaces";
  default:
    return "Kelvo";
  }
}

bool kindChosen(const Program& p) {
  return p.graph.GraphKind >= '1' && p.graph.GraphKind <= '4';
}
bool threeFunctions(const Program& p) {
  return p.graph.GraphKind == '3' || p.graph.GraphKind == '4';
}

} // namespace

// The client area: the frame of the graphing rectangle and every control around it.
class TKelvoScrn1::GraphArea : public QWidget {
public:
  GraphArea(Program& program, std::function<void()> resized)
      : p(program), m_resized(std::move(resized)) {
    setColors(this, Qt::white, Qt::black);
  }

protected:
  void paintEvent(QPaintEvent*) override {
    if (!kindChosen(p)) return;
    const View& v = p.view;
    QPainter painter(this);
    painter.setPen(toQColor(p.graph.FrameColor));
    painter.setBrush(toQColor(p.graph.BackgroundColor));
    // The outline covers GraphLeft .. GraphRight - 1; the picture box lies one pixel inside.
    painter.drawRect(v.GraphLeft, v.GraphTop, v.GraphRight - v.GraphLeft - 1,
                     v.GraphBottom - v.GraphTop - 1);
  }
  void resizeEvent(QResizeEvent*) override { m_resized(); }

private:
  Program& p;
  std::function<void()> m_resized;
};

// Marks a command's drawing as running and lays the window out afterwards if it was
// resized meanwhile.
class TKelvoScrn1::DrawingScope {
public:
  explicit DrawingScope(TKelvoScrn1& window) : m_window(window) {
    m_window.p.DrawInProgress = true;
  }
  ~DrawingScope() {
    m_window.p.DrawInProgress = false;
    if (m_window.m_layoutPending) m_window.relayout();
  }
  DrawingScope(const DrawingScope&) = delete;
  DrawingScope& operator=(const DrawingScope&) = delete;

private:
  TKelvoScrn1& m_window;
};

TKelvoScrn1::TKelvoScrn1(Forms& forms)
    : m_forms(forms), p(forms.program), m_area(new GraphArea(p, [this] { areaResized(); })) {
  setWindowTitle("Kelvo");
  setFont(pixelFont("Times New Roman", 15));
  setCentralWidget(m_area);
  createControls();
  createRotationPanel();
  createMenus();
  resize(1000, 720);
}

void TKelvoScrn1::createControls() {
  PaintBox1 = new PictureBox(p, m_area);

  Panel2 = new QLabel(m_area);
  Panel2->setFont(pixelFont("Arial", 19));
  Panel2->setAlignment(Qt::AlignCenter);
  setColors(Panel2, QColor(), Qt::blue);

  Panel1 = flatPanel(m_area);
  Panel1->setFont(pixelFont("Times New Roman", 15));
  setColors(Panel1, QColor(), Qt::blue);
  Panel1->resize(900, 36);
  Label1 = childLabel(Panel1, 8, 0, 890);
  Label11 = childLabel(Panel1, 8, 17, 890);

  panel10 = flatPanel(m_area);
  panel10->resize(577, 33);
  setColors(panel10, QColor(), Qt::blue);
  for (int i = 0; i < 6; ++i) parameterLabels[i] = childLabel(panel10, 96 * i, 5, 94);

  DrawBtn = new QPushButton(tr("Cancel Draw"), m_area);
  DrawBtn->resize(97, 25);
  DrawBtn->setFocusPolicy(Qt::NoFocus);
  DrawBtn->hide();
  connect(DrawBtn, &QPushButton::clicked, this, &TKelvoScrn1::DrawBtnClick);
  // The button answers Esc while it is shown, as a dialog's cancel button would.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] {
    if (DrawBtn->isVisible()) DrawBtn->click();
  });
}

void TKelvoScrn1::createRotationPanel() {
  Panel3 = flatPanel(m_area);
  Panel3->resize(121, 153);
  setColors(Panel3, QColor(0, 0, 128), Qt::yellow);
  auto* theta = childLabel(Panel3, 8, 12, 40);
  theta->setText("Theta");
  auto* phi = childLabel(Panel3, 16, 36, 30);
  phi->setText("Phi");
  Edit4 = new QLineEdit(Panel3);
  Edit5 = new QLineEdit(Panel3);
  Edit4->setGeometry(48, 8, 41, 27);
  Edit5->setGeometry(48, 32, 41, 27);
  for (QLineEdit* edit : {Edit4, Edit5}) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
  }

  const auto arrowButton = [this](ArrowGlyph glyph, int left, int top, int width, int height,
                                  void (TKelvoScrn1::*handler)()) {
    auto* button = new QToolButton(Panel3);
    button->setGeometry(left, top, width, height);
    button->setIcon(arrowIcon(glyph));
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, handler);
    return button;
  };
  BitBtn4 = arrowButton(ArrowGlyph::Up, 48, 64, 25, 33, &TKelvoScrn1::BitBtn4Click);
  BitBtn2 = arrowButton(ArrowGlyph::Left, 8, 96, 41, 25, &TKelvoScrn1::BitBtn2Click);
  BitBtn1 = arrowButton(ArrowGlyph::Right, 72, 96, 41, 25, &TKelvoScrn1::BitBtn1Click);
  BitBtn3 = arrowButton(ArrowGlyph::Down, 48, 120, 25, 33, &TKelvoScrn1::BitBtn3Click);
  BitBtn4->setToolTip(tr("Phi - 10"));
  BitBtn3->setToolTip(tr("Phi + 10"));
  BitBtn2->setToolTip(tr("Theta - 10"));
  BitBtn1->setToolTip(tr("Theta + 10"));
}

void TKelvoScrn1::createMenus() {
  const auto item = [this](QMenu* menu, const QString& text, void (TKelvoScrn1::*handler)()) {
    QAction* action = menu->addAction(text);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  const auto topItem = [this](const QString& text, void (TKelvoScrn1::*handler)()) {
    QAction* action = menuBar()->addAction(text);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  fileMenu = menuBar()->addMenu(tr("&File"));
  Exit1 = item(fileMenu, tr("&Exit"), &TKelvoScrn1::Exit1Click);
  editMenu = menuBar()->addMenu(tr("&Edit"));
  Parameters1 = item(editMenu, tr("&Parameters"), &TKelvoScrn1::Parameters1Click);
  Domain1 = item(editMenu, tr("&Domain"), &TKelvoScrn1::Domain1Click);
  Curves1 = item(editMenu, tr("&Curves"), &TKelvoScrn1::Curves1Click);
  Step1 = item(editMenu, tr("S&tep"), &TKelvoScrn1::Step1Click);
  GraphTitle1 = item(editMenu, tr("&Graph Title"), &TKelvoScrn1::GraphTitle1Click);
  editMenu->addSeparator();
  ClearScreen1 = item(editMenu, tr("&Clear Screen"), &TKelvoScrn1::ClearScreen1Click);
  Function1 = topItem(tr("F&unction"), &TKelvoScrn1::Function1Click);
  Draw1 = topItem(tr("&Draw"), &TKelvoScrn1::Draw1Click);
  axesMenu = menuBar()->addMenu(tr("&Axes"));
  ChangeAxes1 = item(axesMenu, tr("&Change Axes"), &TKelvoScrn1::ChangeAxes1Click);
  DrawAxes1 = item(axesMenu, tr("&Draw Axes"), &TKelvoScrn1::DrawAxes1Click);
  View1 = topItem(tr("&View"), &TKelvoScrn1::View1Click);
}

void TKelvoScrn1::showForKind() {
  const char kind = p.graph.GraphKind;
  p.ClientWidth = m_area->width();
  p.ClientHeight = m_area->height();
  ShowMainWindowPicture(p);
  setWindowTitle(captionFor(kind));
  ClearInfoLabels();
  Step1->setVisible(kind == '3');
  refreshAngleFields();
  placeControls();
  // Kinds with a wide rectangle keep a title line of fixed width until the next layout.
  if (kind == '1' || kind == '4') Panel2->resize(393, Panel2->height());
  PaintBox1->showPicture();
  if (m_forms.maximized)
    showMaximized();
  else
    show();
}

void TKelvoScrn1::placeControls() {
  const View& v = p.view;
  const int left = v.GraphLeft + 1, top = v.GraphTop + 1;
  PaintBox1->setGeometry(left, top, std::max(0, v.GraphRight - v.GraphLeft - 2),
                         std::max(0, v.GraphBottom - v.GraphTop - 2));
  Panel1->move(35, v.GraphBottom + 25);
  panel10->move(19, p.ClientHeight - 40);
  Panel3->move(v.GraphRight + 25, v.GraphTop + 10);
  Panel2->setGeometry(left, v.GraphTop - 30, PaintBox1->width(), 23);
  DrawBtn->move(v.GraphRight + 25, Panel3->y() + Panel3->height() + 10);
  m_area->update();
}

void TKelvoScrn1::pollRepaint() {
  if (p.DrawInProgress) PaintBox1->showPicture();
}

void TKelvoScrn1::areaResized() {
  p.ClientWidth = m_area->width();
  p.ClientHeight = m_area->height();
  relayout();
}

void TKelvoScrn1::relayout() {
  if (!kindChosen(p)) return;
  // The picture must keep its size while a drawing writes into it.
  if (p.DrawInProgress) {
    m_layoutPending = true;
    return;
  }
  m_layoutPending = false;
  GraphState& g = p.graph;
  ComputeGraphRect(p.view, g, p.ClientWidth, p.ClientHeight);
  SetViewTransform(p.view, g.PlaneDistance, g.Rho, g.Theta, g.Phi);
  FitViewToAxes(p.view, g);
  ScreenSetUpPicture(p);
  if (g.PictureCopyValid && !p.PictureCopy.isNull() && !p.Picture.isNull()) {
    QPainter painter(&p.Picture);
    painter.drawImage(0, 0, p.PictureCopy);
  }
  showCommandPicture();
}

void TKelvoScrn1::showCommandPicture() {
  placeControls();
  PaintBox1->showPicture();
}

void TKelvoScrn1::refreshAngleFields() {
  Edit4->setText(QString::fromStdString(p.graph.ThetaText));
  Edit5->setText(QString::fromStdString(p.graph.PhiText));
}

void TKelvoScrn1::ClearInfoLabels() {
  Label1->clear();
  Label11->clear();
  for (QLabel* label : parameterLabels) label->clear();
  Panel2->clear();
}

void TKelvoScrn1::setFunctionCaptions() {
  const GraphState& g = p.graph;
  if (threeFunctions(p)) {
    Label1->setText(
        QString::fromStdString("X= " + g.FunctionTextX + " ;    Y= " + g.FunctionTextY));
    Label11->setText(QString::fromStdString("Z= " + g.FunctionTextZ));
  } else {
    Label1->setText(QString::fromStdString("Z= " + g.FunctionText));
  }
}

void TKelvoScrn1::setFunctionCaptionsAfterError() {
  const GraphState& g = p.graph;
  if (threeFunctions(p)) {
    Label1->setText(
        QString::fromStdString("X= " + g.FunctionTextX + " ;    Y= " + g.FunctionTextY));
    Label11->setText(QString::fromStdString("Z = " + g.FunctionTextZ));
  } else {
    Label1->setText(QString::fromStdString("Z = " + g.FunctionText));
  }
}

void TKelvoScrn1::Draw1Click() {
  if (p.DrawInProgress) return;
  {
    DrawingScope scope(*this);
    DrawBtn->show();
    DrawSequencePicture(p);
    DrawBtn->hide();
    setFunctionCaptions();
    CapturePicture(p);
    PaintBox1->showPicture();
  }
  if (p.graph.EvalFailed) {
    for (int i = 0; i < 10; ++i) p.host->beep();
    EditFunctionsAfterError();
  }
}

void TKelvoScrn1::DrawBtnClick() {
  std::uint8_t& go = p.graph.DrawContinue;
  go = go != 1 ? 1 : 0;
}

void TKelvoScrn1::rotate(Arrow arrow) {
  if (p.DrawInProgress) return;
  DrawingScope scope(*this);
  DrawBtn->show();
  RotatePicture(p, arrow);
  DrawBtn->hide();
  refreshAngleFields();
  placeControls();
  CapturePicture(p);
  PaintBox1->showPicture();
}

void TKelvoScrn1::BitBtn1Click() {
  rotate(Arrow::Right);
}
void TKelvoScrn1::BitBtn2Click() {
  rotate(Arrow::Left);
}
void TKelvoScrn1::BitBtn3Click() {
  rotate(Arrow::Down);
}
void TKelvoScrn1::BitBtn4Click() {
  rotate(Arrow::Up);
}

void TKelvoScrn1::Exit1Click() {
  if (p.DrawInProgress) return;
  GraphState& g = p.graph;
  p.PictureCopy = QImage();
  g.DrawContinue = 0;
  g.MovieMode = false;
  g.PictureCopyValid = false;
  g.GraphShown = false;
  g.FunctionReady = false;
  if (kindChosen(p)) {
    ScreenSetUpPicture(p);
    showCommandPicture();
  }
  hide();
  m_forms.mainMenu->showStartUp();
}

void TKelvoScrn1::closeEvent(QCloseEvent* event) {
  // Closing the window is Exit: the start-up form comes back, and only its Quit ends the
  // program.
  event->ignore();
  Exit1Click();
}

void TKelvoScrn1::Parameters1Click() {
  if (p.DrawInProgress) return;
  TParamDlg& dialog = *m_forms.paramDlg;
  std::array<std::string, 6> captions;
  for (int i = 0; i < 6; ++i) captions[i] = parameterLabels[i]->text().toStdString();
  dialog.load();
  dialog.apply(m_forms.runModal(dialog), captions);
  for (int i = 0; i < 6; ++i) parameterLabels[i]->setText(QString::fromStdString(captions[i]));
}

void TKelvoScrn1::Domain1Click() {
  if (p.DrawInProgress) return;
  TDomainDlg& dialog = *m_forms.domainDlg;
  dialog.load();
  dialog.apply(m_forms.runModal(dialog));
}

void TKelvoScrn1::Curves1Click() {
  if (p.DrawInProgress) return;
  TChange1Dlg& dialog = *m_forms.change1Dlg;
  dialog.load(TChange1Dlg::Use::Curves);
  dialog.apply(m_forms.runModal(dialog));
}

void TKelvoScrn1::Step1Click() {
  if (p.DrawInProgress) return;
  TChange1Dlg& dialog = *m_forms.change1Dlg;
  dialog.load(TChange1Dlg::Use::Step);
  dialog.apply(m_forms.runModal(dialog));
}

void TKelvoScrn1::GraphTitle1Click() {
  if (p.DrawInProgress) return;
  TChange1Dlg& dialog = *m_forms.change1Dlg;
  dialog.load(TChange1Dlg::Use::Title);
  dialog.apply(m_forms.runModal(dialog));
  Panel2->setText(QString::fromStdString(p.graph.GraphTitle));
}

void TKelvoScrn1::ClearScreen1Click() {
  if (p.DrawInProgress) return;
  ClearScreenPicture(p);
  showCommandPicture();
}

void TKelvoScrn1::Function1Click() {
  if (p.DrawInProgress) return;
  TEqnDlg& dialog = *m_forms.eqnDlg;
  dialog.load(TEqnDlg::Mode::Edit);
  dialog.apply(m_forms.runModal(dialog));
  setFunctionCaptions();
}

void TKelvoScrn1::EditFunctionsAfterError() {
  if (p.DrawInProgress) return;
  TEqnDlg& dialog = *m_forms.eqnDlg;
  dialog.load(TEqnDlg::Mode::AfterError);
  if (dialog.apply(m_forms.runModal(dialog))) setFunctionCaptionsAfterError();
}

void TKelvoScrn1::ChangeAxes1Click() {
  if (p.DrawInProgress) return;
  TAxesDlg& dialog = *m_forms.axesDlg;
  dialog.load();
  dialog.apply(m_forms.runModal(dialog));
  if (!p.graph.AxesChanged) return;
  AxesChangedPicture(p);
  showCommandPicture();
}

void TKelvoScrn1::DrawAxes1Click() {
  if (p.DrawInProgress) return;
  // Not captured: a later repaint from the copy loses these axes again.
  DrawAxes(p);
  PaintBox1->showPicture();
}

void TKelvoScrn1::View1Click() {
  if (p.DrawInProgress) return;
  TViewDlg& dialog = *m_forms.viewDlg;
  dialog.load();
  dialog.apply(m_forms.runModal(dialog));
  refreshAngleFields();
  if (!p.graph.ViewChanged) return;
  ViewChangedPicture(p);
  showCommandPicture();
}
