// SPDX-License-Identifier: MIT
// Printing the picture scaled to the page, and the value listing as text, on any paged device
// (a printer, or a PDF writer).
#pragma once

#include "io/Codec.h"

#include <QPagedPaintDevice>
#include <QRect>

#include <string>
#include <vector>

// Where the window's image goes on the page and which part of it is taken. It fills 80 % of
// the page's width or height, keeps the window's proportions, and is indented by 7 % of the
// other dimension and by 20 printer pixels on the other side; the source leaves 4 pixels on
// the left and top and 4 on the bottom.
struct PrintPlacement {
  QRect target;
  QRect source;
};
PrintPlacement PrintFit(QSize page, QSize window, QSize image);

// Prints the image of the window's client area (title and labels, no rotation panel) on one
// page; window is the main window's outer size in screen pixels.
FileResult PrintPicture(QPagedPaintDevice& printer, const QImage& clientImage, QSize window);

// The listing printout: two empty lines, the kind's header, 35 dashes, then every line.
const char* ListingPrintHeader(char kind);
std::vector<std::string> ListingPrintout(char kind, const std::vector<std::string>& lines);
FileResult PrintListing(QPagedPaintDevice& printer, char kind,
                        const std::vector<std::string>& lines);
