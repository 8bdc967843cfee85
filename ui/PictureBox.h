// SPDX-License-Identifier: MIT
// PaintBox1: the widget that shows the program's picture.
#pragma once

#include <QWidget>

struct Program;

class PictureBox : public QWidget {
  Q_OBJECT
public:
  PictureBox(Program& program, QWidget* parent);

  // The picture changed under the program's hands: the next paint shows it as it is.
  void showPicture();

protected:
  // A paint the program did not ask for (the window was covered, restored or resized)
  // first copies PictureCopy back while it is valid, as the picture on screen would have
  // been lost. A running draw is never painted over.
  void paintEvent(QPaintEvent* event) override;

private:
  Program& p;
  bool m_pictureChanged = false;
};
