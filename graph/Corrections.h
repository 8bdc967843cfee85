// SPDX-License-Identifier: MIT
// What the settings dialogs store and correct, shared by the dialogs and the command line.
#pragma once

#include "graph/Eye.h"
#include "graph/Session.h"

#include <array>
#include <string>
#include <string_view>

// Domain dialog: the fields in the dialog's order for the current kind (kind 3 uses the first
// two), read with ReadNumberField, then each start greater than its end moves the end to
// start + 1.
void StoreDomainFields(Session& s, const std::array<std::string, 4>& fields);
void CorrectDomain(GraphState& g);

// Axes dialog: on OK the six fields (AxesChanged when a value differs). CorrectAxes runs
// after OK and Cancel alike: a minimum not below its maximum moves the maximum to min + 1.
void StoreAxesFields(Session& s, const std::array<std::string, 6>& fields);
void CorrectAxes(GraphState& g);
// The six ends of the axes box in the dialog's order: AxisXMin, AxisXMax, ..., AxisZMax.
using AxesBox = std::array<double, 6>;
AxesBox AxesBoxOf(const GraphState& g);
void SetAxesBox(GraphState& g, const AxesBox& box);
// After the box changed (axes dialog, Fit Axes to Graph): a box the eye would not see whole is
// refused, `before` comes back and AxesChanged is cleared. True when the box was refused.
bool RefuseAxesAroundEye(GraphState& g, const AxesBox& before);

// View dialog: theta and phi in degrees, rho as it stands (ViewChanged on any change).
// FinishViewDialog runs after OK and Cancel: the angle fields are rewritten and a Rho not
// above 0 becomes 200.
void StoreViewFields(Session& s, std::string_view theta, std::string_view phi,
                     std::string_view rho);
void FinishViewDialog(GraphState& g);
// After FinishViewDialog: an eye that would not see the whole axes box is refused. Rho goes
// back to before's; when that is not enough, the angles go back too. The angle texts and
// ViewChanged follow the eye that stands. The message says what was refused and what is
// kept; it is empty when the eye was taken.
std::string KeepEyeSeeingAxes(GraphState& g, const Eye& before);
// Theta kept in [0, 2pi) by adding or subtracting 2pi; Phi clamped to [0, pi].
double WrapTheta(double theta);
double ClampPhi(double phi);

// Curves dialog; CorrectCurves (after OK and Cancel) rounds halves to even and turns a count
// below 1 or above 80 into 80. The implicit surfaces have a third count, for z, and need two
// cells along each axis: for them a count below 2 or above 80 becomes 80.
void StoreCurvesFields(Session& s, std::string_view xCurves, std::string_view yCurves,
                       std::string_view zCurves = {});
void CorrectCurves(GraphState& g);

// Title dialog: the first 50 characters of the text as typed.
void StoreTitle(GraphState& g, std::string_view text);
std::string cutToCharacters(std::string_view utf8, std::size_t count);

// Step dialog; CorrectStep (after OK and Cancel): exactly 0 becomes 0.125, then the absolute
// value.
void StoreStepField(Session& s, std::string_view text);
void CorrectStep(GraphState& g);

// A space curve is drawn and listed with at most this many steps of t after its start, so
// that a tiny step can neither stall the window for hours nor fill memory with its listing.
inline constexpr double MaxCurveSteps = 1'000'000;
// Whether TStep is a positive number that keeps the curve over [TMin, TMax] within
// MaxCurveSteps steps; an empty or single-point domain takes any such step.
bool CurveStepAllowed(const GraphState& g);
// The smallest step CurveStepAllowed admits over the current t domain.
double SmallestCurveStep(const GraphState& g);
// The step that the step dialog's field would store after its corrections; the state keeps
// its own step.
double StepFieldValue(Session& s, std::string_view text);

// Parameters dialog. On OK each field is read into ParamValues; captions[i] is replaced by the
// new caption text (prefix included) only when the value changed. CopyParameters runs after
// OK and Cancel alike.
void StoreParameterFields(Session& s, const std::array<std::string, 6>& fields,
                          std::array<std::string, 6>& captions);
void CopyParameters(GraphState& g);
// "a=", "b=", ..., "f =".
const char* ParameterCaptionPrefix(int index);

// Plane dialog on OK: the point and the normal (PlaneDefined when one of them changes), then
// the patch size, each kept only with its sign (MinX, MinY below 0; MaxX, MaxY above 0).
void StorePlaneFields(Session& s, const std::array<std::string, 10>& fields);
// Line dialog on OK: the two points (LineDefined when one changes).
void StoreLineFields(Session& s, const std::array<std::string, 6>& fields);
// Contour dialog on OK: the chosen list items (-1 when none is selected changes nothing).
void StoreContourChoices(GraphState& g, int gridItem, int levelItem);

// The rotation buttons' angle steps of 10 degrees (wrap and clamp rules of the arrows).
enum class Arrow { Right, Left, Up, Down };
// Turns the eye by any step (radians) with the arrows' rules: a step up in Theta wraps as the
// right arrow, a step down as the left arrow, Phi is clamped to [0, pi]; the angle fields'
// texts follow the angles that moved. A turn to an eye that would not see the whole axes box
// is refused: nothing changes and the result is false.
bool TurnEye(GraphState& g, double thetaStep, double phiStep);
bool StepEyeAngle(GraphState& g, Arrow arrow);
// The eye such a turn or step asks for, the state left as it is.
Eye TurnedEye(const GraphState& g, double thetaStep, double phiStep);
Eye SteppedEye(const GraphState& g, Arrow arrow);
// Dragging the picture: the graph follows the mouse, so a drag to the right turns the eye the
// other way (Theta down) and a drag downwards raises the eye (Phi down). A drag across the
// whole picture width is one full turn; the same rate holds up and down.
struct EyeTurn {
  double theta = 0, phi = 0;
};
EyeTurn DragTurn(int dx, int dy, int pictureWidth);
