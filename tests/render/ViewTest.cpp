// SPDX-License-Identifier: MIT
// Layout of the graphing rectangle, projection of known points, and degenerate views.
#include "TestSupport.h"

#include "graph/Eye.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

struct RectCase {
  char kind;
  int width, height;
  bool sizeOn;
  double factor;
  std::int32_t left, top, right, bottom;
};

TEST(Layout, RectangleFromClientSize) {
  const RectCase cases[] = {
      {'1', 800, 600, false, 1, 80, 60, 560, 450},
      {'4', 800, 600, false, 1, 80, 60, 560, 450},
      {'2', 800, 600, false, 1, 80, 60, 470, 450}, // a square of 390
      {'3', 800, 600, false, 1, 80, 60, 470, 450},
      {'2', 800, 399, false, 1, 80, 40, 80, 299},  // height below half the width: q = 0
      {'2', 800, 400, false, 1, 80, 40, 80, 300},  // exactly half: 0.5 rounds to 0
      {'2', 400, 600, false, 1, 40, 60, 820, 450}, // exactly 1.5 rounds to 2
      {'1', 800, 600, true, 0.625, 80, 60, 350, 281},
      {'1', 800, 600, true, 0.8, 80, 60, 448, 360},
      {'1', 5, 5, false, 1, 0, 0, 3, 3},      // 0.5 -> 0, 3 -> 3, 3.25 -> 3
      {'2', 0, 600, false, 1, 0, 60, 0, 450}, // no width: no multiple of the height
      {'1', 0, 0, false, 1, 0, 0, 0, 0},
  };
  for (const RectCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " " << c.width << "x" << c.height);
    GraphState g;
    g.GraphKind = c.kind;
    g.SizeFactorOn = c.sizeOn;
    g.SizeFactor = c.factor;
    View v;
    ComputeGraphRect(v, g, c.width, c.height);
    EXPECT_EQ(v.GraphLeft, c.left);
    EXPECT_EQ(v.GraphTop, c.top);
    EXPECT_EQ(v.GraphRight, c.right);
    EXPECT_EQ(v.GraphBottom, c.bottom);
  }
}

TEST(Layout, HugeSizeFactorIsPinnedToTheIntegerRange) {
  const struct {
    double factor;
    std::int32_t right;
  } cases[] = {{1e300, std::numeric_limits<std::int32_t>::max()},
               {-1e300, std::numeric_limits<std::int32_t>::min()},
               {std::numeric_limits<double>::quiet_NaN(), 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.factor);
    GraphState g;
    g.GraphKind = '1';
    g.SizeFactorOn = true;
    g.SizeFactor = c.factor;
    View v;
    ComputeGraphRect(v, g, 800, 600);
    EXPECT_EQ(v.GraphRight, c.right);
  }
}

struct ProjectionCase {
  double x, y, z;
  std::int32_t px, py;
};

TEST(Projection, DefaultViewOf800By600) {
  Program p;
  setUpProgram(p, '1');
  const ProjectionCase cases[] = {
      {0, 0, 0, 246, 190}, {3, 0, 0, 165, 198}, {0, 3, 0, 387, 194}, {0, 0, 10, 246, 25}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y << "," << c.z);
    EXPECT_EQ(ProjectPoint(p.view, c.x, c.y, c.z), (Pixel{c.px, c.py}));
  }
  const double* b = p.view.EyeBounds;
  EXPECT_NEAR(b[0], -327.846, 1e-3);
  EXPECT_NEAR(b[1], 327.846, 1e-3);
  EXPECT_NEAR(b[2], -844.776, 1e-3);
  EXPECT_NEAR(b[3], 844.776, 1e-3);
  EXPECT_NEAR(b[4], 194.228, 1e-3);
  EXPECT_NEAR(b[5], 205.772, 1e-3);
}

// An eye at or inside the picture plane's distance (120) once collapsed the picture into the
// inner rectangle's corner (at 120) or turned it half round (below). Now it is the perspective
// from that eye, fitted the right way up as at the default Rho: +x to the left of the origin,
// +y to the right, and the top of the z axis, where its letter stands, above the origin.
TEST(NearEye, KeepsTheOrientationOfTheDefaultView) {
  for (const double rho : {60.0, 119.0, 120.0, 121.0, 200.0}) {
    SCOPED_TRACE(rho);
    Program p;
    setUpProgram(p, '1');
    p.graph.Rho = rho;
    refit(p);
    const View& v = p.view;
    const Pixel o = ProjectPoint(v, 0, 0, 0);
    const Pixel x = ProjectPoint(v, 3, 0, 0), y = ProjectPoint(v, 0, 3, 0);
    const Pixel z = ProjectPoint(v, 0, 0, p.graph.AxisZMax);
    EXPECT_LT(z.y, o.y - 100);
    EXPECT_LT(x.x, o.x - 30);
    EXPECT_GT(y.x, o.x + 30);
    // The box still spans the width of the inner rectangle (440 pixels) between its corners.
    std::int32_t left = o.x, right = o.x;
    for (const double cx : {-3, 3}) {
      for (const double cy : {-3, 3}) {
        for (const double cz : {-10, 10}) {
          const Pixel corner = ProjectPoint(v, cx, cy, cz);
          left = std::min(left, corner.x);
          right = std::max(right, corner.x);
        }
      }
    }
    EXPECT_GT(right - left, 300);
  }
}

// After the fit only the sign of the scale k counts: a near eye's picture is the one any
// positive k gives, here k = rho + 1000 (a picture plane 1000 behind the origin).
TEST(NearEye, PictureIsThatOfAnyPositiveScale) {
  for (const double rho : {60.0, 119.0, 120.0}) {
    SCOPED_TRACE(rho);
    Program p;
    setUpProgram(p, '1');
    p.graph.Rho = rho;
    refit(p);
    View other = p.view;
    SetViewTransform(other, -1000, rho, p.graph.Theta, p.graph.Phi);
    FitViewToAxes(other, p.graph);
    for (const auto& pt : {std::array<double, 3>{0, 0, 0},
                           {3, 0, 0},
                           {0, 3, 0},
                           {0, 0, 10},
                           {-3, 2, -7},
                           {3, -3, 10},
                           {1.5, 2.5, -4}}) {
      SCOPED_TRACE(testing::Message() << pt[0] << "," << pt[1] << "," << pt[2]);
      const Pixel a = ProjectPoint(p.view, pt[0], pt[1], pt[2]);
      const Pixel b = ProjectPoint(other, pt[0], pt[1], pt[2]);
      EXPECT_LE(std::abs(a.x - b.x), 1);
      EXPECT_LE(std::abs(a.y - b.y), 1);
    }
  }
}

// The check the settings use finds exactly the eyes whose view puts every corner of the box at
// a positive depth, over eyes all round boxes about and off the origin.
TEST(NearEye, EyeSeesAxesBoxAgreesWithTheDepthsOfTheView) {
  const std::array<double, 6> boxes[] = {{-3, 3, -3, 3, -10, 10}, {1, 5, 2, 8, -1, 3}};
  int seen = 0, refused = 0;
  for (const auto& box : boxes) {
    for (const double rho : {2.0, 5.0, 5.8, 6.0, 8.0, 10.0, 10.5, 11.0, 15.0, 60.0}) {
      for (int theta = 0; theta < 360; theta += 15) {
        for (int phi = 0; phi <= 180; phi += 15) {
          Program p;
          setUpProgram(p, '1');
          GraphState& g = p.graph;
          g.AxisXMin = box[0], g.AxisXMax = box[1], g.AxisYMin = box[2];
          g.AxisYMax = box[3], g.AxisZMin = box[4], g.AxisZMax = box[5];
          g.Rho = rho;
          g.Theta = theta * GraphState::Pi / 180;
          g.Phi = phi * GraphState::Pi / 180;
          refit(p);
          const bool sees = p.view.EyeBounds[4] > 0; // ZeMin
          ASSERT_EQ(EyeSeesAxesBox(g), sees)
              << box[0] << " rho " << rho << " theta " << theta << " phi " << phi;
          ++(sees ? seen : refused);
        }
      }
    }
  }
  EXPECT_GT(seen, 500);
  EXPECT_GT(refused, 500);
}

TEST(DegenerateView, FlatBoxStillMapsFinitely) {
  // A view straight down on a box of no height in y: the ye extremes coincide in ratio.
  const double flats[][6] = {{-3, 3, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, -3, 3, 0, 0}};
  for (const auto& a : flats) {
    Program p;
    setUpProgram(p, '1');
    p.graph.AxisXMin = a[0], p.graph.AxisXMax = a[1], p.graph.AxisYMin = a[2];
    p.graph.AxisYMax = a[3], p.graph.AxisZMin = a[4], p.graph.AxisZMax = a[5];
    p.graph.Theta = 0;
    p.graph.Phi = 0;
    refit(p);
    for (const auto& row : p.view.ScreenMatrix) {
      for (double m : row) EXPECT_TRUE(std::isfinite(m));
    }
  }
}

TEST(DegenerateView, PointOnEyePlaneIsDividedByOne) {
  Program p;
  setUpProgram(p, '1');
  // The eye at (Rho, 0, 0) looking along -x; every point with x = Rho has ze = 0.
  p.graph.Theta = 0;
  p.graph.Phi = GraphState::Pi / 2;
  refit(p);
  const auto& m = p.view.ViewMatrix;
  const double x = 200, y = 1, z = 2;
  const double xe = x * m[0][0] + y * m[1][0] + z * m[2][0] + m[3][0];
  const double ze = x * m[0][2] + y * m[1][2] + z * m[2][2] + m[3][2];
  ASSERT_EQ(ze, 0);
  const auto& s = p.view.ScreenMatrix;
  const double ye = x * m[0][1] + y * m[1][1] + z * m[2][1] + m[3][1];
  const double sx = s[0][0] * xe + s[1][0] * ye;
  const Pixel q = ProjectPoint(p.view, x, y, z);
  EXPECT_EQ(q.x, sx < 1 ? 1 - p.view.GraphLeft : std::nearbyint(sx) - p.view.GraphLeft);
}

TEST(DegenerateView, BelowOneIsPinnedAndFarOffIsClamped) {
  Program p;
  setUpProgram(p, '1');
  const auto& v = p.view;
  // Far to the side of the picture: below 1 before the shift becomes 1 - GraphLeft.
  EXPECT_EQ(ProjectPoint(v, 0, -1e6, 0).x, 1 - v.GraphLeft);
  EXPECT_EQ(ProjectPoint(v, 0, 0, 150).y, 1 - v.GraphTop);
  // Just off the eye plane the division gives coordinates far beyond 32 bits.
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const auto& pt : {std::array<double, 3>{0, 1e300, 0},
                         {0, -1e300, 1e300},
                         {nan, 0, 0},
                         {inf, 0, 0},
                         {0, inf, -inf},
                         {1e308, 1e308, 1e308}}) {
    const Pixel q = ProjectPoint(v, pt[0], pt[1], pt[2]);
    EXPECT_GE(static_cast<std::int64_t>(q.x), 1 - v.GraphLeft);
    EXPECT_GE(static_cast<std::int64_t>(q.y), 1 - v.GraphTop);
  }
}

} // namespace
