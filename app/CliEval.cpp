// SPDX-License-Identifier: MIT
// `kelvo eval TEXT [NAME=NUMBER ...]`: one evaluation in a fresh engine.
#include "app/Cli.h"
#include "app/CliOptions.h"

#include "graph/Session.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

double* variableNamed(GraphState& g, const std::string& name) {
  if (name.size() != 1) return nullptr;
  switch (name[0] | 0x20) {
  case 'x':
    return &g.VarX;
  case 'y':
    return &g.VarY;
  case 'r':
    return &g.VarR;
  case 't':
    return &g.VarT;
  case 'u':
    return &g.VarU;
  case 'v':
    return &g.VarV;
  case 'a':
    return &g.ParamA;
  case 'b':
    return &g.ParamB;
  case 'c':
    return &g.ParamC;
  case 'd':
    return &g.ParamD;
  case 'e':
    return &g.ParamE;
  case 'f':
    return &g.ParamF;
  default:
    return nullptr;
  }
}

// A plain decimal number as strtod reads it, but in every locale the same.
bool parsePlainNumber(const std::string& text, double& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  if (first == last) return false;
  const auto result = std::from_chars(first, last, value);
  return result.ec == std::errc() && result.ptr == last;
}

} // namespace

int RunEval(const std::vector<std::string>& args) {
  if (args.empty()) {
    std::cerr << "kelvo eval: missing TEXT\n";
    return ExitUsage;
  }
  Session s;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& assignment = args[i];
    const auto eq = assignment.find('=');
    double* target =
        eq == std::string::npos ? nullptr : variableNamed(s.graph, assignment.substr(0, eq));
    if (!target) {
      std::cerr << "kelvo eval: unknown name in " << QuotedValue(assignment) << '\n';
      return ExitUsage;
    }
    if (!parsePlainNumber(assignment.substr(eq + 1), *target)) {
      std::cerr << "kelvo eval: cannot read the number in " << QuotedValue(assignment) << '\n';
      return ExitUsage;
    }
  }
  const double value = s.evaluate(args[0]);
  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
  std::cout << std::string(buffer, end.ptr) << " syntax=" << s.engine.SyntaxError
            << " math=" << s.engine.MathError << " cut=" << s.engine.CutFlag << '\n';
  if (s.engine.SyntaxError)
    std::cerr << "kelvo: column " << s.engine.ErrorColumn << ": " << s.engine.ErrorReason << '\n';
  return FinishStandardOutput("kelvo eval");
}

int FinishStandardOutput(const char* command) {
  errno = 0;
  std::cout.flush();
  if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout) return ExitOk;
  const int error = errno;
  std::cerr << command << ": cannot write to standard output: "
            << (error ? std::strerror(error) : "write error") << '\n';
  return ExitWrite;
}
