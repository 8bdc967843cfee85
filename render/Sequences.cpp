// SPDX-License-Identifier: MIT
// The picture part of the screen set-up, Draw, the rotation buttons, Clear Screen and the
// axes and view changes.
#include "render/Sequences.h"

#include "graph/Format.h"
#include "render/Additions.h"
#include "render/Axes.h"
#include "render/Contours.h"
#include "render/HiddenScene.h"
#include "render/Primitives.h"
#include "render/PictureGraphs.h"

#include <algorithm>

namespace {

// Marks a drawing sequence as running for its whole length, however it ends.
class DrawingScope {
public:
  explicit DrawingScope(Program& p) : m_p(p), m_was(p.DrawInProgress) { p.DrawInProgress = true; }
  ~DrawingScope() { m_p.DrawInProgress = m_was; }
  DrawingScope(const DrawingScope&) = delete;
  DrawingScope& operator=(const DrawingScope&) = delete;

private:
  Program& m_p;
  bool m_was;
};

void setViewAndFit(Program& p) {
  const GraphState& g = p.graph;
  SetViewTransform(p.view, g.PlaneDistance, g.Rho, g.Theta, g.Phi);
  FitViewToAxes(p.view, g);
}

void resizePicture(Program& p) {
  const View& v = p.view;
  const auto extent = [](std::int64_t from, std::int64_t to) {
    return static_cast<int>(std::clamp<std::int64_t>(to - from - 2, 0, 1 << 15));
  };
  const int width = extent(v.GraphLeft, v.GraphRight);
  const int height = extent(v.GraphTop, v.GraphBottom);
  if (p.Picture.width() == width && p.Picture.height() == height &&
      p.Picture.format() == QImage::Format_RGB32) {
    return;
  }
  p.Picture = width > 0 && height > 0 ? QImage(width, height, QImage::Format_RGB32) : QImage();
}

} // namespace

void ScreenSetUpPicture(Program& p) {
  ComputeGraphRect(p.view, p.graph, p.ClientWidth, p.ClientHeight);
  resizePicture(p);
  ClearGraphRect(p);
  if (!p.graph.GraphShown && !p.graph.MovieMode) DrawAxes(p);
}

void ShowMainWindowPicture(Program& p) {
  GraphState& g = p.graph;
  g.PictureCopyValid = false;
  g.GraphShown = false;
  // The surface-colours window's default choices.
  g.AboveColor = clRed;
  g.UnderColor = clYellow;
  g.GridColor = clTeal;
  ResetGraphDefaults(p);
  // A new graph's cell list is as large as at the start, whatever an implicit surface of many
  // triangles made it: every movie frame keeps the whole list.
  if (p.CellList.size() > CellListCapacity + 1) {
    p.CellList.resize(CellListCapacity + 1);
    p.CellList.shrink_to_fit();
  }
  ComputeGraphRect(p.view, g, p.ClientWidth, p.ClientHeight);
  setViewAndFit(p);
  ScreenSetUpPicture(p);
  g.SizeFactorOn = false;
}

void DrawSequencePicture(Program& p) {
  DrawingScope scope(p);
  GraphState& g = p.graph;
  g.GraphShown = true;
  g.FunctionReady = true;
  g.HasDrawn = true;
  g.DrawContinue = 1;
  if (!IsGraphKind(g.GraphKind)) return;
  setViewAndFit(p);
  if (g.ExactHiding) {
    DrawHiddenPicture(p, true, true);
    DrawAxes(p);
    return;
  }
  DrawPictureGraphs(p);
  if (g.PlaneOn) PlaneRoutine(p);
  if (g.LineOn) LineRoutine(p);
  if (g.DrawBoxChecked) BoxRoutine(p);
  DrawAxes(p);
}

bool RotatePicture(Program& p, Arrow arrow) {
  DrawingScope scope(p);
  GraphState& g = p.graph;
  if (!StepEyeAngle(g, arrow)) return false;
  if (arrow == Arrow::Left || arrow == Arrow::Right) {
    g.ThetaText = formatAngleField(g.Theta);
  } else {
    g.PhiText = formatAngleField(g.Phi);
  }
  RedrawViewPicture(p);
  return true;
}

void RedrawViewPicture(Program& p) {
  DrawingScope scope(p);
  GraphState& g = p.graph;
  g.PictureCopyValid = false;
  g.Rotating = true;
  setViewAndFit(p);
  ScreenSetUpPicture(p);
  g.DrawContinue = 1;
  if (g.ExactHiding) {
    DrawHiddenPicture(p, g.FunctionReady, false);
    DrawAxes(p);
    g.Rotating = false;
    return;
  }
  if (g.FunctionReady) DrawPictureGraphs(p);
  if (g.PlaneOn) PlaneRoutine(p);
  if (g.LineOn) LineRoutine(p);
  if (g.DrawBoxChecked) BoxRoutine(p);
  DrawAxes(p);
  g.Rotating = false;
}

namespace {

void redrawBareAxes(Program& p) {
  p.graph.GraphShown = false;
  p.graph.PictureCopyValid = false;
  setViewAndFit(p);
  ScreenSetUpPicture(p);
  DrawAxes(p);
}

} // namespace

void AxesChangedPicture(Program& p) {
  redrawBareAxes(p);
}

void ViewChangedPicture(Program& p) {
  p.graph.PlaneOn = false;
  p.graph.LineOn = false;
  redrawBareAxes(p);
}

void ClearScreenPicture(Program& p) {
  GraphState& g = p.graph;
  g.PictureCopyValid = false;
  g.GraphShown = false;
  g.PlaneOn = false;
  g.LineOn = false;
  ScreenSetUpPicture(p);
}

void DrawHiddenPicture(Program& p, bool graphs, bool rebuild) {
  const std::string key = HiddenSceneKey(p, graphs);
  if (rebuild || !p.HiddenPicture || p.HiddenPictureKey != key) {
    p.HiddenPicture.reset();
    p.HiddenPictureKey.clear();
    if (graphs) {
      // The listing does not depend on the view: the scene lists its graphs once, whichever
      // view it is split for.
      const bool skip = p.SkipListing;
      p.SkipListing = false;
      const bool collected = CollectPictureGraphs(p);
      p.SkipListing = skip;
      if (!collected) return;
    } else {
      p.SceneCells.clear();
      p.SceneCurves.clear();
    }
    p.HiddenPicture = std::make_shared<const HiddenScene>(p, AdditionsInSpace(p));
    p.HiddenPictureKey = key;
  } else {
    TellMissingAdditions(p);
  }
  p.HiddenPicture->paint(p);
}

namespace {

// A command that adds to an exactly hidden picture draws it whole again, the addition split
// with the rest.
void redrawHidden(Program& p) {
  ClearGraphRect(p);
  DrawHiddenPicture(p, p.graph.GraphShown && p.graph.FunctionReady, false);
  DrawAxes(p);
}

} // namespace

void CapturePicture(Program& p) {
  p.PictureCopy = p.Picture.copy();
  p.graph.PictureCopyValid = true;
}

void PlaneDrawPicture(Program& p) {
  CapturePicture(p);
  p.graph.PlaneEditMode = false;
  p.graph.PlaneOn = true;
  if (p.graph.ExactHiding) {
    redrawHidden(p);
  } else {
    PlaneRoutine(p);
  }
  CapturePicture(p);
}

void BeginPlaneEdit(Program& p) {
  CapturePicture(p);
  p.graph.PlaneEditMode = true;
  p.graph.PlaneOn = false;
  PreparePlaneData(p.graph);
}

void LineDrawPicture(Program& p) {
  CapturePicture(p);
  p.graph.LineEditMode = false;
  p.graph.LineOn = true;
  if (p.graph.ExactHiding) {
    redrawHidden(p);
  } else {
    LineRoutine(p);
  }
  CapturePicture(p);
}

void BeginLineEdit(Program& p) {
  CapturePicture(p);
  p.graph.LineEditMode = true;
  p.graph.LineOn = false;
  PrepareLineData(p.graph);
}

void BoxMenuPicture(Program& p) {
  if (p.graph.ExactHiding && p.graph.DrawBoxChecked) {
    redrawHidden(p);
  } else {
    BoxRoutine(p);
  }
  CapturePicture(p);
}

void ContoursPicture(Program& p) {
  DrawContours(p);
  CapturePicture(p);
  p.ContoursPictureKey = p.PictureCopy.cacheKey();
}
