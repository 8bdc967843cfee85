// SPDX-License-Identifier: MIT
// PaintBox1.
#include "ui/PictureBox.h"

#include "render/Program.h"

#include <QPainter>

PictureBox::PictureBox(Program& program, QWidget* parent) : QWidget(parent), p(program) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::showPicture() {
  m_pictureChanged = true;
  update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  if (!m_pictureChanged && !p.DrawInProgress && p.graph.PictureCopyValid &&
      !p.PictureCopy.isNull() && !p.Picture.isNull()) {
    QPainter restore(&p.Picture);
    restore.drawImage(0, 0, p.PictureCopy);
  }
  m_pictureChanged = false;
  QPainter painter(this);
  if (p.Picture.isNull())
    painter.fillRect(rect(), Qt::white);
  else
    painter.drawImage(0, 0, p.Picture);
}
