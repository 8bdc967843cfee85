// SPDX-License-Identifier: MIT
// The cell record and list of the surface renderers, the far-to-near painting, and shading.
#pragma once

#include "graph/Colors.h"
#include "render/View.h"

#include <array>
#include <cstdint>

struct Program;
class Canvas;

struct CellRecord {
  std::array<Pixel, 4> Corners = {};
  double Distance = 0;
  Color FillColor = 0;
  std::uint8_t PenStyle = 0;
  friend bool operator==(const CellRecord&, const CellRecord&) = default;
};

// The largest regular grid, 80 by 80 cells; slot 0 comes on top.
inline constexpr int CellListCapacity = 6400;

// Makes room for slots 0..count.
void ensureCellSlots(Program& p, std::size_t count);

// Sorts slots 1..count farthest first (selection sort: among equal distances the record that
// stands first when the slot is filled wins) and paints them. In movie mode the list is first
// copied into FrameStore[MovieFrameIndex]. A count beyond the list is cut to the list.
void PaintCellList(Program& p, int count);
void SwapCells(CellRecord& a, CellRecord& b);

// The grid colour's pen and the record's brush, then back to a solid pen.
void paintCell(Canvas& canvas, Color grid, const CellRecord& cell);
void paintCell(Program& p, const CellRecord& cell);

void ShadeColor(Color base, Color& out, double intensity);
void ShadeBasicColor(Color base, Color& out, double intensity);
void RgbToHsv(double& hue, double& saturation, double& value, double r, double g, double b);
void HsvToRgb(double& r, double& g, double& b, double hue, double saturation, double value);
bool IsNaN(double d);
// The hue of a grey: all bits but the sign set.
double greyHue();
