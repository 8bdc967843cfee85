// SPDX-License-Identifier: MIT
// Whole-file writes through a temporary file and a rename, checking every write and the close.
#include "io/SafeWrite.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileResult systemFailure(int error) {
  return Failed(std::strerror(error));
}

// Every byte, however the system splits the writes; the reason of the first failure.
int writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

FileResult writeInPlace(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return systemFailure(errno);
  int error = writeAll(fd, bytes);
  if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
  return error ? systemFailure(error) : FileResult{};
}

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file beside the target that no other writer uses; -1 and errno when there is none.
int createTemporary(const std::string& folder, std::string& name) {
  static unsigned serial = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    name =
        folder + "/.kelvo-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

FileResult replaceFile(const std::string& path, std::string_view bytes, const struct stat* old) {
  std::string temporary;
  const int fd = createTemporary(folderOf(path), temporary);
  if (fd < 0) return systemFailure(errno);
  // The replacement keeps the permissions of the file it replaces.
  if (old) ::fchmod(fd, old->st_mode & 07777);
  int error = writeAll(fd, bytes);
  if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return systemFailure(error);
  }
  return {};
}

// The file a symbolic link leads to; the path itself for anything else or a dangling link.
std::string followLink(const std::string& path) {
  struct stat link {};
  if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

} // namespace

FileResult WriteFileSafely(const std::string& path, std::string_view bytes) {
  if (path.empty()) return Failed("no file name was given");
  const std::string target = followLink(path);
  struct stat existing {};
  if (::stat(target.c_str(), &existing) != 0) {
    if (errno != ENOENT) return systemFailure(errno);
    return replaceFile(target, bytes, nullptr);
  }
  if (S_ISDIR(existing.st_mode)) return systemFailure(EISDIR);
  if (!S_ISREG(existing.st_mode)) return writeInPlace(target, bytes);
  return replaceFile(target, bytes, &existing);
}
