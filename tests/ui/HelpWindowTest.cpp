// SPDX-License-Identifier: MIT
// The help window: shown beside the picture, and a text that covers every menu and function.
#include "WindowFixture.h"

#include "graph/Session.h"
#include "expr/Functions.h"
#include "ui/Helpunit.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextEdit>

#include <set>
#include <string>

namespace {

bool namesWord(const QString& text, const QString& word) {
  return text.contains(QRegularExpression("\\b" + QRegularExpression::escape(word) + "\\b"));
}

TEST_F(WindowTest, HelpShowsNotModalAndCloseKeepsThePlace) {
  choose(1);
  item("Help1").trigger();
  THelpDlg& help = *forms.helpDlg;
  ASSERT_TRUE(help.isVisible());
  EXPECT_FALSE(help.isModal());
  EXPECT_TRUE(opened.empty());
  QCoreApplication::processEvents();
  QScrollBar* bar = help.FHelp->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 100);
  bar->setValue(100);
  help.CloseBtn->click();
  EXPECT_FALSE(help.isVisible());
  item("Help1").trigger();
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(bar->value(), 100);
}

TEST_F(WindowTest, HelpNamesEveryMenu) {
  choose(1);
  const QString text = forms.helpDlg->FHelp->toPlainText();
  // The menus of the window as it stands, and those that join it.
  QStringList menus = {"File", "Edit", "Function", "Draw",  "Axes",    "View", "Plane",
                       "Line", "Box",  "Contours", "Movie", "Samples", "Help"};
  for (const QAction* action : window().menuBar()->actions()) menus << action->text().remove('&');
  for (const QString& menu : menus) {
    SCOPED_TRACE(menu.toStdString());
    EXPECT_TRUE(namesWord(text, menu));
  }
  for (const char* command : {"kelvo render", "kelvo eval", "Cancel Draw", "Esc"})
    EXPECT_TRUE(text.contains(command)) << command;
}

// A function of the table is a line NAME<tab>EXAMPLE; every function of the language has one,
// and its example is one a user can type as it stands.
TEST(HelpText, EveryFunctionHasAWorkingExample) {
  std::set<std::string> expected = {"^"};
  for (const NamedFunction& row : NamedFunctions) expected.insert(std::string(row.name));
  std::set<std::string> seen;
  Session s;
  s.graph.VarX = 1;
  s.graph.VarY = 2;
  for (const QString& line : QString::fromUtf8(HelpText()).split('\n')) {
    const QStringList columns = line.split('\t');
    if (columns.size() != 2 || columns[0].isEmpty()) continue;
    const std::string name = columns[0].toStdString(), example = columns[1].toStdString();
    SCOPED_TRACE(example);
    seen.insert(name);
    EXPECT_NE(example.find(name == "^" ? name : name + "("), std::string::npos);
    s.evaluate(example);
    EXPECT_FALSE(s.engine.SyntaxError);
    EXPECT_FALSE(s.engine.MathError);
  }
  EXPECT_EQ(seen, expected);
}

} // namespace
