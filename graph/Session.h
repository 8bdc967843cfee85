// SPDX-License-Identifier: MIT
// The graph state, the expression engine, the host and the value listing, held together.
#pragma once

#include "expr/Expression.h"
#include "graph/GraphState.h"
#include "graph/Host.h"

#include <string>
#include <string_view>
#include <vector>

struct Session {
  GraphState graph;
  ExpressionEngine engine;
  Host* host = &silentHost();
  // The function-value listing of the last draw, one line per listed point.
  std::vector<std::string> Values;
  // A newer view waits (the picture was dragged or zoomed again during its redraw): the
  // drawing under way is abandoned at its next cancel poll; whoever set it clears it.
  bool ViewPending = false;

  // Evaluates text at the graph's current variables and parameters.
  double evaluate(std::string_view text) { return engine.EvaluateExpression(text, graph); }
};
