// SPDX-License-Identifier: MIT
// A PDF document assembled from the picture's shapes: page content, font, images, cross
// references.
#include "io/PdfDrawing.h"

#include "io/VectorNumbers.h"
#include "render/canvas/PictureText.h"

#include <zlib.h>

#include <cstdio>
#include <string_view>

namespace {

void appendComponents(std::string& out, Color c) {
  for (const int part : {colorRed(c), colorGreen(c), colorBlue(c)}) {
    AppendNumber(out, part / 255.0);
    out += ' ';
  }
}

// A PDF string in the font's Latin encoding: letters beyond it become '?', and everything but
// plain printable characters is written as an octal escape.
void appendPdfString(std::string& out, const QString& text) {
  out += '(';
  for (const char c : text.toLatin1()) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '(' && c != ')' && c != '\\') {
      out += c;
      continue;
    }
    const char octal[] = {'\\', char('0' + (byte >> 6)), char('0' + ((byte >> 3) & 7)),
                          char('0' + (byte & 7))};
    out.append(octal, sizeof octal);
  }
  out += ')';
}

// The fastest level: the page's text is long and repetitive, and packs well even so.
bool deflateInto(std::string& out, std::string_view data) {
  uLongf length = compressBound(uLong(data.size()));
  std::string packed(length, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &length,
                reinterpret_cast<const Bytef*>(data.data()), uLong(data.size()),
                Z_BEST_SPEED) != Z_OK)
    return false;
  packed.resize(length);
  out = std::move(packed);
  return true;
}

// The image's pixels as rows of red, green and blue bytes.
std::string rgbRows(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  const auto rowBytes = std::size_t(rgb.width()) * 3;
  std::string rows;
  rows.reserve(rowBytes * std::size_t(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y)
    rows.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rowBytes);
  return rows;
}

// The numbered objects of the file and where each begins.
class PdfFile {
public:
  PdfFile() { m_out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }
  void object(int number, const std::string& body) {
    begin(number);
    m_out += body;
    m_out += "\nendobj\n";
  }
  void stream(int number, const std::string& dictionary, const std::string& packed) {
    begin(number);
    m_out += "<< " + dictionary + " /Filter /FlateDecode /Length ";
    AppendInteger(m_out, static_cast<long long>(packed.size()));
    m_out += " >>\nstream\n";
    m_out += packed;
    m_out += "\nendstream\nendobj\n";
  }
  std::string finish(int root, int info) {
    const std::size_t table = m_out.size();
    m_out += "xref\n0 ";
    AppendInteger(m_out, static_cast<long long>(m_offsets.size()));
    m_out += "\n0000000000 65535 f \n";
    for (std::size_t i = 1; i < m_offsets.size(); ++i) {
      char entry[21];
      std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", m_offsets[i]);
      m_out += entry;
    }
    m_out += "trailer\n<< /Size ";
    AppendInteger(m_out, static_cast<long long>(m_offsets.size()));
    m_out += " /Root " + std::to_string(root) + " 0 R /Info " + std::to_string(info) +
             " 0 R >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
    return std::move(m_out);
  }

private:
  void begin(int number) {
    if (m_offsets.size() <= std::size_t(number)) m_offsets.resize(std::size_t(number) + 1);
    m_offsets[std::size_t(number)] = m_out.size();
    m_out += std::to_string(number) + " 0 obj\n";
  }
  std::string m_out;
  std::vector<std::size_t> m_offsets{0};
};

// The page with its resources: the stroke adjustment, the font and the images from object 7 on.
std::string pageDictionary(QSize size, std::size_t images) {
  std::string named;
  for (std::size_t i = 0; i < images; ++i)
    named += " /Im" + std::to_string(i) + ' ' + std::to_string(7 + i) + " 0 R";
  return "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + std::to_string(size.width()) + ' ' +
         std::to_string(size.height()) +
         "] /Resources << /ExtGState << /GS1 << /SA true /SM 0.02 >> >> /Font << /F1 5 0 R >> "
         "/XObject <<" +
         named + " >> >> /Contents 4 0 R >>";
}

} // namespace

// Stroke adjustment lets a renderer put a line of one pixel on one row or column of pixels
// instead of blurring it over two.
PdfDrawing::PdfDrawing(QSize size) : ShapeCanvas(size) {
  m_content = "/GS1 gs 1 w\n";
}

void PdfDrawing::useFill(Color color) {
  if (m_fill == color) return;
  m_fill = color;
  appendComponents(m_content, color);
  m_content += "rg\n";
}

void PdfDrawing::useStroke(Color color, bool roundEnds) {
  if (m_stroke != color) {
    m_stroke = color;
    appendComponents(m_content, color);
    m_content += "RG\n";
  }
  if (m_roundEnds != roundEnds) {
    m_roundEnds = roundEnds;
    m_content += roundEnds ? "1 J 1 j\n" : "0 J\n";
  }
}

// Page space has its origin at the bottom left and y going up.
void PdfDrawing::appendPoint(QPointF p, const char* op) {
  AppendNumber(m_content, p.x());
  m_content += ' ';
  AppendNumber(m_content, size().height() - p.y());
  m_content += op;
}

void PdfDrawing::paintRect(const QRectF& rect, Color color) {
  useFill(color);
  appendPoint(rect.bottomLeft(), " ");
  AppendNumber(m_content, rect.width());
  m_content += ' ';
  AppendNumber(m_content, rect.height());
  m_content += " re f\n";
}

void PdfDrawing::paintLine(QPointF a, QPointF b, Color color) {
  useStroke(color, false);
  appendPoint(a, " m ");
  appendPoint(b, " l S\n");
}

void PdfDrawing::paintPolygon(const QPolygonF& shape, std::optional<Color> fill,
                              std::optional<Color> outline) {
  if (fill) useFill(*fill);
  if (outline) useStroke(*outline, true);
  for (qsizetype i = 0; i < shape.size(); ++i) appendPoint(shape[i], i == 0 ? " m " : " l ");
  m_content += fill && outline ? "h B*\n" : fill ? "h f*\n" : "h S\n";
}

void PdfDrawing::paintText(QPointF origin, const QString& text, Color color) {
  useFill(color);
  m_content += "BT /F1 ";
  AppendInteger(m_content, PictureFont().pixelSize());
  m_content += " Tf ";
  appendPoint(origin, " Td ");
  appendPdfString(m_content, text);
  m_content += " Tj ET\n";
}

void PdfDrawing::drawImage(const QImage& image) {
  m_content += "q ";
  AppendInteger(m_content, size().width());
  m_content += " 0 0 ";
  AppendInteger(m_content, size().height());
  m_content += " 0 0 cm /Im";
  AppendInteger(m_content, static_cast<long long>(m_images.size()));
  m_content += " Do Q\n";
  m_images.push_back(image);
}

FileResult PdfDrawing::finish(std::string& out) {
  // Objects: 1 catalogue, 2 page tree, 3 page, 4 content, 5 font, 6 information, 7... images.
  PdfFile file;
  std::string packed;
  if (!deflateInto(packed, m_content)) return Failed("the PDF page could not be compressed");
  file.object(1, "<< /Type /Catalog /Pages 2 0 R >>");
  file.object(2, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
  file.object(3, pageDictionary(size(), m_images.size()));
  file.stream(4, "", packed);
  file.object(5, "<< /Type /Font /Subtype /Type1 /BaseFont /Times-Roman "
                 "/Encoding /WinAnsiEncoding >>");
  file.object(6, "<< /Title (Kelvo graph) /Creator (Kelvo) /Producer (Kelvo) >>");
  for (std::size_t i = 0; i < m_images.size(); ++i) {
    if (!deflateInto(packed, rgbRows(m_images[i])))
      return Failed("the picture could not be compressed for the PDF page");
    file.stream(int(7 + i),
                "/Type /XObject /Subtype /Image /Width " + std::to_string(m_images[i].width()) +
                    " /Height " + std::to_string(m_images[i].height()) +
                    " /ColorSpace /DeviceRGB /BitsPerComponent 8",
                packed);
  }
  out = file.finish(1, 6);
  return {};
}
