// SPDX-License-Identifier: MIT
// The renderer of x(u,v), y(u,v), z(u,v): cells gathered in the cell list, coloured by the
// side the eye sees, painted far to near, then the listing of the points.
#pragma once

struct Program;

void DrawTwoParamSurface(Program& p);
