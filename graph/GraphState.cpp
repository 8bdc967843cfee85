// SPDX-License-Identifier: MIT
// Defaults of the graph state, the colour table, and the choice of a graph kind.
#include "graph/GraphState.h"

#include "graph/Session.h"

#include <chrono>

namespace {

void setKindDomains(GraphState& g) {
  switch (g.GraphKind) {
  case '1':
    g.ZMin = -10, g.ZMax = 10;
    break;
  case '2':
    g.ZMin = -2, g.ZMax = 2;
    g.RMin = 0, g.RMax = 5;
    g.TMin = 0, g.TMax = 2 * GraphState::Pi;
    break;
  case '3':
    g.ZMin = -5, g.ZMax = 5;
    g.TMin = 0, g.TMax = 5;
    break;
  case '4':
    g.ZMin = -10, g.ZMax = 10;
    g.UMin = -GraphState::Pi, g.UMax = GraphState::Pi;
    g.VMin = -GraphState::Pi, g.VMax = GraphState::Pi;
    break;
  case ImplicitKind:
    g.ZMin = -3, g.ZMax = 3;
    break;
  default:
    break;
  }
}

} // namespace

void ResetGraphDefaults(Session& s) {
  GraphState& g = s.graph;
  g.XMin = -3, g.XMax = 3, g.YMin = -3, g.YMax = 3;
  setKindDomains(g);

  g.Rho = 200;
  g.Theta = GraphState::Pi / 6;
  g.Phi = 1.3962634015954636; // 80 degrees
  g.PlaneDistance = 120;
  g.Zoom = 1;
  g.ThetaText = "30";
  g.PhiText = "80";

  g.XCurves = 15, g.YCurves = 15, g.ZCurves = 15, g.TStep = 0.1;
  g.GraphTitle.clear();
  for (std::string* text : {&g.FunctionText, &g.FunctionTextX, &g.FunctionTextY, &g.FunctionTextZ})
    *text = std::string(1, '0');
  // An implicit surface starts as the sphere of radius 2 in a box of 30 cells each way.
  if (g.GraphKind == ImplicitKind) {
    g.XCurves = g.YCurves = g.ZCurves = 30;
    g.FunctionText = "x^2+y^2+z^2=4";
  }

  g.AboveColor = clRed;
  g.UnderColor = clYellow;
  g.PenColor = clBlue;
  g.AxesColor = clFuchsia;
  g.FontColor = clBlue;
  g.FrameColor = clBlue;
  g.BackgroundColor = clWhite;
  g.GridColor = clTeal;
  g.ShadingOn = true;

  g.PictureCopyValid = false;
  g.GraphShown = false;
  g.DrawContinue = 0;
  g.PlaneOn = g.LineOn = false;
  s.engine.CutFlag = false;
  g.Rotating = false;
  g.PlaneDefined = g.LineDefined = false;
  g.HasDrawn = false;

  g.ParamValues.fill(0);
  g.ContourGridX = 20, g.ContourGridY = 20, g.ContourLevelCount = 10;
  g.MovieFrameCount = 16;
  g.MovieDelay = 400;
  g.MovieMode = false;
  g.JpegQuality = 90;
  g.SizeFactor = 1.0, g.SizeFactor2 = 1.0;
  g.SizeFactorOn = false;
}

void ResetColorTable(GraphState& g) {
  g.ColorTable = {0xFFFFFF, 0xFF0000, 0xFF0000, 0xFF00FF, 0xFF00FF, 0xFF0000,
                  0xFF0000, 0x008000, 0x800080, 0x0000FF, 0x00FF00, 0xFFFFFF,
                  0x00FFFF, 0xFFFF00, 0xFF00FF, 0x00FF00, 0xFFFFFF};
}

bool ChooseGraphKind(Session& s, char kind) {
  GraphState& g = s.graph;
  g.GraphKind = kind;
  g.SizeFactorOn = false;
  g.AxesErase = false;
  if (!IsGraphKind(kind)) return false;

  g.XMin = -3, g.XMax = 3, g.YMin = -3, g.YMax = 3;
  g.ZMin = -10, g.ZMax = 10;
  g.AxisXMin = -3, g.AxisXMax = 3;
  g.AxisYMin = -3, g.AxisYMax = 3;
  g.AxisZMin = -10, g.AxisZMax = 10;
  // The box is the implicit surface's domain: a cube.
  if (kind == ImplicitKind) g.AxisZMin = -3, g.AxisZMax = 3;
  if (kind == '2') g.RMin = 0, g.RMax = 3, g.TMin = 0, g.TMax = 2 * GraphState::Pi;
  if (kind == '3') g.TMin = 0, g.TMax = 5;
  if (kind == '4') {
    g.UMin = g.VMin = -GraphState::Pi;
    g.UMax = g.VMax = GraphState::Pi;
  }
  ResetColorTable(g);
  ResetGraphDefaults(s);
  return true;
}

std::uint32_t Host::tickCount() {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  return static_cast<std::uint32_t>(ms);
}

Host& silentHost() {
  static Host host;
  return host;
}
