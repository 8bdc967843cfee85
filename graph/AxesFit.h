// SPDX-License-Identifier: MIT
// Axes > Fit Axes to Graph: the axes box taken from the graph's own extent.
#pragma once

#include "graph/Session.h"

// Runs the extents pass of the current kind and sets the axes box from it: the z axis for
// kind 1, all three axes for kinds 2 to 4 and the implicit surfaces (whose box, their domain,
// only tightens round the surface's triangles). Each end moves outward to a whole number so that
// the unit ticks keep standing at the ends, an axis stays at least 1 wide, and the axes
// dialog's corrections follow. The graph state is otherwise left as it was (the pass's
// extents, stepped variables and EvalFailed included); the wrappers still beep for each
// failed evaluation. An axis the pass found no finite extent for keeps its range. AxesChanged
// tells whether the box changed; the result is false when no axis could be fitted.
bool FitAxesToGraph(Session& s);

// One axis's fitted range from an extent: floor and ceiling, at least 1 wide. False (and the
// range untouched) when the extent is not finite or too large to widen by 1.
bool FitAxisRange(double low, double high, double& axisMin, double& axisMax);
