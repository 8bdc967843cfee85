// SPDX-License-Identifier: MIT
// The line rule of the canvas: Bresenham's pixels in closed form, so that a line reaching far
// outside the picture costs only the pixels that can fall inside it.
#pragma once

#include <algorithm>
#include <cstdint>

// Along the major axis the line takes every step from the start up to the end point, which is
// left out; the minor coordinate at step i is the start's plus i*minor/major rounded half up
// in the direction of travel, exactly as the incremental error-term form picks it.
template <typename Visit>
void forEachLinePixel(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                      std::int32_t width, std::int32_t height, Visit visit) {
  using Wide = __int128;
  const std::int64_t dx = std::int64_t{x1} - x0, dy = std::int64_t{y1} - y0;
  const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  const bool xMajor = adx >= ady;
  const std::int64_t major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
  if (major == 0 || width <= 0 || height <= 0) return;
  const std::int64_t start = xMajor ? x0 : y0;
  const int step = xMajor ? sx : sy;
  const std::int64_t limit = xMajor ? width : height;
  // The steps i in [0, major) whose major coordinate start + step*i lies in [0, limit).
  std::int64_t first = 0, last = major - 1;
  if (step > 0) {
    first = std::max<std::int64_t>(first, -start);
    last = std::min<std::int64_t>(last, limit - 1 - start);
  } else {
    first = std::max<std::int64_t>(first, start - (limit - 1));
    last = std::min<std::int64_t>(last, start);
  }
  const std::int64_t minorStart = xMajor ? y0 : x0;
  const int minorStep = xMajor ? sy : sx;
  const std::int64_t minorLimit = xMajor ? height : width;
  if (first > last) return;
  // offset = (2 i minor + major) div (2 major): worked out once at the first step, then carried
  // along, the remainder growing by 2 minor <= 2 major a step.
  const Wide numerator = Wide{2} * first * minor + major;
  const std::int64_t divisor = 2 * major;
  std::int64_t offset = static_cast<std::int64_t>(numerator / divisor);
  std::int64_t remainder = static_cast<std::int64_t>(numerator % divisor);
  for (std::int64_t i = first; i <= last; ++i) {
    if (i > first) {
      remainder += 2 * minor;
      if (remainder >= divisor) remainder -= divisor, ++offset;
    }
    const std::int64_t m = minorStart + minorStep * offset;
    if (m < 0 || m >= minorLimit) continue;
    const std::int64_t a = start + step * i;
    if (xMajor) {
      visit(static_cast<std::int32_t>(a), static_cast<std::int32_t>(m));
    } else {
      visit(static_cast<std::int32_t>(m), static_cast<std::int32_t>(a));
    }
  }
}
