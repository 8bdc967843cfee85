// SPDX-License-Identifier: MIT
// The parameter sliders: steps and ends, a slide that redraws live and lists once, the typed
// ends, and the same values as the parameters dialog.
#include "WindowFixture.h"

#include "ui/FuncVals.h"
#include "ui/Helpunit.h"
#include "ui/Param1.h"
#include "ui/ParameterSliders.h"
#include "ui/SampleList.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTextEdit>
#include <QTest>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double Pi = GraphState::Pi;

// ---- Steps and ends ----------------------------------------------------------------------

TEST(SliderRange, StepsMapToValuesBetweenTheEnds) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double low, high, value;
    int step;
  } cases[] = {
      {-10, 10, -10, 0}, {-10, 10, 10, 1000}, {-10, 10, 0, 500}, {-10, 10, 5, 750},
      {-10, 10, -50, 0}, {-10, 10, 50, 1000}, {10, -10, 5, 250}, {0, 1, 0.0004, 0},
      {0, 1, 0.0006, 1}, {3, 3, 3, 0},        {-10, 10, nan, 0}, {-1e308, 1e308, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << " " << c.high << " " << c.value);
    const SliderRange range{c.low, c.high};
    EXPECT_EQ(range.stepOf(c.value), c.step);
  }
}

TEST(SliderRange, TheEndStepsAreTheEndsExactly) {
  const struct {
    double low, high;
  } cases[] = {{-10, 10}, {-2 * Pi, Pi / 3}, {0.1, 0.3}, {10, -10}, {-1e308, 1e308}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << " " << c.high);
    const SliderRange range{c.low, c.high};
    EXPECT_EQ(range.valueAt(0), c.low);
    EXPECT_EQ(range.valueAt(SliderRange::Steps), c.high);
    EXPECT_TRUE(std::isfinite(range.valueAt(SliderRange::Steps / 2)));
    // Every step lies between the ends.
    for (int step = 0; step <= SliderRange::Steps; step += 37) {
      const double value = range.valueAt(step);
      EXPECT_GE(value, std::min(c.low, c.high));
      EXPECT_LE(value, std::max(c.low, c.high));
    }
  }
}

TEST(SliderRange, AValueBeyondTheEndsMovesThemToItPlusMinusTen) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double low, high, value, newLow, newHigh;
  } cases[] = {
      {-10, 10, 0, -10, 10},         {-10, 10, 10, -10, 10},   {-10, 10, 25, 15, 35},
      {-10, 10, -10.5, -20.5, -0.5}, {5, -5, 1, 5, -5},        {5, -5, 6, -4, 16},
      {-10, 10, inf, -10, 10},       {-10, 10, -inf, -10, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << " " << c.high << " " << c.value);
    SliderRange range{c.low, c.high};
    range.contain(c.value);
    EXPECT_EQ(range.low, c.newLow);
    EXPECT_EQ(range.high, c.newHigh);
  }
}

// ---- The window --------------------------------------------------------------------------

class SlidersTest : public WindowTest {
protected:
  ParameterSliders& sliders() { return *forms.parameterSliders; }
  QSlider& slider(int index) { return *sliders().slider(index); }
  QString caption(int index) { return controls().parameterLabels[index]->text(); }
  // A drag of the slider's handle through the given steps, let go at the last.
  void slide(int index, std::initializer_list<int> steps) {
    slider(index).setSliderDown(true);
    for (int step : steps) slider(index).setValue(step);
    slider(index).setSliderDown(false);
  }
  void enterEnd(QLineEdit* field, const char* text) {
    field->setText(text);
    QTest::keyClick(field, Qt::Key_Return);
  }
  // The picture a Draw gives on a cleared screen with the parameters as they are.
  QImage plainDraw() {
    item("ClearScreen1").trigger();
    item("Draw1").trigger();
    return p.Picture.copy();
  }
  // Answers the parameters dialog with these texts in its fields, closing it with OK.
  void setParameters(std::array<const char*, 6> texts) {
    answer = [texts](QDialog& dialog) {
      auto& params = static_cast<TParamDlg&>(dialog);
      for (int i = 0; i < 6; ++i)
        if (texts[i]) params.field(i)->setText(texts[i]);
      return int(QDialog::Accepted);
    };
    item("Parameters1").trigger();
    answer = nullptr;
  }
};

TEST_F(SlidersTest, OpensNotModalBesideThePictureWithARowPerParameter) {
  choose(1);
  item("ParameterSliders1").trigger();
  ASSERT_TRUE(sliders().isVisible());
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(sliders().windowModality(), Qt::NonModal);
  EXPECT_EQ(sliders().windowType(), Qt::Tool);
  // Where the samples window opens.
  item("Samples1").trigger();
  EXPECT_EQ(sliders().pos(), forms.sampleFm->pos());
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(sliders().range(i).low, -10);
    EXPECT_EQ(sliders().range(i).high, 10);
    EXPECT_EQ(sliders().lowField(i)->text(), "-10.000");
    EXPECT_EQ(sliders().highField(i)->text(), "10.000");
    EXPECT_EQ(slider(i).value(), 500);
    EXPECT_EQ(sliders().valueLabel(i)->text(), "   0.000");
  }
  // The item follows Parameters in the Edit menu.
  const QList<QAction*> edit = menu("editMenu").actions();
  EXPECT_EQ(edit.indexOf(&item("ParameterSliders1")), edit.indexOf(&item("Parameters1")) + 1);
  EXPECT_TRUE(forms.helpDlg->FHelp->toPlainText().contains("Edit > Parameter Sliders"));
}

TEST_F(SlidersTest, ASlideSetsTheParameterTheCaptionAndThePicture) {
  const struct {
    int index, step;
    double value;
    const char* caption;
    const char* shown;
  } cases[] = {
      {0, 750, 5, "a=   5.000", "   5.000"},
      {1, 0, -10, "b= -10.000", " -10.000"},
      {5, 1000, 10, "f =  10.000", "  10.000"},
      {2, 600, 2, "c=   2.000", "   2.000"},
  };
  choose(1);
  drawFunction("a*x*y + b*x + c + f*y");
  item("ParameterSliders1").trigger();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    const QImage before = p.Picture.copy();
    slide(c.index, {c.step});
    EXPECT_DOUBLE_EQ(g().ParamValues[c.index], c.value);
    EXPECT_EQ((&g().ParamA)[c.index], g().ParamValues[c.index]);
    EXPECT_EQ(caption(c.index), c.caption);
    EXPECT_EQ(sliders().valueLabel(c.index)->text(), c.shown);
    EXPECT_NE(p.Picture, before);
    EXPECT_EQ(p.PictureCopy, p.Picture);
    EXPECT_FALSE(p.DrawInProgress);
    const QImage live = p.Picture.copy();
    EXPECT_EQ(plainDraw(), live);
  }
}

TEST_F(SlidersTest, ASlideAfterAKindResetGivesTheEvaluatorAllSixAsTheDialogShowsThem) {
  choose(1);
  setParameters({"1", "2", "3", "4", "5", "6"});
  item("Exit1").trigger();
  choose(1);
  EXPECT_EQ(g().ParamB, 2); // the evaluator keeps the old values until a close
  item("ParameterSliders1").trigger();
  slide(0, {600});
  EXPECT_DOUBLE_EQ(g().ParamA, 2);
  for (double other : {g().ParamB, g().ParamC, g().ParamD, g().ParamE, g().ParamF})
    EXPECT_EQ(other, 0);
  EXPECT_EQ(caption(0), "a=   2.000");
  EXPECT_EQ(caption(1), "");
}

TEST_F(SlidersTest, WithNoGraphShownASlideChangesTheValueButDrawsNothing) {
  choose(1);
  g().FunctionText = "a*x*y";
  item("ParameterSliders1").trigger();
  const QImage bare = p.Picture.copy();
  host.polls = 0;
  slide(0, {600});
  EXPECT_DOUBLE_EQ(g().ParamA, 2);
  EXPECT_EQ(caption(0), "a=   2.000");
  EXPECT_EQ(host.polls, 0);
  EXPECT_EQ(p.Picture, bare);
}

// A slide while a Draw runs would change the function in the middle of the picture.
TEST_F(SlidersTest, ASlideDuringADrawIsRefusedAndTheSliderGoesBack) {
  choose(1);
  g().FunctionText = "a*x*y";
  item("ParameterSliders1").trigger();
  host.onPoll = [&](int n) {
    if (n == 5) slide(0, {900});
  };
  item("Draw1").trigger();
  host.onPoll = nullptr;
  EXPECT_EQ(g().ParamA, 0);
  EXPECT_EQ(slider(0).value(), 500);
  EXPECT_EQ(sliders().valueLabel(0)->text(), "   0.000");
  const QImage drawn = p.Picture.copy();
  EXPECT_EQ(plainDraw(), drawn);
}

// A newer value abandons the frame under way, and a value never changes in the middle of a
// frame: every frame, shown or not, is drawn with one value throughout.
TEST_F(SlidersTest, ANewerValueAbandonsTheFrameUnderWayAndTheLastFrameIsAPlainDraw) {
  // The clock stands still, so that every frame is young and quick however slow the machine
  // (a sanitizer build under load takes far longer than a frame time).
  ClockHost clock;
  clock.setBeforeEvents([this] { window().pollRepaint(); });
  p.host = &clock;
  choose(1);
  g().FunctionText = "a*x*y";
  clock.polls = 0;
  item("Draw1").trigger();
  const int full = clock.polls;
  item("ParameterSliders1").trigger();
  clock.polls = 0;
  std::vector<double> seen;
  clock.onPoll = [&](int n) {
    seen.push_back(g().ParamA);
    if (n == 5) slider(0).setValue(700);
    if (n == 5 + 7) slider(0).setValue(800);
  };
  slider(0).setSliderDown(true);
  slider(0).setValue(600);
  clock.onPoll = nullptr;
  slider(0).setSliderDown(false);
  EXPECT_LT(clock.polls, 5 + 7 + full + 2);
  EXPECT_GT(clock.polls, full);
  ASSERT_GT(seen.size(), 13u);
  EXPECT_DOUBLE_EQ(seen[4], 2); // the first frame, until the newer value abandons it
  EXPECT_DOUBLE_EQ(seen[5], 4); // the second, from its first poll to its last
  EXPECT_DOUBLE_EQ(seen[11], 4);
  EXPECT_DOUBLE_EQ(seen[12], 6); // the last, drawn to its end
  EXPECT_DOUBLE_EQ(seen.back(), 6);
  EXPECT_DOUBLE_EQ(g().ParamA, 6);
  EXPECT_EQ(caption(0), "a=   6.000");
  const QImage live = p.Picture.copy();
  EXPECT_EQ(p.PictureCopy, live);
  EXPECT_EQ(plainDraw(), live);
  p.host = &host;
}

// A quick frame past its half is finished before the newer value is drawn: the value waits
// for it instead of changing under it.
TEST_F(SlidersTest, AFrameFinishedBeforeTheNewerValueKeepsItsOwnValue) {
  ClockHost clock;
  clock.setBeforeEvents([this] { window().pollRepaint(); });
  p.host = &clock;
  choose(1);
  g().FunctionText = "a*x*y";
  item("Draw1").trigger();
  item("ParameterSliders1").trigger();
  slider(0).setSliderDown(true);
  clock.polls = 0;
  clock.onPoll = [&](int n) { clock.clock += n == 1 ? 20 : 0; };
  slider(0).setValue(600); // a frame of 20 ms
  clock.polls = 0;
  std::vector<double> seen;
  clock.onPoll = [&](int n) {
    seen.push_back(g().ParamA);
    if (n != 5) return;
    clock.clock += 15;
    slider(0).setValue(700);
  };
  slider(0).setValue(650);
  clock.onPoll = nullptr;
  slider(0).setSliderDown(false);
  const int frame = static_cast<int>(seen.size()) / 2;
  ASSERT_GT(frame, 5);
  EXPECT_EQ(seen.size(), 2u * frame);
  EXPECT_DOUBLE_EQ(seen.front(), 3);
  EXPECT_DOUBLE_EQ(seen[frame - 1], 3);
  EXPECT_DOUBLE_EQ(seen[frame], 4);
  EXPECT_DOUBLE_EQ(g().ParamA, 4);
  p.host = &host;
}

TEST_F(SlidersTest, TheListingIsWrittenOnceWhenTheSliderIsLetGo) {
  choose(1);
  drawFunction("a*x*y");
  item("ListFunctionvalues1").trigger();
  TFuncList& listing = *forms.funcList;
  ASSERT_TRUE(listing.isVisible());
  const std::vector<std::string> before = listing.lines();
  item("ParameterSliders1").trigger();
  QSignalSpy rewritten(listing.Values, &QPlainTextEdit::textChanged);
  slider(0).setSliderDown(true);
  for (int step : {520, 560, 600}) slider(0).setValue(step);
  EXPECT_EQ(rewritten.count(), 0);
  EXPECT_EQ(listing.lines(), before);
  slider(0).setSliderDown(false);
  EXPECT_EQ(rewritten.count(), 1);
  EXPECT_NE(listing.lines(), before);
  EXPECT_EQ(listing.lines(), p.Values);
  // A press and release that moves nothing lists nothing.
  slider(0).setSliderDown(true);
  slider(0).setSliderDown(false);
  EXPECT_EQ(rewritten.count(), 1);
  // A step of the keys is a slide of its own.
  QTest::keyClick(&slider(0), Qt::Key_Right);
  EXPECT_EQ(slider(0).value(), 601);
  EXPECT_EQ(rewritten.count(), 2);
  EXPECT_EQ(listing.lines(), p.Values);
}

// ---- Typed ends ----------------------------------------------------------------------------

TEST_F(SlidersTest, EndsAreReadAsExpressionsAndAnUnreadableOneKeepsTheEnd) {
  choose(1);
  setParameters({"3", nullptr, nullptr, nullptr, nullptr, nullptr});
  item("ParameterSliders1").trigger();
  ParameterSliders& s = sliders();
  const struct {
    bool high;
    const char* text;
    double end;
    const char* shown;
  } cases[] = {
      {false, "-2*p", -2 * Pi, "-6.283"}, {true, "a+1", 4, "4.000"},
      {true, "sqrt(-1)", 4, "4.000"},     {true, "2*(", 4, "4.000"},
      {false, "", -2 * Pi, "-6.283"},     {true, "1/0", 4, "4.000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    QLineEdit* field = c.high ? s.highField(0) : s.lowField(0);
    enterEnd(field, c.text);
    EXPECT_EQ(c.high ? s.range(0).high : s.range(0).low, c.end);
    EXPECT_EQ(field->text(), c.shown);
  }
  // The field shows the end rounded; taken again as it stands, it keeps the exact end.
  QTest::keyClick(s.lowField(0), Qt::Key_Return);
  EXPECT_EQ(s.range(0).low, -2 * Pi);
  // The slider stands at a = 3 between the new ends, and its end step is the typed end.
  EXPECT_EQ(slider(0).value(), s.range(0).stepOf(3));
  EXPECT_EQ(g().ParamA, 3);
  slide(0, {0});
  EXPECT_EQ(g().ParamValues[0], -2 * Pi);
  EXPECT_EQ(caption(0), "a=  -6.283");
  // An end that leaves the value outside holds the slider at the nearer end; the value stays.
  enterEnd(s.lowField(0), "0");
  EXPECT_EQ(slider(0).value(), 0);
  EXPECT_EQ(g().ParamValues[0], -2 * Pi);
}

// An end that is not read leaves the field showing the end it kept, marked with the text that
// was not read and why, until the field changes; a readable end is not marked.
TEST_F(SlidersTest, AnUnreadableEndIsMarkedWithItsText) {
  choose(1);
  item("ParameterSliders1").trigger();
  ParameterSliders& s = sliders();
  const struct {
    const char* text;
    const char* mark;
  } cases[] = {
      {"2*(", "'2*(': column 4: the text ends too early"},
      {"sqrt(-1)", "'sqrt(-1)': no value: a domain error"},
      {"", "empty: the old value is kept"},
      {"12", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    enterEnd(s.highField(1), c.text);
    EXPECT_EQ(fieldMark(s.highField(1)).toStdString(), c.mark);
    EXPECT_EQ(s.highField(1)->toolTip().toStdString(), c.mark);
  }
  EXPECT_EQ(s.range(1).high, 12);
  enterEnd(s.lowField(1), "2+");
  EXPECT_EQ(s.lowField(1)->text(), "-10.000");
  EXPECT_FALSE(fieldMark(s.lowField(1)).isEmpty());
  // An edit takes the mark away; so does Enter on the end the field shows, which takes that
  // end as it is.
  QTest::keyClick(s.lowField(1), Qt::Key_Backspace);
  EXPECT_EQ(fieldMark(s.lowField(1)), "");
  enterEnd(s.lowField(1), "2+");
  EXPECT_FALSE(fieldMark(s.lowField(1)).isEmpty());
  QTest::keyClick(s.lowField(1), Qt::Key_Return);
  EXPECT_EQ(fieldMark(s.lowField(1)), "");
  EXPECT_EQ(s.range(1).low, -10);
}

// ---- The same values as the dialog ---------------------------------------------------------

TEST_F(SlidersTest, TheDialogAndTheSlidersShowTheSameValues) {
  choose(1);
  item("ParameterSliders1").trigger();
  setParameters({"2", "50", "-p", "-10", "0.0005", nullptr});
  const struct {
    int index;
    const char* shown;
    double low, high;
    int step;
  } cases[] = {
      {0, "   2.000", -10, 10, 600}, {1, "  50.000", 40, 60, 500},   {2, "  -3.142", -10, 10, 343},
      {3, " -10.000", -10, 10, 0},   {4, "5.000E-04", -10, 10, 500}, {5, "   0.000", -10, 10, 500},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(sliders().valueLabel(c.index)->text(), c.shown);
    EXPECT_EQ(sliders().range(c.index).low, c.low);
    EXPECT_EQ(sliders().range(c.index).high, c.high);
    EXPECT_EQ(slider(c.index).value(), c.step);
  }
  // And back: the dialog opens with the value a slide gave.
  slide(1, {750});
  answer = [](QDialog& dialog) {
    EXPECT_EQ(static_cast<TParamDlg&>(dialog).field(1)->text(), "55.00000");
    return int(QDialog::Rejected);
  };
  item("Parameters1").trigger();
  EXPECT_EQ(opened.size(), 2u);
  // A new kind sets every parameter to 0, and the sliders show it.
  item("Exit1").trigger();
  EXPECT_FALSE(sliders().isVisible());
  choose(2);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(sliders().valueLabel(i)->text(), "   0.000");
    EXPECT_EQ(slider(i).value(), sliders().range(i).stepOf(0));
  }
}

} // namespace
