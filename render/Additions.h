// SPDX-License-Identifier: MIT
// The additions drawn over a graph: the box round it, a plane patch and a straight line.
#pragma once

#include <string_view>

struct GraphState;
struct Program;
struct SceneAdditions;

inline constexpr std::string_view PlaneDataMissing = "Enter data for the plane first";
inline constexpr std::string_view LineDataMissing = "Enter points for the line first";

// Until a dialog has changed them, the plane is the all-zero plane with a patch of a
// fifteenth of the axes box each way, and the line runs from the origin to the origin.
void PreparePlaneData(GraphState& g);
void PrepareLineData(GraphState& g);

// The plane routine: prepares the data and, while PlaneOn, fills the patch in PenColor,
// marks its point in lime and redraws the axes; before any data were entered it shows
// PlaneDataMissing through the program's message hook instead.
void PlaneRoutine(Program& p);
// The line routine: the same for the line (the axes are not redrawn).
void LineRoutine(Program& p);
// The box routine: the extents of the current kind, and the twelve edges of the box they
// make while "Draw Box" is checked.
void BoxRoutine(Program& p);

// The additions switched on, in graph space, for exact hiding to split with the graphs: the
// plane patch and its point, the line, and the box's edges while "Draw Box" is checked. As
// the routines do, it prepares the data, says what is missing and computes the extents, but
// draws nothing.
SceneAdditions AdditionsInSpace(Program& p);
// Only what the plane and line routines say when their data are missing.
void TellMissingAdditions(Program& p);
