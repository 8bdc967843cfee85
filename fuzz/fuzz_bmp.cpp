// SPDX-License-Identifier: MIT
// Fuzz target for the BMP reader: any bytes give a picture within the limits or a message, and
// the check that guards Qt's reader never lets a file through that leaves pixels undefined.
#include "io/Bmp.h"
#include "io/BmpCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

// Fresh memory is filled with one byte, so that a pixel Qt's reader does not write shows as
// that grey instead of as whatever happened to be there.
constexpr std::uint8_t FillByte = 0xbe;
extern "C" const char* __asan_default_options() {
  return "max_malloc_fill_size=1073741824:malloc_fill_byte=190";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem = BmpProblem(data, size);
  const DecodedPicture r = DecodeBmp(data, size);
  const bool picture = !r.picture.isNull();
  if (picture != r.result.ok) std::abort();
  if (!picture && r.result.message.empty()) std::abort();
  if (picture && !problem.empty()) std::abort();
  if (picture && !PictureSizeProblem(r.picture.width(), r.picture.height()).empty()) std::abort();
  // A file without the fill byte cannot make that grey from its own colours.
  if (picture && std::find(data, data + size, FillByte) == data + size) {
    const QRgb fill = qRgb(FillByte, FillByte, FillByte);
    for (int y = 0; y < r.picture.height(); ++y)
      for (int x = 0; x < r.picture.width(); ++x)
        if (r.picture.pixel(x, y) == fill) std::abort();
  }
  return 0;
}
