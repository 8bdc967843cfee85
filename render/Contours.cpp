// SPDX-License-Identifier: MIT
// The contour command: extents, levels, grid and the CONREC triangles of each cell.
#include "render/Contours.h"

#include "graph/Sampling.h"
#include "render/Program.h"
#include "render/Rounding.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr double Pi = GraphState::Pi;
constexpr int ExtentSteps = 45;

// The published case table, indexed by 9*s1 + 3*s2 + s3 of the sign codes of a triangle's
// vertex p1, centre p2 and vertex p3 (0 below the level, 1 on it, 2 above).
constexpr int CaseTable[27] = {0, 0, 8, 0, 2, 5, 7, 6, 9, 0, 3, 4, 1, 3,
                               1, 4, 3, 0, 9, 6, 7, 5, 2, 0, 8, 0, 0};
// Corners 1..4 of a cell as offsets of (i, j).
constexpr int CornerI[4] = {0, 1, 1, 0};
constexpr int CornerJ[4] = {0, 0, 1, 1};

// The function of the kind at a plane point; EvalFailed tells a failure.
double valueAt(Program& p, double x, double y) {
  GraphState& g = p.graph;
  if (g.GraphKind == '1') {
    g.VarX = x;
    g.VarY = y;
    return EvalRectZ(p);
  }
  g.VarR = std::sqrt(x * x + y * y);
  g.VarT = ContourAngle(x, y);
  return EvalCylZ(p);
}

double stepOf(double min, double max) {
  const double h = (max - min) / ExtentSteps;
  return h == 0 ? 1 : h;
}

void widen(double& min, double& max, double v) {
  if (v <= min) min = v;
  if (v >= max) max = v;
}

// Kind 1: ZMin and ZMax over the domain. A failure ends the scan; a failure at the very first
// point leaves the extents as they were.
void extentsRect(Program& p) {
  GraphState& g = p.graph;
  const double hx = stepOf(g.XMin, g.XMax), hy = stepOf(g.YMin, g.YMax);
  g.VarX = g.XMax, g.VarY = g.YMax;
  double zMin = EvalRectZ(p), zMax = zMin;
  if (g.EvalFailed) return;
  for (double x = g.XMax; x >= g.XMin;) {
    for (double y = g.YMax; y >= g.YMin;) {
      g.VarX = x, g.VarY = y;
      const double v = EvalRectZ(p);
      if (g.EvalFailed) break;
      widen(zMin, zMax, v);
      if (!advance(y, -hy)) break;
    }
    if (g.EvalFailed || !advance(x, -hx)) break;
  }
  g.ZMin = zMin, g.ZMax = zMax;
}

// Kind 2: all six extents over the r and theta domain.
void extentsCyl(Program& p) {
  GraphState& g = p.graph;
  const double hr = stepOf(g.RMin, g.RMax), ht = stepOf(g.TMin, g.TMax);
  g.EvalFailed = false;
  g.VarR = g.RMax, g.VarT = g.TMax;
  double zMin = EvalCylZ(p), zMax = zMin;
  if (g.EvalFailed) return;
  double xMin = g.RMax * std::cos(g.TMax), xMax = xMin;
  double yMin = g.RMax * std::sin(g.TMax), yMax = yMin;
  bool failed = false;
  for (double r = g.RMax; r >= g.RMin && !failed;) {
    for (double t = g.TMax; t >= g.TMin;) {
      g.VarR = r, g.VarT = t;
      const double v = EvalCylZ(p);
      failed = g.EvalFailed;
      if (failed) break;
      widen(zMin, zMax, v);
      widen(xMin, xMax, r * std::cos(t));
      widen(yMin, yMax, r * std::sin(t));
      if (!advance(t, -ht)) break;
    }
    if (!advance(r, -hr)) break;
  }
  g.XMin = xMin, g.XMax = xMax, g.YMin = yMin, g.YMax = yMax, g.ZMin = zMin, g.ZMax = zMax;
  g.EvalFailed = failed;
}

// The values at the grid points, and how many of them (in i-major order) were evaluated
// before the first failure.
struct Grid {
  int nx = 0, ny = 0;
  double x[MaxContourGrid + 1] = {}, y[MaxContourGrid + 1] = {};
  double d[MaxContourGrid + 1][MaxContourGrid + 1] = {};
  int filled = 0;

  bool known(int i, int j) const { return i * (ny + 1) + j < filled; }
};

int gridCount(int n) {
  return n >= 1 && n <= MaxContourGrid ? n : 20;
}

void fillGrid(Program& p, Grid& grid) {
  GraphState& g = p.graph;
  double dx = (g.XMax - g.XMin) / grid.nx, dy = (g.YMax - g.YMin) / grid.ny;
  if (dx == 0) dx = 0.1;
  if (dy == 0) dy = 0.1;
  for (int i = 0; i <= grid.nx; ++i) grid.x[i] = g.XMin + i * dx;
  for (int j = 0; j <= grid.ny; ++j) grid.y[j] = g.YMin + j * dy;
  for (int i = 0; i <= grid.nx; ++i) {
    for (int j = 0; j <= grid.ny; ++j) {
      if (g.GraphKind == '2') g.EvalFailed = false;
      grid.d[i][j] = valueAt(p, grid.x[i], grid.y[j]);
      if (g.EvalFailed) return;
      ++grid.filled;
    }
  }
}

// One cell against one level: h[0] is the centre, h[1..4] the corners, relative to the level.
struct CellLevel {
  double h[5], xh[5], yh[5];
  int s[5];

  double crossX(int a, int b) const { return (h[b] * xh[a] - h[a] * xh[b]) / (h[b] - h[a]); }
  double crossY(int a, int b) const { return (h[b] * yh[a] - h[a] * yh[b]) / (h[b] - h[a]); }
};

void drawTriangle(Program& p, const ContourLevels& levels, const CellLevel& c, int p1, int p2,
                  int p3, double level) {
  const int kind = CaseTable[9 * c.s[p1] + 3 * c.s[p2] + c.s[p3]];
  if (kind == 0) return;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  const auto vertex = [&](int v, double& x, double& y) { x = c.xh[v], y = c.yh[v]; };
  const auto side = [&](int a, int b, double& x, double& y) {
    x = c.crossX(a, b), y = c.crossY(a, b);
  };
  switch (kind) {
  case 1:
    vertex(p1, x1, y1), vertex(p2, x2, y2);
    break;
  case 2:
    vertex(p2, x1, y1), vertex(p3, x2, y2);
    break;
  case 3:
    vertex(p3, x1, y1), vertex(p1, x2, y2);
    break;
  case 4:
    vertex(p1, x1, y1), side(p2, p3, x2, y2);
    break;
  case 5:
    vertex(p2, x1, y1), side(p3, p1, x2, y2);
    break;
  case 6:
    vertex(p3, x1, y1), side(p1, p2, x2, y2);
    break;
  case 7:
    side(p1, p2, x1, y1), side(p2, p3, x2, y2);
    break;
  case 8:
    side(p2, p3, x1, y1), side(p3, p1, x2, y2);
    break;
  default:
    side(p3, p1, x1, y1), side(p1, p2, x2, y2);
    break;
  }
  DrawContourSegment(p, levels, x1, y1, x2, y2, level);
}

int signCode(double h) {
  return h > 0 ? 2 : (h == 0 ? 1 : 0);
}

void contourCell(Program& p, const Grid& grid, const ContourLevels& levels, int i, int j) {
  double corner[4];
  for (int c = 0; c < 4; ++c) corner[c] = grid.d[i + CornerI[c]][j + CornerJ[c]];
  const double dMin = *std::min_element(corner, corner + 4);
  const double dMax = *std::max_element(corner, corner + 4);
  if (dMax < levels.z[0] || dMin > levels.z[levels.count - 1]) return;
  const double xc = (grid.x[i] + grid.x[i + 1]) / 2, yc = (grid.y[j] + grid.y[j + 1]) / 2;
  // The centre value of a rectangular graph is the function's own, evaluated once per cell.
  bool haveCentre = false;
  double centre = 0;
  for (int m = 0; m < levels.count; ++m) {
    const double level = levels.z[m];
    if (!(dMin <= level && level <= dMax)) continue;
    CellLevel c;
    for (int k = 1; k <= 4; ++k) {
      c.h[k] = corner[k - 1] - level;
      c.xh[k] = grid.x[i + CornerI[k - 1]];
      c.yh[k] = grid.y[j + CornerJ[k - 1]];
    }
    c.xh[0] = xc, c.yh[0] = yc;
    if (p.graph.GraphKind == '1') {
      if (!haveCentre) centre = valueAt(p, xc, yc), haveCentre = true;
      c.h[0] = centre - level;
    } else {
      c.h[0] = (c.h[1] + c.h[2] + c.h[3] + c.h[4]) / 4;
    }
    for (int k = 0; k < 5; ++k) c.s[k] = signCode(c.h[k]);
    for (int q = 1; q <= 4; ++q) drawTriangle(p, levels, c, q, 0, q == 4 ? 1 : q + 1, level);
  }
}

// Cells from the top row down, each row from the left; a cell with a corner the grid did not
// reach (the evaluation failed first) is left out.
void contourCells(Program& p, const Grid& grid, const ContourLevels& levels) {
  for (int j = grid.ny - 1; j >= 0; --j) {
    for (int i = 0; i < grid.nx; ++i) {
      if (!grid.known(i + 1, j + 1)) continue;
      contourCell(p, grid, levels, i, j);
    }
  }
}

} // namespace

int ContourLevelCountOf(const GraphState& g) {
  const int n = g.ContourLevelCount;
  return n >= 2 && n <= MaxContourLevels ? n : 10;
}

ContourLevels ComputeContourLevels(double zMin, double zMax, int count) {
  ContourLevels levels;
  levels.count = std::clamp(count, 2, MaxContourLevels);
  double step = (zMax - zMin) / (levels.count - 1);
  if (step == 0) step = levels.count;
  for (int m = 0; m < levels.count; ++m) levels.z[m] = zMin + m * step;
  return levels;
}

Color ContourBandColor(const ContourLevels& levels, double v) {
  const int k = static_cast<int>(roundToInt64((levels.count + 1) / 5.0));
  const auto bound = [&](int band) { return levels.z[std::min(band * k, levels.count - 2)]; };
  if (v <= bound(1)) return clNavy;
  if (v <= bound(2)) return clMaroon;
  if (v <= bound(3)) return clRed;
  if (v <= bound(4)) return clGreen;
  return clLime;
}

double ContourAngle(double x, double y) {
  double t = 0;
  if (x == 0 && y > 0) t = Pi / 2;
  if (x == 0 && y < 0) t = 3 * Pi / 2;
  if (x > 0 && y >= 0) t = std::atan(y / x);
  if (x < 0 && y >= 0) t = std::atan(y / x) + Pi;
  if (x < 0 && y < 0) t = std::atan(y / x) + Pi;
  if (x > 0 && y <= 0) t = std::atan(y / x) + 2 * Pi;
  return t;
}

void DrawContours(Program& p) {
  GraphState& g = p.graph;
  if (g.GraphKind != '1' && g.GraphKind != '2') return;
  p.host->setBusyCursor(true);
  // A failure left by an earlier command must not end the scans at their first point.
  g.EvalFailed = false;
  if (g.GraphKind == '1') {
    extentsRect(p);
  } else {
    extentsCyl(p);
  }
  const bool extentsFailed = g.EvalFailed;
  g.EvalFailed = false;
  const ContourLevels levels = ComputeContourLevels(g.ZMin, g.ZMax, ContourLevelCountOf(g));
  // About 120 kB: kept off the stack.
  auto grid = std::make_unique<Grid>();
  grid->nx = gridCount(g.ContourGridX);
  grid->ny = gridCount(g.ContourGridY);
  fillGrid(p, *grid);
  const bool gridFailed = g.EvalFailed;
  contourCells(p, *grid, levels);
  g.EvalFailed = g.EvalFailed || extentsFailed || gridFailed;
  p.host->setBusyCursor(false);
}

void DrawContourSegment(Program& p, const ContourLevels& levels, double x1, double y1, double x2,
                        double y2, double v) {
  const GraphState& g = p.graph;
  if (g.GraphKind != '1' && g.GraphKind != '2') return;
  Canvas& c = *p.canvas;
  c.setPenColor(ContourBandColor(levels, v));
  const double height = g.Contours3D ? v : 0;
  const Pixel a = ProjectPoint(p.view, x1, y1, height), b = ProjectPoint(p.view, x2, y2, height);
  c.moveTo(a.x, a.y);
  c.lineTo(a.x, a.y);
  c.lineTo(b.x, b.y);
  c.moveTo(b.x, b.y);
  c.lineTo(b.x, b.y);
  c.lineTo(a.x, a.y);
}
