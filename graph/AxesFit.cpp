// SPDX-License-Identifier: MIT
// The fit of the axes box to the extents pass.
#include "graph/AxesFit.h"

#include "graph/Corrections.h"
#include "graph/Sampling.h"

#include <cmath>
#include <limits>

bool FitAxisRange(double low, double high, double& axisMin, double& axisMax) {
  if (!std::isfinite(low) || !std::isfinite(high) || low > high) return false;
  const double from = std::floor(low);
  double to = std::ceil(high);
  if (to - from < 1) to = from + 1;
  // Past 2^53 adding 1 changes nothing: such an axis could not be kept 1 wide.
  if (!(to > from) || !std::isfinite(to)) return false;
  axisMin = from;
  axisMax = to;
  return true;
}

bool FitAxesToGraph(Session& s) {
  GraphState& g = s.graph;
  const GraphState before = g;
  const bool kindOne = g.GraphKind == '1';
  // A pass that stops at its first point leaves the extents as it found them: starting them
  // as "not a number" tells such an axis from one that was sampled.
  const double unknown = std::numeric_limits<double>::quiet_NaN();
  g.ZMin = g.ZMax = unknown;
  if (!kindOne) g.XMin = g.XMax = g.YMin = g.YMax = unknown;
  ComputeExtents(s);
  const GraphState sampled = g;
  g = before;
  g.AxesChanged = false;
  int fitted = 0;
  if (IsGraphKind(g.GraphKind)) {
    fitted += FitAxisRange(sampled.ZMin, sampled.ZMax, g.AxisZMin, g.AxisZMax);
    if (!kindOne) {
      fitted += FitAxisRange(sampled.XMin, sampled.XMax, g.AxisXMin, g.AxisXMax);
      fitted += FitAxisRange(sampled.YMin, sampled.YMax, g.AxisYMin, g.AxisYMax);
    }
  }
  CorrectAxes(g);
  g.AxesChanged = g.AxisXMin != before.AxisXMin || g.AxisXMax != before.AxisXMax ||
                  g.AxisYMin != before.AxisYMin || g.AxisYMax != before.AxisYMax ||
                  g.AxisZMin != before.AxisZMin || g.AxisZMax != before.AxisZMax;
  return fitted > 0;
}
