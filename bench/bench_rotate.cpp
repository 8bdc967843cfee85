// SPDX-License-Identifier: MIT
// One redraw for a rotation step, in process, into the picture of an 800 x 600 window: the
// work of each frame while the graph is dragged round; also two crossing 80 x 80 surfaces in one
// picture, painter-sorted together and hidden exactly, and an implicit sphere cut by a plane.
#include "Torus.h"
#include "graph/KeptGraphs.h"
#include "graph/Samples.h"
#include "render/HiddenScene.h"
#include "render/Program.h"
#include "render/Sequences.h"

#include <benchmark/benchmark.h>

namespace {

// The window's picture of the kind, the choice made, at the curves given; not yet drawn.
template <typename Choose> void setUp(Program& p, char kind, int curves, Choose choose) {
  ChooseGraphKind(p, kind);
  ShowMainWindowPicture(p);
  choose(p);
  p.graph.XCurves = p.graph.YCurves = curves;
}

// Every iteration turns the eye of the drawn program by one step and redraws, as a drag frame
// does.
void rotateFrames(benchmark::State& state, Program& p) {
  CapturePicture(p);
  for (auto _ : state) {
    RotatePicture(p, Arrow::Right);
    CapturePicture(p);
    benchmark::DoNotOptimize(p.PictureCopy.constBits());
  }
  state.counters["cells"] = static_cast<double>(p.SceneCells.size());
}

// The program has drawn the graph once, as the window has before a drag starts, then is turned.
template <typename Choose>
void rotateStep(benchmark::State& state, char kind, int curves, Choose choose) {
  Program p;
  setUp(p, kind, curves, choose);
  DrawSequencePicture(p);
  rotateFrames(state, p);
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

// Sample 1 kept, and a saddle through it as the current graph, both at 80 x 80 curves.
void twoSurfaces(Program& p) {
  ChooseSample(p, '1', 1);
  p.graph.XCurves = p.graph.YCurves = 80;
  KeepCurrentGraph(p);
  p.graph.FunctionText = "x*y/3+1";
}

void twoSurfacesExact(Program& p) {
  twoSurfaces(p);
  p.graph.ExactHiding = true;
}

void rotateTwoSurfaces(benchmark::State& state) {
  rotateStep(state, '1', 80, twoSurfaces);
}
BENCHMARK(rotateTwoSurfaces)->Unit(benchmark::kMillisecond);

// The same drag hidden exactly: the scene is split once by the Draw and every frame paints its
// pieces far to near for the new eye.
void rotateTwoSurfacesExact(benchmark::State& state) {
  Program p;
  setUp(p, '1', 80, twoSurfacesExact);
  DrawSequencePicture(p);
  const std::size_t fragments = p.HiddenPicture ? p.HiddenPicture->stats().fragments : 0;
  rotateFrames(state, p);
  state.counters["cells"] = 2 * 6400;
  state.counters["fragments"] = static_cast<double>(fragments);
  state.counters["frames/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(rotateTwoSurfacesExact)->Unit(benchmark::kMillisecond);

// The Draw that splits the scene of the two surfaces.
void drawTwoSurfacesExact(benchmark::State& state) {
  Program p;
  setUp(p, '1', 80, twoSurfacesExact);
  for (auto _ : state) {
    DrawSequencePicture(p);
    benchmark::DoNotOptimize(p.Picture.constBits());
  }
  state.counters["fragments"] =
      p.HiddenPicture ? static_cast<double>(p.HiddenPicture->stats().fragments) : 0;
}
BENCHMARK(drawTwoSurfacesExact)->Unit(benchmark::kMillisecond);

// The implicit sphere at 40 x 40 x 40 cells kept, and the plane z = x/3 at 40 x 40 through it:
// a drag frame sorts the kept triangles and the plane's cells together, or paints the exactly
// hidden scene split once by the Draw.
void sphereAndPlane(Program& p, bool exact) {
  p.graph.XCurves = p.graph.YCurves = p.graph.ZCurves = 40;
  p.graph.FunctionText = "x^2+y^2+z^2=4";
  KeepCurrentGraph(p);
  ChooseGraphKind(p, '1');
  p.graph.FunctionText = "x/3";
  p.graph.XMin = p.graph.YMin = -3;
  p.graph.XMax = p.graph.YMax = 3;
  p.graph.AxisXMin = p.graph.AxisYMin = p.graph.AxisZMin = -3;
  p.graph.AxisXMax = p.graph.AxisYMax = p.graph.AxisZMax = 3;
  p.graph.ExactHiding = exact;
}

void rotateSphereAndPlane(benchmark::State& state) {
  rotateStep(state, ImplicitKind, 40, [](Program& p) { sphereAndPlane(p, false); });
}
BENCHMARK(rotateSphereAndPlane)->Unit(benchmark::kMillisecond);

void rotateSphereAndPlaneExact(benchmark::State& state) {
  rotateStep(state, ImplicitKind, 40, [](Program& p) { sphereAndPlane(p, true); });
}
BENCHMARK(rotateSphereAndPlaneExact)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
