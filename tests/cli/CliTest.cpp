// SPDX-License-Identifier: MIT
// Runs the built kelvo executable: eval, render, usage errors and exit statuses.
#include "render/Program.h"
#include "render/Sequences.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct Outcome {
  int status = -1;
  std::string out;
};

std::string quote(const std::string& arg) {
  std::string q(1, '\'');
  for (char c : arg) {
    if (c == '\'')
      q.append("'\\''");
    else
      q.push_back(c);
  }
  q.push_back('\'');
  return q;
}

// Runs kelvo with the arguments; stdout is captured, stderr joins it when asked.
Outcome kelvo(const std::vector<std::string>& args, bool withErrors = false) {
  std::string command = "env -u DISPLAY " + quote(KELVO_BINARY);
  for (const std::string& a : args) command += " " + quote(a);
  command += withErrors ? " 2>&1" : " 2>/dev/null";
  Outcome run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::filesystem::path scratch(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / "kelvo-cli-test";
  std::filesystem::create_directories(dir);
  return dir / name;
}

TEST(Eval, PrintsValueAndFlags) {
  struct Case {
    std::vector<std::string> args;
    const char* line;
  };
  const Case cases[] = {
      {{"eval", "2^3^2"}, "512 syntax=0 math=0 cut=0\n"},
      {{"eval", "sqrt(x)", "x=-1"}, "0 syntax=0 math=1 cut=0\n"},
      {{"eval", "-x^2", "x=3"}, "-9 syntax=0 math=0 cut=0\n"},
      {{"eval", "x+Y", "X=1.5", "y=2"}, "3.5 syntax=0 math=0 cut=0\n"},
      {{"eval", "cut(a)", "a=-1"}, "0 syntax=0 math=0 cut=1\n"},
      {{"eval", "2x"}, "0 syntax=1 math=0 cut=0\n"},
      {{"eval", "p"}, "3.1415926535897931 syntax=0 math=0 cut=0\n"},
      {{"eval", "x", "x=1e-3"}, "0.001 syntax=0 math=0 cut=0\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const Outcome run = kelvo(c.args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, c.line);
  }
}

TEST(Eval, CommaLocaleReadsAndWritesPoints) {
  setenv("LC_ALL", "de_DE.UTF-8", 1);
  const Outcome run = kelvo({"eval", "x*2", "x=1.25"});
  unsetenv("LC_ALL");
  EXPECT_EQ(run.out, "2.5 syntax=0 math=0 cut=0\n");
}

TEST(Usage, ErrorsExitTwoWithAMessage) {
  const std::vector<std::vector<std::string>> cases = {
      {"eval"},
      {"eval", "x", "z=1"},
      {"eval", "x", "x=abc"},
      {"eval", "x", "x"},
      {"render", "--kind", "9"},
      {"render", "--axes", "1,2,3"},
      {"render", "--view", "sqrt(-1),80"},
      {"render", "--curves", "15"},
      {"render", "--step", "0.2"},
      {"render", "--window", "0x600"},
      {"render", "--window", "800"},
      {"render", "--grid", "mauve"},
      {"render", "--out", "x.jpg"},
      {"render", "--out", "x.tiff"},
      {"render", "--bogus"},
      {"render", "--function"},
      {"render", "--sample", "0"},
      {"render", "--sample", "11"},
      {"render", "--sample", "2.5"},
      {"render", "--kind", "3", "--sample", "3"},
      {"frobnicate"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.back());
    const Outcome run = kelvo(args, true);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("kelvo"), std::string::npos) << run.out;
  }
}

TEST(Help, HelpAndVersion) {
  EXPECT_EQ(kelvo({"--version"}).out, "kelvo 1.10\n");
  const Outcome help = kelvo({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("kelvo render"), std::string::npos);
}

TEST(Render, WritesThePictureBoxAndTheListing) {
  const auto png = scratch("default.png");
  const auto values = scratch("default.txt");
  const Outcome run = kelvo(
      {"render", "--function", "x^2-y^2", "--out", png.string(), "--values", values.string()});
  ASSERT_EQ(run.status, 0);
  QImage picture(QString::fromStdString(png.string()));
  ASSERT_FALSE(picture.isNull());
  // The picture box of an 800 x 600 window of kind 1.
  EXPECT_EQ(picture.width(), 478);
  EXPECT_EQ(picture.height(), 388);
  std::ifstream listing(values);
  std::string line;
  int lines = 0;
  while (std::getline(listing, line)) ++lines;
  EXPECT_EQ(lines, 256);
}

// The command line paints on a thread of its own while it computes; its file must still hold
// exactly the picture the window's draw sequence makes.
TEST(Render, PictureIsTheWindowsPictureBox) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "test_cli";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  struct Case {
    std::string function, curves;
  };
  const Case cases[] = {{"(2*x^2+3*y^2)*Exp(1-x^2-y^2)", "80"}, {"Cut(x*y)*x", "25"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.function);
    const auto png = scratch("same.png");
    ASSERT_EQ(kelvo({"render", "--function", c.function, "--curves", c.curves + "," + c.curves,
                     "--out", png.string()})
                  .status,
              0);
    Program p;
    ChooseGraphKind(p, '1');
    ShowMainWindowPicture(p);
    p.graph.FunctionText = c.function;
    p.graph.XCurves = p.graph.YCurves = std::stoi(c.curves);
    DrawSequencePicture(p);
    const QImage written(QString::fromStdString(png.string()));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), p.Picture);
  }
}

TEST(Render, BmpOfTheBareAxesHasTheZAxisAtTheOrigin) {
  const auto bmp = scratch("axes.BMP");
  ASSERT_EQ(kelvo({"render", "--out", bmp.string()}).status, 0);
  QImage picture(QString::fromStdString(bmp.string()));
  ASSERT_FALSE(picture.isNull());
  // The origin projects to x = 246; the z axis runs through it in the axes colour (fuchsia),
  // above the surface z = 0 and the x-y plane.
  EXPECT_EQ(picture.pixelColor(246, 40).rgb(), qRgb(255, 0, 255));
  // Far corners stay in the background colour.
  EXPECT_EQ(picture.pixelColor(2, 2).rgb(), qRgb(255, 255, 255));
}

TEST(Render, ColourOptionsReachThePicture) {
  const auto png = scratch("colours.png");
  ASSERT_EQ(
      kelvo({"render", "--background", "black", "--axes-color", "#00FF00", "--out", png.string()})
          .status,
      0);
  QImage picture(QString::fromStdString(png.string()));
  EXPECT_EQ(picture.pixelColor(2, 2).rgb(), qRgb(0, 0, 0));
  EXPECT_EQ(picture.pixelColor(246, 40).rgb(), qRgb(0, 255, 0));
}

TEST(Render, FailedEvaluationExitsOneButWrites) {
  const auto png = scratch("failed.png");
  std::filesystem::remove(png);
  const Outcome run = kelvo({"render", "--function", "x+", "--out", png.string()}, true);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("kelvo: the function cannot be evaluated"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(png));
}

TEST(Render, UnwritableOutputExitsThreeAndLeavesNothing) {
  const Outcome run = kelvo({"render", "--out", "/nonexistent-dir/x.png"}, true);
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.out.find("/nonexistent-dir/x.png"), std::string::npos);
  const auto dir = scratch("listing-dir");
  std::filesystem::create_directories(dir);
  EXPECT_EQ(kelvo({"render", "--values", dir.string()}).status, 3);
}

// A sample loads as a click does, before the function options, which override it.
TEST(Render, SampleComesBeforeTheFunctionOptions) {
  struct Case {
    std::vector<std::string> args, same;
  };
  const Case cases[] = {
      {{"--sample", "9"}, {"--function", "x^2/(4+y^2)"}},
      {{"--function", "x*y", "--sample", "9"}, {"--function", "x*y"}},
  };
  auto listing = [](std::vector<std::string> args, const std::string& name) {
    const auto file = scratch(name);
    std::filesystem::remove(file);
    args.insert(args.begin(), "render");
    args.insert(args.end(), {"--values", file.string()});
    EXPECT_EQ(kelvo(args).status, 0);
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.same[1]);
    const std::string sampled = listing(c.args, "sample-a.txt");
    EXPECT_FALSE(sampled.empty());
    EXPECT_EQ(sampled, listing(c.same, "sample-b.txt"));
  }
  const Outcome hidden = kelvo({"render", "--kind", "2", "--sample", "10"}, true);
  EXPECT_EQ(hidden.status, 2);
  EXPECT_NE(hidden.out.find("--sample 10"), std::string::npos) << hidden.out;
}

TEST(Render, ExtremeSettingsStillFinish) {
  const std::vector<std::vector<std::string>> cases = {
      {"--axes", "-1e9,1e9,-1e9,1e9,-1e9,1e9"},
      {"--domain", "1e16,1e16+1,1e16,1e16+1", "--function", "1"},
      {"--view", "30,0,0.5"},
      {"--view", "1e300,80,120"},
      {"--curves", "80,80", "--domain", "0,0.02,0,0.02", "--function", "x*y"},
      {"--window", "1x1"},
  };
  for (auto args : cases) {
    SCOPED_TRACE(args[1]);
    const auto png = scratch("extreme.png");
    args.insert(args.begin(), "render");
    args.push_back("--out");
    args.push_back(png.string());
    const Outcome run = kelvo(args, true);
    // A 1 x 1 window has an empty picture box, which cannot be written.
    EXPECT_TRUE(run.status == 0 || (run.status == 3 && args[2] == "1x1")) << run.out;
  }
}

} // namespace
