// SPDX-License-Identifier: MIT
// The one current graph: kind, functions, domains, axes box, eye, resolution, colours, flags.
#pragma once

#include "expr/Expression.h"
#include "graph/Colors.h"

#include <array>
#include <cstdint>
#include <string>

struct Session;

// The implicit surfaces F(x,y,z) = 0; '1' to '4' are the other kinds and '5' the start-up
// form's Quit.
inline constexpr char ImplicitKind = '6';
// Whether the kind is one a graph can be drawn in: '1' to '4' or ImplicitKind.
constexpr bool IsGraphKind(char kind) {
  return (kind >= '1' && kind <= '4') || kind == ImplicitKind;
}

// The plane patch of the Plane menu: a point, a normal, and the patch's extent as offsets from
// the point (minima below 0, maxima above).
struct PlaneData {
  double X0 = 0, Y0 = 0, Z0 = 0;
  double A = 0, B = 0, C = 0;
  double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
  bool operator==(const PlaneData&) const = default;
};

// The straight line of the Line menu, from (X1, Y1, Z1) to (X2, Y2, Z2).
struct LineData {
  double X1 = 0, Y1 = 0, Z1 = 0;
  double X2 = 0, Y2 = 0, Z2 = 0;
  bool operator==(const LineData&) const = default;
};

// Plain data; the evaluation variables and parameters come from ExpressionVariables so that
// the evaluator sees the graph's own fields.
struct GraphState : ExpressionVariables {
  static constexpr double Pi = 3.141592653589793;

  char GraphKind = 0;
  std::string FunctionText = "0";
  std::string FunctionTextX = "0";
  std::string FunctionTextY = "0";
  std::string FunctionTextZ = "0";

  // a to f as the parameters dialog shows and edits them; copied into ParamA..ParamF when it
  // closes.
  std::array<double, 6> ParamValues = {};

  // Kind 1: the x and y domain. Kinds 2 to 4: the extents found by the extents pass.
  double XMin = 0, XMax = 0, YMin = 0, YMax = 0, ZMin = 0, ZMax = 0;
  double RMin = 0, RMax = 0, TMin = 0, TMax = 0;
  double UMin = 0, UMax = 0, VMin = 0, VMax = 0;

  double AxisXMin = 0, AxisXMax = 0, AxisYMin = 0, AxisYMax = 0, AxisZMin = 0, AxisZMax = 0;

  double Rho = 0, Theta = 0, Phi = 0, PlaneDistance = 0;
  // The window's zoom on top of the fit of the axes box: 1 shows the fit as it is.
  double Zoom = 1;
  // The main window's two eye-angle fields (Edit4, Edit5).
  std::string ThetaText, PhiText;

  // The implicit surfaces cut the axes box into XCurves by YCurves by ZCurves cells.
  double XCurves = 0, YCurves = 0, ZCurves = 0, TStep = 0;
  std::string GraphTitle;

  Color AboveColor = 0, UnderColor = 0, PenColor = 0, FrameColor = 0, BackgroundColor = 0,
        GridColor = 0, AxesColor = 0, FontColor = 0;
  // The colour choices of the colour windows, filled by ResetColorTable.
  std::array<Color, 17> ColorTable = {};

  bool ShadingOn = false;
  double SizeFactor = 0, SizeFactor2 = 0;
  bool SizeFactorOn = false;
  bool AxesErase = false;
  int JpegQuality = 0;
  int MovieFrameCount = 0;
  int MovieDelay = 0;
  bool MovieMode = false;
  int ContourGridX = 0, ContourGridY = 0, ContourLevelCount = 0;
  // The contour dialog's "3D Contours" box and the Box menu's "Draw Box" item: both keep
  // their state for the whole run, across resets.
  bool Contours3D = false;
  bool DrawBoxChecked = false;
  // View > Exact Hiding: the cells of every graph, the plane, the box and the line are split
  // where they cross and painted far to near. Kept across resets, as "Draw Box" is.
  bool ExactHiding = false;

  PlaneData Plane;
  LineData Line;

  bool PictureCopyValid = false;
  bool GraphShown = false;
  // A byte: the cancel button turns 1 into 0 and anything else into 1.
  std::uint8_t DrawContinue = 0;
  bool FunctionReady = false;
  bool HasDrawn = false;
  bool Rotating = false;
  bool PlaneOn = false, LineOn = false;
  bool PlaneDefined = false, LineDefined = false;
  bool PlaneEditMode = false, LineEditMode = false;
  bool ViewChanged = false, AxesChanged = false;
  bool EvalFailed = false;
};

// Defaults of the current kind (reads GraphKind); see the graph-state notes in GraphState.cpp.
void ResetGraphDefaults(Session& s);
void ResetColorTable(GraphState& g);
// The start-up form's choice of a kind, '1' to '4' or '6' ('5' is Quit and changes nothing else):
// flags, domains and axes box, then ResetColorTable and ResetGraphDefaults. Showing the main
// window (which resets once more) is the caller's part. Returns false for any other kind.
bool ChooseGraphKind(Session& s, char kind);
