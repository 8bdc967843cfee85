// SPDX-License-Identifier: MIT
// Colour values as the picture code uses them: 0x00BBGGRR, blue in the high byte.
#pragma once

#include <cstdint>

using Color = std::uint32_t;

inline constexpr Color clBlack = 0x000000;
inline constexpr Color clMaroon = 0x000080;
inline constexpr Color clGreen = 0x008000;
inline constexpr Color clOlive = 0x008080;
inline constexpr Color clNavy = 0x800000;
inline constexpr Color clPurple = 0x800080;
inline constexpr Color clTeal = 0x808000;
inline constexpr Color clGray = 0x808080;
inline constexpr Color clSilver = 0xC0C0C0;
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clLime = 0x00FF00;
inline constexpr Color clYellow = 0x00FFFF;
inline constexpr Color clBlue = 0xFF0000;
inline constexpr Color clFuchsia = 0xFF00FF;
inline constexpr Color clAqua = 0xFFFF00;
inline constexpr Color clWhite = 0xFFFFFF;
// As the grid colour: cells get no outline.
inline constexpr Color clNone = 0x1FFFFFFF;

constexpr int colorRed(Color c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int colorGreen(Color c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int colorBlue(Color c) {
  return static_cast<int>((c >> 16) & 0xFF);
}
// Each component keeps only its low 8 bits.
constexpr Color makeColor(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
