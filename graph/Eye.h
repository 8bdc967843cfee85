// SPDX-License-Identifier: MIT
// Where the eye stands, whether it sees the whole axes box, and the words that refuse an eye
// too near the box.
#pragma once

#include "graph/GraphState.h"

#include <string>
#include <string_view>

// The eye in spherical coordinates about the origin: Rho its distance, Theta and Phi in
// radians, as the graph state holds them.
struct Eye {
  double rho = 0, theta = 0, phi = 0;
  bool operator==(const Eye&) const = default;
};

Eye EyeOf(const GraphState& g);
void SetEye(GraphState& g, const Eye& eye);

// Whether every corner of the axes box lies in front of the eye: its depth along the line of
// sight, computed as the view transform computes it, is above 0. An eye inside the box, or so
// near it that a corner lies beside or behind it, gives no picture of the box; nor does a
// setting that is not a number.
bool EyeSeesAxesBox(const GraphState& g, const Eye& eye);
inline bool EyeSeesAxesBox(const GraphState& g) {
  return EyeSeesAxesBox(g, EyeOf(g));
}

// A number as a message shows it: at most six significant digits, no trailing zeros.
std::string MessageNumber(double value);
// "at Theta = 30, Phi = 80, Rho = 2 the eye would stand inside the axes box or too near it to
// see all of it" (angles in degrees); box names the box ("the new axes box", ...).
std::string EyeTooNearText(const Eye& eye, std::string_view box = "the axes box");
// The window's message when the eye asked for is refused and kept stands instead: the text
// above as a sentence, and which settings are kept at which values.
std::string RefusedEyeMessage(const Eye& asked, const Eye& kept);
