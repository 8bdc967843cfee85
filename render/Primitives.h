// SPDX-License-Identifier: MIT
// The plotting primitives every renderer shares: clearing the picture, curves through
// projected points, the timed pause and the cancel poll.
#pragma once

#include "graph/Host.h"

#include <cstdint>

struct Program;
struct Session;

// Fills the whole picture box with BackgroundColor (the window frames it in FrameColor).
void ClearGraphRect(Program& p);
void StartCurveAt(Program& p, double x, double y, double z);
void ContinueCurveTo(Program& p, double x, double y, double z);
// Busy-waits until at least ms milliseconds of the host's tick count have passed.
void Pause(Host& host, std::int32_t ms);
// Lets the host process pending input; true (and DrawContinue back at 1) when the user asked
// to cancel, so the caller stops drawing. True as well while a newer view is pending.
bool cancelRequested(Session& s);
