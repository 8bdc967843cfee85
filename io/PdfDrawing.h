// SPDX-License-Identifier: MIT
// The picture's shapes written straight into a one-page PDF document.
#pragma once

#include "io/Codec.h"
#include "render/canvas/ShapeCanvas.h"

#include <QImage>

#include <optional>
#include <string>
#include <vector>

// One page as large as the picture, one point per pixel (the picture at 72 dots per inch).
// The shapes go into the page's content in drawing order, each colour and line end set only
// when it changes (each line is a path of its own: renderers fit a lone thin stroke to the
// pixels better than one of many in a path); letters are text in the
// standard serif font, which needs no font inside the file.
class PdfDrawing final : public ShapeCanvas {
public:
  explicit PdfDrawing(QSize size);

  // An image over the whole picture, as the drawing's ground or in place of it.
  void drawImage(const QImage& image);
  // The document with everything drawn so far.
  FileResult finish(std::string& out);

protected:
  void paintRect(const QRectF& rect, Color color) override;
  void paintLine(QPointF a, QPointF b, Color color) override;
  void paintPolygon(const QPolygonF& shape, std::optional<Color> fill,
                    std::optional<Color> outline) override;
  void paintText(QPointF origin, const QString& text, Color color) override;

private:
  void useFill(Color color);
  void useStroke(Color color, bool roundEnds);
  void appendPoint(QPointF p, const char* op);

  std::string m_content;
  std::vector<QImage> m_images;
  std::optional<Color> m_fill, m_stroke;
  std::optional<bool> m_roundEnds;
};
