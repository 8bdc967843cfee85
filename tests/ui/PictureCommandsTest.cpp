// SPDX-License-Identifier: MIT
// The window's picture commands and addition menus: open, save, print, clipboard, graph size,
// the image editor, and the Plane, Line, Box and Contours menus per kind.
#include "WindowFixture.h"

#include "tests/cli/KelvoRun.h"
#include "io/Clipboard.h"
#include "ui/JPG1.h"
#include "ui/mainwindow/PictureBox.h"
#include "ui/mainwindow/RotationPanel.h"
#include "ui/Zlevels.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <filesystem>
#include <map>

#include <sys/stat.h>

namespace {

class PictureCommandsTest : public WindowTest {
protected:
  // Answers every dialog: a file dialog gets the path, a message box is remembered.
  void answerWith(const QString& path) {
    answer = [this, path](QDialog& dialog) {
      if (auto* files = qobject_cast<QFileDialog*>(&dialog)) files->selectFile(path);
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) said.push_back(box->text());
      return int(QDialog::Accepted);
    };
  }
  QStringList said;
  QTemporaryDir folder;
};

TEST_F(PictureCommandsTest, SavedPicturesOpenAgainStretchedOverTheBox) {
  choose(1);
  drawFunction("x*y");
  const QImage drawn = p.PictureCopy;
  for (const char* name : {"g.bmp", "g.gif", "g.jpg"}) {
    SCOPED_TRACE(name);
    const QString path = folder.filePath(name);
    answerWith(path);
    item("SaveOnlyinsiderectangle1").trigger();
    ASSERT_TRUE(std::filesystem::exists(path.toStdString()));
    item("ClearScreen1").trigger();
    item("OpenGraph1").trigger();
    EXPECT_TRUE(said.isEmpty()) << said.join("|").toStdString();
    EXPECT_EQ(p.PictureCopy.size(), drawn.size());
    if (std::string(name) != "g.jpg") {
      // A bitmap keeps every pixel; the GIF keeps the palette's nearest colours, and the
      // picture's own colours are on it but for the shading.
      EXPECT_EQ(p.PictureCopy.pixel(10, 10), drawn.pixel(10, 10));
    }
  }
}

TEST_F(PictureCommandsTest, SaveRulesNameTheFileWrittenAndJpegShowsItsQualityWindow) {
  choose(1);
  drawFunction("x*y");
  answerWith(folder.filePath("a.tiff"));
  item("SaveOnlyinsiderectangle1").trigger();
  EXPECT_TRUE(QFile::exists(folder.filePath("a.bmp")));
  EXPECT_FALSE(QFile::exists(folder.filePath("a.tiff")));
  EXPECT_FALSE(forms.jpgDlg->isVisible());
  answerWith(folder.filePath("b.JPEG"));
  item("Savefullgraph1").trigger();
  EXPECT_TRUE(QFile::exists(folder.filePath("b.jpg")));
  EXPECT_TRUE(forms.jpgDlg->isVisible());
  forms.jpgDlg->hide();
  // A full graph is larger than the picture box: it holds the title and labels too.
  const QImage full(folder.filePath("b.jpg"));
  EXPECT_GT(full.height(), p.PictureCopy.height());
}

TEST_F(PictureCommandsTest, FilesThatCannotBeOpenedSayWhyAndKeepThePicture) {
  choose(1);
  drawFunction("x*y");
  const QImage drawn = p.PictureCopy;
  QFile text(folder.filePath("notes.gif"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("not a picture");
  text.close();
  QDir(folder.path()).mkdir("dir.bmp");
  struct Case {
    QString path;
    const char* words;
  };
  const Case cases[] = {
      {folder.filePath("x.tiff"), "only Bitmaps"},
      {folder.filePath("missing.bmp"), "missing.bmp"},
      {folder.filePath("notes.gif"), "notes.gif"},
      {folder.filePath("dir.bmp"), "dir.bmp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    said.clear();
    answerWith(c.path);
    EXPECT_FALSE(window().openPictureFile(c.path));
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(c.words)) << said[0].toStdString();
    EXPECT_EQ(p.PictureCopy, drawn);
  }
}

// Export Picture's "at 2x" draws the picture again at twice its size, the way kelvo render
// --scale 2 does for the same graph: the same bytes, in each picture format.
TEST_F(PictureCommandsTest, ThePictureAtTwiceItsSizeIsTheOneTheCommandLineWrites) {
  choose(1);
  drawFunction("(2*x^2+3*y^2)*Exp(1-x^2-y^2)");
  const QString graph = folder.filePath("hills.kelvo");
  ASSERT_TRUE(window().saveGraphFileAs(graph));
  for (const char* format : {"png", "bmp", "gif"}) {
    SCOPED_TRACE(format);
    const QString mine = folder.filePath(QStringLiteral("window.") + format);
    const QString theirs = folder.filePath(QStringLiteral("render.") + format);
    said.clear();
    answerWith(mine);
    item("SavePicture2x1").trigger();
    EXPECT_TRUE(said.isEmpty()) << said.join("|").toStdString();
    const KelvoRun run = RunKelvo(
        {"render", "--graph", graph.toStdString(), "--scale", "2", "--out", theirs.toStdString()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = BytesOf(mine.toStdString());
    EXPECT_FALSE(bytes.empty());
    EXPECT_TRUE(bytes == BytesOf(theirs.toStdString()));
    EXPECT_EQ(QImage(mine).size(), 2 * p.PictureCopy.size());
  }
}

// The larger picture is refused like any other save: a folder that is not there, and a named
// pipe nobody reads, which must not keep the window waiting.
TEST_F(PictureCommandsTest, ThePictureAtTwiceItsSizeSaysWhyItCannotBeWritten) {
  choose(1);
  drawFunction("x*y");
  const QString pipe = folder.filePath("pipe.png");
  ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
  const struct {
    QString path;
    const char* words;
  } cases[] = {{folder.filePath("none/a.png"), "No such file or directory"},
               {pipe, "the named pipe has no reader"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    said.clear();
    answerWith(c.path);
    item("SavePicture2x1").trigger();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(c.words)) << said[0].toStdString();
  }
}

TEST_F(PictureCommandsTest, ASaveThatCannotBeWrittenSaysWhy) {
  choose(1);
  drawFunction("x*y");
  said.clear();
  answerWith({});
  EXPECT_FALSE(window().savePictureAs(folder.filePath("none/a.bmp"), false));
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].contains("No such file or directory")) << said[0].toStdString();
}

TEST_F(PictureCommandsTest, PrintingWritesOnePageAndAFailedJobBeeps) {
  choose(1);
  drawFunction("x*y");
  const QString pdf = folder.filePath("graph.pdf");
  {
    QPdfWriter writer(pdf);
    EXPECT_TRUE(window().printPicture(writer));
  }
  EXPECT_GT(QFileInfo(pdf).size(), 1000);
  EXPECT_FALSE(controls().Panel3->isHidden());
  host.beeps = 0;
  QPdfWriter broken(folder.filePath("none/graph.pdf"));
  EXPECT_FALSE(window().printPicture(broken));
  EXPECT_EQ(host.beeps, 1);
}

TEST_F(PictureCommandsTest, ClipboardRoundTripAndPasteWithoutAPicture) {
  choose(1);
  drawFunction("x*y");
  const QImage drawn = p.PictureCopy;
  item("CopyGraph1").trigger();
  menu("editMenu").aboutToShow();
  EXPECT_TRUE(item("PasteGraph1").isEnabled());
  item("ClearScreen1").trigger();
  item("PasteGraph1").trigger();
  EXPECT_EQ(p.PictureCopy, drawn);

  // The clipboard changed since the menu was last open: Paste Graph is still offered (its
  // key too) and says that what it finds is no picture.
  QGuiApplication::clipboard()->setText("just text");
  answerWith({});
  item("PasteGraph1").trigger();
  ASSERT_EQ(said.size(), 1);
  EXPECT_EQ(said[0], "Sorry..not a bitmap");
  EXPECT_EQ(p.PictureCopy, drawn);
  menu("editMenu").aboutToShow();
  EXPECT_FALSE(item("PasteGraph1").isEnabled());
}

TEST_F(PictureCommandsTest, GraphSizeScalesThePictureWithoutRedrawing) {
  choose(1);
  drawFunction("x*y");
  const QSize normal = p.PictureCopy.size();
  host.polls = 0;
  item("N60Normal1").trigger();
  EXPECT_EQ(host.polls, 0);
  EXPECT_LT(p.PictureCopy.width(), normal.width() * 0.7);
  EXPECT_TRUE(item("N60Normal1").isChecked());
  item("Normal1").trigger();
  EXPECT_EQ(p.PictureCopy.size(), normal);
}

TEST_F(PictureCommandsTest, WithoutAnImageEditorTheWindowSaysSo) {
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", folder.path().toLocal8Bit());
  choose(1);
  answerWith({});
  item("Graph1").trigger();
  qputenv("PATH", path);
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].contains("No image editor")) << said[0].toStdString();
}

TEST_F(PictureCommandsTest, ShortcutsStandInTheirUsualPlaces) {
  const std::pair<QAction*, const char*> keys[] = {
      {&item("Draw1"), "F5"},
      {&item("OpenGraphFile1"), "Ctrl+O"},
      {&item("SaveGraphFile1"), "Ctrl+S"},
      {&item("SaveGraphFileAs1"), "Ctrl+Shift+S"},
      {&item("SaveOnlyinsiderectangle1"), "Ctrl+E"},
      {&item("Savefullgraph1"), "Ctrl+Shift+E"},
      {&item("OpenGraph1"), "Ctrl+Shift+O"},
      {&item("CopyGraph1"), "Ctrl+C"},
      {&item("PasteGraph1"), "Ctrl+V"},
      {&item("PrintGraph1"), "Ctrl+P"},
      {&item("ListFunctionvalues1"), "Ctrl+L"},
      {&item("Help1"), "F1"},
      {&item("Quit1"), "Ctrl+Q"},
      {&item("Exit1"), ""}, // Exit goes back to the start-up form without a key
  };
  for (const auto& [action, key] : keys) {
    SCOPED_TRACE(key);
    EXPECT_EQ(action->shortcut().toString().toStdString(),
              QKeySequence(key).toString().toStdString());
  }
  // No two items share a key.
  std::map<QString, QString> taken;
  for (const auto& [name, action] : controls().items) {
    if (action->shortcut().isEmpty()) continue;
    const auto [at, added] = taken.emplace(action->shortcut().toString(), name);
    EXPECT_TRUE(added) << name.toStdString() << " and " << at->second.toStdString() << " share "
                       << at->first.toStdString();
  }
  // F5 draws: the key reaches the Draw command through the window.
  choose(1);
  g().FunctionText = "x*y";
  QApplication::setActiveWindow(&window());
  QTest::keyClick(&window(), Qt::Key_F5);
  EXPECT_TRUE(g().HasDrawn);
}

TEST_F(PictureCommandsTest, AdditionMenusFollowTheKind) {
  for (int kind : {1, 2, 3, 4}) {
    SCOPED_TRACE(kind);
    choose(kind);
    EXPECT_EQ(menu("planeMenu").menuAction()->isVisible(), kind == 1);
    EXPECT_TRUE(menu("lineMenu").menuAction()->isVisible());
    EXPECT_TRUE(menu("boxMenu").menuAction()->isVisible());
    EXPECT_EQ(menu("contoursMenu").menuAction()->isVisible(), kind <= 2);
    item("Exit1").trigger();
  }
}

TEST_F(PictureCommandsTest, PlaneBeforeItsDataSaysSoAndTheBoxDrawsWhenItsMenuOpens) {
  choose(1);
  drawFunction("x*y");
  answerWith({});
  item("Draw2").trigger();
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].contains("plane")) << said[0].toStdString();
  const QImage before = p.PictureCopy;
  menu("boxMenu").aboutToShow();
  EXPECT_EQ(p.PictureCopy, before);
  item("DrawBox1").trigger();
  EXPECT_TRUE(g().DrawBoxChecked);
  menu("boxMenu").aboutToShow();
  EXPECT_NE(p.PictureCopy, before);
}

TEST_F(PictureCommandsTest, ContoursShowTheLevelsWindowBesideThePicture) {
  choose(1);
  drawFunction("x*x+y*y");
  item("Draw4").trigger();
  EXPECT_TRUE(forms.zlevelsFm->isVisible());
  EXPECT_FALSE(forms.zlevelsFm->ContLevels->toPlainText().isEmpty());
  item("Exit1").trigger();
  EXPECT_FALSE(forms.zlevelsFm->isVisible());
}

} // namespace

namespace {

// On a screen of device pixel ratio 2 the resting picture has a twin of twice its size drawn
// again from its record; the twin is the picture's until the picture changes, and none is
// made at a ratio of 1 or while a drawing runs. The picture itself keeps its size.
TEST_F(WindowTest, HiDpiScreensGetASharpTwinOfTheRestingPicture) {
  choose(1);
  drawFunction("x*y");
  const QSize logical = p.PictureCopy.size();
  SharpPicture sharp;
  EXPECT_FALSE(sharp.make(p, 1));
  ASSERT_TRUE(sharp.make(p, 2));
  const QImage* twin = sharp.current(p, 2);
  ASSERT_NE(twin, nullptr);
  EXPECT_EQ(twin->size(), logical * 2);
  EXPECT_EQ(twin->devicePixelRatio(), 2);
  EXPECT_EQ(p.PictureCopy.size(), logical);
  EXPECT_EQ(sharp.current(p, 1.5), nullptr);
  // Far from every line the twin shows the picture's background.
  const QRgb background = p.PictureCopy.pixel(3, 3);
  EXPECT_EQ(twin->pixel(6, 6), background);
  EXPECT_EQ(twin->pixel(7, 7), background);
  p.DrawInProgress = true;
  EXPECT_EQ(sharp.current(p, 2), nullptr);
  EXPECT_FALSE(sharp.make(p, 2));
  p.DrawInProgress = false;
  drawFunction("x+y");
  EXPECT_EQ(sharp.current(p, 2), nullptr);
}

} // namespace
