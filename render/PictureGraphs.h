// SPDX-License-Identifier: MIT
// The graphs of the picture: the shown kept graphs and the current one, drawn into one list of
// cells that is sorted together, and their listing under a heading line each.
#pragma once

#include <string>
#include <vector>

struct Program;
struct Session;

// Whether the picture draws more than the current graph: a kept graph is shown.
bool SeveralGraphs(const Session& s);

// The graphs the picture draws, by place: the index of each shown kept graph in KeptGraphs,
// then -1 for the current graph.
std::vector<int> PictureGraphList(const Session& s);

// Each graph in words as the listing's heading and the messages name it: "Kept graph 2:
// z = x*y" or "Current graph: z = x^2", in the order of their places.
std::vector<std::string> PictureGraphNames(const Session& s);

// Draws every graph of the picture: with the current graph alone exactly as DrawDriver does;
// with several, their cells are collected into one list that is sorted far to near and
// painted, each cell outlined in its own graph's grid colour, then the curves. A graph that
// cannot be evaluated is left out and the others are drawn: a kept graph is named in
// GraphFailures, the current one leaves EvalFailed set as a single graph does. A cancelled
// drawing paints nothing and lists nothing.
void DrawPictureGraphs(Program& p);

// Collects the cells and curves of every graph of the picture (DrawPictureGraphs without the
// painting): the listing, with a heading line before each graph's lines when there are several,
// and the failures as there. False when the drawing was cancelled.
bool CollectPictureGraphs(Program& p);

// Sorts the collected cells far to near and paints them, then the collected curves.
void PaintCollectedGraphs(Program& p);

// The box round every graph of the picture: the extents of each (the current graph's pass
// leaves its extents in the graph state as a single graph's does), and their union in
// XMin .. ZMax of `box`.
struct GraphExtents {
  double XMin = 0, XMax = 0, YMin = 0, YMax = 0, ZMin = 0, ZMax = 0;
};
GraphExtents PictureExtents(Program& p);
