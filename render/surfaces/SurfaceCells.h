// SPDX-License-Identifier: MIT
// The steps the surface renderers share: the grid of cells and its steps, the eye point and
// distance, the cell starts, the blanked slots, the gathering and listing loops, and for the
// surfaces z = f(a, b) the whole cell with its slopes and the drawing of a degenerate domain.
#pragma once

#include "graph/Colors.h"
#include "graph/GraphState.h"
#include "render/CellList.h"
#include "render/Program.h"
#include "render/SceneCells.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The most cells (or listed points) a loop makes along one axis. The tolerance of the cell
// loops admits tolerance/step extra cells; for a tiny domain that would be millions, so a
// loop stops here, well past the 81 or so that 80 curves can make.
inline constexpr int MaxGridSteps = 162;

// The values a stepped loop variable takes from start while it stays at or below bound
// (upward) or at or above it (downward), stopping when the step no longer changes it. A step
// of 0 gives the start once; a negative or non-numeric step gives nothing.
std::vector<double> gridValues(double start, double step, bool upward, double bound);

// The eye in world coordinates and its distance from the origin.
struct EyePoint {
  double x = 0, y = 0, z = 0, length = 0;
};
EyePoint eyePointOf(const GraphState& g);
double distanceFromEye(const EyePoint& eye, double x, double y, double z);

// The slopes of a surface along its first and second coordinate: (x, y), or the grid's own.
struct Slopes {
  double a = 0, b = 0;
};

// Upper side when the eye sees the graph z = f(x, y) from above at the given slopes, else the
// under side; shaded by the angle to the line of sight when shading is on.
Color slopeColor(const GraphState& g, const EyePoint& eye, Slopes slopes);
// A patch's colour from its normal at the centre: the side the normal shows towards the eye
// position seen from the origin, shaded by the angle when shading is on. Where the normal
// vanishes there is no angle, and the colour is that of the side without shading.
Color normalColor(const GraphState& g, const EyePoint& eye, double nx, double ny, double nz);
// An implicit surface's triangle with the normal (nx, ny, nz) towards the side where F is
// positive, its centre at `centre`: that side shows the above colour, the other the under
// colour; with shading, lighter the more squarely the eye looks at the triangle.
Color facingColor(const GraphState& g, const EyePoint& eye, const CellLook& look,
                  const Point3& centre);
// The colour of a cell made for another eye, from what its colour was made of and where its
// centre is; a look the renderer gave no colour of its own keeps `recorded`.
Color lookColor(const GraphState& g, const EyePoint& eye, const CellLook& look, Color recorded,
                const Point3& centre);
// The centre of a triangle cell (the first three corners).
Point3 triangleCentre(const std::array<Point3, 4>& corners);
// Clear when the grid colour is "none", else solid.
std::uint8_t gridPenStyle(const GraphState& g);

// The domain of a surface's two grid coordinates (x and y, r and t, u and v).
struct GridDomain {
  double aMin = 0, aMax = 0, bMin = 0, bMax = 0;
};

// The domain cut into XCurves by YCurves cells, and the eye that sees them.
struct CellGrid {
  GridDomain domain;
  // The cells' steps, 0 along a direction of zero width.
  double da = 0, db = 0;
  EyePoint eye;
  // Zero width in one direction: no cells, one curve at most.
  bool degenerate() const { return da * db == 0; }
};
CellGrid cellGridOf(const GraphState& g, const GridDomain& domain);

// The lower ends of the cells along one axis (upward), or their upper ends taken from the top
// (downward): a cell is admitted while its far edge lies within `tolerance` of the domain.
std::vector<double> cellStarts(double min, double max, double step, double tolerance,
                               bool upward = true);

// The cell from (a, b) spanning towards (a + da, b + db): its corners in order round it from
// (a, b), and its centre.
struct GridCell {
  double a[4], b[4];
  double aCentre, bCentre;
};
GridCell gridCell(double a, double b, double da, double db);

enum class CellResult { Ready, Skipped, Stop };

// Polls the host (false when the user cancels), then clears the flags the cell's evaluations
// report through.
bool startCell(Program& p);
// A cell that met a cut is left out.
CellResult cutResult(const Program& p);

// (XCurves + 1)(YCurves + 1) rounded, the slots a movie frame replays, at most 81 by 81.
std::int64_t blankSlotCount(const GraphState& g);
// What the slots past the gathered cells hold, so that a movie frame with fewer cells replays
// no cells of an earlier drawing.
enum class BlankSlots {
  // Cells of the above colour with every corner at (0, 0).
  AboveColor,
  // Slot 1 gets slot 0, the cell made last; the others its pen and colour with every corner at
  // (0, 0), and slot 0 loses its corners and distance.
  FromSlotZero,
};
// Makes the cell list hold `cells` gathered cells and the blanked slots, whichever is more, and
// blanks slots 1..blankSlotCount; nothing while the cells are only collected.
void prepareCellSlots(Program& p, std::size_t cells, BlankSlots blank);

// After each cell the cut mark is cleared for the next one; with resetPen the pen goes back to
// the grid colour, solid, as well.
void finishCell(Program& p, bool resetPen);

// Makes the cell of every pair of starts (a outer, b inner) in `cell` and `space` and passes
// those that are Ready to `keep`; false when `make` stopped.
template <typename Make, typename Keep>
bool forEachCell(Program& p, const std::vector<double>& as, const std::vector<double>& bs,
                 CellRecord& cell, CellSpace& space, bool resetPen, Make make, Keep keep) {
  // A cut met before this draw (by a listing, say) must not cost the first cell.
  p.engine.CutFlag = false;
  for (const double a : as) {
    for (const double b : bs) {
      const CellResult r = make(a, b, cell, space);
      if (r == CellResult::Stop) return false;
      if (r == CellResult::Ready) keep(cell, space);
      finishCell(p, resetPen);
    }
  }
  return true;
}

// Adds a cell of the graph being drawn to the picture's cells in space.
void keepSpaceCell(Program& p, const CellRecord& cell, const CellSpace& space);

// Gathers the cells, each made in slot 0, from slot 1 on and paints them far to near; false,
// with nothing painted and none of the cells kept in space, when `make` stopped (cancelled or
// an evaluation failed). While the cells are only collected, the cell list is left alone: the
// cells are made in a copy of slot 0 and go to the picture's cells in space alone.
template <typename Make>
bool gatherCells(Program& p, const std::vector<double>& as, const std::vector<double>& bs,
                 bool resetPen, Make make) {
  int stored = 0;
  const std::size_t kept = p.SceneCells.size();
  CellRecord scratch = p.CellList[0];
  CellRecord& cell = p.CollectCells ? scratch : p.CellList[0];
  CellSpace space;
  const auto keep = [&p, &stored](const CellRecord& made, const CellSpace& where) {
    if (!p.CollectCells) p.CellList[++stored] = made;
    keepSpaceCell(p, made, where);
  };
  if (!forEachCell(p, as, bs, cell, space, resetPen, make, keep)) {
    p.SceneCells.resize(kept);
    return false;
  }
  if (!p.CollectCells) PaintCellList(p, stored);
  return true;
}

// Visits every grid point of the domain, the ends included, for the listing, unless a movie
// frame skips it; the host shows the busy cursor meanwhile.
template <typename Visit> void listGrid(Program& p, const CellGrid& grid, Visit visit) {
  if (p.SkipListing) return;
  const GridDomain& d = grid.domain;
  p.host->setBusyCursor(true);
  for (const double a : gridValues(d.aMin, grid.da, true, d.aMax)) {
    for (const double b : gridValues(d.bMin, grid.db, true, d.bMax)) visit(a, b);
  }
  p.host->setBusyCursor(false);
}

// A surface z = f(a, b) over a grid of (a, b): the rectangular kind in (x, y), the cylindrical
// one in (r, t).
struct GridSurface {
  struct Place {
    double x, y;
  };
  // The domain of (a, b) in the graph state.
  GridDomain (*domain)(const GraphState& g);
  // f at (a, b), through the kind's variables and evaluation.
  double (*value)(Program& p, double a, double b);
  // The point (x, y) over which (a, b) lies.
  Place (*place)(double a, double b);
  // The slopes along x and y at (a, b) from those along a and b.
  Slopes (*slopes)(double a, double b, Slopes along);
  // b as the listing shows it.
  double (*listed)(double b);
  // How far outside the z axis range a corner may lie before its cell is left out.
  double zMargin;
  // How far past the domain's end a cell's far edge may reach.
  double cellTolerance;
  // The evaluation leaves a failure standing instead of clearing the flags first, so a
  // degenerate domain, which has no per-cell clearing, clears one left from an earlier draw.
  bool keepsOldFailure;
  // The pen goes back to the grid colour after every cell, whether painted at once or not.
  bool resetsPen;
};

// Sets the pen to the grid colour, in which every curve and outline of the surface is drawn,
// and cuts the domain into cells.
CellGrid startSurface(Program& p, const GridSurface& s);
// The cell at (a, b) spanning towards (a + da, b + db); the steps may be negative.
CellResult makeSurfaceCell(Program& p, const GridSurface& s, const EyePoint& eye, double a,
                           double b, double da, double db, CellRecord& cell, CellSpace& space);
// On a degenerate domain, the one curve along the direction of non-zero width in the grid
// colour, then the listing unless an evaluation failed; false (nothing drawn) when the domain
// has cells.
bool drawIfDegenerate(Program& p, const GridSurface& s, const CellGrid& grid);
// The listing of the points where f is defined.
void listSurface(Program& p, const GridSurface& s, const CellGrid& grid);
// The cells gathered in the cell list and painted far to near, then the listing.
void drawGatheredSurface(Program& p, const GridSurface& s);
