// SPDX-License-Identifier: MIT
// The record of the picture's drawing operations and its replay.
#include "render/canvas/PictureRecorder.h"

void PictureRecorder::setRecording(bool on) {
  m_recording = on;
  m_started = false;
  m_overflowed = false;
  m_base = QImage();
  m_ops.clear();
  m_points.clear();
  m_text.clear();
  m_ops.shrink_to_fit();
  m_points.shrink_to_fit();
  m_text.shrink_to_fit();
}

void PictureRecorder::startRecord() {
  m_started = true;
  m_overflowed = false;
  m_start = m_now;
  m_ops.clear();
  m_points.clear();
  m_text.clear();
}

void PictureRecorder::restartFrom(const QImage& base) {
  ++m_picturesBegun;
  if (!m_recording) return;
  startRecord();
  m_base = base;
}

void PictureRecorder::keep(Kind kind, std::int32_t x, std::int32_t y, std::uint32_t value,
                           std::size_t from, std::size_t count) {
  if (!m_recording || !m_started || m_overflowed) return;
  if (m_ops.size() >= MaxOperations || m_points.size() > MaxPoints) {
    m_overflowed = true;
    m_ops = {};
    m_points = {};
    m_text = {};
    return;
  }
  m_ops.push_back({kind, x, y, value, from, count});
}

void PictureRecorder::setPenColor(Color color) {
  m_now.pen = color;
  keep(Kind::PenColor, 0, 0, color);
  m_target.setPenColor(color);
}

void PictureRecorder::setPenStyle(std::uint8_t style) {
  m_now.penStyle = style;
  keep(Kind::PenStyle, 0, 0, style);
  m_target.setPenStyle(style);
}

void PictureRecorder::setBrushColor(Color color) {
  m_now.brush = color;
  keep(Kind::BrushColor, 0, 0, color);
  m_target.setBrushColor(color);
}

void PictureRecorder::setFontColor(Color color) {
  m_now.font = color;
  keep(Kind::FontColor, 0, 0, color);
  m_target.setFontColor(color);
}

void PictureRecorder::fill(Color color) {
  ++m_picturesBegun;
  if (m_recording) {
    startRecord();
    m_base = QImage();
    keep(Kind::Fill, 0, 0, color);
  }
  m_target.fill(color);
}

void PictureRecorder::moveTo(std::int32_t x, std::int32_t y) {
  m_now.penX = x, m_now.penY = y;
  keep(Kind::Move, x, y);
  m_target.moveTo(x, y);
}

void PictureRecorder::lineTo(std::int32_t x, std::int32_t y) {
  m_now.penX = x, m_now.penY = y;
  keep(Kind::Line, x, y);
  m_target.lineTo(x, y);
}

void PictureRecorder::polygon(std::span<const Pixel> points) {
  if (m_recording && m_started && !m_overflowed) {
    const std::size_t from = m_points.size();
    m_points.insert(m_points.end(), points.begin(), points.end());
    keep(Kind::Polygon, 0, 0, 0, from, points.size());
  }
  m_target.polygon(points);
}

void PictureRecorder::textOut(std::int32_t x, std::int32_t y, int letterShift,
                              std::string_view text) {
  if (m_recording && m_started && !m_overflowed) {
    const std::size_t from = m_text.size();
    m_text.append(text);
    keep(Kind::Text, x, y, static_cast<std::uint32_t>(letterShift), from, text.size());
  }
  m_target.textOut(x, y, letterShift, text);
}

void PictureRecorder::replay(Canvas& target) const {
  if (!complete()) return;
  target.setPenColor(m_start.pen);
  target.setPenStyle(m_start.penStyle);
  target.setBrushColor(m_start.brush);
  target.setFontColor(m_start.font);
  target.moveTo(m_start.penX, m_start.penY);
  for (const Operation& op : m_ops) paint(target, op);
}

void PictureRecorder::paint(Canvas& target, const Operation& op) const {
  switch (op.kind) {
  case Kind::PenColor:
    return target.setPenColor(op.value);
  case Kind::PenStyle:
    return target.setPenStyle(static_cast<std::uint8_t>(op.value));
  case Kind::BrushColor:
    return target.setBrushColor(op.value);
  case Kind::FontColor:
    return target.setFontColor(op.value);
  case Kind::Fill:
    return target.fill(op.value);
  case Kind::Move:
    return target.moveTo(op.x, op.y);
  case Kind::Line:
    return target.lineTo(op.x, op.y);
  case Kind::Polygon:
    return target.polygon(std::span<const Pixel>(m_points).subspan(op.from, op.count));
  case Kind::Text:
    return target.textOut(op.x, op.y, static_cast<int>(op.value),
                          std::string_view(m_text).substr(op.from, op.count));
  }
}
