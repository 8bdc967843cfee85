// SPDX-License-Identifier: MIT
// The graphing rectangle, the world-to-eye transform, the fit of the axes box and projection.
#pragma once

#include "graph/GraphState.h"

#include <cstdint>

struct Pixel {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Pixel&, const Pixel&) = default;
};

struct View {
  // Main-window client pixels; right and bottom are coordinates, not sizes.
  std::int32_t GraphLeft = 0, GraphTop = 0, GraphRight = 0, GraphBottom = 0;
  double ViewMatrix[4][3] = {};
  double ScreenMatrix[3][3] = {};
  // XeMin, XeMax, YeMin, YeMax, ZeMin, ZeMax over the eight corners of the axes box.
  double EyeBounds[6] = {};
};

void ComputeGraphRect(View& v, const GraphState& g, int clientWidth, int clientHeight);
void SetViewTransform(View& v, double planeDistance, double rho, double theta, double phi);
void FitViewToAxes(View& v, const GraphState& g);
// Pixel relative to (GraphLeft, GraphTop), i.e. in picture-box coordinates.
Pixel ProjectPoint(const View& v, double x, double y, double z);
