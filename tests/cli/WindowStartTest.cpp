// SPDX-License-Identifier: MIT
// Starting the desktop program where no display can be reached, and with a graph file.
#include "KelvoRun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

TEST(WindowStart, WithoutADisplayOneLineSaysSoAndTheExitStatusIsOne) {
  const std::optional<std::string> displays[] = {std::nullopt, ":9876"};
  for (const auto& display : displays) {
    SCOPED_TRACE(display.value_or("no DISPLAY"));
    KelvoStart start;
    start.environment = {
        {"QT_QPA_PLATFORM", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}, {"DISPLAY", display}};
    start.seconds = 20;
    const KelvoRun run = RunKelvo({}, start);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no display"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("kelvo render"), std::string::npos);
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

// The window started on a graph file, in the smoke run that writes what it shows and quits;
// under the locale named (C unless told), which chooses the window's language.
KelvoRun startWithFile(const std::vector<std::string>& args, const std::filesystem::path& folder,
                       const std::string& locale = "C") {
  KelvoStart start;
  start.environment = {{"QT_QPA_PLATFORM", "offscreen"},
                       {"KELVO_SMOKE", "1"},
                       {"XDG_CONFIG_HOME", (folder / "config").string()},
                       {"XDG_RUNTIME_DIR", std::nullopt},
                       {"LANG", locale},
                       {"LC_ALL", locale},
                       {"LANGUAGE", std::nullopt}};
  start.seconds = 30;
  return RunKelvo(args, start);
}

TEST(WindowStart, AGraphFileIsDrawnInTheMainWindow) {
  static const RemovedAtExit folder(ScratchFolder("window-start"));
  const auto graph = folder.path / "waves.kelvo";
  std::ofstream(graph) << "Kelvo graph 1\nKind = 2\nFunction = \"sin(r)\"\nTitle = \"Waves\"\n";
  const KelvoRun run = startWithFile({graph.string()}, folder.path);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "kelvo smoke: main window \"   Kelvo Cylindrical Coordinates  -  waves.kelvo\" drawn\n");
  // The file joins the recent files of the next start.
  EXPECT_NE(BytesOf(folder.path / "config" / "Kelvo" / "Kelvo.conf").find(graph.string()),
            std::string::npos);
}

TEST(WindowStart, AFileThatCannotBeReadSaysWhyAndTheStartUpFormShows) {
  static const RemovedAtExit folder(ScratchFolder("window-start-bad"));
  const auto bad = folder.path / "bad.kelvo";
  std::ofstream(bad) << "Kelvo graph 1\nKind = 1\nColour = red\n";
  const struct {
    std::filesystem::path file;
    std::string reason;
  } cases[] = {{bad, "line 3: unknown key 'Colour'"},
               {folder.path / "missing.kelvo", "No such file or directory"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file.string());
    const KelvoRun run = startWithFile({c.file.string()}, folder.path);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("kelvo: cannot read the graph file '" + c.file.string() +
                           "': " + c.reason + "\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.out, "kelvo smoke: message: The graph file " + c.file.string() +
                           " cannot be read: " + c.reason + "\nkelvo smoke: start-up form\n");
  }
}

// The window speaks the language of the locale it starts under, the engine's reasons
// included; what it writes on the error output stays English, as the command line is.
TEST(WindowStart, UnderAGermanLocaleTheWindowSpeaksGerman) {
  static const RemovedAtExit folder(ScratchFolder("window-start-german"));
  const auto waves = folder.path / "waves.kelvo";
  std::ofstream(waves) << "Kelvo graph 1\nKind = 2\nFunction = \"sin(r)\"\n";
  const auto bad = folder.path / "bad.kelvo";
  std::ofstream(bad) << "Kelvo graph 1\nKind = 1\nColour = red\n";
  const struct {
    std::string locale;
    std::string caption;
    std::string message;
  } cases[] = {
      {"de_DE.UTF-8", "   Kelvo Zylinderkoordinaten",
       "Die Graphdatei " + bad.string() +
           " kann nicht gelesen werden: Zeile 3: "
           "unbekannter Schlüssel 'Colour'"},
      {"en_US.UTF-8", "   Kelvo Cylindrical Coordinates",
       "The graph file " + bad.string() + " cannot be read: line 3: unknown key 'Colour'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale);
    KelvoRun run = startWithFile({waves.string()}, folder.path, c.locale);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "kelvo smoke: main window \"" + c.caption + "  -  waves.kelvo\" drawn\n");
    run = startWithFile({bad.string()}, folder.path, c.locale);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "kelvo smoke: message: " + c.message + "\nkelvo smoke: start-up form\n");
    EXPECT_NE(run.err.find("kelvo: cannot read the graph file '" + bad.string() +
                           "': line 3: unknown key 'Colour'\n"),
              std::string::npos)
        << run.err;
  }
}

TEST(WindowStart, OneGraphFileAtATime) {
  const KelvoRun run = RunKelvo({"a.kelvo", "-style", "fusion", "b.Kelvo"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("one graph file at a time"), std::string::npos) << run.err;
  // Any other word is still no command.
  EXPECT_EQ(RunKelvo({"a.kelvo.txt"}).status, 2);
}

} // namespace
