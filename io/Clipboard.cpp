// SPDX-License-Identifier: MIT
// Clipboard pictures through QGuiApplication's clipboard.
#include "io/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

const char* const NotABitmap = "Sorry..not a bitmap";

void PutPictureOnClipboard(const QImage& picture) {
  QGuiApplication::clipboard()->setImage(picture);
}

bool ClipboardHoldsPicture() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasImage();
}

DecodedPicture PictureFromClipboard() {
  if (!ClipboardHoldsPicture()) return {{}, Failed(NotABitmap)};
  const QImage picture = QGuiApplication::clipboard()->image();
  if (picture.isNull()) return {{}, Failed(NotABitmap)};
  const std::string problem = PictureSizeProblem(picture.width(), picture.height());
  if (!problem.empty()) return {{}, Failed(problem)};
  return {picture.convertToFormat(QImage::Format_RGB32), {}};
}
