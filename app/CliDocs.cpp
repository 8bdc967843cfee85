// SPDX-License-Identifier: MIT
// The manual page and the shell completions, each written from the table of render options so
// that a new option appears in all of them.
#include "app/CliDocs.h"

#include "app/Cli.h"
#include "app/CliOptions.h"

#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

namespace {

bool isWordCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// Guards a line of the man macros that would begin with a control character.
void guardLine(std::string& line) {
  if (!line.empty() && (line[0] == '.' || line[0] == '\'')) line.insert(0, "\\&");
}

// Text for the man macros: backslashes and the minus signs of options escaped (a hyphen
// inside a word stays one), and a line that would begin with a control character guarded.
std::string roff(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      const bool inWord = i > 0 && i + 1 < text.size() && isWordCharacter(text[i - 1]) &&
                          isWordCharacter(text[i + 1]);
      out += inWord ? "-" : "\\-";
    } else {
      out += c;
    }
  }
  guardLine(out);
  return out;
}

// A command, an option or a value, where every '-' is a minus sign that must copy as one.
std::string roffCode(std::string_view text) {
  std::string out;
  for (const char c : text) out += c == '-' ? "\\-" : c == '\\' ? "\\e" : std::string(1, c);
  guardLine(out);
  return out;
}

std::string capitalised(std::string_view text) {
  std::string out(text);
  if (!out.empty()) out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
  return out;
}

bool isChoice(const RenderOptionInfo& option, std::string_view word) {
  for (const std::string& choice : option.choices)
    if (choice == word) return true;
  return false;
}

// The option's value as the manual shows it: the fixed words in bold, what the user fills in
// in italics.
std::string manualValue(const RenderOptionInfo& option) {
  std::string out;
  std::string_view rest = option.value;
  while (true) {
    const std::size_t bar = rest.find('|');
    const std::string_view piece = rest.substr(0, bar);
    out += (isChoice(option, piece) ? "\\fB" : "\\fI") + roffCode(piece) + "\\fR";
    if (bar == std::string_view::npos) break;
    out += '|';
    rest.remove_prefix(bar + 1);
  }
  return out;
}

// "graph kind 3" or "graph kinds 1 and 2"; empty for an option every kind offers.
std::string kindsSentence(std::string_view kinds) {
  if (kinds == AllGraphKinds) return {};
  std::string out = kinds.size() > 1 ? "Offered for graph kinds " : "Offered for graph kind ";
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    if (k > 0) out += k + 1 == kinds.size() ? " and " : ", ";
    out += kinds[k];
  }
  return out + " only.";
}

bool isColorValue(std::string_view value) {
  return value == "C" || value.rfind("C|", 0) == 0;
}

std::string manualOptions() {
  std::string out;
  for (const RenderOptionInfo& option : RenderOptionInfos()) {
    out += ".TP\n\\fB" + roffCode(option.name) + "\\fR";
    if (!option.value.empty()) out += " " + manualValue(option);
    out += "\n" + roff(capitalised(option.help)) + ".";
    if (isColorValue(option.value)) out += " See COLOURS.";
    const std::string kinds = kindsSentence(option.kinds);
    if (!kinds.empty()) out += " " + kinds;
    out += "\n";
  }
  return out;
}

std::string manualColors() {
  std::string names;
  for (const NamedColor& color : ColorNames)
    names += std::string(names.empty() ? "" : ", ") + "\\fB" + roff(color.name) + "\\fR";
  return ".SH COLOURS\n"
         "A colour \\fIC\\fR is one of the names the colour windows show, " +
         names +
         ", or \\fB#\\fR\\fIRRGGBB\\fR in hexadecimal. "
         "\\fB\\-\\-grid\\fR also takes \\fBnone\\fR (the cells get no outlines), and there "
         "\\fBgray\\fR is the light grey of the grid window.\n";
}

struct ExitStatusText {
  ExitStatus status;
  const char* text;
};

constexpr ExitStatusText ExitStatusTexts[] = {
    {ExitOk, "Everything asked for was written (\\fBeval\\fR: the value was printed, whatever "
             "the flags say)."},
    {ExitEvalFailed,
     "\\fBrender\\fR: a function could not be evaluated during the draw; the message "
     "\\(lqkelvo: the function cannot be evaluated\\(rq names the function and the reason, and "
     "the outputs are still written with what was drawn. The window also exits with 1 when "
     "there is no display to show it on."},
    {ExitUsage, "A usage error: an unknown command or option, a missing or unreadable value, an "
                "option the graph kind's menus do not offer. One line on standard error says "
                "what is wrong, and nothing is written."},
    {ExitWrite, "An output file cannot be written; the message names the file and the reason, "
                "and no partial file is left behind."},
    {ExitOpen, "The \\fB\\-\\-open\\fR picture or the \\fB\\-\\-graph\\fR file cannot be read; "
               "the message names the file and the reason (for a graph file, the line), and "
               "nothing is drawn or written."},
};

std::string manualExitStatus() {
  std::string out = ".SH EXIT STATUS\n";
  for (const ExitStatusText& exit : ExitStatusTexts)
    out += ".TP\n.B " + std::to_string(exit.status) + "\n" + exit.text + "\n";
  return out;
}

// One example: a command line and what it does.
std::string example(std::string_view command, std::string_view what) {
  return ".PP\n" + std::string(what) + "\n.RS\n.nf\n" + roffCode(command) + "\n.fi\n.RE\n";
}

std::string manualExamples() {
  return ".SH EXAMPLES\n" + example("kelvo", "Start the desktop program at its start-up form:") +
         example("kelvo bowl.kelvo", "Start it with a saved graph drawn:") +
         example("kelvo eval '2^3^2'",
                 "Evaluate an expression; this prints \\fB512 syntax=0 math=0 cut=0\\fR:") +
         example("kelvo eval 'sqrt(x)' x=-1",
                 "Evaluate at a variable's value; a square root of a negative number sets the "
                 "math flag and prints \\fB0 syntax=0 math=1 cut=0\\fR:") +
         example("kelvo render --function 'x^2-y^2' --axes -3,3,-3,3,-10,10 \\\n"
                 "  --out saddle.png --values saddle.txt",
                 "Draw a saddle and write its picture and its value listing:") +
         example("kelvo render --kind patch --x '(2-Cos(v))*Cos(u)' \\\n"
                 "  --y '(2-Cos(v))*Sin(u)' --z 'Sin(v)' --axes -3,3,-3,3,-3,3 \\\n"
                 "  --out torus.svg --movie torus.gif",
                 "Draw a torus as a vector picture, and a movie of the eye turning round it:") +
         example("kelvo render --function 'a*x^2-y^2' --sweep a=-1,1 --frames 16 \\\n"
                 "  --movie sweep.gif",
                 "A movie in which the parameter a steps from \\-1 to 1 while the eye stays "
                 "still:") +
         example("kelvo render --sample 1 --out - --format png > sample.png",
                 "Write the first sample surface to standard output as PNG:") +
         example("kelvo render --kind 2 --sample 3 --view 40,70 --save-graph bowl.kelvo",
                 "Save a cylindrical sample seen from another eye as a graph file:") +
         example("kelvo render --graph bowl.kelvo --title 'The same bowl' --out bowl.png",
                 "Draw that graph file again with a title:") +
         example("kelvo render --help", "List the options of \\fBrender\\fR:") +
         example("kelvo --version", "Print the version:");
}

} // namespace

std::string ManualPage(const std::string& version, const std::string& date) {
  return ".\\\" The manual page of kelvo, written by kelvo_docs from the table of render "
         "options.\n"
         ".TH KELVO 1 " +
         date + " \"Kelvo " + version +
         "\" \"User Commands\"\n"
         ".SH NAME\n"
         "kelvo \\- draw functions in three-dimensional space\n"
         ".SH SYNOPSIS\n"
         ".nh\n"
         ".B kelvo\n"
         ".RI [ QT-OPTIONS ]\n"
         ".RI [ FILE \\fB.kelvo\\fR]\n"
         ".br\n"
         ".B kelvo eval\n"
         ".I TEXT\n"
         ".RI [ NAME \\fB=\\fP NUMBER \" ...]\"\n"
         ".br\n"
         ".B kelvo render\n"
         ".RI [ OPTIONS ]\n"
         ".RB [ \\-\\-out\n"
         ".IR PICTURE ]\n"
         ".RB [ \\-\\-values\n"
         ".IR LISTING ]\n"
         ".RB [ \\-\\-movie\n"
         ".IR ANIMATION \\fB.gif\\fR]\n"
         ".br\n"
         ".B kelvo render \\-\\-help\n"
         ".br\n"
         ".B kelvo \\-\\-help\n"
         ".br\n"
         ".B kelvo \\-\\-version\n"
         ".hy\n"
         ".SH DESCRIPTION\n"
         "Kelvo draws graphs of functions in three-dimensional space: surfaces z = f(x,y) in "
         "rectangular coordinates (graph kind 1), surfaces z = f(r,theta) in cylindrical "
         "coordinates (kind 2), space curves x(t), y(t), z(t) (kind 3), two-parameter "
         "surfaces x(u,v), y(u,v), z(u,v) (kind 4) and implicit surfaces F(x,y,z) = 0 "
         "(kind 6). The functions are typed in Kelvo's own "
         "expression language and drawn as shaded, opaque meshes in perspective, with axes and "
         "ticks, a box, a plane, a line and contour lines.\n"
         ".PP\n"
         "The same program works without a window: \\fBkelvo render\\fR makes every picture, "
         "value listing and movie the window makes, and \\fBkelvo eval\\fR evaluates one "
         "expression as the drawing code does. Neither needs a display, and neither reads or "
         "writes any file it was not given.\n"
         ".SH COMMANDS\n"
         ".TP\n"
         "\\fBkelvo\\fR [\\fIQT-OPTIONS\\fR] [\\fIFILE\\fB.kelvo\\fR]\n"
         "Starts the desktop program: the start-up form, where the kind of graph is chosen, or "
         "with a graph file the graph it holds, drawn. \\fIQT-OPTIONS\\fR are the toolkit's "
         "own, such as \\fB\\-style\\fR \\fIfusion\\fR, \\fB\\-reverse\\fR, \\fB\\-platform\\fR "
         "\\fINAME\\fR and \\fB\\-display\\fR \\fINAME\\fR. Without a display to show the window "
         "on, kelvo says so and exits with status 1.\n"
         ".TP\n"
         "\\fBkelvo eval\\fR \\fITEXT\\fR [\\fINAME\\fB=\\fINUMBER\\fR ...]\n"
         "Evaluates \\fITEXT\\fR exactly as the drawing code does, with every variable and "
         "parameter 0 and every flag clear, after setting each \\fINAME\\fR to its "
         "\\fINUMBER\\fR. \\fINAME\\fR is one of \\fBx y r t u v a b c d e f\\fR (either case); "
         "\\fINUMBER\\fR is a plain decimal number. The first argument is always the text, even "
         "when it begins with \\(lq\\-\\(rq. One line is printed: the value (%.17g), then "
         "\\fBsyntax=\\fR, \\fBmath=\\fR and \\fBcut=\\fR, each 0 or 1: the syntax-error, "
         "math-error and cut flags after the evaluation.\n"
         ".TP\n"
         "\\fBkelvo render\\fR [\\fIOPTIONS\\fR]\n"
         "Builds one graph as a user would in the window and writes what the window would "
         "show: it chooses the graph kind as the start-up form does, applies the options as "
         "the matching dialogs would on OK (the same corrections, the same rules), draws once "
         "in a main window of \\fB\\-\\-window\\fR size, runs the additions the options ask "
         "for, and writes the picture (\\fB\\-\\-out\\fR), the value listing "
         "(\\fB\\-\\-values\\fR), the movie (\\fB\\-\\-movie\\fR) and the graph file "
         "(\\fB\\-\\-save\\-graph\\fR). Every file is written whole or not at all. When "
         "standard error is a terminal and the work takes more than about a second, one line "
         "there says how far it has come, and is cleared at the end.\n"
         ".TP\n"
         "\\fBkelvo render \\-\\-help\\fR, \\fBkelvo \\-\\-help\\fR\n"
         "Print the options of \\fBrender\\fR, or every form of the command line, and exit.\n"
         ".TP\n"
         "\\fBkelvo \\-\\-version\\fR\n"
         "Prints \\fBkelvo\\fR and the version, and exits.\n"
         ".SH RENDER OPTIONS\n"
         "Every numeric value is read as an expression of the program's language, as a dialog "
         "field is (\\fB2*p\\fR, \\fB\\-3\\fR, \\fBsqrt(2)\\fR); a value that cannot be read is "
         "a usage error. Values are split at the commas outside parentheses, so that a field "
         "may hold a function of two arguments (\\fB\\-\\-axes min(\\-3,a),3,\\-3,3,\\-1,1\\fR). "
         "Every option that takes a value also takes it after \\(lq=\\(rq "
         "(\\fB\\-\\-out=x.png\\fR). Defaults are in parentheses. An option that the chosen "
         "kind's menus do not offer is a usage error.\n" +
         manualOptions() + manualColors() + manualExitStatus() +
         ".SH ENVIRONMENT\n"
         ".TP\n"
         ".B SOURCE_DATE_EPOCH\n"
         "The date a full graph's PDF carries; without it the PDF carries none, so that the "
         "same options always give the same bytes.\n"
         ".TP\n"
         ".B KELVO_FRAME_LOG\n"
         "Set to 1, the window writes one line per live frame and one line after each Draw, "
         "rotation, movie and parameter sweep, with its milliseconds, to standard error.\n"
         ".TP\n"
         ".BR DISPLAY \", \" WAYLAND_DISPLAY \", \" QT_QPA_PLATFORM\n"
         "Where the window is shown. \\fBeval\\fR and \\fBrender\\fR need none of them.\n"
         ".SH FILES\n"
         ".TP\n"
         ".IR NAME .kelvo\n"
         "A graph file: plain UTF-8 text, a first line \\(lqKelvo graph 1\\(rq, then one "
         "\\(lqKey = value\\(rq line per setting; lines beginning with \\(lq#\\(rq are "
         "ignored. \\fB\\-\\-graph\\fR reads one, \\fB\\-\\-save\\-graph\\fR writes one, and "
         "the window opens and saves them.\n" +
         manualExamples();
}

namespace {

// The kind of file an option's value names, as a glob, or nothing for a value that is not a
// file's name.
std::optional<std::string> fileGlob(std::string_view value) {
  if (value.size() > 6 && value.substr(value.size() - 6) == ".kelvo") return "*.kelvo";
  if (value.size() > 4 && value.substr(value.size() - 4) == ".gif") return "*.gif";
  if (value == "PICTURE" || value == "LISTING") return "*";
  return std::nullopt;
}

std::string joined(const std::vector<std::string>& words, std::string_view separator = " ") {
  std::string out;
  for (const std::string& word : words) out += (out.empty() ? "" : std::string(separator)) + word;
  return out;
}

// A text inside single quotes of a shell.
std::string singleQuoted(std::string_view text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

} // namespace

std::string BashCompletion() {
  std::vector<std::string> names, freeValues;
  std::string cases;
  for (const RenderOptionInfo& option : RenderOptionInfos()) {
    names.emplace_back(option.name);
    // A value that may be left out is not taken from the word that follows.
    if (!option.takesValue || option.valueOptional) continue;
    const std::string name(option.name);
    if (!option.choices.empty())
      cases += "    " + name + ") _kelvo_words " + singleQuoted(joined(option.choices)) +
               "; return ;;\n";
    else if (const auto glob = fileGlob(option.value))
      cases += "    " + name + ") _kelvo_files " + singleQuoted(*glob) + "; return ;;\n";
    else
      freeValues.push_back(name);
  }
  // Texts, numbers and lists of numbers: nothing to offer.
  if (!freeValues.empty()) cases += "    " + joined(freeValues, "|") + ") return ;;\n";
  return "# bash completion for kelvo, written by kelvo_docs from the table of render "
         "options.\n"
         "\n"
         "# The words that begin with the word being completed.\n"
         "_kelvo_words() {\n"
         "  mapfile -t COMPREPLY < <(compgen -W \"$1\" -- \"$_kelvo_current\")\n"
         "  COMPREPLY=(\"${COMPREPLY[@]/#/$_kelvo_prefix}\")\n"
         "}\n"
         "\n"
         "# The folders and the files matching the glob.\n"
         "_kelvo_files() {\n"
         "  compopt -o filenames 2>/dev/null\n"
         "  mapfile -t COMPREPLY < <(compgen -f -X \"!$1\" -- \"$_kelvo_current\"; "
         "compgen -d -- \"$_kelvo_current\")\n"
         "  COMPREPLY=(\"${COMPREPLY[@]/#/$_kelvo_prefix}\")\n"
         "}\n"
         "\n"
         "_kelvo() {\n"
         "  local word=${COMP_WORDS[COMP_CWORD]} before=${COMP_WORDS[COMP_CWORD-1]}\n"
         "  local option=$before\n"
         "  _kelvo_current=$word\n"
         "  _kelvo_prefix=\n"
         "  COMPREPLY=()\n"
         "  # \"--kind=re\" comes as three words where '=' breaks words, else as one.\n"
         "  if [[ $word == = ]]; then\n"
         "    _kelvo_current=\n"
         "  elif [[ $before == = && $COMP_CWORD -ge 3 ]]; then\n"
         "    option=${COMP_WORDS[COMP_CWORD-2]}\n"
         "  elif [[ $word == --*=* ]]; then\n"
         "    option=${word%%=*}\n"
         "    _kelvo_current=${word#*=}\n"
         "    _kelvo_prefix=$option=\n"
         "  fi\n"
         "  if [[ $COMP_CWORD -eq 1 ]]; then\n"
         "    _kelvo_files '*.kelvo'\n"
         "    local commands\n"
         "    mapfile -t commands < <(compgen -W 'eval render --help --version' -- \"$word\")\n"
         "    COMPREPLY+=(\"${commands[@]}\")\n"
         "    return\n"
         "  fi\n"
         "  [[ ${COMP_WORDS[1]} == render ]] || return\n"
         "  case $option in\n" +
         cases +
         "  esac\n"
         "  _kelvo_prefix=\n"
         "  _kelvo_current=$word\n"
         "  [[ $word == -* || -z $word ]] && _kelvo_words " +
         singleQuoted(joined(names)) +
         "\n"
         "}\n"
         "complete -F _kelvo kelvo\n";
}

namespace {

// Text inside the brackets of an _arguments explanation.
std::string zshExplanation(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '[' || c == ']' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

std::string zshAction(const RenderOptionInfo& option) {
  if (!option.choices.empty()) return "(" + joined(option.choices) + ")";
  if (const auto glob = fileGlob(option.value))
    return *glob == "*" ? "_files" : "_files -g \"" + *glob + "\"";
  return " ";
}

} // namespace

std::string ZshCompletion() {
  // One _arguments description per option: its name, its help and how its value completes.
  std::string arguments;
  for (const RenderOptionInfo& option : RenderOptionInfos()) {
    std::string argument(option.name);
    // A value may follow in the next word or after '='; an optional one only after '='.
    if (option.takesValue) argument += option.valueOptional ? "=-" : "=";
    argument += "[" + zshExplanation(option.help) + "]";
    if (option.takesValue) {
      std::string message(option.value);
      for (char& c : message)
        if (c == ':') c = ' ';
      argument += (option.valueOptional ? "::" : ":") + message + ":" + zshAction(option);
    }
    arguments += "    " + singleQuoted(argument) + " \\\n";
  }
  return "#compdef kelvo\n"
         "# zsh completion for kelvo, written by kelvo_docs from the table of render options.\n"
         "\n"
         "_kelvo_render() {\n"
         "  _arguments -S \\\n" +
         arguments +
         "    && return\n"
         "}\n"
         "\n"
         "_kelvo() {\n"
         "  local curcontext=$curcontext state line\n"
         "  typeset -A opt_args\n"
         "  _arguments -C \\\n"
         "    '(- *)--help[print every form of the command line]' \\\n"
         "    '(- *)--version[print the version]' \\\n"
         "    '1: :->command' \\\n"
         "    '*:: :->arguments' && return\n"
         "  case $state in\n"
         "    command)\n"
         "      _alternative \\\n"
         "        'commands:command:((eval\\:\"evaluate an expression\" render\\:\"draw a graph "
         "without a window\"))' \\\n"
         "        'files:graph file:_files -g \"*.kelvo\"'\n"
         "      ;;\n"
         "    arguments)\n"
         "      case $line[1] in\n"
         "        render) _kelvo_render ;;\n"
         "        eval) _message 'an expression, then NAME=NUMBER' ;;\n"
         "      esac\n"
         "      ;;\n"
         "  esac\n"
         "}\n"
         "\n"
         "_kelvo \"$@\"\n";
}
