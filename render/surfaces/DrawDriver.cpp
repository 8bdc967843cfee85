// SPDX-License-Identifier: MIT
// Dispatch on the graph kind.
#include "render/surfaces/DrawDriver.h"

#include "render/Program.h"
#include "render/surfaces/CylSurface.h"
#include "render/surfaces/ImplicitSurface.h"
#include "render/surfaces/RectSurface.h"
#include "render/surfaces/SpaceCurve.h"
#include "render/surfaces/TwoParamSurface.h"

void DrawDriver(Program& p) {
  p.Values.clear();
  p.LastFailure = {};
  p.SceneCells.clear();
  p.SceneCurves.clear();
  p.SceneGraph = 0;
  DrawKindRenderer(p);
}

void DrawKindRenderer(Program& p) {
  switch (p.graph.GraphKind) {
  case '1':
    if (p.graph.MovieMode) {
      DrawRectSurfaceListed(p);
    } else {
      DrawRectSurface(p);
    }
    break;
  case '2':
    DrawCylSurface(p);
    break;
  case '3':
    DrawSpaceCurve(p);
    break;
  case '4':
    DrawTwoParamSurface(p);
    break;
  case ImplicitKind:
    DrawImplicitSurface(p);
    break;
  default:
    break;
  }
}
