// SPDX-License-Identifier: MIT
// The picture and the listing on a paged device.
#include "io/Printing.h"

#include "render/Rounding.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

PrintPlacement PrintFit(QSize page, QSize window, QSize image) {
  const double pw = page.width(), ph = page.height();
  const double w = std::max(1, window.width()), h = std::max(1, window.height());
  QRect target;
  if ((pw <= ph && w >= h) || (pw > ph && w > h)) {
    target =
        QRect(20, roundToInt32(0.07 * ph), roundToInt32(0.8 * pw), roundToInt32(pw / w * h * 0.8));
  } else {
    target =
        QRect(roundToInt32(0.07 * pw), 20, roundToInt32(ph / h * w * 0.8), roundToInt32(0.8 * ph));
  }
  const QRect source(4, 4, image.width() - 4, image.height() - 8);
  return {target, source.isValid() ? source : QRect()};
}

FileResult PrintPicture(QPagedPaintDevice& printer, const QImage& clientImage, QSize window) {
  if (clientImage.isNull()) return Failed("there is no picture to print");
  const PrintPlacement place =
      PrintFit(QSize(printer.width(), printer.height()), window, clientImage.size());
  if (place.source.isEmpty() || place.target.isEmpty())
    return Failed("the picture is too small to print");
  QPainter painter;
  if (!painter.begin(&printer)) return Failed("the printer could not be started");
  painter.drawImage(place.target, clientImage, place.source);
  if (!painter.end()) return Failed("the printout could not be finished");
  return {};
}

const char* ListingPrintHeader(char kind) {
  switch (kind) {
  case '2':
    return "         r          theta        z";
  case '3':
    return "         t           x           y           z";
  default:
    return "         x           y           z";
  }
}

std::vector<std::string> ListingPrintout(char kind, const std::vector<std::string>& lines) {
  std::vector<std::string> printout = {"", "", ListingPrintHeader(kind), std::string(35, '-')};
  printout.insert(printout.end(), lines.begin(), lines.end());
  return printout;
}

FileResult PrintListing(QPagedPaintDevice& printer, char kind,
                        const std::vector<std::string>& lines) {
  QPainter painter;
  if (!painter.begin(&printer)) return Failed("the printer could not be started");
  // A text device prints in a fixed-pitch face, which keeps the columns of the lines.
  QFont font(QStringLiteral("Courier New"), 10);
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  painter.setFont(font);
  const QFontMetrics metrics(painter.font(), &printer);
  const int step = std::max(1, metrics.lineSpacing());
  const int pageHeight = std::max(step, printer.height());
  int y = 0;
  for (const std::string& line : ListingPrintout(kind, lines)) {
    if (y + step > pageHeight) {
      if (!printer.newPage()) return Failed("the printer could not start a new page");
      y = 0;
    }
    painter.drawText(0, y + metrics.ascent(), QString::fromStdString(line));
    y += step;
  }
  if (!painter.end()) return Failed("the printout could not be finished");
  return {};
}
