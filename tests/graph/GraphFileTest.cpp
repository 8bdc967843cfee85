// SPDX-License-Identifier: MIT
// Graph files: every setting read back to the same value, and every bad file refused or passed
// over with a reason that names the line.
#include "graph/Corrections.h"
#include "graph/GraphFile.h"
#include "graph/Samples.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace {

// A session as the start-up form leaves it for the kind.
void startKind(Session& s, char kind) {
  ChooseGraphKind(s, kind);
  ResetGraphDefaults(s);
}

// The file's text read into a fresh session of its kind.
struct ReadBack {
  Session s;
  GraphExtras extras;
  std::vector<std::string> warnings;
  std::string reason;
  bool ok = false;
};

void readInto(ReadBack& r, const std::string& text) {
  GraphFile file;
  r.ok = ParseGraphFile(text, file, r.reason);
  if (!r.ok) return;
  startKind(r.s, file.kind);
  ApplyGraphFile(r.s, file, r.extras, r.warnings);
}

// The settings a graph file holds, compared field by field (doubles bit for bit).
void expectSameSettings(const GraphState& a, const GraphState& b) {
  auto same = [](double x, double y) {
    return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
  };
  EXPECT_EQ(a.GraphKind, b.GraphKind);
  const double GraphState::*numbers[] = {
      &GraphState::AxisXMin, &GraphState::AxisXMax, &GraphState::AxisYMin, &GraphState::AxisYMax,
      &GraphState::AxisZMin, &GraphState::AxisZMax, &GraphState::Rho,      &GraphState::Theta,
      &GraphState::Phi,      &GraphState::Zoom};
  for (const auto field : numbers) EXPECT_TRUE(same(a.*field, b.*field)) << a.*field;
  for (std::size_t i = 0; i < 6; ++i) EXPECT_TRUE(same(a.ParamValues[i], b.ParamValues[i]));
  EXPECT_EQ(a.ParamA, b.ParamA);
  EXPECT_EQ(a.GraphTitle, b.GraphTitle);
  EXPECT_EQ(a.AboveColor, b.AboveColor);
  EXPECT_EQ(a.UnderColor, b.UnderColor);
  EXPECT_EQ(a.GridColor, b.GridColor);
  EXPECT_EQ(a.PenColor, b.PenColor);
  EXPECT_EQ(a.AxesColor, b.AxesColor);
  EXPECT_EQ(a.FrameColor, b.FrameColor);
  EXPECT_EQ(a.FontColor, b.FontColor);
  EXPECT_EQ(a.BackgroundColor, b.BackgroundColor);
  EXPECT_EQ(a.ShadingOn, b.ShadingOn);
  EXPECT_EQ(a.DrawBoxChecked, b.DrawBoxChecked);
  EXPECT_EQ(a.Line, b.Line);
  EXPECT_EQ(a.LineDefined, b.LineDefined);
  EXPECT_EQ(a.LineOn, b.LineOn);
  EXPECT_EQ(a.JpegQuality, b.JpegQuality);
  // The settings of the kind's own menus: the same text means the same values, since every
  // number is written in the one shortest form that reads back to it.
  EXPECT_EQ(WriteGraphFile(a, {}, {}), WriteGraphFile(b, {}, {}));
}

TEST(GraphFile, EveryKindAndSampleReadsBackTheSame) {
  for (const char kind : {'1', '2', '3', '4', ImplicitKind}) {
    for (int n = 0; n <= SampleSlots; ++n) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << " sample " << n);
      Session s;
      startKind(s, kind);
      if (n > 0 && !ChooseSample(s, kind, n)) continue;
      const std::string text = WriteGraphFile(s.graph, GraphExtras{}, {});
      ReadBack r;
      readInto(r, text);
      ASSERT_TRUE(r.ok) << r.reason;
      EXPECT_TRUE(r.warnings.empty());
      expectSameSettings(s.graph, r.s.graph);
      // Writing what was read gives the same text.
      EXPECT_EQ(WriteGraphFile(r.s.graph, r.extras, r.s.KeptGraphs), text);
    }
  }
}

// An implicit surface's file holds its equation, the three counts of cells and the movie, and
// none of the domains, the plane or the contours of the other kinds.
TEST(GraphFile, ImplicitSurfaceKeys) {
  Session s;
  startKind(s, ImplicitKind);
  s.graph.FunctionText = "x^2+y^2=z";
  s.graph.ZCurves = 12;
  const std::string text = WriteGraphFile(s.graph, GraphExtras{});
  for (const char* line :
       {"Kind = 6\n", "Function = \"x^2+y^2=z\"\n", "XCurves = 30\n", "YCurves = 30\n",
        "ZCurves = 12\n", "AxisZMin = -3\n", "MovieFrames = 16\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line;
  for (const char* key : {"XMin", "UMin", "TStep", "FunctionX", "PlaneA", "ContourGridX"})
    EXPECT_EQ(text.find(std::string("\n") + key + " ="), std::string::npos) << key;
  ReadBack r;
  readInto(r, text);
  ASSERT_TRUE(r.ok) << r.reason;
  EXPECT_EQ(r.s.graph.GraphKind, ImplicitKind);
  EXPECT_EQ(r.s.graph.ZCurves, 12);
  EXPECT_EQ(r.s.graph.FunctionText, "x^2+y^2=z");
  // The curves dialog's corrections follow: an implicit surface needs two cells each way.
  readInto(r, "Kelvo graph 1\nKind = 6\nZCurves = 1\nXCurves = 2\n");
  ASSERT_TRUE(r.ok) << r.reason;
  EXPECT_EQ(r.s.graph.ZCurves, 80);
  EXPECT_EQ(r.s.graph.XCurves, 2);
}

// Random values in every field (including awkward doubles and texts with quotes, backslashes,
// control characters and non-ASCII letters) read back to the same values.
TEST(GraphFile, RandomSettingsReadBackTheSame) {
  std::mt19937_64 random(20261209);
  auto number = [&random]() {
    switch (random() % 5) {
    case 0:
      return static_cast<double>(random() % 1000) / 7.0;
    case 1:
      return -1e-300 * static_cast<double>(random() % 100 + 1);
    case 2:
      return 0.1 * static_cast<double>(random() % 100);
    case 3:
      return -static_cast<double>(random() % 7);
    default:
      return 1e15 / static_cast<double>(random() % 999 + 1);
    }
  };
  const char* texts[] = {"x^2+y^2",
                         "\"quoted\" \\ back",
                         "tab\there",
                         "new\nline",
                         "\x01\x7f",
                         "h\xc3\xa9llo",
                         "",
                         " blanks ",
                         "stray \xa1\xff bytes",
                         "\xed\xa0\x80"};
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE(round);
    Session s;
    const char kind = static_cast<char>('1' + random() % 4);
    startKind(s, kind);
    GraphState& g = s.graph;
    g.FunctionText = texts[random() % std::size(texts)];
    g.FunctionTextX = texts[random() % std::size(texts)];
    g.FunctionTextY = texts[random() % std::size(texts)];
    g.FunctionTextZ = texts[random() % std::size(texts)];
    g.GraphTitle = texts[random() % std::size(texts)];
    for (double* v : {&g.RMin, &g.TMin, &g.UMin, &g.VMin, &g.XMin, &g.YMin}) *v = number();
    g.RMax = g.RMin + 1 + random() % 5;
    g.TMax = g.TMin + 2;
    g.UMax = g.UMin + 0.5;
    g.VMax = g.VMin + 3;
    g.XMax = g.XMin + 1;
    g.YMax = g.YMin + 1;
    // A box the eye stands outside of.
    g.AxisXMin = -std::fmod(number(), 40) - 1;
    g.AxisXMax = g.AxisXMin + 2 + random() % 9;
    g.AxisYMin = std::fmod(number(), 40);
    g.AxisYMax = g.AxisYMin + 1;
    g.AxisZMin = -5;
    g.AxisZMax = 5 + std::fmod(number(), 40);
    g.Rho = 150 + static_cast<double>(random() % 1000) / 3;
    g.Theta = static_cast<double>(random() % 628) / 100;
    g.Phi = static_cast<double>(random() % 314) / 100;
    g.XCurves = static_cast<double>(2 + random() % 79);
    g.YCurves = static_cast<double>(2 + random() % 79);
    g.TStep = 0.01 * static_cast<double>(1 + random() % 50);
    for (double& p : g.ParamValues) p = number();
    g.AboveColor = static_cast<Color>(random() & 0xFFFFFF);
    g.GridColor = random() % 2 ? clNone : static_cast<Color>(random() & 0xFFFFFF);
    g.BackgroundColor = static_cast<Color>(random() & 0xFFFFFF);
    g.ShadingOn = random() % 2;
    g.DrawBoxChecked = random() % 2;
    g.Line = {number(), number(), number(), number(), number(), number()};
    g.LineDefined = g.LineOn = random() % 2;
    g.Plane = {number(), number(), number(), 1, 0, number(), -1, 1, -2, 2};
    g.PlaneDefined = random() % 2;
    g.ContourGridX = g.ContourGridY = 20 * static_cast<int>(1 + random() % 3);
    g.ContourLevelCount = 10 + 2 * static_cast<int>(random() % 4);
    g.Contours3D = random() % 2;
    g.MovieFrameCount = static_cast<int>(2 + random() % 30);
    g.MovieDelay = 150;
    g.JpegQuality = 100;
    g.Zoom = 2;
    CopyParameters(g);
    GraphExtras extras;
    extras.windowWidth = 300 + static_cast<int>(random() % 900);
    extras.graphSize = 0.625;
    extras.contoursShown = (kind == '1' || kind == '2') && random() % 2; // contours of 1 and 2
    extras.parameterCaptions[random() % 6] = true;
    extras.picture = "/tmp/some \"picture\".bmp";
    const std::string text = WriteGraphFile(g, extras, {});
    ReadBack r;
    readInto(r, text);
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_TRUE(r.warnings.empty()) << r.warnings.front();
    expectSameSettings(g, r.s.graph);
    EXPECT_EQ(r.extras, extras);
  }
}

struct BadFile {
  std::string text;
  const char* reason;
};

TEST(GraphFile, BadFilesAreRefusedNamingTheLine) {
  const std::string header = "Kelvo graph 1\nKind = 1\n";
  const BadFile cases[] = {
      {"", "line 1: this is not a Kelvo graph file"},
      {"Kind = 1\n", "line 1: this is not a Kelvo graph file"},
      {"Kelvo graph one\nKind = 1\n", "line 1: this is not a Kelvo graph file"},
      {"Kelvo graph 1\n", "the file names no kind"},
      {"Kelvo graph 1\nKind = 7\n", "line 2: the kind must be 1, 2, 3, 4 or 6"},
      // 5 is the start-up form's Quit, not a kind of graph.
      {"Kelvo graph 1\nKind = 5\n", "line 2: the kind must be 1, 2, 3, 4 or 6"},
      {header + "Colour = #FF0000\n", "line 3: unknown key 'Colour'"},
      {header + "\n# a comment\nRho = 200\nRho = 300\n", "line 6: the key 'Rho' stands twice"},
      {header + "Kind = 2\n", "line 3: the key 'Kind' stands twice"},
      {header + "Rho 200\n", "line 3: a line \"Key = value\" expected"},
      {header + "Title = \"" + std::string(70'000, 'a') + "\"\n",
       "line 3: the line is longer than 64 KiB"},
      {header + std::string("Title = \"\0\"\n", 12), "this is not a text file"},
      {header + "Title = \"\xff\xfe\"\n", "this is not a text file"},
      {std::string(5 * 1024 * 1024, '#'), "the file is larger than 4 MiB"},
  };
  for (const BadFile& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 60));
    ReadBack r;
    readInto(r, c.text);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason.substr(0, std::string_view(c.reason).size()), c.reason) << r.reason;
  }
}

// A newer version's keys and values that cannot be read are passed over with a warning; the
// setting keeps its default, as its dialog would.
TEST(GraphFile, WarningsPassOverWhatCannotBeTaken) {
  const struct {
    std::string text;
    const char* warning;
  } cases[] = {
      {"Kelvo graph 2\nKind = 1\nLighting = soft\n",
       "line 3: the key 'Lighting' of a newer version is passed over"},
      {"Kelvo graph 1\r\nKind = 1\r\nRho = far\r\n",
       "line 3: the value of 'Rho' cannot be read; its default is kept"},
      {"Kelvo graph 1\nKind = 1\nAboveColor = red\n",
       "line 3: the value of 'AboveColor' cannot be read; its default is kept"},
      {"Kelvo graph 1\nKind = 1\nFunction = x^2\n",
       "line 3: the value of 'Function' cannot be read; its default is kept"},
      {"Kelvo graph 1\nKind = 1\nContourGridX = 30\n",
       "line 3: the value of 'ContourGridX' cannot be read; its default is kept"},
      {"Kelvo graph 1\nKind = 1\nXCurves = 1e999\n",
       "line 3: the value of 'XCurves' cannot be read; its default is kept"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ReadBack r;
    readInto(r, c.text);
    ASSERT_TRUE(r.ok) << r.reason;
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0], c.warning);
    Session defaults;
    startKind(defaults, '1');
    defaults.graph.FunctionReady = true;
    expectSameSettings(defaults.graph, r.s.graph);
  }
}

// The dialogs' corrections follow the settings: a Rho not above 0, a box turned round, too
// many curves, a title too long.
TEST(GraphFile, TheDialogsCorrectionsFollow) {
  ReadBack r;
  readInto(r, "Kelvo graph 1\nKind = 1\nRho = -5\nAxisXMin = 4\nAxisXMax = 2\nXCurves = 500\n"
              "Title = \"" +
                  std::string(60, 'T') + "\"\n");
  ASSERT_TRUE(r.ok) << r.reason;
  EXPECT_EQ(r.s.graph.Rho, 200);
  EXPECT_EQ(r.s.graph.AxisXMax, 5);
  EXPECT_EQ(r.s.graph.XCurves, 80);
  EXPECT_EQ(r.s.graph.GraphTitle, std::string(50, 'T'));
}

// A curve whose step would give it more points than it is drawn with takes the default step.
TEST(GraphFile, ACurveOfTooManyPointsTakesTheDefaultStep) {
  ReadBack r;
  readInto(r, "Kelvo graph 1\nKind = 3\nTStep = 1e-300\nTMin = 0\nTMax = 1e300\n");
  ASSERT_TRUE(r.ok) << r.reason;
  Session defaults;
  startKind(defaults, '3');
  EXPECT_EQ(r.s.graph.TStep, defaults.graph.TStep);
  EXPECT_EQ(r.s.graph.TMax, defaults.graph.TMax);
  ASSERT_EQ(r.warnings.size(), 1u);
  EXPECT_NE(r.warnings[0].find("makes too many points"), std::string::npos);
}

// An eye inside the box gives no picture: the default eye takes its place, with a warning.
TEST(GraphFile, AnEyeInsideTheBoxGivesWayToTheDefault) {
  ReadBack r;
  readInto(r, "Kelvo graph 1\nKind = 1\nRho = 2\n");
  ASSERT_TRUE(r.ok) << r.reason;
  EXPECT_EQ(r.s.graph.Rho, 200);
  ASSERT_EQ(r.warnings.size(), 1u);
  EXPECT_NE(r.warnings[0].find("Rho = 2 the eye would stand inside the axes box"),
            std::string::npos);
}

// The kept graphs stand after the picture, a section each, and read back to the same graphs:
// their kinds, texts, domains, curves, step, colours, shading and whether they are shown. The
// file's picture settings stay the current graph's.
TEST(GraphFileKept, KeptGraphsReadBackAndWriteTheSameText) {
  Session s;
  startKind(s, '1');
  s.graph.FunctionText = "x*y";
  s.graph.ExactHiding = true;
  GraphFields cone = GraphFieldsOf(s.graph);
  cone.GraphKind = '2', cone.FunctionText = "r - 1", cone.RMax = 2.5, cone.AboveColor = clLime;
  GraphFields curve = GraphFieldsOf(s.graph);
  curve.GraphKind = '3', curve.FunctionTextX = "Cos(t)", curve.TStep = 0.05;
  curve.ShadingOn = false, curve.GridColor = clNone;
  s.KeptGraphs = {{cone, true}, {curve, false}};
  const std::string text = WriteGraphFile(s.graph, {}, s.KeptGraphs);
  EXPECT_NE(text.find("\nExactHiding = true\n"), std::string::npos);
  EXPECT_NE(text.find("\nGraph = 1\nKind = 2\nShown = true\nFunction = \"r - 1\"\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\nGraph = 2\nKind = 3\nShown = false\n"), std::string::npos);
  ReadBack r;
  readInto(r, text);
  ASSERT_TRUE(r.ok) << r.reason;
  EXPECT_TRUE(r.warnings.empty());
  ASSERT_EQ(r.s.KeptGraphs.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const GraphFields& want = s.KeptGraphs[i].fields;
    const GraphFields& got = r.s.KeptGraphs[i].fields;
    EXPECT_EQ(got.GraphKind, want.GraphKind);
    // Each kind's file holds the texts of its own functions only.
    if (want.GraphKind == '2') {
      EXPECT_EQ(got.FunctionText, want.FunctionText);
    } else {
      EXPECT_EQ(got.FunctionTextX, want.FunctionTextX);
    }
    EXPECT_EQ(got.RMax, want.RMax);
    EXPECT_EQ(got.TStep, want.TStep);
    EXPECT_EQ(got.AboveColor, want.AboveColor);
    EXPECT_EQ(got.GridColor, want.GridColor);
    EXPECT_EQ(got.ShadingOn, want.ShadingOn);
    EXPECT_EQ(r.s.KeptGraphs[i].shown, s.KeptGraphs[i].shown);
  }
  EXPECT_EQ(r.s.graph.FunctionText, "x*y");
  EXPECT_TRUE(r.s.graph.ExactHiding);
  EXPECT_EQ(WriteGraphFile(r.s.graph, r.extras, r.s.KeptGraphs), text);
}

// Without kept graphs and exact hiding the file is what it always was: no section and no new
// key; a file without sections leaves no kept graph behind.
TEST(GraphFileKept, OneGraphWritesNoSection) {
  Session s;
  startKind(s, '4');
  const std::string text = WriteGraphFile(s.graph, {}, {});
  EXPECT_EQ(text.rfind("Kelvo graph 1\n", 0), 0u);
  EXPECT_EQ(text.find("Graph ="), std::string::npos);
  EXPECT_EQ(text.find("ExactHiding"), std::string::npos);
  ReadBack r;
  r.s.KeptGraphs.push_back({});
  GraphFile file;
  ASSERT_TRUE(ParseGraphFile(text, file, r.reason));
  ApplyGraphFile(r.s, file, r.extras, r.warnings);
  EXPECT_TRUE(r.s.KeptGraphs.empty());
}

TEST(GraphFileKept, BadSectionsAreRefusedNamingTheLine) {
  const std::string header = "Kelvo graph 1\nKind = 1\n";
  std::string seventeen = header;
  for (int n = 1; n <= 16; ++n) seventeen += "Graph = " + std::to_string(n) + "\nKind = 1\n";
  const BadFile cases[] = {
      {header + "Graph = 2\nKind = 1\n", "line 3: the kept graphs are numbered 1, 2, ... in order"},
      {header + "Graph = first\n", "line 3: the kept graphs are numbered"},
      {header + "Graph = 1\nFunction = \"x\"\n", "line 4: kept graph 1 names no kind"},
      {header + "Graph = 1\nGraph = 2\n", "line 4: kept graph 1 names no kind"},
      {header + "Graph = 1\nKind = 2\nKind = 3\n",
       "line 5: the key 'Kind' stands twice in kept graph 1"},
      {header + "Graph = 1\nKind = 9\n", "line 4: the kind must be 1, 2, 3, 4 or 6"},
      {header + "Graph = 1\nKind = 1\nRho = 20\n",
       "line 5: the key 'Rho' belongs to the picture, not to a kept graph"},
      {header + "Graph = 1\nKind = 1\nXCurves = 3\nXCurves = 4\n",
       "line 6: the key 'XCurves' stands twice in kept graph 1"},
      {header + "Graph = 1\nKind = 1\nShown = true\nShown = false\n",
       "line 6: the key 'Shown' stands twice in kept graph 1"},
      {header + "Shown = true\n", "line 3: unknown key 'Shown'"},
      {seventeen, "line 33: a picture holds at most 16 graphs"},
  };
  for (const BadFile& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 80));
    ReadBack r;
    readInto(r, c.text);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason.substr(0, std::string_view(c.reason).size()), c.reason) << r.reason;
  }
}

// A kept graph's value that cannot be read keeps its kind's default, as the picture's do.
TEST(GraphFileKept, WhatCannotBeTakenInASectionIsPassedOver) {
  ReadBack r;
  readInto(r, "Kelvo graph 1\nKind = 1\nGraph = 1\nKind = 2\nShown = maybe\nRMax = far\n");
  ASSERT_TRUE(r.ok) << r.reason;
  ASSERT_EQ(r.warnings.size(), 2u);
  EXPECT_EQ(r.warnings[0], "line 5: the value of 'Shown' cannot be read; the graph is shown");
  EXPECT_EQ(r.warnings[1], "line 6: the value of 'RMax' cannot be read; its default is kept");
  ASSERT_EQ(r.s.KeptGraphs.size(), 1u);
  EXPECT_TRUE(r.s.KeptGraphs[0].shown);
  EXPECT_EQ(r.s.KeptGraphs[0].fields.RMax, 5);
}

} // namespace
