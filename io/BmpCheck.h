// SPDX-License-Identifier: MIT
// The check every bitmap passes before Qt's reader sees it: the file must define every pixel.
#pragma once

#include <cstddef>
#include <string>

// Empty when the bitmap's header is one the reader knows and its data define every pixel the
// header declares, with every palette index inside the palette; else a short reason. Qt's reader
// leaves the pixels a short or skipping file does not supply as whatever memory held before,
// so nothing it would decode that way may reach it.
std::string BmpProblem(const unsigned char* data, std::size_t size);
