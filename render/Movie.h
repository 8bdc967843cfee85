// SPDX-License-Identifier: MIT
// Movies: the eye turned once round the z axis, each view's sorted cell list kept as a frame
// and replayed.
#pragma once

#include "graph/Eye.h"
#include "render/CellList.h"
#include "render/canvas/Canvas.h"

#include <QImage>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct Program;
struct GraphState;

// The most frames a movie, turning or sweeping, has.
inline constexpr int MaxMovieFrames = 32;

// The records a frame replays, B = (XCurves + 1)(YCurves + 1) rounded, at least 0.
int MovieRecordCount(const GraphState& g);
// The same for the program's graph: an implicit surface's frames replay its kept triangles.
int MovieRecordCount(const Program& p);

// The frame-count field of the movie dialog: read as an expression starting from the count in
// force (an unreadable text keeps it), rounded, then below 1 becomes 2 and above 32 becomes 32.
// Without OK only the range correction applies.
void StoreMovieFrameCount(Program& p, const std::string& text, bool accepted);
// The range correction alone, for a count already read and not NaN: rounded, below 1 becomes 2,
// above 32 becomes 32.
int CorrectedMovieFrameCount(double count);
// The speed buttons: Slow, Medium, Faster, Fastest.
enum class MovieSpeed { Slow, Medium, Faster, Fastest };
int movieDelayOf(MovieSpeed speed);

// The turning movie's first eye that would not see the whole axes box: each frame's eye, and
// the one the turn ends at; none when every one does. Turning Theta brings the eye nearer to
// other corners of the box, so an eye taken for a still picture may still be refused here.
std::optional<Eye> MovieEyeRefused(const GraphState& g);
// Records MovieFrameCount frames, turning Theta by a full turn over them. Each frame is also
// painted on the picture as it is recorded. Theta comes back in [0, 2 pi) afterwards, where
// the direct rectangular renderer expects it. MovieMode is clear again at the end.
// frameDone, when given, is told each frame's slot as soon as the frame is recorded; the
// frame stays as it is from then on. A movie whose eye MovieEyeRefused refuses is not built:
// nothing changes and the result is false. A movie of pictures (MovieOfPictures) keeps each
// frame's picture in PictureFrames instead, and frameDone is told the slot once it is kept.
bool BuildMovieFrames(Program& p, const std::function<void(int)>& frameDone = {});
// Blanks the frames in use, as at the end of a run.
void ReleaseMovie(Program& p);
// Paints frame slot (1-based) as the player does: the background, then the first B records
// of the frame. Records past what the frame holds come from the cell list as it stands; a
// slot never recorded replays empty records. Nothing is read past a stored frame.
void PaintMovieFrame(Program& p, int slot);
// What PaintMovieFrame paints once the frame's records are chosen: the background, then each
// record with the grid colour's outline. It reads nothing else, so a frame may be painted
// apart from the program, on another thread.
void PaintFrameRecords(Canvas& canvas, Color background, Color grid,
                       std::span<const CellRecord> records);
// The player: frames 1..N in a loop with MovieDelay between them, until DrawContinue is
// cleared at a poll; afterPaint runs after each frame is painted (the window shows it).
// MovieMode is set while it plays and clear afterwards.
void PlayMovieFrames(Program& p, const std::function<void()>& afterPaint);
// Every frame painted as the player paints it, one after another into one picture of the
// picture's size, which visit is shown with the frame's slot before the next is painted.
void PaintMovieFrames(Program& p, const std::function<void(const QImage&, int)>& visit);
// The same frames, each a picture of its own.
std::vector<QImage> MovieFrameImages(Program& p);
// A frame's display time in an animated GIF: the movie delay in hundredths of a second, at
// least 2, since many viewers slow shorter delays down to a tenth of a second.
int movieGifDelay(const GraphState& g);
// Whether a turning movie keeps its frames as whole pictures rather than cell lists: the cells
// of several graphs are outlined in grid colours of their own, and exactly hidden pictures are
// made of pieces, which a frame's records do not hold. Such a frame shows the additions that
// are split with the graphs as well.
bool MovieOfPictures(const Program& p);
// True once a movie has been built since the kind was chosen.
bool MovieBuilt(const Program& p);
