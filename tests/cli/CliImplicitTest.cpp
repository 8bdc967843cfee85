// SPDX-License-Identifier: MIT
// `kelvo render --kind 6`: the implicit surfaces from the command line, their options and
// refusals, failures, the fit, the graph file and the movie.
#include "KelvoRun.h"
#include "tests/GifFrames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::filesystem::path& folder() {
  static const std::filesystem::path dir = ScratchFolder("implicit");
  return dir;
}

std::string file(const std::string& name) {
  return (folder() / name).string();
}

std::vector<unsigned char> bytesOf(const std::string& path) {
  const std::string bytes = BytesOf(path);
  return {bytes.begin(), bytes.end()};
}

// The sphere by its number, by its name, by its sample and as a difference are one picture
// and one listing.
TEST(CliImplicit, TheSphereFourWays) {
  const std::vector<std::vector<std::string>> ways = {
      {"--kind", "6"},
      {"--kind", "implicit", "--function", "x^2+y^2+z^2-(4)"},
      {"--kind=6", "--sample", "1"},
      {"--kind", "6", "--function", "x^2 + y^2 + z^2 = 4", "--curves", "30,30,30"},
  };
  std::string picture, listing;
  for (std::size_t i = 0; i < ways.size(); ++i) {
    SCOPED_TRACE(i);
    std::vector<std::string> args = {"render"};
    args.insert(args.end(), ways[i].begin(), ways[i].end());
    const std::string png = file("way" + std::to_string(i) + ".png");
    const std::string txt = file("way" + std::to_string(i) + ".txt");
    args.insert(args.end(), {"--out", png, "--values", txt});
    const KelvoRun run = RunKelvo(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    if (i == 0) {
      picture = BytesOf(png);
      listing = BytesOf(txt);
      ASSERT_FALSE(picture.empty());
      ASSERT_GT(listing.size(), 1000u * 33);
      EXPECT_EQ(listing.substr(32, 1), "\n");
    } else {
      EXPECT_EQ(BytesOf(png), picture);
      EXPECT_EQ(BytesOf(txt), listing);
    }
  }
}

TEST(CliImplicit, OptionsOfTheKindAndRefusals) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {{"--kind", "6", "--curves", "20,20"}, 2, "--curves takes 3 comma-separated values"},
      {{"--kind", "1", "--curves", "20,20,20"}, 2, "--curves takes 2 comma-separated values"},
      {{"--kind", "6", "--domain", "0,1,0,1"}, 2, "--domain is not offered for graph kind 6"},
      {{"--kind", "6", "--contours"}, 2, "--contours is not offered for graph kind 6"},
      {{"--kind", "6", "--plane", "0,0,0,0,0,1"}, 2, "--plane is not offered for graph kind 6"},
      {{"--kind", "6", "--x", "u"}, 2, "--x is not offered for graph kind 6"},
      {{"--kind", "5"}, 2, "--kind takes 1, 2, 3, 4, 6, rect, cyl, curve, patch or implicit"},
      {{"--kind", "6", "--sample", "10", "--curves", "12,14,16"}, 0, ""},
      {{"--kind", "6", "--line", "0,0,0,3,3,3", "--box", "--fit"}, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[c.args.size() - 1]);
    std::vector<std::string> args = {"render"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {"--out", file("option.png")});
    const KelvoRun run = RunKelvo(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  const KelvoRun help = RunKelvo({"render", "--help"});
  EXPECT_NE(help.out.find("6 or implicit"), std::string::npos);
}

// A syntax error ends the draw: exit 1 naming F and the column, the picture still written;
// z in another kind's function is refused where it stands.
TEST(CliImplicit, FailuresNameTheColumn) {
  const struct {
    std::vector<std::string> args;
    const char* reason;
  } cases[] = {
      {{"--kind", "6", "--function", "x^2+y^2+z^2="}, "(F, column 13: the text ends too early)"},
      {{"--kind", "6", "--function", "x=y=z"}, "(F, column 4: an equation has one '=')"},
      {{"--kind", "1", "--function", "x+z"}, "(Z, column 3: 'z' is not a variable of this kind)"},
      {{"--kind", "1", "--function", "x^2=y"}, "(Z, column 4: '=' cannot stand here)"},
      {{"--kind", "4", "--x", "u", "--y", "v", "--z", "z*u"},
       "(Z, column 1: 'z' is not a variable of this kind)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    std::vector<std::string> args = {"render"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const std::string png = file("failed.png");
    std::filesystem::remove(png);
    args.insert(args.end(), {"--out", png});
    const KelvoRun run = RunKelvo(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(std::string("kelvo: the function cannot be evaluated ") + c.reason),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(std::filesystem::exists(png));
  }
}

// The fitted box and the curves go into the graph file, which draws the same picture again.
TEST(CliImplicit, FitAndTheGraphFileRoundTrip) {
  const std::string graph = file("ellipsoid.kelvo"), first = file("first.png");
  const KelvoRun saved =
      RunKelvo({"render", "--kind", "6", "--sample", "2", "--fit", "--curves", "24,20,16", "--view",
                "50,60", "--out", first, "--save-graph", graph});
  ASSERT_EQ(saved.status, 0) << saved.err;
  const std::string text = BytesOf(graph);
  for (const char* line : {"Kind = 6\n", "Function = \"x^2/4+y^2+z^2/2.25=1\"\n", "AxisXMin = -2\n",
                           "AxisYMax = 1\n", "AxisZMin = -2\n", "XCurves = 24\n", "ZCurves = 16\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << text;
  const std::string again = file("again.png");
  const KelvoRun drawn = RunKelvo({"render", "--graph", graph, "--out", again});
  ASSERT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_EQ(BytesOf(again), BytesOf(first));
}

TEST(CliImplicit, MovieAndSweep) {
  const std::string turn = file("turn.gif"), sweep = file("sweep.gif");
  const KelvoRun turned =
      RunKelvo({"render", "--kind", "6", "--sample", "7", "--frames", "4", "--movie", turn});
  ASSERT_EQ(turned.status, 0) << turned.err;
  const std::vector<QImage> frames = playedFrames(bytesOf(turn));
  ASSERT_EQ(frames.size(), 4u);
  EXPECT_NE(frames[0], frames[1]);
  const KelvoRun swept = RunKelvo({"render", "--kind", "6", "--function", "x^2+y^2+z^2=1+a",
                                   "--sweep", "a=0,3", "--frames", "3", "--movie", sweep});
  ASSERT_EQ(swept.status, 0) << swept.err;
  const std::vector<QImage> steps = playedFrames(bytesOf(sweep));
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_NE(steps[0], steps[2]);
}

TEST(CliImplicit, VectorPictures) {
  for (const char* name : {"gyroid.svg", "gyroid.pdf"}) {
    SCOPED_TRACE(name);
    const std::string out = file(name);
    const KelvoRun run =
        RunKelvo({"render", "--kind", "6", "--sample", "8", "--curves", "16,16,16", "--out", out});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = BytesOf(out);
    EXPECT_GT(bytes.size(), 10'000u);
    EXPECT_TRUE(bytes.starts_with(std::string(name).ends_with("svg") ? "<?xml" : "%PDF"))
        << bytes.substr(0, 20);
  }
}

} // namespace

namespace {

// --and puts an implicit surface beside other graphs: each under its heading in the listing,
// kept in the graph file's section with its own cells and colours and drawn again from it
// alike, and one group each in the mesh.
TEST(CliImplicit, AnImplicitSurfaceAmongOtherGraphs) {
  const std::string saved = file("beside.kelvo"), direct = file("beside.png"),
                    again = file("beside-again.png"), mesh = file("beside.obj");
  const std::vector<std::string> graphs = {"render",   "--kind",  "6",          "--curves",
                                           "10,10,12", "--above", "blue",       "--and",
                                           "--kind",   "1",       "--function", "x*y/3"};
  std::vector<std::string> first = graphs;
  first.insert(first.end(),
               {"--exact-hiding", "--values", "-", "--out", direct, "--save-graph", saved});
  const KelvoRun run = RunKelvo(first);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Kept graph 1: x^2+y^2+z^2=4 (x, y, z)\n"), std::string::npos);
  EXPECT_NE(run.out.find("Current graph: z = x*y/3\n"), std::string::npos);
  const std::string text = BytesOf(saved);
  EXPECT_NE(text.find("\nGraph = 1\nKind = 6\nShown = true\nFunction = \"x^2+y^2+z^2=4\"\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\nZCurves = 12\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nAboveColor = #0000FF\n"), std::string::npos) << text;
  const KelvoRun redrawn = RunKelvo({"render", "--graph", saved, "--out", again});
  ASSERT_EQ(redrawn.status, 0) << redrawn.err;
  EXPECT_FALSE(BytesOf(direct).empty());
  EXPECT_EQ(BytesOf(direct), BytesOf(again));
  std::vector<std::string> meshed = graphs;
  meshed.insert(meshed.end(), {"--out", mesh});
  ASSERT_EQ(RunKelvo(meshed).status, 0);
  const std::string obj = BytesOf(mesh);
  EXPECT_NE(obj.find("# Kelvo mesh: 2 graphs, "), std::string::npos) << obj.substr(0, 80);
  EXPECT_NE(obj.find("\ng graph2\n# Current graph: z = x*y/3\n"), std::string::npos);
}

} // namespace
