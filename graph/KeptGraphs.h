// SPDX-License-Identifier: MIT
// The graphs of a picture: what belongs to one graph rather than to the picture, the graphs
// kept in the picture besides the current one, and the names the picture gives them.
#pragma once

#include "graph/Colors.h"

#include <cstddef>
#include <string>
#include <vector>

struct GraphState;
struct Session;

// One graph's own settings: its kind, function texts, domain, curves, step, surface colours
// and shading. The axes box, the eye, the parameters, the additions and the drawing colours
// belong to the picture. XMin .. ZMax are the domain of a rectangular surface and the extents
// of the other kinds.
struct GraphFields {
  char GraphKind = '1';
  std::string FunctionText = "0", FunctionTextX = "0", FunctionTextY = "0", FunctionTextZ = "0";
  double XMin = 0, XMax = 0, YMin = 0, YMax = 0, ZMin = 0, ZMax = 0;
  double RMin = 0, RMax = 0, TMin = 0, TMax = 0;
  double UMin = 0, UMax = 0, VMin = 0, VMax = 0;
  double XCurves = 0, YCurves = 0, ZCurves = 0, TStep = 0;
  Color AboveColor = 0, UnderColor = 0, GridColor = 0;
  bool ShadingOn = false;
  bool operator==(const GraphFields&) const = default;
};

GraphFields GraphFieldsOf(const GraphState& g);
void SetGraphFields(GraphState& g, const GraphFields& fields);

// A graph kept in the picture by Edit > Keep Graph in Picture, drawn while it is shown.
struct KeptGraph {
  GraphFields fields;
  bool shown = true;
  bool operator==(const KeptGraph&) const = default;
};

// A picture holds the current graph and at most this many graphs in all.
inline constexpr std::size_t MaxPictureGraphs = 16;
inline constexpr std::size_t MaxKeptGraphs = MaxPictureGraphs - 1;
// What the Keep command says once the picture is full.
std::string PictureFullText();

// Edit > Keep Graph in Picture: a copy of the current graph joins the kept graphs, shown. False,
// changing nothing, when the picture holds MaxPictureGraphs graphs already.
bool KeepCurrentGraph(Session& s);
// The kept graph at `index` becomes the current graph, and the current graph takes its place in
// the list, shown. False, changing nothing, for an index out of range.
bool MakeKeptGraphCurrent(Session& s, std::size_t index);
bool RemoveKeptGraph(Session& s, std::size_t index);

// The graph in words: "z = x^2-y^2", "z = r (r, t)", "x = Cos(t), y = Sin(t), z = t (t)",
// "x = u, y = v, z = 0 (u, v)", "x^2+y^2+z^2=4 (x, y, z)".
std::string GraphName(const GraphFields& fields);

// The graph's fields in the graph state while it is drawn, the current graph's back afterwards.
class GraphFieldsIn {
public:
  GraphFieldsIn(GraphState& g, const GraphFields& fields);
  ~GraphFieldsIn();
  GraphFieldsIn(const GraphFieldsIn&) = delete;
  GraphFieldsIn& operator=(const GraphFieldsIn&) = delete;

private:
  GraphState& m_graph;
  GraphFields m_current;
};
