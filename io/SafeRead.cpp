// SPDX-License-Identifier: MIT
// Whole-file reads that refuse folders and oversized files before reading and give up on a
// silent pipe.
#include "io/SafeRead.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileResult systemFailure(int error) {
  return Failed(std::strerror(error));
}

// Reads until the end, bounded in size; waits on nothing when the file is regular.
class BoundedReader {
public:
  BoundedReader(int fd, bool waits, std::size_t maxBytes, std::vector<unsigned char>& bytes,
                const std::string& tooLarge)
      : m_fd(fd), m_waits(waits), m_maxBytes(maxBytes), m_bytes(bytes), m_tooLarge(tooLarge) {}

  FileResult run() {
    unsigned char chunk[65536];
    for (;;) {
      if (m_waits) {
        const FileResult ready = waitForData();
        if (!ready.ok) return ready;
      }
      const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      if (n < 0) return systemFailure(errno);
      if (n == 0) return {};
      if (m_bytes.size() + static_cast<std::size_t>(n) > m_maxBytes) return Failed(m_tooLarge);
      m_bytes.insert(m_bytes.end(), chunk, chunk + n);
    }
  }

private:
  // A pipe nobody writes into, or whose writer stalls, would keep the reader for ever.
  FileResult waitForData() {
    const int limit = m_bytes.empty() ? PipeFirstDataMilliseconds : PipeSilenceMilliseconds;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit);
    for (;;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      pollfd wait{m_fd, POLLIN, 0};
      const int ready = left.count() > 0 ? ::poll(&wait, 1, static_cast<int>(left.count())) : 0;
      if (ready < 0 && errno == EINTR) continue;
      if (ready < 0) return systemFailure(errno);
      if (ready > 0) return {};
      return Failed(m_bytes.empty()
                        ? "nothing was written into the pipe within " +
                              seconds(PipeFirstDataMilliseconds)
                        : "the pipe stayed silent for " + seconds(PipeSilenceMilliseconds));
    }
  }

  static std::string seconds(int milliseconds) {
    const int whole = milliseconds / 1000, tenths = milliseconds % 1000 / 100;
    return std::to_string(whole) + (tenths ? "." + std::to_string(tenths) : "") +
           (milliseconds == 1000 ? " second" : " seconds");
  }

  int m_fd;
  bool m_waits;
  std::size_t m_maxBytes;
  std::vector<unsigned char>& m_bytes;
  const std::string& m_tooLarge;
};

} // namespace

FileResult ReadFileSafely(const std::string& path, std::size_t maxBytes,
                          std::vector<unsigned char>& bytes, const std::string& tooLarge) {
  bytes.clear();
  if (path.empty()) return Failed("no file name was given");
  // Opening a named pipe for reading would wait for a writer; without waiting, the reads below
  // wait at most their stated times.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return systemFailure(errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    const int error = errno;
    ::close(fd);
    return systemFailure(error);
  }
  FileResult result;
  if (S_ISDIR(info.st_mode)) {
    result = systemFailure(EISDIR);
  } else if (S_ISREG(info.st_mode) && static_cast<unsigned long long>(info.st_size) > maxBytes) {
    result = Failed(tooLarge);
  } else {
    if (S_ISREG(info.st_mode)) bytes.reserve(static_cast<std::size_t>(info.st_size));
    result = BoundedReader(fd, !S_ISREG(info.st_mode), maxBytes, bytes, tooLarge).run();
  }
  ::close(fd);
  if (!result.ok) bytes.clear();
  return result;
}
