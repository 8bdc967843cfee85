// SPDX-License-Identifier: MIT
// Writing a whole file so that a failure leaves the old file (or none) and never a cut one.
#pragma once

#include "io/Codec.h"

#include <string>
#include <string_view>

// Writes bytes as the file at path. A regular file (or a new one) is written beside its target
// and renamed over it only when every byte has reached the system, so a full disk or a file
// size limit leaves the old file as it was and no partial file. A target that exists but is
// not a regular file (a named pipe, a terminal, /dev/null) is written in place and never
// replaced. A symbolic link is followed. Failures carry the system's own reason.
FileResult WriteFileSafely(const std::string& path, std::string_view bytes);
