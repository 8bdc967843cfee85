// SPDX-License-Identifier: MIT
// Contour lines of z = f(x,y) and z = f(r,t) in five colour bands, flat or at their height.
#pragma once

#include "graph/Colors.h"

#include <array>

struct Program;
struct GraphState;

inline constexpr int MaxContourLevels = 16;
inline constexpr int MaxContourGrid = 60;

struct ContourLevels {
  std::array<double, MaxContourLevels> z{};
  int count = 0;
};

// The level count in use: 1, and anything the settings cannot hold, is taken as 10.
int ContourLevelCountOf(const GraphState& g);
// count levels evenly from zMin to zMax; a zero spacing is replaced by count.
ContourLevels ComputeContourLevels(double zMin, double zMax, int count);
// The band colour of a level value: navy, maroon, red, green, lime from low to high, split at
// every k-th level with k = Round((count + 1) / 5). A split past the next-to-last level is
// taken at the next-to-last level, so that the highest level is always lime.
Color ContourBandColor(const ContourLevels& levels, double v);
// The angle theta of the point (x, y) for a cylindrical graph, in (0, 2pi]: the positive x
// axis has 2pi, not 0; the origin has 0.
double ContourAngle(double x, double y);

// The contour command: extents at 45 steps, levels, the grid of values and the CONREC pass
// over its cells, drawn on the picture. Kinds 1 and 2 only; no cancel poll. Starts with a
// clear EvalFailed and leaves it set when an evaluation failed.
void DrawContours(Program& p);
// One segment at level v: in v's band colour among the levels, in the plane z = 0 or at
// height v, both end pixels painted.
void DrawContourSegment(Program& p, const ContourLevels& levels, double x1, double y1, double x2,
                        double y2, double v);
