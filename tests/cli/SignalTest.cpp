// SPDX-License-Identifier: MIT
// A kelvo process ended by a signal while it writes a large listing leaves the target whole (old
// or new) and nothing beside it.
#include "KelvoRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

TEST(Signals, NoTemporaryFileIsLeftBesideTheTarget) {
  const auto dir = fs::temp_directory_path() / "kelvo-cli-signals";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const auto target = dir / "listing.txt";
  // 200,001 points of 44 bytes a line.
  const std::uintmax_t fullSize = 200001u * 44u;
  const std::vector<std::string> args = {"render",
                                         "--kind",
                                         "3",
                                         "--x",
                                         "t",
                                         "--y",
                                         "Sin(t)",
                                         "--z",
                                         "Cos(t)",
                                         "--axes",
                                         "-3,3,-3,3,-3,3",
                                         "--domain",
                                         "0,20000",
                                         "--step",
                                         "0.1",
                                         "--values",
                                         target.string()};
  const int signals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGKILL};
  int killed = 0;
  for (int round = 0; round < 10; ++round) {
    const int signal = signals[round % 5];
    SCOPED_TRACE("signal " + std::to_string(signal) + " in round " + std::to_string(round));
    std::ofstream(target) << "old";
    KelvoStart start;
    start.signal = signal;
    start.signalAfter = std::chrono::milliseconds(30 + 60 * round);
    killed += RunKelvo(args, start).signal != 0;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
    EXPECT_EQ(names, std::vector<std::string>{"listing.txt"});
    const std::uintmax_t size = fs::file_size(target);
    EXPECT_TRUE(size == 3 || size == fullSize) << size;
  }
  // Most rounds end the process before it finishes; the test means nothing otherwise.
  EXPECT_GE(killed, 5);
}

} // namespace
