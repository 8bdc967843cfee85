// SPDX-License-Identifier: MIT
// A canvas that keeps the drawing operations and paints them into another canvas on a thread
// of its own.
#pragma once

#include "render/canvas/Canvas.h"
#include "render/canvas/CanvasCall.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The command line computes its picture while the picture font is still loading: the painting
// thread first runs `prepare` (loading the font), then paints the kept operations in the order
// they were made. What the target holds after finish() is what drawing straight into it would
// have left, because it receives the same calls in the same order.
//
// Until streaming() is called, operations are only kept; from then on they are handed to the
// painting thread in batches as they come, so the caller must no longer touch the target's
// picture (resize or read it) until finish() returns.
class DeferredCanvas final : public Canvas {
public:
  static constexpr std::size_t BatchOperations = 4096;

  explicit DeferredCanvas(Canvas& target, std::function<void()> prepare = {});
  // Operations not yet painted are dropped; the painting thread ends first.
  ~DeferredCanvas() override;
  DeferredCanvas(const DeferredCanvas&) = delete;
  DeferredCanvas& operator=(const DeferredCanvas&) = delete;

  void setPenColor(Color color) override { keep(Kind::PenColor, 0, 0, color); }
  void setPenStyle(std::uint8_t style) override { keep(Kind::PenStyle, 0, 0, style); }
  void setBrushColor(Color color) override { keep(Kind::BrushColor, 0, 0, color); }
  void setFontColor(Color color) override { keep(Kind::FontColor, 0, 0, color); }
  void fill(Color color) override { keep(Kind::Fill, 0, 0, color); }
  void moveTo(std::int32_t x, std::int32_t y) override { keep(Kind::Move, x, y, 0); }
  void lineTo(std::int32_t x, std::int32_t y) override { keep(Kind::Line, x, y, 0); }
  void polygon(std::span<const Pixel> points) override;
  void textOut(std::int32_t x, std::int32_t y, int letterShift, std::string_view text) override;
  // Both wait until everything kept so far is painted.
  int textWidth(std::string_view text) override;
  Color pixel(std::int32_t x, std::int32_t y) override;

  // From now on batches go to the painting thread as they fill.
  void streaming();
  // Returns once everything kept so far is in the target.
  void finish();

private:
  using Kind = CanvasCall::Kind;
  using Operation = CanvasCall;
  struct Batch {
    std::vector<Operation> ops;
    std::vector<Pixel> points;
    std::string text;
  };

  void keep(Kind kind, std::int32_t x, std::int32_t y, std::uint32_t value, std::size_t from = 0,
            std::size_t count = 0);
  void handOver();
  void paint(const Batch& batch);
  void run(const std::function<void()>& prepare);

  Canvas& m_target;
  // The batch being filled, by the caller's thread only.
  Batch m_filling;
  bool m_streaming = false;

  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::condition_variable m_done;
  std::deque<Batch> m_queue;
  bool m_painting = false;
  bool m_stopping = false;
  std::thread m_painter;
};
