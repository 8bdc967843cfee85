// SPDX-License-Identifier: MIT
// Box, plane and line.
#include "render/Additions.h"

#include "graph/Sampling.h"
#include "render/Axes.h"
#include "render/HiddenScene.h"
#include "render/PictureGraphs.h"
#include "render/Program.h"
#include "render/surfaces/ImplicitSurface.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cmath>
#include <string>

namespace {

void say(Program& p, std::string_view message) {
  if (p.showMessage) p.showMessage(std::string(message));
}

// A fifteenth of an axis range, or 0.5 for an empty one.
double patchStep(double min, double max) {
  const double d = (max - min) / 15;
  return d == 0 ? 0.5 : d;
}

// The four corners: over x and y when the normal has a z part, else a vertical patch, along
// the plane's trace in the x-y plane or, with no y part either, in the plane x = X0.
std::array<Point3, 4> planeCorners(const PlaneData& d) {
  const double h = d.MaxY;
  if (d.C != 0) {
    const auto at = [&](double x, double y) {
      return Point3{x, y, (d.A * d.X0 + d.B * d.Y0 + d.C * d.Z0 - d.A * x - d.B * y) / d.C};
    };
    return {at(d.X0 + d.MinX, d.Y0 + d.MinY), at(d.X0 + d.MaxX, d.Y0 + d.MinY),
            at(d.X0 + d.MaxX, d.Y0 + d.MaxY), at(d.X0 + d.MinX, d.Y0 + d.MaxY)};
  }
  if (d.B != 0) {
    const auto y = [&](double x) { return (d.A * d.X0 + d.B * d.Y0 - d.A * x) / d.B; };
    const double x1 = d.X0 + d.MaxX, x2 = d.X0 + d.MinX;
    return {Point3{x1, y(x1), d.Z0 + h}, Point3{x2, y(x2), d.Z0 + h}, Point3{x2, y(x2), d.Z0 - h},
            Point3{x1, y(x1), d.Z0 - h}};
  }
  return {Point3{d.X0, d.Y0 + d.MinY, d.Z0 + h}, Point3{d.X0, d.Y0 + d.MaxY, d.Z0 + h},
          Point3{d.X0, d.Y0 + d.MaxY, d.Z0 - h}, Point3{d.X0, d.Y0 + d.MinY, d.Z0 - h}};
}

void drawPlane(Program& p) {
  const GraphState& g = p.graph;
  Canvas& c = *p.canvas;
  c.setPenColor(g.PenColor);
  c.setBrushColor(g.PenColor);
  const std::array<Point3, 4> corners = planeCorners(g.Plane);
  // A corner out at infinity (a normal all but lying in the patch) has no place to draw.
  bool drawable = true;
  for (const Point3& q : corners) drawable = drawable && finite(q);
  if (drawable) {
    std::array<Pixel, 4> pixels;
    for (std::size_t i = 0; i < 4; ++i)
      pixels[i] = ProjectPoint(p.view, corners[i].x, corners[i].y, corners[i].z);
    c.polygon(pixels);
  }
  const Pixel mark = ProjectPoint(p.view, g.Plane.X0, g.Plane.Y0, g.Plane.Z0);
  c.setPenColor(clLime);
  c.moveTo(mark.x, mark.y);
  c.lineTo(mark.x + (mark.x < INT32_MAX), mark.y + (mark.y < INT32_MAX));
  DrawAxes(p);
}

void lineThrough(Program& p, std::initializer_list<Point3> points) {
  bool first = true;
  for (const Point3& q : points) {
    const Pixel at = ProjectPoint(p.view, q.x, q.y, q.z);
    if (first) {
      p.canvas->moveTo(at.x, at.y);
    } else {
      p.canvas->lineTo(at.x, at.y);
    }
    first = false;
  }
}

} // namespace

void PreparePlaneData(GraphState& g) {
  if (g.PlaneDefined) return;
  const double dx = patchStep(g.AxisXMin, g.AxisXMax), dy = patchStep(g.AxisYMin, g.AxisYMax);
  g.Plane = PlaneData{0, 0, 0, 0, 0, 0, -dx, dx, -dy, dy};
}

void PrepareLineData(GraphState& g) {
  if (!g.LineDefined) g.Line = LineData{};
}

void PlaneRoutine(Program& p) {
  GraphState& g = p.graph;
  PreparePlaneData(g);
  if (!g.PlaneOn) return;
  if (!g.PlaneDefined) {
    say(p, PlaneDataMissing);
    return;
  }
  drawPlane(p);
}

void LineRoutine(Program& p) {
  GraphState& g = p.graph;
  PrepareLineData(g);
  if (!g.LineOn) return;
  if (!g.LineDefined) {
    say(p, LineDataMissing);
    return;
  }
  p.canvas->setPenColor(g.PenColor);
  const LineData& d = g.Line;
  lineThrough(p, {{d.X1, d.Y1, d.Z1}, {d.X2, d.Y2, d.Z2}});
}

void BoxRoutine(Program& p) {
  // With several graphs the box encloses them all.
  const GraphExtents e = PictureExtents(p);
  const GraphState& g = p.graph;
  if (!g.DrawBoxChecked) return;
  p.canvas->setPenColor(g.PenColor);
  const double x0 = e.XMin, x1 = e.XMax, y0 = e.YMin, y1 = e.YMax, z0 = e.ZMin, z1 = e.ZMax;
  lineThrough(p, {{x1, y1, z0},
                  {x1, y0, z0},
                  {x0, y0, z0},
                  {x0, y1, z0},
                  {x1, y1, z0},
                  {x1, y1, z1},
                  {x1, y0, z1},
                  {x0, y0, z1},
                  {x0, y1, z1},
                  {x1, y1, z1}});
  lineThrough(p, {{x1, y0, z0}, {x1, y0, z1}});
  lineThrough(p, {{x0, y0, z0}, {x0, y0, z1}});
  lineThrough(p, {{x0, y1, z0}, {x0, y1, z1}});
}

void TellMissingAdditions(Program& p) {
  GraphState& g = p.graph;
  PreparePlaneData(g);
  if (g.PlaneOn && !g.PlaneDefined) say(p, PlaneDataMissing);
  PrepareLineData(g);
  if (g.LineOn && !g.LineDefined) say(p, LineDataMissing);
}

SceneAdditions AdditionsInSpace(Program& p) {
  GraphState& g = p.graph;
  SceneAdditions a;
  TellMissingAdditions(p);
  if (g.PlaneOn && g.PlaneDefined) {
    a.planeCorners = planeCorners(g.Plane);
    a.plane = std::all_of(a.planeCorners.begin(), a.planeCorners.end(),
                          [](const Point3& q) { return finite(q); });
    a.planeMarked = true;
    a.planePoint = {g.Plane.X0, g.Plane.Y0, g.Plane.Z0};
  }
  if (g.LineOn && g.LineDefined) {
    a.line = true;
    a.lineFrom = {g.Line.X1, g.Line.Y1, g.Line.Z1};
    a.lineTo = {g.Line.X2, g.Line.Y2, g.Line.Z2};
  }
  const GraphExtents e = PictureExtents(p);
  if (g.DrawBoxChecked) {
    const double x0 = e.XMin, x1 = e.XMax, y0 = e.YMin, y1 = e.YMax, z0 = e.ZMin, z1 = e.ZMax;
    const Point3 corners[8] = {{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0},
                               {x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}};
    for (int k = 0; k < 4; ++k) {
      a.boxEdges.push_back({corners[k], corners[(k + 1) % 4]});
      a.boxEdges.push_back({corners[4 + k], corners[4 + (k + 1) % 4]});
      a.boxEdges.push_back({corners[k], corners[4 + k]});
    }
  }
  return a;
}
