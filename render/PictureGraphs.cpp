// SPDX-License-Identifier: MIT
// Drawing every graph of the picture into the one list of cells.
#include "render/PictureGraphs.h"

#include "graph/KeptGraphs.h"
#include "render/Program.h"

std::vector<std::string> PictureGraphNames(const Program& p) {
  return {GraphName(GraphFieldsOf(p.graph))};
}
