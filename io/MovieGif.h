// SPDX-License-Identifier: MIT
// The built movie written as an animated GIF, as the window saves it and the command line
// writes it.
#pragma once

#include "io/Codec.h"

#include <functional>
#include <string>

struct Program;

// Paints the frames as the player does and writes them, each shown for the movie's delay and
// played for ever, through WriteFileSafely: the whole file or none. progress is told the
// number of frames written so far.
FileResult SaveMovieGif(Program& p, const std::string& path,
                        const std::function<void(int)>& progress = {});
