// SPDX-License-Identifier: MIT
// The renderer of x(t), y(t), z(t): a polyline that grows on the screen, then the listing.
#pragma once

#include <cstdint>

struct Program;

// The pause while the window draws a curve (not while a rotation redraws), and the most the
// pauses of one curve add up to. A short curve pauses after every segment; a longer one grows
// in larger steps, a pause after every so many segments, so that the growing of any curve
// takes at most the budget.
inline constexpr std::int32_t CurveSegmentPauseMs = 20;
inline constexpr std::int64_t CurvePauseBudgetMs = 2'000;

struct GraphState;
// How many segments the curve draws between two pauses: 1 for a curve of up to
// CurvePauseBudgetMs / CurveSegmentPauseMs points, more for a longer one.
std::int64_t CurveSegmentsPerPause(const GraphState& g);

void DrawSpaceCurve(Program& p);
