// SPDX-License-Identifier: MIT
// The renderer of z = f(x, y) over a rectangle: cells painted far to near, and the listing.
#pragma once

#include <vector>

struct Program;

// Paints each cell at once, in the traversal order of Theta's quadrant.
void DrawRectSurface(Program& p);
// Gathers the cells in the cell list (the movie frames need them) and paints them sorted.
void DrawRectSurfaceListed(Program& p);

// The most cells (or listed points) a loop makes along one axis. The 0.001 tolerance of the
// loops admits 0.001/step extra cells; for a tiny domain that would be millions, so a loop
// stops here, well past the 81 or so that 80 curves can make.
inline constexpr int MaxGridSteps = 162;

// The values a stepped loop variable takes from start while it stays at or below bound
// (upward) or at or above it (downward), stopping when the step no longer changes it. A step
// of 0 gives the start once; a negative or non-numeric step gives nothing.
std::vector<double> gridValues(double start, double step, bool upward, double bound);
