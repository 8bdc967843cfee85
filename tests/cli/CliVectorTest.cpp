// SPDX-License-Identifier: MIT
// kelvo render --fit, and --out as an SVG or PDF drawing.
#include "KelvoRun.h"

#include "graph/AxesFit.h"
#include "graph/Samples.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::filesystem::path scratch(const std::string& name) {
  return ScratchFile("kelvo-cli-vector-test", name);
}

// --fit draws exactly what --axes with the fitted box draws.
TEST(RenderFit, DrawsAsTheFittedAxesWould) {
  struct Case {
    std::vector<std::string> graph;
    char kind;
    int sample;
  };
  const Case cases[] = {
      {{"--sample", "1"}, '1', 1},
      {{"--kind", "4", "--sample", "1"}, '4', 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.graph.back());
    Session s;
    ChooseGraphKind(s, c.kind);
    ChooseSample(s, c.kind, c.sample);
    const double zBefore = s.graph.AxisZMax;
    ASSERT_TRUE(FitAxesToGraph(s));
    const GraphState& g = s.graph;
    EXPECT_NE(g.AxisZMax, zBefore) << "the fit must change something to be seen";
    std::ostringstream axes;
    axes << g.AxisXMin << ',' << g.AxisXMax << ',' << g.AxisYMin << ',' << g.AxisYMax << ','
         << g.AxisZMin << ',' << g.AxisZMax;
    const auto fitted = scratch("fitted.png"), given = scratch("given.png");
    std::vector<std::string> fit = c.graph, explicitAxes = c.graph;
    fit.insert(fit.end(), {"--fit", "--out", fitted.string()});
    explicitAxes.insert(explicitAxes.end(), {"--axes", axes.str(), "--out", given.string()});
    ASSERT_EQ(RunKelvoRender(fit).status, 0);
    ASSERT_EQ(RunKelvoRender(explicitAxes).status, 0);
    EXPECT_EQ(BytesOf(fitted), BytesOf(given));
  }
}

TEST(RenderFit, AFunctionThatCannotBeSampledKeepsTheAxes) {
  const auto fitted = scratch("failed-fit.png"), plain = scratch("failed-plain.png");
  const KelvoRun run = RunKelvoRender({"--function", "x+", "--fit", "--out", fitted.string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("--fit"), std::string::npos) << run.err;
  EXPECT_EQ(RunKelvoRender({"--function", "x+", "--out", plain.string()}).status, 1);
  EXPECT_EQ(BytesOf(fitted), BytesOf(plain));
}

TEST(RenderVector, SvgAndPdfByExtensionInAnyCase) {
  struct Case {
    const char* name;
    const char* start;
  };
  for (const Case& c : {Case{"g.svg", "<?xml"}, Case{"g.SVG", "<?xml"}, Case{"g.pdf", "%PDF-"},
                        Case{"g.Pdf", "%PDF-"}}) {
    SCOPED_TRACE(c.name);
    const auto out = scratch(c.name);
    ASSERT_EQ(
        RunKelvoRender({"--function", "x*y", "--curves", "10,10", "--out", out.string()}).status,
        0);
    EXPECT_EQ(BytesOf(out).rfind(c.start, 0), 0u);
  }
  // The full graph carries its title as text.
  const auto full = scratch("full.svg");
  ASSERT_EQ(
      RunKelvoRender({"--function", "x", "--title", "Plain", "--full", "--out", full.string()})
          .status,
      0);
  EXPECT_NE(BytesOf(full).find(">Plain</text>"), std::string::npos);
}

// Two renders of the same options, a second apart, write the same bytes: the full graph's PDF
// names no time of writing.
TEST(RenderVector, TheSameOptionsWriteTheSameBytes) {
  std::vector<std::string> files;
  for (const char* name : {"first.pdf", "second.pdf"}) {
    const auto out = scratch(name);
    ASSERT_EQ(RunKelvoRender({"--sample", "2", "--full", "--out", out.string()}).status, 0);
    files.push_back(BytesOf(out));
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  }
  EXPECT_EQ(files[0], files[1]);
  EXPECT_EQ(files[0].find("/CreationDate"), std::string::npos);
}

TEST(RenderVector, UnwritableTargetExitsThreeAndLeavesNothing) {
  const auto folder = scratch("a-folder.svg");
  std::filesystem::create_directories(folder);
  for (const std::string& out : {std::string("/nonexistent-dir/x.svg"),
                                 std::string("/nonexistent-dir/x.pdf"), folder.string()}) {
    SCOPED_TRACE(out);
    const KelvoRun run = RunKelvoRender({"--function", "x", "--out", out});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find(out), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists("/nonexistent-dir"));
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

} // namespace
