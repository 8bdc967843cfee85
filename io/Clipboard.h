// SPDX-License-Identifier: MIT
// The picture on and off the system clipboard (needs a QGuiApplication).
#pragma once

#include "io/Codec.h"

#include <QImage>

extern const char* const NotABitmap;

void PutPictureOnClipboard(const QImage& picture);
// Whether Paste has a picture to take.
bool ClipboardHoldsPicture();
// The clipboard's picture as 24-bit colour, or NotABitmap (or the size limit) as the reason.
DecodedPicture PictureFromClipboard();
