// SPDX-License-Identifier: MIT
// The one line that tells, on a terminal, how far a long `kelvo render` has come.
#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <streambuf>
#include <string>
#include <thread>

// Whether a render should show its progress: only when standard error is a terminal, and not
// when the picture or the listing goes to a terminal on standard output, which the line would
// break up. Scripts, whose error output is a file or a pipe, never see it.
bool ProgressWanted(bool writesStandardOutput);

// Once the work has taken ShowAfter, one line on standard error names what is being done and
// the seconds so far, rewritten in place; it is cleared when the work ends. Any message written
// to std::cerr meanwhile clears it first and stands on a line of its own.
class RenderProgress {
public:
  static constexpr std::chrono::milliseconds ShowAfter{1000};
  static constexpr std::chrono::milliseconds Interval{250};

  // Shows nothing at all unless shown.
  explicit RenderProgress(bool shown);
  ~RenderProgress();
  RenderProgress(const RenderProgress&) = delete;
  RenderProgress& operator=(const RenderProgress&) = delete;

  // What the line says is being done: "drawing", "movie frame 3 of 32", ...
  void stage(std::string what);

private:
  class ErrorBuffer;

  void run();
  // Both with m_mutex held.
  void drawLine();
  void eraseLine();

  std::mutex m_mutex;
  std::condition_variable m_wake;
  bool m_stopping = false;
  std::string m_stage = "drawing";
  // The characters the line covers now; 0 when it is not on the screen.
  std::size_t m_shownWidth = 0;
  // A message is being written and has not ended its line yet.
  bool m_inMessage = false;
  std::chrono::steady_clock::time_point m_start;
  std::unique_ptr<ErrorBuffer> m_errorBuffer;
  std::streambuf* m_previousErrorBuffer = nullptr;
  std::thread m_thread;
};
