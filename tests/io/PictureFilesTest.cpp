// SPDX-License-Identifier: MIT
// Picture files: the PNG encoder reads back pixel for pixel, failures leave nothing behind.
#include "io/PictureFiles.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

std::filesystem::path scratch(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / "kelvo-io-test";
  std::filesystem::create_directories(dir);
  return dir / name;
}

// Flat areas, as pictures have, with noise in one corner so that rows differ.
QImage samplePicture(int width, int height, unsigned seed) {
  QImage image(width, height, QImage::Format_RGB32);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool noisy = x < width / 3 && y < height / 3;
      image.setPixel(x, y,
                     noisy ? 0xFF000000u | (random() & 0xFFFFFFu)
                           : qRgb((x / 7) * 40 % 256, (y / 5) * 30 % 256, 128));
    }
  return image;
}

TEST(PngFiles, ReadBackExactly) {
  const QSize sizes[] = {{1, 1}, {3, 5}, {17, 2}, {478, 388}, {1000, 3}};
  for (const QSize size : sizes) {
    SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
    const QImage picture = samplePicture(size.width(), size.height(), size.width());
    const auto path = scratch("round.png");
    ASSERT_TRUE(SavePicture(picture, path.string()).ok);
    const QImage back(QString::fromStdString(path.string()));
    ASSERT_EQ(back.size(), picture.size());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
  }
}

// At most 256 colours go through a palette, more through 24-bit rows; both read back exactly,
// in the layout their colour count chose.
TEST(PngFiles, PaletteUpTo256ColoursThenFullColour) {
  for (const int colours : {256, 257}) {
    SCOPED_TRACE(colours);
    QImage picture(64, 40, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const int n = (y * picture.width() + x) % colours;
        picture.setPixel(x, y, qRgb(n % 7 * 36, n / 7 * 7, n % 2 ? 255 : 0));
      }
    const std::vector<unsigned char> bytes = EncodePng(picture);
    QImage back;
    ASSERT_TRUE(back.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "PNG"));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
    EXPECT_EQ(back.format() == QImage::Format_Indexed8, colours == 256);
  }
}

TEST(PngFiles, OtherFormatsAreWrittenAsTheirColours) {
  // Alpha is dropped; the colours stay.
  QImage argb(4, 4, QImage::Format_ARGB32);
  argb.fill(qRgba(10, 200, 30, 255));
  const std::vector<unsigned char> bytes = EncodePng(argb);
  ASSERT_GT(bytes.size(), 8u);
  EXPECT_EQ(bytes[1], 'P');
  QImage back;
  ASSERT_TRUE(back.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "PNG"));
  EXPECT_EQ(back.pixel(3, 3), qRgb(10, 200, 30));
  EXPECT_FALSE(back.hasAlphaChannel());
  EXPECT_TRUE(EncodePng(QImage()).empty());
}

TEST(PictureFiles, FailuresSayWhyAndLeaveNothing) {
  const QImage picture = samplePicture(8, 8, 1);
  const auto missing = scratch("no-such-dir") / "x.png";
  const FileResult r = SavePicture(picture, missing.string());
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.message.empty());
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_FALSE(SavePicture(QImage(), scratch("empty.png").string()).ok);
  EXPECT_FALSE(std::filesystem::exists(scratch("empty.png")));
  EXPECT_FALSE(SavePicture(picture, scratch("x.tif").string()).ok);
}

TEST(PictureFiles, BmpReadsBack) {
  const QImage picture = samplePicture(33, 7, 3);
  const auto path = scratch("round.bmp");
  ASSERT_TRUE(SavePicture(picture, path.string()).ok);
  const QImage back(QString::fromStdString(path.string()));
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
}

TEST(PictureFiles, FormatByExtensionInAnyCase) {
  EXPECT_EQ(pictureFormatOf("a.PNG"), PictureFormat::Png);
  EXPECT_EQ(pictureFormatOf("a.b.Bmp"), PictureFormat::Bmp);
  EXPECT_EQ(pictureFormatOf("a.jpeg"), PictureFormat::Jpeg);
  EXPECT_EQ(pictureFormatOf("a.GIF"), PictureFormat::Gif);
  EXPECT_EQ(pictureFormatOf("png"), PictureFormat::Unknown);
  EXPECT_EQ(pictureFormatOf("a.png.txt"), PictureFormat::Unknown);
}

} // namespace
