// SPDX-License-Identifier: MIT
// kelvo render --view and --axes: an eye nearer than the picture plane draws the graph the
// right way up, and an eye too near the axes box to see all of it is refused.
#include "KelvoRun.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

std::filesystem::path scratch(const std::string& name) {
  return ScratchFile("kelvo-cli-view-test", name);
}

struct Place {
  int x = 0, y = 0;
};

// Where the drawing last wrote each axis letter: the drawing keeps the bare axes drawn before
// the graph, so the last of each is the one on show.
std::map<std::string, Place> lettersOf(const std::string& svg) {
  static const std::regex letter(R"re(<text x="(-?\d+)" y="(-?\d+)"[^>]*>([XYZ])</text>)re");
  std::map<std::string, Place> found;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), letter); it != std::sregex_iterator();
       ++it)
    found[(*it)[3]] = {std::stoi((*it)[1]), std::stoi((*it)[2])};
  return found;
}

// The plane z = 10 at the top of the box, seen from above: its shaded red cells lie in the top
// third of the picture, none in the bottom third. Below the picture plane's distance (120)
// the picture once came out turned half round, the letters X and Y swapped and the plane at
// the bottom, and at 120 everything fell into one corner.
TEST(RenderView, NearEyesDrawTheGraphTheRightWayUp) {
  for (const char* rho : {"60", "119", "120", "200"}) {
    SCOPED_TRACE(rho);
    const auto png = scratch("near.png"), svg = scratch("near.svg");
    const std::vector<std::string> graph = {"--function", "10", "--view",
                                            std::string("30,60,") + rho};
    std::vector<std::string> picture = graph, drawing = graph;
    picture.insert(picture.end(), {"--out", png.string()});
    drawing.insert(drawing.end(), {"--out", svg.string()});
    ASSERT_EQ(RunKelvoRender(picture).status, 0);
    ASSERT_EQ(RunKelvoRender(drawing).status, 0);

    // The letter Z stands 12 pixels left of the z axis, which runs through the origin.
    const auto letters = lettersOf(BytesOf(svg));
    ASSERT_EQ(letters.size(), 3u);
    const int originX = letters.at("Z").x + 12;
    EXPECT_LT(letters.at("X").x, originX - 40);
    EXPECT_GT(letters.at("Y").x, originX + 40);
    EXPECT_LT(letters.at("Z").y, letters.at("X").y - 100);

    const QImage image(QString::fromStdString(png.string()));
    ASSERT_FALSE(image.isNull());
    int top = 0, bottom = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() < 100 || c.green() > 100 || c.blue() > 100) continue;
        if (3 * y < image.height()) ++top;
        if (3 * y >= 2 * image.height()) ++bottom;
      }
    }
    EXPECT_GT(top, 1000);
    EXPECT_EQ(bottom, 0);
  }
}

// The window keeps the old setting with a message; the command line refuses the option with
// exit status 2, a message naming the eye, and writes nothing.
TEST(RenderView, AnEyeTooNearTheAxesBoxIsAUsageError) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::vector<std::string> said;
  } cases[] = {
      {{"--view", "30,80,2"}, 2, {"--view: ", "Rho = 2 ", "inside the axes box"}},
      {{"--view", "30,0,10"}, 2, {"--view: ", "Phi = 0, Rho = 10 "}}, // the top at depth 0
      {{"--view", "30,0,10.5"}, 0, {}},
      {{"--view", "30,80,5.78"}, 0, {}},
      {{"--axes", "-300,300,-300,300,-10,10"}, 2, {"--axes: ", "Rho = 200 ", "--view"}},
      // A view given as well is where the eye stands.
      {{"--axes", "-300,300,-300,300,-10,10", "--view", "30,80,1000"}, 0, {}},
      {{"--axes", "-300,300,-300,300,-10,10", "--view", "30,80,400"},
       2,
       {"--view: ", "Rho = 400 "}},
      // The movie turns the eye: from Theta 52.5 on Rho 5.8 is too near.
      {{"--view", "30,80,5.8", "--movie", "movie.gif"},
       2,
       {"--movie: ", "Theta = 52.5", "Rho = 5.8 "}},
      {{"--view", "30,80,5.8", "--frames", "2", "--movie", "movie.gif"}, 0, {}},
      // The sweep keeps the eye where the view put it.
      {{"--view", "30,80,5.8", "--sweep", "a=0,1", "--frames", "2", "--movie", "movie.gif"}, 0, {}},
  };
  for (const auto& c : cases) {
    std::string line;
    for (const std::string& a : c.args) line += a + " ";
    SCOPED_TRACE(line);
    const auto png = scratch("refused.png"), gif = scratch("movie.gif");
    std::vector<std::string> args = c.args;
    for (std::string& a : args)
      if (a == "movie.gif") a = gif.string();
    args.insert(args.end(), {"--out", png.string()});
    const KelvoRun run = RunKelvoRender(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    for (const std::string& part : c.said) {
      EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
    }
    // A refused command line draws and writes nothing.
    EXPECT_EQ(std::filesystem::exists(png), c.status == 0);
    if (c.status != 0) {
      EXPECT_FALSE(std::filesystem::exists(gif));
    }
  }
}

// As Fit Axes to Graph in the window, a fitted box the eye would not see whole is refused and
// the axes are kept: the picture is that of the graph in the old box.
TEST(RenderView, AFittedBoxAroundTheEyeKeepsTheAxes) {
  const auto fitted = scratch("fit-refused.png"), plain = scratch("fit-plain.png");
  const std::vector<std::string> graph = {"--function", "100*x", "--view", "30,80,20"};
  std::vector<std::string> fit = graph, kept = graph;
  fit.insert(fit.end(), {"--fit", "--out", fitted.string()});
  kept.insert(kept.end(), {"--out", plain.string()});
  const KelvoRun run = RunKelvoRender(fit);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("--fit: "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Rho = 20 "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("the axes are kept"), std::string::npos) << run.err;
  EXPECT_EQ(RunKelvoRender(kept).status, 0);
  EXPECT_EQ(BytesOf(fitted), BytesOf(plain));
}

} // namespace
