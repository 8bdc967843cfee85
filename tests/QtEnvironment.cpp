// SPDX-License-Identifier: MIT
// The one Qt application of a test program, offscreen: text needs fonts and fonts need a
// QGuiApplication; the widget tests need a QApplication (KELVO_TEST_WIDGETS). Settings go to a
// folder of the test program's own, never to the user's.
#ifdef KELVO_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    // An offscreen screen large enough for the main window as the forms lay it out.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KELVO_TEST_DATA "/offscreen-screen.json");
    m_settings = std::make_unique<QTemporaryDir>();
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
      for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
        QSettings::setPath(format, scope, m_settings->path());
    m_app = std::make_unique<TestApplication>(m_argc, m_argv);
  }
  void TearDown() override {
    m_app.reset();
    m_settings.reset();
  }

private:
  int m_argc = 1;
  char m_name[16] = "kelvo_tests";
  char* m_argv[2] = {m_name, nullptr};
  std::unique_ptr<TestApplication> m_app;
  std::unique_ptr<QTemporaryDir> m_settings;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
