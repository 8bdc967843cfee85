// SPDX-License-Identifier: MIT
// The main window: construction, layout, Draw and rotation.
#include "ui/mainwindow/KelvoScrn1.h"

#include "ui/Looks.h"

#include "graph/Corrections.h"
#include "render/Axes.h"
#include "render/Sequences.h"
#include "ui/ColorFm.h"
#include "ui/EngineTexts.h"
#include "ui/Forms.h"
#include "ui/GraphsFm.h"
#include "ui/ParameterSliders.h"
#include "ui/mainwindow/PictureBox.h"
#include "ui/mainwindow/RotationPanel.h"

#include <QCoreApplication>
#include <QScreen>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

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
    return QT_TRANSLATE_NOOP("TKelvoScrn1", "        Kelvo  Rectangular Coordinates");
  case '2':
    return QT_TRANSLATE_NOOP("TKelvoScrn1", "   Kelvo Cylindrical Coordinates");
  case '3':
    return QT_TRANSLATE_NOOP("TKelvoScrn1", "        Kelvo  Space Curves");
  case '4':
    return QT_TRANSLATE_NOOP("TKelvoScrn1", "        Kelvo  2 Parameter Surfaces");
  case ImplicitKind:
    return QT_TRANSLATE_NOOP("TKelvoScrn1", "        Kelvo  Implicit Surfaces");
  default:
    return "Kelvo";
  }
}

bool kindChosen(const Program& p) {
  return IsGraphKind(p.graph.GraphKind);
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

TKelvoScrn1::DrawingScope::DrawingScope(TKelvoScrn1& window) : m_window(window) {
  m_window.p.DrawInProgress = true;
}

TKelvoScrn1::DrawingScope::~DrawingScope() {
  m_window.p.DrawInProgress = false;
  if (m_window.m_layoutPending) m_window.relayout();
}

// Esc answers the Cancel Draw button (and Stop Movie) on its first press wherever the
// keyboard is: a menu bar left active by the command that started the draw would otherwise
// take the first press for itself.
class TKelvoScrn1::EscapeCancels : public QObject {
public:
  explicit EscapeCancels(TKelvoScrn1& window) : QObject(&window), m_window(window) {}

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
      return QObject::eventFilter(watched, event);
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape || m_window.DrawBtn->isHidden())
      return QObject::eventFilter(watched, event);
    // The override is accepted so that no shortcut takes the key; the press itself cancels.
    event->accept();
    if (type == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
      m_window.DrawBtn->click();
    return true;
  }

private:
  TKelvoScrn1& m_window;
};

class TKelvoScrn1::InputWatcher : public QObject {
public:
  explicit InputWatcher(TKelvoScrn1& window) : QObject(&window), m_window(window) {}

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
      if (watched->isWidgetType()) m_window.queueCaptionUpdate();
      break;
    default:
      break;
    }
    return QObject::eventFilter(watched, event);
  }

private:
  TKelvoScrn1& m_window;
};

TKelvoScrn1::TKelvoScrn1(Forms& forms)
    : m_forms(forms), p(forms.program), m_area(new GraphArea(p, [this] { areaResized(); })) {
  setWindowTitle("Kelvo");
  setFont(pixelFont("Times New Roman", 15));
  setCentralWidget(m_area);
  createControls();
  createMenus();
  createLiveView();
  QCoreApplication::instance()->installEventFilter(new EscapeCancels(*this));
  QCoreApplication::instance()->installEventFilter(new InputWatcher(*this));
  setAcceptDrops(true);
  resize(1000, 720);
}

TKelvoScrn1::~TKelvoScrn1() = default;

void TKelvoScrn1::createControls() {
  PaintBox1 = new PictureBox(p, m_area);
  PaintBox1->setAccessibleName(tr("Graph"));

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

  Panel3 = new RotationPanel(m_area, [this](Arrow arrow) { rotate(arrow); });

  DrawBtn = new QPushButton(tr("Cancel Draw"), m_area);
  DrawBtn->resize(97, 25);
  DrawBtn->setFocusPolicy(Qt::NoFocus);
  DrawBtn->hide();
  connect(DrawBtn, &QPushButton::clicked, this, &TKelvoScrn1::DrawBtnClick);

  buildingLabel = new QLabel(tr("Building Frames"), m_area);
  buildingLabel->setFont(pixelFont("Times New Roman", 15));
  setColors(buildingLabel, QColor(), Qt::red);
  buildingLabel->adjustSize();
  buildingLabel->hide();

  // The plane and line routines say through this that their data are missing.
  p.showMessage = [this](const std::string& message) { showInformation(EngineText(message)); };
}

QAction* TKelvoScrn1::createDrawMenu() {
  return buildTopItem({"Draw1", tr("&Draw"), &TKelvoScrn1::Draw1Click, Qt::Key_F5});
}

void TKelvoScrn1::updateCaption() {
  m_captionUpdateQueued = false;
  const char kind = p.graph.GraphKind;
  if (!kindChosen(p) || drawing()) return;
  QString caption = tr(captionFor(kind));
  if (!m_graphPath.isEmpty()) caption += "  -  " + QFileInfo(m_graphPath).fileName();
  if (graphChanged()) caption += " *";
  setWindowTitle(caption);
}

void TKelvoScrn1::updateMenusForKind() {
  const char kind = p.graph.GraphKind;
  updateCaption();
  item("Step1")->setVisible(kind == '3');
  // The axes box is an implicit surface's domain.
  item("Domain1")->setVisible(kind != ImplicitKind);
  menu("planeMenu")->menuAction()->setVisible(kind == '1');
  menu("contoursMenu")->menuAction()->setVisible(kind == '1' || kind == '2');
  menu("movieMenu")->menuAction()->setVisible(kind != '3');
  updateMovieItems();
  // Kinds with a wide rectangle keep a title line of fixed width until the next layout.
  if (kind == '1' || kind == '4' || kind == ImplicitKind) Panel2->resize(393, Panel2->height());
}

void TKelvoScrn1::showForKind() {
  prepareForKind();
  if (m_forms.maximized) {
    showMaximized();
  } else {
    show();
    fitToScreen();
  }
}

void TKelvoScrn1::prepareForKind() {
  p.ClientWidth = m_area->width();
  p.ClientHeight = m_area->height();
  m_forms.colorForm->selectDefaults();
  ShowMainWindowPicture(p);
  ClearInfoLabels();
  // The reset set the parameters to 0 and the graph size to normal.
  m_forms.parameterSliders->refresh();
  item("Normal1")->setChecked(true);
  refreshAngleFields();
  placeControls();
  // A new graph has no file yet; it counts as changed once it differs from the defaults.
  m_graphPath.clear();
  m_picturePath.clear();
  m_pictureBegun.reset();
  m_contoursBegun.reset();
  m_savedText = graphText();
  updateMenusForKind();
  PaintBox1->showPicture();
  PaintBox1->setFocus();
}

void TKelvoScrn1::fitToScreen() {
  // A scaled screen (a HiDPI factor of 2 makes 1000 x 720 twice as large) may be smaller than
  // the window: the window shrinks into the screen's free area, frame included.
  const QScreen* where = screen();
  if (!where) return;
  const QRect free = where->availableGeometry();
  const QSize frame = frameGeometry().size() - size();
  const QSize room = free.size() - frame;
  if (room.isEmpty()) return;
  const QSize fitted = size().boundedTo(room);
  if (fitted != size()) resize(fitted);
  QRect placed = frameGeometry();
  if (!free.contains(placed)) {
    placed.moveLeft(std::clamp(placed.left(), free.left(), free.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), free.top(), free.bottom() - placed.height() + 1));
    move(placed.topLeft());
  }
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
  placeLevelsWindow();
  m_area->update();
}

void TKelvoScrn1::pollRepaint() {
  // A live frame is shown when it is finished; until then the last one stays on screen.
  if (p.DrawInProgress && !m_liveRedraw) PaintBox1->showPicture();
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
  const QSize before = p.Picture.size();
  ComputeGraphRect(p.view, g, p.ClientWidth, p.ClientHeight);
  SetViewTransform(p.view, g.PlaneDistance, g.Rho, g.Theta, g.Phi);
  FitViewToAxes(p.view, g);
  ScreenSetUpPicture(p);
  // The old picture stays in the corner until the resizing pauses; then the graph is drawn
  // again at the new size.
  if (p.Picture.size() != before && g.GraphShown && !g.MovieMode) m_resizeTimer->start();
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
  Panel3->showAngles(QString::fromStdString(p.graph.ThetaText),
                     QString::fromStdString(p.graph.PhiText));
}

void TKelvoScrn1::ClearInfoLabels() {
  Label1->clear();
  Label11->clear();
  for (QLabel* label : parameterLabels) label->clear();
  Panel2->clear();
}

void TKelvoScrn1::Draw1Click() {
  if (p.DrawInProgress) return;
  if (drawGraph()) reportFailedDraw();
}

bool TKelvoScrn1::drawGraph() {
  logCommand("draw");
  {
    DrawingScope scope(*this);
    DrawBtn->show();
    DrawSequencePicture(p);
    DrawBtn->hide();
    setFunctionCaptions();
    captureAndShow();
    refreshValueListing();
    if (m_forms.graphsFm->isVisible()) m_forms.graphsFm->refresh();
  }
  // The kept graphs that could not be drawn are named; the current one reopens the editor.
  showGraphFailures();
  return p.graph.EvalFailed;
}

void TKelvoScrn1::showGraphFailures() {
  if (p.GraphFailures.empty()) return;
  QStringList failures;
  for (const std::string& failure : p.GraphFailures) failures << EngineText(failure);
  showWarning(failures.join('\n'));
}

void TKelvoScrn1::reportFailedDraw() {
  for (int i = 0; i < 10; ++i) p.host->beep();
  EditFunctionsAfterError();
}

void TKelvoScrn1::DrawBtnClick() {
  std::uint8_t& go = p.graph.DrawContinue;
  go = go != 1 ? 1 : 0;
}

void TKelvoScrn1::rotate(Arrow arrow) {
  if (p.DrawInProgress) return;
  const Eye asked = SteppedEye(p.graph, arrow);
  if (!EyeSeesAxesBox(p.graph, asked)) {
    showWarning(EngineText(RefusedEyeMessage(asked, EyeOf(p.graph))));
    return;
  }
  logCommand("rotate");
  {
    DrawingScope scope(*this);
    DrawBtn->show();
    RotatePicture(p, arrow);
    DrawBtn->hide();
    refreshAngleFields();
    placeControls();
    captureAndShow();
    refreshValueListing();
  }
  updateCaption();
}
