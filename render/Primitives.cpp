// SPDX-License-Identifier: MIT
// Clearing, curves, pause and the cancel poll.
#include "render/Primitives.h"

#include "render/Program.h"

void ClearGraphRect(Program& p) {
  p.canvas->fill(p.graph.BackgroundColor);
}

void StartCurveAt(Program& p, double x, double y, double z) {
  const Pixel at = ProjectPoint(p.view, x, y, z);
  p.canvas->setPenColor(p.graph.PenColor);
  p.canvas->moveTo(at.x, at.y);
  p.canvas->lineTo(at.x, at.y);
}

void ContinueCurveTo(Program& p, double x, double y, double z) {
  const Pixel at = ProjectPoint(p.view, x, y, z);
  p.canvas->setPenColor(p.graph.PenColor);
  p.canvas->lineTo(at.x, at.y);
}

// The elapsed time is the tick difference modulo 2^32, which stays right across a wrap of the
// 32-bit counter and whichever half of its range the counter is in.
void Pause(Host& host, std::int32_t ms) {
  if (ms <= 0) return;
  const std::uint32_t start = host.tickCount();
  while (static_cast<std::int64_t>(static_cast<std::uint32_t>(host.tickCount() - start)) < ms) {}
}

bool cancelRequested(Session& s) {
  s.host->processEvents();
  if (s.ViewPending) return s.DrawCancelled = true;
  if (s.graph.DrawContinue != 0) return false;
  s.graph.DrawContinue = 1;
  return s.DrawCancelled = true;
}
