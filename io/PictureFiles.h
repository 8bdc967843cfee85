// SPDX-License-Identifier: MIT
// Writing the picture and the value listing to files, never leaving a half-written file.
#pragma once

#include <QImage>

#include <string>
#include <vector>

struct FileResult {
  bool ok = true;
  std::string message; // short and human, naming the reason
};

enum class PictureFormat { Unknown, Bmp, Png, Jpeg, Gif };

// By the file name's extension, in any case.
PictureFormat pictureFormatOf(const std::string& path);
// Writes .bmp and .png as 24-bit pictures.
FileResult SavePicture(const QImage& picture, const std::string& path);
// A PNG file's bytes, with a palette when the picture has at most 256 colours and 24-bit
// colour otherwise; empty when the picture is null or libpng fails.
std::vector<unsigned char> EncodePng(const QImage& picture);
// The listing as the listing window's Save writes it: one line per row.
FileResult SaveTextLines(const std::vector<std::string>& lines, const std::string& path);
