// SPDX-License-Identifier: MIT
// Movies of the torus: building 32 frames at 40 x 40 curves, and replaying one frame at
// 80 x 80 curves as the player does at "Fastest" (frames per second = 1000 / milliseconds).
#include "render/Movie.h"
#include "render/Program.h"
#include "render/Sequences.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<Program> torus(int curves) {
  auto p = std::make_unique<Program>();
  ChooseGraphKind(*p, '4');
  ShowMainWindowPicture(*p);
  p->graph.FunctionTextX = "(2-Cos(v))*Cos(u)";
  p->graph.FunctionTextY = "(2-Cos(v))*Sin(u)";
  p->graph.FunctionTextZ = "Sin(v)";
  p->graph.XCurves = p->graph.YCurves = curves;
  DrawSequencePicture(*p);
  return p;
}

void buildMovie(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto p = torus(40);
    p->graph.MovieFrameCount = 32;
    state.ResumeTiming();
    BuildMovieFrames(*p);
    benchmark::DoNotOptimize(p->FrameStore.data());
  }
}
BENCHMARK(buildMovie)->Unit(benchmark::kMillisecond);

void playOneFrame(benchmark::State& state) {
  auto p = torus(80);
  p->graph.MovieFrameCount = 16;
  BuildMovieFrames(*p);
  int slot = 0;
  for (auto _ : state) {
    slot = slot % 16 + 1;
    PaintMovieFrame(*p, slot);
    benchmark::DoNotOptimize(p->Picture.constBits());
  }
}
BENCHMARK(playOneFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
