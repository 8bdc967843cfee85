// SPDX-License-Identifier: MIT
// Reading and writing picture files and the value listing; a write leaves the whole file or
// nothing.
#pragma once

#include "io/Codec.h"
#include "io/PictureNames.h"

#include <QImage>

#include <string>
#include <vector>

// The picture's bytes in the format (JPEG at jpegQuality); PNG, BMP, JPEG and GIF.
FileResult EncodePicture(const QImage& picture, PictureFormat format, int jpegQuality,
                         std::vector<unsigned char>& out);
FileResult WritePicture(const QImage& picture, PictureFormat format, const std::string& path,
                        int jpegQuality = 90);
// The format by the file name's extension in any case, as the command line chooses it.
FileResult SavePicture(const QImage& picture, const std::string& path, int jpegQuality = 90);
// A PNG file's bytes, with a palette when the picture has at most 256 colours and 24-bit
// colour otherwise; empty when the picture is null or libpng fails.
std::vector<unsigned char> EncodePng(const QImage& picture);

// Bitmaps, JPEGs, GIFs and PNGs, as 24-bit pictures, or why not.
DecodedPicture DecodePicture(PictureFormat format, const unsigned char* data, std::size_t size);
DecodedPicture ReadPictureFile(const std::string& path, PictureFormat format);

// The listing as the listing window's Save writes it: one line per row.
FileResult SaveTextLines(const std::vector<std::string>& lines, const std::string& path);
