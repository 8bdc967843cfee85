// SPDX-License-Identifier: MIT
// The graphing rectangle, the eye transform, the fit of the axes box and the projection.
#include "render/View.h"

#include "render/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double FitMargin = 20;

struct EyePoint {
  double xe, ye, ze;
};

EyePoint toEye(const View& v, double x, double y, double z) {
  const auto& m = v.ViewMatrix;
  return {x * m[0][0] + y * m[1][0] + z * m[2][0] + m[3][0],
          x * m[0][1] + y * m[1][1] + z * m[2][1] + m[3][1],
          x * m[0][2] + y * m[1][2] + z * m[2][2] + m[3][2]};
}

// A screen coordinate below 1 (or not a number) is pinned to 1; beyond the 32-bit range it is
// pinned to the range, so the shift by the rectangle edge cannot overflow either.
std::int32_t toPixel(double s, std::int32_t edge) {
  const std::int64_t p = (std::isnan(s) || s < 1.0) ? 1 : roundToInt64(s);
  return clampToInt32(clampToInt32(p) - static_cast<std::int64_t>(edge));
}

// The zoomed coordinate of a fitted one, unpinned below; NaN stays pinned at 1.
std::int32_t toZoomedPixel(double s, double centre, double zoom, std::int32_t edge) {
  const double zoomed = centre + zoom * (s - centre);
  const std::int64_t p = std::isnan(zoomed) ? 1 : roundToInt64(zoomed);
  return clampToInt32(clampToInt32(p) - static_cast<std::int64_t>(edge));
}

} // namespace

double ClampZoom(double zoom) {
  if (std::isnan(zoom)) return 1;
  return std::clamp(zoom, MinZoom, MaxZoom);
}

double SteppedZoom(double zoom, int notches) {
  const double now = std::nearbyint(std::log2(ClampZoom(zoom)) * ZoomStepsPerDoubling);
  const double lowest = std::log2(MinZoom) * ZoomStepsPerDoubling;
  const double highest = std::log2(MaxZoom) * ZoomStepsPerDoubling;
  const double steps = std::clamp(now + notches, lowest, highest);
  return std::exp2(steps / ZoomStepsPerDoubling);
}

void ComputeGraphRect(View& v, const GraphState& g, int clientWidth, int clientHeight) {
  const double w = clientWidth;
  const double h = clientHeight;
  const std::int64_t left = roundToInt32(0.1 * w);
  const std::int64_t top = roundToInt32(0.1 * h);
  const std::int64_t bottom = top + roundToInt32(0.65 * h);
  std::int64_t right = 0;
  if (g.GraphKind == '2' || g.GraphKind == '3') {
    // The square rectangle of the round kinds; a client width of 0 gives q = 0 (the ratio is
    // infinite or not a number, and neither gives a usable multiple).
    const double ratio = h / w;
    const std::int64_t q = std::isfinite(ratio) ? roundToInt32(ratio) : 0;
    right = left + clampToInt32((bottom - top) * q);
  } else {
    right = left + roundToInt32(0.6 * w);
  }
  v.GraphLeft = clampToInt32(left);
  v.GraphTop = clampToInt32(top);
  v.GraphRight = clampToInt32(right);
  v.GraphBottom = clampToInt32(bottom);
  if (g.SizeFactorOn) {
    v.GraphRight = roundToInt32(v.GraphRight * g.SizeFactor);
    v.GraphBottom = roundToInt32(v.GraphBottom * g.SizeFactor);
  }
}

// The fit scales xe and ye into the rectangle, so the picture depends only on the sign of the
// scale k, not on its size. An eye at or inside the picture plane's distance takes k = rho:
// rho - planeDistance would turn its picture half round, or at the plane itself collapse it
// into one corner. Farther eyes keep the k they always had, so their pictures stay exactly as
// they were.
void SetViewTransform(View& v, double planeDistance, double rho, double theta, double phi) {
  const double k = rho > planeDistance ? rho - planeDistance : rho;
  const double st = std::sin(theta), ct = std::cos(theta);
  const double sp = std::sin(phi), cp = std::cos(phi);
  auto& m = v.ViewMatrix;
  m[0][0] = -k * st, m[0][1] = -k * ct * cp, m[0][2] = -sp * ct;
  m[1][0] = k * ct, m[1][1] = -k * st * cp, m[1][2] = -sp * st;
  m[2][0] = 0, m[2][1] = k * sp, m[2][2] = -cp;
  m[3][0] = 0, m[3][1] = 0, m[3][2] = rho;
}

void FitViewToAxes(View& v, const GraphState& g) {
  const double xl = v.GraphLeft + FitMargin, xr = v.GraphRight - FitMargin;
  const double yt = v.GraphTop + FitMargin, yb = v.GraphBottom - FitMargin;

  const EyePoint first = toEye(v, g.AxisXMax, g.AxisYMax, g.AxisZMax);
  double* b = v.EyeBounds;
  b[0] = b[1] = first.xe;
  b[2] = b[3] = first.ye;
  b[4] = b[5] = first.ze;
  for (const double x : {g.AxisXMin, g.AxisXMax}) {
    for (const double y : {g.AxisYMin, g.AxisYMax}) {
      for (const double z : {g.AxisZMin, g.AxisZMax}) {
        const EyePoint e = toEye(v, x, y, z);
        const double c[3] = {e.xe, e.ye, e.ze};
        for (int i = 0; i < 3; ++i) {
          if (c[i] <= b[2 * i]) b[2 * i] = c[i];
          if (c[i] >= b[2 * i + 1]) b[2 * i + 1] = c[i];
        }
      }
    }
  }
  const double xeMin = b[0], xeMax = b[1], yeMin = b[2], yeMax = b[3], zeMin = b[4], zeMax = b[5];
  double dx = xeMax * zeMin - xeMin * zeMax;
  if (dx == 0) dx = 1;
  double dy = yeMax * zeMin - yeMin * zeMax;
  if (dy == 0) dy = 1;

  auto& s = v.ScreenMatrix;
  s[0][0] = zeMin * zeMax * (xr - xl) / dx, s[0][1] = 0, s[0][2] = 0;
  s[1][0] = 0, s[1][1] = zeMin * zeMax * (yt - yb) / dy, s[1][2] = 0;
  s[2][0] = xl - xeMin * zeMax * (xr - xl) / dx;
  s[2][1] = yt - yeMax * zeMin * (yt - yb) / dy;
  s[2][2] = 1;

  v.Zoom = ClampZoom(g.Zoom);
  v.ZoomCentreX = (static_cast<double>(v.GraphLeft) + v.GraphRight) / 2;
  v.ZoomCentreY = (static_cast<double>(v.GraphTop) + v.GraphBottom) / 2;
}

Pixel ProjectPoint(const View& v, double x, double y, double z) {
  const EyePoint e = toEye(v, x, y, z);
  const auto& s = v.ScreenMatrix;
  const double sxp = s[0][0] * e.xe + s[1][0] * e.ye + s[2][0] * e.ze;
  const double syp = s[0][1] * e.xe + s[1][1] * e.ye + s[2][1] * e.ze;
  const double ze = e.ze == 0 ? 1 : e.ze;
  const double sx = sxp / ze, sy = syp / ze;
  if (v.Zoom == 1) return {toPixel(sx, v.GraphLeft), toPixel(sy, v.GraphTop)};
  return {toZoomedPixel(sx, v.ZoomCentreX, v.Zoom, v.GraphLeft),
          toZoomedPixel(sy, v.ZoomCentreY, v.Zoom, v.GraphTop)};
}
