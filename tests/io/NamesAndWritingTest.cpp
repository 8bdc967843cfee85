// SPDX-License-Identifier: MIT
// The Open and Save name rules, the listing's save rules, and whole-file writing.
#include "io/PictureFiles.h"
#include "io/SafeRead.h"
#include "io/SafeWrite.h"
#include "tests/cli/KelvoRun.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string& name) {
  const auto top = fs::temp_directory_path() / ("kelvo-io-write-" + std::to_string(::getpid()));
  static const RemovedAtExit removed{top};
  const auto dir = top / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

std::string contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(OpenRule, WholeExtensionInAnyCase) {
  struct Case {
    const char* name;
    PictureFormat format;
  };
  const Case cases[] = {
      {"a.jpg", PictureFormat::Jpeg},      {"a.JPG", PictureFormat::Jpeg},
      {"a.gif", PictureFormat::Gif},       {"a.GIF", PictureFormat::Gif},
      {"a.bmp", PictureFormat::Bmp},       {"dir/a.b.BMP", PictureFormat::Bmp},
      {"a.jpeg", PictureFormat::Jpeg},     {"a.Jpg", PictureFormat::Jpeg},
      {"a.png", PictureFormat::Png},       {"a.PNG", PictureFormat::Png},
      {"a.Gif", PictureFormat::Gif},       {"a.bMp", PictureFormat::Bmp},
      {"a.svg", PictureFormat::Unknown},   {"a.pdf", PictureFormat::Unknown},
      {"a.tiff", PictureFormat::Unknown},  {"a", PictureFormat::Unknown},
      {"x.bmp/a", PictureFormat::Unknown}, {"a.bmp.txt", PictureFormat::Unknown},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(openFormatOf(c.name), c.format);
  }
  EXPECT_STREQ(OpenRefusal, "Sorry, only Bitmaps, JPEGs, PNGs\ror GIFs can be opened");
}

TEST(SaveRule, FormatAndNameWritten) {
  struct Case {
    const char* chosen;
    PictureFormat format;
    const char* written;
  };
  const Case cases[] = {
      {"g.jpg", PictureFormat::Jpeg, "g.jpg"},      {"g.JPG", PictureFormat::Jpeg, "g.jpg"},
      {"g.jpeg", PictureFormat::Jpeg, "g.jpg"},     {"g.JPEG", PictureFormat::Jpeg, "g.jpg"},
      {"g.gif", PictureFormat::Gif, "g.gif"},       {"g.GIF", PictureFormat::Gif, "g.gif"},
      {"g.Gif", PictureFormat::Gif, "g.gif"},       {"g.png", PictureFormat::Png, "g.png"},
      {"g.PNG", PictureFormat::Png, "g.png"},       {"g.Jpg", PictureFormat::Jpeg, "g.jpg"},
      {"g.svg", PictureFormat::Bmp, "g.bmp"},       {"g.tiff", PictureFormat::Bmp, "g.bmp"},
      {"g", PictureFormat::Bmp, "g.bmp"},           {"g.BMP", PictureFormat::Bmp, "g.bmp"},
      {"v1.2/g", PictureFormat::Bmp, "v1.2/g.bmp"}, {"a.b.jpg", PictureFormat::Jpeg, "a.b.jpg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    const SaveTarget target = saveTargetOf(c.chosen);
    EXPECT_EQ(target.format, c.format);
    EXPECT_EQ(target.path, c.written);
  }
}

TEST(CommandLineRule, AnyCaseAndLaterFormats) {
  EXPECT_EQ(pictureFormatOf("a.JpEg"), PictureFormat::Jpeg);
  EXPECT_EQ(pictureFormatOf("a.Gif"), PictureFormat::Gif);
  EXPECT_EQ(pictureFormatOf("a.SVG"), PictureFormat::Svg);
  EXPECT_EQ(pictureFormatOf("a.pdf"), PictureFormat::Pdf);
  EXPECT_EQ(pictureFormatOf("d.png/a"), PictureFormat::Unknown);
}

TEST(ListingSave, FirstSaveAsksThenCaptionNamesTheFile) {
  EXPECT_TRUE(listingSaveNeedsName(NoTitle));
  EXPECT_FALSE(listingSaveNeedsName("/home/u/values.txt"));
  EXPECT_EQ(listingCaptionFor("/home/u/values.txt"), " Function Values  values.txt");
  EXPECT_EQ(listingCaptionFor("values.txt"), " Function Values  values.txt");
  const auto dir = freshFolder("listing");
  ASSERT_TRUE(SaveTextLines({"    1.000", "    2.000"}, (dir / "v.txt").string()).ok);
  EXPECT_EQ(contents(dir / "v.txt"), "    1.000\n    2.000\n");
}

TEST(SafeWriting, ReplacesWholeKeepingPermissions) {
  const auto dir = freshFolder("replace");
  const auto file = dir / "a.txt";
  std::ofstream(file) << "old contents that are longer";
  ::chmod(file.c_str(), 0640);
  ASSERT_TRUE(WriteFileSafely(file.string(), "new").ok);
  EXPECT_EQ(contents(file), "new");
  struct stat info {};
  ::stat(file.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  // Written through a link, the link stays a link.
  fs::create_symlink(file, dir / "link.txt");
  ASSERT_TRUE(WriteFileSafely((dir / "link.txt").string(), "via link").ok);
  EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
  EXPECT_EQ(contents(file), "via link");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST(SafeWriting, FailuresGiveTheSystemsReasonAndLeaveNothing) {
  const auto dir = freshFolder("fail");
  struct Case {
    fs::path path;
    const char* reason;
  };
  const Case cases[] = {{dir / "missing" / "a.txt", "No such file or directory"},
                        {dir, "Is a directory"},
                        {"", "no file name"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.string());
    const FileResult r = WriteFileSafely(c.path.string(), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(c.reason), std::string::npos) << r.message;
  }
  EXPECT_TRUE(fs::is_empty(dir));
}

// A file size limit makes the write fail part way: the old file stays and nothing else is left.
TEST(SafeWriting, FileSizeLimitLeavesOldFileAndNoRemains) {
  const auto dir = freshFolder("limit");
  const auto file = dir / "big.txt";
  std::ofstream(file) << "kept";
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1024, 1024};
    setrlimit(RLIMIT_FSIZE, &limit);
    const FileResult r = WriteFileSafely(file.string(), std::string(5000, 'x'));
    _exit(!r.ok && r.message == "File too large" ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(contents(file), "kept");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(SafeWriting, SpecialFilesAreWrittenInPlace) {
  const auto dir = freshFolder("special");
  const auto fifo = dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // The reader's end is open before the write, as a reader waiting on the pipe has it.
  const int readEnd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(readEnd, 0);
  std::string received;
  std::thread reader([&] {
    char buffer[256];
    pollfd wait{readEnd, POLLIN, 0};
    while (::poll(&wait, 1, 2000) > 0) {
      const ssize_t n = ::read(readEnd, buffer, sizeof buffer);
      if (n <= 0) break;
      received.append(buffer, static_cast<std::size_t>(n));
    }
  });
  const FileResult r = WriteFileSafely(fifo.string(), "through the pipe\n");
  reader.join();
  ::close(readEnd);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(received, "through the pipe\n");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(WriteFileSafely("/dev/null", "gone").ok);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  const FileResult full = WriteFileSafely("/dev/full", "no room");
  EXPECT_EQ(full.message, "No space left on device");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

std::chrono::milliseconds since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start);
}

// Waiting for a reader that never comes would hang the program: it says so at once.
TEST(SafeWriting, PipeWithoutReaderIsRefusedAtOnce) {
  const auto dir = freshFolder("no-reader");
  const auto fifo = dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto start = std::chrono::steady_clock::now();
  const FileResult r = WriteFileSafely(fifo.string(), "nobody listens");
  EXPECT_LT(since(start).count(), 1000);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("no reader"), std::string::npos) << r.message;
  EXPECT_TRUE(fs::is_fifo(fifo));
}

// A reader that leaves early makes the write fail instead of ending the process by SIGPIPE.
TEST(SafeWriting, ReaderLeavingEarlyIsAFailure) {
  const auto dir = freshFolder("reader-leaves");
  const auto fifo = dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int readEnd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(readEnd, 0);
  std::thread reader([&] {
    char buffer[16];
    pollfd wait{readEnd, POLLIN, 0};
    if (::poll(&wait, 1, 2000) > 0) (void)!::read(readEnd, buffer, sizeof buffer);
    ::close(readEnd);
  });
  const FileResult r = WriteFileSafely(fifo.string(), std::string(8 << 20, 'x'));
  reader.join();
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Broken pipe");
}

TEST(SafeWriting, ReadOnlyTargetIsKept) {
  const auto dir = freshFolder("read-only");
  const auto file = dir / "kept.txt";
  std::ofstream(file) << "kept";
  ::chmod(file.c_str(), 0444);
  const FileResult r = WriteFileSafely(file.string(), "replaced");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Permission denied");
  EXPECT_EQ(contents(file), "kept");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// A folder that may not be written is named as the cause, even when the target itself could be
// written: the new file is made in the folder. The superuser may write anywhere, so the write is
// made by a child that has given that up.
TEST(SafeWriting, ReadOnlyFolderIsNamedAsTheCause) {
  const auto dir = freshFolder("read-only-folder");
  const auto file = dir / "open.txt";
  std::ofstream(file) << "kept";
  ::chmod(file.c_str(), 0666);
  ::chmod(dir.c_str(), 0555);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) _exit(2);
    const FileResult r = WriteFileSafely(file.string(), "replaced");
    const std::string expected = "the folder '" + dir.string() + "' cannot be written to";
    _exit(!r.ok && r.message.rfind(expected, 0) == 0 ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ::chmod(dir.c_str(), 0755);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << WEXITSTATUS(status);
  EXPECT_EQ(contents(file), "kept");
}

// A link to a file not there yet creates that file and stays a link, relative or absolute.
TEST(SafeWriting, DanglingLinksCreateTheFileTheyName) {
  const auto dir = freshFolder("dangling");
  fs::create_directories(dir / "sub");
  fs::create_symlink("sub/new.txt", dir / "relative");
  fs::create_symlink(dir / "sub" / "other.txt", dir / "absolute");
  fs::create_symlink("relative", dir / "chain");
  for (const char* name : {"relative", "absolute", "chain"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(WriteFileSafely((dir / name).string(), name).ok);
    EXPECT_TRUE(fs::is_symlink(dir / name));
    EXPECT_EQ(contents(dir / name), name);
  }
  EXPECT_EQ(contents(dir / "sub" / "new.txt"), "chain");
  EXPECT_EQ(contents(dir / "sub" / "other.txt"), "absolute");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "sub"), fs::directory_iterator()), 2);
}

// A new file appears whole under its own name: no temporary file is ever seen beside it, however
// long the write takes.
TEST(SafeWriting, NoTemporaryFileIsVisibleDuringTheWrite) {
  const auto dir = freshFolder("unnamed");
  std::atomic<bool> done{false};
  std::atomic<int> strangers{0};
  std::thread watcher([&] {
    while (!done.load())
      for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename().string().rfind("large", 0) != 0) ++strangers;
  });
  for (int i = 0; i < 5; ++i) {
    const auto file = dir / ("large" + std::to_string(i));
    ASSERT_TRUE(WriteFileSafely(file.string(), std::string(8 << 20, char('a' + i))).ok);
    EXPECT_EQ(fs::file_size(file), std::uintmax_t(8) << 20);
  }
  done.store(true);
  watcher.join();
  EXPECT_EQ(strangers.load(), 0);
}

TEST(SafeReading, PipeWithoutWriterGivesUp) {
  const auto dir = freshFolder("no-writer");
  const auto fifo = dir / "pipe.bmp";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto start = std::chrono::steady_clock::now();
  const DecodedPicture r = ReadPictureFile(fifo.string(), PictureFormat::Bmp);
  EXPECT_LT(since(start).count(), 1000);
  EXPECT_GE(since(start).count(), PipeFirstDataMilliseconds - 50);
  EXPECT_FALSE(r.result.ok);
  EXPECT_NE(r.result.message.find("nothing was written into the pipe"), std::string::npos)
      << r.result.message;
}

TEST(SafeReading, PipeWhoseWriterStallsGivesUp) {
  const auto dir = freshFolder("stalls");
  const auto fifo = dir / "pipe.bmp";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::atomic<bool> readerDone{false};
  std::thread writer([&] {
    const int fd = ::open(fifo.c_str(), O_WRONLY);
    if (fd < 0) return;
    (void)!::write(fd, "BM", 2);
    while (!readerDone.load()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ::close(fd);
  });
  std::vector<unsigned char> bytes;
  const auto start = std::chrono::steady_clock::now();
  const FileResult r = ReadFileSafely(fifo.string(), 1000, bytes, "too large");
  readerDone.store(true);
  writer.join();
  EXPECT_GE(since(start).count(), PipeSilenceMilliseconds - 50);
  EXPECT_LT(since(start).count(), PipeSilenceMilliseconds + 1000);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("silent"), std::string::npos) << r.message;
  EXPECT_TRUE(bytes.empty());
}

TEST(SafeReading, WholeFilesThroughPipesAndLimits) {
  const auto dir = freshFolder("pipes");
  const auto fifo = dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string sent(300000, 'k');
  std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << sent; });
  std::vector<unsigned char> bytes;
  const FileResult r = ReadFileSafely(fifo.string(), 1 << 20, bytes, "too large");
  writer.join();
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), sent);
  // A regular file over the limit is refused by its size, before it is read.
  std::ofstream(dir / "big") << std::string(2000, 'b');
  EXPECT_EQ(ReadFileSafely((dir / "big").string(), 1000, bytes, "too large").message, "too large");
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(ReadFileSafely(dir.string(), 1000, bytes, "too large").message, "Is a directory");
  EXPECT_EQ(ReadFileSafely("/dev/zero", 1 << 20, bytes, "too large").message, "too large");
}

} // namespace
