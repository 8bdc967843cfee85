// SPDX-License-Identifier: MIT
// Build tool: draws the scalable icon as the square PNG pictures of the icon theme's sizes.
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <string>

// kelvo_icon_png ICON.svg FOLDER SIZE...: writes FOLDER/SIZExSIZE.png for each size.
int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs("usage: kelvo_icon_png ICON.svg FOLDER SIZE...\n", stderr);
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "kelvo_icon_png: cannot read %s\n", argv[1]);
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size < 1 || size > 1024) {
      std::fprintf(stderr, "kelvo_icon_png: %s is not a size from 1 to 1024\n", argv[i]);
      return 2;
    }
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const std::string name = std::string(argv[2]) + "/" + argv[i] + "x" + argv[i] + ".png";
    if (!picture.convertToFormat(QImage::Format_ARGB32).save(QString::fromStdString(name), "PNG")) {
      std::fprintf(stderr, "kelvo_icon_png: cannot write %s\n", name.c_str());
      return 1;
    }
  }
  return 0;
}
