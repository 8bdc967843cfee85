// SPDX-License-Identifier: MIT
// The program's single objects, made once: the cell list starts with room for the largest grid.
#include "render/Program.h"

Program::Program() : CellList(CellListCapacity + 1) {}
