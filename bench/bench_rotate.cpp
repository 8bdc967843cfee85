// SPDX-License-Identifier: MIT
// One redraw for a rotation step, in process, into the picture of an 800 x 600 window: the
// work of each frame while the graph is dragged round.
#include "Torus.h"
#include "graph/Samples.h"
#include "render/Program.h"
#include "render/Sequences.h"

#include <benchmark/benchmark.h>

namespace {

// The program has drawn the graph once, as the window has before a drag starts; every
// iteration then turns the eye by one step and redraws, as a drag frame does.
template <typename Choose>
void rotateStep(benchmark::State& state, char kind, int curves, Choose choose) {
  Program p;
  ChooseGraphKind(p, kind);
  ShowMainWindowPicture(p);
  choose(p);
  p.graph.XCurves = p.graph.YCurves = curves;
  DrawSequencePicture(p);
  CapturePicture(p);
  for (auto _ : state) {
    RotatePicture(p, Arrow::Right);
    CapturePicture(p);
    benchmark::DoNotOptimize(p.PictureCopy.constBits());
  }
}

void rotateSampleOne(benchmark::State& state) {
  rotateStep(state, '1', 80, [](Program& p) { ChooseSample(p, '1', 1); });
}
BENCHMARK(rotateSampleOne)->Unit(benchmark::kMillisecond);

void rotateTorus(benchmark::State& state) {
  rotateStep(state, '4', 40, chooseTorus);
}
BENCHMARK(rotateTorus)->Unit(benchmark::kMillisecond);

// The implicit sphere at 40 x 40 x 40 cells: its kept triangles projected, sorted and painted
// again, nothing evaluated.
void rotateImplicitSphere(benchmark::State& state) {
  rotateStep(state, ImplicitKind, 40, [](Program& p) {
    p.graph.ZCurves = 40;
    p.graph.FunctionText = "x^2+y^2+z^2=4";
  });
}
BENCHMARK(rotateImplicitSphere)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
