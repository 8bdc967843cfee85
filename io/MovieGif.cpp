// SPDX-License-Identifier: MIT
// Frames painted one at a time straight into the GIF writer, so no more than one picture of
// the movie is held at once.
#include "io/MovieGif.h"

#include "io/Gif.h"
#include "io/SafeWrite.h"
#include "render/Movie.h"
#include "render/Program.h"

#include <vector>

FileResult SaveMovieGif(Program& p, const std::string& path,
                        const std::function<void(int)>& progress) {
  std::vector<unsigned char> bytes;
  GifAnimationWriter writer(bytes, movieGifDelay(p.graph), 0);
  PaintMovieFrames(p, [&](const QImage& frame, int slot) {
    writer.add(frame);
    if (progress) progress(slot);
  });
  const FileResult encoded = writer.finish();
  if (!encoded.ok) return encoded;
  return WriteFileSafely(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
