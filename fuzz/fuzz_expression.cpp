// SPDX-License-Identifier: MIT
// libFuzzer target for the expression engine: any bytes as text, variables from the first bytes.
#include "expr/Expression.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

void checkResult(const ExpressionEngine& engine, double result, std::string_view text) {
  if (engine.SyntaxError || engine.MathError)
    check(std::bit_cast<std::uint64_t>(result) == 0);
  else
    check(std::isfinite(result));
  // A syntax error points into the text (or just past its end) and says why.
  if (engine.SyntaxError) {
    const long long size = static_cast<long long>(text.size());
    check(engine.ErrorColumn >= 1 && engine.ErrorColumn <= size + 1);
    check(engine.ErrorLength >= 0 && engine.ErrorColumn - 1 + engine.ErrorLength <= size);
    check(!engine.ErrorReason.empty());
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte picks which variables come from the next bytes (each from 8 bytes as a
  // double, so infinities and NaNs occur too) and, by its top bit, whether the text is read as
  // an equation in space; the rest is the text.
  ExpressionVariables vars;
  double* fields[] = {&vars.VarX,   &vars.VarY,   &vars.VarU, &vars.VarV,
                      &vars.ParamA, &vars.ParamE, &vars.VarZ};
  unsigned mask = size > 0 ? data[0] : 0;
  const Grammar grammar = (mask & 0x80) ? Grammar::SpaceEquation : Grammar::Plain;
  std::size_t used = size > 0 ? 1 : 0;
  for (double* field : fields) {
    if ((mask & 1) && size - used >= sizeof(double)) {
      std::memcpy(field, data + used, sizeof(double));
      used += sizeof(double);
    } else {
      *field = static_cast<double>(mask & 7) - 3;
    }
    mask >>= 1;
  }
  const std::string_view text(reinterpret_cast<const char*>(data + used), size - used);

  static ExpressionEngine kept;
  ExpressionEngine plain, once;
  plain.CutFlag = once.CutFlag = kept.CutFlag;
  for (int round = 0; round < 2; ++round) { // the second round replays the kept steps
    const double a = kept.EvaluateExpression(text, vars, grammar);
    checkResult(kept, a, text);
    const double b = plain.EvaluateUncached(text, vars, grammar);
    checkResult(plain, b, text);
    const double c = once.EvaluateOnce(text, vars, grammar);
    check(std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b));
    check(std::bit_cast<std::uint64_t>(c) == std::bit_cast<std::uint64_t>(b));
    check(kept.SyntaxError == plain.SyntaxError && kept.MathError == plain.MathError);
    check(once.SyntaxError == plain.SyntaxError && once.MathError == plain.MathError);
    check(kept.CutFlag == plain.CutFlag && once.CutFlag == plain.CutFlag);
    if (plain.SyntaxError)
      check(kept.ErrorColumn == plain.ErrorColumn && kept.ErrorLength == plain.ErrorLength &&
            kept.ErrorReason == plain.ErrorReason);
  }
  return 0;
}
