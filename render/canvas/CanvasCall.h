// SPDX-License-Identifier: MIT
// One canvas call as the canvases that keep calls for later (the painting thread, the vector
// recorder) store it.
#pragma once

#include <cstddef>
#include <cstdint>

struct CanvasCall {
  enum class Kind : std::uint8_t {
    PenColor,
    PenStyle,
    BrushColor,
    FontColor,
    Fill,
    Move,
    Line,
    Polygon,
    Text
  };
  Kind kind;
  std::int32_t x = 0, y = 0;
  std::uint32_t value = 0;         // a colour, a pen style or a letter shift
  std::size_t from = 0, count = 0; // the points or the text's bytes
};
