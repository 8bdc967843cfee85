// SPDX-License-Identifier: MIT
// Start-up of the desktop window.
#include "ui/Application.h"

#include "graph/Version.h"
#include "io/GraphFiles.h"
#include "render/Program.h"
#include "ui/EngineTexts.h"
#include "ui/Forms.h"
#include "ui/Translations.h"
#include "ui/mainwindow/KelvoScrn1.h"
#include "ui/MainMenu.h"
#include "ui/WindowHost.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QFile>
#include <QMessageBox>
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
  // The graph drawn is not kept: Exit's question about saving it is answered Discard.
  forms.modalRunner = [](QDialog& dialog) {
    return dialog.objectName() == QLatin1String("saveGraphQuestion") ? int(QMessageBox::Discard)
                                                                     : dialog.exec();
  };
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

// The smoke run with a graph file: every message box writes its text and is answered at once
// (a changed graph is discarded); a moment after the start the program says which window
// shows, then leaves the main window and quits.
void startGraphFileSmokeRun(Forms& forms) {
  forms.modalRunner = [](QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog))
      std::printf("kelvo smoke: message: %s\n", qPrintable(box->text()));
    std::fflush(stdout);
    return int(QMessageBox::Discard);
  };
  QTimer::singleShot(300, [&forms] {
    TKelvoScrn1& window = *forms.kelvoScrn1;
    if (window.isVisible())
      std::printf("kelvo smoke: main window \"%s\"%s\n", qPrintable(window.windowTitle()),
                  forms.program.graph.PictureCopyValid ? " drawn" : "");
    if (forms.mainMenu->isVisible()) std::printf("kelvo smoke: start-up form\n");
    std::fflush(stdout);
    if (window.isVisible()) window.controls().item("Exit1")->trigger();
    forms.mainMenu->button(5)->click();
  });
}

// The window with the graph of the file, or the start-up form and the reason it cannot be.
void startWithGraphFile(Forms& forms, const std::string& path) {
  GraphFile file;
  const FileResult read = LoadGraphFile(path, file);
  if (read.ok) {
    forms.kelvoScrn1->showGraphFile(QFile::decodeName(path.c_str()), file);
    return;
  }
  std::fprintf(stderr, "kelvo: cannot read the graph file '%s': %s\n", path.c_str(),
               read.message.c_str());
  forms.mainMenu->showStartUp();
  QMessageBox box(QMessageBox::Warning, forms.mainMenu->windowTitle(),
                  QCoreApplication::translate("Application", "The graph file %1 cannot be read: %2")
                      .arg(QFile::decodeName(path.c_str()), EngineText(read.message)),
                  QMessageBox::Ok, forms.mainMenu.get());
  forms.runModal(box);
}

} // namespace

int RunKelvoWindow(int& argc, char** argv, const std::string& graphFile) {
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
  // The texts in the user's language, before any window is made.
  InstallTranslations(QLocale::system());

  auto program = std::make_unique<Program>();
  WindowHost host;
  program->host = &host;
  Forms forms(*program);
  host.setBeforeEvents([&forms] { forms.kelvoScrn1->pollRepaint(); });

  const bool smoke = qEnvironmentVariableIsSet("KELVO_SMOKE");
  if (graphFile.empty()) {
    forms.mainMenu->showStartUp();
    if (smoke) startSmokeRun(forms);
  } else {
    if (smoke) startGraphFileSmokeRun(forms);
    startWithGraphFile(forms, graphFile);
  }
  const int result = QApplication::exec();
  program->host = &silentHost();
  return result;
}
