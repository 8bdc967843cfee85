// SPDX-License-Identifier: MIT
// The progress line of a long render: a thread that rewrites it, and the error stream's buffer
// that clears it before a message.
#include "app/CliProgress.h"

#include <algorithm>
#include <cerrno>
#include <iostream>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

void writeAll(const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(STDERR_FILENO, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    // A terminal that cannot take the line is no reason to stop the work.
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

// A line as long as the terminal is wide would wrap, and a carriage return would then go back
// to the start of its second row only.
std::size_t usableColumns() {
  winsize size{};
  const std::size_t columns =
      ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
  return columns - 1;
}

// Cuts text after count characters, counting a UTF-8 sequence as one; returns the characters
// kept.
std::size_t cutToCharacters(std::string& text, std::size_t count) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (characters == count) {
      text.resize(i);
      return characters;
    }
    ++characters;
  }
  return characters;
}

} // namespace

bool ProgressWanted(bool writesStandardOutput) {
  return ::isatty(STDERR_FILENO) == 1 && !(writesStandardOutput && ::isatty(STDOUT_FILENO) == 1);
}

// In place of std::cerr's buffer while the line may be shown: every message clears the line
// and holds it back until the message's line is complete.
class RenderProgress::ErrorBuffer : public std::streambuf {
public:
  ErrorBuffer(RenderProgress& owner, std::streambuf* target) : m_owner(owner), m_target(target) {}

protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char character = traits_type::to_char_type(c);
    return xsputn(&character, 1) == 1 ? c : traits_type::eof();
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    const std::lock_guard<std::mutex> lock(m_owner.m_mutex);
    m_owner.eraseLine();
    const std::streamsize written = m_target->sputn(text, count);
    if (count > 0) m_owner.m_inMessage = text[count - 1] != '\n';
    return written;
  }
  int sync() override { return m_target->pubsync(); }

private:
  RenderProgress& m_owner;
  std::streambuf* m_target;
};

RenderProgress::RenderProgress(bool shown) {
  if (!shown) return;
  m_start = std::chrono::steady_clock::now();
  m_errorBuffer = std::make_unique<ErrorBuffer>(*this, std::cerr.rdbuf());
  m_previousErrorBuffer = std::cerr.rdbuf(m_errorBuffer.get());
  m_thread = std::thread(&RenderProgress::run, this);
}

RenderProgress::~RenderProgress() {
  if (!m_thread.joinable()) return;
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_stopping = true;
  }
  m_wake.notify_all();
  m_thread.join();
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    eraseLine();
  }
  std::cerr.rdbuf(m_previousErrorBuffer);
}

void RenderProgress::stage(std::string what) {
  if (!m_thread.joinable()) return;
  const std::lock_guard<std::mutex> lock(m_mutex);
  m_stage = std::move(what);
}

void RenderProgress::run() {
  std::unique_lock<std::mutex> lock(m_mutex);
  const auto stopping = [this] { return m_stopping; };
  if (m_wake.wait_until(lock, m_start + ShowAfter, stopping)) return;
  while (!m_stopping) {
    if (!m_inMessage) drawLine();
    m_wake.wait_for(lock, Interval, stopping);
  }
}

void RenderProgress::drawLine() {
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - m_start)
          .count();
  std::string line = "kelvo render: " + m_stage + " (" + std::to_string(seconds) + " s)";
  const std::size_t width = cutToCharacters(line, usableColumns());
  // The rest of a longer line before it is overwritten with spaces.
  if (width < m_shownWidth) line += std::string(m_shownWidth - width, ' ');
  writeAll("\r" + line);
  m_shownWidth = std::max(width, m_shownWidth);
}

void RenderProgress::eraseLine() {
  if (m_shownWidth == 0) return;
  writeAll("\r" + std::string(m_shownWidth, ' ') + "\r");
  m_shownWidth = 0;
}
