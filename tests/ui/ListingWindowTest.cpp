// SPDX-License-Identifier: MIT
// The function-value listing window: headers, Save and SaveAs with the caption, printing to a
// PDF file, the clipboard, and a list that follows the draws.
#include "WindowFixture.h"

#include "ui/FuncVals.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>

#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr int Ok = QDialog::Accepted;
constexpr int Cancel = QDialog::Rejected;

std::string fileText(const QString& path) {
  std::ifstream in(path.toStdString());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// Output of a poppler tool on a PDF file, empty when the tool cannot run.
QString pdfTool(const char* tool, const QStringList& arguments) {
  QProcess run;
  run.start(tool, arguments);
  if (!run.waitForFinished(20000) || run.exitCode() != 0) return {};
  return QString::fromUtf8(run.readAllStandardOutput());
}

class ListingTest : public WindowTest {
protected:
  TFuncList& listing() { return *forms.funcList; }
  // A small drawn surface and its listing window.
  void drawAndList(int kind = 1) {
    choose(kind);
    g().XCurves = g().YCurves = 4;
    drawFunction("x*y");
    item("ListFunctionvalues1").trigger();
  }
  // Answers the save dialog with a file of the scratch folder.
  void answerSaveWith(const QString& name) {
    answer = [this, name](QDialog& dialog) {
      auto* files = qobject_cast<QFileDialog*>(&dialog);
      if (!files) return Cancel;
      files->selectFile(folder.filePath(name));
      return Ok;
    };
  }
  void selectChars(int from, int to) {
    QTextCursor cursor = listing().Values->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    listing().Values->setTextCursor(cursor);
  }

  QTemporaryDir folder;
};

// ---- Showing the list ------------------------------------------------------------------

TEST_F(ListingTest, HeaderFollowsTheKindAndTheListIsTheLastDraws) {
  struct Row {
    int kind;
    const char* header;
  };
  for (const Row& row : {Row{1, "       x           y              z"},
                         Row{2, "       r           theta          z"},
                         Row{3, "       t           x              y            z"},
                         Row{4, "       x           y              z"}}) {
    SCOPED_TRACE(row.kind);
    choose(row.kind);
    p.Values = {"first", "second"};
    g().PictureCopyValid = false;
    item("ListFunctionvalues1").trigger();
    EXPECT_EQ(listing().Label1->text(), row.header);
    EXPECT_EQ(listing().lines(), p.Values);
    EXPECT_TRUE(listing().isVisible());
    EXPECT_TRUE(g().PictureCopyValid);
    item("Exit1").trigger();
  }
}

TEST_F(ListingTest, AnOpenListingFollowsTheNextDraw) {
  drawAndList();
  const std::vector<std::string> first = listing().lines();
  ASSERT_EQ(first.size(), 25u);
  drawFunction("x+y");
  EXPECT_EQ(listing().lines(), p.Values);
  EXPECT_NE(listing().lines(), first);
}

// ---- Save, SaveAs and the caption --------------------------------------------------------

TEST_F(ListingTest, FirstSaveAsksThenWritesWithoutAskingAndTheCaptionNamesTheFile) {
  ASSERT_TRUE(folder.isValid());
  drawAndList();
  answerSaveWith("values.txt");
  listing().Save1Click();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(listing().ListFileName, folder.filePath("values.txt").toStdString());
  EXPECT_EQ(listing().windowTitle(), " Function Values  values.txt");
  EXPECT_EQ(fileText(folder.filePath("values.txt")), joined(p.Values));

  // The second Save writes the list as it now stands, without a dialog.
  selectChars(0, listing().Values->document()->findBlockByNumber(1).position());
  listing().Cut1Click();
  listing().Save1Click();
  EXPECT_EQ(opened.size(), 1u);
  EXPECT_EQ(fileText(folder.filePath("values.txt")), joined(listing().lines()));
  EXPECT_EQ(listing().lines().size(), 24u);

  // Shown again: the caption stays, but the next Save asks for a name once more.
  item("ListFunctionvalues1").trigger();
  EXPECT_EQ(listing().windowTitle(), " Function Values  values.txt");
  EXPECT_EQ(listing().ListFileName, "NoTitle");
  answer = nullptr;
  listing().Save1Click();
  EXPECT_EQ(opened.size(), 2u);
}

// After Exit and a new kind the caption no longer names the file the last kind's listing went to.
TEST_F(ListingTest, TheCaptionForgetsTheFileOfTheKindBefore) {
  ASSERT_TRUE(folder.isValid());
  drawAndList();
  answerSaveWith("values.txt");
  listing().Save1Click();
  ASSERT_EQ(listing().windowTitle(), " Function Values  values.txt");
  item("Exit1").trigger();
  choose(2);
  drawFunction("r");
  item("ListFunctionvalues1").trigger();
  EXPECT_EQ(listing().windowTitle(), "Function Values");
  EXPECT_EQ(listing().ListFileName, "NoTitle");
}

TEST_F(ListingTest, CancelledSaveAsChangesNothing) {
  drawAndList();
  answer = nullptr;
  listing().SaveAs1Click();
  EXPECT_EQ(opened.size(), 1u);
  EXPECT_EQ(listing().ListFileName, "NoTitle");
  EXPECT_EQ(listing().windowTitle(), "Function Values");
}

TEST_F(ListingTest, NothingIsSavedOrPrintedBeforeAFunctionWasGiven) {
  choose(1);
  item("ListFunctionvalues1").trigger();
  ASSERT_FALSE(g().FunctionReady);
  listing().Save1Click();
  listing().SaveAs1Click();
  listing().Print1Click();
  EXPECT_TRUE(opened.empty());
}

TEST_F(ListingTest, AFailedWriteIsReportedInAMessageBox) {
  drawAndList();
  std::string shown;
  answer = [&](QDialog& dialog) {
    if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
      files->selectFile(folder.filePath("missing-folder/values.txt"));
      return Ok;
    }
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) shown = box->text().toStdString();
    return Ok;
  };
  listing().SaveAs1Click();
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_NE(shown.find("missing-folder/values.txt"), std::string::npos) << shown;
  EXPECT_FALSE(QFileInfo::exists(folder.filePath("missing-folder/values.txt")));
}

// ---- Print -------------------------------------------------------------------------------

TEST_F(ListingTest, PrintWritesTheHeaderDashesAndEveryLineOverPages) {
  ASSERT_TRUE(folder.isValid());
  choose(1);
  g().XCurves = g().YCurves = 12; // 169 lines, more than one page
  drawFunction("x*y");
  item("ListFunctionvalues1").trigger();
  const QString pdf = folder.filePath("list.pdf");
  answer = [&](QDialog& dialog) {
    auto* print = qobject_cast<QPrintDialog*>(&dialog);
    if (!print) return Cancel;
    print->printer()->setOutputFileName(pdf);
    return Ok;
  };
  listing().Print1Click();
  ASSERT_TRUE(QFileInfo::exists(pdf));
  const QString info = pdfTool("pdfinfo", {pdf});
  if (info.isEmpty()) GTEST_SKIP() << "poppler tools are not installed";
  const int pages = info.section("Pages:", 1).trimmed().section('\n', 0, 0).toInt();
  EXPECT_GE(pages, 2);
  const QString text = pdfTool("pdftotext", {"-layout", pdf, "-"});
  EXPECT_TRUE(text.contains(QString(35, '-')));
  // The text tool may space the columns its own way; the words and numbers are what count.
  const QString words = text.simplified();
  EXPECT_TRUE(words.startsWith("x y z " + QString(35, '-')));
  EXPECT_TRUE(words.contains(QString::fromStdString(p.Values.front()).simplified()));
  EXPECT_TRUE(words.contains(QString::fromStdString(p.Values.back()).simplified()));
}

TEST_F(ListingTest, CancelledPrintWritesNothing) {
  drawAndList();
  const QString pdf = folder.filePath("never.pdf");
  answer = [&](QDialog& dialog) {
    qobject_cast<QPrintDialog*>(&dialog)->printer()->setOutputFileName(pdf);
    return Cancel;
  };
  listing().Print1Click();
  EXPECT_EQ(opened.size(), 1u);
  EXPECT_FALSE(QFileInfo::exists(pdf));
}

// ---- Copy and Cut ------------------------------------------------------------------------

TEST_F(ListingTest, CopyPutsTheSelectionOnTheClipboardAndCutRemovesIt) {
  drawAndList();
  QClipboard& clipboard = *QGuiApplication::clipboard();
  clipboard.setText("before");
  listing().Copy1Click();
  listing().Cut1Click();
  EXPECT_EQ(clipboard.text(), "before"); // no selection: both do nothing
  EXPECT_EQ(listing().lines().size(), 25u);

  const int secondLine = listing().Values->document()->findBlockByNumber(1).position();
  const int fourthLine = listing().Values->document()->findBlockByNumber(3).position();
  const std::string expected = p.Values[1] + "\n" + p.Values[2] + "\n";
  selectChars(secondLine, fourthLine);
  listing().Copy1Click();
  EXPECT_EQ(clipboard.text().toStdString(), expected);
  EXPECT_EQ(listing().lines().size(), 25u);

  clipboard.setText("before");
  const std::vector<std::string> all = p.Values;
  listing().Cut1Click();
  EXPECT_EQ(clipboard.text().toStdString(), expected);
  ASSERT_EQ(listing().lines().size(), 23u);
  EXPECT_EQ(listing().lines()[1], all[3]);
  EXPECT_TRUE(listing().Values->isReadOnly());
  // The list itself lost the lines: showing it again does not bring them back.
  item("ListFunctionvalues1").trigger();
  EXPECT_EQ(listing().lines().size(), 23u);
}

} // namespace
