// SPDX-License-Identifier: MIT
// Frames painted one at a time straight into the GIF writer, so no more than one picture of
// the movie is held at once; on the command line, while the movie is being built.
#include "io/MovieGif.h"

#include "io/SafeWrite.h"
#include "render/Movie.h"
#include "render/Program.h"
#include "render/canvas/ImageCanvas.h"

#include <QImage>

#include <algorithm>
#include <span>

namespace {

FileResult writeEncoded(GifAnimationWriter& writer, const std::vector<unsigned char>& bytes,
                        const std::string& path) {
  const FileResult encoded = writer.finish();
  if (!encoded.ok) return encoded;
  return WriteFileSafely(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace

FileResult SaveMovieGif(Program& p, const std::string& path,
                        const std::function<void(int)>& progress) {
  std::vector<unsigned char> bytes;
  GifAnimationWriter writer(bytes, movieGifDelay(p.graph), 0);
  PaintMovieFrames(p, [&](const QImage& frame, int slot) {
    writer.add(frame);
    if (progress) progress(slot);
  });
  return writeEncoded(writer, bytes, path);
}

MovieGifStream::MovieGifStream(const Program& p)
    : m_size(p.Picture.size()), m_background(p.graph.BackgroundColor), m_grid(p.graph.GridColor),
      m_records(static_cast<std::size_t>(MovieRecordCount(p))),
      m_writer(m_bytes, movieGifDelay(p.graph), 0) {
  // Without a picture there is nothing to paint, and the writer reports it empty.
  if (!m_size.isEmpty()) m_worker = std::thread([this] { run(); });
}

MovieGifStream::~MovieGifStream() {
  stop();
}

void MovieGifStream::add(const std::vector<CellRecord>& frame) {
  if (!m_worker.joinable()) return;
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.emplace_back(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(
                                                            std::min(frame.size(), m_records)));
  }
  m_wake.notify_one();
}

void MovieGifStream::stop() {
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_closing = true;
  }
  m_wake.notify_one();
  if (m_worker.joinable()) m_worker.join();
}

FileResult MovieGifStream::finish(const std::string& path) {
  stop();
  return writeEncoded(m_writer, m_bytes, path);
}

void MovieGifStream::run() {
  QImage image(m_size, QImage::Format_RGB32);
  ImageCanvas canvas(image);
  for (;;) {
    std::vector<CellRecord> frame;
    {
      std::unique_lock<std::mutex> lock(m_mutex);
      m_wake.wait(lock, [this] { return m_closing || !m_queue.empty(); });
      if (m_queue.empty()) return;
      frame = std::move(m_queue.front());
      m_queue.pop_front();
    }
    PaintFrameRecords(canvas, m_background, m_grid, frame);
    m_writer.add(image);
  }
}
