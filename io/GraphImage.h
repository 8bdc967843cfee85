// SPDX-License-Identifier: MIT
// The commands that treat the picture as an image: an opened or pasted picture stretched over
// the picture box, the graph size change, and the full-graph picture with title and labels.
#pragma once

#include "render/Program.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <functional>
#include <string>

// The picture stretched to the box, proportions not kept, nearest pixels as a plain stretch.
QImage StretchOverPictureBox(const QImage& picture, QSize box);
// Open Graph / Paste Graph once the picture is read: clear the screen, stretch the picture
// over the whole picture box, capture. A later Draw paints the graph over it.
void ShowPictureInBox(Program& p, const QImage& picture);

// Edit > Graph Size: SizeFactor 1.0, 0.8 or 0.625. The rectangle is laid out again at the new
// size and a picture that was drawn is scaled into it, not redrawn; then captured.
void ChangeGraphSize(Program& p, double factor);

// The texts the main window shows around the picture.
struct FullGraphLabels {
  std::string title;                       // the title line above the picture
  std::string functionLine, functionLine2; // below the picture
  std::array<std::string, 6> parameters;   // the bottom line, "a=" ... "f ="
};
// The function lines as a Draw writes them (empty before any Draw), the title and the given
// parameter captions.
FullGraphLabels LabelsAfterDraw(const GraphState& g, const std::array<std::string, 6>& captions);
// Save full graph: the window's client area from (2, 2), laid out as the main window lays it
// out (title, framed picture, function and parameter lines; not the rotation panel), wide and
// tall enough for the graphing rectangle and every label shown.
QImage ComposeFullGraph(const Program& p, const FullGraphLabels& labels);
// The same in parts: the client-area rectangle the full graph covers (empty when nothing
// shows), and its painting with the painter's origin at that rectangle's corner, on a white
// ground laid by the caller; drawPicture paints the picture with the origin at the picture
// box's corner.
QRect FullGraphArea(const Program& p, const FullGraphLabels& labels);
void PaintFullGraph(QPainter& painter, const Program& p, const FullGraphLabels& labels,
                    const std::function<void(QPainter&)>& drawPicture);
