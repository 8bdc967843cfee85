// SPDX-License-Identifier: MIT
// The canvas in front of the picture: it passes every operation on and keeps those that make
// up the picture, so that the picture can be drawn once more on another canvas.
#pragma once

#include "render/canvas/Canvas.h"
#include "render/canvas/CanvasCall.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A fill covers the whole picture, so what was drawn before it can no longer show: the record
// starts again there, with the pen, brush and font as they stood. A picture that was painted
// as an image (an opened one, a scaled one) starts the record with that image as its base.
// Something that writes into the picture behind the recorder's back leaves a record that no
// longer matches the picture; the caller compares before trusting it.
class PictureRecorder final : public Canvas {
public:
  // Past these the record is dropped until the next fill, so that a long session of drawing
  // without clearing cannot fill memory.
  static constexpr std::size_t MaxOperations = std::size_t{1} << 20;
  static constexpr std::size_t MaxPoints = std::size_t{1} << 21;

  explicit PictureRecorder(Canvas& target) : m_target(target) {}
  PictureRecorder(const PictureRecorder&) = delete;
  PictureRecorder& operator=(const PictureRecorder&) = delete;

  // Off, operations are only passed on; turning it on starts an empty record.
  void setRecording(bool on);
  // The picture as it stands (painted outside any canvas) is the start of the record.
  void restartFrom(const QImage& base);
  // Whether the record starts at a fill or a base and nothing of it was dropped since.
  bool complete() const { return m_recording && m_started && !m_overflowed; }
  // The image the record starts on; null when it starts with a fill.
  const QImage& base() const { return m_base; }
  // Paints the record on a canvas, the starting pen, brush and font first.
  void replay(Canvas& target) const;
  // Everything the record holds, for asking how much it grows.
  std::size_t operationCount() const { return m_ops.size(); }
  // How many pictures were begun: each fill and each painted base begins one, whether the
  // drawing is recorded or not. Something drawn while the count stood at n is still in the
  // picture for as long as the count stays n.
  std::uint64_t picturesBegun() const { return m_picturesBegun; }

  void setPenColor(Color color) override;
  void setPenStyle(std::uint8_t style) override;
  void setBrushColor(Color color) override;
  void setFontColor(Color color) override;
  void fill(Color color) override;
  void moveTo(std::int32_t x, std::int32_t y) override;
  void lineTo(std::int32_t x, std::int32_t y) override;
  void polygon(std::span<const Pixel> points) override;
  void textOut(std::int32_t x, std::int32_t y, int letterShift, std::string_view text) override;
  int textWidth(std::string_view text) override { return m_target.textWidth(text); }
  Color pixel(std::int32_t x, std::int32_t y) override { return m_target.pixel(x, y); }

private:
  using Kind = CanvasCall::Kind;
  using Operation = CanvasCall;
  // The canvas state a replay must begin with.
  struct State {
    Color pen = clBlack, brush = clWhite, font = clBlack;
    std::uint8_t penStyle = PenSolid;
    std::int32_t penX = 0, penY = 0;
  };

  void keep(Kind kind, std::int32_t x = 0, std::int32_t y = 0, std::uint32_t value = 0,
            std::size_t from = 0, std::size_t count = 0);
  void startRecord();
  void paint(Canvas& target, const Operation& op) const;

  Canvas& m_target;
  bool m_recording = true;
  bool m_started = false;
  bool m_overflowed = false;
  State m_now, m_start;
  QImage m_base;
  std::uint64_t m_picturesBegun = 0;
  std::vector<Operation> m_ops;
  std::vector<Pixel> m_points;
  std::string m_text;
};
