// SPDX-License-Identifier: MIT
// SVG and PDF documents of the picture, painted through the same canvas operations as the
// picture itself.
#include "io/VectorPicture.h"

#include "io/SafeWrite.h"
#include "render/PainterCanvas.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

// The record painted again into a fresh image: its base, or black until its first fill.
QImage replayed(const PictureRecorder& recorder, QSize size) {
  QImage image = recorder.base().isNull() ? QImage(size, QImage::Format_RGB32)
                                          : recorder.base().convertToFormat(QImage::Format_RGB32);
  if (recorder.base().isNull()) image.fill(Qt::black);
  ImageCanvas canvas(image);
  recorder.replay(canvas);
  return image;
}

// The generator gives the drawing's size in millimetres, which viewers round to a pixel more
// or less; the size in pixels makes it as large as the picture.
void measureInPixels(QByteArray& svg, QSize size) {
  const qsizetype start = svg.indexOf("<svg width=\"");
  const qsizetype end = start < 0 ? -1 : svg.indexOf('\n', start);
  if (end < 0) return;
  const QByteArray line = "<svg width=\"" + QByteArray::number(size.width()) + "\" height=\"" +
                          QByteArray::number(size.height()) + "\"";
  svg.replace(start, end - start, line);
}

FileResult paintSvg(QSize size, const std::function<void(QPainter&)>& paint, QBuffer& buffer) {
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  // At the resolution of a plain screen the document measures as many pixels as the picture.
  svg.setResolution(96);
  svg.setTitle(QStringLiteral("Kelvo graph"));
  QPainter painter;
  if (!painter.begin(&svg)) return Failed("the SVG drawing could not be started");
  paint(painter);
  painter.end();
  return {};
}

FileResult paintPdf(QSize size, const std::function<void(QPainter&)>& paint, QBuffer& buffer) {
  QPdfWriter pdf(&buffer);
  // One point per pixel: a page as large as the picture, drawn at 72 dots per inch.
  pdf.setResolution(72);
  pdf.setPageLayout(
      QPageLayout(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch),
                  QPageLayout::Portrait, QMarginsF()));
  pdf.setTitle(QStringLiteral("Kelvo graph"));
  pdf.setCreator(QStringLiteral("Kelvo"));
  QPainter painter;
  if (!painter.begin(&pdf)) return Failed("the PDF drawing could not be started");
  paint(painter);
  if (!painter.end()) return Failed("the PDF drawing could not be finished");
  return {};
}

} // namespace

bool RecordMatchesPicture(const PictureRecorder& recorder, const QImage& picture) {
  if (!recorder.complete() || picture.isNull()) return false;
  if (!recorder.base().isNull() && recorder.base().size() != picture.size()) return false;
  return replayed(recorder, picture.size()) == picture.convertToFormat(QImage::Format_RGB32);
}

void PaintVectorPicture(QPainter& painter, const QImage& picture, const PictureRecorder& recorder) {
  if (!RecordMatchesPicture(recorder, picture)) {
    painter.drawImage(0, 0, picture);
    return;
  }
  if (!recorder.base().isNull()) painter.drawImage(0, 0, recorder.base());
  painter.save();
  painter.setClipRect(QRect(QPoint(0, 0), picture.size()));
  PainterCanvas canvas(painter, picture.size());
  recorder.replay(canvas);
  painter.restore();
}

FileResult EncodeVectorDocument(PictureFormat format, QSize size,
                                const std::function<void(QPainter&)>& paint,
                                std::vector<unsigned char>& out) {
  out.clear();
  if (size.isEmpty()) return Failed("the picture is empty");
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  FileResult result;
  if (format == PictureFormat::Svg)
    result = paintSvg(size, paint, buffer);
  else if (format == PictureFormat::Pdf)
    result = paintPdf(size, paint, buffer);
  else
    result = Failed("unsupported picture format");
  if (!result.ok) return result;
  QByteArray bytes = buffer.data();
  if (format == PictureFormat::Svg) measureInPixels(bytes, size);
  out.assign(bytes.begin(), bytes.end());
  return {};
}

namespace {

FileResult writeBytes(const std::string& path, const std::vector<unsigned char>& bytes,
                      const FileResult& encoded) {
  if (!encoded.ok) return encoded;
  return WriteFileSafely(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace

FileResult SaveVectorPicture(const std::string& path, PictureFormat format, const QImage& picture,
                             const PictureRecorder& recorder) {
  std::vector<unsigned char> bytes;
  const FileResult encoded = EncodeVectorDocument(
      format, picture.size(),
      [&](QPainter& painter) { PaintVectorPicture(painter, picture, recorder); }, bytes);
  return writeBytes(path, bytes, encoded);
}

FileResult SaveVectorFullGraph(const std::string& path, PictureFormat format, const Program& p,
                               const FullGraphLabels& labels) {
  std::vector<unsigned char> bytes;
  const QRect area = FullGraphArea(p, labels);
  const FileResult encoded = EncodeVectorDocument(
      format, area.size(),
      [&](QPainter& painter) {
        painter.fillRect(QRect(QPoint(0, 0), area.size()), Qt::white);
        PaintFullGraph(painter, p, labels, [&](QPainter& at) {
          if (!p.PictureCopy.isNull()) PaintVectorPicture(at, p.PictureCopy, p.pictureRecorder);
        });
      },
      bytes);
  return writeBytes(path, bytes, encoded);
}
