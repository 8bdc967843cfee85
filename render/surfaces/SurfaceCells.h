// SPDX-License-Identifier: MIT
// What the surface renderers share: the eye point, the side and shade of a cell from the
// slopes at its centre, the outline pen, and the blanked slots of the cell list.
#pragma once

#include "graph/Colors.h"
#include "graph/GraphState.h"

#include <cstdint>
#include <vector>

struct Program;

// The eye in world coordinates and its distance from the origin.
struct EyePoint {
  double x = 0, y = 0, z = 0, length = 0;
};
EyePoint eyePointOf(const GraphState& g);
double distanceFromEye(const EyePoint& eye, double x, double y, double z);

// Upper side when the eye sees the graph z = f(x, y) from above at slopes fx, fy, else the
// under side; shaded by the angle to the line of sight when shading is on.
Color slopeColor(const GraphState& g, const EyePoint& eye, double fx, double fy);
// Clear when the grid colour is "none", else solid.
std::uint8_t gridPenStyle(const GraphState& g);

// The step of a domain cut into `curves` cells, 0 for a domain of zero width.
double cellStep(double min, double max, double curves);
// The lower ends of the cells along one axis: a cell is admitted while its far edge lies
// within `tolerance` of the domain's end.
std::vector<double> cellStartsUp(double min, double max, double step, double tolerance);

// (XCurves + 1)(YCurves + 1) rounded, the slots a movie frame replays, at most 81 by 81.
std::int64_t blankSlotCount(const GraphState& g);
// Makes the cell list hold `cells` gathered cells and the blanked slots, whichever is more.
void reserveCellSlots(Program& p, std::int64_t blank, std::size_t cells);
