// SPDX-License-Identifier: MIT
// Numeric dialog fields, read as expressions of the function language.
#include "graph/NumberField.h"

bool TryReadNumberField(Session& s, std::string_view text, double& value) {
  if (text.empty()) return false;
  s.engine.MathError = false;
  s.engine.SyntaxError = false;
  const double result = s.evaluate(text);
  if (s.engine.SyntaxError || s.engine.MathError) return false;
  value = result;
  return true;
}

void ReadNumberField(Session& s, std::string_view text, double& value) {
  TryReadNumberField(s, text, value);
}
