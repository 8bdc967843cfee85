// SPDX-License-Identifier: MIT
// Bitmaps through QImageReader and QImageWriter with the format given, never guessed.
#include "io/Bmp.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QImageWriter>

#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <utility>

namespace {

// Qt refuses on its own to allocate more than this for one picture: the size check below
// comes first, this holds for anything that slips past it.
void limitQtAllocations() {
  static std::once_flag once;
  std::call_once(once, [] {
    QImageReader::setAllocationLimit(static_cast<int>(MaxPicturePixels * 4 / (1024 * 1024)));
  });
}

std::uint32_t little32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t little16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// The width and height the header declares (OS/2 headers keep them in 16 bits); none when
// the header is too short to say.
std::optional<std::pair<long long, long long>> declaredSize(const unsigned char* data,
                                                            std::size_t size) {
  if (size < 26) return std::nullopt;
  if (little32(data + 14) == 12) return std::make_pair(little16(data + 18), little16(data + 20));
  return std::make_pair(static_cast<long long>(static_cast<std::int32_t>(little32(data + 18))),
                        std::llabs(static_cast<std::int32_t>(little32(data + 22))));
}

// Qt fills the rows a short file lacks instead of failing; an uncompressed bitmap must hold
// every row its header declares.
bool rowsPresent(const unsigned char* data, std::size_t size) {
  if (size < 34) return false;
  const std::uint32_t offset = little32(data + 10);
  const std::uint32_t headerSize = little32(data + 14);
  if (headerSize < 40) return true; // old OS/2 headers: Qt checks these itself
  const long long width = static_cast<std::int32_t>(little32(data + 18));
  const long long height = std::llabs(static_cast<std::int32_t>(little32(data + 22)));
  const int bits = little16(data + 28);
  const std::uint32_t compression = little32(data + 30);
  const bool uncompressed = compression == 0 || compression == 3;
  if (!uncompressed || bits < 1 || bits > 32) return true;
  const long long stride = (width * bits + 31) / 32 * 4;
  return static_cast<long long>(offset) + stride * height <= static_cast<long long>(size);
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
  if (size < 2 || data[0] != 'B' || data[1] != 'M') return {{}, Failed("not a bitmap file")};
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto declared = declaredSize(data, size);
  if (!declared) return {{}, Failed("the file is truncated")};
  const std::string problem = PictureSizeProblem(declared->first, declared->second);
  if (!problem.empty()) return {{}, Failed(problem)};
  if (!rowsPresent(data, size)) return {{}, Failed("the file is truncated")};
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
