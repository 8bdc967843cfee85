// SPDX-License-Identifier: MIT
// GIF pictures through giflib: the fixed 216-colour palette on writing, the first frame on
// reading, and animations of several frames.
#pragma once

#include "io/Codec.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// The palette has six levels per channel, 0, 51, 102, 153, 204 and 255; index = 36 r + 6 g + b
// in levels. Each channel takes its nearest level, which is the nearest palette colour.
constexpr int WebPaletteSize = 216;
int NearestWebLevel(int channel);
int WebPaletteIndex(QRgb colour);
QRgb WebPaletteColour(int index);

// An animated GIF written a frame at a time: the first frame whole, each later one as the
// smallest rectangle in which it differs from the frame before, the rest of the screen staying
// as it was, so the file shows every frame exactly as given. Each frame is shown for
// delayHundredths of a second and the whole played loop times more (0: for ever) through the
// NETSCAPE2.0 extension; a loop of -1 writes a still picture without either extension.
class GifAnimationWriter {
public:
  GifAnimationWriter(std::vector<unsigned char>& out, int delayHundredths, int loop);
  ~GifAnimationWriter();
  GifAnimationWriter(const GifAnimationWriter&) = delete;
  GifAnimationWriter& operator=(const GifAnimationWriter&) = delete;

  // Appends a frame reduced to the palette, without dithering; false once anything failed.
  bool add(const QImage& frame);
  // Ends the file: the first failure met (and out emptied), or success.
  FileResult finish();

private:
  struct State;
  bool start(QSize size);
  bool fail(std::string why);
  bool failGif();
  std::unique_ptr<State> m_state;
};

// One frame reduced to the palette, without dithering.
FileResult EncodeGif(const QImage& picture, std::vector<unsigned char>& out);
// The first frame on its logical screen (white where the frame leaves it uncovered or is
// transparent); the parts of a frame outside the screen are dropped.
DecodedPicture DecodeGif(const unsigned char* data, std::size_t size);
