// SPDX-License-Identifier: MIT
// The picture half of the main window's commands, shared by the window and the command line.
// The window adds its own widget work (the Cancel Draw button, labels, layout of controls).
#pragma once

#include "graph/Corrections.h"
#include "render/Program.h"

// Layout steps of the screen set-up that touch the picture: ComputeGraphRect, ClearGraphRect
// (the picture is resized to the picture box and filled with the background), and the bare
// axes while no graph is shown and no movie runs.
void ScreenSetUpPicture(Program& p);
// Showing the main window after a kind was chosen: flags, ResetGraphDefaults, rectangle,
// view, fit and screen set-up (which draws the bare axes), the second reset, SizeFactorOn = 0.
void ShowMainWindowPicture(Program& p);
// Draw: GraphShown, FunctionReady, HasDrawn, DrawContinue; view, fit, DrawDriver, the plane
// and the line while on, the box while checked, the axes. Does not capture.
void DrawSequencePicture(Program& p);
// A rotation button: angle step, angle field text, view, fit, screen set-up, and the redraw
// (graph only when FunctionReady), box, axes. Does not capture; sets and clears Rotating.
// A step to an eye that would not see the whole axes box is refused: nothing changes or is
// drawn, and the result is false.
bool RotatePicture(Program& p, Arrow arrow);
// The redraw of a rotation button at the eye, zoom and client size as they are: view, fit,
// screen set-up, the graph when FunctionReady, plane, line, box, axes. Dragging, the wheel and
// a resized window redraw through it. Does not capture; sets and clears Rotating.
void RedrawViewPicture(Program& p);
// After Change Axes / View reported a change: clear the picture, new view and fit, bare axes.
void AxesChangedPicture(Program& p);
void ViewChangedPicture(Program& p);
// Clear Screen.
void ClearScreenPicture(Program& p);
// Plane > Draw: capture, switch the plane on, draw it (or show that its data are missing),
// capture. Plane > Edit: capture, switch the plane off and prepare its data; the dialog
// follows (TPlaneDlg load, then apply with the dialog's result). The same for the line.
void PlaneDrawPicture(Program& p);
void BeginPlaneEdit(Program& p);
void LineDrawPicture(Program& p);
void BeginLineEdit(Program& p);
// Opening the Box menu: the box routine (the box itself only while "Draw Box" is checked),
// then capture.
void BoxMenuPicture(Program& p);
// Contours > Draw: the contour command, then capture. The levels window is refreshed by the
// caller afterwards.
void ContoursPicture(Program& p);
// Exact hiding: the graphs (when `graphs`) and the additions switched on, split where they
// cross and painted far to near for the view. The split scene is kept and painted again for
// every view while the geometry it was split from stays the same; `rebuild` splits anew in
// any case, as every Draw does. A cancelled drawing paints nothing.
void DrawHiddenPicture(Program& p, bool graphs, bool rebuild);
// Copies the picture into PictureCopy and sets PictureCopyValid.
void CapturePicture(Program& p);
