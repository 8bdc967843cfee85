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

namespace {

// The start and end of each domain the dialog edits for the kind, in the dialog's field order;
// kind 3 has one pair, other kinds than 1 to 4 none.
struct DomainPair {
  double* start;
  double* end;
};
std::array<DomainPair, 2> domainPairs(GraphState& g, int& count) {
  count = 2;
  switch (g.GraphKind) {
  case '1':
    return {{{&g.XMin, &g.XMax}, {&g.YMin, &g.YMax}}};
  case '2':
    return {{{&g.RMin, &g.RMax}, {&g.TMin, &g.TMax}}};
  case '3':
    count = 1;
    return {{{&g.TMin, &g.TMax}, {nullptr, nullptr}}};
  case '4':
    return {{{&g.UMin, &g.UMax}, {&g.VMin, &g.VMax}}};
  default:
    count = 0;
    return {};
  }
}

} // namespace

void StoreDomainFields(Session& s, const std::array<std::string, 4>& f) {
  int count = 0;
  const auto pairs = domainPairs(s.graph, count);
  for (int i = 0; i < count; ++i) {
    ReadNumberField(s, f[2 * i], *pairs[i].start);
    ReadNumberField(s, f[2 * i + 1], *pairs[i].end);
  }
  CorrectDomain(s.graph);
}

void CorrectDomain(GraphState& g) {
  int count = 0;
  const auto pairs = domainPairs(g, count);
  for (int i = 0; i < count; ++i) keepStartBelowEnd(*pairs[i].start, *pairs[i].end);
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

AxesBox AxesBoxOf(const GraphState& g) {
  return {g.AxisXMin, g.AxisXMax, g.AxisYMin, g.AxisYMax, g.AxisZMin, g.AxisZMax};
}

void SetAxesBox(GraphState& g, const AxesBox& box) {
  g.AxisXMin = box[0], g.AxisXMax = box[1];
  g.AxisYMin = box[2], g.AxisYMax = box[3];
  g.AxisZMin = box[4], g.AxisZMax = box[5];
}

bool RefuseAxesAroundEye(GraphState& g, const AxesBox& before) {
  if (EyeSeesAxesBox(g)) return false;
  SetAxesBox(g, before);
  g.AxesChanged = false;
  return true;
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

std::string KeepEyeSeeingAxes(GraphState& g, const Eye& before) {
  const Eye asked = EyeOf(g);
  if (EyeSeesAxesBox(g, asked)) return {};
  // The dialog's rule for a Rho not above 0 holds for the eye fallen back to as well.
  const double keptRho = before.rho > 0 ? before.rho : 200;
  Eye kept{keptRho, asked.theta, asked.phi};
  if (!EyeSeesAxesBox(g, kept)) kept = {keptRho, before.theta, before.phi};
  SetEye(g, kept);
  g.ThetaText = formatAngleField(g.Theta);
  g.PhiText = formatAngleField(g.Phi);
  g.ViewChanged = kept != before;
  return RefusedEyeMessage(asked, kept);
}

void StoreCurvesFields(Session& s, std::string_view xCurves, std::string_view yCurves,
                       std::string_view zCurves) {
  ReadNumberField(s, xCurves, s.graph.XCurves);
  ReadNumberField(s, yCurves, s.graph.YCurves);
  if (s.graph.GraphKind == ImplicitKind) ReadNumberField(s, zCurves, s.graph.ZCurves);
}

void CorrectCurves(GraphState& g) {
  const bool implicit = g.GraphKind == ImplicitKind;
  const double least = implicit ? 2 : 1;
  for (double* count : {&g.XCurves, &g.YCurves, &g.ZCurves}) {
    if (count == &g.ZCurves && !implicit) continue;
    *count = std::nearbyint(*count);
    if (*count < least || *count > 80) *count = 80;
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

bool CurveStepAllowed(const GraphState& g) {
  if (!(g.TStep > 0)) return false;
  if (!(g.TMax > g.TMin)) return true;
  return (g.TMax - g.TMin) / g.TStep <= MaxCurveSteps;
}

double SmallestCurveStep(const GraphState& g) {
  return g.TMax > g.TMin ? (g.TMax - g.TMin) / MaxCurveSteps : 0;
}

double StepFieldValue(Session& s, std::string_view text) {
  const double kept = s.graph.TStep;
  StoreStepField(s, text);
  CorrectStep(s.graph);
  const double value = s.graph.TStep;
  s.graph.TStep = kept;
  return value;
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

namespace {

struct AngleStep {
  double theta = 0, phi = 0;
};

AngleStep arrowStep(Arrow arrow) {
  switch (arrow) {
  case Arrow::Right:
    return {TenDegrees, 0};
  case Arrow::Left:
    return {-TenDegrees, 0};
  case Arrow::Up:
    return {0, -TenDegrees};
  case Arrow::Down:
    return {0, TenDegrees};
  }
  return {};
}

} // namespace

// A turn to larger angles wraps as the right arrow does: from 350 degrees on, 2pi less (so
// Theta may stand just below 0); a turn to smaller angles as the left arrow: back into
// [0, 2pi). Phi stops at both poles.
Eye TurnedEye(const GraphState& g, double thetaStep, double phiStep) {
  Eye eye = EyeOf(g);
  if (thetaStep > 0) {
    eye.theta += thetaStep;
    if (eye.theta >= 35 * Pi / 18) {
      eye.theta = reduceHuge(eye.theta);
      if (eye.theta >= 35 * Pi / 18) eye.theta -= TwoPi;
      while (eye.theta >= TwoPi) eye.theta -= TwoPi;
    }
  } else if (thetaStep < 0) {
    eye.theta += thetaStep;
    if (eye.theta < 0) {
      eye.theta = reduceHuge(eye.theta);
      while (eye.theta < 0) eye.theta += TwoPi;
    }
  }
  if (phiStep != 0) eye.phi = ClampPhi(eye.phi + phiStep);
  return eye;
}

Eye SteppedEye(const GraphState& g, Arrow arrow) {
  const AngleStep step = arrowStep(arrow);
  return TurnedEye(g, step.theta, step.phi);
}

bool TurnEye(GraphState& g, double thetaStep, double phiStep) {
  const Eye eye = TurnedEye(g, thetaStep, phiStep);
  if (!EyeSeesAxesBox(g, eye)) return false;
  SetEye(g, eye);
  if (thetaStep != 0) g.ThetaText = formatAngleField(g.Theta);
  if (phiStep != 0) g.PhiText = formatAngleField(g.Phi);
  return true;
}

bool StepEyeAngle(GraphState& g, Arrow arrow) {
  const AngleStep step = arrowStep(arrow);
  return TurnEye(g, step.theta, step.phi);
}

EyeTurn DragTurn(int dx, int dy, int pictureWidth) {
  if (pictureWidth <= 0) return {};
  const double perPixel = TwoPi / pictureWidth;
  return {-dx * perPixel, -dy * perPixel};
}

namespace {

// Reads each field into its value; true when any value changed.
template <std::size_t N>
bool readChangedFields(Session& s, const std::array<std::string, N>& fields,
                       const std::array<double*, N>& values) {
  bool changed = false;
  for (std::size_t i = 0; i < N; ++i) {
    const double before = *values[i];
    ReadNumberField(s, fields[i], *values[i]);
    changed = changed || *values[i] != before;
  }
  return changed;
}

// A size field is kept only when its sign is right; 0 and NaN are never right.
void readSigned(Session& s, const std::string& text, double& value, bool negative) {
  double read = value;
  if (!TryReadNumberField(s, text, read)) return;
  if (negative ? read < 0 : read > 0) value = read;
}

} // namespace

void StorePlaneFields(Session& s, const std::array<std::string, 10>& f) {
  PlaneData& d = s.graph.Plane;
  const std::array<std::string, 6> point = {f[0], f[1], f[2], f[3], f[4], f[5]};
  if (readChangedFields(s, point, {&d.X0, &d.Y0, &d.Z0, &d.A, &d.B, &d.C}))
    s.graph.PlaneDefined = true;
  readSigned(s, f[6], d.MinX, true);
  readSigned(s, f[7], d.MaxX, false);
  readSigned(s, f[8], d.MinY, true);
  readSigned(s, f[9], d.MaxY, false);
}

void StoreLineFields(Session& s, const std::array<std::string, 6>& f) {
  LineData& d = s.graph.Line;
  if (readChangedFields(s, f, {&d.X1, &d.Y1, &d.Z1, &d.X2, &d.Y2, &d.Z2}))
    s.graph.LineDefined = true;
}

void StoreContourChoices(GraphState& g, int gridItem, int levelItem) {
  if (gridItem >= 0 && gridItem < 3) g.ContourGridX = g.ContourGridY = 20 * (gridItem + 1);
  if (levelItem >= 0 && levelItem < 4) g.ContourLevelCount = 10 + 2 * levelItem;
}
