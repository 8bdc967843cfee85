// SPDX-License-Identifier: MIT
// A program with all its forms, a host that counts polls and beeps, and dialogs answered
// by the test instead of a modal loop.
#pragma once

#include "render/Program.h"
#include "ui/Forms.h"
#include "ui/mainwindow/KelvoScrn1.h"
#include "ui/mainwindow/PictureBox.h"
#include "ui/mainwindow/RotationPanel.h"
#include "ui/MainMenu.h"
#include "ui/WindowHost.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

// Counts the cancel polls and beeps; onPoll runs at each poll, before the events.
class ScriptedHost : public WindowHost {
public:
  void processEvents() override {
    ++polls;
    if (onPoll) onPoll(polls);
    WindowHost::processEvents();
  }
  void beep() override { ++beeps; }

  int polls = 0;
  int beeps = 0;
  std::function<void(int)> onPoll;
};

// A scripted host whose millisecond tick count stands still until the test moves it.
class ClockHost : public ScriptedHost {
public:
  std::uint32_t tickCount() override { return clock; }
  std::uint32_t clock = 1000;
};

class WindowTest : public ::testing::Test {
protected:
  WindowTest() {
    p.host = &host;
    forms.maximized = false;
    host.setBeforeEvents([this] { window().pollRepaint(); });
    forms.modalRunner = [this](QDialog& dialog) {
      // The question before a changed graph is set aside has an answer of its own, so that
      // tests that leave the window need not answer it.
      if (dialog.objectName() == "saveGraphQuestion") {
        questions.push_back(static_cast<QMessageBox&>(dialog).text());
        return int(saveAnswer);
      }
      opened.push_back(&dialog);
      return answer ? answer(dialog) : int(QDialog::Rejected);
    };
  }
  ~WindowTest() override { p.host = &silentHost(); }

  TKelvoScrn1& window() { return *forms.kelvoScrn1; }
  const MainWindowControls& controls() { return window().controls(); }
  // A menu item or a menu by the name its menu gave it; a name no menu has fails the test.
  QAction& item(const char* name) { return found(controls().item(name), name); }
  QMenu& menu(const char* name) { return found(controls().menu(name), name); }
  GraphState& g() { return p.graph; }
  void choose(int kind) { forms.mainMenu->button(kind)->click(); }
  // Draws with the given function text (kinds 1 and 2) and forgets the polls before.
  void drawFunction(const char* text) {
    g().FunctionText = text;
    host.polls = 0;
    item("Draw1").trigger();
  }

  template <class T> static T& found(T* control, const char* name) {
    if (!control) throw std::invalid_argument(std::string("the window has no ") + name);
    return *control;
  }

  // Every test starts without remembered folders and recent files (before the window reads
  // them).
  static bool forgetSettings() {
    QSettings("Kelvo", "Kelvo").clear();
    return true;
  }

  bool settingsForgotten = forgetSettings();
  Program p;
  ScriptedHost host;
  Forms forms{p};
  // The dialogs shown, in order; answer fills the fields and returns the result.
  std::vector<QDialog*> opened;
  std::function<int(QDialog&)> answer;
  // The save questions asked, and their answer: Discard, so that leaving a changed graph
  // writes nothing.
  QStringList questions;
  QMessageBox::StandardButton saveAnswer = QMessageBox::Discard;
};
