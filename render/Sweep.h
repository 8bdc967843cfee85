// SPDX-License-Identifier: MIT
// Movies in which the eye stays still and one of the parameters a to f steps from a start to
// an end value, each frame the whole picture a Draw makes at that value.
#pragma once

#include <QImage>

#include <functional>
#include <string>

struct Program;

struct ParameterSweep {
  int parameter = 0; // 0 for a ... 5 for f
  double from = 0, to = 0;
  int frames = 16;
};

// The value frame k (1-based) of N shows: from + (to - from)(k - 1)/(N - 1); the start when
// N is 1.
double SweepValue(const ParameterSweep& sweep, int frame);
// The parameter's index for its name a..f (either case); -1 for anything else.
int SweepParameterIndex(const std::string& name);

// Builds the sweep as pictures: for each frame the parameter takes its value (the dialog's
// value and the evaluator's copy), the picture is drawn as a Draw draws it (with the contours
// when the picture showed them), and the finished picture is kept. frameDone is told each
// frame's picture as soon as it is drawn. The parameter has its value from before afterwards,
// and the movie built is the sweep until the next build or release.
void BuildParameterSweep(Program& p, const ParameterSweep& sweep,
                         const std::function<void(const QImage&, int)>& frameDone = {});
