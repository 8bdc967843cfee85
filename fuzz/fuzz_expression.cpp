// SPDX-License-Identifier: MIT
// libFuzzer target for the expression engine (placeholder until the engine lands).
#include "expr/Expression.h"
#include <cstddef>
#include <cstdint>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)data;
  (void)size;
  return 0;
}
