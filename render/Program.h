// SPDX-License-Identifier: MIT
// The program's single objects: the session (graph state, engine, host, listing) plus the
// view, the cell list and the picture that the window and the command line both draw into.
#pragma once

#include "graph/ImplicitMesh.h"
#include "graph/Session.h"
#include "render/CellList.h"
#include "render/SceneCells.h"
#include "render/View.h"
#include "render/canvas/ImageCanvas.h"
#include "render/canvas/PictureRecorder.h"

#include <QImage>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class HiddenScene;

struct Program : Session {
  Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  View view;
  // The main window's client area, which the graphing rectangle is laid out in.
  int ClientWidth = 800;
  int ClientHeight = 600;
  // The picture box PaintBox1: GraphRight - GraphLeft - 2 by GraphBottom - GraphTop - 2
  // pixels, resized by the screen set-up; every renderer draws into it.
  QImage Picture;
  // The off-screen copy used for repainting, files, the clipboard and printing.
  QImage PictureCopy;
  // True while a draw sequence runs; commands that would draw again must not start then.
  bool DrawInProgress = false;

  // The window lets a space curve grow on the screen with a pause per segment; the command
  // line and the benchmarks draw it at once.
  bool CurvePauses = true;

  // The canvas every renderer draws on: by default pictureRecorder, which paints through
  // pictureCanvas into Picture and keeps the drawing for the vector pictures; a test may
  // point it at a recording canvas.
  ImageCanvas pictureCanvas{Picture};
  PictureRecorder pictureRecorder{pictureCanvas};
  Canvas* canvas = &pictureRecorder;

  // Slot 0 is the cell under construction, slots 1.. the cells of the current picture. It
  // holds at least CellListCapacity + 1 records and grows before a drawing that makes more.
  std::vector<CellRecord> CellList;
  // The triangles of the implicit surface drawn last, kept so that another view of it (a turn,
  // a drag, a zoom, a new size, a movie frame) only projects them again.
  ImplicitMesh ImplicitSurface;
  // The same for the implicit surfaces among the kept graphs, one each.
  std::vector<ImplicitMesh> KeptImplicitSurfaces;
  // While a kept graph's fields stand in the graph state (to draw it or to measure it), the
  // current graph's kind, set aside; 0 otherwise. A kept graph's triangles are looked for, and
  // made, in KeptImplicitSurfaces rather than in ImplicitSurface.
  char CurrentKindAside = 0;
  // Every cell and curve of the last drawing in the order they were made, in graph space as
  // well as in pixels: the cells of several graphs are sorted and painted from here, exact
  // hiding splits them and the meshes are written from them. A gathered surface whose drawing
  // stopped (cancelled, or an evaluation failed) leaves none of its cells here.
  std::vector<SpaceCell> SceneCells;
  std::vector<SpaceCurve> SceneCurves;
  // The place in the picture of the graph being drawn, and whether the renderers only collect
  // its cells and curves into the lists above (several graphs, exact hiding) instead of
  // painting them and filling CellList.
  int SceneGraph = 0;
  bool CollectCells = false;
  // With exact hiding, the scene split from the last drawing and the key of the geometry it was
  // split from: while the key stays the same, a new view paints the same scene again.
  std::shared_ptr<const HiddenScene> HiddenPicture;
  std::string HiddenPictureKey;
  // The recorded movie frames, one cell list (slots 1..) each; the movie builder sizes it and
  // sets MovieFrameIndex before each frame.
  std::vector<std::vector<CellRecord>> FrameStore;
  int MovieFrameIndex = 0;
  // Set while a movie builds any frame but its last: the listed values do not depend on the
  // view, so only the last frame lists them.
  bool SkipListing = false;
  // Frames recorded by the last movie build; 0 before any and after the movie is released.
  int MovieFramesBuilt = 0;
  // The frames of the last movie as whole pictures, when it was built as pictures: a parameter
  // sweep, or a turn of a picture of several graphs or hidden exactly. The player and the
  // animated GIF show them instead of the cell lists.
  std::vector<QImage> PictureFrames;
  // The cache key of the picture Contours > Draw captured last: while the copy is still that
  // picture, the contours are part of what is shown.
  qint64 ContoursPictureKey = 0;

  // Shows a message to the user (a message box in the window, a line on the command line's
  // error output); the plane and line routines tell through it that their data are missing.
  std::function<void(const std::string&)> showMessage;
};
