// SPDX-License-Identifier: MIT
// kelvo render writing meshes, drawing several graphs with --and, and hiding exactly.
#include "KelvoRun.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::filesystem::path scratch(const std::string& name) {
  return ScratchFile("kelvo-cli-graphs-test", name);
}

std::size_t countLines(const std::string& text, const std::string& start) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find('\n', at);
    if (text.compare(at, start.size(), start) == 0) ++count;
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return count;
}

// 3 x 3 cells of a plane: 16 corners, 18 triangles, in an OBJ by name or on standard output,
// and in a binary STL of 84 + 50 bytes a triangle.
TEST(RenderMesh, ObjAndStlByNameOrFormat) {
  const auto obj = scratch("plane.OBJ"), stl = scratch("plane.stl");
  const std::vector<std::string> plane = {"--function", "x-y", "--curves", "3,3"};
  auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> all = plane;
    all.insert(all.end(), more.begin(), more.end());
    return RunKelvoRender(all);
  };
  ASSERT_EQ(with({"--out", obj.string()}).status, 0);
  const std::string text = BytesOf(obj);
  EXPECT_EQ(text.rfind("# Kelvo mesh", 0), 0u);
  EXPECT_EQ(countLines(text, "v "), 16u);
  EXPECT_EQ(countLines(text, "vn "), 18u);
  EXPECT_EQ(countLines(text, "f "), 18u);
  EXPECT_EQ(countLines(text, "g "), 1u);
  const KelvoRun piped = with({"--out", "-", "--format", "obj"});
  ASSERT_EQ(piped.status, 0);
  EXPECT_EQ(piped.out, text);
  ASSERT_EQ(with({"--out", stl.string()}).status, 0);
  EXPECT_EQ(BytesOf(stl).size(), 84u + 50u * 18u);
}

TEST(RenderMesh, RefusedWhereItMeansNothing) {
  const KelvoRun full = RunKelvoRender({"--function", "x", "--full", "--out", "x.obj"});
  EXPECT_EQ(full.status, 2);
  EXPECT_NE(full.err.find("--full"), std::string::npos) << full.err;
  // A space curve has no surface: the mesh is written, empty, and says so.
  const auto empty = scratch("curve.stl");
  const KelvoRun curve = RunKelvoRender({"--kind", "3", "--sample", "1", "--out", empty.string()});
  EXPECT_EQ(curve.status, 0);
  EXPECT_NE(curve.err.find("no surface"), std::string::npos) << curve.err;
  EXPECT_EQ(BytesOf(empty).size(), 84u);
}

// The options of a graph belong to the graph they follow, and the next graph starts from the
// one kept: here the second graph keeps the first one's 2 x 2 curves and blue above colour.
TEST(RenderAnd, EachGraphUnderItsHeading) {
  const KelvoRun run =
      RunKelvoRender({"--function", "x", "--curves", "2,2", "--above", "blue", "--title", "Two",
                      "--and", "--function", "-x", "--values", "-"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(countLines(run.out, "Kept graph 1: z = x\n"), 1u);
  EXPECT_EQ(countLines(run.out, "Current graph: z = -x\n"), 1u);
  EXPECT_EQ(countLines(run.out, " "), 18u);
  const auto file = scratch("two.kelvo");
  ASSERT_EQ(RunKelvoRender({"--function", "x", "--curves", "2,2", "--above", "blue", "--and",
                            "--function", "-x", "--save-graph", file.string()})
                .status,
            0);
  const std::string saved = BytesOf(file);
  EXPECT_NE(saved.find("\nGraph = 1\nKind = 1\nShown = true\nFunction = \"x\"\n"),
            std::string::npos)
      << saved;
  EXPECT_EQ(countLines(saved, "AboveColor = #0000FF"), 2u);
  EXPECT_EQ(countLines(saved, "XCurves = 2"), 2u);
}

// A picture drawn from its saved graph file is the picture its options drew.
TEST(RenderAnd, TheGraphFileDrawsTheSamePicture) {
  const auto file = scratch("three.kelvo"), direct = scratch("direct.png"),
             again = scratch("again.png");
  const std::vector<std::string> options = {"--kind", "2",     "--function", "r-3",   "--and",
                                            "--kind", "1",     "--function", "x*y/3", "--grid",
                                            "none",   "--box", "--view",     "50,70"};
  std::vector<std::string> first = options;
  first.insert(first.end(), {"--out", direct.string(), "--save-graph", file.string()});
  ASSERT_EQ(RunKelvoRender(first).status, 0);
  ASSERT_EQ(RunKelvoRender({"--graph", file.string(), "--out", again.string()}).status, 0);
  EXPECT_FALSE(BytesOf(direct).empty());
  EXPECT_EQ(BytesOf(direct), BytesOf(again));
}

TEST(RenderAnd, KindsAndBoundsAreChecked) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  std::vector<std::string> seventeen;
  for (int k = 0; k < 16; ++k) seventeen.insert(seventeen.end(), {"--function", "x", "--and"});
  const Case cases[] = {
      // The plane is the picture's, and the current graph's kind must offer it.
      {{"--plane", "0,0,0,0,0,1", "--and", "--kind", "2"},
       "--plane is not offered for graph kind 2"},
      // A graph's own option must suit that graph's kind.
      {{"--kind", "2", "--step", "0.5", "--and", "--kind", "3"},
       "--step is not offered for graph kind 2"},
      {seventeen, "--and: a picture holds at most 16 graphs"},
      {{"--and=1"}, "--and takes no value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const KelvoRun run = RunKelvoRender(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  // The plane with a rectangular current graph after a cylindrical one is offered.
  EXPECT_EQ(
      RunKelvoRender({"--kind", "2", "--and", "--kind", "1", "--plane", "0,0,0,0,0,1"}).status, 0);
}

// A kept graph that cannot be evaluated is named and left out; the rest is written.
TEST(RenderAnd, AFailingGraphIsNamedAndTheOthersDrawn) {
  const auto out = scratch("failing.png");
  const KelvoRun run =
      RunKelvoRender({"--function", "x+", "--and", "--function", "x", "--out", out.string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Kept graph 1: z = x+ cannot be evaluated"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("the function cannot be evaluated"), std::string::npos) << run.err;
  const QImage drawn(QString::fromStdString(out.string()));
  const QImage alone = [] {
    const auto single = scratch("single.png");
    RunKelvoRender({"--function", "x", "--out", single.string()});
    return QImage(QString::fromStdString(single.string()));
  }();
  ASSERT_FALSE(drawn.isNull());
  EXPECT_EQ(drawn, alone);
}

// Two one-cell planes crossing, seen from above: the painter's order paints the later one
// over all of the first, exact hiding shows each where it is higher. The graph file keeps the
// setting, and the movie and the SVG drawing are made the same way.
TEST(RenderExact, CrossingPlanesAndEveryOutput) {
  const std::vector<std::string> planes = {
      "--function", "x",          "--curves", "1,1",     "--above", "blue",   "--no-shading",
      "--and",      "--function", "-x",       "--above", "red",     "--view", "30,0"};
  auto render = [&](std::vector<std::string> more) {
    std::vector<std::string> all = planes;
    all.insert(all.end(), more.begin(), more.end());
    return RunKelvoRender(all);
  };
  const auto painted = scratch("painted.png"), exact = scratch("exact.png"),
             file = scratch("exact.kelvo"), again = scratch("again.png"),
             movie = scratch("exact.gif"), svg = scratch("exact.svg");
  ASSERT_EQ(render({"--out", painted.string()}).status, 0);
  ASSERT_EQ(
      render({"--exact-hiding", "--out", exact.string(), "--save-graph", file.string()}).status, 0);
  const QImage a(QString::fromStdString(painted.string())),
      b(QString::fromStdString(exact.string()));
  ASSERT_FALSE(a.isNull());
  ASSERT_FALSE(b.isNull());
  // Painted, the second plane covers the first; hidden exactly, the first (blue above) shows
  // over the half of the picture where x > 0.
  int blueExact = 0, bluePainted = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      bluePainted += qBlue(a.pixel(x, y)) > 200 && qRed(a.pixel(x, y)) < 60;
      blueExact += qBlue(b.pixel(x, y)) > 200 && qRed(b.pixel(x, y)) < 60;
    }
  EXPECT_GT(blueExact, 20000) << "half the picture shows the first plane";
  EXPECT_LT(bluePainted, 2000) << "the second plane painted over it";
  EXPECT_NE(BytesOf(file).find("\nExactHiding = true\n"), std::string::npos);
  ASSERT_EQ(RunKelvoRender({"--graph", file.string(), "--out", again.string()}).status, 0);
  EXPECT_EQ(BytesOf(again), BytesOf(exact));
  const KelvoRun made = render({"--exact-hiding", "--movie", movie.string(), "--frames", "3"});
  EXPECT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(BytesOf(movie).rfind("GIF89a", 0), 0u);
  ASSERT_EQ(render({"--exact-hiding", "--out", svg.string()}).status, 0);
  EXPECT_NE(BytesOf(svg).find("<path"), std::string::npos);
}

} // namespace
