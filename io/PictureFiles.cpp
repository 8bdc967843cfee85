// SPDX-License-Identifier: MIT
// Picture and listing files, written through QSaveFile so a failure leaves nothing behind.
#include "io/PictureFiles.h"

#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cctype>

namespace {

FileResult failure(const QSaveFile& file) {
  return {false, file.errorString().toStdString()};
}

FileResult commit(QSaveFile& file) {
  if (!file.commit()) return failure(file);
  return {};
}

} // namespace

PictureFormat pictureFormatOf(const std::string& path) {
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos) return PictureFormat::Unknown;
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (ext == "bmp") return PictureFormat::Bmp;
  if (ext == "png") return PictureFormat::Png;
  if (ext == "jpg" || ext == "jpeg") return PictureFormat::Jpeg;
  if (ext == "gif") return PictureFormat::Gif;
  return PictureFormat::Unknown;
}

FileResult SavePicture(const QImage& picture, const std::string& path) {
  const PictureFormat format = pictureFormatOf(path);
  if (format != PictureFormat::Bmp && format != PictureFormat::Png)
    return {false, "unsupported picture format"};
  if (picture.isNull() || picture.width() < 1 || picture.height() < 1)
    return {false, "the picture is empty"};
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return failure(file);
  // A picture of flat colours compresses well at zlib's fast levels, which cost a fraction of
  // the default level's time.
  const bool saved = format == PictureFormat::Bmp
                         ? picture.convertToFormat(QImage::Format_RGB888).save(&file, "BMP")
                         : picture.convertToFormat(QImage::Format_RGB32).save(&file, "PNG", 80);
  if (!saved) {
    file.cancelWriting();
    return {false, "the picture could not be encoded"};
  }
  return commit(file);
}

FileResult SaveTextLines(const std::vector<std::string>& lines, const std::string& path) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return failure(file);
  for (const std::string& line : lines) {
    if (file.write(line.data(), static_cast<qint64>(line.size())) < 0 || file.write("\n", 1) < 0) {
      file.cancelWriting();
      return failure(file);
    }
  }
  return commit(file);
}
