// SPDX-License-Identifier: MIT
// SVG text written element by element from the picture's shapes.
#include "io/SvgDrawing.h"

#include "io/VectorNumbers.h"
#include "render/canvas/PictureText.h"

#include <QBuffer>
#include <QByteArray>

namespace {

void appendColor(std::string& out, Color c) {
  static const char hex[] = "0123456789abcdef";
  out += '#';
  for (const int part : {colorRed(c), colorGreen(c), colorBlue(c)}) {
    out += hex[(part >> 4) & 15];
    out += hex[part & 15];
  }
}

// ` name="value"`, the value a number or a colour.
void appendAttribute(std::string& out, const char* name, double value) {
  out += ' ';
  out += name;
  out += "=\"";
  AppendNumber(out, value);
  out += '"';
}

void appendColorAttribute(std::string& out, const char* name, Color color) {
  out += ' ';
  out += name;
  out += "=\"";
  appendColor(out, color);
  out += '"';
}

// Text as XML character data or an attribute value: the markup characters escaped, and the
// control characters XML does not allow left out.
void appendEscaped(std::string& out, const QString& text) {
  for (const char c : text.toStdString()) {
    switch (c) {
    case '&':
      out += "&amp;";
      break;
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '"':
      out += "&quot;";
      break;
    default:
      if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
  }
}

} // namespace

SvgDrawing::SvgDrawing(QSize size) : ShapeCanvas(size) {}

void SvgDrawing::useStroke(Stroke stroke, Color color) {
  if (stroke == m_stroke && (stroke == Stroke::None || color == m_strokeColor)) return;
  if (m_stroke != Stroke::None) m_body += "</g>\n";
  m_stroke = stroke, m_strokeColor = color;
  if (stroke == Stroke::None) return;
  m_body += stroke == Stroke::Round ? "<g stroke=\"" : "<g fill=\"none\" stroke=\"";
  appendColor(m_body, color);
  m_body += stroke == Stroke::Round ? "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n"
                                    : "\" stroke-linecap=\"butt\">\n";
}

void SvgDrawing::appendPoint(QPointF p) {
  AppendNumber(m_body, p.x());
  m_body += ',';
  AppendNumber(m_body, p.y());
}

void SvgDrawing::paintRect(const QRectF& rect, Color color) {
  useStroke(Stroke::None, clNone);
  m_body += "<rect";
  appendAttribute(m_body, "x", rect.x());
  appendAttribute(m_body, "y", rect.y());
  appendAttribute(m_body, "width", rect.width());
  appendAttribute(m_body, "height", rect.height());
  appendColorAttribute(m_body, "fill", color);
  m_body += "/>\n";
}

void SvgDrawing::paintLine(QPointF a, QPointF b, Color color) {
  useStroke(Stroke::Flat, color);
  m_body += "<path d=\"M";
  appendPoint(a);
  m_body += 'L';
  appendPoint(b);
  m_body += "\"/>\n";
}

void SvgDrawing::paintPolygon(const QPolygonF& shape, std::optional<Color> fill,
                              std::optional<Color> outline) {
  useStroke(outline ? Stroke::Round : Stroke::None, outline.value_or(clNone));
  m_body += "<path d=\"M";
  for (qsizetype i = 0; i < shape.size(); ++i) {
    if (i > 0) m_body += 'L';
    appendPoint(shape[i]);
  }
  m_body += "Z\" fill=\"";
  if (fill)
    appendColor(m_body, *fill);
  else
    m_body += "none";
  m_body += "\"/>\n";
}

void SvgDrawing::paintText(QPointF origin, const QString& text, Color color) {
  useStroke(Stroke::None, clNone);
  const QFont font = PictureFont();
  m_body += "<text";
  appendAttribute(m_body, "x", origin.x());
  appendAttribute(m_body, "y", origin.y());
  appendColorAttribute(m_body, "fill", color);
  m_body += " font-family=\"";
  appendEscaped(m_body, font.family());
  m_body += '"';
  appendAttribute(m_body, "font-size", font.pixelSize());
  m_body += " xml:space=\"preserve\">";
  appendEscaped(m_body, text);
  m_body += "</text>\n";
}

void SvgDrawing::drawImage(const QImage& image) {
  useStroke(Stroke::None, clNone);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    m_failed = true;
    return;
  }
  m_body += "<image x=\"0\" y=\"0\"";
  appendAttribute(m_body, "width", size().width());
  appendAttribute(m_body, "height", size().height());
  m_body += " preserveAspectRatio=\"none\" xlink:href=\"data:image/png;base64,";
  m_body += png.toBase64().toStdString();
  m_body += "\"/>\n";
}

FileResult SvgDrawing::finish(std::string& out) {
  if (m_failed) return Failed("the picture could not be encoded for the SVG drawing");
  useStroke(Stroke::None, clNone);
  out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg";
  appendAttribute(out, "width", size().width());
  appendAttribute(out, "height", size().height());
  out += " viewBox=\"0 0 ";
  AppendInteger(out, size().width());
  out += ' ';
  AppendInteger(out, size().height());
  out += "\"\n xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
         " version=\"1.2\" baseProfile=\"tiny\">\n<title>Kelvo graph</title>\n"
         "<g fill-rule=\"evenodd\" stroke-width=\"1\">\n";
  out += m_body;
  out += "</g>\n</svg>\n";
  return {};
}
