// SPDX-License-Identifier: MIT
// The renderer of z = f(r, t) over a cylindrical domain: cells gathered in the cell list and
// painted far to near, then the listing with t in degrees.
#pragma once

struct Program;

void DrawCylSurface(Program& p);
