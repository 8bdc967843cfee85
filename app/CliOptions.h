// SPDX-License-Identifier: MIT
// The options of `kelvo render`: one table that parsing, the kind check and the help read.
#pragma once

#include "graph/Colors.h"
#include "io/PictureNames.h"
#include "render/Movie.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A command line that cannot be carried out as given; the message is one line.
struct UsageError {
  std::string message;
};

// The options as given, not yet read as numbers: that needs the program's engine.
struct RenderOptions {
  char kind = '1';
  std::optional<std::string> function, x, y, z, title;
  std::optional<std::string> domain, axes, view, curves, step, params;
  std::optional<std::string> above, under, grid, pen, axesColor, ticks, font, background;
  bool noShading = false;
  bool box = false;
  std::optional<std::string> plane, line, contours;
  int sample = 0;
  int width = 800, height = 600;
  std::optional<std::string> out, values;
  // The picture's format when --out names standard output.
  std::optional<PictureFormat> format;
  std::optional<std::string> open, quality;
  double sizeFactor = 0; // 0: Graph Size left alone
  bool full = false;
  // --scale: the picture --out writes is this many times as large, drawn as sharp (1 to 4).
  int scale = 1;
  std::optional<std::string> movie, frames;
  // --sweep NAME=FROM,TO: the parameter's index (a = 0) and the two value texts.
  std::optional<std::string> sweep;
  int sweepParameter = 0;
  std::string sweepFrom, sweepTo;
  std::optional<MovieSpeed> speed;
  bool fit = false;
  bool help = false;
  // --graph is read before every other option; --save-graph is written after the Draw.
  std::optional<std::string> graph, saveGraph;
  // Whether --kind and --window were given, so that a graph file's kind and window give way.
  bool kindGiven = false, windowGiven = false;
  // --and: the graphs before the current one, each with its own kind, sample, function texts,
  // domain, curves, step, surface colours and shading (every other field is left as it is); the
  // fields of this record hold the current graph's, and everything else, for the picture.
  std::vector<RenderOptions> keptGraphs;
  // --exact-hiding: View > Exact Hiding.
  bool exactHiding = false;
};

// The graph options of the first graph of the picture: the current graph's without --and.
const RenderOptions& firstGraphOptions(const RenderOptions& o);

// The name that stands for standard output in --out and --values.
inline constexpr std::string_view StandardOutputName = "-";

inline bool namesStandardOutput(const std::optional<std::string>& target) {
  return target && *target == StandardOutputName;
}

inline bool isMeshFormat(PictureFormat format) {
  return format == PictureFormat::Obj || format == PictureFormat::Stl;
}

// The format of the picture --out writes: by the file's name, or as --format says for standard
// output. Only for options that passed the checks and give --out.
inline PictureFormat outputFormat(const RenderOptions& o) {
  return namesStandardOutput(o.out) ? *o.format : pictureFormatOf(*o.out);
}

// Whether --out writes the drawing as vectors, SVG or PDF.
inline bool isVectorOutput(const RenderOptions& o) {
  if (!o.out) return false;
  const PictureFormat format = outputFormat(o);
  return format == PictureFormat::Svg || format == PictureFormat::Pdf;
}

// Reads the arguments after `render` and checks them against each other: the kind's menus,
// the outputs' names, the window's room. Throws UsageError. Stops at --help.
RenderOptions ParseRenderOptions(const std::vector<std::string>& args);

// Every option with its value and its one line of help, one option a line.
std::string RenderOptionsHelp();

// The kinds of an option that every graph kind's menus offer.
inline constexpr std::string_view AllGraphKinds = "12346";

// One option as the manual page and the shell completions describe it, read from the table
// that the parser reads.
struct RenderOptionInfo {
  std::string_view name;
  std::string_view value; // as the help shows it; empty for an option without one
  std::string_view kinds; // the graph kinds whose menus offer the option, AllGraphKinds for all
  std::string_view help;
  bool takesValue = false;
  bool valueOptional = false; // the value may be left out (--contours)
  // The words the value must be one of, where it is one of a fixed few; else empty.
  std::vector<std::string> choices;
};
std::vector<RenderOptionInfo> RenderOptionInfos();

// The colour names of the colour windows as the options take them; the grid also takes
// "none", and its "gray" is the light grey.
struct NamedColor {
  std::string_view name;
  Color color;
};
inline constexpr NamedColor ColorNames[] = {
    {"blue", clBlue},     {"green", clGreen}, {"purple", clPurple}, {"red", clRed},
    {"yellow", clYellow}, {"white", clWhite}, {"aqua", clAqua},     {"fuchsia", clFuchsia},
    {"lime", clLime},     {"black", clBlack}, {"gray", clGray},     {"teal", clTeal}};

// The qualities the JPEG quality dialog offers.
inline constexpr int JpegQualities[] = {80, 90, 100};
// `kelvo render --help`: the command's form, the options and the exit statuses.
std::string RenderHelpText();

// An option's value split at the commas outside parentheses, so that a field may hold a
// function of two arguments. An empty value has no fields.
std::vector<std::string> SplitOptionValue(std::string_view value);

// A value as a message shows it: quoted, control characters and bytes that are not UTF-8
// escaped, and cut after MessageValueLength characters, so that the message stays one line a
// terminal prints as it is.
inline constexpr std::size_t MessageValueLength = 80;
std::string QuotedValue(std::string_view value);
// The message itself made one line: control characters and stray bytes escaped.
std::string OneLine(std::string_view message);
