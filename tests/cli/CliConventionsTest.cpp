// SPDX-License-Identifier: MIT
// The command line as scripts use it: values after '=', the help, one-line usage errors,
// standard output, the toolkit's options, commas inside parentheses and messages safe to print.
#include "KelvoRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

std::filesystem::path folderOfThisTest() {
  const auto* test = testing::UnitTest::GetInstance()->current_test_info();
  return ScratchFolder(std::string("kelvo-cli-") + test->test_suite_name() + "-" + test->name());
}

KelvoRun render(std::vector<std::string> args) {
  return RunKelvoRender(std::move(args));
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A usage error: exit status 2, nothing on standard output, and on standard error one line
// naming the problem and one pointing at the help.
void expectUsageError(const KelvoRun& run, const std::string& named) {
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  const std::vector<std::string> lines = linesOf(run.err);
  ASSERT_EQ(lines.size(), 2u) << run.err;
  EXPECT_EQ(lines[0].rfind("kelvo render: ", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find(named), std::string::npos) << lines[0];
  EXPECT_EQ(lines[1], "Try 'kelvo render --help' for the options.");
}

TEST(Help, RenderHelpListsEveryOptionTheParserKnows) {
  const KelvoRun help = render({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  std::vector<std::string> listed;
  for (const std::string& line : linesOf(help.out)) {
    if (line.rfind("  --", 0) != 0) continue;
    const std::string name = line.substr(2, line.find(' ', 2) - 2);
    listed.push_back(name);
    // Each option's line (or the line after a long value) says what it does.
    EXPECT_GT(line.find_first_not_of(' ', 2 + name.size() + 1), 2 + name.size()) << line;
  }
  EXPECT_GE(listed.size(), 30u);
  for (const char* known : {"--kind", "--out", "--values", "--movie", "--format", "--contours",
                            "--plane", "--speed", "--help"})
    EXPECT_NE(std::find(listed.begin(), listed.end(), known), listed.end()) << known;
  // Whatever the help lists, the parser takes: none of them is an unknown option.
  KelvoStart aside;
  aside.folder = folderOfThisTest();
  for (const std::string& name : listed) {
    SCOPED_TRACE(name);
    const KelvoRun run = RunKelvo({"render", name}, aside);
    EXPECT_EQ(run.err.find("unknown option '" + name + "'"), std::string::npos) << run.err;
  }
  // kelvo --help carries the same option lines.
  const KelvoRun usage = RunKelvo({"--help"});
  EXPECT_EQ(usage.status, 0);
  for (const std::string& line : linesOf(help.out)) {
    if (line.rfind("  --", 0) == 0) {
      EXPECT_NE(usage.out.find(line), std::string::npos) << line;
    }
  }
}

TEST(Help, StopsAtHelpAndRestrictedOptionsNameTheirKinds) {
  EXPECT_EQ(render({"--kind", "2", "--help", "--bogus"}).status, 0);
  const std::string help = render({"--help"}).out;
  EXPECT_NE(help.find("[kind 3]"), std::string::npos) << "--step is a space curve's";
  EXPECT_NE(help.find("[kinds 1, 2]"), std::string::npos) << "--contours";
}

TEST(UsageErrors, OneLineNamingTheProblemAndOnePointingAtTheHelp) {
  struct Case {
    std::vector<std::string> args;
    std::string named;
  };
  const Case cases[] = {
      {{"--bogus"}, "--bogus"},
      {{"--bogus=1"}, "--bogus"},
      {{"--function"}, "--function"},
      {{"--kind", "9"}, "--kind"},
      {{"--kind=9"}, "--kind"},
      {{"--box=1"}, "--box takes no value"},
      {{"--axes", "1,2,3"}, "--axes"},
      {{"--kind", "2", "--step", "0.1"}, "--step"},
      {{"--window", "4x4"}, "--window"},
      {{"--out", "x.tiff"}, "--out"},
      // An empty value needs saying so, not a count of values.
      {{"--kind", "3", "--step", ""}, "--step needs a value"},
      {{"--kind", "3", "--step="}, "--step needs a value"},
      {{"--axes", ""}, "--axes needs a value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.front() + " " + c.args.back());
    expectUsageError(render(c.args), c.named);
  }
  const KelvoRun unknown = RunKelvo({"frobnicate"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(linesOf(unknown.err).size(), 2u) << unknown.err;
  EXPECT_NE(unknown.err.find("kelvo --help"), std::string::npos);
}

// Each pair writes the same listing or picture: the value after '=' or as the next argument.
TEST(ValuesAfterEquals, WriteWhatTheSeparateValueWrites) {
  const auto folder = folderOfThisTest();
  const std::vector<std::vector<std::string>> options = {
      {"--function", "x*y"},   {"--axes", "-3,3,-3,3,-1,1"}, {"--view", "40,70"}, {"--kind", "2"},
      {"--contours", "40,12"}, {"--window", "600x400"},      {"--title", "T"},
  };
  for (const auto& option : options) {
    SCOPED_TRACE(option[0]);
    const auto apart = folder / "apart.png", joined = folder / "joined.png";
    ASSERT_EQ(render({option[0], option[1], "--out", apart.string()}).status, 0);
    ASSERT_EQ(render({option[0] + "=" + option[1], "--out=" + joined.string()}).status, 0);
    EXPECT_FALSE(BytesOf(apart).empty());
    EXPECT_EQ(BytesOf(apart), BytesOf(joined));
  }
  // Left out, the contours' settings are their defaults, as they are after '='.
  const auto bare = folder / "bare.png", empty = folder / "empty.png";
  ASSERT_EQ(render({"--contours", "--out", bare.string()}).status, 0);
  ASSERT_EQ(render({"--contours=", "--out", empty.string()}).status, 0);
  EXPECT_EQ(BytesOf(bare), BytesOf(empty));
}

// A comma inside parentheses belongs to the field, so that a field may hold a function of two
// arguments: the field is read whole (and, with no such function in the language yet, refused
// whole), and the fields are counted without it.
TEST(CommasInsideParentheses, BelongToTheField) {
  struct Case {
    std::vector<std::string> args;
    std::string problem;
  };
  const Case cases[] = {
      {{"--curves", "(1,2),15"}, "--curves: cannot read the value '(1,2)'"},
      {{"--axes", "-3,3,-3,3,-1,f((1,2),3)"}, "--axes: cannot read the value 'f((1,2),3)'"},
      {{"--view", "30,(80,1)"}, "--view: cannot read the value '(80,1)'"},
      // Unbalanced parentheses leave one field too few.
      {{"--curves", "(10,20"}, "--curves takes 2 comma-separated values"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[1]);
    expectUsageError(render(c.args), c.problem);
  }
  // Without parentheses the commas still part the fields.
  const auto folder = folderOfThisTest();
  const auto grouped = folder / "grouped.png", plain = folder / "plain.png";
  ASSERT_EQ(render({"--axes", "(-3),3,-(3),3,(-1),1", "--out", grouped.string()}).status, 0);
  ASSERT_EQ(render({"--axes", "-3,3,-3,3,-1,1", "--out", plain.string()}).status, 0);
  EXPECT_EQ(BytesOf(grouped), BytesOf(plain));
}

// On standard output exactly the bytes the file would hold, and nothing else.
TEST(StandardOutput, HoldsExactlyWhatTheFileWould) {
  const auto folder = folderOfThisTest();
  struct Case {
    const char* format;
    const char* file;
    std::vector<std::string> extra;
  };
  const Case cases[] = {
      {"png", "p.png", {}},
      {"bmp", "p.bmp", {}},
      {"jpg", "p.jpg", {}},
      {"gif", "p.gif", {}},
      {"svg", "p.svg", {}},
      {"pdf", "p.pdf", {}},
      {"png", "f.png", {"--full"}},
      {"svg", "f.svg", {"--full", "--title", "T"}},
      {"jpg", "q.jpg", {"--quality", "100", "--size", "60"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + (c.extra.empty() ? "" : " " + c.extra[0]));
    std::vector<std::string> graph = {"--function", "x*y", "--curves", "10,10"};
    graph.insert(graph.end(), c.extra.begin(), c.extra.end());
    std::vector<std::string> toFile = graph, toOutput = graph;
    toFile.insert(toFile.end(), {"--out", (folder / c.file).string()});
    toOutput.insert(toOutput.end(), {"--out", "-", "--format", c.format});
    ASSERT_EQ(render(toFile).status, 0);
    const KelvoRun run = render(toOutput);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(run.out.empty());
    EXPECT_TRUE(run.out == BytesOf(folder / c.file)) << "the bytes differ";
  }
  const auto listing = folder / "values.txt";
  ASSERT_EQ(render({"--function", "x-y", "--values", listing.string()}).status, 0);
  const KelvoRun values = render({"--function", "x-y", "--values", "-"});
  EXPECT_EQ(values.status, 0);
  EXPECT_EQ(values.out, BytesOf(listing));
  // The other output still goes to its file.
  const auto beside = folder / "beside.png";
  const KelvoRun both = render({"--values", "-", "--out", beside.string()});
  EXPECT_EQ(both.status, 0);
  EXPECT_EQ(linesOf(both.out).size(), 256u);
  EXPECT_TRUE(std::filesystem::exists(beside));
}

TEST(StandardOutput, RefusalsAndAFullDevice) {
  const std::vector<std::vector<std::string>> refused = {
      {"--out", "-"},
      {"--format", "png"},
      {"--format", "png", "--out", "x.png"},
      {"--out", "-", "--format", "tiff"},
      {"--out", "-", "--format", "png", "--values", "-"},
      {"--out=-", "--format=gif", "--values=-"},
  };
  for (const auto& args : refused) {
    SCOPED_TRACE(args.back());
    const KelvoRun run = render(args);
    expectUsageError(run, "--");
  }
  KelvoStart full;
  full.standardOutput = "/dev/full";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"render", "--out", "-", "--format", "png"},
        std::vector<std::string>{"render", "--values", "-"}}) {
    SCOPED_TRACE(args[1]);
    const KelvoRun run = RunKelvo(args, full);
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("standard output"), std::string::npos) << run.err;
  }
}

// Two outputs to one file would leave only the second: refused before anything is drawn.
TEST(Outputs, TwoNamingOneFileAreRefused) {
  const auto folder = folderOfThisTest();
  const std::string a = (folder / "a.png").string(), gif = (folder / "x.gif").string();
  const auto sub = folder / "sub";
  std::filesystem::create_directories(sub);
  std::filesystem::create_symlink(folder / "target.gif", folder / "link.gif");
  { std::ofstream(folder / "target.gif") << "old"; }
  std::filesystem::create_hard_link(folder / "target.gif", folder / "hard.gif");
  struct Case {
    std::vector<std::string> args;
    const char *first, *second;
  };
  const Case cases[] = {
      {{"--out", a, "--values", a}, "--out", "--values"},
      {{"--out", gif, "--movie", gif}, "--out", "--movie"},
      {{"--values", gif, "--movie", gif}, "--values", "--movie"},
      {{"--out", (sub / ".." / "a.png").string(), "--values", a}, "--out", "--values"},
      {{"--out", (folder / "link.gif").string(), "--movie", (folder / "target.gif").string()},
       "--out",
       "--movie"},
      {{"--values", (folder / "hard.gif").string(), "--movie", (folder / "target.gif").string()},
       "--values",
       "--movie"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const KelvoRun run = render(c.args);
    expectUsageError(run, std::string(c.first) + " and " + c.second);
    EXPECT_FALSE(std::filesystem::exists(a));
    EXPECT_FALSE(std::filesystem::exists(gif));
    EXPECT_EQ(BytesOf(folder / "target.gif"), "old");
  }
  // In the working folder, a relative name and the absolute one are the same file.
  KelvoStart here;
  here.folder = folder;
  const KelvoRun relative = RunKelvo({"render", "--out", "a.png", "--values", a}, here);
  EXPECT_EQ(relative.status, 2) << relative.err;
}

// An empty name is refused before the draw, so no other output is written either.
TEST(Outputs, AnEmptyNameIsAUsageErrorBeforeAnythingIsWritten) {
  const auto folder = folderOfThisTest();
  const std::string picture = (folder / "drawn.png").string();
  const std::vector<std::vector<std::string>> cases = {
      {"--values", "", "--out", picture}, {"--out", picture, "--values="},  {"--out", ""},
      {"--movie", "", "--out", picture},  {"--open", "", "--out", picture},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args[0] + " " + args[1]);
    const KelvoRun run = render(args);
    expectUsageError(run, "needs a value");
    EXPECT_FALSE(std::filesystem::exists(picture));
  }
}

// The window takes the toolkit's options; with KELVO_SMOKE it drives itself through one
// Draw and exits 0, here on the offscreen platform the option names.
TEST(ToolkitOptions, StartTheWindow) {
  const std::vector<std::vector<std::string>> cases = {
      {"-platform", "offscreen"},
      {"-platform", "offscreen", "-style", "fusion", "-reverse"},
      {"-platform", "offscreen", "-session", "kelvo-test", "-qwindowtitle", "Kelvo"},
      {"-style=fusion", "-platform", "offscreen", "-widgetcount"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.back());
    KelvoStart start;
    start.environment = {{"QT_QPA_PLATFORM", std::nullopt}, {"KELVO_SMOKE", "1"}};
    start.seconds = 60;
    const KelvoRun run = RunKelvo(args, start);
    EXPECT_EQ(run.status, 0) << run.err;
  }
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"-bogus"}, std::vector<std::string>{"-platform"},
        std::vector<std::string>{"-style", "fusion", "extra"}}) {
    SCOPED_TRACE(args.back());
    const KelvoRun run = RunKelvo(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(linesOf(run.err).size(), 2u) << run.err;
  }
}

// A render shows the toolkit nothing of its options: a title that looks like one of the
// toolkit's options is a title.
TEST(ToolkitOptions, RenderValuesAreNotTakenForThem) {
  const auto folder = folderOfThisTest();
  const auto titled = folder / "titled.png";
  const KelvoRun run =
      render({"--title", "-platform", "--full", "--out", titled.string(), "--function", "x"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(titled));
}

bool hasControlCharacters(const std::string& line) {
  for (const char c : line)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
  return false;
}

// Values echoed in messages are quoted, escaped and cut, so a message stays one plain line.
TEST(Messages, ValuesAreQuotedEscapedAndCut) {
  struct Case {
    std::vector<std::string> args;
    std::string shown;
  };
  const Case cases[] = {
      {{"--grid", "\x1b[31mred\nline"}, "'\\e[31mred\\nline'"},
      {{"--pen", "a\rb\tc\x7f"}, "'a\\rb\\tc\\x7f'"},
      {{"--above", "bad\xff\xfe"}, "'bad\\xff\\xfe'"},
      {{"--above", "gr\xc3\xbcn"}, "'gr\xc3\xbcn'"},
      // A C1 control, which some terminals obey, and a cut sequence.
      {{"--under", "x\xc2\x9b"
                   "1m\xe2\x82"},
       "'x\\xc2\\x9b1m\\xe2\\x82'"},
      {{"--axes", "1,2,3,4,5,\x1b]0;title\x07"}, "'\\e]0;title\\x07'"},
      {{"--bogus\n"}, "'--bogus\\n'"},
      {{"--font", "back\\slash"}, "'back\\\\slash'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    const KelvoRun run = render(c.args);
    EXPECT_EQ(run.status, 2);
    const std::vector<std::string> lines = linesOf(run.err);
    ASSERT_EQ(lines.size(), 2u) << run.err;
    EXPECT_FALSE(hasControlCharacters(lines[0])) << lines[0];
    EXPECT_NE(lines[0].find(c.shown), std::string::npos) << lines[0];
  }
  const KelvoRun huge = render({"--grid", std::string(10240, 'z')});
  const std::vector<std::string> lines = linesOf(huge.err);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_LT(lines[0].size(), 160u) << lines[0];
  EXPECT_NE(lines[0].find("'" + std::string(80, 'z') + "'..."), std::string::npos) << lines[0];
  // The eval command quotes the same way.
  const KelvoRun eval = RunKelvo({"eval", "x", "q\n=1"});
  EXPECT_EQ(eval.status, 2);
  EXPECT_EQ(linesOf(eval.err).size(), 1u) << eval.err;
  EXPECT_NE(eval.err.find("'q\\n=1'"), std::string::npos) << eval.err;
}

// A target file that could be written in a folder that cannot: the folder is the cause,
// since the file is replaced through a new one beside it. Run as nobody when the tests run as
// root, whom no permission stops.
TEST(Messages, AReadOnlyFolderIsNamedAsTheCause) {
  const auto folder = folderOfThisTest();
  const auto locked = folder / "locked";
  std::filesystem::create_directories(locked);
  const auto target = locked / "v.txt";
  { std::ofstream(target) << "kept"; }
  ::chmod(target.c_str(), 0666);
  ::chmod(locked.c_str(), 0555);
  ::chmod(folder.c_str(), 0755);
  KelvoStart start;
  start.unprivileged = true;
  const KelvoRun existing = RunKelvo({"render", "--values", target.string()}, start);
  const KelvoRun fresh = RunKelvo({"render", "--values", (locked / "new.txt").string()}, start);
  ::chmod(locked.c_str(), 0755);
  for (const KelvoRun* run : {&existing, &fresh}) {
    EXPECT_EQ(run->status, 3);
    EXPECT_EQ(linesOf(run->err).size(), 1u) << run->err;
    EXPECT_NE(run->err.find("the folder '" + locked.string() + "' cannot be written to"),
              std::string::npos)
        << run->err;
  }
  EXPECT_NE(existing.err.find("the file itself could be"), std::string::npos) << existing.err;
  EXPECT_EQ(BytesOf(target), "kept");
  EXPECT_FALSE(std::filesystem::exists(locked / "new.txt"));
}

} // namespace
