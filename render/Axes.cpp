// SPDX-License-Identifier: MIT
// Axes, letters and ticks.
#include "render/Axes.h"

#include "render/Program.h"
#include "render/Rounding.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double AxisExtension = 1.1;
// Tick numbers are kept well inside 64 bits so that stepping between them cannot overflow;
// beyond 2^53 neighbouring integers are the same double anyway.
constexpr std::int64_t TickLimit = std::int64_t{1} << 61;
// Key evaluations allowed per pixel of the picture box's width plus height, per axis.
constexpr std::int64_t TickBudgetPerPixel = 256;

std::int32_t shifted(std::int32_t a, std::int64_t by) {
  return clampToInt32(a + by);
}

void lineBetween(Canvas& c, Pixel a, Pixel b) {
  c.moveTo(a.x, a.y);
  c.lineTo(b.x, b.y);
}

std::int64_t roundedEnd(double v) {
  const std::int64_t r = roundToInt64(v);
  return r > TickLimit ? TickLimit : (r < -TickLimit ? -TickLimit : r);
}

int signOf(double v) {
  return (v > 0) - (v < 0);
}

// One axis's ticks as a function of the integer k: the projected points that fix the tick's
// line, and the sides of the eye plane they lie on. A tick whose P lies more than `margin`
// outside the picture box leaves no pixel; its key keeps only one way P lies outside (across
// first), so that the long stretches of such ticks (most of a range of billions) form a few
// runs however the other coordinate wavers.
struct TickAxis {
  const View& view;
  int axis;      // 0 x, 1 y, 2 z
  double across; // the offset towards the other axis that gives the tick's direction
  std::int64_t width, height, margin;

  struct Key {
    Pixel p, q;
    int sideP = 0, sideQ = 0;
    int outsideX = 0, outsideY = 0; // -1 before, 1 beyond the box widened by the margin
    bool operator==(const Key&) const = default;
    bool visible() const { return outsideX == 0 && outsideY == 0; }
  };

  double depth(double x, double y, double z) const {
    const auto& m = view.ViewMatrix;
    return x * m[0][2] + y * m[1][2] + z * m[2][2] + m[3][2];
  }

  int outside(std::int64_t c, std::int64_t extent) const {
    return c < -margin ? -1 : (c >= extent + margin ? 1 : 0);
  }

  Key key(std::int64_t k) const {
    const double t = static_cast<double>(k);
    double px = 0, py = 0, pz = 0, qx = 0, qy = 0;
    if (axis == 0) px = t, qx = t, qy = across;
    if (axis == 1) py = t, qy = t, qx = across;
    if (axis == 2) pz = t;
    Key key;
    key.sideP = signOf(depth(px, py, pz));
    const Pixel p = ProjectPoint(view, px, py, pz);
    key.outsideX = outside(p.x, width);
    if (key.outsideX == 0) key.outsideY = outside(p.y, height);
    if (!key.visible()) return key;
    key.p = p;
    if (axis != 2) {
      key.q = ProjectPoint(view, qx, qy, 0);
      key.sideQ = signOf(depth(qx, qy, 0));
    }
    return key;
  }
};

// The tick through P across the axis towards Q, about 2·L pixels long.
void drawCrossTick(Canvas& c, const TickAxis::Key& key, double halfLength) {
  const std::int64_t dx = std::int64_t{key.q.x} - key.p.x, dy = std::int64_t{key.q.y} - key.p.y;
  const double length = std::sqrt(double(dx) * double(dx) + double(dy) * double(dy));
  const double s = length != 0 ? halfLength / length : 5 * halfLength;
  const std::int64_t ox = roundToInt64(dx * s), oy = roundToInt64(dy * s);
  lineBetween(c, {shifted(key.p.x, ox), shifted(key.p.y, oy)},
              {shifted(key.p.x, -ox), shifted(key.p.y, -oy)});
}

void drawLevelTick(Canvas& c, const TickAxis::Key& key, std::int32_t halfLength) {
  lineBetween(c, {shifted(key.p.x, -halfLength), key.p.y}, {shifted(key.p.x, halfLength), key.p.y});
}

// The keys met last in a walk along one run of ticks. Each projected coordinate is a monotone
// function of k while k stays on one side of the eye plane, so a key once left behind does
// not come back, and a stretch whose keys are all recent holds nothing new. Where rounding
// noise makes a key flicker (a vanishing point on a pixel boundary), the flicker stays
// among recent keys and is crossed in one search instead of one step per tick.
class RecentKeys {
public:
  bool contains(const TickAxis::Key& key) const {
    return std::find(m_keys.begin(), m_keys.begin() + m_count, key) != m_keys.begin() + m_count;
  }
  void add(const TickAxis::Key& key) {
    if (contains(key)) return;
    m_keys[m_next] = key;
    m_next = (m_next + 1) % m_keys.size();
    m_count = std::min(m_count + 1, m_keys.size());
  }

private:
  std::array<TickAxis::Key, 8> m_keys{};
  std::size_t m_count = 0, m_next = 0;
};

// Key evaluations left for one axis. Projection so ill-conditioned that its pixels are
// rounding noise would otherwise make every tick a run of its own; the allowance grows with
// the picture, so an honest axis never meets it.
struct TickBudget {
  std::int64_t left;
  TickAxis::Key key(const TickAxis& axis, std::int64_t k) {
    --left;
    return axis.key(k);
  }
  bool spent() const { return left <= 0; }
};

// The last k from `from` towards `to` (inclusive) before the first key that is not recent,
// found by doubling and then halving the stride.
std::int64_t runEnd(const TickAxis& axis, std::int64_t from, std::int64_t to,
                    const RecentKeys& recent, TickBudget& budget) {
  const int dir = to >= from ? 1 : -1;
  const std::int64_t span = dir > 0 ? to - from : from - to;
  const auto known = [&](std::int64_t step) {
    return recent.contains(budget.key(axis, from + dir * step));
  };
  std::int64_t good = 0, stride = 1;
  while (stride <= span && known(stride)) {
    good = stride;
    stride = stride > span / 2 ? span + 1 : stride * 2;
  }
  std::int64_t bad = stride <= span ? stride : span + 1;
  while (bad - good > 1) {
    const std::int64_t mid = good + (bad - good) / 2;
    if (known(mid)) {
      good = mid;
    } else {
      bad = mid;
    }
  }
  return from + dir * good;
}

template <typename Draw>
void tickRun(const TickAxis& axis, std::int64_t from, std::int64_t to, TickBudget& budget,
             Draw draw) {
  const int dir = to >= from ? 1 : -1;
  RecentKeys recent;
  for (std::int64_t k = from; !budget.spent();) {
    const TickAxis::Key key = budget.key(axis, k);
    if (key.visible() && !recent.contains(key)) draw(key);
    recent.add(key);
    const std::int64_t end = runEnd(axis, k, to, recent, budget);
    if (end == to) return;
    k = end + dir;
  }
}

// k from 1 up to Round(max), then, when Round(min) is below 2, from 1 down to Round(min).
template <typename Draw> void ticksOfAxis(const TickAxis& axis, double min, double max, Draw draw) {
  const std::int64_t top = roundedEnd(max), bottom = roundedEnd(min);
  TickBudget budget{TickBudgetPerPixel * (axis.width + axis.height + 64)};
  if (top >= 1) tickRun(axis, 1, top, budget, draw);
  if (bottom < 2) tickRun(axis, 1, bottom, budget, draw);
}

} // namespace

void DrawTicks(Program& p) {
  const GraphState& g = p.graph;
  const View& v = p.view;
  Canvas& c = *p.canvas;
  const double width = static_cast<double>(std::int64_t{v.GraphRight} - v.GraphLeft);
  const double halfLength = width / 100;
  const std::int32_t levelHalf = roundToInt32(width / 100);
  const double rx = (g.AxisXMax - g.AxisXMin) / 10, ry = (g.AxisYMax - g.AxisYMin) / 10;
  c.setPenColor(g.AxesErase ? clWhite : g.FrameColor);

  // Every pixel of a tick lies within Round(L) + 1 of its P across and Lz along.
  const std::int64_t margin = roundToInt64(halfLength) + levelHalf + 2;
  const std::int64_t boxWidth = std::int64_t{v.GraphRight} - v.GraphLeft - 2;
  const std::int64_t boxHeight = std::int64_t{v.GraphBottom} - v.GraphTop - 2;
  const auto axis = [&](int which, double across) {
    return TickAxis{v, which, across, boxWidth, boxHeight, margin};
  };
  const auto cross = [&](const TickAxis::Key& key) { drawCrossTick(c, key, halfLength); };
  if (g.Theta != 0) ticksOfAxis(axis(0, ry), g.AxisXMin, g.AxisXMax, cross);
  ticksOfAxis(axis(1, rx), g.AxisYMin, g.AxisYMax, cross);
  if (g.Phi != 0) {
    ticksOfAxis(axis(2, 0), g.AxisZMin, g.AxisZMax,
                [&](const TickAxis::Key& key) { drawLevelTick(c, key, levelHalf); });
  }
}

void DrawAxes(Program& p) {
  const GraphState& g = p.graph;
  if (g.MovieMode) return;
  const View& v = p.view;
  Canvas& c = *p.canvas;
  c.setPenColor(g.AxesErase ? clWhite : g.AxesColor);
  c.setFontColor(g.AxesErase ? clWhite : g.FontColor);
  c.setBrushColor(clWhite);

  const Pixel o = ProjectPoint(v, 0, 0, 0);
  const Pixel a = ProjectPoint(v, 0, AxisExtension * g.AxisYMin, 0);
  c.moveTo(a.x, a.y);
  if (g.AxisYMin < 0) c.lineTo(o.x, o.y);
  c.moveTo(o.x, o.y);
  const Pixel b = ProjectPoint(v, 0, AxisExtension * g.AxisYMax, 0);
  if (g.AxisYMax > 0) {
    c.lineTo(b.x, b.y);
    c.textOut(b.x, b.y, g.Theta < GraphState::Pi / 2 ? 1 : -1, "Y");
  }

  if (g.Phi != 0) {
    // The lower end is the window's bottom coordinate, which lies below the picture box.
    lineBetween(c, {o.x, shifted(v.GraphBottom, -15)}, {o.x, 15});
    c.textOut(shifted(o.x, -12), 5, 0, "Z");
  }

  c.moveTo(o.x, o.y);
  if (g.AxisXMax >= 0) {
    const Pixel x = ProjectPoint(v, AxisExtension * g.AxisXMax, 0, 0);
    c.lineTo(x.x, x.y);
    c.textOut(x.x, x.y, -1, "X");
  }
  c.moveTo(o.x, o.y);
  if (g.AxisXMin < 0) {
    const Pixel x = ProjectPoint(v, AxisExtension * g.AxisXMin, 0, 0);
    c.lineTo(x.x, x.y);
  }
  DrawTicks(p);
}
