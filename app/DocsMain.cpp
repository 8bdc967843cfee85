// SPDX-License-Identifier: MIT
// Build tool: writes the manual page and the shell completions from the table of render options.
#include "app/CliDocs.h"
#include "graph/Version.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool writeFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  if (file) return true;
  std::fprintf(stderr, "kelvo_docs: cannot write %s\n", path.c_str());
  return false;
}

} // namespace

// kelvo_docs FOLDER: writes FOLDER/kelvo.1, FOLDER/kelvo.bash and FOLDER/_kelvo.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: kelvo_docs FOLDER\n", stderr);
    return 2;
  }
  const std::string folder = argv[1];
  const bool written = writeFile(folder + "/kelvo.1", ManualPage(KelvoVersion, KelvoReleaseDate)) &&
                       writeFile(folder + "/kelvo.bash", BashCompletion()) &&
                       writeFile(folder + "/_kelvo", ZshCompletion());
  return written ? 0 : 1;
}
