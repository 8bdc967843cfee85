// SPDX-License-Identifier: MIT
// Picture and listing files, written through QSaveFile so a failure leaves nothing behind.
#include "io/PictureFiles.h"

#include <QSaveFile>
#include <QString>

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <csetjmp>

namespace {

FileResult failure(const QSaveFile& file) {
  return {false, file.errorString().toStdString()};
}

FileResult commit(QSaveFile& file) {
  if (!file.commit()) return failure(file);
  return {};
}

struct PngOutput {
  std::vector<unsigned char> bytes;
  std::string error;
};

void appendPngBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<PngOutput*>(png_get_io_ptr(png));
  out->bytes.insert(out->bytes.end(), data, data + length);
}

void flushPngBytes(png_structp) {}

[[noreturn]] void pngFailed(png_structp png, png_const_charp message) {
  static_cast<PngOutput*>(png_get_error_ptr(png))->error = message;
  png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp) {}

// libpng leaves the function by longjmp on an error, so nothing between setjmp and the end
// owns a resource that needs a destructor: the rows belong to the caller's image and the
// bytes to the caller's output.
bool encodeRows(const QImage& rgb, PngOutput& out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &out, pngFailed, pngWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, appendPngBytes, flushPngBytes);
  png_set_IHDR(png, info, static_cast<png_uint_32>(rgb.width()),
               static_cast<png_uint_32>(rgb.height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  // The picture is made of flat colours: unfiltered rows at zlib's fastest level cost a third
  // of adaptive filtering at the default level and the file is hardly larger.
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(png, Z_BEST_SPEED);
  png_write_info(png, info);
  for (int y = 0; y < rgb.height(); ++y)
    png_write_row(png, const_cast<png_bytep>(rgb.constScanLine(y)));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

} // namespace

std::vector<unsigned char> EncodePng(const QImage& picture) {
  if (picture.isNull()) return {};
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  PngOutput out;
  if (!encodeRows(rgb, out)) return {};
  return std::move(out.bytes);
}

PictureFormat pictureFormatOf(const std::string& path) {
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos) return PictureFormat::Unknown;
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (ext == "bmp") return PictureFormat::Bmp;
  if (ext == "png") return PictureFormat::Png;
  if (ext == "jpg" || ext == "jpeg") return PictureFormat::Jpeg;
  if (ext == "gif") return PictureFormat::Gif;
  return PictureFormat::Unknown;
}

FileResult SavePicture(const QImage& picture, const std::string& path) {
  const PictureFormat format = pictureFormatOf(path);
  if (format != PictureFormat::Bmp && format != PictureFormat::Png)
    return {false, "unsupported picture format"};
  if (picture.isNull() || picture.width() < 1 || picture.height() < 1)
    return {false, "the picture is empty"};
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return failure(file);
  bool saved = false;
  if (format == PictureFormat::Bmp) {
    saved = picture.convertToFormat(QImage::Format_RGB888).save(&file, "BMP");
  } else {
    const std::vector<unsigned char> bytes = EncodePng(picture);
    const auto length = static_cast<qint64>(bytes.size());
    saved =
        !bytes.empty() && file.write(reinterpret_cast<const char*>(bytes.data()), length) == length;
  }
  if (!saved) {
    file.cancelWriting();
    return {false, "the picture could not be encoded"};
  }
  return commit(file);
}

FileResult SaveTextLines(const std::vector<std::string>& lines, const std::string& path) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return failure(file);
  for (const std::string& line : lines) {
    if (file.write(line.data(), static_cast<qint64>(line.size())) < 0 || file.write("\n", 1) < 0) {
      file.cancelWriting();
      return failure(file);
    }
  }
  return commit(file);
}
