// SPDX-License-Identifier: MIT
// The two colour windows and the JPEG quality window: each choice's effect on the graph
// state, the colour dialog answered and cancelled, and the redraws of the drawing colours.
#include "WindowFixture.h"

#include "render/View.h"
#include "ui/ColorFm.h"
#include "ui/ColorFm2.h"
#include "ui/JPG1.h"
#include "ui/Looks.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int Ok = QDialog::Accepted;
constexpr int Cancel = QDialog::Rejected;

class ColorsTest : public WindowTest {
protected:
  TColorForm& surface() { return *forms.colorForm; }
  TColorForm2& drawing() { return *forms.colorForm2; }
  // The colour dialog answers with colour and result; startedAt records where it opened.
  void answerColor(QColor colour, int result) {
    answer = [this, colour, result](QDialog& dialog) {
      auto* colours = qobject_cast<QColorDialog*>(&dialog);
      if (!colours) return Cancel;
      startedAt = colours->currentColor();
      colours->setCurrentColor(colour);
      return result;
    };
  }
  void drawSurface() {
    choose(1);
    g().XCurves = g().YCurves = 6;
    drawFunction("x*y");
  }
  int countPixels(const QImage& image, QRgb rgb) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        count += (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return count;
  }

  QColor startedAt;
};

// ---- Surface colours ---------------------------------------------------------------------

TEST_F(ColorsTest, EachSurfaceChoiceSetsItsColour) {
  choose(1);
  enum Group { Above, Under, Grid };
  struct Row {
    Group group;
    int index;
    Color expected;
  };
  const Row rows[] = {
      {Above, 0, clBlue},   {Above, 1, clGreen},   {Above, 2, clPurple},  {Above, 3, clRed},
      {Above, 4, clYellow}, {Above, 5, clWhite},   {Under, 0, clBlue},    {Under, 1, clYellow},
      {Under, 2, clAqua},   {Under, 3, clFuchsia}, {Under, 4, clLime},    {Under, 5, clWhite},
      {Grid, 0, clBlack},   {Grid, 1, clYellow},   {Grid, 2, 0xC0C0C0},   {Grid, 3, clFuchsia},
      {Grid, 4, clTeal},    {Grid, 5, clWhite},    {Grid, 6, 0x1FFFFFFF},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "group " << row.group << " button " << row.index);
    ChoiceGroup* group = row.group == Above   ? surface().aboveGroup
                         : row.group == Under ? surface().underGroup
                                              : surface().gridGroup;
    Color& field = row.group == Above   ? g().AboveColor
                   : row.group == Under ? g().UnderColor
                                        : g().GridColor;
    field = 0x123456;
    // Clicked twice: a choice that is checked already still takes effect.
    group->button(row.index)->click();
    EXPECT_EQ(field, row.expected);
    field = 0x123456;
    group->button(row.index)->click();
    EXPECT_EQ(field, row.expected);
  }
}

TEST_F(ColorsTest, ShadingFollowsItsCheckBox) {
  choose(1);
  surface().Shading->click();
  EXPECT_FALSE(g().ShadingOn);
  surface().Shading->click();
  EXPECT_TRUE(g().ShadingOn);
}

TEST_F(ColorsTest, ShowingTheMainWindowSelectsTheDefaultsAndExitSelectsBlue) {
  choose(1);
  surface().aboveGroup->button(1)->click();
  surface().gridGroup->button(6)->click();
  item("Exit1").trigger();
  EXPECT_EQ(g().AboveColor, clBlue);
  EXPECT_TRUE(surface().aboveGroup->button(0)->isChecked());
  choose(2);
  EXPECT_TRUE(surface().aboveGroup->button(3)->isChecked());
  EXPECT_TRUE(surface().underGroup->button(1)->isChecked());
  EXPECT_TRUE(surface().gridGroup->button(4)->isChecked());
  EXPECT_EQ(g().AboveColor, clRed);
  EXPECT_EQ(g().GridColor, clTeal);
}

// ---- Drawing colours ---------------------------------------------------------------------

TEST_F(ColorsTest, EachPenChoiceSetsThePenColour) {
  choose(3);
  const Color expected[] = {clBlue, clGreen, clPurple, clRed, clLime, clWhite};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    g().PenColor = 0x123456;
    drawing().penGroup->button(i)->click();
    EXPECT_EQ(g().PenColor, expected[i]);
  }
}

// "Others" and the four drawing-colour buttons open the colour dialog at the colour they set.
TEST_F(ColorsTest, ColourDialogButtonsStoreOnlyAnAcceptedColour) {
  choose(1);
  struct Row {
    QPushButton* button;
    Color* field;
    Color start;
  };
  for (const Row& row : {Row{surface().aboveOthers, &g().AboveColor, clRed},
                         Row{surface().underOthers, &g().UnderColor, clYellow},
                         Row{drawing().penOthers, &g().PenColor, clBlue},
                         Row{drawing().axesButton, &g().AxesColor, clFuchsia},
                         Row{drawing().ticksButton, &g().FrameColor, clBlue},
                         Row{drawing().fontButton, &g().FontColor, clBlue},
                         Row{drawing().backgroundButton, &g().BackgroundColor, clWhite}}) {
    SCOPED_TRACE(row.button->text().toStdString() + " " + std::to_string(row.start));
    answerColor(QColor(0, 200, 0), Cancel);
    row.button->click();
    EXPECT_EQ(startedAt, toQColor(row.start));
    EXPECT_EQ(*row.field, row.start);
    answerColor(QColor(0, 200, 0), Ok);
    row.button->click();
    EXPECT_EQ(*row.field, makeColor(0, 200, 0));
  }
}

TEST_F(ColorsTest, AxesColourRedrawsTheAxesAtOnce) {
  drawSurface();
  // The z axis runs up through the projected origin to the top of the picture.
  const Pixel origin = ProjectPoint(p.view, 0, 0, 0);
  ASSERT_EQ(p.Picture.pixel(origin.x, 20) & 0xFFFFFF, qRgb(255, 0, 255) & 0xFFFFFF);
  answerColor(QColor(0, 200, 0), Ok);
  drawing().axesButton->click();
  EXPECT_EQ(p.Picture.pixel(origin.x, 20) & 0xFFFFFF, qRgb(0, 200, 0) & 0xFFFFFF);
}

TEST_F(ColorsTest, TickMarksClearThePictureLeavingTheCopy) {
  drawSurface();
  const int whiteBefore = countPixels(p.Picture, qRgb(255, 255, 255));
  answerColor(QColor(0, 0, 0), Ok);
  drawing().ticksButton->click();
  // Only the axes and ticks are left on a cleared picture; the copy still holds the graph.
  EXPECT_GT(countPixels(p.Picture, qRgb(255, 255, 255)), whiteBefore + 1000);
  EXPECT_EQ(countPixels(p.PictureCopy, qRgb(255, 255, 255)), whiteBefore);
}

TEST_F(ColorsTest, FontColourRewritesTheTitleLine) {
  choose(1);
  g().GraphTitle = "Saddle";
  answerColor(QColor(200, 0, 0), Ok);
  drawing().fontButton->click();
  EXPECT_EQ(controls().Panel2->text(), "Saddle");
  EXPECT_EQ(controls().Panel2->palette().color(QPalette::WindowText), QColor(200, 0, 0));
}

TEST_F(ColorsTest, BackgroundReplacesExactlyTheOldBackgroundInThePicture) {
  drawSurface();
  item("Colors2").trigger();
  const QImage before = p.Picture;
  answerColor(QColor(0, 0, 0), Ok);
  drawing().backgroundButton->click();
  ASSERT_EQ(p.Picture.size(), before.size());
  int changed = 0;
  for (int y = 0; y < before.height(); ++y) {
    for (int x = 0; x < before.width(); ++x) {
      const QRgb old = before.pixel(x, y) & 0xFFFFFF;
      const QRgb now = p.Picture.pixel(x, y) & 0xFFFFFF;
      if (old == (qRgb(255, 255, 255) & 0xFFFFFF)) {
        changed += now == 0;
      } else if (now != old) {
        FAIL() << "pixel " << x << "," << y << " changed from " << std::hex << old;
      }
    }
  }
  EXPECT_EQ(changed, countPixels(before, qRgb(255, 255, 255)));
  EXPECT_EQ(p.PictureCopy, p.Picture);
  EXPECT_TRUE(g().PictureCopyValid);
}

TEST_F(ColorsTest, TheSameBackgroundAgainPaintsNothing) {
  drawSurface();
  item("Colors2").trigger();
  // A mark on the picture that the copy does not have shows whether the copy was drawn.
  p.Picture.setPixel(3, 3, qRgb(1, 2, 3));
  answerColor(QColor(255, 255, 255), Ok);
  drawing().backgroundButton->click();
  EXPECT_EQ(p.Picture.pixel(3, 3) & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFF);
  answerColor(QColor(0, 0, 0), Ok);
  drawing().backgroundButton->click();
  EXPECT_EQ(p.Picture.pixel(3, 3) & 0xFFFFFF, 0u);
}

// After Clear Screen the copy still holds the old graph; neither the background nor Close
// may bring it back.
TEST_F(ColorsTest, AClearedPictureStaysClearedUnderTheColourWindow) {
  drawSurface();
  item("Colors2").trigger();
  item("ClearScreen1").trigger();
  const QImage cleared = p.Picture;
  const int whiteCleared = countPixels(cleared, qRgb(255, 255, 255));

  answerColor(QColor(0, 0, 0), Ok);
  drawing().backgroundButton->click();
  EXPECT_EQ(countPixels(p.Picture, qRgb(0, 0, 0)), whiteCleared);
  EXPECT_EQ(p.PictureCopy, p.Picture);

  item("ClearScreen1").trigger();
  const QImage clearedAgain = p.Picture;
  drawing().CloseClick();
  EXPECT_FALSE(drawing().isVisible());
  EXPECT_TRUE(g().PictureCopyValid);
  // Close draws the ticks and axes again, where they already are.
  EXPECT_EQ(p.PictureCopy, clearedAgain);
}

TEST_F(ColorsTest, ButtonsThatDrawWaitWhileADrawRuns) {
  choose(1);
  host.onPoll = [&](int poll) {
    if (poll != 3) return;
    drawing().backgroundButton->click();
    drawing().axesButton->click();
    surface().aboveOthers->click();
  };
  answerColor(QColor(0, 0, 0), Ok);
  drawFunction("x*y");
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(g().BackgroundColor, clWhite);
}

// ---- JPEG quality ------------------------------------------------------------------------

TEST_F(WindowTest, JpegQualityFollowsItsButtonsAndShowsTheSetting) {
  choose(1);
  TJPGDlg& dialog = *forms.jpgDlg;
  EXPECT_EQ(dialog.windowTitle(), "JPEG Qualty");
  EXPECT_EQ(dialog.Label1->text(), " JPEG Quality");
  const int expected[] = {80, 90, 100};
  for (int i : {2, 0, 1, 0}) {
    SCOPED_TRACE(i);
    dialog.qualityButtons[i]->click();
    EXPECT_EQ(g().JpegQuality, expected[i]);
  }
  // A new graph sets the quality back to 90: the window shows that, not the last click.
  dialog.hide();
  ResetGraphDefaults(p);
  dialog.show();
  EXPECT_TRUE(dialog.qualityButtons[1]->isChecked());
  EXPECT_FALSE(dialog.isModal());
  dialog.closeButton->click();
  EXPECT_FALSE(dialog.isVisible());
}

} // namespace
