// SPDX-License-Identifier: MIT
// SVG and PDF documents of the picture, drawn through the same canvas operations as the
// picture itself.
#include "io/VectorPicture.h"

#include "io/PdfDrawing.h"
#include "io/SafeWrite.h"
#include "io/SvgDrawing.h"
#include "render/canvas/ImageCanvas.h"
#include "render/canvas/PainterCanvas.h"

#include <QBuffer>
#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

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

namespace {

// An image of the size times scale, painted through a painter that draws in the picture's own
// pixels.
QImage paintedAtScale(QSize size, int scale, const std::function<void(QPainter&)>& paint) {
  scale = std::clamp(scale, 1, MaxPictureScale);
  QImage image(size * scale, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.scale(scale, scale);
  paint(painter);
  painter.end();
  return image;
}

} // namespace

QImage ScaledPicture(const QImage& picture, const PictureRecorder& recorder, int scale) {
  if (picture.isNull()) return {};
  return paintedAtScale(picture.size(), scale,
                        [&](QPainter& painter) { PaintVectorPicture(painter, picture, recorder); });
}

QImage ScaledFullGraph(const Program& p, const FullGraphLabels& labels, int scale) {
  const QRect area = FullGraphArea(p, labels);
  return paintedAtScale(area.size(), scale, [&](QPainter& painter) {
    PaintFullGraph(painter, p, labels, [&](QPainter& at) {
      if (!p.PictureCopy.isNull()) PaintVectorPicture(at, p.PictureCopy, p.pictureRecorder);
    });
  });
}

QImage PictureAtScale(const Program& p, const FullGraphLabels& labels, bool full, int scale) {
  if (scale > 1)
    return full ? ScaledFullGraph(p, labels, scale)
                : ScaledPicture(p.PictureCopy, p.pictureRecorder, scale);
  return full ? ComposeFullGraph(p, labels) : p.PictureCopy;
}

namespace {

// Qt's PDF writer puts the time of writing into the document, so that no two files of the same
// picture were alike. The date goes (its place blanked, which keeps every offset of the file),
// or becomes the one SOURCE_DATE_EPOCH names, as reproducible builds set it.
void removeCreationDate(QByteArray& pdf) {
  const QByteArray key = "/CreationDate (";
  const qsizetype start = pdf.indexOf(key);
  const qsizetype end = start < 0 ? -1 : pdf.indexOf(')', start + key.size());
  if (end < 0) return;
  const qsizetype length = end + 1 - start;
  QByteArray replacement;
  bool fixed = false;
  const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&fixed);
  if (fixed && epoch >= 0) {
    const QDateTime when = QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC);
    replacement = key + "D:" + when.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
  }
  if (replacement.size() > length) replacement.clear();
  pdf.replace(start, length, replacement.leftJustified(length, ' '));
}

FileResult encodeDocument(PictureFormat format, QSize size,
                          const std::function<void(QPainter&)>& paint, QByteArray& bytes) {
  bytes.clear();
  if (size.isEmpty()) return Failed("the picture is empty");
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  FileResult result;
  if (format == PictureFormat::Svg)
    result = paintSvg(size, paint, buffer);
  else if (format == PictureFormat::Pdf)
    result = paintPdf(size, paint, buffer);
  else
    result = Failed("unsupported picture format");
  buffer.close();
  if (!result.ok) return result;
  if (format == PictureFormat::Svg) measureInPixels(bytes, size);
  if (format == PictureFormat::Pdf) removeCreationDate(bytes);
  return {};
}

// The recorded shapes, lines and letters when the record matches the picture, the picture as
// an image otherwise, written by the drawing of the format.
template <typename Drawing>
FileResult drawPicture(const QImage& picture, const PictureRecorder& recorder, std::string& out) {
  Drawing drawing(picture.size());
  if (!RecordMatchesPicture(recorder, picture)) {
    drawing.drawImage(picture);
  } else {
    if (!recorder.base().isNull()) drawing.drawImage(recorder.base());
    recorder.replay(drawing);
  }
  return drawing.finish(out);
}

} // namespace

FileResult EncodeVectorPicture(PictureFormat format, const QImage& picture,
                               const PictureRecorder& recorder, std::string& out) {
  out.clear();
  if (picture.isNull() || picture.size().isEmpty()) return Failed("the picture is empty");
  if (format == PictureFormat::Svg) return drawPicture<SvgDrawing>(picture, recorder, out);
  if (format == PictureFormat::Pdf) return drawPicture<PdfDrawing>(picture, recorder, out);
  return Failed("unsupported picture format");
}

FileResult SaveVectorPicture(const std::string& path, PictureFormat format, const QImage& picture,
                             const PictureRecorder& recorder) {
  std::string bytes;
  const FileResult encoded = EncodeVectorPicture(format, picture, recorder, bytes);
  if (!encoded.ok) return encoded;
  return WriteFileSafely(path, bytes);
}

FileResult EncodeVectorFullGraph(PictureFormat format, const Program& p,
                                 const FullGraphLabels& labels, std::string& out) {
  out.clear();
  const QRect area = FullGraphArea(p, labels);
  QByteArray bytes;
  const FileResult encoded = encodeDocument(
      format, area.size(),
      [&](QPainter& painter) {
        painter.fillRect(QRect(QPoint(0, 0), area.size()), Qt::white);
        PaintFullGraph(painter, p, labels, [&](QPainter& at) {
          if (!p.PictureCopy.isNull()) PaintVectorPicture(at, p.PictureCopy, p.pictureRecorder);
        });
      },
      bytes);
  if (encoded.ok) out.assign(bytes.constData(), std::size_t(bytes.size()));
  return encoded;
}

FileResult SaveVectorFullGraph(const std::string& path, PictureFormat format, const Program& p,
                               const FullGraphLabels& labels) {
  std::string bytes;
  const FileResult encoded = EncodeVectorFullGraph(format, p, labels, bytes);
  if (!encoded.ok) return encoded;
  return WriteFileSafely(path, bytes);
}
