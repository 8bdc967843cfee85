// SPDX-License-Identifier: MIT
// Several graphs in the window: Edit > Keep Graph in Picture, the Graphs window's check boxes,
// Make Current and Remove, the limit of sixteen graphs, the mesh of the picture, and View >
// Exact Hiding.
#include "WindowFixture.h"

#include "ui/GraphsFm.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

class GraphsWindowTest : public WindowTest {
protected:
  GraphsWindowTest() {
    answer = [this](QDialog& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog))
        said.push_back(box->text().toStdString());
      return int(QDialog::Accepted);
    };
  }
  TGraphsFm& graphs() { return *forms.graphsFm; }
  // Keeps the function kept as a graph of the picture, then draws current beside it.
  void keepThenDraw(const char* kept, const char* current) {
    g().FunctionText = kept;
    item("KeepGraph1").trigger();
    drawFunction(current);
  }
  std::vector<std::string> said;
};

TEST_F(GraphsWindowTest, KeepingListsTheGraphBesideThePicture) {
  choose(1);
  drawFunction("x");
  item("KeepGraph1").trigger();
  ASSERT_TRUE(graphs().isVisible());
  EXPECT_EQ(p.KeptGraphs.size(), 1u);
  ASSERT_EQ(graphs().List->count(), 1);
  EXPECT_EQ(graphs().List->item(0)->text().toStdString(), "1.  z = x");
  EXPECT_EQ(graphs().List->item(0)->checkState(), Qt::Checked);
  EXPECT_TRUE(graphs().windowFlags() & Qt::WindowStaysOnTopHint);
  // Placed as the samples window is: beside the picture, below the rotation panel.
  const QWidget* panel = controls().Panel3;
  EXPECT_EQ(graphs().pos(), window().centralWidget()->mapToGlobal(
                                QPoint(p.view.GraphRight + 10, panel->y() + panel->height() + 35)));
  drawFunction("-x");
  ASSERT_FALSE(p.Values.empty());
  EXPECT_EQ(p.Values.front(), "Kept graph 1: z = x");
  EXPECT_NE(graphs().CurrentLabel->text().indexOf("z = -x"), -1);
}

// Leaving the kept graph out draws the current graph alone, exactly as without it; showing it
// again draws both.
TEST_F(GraphsWindowTest, TheCheckBoxShowsOrLeavesOut) {
  choose(1);
  drawFunction("x*y");
  const QImage alone = p.PictureCopy;
  keepThenDraw("5-x", "x*y");
  const QImage both = p.PictureCopy;
  EXPECT_NE(both, alone);
  graphs().List->item(0)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(p.KeptGraphs[0].shown);
  EXPECT_EQ(p.PictureCopy, alone);
  graphs().List->item(0)->setCheckState(Qt::Checked);
  EXPECT_EQ(p.PictureCopy, both);
}

TEST_F(GraphsWindowTest, MakeCurrentAndRemove) {
  choose(1);
  drawFunction("x");
  item("KeepGraph1").trigger();
  drawFunction("y");
  graphs().List->setCurrentRow(0);
  graphs().MakeCurrent1->click();
  EXPECT_EQ(g().FunctionText, "x");
  EXPECT_EQ(controls().Label1->text(), "Z= x");
  EXPECT_EQ(graphs().List->item(0)->text().toStdString(), "1.  z = y");
  graphs().Remove1->click();
  EXPECT_TRUE(p.KeptGraphs.empty());
  EXPECT_EQ(graphs().List->count(), 0);
  EXPECT_FALSE(graphs().Remove1->isEnabled());
  EXPECT_EQ(p.Values.front(), "    -3.000     -3.000    -3.0000") << "one graph, no heading";
}

TEST_F(GraphsWindowTest, TheSeventeenthGraphIsRefused) {
  choose(1);
  for (int k = 0; k < 15; ++k) item("KeepGraph1").trigger();
  EXPECT_TRUE(said.empty());
  item("KeepGraph1").trigger();
  EXPECT_EQ(p.KeptGraphs.size(), 15u);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_NE(said[0].find("at most 16 graphs"), std::string::npos) << said[0];
}

TEST_F(GraphsWindowTest, AFailingKeptGraphIsNamed) {
  choose(1);
  keepThenDraw("x+", "x");
  ASSERT_EQ(said.size(), 1u);
  EXPECT_NE(said[0].find("Kept graph 1: z = x+ cannot be evaluated"), std::string::npos);
  EXPECT_EQ(host.beeps, 1) << "the failed evaluation's own beep, not the ten of a failed Draw";
}

TEST_F(GraphsWindowTest, TheMeshHoldsTheShownSurfaces) {
  choose(1);
  g().XCurves = g().YCurves = 2;
  keepThenDraw("x", "-x");
  QTemporaryDir dir;
  const QString path = dir.path() + "/two.obj";
  ASSERT_TRUE(window().saveMeshFile(path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_EQ(text.count("\ng graph"), 2);
  EXPECT_EQ(text.count("\nf "), 16);
  EXPECT_FALSE(window().saveMeshFile(dir.path() + "/two.png"));
}

// Checking View > Exact Hiding draws the picture again hidden exactly; unchecking it draws the
// picture the painter's way, exactly as before.
TEST_F(GraphsWindowTest, ExactHidingRedrawsThePicture) {
  choose(1);
  g().XCurves = g().YCurves = 1;
  keepThenDraw("x", "-x");
  const QImage painted = p.PictureCopy;
  QAction& exact = item("ExactHiding1");
  ASSERT_TRUE(exact.isCheckable());
  exact.trigger();
  EXPECT_TRUE(g().ExactHiding);
  ASSERT_TRUE(p.HiddenPicture);
  EXPECT_NE(p.PictureCopy, painted);
  exact.trigger();
  EXPECT_FALSE(g().ExactHiding);
  EXPECT_EQ(p.PictureCopy, painted);
  // The item shows a setting made elsewhere when its menu opens.
  g().ExactHiding = true;
  emit menu("viewMenu").aboutToShow();
  EXPECT_TRUE(exact.isChecked());
}

} // namespace
