// SPDX-License-Identifier: MIT
// Building, playing, releasing and rendering the frames of a movie.
#include "render/Movie.h"

#include "graph/NumberField.h"
#include "render/CellList.h"
#include "render/PictureGraphs.h"
#include "render/Primitives.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "render/Rounding.h"
#include "render/canvas/ImageCanvas.h"
#include "render/surfaces/DrawDriver.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int MaxFrames = MaxMovieFrames;

// Slot 0 is copied into each of slots 1..B, and after the first copy slot 0 is the empty
// record: nothing but (0, 0) corners, no distance and the above colour.
void blankCellList(Program& p, int records) {
  ensureCellSlots(p, static_cast<std::size_t>(records));
  auto& list = p.CellList;
  for (int i = 1; i <= records; ++i) {
    list[i] = list[0];
    list[0].Corners = {};
    list[0].Distance = 0;
    list[0].FillColor = p.graph.AboveColor;
  }
}

void blankFrames(Program& p) {
  const int records = MovieRecordCount(p);
  const int frames = std::clamp(p.graph.MovieFrameCount, 0, MaxFrames);
  if (p.FrameStore.size() < static_cast<std::size_t>(frames) + 1) p.FrameStore.resize(frames + 1);
  for (int slot = 1; slot <= frames; ++slot) {
    blankCellList(p, records);
    p.FrameStore[slot].assign(p.CellList.begin() + 1, p.CellList.end());
  }
}

// The frames the player shows: the sweep's pictures, or the count the settings give.
int movieFrames(const Program& p) {
  if (!p.PictureFrames.empty()) return static_cast<int>(p.PictureFrames.size());
  return std::clamp(p.graph.MovieFrameCount, 1, MaxFrames);
}

// The turning movie's frames and the turn of Theta between two of them.
int turningFrames(const GraphState& g) {
  return std::clamp(g.MovieFrameCount, 1, MaxFrames);
}

double turningStep(int frames) {
  return (360.0 / frames) * GraphState::Pi / 180;
}

// A full turn later the eye is where it started; the rectangular renderer's far-to-near order
// is chosen for a Theta in [0, 2 pi).
double wrappedTheta(double theta) {
  const double turn = 2 * GraphState::Pi;
  theta = std::fmod(theta, turn);
  if (theta < 0) theta += turn;
  if (theta >= turn) theta = 0;
  return theta;
}

// A sweep's frame is a whole picture: copied over the target where both have pixels, so that a
// window resized since the build shows what fits.
void copySweepFrame(const Program& p, int slot, QImage& target) {
  const auto frames = static_cast<int>(p.PictureFrames.size());
  const QImage& frame = p.PictureFrames[static_cast<std::size_t>(std::clamp(slot, 1, frames) - 1)];
  if (target.isNull() || frame.format() != target.format()) return;
  const int rows = std::min(frame.height(), target.height());
  const auto bytes = static_cast<std::size_t>(std::min(frame.width(), target.width())) * 4;
  for (int y = 0; y < rows; ++y) std::memcpy(target.scanLine(y), frame.constScanLine(y), bytes);
}

} // namespace

int MovieRecordCount(const GraphState& g) {
  const double b = (g.XCurves + 1) * (g.YCurves + 1);
  if (!(b > 0)) return 0;
  return static_cast<int>(std::min<std::int64_t>(roundToInt64(b), 1 << 24));
}

int MovieRecordCount(const Program& p) {
  if (p.graph.GraphKind != ImplicitKind) return MovieRecordCount(p.graph);
  return p.ImplicitSurface.built ? static_cast<int>(p.ImplicitSurface.surface.triangles.size()) : 0;
}

int CorrectedMovieFrameCount(double count) {
  // A huge value is out of range either way; rounding it needs a bound first.
  const auto rounded = roundToInt64(std::clamp(count, -1.0, double(MaxFrames + 1)));
  if (rounded < 1) return 2;
  return static_cast<int>(std::min<std::int64_t>(rounded, MaxFrames));
}

void StoreMovieFrameCount(Program& p, const std::string& text, bool accepted) {
  int& count = p.graph.MovieFrameCount;
  double value = count;
  if (accepted) ReadNumberField(p, text, value);
  count = CorrectedMovieFrameCount(std::isnan(value) ? count : value);
}

int movieDelayOf(MovieSpeed speed) {
  switch (speed) {
  case MovieSpeed::Slow:
    return 800;
  case MovieSpeed::Medium:
    return 500;
  case MovieSpeed::Faster:
    return 150;
  case MovieSpeed::Fastest:
    return 0;
  }
  return 500;
}

std::optional<Eye> MovieEyeRefused(const GraphState& g) {
  const int frames = turningFrames(g);
  const double step = turningStep(frames);
  Eye eye = EyeOf(g);
  // Theta steps as the builder steps it, so that each eye is exactly a frame's.
  for (int k = 1; k <= frames; ++k) {
    if (!EyeSeesAxesBox(g, eye)) return eye;
    eye.theta += step;
  }
  eye.theta = wrappedTheta(eye.theta);
  if (!EyeSeesAxesBox(g, eye)) return eye;
  return std::nullopt;
}

bool BuildMovieFrames(Program& p, const std::function<void(int)>& frameDone) {
  GraphState& g = p.graph;
  if (MovieEyeRefused(g)) return false;
  g.PictureCopyValid = false;
  g.GraphShown = false;
  p.PictureFrames.clear();
  ClearGraphRect(p);
  p.host->setBusyCursor(true);
  blankFrames(p);
  g.MovieMode = true;
  const bool pictures = MovieOfPictures(p);
  const int frames = turningFrames(g);
  const double step = turningStep(frames);
  for (int k = 1; k <= frames; ++k) {
    p.host->processEvents();
    p.MovieFrameIndex = k;
    p.SkipListing = k < frames;
    SetViewTransform(p.view, g.PlaneDistance, g.Rho, g.Theta, g.Phi);
    ClearGraphRect(p);
    if (pictures) {
      if (g.ExactHiding) {
        DrawHiddenPicture(p, g.FunctionReady, false);
      } else {
        DrawPictureGraphs(p);
      }
      p.PictureFrames.push_back(p.Picture.copy());
    } else {
      DrawDriver(p);
    }
    if (frameDone) frameDone(k);
    g.Theta += step;
  }
  p.SkipListing = false;
  p.host->setBusyCursor(false);
  g.Theta = wrappedTheta(g.Theta);
  p.MovieFramesBuilt = frames;
  g.MovieMode = false;
  return true;
}

void ReleaseMovie(Program& p) {
  blankFrames(p);
  p.MovieFramesBuilt = 0;
  p.PictureFrames.clear();
}

void PaintMovieFrame(Program& p, int slot) {
  if (!p.PictureFrames.empty()) return copySweepFrame(p, slot, p.Picture);
  const int records = MovieRecordCount(p);
  ensureCellSlots(p, static_cast<std::size_t>(records));
  auto& list = p.CellList;
  const bool recorded = slot >= 1 && static_cast<std::size_t>(slot) < p.FrameStore.size() &&
                        !p.FrameStore[slot].empty();
  if (recorded) {
    const auto& frame = p.FrameStore[slot];
    const std::size_t n = std::min(frame.size(), list.size() - 1);
    std::copy_n(frame.begin(), n, list.begin() + 1);
  } else {
    std::fill(list.begin() + 1, list.begin() + 1 + records, CellRecord{});
  }
  PaintFrameRecords(
      *p.canvas, p.graph.BackgroundColor, p.graph.GridColor,
      std::span<const CellRecord>(list).subspan(1, static_cast<std::size_t>(records)));
}

void PaintFrameRecords(Canvas& canvas, Color background, Color grid,
                       std::span<const CellRecord> records) {
  canvas.fill(background);
  for (const CellRecord& cell : records) paintCell(canvas, grid, cell);
}

void PlayMovieFrames(Program& p, const std::function<void()>& afterPaint) {
  GraphState& g = p.graph;
  g.MovieMode = true;
  g.PictureCopyValid = false;
  g.GraphShown = false;
  g.DrawContinue = 1;
  const int frames = p.PictureFrames.empty() ? std::max(1, g.MovieFrameCount) : movieFrames(p);
  for (int i = 0;;) {
    i = i % frames + 1;
    if (cancelRequested(p)) break;
    PaintMovieFrame(p, i);
    afterPaint();
    Pause(*p.host, g.MovieDelay);
  }
  g.MovieMode = false;
}

void PaintMovieFrames(Program& p, const std::function<void(const QImage&, int)>& visit) {
  if (p.Picture.isNull()) return;
  Canvas* const saved = p.canvas;
  const int frames = movieFrames(p);
  QImage image(p.Picture.size(), QImage::Format_RGB32);
  ImageCanvas canvas(image);
  p.canvas = &canvas;
  for (int slot = 1; slot <= frames; ++slot) {
    if (p.PictureFrames.empty())
      PaintMovieFrame(p, slot);
    else
      copySweepFrame(p, slot, image);
    visit(image, slot);
  }
  p.canvas = saved;
}

std::vector<QImage> MovieFrameImages(Program& p) {
  std::vector<QImage> images;
  PaintMovieFrames(p, [&](const QImage& image, int) { images.push_back(image.copy()); });
  return images;
}

bool MovieOfPictures(const Program& p) {
  return SeveralGraphs(p) || p.graph.ExactHiding;
}

bool MovieBuilt(const Program& p) {
  return p.MovieFramesBuilt > 0 || !p.PictureFrames.empty();
}

int movieGifDelay(const GraphState& g) {
  return std::max(2, static_cast<int>(roundToInt64(std::clamp(g.MovieDelay, 0, 600000) / 10.0)));
}
