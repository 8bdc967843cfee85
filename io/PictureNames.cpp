// SPDX-License-Identifier: MIT
// File-name rules of the picture and listing commands.
#include "io/PictureNames.h"

#include <algorithm>
#include <cctype>

const char* const OpenRefusal = "Sorry, only Bitmaps, JPEGs\ror GIFs can be opened";
const char* const NoTitle = "NoTitle";

namespace {

std::size_t nameStart(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? 0 : slash + 1;
}

bool oneOf(const std::string& extension, std::initializer_list<const char*> choices) {
  return std::any_of(choices.begin(), choices.end(), [&](const char* c) { return extension == c; });
}

} // namespace

std::string extensionOf(const std::string& path) {
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || dot < nameStart(path)) return {};
  return path.substr(dot);
}

PictureFormat openFormatOf(const std::string& name) {
  const std::string extension = extensionOf(name);
  if (oneOf(extension, {".jpg", ".JPG"})) return PictureFormat::Jpeg;
  if (oneOf(extension, {".gif", ".GIF"})) return PictureFormat::Gif;
  if (oneOf(extension, {".bmp", ".BMP"})) return PictureFormat::Bmp;
  return PictureFormat::Unknown;
}

SaveTarget saveTargetOf(const std::string& chosen) {
  const std::string extension = extensionOf(chosen);
  const std::string stem = chosen.substr(0, chosen.size() - extension.size());
  if (oneOf(extension, {".jpg", ".JPG", ".jpeg", ".JPEG"}))
    return {PictureFormat::Jpeg, stem + ".jpg"};
  if (oneOf(extension, {".gif", ".GIF"})) return {PictureFormat::Gif, stem + ".gif"};
  return {PictureFormat::Bmp, stem + ".bmp"};
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
