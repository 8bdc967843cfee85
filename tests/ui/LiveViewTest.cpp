// SPDX-License-Identifier: MIT
// The live picture: dragging and zooming it, its arrow keys, typed angles, and the redraw
// after a resize. A frame under way gives way to a newer view, never to a nested drawing.
#include "WindowFixture.h"

#include "io/GraphImage.h"
#include "ui/mainwindow/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr double Degree = GraphState::Pi / 180;

class LiveViewTest : public WindowTest {
protected:
  PictureBox* box() { return controls().PaintBox1; }
  void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held,
             Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(type, QPointF(at), box()->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(box(), &event);
  }
  void press(QPoint at) { mouse(QEvent::MouseButtonPress, at, Qt::LeftButton); }
  void moveTo(QPoint at) { mouse(QEvent::MouseMove, at, Qt::LeftButton, Qt::NoButton); }
  void release(QPoint at) { mouse(QEvent::MouseButtonRelease, at, Qt::NoButton); }
  void wheel(int delta) {
    QWheelEvent event(QPointF(10, 10), box()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(box(), &event);
  }
  // The picture a Draw gives at the current settings on a cleared screen.
  QImage plainDraw() {
    item("ClearScreen1").trigger();
    item("Draw1").trigger();
    return p.Picture.copy();
  }
  // Kind 1 drawn with the clock as its host; the polls of one whole Draw.
  int drawOnClock(ClockHost& clock) {
    clock.setBeforeEvents([this] { window().pollRepaint(); });
    p.host = &clock;
    choose(1);
    g().FunctionText = "x*y";
    item("Draw1").trigger();
    clock.polls = 0;
    item("Draw1").trigger();
    return clock.polls;
  }
  int fullDrawPolls() {
    drawFunction("x*y");
    return host.polls;
  }
};

// ---- Dragging ----------------------------------------------------------------------------

TEST_F(LiveViewTest, ADragAcrossAQuarterOfThePictureTurnsAQuarterTurn) {
  choose(1);
  drawFunction("x*y");
  const int quarter = box()->width() / 4;
  press({100, 100});
  moveTo({100 + quarter / 2, 100});
  moveTo({100 + quarter, 100});
  EXPECT_NEAR(g().Theta / Degree, 30 - 360.0 * quarter / box()->width() + 360, 1e-9);
  EXPECT_EQ(controls().Panel3->Edit4->text(), QString::fromStdString(g().ThetaText));
  moveTo({100 + quarter, 100 - quarter / 2});
  EXPECT_NEAR(g().Phi / Degree, 80 + 360.0 * (quarter / 2) / box()->width(), 1e-9);
  release({100 + quarter, 100 - quarter / 2});
  EXPECT_TRUE(g().PictureCopyValid);
  EXPECT_EQ(p.PictureCopy, p.Picture);
  EXPECT_FALSE(p.DrawInProgress);
}

TEST_F(LiveViewTest, ADragFarOutsideTheWindowWrapsAndClamps) {
  choose(1);
  const struct {
    QPoint to;
    double phi;
  } cases[] = {{{-30000, 40000}, 0}, {{30000, -40000}, 180}, {{5, 5}, 0}};
  press({5, 5});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.to.x());
    moveTo(c.to);
    EXPECT_GE(g().Theta, -10 * Degree);
    EXPECT_LT(g().Theta, 360 * Degree);
    EXPECT_NEAR(g().Phi / Degree, c.phi, 1e-9);
  }
  release({5, 5});
}

TEST_F(LiveViewTest, ADragWhoseReleaseWasLostEndsAtTheNextPress) {
  choose(1);
  press({50, 50});
  press({250, 50});
  moveTo({260, 50});
  EXPECT_NEAR(g().Theta / Degree, 30 - 3600.0 / box()->width(), 1e-9);
}

TEST_F(LiveViewTest, ANewerViewAbandonsTheFrameAndTheLastFrameIsAPlainDraw) {
  choose(1);
  const int full = fullDrawPolls();
  const QString listed = QString::number(p.Values.size());
  host.polls = 0;
  host.onPoll = [&](int n) {
    if (n == 5) {
      moveTo({130, 90});                   // abandons the first frame
      controls().Panel3->BitBtn1->click(); // a command while a frame is drawn: ignored
      item("Draw1").trigger();
    }
    if (n == 5 + 7) wheel(120); // abandons the second one
  };
  press({100, 100});
  moveTo({110, 100});
  host.onPoll = nullptr;
  release({130, 90});
  EXPECT_LT(host.polls, 5 + 7 + full + 2);
  EXPECT_GT(host.polls, full);
  EXPECT_EQ(g().Zoom, std::exp2(0.25));
  const double turned = 30 - 30.0 * 360 / box()->width();
  EXPECT_NEAR(g().Theta / Degree, turned + (turned < 0 ? 360 : 0), 1e-9);
  EXPECT_EQ(QString::number(p.Values.size()), listed);
  const QImage live = p.Picture.copy();
  const auto values = p.Values;
  EXPECT_EQ(p.PictureCopy, live);
  EXPECT_EQ(plainDraw(), live);
  EXPECT_EQ(p.Values, values);
}

// Frames quicker than the display give way to a newer view only in their first half; a frame
// slower than that, or one already running a frame time, is finished and shown before the newer
// view is drawn.

TEST_F(LiveViewTest, OnlyAYoungQuickFrameGivesWay) {
  const struct {
    std::uint32_t lastFrameMs, runningMs;
    bool abandoned;
  } cases[] = {{10, 3, true}, {10, 5, false}, {16, 7, true},   {20, 5, false},
               {0, 15, true}, {0, 16, false}, {50, 45, false}, {50, 2, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lastFrameMs << " " << c.runningMs);
    ClockHost clock;
    const int full = drawOnClock(clock);
    press({100, 100});
    clock.polls = 0;
    clock.onPoll = [&](int n) { clock.clock += n == 1 ? c.lastFrameMs : 0; };
    moveTo({110, 100}); // a frame that takes lastFrameMs
    clock.polls = 0;
    clock.onPoll = [&](int n) {
      if (n != 5) return;
      clock.clock += c.runningMs;
      moveTo({130, 100});
    };
    moveTo({120, 100});
    EXPECT_EQ(clock.polls, c.abandoned ? 5 + full : 2 * full);
    release({130, 100});
    item("Exit1").trigger();
    p.host = &host;
  }
}

// Counts the frames shown: each capture gives the copy a new key.
class ShownFrames {
public:
  explicit ShownFrames(const Program& p) : m_p(p), m_last(p.PictureCopy.cacheKey()) {}
  void poll() {
    if (m_p.PictureCopy.cacheKey() == m_last) return;
    m_last = m_p.PictureCopy.cacheKey();
    ++count;
  }
  int count = 0;

private:
  const Program& m_p;
  qint64 m_last;
};

// A clock that a whole frame advances by frameMs, poll by poll, and mouse moves that arrive
// every moveMs of it while a drag goes on, as a hand moving steadily gives them.
class SteadyDrag {
public:
  SteadyDrag(ClockHost& clock, int fullPolls, double frameMs, double moveMs, int moves)
      : m_clock(clock), m_msPerPoll(frameMs / fullPolls), m_moveMs(moveMs), m_moves(moves) {}
  // At each poll: the time goes on, a move that is due arrives, a picture captured since the
  // last poll is counted.
  template <class Move> void poll(Move move) {
    m_elapsed += m_msPerPoll;
    m_clock.clock = 1000 + static_cast<std::uint32_t>(m_elapsed);
    if (m_sent < m_moves && m_elapsed >= m_sent * m_moveMs) move(++m_sent);
  }
  double elapsedMs() const { return m_elapsed; }

private:
  ClockHost& m_clock;
  double m_msPerPoll, m_moveMs;
  int m_moves, m_sent = 0;
  double m_elapsed = 0;
};

// Moves at 120 a second over frames of 30 ms: nearly every frame the time allows is shown,
// instead of each being abandoned for the next move.
TEST_F(LiveViewTest, ASteadyDragOverSlowFramesNeverStarves) {
  ClockHost clock;
  const int full = drawOnClock(clock);
  SteadyDrag drag(clock, full, 30, 1000.0 / 120, 100);
  press({100, 100});
  ShownFrames shown(p);
  clock.onPoll = [&](int) {
    shown.poll();
    drag.poll([&](int k) { moveTo({110 + k, 100}); });
  };
  moveTo({110, 100});
  clock.onPoll = nullptr;
  release({210, 100});
  const double possible = drag.elapsedMs() / 30;
  EXPECT_GT(shown.count, 0.9 * possible - 1) << shown.count << " of " << possible;
  EXPECT_GT(possible, 25);
  p.host = &host;
}

// Quick frames may give way, but never more than three in a row: with a move at every poll and
// the clock standing still, every fourth frame is still finished and shown.
TEST_F(LiveViewTest, AtMostThreeFramesInARowAreAbandoned) {
  ClockHost clock;
  const int full = drawOnClock(clock);
  press({100, 100});
  clock.onPoll = [&](int n) { clock.clock += n == 1 ? 10 : 0; };
  moveTo({105, 100}); // a quick frame of 10 ms
  clock.polls = 0;
  ShownFrames shown(p);
  clock.onPoll = [&](int n) {
    shown.poll();
    if (n <= 3 * full) moveTo({110 + n % 50, 100});
  };
  moveTo({110, 100});
  clock.onPoll = nullptr;
  release({160, 100});
  // Without the limit every frame would give way to the next move until the moves end, and
  // none would be shown while they come.
  EXPECT_GE(shown.count, 2);
  p.host = &host;
}

// ---- Zoom --------------------------------------------------------------------------------

TEST_F(LiveViewTest, TheWheelZoomsWithinItsLimitsAndADoubleClickResetsIt) {
  choose(1);
  drawFunction("x*y");
  const QImage atOne = p.Picture.copy();
  const struct {
    int delta;
    double zoom;
  } turns[] = {{120, std::exp2(0.25)},
               {60, std::exp2(0.25)},
               {60, std::exp2(0.5)},
               {120 * 1000, 8},
               {120, 8},
               {-120, std::exp2(2.75)},
               {-1'000'000, 0.25},
               {-120, 0.25}};
  for (const auto& t : turns) {
    SCOPED_TRACE(t.delta);
    wheel(t.delta);
    EXPECT_EQ(g().Zoom, t.zoom);
    EXPECT_EQ(p.view.Zoom, t.zoom);
  }
  EXPECT_NE(p.Picture, atOne);
  mouse(QEvent::MouseButtonDblClick, {30, 30}, Qt::LeftButton);
  EXPECT_EQ(g().Zoom, 1);
  EXPECT_EQ(p.Picture, atOne);
}

TEST_F(LiveViewTest, PlusMinusAndResetZoomFromTheViewMenu) {
  choose(4);
  box()->setFocus();
  QTest::keyClick(box(), Qt::Key_Plus);
  QTest::keyClick(box(), Qt::Key_Equal);
  EXPECT_EQ(g().Zoom, std::exp2(0.5));
  QTest::keyClick(box(), Qt::Key_Minus);
  EXPECT_EQ(g().Zoom, std::exp2(0.25));
  item("ResetZoom1").trigger();
  EXPECT_EQ(g().Zoom, 1);
  EXPECT_TRUE(menu("viewMenu").actions().contains(&item("ResetZoom1")));
  EXPECT_EQ(item("View1").text(), "&Eye Position...");
  QTest::keyClick(box(), Qt::Key_Plus);
  item("Exit1").trigger();
  choose(4);
  EXPECT_EQ(g().Zoom, 1);
}

TEST_F(LiveViewTest, ArrowKeysOnThePictureDoWhatTheArrowButtonsDo) {
  choose(1);
  box()->setFocus();
  const struct {
    Qt::Key key;
    const char *theta, *phi;
  } keys[] = {{Qt::Key_Right, " 40.0", "80"},
              {Qt::Key_Up, " 40.0", " 70.0"},
              {Qt::Key_Left, " 30.0", " 70.0"},
              {Qt::Key_Down, " 30.0", " 80.0"}};
  for (const auto& k : keys) {
    SCOPED_TRACE(k.theta);
    QTest::keyClick(box(), k.key);
    EXPECT_EQ(controls().Panel3->Edit4->text(), k.theta);
    EXPECT_EQ(controls().Panel3->Edit5->text(), k.phi);
  }
}

// ---- Typed angles ------------------------------------------------------------------------

TEST_F(LiveViewTest, TypedAnglesTakeTheViewDialogsCorrections) {
  choose(1);
  drawFunction("x*y");
  const struct {
    bool theta;
    const char* typed;
    const char* shown;
    bool redrawn;
  } cases[] = {
      {true, "45", " 45.0", true},      {true, "370", " 10.0", true},
      {true, "-30", "330.0", true},     {true, "3+", "330.0", false},
      {true, "0/0", "330.0", false},    {true, "", "330.0", false},
      {true, "1e300", nullptr, true},   {false, "200", "180.0", true},
      {false, "1e300", "180.0", false}, {false, "p", "  3.1", true},
      {false, "1/0", "  3.1", false},   {false, "-5", "  0.0", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    QLineEdit* field = c.theta ? controls().Panel3->Edit4 : controls().Panel3->Edit5;
    field->setFocus();
    field->setText(c.typed);
    host.polls = 0;
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(host.polls > 0, c.redrawn);
    if (c.shown) {
      EXPECT_EQ(field->text(), c.shown);
    }
    EXPECT_TRUE(std::isfinite(g().Theta));
    EXPECT_GE(g().Theta, 0);
    EXPECT_LT(g().Theta, 2 * GraphState::Pi);
    EXPECT_EQ(controls().Panel3->Edit4->text(), QString::fromStdString(g().ThetaText));
  }
}

TEST_F(LiveViewTest, LeavingAFieldWithoutEnterShowsTheAngleInEffect) {
  choose(1);
  QApplication::setActiveWindow(&window());
  controls().Panel3->Edit4->setFocus();
  controls().Panel3->Edit4->selectAll();
  QTest::keyClicks(controls().Panel3->Edit4, "123");
  EXPECT_EQ(controls().Panel3->Edit4->text(), "123");
  box()->setFocus();
  EXPECT_EQ(controls().Panel3->Edit4->text(), "30");
  EXPECT_EQ(g().Theta, 30 * Degree);
}

// ---- The picture follows the window ------------------------------------------------------

TEST_F(LiveViewTest, AfterAResizeTheGraphIsDrawnAtTheNewSize) {
  choose(1);
  g().DrawBoxChecked = true;
  drawFunction("x*y");
  const QSize before = p.Picture.size();
  window().resize(window().width() - 150, window().height() - 80);
  QCoreApplication::processEvents();
  ASSERT_NE(p.Picture.size(), before);
  EXPECT_TRUE(window().resizeRedrawWaiting());
  window().redrawAfterResize();
  const QImage redrawn = p.Picture.copy();
  EXPECT_EQ(p.PictureCopy, redrawn);
  EXPECT_EQ(plainDraw(), redrawn);
}

TEST_F(LiveViewTest, PicturesWithoutAGraphKeepTheirResizeBehaviour) {
  choose(1);
  drawFunction("x*y");
  QImage opened(50, 40, QImage::Format_RGB32);
  opened.fill(Qt::green);
  ShowPictureInBox(p, opened);
  window().resize(window().width() - 100, window().height() - 60);
  QCoreApplication::processEvents();
  EXPECT_FALSE(window().resizeRedrawWaiting());
  host.polls = 0;
  window().redrawAfterResize();
  EXPECT_EQ(host.polls, 0);

  item("ClearScreen1").trigger(); // the bare axes
  window().resize(window().width() + 100, window().height() + 60);
  QCoreApplication::processEvents();
  EXPECT_FALSE(window().resizeRedrawWaiting());
}

TEST_F(LiveViewTest, ATinyWindowRedrawsWithoutHarm) {
  choose(2);
  drawFunction("r");
  window().setMinimumSize(0, 0);
  window().resize(12, 9);
  QCoreApplication::processEvents();
  window().redrawAfterResize();
  wheel(120);
  press({1, 1});
  moveTo({3, 2});
  release({3, 2});
  EXPECT_FALSE(p.DrawInProgress);
  if (!p.Picture.isNull()) {
    EXPECT_EQ(controls().PaintBox1->size(), p.Picture.size());
  }
}

} // namespace
