// SPDX-License-Identifier: MIT
// The size limit shared by the picture readers.
#include "io/Codec.h"

std::string PictureSizeProblem(long long width, long long height) {
  if (width < 1 || height < 1) return "the picture has no pixels";
  if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels)
    return "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
           " pixels)";
  return {};
}
