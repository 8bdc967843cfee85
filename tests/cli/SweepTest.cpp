// SPDX-License-Identifier: MIT
// kelvo render --sweep: the movie in which a parameter steps while the eye stays still.
#include "KelvoRun.h"

#include "io/Gif.h"
#include "io/PictureFiles.h"
#include "tests/GifFrames.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

std::vector<unsigned char> bytesOf(const std::filesystem::path& path) {
  const std::string text = BytesOf(path);
  return {text.begin(), text.end()};
}

// Every frame of the sweep is, pixel for pixel, the GIF picture --params draws with the frame's
// value: FROM + (TO - FROM)(k - 1)/(N - 1).
TEST(Sweep, EachFrameIsThePictureOfItsValue) {
  const auto folder = ScratchFolder("kelvo-cli-sweep");
  const std::vector<std::string> graph = {"render", "--function", "a*x^2-y^2+b", "--params",
                                          "0,0.5",  "--curves",   "12,12"};
  std::vector<std::string> sweep = graph;
  for (const char* extra : {"--sweep", "a=-1,2*1", "--frames", "4", "--movie"})
    sweep.push_back(extra);
  sweep.push_back((folder / "sweep.gif").string());
  const KelvoRun run = RunKelvo(sweep);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<QImage> frames = playedFrames(bytesOf(folder / "sweep.gif"));
  ASSERT_EQ(frames.size(), 4u);
  const char* const values[] = {"-1", "0", "1", "2"};
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(values[k]);
    std::vector<std::string> still = graph;
    still[4] = std::string(values[k]) + ",0.5";
    const auto out = folder / ("still" + std::to_string(k) + ".gif");
    still.push_back("--out");
    still.push_back(out.string());
    ASSERT_EQ(RunKelvo(still).status, 0);
    const std::vector<unsigned char> bytes = bytesOf(out);
    const DecodedPicture picture = DecodeGif(bytes.data(), bytes.size());
    ASSERT_TRUE(picture.result.ok);
    EXPECT_EQ(frames[static_cast<std::size_t>(k)], picture.picture);
  }
  // The frames differ: the parameter does change the picture.
  EXPECT_NE(frames[0], frames[3]);
}

TEST(Sweep, UsageErrors) {
  const auto folder = ScratchFolder("kelvo-cli-sweep-errors");
  const std::string movie = (folder / "m.gif").string();
  const struct {
    std::vector<std::string> args;
    const char* words;
  } cases[] = {
      {{"--sweep", "g=1,2", "--movie", movie}, "parameter a to f"},
      {{"--sweep", "ab=1,2", "--movie", movie}, "parameter a to f"},
      {{"--sweep", "1,2", "--movie", movie}, "parameter a to f"},
      {{"--sweep", "a=1", "--movie", movie}, "two values"},
      {{"--sweep", "a=1,2,3", "--movie", movie}, "two values"},
      {{"--sweep", "a=1,zz", "--movie", movie}, "cannot read the value 'zz'"},
      {{"--sweep", "a=0,1"}, "needs --movie"},
      {{"--kind", "3", "--sweep", "a=0,1", "--movie", movie}, "--sweep"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1]);
    std::vector<std::string> args = {"render"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const KelvoRun run = RunKelvo(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.words), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(movie));
}

} // namespace
