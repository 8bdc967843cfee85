// SPDX-License-Identifier: MIT
// The plane, line and contour dialogs and the levels window: fields shown, values stored.
#include "WindowFixture.h"

#include "render/Sequences.h"
#include "ui/Contour1.h"
#include "ui/Planeu.h"
#include "ui/Zlevels.h"
#include "ui/lineu.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr int Ok = QDialog::Accepted;
constexpr int Cancel = QDialog::Rejected;

TEST_F(WindowTest, PlaneDialogShowsDefaultsAndStoresWithItsRules) {
  choose(1);
  TPlaneDlg& dialog = *forms.planeDlg;
  BeginPlaneEdit(p);
  dialog.load();
  EXPECT_EQ(dialog.field(0)->text(), " 0.00");
  EXPECT_EQ(dialog.field(6)->text(), "-0.40");
  EXPECT_EQ(dialog.field(9)->text(), " 0.40");
  const struct {
    int field;
    const char* text;
    int result;
    bool defined;
  } cases[] = {
      {7, "-1", Ok, false}, // a size of the wrong sign, and no point or normal
      {5, "1", Cancel, false},
      {5, "1", Ok, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    dialog.load();
    dialog.field(c.field)->setText(c.text);
    dialog.apply(c.result);
    EXPECT_EQ(g().PlaneDefined, c.defined);
  }
  EXPECT_EQ(g().Plane.C, 1);
  EXPECT_EQ(g().Plane.MaxX, 0.4);
  EXPECT_FALSE(g().PlaneOn);
}

TEST_F(WindowTest, LineDialogStoresBothPoints) {
  choose(3);
  TLineDlg& dialog = *forms.lineDlg;
  BeginLineEdit(p);
  dialog.load();
  EXPECT_EQ(dialog.field(3)->text(), " 0.00");
  const char* texts[6] = {"1", "", "-2*p", "oops", "5", "6"};
  for (int i = 0; i < 6; ++i) dialog.field(i)->setText(texts[i]);
  dialog.apply(Ok);
  EXPECT_TRUE(g().LineDefined);
  EXPECT_EQ(g().Line, (LineData{1, 0, -2 * GraphState::Pi, 0, 5, 6}));
  // Drawn now, the line shows no message.
  std::vector<std::string> messages;
  p.showMessage = [&](const std::string& m) { messages.push_back(m); };
  LineDrawPicture(p);
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(g().PictureCopyValid);
}

TEST_F(WindowTest, ContourDialogSelectsAndStoresItems) {
  choose(1);
  TContourDlg& dialog = *forms.contourDlg;
  dialog.load();
  EXPECT_EQ(dialog.Label1->text(), "Grid Resolution");
  EXPECT_EQ(dialog.gridList()->currentText(), "20 x 20");
  EXPECT_EQ(dialog.levelList()->currentText(), "10");
  dialog.gridList()->setCurrentIndex(2);
  dialog.levelList()->setCurrentIndex(1);
  dialog.apply(Cancel);
  EXPECT_EQ(g().ContourGridX, 20);
  dialog.apply(Ok);
  EXPECT_EQ(g().ContourGridX, 60);
  EXPECT_EQ(g().ContourGridY, 60);
  EXPECT_EQ(g().ContourLevelCount, 12);
  dialog.threeD()->setChecked(true);
  EXPECT_TRUE(g().Contours3D);
  // The box keeps its state across a new graph.
  choose(2);
  dialog.load();
  EXPECT_TRUE(dialog.threeD()->isChecked());
  EXPECT_EQ(dialog.levelList()->currentText(), "10");
}

TEST_F(WindowTest, LevelsWindowListsLevelsInBandColours) {
  choose(1);
  g().ZMin = -10, g().ZMax = 10;
  TZlevelsFm& levels = *forms.zlevelsFm;
  levels.refresh();
  const QTextDocument* doc = levels.ContLevels->document();
  ASSERT_EQ(doc->blockCount(), 10);
  EXPECT_EQ(doc->firstBlock().text(), "1:  -10.000");
  EXPECT_EQ(doc->lastBlock().text(), "10:   10.000");
  const auto colourOf = [&](int block) {
    return doc->findBlockByNumber(block).begin().fragment().charFormat().foreground().color();
  };
  EXPECT_EQ(colourOf(2), QColor(0, 0, 128)); // third level navy
  EXPECT_EQ(colourOf(3), QColor(128, 0, 0)); // fourth maroon
  EXPECT_EQ(colourOf(9), QColor(0, 255, 0)); // last lime
  // Twelve levels use the same split as the drawing: the last level is lime.
  g().ContourLevelCount = 12;
  levels.refresh();
  EXPECT_EQ(colourOf(10), QColor(0, 128, 0));
  EXPECT_EQ(colourOf(11), QColor(0, 255, 0));
  levels.close();
  EXPECT_TRUE(levels.ContLevels->document()->isEmpty());
}

} // namespace
