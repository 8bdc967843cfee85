// SPDX-License-Identifier: MIT
// Whole-file writes through an unnamed (or else a temporary) file and a rename, checking every
// write, the flush to the disk and the close.
#include "io/SafeWrite.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <pthread.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

FileResult systemFailure(int error) {
  return Failed(std::strerror(error));
}

// The names of the temporary files being written, for the signal handler to remove. Plain
// arrays and lock-free flags: the handler may use nothing else.
struct PendingName {
  std::atomic<bool> used{false};
  char name[PATH_MAX] = {};
};
PendingName g_pending[16];
std::mutex g_pendingLock;
constexpr int CleanedSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

void removePendingAndDie(int signal) {
  for (PendingName& pending : g_pending)
    if (pending.used.load()) ::unlink(pending.name);
  // The handler was reset on entry, so the signal now ends the process as it would have.
  ::raise(signal);
}

// Only signals still at their default are taken over: one that the caller ignores (nohup) or
// handles stays as it is.
void installCleanup() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int signal : CleanedSignals) {
      struct sigaction old {};
      if (::sigaction(signal, nullptr, &old) != 0 || old.sa_handler != SIG_DFL) continue;
      struct sigaction action {};
      action.sa_handler = removePendingAndDie;
      action.sa_flags = SA_RESETHAND | SA_NODEFER;
      sigemptyset(&action.sa_mask);
      ::sigaction(signal, &action, nullptr);
    }
  });
}

// Holds a temporary file's name for the signal handler while it exists.
class PendingTemporary {
public:
  explicit PendingTemporary(const std::string& name) {
    if (name.size() >= PATH_MAX) return;
    std::lock_guard<std::mutex> lock(g_pendingLock);
    for (PendingName& pending : g_pending) {
      if (pending.used.load()) continue;
      std::memcpy(pending.name, name.c_str(), name.size() + 1);
      pending.used.store(true);
      m_slot = &pending;
      return;
    }
  }
  ~PendingTemporary() {
    if (m_slot) m_slot->used.store(false);
  }
  PendingTemporary(const PendingTemporary&) = delete;
  PendingTemporary& operator=(const PendingTemporary&) = delete;

private:
  PendingName* m_slot = nullptr;
};

// A write past the file size limit or into a pipe whose reader left would end the process by
// SIGXFSZ or SIGPIPE; held back for the write, the write fails with EFBIG or EPIPE instead, and
// the signal it raised is taken back before the mask is restored.
class QuietWriteSignals {
public:
  QuietWriteSignals() {
    sigemptyset(&m_set);
    sigaddset(&m_set, SIGPIPE);
    sigaddset(&m_set, SIGXFSZ);
    pthread_sigmask(SIG_BLOCK, &m_set, &m_old);
  }
  ~QuietWriteSignals() {
    sigset_t ours;
    sigemptyset(&ours);
    for (int signal : {SIGPIPE, SIGXFSZ})
      if (!sigismember(&m_old, signal)) sigaddset(&ours, signal);
    const timespec now{0, 0};
    while (::sigtimedwait(&ours, nullptr, &now) > 0) {}
    pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
  }
  QuietWriteSignals(const QuietWriteSignals&) = delete;
  QuietWriteSignals& operator=(const QuietWriteSignals&) = delete;

private:
  sigset_t m_set{}, m_old{};
};

// Every byte, however the system splits the writes; the reason of the first failure.
int writeAll(int fd, std::string_view bytes) {
  QuietWriteSignals quiet;
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

int closeChecked(int fd, int error) {
  if (::close(fd) != 0 && error == 0 && errno != EINTR) return errno;
  return error;
}

// A pipe opened for writing waits for a reader; without one, opening it without waiting fails.
// A reader that a script starts beside the program gets a moment to open its end.
int openPipeForWriting(const std::string& path) {
  for (int attempt = 0;; ++attempt) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
      return fd;
    }
    if (errno != ENXIO || attempt == 20) return -1;
    ::usleep(10 * 1000);
  }
}

FileResult writeInPlace(const std::string& path, std::string_view bytes, bool pipe) {
  const int fd = pipe ? openPipeForWriting(path) : ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0 && pipe && errno == ENXIO) return Failed("the named pipe has no reader");
  if (fd < 0) return systemFailure(errno);
  const int error = closeChecked(fd, writeAll(fd, bytes));
  return error ? systemFailure(error) : FileResult{};
}

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A name beside the target that no other writer of this process uses.
std::string temporaryName(const std::string& folder) {
  static std::atomic<unsigned> serial{0};
  return folder + "/.kelvo-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".tmp";
}

// A new file beside the target that no other writer uses; -1 and errno when there is none.
int createTemporary(const std::string& folder, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = temporaryName(folder);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// The bytes in an open file, on the disk; the reason of the first failure.
int fill(int fd, std::string_view bytes, const struct stat* old) {
  // The replacement keeps the permissions of the file it replaces.
  if (old) ::fchmod(fd, old->st_mode & 07777);
  int error = writeAll(fd, bytes);
  if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
  return error;
}

// Through a named temporary file, removed again on failure or a signal.
FileResult replaceByNamedFile(const std::string& path, std::string_view bytes,
                              const struct stat* old) {
  std::string temporary;
  const std::string folder = folderOf(path);
  const int fd = createTemporary(folder, temporary);
  if (fd < 0) {
    const int error = errno;
    if (error == EACCES || error == EPERM || error == EROFS)
      return Failed(
          "the folder '" + folder + "' cannot be written to (" + std::strerror(error) +
          (old ? "); the file itself could be, but it is replaced through a new one" : ")"));
    return systemFailure(error);
  }
  PendingTemporary pending(temporary);
  int error = closeChecked(fd, fill(fd, bytes, old));
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return systemFailure(error);
  }
  return {};
}

// Through a file without a name, which nothing can leave behind: it gets a name only when it
// is complete, the target's own when there is no target yet. False when the file system has
// no unnamed files, leaving the work to a named one.
bool replaceByUnnamedFile(const std::string& path, std::string_view bytes, const struct stat* old,
                          FileResult& result) {
  const int fd = ::open(folderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  int error = fill(fd, bytes, old);
  if (error != 0) {
    ::close(fd);
    result = systemFailure(error);
    return true;
  }
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (!old && ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) {
    error = closeChecked(fd, 0);
    result = error ? systemFailure(error) : FileResult{};
    return true;
  }
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string temporary = temporaryName(folderOf(path));
    PendingTemporary pending(temporary);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) != 0) {
      if (errno == EEXIST) continue;
      ::close(fd);
      return false; // no /proc, or links refused: a named file does the work
    }
    error = closeChecked(fd, 0);
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    result = error ? systemFailure(error) : FileResult{};
    return true;
  }
  ::close(fd);
  return false;
}

FileResult replaceFile(const std::string& path, std::string_view bytes, const struct stat* old) {
  installCleanup();
  FileResult result;
  if (replaceByUnnamedFile(path, bytes, old, result)) return result;
  return replaceByNamedFile(path, bytes, old);
}

// The file a chain of symbolic links leads to, also when it does not exist yet; the path
// itself for anything that is not a link.
std::string followLinks(const std::string& path) {
  std::string at = path;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat link {};
    if (::lstat(at.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return at;
    char target[PATH_MAX];
    const ssize_t n = ::readlink(at.c_str(), target, sizeof target - 1);
    if (n <= 0) return at;
    const std::string next(target, static_cast<std::size_t>(n));
    at = next.front() == '/' ? next : folderOf(at) + "/" + next;
  }
  return at;
}

} // namespace

FileResult WriteFileSafely(const std::string& path, std::string_view bytes) {
  if (path.empty()) return Failed("no file name was given");
  const std::string target = followLinks(path);
  struct stat existing {};
  if (::stat(target.c_str(), &existing) != 0) {
    if (errno != ENOENT) return systemFailure(errno);
    return replaceFile(target, bytes, nullptr);
  }
  if (S_ISDIR(existing.st_mode)) return systemFailure(EISDIR);
  if (!S_ISREG(existing.st_mode)) return writeInPlace(target, bytes, S_ISFIFO(existing.st_mode));
  // Even where the system would let it (the superuser), a file nobody may write is kept.
  if (::access(target.c_str(), W_OK) != 0) return systemFailure(errno);
  if ((existing.st_mode & 0222) == 0) return systemFailure(EACCES);
  return replaceFile(target, bytes, &existing);
}
