// SPDX-License-Identifier: MIT
// One Draw of a rectangular surface, a torus and a long space curve into the picture of an
// 800 x 600 window.
#include "render/Program.h"
#include "render/Sequences.h"
#include "render/surfaces/DrawDriver.h"

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

// The torus over -pi..pi in u and v at 80 x 80 curves, shaded: 6,400 cells of 27
// evaluations each, sorted far to near.
void drawTorus(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto p = std::make_unique<Program>();
    ChooseGraphKind(*p, '4');
    ShowMainWindowPicture(*p);
    p->graph.FunctionTextX = "(2-Cos(v))*Cos(u)";
    p->graph.FunctionTextY = "(2-Cos(v))*Sin(u)";
    p->graph.FunctionTextZ = "Sin(v)";
    p->graph.XCurves = p->graph.YCurves = 80;
    state.ResumeTiming();
    DrawSequencePicture(*p);
    benchmark::DoNotOptimize(p->Picture.constBits());
  }
  state.counters["cells"] = 6400;
}
BENCHMARK(drawTorus)->Unit(benchmark::kMillisecond);

// A helix of 100,001 points over 0..5, drawn at once and listed.
void drawLongCurve(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto p = std::make_unique<Program>();
    p->CurvePauses = false;
    ChooseGraphKind(*p, '3');
    ShowMainWindowPicture(*p);
    p->graph.FunctionTextX = "3*Cos(t)";
    p->graph.FunctionTextY = "2*Sin(t)";
    p->graph.FunctionTextZ = "t/10";
    p->graph.TStep = 0.00005;
    state.ResumeTiming();
    DrawSequencePicture(*p);
    benchmark::DoNotOptimize(p->Values.data());
  }
  state.counters["points"] = 100001;
}
BENCHMARK(drawLongCurve)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
