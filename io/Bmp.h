// SPDX-License-Identifier: MIT
// Windows bitmap pictures through Qt's own reader and writer, named explicitly.
#pragma once

#include "io/Codec.h"

#include <cstddef>
#include <vector>

// A 24-bit bitmap of the picture's colours.
FileResult EncodeBmp(const QImage& picture, std::vector<unsigned char>& out);
// Only a bitmap is read (a GIF under a .bmp name is refused), and only one that defines every
// pixel of a size the readers accept.
DecodedPicture DecodeBmp(const unsigned char* data, std::size_t size);
