// SPDX-License-Identifier: MIT
// The torus of kind 4 at 80 x 80 curves written as a mesh, OBJ text and binary STL, in memory:
// the triangles from the drawn cells and the file's bytes. The file sizes are the counters.
#include "Torus.h"
#include "io/Mesh.h"
#include "render/PictureGraphs.h"
#include "render/Sequences.h"

#include <benchmark/benchmark.h>

namespace {

void drawnTorus(Program& p) {
  ChooseGraphKind(p, '4');
  ShowMainWindowPicture(p);
  chooseTorus(p);
  p.graph.XCurves = p.graph.YCurves = 80;
  DrawSequencePicture(p);
}

template <std::string (*Encode)(const Mesh&)> void writeMesh(benchmark::State& state) {
  Program p;
  drawnTorus(p);
  std::size_t bytes = 0, triangles = 0;
  for (auto _ : state) {
    const Mesh mesh = MeshOfPicture(p, PictureGraphNames(p));
    const std::string file = Encode(mesh);
    benchmark::DoNotOptimize(file.data());
    bytes = file.size();
    triangles = mesh.triangleCount();
  }
  state.counters["bytes"] = static_cast<double>(bytes);
  state.counters["triangles"] = static_cast<double>(triangles);
}

void meshTorusObj(benchmark::State& state) {
  writeMesh<EncodeObj>(state);
}
BENCHMARK(meshTorusObj)->Unit(benchmark::kMillisecond);

void meshTorusStl(benchmark::State& state) {
  writeMesh<EncodeStl>(state);
}
BENCHMARK(meshTorusStl)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
