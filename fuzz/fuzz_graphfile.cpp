// SPDX-License-Identifier: MIT
// libFuzzer target for graph files: any bytes are refused with a reason or applied, and what
// is applied writes a file that reads back to the same graph.
#include "graph/GraphFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// The graph and extras a text gives when it is taken, as the text they write.
bool applied(std::string_view text, std::string& written) {
  GraphFile file;
  std::string reason;
  if (!ParseGraphFile(text, file, reason)) {
    check(!reason.empty());
    return false;
  }
  Session s;
  ChooseGraphKind(s, file.kind);
  ResetGraphDefaults(s);
  GraphExtras extras;
  std::vector<std::string> warnings;
  ApplyGraphFile(s, file, extras, warnings);
  written = WriteGraphFile(s.graph, extras, s.KeptGraphs);
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string first;
  if (!applied(text, first)) return 0;
  // What this version writes, it takes without a warning and writes again unchanged.
  std::string second;
  check(applied(first, second));
  check(first == second);
  return 0;
}
