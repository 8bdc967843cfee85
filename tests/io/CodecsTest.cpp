// SPDX-License-Identifier: MIT
// The picture readers and writers: round trips, the GIF palette, and damaged files.
#include "io/Bmp.h"
#include "io/Gif.h"
#include "io/Jpeg.h"
#include "io/PictureFiles.h"
#include "tests/GifFrames.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>

namespace {

// Flat areas with a noisy corner, as graph pictures have.
QImage samplePicture(int width, int height, unsigned seed) {
  QImage image(width, height, QImage::Format_RGB32);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool noisy = x < width / 4 && y < height / 4;
      image.setPixel(x, y,
                     noisy ? 0xFF000000u | (random() & 0xFFFFFFu)
                           : qRgb((x / 9) * 40 % 256, (y / 7) * 30 % 256, 128));
    }
  return image;
}

TEST(RoundTrip, BmpIsExact) {
  for (const QSize size : {QSize(1, 1), QSize(3, 5), QSize(478, 388)}) {
    SCOPED_TRACE(size.width());
    const QImage picture = samplePicture(size.width(), size.height(), 7);
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(EncodeBmp(picture, bytes).ok);
    EXPECT_EQ(bytes[28], 24) << "24 bits per pixel";
    const DecodedPicture back = DecodeBmp(bytes.data(), bytes.size());
    ASSERT_TRUE(back.result.ok) << back.result.message;
    EXPECT_EQ(back.picture, picture);
  }
}

TEST(RoundTrip, GifIsExactAfterThePalette) {
  const QImage picture = samplePicture(61, 40, 3);
  std::vector<unsigned char> bytes;
  ASSERT_TRUE(EncodeGif(picture, bytes).ok);
  const DecodedPicture back = DecodeGif(bytes.data(), bytes.size());
  ASSERT_TRUE(back.result.ok) << back.result.message;
  ASSERT_EQ(back.picture.size(), picture.size());
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      ASSERT_EQ(back.picture.pixel(x, y), WebPaletteColour(WebPaletteIndex(picture.pixel(x, y))))
          << x << "," << y;
}

TEST(RoundTrip, JpegIsCloseAndQualityCounts) {
  const QImage picture = samplePicture(64, 48, 1).copy(16, 12, 48, 36); // flat areas only
  std::size_t previous = 0;
  for (const int quality : {80, 90, 100}) {
    SCOPED_TRACE(quality);
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(EncodeJpeg(picture, quality, bytes).ok);
    EXPECT_GT(bytes.size(), previous);
    previous = bytes.size();
    const DecodedPicture back = DecodeJpeg(bytes.data(), bytes.size());
    ASSERT_TRUE(back.result.ok) << back.result.message;
    ASSERT_EQ(back.picture.size(), picture.size());
    long long error = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb a = picture.pixel(x, y), b = back.picture.pixel(x, y);
        error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                 std::abs(qBlue(a) - qBlue(b));
      }
    EXPECT_LT(error / (picture.width() * picture.height() * 3), 8);
  }
}

TEST(RoundTrip, GreyAndCmykJpegsBecomeColourPictures) {
  struct Case {
    const char* file;
    QRgb expected;
    int tolerance;
  };
  // Both were made from the colour (200, 100, 50); grey keeps only its brightness.
  const Case cases[] = {{"grey.jpg", qRgb(118, 118, 118), 12},
                        {"cmyk.jpg", qRgb(200, 100, 50), 12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const DecodedPicture back =
        ReadPictureFile(std::string(KELVO_TEST_DATA) + "/" + c.file, PictureFormat::Jpeg);
    ASSERT_TRUE(back.result.ok) << back.result.message;
    EXPECT_EQ(back.picture.format(), QImage::Format_RGB32);
    const QRgb got = back.picture.pixel(8, 6);
    EXPECT_NEAR(qRed(got), qRed(c.expected), c.tolerance);
    EXPECT_NEAR(qGreen(got), qGreen(c.expected), c.tolerance);
    EXPECT_NEAR(qBlue(got), qBlue(c.expected), c.tolerance);
  }
}

TEST(WebPalette, SixLevelsNearestWithoutTies) {
  struct Case {
    int channel, level;
  };
  const Case cases[] = {{0, 0},   {25, 0},  {26, 1},  {51, 1},  {76, 1},  {77, 2}, {127, 2},
                        {128, 3}, {178, 3}, {179, 4}, {229, 4}, {230, 5}, {255, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.channel);
    EXPECT_EQ(NearestWebLevel(c.channel), c.level);
  }
  for (int i = 0; i < WebPaletteSize; ++i) ASSERT_EQ(WebPaletteIndex(WebPaletteColour(i)), i);
  EXPECT_EQ(WebPaletteColour(WebPaletteIndex(qRgb(250, 130, 20))), qRgb(255, 153, 0));
}

// The GIF's first image descriptor: screen (13 bytes), the 256-entry table, then ','.
constexpr std::size_t FrameAt = 13 + 3 * 256;

TEST(GifReading, FrameOffItsScreenIsClipped) {
  QImage picture(4, 3, QImage::Format_RGB32);
  picture.fill(qRgb(0, 0, 255));
  std::vector<unsigned char> bytes;
  ASSERT_TRUE(EncodeGif(picture, bytes).ok);
  ASSERT_EQ(bytes[FrameAt], ',');
  struct Case {
    int left, top;
    QPoint blue, white;
  };
  const Case cases[] = {{2, 0, {3, 0}, {1, 0}}, {0, 2, {0, 2}, {0, 1}}, {60000, 60000, {}, {0, 0}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.left);
    std::vector<unsigned char> moved = bytes;
    moved[FrameAt + 1] = c.left & 0xFF, moved[FrameAt + 2] = c.left >> 8;
    moved[FrameAt + 3] = c.top & 0xFF, moved[FrameAt + 4] = c.top >> 8;
    const DecodedPicture back = DecodeGif(moved.data(), moved.size());
    ASSERT_TRUE(back.result.ok) << back.result.message;
    EXPECT_EQ(back.picture.size(), picture.size());
    if (c.left < 4) {
      EXPECT_EQ(back.picture.pixel(c.blue), qRgb(0, 0, 255));
    }
    EXPECT_EQ(back.picture.pixel(c.white), qRgb(255, 255, 255));
  }
}

TEST(GifReading, IndicesPastASmallTableLeaveTheScreen) {
  // A 2 x 1 screen with a two-colour table (red, green) and pixels 0 and 3: LZW with 2-bit
  // codes (clear 4, end 5): 4, 0, 3, 5 packed into 3-bit codes.
  const unsigned char gif[] = {'G',
                               'I',
                               'F',
                               '8',
                               '9',
                               'a',
                               2,
                               0,
                               1,
                               0,
                               0x80,
                               0,
                               0,
                               255,
                               0,
                               0,
                               0,
                               255,
                               0,
                               ',',
                               0,
                               0,
                               0,
                               0,
                               2,
                               0,
                               1,
                               0,
                               0,
                               2,
                               2,
                               0x04 | (0 << 3) | (3 << 6),
                               (3 >> 2) | (5 << 1),
                               0,
                               ';'};
  const DecodedPicture back = DecodeGif(gif, sizeof gif);
  ASSERT_TRUE(back.result.ok) << back.result.message;
  EXPECT_EQ(back.picture.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(back.picture.pixel(1, 0), qRgb(255, 255, 255));
}

// Frames added to a writer that plays them for ever.
FileResult encodeAnimation(const std::vector<QImage>& frames, int delay, int loop,
                           std::vector<unsigned char>& bytes) {
  GifAnimationWriter writer(bytes, delay, loop);
  for (const QImage& frame : frames) writer.add(frame);
  return writer.finish();
}

TEST(GifWriting, AnimationHasLoopDelayAndEveryFrame) {
  std::vector<QImage> frames;
  for (const QRgb c : {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}) {
    frames.emplace_back(5, 4, QImage::Format_RGB32);
    frames.back().fill(c);
  }
  std::vector<unsigned char> bytes;
  ASSERT_TRUE(encodeAnimation(frames, 40, 0, bytes).ok);
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(text.substr(0, 6), "GIF89a");
  EXPECT_NE(text.find("NETSCAPE2.0\x03\x01\x00\x00", 0, 16), std::string::npos);
  std::size_t controls = 0;
  for (auto at = text.find("\x21\xF9\x04"); at != std::string::npos;
       at = text.find("\x21\xF9\x04", at + 1)) {
    ++controls;
    EXPECT_EQ(static_cast<unsigned char>(text[at + 4]), 40) << "delay in hundredths";
  }
  EXPECT_EQ(controls, 3u);
  const DecodedPicture first = DecodeGif(bytes.data(), bytes.size());
  ASSERT_TRUE(first.result.ok);
  EXPECT_EQ(first.picture.pixel(2, 2), qRgb(255, 0, 0));
  frames.back() = QImage(6, 4, QImage::Format_RGB32);
  EXPECT_FALSE(encodeAnimation(frames, 40, 0, bytes).ok);
  EXPECT_TRUE(bytes.empty());
  // A delay or loop count the extensions cannot hold is refused, not cut to 16 bits.
  frames.pop_back();
  for (const auto& [delay, loop] : {std::pair{65536, 0}, {-1, 0}, {40, 65536}, {40, -2}}) {
    const FileResult r = encodeAnimation(frames, delay, loop, bytes);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "the delay and the loop count must lie between 0 and 65535");
    EXPECT_TRUE(bytes.empty());
  }
}

QImage inPalette(QImage image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, WebPaletteColour(WebPaletteIndex(image.pixel(x, y))));
  return image;
}

// Later frames are written as the rectangle that changed; played back, every frame is the
// picture given, whether it changed everywhere, in one corner pixel, not at all or back.
TEST(GifWriting, AnimationFramesPlayBackAsGiven) {
  std::vector<QImage> frames{samplePicture(31, 17, 1)};
  frames.push_back(samplePicture(31, 17, 2));
  frames.push_back(frames.back());
  frames.push_back(frames.back());
  frames.back().setPixel(30, 16, qRgb(255, 0, 0));
  frames.push_back(frames.back());
  frames.back().setPixel(0, 0, qRgb(0, 0, 255));
  frames.back().setPixel(12, 9, qRgb(0, 255, 0));
  frames.push_back(frames[0]);
  std::vector<unsigned char> bytes;
  ASSERT_TRUE(encodeAnimation(frames, 3, 0, bytes).ok);
  const std::vector<QImage> played = playedFrames(bytes);
  ASSERT_EQ(played.size(), frames.size());
  for (std::size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(played[i], inPalette(frames[i]));
  }
}

TEST(Malformed, EveryFileIsRefusedWithAReason) {
  const auto folder = std::filesystem::path(KELVO_TEST_DATA) / "malformed";
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const PictureFormat format = pictureFormatOf(entry.path().string());
    if (format == PictureFormat::Unknown) continue;
    SCOPED_TRACE(entry.path().filename().string());
    ++files;
    const auto started = std::chrono::steady_clock::now();
    const DecodedPicture r = ReadPictureFile(entry.path().string(), format);
    EXPECT_FALSE(r.result.ok);
    EXPECT_FALSE(r.result.message.empty());
    EXPECT_TRUE(r.picture.isNull());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  }
  EXPECT_GE(files, 100);
}

// tests/data/malformed/make_bitmaps.py writes one 16 x 12 picture as a bitmap of every header
// size, depth and compression the reader takes: each one opens as that picture.
TEST(Bitmaps, EveryKindOpensAsTheSamePicture) {
  const auto colour = [](int x, int y) {
    const int i = (x * 3 + y * 5 + (x * y) / 7) % 16;
    return qRgb((i * 53) % 256, (i * 101) % 256, (255 - i * 16) % 256);
  };
  int files = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(KELVO_TEST_DATA) / "bitmaps")) {
    SCOPED_TRACE(entry.path().filename().string());
    ++files;
    const DecodedPicture r = ReadPictureFile(entry.path().string(), PictureFormat::Bmp);
    ASSERT_TRUE(r.result.ok) << r.result.message;
    ASSERT_EQ(r.picture.size(), QSize(16, 12));
    int wrong = 0;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 16; ++x) wrong += r.picture.pixel(x, y) != colour(x, y);
    EXPECT_EQ(wrong, 0);
  }
  EXPECT_GE(files, 19);
}

// Whole files of every coding libjpeg reads open as the same picture (made from baseline.jpg by
// cjpeg -progressive and -arithmetic): refusing damaged data must not refuse these.
TEST(JpegCodings, ProgressiveAndArithmeticFilesOpen) {
  const auto path = [](const char* name) {
    return (std::filesystem::path(KELVO_TEST_DATA) / name).string();
  };
  const DecodedPicture baseline = ReadPictureFile(path("baseline.jpg"), PictureFormat::Jpeg);
  ASSERT_TRUE(baseline.result.ok) << baseline.result.message;
  for (const char* name : {"progressive.jpg", "arithmetic.jpg"}) {
    SCOPED_TRACE(name);
    const DecodedPicture r = ReadPictureFile(path(name), PictureFormat::Jpeg);
    ASSERT_TRUE(r.result.ok) << r.result.message;
    ASSERT_EQ(r.picture.size(), baseline.picture.size());
    long long difference = 0;
    for (int y = 0; y < r.picture.height(); ++y)
      for (int x = 0; x < r.picture.width(); ++x)
        difference +=
            std::abs(qGreen(r.picture.pixel(x, y)) - qGreen(baseline.picture.pixel(x, y)));
    EXPECT_LT(difference / (r.picture.width() * r.picture.height()), 8);
  }
}

TEST(Malformed, ReasonsNameTheFault) {
  struct Case {
    const char* file;
    PictureFormat format;
    const char* words;
  };
  const Case cases[] = {
      {"huge.bmp", PictureFormat::Bmp, "too large"},
      {"truncated.bmp", PictureFormat::Bmp, "truncated"},
      {"gif-named.bmp", PictureFormat::Bmp, "not a bitmap"},
      {"huge.jpg", PictureFormat::Jpeg, "too large"},
      {"truncated.jpg", PictureFormat::Jpeg, "truncated"},
      {"many-scans.jpg", PictureFormat::Jpeg, "damaged"},
      {"os2-cut.bmp", PictureFormat::Bmp, "truncated"},
      {"scan-cut-50.jpg", PictureFormat::Jpeg, "damaged"},
      {"frame-larger-than-data.jpg", PictureFormat::Jpeg, "damaged"},
      {"relabelled-arithmetic.jpg", PictureFormat::Jpeg, "damaged"},
      {"no-huffman-tables.jpg", PictureFormat::Jpeg, "Huffman tables"},
      {"cut-h40-rle8-pixels50.bmp", PictureFormat::Bmp, "undefined"},
      {"rle-delta-skips.bmp", PictureFormat::Bmp, "undefined"},
      {"rle-run-past-row.bmp", PictureFormat::Bmp, "end of its row"},
      {"rle-index-past-palette.bmp", PictureFormat::Bmp, "palette"},
      {"rle-wrong-depth.bmp", PictureFormat::Bmp, "not supported"},
      {"huge.gif", PictureFormat::Gif, "too large"},
      {"no-colour-table.gif", PictureFormat::Gif, "colour table"},
      {"no-picture.gif", PictureFormat::Gif, "no picture"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const auto path = std::filesystem::path(KELVO_TEST_DATA) / "malformed" / c.file;
    const DecodedPicture r = ReadPictureFile(path.string(), c.format);
    EXPECT_NE(r.result.message.find(c.words), std::string::npos) << r.result.message;
  }
  EXPECT_NE(
      ReadPictureFile("/nonexistent/x.bmp", PictureFormat::Bmp).result.message.find("No such file"),
      std::string::npos);
}

} // namespace
