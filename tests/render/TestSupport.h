// SPDX-License-Identifier: MIT
// Shared pieces of the render tests: a program set up as the window has it, a canvas that
// records the primitives, and a host that counts and can press "Cancel Draw".
#pragma once

#include "render/Program.h"
#include "render/Sequences.h"
#include "render/surfaces/DrawDriver.h"

#include <cstdint>
#include <string>
#include <vector>

// A program of the given kind after the start-up choice and the first showing of the window.
inline void setUpProgram(Program& p, char kind, int width = 800, int height = 600) {
  ChooseGraphKind(p, kind);
  p.ClientWidth = width;
  p.ClientHeight = height;
  ShowMainWindowPicture(p);
}

// Re-fit the view after a test changed the eye or the axes directly.
inline void refit(Program& p) {
  SetViewTransform(p.view, p.graph.PlaneDistance, p.graph.Rho, p.graph.Theta, p.graph.Phi);
  FitViewToAxes(p.view, p.graph);
}

struct Recorded {
  enum Kind { PenColor, PenStyle, Brush, Font, Fill, Move, Line, Polygon, Text } kind;
  std::vector<Pixel> points;
  std::uint32_t value = 0;
  std::string text;
};

class RecordingCanvas : public Canvas {
public:
  std::vector<Recorded> log;

  void setPenColor(Color c) override { log.push_back({Recorded::PenColor, {}, c, {}}); }
  void setPenStyle(std::uint8_t s) override { log.push_back({Recorded::PenStyle, {}, s, {}}); }
  void setBrushColor(Color c) override { log.push_back({Recorded::Brush, {}, c, {}}); }
  void setFontColor(Color c) override { log.push_back({Recorded::Font, {}, c, {}}); }
  void fill(Color c) override { log.push_back({Recorded::Fill, {}, c, {}}); }
  void moveTo(std::int32_t x, std::int32_t y) override {
    log.push_back({Recorded::Move, {{x, y}}, 0, {}});
  }
  void lineTo(std::int32_t x, std::int32_t y) override {
    log.push_back({Recorded::Line, {{x, y}}, 0, {}});
  }
  void polygon(std::span<const Pixel> points) override {
    log.push_back({Recorded::Polygon, {points.begin(), points.end()}, 0, {}});
  }
  void textOut(std::int32_t x, std::int32_t y, int letterShift, std::string_view text) override {
    log.push_back({Recorded::Text, {{x + letterShift * textWidth("M"), y}}, 0, std::string(text)});
  }
  int textWidth(std::string_view text) override { return 10 * static_cast<int>(text.size()); }
  Color pixel(std::int32_t, std::int32_t) override { return clNone; }

  std::vector<Recorded> only(Recorded::Kind kind) const {
    std::vector<Recorded> out;
    for (const auto& r : log) {
      if (r.kind == kind) out.push_back(r);
    }
    return out;
  }
};

// Counts polls, beeps and cursor changes; sets DrawContinue to 0 at the cancelAt-th poll
// (as a press of "Cancel Draw" would) and advances its clock by tickStep per reading.
class TestHost : public Host {
public:
  explicit TestHost(GraphState* graph = nullptr) : m_graph(graph) {}
  int polls = 0, beeps = 0, cancelAt = -1;
  std::vector<bool> cursor;
  std::uint32_t clock = 0, tickStep = 1;
  int tickReads = 0;

  void processEvents() override {
    ++polls;
    if (m_graph && polls == cancelAt) m_graph->DrawContinue ^= 1;
  }
  void beep() override { ++beeps; }
  std::uint32_t tickCount() override {
    ++tickReads;
    const std::uint32_t now = clock;
    clock += tickStep;
    return now;
  }
  void setBusyCursor(bool busy) override { cursor.push_back(busy); }

private:
  GraphState* m_graph;
};

// A program of one kind at its defaults, drawing on a recording canvas with a counting host;
// the space curve does not pause unless a test asks for it.
struct DrawFixture {
  Program p;
  RecordingCanvas canvas;
  TestHost host{&p.graph};

  explicit DrawFixture(char kind) {
    setUpProgram(p, kind);
    p.canvas = &canvas;
    p.host = &host;
    p.CurvePauses = false;
    p.graph.DrawContinue = 1;
  }
  void draw() {
    refit(p);
    canvas.log.clear();
    DrawDriver(p);
  }
  std::vector<Recorded> cells() const { return canvas.only(Recorded::Polygon); }
  std::size_t count(Recorded::Kind kind) const { return canvas.only(kind).size(); }
};
