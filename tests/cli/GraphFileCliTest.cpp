// SPDX-License-Identifier: MIT
// kelvo render --save-graph and --graph: a graph written and read again draws the same picture
// and listing; bad graph files are refused without drawing.
#include "KelvoRun.h"

#include "graph/Samples.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <fstream>

namespace {

const std::filesystem::path& folder() {
  static const RemovedAtExit scratch(ScratchFolder("kelvo-cli-graphfile"));
  return scratch.path;
}

std::string path(const std::string& name) {
  return (folder() / name).string();
}

std::vector<std::string> split(const std::string& words) {
  std::vector<std::string> out;
  std::string word;
  bool quoted = false;
  for (const char c : words) {
    if (c == '\'') {
      quoted = !quoted;
    } else if (c == ' ' && !quoted) {
      if (!word.empty()) out.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) out.push_back(word);
  return out;
}

// Renders with the options and --save-graph, then from the graph file alone, with the same
// outputs; the pictures and the listings are the same bytes.
void expectRoundTrip(const std::string& options, const std::string& picture = "p.png") {
  SCOPED_TRACE(options);
  std::vector<std::string> first = {"render"};
  for (const std::string& w : split(options)) first.push_back(w);
  const std::vector<std::string> outputs = {"--full", "--values", path("a.txt")};
  first.insert(first.end(), outputs.begin(), outputs.end());
  first.insert(first.end(), {"--out", path("a-" + picture), "--save-graph", path("g.kelvo")});
  const KelvoRun written = RunKelvo(first);
  ASSERT_EQ(written.status, 0) << written.err;
  std::vector<std::string> second = {"render", "--graph",           path("g.kelvo"),
                                     "--full", "--values",          path("b.txt"),
                                     "--out",  path("b-" + picture)};
  const KelvoRun read = RunKelvo(second);
  ASSERT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(read.err, "");
  EXPECT_EQ(BytesOf(path("a-" + picture)), BytesOf(path("b-" + picture)));
  EXPECT_EQ(BytesOf(path("a.txt")), BytesOf(path("b.txt")));
}

TEST(GraphFileCli, TheSavedGraphDrawsTheSamePictureAndListing) {
  const char* optionSets[] = {
      "",
      "--function 'sin(x)*cos(y)' --params 1/3,2 --title 'A \"quoted\" title' --above red "
      "--grid none --view 40,70,300 --axes -4,4,-4,4,-2,2 --curves 20,25 --box",
      "--contours 40,12,3d --line 0,0,0,1,1,1 --plane 0,0,0,0,0,1 --size 80",
      "--background black --font white --ticks lime --axes-color aqua --pen yellow --no-shading",
      "--kind 2 --sample 3 --contours",
      "--kind 3 --sample 2 --step 0.05 --domain 0,7",
      "--kind 4 --sample 5 --view 120,30,500",
      "--kind 4 --sample 2 --fit",
      "--window 640x480 --size 60 --frames 8 --speed faster",
      "--kind 1 --sample 7 --quality 100 --domain -2,2,-1,1",
  };
  for (const char* options : optionSets) expectRoundTrip(options);
  expectRoundTrip("--kind 4 --sample 3 --view 200,60,400", "p.svg");
}

TEST(GraphFileCli, EverySampleOfEveryKindRoundTrips) {
  for (const char kind : {'1', '2', '3', '4'})
    for (int n = 1; n <= SampleSlots; ++n)
      if (FindSample(kind, n))
        expectRoundTrip(std::string("--kind ") + kind + " --sample " + std::to_string(n) +
                        (kind == '3' ? "" : " --curves 8,8"));
}

// Options after --graph change what the file set, wherever they stand.
TEST(GraphFileCli, LaterOptionsChangeWhatTheFileSet) {
  ASSERT_EQ(RunKelvo({"render", "--kind", "1", "--function", "x*y", "--view", "50,60",
                      "--save-graph", path("base.kelvo")})
                .status,
            0);
  const KelvoRun changed =
      RunKelvo({"render", "--function", "x^2", "--graph", path("base.kelvo"), "--out",
                path("changed.png"), "--values", path("changed.txt")});
  ASSERT_EQ(changed.status, 0) << changed.err;
  const KelvoRun direct = RunKelvo({"render", "--function", "x^2", "--view", "50,60", "--out",
                                    path("direct.png"), "--values", path("direct.txt")});
  ASSERT_EQ(direct.status, 0);
  EXPECT_EQ(BytesOf(path("changed.png")), BytesOf(path("direct.png")));
  EXPECT_EQ(BytesOf(path("changed.txt")), BytesOf(path("direct.txt")));
}

void writeFile(const std::string& name, const std::string& text) {
  std::ofstream(path(name), std::ios::binary) << text;
}

// A file that cannot be taken exits 4, names the file and the line, and writes nothing.
TEST(GraphFileCli, BadFilesExitFourAndWriteNothing) {
  writeFile("unknown.kelvo", "Kelvo graph 1\nKind = 1\nColour = red\n");
  writeFile("header.kelvo", "Kelvo graf 1\nKind = 1\n");
  writeFile("binary.kelvo", std::string("Kelvo graph 1\nKind = 1\n\0\x01\x02", 27));
  writeFile("twice.kelvo", "Kelvo graph 1\nKind = 1\nRho = 1\nRho = 2\n");
  std::filesystem::create_directories(path("folder.kelvo"));
  const std::string pipe = path("pipe.kelvo");
  ::mkfifo(pipe.c_str(), 0600);
  const struct {
    const char* name;
    const char* message;
  } cases[] = {
      {"unknown.kelvo", "line 3: unknown key 'Colour'"},
      {"header.kelvo", "line 1: this is not a Kelvo graph file"},
      {"binary.kelvo", "this is not a text file"},
      {"twice.kelvo", "line 4: the key 'Rho' stands twice"},
      {"folder.kelvo", "folder"},
      {"pipe.kelvo", ""},
      {"missing.kelvo", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(path("never.png"));
    const auto start = std::chrono::steady_clock::now();
    const KelvoRun run = RunKelvo({"render", "--graph", path(c.name), "--out", path("never.png")});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find(c.name), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(path("never.png")));
  }
}

// What can be taken with a warning is drawn, with one line on standard error and exit 0.
TEST(GraphFileCli, WarningsTakeOneLineAndExitZero) {
  writeFile("newer.kelvo", "Kelvo graph 2\nKind = 1\nLighting = soft\nRho = near\n");
  const KelvoRun run = RunKelvo({"render", "--graph", path("newer.kelvo"), "--out", path("w.png")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "kelvo: '" + path("newer.kelvo") +
                         "': passed over line 3: the key 'Lighting' of a newer version is passed "
                         "over; line 4: the value of 'Rho' cannot be read; its default is kept\n");
  EXPECT_TRUE(std::filesystem::exists(path("w.png")));
}

} // namespace
