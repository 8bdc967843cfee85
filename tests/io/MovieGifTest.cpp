// SPDX-License-Identifier: MIT
// The movie as an animated GIF: written while the movie is built, on the writer's own thread,
// it is byte for byte the file saved afterwards from the stored frames.
#include "io/MovieGif.h"

#include "graph/Samples.h"
#include "render/Movie.h"
#include "render/Program.h"
#include "render/Sequences.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::string bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Case {
  const char* name;
  char kind;
  const char* x;
  const char* y;
  const char* z;
  int curves, frames;
};

TEST(MovieGif, WrittenDuringTheBuildEqualsSavedAfterIt) {
  const Case cases[] = {
      {"torus", '4', "(2-cos(v))*cos(u)", "(2-cos(v))*sin(u)", "sin(v)", 12, 8},
      {"saddle", '1', "", "", "x*x-y*y", 9, 5},
      {"half fails", '1', "", "", "sqrt(x)", 6, 3},
      {"one frame", '2', "", "", "r*cos(t)", 7, 1},
  };
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Program p;
    ChooseGraphKind(p, c.kind);
    ShowMainWindowPicture(p);
    GraphState& g = p.graph;
    g.FunctionText = g.FunctionTextZ = c.z;
    g.FunctionTextX = c.x;
    g.FunctionTextY = c.y;
    g.XCurves = g.YCurves = c.curves;
    g.MovieFrameCount = c.frames;
    DrawSequencePicture(p);
    const std::string streamed = folder.filePath("streamed.gif").toStdString();
    const std::string saved = folder.filePath("saved.gif").toStdString();
    {
      MovieGifStream stream(p);
      BuildMovieFrames(p, [&](int slot) { stream.add(p.FrameStore[slot]); });
      ASSERT_TRUE(stream.finish(streamed).ok);
    }
    ASSERT_TRUE(SaveMovieGif(p, saved).ok);
    const std::string a = bytesOf(streamed), b = bytesOf(saved);
    EXPECT_GT(a.size(), 100u);
    EXPECT_TRUE(a == b);
  }
}

// A stream dropped unfinished writes nothing; one without a picture reports it.
TEST(MovieGif, UnfinishedOrEmptyStreamsWriteNothing) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("never.gif").toStdString();
  Program p;
  ChooseGraphKind(p, '1');
  ShowMainWindowPicture(p);
  p.graph.FunctionText = "x+y";
  DrawSequencePicture(p);
  p.graph.MovieFrameCount = 2;
  {
    MovieGifStream stream(p);
    BuildMovieFrames(p, [&](int slot) { stream.add(p.FrameStore[slot]); });
  }
  EXPECT_FALSE(std::ifstream(path).good());
  Program blank;
  MovieGifStream stream(blank);
  const FileResult r = stream.finish(path);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "the picture is empty");
  EXPECT_FALSE(std::ifstream(path).good());
}

} // namespace
