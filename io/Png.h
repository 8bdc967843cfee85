// SPDX-License-Identifier: MIT
// PNG pictures read through libpng; the writer is EncodePng (PictureFiles.h).
#pragma once

#include "io/Codec.h"

#include <cstddef>

// Every colour type and depth comes back as a 24-bit picture; transparent pixels are shown
// over white, as the picture box's ground is.
DecodedPicture DecodePng(const unsigned char* data, std::size_t size);
