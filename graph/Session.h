// SPDX-License-Identifier: MIT
// The graph state, the expression engine, the host and the value listing, held together.
#pragma once

#include "expr/Expression.h"
#include "graph/GraphState.h"
#include "graph/Host.h"
#include "graph/KeptGraphs.h"

#include <string>
#include <string_view>
#include <vector>

// The last failure an evaluation wrapper reported: which function and why.
struct EvalFailure {
  bool set = false;
  // The function's letter as the editor labels it: 'Z' for the one function of the surfaces
  // z = f(x,y) and z = f(r,t); 'X', 'Y' or 'Z' for the curves and the patches; 'F' for the
  // implicit surfaces.
  char function = 'Z';
  std::string text;
  // A syntax error's place in the text as typed (the engine's ErrorColumn and ErrorLength);
  // column 0 for a value that could not be had, at the variables in at.
  int column = 0, length = 0;
  std::string reason;
  std::string at; // "t = 1.5" or "u = 0, v = 1" where a value could not be had
};

struct Session {
  GraphState graph;
  ExpressionEngine engine;
  Host* host = &silentHost();
  // The function-value listing of the last draw, one line per listed point.
  std::vector<std::string> Values;
  // A newer view waits (the picture was dragged or zoomed again during its redraw): the
  // drawing under way is abandoned at its next cancel poll; whoever set it clears it.
  bool ViewPending = false;
  EvalFailure LastFailure;
  // The graphs kept in the picture besides the current one, in the order they were kept.
  std::vector<KeptGraph> KeptGraphs;
  // Set by the cancel poll when it tells a drawing to stop; whoever draws clears it first.
  bool DrawCancelled = false;
  // What the last drawing of several graphs said of each kept graph that could not be
  // evaluated and was left out: "Kept graph 2: z = 1/0 cannot be evaluated (...)".
  std::vector<std::string> GraphFailures;

  // Evaluates text at the graph's current variables and parameters.
  double evaluate(std::string_view text) { return engine.EvaluateExpression(text, graph); }
};
