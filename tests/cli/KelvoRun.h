// SPDX-License-Identifier: MIT
// Runs the built kelvo executable, as every command-line test does, and keeps what it said.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct KelvoRun {
  int status = -1; // the exit status; -1 when the process ended by a signal or ran out of time
  int signal = 0;  // the signal that ended the process, 0 when it exited
  std::string out, err;
};

// How the process is started. By default it has no DISPLAY, the test's environment otherwise,
// standard input from /dev/null, and both output streams captured.
struct KelvoStart {
  // Variables set to a value, or removed where the value is nullopt.
  std::vector<std::pair<std::string, std::optional<std::string>>> environment;
  std::filesystem::path folder;         // the working folder; empty: the test's
  std::filesystem::path standardOutput; // a file standard output is opened on instead
  long long fileSizeLimit = -1;         // bytes, as `ulimit -f` sets it; -1: no limit
  bool fileSizeSignalIgnored = false;   // as after `trap '' XFSZ`
  bool unprivileged = false;            // run as nobody when the tests run as root
  bool errorOnTerminal = false;         // standard error on a terminal (80 columns) that is read
  int seconds = 60;                     // then the process is killed
  int signal = 0; // sent to the process signalAfter after its start, when not 0
  std::chrono::milliseconds signalAfter{0};
};

KelvoRun RunKelvo(const std::vector<std::string>& args, const KelvoStart& start = {});

// `kelvo render` with the options.
KelvoRun RunKelvoRender(std::vector<std::string> args, const KelvoStart& start = {});

// A folder removed with everything in it when the test program ends.
struct RemovedAtExit {
  explicit RemovedAtExit(std::filesystem::path folder) : path(std::move(folder)) {}
  RemovedAtExit(RemovedAtExit&& other) noexcept : path(std::move(other.path)) {
    other.path.clear();
  }
  RemovedAtExit(const RemovedAtExit&) = delete;
  ~RemovedAtExit() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
  }
  std::filesystem::path path;
};

// A fresh, empty folder of the system's temporary folder for one test program's files.
std::filesystem::path ScratchFolder(const std::string& name);

// A file of the scratch folder of that name, made on the first call for it: nothing is at the
// path, whatever an earlier case left there.
std::filesystem::path ScratchFile(const std::string& folder, const std::string& name);

// A file's bytes; empty when it cannot be read.
std::string BytesOf(const std::filesystem::path& path);
