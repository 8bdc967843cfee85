// SPDX-License-Identifier: MIT
// What the settings dialogs store, and the corrections that follow them.
#include "graph/Corrections.h"

#include "graph/Format.h"
#include "graph/NumberField.h"

#include <cmath>

namespace {

constexpr double Pi = GraphState::Pi;
constexpr double TwoPi = 2 * Pi;
constexpr double TenDegrees = Pi / 18;

void keepStartBelowEnd(double start, double& end) {
  if (start > end) end = start + 1;
}

void readChanged(Session& s, std::string_view text, double& value, bool& changed) {
  const double old = value;
  ReadNumberField(s, text, value);
  if (value != old) changed = true;
}

// Subtracting 2pi from a huge angle changes nothing; bring it near the range first.
double reduceHuge(double angle) {
  if (std::fabs(angle) > 1e6) angle = std::fmod(angle, TwoPi);
  return angle;
}

} // namespace

void StoreDomainFields(Session& s, const std::array<std::string, 4>& f) {
  GraphState& g = s.graph;
  switch (g.GraphKind) {
  case '1':
    ReadNumberField(s, f[0], g.XMin), ReadNumberField(s, f[1], g.XMax);
    ReadNumberField(s, f[2], g.YMin), ReadNumberField(s, f[3], g.YMax);
    break;
  case '2':
    ReadNumberField(s, f[0], g.RMin), ReadNumberField(s, f[1], g.RMax);
    ReadNumberField(s, f[2], g.TMin), ReadNumberField(s, f[3], g.TMax);
    break;
  case '3':
    ReadNumberField(s, f[0], g.TMin), ReadNumberField(s, f[1], g.TMax);
    break;
  case '4':
    ReadNumberField(s, f[0], g.UMin), ReadNumberField(s, f[1], g.UMax);
    ReadNumberField(s, f[2], g.VMin), ReadNumberField(s, f[3], g.VMax);
    break;
  default:
    break;
  }
  CorrectDomain(g);
}

void CorrectDomain(GraphState& g) {
  switch (g.GraphKind) {
  case '1':
    keepStartBelowEnd(g.XMin, g.XMax), keepStartBelowEnd(g.YMin, g.YMax);
    break;
  case '2':
    keepStartBelowEnd(g.RMin, g.RMax), keepStartBelowEnd(g.TMin, g.TMax);
    break;
  case '3':
    keepStartBelowEnd(g.TMin, g.TMax);
    break;
  case '4':
    keepStartBelowEnd(g.UMin, g.UMax), keepStartBelowEnd(g.VMin, g.VMax);
    break;
  default:
    break;
  }
}

void StoreAxesFields(Session& s, const std::array<std::string, 6>& f) {
  GraphState& g = s.graph;
  double* axes[6] = {&g.AxisXMin, &g.AxisXMax, &g.AxisYMin, &g.AxisYMax, &g.AxisZMin, &g.AxisZMax};
  for (int i = 0; i < 6; ++i) readChanged(s, f[i], *axes[i], g.AxesChanged);
}

void CorrectAxes(GraphState& g) {
  if (g.AxisXMin >= g.AxisXMax) g.AxisXMax = g.AxisXMin + 1;
  if (g.AxisYMin >= g.AxisYMax) g.AxisYMax = g.AxisYMin + 1;
  if (g.AxisZMin >= g.AxisZMax) g.AxisZMax = g.AxisZMin + 1;
}

double WrapTheta(double theta) {
  theta = reduceHuge(theta);
  while (theta >= TwoPi) theta -= TwoPi;
  while (theta < 0) theta += TwoPi;
  return theta;
}

double ClampPhi(double phi) {
  if (phi < 0) return 0;
  if (phi > Pi) return Pi;
  return phi;
}

void StoreViewFields(Session& s, std::string_view theta, std::string_view phi,
                     std::string_view rho) {
  GraphState& g = s.graph;
  double degrees = 0;
  if (TryReadNumberField(s, theta, degrees)) {
    const double old = g.Theta;
    g.Theta = WrapTheta(degrees * Pi / 180);
    if (g.Theta != old) g.ViewChanged = true;
  }
  if (TryReadNumberField(s, phi, degrees)) {
    const double old = g.Phi;
    g.Phi = ClampPhi(degrees * Pi / 180);
    if (g.Phi != old) g.ViewChanged = true;
  }
  readChanged(s, rho, g.Rho, g.ViewChanged);
}

void FinishViewDialog(GraphState& g) {
  g.ThetaText = formatAngleField(g.Theta);
  g.PhiText = formatAngleField(g.Phi);
  if (!(g.Rho > 0)) g.Rho = 200;
}

void StoreCurvesFields(Session& s, std::string_view xCurves, std::string_view yCurves) {
  ReadNumberField(s, xCurves, s.graph.XCurves);
  ReadNumberField(s, yCurves, s.graph.YCurves);
}

void CorrectCurves(GraphState& g) {
  for (double* count : {&g.XCurves, &g.YCurves}) {
    *count = std::nearbyint(*count);
    if (*count < 1 || *count > 80) *count = 80;
  }
}

std::string cutToCharacters(std::string_view utf8, std::size_t count) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    // A continuation byte belongs to the character before it.
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
    if (characters == count) return std::string(utf8.substr(0, i));
    ++characters;
  }
  return std::string(utf8);
}

void StoreTitle(GraphState& g, std::string_view text) {
  g.GraphTitle = cutToCharacters(text, 50);
}

void StoreStepField(Session& s, std::string_view text) {
  ReadNumberField(s, text, s.graph.TStep);
}

void CorrectStep(GraphState& g) {
  if (g.TStep == 0) g.TStep = 0.125;
  g.TStep = std::fabs(g.TStep);
}

const char* ParameterCaptionPrefix(int index) {
  static const char* const prefixes[6] = {"a=", "b=", "c=", "d=", "e=", "f ="};
  return prefixes[index];
}

void StoreParameterFields(Session& s, const std::array<std::string, 6>& fields,
                          std::array<std::string, 6>& captions) {
  for (int i = 0; i < 6; ++i) {
    double& value = s.graph.ParamValues[i];
    const double old = value;
    ReadNumberField(s, fields[i], value);
    if (value != old) captions[i] = ParameterCaptionPrefix(i) + ParameterCaptionText(value);
  }
}

void CopyParameters(GraphState& g) {
  g.ParamA = g.ParamValues[0];
  g.ParamB = g.ParamValues[1];
  g.ParamC = g.ParamValues[2];
  g.ParamD = g.ParamValues[3];
  g.ParamE = g.ParamValues[4];
  g.ParamF = g.ParamValues[5];
}

void StepEyeAngle(GraphState& g, Arrow arrow) {
  switch (arrow) {
  case Arrow::Right:
    g.Theta += TenDegrees;
    if (g.Theta >= 35 * Pi / 18) {
      g.Theta = reduceHuge(g.Theta);
      if (g.Theta >= 35 * Pi / 18) g.Theta -= TwoPi;
      while (g.Theta >= TwoPi) g.Theta -= TwoPi;
    }
    g.ThetaText = formatAngleField(g.Theta);
    break;
  case Arrow::Left:
    g.Theta -= TenDegrees;
    if (g.Theta < 0) {
      g.Theta = reduceHuge(g.Theta);
      while (g.Theta < 0) g.Theta += TwoPi;
    }
    g.ThetaText = formatAngleField(g.Theta);
    break;
  case Arrow::Up:
    g.Phi -= TenDegrees;
    if (g.Phi < 0) g.Phi = 0;
    g.PhiText = formatAngleField(g.Phi);
    break;
  case Arrow::Down:
    g.Phi += TenDegrees;
    if (g.Phi > Pi) g.Phi = Pi;
    g.PhiText = formatAngleField(g.Phi);
    break;
  }
}
