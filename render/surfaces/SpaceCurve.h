// SPDX-License-Identifier: MIT
// The renderer of x(t), y(t), z(t): a polyline that grows on the screen, then the listing.
#pragma once

#include <cstdint>

struct Program;

// The pause after each segment while the window draws a curve (not while a rotation
// redraws), and the most the pauses of one curve add up to: a curve of many thousand
// points still grows visibly but is done in seconds, not hours.
inline constexpr std::int32_t CurveSegmentPauseMs = 20;
inline constexpr std::int64_t CurvePauseBudgetMs = 10'000;

void DrawSpaceCurve(Program& p);
