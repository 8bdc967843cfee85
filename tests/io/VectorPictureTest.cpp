// SPDX-License-Identifier: MIT
// The picture as SVG and PDF: the record behind it, the shapes in the documents, and how
// close they come to the pixel picture once rasterised.
#include "io/VectorPicture.h"

#include "graph/KeptGraphs.h"
#include "graph/Samples.h"
#include "io/GraphImage.h"
#include "render/HiddenScene.h"
#include "render/Sequences.h"
#include "render/View.h"
#include "render/canvas/ImageCanvas.h"
#include "render/canvas/PainterCanvas.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <stack>

namespace {

// Sample 1 of kind 1 drawn as the window draws it, with the box, and captured.
void drawSample(Program& p, int curves) {
  ChooseGraphKind(p, '1');
  ShowMainWindowPicture(p);
  ChooseSample(p, '1', 1);
  p.graph.XCurves = p.graph.YCurves = curves;
  p.graph.DrawBoxChecked = true;
  DrawSequencePicture(p);
  CapturePicture(p);
}

// The brush of every filled polygon and the text of every letter, in drawing order.
class ShapeLog : public Canvas {
public:
  std::vector<Color> fills;
  std::vector<std::string> letters;
  void setPenColor(Color) override {}
  void setPenStyle(std::uint8_t) override {}
  void setBrushColor(Color c) override { m_brush = c; }
  void setFontColor(Color) override {}
  void fill(Color) override {}
  void moveTo(std::int32_t, std::int32_t) override {}
  void lineTo(std::int32_t, std::int32_t) override {}
  void polygon(std::span<const Pixel> points) override {
    if (points.size() >= 3) fills.push_back(m_brush);
  }
  void textOut(std::int32_t, std::int32_t, int, std::string_view text) override {
    letters.emplace_back(text);
  }
  int textWidth(std::string_view) override { return 0; }
  Color pixel(std::int32_t, std::int32_t) override { return clNone; }

private:
  Color m_brush = clWhite;
};

struct SvgShapes {
  std::vector<Color> fills; // filled paths, with the fill their group gives them
  std::vector<std::string> letters;
  int images = 0;
};

Color svgColor(QStringView text) {
  return fromRgb32(QColor(text.toString()).rgb());
}

SvgShapes parseSvg(const QByteArray& svg) {
  SvgShapes shapes;
  QXmlStreamReader xml(svg);
  std::stack<QString> fill;
  fill.push(QStringLiteral("none"));
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement() && xml.name() == QLatin1String("g")) fill.pop();
    if (!xml.isStartElement()) continue;
    const auto attributes = xml.attributes();
    const QString own = attributes.value("fill").toString();
    const QString inherited = own.isEmpty() ? fill.top() : own;
    if (xml.name() == QLatin1String("g")) fill.push(inherited);
    if (xml.name() == QLatin1String("path") && inherited != QLatin1String("none"))
      shapes.fills.push_back(svgColor(inherited));
    if (xml.name() == QLatin1String("image")) ++shapes.images;
    if (xml.name() == QLatin1String("text"))
      shapes.letters.push_back(xml.readElementText().toStdString());
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return shapes;
}

QByteArray encode(PictureFormat format, const Program& p) {
  std::string bytes;
  const FileResult r = EncodeVectorPicture(format, p.PictureCopy, p.pictureRecorder, bytes);
  EXPECT_TRUE(r.ok) << r.message;
  return QByteArray::fromStdString(bytes);
}

// Pixels whose colour differs from the reference's by more than a quarter in some channel.
double farPixelShare(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 1;
  long long far = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb u = a.pixel(x, y), v = b.pixel(x, y);
      far += std::abs(qRed(u) - qRed(v)) > 64 || std::abs(qGreen(u) - qGreen(v)) > 64 ||
             std::abs(qBlue(u) - qBlue(v)) > 64;
    }
  return double(far) / (double(a.width()) * a.height());
}

// One page, and every cross reference at the object it names: viewers quietly rebuild a
// broken table, so rasterising alone would not notice one.
void checkPdfFile(const QByteArray& pdf) {
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
                pdf.count("/Type /Page "),
            1);
  const qsizetype start = pdf.lastIndexOf("startxref\n");
  ASSERT_GE(start, 0);
  const qsizetype table = pdf.mid(start + 10).split('\n').first().toLongLong();
  ASSERT_TRUE(pdf.mid(table).startsWith("xref\n0 "));
  const QList<QByteArray> lines = pdf.mid(table).split('\n');
  const int count = lines[1].split(' ')[1].toInt();
  ASSERT_GE(count, 5);
  for (int i = 1; i < count; ++i) {
    SCOPED_TRACE(i);
    const qsizetype at = lines[2 + i].left(10).toLongLong();
    EXPECT_TRUE(pdf.mid(at).startsWith(QByteArray::number(i) + " 0 obj\n"));
  }
  // Every stream is as long as its dictionary says.
  for (qsizetype at = pdf.indexOf("/Length "); at >= 0; at = pdf.indexOf("/Length ", at + 1)) {
    const qsizetype length = pdf.mid(at + 8).split(' ').first().toLongLong();
    const qsizetype data = pdf.indexOf("stream\n", at) + 7;
    EXPECT_TRUE(pdf.mid(data + length).startsWith("\nendstream"));
  }
}

void checkRasterised(const Program& p, PictureFormat format, const QString& path, const char* tool,
                     const QStringList& arguments, const QString& raster) {
  const FileResult r =
      SaveVectorPicture(path.toStdString(), format, p.PictureCopy, p.pictureRecorder);
  ASSERT_TRUE(r.ok) << r.message;
  if (format == PictureFormat::Pdf) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    checkPdfFile(file.readAll());
  }
  if (QStandardPaths::findExecutable(tool).isEmpty()) {
    std::cout << tool << " is not installed: the rasterised comparison is skipped\n";
    return;
  }
  ASSERT_EQ(QProcess::execute(tool, arguments), 0);
  const QImage image(raster);
  ASSERT_EQ(image.size(), p.PictureCopy.size());
  EXPECT_LT(farPixelShare(image, p.PictureCopy), 0.03);
  // The z axis is a vertical line: rasterised it must fill its own column of pixels, in the
  // axes colour, not smear half over the next one.
  const int axisX = ProjectPoint(p.view, 0, 0, 0).x;
  for (const int y : {20, 60, 300}) {
    SCOPED_TRACE(y);
    const QRgb axis = image.pixel(axisX, y);
    EXPECT_GT(qRed(axis), 230);
    EXPECT_LT(qGreen(axis), 25);
    EXPECT_GT(qBlue(axis), 230);
  }
  std::cout << tool << ": " << farPixelShare(image, p.PictureCopy) << " of the pixels differ\n";
}

TEST(PictureRecord, StandsForThePictureUntilSomethingPaintsBehindIt) {
  Program p;
  drawSample(p, 20);
  EXPECT_TRUE(RecordMatchesPicture(p.pictureRecorder, p.PictureCopy));
  // A rotation starts again at its fill: the record does not grow from one to the next.
  RotatePicture(p, Arrow::Left);
  const std::size_t oneRotation = p.pictureRecorder.operationCount();
  RotatePicture(p, Arrow::Left);
  EXPECT_EQ(p.pictureRecorder.operationCount(), oneRotation);
  CapturePicture(p);
  EXPECT_TRUE(RecordMatchesPicture(p.pictureRecorder, p.PictureCopy));
  // A graph-size change paints the picture as an image: the record starts on it.
  ChangeGraphSize(p, 0.8);
  EXPECT_TRUE(RecordMatchesPicture(p.pictureRecorder, p.PictureCopy));
  p.Picture.setPixel(5, 5, qRgb(1, 2, 3));
  CapturePicture(p);
  EXPECT_FALSE(RecordMatchesPicture(p.pictureRecorder, p.PictureCopy));
  // Such a picture goes into the document as an image, with no shapes.
  const SvgShapes shapes = parseSvg(encode(PictureFormat::Svg, p));
  EXPECT_EQ(shapes.images, 1);
  EXPECT_TRUE(shapes.fills.empty());
}

TEST(PictureRecord, DropsItselfPastItsLimitUntilTheNextFill) {
  QImage image(4, 4, QImage::Format_RGB32);
  ImageCanvas pixels(image);
  PictureRecorder recorder(pixels);
  EXPECT_FALSE(recorder.complete()) << "nothing is known of the picture before a fill";
  recorder.fill(clWhite);
  for (std::size_t i = 0; i < PictureRecorder::MaxOperations; ++i) recorder.lineTo(1, 1);
  EXPECT_FALSE(recorder.complete());
  EXPECT_EQ(recorder.operationCount(), 0u);
  recorder.fill(clWhite);
  EXPECT_TRUE(recorder.complete());
}

// The count of pictures begun tells the window whether what it drew is still shown: a fill and
// a painted base begin a picture, drawing on it does not, recorded or not.
TEST(PictureRecord, CountsThePicturesBegun) {
  QImage image(4, 4, QImage::Format_RGB32);
  ImageCanvas pixels(image);
  PictureRecorder recorder(pixels);
  for (const bool recording : {true, false}) {
    SCOPED_TRACE(recording);
    recorder.setRecording(recording);
    const std::uint64_t start = recorder.picturesBegun();
    recorder.lineTo(2, 2);
    recorder.textOut(0, 0, 0, "x");
    EXPECT_EQ(recorder.picturesBegun(), start);
    recorder.fill(clWhite);
    EXPECT_EQ(recorder.picturesBegun(), start + 1);
    recorder.restartFrom(image);
    recorder.polygon(std::vector<Pixel>{{0, 0}, {1, 0}, {1, 1}});
    EXPECT_EQ(recorder.picturesBegun(), start + 2);
  }
}

TEST(SvgPicture, OneFilledPathPerCellInPaintersOrderAndLettersAsText) {
  Program p;
  drawSample(p, 12);
  ShapeLog drawn;
  p.pictureRecorder.replay(drawn);
  ASSERT_GE(drawn.fills.size(), 144u); // the cells, then the box's faces if any
  const SvgShapes shapes = parseSvg(encode(PictureFormat::Svg, p));
  // The cells (and box faces) in the order they were painted; the background is a rect.
  EXPECT_EQ(shapes.images, 0);
  EXPECT_EQ(shapes.fills, drawn.fills);
  EXPECT_EQ(shapes.letters, drawn.letters);
  EXPECT_EQ(shapes.letters, (std::vector<std::string>{"Y", "Z", "X", "Y", "Z", "X"}));
}

// The sample drawn over an opened picture whose colour runs from red at the top to blue at the
// bottom: the record starts on that picture, which goes into the document as its ground.
void drawOverOpenedPicture(Program& p, int curves) {
  ChooseGraphKind(p, '1');
  ShowMainWindowPicture(p);
  QImage opened(64, 64, QImage::Format_RGB32);
  for (int y = 0; y < opened.height(); ++y)
    for (int x = 0; x < opened.width(); ++x) opened.setPixel(x, y, qRgb(255 - 4 * y, 90, 4 * y));
  ShowPictureInBox(p, opened);
  ChooseSample(p, '1', 1);
  p.graph.XCurves = p.graph.YCurves = curves;
  DrawSequencePicture(p);
  CapturePicture(p);
}

// Rasterised by the usual tools, the documents show the pixel picture up to anti-aliasing.
TEST(VectorFiles, RasterisedTheyShowThePixelPicture) {
  Program plain, overOpened;
  drawSample(plain, 30);
  drawOverOpenedPicture(overOpened, 30);
  ASSERT_FALSE(overOpened.pictureRecorder.base().isNull());
  ASSERT_TRUE(RecordMatchesPicture(overOpened.pictureRecorder, overOpened.PictureCopy));
  const SvgShapes opened = parseSvg(encode(PictureFormat::Svg, overOpened));
  EXPECT_EQ(opened.images, 1);
  EXPECT_FALSE(opened.fills.empty());
  QTemporaryDir dir;
  struct Case {
    PictureFormat format;
    const char* name;
    const char* tool;
    QStringList arguments;
    const char* raster;
  };
  const QString d = dir.path();
  const Case cases[] = {
      {PictureFormat::Pdf,
       "g.pdf",
       "pdftoppm",
       {"-r", "72", "-png", "-singlefile", d + "/g.pdf", d + "/pdf"},
       "pdf.png"},
      {PictureFormat::Svg,
       "g.svg",
       "rsvg-convert",
       {d + "/g.svg", "-o", d + "/svg.png"},
       "svg.png"},
  };
  for (const Program* p : {&plain, &overOpened})
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      SCOPED_TRACE(p == &plain ? "plain" : "over an opened picture");
      checkRasterised(*p, c.format, d + "/" + c.name, c.tool, c.arguments, d + "/" + c.raster);
    }
}

// Two crossing saddles, the plane through them and the box, hidden exactly: the document holds
// every piece as a filled path in the order it was painted, and rasterised it is the pixel
// picture up to anti-aliasing.
void drawHidden(Program& p) {
  ChooseGraphKind(p, '1');
  ShowMainWindowPicture(p);
  p.graph.XCurves = p.graph.YCurves = 12;
  p.graph.FunctionText = "x*y/3";
  KeepCurrentGraph(p);
  p.graph.FunctionText = "-x*y/3+1";
  p.graph.AboveColor = clBlue;
  p.graph.Plane = PlaneData{0, 0, 0.5, 0, 0, 1, -2, 2, -2, 2};
  p.graph.PlaneDefined = p.graph.PlaneOn = true;
  p.graph.DrawBoxChecked = true;
  p.graph.ExactHiding = true;
  DrawSequencePicture(p);
  CapturePicture(p);
}

TEST(VectorFiles, ExactlyHiddenPiecesInPaintedOrderRasteriseToThePicture) {
  Program p;
  drawHidden(p);
  ASSERT_TRUE(p.HiddenPicture);
  ShapeLog drawn;
  p.pictureRecorder.replay(drawn);
  EXPECT_GE(drawn.fills.size(), p.HiddenPicture->stats().fragments);
  const SvgShapes shapes = parseSvg(encode(PictureFormat::Svg, p));
  EXPECT_EQ(shapes.images, 0);
  EXPECT_EQ(shapes.fills, drawn.fills);
  QTemporaryDir dir;
  const QString d = dir.path();
  checkRasterised(p, PictureFormat::Svg, d + "/h.svg", "rsvg-convert",
                  {d + "/h.svg", "-o", d + "/h.png"}, d + "/h.png");
  checkRasterised(p, PictureFormat::Pdf, d + "/h.pdf", "pdftoppm",
                  {"-r", "72", "-png", "-singlefile", d + "/h.pdf", d + "/hpdf"}, d + "/hpdf.png");
}

// In the full graph the picture stands inside its frame. Qt's SVG generator cannot clip, so
// the shapes themselves stop at the picture's edges: sample 1's z axis runs off the bottom of
// its picture, and the band between the frame and the function line stays white.
TEST(VectorFiles, TheFullGraphKeepsThePictureInsideItsFrame) {
  if (QStandardPaths::findExecutable("rsvg-convert").isEmpty()) {
    std::cout << "rsvg-convert is not installed: the full graph check is skipped\n";
    return;
  }
  Program p;
  drawSample(p, 20);
  FullGraphLabels labels;
  labels.functionLine = "Z= (2*x^2+3*y^2)*Exp(1-x^2-y^2)";
  QTemporaryDir dir;
  const QString svg = dir.filePath("full.svg"), png = dir.filePath("full.png");
  ASSERT_TRUE(SaveVectorFullGraph(svg.toStdString(), PictureFormat::Svg, p, labels).ok);
  ASSERT_EQ(QProcess::execute("rsvg-convert", {svg, "-o", png}), 0);
  const QImage image(png);
  const QRect area = FullGraphArea(p, labels);
  ASSERT_EQ(image.size(), area.size());
  const int axisX = ProjectPoint(p.view, 0, 0, 0).x + p.view.GraphLeft + 1 - area.left();
  EXPECT_LT(qGreen(image.pixel(axisX, p.view.GraphBottom - 20 - area.top())), 25);
  for (int y = p.view.GraphBottom + 2; y < p.view.GraphBottom + 22; ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y - area.top());
      ASSERT_TRUE(qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) > 230) << x << "," << y;
    }
}

// The full graph as PDF carries no time of writing, so the same picture gives the same bytes;
// SOURCE_DATE_EPOCH names the date where a build wants one.
TEST(VectorFiles, TheFullGraphPdfIsTheSameBytesEachTime) {
  Program p;
  drawSample(p, 8);
  FullGraphLabels labels;
  QTemporaryDir dir;
  const auto bytesOf = [&](const char* name) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(SaveVectorFullGraph(path.toStdString(), PictureFormat::Pdf, p, labels).ok);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  };
  qunsetenv("SOURCE_DATE_EPOCH");
  const QByteArray first = bytesOf("a.pdf");
  EXPECT_FALSE(first.contains("/CreationDate"));
  EXPECT_FALSE(first.contains("D:20"));
  qputenv("SOURCE_DATE_EPOCH", "86399");
  const QByteArray dated = bytesOf("b.pdf");
  qunsetenv("SOURCE_DATE_EPOCH");
  EXPECT_TRUE(dated.contains("/CreationDate (D:19700101235959Z)"));
  // The date takes the place the blanks kept, so both files are alike in length and offsets.
  EXPECT_EQ(dated.size(), first.size());
  EXPECT_EQ(dated.indexOf("startxref"), first.indexOf("startxref"));
}

TEST(VectorFiles, AnUnwritableTargetFailsAndLeavesNoFile) {
  Program p;
  drawSample(p, 8);
  QTemporaryDir dir;
  const std::string inMissingFolder = dir.path().toStdString() + "/missing/g.svg";
  const std::string aFolder = dir.path().toStdString();
  for (const std::string& path : {inMissingFolder, aFolder}) {
    for (const PictureFormat format : {PictureFormat::Svg, PictureFormat::Pdf}) {
      SCOPED_TRACE(path);
      const FileResult r = SaveVectorPicture(path, format, p.PictureCopy, p.pictureRecorder);
      EXPECT_FALSE(r.ok);
      EXPECT_FALSE(r.message.empty());
    }
  }
  EXPECT_FALSE(std::filesystem::exists(inMissingFolder));
  EXPECT_TRUE(std::filesystem::is_empty(aFolder));
  EXPECT_FALSE(
      SaveVectorPicture(aFolder + "/empty.svg", PictureFormat::Svg, QImage(), p.pictureRecorder)
          .ok);
}

} // namespace
