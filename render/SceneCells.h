// SPDX-License-Identifier: MIT
// The cells and curves of every graph of the picture in graph space as well as on the picture:
// the one list several graphs are sorted together in, and what exact hiding and the meshes read.
#pragma once

#include "graph/Point3.h"
#include "render/CellList.h"

#include <array>
#include <cstdint>
#include <vector>

// What a cell's colour was made from, so that the cell can be coloured for another eye without
// evaluating anything again: the slopes of a surface z = f(x, y) at the cell's centre, or the
// normal of a patch there, or the normal of an implicit surface's triangle, whose colour is
// that of the side the eye sees from the triangle; a cell the renderer gave no colour of its
// own keeps its record's.
struct CellLook {
  enum class From : std::uint8_t { Record, Slopes, Normal, Facing };
  From from = From::Record;
  double a = 0, b = 0, c = 0;
};

// A cell in graph space: its corners, in the order of the record's pixels, and its look. A
// triangle repeats its third corner as the fourth.
struct CellSpace {
  std::array<Point3, 4> corners;
  CellLook look;
};

struct SpaceCell {
  CellRecord record;
  CellSpace space;
  // The graph's place in the picture, 0 for the first.
  int graph = 0;
};

// A space curve's points in the order the curve runs through them; the one curve of a surface
// over a domain of no width is drawn in its graph's grid colour, a space curve in the pen colour.
struct SpaceCurve {
  int graph = 0;
  std::vector<Point3> points;
  bool inGridColor = false;
};
