// SPDX-License-Identifier: MIT
// The eye and the axes box it must see whole.
#include "graph/Eye.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace {

double degrees(double radians) {
  return radians * 180 / GraphState::Pi;
}

// "a", "a and b", "a, b and c".
std::string listed(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
    text += items[i];
  }
  return text;
}

} // namespace

Eye EyeOf(const GraphState& g) {
  return {g.Rho, g.Theta, g.Phi};
}

void SetEye(GraphState& g, const Eye& eye) {
  g.Rho = eye.rho;
  g.Theta = eye.theta;
  g.Phi = eye.phi;
}

bool EyeSeesAxesBox(const GraphState& g, const Eye& eye) {
  // The depth column of the view transform, term for term, so that a corner this finds in
  // front of the eye is one the projection divides by a positive depth.
  const double st = std::sin(eye.theta), ct = std::cos(eye.theta);
  const double sp = std::sin(eye.phi), cp = std::cos(eye.phi);
  const double mx = -sp * ct, my = -sp * st, mz = -cp;
  for (const double x : {g.AxisXMin, g.AxisXMax}) {
    for (const double y : {g.AxisYMin, g.AxisYMax}) {
      for (const double z : {g.AxisZMin, g.AxisZMax}) {
        const double ze = x * mx + y * my + z * mz + eye.rho;
        if (!(ze > 0)) return false;
      }
    }
  }
  return true;
}

std::string MessageNumber(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("?");
}

std::string EyeTooNearText(const Eye& eye, std::string_view box) {
  return "at Theta = " + MessageNumber(degrees(eye.theta)) +
         ", Phi = " + MessageNumber(degrees(eye.phi)) + ", Rho = " + MessageNumber(eye.rho) +
         " the eye would stand inside " + std::string(box) + " or too near it to see all of it";
}

std::string RefusedEyeMessage(const Eye& asked, const Eye& kept) {
  std::vector<std::string> names, values;
  const auto keptOne = [&](const char* name, double a, double k, double shown) {
    if (a == k) return;
    names.push_back(name);
    values.push_back(MessageNumber(shown));
  };
  keptOne("Theta", asked.theta, kept.theta, degrees(kept.theta));
  keptOne("Phi", asked.phi, kept.phi, degrees(kept.phi));
  keptOne("Rho", asked.rho, kept.rho, kept.rho);
  std::string text = EyeTooNearText(asked);
  text[0] = 'A';
  if (names.empty()) return text + ".";
  return text + "; " + listed(names) + (names.size() == 1 ? " is" : " are") + " kept at " +
         listed(values) + ".";
}
