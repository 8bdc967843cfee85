// SPDX-License-Identifier: MIT
// The one Qt application of a test program, offscreen: text needs fonts and fonts need a
// QGuiApplication; the widget tests need a QApplication (KELVO_TEST_WIDGETS).
#ifdef KELVO_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    // An offscreen screen large enough for the main window as the forms lay it out.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KELVO_TEST_DATA "/offscreen-screen.json");
    m_app = std::make_unique<TestApplication>(m_argc, m_argv);
  }
  void TearDown() override { m_app.reset(); }

private:
  int m_argc = 1;
  char m_name[16] = "kelvo_tests";
  char* m_argv[2] = {m_name, nullptr};
  std::unique_ptr<TestApplication> m_app;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
