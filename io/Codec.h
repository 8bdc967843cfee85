// SPDX-License-Identifier: MIT
// What every picture reader and writer returns, and the size every reader accepts.
#pragma once

#include <QImage>

#include <cstddef>
#include <string>

struct FileResult {
  bool ok = true;
  std::string message; // short and human, naming the reason
};

inline FileResult Failed(std::string message) {
  return {false, std::move(message)};
}

// A decoded picture (24-bit colour in QImage::Format_RGB32), or why there is none.
struct DecodedPicture {
  QImage picture;
  FileResult result;
};

// Every reader refuses a picture larger than this before it allocates anything for it.
constexpr int MaxPictureSide = 16384;
constexpr long long MaxPicturePixels = 64LL * 1024 * 1024;
// Larger files are refused before they are read into memory.
constexpr std::size_t MaxPictureFileBytes = 512u * 1024 * 1024;

// Empty when a picture of this size may be decoded, else the reason it may not.
std::string PictureSizeProblem(long long width, long long height);
