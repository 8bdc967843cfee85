// SPDX-License-Identifier: MIT
// The engine's messages in the window's language.
#pragma once

#include <QString>

#include <string>

// The message as the window shows it. The engine libraries write their messages in English
// (the command line prints them so); the window looks each up under the context "Engine":
// first whole, then against the templates the engine builds its messages from, whose pieces
// (a reason inside "line 3: ...", a file name, a number) are looked up in their turn. A message
// or a piece without a translation stays as written, so without a translator every message is
// shown exactly as the engine made it.
QString EngineText(const std::string& message);
QString EngineText(const QString& message);

// The templates, for the tests: each with its %1 ... in the order they stand.
struct EngineTemplate {
  const char* text;
  // A list ("Theta and Phi"): only for the pieces of a message whose pieces are lists.
  bool list = false;
  // Its pieces may be lists.
  bool holdsLists = false;
};
const EngineTemplate* EngineTemplates(int& count);

// The sample's name, the words before its domain and formulas ("Mexican Hat" of
// "Mexican Hat: 0.01<r<12; Z=Sin(r)/r"), translated, with the rest as it stands.
QString SampleLabelText(const char* label);
