// SPDX-License-Identifier: MIT
// Time per evaluation of the sample texts of rectangular and two-parameter surfaces.
#include "expr/Expression.h"

#include <benchmark/benchmark.h>

namespace {

const char* const SampleTexts[] = {"(2*x^2+3*y^2)*Exp(1-x^2-y^2)",
                                   "(5-Sqr(x*y))*Un(5-Sqr(x*y))",
                                   "(2*Abs(x)*y)/Sqrt(x^2+y^2)",
                                   "5*Sin(x*y)/(x*y)",
                                   "Exp(-x)*Sin(y)",
                                   "(x-Trunc(x))*(y-Trunc(y))",
                                   "Ln(Abs(1+x^2-y^2))",
                                   "9-(Trunc(x))^2-(Trunc(y))^2",
                                   "x^2/(4+y^2)",
                                   "Cos(Sqrt(x^2+y^2))",
                                   "3*Cos(u)*Cos(v)",
                                   "3*Cos(u)*Sin(v)",
                                   "3*Sin(u)",
                                   "u*Cos(v)",
                                   "u*Sin(v)",
                                   "u",
                                   "(2-u*Sin(v/2))*Cos(v)",
                                   "(2-u*Sin(v/2))*Sin(v)",
                                   "u*Cos(v/2)",
                                   "(2-Cos(v))*Cos(u)",
                                   "(2-Cos(v))*Sin(u)",
                                   "Sin(v)",
                                   "Cos(u)*Cos(v)",
                                   "2*Sin(u)",
                                   "2*v*Cos(u)",
                                   "3*v*Sin(u)",
                                   "v^2",
                                   "v",
                                   "v^2/3-u^2/2",
                                   "2*Cos(v)",
                                   "3*Sin(v)",
                                   "v*Cos(u)",
                                   "v*Sin(u)",
                                   "0.8*Cos(v)+0.1*Cos(u)",
                                   "0.8*Sin(v)+0.1*Sin(u)",
                                   "0.2*u"};

// Walks the variables along a line that never comes back to a point, so that the kept path
// is timed without the remembered outcomes (a draw, which revisits its points, gains more).
template <bool Kept> void evaluate(benchmark::State& state) {
  const char* text = SampleTexts[state.range(0)];
  ExpressionEngine engine;
  ExpressionVariables vars;
  int step = 0;
  for (auto _ : state) {
    vars.VarX = vars.VarU = -1.5 + 1e-7 * step;
    vars.VarY = vars.VarV = 1.25 - 3e-7 * step;
    ++step;
    const double value =
        Kept ? engine.EvaluateExpression(text, vars) : engine.EvaluateUncached(text, vars);
    benchmark::DoNotOptimize(value);
  }
  state.SetLabel(text);
}

void allTexts(benchmark::internal::Benchmark* b) {
  for (int i = 0; i < static_cast<int>(std::size(SampleTexts)); ++i) b->Arg(i);
}

BENCHMARK_TEMPLATE(evaluate, false)->Name("Uncached")->Apply(allTexts);
BENCHMARK_TEMPLATE(evaluate, true)->Name("Kept")->Apply(allTexts);

} // namespace

BENCHMARK_MAIN();
