// SPDX-License-Identifier: MIT
// The SVG and PDF writers on their own: the numbers they write and the letters that come back.
#include "io/PdfDrawing.h"
#include "io/SvgDrawing.h"
#include "io/VectorNumbers.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>

namespace {

TEST(VectorNumbers, ThousandthsWithoutTrailingZeros) {
  const struct {
    double value;
    const char* written;
  } cases[] = {
      {0, "0"},
      {12, "12"},
      {-0.5, "-0.5"},
      {190.48355, "190.484"},
      {1.05, "1.05"},
      {-4096.5, "-4096.5"},
      {0.0004, "0"},
      {-0.0004, "0"}, // no "-0"
      {0.0025, "0.003"},
      {std::numeric_limits<double>::quiet_NaN(), "0"},
      {std::numeric_limits<double>::infinity(), "0"},
      {1e300, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written);
    std::string out = "x";
    AppendNumber(out, c.value);
    EXPECT_EQ(out, std::string("x") + c.written);
  }
}

template <typename Drawing> std::string documentWithText(const std::string& text) {
  Drawing drawing(QSize(200, 40));
  drawing.fill(clWhite);
  drawing.textOut(5, 5, 0, text);
  std::string out;
  EXPECT_TRUE(drawing.finish(out).ok);
  return out;
}

std::string svgLetters(const std::string& svg) {
  QXmlStreamReader xml(QByteArray::fromStdString(svg));
  std::string letters;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == QLatin1String("text"))
      letters += xml.readElementText().toStdString();
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return letters;
}

// Markup, quotes, brackets, backslashes and letters beyond ASCII reach a reader as written;
// what a format cannot hold is left out (SVG) or shown as '?' (PDF's Latin font).
TEST(VectorText, LettersReadBackAsWritten) {
  const struct {
    const char* written;
    const char* svg;
    const char* pdf;
  } cases[] = {
      {"x<y & \"z\">", "x<y & \"z\">", "x<y & \"z\">"},
      {"a(b)\\c)", "a(b)\\c)", "a(b)\\c)"},
      {"Grüße", "Grüße", "Grüße"},
      {"a\x01"
       "b",
       "ab", nullptr},
      {"日本", "日本", "??"},
  };
  const bool havePdfText = !QStandardPaths::findExecutable("pdftotext").isEmpty();
  QTemporaryDir dir;
  const std::string pdfPath = dir.path().toStdString() + "/t.pdf";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written);
    EXPECT_EQ(svgLetters(documentWithText<SvgDrawing>(c.written)), c.svg);
    if (!c.pdf || !havePdfText) continue;
    std::ofstream(pdfPath, std::ios::binary) << documentWithText<PdfDrawing>(c.written);
    QProcess reader;
    reader.start("pdftotext", {QString::fromStdString(pdfPath), "-"});
    ASSERT_TRUE(reader.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(reader.readAllStandardOutput()).trimmed().toStdString(), c.pdf);
  }
}

} // namespace
