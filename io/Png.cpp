// SPDX-License-Identifier: MIT
// libpng called directly for reading; its errors jump back here and become messages.
#include "io/Png.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Where libpng takes its bytes from, and the words of the error that stopped it.
struct PngSource {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
  std::size_t at = 0;
  char message[160] = {};
};

void readPngBytes(png_structp png, png_bytep out, png_size_t length) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (length > source->size - source->at) png_error(png, "the file is truncated");
  std::memcpy(out, source->data + source->at, length);
  source->at += length;
}

// libpng ends the process on an error unless the handler leaves by longjmp.
[[noreturn]] void pngReadFailed(png_structp png, png_const_charp message) {
  auto* source = static_cast<PngSource*>(png_get_error_ptr(png));
  std::snprintf(source->message, sizeof source->message, "%s", message);
  png_longjmp(png, 1);
}

void pngReadWarning(png_structp, png_const_charp) {}

// The decoded rows (8-bit RGBA) laid over white.
QImage overWhite(const QImage& rgba) {
  QImage picture(rgba.size(), QImage::Format_RGB32);
  if (picture.isNull()) return picture;
  for (int y = 0; y < rgba.height(); ++y) {
    const unsigned char* in = rgba.constScanLine(y);
    auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < rgba.width(); ++x, in += 4) {
      const int alpha = in[3];
      const auto blend = [alpha](int channel) {
        return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
      };
      out[x] = qRgb(blend(in[0]), blend(in[1]), blend(in[2]));
    }
  }
  return picture;
}

} // namespace

DecodedPicture DecodePng(const unsigned char* data, std::size_t size) {
  if (size < 8 || png_sig_cmp(data, 0, 8) != 0) return {{}, Failed("this is not a PNG picture")};
  PngSource source;
  source.data = data;
  source.size = size;
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, pngReadFailed, pngReadWarning);
  if (!png) return {{}, Failed("there is not enough memory for the picture")};
  png_infop info = png_create_info_struct(png);
  // Declared before setjmp so that a jump back finds them as they were last set.
  QImage rgba;
  std::vector<png_bytep> rows;
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    const std::string why = source.message[0] ? source.message : "the PNG data are damaged";
    return {{}, Failed(why == "the file is truncated" ? why : "the PNG data are damaged: " + why)};
  }
  png_set_read_fn(png, &source, readPngBytes);
  // Text and other side chunks may not take more memory than this.
  png_set_chunk_malloc_max(png, 8 * 1024 * 1024);
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  const std::string problem = PictureSizeProblem(width, height);
  if (!problem.empty()) {
    png_destroy_read_struct(&png, &info, nullptr);
    return {{}, Failed(problem)};
  }
  // Palettes, grey levels, 16-bit channels and transparency all become 8-bit RGBA.
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) {
    png_destroy_read_struct(&png, &info, nullptr);
    return {{}, Failed("the PNG picture's colours cannot be read")};
  }
  rgba = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGBA8888);
  if (rgba.isNull()) {
    png_destroy_read_struct(&png, &info, nullptr);
    return {{}, Failed("there is not enough memory for the picture")};
  }
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = rgba.scanLine(static_cast<int>(y));
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  QImage picture = overWhite(rgba);
  if (picture.isNull()) return {{}, Failed("there is not enough memory for the picture")};
  return {picture, {}};
}
