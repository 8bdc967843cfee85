// SPDX-License-Identifier: MIT
// JPEG pictures through libjpeg: encoding at a chosen quality and guarded decoding.
#pragma once

#include "io/Codec.h"

#include <cstddef>
#include <vector>

// A progressive file with more scans than this is refused: each scan costs a pass over the
// whole picture, and a small file can declare thousands of them.
constexpr int MaxJpegScans = 200;

// The picture's colours at quality 1 to 100 (the program offers 80, 90 and 100).
FileResult EncodeJpeg(const QImage& picture, int quality, std::vector<unsigned char>& out);
// Grey, colour and CMYK files alike come back as 24-bit pictures.
DecodedPicture DecodeJpeg(const unsigned char* data, std::size_t size);
