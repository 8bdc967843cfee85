// SPDX-License-Identifier: MIT
// The kept drawing operations and the thread that paints them.
#include "render/canvas/DeferredCanvas.h"

DeferredCanvas::DeferredCanvas(Canvas& target, std::function<void()> prepare)
    : m_target(target), m_painter([this, prepare = std::move(prepare)] { run(prepare); }) {}

DeferredCanvas::~DeferredCanvas() {
  {
    const std::lock_guard lock(m_mutex);
    m_stopping = true;
    m_queue.clear();
  }
  m_wake.notify_all();
  m_painter.join();
}

void DeferredCanvas::keep(Kind kind, std::int32_t x, std::int32_t y, std::uint32_t value,
                          std::size_t from, std::size_t count) {
  m_filling.ops.push_back({kind, x, y, value, from, count});
  if (m_streaming && m_filling.ops.size() >= BatchOperations) handOver();
}

void DeferredCanvas::polygon(std::span<const Pixel> points) {
  const std::size_t from = m_filling.points.size();
  m_filling.points.insert(m_filling.points.end(), points.begin(), points.end());
  keep(Kind::Polygon, 0, 0, 0, from, points.size());
}

void DeferredCanvas::textOut(std::int32_t x, std::int32_t y, int letterShift,
                             std::string_view text) {
  const std::size_t from = m_filling.text.size();
  m_filling.text.append(text);
  keep(Kind::Text, x, y, static_cast<std::uint32_t>(letterShift), from, text.size());
}

int DeferredCanvas::textWidth(std::string_view text) {
  finish();
  return m_target.textWidth(text);
}

Color DeferredCanvas::pixel(std::int32_t x, std::int32_t y) {
  finish();
  return m_target.pixel(x, y);
}

void DeferredCanvas::streaming() {
  m_streaming = true;
  handOver();
}

void DeferredCanvas::handOver() {
  if (m_filling.ops.empty()) return;
  {
    const std::lock_guard lock(m_mutex);
    m_queue.push_back(std::move(m_filling));
  }
  m_filling = Batch{};
  m_wake.notify_one();
}

void DeferredCanvas::finish() {
  handOver();
  std::unique_lock lock(m_mutex);
  m_done.wait(lock, [this] { return m_queue.empty() && !m_painting; });
}

void DeferredCanvas::run(const std::function<void()>& prepare) {
  if (prepare) prepare();
  std::unique_lock lock(m_mutex);
  for (;;) {
    m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
    if (m_stopping) break;
    Batch batch = std::move(m_queue.front());
    m_queue.pop_front();
    m_painting = true;
    lock.unlock();
    paint(batch);
    lock.lock();
    m_painting = false;
    if (m_queue.empty()) m_done.notify_all();
  }
  m_painting = false;
  m_done.notify_all();
}

void DeferredCanvas::paint(const Batch& batch) {
  for (const Operation& op : batch.ops) {
    switch (op.kind) {
    case Kind::PenColor:
      m_target.setPenColor(op.value);
      break;
    case Kind::PenStyle:
      m_target.setPenStyle(static_cast<std::uint8_t>(op.value));
      break;
    case Kind::BrushColor:
      m_target.setBrushColor(op.value);
      break;
    case Kind::FontColor:
      m_target.setFontColor(op.value);
      break;
    case Kind::Fill:
      m_target.fill(op.value);
      break;
    case Kind::Move:
      m_target.moveTo(op.x, op.y);
      break;
    case Kind::Line:
      m_target.lineTo(op.x, op.y);
      break;
    case Kind::Polygon:
      m_target.polygon(std::span<const Pixel>(batch.points).subspan(op.from, op.count));
      break;
    case Kind::Text:
      m_target.textOut(op.x, op.y, static_cast<int>(op.value),
                       std::string_view(batch.text).substr(op.from, op.count));
      break;
    }
  }
}
