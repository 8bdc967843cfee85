// SPDX-License-Identifier: MIT
// Starting the desktop program where no display can be reached.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct Started {
  int status = -1;
  std::string output;
};

Started startWindow(const std::string& environment) {
  const std::string command = "env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY " + environment +
                              " timeout 20 '" + KELVO_BINARY + "' 2>&1";
  Started run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[512];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(WindowStart, WithoutADisplayOneLineSaysSoAndTheExitStatusIsOne) {
  for (const char* environment : {"-u DISPLAY", "DISPLAY=:9876"}) {
    SCOPED_TRACE(environment);
    const Started run = startWindow(environment);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("no display"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("kelvo render"), std::string::npos);
    EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << run.output;
  }
}

} // namespace
