// SPDX-License-Identifier: MIT
// File-name rules of the picture and listing commands.
#include "io/PictureNames.h"

#include <algorithm>
#include <cctype>

const char* const OpenRefusal = "Sorry, only Bitmaps, JPEGs, PNGs\ror GIFs can be opened";
const char* const NoTitle = "NoTitle";

namespace {

std::size_t nameStart(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? 0 : slash + 1;
}

} // namespace

std::string extensionOf(const std::string& path) {
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || dot < nameStart(path)) return {};
  return path.substr(dot);
}

PictureFormat openFormatOf(const std::string& name) {
  const PictureFormat format = pictureFormatOf(name);
  return format == PictureFormat::Svg || format == PictureFormat::Pdf ? PictureFormat::Unknown
                                                                      : format;
}

SaveTarget saveTargetOf(const std::string& chosen) {
  const std::string extension = extensionOf(chosen);
  const std::string stem = chosen.substr(0, chosen.size() - extension.size());
  switch (pictureFormatOf(chosen)) {
  case PictureFormat::Jpeg:
    return {PictureFormat::Jpeg, stem + ".jpg"};
  case PictureFormat::Gif:
    return {PictureFormat::Gif, stem + ".gif"};
  case PictureFormat::Png:
    return {PictureFormat::Png, stem + ".png"};
  default:
    return {PictureFormat::Bmp, stem + ".bmp"};
  }
}

PictureFormat pictureFormatOf(const std::string& path) {
  std::string extension = extensionOf(path);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".bmp") return PictureFormat::Bmp;
  if (extension == ".png") return PictureFormat::Png;
  if (extension == ".jpg" || extension == ".jpeg") return PictureFormat::Jpeg;
  if (extension == ".gif") return PictureFormat::Gif;
  if (extension == ".svg") return PictureFormat::Svg;
  if (extension == ".pdf") return PictureFormat::Pdf;
  if (extension == ".obj") return PictureFormat::Obj;
  if (extension == ".stl") return PictureFormat::Stl;
  return PictureFormat::Unknown;
}

bool listingSaveNeedsName(const std::string& listFileName) {
  return listFileName == NoTitle || listFileName.empty();
}

std::string listingCaptionFor(const std::string& path) {
  return " Function Values  " + path.substr(nameStart(path));
}
