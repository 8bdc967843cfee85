// SPDX-License-Identifier: MIT
// The one QApplication the widget tests need; gtest_main supplies main().
#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    m_application = new QApplication(argc, argv);
  }
  void TearDown() override { delete m_application; }

private:
  QApplication* m_application = nullptr;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
