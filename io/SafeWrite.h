// SPDX-License-Identifier: MIT
// Writing a whole file so that a failure leaves the old file (or none) and never a cut one.
#pragma once

#include "io/Codec.h"

#include <string>
#include <string_view>

// Writes bytes as the file at path. A regular file (or a new one) is written as an unnamed
// file in the target's folder, flushed to the disk, and only then put in the target's place,
// so a full disk, a file size limit, a crash or a kill leaves the old file as it was and no
// partial file (where the file system has no unnamed files, a named one beside the target is
// removed on failure and on SIGTERM, SIGINT, SIGHUP and SIGQUIT). A file the user may not write
// (one without write permission) is refused, not replaced. A symbolic link is followed, also one
// that names a file not there yet, and stays a link. A target that exists but is not a regular
// file (a named pipe, a terminal, /dev/null) is written in place and never replaced; a named
// pipe that nothing reads from is refused at once instead of waited on. Failures carry the
// system's own reason.
FileResult WriteFileSafely(const std::string& path, std::string_view bytes);
