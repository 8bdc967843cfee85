// SPDX-License-Identifier: MIT
// Runs the built kelvo executable: eval, render, usage errors and exit statuses.
#include "KelvoRun.h"

#include "graph/Version.h"
#include "io/PictureFiles.h"
#include "render/Program.h"
#include "render/Sequences.h"

#include <QImage>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace {

std::filesystem::path scratch(const std::string& name) {
  // One folder a process: test programs of other builds may run at the same time.
  const auto dir =
      std::filesystem::temp_directory_path() / ("kelvo-cli-test-" + std::to_string(::getpid()));
  static const RemovedAtExit removed{dir};
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
      {{"eval", "2x"}, "0 syntax=0 math=0 cut=0\n"},
      {{"eval", "x 2"}, "0 syntax=1 math=0 cut=0\n"},
      {{"eval", "p"}, "3.1415926535897931 syntax=0 math=0 cut=0\n"},
      {{"eval", "x", "x=1e-3"}, "0.001 syntax=0 math=0 cut=0\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const KelvoRun run = RunKelvo(c.args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, c.line);
  }
}

TEST(Eval, CommaLocaleReadsAndWritesPoints) {
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
    GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed, so the comma locale goes untested";
  std::setlocale(LC_ALL, "C");
  setenv("LC_ALL", "de_DE.UTF-8", 1);
  const KelvoRun run = RunKelvo({"eval", "x*2", "x=1.25"});
  unsetenv("LC_ALL");
  EXPECT_EQ(run.out, "2.5 syntax=0 math=0 cut=0\n");
}

// The command line speaks English under any locale, the system's reasons included (the
// toolkit it draws with takes the user's locale for the process).
TEST(Render, AGermanLocaleLeavesTheMessagesEnglish) {
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
    GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed, so its messages go untested";
  std::setlocale(LC_ALL, "C");
  KelvoStart start;
  start.environment = {{"LC_ALL", "de_DE.UTF-8"}, {"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de"}};
  const KelvoRun run = RunKelvo({"render", "--out", "/nonexistent-folder/a.png"}, start);
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.err,
            "kelvo: cannot write '/nonexistent-folder/a.png': No such file or directory\n");
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
      {"render", "--quality", "85"},
      {"render", "--size", "70"},
      {"render", "--window", "4x4"},
      {"render", "--window", "1x8192"},
      {"render", "--window", "8192x1"},
      {"render", "--window", "800x600", "--size", "60", "--window", "5x5"},
      {"render", "--out", "x.tiff"},
      {"render", "--bogus"},
      {"render", "--function"},
      // Options the chosen kind's menus do not offer.
      {"render", "--kind", "1", "--x", "u"},
      {"render", "--kind", "2", "--z", "1"},
      {"render", "--kind", "3", "--function", "t"},
      {"render", "--kind", "cyl", "--step", "0.1"},
      {"render", "--kind", "patch", "--step", "0.1"},
      // A curve of more than a million steps, by its step or by its domain.
      {"render", "--kind", "3", "--step", "1e-9"},
      {"render", "--kind", "curve", "--domain", "0,1e9"},
      {"render", "--kind", "3", "--domain", "0,1,2,3"},
      {"render", "--sample", "0"},
      {"render", "--sample", "11"},
      {"render", "--sample", "2.5"},
      {"render", "--kind", "3", "--sample", "3"},
      {"frobnicate"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.back());
    const KelvoRun run = RunKelvo(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("kelvo"), std::string::npos) << run.err;
  }
}

TEST(Help, HelpAndVersion) {
  EXPECT_EQ(RunKelvo({"--version"}).out, std::string("kelvo ") + KelvoVersion + "\n");
  const KelvoRun help = RunKelvo({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("kelvo render"), std::string::npos);
}

TEST(Render, WritesThePictureBoxAndTheListing) {
  const auto png = scratch("default.png");
  const auto values = scratch("default.txt");
  const KelvoRun run = RunKelvo(
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
  struct Case {
    std::string function, curves;
  };
  const Case cases[] = {{"(2*x^2+3*y^2)*Exp(1-x^2-y^2)", "80"}, {"Cut(x*y)*x", "25"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.function);
    const auto png = scratch("same.png");
    ASSERT_EQ(RunKelvo({"render", "--function", c.function, "--curves", c.curves + "," + c.curves,
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

// Sample 1 of kinds 2, 3 and 4, drawn by the command line (painting on its own thread, the
// curve without pauses) and by the window's draw sequence, pixel for pixel.
TEST(Render, OtherKindsAreTheWindowsPictureBox) {
  struct Case {
    char kind;
    std::vector<std::string> texts;
    std::vector<std::string> options;
  };
  const Case cases[] = {
      {'2', {"r"}, {"--function", "r"}},
      {'3',
       {"3*Cos(t)", "2*Sin(t)", "t/10"},
       {"--x", "3*Cos(t)", "--y", "2*Sin(t)", "--z", "t/10"}},
      {'4',
       {"3*Cos(u)*Cos(v)", "3*Cos(u)*Sin(v)", "3*Sin(u)"},
       {"--x", "3*Cos(u)*Cos(v)", "--y", "3*Cos(u)*Sin(v)", "--z", "3*Sin(u)", "--domain",
        "-p/2,p/2,0,2*p"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    const auto png = scratch("kind.png");
    std::vector<std::string> args = {"render", "--kind", std::string(1, c.kind), "--out",
                                     png.string()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    ASSERT_EQ(RunKelvo(args).status, 0);
    Program p;
    p.CurvePauses = false;
    ChooseGraphKind(p, c.kind);
    ShowMainWindowPicture(p);
    if (c.kind == '2') {
      p.graph.FunctionText = c.texts[0];
    } else {
      p.graph.FunctionTextX = c.texts[0];
      p.graph.FunctionTextY = c.texts[1];
      p.graph.FunctionTextZ = c.texts[2];
    }
    if (c.kind == '4') p.graph.UMin = -GraphState::Pi / 2, p.graph.UMax = GraphState::Pi / 2;
    if (c.kind == '4') p.graph.VMin = 0, p.graph.VMax = 2 * GraphState::Pi;
    DrawSequencePicture(p);
    const QImage written(QString::fromStdString(png.string()));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), p.Picture);
  }
}

// Where a point of the graph lands in the picture of kind `kind` with the axes box +-3 in
// each direction and the default eye.
Pixel pixelOf(char kind, double x, double y, double z) {
  Program p;
  ChooseGraphKind(p, kind);
  ShowMainWindowPicture(p);
  p.graph.AxisZMin = -3, p.graph.AxisZMax = 3;
  SetViewTransform(p.view, p.graph.PlaneDistance, p.graph.Rho, p.graph.Theta, p.graph.Phi);
  FitViewToAxes(p.view, p.graph);
  return ProjectPoint(p.view, x, y, z);
}

TEST(Render, KindProbes) {
  // Points at an azimuth of 60 degrees, 30 degrees beside the eye's, so that the z axis
  // drawn over the graph passes them by.
  const double c60 = std::cos(GraphState::Pi / 3), s60 = std::sin(GraphState::Pi / 3);
  const double c30 = std::cos(GraphState::Pi / 6);
  struct Case {
    std::vector<std::string> args;
    Pixel at;
    QRgb color;
  };
  const Case cases[] = {
      // The cone z = r seen from 10 degrees above the horizon: on the side near the eye its
      // outside, the under side, faces the eye and covers the inside behind it: yellow.
      {{"--kind", "2", "--function", "r"}, pixelOf('2', 2 * c60, 2 * s60, 2), qRgb(255, 255, 0)},
      // The helix starts at (3, 0, 0) and is drawn in the pen colour, blue.
      {{"--kind", "3", "--x", "3*Cos(t)", "--y", "2*Sin(t)", "--z", "t/10"},
       pixelOf('3', 3, 0, 0),
       qRgb(0, 0, 255)},
      // The torus's normal Tu x Tv points into the tube, away from the eye on the outer
      // side facing it: the above colour, red. (Point at v = 5p/6, u = 60 degrees.)
      {{"--kind", "4", "--x", "(2-Cos(v))*Cos(u)", "--y", "(2-Cos(v))*Sin(u)", "--z", "Sin(v)"},
       pixelOf('4', (2 + c30) * c60, (2 + c30) * s60, 0.5),
       qRgb(255, 0, 0)},
      // Far off the torus the background shows.
      {{"--kind", "4", "--x", "(2-Cos(v))*Cos(u)", "--y", "(2-Cos(v))*Sin(u)", "--z", "Sin(v)"},
       {2, 2},
       qRgb(255, 255, 255)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const auto png = scratch("probe.png");
    std::vector<std::string> args = {"render", "--no-shading",   "--grid", "none",
                                     "--axes", "-3,3,-3,3,-3,3", "--out",  png.string()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    ASSERT_EQ(RunKelvo(args).status, 0);
    const QImage picture(QString::fromStdString(png.string()));
    EXPECT_EQ(picture.pixel(c.at.x, c.at.y), c.color) << c.at.x << "," << c.at.y;
  }
}

// 100,001 values of t from 0 to 5: drawn at once and listed in full.
TEST(Render, LongCurveIsDrawnAndListed) {
  const auto values = scratch("curve.txt");
  ASSERT_EQ(
      RunKelvo({"render", "--kind", "3", "--step", "0.00005", "--values", values.string()}).status,
      0);
  std::ifstream listing(values);
  std::string line, last;
  int lines = 0;
  while (std::getline(listing, line)) ++lines, last = line;
  EXPECT_GE(lines, 100000);
  EXPECT_LE(lines, 100001);
  EXPECT_EQ(last.substr(0, 10), "     5.000");
}

// The additions on the default 800 x 600 picture of kind 1, probed where the design puts them.
TEST(Render, AdditionsReachThePicture) {
  Program p; // only for the projection of the default view
  ChooseGraphKind(p, '1');
  ShowMainWindowPicture(p);
  const auto colourAt = [](const QImage& image, Pixel at) { return image.pixel(at.x, at.y); };
  const auto render = [](std::vector<std::string> args) {
    const auto png = scratch("additions.png");
    args.insert(args.begin(), "render");
    args.push_back("--out");
    args.push_back(png.string());
    EXPECT_EQ(RunKelvo(args).status, 0);
    return QImage(QString::fromStdString(png.string()));
  };
  const QRgb blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255), lime = qRgb(0, 255, 0);
  // z = x + y has extents -6..6; the box corner (3, -3, 6) starts the top edge towards
  // (-3, -3, 6), in the pen colour; without the box that point of space is background.
  const Pixel corner = ProjectPoint(p.view, 3, -3, 6);
  EXPECT_EQ(colourAt(render({"--function", "x+y", "--box"}), corner), blue);
  EXPECT_EQ(colourAt(render({"--function", "x+y"}), corner), white);
  // A horizontal patch at height 8 round (1, 1, 8): filled in the pen colour, its point
  // marked in lime; the line from (-3, -3, 5) starts in the pen colour.
  const QImage plane = render({"--plane", "1,1,8,0,0,1,-1,1,-1,1", "--line", "-3,-3,5,3,3,5"});
  EXPECT_EQ(colourAt(plane, ProjectPoint(p.view, 1.5, 0.5, 8)), blue);
  EXPECT_EQ(colourAt(plane, ProjectPoint(p.view, 1, 1, 8)), lime);
  EXPECT_EQ(colourAt(plane, ProjectPoint(p.view, -3, -3, 5)), blue);
  // Flat contours of z = x are the lines x = level in the plane z = 0; the second of ten
  // levels is navy. Its segment ends lie on the grid line y = -1.5 (within a pixel).
  const QImage contours = render({"--function", "x", "--contours", "20,10"});
  const double level = -3 + 6.0 / 9;
  const Pixel end = ProjectPoint(p.view, level, -1.5, 0);
  bool navy = false;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      navy = navy || contours.pixel(end.x + dx, end.y + dy) == qRgb(0, 0, 128);
  EXPECT_TRUE(navy);
}

TEST(Render, AdditionOptionsFollowTheKindsMenus) {
  const std::vector<std::vector<std::string>> refused = {
      {"--kind", "2", "--plane", "0,0,0,0,0,1"},
      {"--kind", "3", "--contours"},
      {"--plane", "1,2,3"},
      {"--plane", "0,0,0,0,0,sqrt(-1)"},
      {"--line", "0,0,0,1,1"},
      {"--contours", "30,10"},
      {"--contours", "20,11"},
      {"--contours", "20,10,flat"},
  };
  for (auto args : refused) {
    SCOPED_TRACE(args[1] + " " + args.back());
    args.insert(args.begin(), "render");
    EXPECT_EQ(RunKelvo(args).status, 2);
  }
  // Without data the plane says so and draws nothing; a function failing everywhere has no
  // contours and exits 1; a point at 1e300 ends a line that still draws.
  const KelvoRun empty = RunKelvo({"render", "--plane", "0,0,0,0,0,0"});
  EXPECT_EQ(empty.status, 0);
  EXPECT_NE(empty.err.find("Enter data for the plane first"), std::string::npos);
  EXPECT_EQ(RunKelvo({"render", "--function", "ln(0)+x+", "--contours"}).status, 1);
  EXPECT_EQ(RunKelvo({"render", "--function", "1", "--contours", "60,16,3d"}).status, 0);
  EXPECT_EQ(RunKelvo({"render", "--line", "0,0,0,1e300,1e300,1e300", "--box"}).status, 0);
}

TEST(Render, BmpOfTheBareAxesHasTheZAxisAtTheOrigin) {
  const auto bmp = scratch("axes.BMP");
  ASSERT_EQ(RunKelvo({"render", "--out", bmp.string()}).status, 0);
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
  ASSERT_EQ(RunKelvo({"render", "--background", "black", "--axes-color", "#00FF00", "--out",
                      png.string()})
                .status,
            0);
  QImage picture(QString::fromStdString(png.string()));
  EXPECT_EQ(picture.pixelColor(2, 2).rgb(), qRgb(0, 0, 0));
  EXPECT_EQ(picture.pixelColor(246, 40).rgb(), qRgb(0, 255, 0));
}

// --scale 2 draws the same picture at twice the size, sharp: where the picture at its own size
// shows nothing but background around a pixel, its whole 2 x 2 block at twice the size is
// background too (only the edges of letters and lines, drawn sharp, may differ by a pixel).
// --scale 1 is the picture as it always was.
TEST(Render, ScaleDrawsTheSamePictureSharpAtTwiceTheSize) {
  const auto one = scratch("scale1.png"), two = scratch("scale2.png"), plain = scratch("plain.png");
  for (const auto& [file, scale] : {std::pair{one, "1"}, {two, "2"}})
    ASSERT_EQ(RunKelvo({"render", "--sample", "1", "--curves", "20,20", "--scale", scale, "--out",
                        file.string()})
                  .status,
              0);
  ASSERT_EQ(
      RunKelvo({"render", "--sample", "1", "--curves", "20,20", "--out", plain.string()}).status,
      0);
  EXPECT_EQ(BytesOf(one), BytesOf(plain));
  const QImage small(QString::fromStdString(one.string()));
  const QImage large(QString::fromStdString(two.string()));
  ASSERT_EQ(large.size(), small.size() * 2);
  const QRgb background = small.pixel(2, 2);
  auto clearAround = [&](int x, int y) {
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx) {
        const QPoint at(x + dx, y + dy);
        if (small.rect().contains(at) && small.pixel(at) != background) return false;
      }
    return true;
  };
  int clear = 0;
  for (int y = 0; y < small.height(); ++y)
    for (int x = 0; x < small.width(); ++x) {
      if (!clearAround(x, y)) continue;
      ++clear;
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
          ASSERT_EQ(large.pixel(2 * x + dx, 2 * y + dy), background) << x << ", " << y;
    }
  // Most of the picture is background, so the comparison covers most of it.
  EXPECT_GT(clear, small.width() * small.height() / 2);
  const KelvoRun vector =
      RunKelvo({"render", "--scale", "2", "--out", scratch("scale.svg").string()});
  EXPECT_EQ(vector.status, 2);
  EXPECT_NE(vector.err.find("--scale is for pictures of pixels"), std::string::npos);
}

TEST(Render, FailedEvaluationExitsOneButWrites) {
  const auto png = scratch("failed.png");
  std::filesystem::remove(png);
  const KelvoRun run = RunKelvo({"render", "--function", "x+", "--out", png.string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("kelvo: the function cannot be evaluated (Z, column 3: the text ends "
                         "too early)"),
            std::string::npos)
      << run.err;
  EXPECT_TRUE(std::filesystem::exists(png));
}

// The message names the function that failed and where: the column of a syntax error in it,
// or the variables at which a curve has no value.
TEST(Render, FailureNamesTheFunctionAndTheColumn) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--kind", "4", "--x", "u", "--y", "sin(v", "--z", "0"}, "(Y, column 6: ')' expected)"},
      {{"--kind", "3", "--x", "t", "--y", "t", "--z", "sqrt(t-2)"},
       "(Z at t = 0: no value there (a domain error))"},
      {{"--function", "x*sinx(y)"}, "(Z, column 3: unknown name 'SINX')"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"render"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {"--out", scratch("named.png").string()});
    const KelvoRun run = RunKelvo(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

TEST(Eval, SyntaxErrorsTellTheColumnOnStandardError) {
  const struct {
    const char* text;
    const char* err;
  } cases[] = {
      {"sin(x", "kelvo: column 6: ')' expected\n"},
      {"x**2+z", "kelvo: column 6: 'z' is not a variable of this kind\n"},
      {"2x+y", ""},
  };
  for (const auto& c : cases) {
    const KelvoRun run = RunKelvo({"eval", c.text});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, c.err);
  }
}

TEST(Render, UnwritableOutputExitsThreeAndLeavesNothing) {
  const KelvoRun run = RunKelvo({"render", "--out", "/nonexistent-dir/x.png"});
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.err.find("/nonexistent-dir/x.png"), std::string::npos);
  const auto dir = scratch("listing-dir");
  std::filesystem::create_directories(dir);
  EXPECT_EQ(RunKelvo({"render", "--values", dir.string()}).status, 3);
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
    EXPECT_EQ(RunKelvo(args).status, 0);
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.same[1]);
    const std::string sampled = listing(c.args, "sample-a.txt");
    EXPECT_FALSE(sampled.empty());
    EXPECT_EQ(sampled, listing(c.same, "sample-b.txt"));
  }
  const KelvoRun hidden = RunKelvo({"render", "--kind", "2", "--sample", "10"});
  EXPECT_EQ(hidden.status, 2);
  EXPECT_NE(hidden.err.find("--sample 10"), std::string::npos) << hidden.err;
}

TEST(Render, ExtremeSettingsStillFinish) {
  const struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      // An eye inside the axes box cannot see it: a usage error.
      {{"--axes", "-1e9,1e9,-1e9,1e9,-1e9,1e9"}, 2},
      {{"--axes", "-1e9,1e9,-1e9,1e9,-1e9,1e9", "--view", "30,80,1e10"}, 0},
      {{"--domain", "1e16,1e16+1,1e16,1e16+1", "--function", "1"}, 0},
      {{"--view", "30,0,0.5"}, 2},
      {{"--view", "30,0,10.001"}, 0}, // just above the top of the box
      {{"--view", "1e300,80,120"}, 0},
      {{"--curves", "80,80", "--domain", "0,0.02,0,0.02", "--function", "x*y"}, 0},
      // A 1 x 1 window has no room for a picture box: a usage error.
      {{"--window", "1x1"}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const auto png = scratch("extreme.png");
    std::vector<std::string> args = c.args;
    args.insert(args.begin(), "render");
    args.push_back("--out");
    args.push_back(png.string());
    const KelvoRun run = RunKelvo(args);
    EXPECT_EQ(run.status, c.status) << run.err;
  }
}

DecodedPicture readBack(const std::filesystem::path& path) {
  return ReadPictureFile(path.string(), pictureFormatOf(path.string()));
}

TEST(RenderFiles, EveryFormatHoldsThePictureBox) {
  for (const char* name : {"p.jpg", "p.JPEG", "p.gif", "p.Bmp", "p.png"}) {
    SCOPED_TRACE(name);
    const auto out = scratch(name);
    std::filesystem::remove(out);
    ASSERT_EQ(RunKelvo({"render", "--function", "x*y", "--out", out.string()}).status, 0);
    const DecodedPicture back =
        pictureFormatOf(name) == PictureFormat::Png
            ? DecodedPicture{QImage(QString::fromStdString(out.string())), {}}
            : readBack(out);
    ASSERT_TRUE(back.result.ok) << back.result.message;
    EXPECT_EQ(back.picture.size(), QSize(478, 388));
    // The z axis at x = 246 in the axes colour (fuchsia); GIF keeps it exactly, JPEG nearly.
    const QRgb axis = back.picture.pixel(246, 40);
    EXPECT_GT(qRed(axis), 200);
    EXPECT_LT(qGreen(axis), 60);
  }
}

TEST(RenderFiles, QualitySizeAndFullGraph) {
  std::vector<std::uintmax_t> sizes;
  for (const char* quality : {"80", "9*10", "100"}) {
    const auto out = scratch("q.jpg");
    ASSERT_EQ(RunKelvo({"render", "--function", "x*y", "--quality", quality, "--out", out.string()})
                  .status,
              0);
    sizes.push_back(std::filesystem::file_size(out));
  }
  EXPECT_LT(sizes[0], sizes[1]);
  EXPECT_LT(sizes[1], sizes[2]);
  struct Case {
    std::vector<std::string> options;
    QSize size;
  };
  const Case cases[] = {{{"--size", "60"}, {268, 219}},
                        {{"--size", "80"}, {366, 298}},
                        {{"--full"}, {566, 476}},
                        {{"--full", "--title", "T", "--size", "60"}, {356, 305}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options.back());
    const auto out = scratch("sized.bmp");
    std::vector<std::string> args = {"render", "--out", out.string()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    ASSERT_EQ(RunKelvo(args).status, 0);
    const DecodedPicture back = readBack(out);
    ASSERT_TRUE(back.result.ok);
    EXPECT_EQ(back.picture.width(), c.size.width());
    EXPECT_GE(back.picture.height(), c.size.height());
  }
}

TEST(RenderOpen, PictureUnderTheGraphOrExitFour) {
  const auto green = scratch("green.gif");
  QImage picture(10, 10, QImage::Format_RGB32);
  picture.fill(qRgb(0, 255, 0));
  ASSERT_TRUE(SavePicture(picture, green.string()).ok);
  const auto out = scratch("opened.bmp");
  ASSERT_EQ(RunKelvo({"render", "--open", green.string(), "--out", out.string()}).status, 0);
  const DecodedPicture back = readBack(out);
  ASSERT_TRUE(back.result.ok);
  // Stretched over the whole box; the bare axes are drawn over it.
  EXPECT_EQ(back.picture.pixel(2, 2), qRgb(0, 255, 0));
  EXPECT_EQ(back.picture.pixel(475, 385), qRgb(0, 255, 0));
  EXPECT_EQ(back.picture.pixel(246, 40), qRgb(255, 0, 255));
  const std::string bad[] = {
      std::string(KELVO_TEST_DATA) + "/malformed/huge.bmp", scratch("none.gif").string(),
      std::string(KELVO_TEST_DATA) + "/malformed/truncated.jpg", scratch("x.png").string()};
  for (const std::string& file : bad) {
    SCOPED_TRACE(file);
    const auto never = scratch("never.png");
    std::filesystem::remove(never);
    const KelvoRun run = RunKelvo({"render", "--open", file, "--out", never.string()});
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find(file), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(never));
  }
}

TEST(RenderWriting, FailedWritesExitThreeAndLeaveNothing) {
  const auto dir = scratch("limited");
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  KelvoStart limited;
  limited.folder = dir;
  limited.fileSizeLimit = 1024;
  limited.fileSizeSignalIgnored = true;
  const std::vector<std::string> render = {"render", "--function", "sin(x)*cos(y)"};
  auto with = [&](std::vector<std::string> args) {
    args.insert(args.begin(), render.begin(), render.end());
    return args;
  };
  EXPECT_EQ(RunKelvo(with({"--out", "a.png", "--values", "v.txt"}), limited).status, 3);
  EXPECT_EQ(RunKelvo(with({"--values", "v.txt"}), limited).status, 3);
  // Without the ignored signal the limit's signal would end the process; kelvo ignores it
  // itself.
  limited.fileSizeSignalIgnored = false;
  EXPECT_EQ(RunKelvo({"render", "--function", "x", "--out", "a.gif"}, limited).status, 3);
  EXPECT_TRUE(std::filesystem::is_empty(dir));
  KelvoStart full;
  full.standardOutput = "/dev/full";
  EXPECT_EQ(RunKelvo({"eval", "1"}, full).status, 3);
  EXPECT_EQ(RunKelvo({"--version"}, full).status, 3);
}

TEST(RenderWriting, NamedPipeAndDevicesAreWrittenInPlace) {
  const auto dir = scratch("special");
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const auto fifo = dir / "values";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // The pipe has its reader before kelvo starts, which counts the lines as kelvo writes them.
  const int readEnd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(readEnd, 0);
  long lines = -1;
  std::thread reader([&] {
    std::string text;
    pollfd ready{readEnd, POLLIN, 0};
    while (::poll(&ready, 1, 30000) > 0) {
      char buffer[4096];
      const ssize_t n = ::read(readEnd, buffer, sizeof buffer);
      if (n > 0) text.append(buffer, static_cast<std::size_t>(n));
      if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) break;
    }
    lines = std::count(text.begin(), text.end(), '\n');
  });
  const int status = RunKelvo({"render", "--values", fifo.string()}).status;
  reader.join();
  ::close(readEnd);
  ASSERT_EQ(status, 0);
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  EXPECT_EQ(lines, 256);
  EXPECT_EQ(RunKelvo({"render", "--values", "/dev/null"}).status, 0);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

} // namespace

namespace {

int gifFrames(const std::filesystem::path& path, int& delay) {
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  int frames = 0;
  for (auto at = text.find("\x21\xF9\x04"); at != std::string::npos;
       at = text.find("\x21\xF9\x04", at + 1)) {
    ++frames;
    delay = static_cast<unsigned char>(text[at + 4]);
  }
  return frames;
}

// --movie builds the movie after the picture and the listing are written, which it leaves as
// they were; the GIF has one frame per movie frame, shown for the movie delay.
TEST(RenderMovie, FramesDelayAndThePictureLeftAlone) {
  const auto gif = scratch("turn.gif"), png = scratch("m.png"), plain = scratch("p.png");
  const std::vector<std::string> torus = {
      "render", "--kind", "4",        "--x",  "(2-Cos(v))*Cos(u)", "--y", "(2-Cos(v))*Sin(u)",
      "--z",    "Sin(v)", "--curves", "10,10"};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = torus;
    args.insert(args.end(), extra.begin(), extra.end());
    return RunKelvo(args).status;
  };
  ASSERT_EQ(with({"--frames", "4*2", "--speed", "faster", "--movie", gif.string(), "--out",
                  png.string()}),
            0);
  int delay = 0;
  EXPECT_EQ(gifFrames(gif, delay), 8);
  EXPECT_EQ(delay, 15);
  ASSERT_EQ(with({"--out", plain.string()}), 0);
  EXPECT_EQ(QImage(QString::fromStdString(png.string())),
            QImage(QString::fromStdString(plain.string())));
  ASSERT_EQ(with({"--frames", "0", "--speed", "fastest", "--movie", gif.string()}), 0);
  EXPECT_EQ(gifFrames(gif, delay), 2);
  EXPECT_EQ(delay, 2);
}

TEST(RenderMovie, RefusalsAndAnUnwritableTarget) {
  const auto missing = scratch("no-such-folder") / "turn.gif";
  EXPECT_EQ(RunKelvo({"render", "--kind", "3", "--movie", scratch("c.gif").string()}).status, 2);
  EXPECT_EQ(RunKelvo({"render", "--movie", scratch("c.png").string()}).status, 2);
  EXPECT_EQ(RunKelvo({"render", "--speed", "warp"}).status, 2);
  EXPECT_EQ(RunKelvo({"render", "--frames", "x+", "--movie", scratch("c.gif").string()}).status, 2);
  const KelvoRun run = RunKelvo({"render", "--movie", missing.string()});
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
