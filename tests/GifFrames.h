// SPDX-License-Identifier: MIT
// The frames of an animated GIF as a viewer shows them, for the tests that check animations.
#pragma once

#include <QImage>

#include <gif_lib.h>

#include <algorithm>
#include <vector>

// Every frame of an animation as a viewer shows it: each picture drawn over the screen as the
// frame before left it.
inline std::vector<QImage> playedFrames(const std::vector<unsigned char>& bytes) {
  struct Source {
    const std::vector<unsigned char>* bytes;
    std::size_t at = 0;
  } source{&bytes};
  auto read = [](GifFileType* gif, GifByteType* into, int wanted) {
    auto* from = static_cast<Source*>(gif->UserData);
    const auto n = std::min(from->bytes->size() - from->at, static_cast<std::size_t>(wanted));
    std::copy_n(from->bytes->data() + from->at, n, into);
    from->at += n;
    return static_cast<int>(n);
  };
  int error = 0;
  GifFileType* gif = DGifOpen(&source, read, &error);
  std::vector<QImage> played;
  if (!gif) return played;
  if (DGifSlurp(gif) == GIF_OK) {
    QImage screen(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    for (int i = 0; i < gif->ImageCount; ++i) {
      const SavedImage& frame = gif->SavedImages[i];
      const GifImageDesc& d = frame.ImageDesc;
      const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
      for (int y = 0; y < d.Height; ++y)
        for (int x = 0; x < d.Width; ++x) {
          const GifColorType c = map->Colors[frame.RasterBits[y * d.Width + x]];
          screen.setPixel(d.Left + x, d.Top + y, qRgb(c.Red, c.Green, c.Blue));
        }
      played.push_back(screen.copy());
    }
  }
  DGifCloseFile(gif, &error);
  return played;
}
