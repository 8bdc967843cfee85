// SPDX-License-Identifier: MIT
// Building a parameter sweep: the Draw sequence once per value, each picture kept whole.
#include "render/Sweep.h"

#include "graph/Corrections.h"
#include "render/Contours.h"
#include "render/Movie.h"
#include "render/Primitives.h"
#include "render/Program.h"
#include "render/Sequences.h"

#include <algorithm>
#include <cmath>

double SweepValue(const ParameterSweep& sweep, int frame) {
  if (sweep.frames <= 1) return sweep.from;
  return sweep.from + (sweep.to - sweep.from) * (frame - 1) / (sweep.frames - 1);
}

int SweepParameterIndex(const std::string& name) {
  if (name.size() != 1) return -1;
  const char c = static_cast<char>(name[0] | 0x20);
  return c >= 'a' && c <= 'f' ? c - 'a' : -1;
}

void BuildParameterSweep(Program& p, const ParameterSweep& sweep,
                         const std::function<void(const QImage&, int)>& frameDone) {
  GraphState& g = p.graph;
  const int frames = std::clamp(sweep.frames, 1, MaxMovieFrames);
  const int index = std::clamp(sweep.parameter, 0, 5);
  const double before = g.ParamValues[index];
  const bool contours = g.PictureCopyValid && p.PictureCopy.cacheKey() == p.ContoursPictureKey;
  // The listing stays the one of the picture before: the frames are views of other values.
  const std::vector<std::string> listing = p.Values;
  p.PictureFrames.clear();
  p.MovieFramesBuilt = 0;
  for (int k = 1; k <= frames; ++k) {
    g.ParamValues[index] = SweepValue({index, sweep.from, sweep.to, frames}, k);
    CopyParameters(g);
    p.SkipListing = true;
    // Each frame is a Draw on a cleared picture, not over the frame before.
    ClearGraphRect(p);
    DrawSequencePicture(p);
    if (contours) DrawContours(p);
    p.PictureFrames.push_back(p.Picture.copy());
    if (frameDone) frameDone(p.PictureFrames.back(), k);
  }
  p.SkipListing = false;
  p.Values = listing;
  g.ParamValues[index] = before;
  CopyParameters(g);
  // As after a turning movie, the picture on the screen is the last frame, not a graph.
  g.PictureCopyValid = false;
  g.GraphShown = false;
}
