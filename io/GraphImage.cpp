// SPDX-License-Identifier: MIT
// Open, paste, graph size and the full-graph picture, shared by the window and the command line.
#include "io/GraphImage.h"

#include "graph/Format.h"
#include "render/Sequences.h"
#include "render/View.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

QColor qColor(Color c) {
  return QColor(colorRed(c), colorGreen(c), colorBlue(c));
}

QFont pixelFont(const char* family, int pixels) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  return font;
}

void paintStretched(QImage& target, const QImage& picture) {
  if (target.isNull() || picture.isNull()) return;
  QPainter painter(&target);
  painter.drawImage(0, 0, StretchOverPictureBox(picture, target.size()));
}

// One label of the window: its box in client pixels, alignment, font and colour.
struct LabelBox {
  QRect box;
  Qt::Alignment alignment;
  QFont font;
  QColor colour;
  QString text;
};

std::vector<LabelBox> labelBoxes(const Program& p, const FullGraphLabels& labels) {
  const View& v = p.view;
  const int boxWidth = std::max(0, v.GraphRight - v.GraphLeft - 2);
  const QFont labelFont = pixelFont("Times New Roman", 15);
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
  std::vector<LabelBox> boxes = {
      {QRect(v.GraphLeft + 1, v.GraphTop - 30, boxWidth, 23), Qt::AlignCenter,
       pixelFont("Arial", 19), qColor(p.graph.FontColor), QString::fromStdString(labels.title)},
      {QRect(35 + 8, v.GraphBottom + 25, 890, 17), left, labelFont, Qt::blue,
       QString::fromStdString(labels.functionLine)},
      {QRect(35 + 8, v.GraphBottom + 25 + 17, 890, 17), left, labelFont, Qt::blue,
       QString::fromStdString(labels.functionLine2)},
  };
  for (int i = 0; i < 6; ++i)
    boxes.push_back({QRect(19 + 96 * i, p.ClientHeight - 40 + 5, 94, 17), left, labelFont, Qt::blue,
                     QString::fromStdString(labels.parameters[std::size_t(i)])});
  return boxes;
}

// Where a label's text ends on the screen: a centred title keeps its box, the others end with
// their text or their box, whichever comes first.
QRect inkOf(const LabelBox& label) {
  if (label.alignment & Qt::AlignHCenter) return label.box;
  const int width = QFontMetrics(label.font).horizontalAdvance(label.text);
  return QRect(label.box.topLeft(), QSize(std::min(width, label.box.width()), label.box.height()));
}

} // namespace

QImage StretchOverPictureBox(const QImage& picture, QSize box) {
  if (picture.isNull() || box.isEmpty()) return {};
  return picture.convertToFormat(QImage::Format_RGB32)
      .scaled(box, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void ShowPictureInBox(Program& p, const QImage& picture) {
  ClearScreenPicture(p);
  paintStretched(p.Picture, picture);
  p.pictureRecorder.restartFrom(p.Picture);
  CapturePicture(p);
}

void ChangeGraphSize(Program& p, double factor) {
  GraphState& g = p.graph;
  const QImage drawn = g.HasDrawn ? p.Picture.copy() : QImage();
  g.SizeFactor = factor;
  g.SizeFactorOn = true;
  ComputeGraphRect(p.view, g, p.ClientWidth, p.ClientHeight);
  SetViewTransform(p.view, g.PlaneDistance, g.Rho, g.Theta, g.Phi);
  FitViewToAxes(p.view, g);
  ClearScreenPicture(p);
  if (g.HasDrawn) {
    paintStretched(p.Picture, drawn);
    p.pictureRecorder.restartFrom(p.Picture);
  }
  CapturePicture(p);
}

FullGraphLabels LabelsAfterDraw(const GraphState& g, const std::array<std::string, 6>& captions) {
  FullGraphLabels labels;
  labels.title = g.GraphTitle;
  labels.parameters = captions;
  if (!g.HasDrawn) return labels;
  if (g.GraphKind == '3' || g.GraphKind == '4') {
    labels.functionLine = "X= " + g.FunctionTextX + " ;    Y= " + g.FunctionTextY;
    labels.functionLine2 = "Z= " + g.FunctionTextZ;
  } else if (g.GraphKind == ImplicitKind) {
    labels.functionLine = ImplicitCaptionText(g.FunctionText);
  } else {
    labels.functionLine = "Z= " + g.FunctionText;
  }
  return labels;
}

QRect FullGraphArea(const Program& p, const FullGraphLabels& labels) {
  const View& v = p.view;
  // The graphing rectangle with the margin the window leaves, and every label that shows.
  QRect shown(QPoint(2, 2), QPoint(v.GraphRight + 7, v.GraphBottom + 27));
  for (const LabelBox& label : labelBoxes(p, labels))
    if (!label.text.isEmpty()) shown |= inkOf(label).adjusted(0, 0, 4, 4);
  return shown & QRect(2, 2, std::max(0, p.ClientWidth - 2), std::max(0, p.ClientHeight - 2));
}

void PaintFullGraph(QPainter& painter, const Program& p, const FullGraphLabels& labels,
                    const std::function<void(QPainter&)>& drawPicture) {
  const View& v = p.view;
  painter.save();
  painter.translate(-FullGraphArea(p, labels).topLeft());
  painter.setPen(qColor(p.graph.FrameColor));
  painter.setBrush(qColor(p.graph.BackgroundColor));
  painter.drawRect(v.GraphLeft, v.GraphTop, v.GraphRight - v.GraphLeft - 1,
                   v.GraphBottom - v.GraphTop - 1);
  painter.save();
  painter.translate(v.GraphLeft + 1, v.GraphTop + 1);
  drawPicture(painter);
  painter.restore();
  for (const LabelBox& label : labelBoxes(p, labels)) {
    if (label.text.isEmpty()) continue;
    painter.setFont(label.font);
    painter.setPen(label.colour);
    painter.drawText(label.box, static_cast<int>(label.alignment), label.text);
  }
  painter.restore();
}

QImage ComposeFullGraph(const Program& p, const FullGraphLabels& labels) {
  const QRect shown = FullGraphArea(p, labels);
  if (shown.isEmpty()) return {};
  QImage full(shown.size(), QImage::Format_RGB32);
  full.fill(Qt::white);
  QPainter painter(&full);
  PaintFullGraph(painter, p, labels, [&](QPainter& picture) {
    if (!p.PictureCopy.isNull()) picture.drawImage(0, 0, p.PictureCopy);
  });
  return full;
}
