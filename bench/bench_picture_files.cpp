// SPDX-License-Identifier: MIT
// Encoding the picture of an 800 x 600 window holding a surface at 80 x 80 curves.
#include "io/Bmp.h"
#include "io/Gif.h"
#include "io/Jpeg.h"
#include "io/PictureFiles.h"
#include "render/Program.h"
#include "render/Sequences.h"

#include <benchmark/benchmark.h>

namespace {

const QImage& drawnPicture() {
  static const QImage picture = [] {
    Program p;
    ChooseGraphKind(p, '1');
    ShowMainWindowPicture(p);
    p.graph.FunctionText = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
    p.graph.XCurves = p.graph.YCurves = 80;
    DrawSequencePicture(p);
    CapturePicture(p);
    return p.PictureCopy;
  }();
  return picture;
}

template <typename Encode> void encode(benchmark::State& state, Encode&& run) {
  const QImage& picture = drawnPicture();
  std::vector<unsigned char> bytes;
  for (auto _ : state) {
    run(picture, bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}

void jpegQuality90(benchmark::State& state) {
  encode(state, [](const QImage& p, std::vector<unsigned char>& b) { EncodeJpeg(p, 90, b); });
}
void gifWebPalette(benchmark::State& state) {
  encode(state, [](const QImage& p, std::vector<unsigned char>& b) { EncodeGif(p, b); });
}
void bmp24(benchmark::State& state) {
  encode(state, [](const QImage& p, std::vector<unsigned char>& b) { EncodeBmp(p, b); });
}
void png(benchmark::State& state) {
  encode(state, [](const QImage& p, std::vector<unsigned char>& b) { b = EncodePng(p); });
}
BENCHMARK(jpegQuality90)->Unit(benchmark::kMillisecond);
BENCHMARK(gifWebPalette)->Unit(benchmark::kMillisecond);
BENCHMARK(bmp24)->Unit(benchmark::kMillisecond);
BENCHMARK(png)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
