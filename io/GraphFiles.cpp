// SPDX-License-Identifier: MIT
// Graph files on disk.
#include "io/GraphFiles.h"

#include "io/SafeRead.h"
#include "io/SafeWrite.h"

FileResult LoadGraphFile(const std::string& path, GraphFile& file) {
  std::vector<unsigned char> bytes;
  const FileResult read =
      ReadFileSafely(path, GraphFileSizeLimit, bytes, "the file is larger than 4 MiB");
  if (!read.ok) return read;
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  std::string reason;
  if (!ParseGraphFile(text, file, reason)) return Failed(reason);
  return {};
}

FileResult SaveGraphFile(const std::string& path, const GraphState& g, const GraphExtras& extras,
                         const std::vector<KeptGraph>& kept) {
  return WriteFileSafely(path, WriteGraphFile(g, extras, kept));
}
