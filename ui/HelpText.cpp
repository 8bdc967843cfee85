// SPDX-License-Identifier: MIT
// The text of the help window, kept in one place.
#include "ui/Helpunit.h"

// A function of the table is a line "NAME<tab>EXAMPLE", its meaning the lines below that begin
// with a tab; the examples are typed as a user would type them. Lines stay short enough for
// the window's text box.
const char* HelpText() {
  return R"(KELVO HELP

Kelvo draws graphs of functions in
three-dimensional space:
  - surfaces Z=f(x,y) in rectangular
    coordinates,
  - surfaces Z=f(r,t) in cylindrical
    coordinates, where t stands for the
    angle theta,
  - space curves x(t), y(t), z(t),
  - two-parameter surfaces x(u,v), y(u,v),
    z(u,v), and
  - implicit surfaces F(x,y,z) = 0, such as
    the sphere x^2+y^2+z^2=4.
Choose one of these five kinds of graph on
the start-up form.

The eye of the observer is placed in
spherical coordinates: rho is its distance
from the origin, theta its angle around
the z axis and phi its angle down from the
z axis. Changing theta and phi shows the
graph from another side. Any rho above 0
will do as long as the eye stays outside
the axes box, far enough to see all of
it; a small rho gives a strong
perspective.


HOW TO START

Open the Samples menu and click one of the
example functions. Each example names a
suitable domain: enter it with Edit >
Domain, and set the axes with Axes >
Change Axes. Then give Draw. From there
adjust the axes, the domain, the number of
curves, the colours and the parameters, or
change the example in the function editor
(Function).


1. ENTERING YOUR FUNCTIONS

Function opens the function editor.
Rectangular and cylindrical graphs have
one function Z; space curves and
two-parameter surfaces have three, X, Y
and Z; an implicit surface has one
equation. Upper and lower case mean the
same.

Variables: x and y (rectangular graphs), r
and t (cylindrical), t (space curves), u
and v (two-parameter surfaces), x, y and z
(implicit surfaces). Only these letters
may be used: z is a variable of the
implicit surfaces only.

Parameters: a, b, c, d, e and f are
numbers that you set while the program
runs, with Edit > Parameters; a graph can
then be changed without typing it again.
Note that e is a parameter and not Euler's
number.

Constants: p, or PI in any case, is pi
(3.14159...). Write EXP(1) for e
(2.71828...).

Numbers: 3, 0.25, .5, 1E-3, 2.5E2.

Operators: + add, - subtract, * multiply,
/ divide, ^ power (** is the same as ^).
Powers are worked out first and group from
the right: 2^3^2 is 2^9 = 512. Then * and
/ from left to right, then + and - from
left to right: 2+3*4 is 14, 8/2/2 is 2.
Parentheses group anything else.
The * sign may be left out after a
number, a letter or a closing parenthesis
when a letter, a function or an opening
parenthesis follows: 2x, 3SIN(x),
2(x+1), (x+1)(x-1), x(y+1) and xy are
products. Such a product binds as * does:
2x^2 is 2*x^2, and 1/2x is (1/2)*x, half
of x. Names come first: aSIN(x) is the
arc sine ASIN(x), so write a*SIN(x).
A minus before a letter, a function or a
parenthesis applies to the whole power,
wherever it stands: -x^2, (-x^2),
1*(-x^2) and a-b-c+(-x^2) all take x^2
negated. A minus before a number is that
number's sign: -2^2 is -4 but 1*(-2^2) is
4. Right after an operator a minus is the
sign of what follows: x*-y is x*(-y),
2^-x is 2^(-x), x/-2 is x/(-2); there it
binds tighter than a power, so write
x*(-y^2) for -(y^2). When in doubt write
-(x^2) or (-x)^2. A function may be up to
10,000 characters long.

Built-in functions, each with an example;
angles are in radians:

^	x^2+y^2
	power; a negative base needs a
	whole exponent
ABS	ABS(x-1)
	absolute value
ATAN	ATAN(x)
	arc tangent, between -p/2 and p/2
ATAN2	ATAN2(y,x)
	the angle of the point (x,y), from
	-p to p; the point (0,0) has none
SIN	SIN(x*y)
	sine
ASIN	ASIN(x/3)
	arc sine; the argument lies from
	-1 to 1
COS	COS(x)+COS(y)
	cosine
ACOS	ACOS(y/3)
	arc cosine; the argument lies from
	-1 to 1
TAN	TAN(x/2)
	tangent
SINH	SINH(x)
	hyperbolic sine
COSH	COSH(x/2)
	hyperbolic cosine
EXP	EXP(-x^2-y^2)
	e to the power of the argument
LN	LN(x^2+1)
	natural logarithm; the argument
	must be above 0
LOG	LOG(x^2+y^2+1)
	logarithm to base 10; the argument
	must be above 0
SQR	SQR(x+y)
	square: SQR(3) is 9
SQRT	SQRT(x^2+y^2)
	square root; the argument must not
	be negative
ROUND	ROUND(x)
	nearest whole number; a half goes
	to the even one (ROUND(2.5) is 2),
	for arguments up to 1E9
TRUNC	TRUNC(x)
	whole part, towards zero, for
	arguments up to 1E9: TRUNC(-2.7)
	is -2
INT	INT(x*y)
	whole part, towards zero, of any
	size: INT(-2.36) is -2
UN	UN(x)*x
	unit step: 0 for a negative
	argument, otherwise 1
CUT	CUT(9-x^2-y^2)*x*y
	1; where the argument is negative
	the surface is cut away, leaving a
	hole
SIGN	SIGN(x)*x^2
	-1, 0 or 1, the sign of the
	argument
FLOOR	FLOOR(x)
	the whole number at or below:
	FLOOR(-2.5) is -3
CEIL	CEIL(x)
	the whole number at or above:
	CEIL(-2.5) is -2
MIN	MIN(x,y)
	the smaller of two numbers
MAX	MAX(x^2,y)
	the larger of two numbers
MOD	MOD(x,2)
	the remainder of x divided by 2,
	with the sign of 2: MOD(-7,3) is 2;
	by 0 it cannot be worked out
HYPOT	HYPOT(x,y)
	the length SQRT(x^2+y^2), without
	overflow on the way
The functions of two numbers take them
in their parentheses, with a comma
between.

Two examples with parameters:
  a*x^2+b*y^2 is a bowl for a=1, b=1 and a
  saddle for a=1, b=-1.
  c*SIN(a*x)*COS(b*y) makes waves of
  height c.

A point where a function cannot be worked
out (a division by zero, SQRT or LN of a
negative number, ...) is left out of the
picture. A function that cannot be read
(x 2, a missing parenthesis, an unknown
name) makes the computer beep, and after
the Draw the function editor opens again
with the heading "ERROR...Check your
Functions", a line saying which function
failed and why, and the mistake selected
in that function's field. Space curves
treat a point that cannot be worked out
in the same way.


2. OPTIONS FROM THE MAIN MENU

The commands as they work for rectangular
graphs; the other kinds of graph follow at
the end.

Function: opens the function editor.
Draw: draws the graph over the picture;
   give Edit > Clear Screen first for a
   clean picture. A long drawing stops
   with the "Cancel Draw" button beside
   the picture or the Esc key.
Axes > Change Axes: the ranges of the x, y
   and z axes, which also make the box the
   picture is fitted into.
Axes > Draw Axes: draws the axes again
   over the picture.
Axes > Fit Axes to Graph: sets the axes to
   the extent of the graph, widened to
   whole numbers (for rectangular graphs
   only the z axis), and draws again.
Edit > Domain: the ranges of x and y over
   which the function is drawn.
View > Eye Position: the eye position
   rho, theta and phi. Any rho above 0
   will do as long as the eye stays
   outside the axes box and sees all of
   it; an eye that would not is refused
   and the old rho (or angles) kept. The
   arrows, the typed angles and dragging
   stop short of such an eye, the axes
   dialog keeps the old box, and a movie
   that would turn the eye there is not
   made.
   The four arrow buttons beside the
   picture turn the view by 10 degrees
   (left and right change theta, up and
   down change phi) and draw the graph
   again; so do the arrow keys while the
   picture has the focus. Theta and phi
   can also be typed in their fields
   (Enter applies them).
   Dragging the picture with the left
   mouse button turns the graph freely:
   across turns theta, up and down turns
   phi.
   The mouse wheel, or + and -, zooms the
   picture in and out (from a quarter to
   eight times); a double click or View >
   Reset Zoom brings it back.
   When the window changes size, the
   graph is drawn again at the new size.
View > Exact Hiding: when checked, the
   cells of every graph, the plane, the
   box's edges, the line and the curves
   are split where they cross and painted
   far to near, so whatever is nearer the
   eye hides what is behind it: two
   surfaces show the line where they
   meet, and the box's far edges and the
   line pass behind a surface. The axes
   stay on top. The split is made once
   per Draw and serves every view of a
   drag, a rotation or a movie. SVG and
   PDF pictures hold every piece in the
   order it is painted. Unchecked, cells
   are painted whole, farthest first.
Edit > Parameters: the values of a, b, c,
   d, e and f.
Edit > Parameter Sliders: a slider for
   each of a to f; the graph is drawn
   again as a slider moves. The fields
   beside a slider set its two ends (any
   expression, -10 and 10 at first).
Edit > Curves: the number of grid curves
   in x and in y; more curves give a finer
   picture and take longer. An implicit
   surface has a third number, Z-Curves:
   the cells of its box along z.
Box > Draw Box: when checked, a box is
   drawn around the graph.
Edit > Copy Graph: puts the picture on the
   clipboard; Edit > Paste Graph puts a
   picture from the clipboard into the
   graphing rectangle.
Edit > Surface Colors: the colours of the
   upper and the lower side of a surface
   and of its grid, and shading on or off.
   Where a 2-parameter surface has no
   normal (a pole, or points a domain error
   puts in one place) it is drawn flat, in
   its colour without shading.
   White works as an eraser: a surface
   drawn in white wipes out what it
   covers.
Edit > Colors: the colours of curves and
   lines, of the axes, their ticks and
   letters, and of the background.
Edit > Graph Title: a title above the
   picture.
Edit > Graph Size: the picture at its
   normal size, or at 80% or 60% of it.
Edit > Graph: starts a paint program, into
   which the graph can be pasted from the
   clipboard and touched up.
Edit > Clear Screen: clears the picture
   and draws the bare axes.
Edit > Keep Graph in Picture: keeps the
   current graph (its kind, functions,
   domain, curves, step, colours and
   shading) in the picture; change the
   function or the kind for the next one.
   Every Draw, rotation, drag, movie and
   sweep then draws all of them, their
   cells sorted together, and the listing
   holds each under a heading line. The
   axes, the view, the parameters, the
   additions and the drawing colours
   belong to the picture. A picture holds
   at most 16 graphs; a graph that cannot
   be evaluated is named and left out.
Edit > Graphs Window: the kept graphs,
   each with a check box that shows it or
   leaves it out; Make Current makes the
   chosen one the current graph (the
   current one takes its place), Remove
   takes it out of the picture.
File > Export Picture > Save as Mesh:
   writes the surfaces
   of the picture as triangles in graph
   coordinates with their normals, as an
   OBJ file (a group per graph) or a
   binary STL file; axes, box, plane and
   line are not part of it.
Plane > Edit, Plane > Draw: a patch of a
   plane through a point, given by its
   normal vector, for example a tangent
   plane. Once drawn, it is drawn again
   with every redraw.
Line > Edit, Line > Draw: a straight line
   between two points, drawn again with
   every redraw.
Contours > Draw: level curves of the
   function, flat in the x-y plane.
   Contours > Edit chooses the grid (20,
   40 or 60) and the number of levels (10
   to 16), and "3D Contours" lifts each
   level curve to its height. A small
   window lists the levels in their
   colours.
Movie > Create: turns the eye once round
   the z axis and records the frames.
   Movie > Play shows them again ("Stop
   Movie" or Esc stops it); Movie > Edit
   sets the number of frames (up to 32)
   and the speed; "Save Movie as Animated
   GIF..." writes the movie as a GIF file
   that plays in a loop.
Movie > Animate Parameter: a movie in
   which the eye stays still and one of a
   to f steps from a start to an end
   value; each frame is the picture a
   Draw makes at that value. Play and the
   animated GIF show it like any movie,
   and the parameter keeps its value.
Samples: the example functions of the
   current kind of graph.
Help > Help: this window. Help > About
   Kelvo tells the version and the
   licence; About Qt the toolkit's.
File > List Function values: the table of
   the points sampled by the last Draw,
   which can be printed, saved as a text
   file or copied.
File > Open Graph File: opens a graph
   file (.kelvo) with every setting of a
   graph and draws it, in the window size
   it was saved at. File > Save Graph File
   and Save Graph File As write one; the
   caption shows its name, and a * while
   the graph has changed since. Exit and
   opening another graph ask first
   whether to save a changed graph.
   Recent Graph Files lists the last
   eight. A graph file dropped on the
   window opens too, and so does
   kelvo FILE.kelvo on the command line.
File > Open Picture: loads a picture file
   (bitmap .bmp, JPEG .jpg, GIF .gif or
   PNG .png), stretched over the graphing
   rectangle; a graph can then be drawn
   over it. A picture dropped on the
   window opens the same way.
File > Export Picture: saves the picture
   as a bitmap, JPEG, GIF or PNG file,
   chosen by the ending of the file name.
   "Save full graph" takes the window area
   with the title and the function lines,
   "Save Only inside rectangle" only the
   picture.
   "Save as SVG or PDF..." writes the
   drawing as vectors (cells, lines and
   letters), sharp at any size.
The file dialogs start in the folder
   last used.
File > Print Graph prints the picture;
   File > Printer Set Up chooses the
   printer.
File > Exit: back to the start-up form, to
   choose another kind of graph or Quit.
File > Quit ends the program (asking first
   about a changed graph).
Keys: F5 Draw, Ctrl+O Open Graph File,
   Ctrl+S Save Graph File, Ctrl+Shift+S
   Save Graph File As, Ctrl+Shift+O Open
   Picture, Ctrl+E Save Only inside
   rectangle, Ctrl+Shift+E Save full
   graph, Ctrl+C Copy Graph, Ctrl+V Paste
   Graph, Ctrl+P Print Graph, Ctrl+L List
   Function values, F1 Help, Ctrl+Q Quit,
   Esc Cancel Draw. Where your desktop
   sets other keys for these commands,
   its keys are used.
The whole screen can be saved with your
desktop's Print Screen key.

CYLINDRICAL GRAPHS  Z=f(r,t)
The domain gives r and t; t is the angle
theta in radians (a full turn is 0 to
2*p). The graphing area is square. Use r
and t in the function: SIN(r)/r,
r^2*COS(2*t).

SPACE CURVES  x(t), y(t), z(t)
Type the three functions of t. The domain
gives the range of t, and Edit > Step the
step by which t grows; a smaller step
draws a smoother curve. The curve grows on
the screen while it is drawn.

TWO-PARAMETER SURFACES  x(u,v), y(u,v), z(u,v)
Type the three functions of u and v. The
domain gives the ranges of u and v, and
Edit > Curves the number of grid curves in
each. A sphere: X=3*COS(u)*COS(v),
Y=3*COS(u)*SIN(v), Z=3*SIN(u), with u from
-p/2 to p/2 and v from 0 to 2*p.

IMPLICIT SURFACES  F(x,y,z) = 0
Type one function of x, y and z, or an
equation: LEFT = RIGHT means LEFT-(RIGHT)
= 0, so x^2+y^2+z^2=4 and x^2+y^2+z^2-4
draw the same sphere. The surface is
drawn inside the axes box, which is its
domain (there is no Edit > Domain): the
box is cut into X-, Y- and Z-Curves cells
(2 to 80 each, 30 at first), F is worked
out once at every corner of the cells,
and the surface is made of the small
triangles where F changes sign. The side
where F is positive shows the upper
colour, the other side the lower one.
Where F has no value (a domain error, or
a CUT of a negative number) the surface
is left open. Turning, dragging or
zooming only draws the triangles again;
a new function, parameters, axes or
curves make them anew. Axes > Fit Axes to
Graph tightens the box round the surface.
A gyroid: SIN(x)*COS(y)+SIN(y)*COS(z)+
SIN(z)*COS(x), with the axes from -4 to 4.


THE COMMAND LINE

The same program draws without a window:
  kelvo eval TEXT [NAME=NUMBER ...]
      works out TEXT and prints the value
      and the error flags, for example
      kelvo eval "2^3^2".
  kelvo render [OPTIONS]
      draws one graph as the window would;
      --out PICTURE writes the picture
      (.bmp, .jpg, .gif, .png, .svg or
      .pdf) and --values LISTING the table
      of values; --movie FILE.gif writes
      the movie; --sample N first loads
      example N of the kind, as a click in
      the Samples window does; --fit fits
      the axes to the graph.
  kelvo --help
      lists the options.
)";
}
