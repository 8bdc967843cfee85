// SPDX-License-Identifier: MIT
// The picture side of the window's commands: set-up, Draw, rotation, clearing, capture.
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Watches the flags while the renderer polls.
class WatchingHost : public TestHost {
public:
  explicit WatchingHost(Program& p) : TestHost(&p.graph), m_p(p) {}
  bool sawDrawing = false, sawRotating = false;
  void processEvents() override {
    TestHost::processEvents();
    sawDrawing = sawDrawing || m_p.DrawInProgress;
    sawRotating = sawRotating || m_p.graph.Rotating;
  }

private:
  Program& m_p;
};

TEST(ScreenSetUp, PictureBoxSizes) {
  const struct {
    char kind;
    int width, height;
    QSize size;
  } cases[] = {{'1', 800, 600, {478, 388}}, {'2', 800, 600, {388, 388}},
               {'2', 800, 300, {0, 0}},     {'1', 10, 10, {4, 4}},
               {'1', -50, -50, {0, 0}},     {'1', 1920, 1080, {1150, 700}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " " << c.width << "x" << c.height);
    Program p;
    setUpProgram(p, c.kind, c.width, c.height);
    EXPECT_EQ(p.Picture.width(), c.size.width());
    EXPECT_EQ(p.Picture.height(), c.size.height());
    if (!p.Picture.isNull()) {
      EXPECT_EQ(p.Picture.format(), QImage::Format_RGB32);
    }
  }
}

TEST(ScreenSetUp, BackgroundAndBareAxesOnlyWhileNoGraph) {
  Program p;
  setUpProgram(p, '1');
  p.graph.BackgroundColor = clSilver;
  p.graph.GraphShown = true;
  ScreenSetUpPicture(p);
  EXPECT_EQ(p.pictureCanvas.pixel(246, 100), clSilver); // no z axis drawn
  p.graph.GraphShown = false;
  ScreenSetUpPicture(p);
  EXPECT_EQ(p.pictureCanvas.pixel(246, 100), clFuchsia);
  EXPECT_EQ(p.pictureCanvas.pixel(5, 5), clSilver);
}

TEST(DrawSequence, FlagsDrawingAndCapture) {
  Program p;
  setUpProgram(p, '1');
  WatchingHost host(p);
  p.host = &host;
  DrawSequencePicture(p);
  const GraphState& g = p.graph;
  EXPECT_TRUE(g.GraphShown && g.FunctionReady && g.HasDrawn);
  EXPECT_EQ(g.DrawContinue, 1);
  EXPECT_TRUE(host.sawDrawing);
  EXPECT_FALSE(p.DrawInProgress);
  EXPECT_EQ(p.Values.size(), 256u);
  // f = 0 is the flat grid; the axes are drawn over it.
  EXPECT_EQ(p.pictureCanvas.pixel(246, 100), clFuchsia);
  EXPECT_FALSE(g.PictureCopyValid);
  CapturePicture(p);
  EXPECT_TRUE(p.graph.PictureCopyValid);
  EXPECT_EQ(p.PictureCopy, p.Picture);
  // The copy stays as it was when the picture changes.
  p.pictureCanvas.fill(clBlack);
  EXPECT_NE(p.PictureCopy, p.Picture);
}

TEST(DrawSequence, UnknownKindOnlySetsFlags) {
  Program p;
  setUpProgram(p, '1');
  p.graph.GraphKind = '7';
  p.Values = {"kept"};
  DrawSequencePicture(p);
  EXPECT_TRUE(p.graph.GraphShown);
  EXPECT_EQ(p.Values.size(), 1u);
}

TEST(Rotation, StepsRedrawsAndClearsRotating) {
  const struct {
    Arrow arrow;
    double theta, phi;
    const char* text;
  } cases[] = {{Arrow::Right, 40, 80, " 40.0"},
               {Arrow::Left, 20, 80, " 20.0"},
               {Arrow::Up, 30, 70, " 70.0"},
               {Arrow::Down, 30, 90, " 90.0"}};
  for (const auto& c : cases) {
    Program p;
    setUpProgram(p, '1');
    WatchingHost host(p);
    p.host = &host;
    DrawSequencePicture(p);
    host.sawRotating = false;
    RotatePicture(p, c.arrow);
    const GraphState& g = p.graph;
    EXPECT_NEAR(g.Theta * 180 / GraphState::Pi, c.theta, 1e-9);
    EXPECT_NEAR(g.Phi * 180 / GraphState::Pi, c.phi, 1e-9);
    EXPECT_EQ(c.arrow == Arrow::Up || c.arrow == Arrow::Down ? g.PhiText : g.ThetaText, c.text);
    EXPECT_TRUE(host.sawRotating);
    EXPECT_FALSE(g.Rotating);
    EXPECT_FALSE(p.DrawInProgress);
    EXPECT_EQ(p.Values.size(), 256u);
  }
}

// At Rho 5.8 a step of Theta to 40 degrees brings the default box's corner (3, 3, 10) beside
// the eye: the step is refused and nothing is drawn; the step the other way is drawn.
TEST(Rotation, AStepTooNearTheBoxIsRefusedAndDrawsNothing) {
  Program p;
  setUpProgram(p, '1');
  p.graph.Rho = 5.8;
  DrawSequencePicture(p);
  CapturePicture(p);
  p.Values = {"kept"};
  EXPECT_FALSE(RotatePicture(p, Arrow::Right));
  EXPECT_NEAR(p.graph.Theta * 180 / GraphState::Pi, 30, 1e-9);
  EXPECT_EQ(p.graph.ThetaText, "30");
  EXPECT_EQ(p.Picture, p.PictureCopy);
  EXPECT_EQ(p.Values.size(), 1u);
  EXPECT_FALSE(p.DrawInProgress);
  EXPECT_TRUE(RotatePicture(p, Arrow::Left));
  EXPECT_NEAR(p.graph.Theta * 180 / GraphState::Pi, 20, 1e-9);
}

TEST(Rotation, BeforeAnyDrawOnlyAxes) {
  Program p;
  setUpProgram(p, '1');
  RotatePicture(p, Arrow::Right);
  EXPECT_TRUE(p.Values.empty());
  EXPECT_EQ(p.pictureCanvas.pixel(ProjectPoint(p.view, 0, 0, 0).x, 100), clFuchsia);
}

TEST(ClearAndChange, BackToBareAxes) {
  for (int which = 0; which < 3; ++which) {
    SCOPED_TRACE(which);
    Program p;
    setUpProgram(p, '1');
    DrawSequencePicture(p);
    CapturePicture(p);
    p.graph.PlaneOn = p.graph.LineOn = true;
    if (which == 0) ClearScreenPicture(p);
    if (which == 1) AxesChangedPicture(p);
    if (which == 2) ViewChangedPicture(p);
    const GraphState& g = p.graph;
    EXPECT_FALSE(g.GraphShown);
    EXPECT_FALSE(g.PictureCopyValid);
    EXPECT_EQ(g.PlaneOn, which == 1); // Change Axes keeps the plane and the line on
    // The surface is gone: a point of the grid's cell shows the background again.
    const Pixel cellPoint = ProjectPoint(p.view, 1.5, 1.5, 0);
    EXPECT_EQ(p.pictureCanvas.pixel(cellPoint.x, cellPoint.y + 1), clWhite);
  }
}

} // namespace
