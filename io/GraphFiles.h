// SPDX-License-Identifier: MIT
// Graph files on disk: read without waiting for ever on a pipe, written without losing a file.
#pragma once

#include "graph/GraphFile.h"
#include "io/Codec.h"

#include <string>

// Reads and checks the graph file at path; the message names the line where a line is at fault.
FileResult LoadGraphFile(const std::string& path, GraphFile& file);
// Writes the picture's graph file (its current graph and the kept graphs) to path as every file
// is written: safely, or not at all.
FileResult SaveGraphFile(const std::string& path, const GraphState& g, const GraphExtras& extras,
                         const std::vector<KeptGraph>& kept);
