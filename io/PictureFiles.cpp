// SPDX-License-Identifier: MIT
// Picture and listing files: encoded in memory, then written whole or not at all.
#include "io/PictureFiles.h"

#include "io/Bmp.h"
#include "io/Gif.h"
#include "io/Jpeg.h"
#include "io/Png.h"
#include "io/SafeRead.h"
#include "io/SafeWrite.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <csetjmp>

namespace {

void appendPngBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void flushPngBytes(png_structp) {}

// The caller only needs to know that encoding failed, not libpng's words for it.
[[noreturn]] void pngFailed(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp) {}

// The rows libpng is given: 8-bit palette indices or 8-bit RGB.
struct PngRows {
  png_uint_32 width = 0, height = 0;
  int colorType = PNG_COLOR_TYPE_RGB;
  std::vector<png_color> palette;
  const unsigned char* first = nullptr;
  std::size_t stride = 0;
};

// libpng leaves the function by longjmp on an error, so nothing between setjmp and the end
// owns a resource that needs a destructor: the rows and the bytes belong to the caller.
bool encodeRows(const PngRows& rows, std::vector<unsigned char>& out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, pngFailed, pngWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, appendPngBytes, flushPngBytes);
  png_set_IHDR(png, info, rows.width, rows.height, 8, rows.colorType, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (rows.colorType == PNG_COLOR_TYPE_PALETTE)
    png_set_PLTE(png, info, rows.palette.data(), static_cast<int>(rows.palette.size()));
  // The picture is made of flat colours: unfiltered rows at zlib's fastest level cost a third
  // of adaptive filtering at the default level and the file is hardly larger.
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(png, Z_BEST_SPEED);
  png_write_info(png, info);
  for (png_uint_32 y = 0; y < rows.height; ++y)
    png_write_row(png, const_cast<png_bytep>(rows.first + y * rows.stride));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

// A picture of at most 256 colours (flat fills and a few hundred shades at most, as a rule)
// as palette indices: a third of the bytes to compress. False, leaving rows alone, when it
// has more colours.
bool indexColours(const QImage& rgb32, PngRows& rows, std::vector<unsigned char>& indices) {
  constexpr std::size_t TableSize = 1024; // open addressing, at most a quarter full
  constexpr std::uint32_t Empty = 0xFFFFFFFFu;
  std::vector<std::uint32_t> colours(TableSize, Empty);
  std::vector<unsigned char> paletteIndex(TableSize, 0);
  const int width = rgb32.width(), height = rgb32.height();
  indices.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  std::vector<png_color> palette;
  std::uint32_t previous = Empty;
  unsigned char previousIndex = 0;
  std::size_t at = 0;
  for (int y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(rgb32.constScanLine(y));
    for (int x = 0; x < width; ++x, ++at) {
      const std::uint32_t colour = line[x] & 0xFFFFFFu;
      if (colour != previous) {
        std::size_t h = (colour * 0x9E3779B1u) >> 22;
        while (colours[h] != Empty && colours[h] != colour) h = (h + 1) % TableSize;
        if (colours[h] == Empty) {
          if (palette.size() == 256) return false;
          colours[h] = colour;
          paletteIndex[h] = static_cast<unsigned char>(palette.size());
          palette.push_back({static_cast<png_byte>(colour >> 16),
                             static_cast<png_byte>(colour >> 8), static_cast<png_byte>(colour)});
        }
        previous = colour;
        previousIndex = paletteIndex[h];
      }
      indices[at] = previousIndex;
    }
  }
  rows.colorType = PNG_COLOR_TYPE_PALETTE;
  rows.palette = std::move(palette);
  rows.first = indices.data();
  rows.stride = static_cast<std::size_t>(width);
  return true;
}

} // namespace

std::vector<unsigned char> EncodePng(const QImage& picture) {
  if (picture.isNull()) return {};
  PngRows rows;
  rows.width = static_cast<png_uint_32>(picture.width());
  rows.height = static_cast<png_uint_32>(picture.height());
  const QImage rgb32 = picture.convertToFormat(QImage::Format_RGB32);
  std::vector<unsigned char> indices;
  QImage rgb;
  if (!indexColours(rgb32, rows, indices)) {
    rgb = picture.convertToFormat(QImage::Format_RGB888);
    rows.first = rgb.constBits();
    rows.stride = static_cast<std::size_t>(rgb.bytesPerLine());
  }
  std::vector<unsigned char> out;
  if (!encodeRows(rows, out)) return {};
  return out;
}

FileResult EncodePicture(const QImage& picture, PictureFormat format, int jpegQuality,
                         std::vector<unsigned char>& out) {
  out.clear();
  if (picture.isNull() || picture.width() < 1 || picture.height() < 1)
    return Failed("the picture is empty");
  switch (format) {
  case PictureFormat::Bmp:
    return EncodeBmp(picture, out);
  case PictureFormat::Jpeg:
    return EncodeJpeg(picture, jpegQuality, out);
  case PictureFormat::Gif:
    return EncodeGif(picture, out);
  case PictureFormat::Png:
    out = EncodePng(picture);
    return out.empty() ? Failed("the picture could not be encoded") : FileResult{};
  default:
    return Failed("unsupported picture format");
  }
}

FileResult WritePicture(const QImage& picture, PictureFormat format, const std::string& path,
                        int jpegQuality) {
  std::vector<unsigned char> bytes;
  const FileResult encoded = EncodePicture(picture, format, jpegQuality, bytes);
  if (!encoded.ok) return encoded;
  return WriteFileSafely(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

FileResult SavePicture(const QImage& picture, const std::string& path, int jpegQuality) {
  return WritePicture(picture, pictureFormatOf(path), path, jpegQuality);
}

DecodedPicture DecodePicture(PictureFormat format, const unsigned char* data, std::size_t size) {
  switch (format) {
  case PictureFormat::Bmp:
    return DecodeBmp(data, size);
  case PictureFormat::Jpeg:
    return DecodeJpeg(data, size);
  case PictureFormat::Gif:
    return DecodeGif(data, size);
  case PictureFormat::Png:
    return DecodePng(data, size);
  default:
    return {{}, Failed("unsupported picture format")};
  }
}

DecodedPicture ReadPictureFile(const std::string& path, PictureFormat format) {
  std::vector<unsigned char> bytes;
  const FileResult read =
      ReadFileSafely(path, MaxPictureFileBytes, bytes, "the file is too large to be a picture");
  if (!read.ok) return {{}, read};
  return DecodePicture(format, bytes.data(), bytes.size());
}

FileResult SaveTextLines(const std::vector<std::string>& lines, const std::string& path) {
  std::string text;
  std::size_t length = 0;
  for (const std::string& line : lines) length += line.size() + 1;
  text.reserve(length);
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return WriteFileSafely(path, text);
}
