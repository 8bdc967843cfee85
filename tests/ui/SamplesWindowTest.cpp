// SPDX-License-Identifier: MIT
// The samples window: its buttons per kind, its place, choosing and closing, and the same
// graph as the command line's --sample.
#include "WindowFixture.h"
#include "tests/cli/KelvoRun.h"

#include "ui/mainwindow/RotationPanel.h"
#include "ui/SampleList.h"

#include <QLabel>
#include <QRadioButton>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

class SamplesTest : public WindowTest {
protected:
  TSampleFm& samples() { return *forms.sampleFm; }
  int visibleButtons() {
    int shown = 0;
    for (int n = 1; n <= 10; ++n) shown += samples().radioButton(n)->isVisible();
    return shown;
  }
};

struct KindCase {
  int kind;
  int shown;
  const char* firstLabel;
  const char* lastLabel;
};

class SamplesKindTest : public SamplesTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(SamplesKindTest, ShowsTheKindsSamplesBesideThePicture) {
  const KindCase& c = GetParam();
  choose(c.kind);
  item("Samples1").trigger();
  ASSERT_TRUE(samples().isVisible());
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(samples().windowModality(), Qt::NonModal);
  EXPECT_TRUE(samples().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(visibleButtons(), c.shown);
  EXPECT_EQ(samples().radioButton(1)->text().toStdString(), c.firstLabel);
  EXPECT_EQ(samples().radioButton(c.shown)->text().toStdString(), c.lastLabel);
  // Ten pixels right of the graphing rectangle, 35 below the rotation panel.
  const QWidget* panel = controls().Panel3;
  const QPoint corner = window().centralWidget()->mapToGlobal(
      QPoint(p.view.GraphRight + 10, panel->y() + panel->height() + 35));
  EXPECT_EQ(samples().pos(), corner);
  EXPECT_TRUE(g().PictureCopyValid);
  if (c.kind <= 2) {
    EXPECT_EQ(controls().Label1->text(), "Z= 0");
  } else {
    EXPECT_EQ(controls().Label1->text(), "X= 0 ;    Y= 0");
    EXPECT_EQ(controls().Label11->text(), "Z= 0");
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, SamplesKindTest,
    ::testing::Values(
        KindCase{1, 10, "-3<x,y<3; Z=(2x^2+3y^2)Exp(1-x^2-y^2)",
                 "-12<x,y<12; Z=Cos(Sqrt(x^2+y^2))"},
        KindCase{2, 9, "Cone: Z=r", "Saddle: 0<r<3; Z=r^2Cos(2t)"},
        KindCase{3, 2, "Helix: X=3Cos(t), Y=2Sin(t), Z=t/10",
                 "Conical: X=Cos(t)+tSin(t), Y=Sin(t)-tCos(t), Z=t/10"},
        KindCase{4, 10, "Sphere: -p/2<u<p/2,0<v<2p; X=3Cos(u)Cos(v), Y=3Cos(u)Sin(v), Z=3Sin(u)",
                 "Spiral Column: 0<u<8p, 0<v<2p; X=0.8Cos(v)+0.1Cos(u), Y=0.8Sin(v)+0.1Sin(u), "
                 "Z=0.2u"}),
    [](const ::testing::TestParamInfo<KindCase>& info) {
      return "Kind" + std::to_string(info.param.kind);
    });

TEST_F(SamplesTest, AKindWithFewerSamplesHidesTheRest) {
  // A kind with ten samples first, so that the buttons were all shown before.
  choose(4);
  item("Samples1").trigger();
  item("Exit1").trigger();
  EXPECT_FALSE(samples().isVisible());
  choose(3);
  item("Samples1").trigger();
  EXPECT_EQ(visibleButtons(), 2);
  EXPECT_FALSE(samples().radioButton(3)->isVisible());
}

TEST_F(SamplesTest, AChoiceSetsTheTextsAndClosingShowsThem) {
  choose(3);
  item("Samples1").trigger();
  samples().radioButton(2)->click();
  samples().radioButton(1)->click();
  EXPECT_TRUE(samples().isVisible());
  EXPECT_TRUE(g().FunctionReady);
  EXPECT_EQ(g().FunctionTextX, "3*Cos(t)");
  EXPECT_EQ(g().FunctionTextZ, "t/10");
  // Nothing is drawn and the captions wait for Close.
  EXPECT_FALSE(g().GraphShown);
  EXPECT_EQ(controls().Label11->text(), "Z= 0");
  samples().Close1->click();
  EXPECT_FALSE(samples().isVisible());
  EXPECT_EQ(controls().Label1->text(), "X= 3*Cos(t) ;    Y= 2*Sin(t)");
  EXPECT_EQ(controls().Label11->text(), "Z= t/10");
  // Opened again, the window marks the example the texts still hold.
  item("Samples1").trigger();
  EXPECT_TRUE(samples().radioButton(1)->isChecked());
}

TEST_F(SamplesTest, TheCloseBoxClosesAsCloseDoes) {
  choose(1);
  item("Samples1").trigger();
  EXPECT_FALSE(g().FunctionReady);
  samples().close();
  EXPECT_FALSE(samples().isVisible());
  EXPECT_TRUE(g().FunctionReady);
  EXPECT_EQ(controls().Label1->text(), "Z= 0");
}

// The picture and the listing of a draw come from one function: a click while the draw
// polls must not change the text under it.
TEST_F(SamplesTest, AChoiceDuringADrawIsRefused) {
  choose(1);
  item("Samples1").trigger();
  host.onPoll = [this](int poll) {
    if (poll == 1) samples().radioButton(9)->click();
  };
  drawFunction("x+y");
  EXPECT_EQ(g().FunctionText, "x+y");
  EXPECT_FALSE(samples().radioButton(9)->isChecked());
  ASSERT_FALSE(p.Values.empty());
  double x = 0, y = 0, z = 0;
  std::istringstream(p.Values.back()) >> x >> y >> z;
  EXPECT_NEAR(z, x + y, 1e-3);
}

std::vector<std::string> linesOf(const std::filesystem::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(SamplesTest, TheWindowAndTheCommandLineDrawTheSameSample) {
  const auto file = std::filesystem::temp_directory_path() / "kelvo-ui-sample.txt";
  for (int n : {1, 5, 10}) {
    SCOPED_TRACE(n);
    choose(1);
    item("Samples1").trigger();
    samples().radioButton(n)->click();
    samples().Close1->click();
    item("Draw1").trigger();
    std::filesystem::remove(file);
    ASSERT_EQ(RunKelvo({"render", "--sample", std::to_string(n), "--values", file.string()}).status,
              0);
    const std::vector<std::string> listed = linesOf(file);
    EXPECT_EQ(listed.size(), 256u);
    EXPECT_EQ(listed, p.Values);
    item("Exit1").trigger();
  }
}

} // namespace
