// SPDX-License-Identifier: MIT
// A long render tells how far it has come on a terminal's error output, in one line that it
// rewrites and clears, and says nothing new anywhere else.
#include "KelvoRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// What an 80-column terminal shows after the bytes: the finished lines, and the line the
// cursor is on last. A carriage return goes back to the start of the line, and a new line
// (which the terminal gets as "\r\n") ends it.
struct Screen {
  std::vector<std::string> lines;
  std::string current;
  // Every text the current line held just before it was overwritten from its start.
  std::vector<std::string> overwritten;
};

Screen screenOf(const std::string& bytes) {
  Screen screen;
  std::size_t column = 0;
  for (const char c : bytes) {
    if (c == '\r') {
      column = 0;
      screen.overwritten.push_back(screen.current);
    } else if (c == '\n') {
      screen.lines.push_back(screen.current);
      screen.current.clear();
      column = 0;
    } else {
      if (column < screen.current.size())
        screen.current[column] = c;
      else
        screen.current += c;
      ++column;
    }
  }
  return screen;
}

bool blank(const std::string& line) {
  return line.find_first_not_of(' ') == std::string::npos;
}

// Feeds a picture into a named pipe slowly: the render that opens it takes well over the second
// after which the progress line appears, however fast the machine is.
class SlowPicture {
public:
  SlowPicture(const fs::path& pipe, std::string bytes) : m_pipe(pipe) {
    ::mkfifo(pipe.c_str(), 0600);
    m_writer = std::thread([this, bytes = std::move(bytes)] { feed(bytes); });
  }
  ~SlowPicture() { m_writer.join(); }

private:
  void feed(const std::string& bytes) {
    // Only once kelvo has the pipe open for reading; a kelvo that never opens it frees the
    // writer after a while.
    int fd = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while ((fd = ::open(m_pipe.c_str(), O_WRONLY | O_NONBLOCK)) < 0 &&
           std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (fd < 0) return;
    ::fcntl(fd, F_SETFL, 0);
    constexpr int Pieces = 5;
    const std::size_t piece = bytes.size() / Pieces + 1;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
      if (at > 0) std::this_thread::sleep_for(std::chrono::milliseconds(400));
      const std::size_t count = std::min(piece, bytes.size() - at);
      if (::write(fd, bytes.data() + at, count) != static_cast<ssize_t>(count)) break;
    }
    ::close(fd);
  }

  fs::path m_pipe;
  std::thread m_writer;
};

class Progress : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    s_folder = ScratchFolder("kelvo-progress");
    ASSERT_EQ(
        RunKelvo({"render", "--window", "200x150", "--out", (s_folder / "p.bmp").string()}).status,
        0);
    s_picture = BytesOf(s_folder / "p.bmp");
    ASSERT_FALSE(s_picture.empty());
  }

  // A render that draws over the slowly fed picture, with the other arguments.
  KelvoRun slowRender(const std::string& name, const std::vector<std::string>& more,
                      bool terminal) {
    const fs::path pipe = s_folder / (name + ".bmp");
    KelvoStart start;
    start.errorOnTerminal = terminal;
    std::vector<std::string> args = {"render", "--open", pipe.string()};
    args.insert(args.end(), more.begin(), more.end());
    SlowPicture feeder(pipe, s_picture);
    return RunKelvo(args, start);
  }

  static fs::path s_folder;
  static std::string s_picture;
};

fs::path Progress::s_folder;
std::string Progress::s_picture;

TEST_F(Progress, ALongRenderOnATerminalRewritesOneLineAndClearsIt) {
  const KelvoRun run =
      slowRender("terminal", {"--out", (s_folder / "terminal.png").string()}, true);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(s_folder / "terminal.png"));
  const Screen screen = screenOf(run.err);
  // Never a line of its own: the line is rewritten in place and cleared at the end.
  EXPECT_TRUE(screen.lines.empty()) << run.err;
  EXPECT_TRUE(blank(screen.current)) << run.err;
  bool shown = false;
  for (const std::string& line : screen.overwritten) {
    if (blank(line)) continue;
    shown = true;
    EXPECT_EQ(line.rfind("kelvo render: ", 0), 0u) << line;
    EXPECT_LT(line.size(), 80u) << "a line as wide as the terminal would wrap";
  }
  EXPECT_TRUE(shown) << "the render took over a second and said nothing: " << run.err;
}

TEST_F(Progress, TheSameRenderWithErrorsToAPipeSaysNothing) {
  const KelvoRun run = slowRender("pipe", {"--out", (s_folder / "pipe.png").string()}, false);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
}

TEST_F(Progress, AMessageClearsTheLineAndStandsOnALineOfItsOwn) {
  const std::string target = (s_folder / "no-such-folder" / "x.png").string();
  const KelvoRun run = slowRender("message", {"--out", target}, true);
  ASSERT_EQ(run.status, 3) << run.err;
  const Screen screen = screenOf(run.err);
  ASSERT_EQ(screen.lines.size(), 1u) << run.err;
  // Whatever the progress line held before, the message's line holds only the message.
  EXPECT_EQ(screen.lines[0].rfind("kelvo: cannot write '" + target + "': ", 0), 0u)
      << screen.lines[0];
  EXPECT_EQ(screen.lines[0].find("kelvo render: "), std::string::npos) << screen.lines[0];
  EXPECT_TRUE(blank(screen.current)) << run.err;
}

TEST_F(Progress, AQuickRenderOnATerminalSaysNothing) {
  KelvoStart start;
  start.errorOnTerminal = true;
  const auto begun = std::chrono::steady_clock::now();
  const KelvoRun run = RunKelvo({"render", "--out", (s_folder / "quick.png").string()}, start);
  const auto took = std::chrono::steady_clock::now() - begun;
  ASSERT_EQ(run.status, 0) << run.err;
  // On a machine so busy that even this takes most of a second the line may rightly appear.
  if (took > std::chrono::milliseconds(800)) GTEST_SKIP() << "the quick render was not quick";
  EXPECT_EQ(run.err, "");
}

} // namespace
