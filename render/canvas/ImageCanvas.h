// SPDX-License-Identifier: MIT
// The canvas that paints into a QImage, the picture box's and every picture file's.
#pragma once

#include "render/canvas/Canvas.h"

#include <QImage>

#include <cstdint>
#include <span>
#include <string_view>

// Paints into a QImage of Format_RGB32, pixel by pixel for lines and polygons, so that nothing
// holds a painter open across the cancel poll: a command that runs from inside the poll can
// draw on the same image. Only text takes a QPainter, for the length of one call, and needs a
// QGuiApplication (without one, text is neither drawn nor measured).
class ImageCanvas final : public PenStateCanvas {
public:
  explicit ImageCanvas(QImage& image) : m_image(image) {}
  ImageCanvas(const ImageCanvas&) = delete;
  ImageCanvas& operator=(const ImageCanvas&) = delete;

  void fill(Color color) override;
  void lineTo(std::int32_t x, std::int32_t y) override;
  void polygon(std::span<const Pixel> points) override;
  void textOut(std::int32_t x, std::int32_t y, int letterShift, std::string_view text) override;
  int textWidth(std::string_view text) override;
  Color pixel(std::int32_t x, std::int32_t y) override;

private:
  void drawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                std::uint32_t rgb);

  QImage& m_image;
};
