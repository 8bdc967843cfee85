// SPDX-License-Identifier: MIT
// The 16 x 16 arrows of the rotation buttons.
#pragma once

#include <QIcon>

enum class ArrowGlyph { Up, Down, Left, Right };

// A dark arrow pointing its way; Qt derives the greyed image of the disabled state.
QIcon arrowIcon(ArrowGlyph glyph);
