// SPDX-License-Identifier: MIT
// The renderer of the implicit surfaces F(x,y,z) = 0: the triangles made from the axes box's
// grid, kept while only the view changes, gathered in the cell list coloured by the side the
// eye sees and painted far to near, then the listing of their corners.
#pragma once

struct Program;

// Makes the triangles when their function, parameters, box or cells changed since the last
// ones (F evaluated once per grid point, the cancel poll once per row of points; a syntax
// error ends the draw with EvalFailed set and nothing painted); otherwise only projects the
// kept ones. A surface past MaxImplicitTriangles is said to be so (showMessage) when its
// triangles are made, and drawn with those it has.
void DrawImplicitSurface(Program& p);
// The Box's extents: XMin..ZMax from the kept triangles, made first (without a cancel poll)
// when they are not the current ones. Nothing changes for a surface with no triangle.
void ComputeImplicitExtents(Program& p);
// Whether the kept triangles of the current graph are those of the graph state as it stands.
bool ImplicitMeshCurrent(const Program& p);
// Lets go of the triangles of kept graphs that the picture no longer shows (or whose settings
// changed).
void ForgetUnshownImplicitSurfaces(Program& p);
