// SPDX-License-Identifier: MIT
// The picture canvas: the line rule, polygons, far-off coordinates, text; the primitives.
#include "TestSupport.h"
#include "render/Primitives.h"
#include "render/canvas/ImageCanvas.h"
#include "render/canvas/LinePixels.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

namespace {

QImage whiteImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

std::vector<Pixel> pixelsOf(const QImage& image, Color color) {
  std::vector<Pixel> out;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (fromRgb32(image.pixel(x, y)) == color) out.push_back({x, y});
    }
  }
  return out;
}

struct LineCase {
  Pixel from, to;
  std::vector<Pixel> pixels; // in row order, as pixelsOf lists them
};

TEST(CanvasLines, EndPointIsLeftOut) {
  const LineCase cases[] = {
      {{0, 0}, {5, 0}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}},
      {{4, 0}, {0, 0}, {{1, 0}, {2, 0}, {3, 0}, {4, 0}}},
      {{2, 1}, {2, 4}, {{2, 1}, {2, 2}, {2, 3}}},
      {{3, 3}, {3, 3}, {}},
      {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
      // Half-way steps go on in the direction of travel.
      {{0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
      {{4, 2}, {0, 0}, {{4, 2}, {3, 1}, {2, 1}, {1, 0}}},
      {{0, 0}, {2, 5}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
      // Parts outside the image are simply not there.
      {{-2, 1}, {3, 1}, {{0, 1}, {1, 1}, {2, 1}}},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y);
    QImage image = whiteImage(8, 8);
    ImageCanvas canvas(image);
    canvas.setPenColor(clRed);
    canvas.moveTo(c.from.x, c.from.y);
    canvas.lineTo(c.to.x, c.to.y);
    auto expected = c.pixels;
    std::sort(expected.begin(), expected.end(),
              [](Pixel a, Pixel b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    EXPECT_EQ(pixelsOf(image, clRed), expected);
  }
}

TEST(CanvasLines, ClearPenDrawsNothingButMoves) {
  QImage image = whiteImage(8, 8);
  ImageCanvas canvas(image);
  canvas.setPenStyle(PenClear);
  canvas.moveTo(0, 0);
  canvas.lineTo(7, 7);
  canvas.setPenStyle(PenSolid);
  canvas.setPenColor(clBlue);
  canvas.lineTo(7, 0);
  EXPECT_EQ(pixelsOf(image, clBlue).size(), 7u);
  EXPECT_EQ(fromRgb32(image.pixel(7, 7)), clBlue);
}

// Coordinates at the ends of the 32-bit range (points next to the eye plane) cost only the
// pixels inside the picture, and a line through the picture is still the rule's line.
TEST(CanvasLines, FarOffEndsAreQuickAndExact) {
  QImage image = whiteImage(600, 400);
  ImageCanvas canvas(image);
  canvas.setPenColor(clRed);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 200; ++i) {
    canvas.moveTo(-2147483647 - 1, 7);
    canvas.lineTo(2147483647, 7);
    canvas.moveTo(300, -2147483647 - 1);
    canvas.lineTo(300, 2147483647);
    canvas.moveTo(-2147483647 - 1, -2147483647 - 1);
    canvas.lineTo(2147483647, 2147483647);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  for (int x = 0; x < 600; ++x) EXPECT_EQ(fromRgb32(image.pixel(x, 7)), clRed);
  for (int y = 0; y < 400; ++y) EXPECT_EQ(fromRgb32(image.pixel(300, y)), clRed);
  // The diagonal passes the picture along x = y.
  for (int d = 0; d < 400; d += 37) EXPECT_EQ(fromRgb32(image.pixel(d, d)), clRed);
}

// The minor coordinate is carried from step to step; it must stay the closed form's
// (2 i minor + major) div (2 major) for every step, lines clipped at either end included.
TEST(CanvasLines, CarriedStepsMatchTheClosedForm) {
  std::mt19937 random(7);
  std::uniform_int_distribution<std::int32_t> near(-90, 150), far(-2147483647, 2147483647);
  for (int n = 0; n < 3000; ++n) {
    auto pick = [&] { return n % 10 == 9 ? far(random) : near(random); };
    const std::int32_t x0 = pick(), y0 = pick(), x1 = pick(), y1 = pick();
    SCOPED_TRACE(testing::Message() << x0 << "," << y0 << " -> " << x1 << "," << y1);
    const std::int64_t dx = std::int64_t{x1} - x0, dy = std::int64_t{y1} - y0;
    const std::int64_t adx = std::abs(dx), ady = std::abs(dy);
    const bool xMajor = adx >= ady;
    const std::int64_t major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
    std::vector<Pixel> expected;
    if (n % 10 != 9) {
      for (std::int64_t i = 0; i < major; ++i) {
        const std::int64_t offset = (2 * i * minor + major) / (2 * major);
        const std::int64_t a = (xMajor ? x0 : y0) + ((xMajor ? dx : dy) < 0 ? -i : i);
        const std::int64_t m = (xMajor ? y0 : x0) + ((xMajor ? dy : dx) < 0 ? -offset : offset);
        const Pixel p{static_cast<std::int32_t>(xMajor ? a : m),
                      static_cast<std::int32_t>(xMajor ? m : a)};
        if (p.x >= 0 && p.x < 64 && p.y >= 0 && p.y < 48) expected.push_back(p);
      }
    }
    std::vector<Pixel> drawn;
    forEachLinePixel(x0, y0, x1, y1, 64, 48, [&](std::int32_t x, std::int32_t y) {
      drawn.push_back({x, y});
    });
    if (n % 10 != 9) {
      EXPECT_EQ(drawn, expected);
    } else {
      for (const Pixel& p : drawn) EXPECT_TRUE(p.x >= 0 && p.x < 64 && p.y >= 0 && p.y < 48);
    }
  }
}

TEST(CanvasPolygons, FillCoversPixelCentresInside) {
  QImage image = whiteImage(8, 8);
  ImageCanvas canvas(image);
  canvas.setPenStyle(PenClear);
  canvas.setBrushColor(clGreen);
  const Pixel square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
  canvas.polygon(square);
  const auto filled = pixelsOf(image, clGreen);
  ASSERT_EQ(filled.size(), 16u);
  EXPECT_EQ(filled.front(), (Pixel{1, 1}));
  EXPECT_EQ(filled.back(), (Pixel{4, 4}));
}

TEST(CanvasPolygons, OutlineInPenOverFill) {
  QImage image = whiteImage(8, 8);
  ImageCanvas canvas(image);
  canvas.setPenColor(clTeal);
  canvas.setBrushColor(clGreen);
  const Pixel square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
  canvas.polygon(square);
  EXPECT_EQ(pixelsOf(image, clTeal).size(), 16u); // the closed 4 by 4 outline
  EXPECT_EQ(pixelsOf(image, clGreen).size(), 9u); // 2..4 by 2..4 inside it
  EXPECT_EQ(fromRgb32(image.pixel(5, 5)), clTeal);
  EXPECT_EQ(fromRgb32(image.pixel(6, 6)), clWhite);
}

TEST(CanvasPolygons, HugeAndDegeneratePolygonsStayBounded) {
  QImage image = whiteImage(50, 40);
  ImageCanvas canvas(image);
  canvas.setPenStyle(PenClear);
  canvas.setBrushColor(clYellow);
  const std::int32_t big = 2147483647, small = -2147483647 - 1;
  const Pixel huge[] = {{small, small}, {big, small}, {big, big}, {small, big}};
  canvas.polygon(huge);
  EXPECT_EQ(pixelsOf(image, clYellow).size(), 2000u);
  const Pixel flat[] = {{3, 3}, {9, 3}, {9, 3}, {3, 3}};
  canvas.setBrushColor(clRed);
  canvas.polygon(flat);
  canvas.polygon({});
  EXPECT_TRUE(pixelsOf(image, clRed).empty());
}

TEST(CanvasText, TextStandsOnBrushBoxInFontColour) {
  QImage image = whiteImage(60, 40);
  ImageCanvas canvas(image);
  const int w = canvas.textWidth("M");
  ASSERT_GT(w, 5);
  canvas.setBrushColor(clYellow);
  canvas.setFontColor(clBlue);
  canvas.textOut(10, 10, 0, "M");
  EXPECT_EQ(fromRgb32(image.pixel(10, 10)), clYellow); // top-left corner of the box
  EXPECT_EQ(fromRgb32(image.pixel(9, 10)), clWhite);
  EXPECT_FALSE(pixelsOf(image, clBlue).empty());
  canvas.textOut(2147483647, 5, 0, "X"); // off the picture: nothing, no overflow
  canvas.textOut(-2147483647 - 1, -2147483647 - 1, 0, "X");
  canvas.textOut(2147483647, 5, 3, "X");
  canvas.textOut(-2147483647 - 1, 5, -3, "X");
  // A shift of one letter lands where the unshifted text one width further would.
  QImage shifted = whiteImage(60, 40), moved = whiteImage(60, 40);
  ImageCanvas a(shifted), b(moved);
  a.textOut(30, 10, -1, "X");
  b.textOut(30 - w, 10, 0, "X");
  EXPECT_EQ(shifted, moved);
}

TEST(CanvasPixels, ReadBackAndOutside) {
  QImage image = whiteImage(4, 4);
  ImageCanvas canvas(image);
  canvas.fill(clNavy);
  EXPECT_EQ(canvas.pixel(3, 3), clNavy);
  EXPECT_EQ(canvas.pixel(4, 0), clNone);
  EXPECT_EQ(canvas.pixel(-1, 0), clNone);
}

TEST(Curves, StartAndContinueAtSamePixelDrawNothing) {
  Program p;
  setUpProgram(p, '1');
  p.canvas->fill(clWhite);
  StartCurveAt(p, 1, 1, 1);
  ContinueCurveTo(p, 1, 1, 1);
  EXPECT_TRUE(pixelsOf(p.Picture, p.graph.PenColor).empty());
  ContinueCurveTo(p, 2, -2, 3);
  EXPECT_FALSE(pixelsOf(p.Picture, p.graph.PenColor).empty());
}

TEST(Pause, WaitsTheTicksWhereverTheCounterStands) {
  const struct {
    std::uint32_t start;
    int ms;
    int reads;
  } cases[] = {
      {0, 10, 11},           {0, 0, 0}, {0, -5, 0},
      {0xFFFFFFF0u, 40, 41}, // across the wrap of the 32-bit counter
      {0x80000010u, 10, 11}, // in the upper half, where a signed start would end at once
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.start);
    TestHost host;
    host.clock = c.start;
    Pause(host, c.ms);
    EXPECT_EQ(host.tickReads, c.reads);
  }
}

TEST(CancelPoll, PressedOnceStopsAndRearms) {
  Program p;
  TestHost host(&p.graph);
  p.host = &host;
  host.cancelAt = 2;
  p.graph.DrawContinue = 1;
  EXPECT_FALSE(cancelRequested(p));
  EXPECT_TRUE(cancelRequested(p));
  EXPECT_EQ(p.graph.DrawContinue, 1);
  EXPECT_FALSE(cancelRequested(p));
  p.graph.DrawContinue = 2; // pressed twice: 0 then back to 1, as any non-zero
  EXPECT_FALSE(cancelRequested(p));
}

} // namespace
