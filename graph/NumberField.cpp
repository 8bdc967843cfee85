// SPDX-License-Identifier: MIT
// Numeric dialog fields, read as expressions of the function language.
#include "graph/NumberField.h"

bool TryReadNumberField(Session& s, std::string_view text, double& value, FieldProblem& problem) {
  problem = {};
  if (text.empty()) {
    problem.reason = "empty: the old value is kept";
    return false;
  }
  s.engine.MathError = false;
  s.engine.SyntaxError = false;
  const double result = s.evaluate(text);
  if (s.engine.SyntaxError) {
    problem.column = s.engine.ErrorColumn;
    problem.length = s.engine.ErrorLength;
    problem.reason = "column " + std::to_string(problem.column) + ": " + s.engine.ErrorReason;
    return false;
  }
  if (s.engine.MathError) {
    problem.reason = "no value: a domain error";
    return false;
  }
  value = result;
  return true;
}

bool TryReadNumberField(Session& s, std::string_view text, double& value) {
  FieldProblem ignored;
  return TryReadNumberField(s, text, value, ignored);
}

void ReadNumberField(Session& s, std::string_view text, double& value) {
  TryReadNumberField(s, text, value);
}

FieldProblem NumberFieldProblem(Session& s, std::string_view text) {
  FieldProblem problem;
  double ignored = 0;
  TryReadNumberField(s, text, ignored, problem);
  return problem;
}
