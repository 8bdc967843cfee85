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
  // The zoom taken by the last fit and the centre of the graphing rectangle it scales about,
  // in client pixels. At a zoom of 1 projection is exactly the fit's.
  double Zoom = 1;
  double ZoomCentreX = 0, ZoomCentreY = 0;
};

// The window's zoom runs from a quarter to eight times the fit, in steps of a quarter of a
// doubling, so that stepping in and back out returns to exactly 1.
inline constexpr double MinZoom = 0.25;
inline constexpr double MaxZoom = 8;
inline constexpr int ZoomStepsPerDoubling = 4;
// The zoom kept within MinZoom .. MaxZoom; anything that is not a number is 1.
double ClampZoom(double zoom);
// The zoom notches steps further in (positive) or out, on the grid of steps, within the limits.
double SteppedZoom(double zoom, int notches);

void ComputeGraphRect(View& v, const GraphState& g, int clientWidth, int clientHeight);
// Any rho above 0 gives the perspective from that eye, the right way up once fitted; the eye
// must see the whole axes box (EyeSeesAxesBox) for the picture to show it.
void SetViewTransform(View& v, double planeDistance, double rho, double theta, double phi);
// Also takes the graph's Zoom (clamped) about the centre of the graphing rectangle.
void FitViewToAxes(View& v, const GraphState& g);
// Pixel relative to (GraphLeft, GraphTop), i.e. in picture-box coordinates. A zoomed view
// keeps coordinates left of or above the rectangle as they are, so that cells reaching past
// those edges keep their shape; at zoom 1 they are pinned at 1 as always.
Pixel ProjectPoint(const View& v, double x, double y, double z);
