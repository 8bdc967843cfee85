// SPDX-License-Identifier: MIT
// Starts kelvo with fork and exec, reads both of its streams as they come, and waits for it.
#include "KelvoRun.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <map>
#include <thread>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<std::string> environmentFor(const KelvoStart& start) {
  std::vector<std::pair<std::string, std::optional<std::string>>> changes = {
      {"DISPLAY", std::nullopt}};
  changes.insert(changes.end(), start.environment.begin(), start.environment.end());
  std::vector<std::string> entries;
  for (char** entry = environ; *entry; ++entry) entries.emplace_back(*entry);
  for (const auto& [name, value] : changes) {
    std::erase_if(entries, [&](const std::string& e) { return e.rfind(name + "=", 0) == 0; });
    if (value) entries.push_back(name + "=" + *value);
  }
  return entries;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// In the child, between fork and exec: only calls that are safe there.
[[noreturn]] void becomeKelvo(const KelvoStart& start, int out, int err, int input,
                              char* const* argv, char* const* envp) {
  ::dup2(input, 0);
  ::dup2(out, 1);
  ::dup2(err, 2);
  if (!start.folder.empty() && ::chdir(start.folder.c_str()) != 0) ::_exit(126);
  if (start.fileSizeLimit >= 0) {
    const rlimit limit{static_cast<rlim_t>(start.fileSizeLimit),
                       static_cast<rlim_t>(start.fileSizeLimit)};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  if (start.fileSizeSignalIgnored) ::signal(SIGXFSZ, SIG_IGN);
  constexpr uid_t Nobody = 65534;
  if (start.unprivileged && ::geteuid() == 0 &&
      (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
    ::_exit(126);
  ::execve(KELVO_BINARY, argv, envp);
  ::_exit(127);
}

// Reads both pipes until both end or the time is up, sending the start's signal on the way;
// false when the time was up.
bool readBoth(pid_t child, int out, int err, KelvoRun& run, const KelvoStart& start) {
  using Clock = std::chrono::steady_clock;
  const auto begun = Clock::now();
  const auto deadline = begun + std::chrono::seconds(start.seconds);
  const Clock::time_point signalAt = begun + start.signalAfter;
  bool signalDue = start.signal != 0;
  pollfd fds[2] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
  std::string* targets[2] = {&run.out, &run.err};
  int open = (out >= 0) + (err >= 0);
  while (open > 0) {
    const auto now = Clock::now();
    if (signalDue && now >= signalAt) {
      ::kill(child, start.signal);
      signalDue = false;
    }
    const auto until = signalDue ? std::min(signalAt, deadline) : deadline;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - now);
    if (now >= deadline) return false;
    if (::poll(fds, 2, static_cast<int>(left.count()) + 1) < 0 && errno != EINTR) return false;
    for (int k = 0; k < 2; ++k) {
      if (fds[k].fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      char buffer[65536];
      const ssize_t n = ::read(fds[k].fd, buffer, sizeof buffer);
      if (n > 0) {
        targets[k]->append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        fds[k].fd = -1;
        --open;
      }
    }
  }
  // Output closed early: the signal is still due while the process runs.
  if (signalDue) {
    std::this_thread::sleep_until(signalAt);
    ::kill(child, start.signal);
  }
  return true;
}

} // namespace

KelvoRun RunKelvo(const std::vector<std::string>& args, const KelvoStart& start) {
  std::vector<std::string> words = {KELVO_BINARY};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<std::string> environment = environmentFor(start);
  const std::vector<char*> argv = pointersTo(words), envp = pointersTo(environment);

  KelvoRun run;
  int outPipe[2] = {-1, -1}, errPipe[2] = {-1, -1};
  if (start.errorOnTerminal) {
    // The reading side is the terminal's master; kelvo writes into its other side.
    winsize size{};
    size.ws_row = 24;
    size.ws_col = 80;
    if (::openpty(&errPipe[0], &errPipe[1], nullptr, nullptr, &size) != 0) return run;
    for (const int fd : errPipe) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  } else if (::pipe2(errPipe, O_CLOEXEC) != 0) {
    return run;
  }
  if (start.standardOutput.empty()) {
    if (::pipe2(outPipe, O_CLOEXEC) != 0) return run;
  } else {
    outPipe[1] =
        ::open(start.standardOutput.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  }
  const int input = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  const pid_t child = ::fork();
  if (child == 0) becomeKelvo(start, outPipe[1], errPipe[1], input, argv.data(), envp.data());
  for (const int fd : {outPipe[1], errPipe[1], input})
    if (fd >= 0) ::close(fd);
  if (child < 0) return run;
  const bool finished = readBoth(child, outPipe[0], errPipe[0], run, start);
  if (!finished) ::kill(child, SIGKILL);
  for (const int fd : {outPipe[0], errPipe[0]})
    if (fd >= 0) ::close(fd);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
  run.status = finished && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return run;
}

KelvoRun RunKelvoRender(std::vector<std::string> args, const KelvoStart& start) {
  args.insert(args.begin(), "render");
  return RunKelvo(args, start);
}

std::filesystem::path ScratchFolder(const std::string& name) {
  // One folder a process: test programs of other builds may run at the same time.
  const auto folder =
      std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
  static std::vector<RemovedAtExit> removed;
  removed.emplace_back(folder);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

std::filesystem::path ScratchFile(const std::string& folder, const std::string& name) {
  static std::map<std::string, std::filesystem::path> folders;
  auto made = folders.find(folder);
  if (made == folders.end()) made = folders.emplace(folder, ScratchFolder(folder)).first;
  const std::filesystem::path path = made->second / name;
  std::filesystem::remove(path);
  return path;
}

std::string BytesOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
