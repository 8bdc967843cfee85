// SPDX-License-Identifier: MIT
// The contour command on sample 1 of the rectangular kind, 60 x 60 cells and 16 levels.
#include "render/Contours.h"
#include "render/Program.h"
#include "render/Sequences.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Each run starts from a new program, as `kelvo render` does, with the picture already holding
// the bare axes; the contours are drawn straight into it.
void contoursSampleOne(benchmark::State& state) {
  std::unique_ptr<Program> p;
  for (auto _ : state) {
    state.PauseTiming();
    p = std::make_unique<Program>(); // the previous one goes outside the timing
    ChooseGraphKind(*p, '1');
    ShowMainWindowPicture(*p);
    p->graph.FunctionText = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
    p->graph.ContourGridX = p->graph.ContourGridY = 60;
    p->graph.ContourLevelCount = 16;
    state.ResumeTiming();
    DrawContours(*p);
    benchmark::DoNotOptimize(p->Picture.constBits());
  }
}
BENCHMARK(contoursSampleOne)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
