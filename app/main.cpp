// SPDX-License-Identifier: MIT
// Entry point: the desktop program, or the `eval` and `render` commands.
#include "app/Cli.h"
#include "app/CliOptions.h"
#include "graph/Version.h"
#include "ui/Application.h"

#include <QtGlobal>

#include <cctype>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The toolkit's own options, which the window passes on to it: the name, and whether the next
// argument is its value. "-style=fusion" and the like carry theirs after '='.
struct ToolkitOption {
  std::string_view name;
  bool valued;
};
constexpr ToolkitOption ToolkitOptions[] = {
    {"-platform", true},        {"-platformpluginpath", true},
    {"-platformtheme", true},   {"-plugin", true},
    {"-qwindowgeometry", true}, {"-qwindowicon", true},
    {"-qwindowtitle", true},    {"-session", true},
    {"-display", true},         {"-geometry", true},
    {"-style", true},           {"-stylesheet", true},
    {"-reverse", false},        {"-widgetcount", false},
    {"-qmljsdebugger", false},  {"-dialogs", false},
    {"-fontengine", false},
};

const ToolkitOption* toolkitOption(std::string_view word) {
  const std::string_view name = word.substr(0, word.find('='));
  for (const ToolkitOption& option : ToolkitOptions)
    if (option.name == name) return &option;
  return nullptr;
}

// A word that names a graph file for the window: it ends in ".kelvo", in any case.
bool isGraphFileName(std::string_view word) {
  constexpr std::string_view Suffix = ".kelvo";
  if (word.size() <= Suffix.size()) return false;
  const std::string_view end = word.substr(word.size() - Suffix.size());
  for (std::size_t i = 0; i < Suffix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(end[i])) != Suffix[i]) return false;
  return true;
}

// The window started with the toolkit's options and at most one graph file. The platform and
// the display they name are the ones the toolkit will use, so the check for a display must see
// them too.
int runWindowWithToolkitOptions(int& argc, char** argv) {
  std::string graphFile;
  for (int i = 1; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (isGraphFileName(word) && word[0] != '-') {
      if (!graphFile.empty()) {
        std::cerr << "kelvo: one graph file at a time (" << QuotedValue(graphFile) << " and "
                  << QuotedValue(word) << ")\n"
                  << "Try 'kelvo --help' for the usage.\n";
        return ExitUsage;
      }
      graphFile = word;
      continue;
    }
    const ToolkitOption* option =
        word.size() > 1 && word[0] == '-' && word[1] != '-' ? toolkitOption(word) : nullptr;
    if (!option) {
      std::cerr << "kelvo: unknown option " << QuotedValue(word) << "\n"
                << "Try 'kelvo --help' for the usage.\n";
      return ExitUsage;
    }
    const bool attached = word.find('=') != std::string_view::npos;
    if (!option->valued || attached) continue;
    if (i + 1 >= argc) {
      std::cerr << "kelvo: " << word << " needs a value\n"
                << "Try 'kelvo --help' for the usage.\n";
      return ExitUsage;
    }
    ++i;
    if (option->name == "-platform") qputenv("QT_QPA_PLATFORM", argv[i]);
    if (option->name == "-display") qputenv("DISPLAY", argv[i]);
  }
  return RunKelvoWindow(argc, argv, graphFile);
}

} // namespace

std::string UsageText() {
  return "Usage:\n"
         "  kelvo [QT-OPTIONS] [FILE.kelvo]     the desktop program (-style fusion, -reverse, "
         "...),\n"
         "                                      with the graph of FILE.kelvo drawn\n"
         "  kelvo eval TEXT [NAME=NUMBER ...]   evaluate TEXT; NAME is one of x y r t u v a b c "
         "d e f\n"
         "  kelvo render [OPTIONS] [--out PICTURE] [--values LISTING] [--movie ANIMATION.gif]\n"
         "                                      draw a graph without a window\n"
         "  kelvo render --help | kelvo --help | kelvo --version\n"
         "\n"
         "render options:\n" +
         RenderOptionsHelp() +
         "Numbers in options are expressions of Kelvo's language (2*p, sqrt(2), -3).\n"
         "Exit status: 0 written, 1 the function cannot be evaluated, 2 usage error,\n"
         "3 an output cannot be written, 4 the --open picture cannot be read.\n";
}

int main(int argc, char** argv) {
  if (argc < 2) return RunKelvoWindow(argc, argv);
  const std::string command = argv[1];
  const std::vector<std::string> rest(argv + 2, argv + argc);
  // Past a file size limit a write must fail with a reason the program can report and
  // clean up after, not end the process with a half-written file.
  std::signal(SIGXFSZ, SIG_IGN);
  if (command == "--help" || command == "-h") {
    std::cout << UsageText();
    return FinishStandardOutput("kelvo");
  }
  if (command == "--version") {
    std::cout << "kelvo " << KelvoVersion << "\n";
    return FinishStandardOutput("kelvo");
  }
  if (command == "eval") return RunEval(rest);
  if (command == "render") return RunRender(argv[0], rest);
  if ((command.size() > 1 && command[0] == '-' && command[1] != '-') || isGraphFileName(command))
    return runWindowWithToolkitOptions(argc, argv);
  std::cerr << "kelvo: unknown command " << QuotedValue(command) << "\n"
            << "Try 'kelvo --help' for the usage.\n";
  return ExitUsage;
}
