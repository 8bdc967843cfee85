// SPDX-License-Identifier: MIT
// Shaded colours, the colour-space conversions and the NaN test.
#include "render/CellList.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace {

struct ShadeCase {
  Color base;
  double intensity;
  int r, g, b;
};

TEST(Shading, KnownTones) {
  const ShadeCase cases[] = {
      {clRed, 1, 250, 80, 0},
      {clRed, 0, 110, 0, 0},
      {clRed, 0.5, 180, 40, 0},
      {clWhite, 0, 255, 255, 255},
      {clWhite, 0.3, 255, 255, 255},
      {clWhite, 1, 255, 255, 255},
      {makeColor(128, 128, 128), 0, 64, 64, 64}, // a grey only darkens: V (1 + t)/2
      {makeColor(128, 128, 128), 0.5, 96, 96, 96},
      {makeColor(128, 128, 128), 1, 128, 128, 128},
      {clTeal, 0, 0, 43, 64},
      {clTeal, 0.5, 19, 90, 96},
      {clTeal, 1, 50, 128, 115},
      {clBlue, 0.5, 0, 90, 255},
      {clBlue, 0.25, 0, 45, 255},
      {clGreen, 0.5, 0, 160, 0},
      {clPurple, 1, 228, 0, 228},
      {clLime, 0.5, 120, 255, 0},
      {clYellow, 0.5, 255, 165, 0},
      {clAqua, 0.5, 0, 195, 195},
      {clFuchsia, 0.5, 165, 0, 255},
      {clBlack, 0.7, 0, 0, 0},
  };
  for (const ShadeCase& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.base << " at " << c.intensity);
    Color out = 0x12345678;
    ShadeColor(c.base, out, c.intensity);
    EXPECT_EQ(out, makeColor(c.r, c.g, c.b));
  }
}

// Rounding is to even: 180 * 0.25 = 45 exactly, 100 * 0.125 = 12.5 goes to 12, 0.375 * 100 =
// 37.5 goes to 38.
TEST(Shading, RampsRoundHalvesToEven) {
  Color out = 0;
  ShadeBasicColor(clGreen, out, 0.125);
  EXPECT_EQ(out, makeColor(0, 122, 0));
  ShadeBasicColor(clGreen, out, 0.375);
  EXPECT_EQ(out, makeColor(0, 148, 0));
}

// Components past 255 keep their low 8 bits: 240 + 140 * 2 = 390 -> 134.
TEST(Shading, RampOutsideUnitIntensityWraps) {
  Color out = 0;
  ShadeBasicColor(clRed, out, 2);
  EXPECT_EQ(out, makeColor((280 + 110) & 0xFF, 160, 0));
}

TEST(Shading, UndefinedIntensitiesGiveDefinedColours) {
  const double odd[] = {std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity(), -1e300, 1e300};
  for (const Color base : {clRed, clTeal, makeColor(128, 128, 128), makeColor(200, 10, 5)}) {
    for (const double t : odd) {
      Color out = 0;
      ShadeColor(base, out, t);
      EXPECT_EQ(out & 0xFF000000u, 0u);
    }
  }
}

// (255, 10, 0) has a hue of 2.35 degrees; at intensity 1 it is shifted by 20 - 30 to -7.65,
// so the conversion runs sector 0 with a fraction of -0.127: S 155, V 255,
// t = 255 - 155 (1 + 0.127) = 80.2 and p = 100. A blue above the 100 of p shows that the
// negative fraction was used as it stands.
TEST(Shading, SmallHueShiftedBelowZeroUsesNegativeFraction) {
  Color out = 0;
  ShadeColor(makeColor(255, 10, 0), out, 1);
  EXPECT_EQ(out, makeColor(255, 80, 100));
}

TEST(Shading, HueAbove332IsNotShifted) {
  // (255, 0, 100): hue 336.5; only saturation and value change.
  Color out = 0;
  ShadeColor(makeColor(255, 0, 100), out, 0);
  double h = 0, s = 0, v = 0;
  RgbToHsv(h, s, v, 255, 0, 100);
  double r = 0, g = 0, b = 0;
  HsvToRgb(r, g, b, h, s, v / 2);
  EXPECT_EQ(out, makeColor(static_cast<int>(std::nearbyint(r)), static_cast<int>(std::nearbyint(g)),
                           static_cast<int>(std::nearbyint(b))));
}

struct HsvCase {
  double r, g, b, h, s, v;
};

TEST(ColorSpace, RgbToHsv) {
  const HsvCase cases[] = {
      {255, 0, 0, 0, 255, 255},          {0, 255, 0, 120, 255, 255},
      {0, 0, 255, 240, 255, 255},        {0, 128, 128, 180, 255, 128},
      {255, 0, 255, 300, 255, 255},      {255, 128, 0, 30.117647, 255, 255},
      {255, 0, 1, 359.764706, 255, 255},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.r << "," << c.g << "," << c.b);
    double h = 0, s = 0, v = 0;
    RgbToHsv(h, s, v, c.r, c.g, c.b);
    EXPECT_NEAR(h, c.h, 1e-6);
    EXPECT_DOUBLE_EQ(s, c.s);
    EXPECT_DOUBLE_EQ(v, c.v);
  }
}

TEST(ColorSpace, GreyHasTheMarkerHue) {
  for (const double level : {0.0, 77.0, 255.0}) {
    double h = 0, s = 1, v = 0;
    RgbToHsv(h, s, v, level, level, level);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(h), 0x7FFFFFFFFFFFFFFFull);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(v, level);
  }
}

TEST(ColorSpace, HsvToRgbSectorsAndEdges) {
  const struct {
    double h, s, v, r, g, b;
  } cases[] = {
      {0, 255, 255, 255, 0, 0},
      {360, 255, 255, 255, 0, 0}, // 360 is read as 0
      {120, 255, 255, 0, 255, 0},
      {240, 255, 255, 0, 0, 255},
      {300, 255, 255, 255, 0, 255},
      {180, 255, 128, 0, 128, 128},
      {370, 255, 255, 0, 0, 0},
      {-70, 255, 255, 0, 0, 0}, // outside 0..360: black
      {std::numeric_limits<double>::quiet_NaN(), 255, 200, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.h);
    double r = -1, g = -1, b = -1;
    HsvToRgb(r, g, b, c.h, c.s, c.v);
    EXPECT_NEAR(r, c.r, 1e-9);
    EXPECT_NEAR(g, c.g, 1e-9);
    EXPECT_NEAR(b, c.b, 1e-9);
  }
}

TEST(ColorSpace, ZeroSaturationKeepsCallerComponentsUnlessGrey) {
  double r = 1, g = 2, b = 3;
  HsvToRgb(r, g, b, 40, 0, 99);
  EXPECT_EQ(r, 1);
  EXPECT_EQ(g, 2);
  EXPECT_EQ(b, 3);
  HsvToRgb(r, g, b, greyHue(), 0, 99);
  EXPECT_EQ(r, 99);
  EXPECT_EQ(g, 99);
  EXPECT_EQ(b, 99);
}

TEST(NaNTest, OnlyTheLowMantissaBitsCount) {
  const struct {
    std::uint64_t bits;
    bool nan;
  } cases[] = {
      {0x7FFFFFFFFFFFFFFF, true},  {0xFFF0000000000001, true},  {0x7FF0000000000000, false}, // inf
      {0x7FF8000000000000, false}, // the usual quiet NaN: its only mantissa bit is a high one
      {0x7FF0800000000000, true},  {0x3FF0000000000000, false}, {0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.bits);
    EXPECT_EQ(IsNaN(std::bit_cast<double>(c.bits)), c.nan);
  }
}

} // namespace
