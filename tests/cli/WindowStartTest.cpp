// SPDX-License-Identifier: MIT
// Starting the desktop program where no display can be reached.
#include "KelvoRun.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(WindowStart, WithoutADisplayOneLineSaysSoAndTheExitStatusIsOne) {
  const std::optional<std::string> displays[] = {std::nullopt, ":9876"};
  for (const auto& display : displays) {
    SCOPED_TRACE(display.value_or("no DISPLAY"));
    KelvoStart start;
    start.environment = {
        {"QT_QPA_PLATFORM", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}, {"DISPLAY", display}};
    start.seconds = 20;
    const KelvoRun run = RunKelvo({}, start);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no display"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("kelvo render"), std::string::npos);
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

} // namespace
