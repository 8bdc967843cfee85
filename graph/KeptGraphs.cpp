// SPDX-License-Identifier: MIT
// One graph's own settings taken out of the graph state and put back, and the graphs' names.
#include "graph/KeptGraphs.h"

#include "graph/Format.h"
#include "graph/GraphState.h"
#include "graph/Session.h"

#include <type_traits>
#include <utility>

namespace {

// The fields both ways through one list, so that taking and putting cannot drift apart: from
// a const graph state into the fields, or from const fields into the graph state.
template <typename State, typename Fields> void exchange(State& g, Fields& f) {
  const auto pass = [](auto& state, auto& field) {
    if constexpr (std::is_const_v<State>)
      field = state;
    else
      state = field;
  };
  pass(g.GraphKind, f.GraphKind);
  pass(g.FunctionText, f.FunctionText);
  pass(g.FunctionTextX, f.FunctionTextX);
  pass(g.FunctionTextY, f.FunctionTextY);
  pass(g.FunctionTextZ, f.FunctionTextZ);
  pass(g.XMin, f.XMin), pass(g.XMax, f.XMax), pass(g.YMin, f.YMin), pass(g.YMax, f.YMax);
  pass(g.ZMin, f.ZMin), pass(g.ZMax, f.ZMax);
  pass(g.RMin, f.RMin), pass(g.RMax, f.RMax), pass(g.TMin, f.TMin), pass(g.TMax, f.TMax);
  pass(g.UMin, f.UMin), pass(g.UMax, f.UMax), pass(g.VMin, f.VMin), pass(g.VMax, f.VMax);
  pass(g.XCurves, f.XCurves), pass(g.YCurves, f.YCurves), pass(g.ZCurves, f.ZCurves);
  pass(g.TStep, f.TStep);
  pass(g.AboveColor, f.AboveColor), pass(g.UnderColor, f.UnderColor);
  pass(g.GridColor, f.GridColor);
  pass(g.ShadingOn, f.ShadingOn);
}

} // namespace

GraphFields GraphFieldsOf(const GraphState& g) {
  GraphFields f;
  exchange(g, f);
  return f;
}

void SetGraphFields(GraphState& g, const GraphFields& fields) {
  exchange(g, fields);
}

bool KeepCurrentGraph(Session& s) {
  if (s.KeptGraphs.size() >= MaxKeptGraphs) return false;
  s.KeptGraphs.push_back({GraphFieldsOf(s.graph), true});
  return true;
}

bool MakeKeptGraphCurrent(Session& s, std::size_t index) {
  if (index >= s.KeptGraphs.size()) return false;
  KeptGraph& kept = s.KeptGraphs[index];
  const GraphFields current = GraphFieldsOf(s.graph);
  SetGraphFields(s.graph, kept.fields);
  kept = {current, true};
  return true;
}

bool RemoveKeptGraph(Session& s, std::size_t index) {
  if (index >= s.KeptGraphs.size()) return false;
  s.KeptGraphs.erase(s.KeptGraphs.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

std::string PictureFullText() {
  return "A picture holds at most " + std::to_string(MaxPictureGraphs) +
         " graphs: remove a kept graph in the Graphs window first";
}

std::string GraphName(const GraphFields& f) {
  switch (f.GraphKind) {
  case '1':
    return "z = " + f.FunctionText;
  case '2':
    return "z = " + f.FunctionText + " (r, t)";
  case '3':
    return "x = " + f.FunctionTextX + ", y = " + f.FunctionTextY + ", z = " + f.FunctionTextZ +
           " (t)";
  case '4':
    return "x = " + f.FunctionTextX + ", y = " + f.FunctionTextY + ", z = " + f.FunctionTextZ +
           " (u, v)";
  case ImplicitKind:
    return ImplicitCaptionText(f.FunctionText) + " (x, y, z)";
  default:
    return "no graph";
  }
}

GraphFieldsIn::GraphFieldsIn(GraphState& g, const GraphFields& fields)
    : m_graph(g), m_current(GraphFieldsOf(g)) {
  SetGraphFields(g, fields);
}

GraphFieldsIn::~GraphFieldsIn() {
  SetGraphFields(m_graph, m_current);
}
