// SPDX-License-Identifier: MIT
// One Draw of a rectangular surface into the picture of an 800 x 600 window.
#include "render/DrawDriver.h"
#include "render/Program.h"
#include "render/Sequences.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Each Draw starts from a new program, as `kelvo render` does: the engine has not seen the
// text before.
void drawSampleOne(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto p = std::make_unique<Program>();
    ChooseGraphKind(*p, '1');
    ShowMainWindowPicture(*p);
    p->graph.FunctionText = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
    p->graph.XCurves = p->graph.YCurves = 80;
    state.ResumeTiming();
    DrawSequencePicture(*p);
    benchmark::DoNotOptimize(p->Picture.constBits());
  }
  state.counters["cells"] = 6400;
}
BENCHMARK(drawSampleOne)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
