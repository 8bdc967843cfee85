// SPDX-License-Identifier: MIT
// Several graphs in one picture: one list of cells sorted together, each graph's own grid
// colour, the listing under a heading per graph, failing graphs left out and named, the box
// round all of them, and movies of them.
#include "TestSupport.h"
#include "graph/Sampling.h"
#include "render/Additions.h"
#include "render/Movie.h"
#include "render/PictureGraphs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

// A kind 1 program whose kept graph is `kept` (2 x 2 cells, black outlines) and whose current
// graph is `current` (2 x 2 cells, teal outlines).
void twoGraphs(Program& p, const char* kept, const char* current) {
  setUpProgram(p, '1');
  p.graph.XCurves = p.graph.YCurves = 2;
  p.graph.FunctionText = kept;
  p.graph.GridColor = clBlack;
  ASSERT_TRUE(KeepCurrentGraph(p));
  p.graph.FunctionText = current;
  p.graph.GridColor = clTeal;
}

// The plain selection sort over the distances, as the painting order is defined.
std::vector<std::size_t> selectionOrder(const std::vector<SpaceCell>& cells) {
  std::vector<std::size_t> id(cells.size());
  std::iota(id.begin(), id.end(), std::size_t{0});
  for (std::size_t i = 0; i + 1 < id.size(); ++i) {
    std::size_t best = i;
    for (std::size_t j = i; j < id.size(); ++j)
      if (cells[id[j]].record.Distance > cells[id[best]].record.Distance) best = j;
    std::swap(id[best], id[i]);
  }
  return id;
}

// Two crossing planes: the cells of both are painted in one far-to-near order, not one graph
// after the other, and each is outlined in its own graph's grid colour.
TEST(SeveralGraphs, OneListSortedTogether) {
  Program p;
  twoGraphs(p, "x", "-x");
  RecordingCanvas canvas;
  p.canvas = &canvas;
  DrawSequencePicture(p);
  ASSERT_EQ(p.SceneCells.size(), 8u);
  std::vector<Pixel> firstCorners;
  std::vector<Color> outlines;
  Color pen = 0;
  for (const Recorded& r : canvas.log) {
    if (r.kind == Recorded::PenColor) pen = r.value;
    if (r.kind == Recorded::Polygon) {
      firstCorners.push_back(r.points[0]);
      outlines.push_back(pen);
    }
  }
  ASSERT_EQ(firstCorners.size(), 8u);
  const std::vector<std::size_t> order = selectionOrder(p.SceneCells);
  bool interleaved = false;
  for (std::size_t k = 0; k < order.size(); ++k) {
    SCOPED_TRACE(k);
    const SpaceCell& cell = p.SceneCells[order[k]];
    EXPECT_EQ(firstCorners[k], cell.record.Corners[0]);
    EXPECT_EQ(outlines[k], cell.graph == 0 ? clBlack : clTeal);
    if (k > 0) interleaved |= cell.graph < p.SceneCells[order[k - 1]].graph;
  }
  EXPECT_TRUE(interleaved) << "the graphs' cells are sorted together";
}

TEST(SeveralGraphs, ListingUnderAHeadingPerGraph) {
  Program p;
  twoGraphs(p, "x", "-x");
  DrawSequencePicture(p);
  ASSERT_EQ(p.Values.size(), 2u + 9u + 9u);
  EXPECT_EQ(p.Values[0], "Kept graph 1: z = x");
  EXPECT_EQ(p.Values[10], "Current graph: z = -x");
  EXPECT_EQ(p.Values[1], "    -3.000     -3.000    -3.0000");
  EXPECT_EQ(p.Values[11], "    -3.000     -3.000     3.0000");
}

// A kept graph that is not shown leaves the picture and the listing exactly as the current
// graph alone draws them.
TEST(SeveralGraphs, AHiddenKeptGraphChangesNothing) {
  Program alone, hidden;
  setUpProgram(alone, '1');
  alone.graph.FunctionText = "x*y";
  DrawSequencePicture(alone);
  twoGraphs(hidden, "x", "x*y");
  hidden.KeptGraphs[0].shown = false;
  hidden.graph.XCurves = hidden.graph.YCurves = 15;
  hidden.graph.GridColor = clTeal;
  DrawSequencePicture(hidden);
  EXPECT_EQ(hidden.Picture, alone.Picture);
  EXPECT_EQ(hidden.Values, alone.Values);
}

// A graph that cannot be evaluated is left out and the others are drawn: a kept one is named,
// the current one leaves EvalFailed set as a single graph does.
TEST(SeveralGraphs, AFailingGraphIsLeftOutAndNamed) {
  Program keptFails;
  twoGraphs(keptFails, "x+", "x");
  DrawSequencePicture(keptFails);
  EXPECT_FALSE(keptFails.graph.EvalFailed);
  ASSERT_EQ(keptFails.GraphFailures.size(), 1u);
  EXPECT_EQ(keptFails.GraphFailures[0].rfind("Kept graph 1: z = x+ cannot be evaluated", 0), 0u)
      << keptFails.GraphFailures[0];
  EXPECT_EQ(keptFails.SceneCells.size(), 4u);
  for (const SpaceCell& cell : keptFails.SceneCells) EXPECT_EQ(cell.graph, 1);
  ASSERT_EQ(keptFails.Values.size(), 1u + 1u + 9u);
  EXPECT_EQ(keptFails.Values[1], "Current graph: z = x");

  Program currentFails;
  twoGraphs(currentFails, "x", "x+");
  DrawSequencePicture(currentFails);
  EXPECT_TRUE(currentFails.graph.EvalFailed);
  EXPECT_TRUE(currentFails.GraphFailures.empty());
  EXPECT_EQ(currentFails.SceneCells.size(), 4u);
  EXPECT_NE(DescribeEvalFailure(currentFails).find("Z"), std::string::npos);
}

TEST(SeveralGraphs, AtMostSixteenGraphs) {
  Program p;
  setUpProgram(p, '1');
  for (std::size_t k = 0; k < MaxKeptGraphs; ++k) ASSERT_TRUE(KeepCurrentGraph(p));
  EXPECT_FALSE(KeepCurrentGraph(p));
  EXPECT_EQ(p.KeptGraphs.size(), MaxKeptGraphs);
  EXPECT_EQ(PictureGraphList(p).size(), MaxPictureGraphs);
}

// The box encloses every graph: a plane at z = 5 kept, one at z = -4 current.
TEST(SeveralGraphs, TheBoxEnclosesEveryGraph) {
  Program p;
  twoGraphs(p, "5", "-4");
  p.graph.XMin = -1;
  const GraphExtents e = PictureExtents(p);
  EXPECT_EQ(e.ZMin, -4);
  EXPECT_EQ(e.ZMax, 5);
  EXPECT_EQ(e.XMin, -3); // the kept graph's domain
  EXPECT_EQ(p.graph.ZMin, -4) << "the current graph keeps its own extents";
  EXPECT_EQ(p.graph.ZMax, -4);
}

// A turn of several graphs keeps each frame as the whole picture, which the player shows.
TEST(SeveralGraphs, TheMovieKeepsPictures) {
  Program p;
  twoGraphs(p, "x", "-x");
  p.graph.MovieFrameCount = 3;
  DrawSequencePicture(p);
  ASSERT_TRUE(BuildMovieFrames(p));
  ASSERT_EQ(p.PictureFrames.size(), 3u);
  EXPECT_TRUE(MovieBuilt(p));
  EXPECT_NE(p.PictureFrames[0], p.PictureFrames[1]) << "the eye turns between frames";
  PaintMovieFrame(p, 2);
  EXPECT_EQ(p.Picture, p.PictureFrames[1]);
}

TEST(KeptGraphs, MakeCurrentSwapsAndRemoveTakesOut) {
  Program p;
  twoGraphs(p, "x", "-x");
  p.graph.GraphKind = '1';
  ASSERT_TRUE(MakeKeptGraphCurrent(p, 0));
  EXPECT_EQ(p.graph.FunctionText, "x");
  EXPECT_EQ(p.graph.GridColor, clBlack);
  EXPECT_EQ(p.KeptGraphs[0].fields.FunctionText, "-x");
  EXPECT_FALSE(MakeKeptGraphCurrent(p, 1));
  EXPECT_FALSE(RemoveKeptGraph(p, 1));
  EXPECT_TRUE(RemoveKeptGraph(p, 0));
  EXPECT_TRUE(p.KeptGraphs.empty());
}

TEST(KeptGraphs, Names) {
  GraphFields f;
  const struct {
    char kind;
    const char* name;
  } cases[] = {{'1', "z = a"},
               {'2', "z = a (r, t)"},
               {'3', "x = x, y = y, z = z (t)"},
               {'4', "x = x, y = y, z = z (u, v)"}};
  f.FunctionText = "a", f.FunctionTextX = "x", f.FunctionTextY = "y", f.FunctionTextZ = "z";
  for (const auto& c : cases) {
    f.GraphKind = c.kind;
    EXPECT_EQ(GraphName(f), c.name);
  }
}

} // namespace
