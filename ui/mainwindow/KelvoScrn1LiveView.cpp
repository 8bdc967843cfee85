// SPDX-License-Identifier: MIT
// The main window's live view: dragging and zooming the picture, its arrow keys, typed angles,
// the parameter sliders and the redraw of a graph once a resize has paused.
#include "ui/mainwindow/KelvoScrn1.h"

#include "graph/Corrections.h"
#include "graph/Format.h"
#include "render/Sequences.h"
#include "ui/Forms.h"
#include "ui/ParameterSliders.h"
#include "ui/mainwindow/PictureBox.h"
#include "ui/mainwindow/RotationPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <utility>

namespace {

// The pause in resizing after which the picture is drawn at the new size.
constexpr int ResizePauseMs = 150;
// A newer view abandons the frame under way only while abandoning can pay: the frames are
// quicker than the display shows them and the one under way is in its first half. A slower
// frame, or the fourth in a row, is finished and shown first, so that a steady drag never stops
// showing pictures.
constexpr std::uint32_t FrameTimeMs = 16;
constexpr int MostAbandonedInRow = 3;

// Each live frame's line: whether it was shown or abandoned for a newer view, and its
// milliseconds.
void logFrame(bool shown, std::uint32_t ms) {
  std::fprintf(stderr, "kelvo frame %s %u ms\n", shown ? "shown" : "abandoned", ms);
}

} // namespace

bool TKelvoScrn1::frameLogging() {
  static const bool logging = qEnvironmentVariableIsSet("KELVO_FRAME_LOG");
  return logging;
}

void TKelvoScrn1::logCommand(const char* name) {
  if (!frameLogging()) return;
  m_loggedCommand = name;
  m_commandTimer.start();
}

void TKelvoScrn1::pictureShown() {
  if (!m_loggedCommand || p.DrawInProgress) return;
  std::fprintf(stderr, "kelvo %s %lld ms\n", m_loggedCommand,
               static_cast<long long>(m_commandTimer.elapsed()));
  m_loggedCommand = nullptr;
}

void TKelvoScrn1::createLiveView() {
  m_resizeTimer = new QTimer(this);
  m_resizeTimer->setSingleShot(true);
  m_resizeTimer->setInterval(ResizePauseMs);
  connect(m_resizeTimer, &QTimer::timeout, this, &TKelvoScrn1::redrawAfterResize);
  PaintBox1->setInput({[this](QPoint step) { dragged(step); }, [this] { dragEnded(); },
                       [this](int notches) { zoomBy(notches); }, [this] { ResetZoom1Click(); },
                       [this](Arrow arrow) { rotate(arrow); }});
  Panel3->setAngleEntered([this](QLineEdit* edit) { angleEntered(edit); });
  PaintBox1->setPainted([this] { pictureShown(); });
}

// Input over the picture is taken while nothing else draws; during a live frame it waits.
bool TKelvoScrn1::liveInputRefused() const {
  const char kind = p.graph.GraphKind;
  return !IsGraphKind(kind) || m_moviePlaying || (p.DrawInProgress && !m_liveRedraw);
}

void TKelvoScrn1::dragged(QPoint step) {
  if (liveInputRefused()) return;
  const EyeTurn turn = DragTurn(step.x(), step.y(), PaintBox1->width());
  if (turn.theta == 0 && turn.phi == 0) return;
  m_pending.theta += turn.theta;
  m_pending.phi += turn.phi;
  m_dragTurned = true;
  requestLiveView();
}

void TKelvoScrn1::dragEnded() {
  m_dragOver = true;
  finishDrag();
}

// An open listing window is refreshed once, when a drag that turned the eye or a slide that
// redrew the graph is over and its last frame is drawn.
void TKelvoScrn1::finishDrag() {
  if (!m_dragOver || m_liveRedraw) return;
  m_dragOver = false;
  if (!m_dragTurned) return;
  m_dragTurned = false;
  refreshValueListing();
}

void TKelvoScrn1::parameterSlid(int index, double value) {
  if (liveInputRefused()) {
    // Another drawing reads the parameters at every point: the slider goes back.
    m_forms.parameterSliders->refresh();
    return;
  }
  m_pending.parameters[index] = value;
  // With no graph on show the captions change and the picture stays as it is.
  if (!m_liveRedraw && !p.graph.GraphShown) {
    applyPendingParameters();
    updateCaption();
    return;
  }
  m_pending.redraw = true;
  m_dragTurned = true;
  requestLiveView();
}

// What the parameters dialog does on closing, for the values the sliders gave: each changed
// caption is rewritten, and the evaluator takes all six.
void TKelvoScrn1::applyPendingParameters() {
  GraphState& g = p.graph;
  for (int i = 0; i < 6; ++i) {
    const std::optional<double> value = std::exchange(m_pending.parameters[i], std::nullopt);
    if (!value || *value == g.ParamValues[i]) continue;
    g.ParamValues[i] = *value;
    parameterLabels[i]->setText(
        QString::fromStdString(ParameterCaptionPrefix(i) + ParameterCaptionText(*value)));
  }
  CopyParameters(g);
}

void TKelvoScrn1::zoomBy(int notches) {
  askZoom(SteppedZoom(m_pending.zoom.value_or(p.graph.Zoom), notches));
}

void TKelvoScrn1::askZoom(double zoom) {
  if (liveInputRefused() || zoom == m_pending.zoom.value_or(p.graph.Zoom)) return;
  m_pending.zoom = zoom;
  requestLiveView();
}

void TKelvoScrn1::redrawAfterResize() {
  const GraphState& g = p.graph;
  if (!g.GraphShown || g.MovieMode || liveInputRefused()) {
    // Another drawing runs: the new size is drawn once it has ended.
    if (p.DrawInProgress && !m_liveRedraw && g.GraphShown) m_resizeTimer->start();
    return;
  }
  m_pending.redraw = true;
  requestLiveView();
}

bool TKelvoScrn1::resizeRedrawWaiting() const {
  return m_resizeTimer->isActive();
}

// An angle typed into Edit4 or Edit5 of the rotation panel takes the view dialog's reading
// and corrections; an unreadable text leaves the angle as it was, and the field shows the
// angle in effect. An angle that would bring the eye too near the axes box is refused with a
// message.
void TKelvoScrn1::angleEntered(QLineEdit* edit) {
  GraphState& g = p.graph;
  const double theta = g.Theta, phi = g.Phi;
  std::string refusal;
  if (!drawing()) {
    const Eye before = EyeOf(g);
    const std::string text = edit->text().toStdString();
    StoreViewFields(p, edit == Panel3->Edit4 ? text : "", edit == Panel3->Edit5 ? text : "", "");
    FinishViewDialog(g);
    refusal = KeepEyeSeeingAxes(g, before);
  }
  refreshAngleFields();
  if (!refusal.empty()) showWarning(QString::fromStdString(refusal));
  if (g.Theta == theta && g.Phi == phi) return;
  m_pending.redraw = true;
  requestLiveView();
  refreshValueListing();
}

void TKelvoScrn1::requestLiveView() {
  if (!m_liveRedraw) return runLiveRedraw();
  if (abandonAllowed()) p.ViewPending = true;
}

bool TKelvoScrn1::abandonAllowed() const {
  if (m_abandonedInRow >= MostAbandonedInRow) return false;
  const std::uint32_t running = p.host->tickCount() - m_frameStartedAt;
  if (running >= FrameTimeMs) return false;
  return m_frameMs == 0 || (m_frameMs <= FrameTimeMs && 2 * running < m_frameMs);
}

// Draws frames as a rotation button does, each at the newest view asked for, until no view
// waits. Only finished frames are shown and captured; the picture box shows the last one
// while the next is drawn.
void TKelvoScrn1::runLiveRedraw() {
  m_liveRedraw = true;
  PaintBox1->setShowFinishedFrames(true);
  {
    DrawingScope scope(*this);
    DrawBtn->show();
    while (m_pending.any() || p.ViewPending) {
      p.ViewPending = false;
      // A drag does not go where the eye would come too near the axes box: the turn is not
      // taken, and the next step starts from the eye in force.
      TurnEye(p.graph, m_pending.theta, m_pending.phi);
      if (m_pending.zoom) p.graph.Zoom = *m_pending.zoom;
      applyPendingParameters();
      m_pending = {};
      refreshAngleFields();
      m_frameStartedAt = p.host->tickCount();
      RedrawViewPicture(p);
      const std::uint32_t ms = p.host->tickCount() - m_frameStartedAt;
      if (frameLogging()) logFrame(!p.ViewPending, ms);
      if (p.ViewPending) {
        ++m_abandonedInRow;
        continue;
      }
      m_abandonedInRow = 0;
      m_frameMs = ms;
      showLiveFrame();
    }
    DrawBtn->hide();
  }
  PaintBox1->setShowFinishedFrames(false);
  m_liveRedraw = false;
  PaintBox1->showPicture();
  finishDrag();
  updateCaption();
}

void TKelvoScrn1::showLiveFrame() {
  placeControls();
  CapturePicture(p);
  PaintBox1->showPicture();
}
