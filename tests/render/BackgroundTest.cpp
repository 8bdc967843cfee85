// SPDX-License-Identifier: MIT
// The background replacement on tiny pictures: exact matches change, nothing else does.
#include "render/Background.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// A 3 x 2 picture: the old background, a colour one step off it, and a drawn colour, twice.
QImage tinyPicture(QImage::Format format) {
  QImage picture(3, 2, QImage::Format_RGB32);
  const QRgb row[3] = {qRgb(255, 255, 255), qRgb(255, 255, 254), qRgb(255, 0, 0)};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) picture.setPixel(x, y, row[(x + y) % 3]);
  return picture.convertToFormat(format);
}

struct FormatCase {
  QImage::Format format;
  const char* name;
};

class BackgroundFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(BackgroundFormats, OnlyExactMatchesTakeTheNewColour) {
  QImage picture = tinyPicture(GetParam().format);
  const QImage before = picture.convertToFormat(QImage::Format_RGB32);
  ReplaceBackgroundColor(picture, clWhite, clBlack);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
      const QRgb old = before.pixel(x, y);
      const QRgb expected = old == qRgb(255, 255, 255) ? qRgb(0, 0, 0) : old;
      EXPECT_EQ(picture.pixel(x, y) & 0xFFFFFF, expected & 0xFFFFFF);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, BackgroundFormats,
                         ::testing::Values(FormatCase{QImage::Format_RGB32, "Rgb32"},
                                           FormatCase{QImage::Format_ARGB32, "Argb32"},
                                           FormatCase{QImage::Format_RGB888, "Rgb888"},
                                           FormatCase{QImage::Format_BGR888, "Bgr888"},
                                           FormatCase{QImage::Format_Indexed8, "Indexed8"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Background, ColourValuesKeepTheirByteOrder) {
  // 0x00BBGGRR: a blue background (0xFF0000) is the picture's (0, 0, 255).
  QImage picture(1, 1, QImage::Format_RGB888);
  picture.setPixel(0, 0, qRgb(0, 0, 255));
  ReplaceBackgroundColor(picture, clBlue, makeColor(1, 2, 3));
  EXPECT_EQ(picture.pixel(0, 0) & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFF);
}

TEST(Background, SameColourAndNullPictureChangeNothing) {
  QImage picture = tinyPicture(QImage::Format_RGB32);
  const QImage before = picture;
  ReplaceBackgroundColor(picture, clWhite, clWhite);
  EXPECT_EQ(picture, before);
  QImage none;
  ReplaceBackgroundColor(none, clWhite, clBlack);
  EXPECT_TRUE(none.isNull());
}

} // namespace

namespace {

// kelvo render sets its colours before the draw and lays the bare axes out anew; the window
// paints the new background into the captured picture instead. The draw and its axes cover
// everything else the two ways leave differently, so both give the same picture.
TEST(Background, ColoursBeforeADrawGiveTheWindowsPicture) {
  struct Row {
    Color axes, background;
  };
  for (const Row& row : {Row{clFuchsia, clBlack}, Row{clWhite, clBlack}, Row{clBlue, clAqua}}) {
    SCOPED_TRACE(testing::Message() << std::hex << row.axes << " " << row.background);
    Program commandLine, window;
    for (Program* p : {&commandLine, &window}) {
      setUpProgram(*p, '1', 400, 300);
      p->graph.FunctionText = "x*y";
      p->graph.AxesColor = row.axes;
    }
    commandLine.graph.BackgroundColor = row.background;
    ScreenSetUpPicture(commandLine);

    CapturePicture(window);
    ReplaceBackgroundColor(window.PictureCopy, clWhite, row.background);
    window.Picture = window.PictureCopy.copy();
    window.graph.BackgroundColor = row.background;

    for (Program* p : {&commandLine, &window}) DrawSequencePicture(*p);
    EXPECT_EQ(commandLine.Picture, window.Picture);
  }
}

} // namespace
