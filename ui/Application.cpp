// SPDX-License-Identifier: MIT
// Start-up of the desktop window.
#include "ui/Application.h"

#include "graph/Version.h"
#include "render/Program.h"
#include "ui/Forms.h"
#include "ui/mainwindow/KelvoScrn1.h"
#include "ui/MainMenu.h"
#include "ui/WindowHost.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <memory>

namespace {

// Whether the window can be shown. Without a display the toolkit would abort the process
// with a message about its plugins; a plain sentence serves the user better. A platform
// chosen by the user (offscreen, vnc, ...) or a Wayland session is left to the toolkit.
bool displayReachable() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && !platform.startsWith("xcb")) return true;
  if (platform.isEmpty() && !qgetenv("WAYLAND_DISPLAY").isEmpty()) return true;
  if (qgetenv("DISPLAY").isEmpty()) return false;
  // Try the X server the toolkit would use, through the same library, loaded only here.
  void* xcb = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
  if (!xcb) return true;
  using Connect = void* (*)(const char*, int*);
  using HasError = int (*)(void*);
  using Disconnect = void (*)(void*);
  auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
  auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
  auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
  bool reachable = true;
  if (connect && hasError && disconnect) {
    void* connection = connect(nullptr, nullptr);
    reachable = hasError(connection) == 0;
    disconnect(connection);
  }
  dlclose(xcb);
  return reachable;
}

// One run through a graph with the real event loop: the start-up form's button 1, a Draw of
// a sample surface, Exit, and Quit, each a moment after the one before.
void startSmokeRun(Forms& forms) {
  constexpr int Pause = 300;
  QTimer::singleShot(Pause, [&forms] { forms.mainMenu->button(1)->click(); });
  QTimer::singleShot(2 * Pause, [&forms] {
    forms.program.graph.FunctionText = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
    // The draw runs to its end inside trigger(), however slow the build; a timer of its own
    // could fire from the draw's event polls and find it unfinished.
    forms.kelvoScrn1->controls().item("Draw1")->trigger();
    const Program& p = forms.program;
    const bool drawn = p.graph.PictureCopyValid && !p.PictureCopy.isNull() &&
                       forms.kelvoScrn1->isVisible() && !p.graph.EvalFailed;
    QTimer::singleShot(Pause, [&forms, drawn] {
      forms.kelvoScrn1->controls().item("Exit1")->trigger();
      const bool backAtStart = forms.mainMenu->isVisible() && !forms.kelvoScrn1->isVisible();
      forms.mainMenu->button(5)->click();
      if (!drawn || !backAtStart) QCoreApplication::exit(1);
    });
  });
}

} // namespace

int RunKelvoWindow(int& argc, char** argv) {
  if (!displayReachable()) {
    std::fputs("kelvo: no display to show the window on (DISPLAY is not set or cannot be "
               "reached); kelvo render and kelvo eval need none\n",
               stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Kelvo");
  QApplication::setApplicationVersion(KelvoVersion);
  QGuiApplication::setDesktopFileName(KelvoAppId);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/icon.svg")));

  auto program = std::make_unique<Program>();
  WindowHost host;
  program->host = &host;
  Forms forms(*program);
  host.setBeforeEvents([&forms] { forms.kelvoScrn1->pollRepaint(); });

  forms.mainMenu->showStartUp();
  if (qEnvironmentVariableIsSet("KELVO_SMOKE")) startSmokeRun(forms);
  const int result = QApplication::exec();
  program->host = &silentHost();
  return result;
}
