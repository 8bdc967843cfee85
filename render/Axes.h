// SPDX-License-Identifier: MIT
// The coordinate axes through the origin with their letters and unit tick marks.
#pragma once

struct Program;

// Axis lines and letters, then the ticks; nothing while MovieMode is set. With AxesErase set
// everything is drawn in white.
void DrawAxes(Program& p);
// The tick marks alone: one at every integer of each axis range. Ticks whose projected lines
// coincide are drawn once, so that a range of billions takes no longer than its picture.
void DrawTicks(Program& p);
