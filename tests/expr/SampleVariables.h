// SPDX-License-Identifier: MIT
// The values of the variables and parameters that the evaluator's tables are written for.
#pragma once

#include "expr/Expression.h"

inline ExpressionVariables sampleVars() {
  ExpressionVariables v;
  v.VarX = 3;
  v.VarY = 2;
  v.VarR = 0.5;
  v.VarT = -1;
  v.VarU = 4;
  v.VarV = 0.25;
  v.ParamA = 10;
  v.ParamB = 20;
  v.ParamC = 30;
  v.ParamD = 1;
  v.ParamE = 7;
  v.ParamF = -3;
  return v;
}
