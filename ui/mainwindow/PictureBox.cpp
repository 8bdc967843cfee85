// SPDX-License-Identifier: MIT
// PaintBox1: the picture, and the mouse and keys that turn and zoom it.
#include "ui/mainwindow/PictureBox.h"

#include "graph/Corrections.h"
#include "io/VectorPicture.h"
#include "render/Program.h"

#include <QColorSpace>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// One notch of an ordinary wheel, in eighths of a degree.
constexpr int WheelNotch = 120;
// How long a picture rests before its sharp twin is made: longer than the frames of a drag.
constexpr int SharpDelayMilliseconds = 150;

// The picture the screen shows when no drawing runs: the captured copy while it is valid,
// else the picture itself (the bare axes, say).
const QImage* restingPicture(const Program& p) {
  if (p.DrawInProgress || p.Picture.isNull()) return nullptr;
  if (p.graph.PictureCopyValid && !p.PictureCopy.isNull()) return &p.PictureCopy;
  return &p.Picture;
}

// Whether copy, just drawn at the corner of picture, left picture equal to it pixel for pixel:
// an opaque copy of the same size and kind covers every pixel. Known so, the paints of a
// resting picture need not compare the two images whole.
bool drawnAsExactCopy(const QImage& copy, const QImage& picture) {
  return copy.format() == QImage::Format_RGB32 && picture.format() == QImage::Format_RGB32 &&
         copy.size() == picture.size() && copy.devicePixelRatio() == picture.devicePixelRatio() &&
         copy.colorSpace() == picture.colorSpace();
}

} // namespace

const QImage* SharpPicture::current(const Program& p, qreal ratio) const {
  const QImage* resting = restingPicture(p);
  if (ratio <= 1 || !resting || m_image.isNull()) return nullptr;
  if (m_key != resting->cacheKey() || m_ratio != ratio) return nullptr;
  return &m_image;
}

bool SharpPicture::make(const Program& p, qreal ratio) {
  const QImage* resting = restingPicture(p);
  if (ratio <= 1 || !resting) return false;
  const int scale = std::min(MaxPictureScale, static_cast<int>(std::ceil(ratio)));
  m_image = ScaledPicture(*resting, p.pictureRecorder, scale);
  m_image.setDevicePixelRatio(scale);
  m_key = resting->cacheKey();
  m_ratio = ratio;
  return true;
}

PictureBox::PictureBox(Program& program, QWidget* parent) : QWidget(parent), p(program) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  m_sharpDelay.setSingleShot(true);
  m_sharpDelay.setInterval(SharpDelayMilliseconds);
  connect(&m_sharpDelay, &QTimer::timeout, this, [this] {
    if (m_sharp.make(p, devicePixelRatioF())) update();
  });
}

void PictureBox::showPicture() {
  m_pictureChanged = true;
  update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (m_finishedFrames && p.DrawInProgress && !p.PictureCopy.isNull()) {
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, p.PictureCopy);
  } else {
    paintPicture(painter);
  }
  if (m_painted) m_painted();
}

void PictureBox::paintPicture(QPainter& painter) {
  const bool restored = !m_pictureChanged && !p.DrawInProgress && p.graph.PictureCopyValid &&
                        !p.PictureCopy.isNull() && !p.Picture.isNull();
  if (restored) {
    QPainter restore(&p.Picture);
    restore.drawImage(0, 0, p.PictureCopy);
  }
  m_pictureChanged = false;
  if (p.Picture.isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  const qreal ratio = devicePixelRatioF();
  // The sharp twin stands for the picture only while the picture shows what rests.
  const QImage* resting = ratio > 1 ? restingPicture(p) : nullptr;
  const bool pictureIsFinished =
      resting &&
      (resting == &p.Picture || (restored && drawnAsExactCopy(p.PictureCopy, p.Picture)) ||
       p.Picture == *resting);
  if (const QImage* sharp = pictureIsFinished ? m_sharp.current(p, ratio) : nullptr) {
    painter.drawImage(0, 0, *sharp);
    return;
  }
  painter.drawImage(0, 0, p.Picture);
  if (pictureIsFinished) m_sharpDelay.start();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  // A drag whose release never arrived ends before the new one begins.
  if (m_dragging) endDrag();
  m_dragging = true;
  m_dragAt = event->position().toPoint();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  if (!m_dragging) return;
  // The release went elsewhere: the drag is over.
  if (!(event->buttons() & Qt::LeftButton)) return endDrag();
  const QPoint at = event->position().toPoint();
  const QPoint step = at - m_dragAt;
  m_dragAt = at;
  if (!step.isNull() && m_input.dragged) m_input.dragged(step);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_dragging) endDrag();
}

void PictureBox::endDrag() {
  m_dragging = false;
  if (m_input.dragEnded) m_input.dragEnded();
}

// The second press of a double click starts no drag.
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (m_input.zoomReset) m_input.zoomReset();
}

void PictureBox::wheelEvent(QWheelEvent* event) {
  event->accept();
  // Large deltas (a wheel spun hard) are summed without overflow before they are split.
  const long long total = static_cast<long long>(m_wheelRest) + event->angleDelta().y();
  const long long notches = total / WheelNotch;
  m_wheelRest = static_cast<int>(total % WheelNotch);
  if (notches != 0 && m_input.zoomed) m_input.zoomed(static_cast<int>(notches));
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
  const auto arrow = [this](Arrow a) {
    if (m_input.arrowKey) m_input.arrowKey(a);
  };
  const auto zoom = [this](int notches) {
    if (m_input.zoomed) m_input.zoomed(notches);
  };
  switch (event->key()) {
  case Qt::Key_Right:
    return arrow(Arrow::Right);
  case Qt::Key_Left:
    return arrow(Arrow::Left);
  case Qt::Key_Up:
    return arrow(Arrow::Up);
  case Qt::Key_Down:
    return arrow(Arrow::Down);
  case Qt::Key_Plus:
  case Qt::Key_Equal:
    return zoom(1);
  case Qt::Key_Minus:
    return zoom(-1);
  default:
    QWidget::keyPressEvent(event);
  }
}
