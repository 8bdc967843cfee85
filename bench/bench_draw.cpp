// SPDX-License-Identifier: MIT
// One Draw of a rectangular surface, a torus, a long space curve and two implicit surfaces into
// the picture of an 800 x 600 window.
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

// An implicit surface from a new program: F evaluated once at each of the (n + 1)^3 grid
// points, the tetrahedra marched, the triangles sorted, painted and their corners listed.
void drawImplicit(benchmark::State& state, const char* function, int cells, double half) {
  std::size_t triangles = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto p = std::make_unique<Program>();
    ChooseGraphKind(*p, ImplicitKind);
    GraphState& g = p->graph;
    g.AxisXMin = g.AxisYMin = g.AxisZMin = -half;
    g.AxisXMax = g.AxisYMax = g.AxisZMax = half;
    ShowMainWindowPicture(*p);
    g.FunctionText = function;
    g.XCurves = g.YCurves = g.ZCurves = cells;
    state.ResumeTiming();
    DrawSequencePicture(*p);
    benchmark::DoNotOptimize(p->Picture.constBits());
    triangles = p->ImplicitSurface.surface.triangles.size();
  }
  state.counters["triangles"] = static_cast<double>(triangles);
}

// The sphere of radius 2 in the box -3..3 at 40 x 40 x 40 cells.
void drawImplicitSphere(benchmark::State& state) {
  drawImplicit(state, "x^2+y^2+z^2=4", 40, 3);
}
BENCHMARK(drawImplicitSphere)->Unit(benchmark::kMillisecond);

// The gyroid over -4..4 at 60 x 60 x 60 cells: a surface through the whole box.
void drawGyroid(benchmark::State& state) {
  drawImplicit(state, "Sin(x)*Cos(y)+Sin(y)*Cos(z)+Sin(z)*Cos(x)", 60, 4);
}
BENCHMARK(drawGyroid)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
