// SPDX-License-Identifier: MIT
// Bitmaps through QImageReader and QImageWriter with the format given, never guessed.
#include "io/Bmp.h"

#include "io/BmpCheck.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QImageWriter>

#include <mutex>

namespace {

// Qt refuses on its own to allocate more than this for one picture: the size check below
// comes first, this holds for anything that slips past it.
void limitQtAllocations() {
  static std::once_flag once;
  std::call_once(once, [] {
    QImageReader::setAllocationLimit(static_cast<int>(MaxPicturePixels * 4 / (1024 * 1024)));
  });
}

} // namespace

FileResult EncodeBmp(const QImage& picture, std::vector<unsigned char>& out) {
  out.clear();
  if (picture.isNull()) return Failed("the picture is empty");
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "bmp");
  if (!writer.write(picture.convertToFormat(QImage::Format_RGB32)))
    return Failed("the picture could not be encoded: " + writer.errorString().toStdString());
  out.assign(bytes.constData(), bytes.constData() + bytes.size());
  return {};
}

DecodedPicture DecodeBmp(const unsigned char* data, std::size_t size) {
  limitQtAllocations();
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const std::string problem = BmpProblem(data, size);
  if (!problem.empty()) return {{}, Failed(problem)};
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "bmp");
  reader.setDecideFormatFromContent(false);
  QImage picture;
  if (!reader.read(&picture))
    return {{}, Failed("the bitmap file is damaged: " + reader.errorString().toStdString())};
  return {picture.convertToFormat(QImage::Format_RGB32), {}};
}
