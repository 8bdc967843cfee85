// SPDX-License-Identifier: MIT
// The deferred canvas paints on its own thread exactly what drawing straight would paint.
#include "TestSupport.h"
#include "render/canvas/DeferredCanvas.h"
#include "render/canvas/ImageCanvas.h"
#include "render/canvas/PictureText.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>

namespace {

QImage blank(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// Every kind of operation, many times over, with coordinates partly outside the picture.
void drawSoup(Canvas& c, std::mt19937& random, int count) {
  auto coordinate = [&] { return static_cast<std::int32_t>(random() % 140) - 20; };
  const Color colours[] = {clRed, clNavy, clTeal, clYellow, clBlack, clFuchsia};
  for (int i = 0; i < count; ++i) {
    const Color colour = colours[random() % std::size(colours)];
    switch (random() % 12) {
    case 0:
      c.setPenColor(colour);
      break;
    case 1:
      c.setPenStyle(random() % 4 == 0 ? PenClear : PenSolid);
      break;
    case 2:
      c.setBrushColor(colour);
      break;
    case 3:
      c.setFontColor(colour);
      break;
    case 4:
      if (random() % 50 == 0) c.fill(colour);
      break;
    case 5:
      c.textOut(coordinate(), coordinate(), static_cast<int>(random() % 3) - 1,
                random() % 2 ? "X" : "Zy");
      break;
    case 6:
    case 7: {
      std::vector<Pixel> points(3 + random() % 3);
      for (Pixel& pt : points) pt = {coordinate(), coordinate()};
      c.polygon(points);
      break;
    }
    case 8:
      c.moveTo(coordinate(), coordinate());
      break;
    default:
      c.lineTo(coordinate(), coordinate());
      break;
    }
  }
}

TEST(DeferredCanvas, PaintsWhatDrawingStraightPaints) {
  // Streaming from the start, from part-way (several batches either side), and never, when
  // finish() paints it all.
  constexpr int Count = 30000;
  for (const int streamAt : {0, 9000, Count}) {
    SCOPED_TRACE(streamAt);
    QImage straight = blank(100, 90), deferred = blank(100, 90);
    ImageCanvas direct(straight), target(deferred);
    std::mt19937 first(5), second(5);
    drawSoup(direct, first, Count);
    std::atomic<bool> prepared = false;
    DeferredCanvas canvas(target, [&] { prepared = true; });
    drawSoup(canvas, second, streamAt);
    canvas.streaming();
    drawSoup(canvas, second, Count - streamAt);
    canvas.finish();
    EXPECT_TRUE(prepared);
    EXPECT_EQ(deferred, straight);
  }
}

TEST(DeferredCanvas, ReadingWaitsForThePainting) {
  QImage image = blank(20, 20);
  ImageCanvas target(image);
  DeferredCanvas canvas(target);
  canvas.setBrushColor(clNavy);
  canvas.setPenStyle(PenClear);
  const Pixel square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  canvas.polygon(square);
  EXPECT_EQ(fromRgb32(image.pixel(5, 5)), clWhite); // only kept so far
  EXPECT_EQ(canvas.pixel(5, 5), clNavy);
  EXPECT_EQ(canvas.textWidth("M"), target.textWidth("M"));
}

TEST(DeferredCanvas, DroppedWhenLeftUnfinished) {
  QImage image = blank(20, 20);
  ImageCanvas target(image);
  {
    DeferredCanvas canvas(target);
    canvas.fill(clRed);
  }
  EXPECT_EQ(fromRgb32(image.pixel(1, 1)), clWhite);
}

// The command line's way of drawing: the whole window sequence through a deferred canvas,
// streaming while the surface is drawn.
TEST(DeferredCanvas, DrawSequenceGivesTheWindowsPicture) {
  const char* const texts[] = {"(2*x^2+3*y^2)*Exp(1-x^2-y^2)", "cut(x*y)*x", "x+"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    Program straight, deferred;
    DeferredCanvas canvas(deferred.pictureCanvas, PreparePictureFont);
    deferred.canvas = &canvas;
    for (Program* p : {&straight, &deferred}) {
      setUpProgram(*p, '1');
      p->graph.FunctionText = text;
      p->graph.XCurves = p->graph.YCurves = 40;
    }
    DrawSequencePicture(straight);
    canvas.streaming();
    DrawSequencePicture(deferred);
    canvas.finish();
    EXPECT_EQ(deferred.Picture, straight.Picture);
    EXPECT_EQ(deferred.Values, straight.Values);
  }
}

} // namespace
