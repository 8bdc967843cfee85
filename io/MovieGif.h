// SPDX-License-Identifier: MIT
// The built movie written as an animated GIF, as the window saves it and the command line
// writes it.
#pragma once

#include "graph/Colors.h"
#include "io/Codec.h"
#include "io/Gif.h"
#include "render/CellList.h"

#include <QSize>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct Program;

// Paints the frames as the player does and writes them, each shown for the movie's delay and
// played for ever, through WriteFileSafely: the whole file or none. progress is told the
// number of frames written so far.
FileResult SaveMovieGif(Program& p, const std::string& path,
                        const std::function<void(int)>& progress = {});

// The same file made while the movie is still being built: each frame handed over as it is
// recorded is copied, then painted and encoded on a thread of its own while the next frame is
// computed. A recorded frame holds at least the movie's record count, so its first records
// are exactly what the player paints, and the file is byte for byte SaveMovieGif's.
class MovieGifStream {
public:
  // Takes the picture's size, the colours, the record count and the delay from p.
  explicit MovieGifStream(const Program& p);
  // Without finish() nothing is written; the thread paints what it was given and ends.
  ~MovieGifStream();
  MovieGifStream(const MovieGifStream&) = delete;
  MovieGifStream& operator=(const MovieGifStream&) = delete;

  void add(const std::vector<CellRecord>& frame);
  // Waits for every frame handed over, then writes the file.
  FileResult finish(const std::string& path);

private:
  void run();
  void stop();

  const QSize m_size;
  const Color m_background, m_grid;
  const std::size_t m_records;
  std::vector<unsigned char> m_bytes;
  GifAnimationWriter m_writer;

  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::deque<std::vector<CellRecord>> m_queue;
  bool m_closing = false;
  std::thread m_worker;
};
