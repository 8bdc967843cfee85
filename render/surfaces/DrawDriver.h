// SPDX-License-Identifier: MIT
// The one entry from the commands to the renderer of the current graph kind.
#pragma once

struct Program;

// Empties the listing and runs the renderer of GraphKind; expects the view and the fit done.
void DrawDriver(Program& p);
// The renderer of GraphKind alone, adding to the listing and the cells in space as they are.
void DrawKindRenderer(Program& p);
