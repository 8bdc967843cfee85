// SPDX-License-Identifier: MIT
// A new background colour painted into an existing picture.
#pragma once

#include "graph/Colors.h"

#include <QImage>

// Replaces every pixel whose colour is exactly `from` by `to`, row by row. Shaded cells,
// outlines and anything else drawn in a colour merely close to the old background keep their
// colours. Alpha plays no part: the picture is opaque. A picture in a format other than
// 32-bit or 24-bit RGB is first converted to 32-bit RGB.
void ReplaceBackgroundColor(QImage& picture, Color from, Color to);
