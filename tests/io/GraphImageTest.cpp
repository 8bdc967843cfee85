// SPDX-License-Identifier: MIT
// Picture commands: opened pictures stretched over the box, graph size, the full graph,
// printing to a PDF file, and the clipboard.
#include "io/Clipboard.h"
#include "io/GraphImage.h"
#include "io/Printing.h"

#include <QClipboard>
#include <QGuiApplication>

#include "render/Sequences.h"

#include <QPdfWriter>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

struct DrawnProgram {
  Program p;
  explicit DrawnProgram(bool draw = true) {
    ChooseGraphKind(p, '1');
    ShowMainWindowPicture(p);
    p.graph.FunctionText = "x^2-y^2";
    if (draw) DrawSequencePicture(p);
    CapturePicture(p);
  }
};

QImage quarters() {
  QImage picture(2, 2, QImage::Format_RGB32);
  picture.setPixel(0, 0, qRgb(255, 0, 0));
  picture.setPixel(1, 0, qRgb(0, 255, 0));
  picture.setPixel(0, 1, qRgb(0, 0, 255));
  picture.setPixel(1, 1, qRgb(0, 0, 0));
  return picture;
}

TEST(OpenedPicture, StretchedOverTheWholeBox) {
  DrawnProgram d(false);
  ShowPictureInBox(d.p, quarters());
  const QImage& box = d.p.PictureCopy;
  ASSERT_EQ(box.size(), QSize(478, 388));
  // Each quarter of the box takes one pixel's colour: proportions are not kept.
  EXPECT_EQ(box.pixel(10, 10), qRgb(255, 0, 0));
  EXPECT_EQ(box.pixel(470, 10), qRgb(0, 255, 0));
  EXPECT_EQ(box.pixel(10, 380), qRgb(0, 0, 255));
  EXPECT_EQ(box.pixel(470, 380), qRgb(0, 0, 0));
  EXPECT_TRUE(d.p.graph.PictureCopyValid);
}

TEST(GraphSize, RectangleShrinksAndPictureIsScaledNotRedrawn) {
  struct Case {
    double factor;
    QSize box;
  };
  // 60 % is 0.625 of the right and bottom coordinates: (80, 60)-(350, 281).
  const Case cases[] = {{0.625, {268, 219}}, {0.8, {366, 298}}, {1.0, {478, 388}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.factor);
    DrawnProgram d;
    const QImage before = d.p.Picture.copy();
    ChangeGraphSize(d.p, c.factor);
    EXPECT_EQ(d.p.PictureCopy.size(), c.box);
    EXPECT_EQ(d.p.PictureCopy, StretchOverPictureBox(before, c.box));
  }
  DrawnProgram undrawn(false);
  ChangeGraphSize(undrawn.p, 0.625);
  EXPECT_EQ(undrawn.p.view.GraphRight, 350);
  EXPECT_EQ(undrawn.p.view.GraphBottom, 281);
}

TEST(FullGraph, HoldsFramedPictureTitleAndLabels) {
  DrawnProgram d;
  d.p.graph.GraphTitle = "Saddle";
  d.p.graph.FontColor = makeColor(255, 0, 0);
  std::array<std::string, 6> captions;
  const QImage bare = ComposeFullGraph(d.p, LabelsAfterDraw(d.p.graph, captions));
  // From (2, 2) to the rectangle's right edge + 8 and bottom + 28, then down to the labels.
  EXPECT_EQ(bare.width(), 560 + 6);
  EXPECT_GE(bare.height(), 450 + 26 + 17);
  // The picture sits one pixel inside the frame at (80, 60).
  EXPECT_EQ(bare.copy(81 - 2, 61 - 2, 478, 388), d.p.PictureCopy);
  const Color frame = d.p.graph.FrameColor;
  EXPECT_EQ(bare.pixel(80 - 2, 200), qRgb(colorRed(frame), colorGreen(frame), colorBlue(frame)));
  EXPECT_EQ(bare.pixel(0, 0), qRgb(255, 255, 255));
  bool red = false;
  for (int y = 60 - 30 - 2; y < 60 - 7 - 2 && !red; ++y)
    for (int x = 0; x < bare.width() && !red; ++x) red = bare.pixel(x, y) == qRgb(255, 0, 0);
  EXPECT_TRUE(red) << "the title in the font colour above the picture";
  captions[5] = "f = 12345678901";
  const QImage wide = ComposeFullGraph(d.p, LabelsAfterDraw(d.p.graph, captions));
  EXPECT_GT(wide.height(), 560);
  EXPECT_GE(wide.width(), 566);
}

TEST(Printing, FitFillsEightyPercentOfOneSide) {
  struct Case {
    QSize page, window;
    QRect target;
  };
  const Case cases[] = {
      {{1000, 1400}, {800, 600}, {20, 98, 800, 600}},  // portrait page, wide window
      {{1400, 1000}, {800, 600}, {20, 70, 1120, 840}}, // landscape page, wide window
      {{1000, 1400}, {600, 800}, {70, 20, 840, 1120}}, // portrait page, tall window
      {{1000, 1000}, {600, 600}, {20, 70, 800, 800}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page.width());
    const PrintPlacement place = PrintFit(c.page, c.window, {100, 50});
    EXPECT_EQ(place.target, c.target);
    EXPECT_EQ(place.source, QRect(4, 4, 96, 42));
  }
  EXPECT_TRUE(PrintFit({100, 100}, {10, 10}, {4, 8}).source.isEmpty());
}

std::string pdfText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int pageCount(const std::string& pdf) {
  int pages = 0;
  for (auto at = pdf.find("/Type /Page"); at != std::string::npos;
       at = pdf.find("/Type /Page", at + 1))
    pages += pdf.compare(at, 12, "/Type /Pages") != 0;
  return pages;
}

TEST(Printing, PictureAndListingReachAPdfFile) {
  const auto dir = std::filesystem::temp_directory_path() / "kelvo-io-print";
  std::filesystem::create_directories(dir);
  DrawnProgram d;
  const std::string picturePdf = (dir / "picture.pdf").string();
  {
    QPdfWriter writer(QString::fromStdString(picturePdf));
    ASSERT_TRUE(PrintPicture(writer, d.p.PictureCopy, {800, 600}).ok);
  }
  const std::string printed = pdfText(picturePdf);
  EXPECT_EQ(printed.substr(0, 5), "%PDF-");
  EXPECT_NE(printed.find("/Subtype /Image"), std::string::npos);
  const std::string listingPdf = (dir / "listing.pdf").string();
  {
    QPdfWriter writer(QString::fromStdString(listingPdf));
    ASSERT_TRUE(PrintListing(writer, '1', d.p.Values).ok);
  }
  // 256 lines and 4 header lines at about 60 lines a page.
  EXPECT_GE(pageCount(pdfText(listingPdf)), 4);
  const auto printout = ListingPrintout('2', {"a"});
  ASSERT_EQ(printout.size(), 5u);
  EXPECT_EQ(printout[2], "         r          theta        z");
  EXPECT_EQ(printout[3], std::string(35, '-'));
  QImage none;
  QPdfWriter unused(QString::fromStdString((dir / "none.pdf").string()));
  EXPECT_FALSE(PrintPicture(unused, none, {800, 600}).ok);
}

TEST(Clipboard, PictureRoundTripAndRefusal) {
  const QImage picture = quarters();
  PutPictureOnClipboard(picture);
  ASSERT_TRUE(ClipboardHoldsPicture());
  const DecodedPicture back = PictureFromClipboard();
  ASSERT_TRUE(back.result.ok) << back.result.message;
  EXPECT_EQ(back.picture, picture);
  QGuiApplication::clipboard()->setText("text only");
  EXPECT_FALSE(ClipboardHoldsPicture());
  EXPECT_EQ(PictureFromClipboard().result.message, NotABitmap);
}

} // namespace
