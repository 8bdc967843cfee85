// SPDX-License-Identifier: MIT
// The canvas that draws nothing.
#pragma once

#include "render/canvas/Canvas.h"

#include <cstdint>
#include <span>
#include <string_view>

// Draws nothing: for work whose drawing nobody will see, such as the frames of a movie that
// the command line builds only to write them.
class NullCanvas final : public Canvas {
public:
  void setPenColor(Color) override {}
  void setPenStyle(std::uint8_t) override {}
  void setBrushColor(Color) override {}
  void setFontColor(Color) override {}
  void fill(Color) override {}
  void moveTo(std::int32_t, std::int32_t) override {}
  void lineTo(std::int32_t, std::int32_t) override {}
  void polygon(std::span<const Pixel>) override {}
  void textOut(std::int32_t, std::int32_t, int, std::string_view) override {}
  int textWidth(std::string_view) override { return 0; }
  Color pixel(std::int32_t, std::int32_t) override { return clNone; }
};
