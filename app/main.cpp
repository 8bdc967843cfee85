// SPDX-License-Identifier: MIT
// Entry point: the desktop program, or the `eval` and `render` commands.
#include "app/Cli.h"
#include "ui/Application.h"

#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

const char* UsageText() {
  return "Usage:\n"
         "  kelvo                               the desktop program\n"
         "  kelvo eval TEXT [NAME=NUMBER ...]   evaluate TEXT; NAME is one of x y r t u v a b c "
         "d e f\n"
         "  kelvo render [OPTIONS] [--out PICTURE] [--values LISTING] [--movie ANIMATION.gif]\n"
         "                                      draw a graph without a window\n"
         "  kelvo --help | kelvo --version\n"
         "\n"
         "render options:\n"
         "  --kind 1|rect|2|cyl|3|curve|4|patch  --sample N  --function TEXT  --x TEXT  --y TEXT\n"
         "  --z TEXT  --domain A,B[,C,D]  --axes XMIN,XMAX,YMIN,YMAX,ZMIN,ZMAX  --step T\n"
         "  --view THETA,PHI[,RHO]  --curves X,Y  --params A[,B,C,D,E,F]  --title TEXT\n"
         "  --above C  --under C  --grid C|none  --pen C  --axes-color C  --ticks C  --font C\n"
         "  --background C  --no-shading  --window WxH  --size normal|80|60  --open PICTURE\n"
         "  --out FILE.bmp|.jpg|.jpeg|.gif|.png|.svg|.pdf  --quality 80|90|100  --full\n"
         "  --values FILE  --fit (the axes box fitted to the graph before the Draw)\n"
         "  --box  --plane X0,Y0,Z0,A,B,C[,MINX,MAXX,MINY,MAXY]  --line X1,Y1,Z1,X2,Y2,Z2\n"
         "  --contours [GRID,LEVELS[,3d]]  --movie FILE.gif  --frames N\n"
         "  --speed slow|medium|faster|fastest\n"
         "Numbers in options are expressions of Kelvo's language (2*p, sqrt(2), -3).\n"
         "Exit status: 0 written, 1 the function cannot be evaluated, 2 usage error,\n"
         "3 an output cannot be written, 4 the --open picture cannot be read.\n";
}

int main(int argc, char** argv) {
  if (argc < 2) return RunKelvoWindow(argc, argv);
  const std::string command = argv[1];
  const std::vector<std::string> rest(argv + 2, argv + argc);
  // Past a file size limit a write must fail with a reason the program can report and
  // clean up after, not end the process with a half-written file.
  std::signal(SIGXFSZ, SIG_IGN);
  if (command == "--help" || command == "-h") {
    std::cout << UsageText();
    return FinishStandardOutput("kelvo");
  }
  if (command == "--version") {
    std::cout << "kelvo 1.10\n";
    return FinishStandardOutput("kelvo");
  }
  if (command == "eval") return RunEval(rest);
  if (command == "render") return RunRender(argc, argv, rest);
  std::cerr << "kelvo: unknown command '" << command << "'\n" << UsageText();
  return ExitUsage;
}
