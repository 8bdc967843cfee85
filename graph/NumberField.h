// SPDX-License-Identifier: MIT
// Numeric dialog fields: read as expressions of the language; unreadable text keeps the value.
#pragma once

#include "graph/Session.h"

#include <string_view>

// An empty text, or one that sets SyntaxError or MathError, leaves value unchanged, silently.
void ReadNumberField(Session& s, std::string_view text, double& value);
// The same, telling whether the field was read.
bool TryReadNumberField(Session& s, std::string_view text, double& value);
