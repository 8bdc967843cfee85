// SPDX-License-Identifier: MIT
// Fuzz target for the JPEG reader: any bytes give a picture within the limits or a message.
#include "io/Jpeg.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const DecodedPicture r = DecodeJpeg(data, size);
  const bool picture = !r.picture.isNull();
  if (picture != r.result.ok) std::abort();
  if (!picture && r.result.message.empty()) std::abort();
  if (picture && !PictureSizeProblem(r.picture.width(), r.picture.height()).empty()) std::abort();
  return 0;
}
