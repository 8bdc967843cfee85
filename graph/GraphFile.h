// SPDX-License-Identifier: MIT
// Graph files: every setting of a graph as plain text, one "Key = value" line each, written and
// read back to the same values.
#pragma once

#include "graph/Session.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The first line of every graph file, and the version this program writes and reads. After
// the picture's settings and its current graph's, each kept graph stands in a section of its
// own that begins with a line "Graph = N" (1, 2, ... in order) and holds that graph's kind,
// whether it is shown, and its own settings. A file of one graph is written as before.
inline constexpr std::string_view GraphFileHeader = "Kelvo graph";
inline constexpr int GraphFileVersion = 1;
// The longest line a graph file may hold, and the largest file.
inline constexpr std::size_t GraphFileLineLimit = 64 * 1024;
inline constexpr std::size_t GraphFileSizeLimit = 4 * 1024 * 1024;

// What a graph file holds besides the graph state: how the picture was shown.
struct GraphExtras {
  int windowWidth = 800, windowHeight = 600; // the main window's client area
  // Edit > Graph Size after the Draw: 0 when it was left alone, else 1, 0.8 or 0.625.
  double graphSize = 0;
  bool contoursShown = false;
  // The parameters whose caption stands under the picture (set in the parameters dialog).
  std::array<bool, 6> parameterCaptions = {};
  std::string picture; // the picture drawn over, empty for none
  // The ends of the parameter sliders, a to f.
  std::array<double, 6> sliderLow = {-10, -10, -10, -10, -10, -10};
  std::array<double, 6> sliderHigh = {10, 10, 10, 10, 10, 10};
  bool operator==(const GraphExtras&) const = default;
};

// A graph file read and checked, not yet applied: its kind and its settings in order.
struct GraphFile {
  char kind = '1';
  struct Setting {
    std::size_t key = 0; // the row of the key table
    std::string value;   // as written, escapes undone for texts
    int line = 0;
  };
  std::vector<Setting> settings;
  // The kept graphs' sections in order: each graph's kind, whether it is shown, and its own
  // settings.
  struct Kept {
    char kind = '1';
    bool shown = true;
    std::vector<Setting> settings;
  };
  std::vector<Kept> kept;
  // What was passed over: keys of a newer version, values that cannot be read.
  std::vector<std::string> warnings;
};

// The picture as a graph file's text: the current graph with the picture's settings, then the
// kept graphs.
std::string WriteGraphFile(const GraphState& g, const GraphExtras& extras,
                           const std::vector<KeptGraph>& kept = {});

// Reads and checks the text; on failure the reason names the line ("line 3: unknown key
// 'Colour'") and nothing is applied. Lines may end in LF or CR LF; blank lines and lines that
// begin with "#" are passed over.
bool ParseGraphFile(std::string_view text, GraphFile& file, std::string& reason);

// Applies a parsed file to a session whose kind is file.kind and whose defaults are those of the
// start-up form for that kind: every setting, then the dialogs' corrections. A value that
// cannot be read keeps the default and adds a warning. The kept graphs become the session's,
// each from its kind's defaults with its own settings; a file without any leaves none.
void ApplyGraphFile(Session& s, const GraphFile& file, GraphExtras& extras,
                    std::vector<std::string>& warnings);
