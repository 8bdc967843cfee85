// SPDX-License-Identifier: MIT
// Reading a whole file of bounded size without waiting for ever on a pipe or a device.
#pragma once

#include "io/Codec.h"

#include <cstddef>
#include <string>
#include <vector>

// How long a named pipe, a terminal or another device may keep the reader waiting: for its
// first byte, and between two bytes after that.
constexpr int PipeFirstDataMilliseconds = 500;
constexpr int PipeSilenceMilliseconds = 5000;

// The whole file at path in bytes, or why not: a folder, more than maxBytes (tooLarge is then
// the message), or a pipe or device that stays silent longer than the times above.
FileResult ReadFileSafely(const std::string& path, std::size_t maxBytes,
                          std::vector<unsigned char>& bytes, const std::string& tooLarge);
