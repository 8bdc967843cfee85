// SPDX-License-Identifier: MIT
// The window's commands as a user gives them, on the offscreen platform: Draw, one rotation
// step, Movie › Create of 32 frames and a parameter sweep of 32 frames, each through the handler
// its menu item or button calls and up to the last repaint of the picture.
#include "Torus.h"
#include "graph/Samples.h"
#include "render/Program.h"
#include "ui/Forms.h"
#include "ui/MainMenu.h"
#include "ui/SweepDlg.h"
#include "ui/WindowHost.h"
#include "ui/mainwindow/KelvoScrn1.h"
#include "ui/mainwindow/RotationPanel.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The program, its host and every form, with message boxes answered at once.
struct Window {
  Program p;
  WindowHost host;
  Forms forms{p};
  explicit Window(int kind) {
    p.host = &host;
    forms.maximized = false;
    // The sweep dialog asks for a over -5..5 in 32 frames; every other box is answered with OK.
    forms.modalRunner = [this](QDialog& dialog) {
      if (&dialog == forms.sweepDlg.get()) {
        forms.sweepDlg->FromEdit->setText("-5");
        forms.sweepDlg->ToEdit->setText("5");
        forms.sweepDlg->FramesEdit->setText("32");
      }
      return int(QDialog::Accepted);
    };
    host.setBeforeEvents([this] { forms.kelvoScrn1->pollRepaint(); });
    forms.mainMenu->button(kind)->click();
    forms.kelvoScrn1->resize(1000, 720);
    QCoreApplication::processEvents();
  }
  ~Window() { p.host = &silentHost(); }
  const MainWindowControls& controls() { return forms.kelvoScrn1->controls(); }
  void trigger(const char* item) {
    controls().item(item)->trigger();
    // The picture the command ends with is painted when the window next takes its events.
    QCoreApplication::processEvents();
  }
};

// Kind 1 and 2 draw their sample 1, kind 4 the torus, at 80 x 80 curves.
std::unique_ptr<Window> windowWithGraph(int kind) {
  auto window = std::make_unique<Window>(kind);
  if (kind == 4) {
    chooseTorus(window->p);
    window->p.graph.FunctionReady = true;
  } else {
    ChooseSample(window->p, char('0' + kind), 1);
  }
  window->p.graph.XCurves = window->p.graph.YCurves = 80;
  window->p.graph.MovieFrameCount = 32;
  window->trigger("Draw1");
  return window;
}

// One menu command, again and again, on the graph of the kind the argument names.
void command(benchmark::State& state, const char* item) {
  auto window = windowWithGraph(int(state.range(0)));
  for (auto _ : state) window->trigger(item);
}
BENCHMARK_CAPTURE(command, draw, "Draw1")->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(command, createMovie, "Create1")
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(command, sweepParameter, "AnimateParameter1")
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond);

void rotateStep(benchmark::State& state) {
  auto window = windowWithGraph(int(state.range(0)));
  for (auto _ : state) {
    window->controls().Panel3->BitBtn1->click();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(rotateStep)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
  // An offscreen screen large enough for the main window as the forms lay it out.
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KELVO_SCREEN_CONFIG);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
