// SPDX-License-Identifier: MIT
// Numeric dialog fields: read as expressions of the language; unreadable text keeps the value.
#pragma once

#include "graph/Session.h"

#include <string>
#include <string_view>

// Why a field's text was not read; no reason when it was.
struct FieldProblem {
  // "empty: the old value is kept", "column 3: the text ends too early" (a syntax error, with
  // the engine's reason) or "no value: a domain error".
  std::string reason;
  // A syntax error's place in the text, as the engine reports it (ErrorColumn, ErrorLength);
  // column 0 for an empty text or a domain error.
  int column = 0, length = 0;
  explicit operator bool() const { return !reason.empty(); }
};

// An empty text, or one that sets SyntaxError or MathError, leaves value unchanged, silently.
void ReadNumberField(Session& s, std::string_view text, double& value);
// The same, telling whether the field was read.
bool TryReadNumberField(Session& s, std::string_view text, double& value);
// The same again, telling why a text was not read.
bool TryReadNumberField(Session& s, std::string_view text, double& value, FieldProblem& problem);
// Why the text would not be read, reading it into no value.
FieldProblem NumberFieldProblem(Session& s, std::string_view text);
