// SPDX-License-Identifier: MIT
// The graphs of the picture: the shown kept graphs and the current one, drawn into one list of
// cells that is sorted together, and their listing under a heading line each.
#pragma once

#include <string>
#include <vector>

struct Program;

// The names of the graphs the picture draws, in the order of their places (the kept graphs
// that are shown, then the current one).
std::vector<std::string> PictureGraphNames(const Program& p);
