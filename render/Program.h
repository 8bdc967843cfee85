// SPDX-License-Identifier: MIT
// The program's single objects: the session (graph state, engine, host, listing) plus the
// view, the cell list and the picture that the window and the command line both draw into.
#pragma once

#include "graph/Session.h"
#include "render/View.h"

#include <QImage>

#include <vector>

struct CellRecord;

struct Program : Session {
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
};
