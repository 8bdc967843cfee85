// SPDX-License-Identifier: MIT
// Graph files in the window: open and save through the File menu, the changed mark in the
// caption, the question before a changed graph is set aside, the recent files, dropped files,
// the folder the dialogs start in, and pictures of any case of their names.
#include "WindowFixture.h"

#include "ui/ParameterSliders.h"

#include "graph/GraphFile.h"
#include "io/PictureFiles.h"
#include "ui/Axes1.h"
#include "ui/Changer1.h"
#include "ui/ColorFm.h"
#include "ui/Domain1.h"
#include "ui/FuncVals.h"
#include "ui/JPG1.h"
#include "ui/Param1.h"
#include "ui/WindowSettings.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

#include <functional>
#include <string>

namespace {

constexpr int Ok = QDialog::Accepted;

std::string textOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

bool holds(const std::string& text, const QString& part) {
  return text.find(part.toStdString()) != std::string::npos;
}

void writeText(const QString& path, const QString& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text.toUtf8());
}

class GraphFilesTest : public WindowTest {
protected:
  // A window the offscreen screen holds whole, so that a file's size is taken as it stands.
  GraphFilesTest() { window().resize(760, 560); }

  // Answers the next dialogs: a file dialog takes the path, a message box is remembered; the
  // settings dialogs are closed with OK after fill ran.
  void answerWith(const QString& path, std::function<void(QDialog&)> fill = {}) {
    answer = [this, path, fill](QDialog& dialog) {
      if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
        startedIn.push_back(QDir(files->directory()).absolutePath());
        filters.push_back(files->selectedNameFilter());
        if (path.isEmpty()) return int(QDialog::Rejected);
        files->selectFile(path);
      } else if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        said.push_back(box->text());
      } else if (fill) {
        fill(dialog);
      }
      return Ok;
    };
  }
  QString path(const QString& name) const { return folder.filePath(name); }
  void saveAs(const QString& file) {
    answerWith(file);
    item("SaveGraphFileAs1").trigger();
  }
  void open(const QString& file) {
    answerWith(file);
    item("OpenGraphFile1").trigger();
  }
  QString title() { return window().windowTitle(); }
  bool marked() { return title().endsWith(" *"); }
  // The texts of the recent files' items, in the menu's order.
  QStringList recentItems() {
    menu("recentGraphFilesMenu").aboutToShow();
    QStringList texts;
    for (const QAction* action : menu("recentGraphFilesMenu").actions()) texts << action->text();
    return texts;
  }
  // The window's graph as its file would hold it, the window size left out.
  std::string shownGraph() { return WriteGraphFile(g(), {}); }
  void drop(const QString& file, bool expectAccepted = true) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    const QPointF at(200, 200);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window(), &enter);
    EXPECT_EQ(enter.isAccepted(), expectAccepted) << file.toStdString();
    if (!enter.isAccepted()) return;
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window(), &dropped);
    EXPECT_TRUE(dropped.isAccepted());
  }

  QTemporaryDir folder;
  QStringList said, startedIn, filters;
};

// ---- Open and save -----------------------------------------------------------------------

// Each kind with settings of its own menus: saved, left, and opened again from another kind,
// it comes back with every setting and the very picture it had.
TEST_F(GraphFilesTest, SavedGraphsOpenAgainAsTheyWereInEveryKind) {
  struct Case {
    int kind;
    std::function<void()> change;
  };
  const Case cases[] = {
      {1,
       [this] {
         answerWith({}, [this](QDialog&) { forms.domainDlg->field(1)->setText("2"); });
         item("Domain1").trigger();
         drawFunction("x*y");
         item("Draw4").trigger();
         item("N80Normal1").trigger();
       }},
      {2,
       [this] {
         answerWith({}, [this](QDialog&) { forms.paramDlg->field(0)->setText("1.5"); });
         item("Parameters1").trigger();
         drawFunction("a*r*cos(t)");
       }},
      {3,
       [this] {
         g().FunctionTextX = "cos(t)";
         g().FunctionTextY = "sin(t)";
         g().FunctionTextZ = "t/3";
         item("Draw1").trigger();
         controls().Panel3->BitBtn1->click();
       }},
      {4,
       [this] {
         g().FunctionTextX = "u";
         g().FunctionTextY = "v";
         g().FunctionTextZ = "u*v";
         answerWith({}, [this](QDialog&) { forms.change1Dlg->Edit1->setText("Patch"); });
         item("GraphTitle1").trigger();
         item("DrawBox1").trigger();
         item("Draw1").trigger();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    choose(c.kind);
    c.change();
    ASSERT_TRUE(g().PictureCopyValid);
    const std::string graph = shownGraph();
    const QImage picture = p.PictureCopy;
    const QString name = QStringLiteral("kind%1.kelvo").arg(c.kind);
    saveAs(path(name));
    EXPECT_TRUE(title().endsWith("  -  " + name)) << title().toStdString();
    EXPECT_TRUE(questions.isEmpty());
    item("Exit1").trigger();
    EXPECT_TRUE(questions.isEmpty()) << "a saved graph is not asked about";

    choose(c.kind % 4 + 1);
    open(path(name));
    EXPECT_EQ(g().GraphKind, '0' + c.kind);
    EXPECT_EQ(shownGraph(), graph);
    EXPECT_EQ(p.PictureCopy, picture);
    EXPECT_FALSE(marked()) << title().toStdString();
    EXPECT_EQ(window().graphFilePath(), QFileInfo(path(name)).absoluteFilePath());
    // Saving the opened graph again writes the same file.
    saveAs(path("again-" + name));
    EXPECT_EQ(textOf(path("again-" + name)), textOf(path(name)));
    EXPECT_TRUE(said.isEmpty()) << said.join("|").toStdString();
    item("Exit1").trigger();
  }
}

// The parameter sliders' ends are part of the graph: a saved file brings them back.
TEST_F(GraphFilesTest, TheSlidersEndsComeBackWithTheFile) {
  choose(1);
  drawFunction("a*x*y");
  item("ParameterSliders1").trigger();
  ParameterSliders& sliders = *forms.parameterSliders;
  sliders.lowField(2)->setText("-0.5");
  sliders.lowField(2)->editingFinished();
  sliders.highField(2)->setText("2*p");
  sliders.highField(2)->editingFinished();
  EXPECT_EQ(sliders.range(2).low, -0.5);
  EXPECT_TRUE(marked());
  const QString file = path("sliders.kelvo");
  saveAs(file);
  EXPECT_FALSE(marked());
  saveAnswer = QMessageBox::Discard;
  item("Exit1").trigger();
  choose(1);
  sliders.lowField(2)->setText("-3");
  sliders.lowField(2)->editingFinished();
  EXPECT_EQ(sliders.range(2).low, -3);
  saveAnswer = QMessageBox::Discard;
  open(file);
  EXPECT_EQ(sliders.range(2).low, -0.5);
  EXPECT_EQ(sliders.range(2).high, 2 * GraphState::Pi);
  EXPECT_EQ(sliders.range(0).low, -10);
  EXPECT_FALSE(marked());
  sliders.hide();
}

TEST_F(GraphFilesTest, OpeningAFileTakesItsKindMenusWindowSizeAndCaptions) {
  writeText(path("curve.kelvo"),
            "Kelvo graph 1\nKind = 3\nFunctionX = \"cos(t)\"\nFunctionY = \"sin(t)\"\n"
            "FunctionZ = \"t\"\nParamB = 2\nCaptionB = true\nTitle = \"Spiral\"\n"
            "WindowWidth = 700\nWindowHeight = 500\n");
  choose(1);
  open(path("curve.kelvo"));
  EXPECT_EQ(g().GraphKind, '3');
  EXPECT_TRUE(item("Step1").isVisible());
  EXPECT_FALSE(menu("planeMenu").menuAction()->isVisible());
  EXPECT_EQ(window().centralWidget()->size(), QSize(700, 500));
  EXPECT_EQ(p.ClientWidth, 700);
  EXPECT_EQ(p.ClientHeight, 500);
  EXPECT_EQ(controls().Panel2->text(), "Spiral");
  EXPECT_EQ(controls().parameterLabels[1]->text().toStdString().substr(0, 2), "b=");
  EXPECT_TRUE(controls().parameterLabels[0]->text().isEmpty());
  EXPECT_EQ(controls().Label11->text(), "Z= t");
  EXPECT_TRUE(g().GraphShown);
  EXPECT_EQ(title(), "        Kelvo  Space Curves  -  curve.kelvo");
  // A window larger than the screen takes what the screen has.
  writeText(path("wide.kelvo"),
            "Kelvo graph 1\nKind = 1\nWindowWidth = 8000\nWindowHeight = 300\n");
  open(path("wide.kelvo"));
  const QSize screen = window().screen()->availableGeometry().size();
  EXPECT_LE(window().frameGeometry().width(), screen.width());
  EXPECT_GT(window().centralWidget()->width(), screen.width() - 40);
  EXPECT_EQ(window().centralWidget()->height(), 300);
  EXPECT_EQ(p.ClientWidth, window().centralWidget()->width());
}

// A file that cannot be taken says which file, which line and why, and leaves the window as it
// was: picture, caption and graph; the changed graph is not asked about.
TEST_F(GraphFilesTest, AFileThatCannotBeTakenChangesNothing) {
  writeText(path("unknown.kelvo"), "Kelvo graph 1\nKind = 2\nColour = red\n");
  writeText(path("notes.kelvo"), "shopping list\n");
  writeText(path("kindless.kelvo"), "Kelvo graph 1\nFunction = \"x\"\n");
  QDir(folder.path()).mkdir("folder.kelvo");
  struct Case {
    QString file;
    const char* words;
  };
  const Case cases[] = {
      {path("unknown.kelvo"), "line 3: unknown key 'Colour'"},
      {path("notes.kelvo"), "line 1: this is not a Kelvo graph file"},
      {path("kindless.kelvo"), "names no kind"},
      {path("missing.kelvo"), "No such file or directory"},
      {path("folder.kelvo"), "folder.kelvo"},
  };
  choose(1);
  drawFunction("x*x-y");
  const QImage picture = p.PictureCopy;
  const std::string graph = shownGraph();
  const QString caption = title();
  ASSERT_TRUE(marked());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.toStdString());
    said.clear();
    open(c.file);
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(c.file)) << said[0].toStdString();
    EXPECT_TRUE(said[0].contains(c.words)) << said[0].toStdString();
    EXPECT_EQ(p.PictureCopy, picture);
    EXPECT_EQ(shownGraph(), graph);
    EXPECT_EQ(title(), caption);
    EXPECT_TRUE(questions.isEmpty());
  }
}

TEST_F(GraphFilesTest, ValuesPassedOverAreToldInOneMessageAfterTheDraw) {
  writeText(path("odd.kelvo"), "Kelvo graph 1\nKind = 1\nFunction = \"x+y\"\nXCurves = many\n"
                               "JpegQuality = 85\n");
  choose(1);
  bool drawnFirst = false;
  answer = [&](QDialog& dialog) {
    if (auto* files = qobject_cast<QFileDialog*>(&dialog)) files->selectFile(path("odd.kelvo"));
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      said.push_back(box->text());
      drawnFirst = g().GraphShown && g().PictureCopyValid;
    }
    return Ok;
  };
  item("OpenGraphFile1").trigger();
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(drawnFirst);
  EXPECT_TRUE(said[0].contains("line 4: the value of 'XCurves'")) << said[0].toStdString();
  EXPECT_TRUE(said[0].contains("line 5: the value of 'JpegQuality'")) << said[0].toStdString();
  EXPECT_EQ(g().FunctionText, "x+y");
  EXPECT_EQ(g().JpegQuality, 90);
}

// ---- The changed mark and the question -------------------------------------------------

TEST_F(GraphFilesTest, TheMarkComesWithAChangeAndGoesWithSave) {
  choose(1);
  EXPECT_EQ(title(), "        Kelvo  Rectangular Coordinates");
  item("Draw1").trigger();
  EXPECT_FALSE(marked()) << "a Draw of the defaults changes nothing";
  answerWith({}, [this](QDialog&) { forms.change1Dlg->Edit1->setText("Title"); });
  item("GraphTitle1").trigger();
  EXPECT_EQ(title(), "        Kelvo  Rectangular Coordinates *");
  saveAs(path("t.kelvo"));
  EXPECT_EQ(title(), "        Kelvo  Rectangular Coordinates  -  t.kelvo");
  // A turn of the eye is a change; Save writes the same file without asking for a name.
  controls().Panel3->BitBtn1->click();
  EXPECT_TRUE(marked());
  const std::size_t dialogs = opened.size();
  item("SaveGraphFile1").trigger();
  EXPECT_EQ(opened.size(), dialogs);
  EXPECT_FALSE(marked());
  EXPECT_TRUE(holds(textOf(path("t.kelvo")), "Theta = "));
  // Turning back to where it was saved is no change any more.
  controls().Panel3->BitBtn1->click();
  EXPECT_TRUE(marked());
  controls().Panel3->BitBtn2->click();
  EXPECT_FALSE(marked());
  // Resizing the window is no change of the graph.
  window().resize(window().width() - 50, window().height() - 40);
  item("Draw1").trigger();
  EXPECT_FALSE(marked());
  // A choice in a window of its own (here by the keyboard) marks the graph once it is made.
  item("Colors1").trigger();
  QTest::keyClick(forms.colorForm->aboveGroup->button(0), Qt::Key_Space);
  EXPECT_EQ(g().AboveColor, clBlue);
  QCoreApplication::processEvents();
  EXPECT_TRUE(marked());
  forms.colorForm->hide();
}

// File > Quit ends the program where Exit goes back to the start-up form; a changed graph is
// asked about first, and Cancel keeps everything on show.
TEST_F(GraphFilesTest, QuitEndsTheProgramAfterAskingAboutAChangedGraph) {
  choose(1);
  drawFunction("x*y");
  questions.clear();
  saveAnswer = QMessageBox::Cancel;
  item("Quit1").trigger();
  ASSERT_EQ(questions.size(), 1);
  EXPECT_TRUE(window().isVisible());
  EXPECT_EQ(g().GraphKind, '1');
  saveAnswer = QMessageBox::Discard;
  item("Quit1").trigger();
  EXPECT_EQ(questions.size(), 2);
  EXPECT_FALSE(window().isVisible());
  EXPECT_FALSE(forms.mainMenu->isVisible());
  EXPECT_EQ(g().GraphKind, '5');
}

TEST_F(GraphFilesTest, ExitAsksAboutAChangedGraphAndEachAnswerDoesItsPart) {
  struct Case {
    QMessageBox::StandardButton answer;
    bool left, saved;
  };
  const Case cases[] = {
      {QMessageBox::Save, true, true},
      {QMessageBox::Discard, true, false},
      {QMessageBox::Cancel, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    const QString file = path(QStringLiteral("exit%1.kelvo").arg(c.answer));
    choose(1);
    drawFunction("sin(x)*y");
    questions.clear();
    saveAnswer = c.answer;
    answerWith(file);
    item("Exit1").trigger();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("not saved")) << questions[0].toStdString();
    EXPECT_EQ(window().isVisible(), !c.left);
    EXPECT_EQ(forms.mainMenu->isVisible(), c.left);
    EXPECT_EQ(QFile::exists(file), c.saved);
    if (c.saved) {
      EXPECT_TRUE(holds(textOf(file), "Function = \"sin(x)*y\""));
    }
    if (!c.left) {
      EXPECT_EQ(g().FunctionText, "sin(x)*y");
      EXPECT_TRUE(g().PictureCopyValid);
      // Closing the window asks as Exit does.
      window().close();
      EXPECT_EQ(questions.size(), 2);
      EXPECT_TRUE(window().isVisible());
      // Quit on the start-up form as well, were it reached with the graph on show.
      forms.mainMenu->button(5)->click();
      EXPECT_EQ(questions.size(), 3);
      EXPECT_EQ(g().GraphKind, '1');
      saveAnswer = QMessageBox::Discard;
      item("Exit1").trigger();
    }
  }
  // Save for a graph without a file asks for a name; cancelling that keeps the window.
  choose(2);
  drawFunction("r");
  saveAnswer = QMessageBox::Save;
  questions.clear();
  answerWith({});
  item("Exit1").trigger();
  EXPECT_EQ(questions.size(), 1);
  EXPECT_TRUE(window().isVisible());
  // An unchanged graph is not asked about.
  saveAnswer = QMessageBox::Discard;
  item("Exit1").trigger();
  choose(2);
  questions.clear();
  item("Exit1").trigger();
  EXPECT_TRUE(questions.isEmpty());
  EXPECT_FALSE(window().isVisible());
}

TEST_F(GraphFilesTest, OpeningAnotherGraphAsksAboutTheChangedOne) {
  choose(1);
  drawFunction("x");
  saveAs(path("x.kelvo"));
  drawFunction("y");
  saveAnswer = QMessageBox::Cancel;
  writeText(path("other.kelvo"), "Kelvo graph 1\nKind = 2\nFunction = \"r\"\n");
  open(path("other.kelvo"));
  ASSERT_EQ(questions.size(), 1);
  EXPECT_TRUE(questions[0].contains("x.kelvo")) << questions[0].toStdString();
  EXPECT_EQ(g().GraphKind, '1');
  saveAnswer = QMessageBox::Save;
  open(path("other.kelvo"));
  EXPECT_EQ(g().GraphKind, '2');
  EXPECT_TRUE(holds(textOf(path("x.kelvo")), "Function = \"y\""));
}

// ---- Recent files ------------------------------------------------------------------------

TEST_F(GraphFilesTest, RecentFilesAreTheLastEightNewestFirst) {
  choose(1);
  EXPECT_FALSE(menu("recentGraphFilesMenu").menuAction()->isEnabled());
  for (int i = 1; i <= 10; ++i) saveAs(path(QStringLiteral("g%1.kelvo").arg(i)));
  QStringList expected;
  for (int i = 10; i >= 3; --i) expected << QStringLiteral("&%1 g%2.kelvo").arg(11 - i).arg(i);
  EXPECT_EQ(recentItems(), expected);
  // Opening one of them puts it first, once.
  item("RecentGraphFile4").trigger();
  EXPECT_EQ(window().graphFilePath(), QFileInfo(path("g7.kelvo")).absoluteFilePath());
  const QStringList after = recentItems();
  ASSERT_EQ(after.size(), 8);
  EXPECT_EQ(after[0], "&1 g7.kelvo");
  EXPECT_EQ(after[1], "&2 g10.kelvo");
  EXPECT_EQ(after.filter("g7.kelvo").size(), 1);
  // The list outlives the window: a new program reads it.
  {
    Program other;
    Forms again(other);
    const QMenu* recent = again.kelvoScrn1->controls().menu("recentGraphFilesMenu");
    ASSERT_EQ(recent->actions().size(), 8);
    EXPECT_EQ(recent->actions()[0]->text(), "&1 g7.kelvo");
  }
  // A file that is gone says so when chosen and leaves the list.
  ASSERT_TRUE(QFile::remove(path("g9.kelvo")));
  said.clear();
  answerWith({});
  item("RecentGraphFile3").trigger();
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].contains("g9.kelvo")) << said[0].toStdString();
  EXPECT_EQ(recentItems().filter("g9.kelvo").size(), 0);
  EXPECT_EQ(recentItems().size(), 7);
  EXPECT_EQ(window().graphFilePath(), QFileInfo(path("g7.kelvo")).absoluteFilePath());
}

TEST_F(GraphFilesTest, RecentFilesOfOneNameShowTheirFolders) {
  QDir(folder.path()).mkdir("a");
  QDir(folder.path()).mkdir("b");
  choose(1);
  saveAs(path("a/same.kelvo"));
  saveAs(path("b/same.kelvo"));
  saveAs(path("b/R&D.kelvo"));
  const QStringList texts = recentItems();
  ASSERT_EQ(texts.size(), 3);
  EXPECT_EQ(texts[0], "&1 R&&D.kelvo");
  EXPECT_EQ(texts[1],
            "&2 " + QDir::toNativeSeparators(QFileInfo(path("b/same.kelvo")).absoluteFilePath()));
}

// ---- Dropped files, folders, pictures ----------------------------------------------------

TEST_F(GraphFilesTest, DroppedGraphFilesAndPicturesOpen) {
  writeText(path("dropped.KELVO"), "Kelvo graph 1\nKind = 4\nFunctionZ = \"u*v\"\n");
  QImage green(12, 12, QImage::Format_RGB32);
  green.fill(qRgb(0, 255, 0));
  ASSERT_TRUE(SavePicture(green, path("green.png").toStdString()).ok);
  writeText(path("notes.txt"), "text");
  choose(1);
  drop(path("notes.txt"), false);
  EXPECT_EQ(g().GraphKind, '1');
  drop(path("dropped.KELVO"));
  EXPECT_EQ(g().GraphKind, '4');
  EXPECT_EQ(g().FunctionTextZ, "u*v");
  EXPECT_TRUE(title().contains("dropped.KELVO")) << title().toStdString();
  drop(path("green.png"));
  // The picture is stretched over the whole picture box.
  EXPECT_EQ(p.PictureCopy.pixel(3, 3), qRgb(0, 255, 0));
  EXPECT_EQ(p.PictureCopy.pixel(p.PictureCopy.width() - 2, p.PictureCopy.height() - 2),
            qRgb(0, 255, 0));
  EXPECT_TRUE(said.isEmpty());
}

// A graph drawn over an opened picture names it in its file, and opening the file draws over
// it again; once the picture is cleared, the file names none.
TEST_F(GraphFilesTest, ThePictureUnderTheGraphIsNamedInItsFile) {
  QImage red(10, 10, QImage::Format_RGB32);
  red.fill(qRgb(255, 0, 0));
  ASSERT_TRUE(SavePicture(red, path("red.Png").toStdString()).ok);
  choose(1);
  answerWith(path("red.Png"));
  item("OpenGraph1").trigger();
  ASSERT_EQ(filters.size(), 1);
  EXPECT_TRUE(filters[0].startsWith("All (")) << filters[0].toStdString();
  drawFunction("x*y");
  saveAs(path("over.kelvo"));
  EXPECT_TRUE(holds(textOf(path("over.kelvo")), "Picture = \"" + path("red.Png") + "\""));
  const QImage picture = p.PictureCopy;
  item("ClearScreen1").trigger();
  EXPECT_TRUE(marked());
  saveAs(path("bare.kelvo"));
  EXPECT_TRUE(holds(textOf(path("bare.kelvo")), "Picture = \"\"\n"));

  item("Exit1").trigger();
  choose(2);
  open(path("over.kelvo"));
  EXPECT_EQ(p.PictureCopy, picture);
  EXPECT_EQ(p.PictureCopy.pixel(2, 2), qRgb(255, 0, 0));
  EXPECT_FALSE(marked());
  // Without the picture the graph is drawn all the same, and the message says why.
  ASSERT_TRUE(QFile::remove(path("red.Png")));
  said.clear();
  open(path("over.kelvo"));
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].contains("red.Png")) << said[0].toStdString();
  EXPECT_TRUE(g().GraphShown);
  EXPECT_NE(p.PictureCopy.pixel(2, 2), qRgb(255, 0, 0));
}

TEST_F(GraphFilesTest, PicturesExportAndOpenInAnyCaseOfTheirNames) {
  choose(1);
  drawFunction("x*y");
  struct Case {
    const char *chosen, *written;
    PictureFormat format;
  };
  const Case cases[] = {
      {"a.PNG", "a.png", PictureFormat::Png},
      {"b.Jpg", "b.jpg", PictureFormat::Jpeg},
      {"c.Gif", "c.gif", PictureFormat::Gif},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    answerWith(path(c.chosen));
    item("SaveOnlyinsiderectangle1").trigger();
    ASSERT_TRUE(QFile::exists(path(c.written)));
    EXPECT_FALSE(QFile::exists(path(c.chosen)) && QString(c.chosen) != c.written);
    const DecodedPicture back = ReadPictureFile(path(c.written).toStdString(), c.format);
    ASSERT_TRUE(back.result.ok) << back.result.message;
    EXPECT_EQ(back.picture.size(), p.PictureCopy.size());
    if (c.format == PictureFormat::Png) {
      EXPECT_EQ(back.picture, p.PictureCopy);
    }
  }
  forms.jpgDlg->hide();
  // Opened again under a name of another case, each is stretched over the box.
  const QImage drawn = p.PictureCopy;
  ASSERT_TRUE(QFile::rename(path("a.png"), path("A.pNg")));
  item("ClearScreen1").trigger();
  said.clear();
  answerWith(path("A.pNg"));
  item("OpenGraph1").trigger();
  EXPECT_TRUE(said.isEmpty()) << said.join("|").toStdString();
  EXPECT_EQ(p.PictureCopy, drawn);
}

TEST_F(GraphFilesTest, EveryFileDialogStartsInTheFolderLastUsed) {
  QDir(folder.path()).mkdir("here");
  const QString here = QFileInfo(path("here")).absoluteFilePath();
  choose(1);
  drawFunction("x");
  saveAs(path("here/first.kelvo"));
  startedIn.clear();
  answerWith(path("here/x.png"));
  item("SaveOnlyinsiderectangle1").trigger();
  answerWith(path("here/first.kelvo"));
  item("OpenGraphFile1").trigger();
  answerWith({});
  item("OpenGraph1").trigger();
  item("SaveVectorGraph1").trigger();
  item("ListFunctionvalues1").trigger();
  forms.funcList->SaveAs1Click();
  ASSERT_EQ(startedIn.size(), 5);
  for (const QString& started : startedIn) EXPECT_EQ(started, here);
  // The folder outlives the program.
  EXPECT_EQ(QFileInfo(LastUsedFolder()).absoluteFilePath(), here);
}

} // namespace
