// SPDX-License-Identifier: MIT
// Dispatch on the graph kind.
#include "render/DrawDriver.h"

#include "render/Program.h"
#include "render/RectSurface.h"

void DrawDriver(Program& p) {
  p.Values.clear();
  switch (p.graph.GraphKind) {
  case '1':
    if (p.graph.MovieMode) {
      DrawRectSurfaceListed(p);
    } else {
      DrawRectSurface(p);
    }
    break;
  // The cylindrical, space-curve and two-parameter renderers join here as '2', '3', '4'.
  default:
    break;
  }
}
