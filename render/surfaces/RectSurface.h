// SPDX-License-Identifier: MIT
// The renderer of z = f(x, y) over a rectangle: cells painted far to near, and the listing.
#pragma once

struct Program;

// Paints each cell at once, in the traversal order of Theta's quadrant.
void DrawRectSurface(Program& p);
// Gathers the cells in the cell list (the movie frames need them) and paints them sorted.
void DrawRectSurfaceListed(Program& p);
