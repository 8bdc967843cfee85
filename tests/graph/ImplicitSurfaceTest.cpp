// SPDX-License-Identifier: MIT
// The implicit surfaces in the graph state: their defaults, the sampling of F over the axes
// box, what fails and what only leaves a point undefined, the key that keeps the triangles,
// the extents and the fit, the curves' corrections and the samples.
#include "graph/AxesFit.h"
#include "graph/Corrections.h"
#include "graph/ImplicitMesh.h"
#include "graph/Samples.h"
#include "graph/Sampling.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

class CountingHost : public Host {
public:
  void beep() override { ++beeps; }
  int beeps = 0;
};

struct Implicit {
  Implicit() {
    s.host = &host;
    ChooseGraphKind(s, ImplicitKind);
  }
  CountingHost host;
  Session s;
};

double radius(const Point3& v) {
  return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

TEST(ImplicitSurface, StartsAsTheSphereInACube) {
  Implicit f;
  const GraphState& g = f.s.graph;
  EXPECT_EQ(g.GraphKind, '6');
  EXPECT_EQ(g.FunctionText, "x^2+y^2+z^2=4");
  EXPECT_EQ(AxesBoxOf(g), (AxesBox{-3, 3, -3, 3, -3, 3}));
  EXPECT_EQ(g.XCurves, 30);
  EXPECT_EQ(g.YCurves, 30);
  EXPECT_EQ(g.ZCurves, 30);
  // The other kinds keep their own starting box and counts.
  Session other;
  ChooseGraphKind(other, '4');
  EXPECT_EQ(other.graph.AxisZMax, 10);
  EXPECT_EQ(other.graph.XCurves, 15);
}

TEST(ImplicitSurface, SphereSampledOnTheAxesGrid) {
  Implicit f;
  ImplicitMesh mesh;
  ASSERT_EQ(BuildImplicitMesh(f.s, mesh), MeshBuild::Built);
  EXPECT_TRUE(mesh.built);
  EXPECT_FALSE(f.s.graph.EvalFailed);
  EXPECT_EQ(f.host.beeps, 0);
  ASSERT_GT(mesh.surface.triangles.size(), 1000u);
  for (const auto& v : mesh.surface.vertices) EXPECT_NEAR(radius(v.position), 2, 0.01);
  // The same grid sampled directly gives the same triangles.
  SampledGrid grid;
  for (int axis = 0; axis < 3; ++axis)
    grid.cells[axis] = 30, grid.low[axis] = -3, grid.high[axis] = 3;
  grid.allocate();
  for (int k = 0; k <= 30; ++k)
    for (int j = 0; j <= 30; ++j)
      for (int i = 0; i <= 30; ++i) {
        const double x = grid.coordinate(0, i), y = grid.coordinate(1, j),
                     z = grid.coordinate(2, k);
        grid.values[grid.index(i, j, k)] = x * x + y * y + z * z - 4;
      }
  EXPECT_EQ(MarchTetrahedra(grid, MaxImplicitTriangles).triangles.size(),
            mesh.surface.triangles.size());
}

// LEFT = RIGHT draws exactly what LEFT - (RIGHT) draws.
TEST(ImplicitSurface, EquationIsLeftMinusRight) {
  const std::pair<const char*, const char*> cases[] = {
      {"x^2+y^2+z^2=4", "x^2+y^2+z^2-(4)"},
      {"(x^2+y^2+z^2+3)^2=16*(x^2+y^2)", "(x^2+y^2+z^2+3)^2-(16*(x^2+y^2))"},
      {"z = -x^2+y", "z-(-x^2+y)"},
  };
  for (const auto& [equation, difference] : cases) {
    SCOPED_TRACE(equation);
    Implicit a, b;
    a.s.graph.FunctionText = equation;
    b.s.graph.FunctionText = difference;
    ImplicitMesh ma, mb;
    ASSERT_EQ(BuildImplicitMesh(a.s, ma), MeshBuild::Built);
    ASSERT_EQ(BuildImplicitMesh(b.s, mb), MeshBuild::Built);
    ASSERT_FALSE(ma.surface.triangles.empty());
    ASSERT_EQ(ma.surface.vertices.size(), mb.surface.vertices.size());
    ASSERT_EQ(ma.surface.triangles.size(), mb.surface.triangles.size());
    for (std::size_t i = 0; i < ma.surface.vertices.size(); ++i) {
      EXPECT_EQ(std::bit_cast<std::uint64_t>(ma.surface.vertices[i].position.x),
                std::bit_cast<std::uint64_t>(mb.surface.vertices[i].position.x));
      EXPECT_EQ(std::bit_cast<std::uint64_t>(ma.surface.vertices[i].position.z),
                std::bit_cast<std::uint64_t>(mb.surface.vertices[i].position.z));
    }
  }
}

// A syntax error fails at the first point, once, naming F and the column; the triangles of
// an earlier build are gone.
TEST(ImplicitSurface, SyntaxErrorFailsOnce) {
  Implicit f;
  ImplicitMesh mesh;
  ASSERT_EQ(BuildImplicitMesh(f.s, mesh), MeshBuild::Built);
  f.s.graph.FunctionText = "x^2+w=1";
  EXPECT_EQ(BuildImplicitMesh(f.s, mesh), MeshBuild::Failed);
  EXPECT_FALSE(mesh.built);
  EXPECT_TRUE(mesh.surface.triangles.empty());
  EXPECT_TRUE(f.s.graph.EvalFailed);
  EXPECT_EQ(f.host.beeps, 1);
  EXPECT_EQ(DescribeEvalFailure(f.s), "F, column 5: unknown name 'W'");
}

// A domain error or a cut leaves a point without a value; the rest is drawn, and nothing
// fails or beeps.
TEST(ImplicitSurface, UndefinedPointsLeaveTheRest) {
  for (const char* text :
       {"x^2+y^2+z^2-4+0*sqrt(x)", "x^2+y^2+z^2=4+0*cut(x)", "x^2+y^2+z^2=4+ln(1+x)-ln(1+x)"}) {
    SCOPED_TRACE(text);
    Implicit f;
    f.s.graph.FunctionText = text;
    ImplicitMesh mesh;
    ASSERT_EQ(BuildImplicitMesh(f.s, mesh), MeshBuild::Built);
    EXPECT_FALSE(f.s.graph.EvalFailed);
    EXPECT_EQ(f.host.beeps, 0);
    ASSERT_FALSE(mesh.surface.triangles.empty());
    const double least = std::string(text).find("ln") != std::string::npos ? -1 : 0;
    double smallest = 10;
    for (const auto& t : mesh.surface.triangles)
      for (const std::uint32_t c : t.corners)
        smallest = std::min(smallest, mesh.surface.vertices[c].position.x);
    EXPECT_GE(smallest, least);
    EXPECT_LT(smallest, least + 0.5);
  }
}

TEST(ImplicitSurface, CancelledBetweenRows) {
  Implicit f;
  int asked = 0;
  ImplicitMesh mesh;
  EXPECT_EQ(BuildImplicitMesh(f.s, mesh, [&] { return ++asked == 40; }), MeshBuild::Cancelled);
  EXPECT_EQ(asked, 40);
  EXPECT_FALSE(mesh.built);
}

// Only the function, the parameters, the box and the counts make new triangles.
TEST(ImplicitSurface, KeyFollowsWhatTheTrianglesAreMadeOf) {
  Implicit f;
  GraphState& g = f.s.graph;
  const ImplicitMeshKey before = ImplicitMeshKeyOf(g);
  g.Theta += 0.3;
  g.Rho = 50;
  g.Zoom = 2;
  g.AboveColor = clBlue;
  g.ShadingOn = false;
  g.VarX = 7;
  g.ParamValues[0] = 5; // not yet taken by the evaluator
  EXPECT_EQ(ImplicitMeshKeyOf(g), before);
  const auto changed = [&](auto change) {
    GraphState copy = g;
    change(copy);
    return !(ImplicitMeshKeyOf(copy) == before);
  };
  EXPECT_TRUE(changed([](GraphState& c) { c.FunctionText = "x^2+y^2+z^2=1"; }));
  EXPECT_TRUE(changed([](GraphState& c) { c.ParamB = 1; }));
  EXPECT_TRUE(changed([](GraphState& c) { c.AxisYMax = 2; }));
  EXPECT_TRUE(changed([](GraphState& c) { c.ZCurves = 20; }));
}

TEST(ImplicitSurface, FitTightensTheBoxRoundTheSurface) {
  struct Case {
    const char* text;
    AxesBox fitted;
  };
  const Case cases[] = {
      {"x^2+y^2+z^2=4", {-2, 2, -2, 2, -2, 2}},
      {"x^2/4+y^2+z^2/2.25=1", {-2, 2, -1, 1, -2, 2}},
      {"(x-1)^2+y^2+z^2=0.25", {0, 2, -1, 1, -1, 1}},
      // A cylinder reaches the box's ends along z.
      {"x^2+y^2=1", {-1, 1, -1, 1, -3, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Implicit f;
    f.s.graph.FunctionText = c.text;
    EXPECT_TRUE(FitAxesToGraph(f.s));
    EXPECT_EQ(AxesBoxOf(f.s.graph), c.fitted);
    EXPECT_TRUE(f.s.graph.AxesChanged);
  }
  // No surface in the box: nothing to fit to, the box stays.
  Implicit none;
  none.s.graph.FunctionText = "x^2+y^2+z^2=100";
  EXPECT_FALSE(FitAxesToGraph(none.s));
  EXPECT_EQ(AxesBoxOf(none.s.graph), (AxesBox{-3, 3, -3, 3, -3, 3}));
}

// z is a variable of the implicit surfaces only: every other kind's function refuses it, with
// the column of the z.
TEST(ImplicitSurface, OtherKindsRefuseZ) {
  struct Case {
    char kind;
    double (*evaluate)(Session&);
    std::string GraphState::*text;
    const char* function;
    int column;
  };
  const Case cases[] = {
      {'1', EvalRectZ, &GraphState::FunctionText, "x+z", 3},
      {'2', EvalCylZ, &GraphState::FunctionText, "r*z", 3},
      {'3', EvalCurveZ, &GraphState::FunctionTextZ, "z", 1},
      {'4', EvalPatchX, &GraphState::FunctionTextX, "sin(u)*z^2", 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    CountingHost host;
    Session s;
    s.host = &host;
    ChooseGraphKind(s, c.kind);
    s.graph.*c.text = c.function;
    c.evaluate(s);
    EXPECT_TRUE(s.graph.EvalFailed);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(s.LastFailure.column, c.column);
    EXPECT_EQ(s.LastFailure.length, 1);
    EXPECT_EQ(s.LastFailure.reason, "'z' is not a variable of this kind");
  }
  Implicit f;
  f.s.graph.FunctionText = "x+z";
  f.s.graph.VarX = 1;
  f.s.graph.VarZ = 2;
  EXPECT_EQ(EvalImplicitF(f.s), 3);
  EXPECT_FALSE(f.s.graph.EvalFailed);
}

TEST(ImplicitSurface, CurvesDialogTakesThreeCountsOfTwoTo80) {
  struct Case {
    const char* x;
    const char* y;
    const char* z;
    double xCurves, yCurves, zCurves;
  };
  const Case cases[] = {
      {"40", "2", "80", 40, 2, 80},
      {"1", "0", "81", 80, 80, 80},
      {"2.5", "3.5", "", 2, 4, 30},
      {"", "", "10*2", 30, 30, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y << "," << c.z);
    Implicit f;
    StoreCurvesFields(f.s, c.x, c.y, c.z);
    CorrectCurves(f.s.graph);
    EXPECT_EQ(f.s.graph.XCurves, c.xCurves);
    EXPECT_EQ(f.s.graph.YCurves, c.yCurves);
    EXPECT_EQ(f.s.graph.ZCurves, c.zCurves);
  }
  // The other kinds have no third count, and 1 curve stays 1.
  Session s;
  ChooseGraphKind(s, '1');
  StoreCurvesFields(s, "1", "1", "5");
  CorrectCurves(s.graph);
  EXPECT_EQ(s.graph.XCurves, 1);
  EXPECT_EQ(s.graph.ZCurves, 15);
}

TEST(ImplicitSurface, TenSamplesEachASurfaceInTheBox) {
  ASSERT_EQ(SamplesOf(ImplicitKind).size(), 10u);
  for (int n = 1; n <= 10; ++n) {
    Implicit f;
    ASSERT_TRUE(ChooseSample(f.s, ImplicitKind, n));
    SCOPED_TRACE(f.s.graph.FunctionText);
    EXPECT_EQ(CurrentSample(f.s, ImplicitKind), n);
    ImplicitMesh mesh;
    ASSERT_EQ(BuildImplicitMesh(f.s, mesh), MeshBuild::Built);
    EXPECT_GT(mesh.surface.triangles.size(), 100u);
    EXPECT_FALSE(mesh.surface.truncated);
  }
}

} // namespace
