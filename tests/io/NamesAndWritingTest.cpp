// SPDX-License-Identifier: MIT
// The Open and Save name rules, the listing's save rules, and whole-file writing.
#include "io/PictureFiles.h"
#include "io/SafeWrite.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string& name) {
  const auto dir = fs::temp_directory_path() / "kelvo-io-write" / name;
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

TEST(OpenRule, WholeExtensionCaseSensitive) {
  struct Case {
    const char* name;
    PictureFormat format;
  };
  const Case cases[] = {
      {"a.jpg", PictureFormat::Jpeg},      {"a.JPG", PictureFormat::Jpeg},
      {"a.gif", PictureFormat::Gif},       {"a.GIF", PictureFormat::Gif},
      {"a.bmp", PictureFormat::Bmp},       {"dir/a.b.BMP", PictureFormat::Bmp},
      {"a.jpeg", PictureFormat::Unknown},  {"a.Jpg", PictureFormat::Unknown},
      {"a.png", PictureFormat::Unknown},   {"a", PictureFormat::Unknown},
      {"x.bmp/a", PictureFormat::Unknown}, {"a.bmp.txt", PictureFormat::Unknown},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(openFormatOf(c.name), c.format);
  }
  EXPECT_STREQ(OpenRefusal, "Sorry, only Bitmaps, JPEGs\ror GIFs can be opened");
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
      {"g.Gif", PictureFormat::Bmp, "g.bmp"},       {"g.png", PictureFormat::Bmp, "g.bmp"},
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
  std::string received;
  std::thread reader([&] { received = contents(fifo); });
  const FileResult r = WriteFileSafely(fifo.string(), "through the pipe\n");
  reader.join();
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(received, "through the pipe\n");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(WriteFileSafely("/dev/null", "gone").ok);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  const FileResult full = WriteFileSafely("/dev/full", "no room");
  EXPECT_EQ(full.message, "No space left on device");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

} // namespace
