// SPDX-License-Identifier: MIT
// Picture files: the PNG encoder and decoder read back pixel for pixel, damaged PNGs are refused
// with a reason, failures leave nothing behind.
#include "io/PictureFiles.h"
#include "io/Png.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

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

DecodedPicture decode(const std::vector<unsigned char>& bytes) {
  return DecodePng(bytes.data(), bytes.size());
}

// The bytes Qt's own writer makes of the picture in its format: other colour types and depths
// than the program's writer uses.
std::vector<unsigned char> qtPng(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  EXPECT_TRUE(writer.write(picture));
  return {bytes.begin(), bytes.end()};
}

// The CRC of a chunk's type and data, as PNG stores it after them.
std::uint32_t chunkCrc(const unsigned char* from, std::size_t length) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < length; ++i) {
    crc ^= from[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void putBigEndian(unsigned char* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(value >> (24 - 8 * i));
}

TEST(PngFiles, DecoderReadsTheEncodersPicturesExactly) {
  for (const int colours : {2, 256, 100000}) {
    SCOPED_TRACE(colours);
    QImage picture =
        colours == 100000 ? samplePicture(61, 47, 5) : QImage(61, 47, QImage::Format_RGB32);
    if (colours != 100000)
      for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
          picture.setPixel(x, y, qRgb((x * y) % colours % 256, x % 2 * 255, y));
    const DecodedPicture back = decode(EncodePng(picture));
    ASSERT_TRUE(back.result.ok) << back.result.message;
    EXPECT_EQ(back.picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(back.picture, picture);
  }
}

TEST(PngFiles, GreyDeepAndTransparentPicturesComeBackInColourOverWhite) {
  QImage grey(9, 4, QImage::Format_Grayscale8);
  for (int x = 0; x < grey.width(); ++x)
    for (int y = 0; y < grey.height(); ++y) grey.scanLine(y)[x] = static_cast<uchar>(x * 28);
  const DecodedPicture greyBack = decode(qtPng(grey));
  ASSERT_TRUE(greyBack.result.ok) << greyBack.result.message;
  EXPECT_EQ(greyBack.picture.pixel(8, 3), qRgb(224, 224, 224));

  QImage deep(5, 5, QImage::Format_RGBX64);
  deep.fill(QColor::fromRgba64(0xFFFF, 0x8000, 0x0000));
  const DecodedPicture deepBack = decode(qtPng(deep));
  ASSERT_TRUE(deepBack.result.ok) << deepBack.result.message;
  EXPECT_EQ(deepBack.picture.pixel(2, 2), qRgb(255, 128, 0));

  // Opaque, half and fully transparent black: black, mid grey and the white ground.
  QImage clear(3, 1, QImage::Format_ARGB32);
  clear.setPixel(0, 0, qRgba(0, 0, 0, 255));
  clear.setPixel(1, 0, qRgba(0, 0, 0, 128));
  clear.setPixel(2, 0, qRgba(0, 0, 0, 0));
  const DecodedPicture clearBack = decode(qtPng(clear));
  ASSERT_TRUE(clearBack.result.ok) << clearBack.result.message;
  EXPECT_EQ(clearBack.picture.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(clearBack.picture.pixel(1, 0), qRgb(127, 127, 127));
  EXPECT_EQ(clearBack.picture.pixel(2, 0), qRgb(255, 255, 255));
}

TEST(PngFiles, DamagedFilesAreRefusedWithAReason) {
  const std::vector<unsigned char> good = EncodePng(samplePicture(40, 30, 9));
  ASSERT_TRUE(decode(good).result.ok);
  // Cut anywhere from inside the signature to just before the end chunk's last byte.
  for (const std::size_t cut :
       {std::size_t{0}, std::size_t{5}, std::size_t{8}, std::size_t{20}, std::size_t{40},
        good.size() / 2, good.size() - 13, good.size() - 1}) {
    SCOPED_TRACE(cut);
    const std::vector<unsigned char> cutShort(good.begin(), good.begin() + cut);
    const DecodedPicture back = decode(cutShort);
    EXPECT_FALSE(back.result.ok);
    EXPECT_FALSE(back.result.message.empty());
    EXPECT_TRUE(back.picture.isNull());
  }
  EXPECT_EQ(decode({good.begin(), good.begin() + 5}).result.message, "this is not a PNG picture");

  // A changed byte of the picture data fails the chunk's check sum.
  std::vector<unsigned char> damaged = good;
  damaged[good.size() / 2] ^= 0x55;
  EXPECT_FALSE(decode(damaged).result.ok);

  // A header that declares a picture larger than any reader allocates, with a right CRC.
  std::vector<unsigned char> huge = good;
  ASSERT_EQ(std::string(huge.begin() + 12, huge.begin() + 16), "IHDR");
  putBigEndian(&huge[16], 20000);
  putBigEndian(&huge[20], 20000);
  putBigEndian(&huge[29], chunkCrc(&huge[12], 17));
  const DecodedPicture tooLarge = decode(huge);
  EXPECT_FALSE(tooLarge.result.ok);
  EXPECT_NE(tooLarge.result.message.find("too large"), std::string::npos)
      << tooLarge.result.message;
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
