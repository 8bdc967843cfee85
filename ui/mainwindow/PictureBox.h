// SPDX-License-Identifier: MIT
// PaintBox1: the widget that shows the program's picture.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>

struct Program;
enum class Arrow;

// What the mouse and the keys do over the picture; the window fills these in.
struct PictureInput {
  // The left button moved by this many pixels since the last report of the drag.
  std::function<void(QPoint)> dragged;
  // The left button was let go (or found released) after a drag had begun.
  std::function<void()> dragEnded;
  // Wheel notches or + / - presses: positive zooms in.
  std::function<void(int)> zoomed;
  std::function<void()> zoomReset;
  // An arrow key, as the arrow button of the same direction.
  std::function<void(Arrow)> arrowKey;
};

class QPainter;

// The finished picture drawn again at a screen's device pixel ratio, so that on a HiDPI screen
// cells, lines and letters are as sharp as the menus. It is made once per finished picture and
// only while the picture rests (not between the frames of a drag), so that live pictures stay
// as fast as on any screen.
class SharpPicture {
public:
  // The sharp twin of the program's finished picture at ratio, or nullptr while there is none
  // made for it (a ratio of 1, a drawing under way, a picture newer than the twin).
  const QImage* current(const Program& p, qreal ratio) const;
  // Makes the twin of the finished picture at ratio; false when there is nothing to make.
  bool make(const Program& p, qreal ratio);

private:
  QImage m_image;
  qint64 m_key = 0;
  qreal m_ratio = 1;
};

class PictureBox : public QWidget {
  Q_OBJECT
public:
  PictureBox(Program& program, QWidget* parent);

  // The picture changed under the program's hands: the next paint shows it as it is.
  void showPicture();
  void setInput(PictureInput input) { m_input = std::move(input); }
  // While set, a paint during a drawing shows the last finished picture (PictureCopy) instead
  // of the one being drawn, so that a picture turned live never shows half a frame.
  void setShowFinishedFrames(bool on) { m_finishedFrames = on; }
  // Runs after every paint of the picture.
  void setPainted(std::function<void()> hook) { m_painted = std::move(hook); }

protected:
  // A paint the program did not ask for (the window was covered, restored or resized)
  // first copies PictureCopy back while it is valid, as the picture on screen would have
  // been lost. A running draw is never painted over.
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void endDrag();
  void paintPicture(QPainter& painter);

  Program& p;
  bool m_pictureChanged = false;
  bool m_finishedFrames = false;
  PictureInput m_input;
  std::function<void()> m_painted;
  bool m_dragging = false;
  QPoint m_dragAt;
  // Eighths of a degree of wheel turn not yet worth a whole notch.
  int m_wheelRest = 0;
  SharpPicture m_sharp;
  // Started by a paint that had no sharp twin to show; the twin is made when it runs out.
  QTimer m_sharpDelay;
};
