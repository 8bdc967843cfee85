// SPDX-License-Identifier: MIT
// The ten example functions offered per graph kind, and loading one into the graph state.
#pragma once

#include <span>

struct Session;

// One example: the caption a user reads, and the text(s) stored into the function fields.
// Kinds 1, 2 and the implicit surfaces use function; kinds 3 and 4 use x, y and z.
struct Sample {
  const char* label;
  const char* function;
  const char* x;
  const char* y;
  const char* z;
};

// Places in the samples window; a kind may offer fewer examples than this.
constexpr int SampleSlots = 10;

// The examples of a kind, '1' to '4' or '6', in window order; empty for any other kind.
std::span<const Sample> SamplesOf(char kind);
// Example n (1 to SampleSlots) of the kind, or nullptr when the kind has none there.
const Sample* FindSample(char kind, int n);
// What a click on example n does: FunctionReady, and the example's text(s) in the function
// fields of the kind. The domain, the axes and everything else stay as they are. Returns
// false, changing nothing, when the kind has no example n.
bool ChooseSample(Session& s, char kind, int n);
// The example of the kind whose texts the function fields hold now, or 0 for none.
int CurrentSample(const Session& s, char kind);
