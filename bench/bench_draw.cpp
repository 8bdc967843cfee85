// SPDX-License-Identifier: MIT
// One Draw of a rectangular surface into the picture of an 800 x 600 window.
#include "render/DrawDriver.h"
#include "render/Program.h"
#include "render/Sequences.h"

#include <benchmark/benchmark.h>

namespace {

void drawSampleOne(benchmark::State& state) {
  Program p;
  ChooseGraphKind(p, '1');
  ShowMainWindowPicture(p);
  p.graph.FunctionText = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
  p.graph.XCurves = p.graph.YCurves = 80;
  for (auto _ : state) {
    DrawSequencePicture(p);
    benchmark::DoNotOptimize(p.Picture.constBits());
  }
  state.counters["cells"] = 6400;
}
BENCHMARK(drawSampleOne)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
