// SPDX-License-Identifier: MIT
// The text of the help window, kept in one place, in the pieces a translator sees.
#include "ui/Helpunit.h"

#include <QCoreApplication>

#include <string>

namespace {

// The pieces follow one another with the line breaks given beside each: a heading, a paragraph,
// one entry of the menu list, or one function of the table. A function of the table is a line
// "NAME<tab>EXAMPLE", its meaning the lines below that begin with a tab; the examples are typed
// as a user would type them. Lines stay short enough for the window's text box.
constexpr HelpTextUnit Units[] = {
    //: The help window's text, one heading, paragraph or entry at a time. Keep the lines as
    //: short as the English ones (about 42 characters) and their leading spaces; menu paths
    //: name the menus as the translated window shows them.
    {QT_TRANSLATE_NOOP("Help", "KELVO HELP"), "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "Kelvo draws graphs of functions in\n"
                               "three-dimensional space:\n"
                               "  - surfaces Z=f(x,y) in rectangular\n"
                               "    coordinates,\n"
                               "  - surfaces Z=f(r,t) in cylindrical\n"
                               "    coordinates, where t stands for the\n"
                               "    angle theta,\n"
                               "  - space curves x(t), y(t), z(t),\n"
                               "  - two-parameter surfaces x(u,v), y(u,v),\n"
                               "    z(u,v), and\n"
                               "  - implicit surfaces F(x,y,z) = 0, such as\n"
                               "    the sphere x^2+y^2+z^2=4."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Choose one of these five kinds of graph on\n"
                               "the start-up form."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "The eye of the observer is placed in\n"
                               "spherical coordinates: rho is its distance\n"
                               "from the origin, theta its angle around\n"
                               "the z axis and phi its angle down from the\n"
                               "z axis. Changing theta and phi shows the\n"
                               "graph from another side. Any rho above 0\n"
                               "will do as long as the eye stays outside\n"
                               "the axes box, far enough to see all of\n"
                               "it; a small rho gives a strong\n"
                               "perspective."),
     "\n\n\n"},
    {QT_TRANSLATE_NOOP("Help", "HOW TO START"), "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "Open the Samples menu and click one of the\n"
                               "example functions. Each example names a\n"
                               "suitable domain: enter it with Edit >\n"
                               "Domain, and set the axes with Axes >\n"
                               "Change Axes. Then give Draw. From there\n"
                               "adjust the axes, the domain, the number of\n"
                               "curves, the colours and the parameters, or\n"
                               "change the example in the function editor\n"
                               "(Function)."),
     "\n\n\n"},
    {QT_TRANSLATE_NOOP("Help", "1. ENTERING YOUR FUNCTIONS"), "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "Function opens the function editor.\n"
                               "Rectangular and cylindrical graphs have\n"
                               "one function Z; space curves and\n"
                               "two-parameter surfaces have three, X, Y\n"
                               "and Z; an implicit surface has one\n"
                               "equation. Upper and lower case mean the\n"
                               "same."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "Variables: x and y (rectangular graphs), r\n"
                               "and t (cylindrical), t (space curves), u\n"
                               "and v (two-parameter surfaces), x, y and z\n"
                               "(implicit surfaces). Only these letters\n"
                               "may be used: z is a variable of the\n"
                               "implicit surfaces only."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "Parameters: a, b, c, d, e and f are\n"
                               "numbers that you set while the program\n"
                               "runs, with Edit > Parameters; a graph can\n"
                               "then be changed without typing it again.\n"
                               "Note that e is a parameter and not Euler's\n"
                               "number."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "Constants: p, or PI in any case, is pi\n"
                               "(3.14159...). Write EXP(1) for e\n"
                               "(2.71828...)."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "Numbers: 3, 0.25, .5, 1E-3, 2.5E2."), "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "Operators: + add, - subtract, * multiply,\n"
                               "/ divide, ^ power (** is the same as ^).\n"
                               "Powers are worked out first and group from\n"
                               "the right: 2^3^2 is 2^9 = 512. Then * and\n"
                               "/ from left to right, then + and - from\n"
                               "left to right: 2+3*4 is 14, 8/2/2 is 2."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Parentheses group anything else."), "\n"},
    {QT_TRANSLATE_NOOP("Help", "The * sign may be left out after a\n"
                               "number, a letter or a closing parenthesis\n"
                               "when a letter, a function or an opening\n"
                               "parenthesis follows: 2x, 3SIN(x),\n"
                               "2(x+1), (x+1)(x-1), x(y+1) and xy are\n"
                               "products. Such a product binds as * does:\n"
                               "2x^2 is 2*x^2, and 1/2x is (1/2)*x, half\n"
                               "of x. Names come first: aSIN(x) is the\n"
                               "arc sine ASIN(x), so write a*SIN(x)."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "A minus before a letter, a function or a\n"
                               "parenthesis applies to the whole power,\n"
                               "wherever it stands: -x^2, (-x^2),\n"
                               "1*(-x^2) and a-b-c+(-x^2) all take x^2\n"
                               "negated. A minus before a number is that\n"
                               "number's sign: -2^2 is -4 but 1*(-2^2) is\n"
                               "4. Right after an operator a minus is the\n"
                               "sign of what follows: x*-y is x*(-y),\n"
                               "2^-x is 2^(-x), x/-2 is x/(-2); there it\n"
                               "binds tighter than a power, so write\n"
                               "x*(-y^2) for -(y^2). When in doubt write\n"
                               "-(x^2) or (-x)^2. A function may be up to\n"
                               "10,000 characters long."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "Built-in functions, each with an example;\n"
                               "angles are in radians:"),
     "\n\n"},
    //: A function of the table: the first line, NAME<tab>EXAMPLE, stays as it is; only the
    //: meaning lines below it, each beginning with a tab, are translated.
    {QT_TRANSLATE_NOOP("Help", "^\tx^2+y^2\n"
                               "\tpower; a negative base needs a\n"
                               "\twhole exponent"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "ABS\tABS(x-1)\n"
                               "\tabsolute value"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "ATAN\tATAN(x)\n"
                               "\tarc tangent, between -p/2 and p/2"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "ATAN2\tATAN2(y,x)\n"
                               "\tthe angle of the point (x,y), from\n"
                               "\t-p to p; the point (0,0) has none"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "SIN\tSIN(x*y)\n"
                               "\tsine"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "ASIN\tASIN(x/3)\n"
                               "\tarc sine; the argument lies from\n"
                               "\t-1 to 1"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "COS\tCOS(x)+COS(y)\n"
                               "\tcosine"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "ACOS\tACOS(y/3)\n"
                               "\tarc cosine; the argument lies from\n"
                               "\t-1 to 1"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "TAN\tTAN(x/2)\n"
                               "\ttangent"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "SINH\tSINH(x)\n"
                               "\thyperbolic sine"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "COSH\tCOSH(x/2)\n"
                               "\thyperbolic cosine"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "EXP\tEXP(-x^2-y^2)\n"
                               "\te to the power of the argument"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "LN\tLN(x^2+1)\n"
                               "\tnatural logarithm; the argument\n"
                               "\tmust be above 0"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "LOG\tLOG(x^2+y^2+1)\n"
                               "\tlogarithm to base 10; the argument\n"
                               "\tmust be above 0"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "SQR\tSQR(x+y)\n"
                               "\tsquare: SQR(3) is 9"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "SQRT\tSQRT(x^2+y^2)\n"
                               "\tsquare root; the argument must not\n"
                               "\tbe negative"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "ROUND\tROUND(x)\n"
                               "\tnearest whole number; a half goes\n"
                               "\tto the even one (ROUND(2.5) is 2),\n"
                               "\tfor arguments up to 1E9"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "TRUNC\tTRUNC(x)\n"
                               "\twhole part, towards zero, for\n"
                               "\targuments up to 1E9: TRUNC(-2.7)\n"
                               "\tis -2"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "INT\tINT(x*y)\n"
                               "\twhole part, towards zero, of any\n"
                               "\tsize: INT(-2.36) is -2"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "UN\tUN(x)*x\n"
                               "\tunit step: 0 for a negative\n"
                               "\targument, otherwise 1"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "CUT\tCUT(9-x^2-y^2)*x*y\n"
                               "\t1; where the argument is negative\n"
                               "\tthe surface is cut away, leaving a\n"
                               "\thole"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "SIGN\tSIGN(x)*x^2\n"
                               "\t-1, 0 or 1, the sign of the\n"
                               "\targument"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "FLOOR\tFLOOR(x)\n"
                               "\tthe whole number at or below:\n"
                               "\tFLOOR(-2.5) is -3"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "CEIL\tCEIL(x)\n"
                               "\tthe whole number at or above:\n"
                               "\tCEIL(-2.5) is -2"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "MIN\tMIN(x,y)\n"
                               "\tthe smaller of two numbers"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "MAX\tMAX(x^2,y)\n"
                               "\tthe larger of two numbers"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "MOD\tMOD(x,2)\n"
                               "\tthe remainder of x divided by 2,\n"
                               "\twith the sign of 2: MOD(-7,3) is 2;\n"
                               "\tby 0 it cannot be worked out"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "HYPOT\tHYPOT(x,y)\n"
                               "\tthe length SQRT(x^2+y^2), without\n"
                               "\toverflow on the way"),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "The functions of two numbers take them\n"
                               "in their parentheses, with a comma\n"
                               "between."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "Two examples with parameters:\n"
                               "  a*x^2+b*y^2 is a bowl for a=1, b=1 and a\n"
                               "  saddle for a=1, b=-1.\n"
                               "  c*SIN(a*x)*COS(b*y) makes waves of\n"
                               "  height c."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "A point where a function cannot be worked\n"
                               "out (a division by zero, SQRT or LN of a\n"
                               "negative number, ...) is left out of the\n"
                               "picture. A function that cannot be read\n"
                               "(x 2, a missing parenthesis, an unknown\n"
                               "name) makes the computer beep, and after\n"
                               "the Draw the function editor opens again\n"
                               "with the heading \"ERROR...Check your\n"
                               "Functions\", a line saying which function\n"
                               "failed and why, and the mistake selected\n"
                               "in that function's field. Space curves\n"
                               "treat a point that cannot be worked out\n"
                               "in the same way."),
     "\n\n\n"},
    {QT_TRANSLATE_NOOP("Help", "2. OPTIONS FROM THE MAIN MENU"), "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "The commands as they work for rectangular\n"
                               "graphs; the other kinds of graph follow at\n"
                               "the end."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "Function: opens the function editor."), "\n"},
    {QT_TRANSLATE_NOOP("Help", "Draw: draws the graph over the picture;\n"
                               "   give Edit > Clear Screen first for a\n"
                               "   clean picture. A long drawing stops\n"
                               "   with the \"Cancel Draw\" button beside\n"
                               "   the picture or the Esc key."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Axes > Change Axes: the ranges of the x, y\n"
                               "   and z axes, which also make the box the\n"
                               "   picture is fitted into."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Axes > Draw Axes: draws the axes again\n"
                               "   over the picture."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Axes > Fit Axes to Graph: sets the axes to\n"
                               "   the extent of the graph, widened to\n"
                               "   whole numbers (for rectangular graphs\n"
                               "   only the z axis), and draws again."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Domain: the ranges of x and y over\n"
                               "   which the function is drawn."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "View > Eye Position: the eye position\n"
                               "   rho, theta and phi. Any rho above 0\n"
                               "   will do as long as the eye stays\n"
                               "   outside the axes box and sees all of\n"
                               "   it; an eye that would not is refused\n"
                               "   and the old rho (or angles) kept. The\n"
                               "   arrows, the typed angles and dragging\n"
                               "   stop short of such an eye, the axes\n"
                               "   dialog keeps the old box, and a movie\n"
                               "   that would turn the eye there is not\n"
                               "   made."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "   The four arrow buttons beside the\n"
                               "   picture turn the view by 10 degrees\n"
                               "   (left and right change theta, up and\n"
                               "   down change phi) and draw the graph\n"
                               "   again; so do the arrow keys while the\n"
                               "   picture has the focus. Theta and phi\n"
                               "   can also be typed in their fields\n"
                               "   (Enter applies them)."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "   Dragging the picture with the left\n"
                               "   mouse button turns the graph freely:\n"
                               "   across turns theta, up and down turns\n"
                               "   phi."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "   The mouse wheel, or + and -, zooms the\n"
                               "   picture in and out (from a quarter to\n"
                               "   eight times); a double click or View >\n"
                               "   Reset Zoom brings it back."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "   When the window changes size, the\n"
                               "   graph is drawn again at the new size."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "View > Exact Hiding: when checked, the\n"
                               "   cells of every graph, the plane, the\n"
                               "   box's edges, the line and the curves\n"
                               "   are split where they cross and painted\n"
                               "   far to near, so whatever is nearer the\n"
                               "   eye hides what is behind it: two\n"
                               "   surfaces show the line where they\n"
                               "   meet, and the box's far edges and the\n"
                               "   line pass behind a surface. The axes\n"
                               "   stay on top. The split is made once\n"
                               "   per Draw and serves every view of a\n"
                               "   drag, a rotation or a movie. SVG and\n"
                               "   PDF pictures hold every piece in the\n"
                               "   order it is painted. Unchecked, cells\n"
                               "   are painted whole, farthest first."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Parameters: the values of a, b, c,\n"
                               "   d, e and f."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Parameter Sliders: a slider for\n"
                               "   each of a to f; the graph is drawn\n"
                               "   again as a slider moves. The fields\n"
                               "   beside a slider set its two ends (any\n"
                               "   expression, -10 and 10 at first)."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Curves: the number of grid curves\n"
                               "   in x and in y; more curves give a finer\n"
                               "   picture and take longer. An implicit\n"
                               "   surface has a third number, Z-Curves:\n"
                               "   the cells of its box along z."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Box > Draw Box: when checked, a box is\n"
                               "   drawn around the graph."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Copy Graph: puts the picture on the\n"
                               "   clipboard; Edit > Paste Graph puts a\n"
                               "   picture from the clipboard into the\n"
                               "   graphing rectangle."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Surface Colors: the colours of the\n"
                               "   upper and the lower side of a surface\n"
                               "   and of its grid, and shading on or off."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "   Where a 2-parameter surface has no\n"
                               "   normal (a pole, or points a domain error\n"
                               "   puts in one place) it is drawn flat, in\n"
                               "   its colour without shading."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "   White works as an eraser: a surface\n"
                               "   drawn in white wipes out what it\n"
                               "   covers."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Colors: the colours of curves and\n"
                               "   lines, of the axes, their ticks and\n"
                               "   letters, and of the background."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Graph Title: a title above the\n"
                               "   picture."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Graph Size: the picture at its\n"
                               "   normal size, or at 80% or 60% of it."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Graph: starts a paint program, into\n"
                               "   which the graph can be pasted from the\n"
                               "   clipboard and touched up."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Clear Screen: clears the picture\n"
                               "   and draws the bare axes."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Keep Graph in Picture: keeps the\n"
                               "   current graph (its kind, functions,\n"
                               "   domain, curves, step, colours and\n"
                               "   shading) in the picture; change the\n"
                               "   function or the kind for the next one."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "   Every Draw, rotation, drag, movie and\n"
                               "   sweep then draws all of them, their\n"
                               "   cells sorted together, and the listing\n"
                               "   holds each under a heading line. The\n"
                               "   axes, the view, the parameters, the\n"
                               "   additions and the drawing colours\n"
                               "   belong to the picture. A picture holds\n"
                               "   at most 16 graphs; a graph that cannot\n"
                               "   be evaluated is named and left out."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Edit > Graphs Window: the kept graphs,\n"
                               "   each with a check box that shows it or\n"
                               "   leaves it out; Make Current makes the\n"
                               "   chosen one the current graph (the\n"
                               "   current one takes its place), Remove\n"
                               "   takes it out of the picture."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "File > Export Picture > Save as Mesh:\n"
                               "   writes the surfaces\n"
                               "   of the picture as triangles in graph\n"
                               "   coordinates with their normals, as an\n"
                               "   OBJ file (a group per graph) or a\n"
                               "   binary STL file; axes, box, plane and\n"
                               "   line are not part of it."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Plane > Edit, Plane > Draw: a patch of a\n"
                               "   plane through a point, given by its\n"
                               "   normal vector, for example a tangent\n"
                               "   plane. Once drawn, it is drawn again\n"
                               "   with every redraw."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Line > Edit, Line > Draw: a straight line\n"
                               "   between two points, drawn again with\n"
                               "   every redraw."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Contours > Draw: level curves of the\n"
                               "   function, flat in the x-y plane."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "   Contours > Edit chooses the grid (20,\n"
                               "   40 or 60) and the number of levels (10\n"
                               "   to 16), and \"3D Contours\" lifts each\n"
                               "   level curve to its height. A small\n"
                               "   window lists the levels in their\n"
                               "   colours."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Movie > Create: turns the eye once round\n"
                               "   the z axis and records the frames."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "   Movie > Play shows them again (\"Stop\n"
                               "   Movie\" or Esc stops it); Movie > Edit\n"
                               "   sets the number of frames (up to 32)\n"
                               "   and the speed; \"Save Movie as Animated\n"
                               "   GIF...\" writes the movie as a GIF file\n"
                               "   that plays in a loop."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Movie > Animate Parameter: a movie in\n"
                               "   which the eye stays still and one of a\n"
                               "   to f steps from a start to an end\n"
                               "   value; each frame is the picture a\n"
                               "   Draw makes at that value. Play and the\n"
                               "   animated GIF show it like any movie,\n"
                               "   and the parameter keeps its value."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Samples: the example functions of the\n"
                               "   current kind of graph."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Help > Help: this window. Help > About\n"
                               "   Kelvo tells the version and the\n"
                               "   licence; About Qt the toolkit's."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "File > List Function values: the table of\n"
                               "   the points sampled by the last Draw,\n"
                               "   which can be printed, saved as a text\n"
                               "   file or copied."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "File > Open Graph File: opens a graph\n"
                               "   file (.kelvo) with every setting of a\n"
                               "   graph and draws it, in the window size\n"
                               "   it was saved at. File > Save Graph File\n"
                               "   and Save Graph File As write one; the\n"
                               "   caption shows its name, and a * while\n"
                               "   the graph has changed since. Exit and\n"
                               "   opening another graph ask first\n"
                               "   whether to save a changed graph."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "   Recent Graph Files lists the last\n"
                               "   eight. A graph file dropped on the\n"
                               "   window opens too, and so does\n"
                               "   kelvo FILE.kelvo on the command line."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "File > Open Picture: loads a picture file\n"
                               "   (bitmap .bmp, JPEG .jpg, GIF .gif or\n"
                               "   PNG .png), stretched over the graphing\n"
                               "   rectangle; a graph can then be drawn\n"
                               "   over it. A picture dropped on the\n"
                               "   window opens the same way."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "File > Export Picture: saves the picture\n"
                               "   as a bitmap, JPEG, GIF or PNG file,\n"
                               "   chosen by the ending of the file name."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "   \"Save full graph\" takes the window area\n"
                               "   with the title and the function lines,\n"
                               "   \"Save Only inside rectangle\" only the\n"
                               "   picture."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "   \"Save as SVG or PDF...\" writes the\n"
                               "   drawing as vectors (cells, lines and\n"
                               "   letters), sharp at any size."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "The file dialogs start in the folder\n"
                               "   last used."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "File > Print Graph prints the picture;\n"
                               "   File > Printer Set Up chooses the\n"
                               "   printer."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "File > Exit: back to the start-up form, to\n"
                               "   choose another kind of graph or Quit."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "File > Quit ends the program (asking first\n"
                               "   about a changed graph)."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Keys: F5 Draw, Ctrl+O Open Graph File,\n"
                               "   Ctrl+S Save Graph File, Ctrl+Shift+S\n"
                               "   Save Graph File As, Ctrl+Shift+O Open\n"
                               "   Picture, Ctrl+E Save Only inside\n"
                               "   rectangle, Ctrl+Shift+E Save full\n"
                               "   graph, Ctrl+C Copy Graph, Ctrl+V Paste\n"
                               "   Graph, Ctrl+P Print Graph, Ctrl+L List\n"
                               "   Function values, F1 Help, Ctrl+Q Quit,\n"
                               "   Esc Cancel Draw. Where your desktop\n"
                               "   sets other keys for these commands,\n"
                               "   its keys are used."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "The whole screen can be saved with your\n"
                               "desktop's Print Screen key."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "CYLINDRICAL GRAPHS  Z=f(r,t)"), "\n"},
    {QT_TRANSLATE_NOOP("Help", "The domain gives r and t; t is the angle\n"
                               "theta in radians (a full turn is 0 to\n"
                               "2*p). The graphing area is square. Use r\n"
                               "and t in the function: SIN(r)/r,\n"
                               "r^2*COS(2*t)."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "SPACE CURVES  x(t), y(t), z(t)"), "\n"},
    {QT_TRANSLATE_NOOP("Help", "Type the three functions of t. The domain\n"
                               "gives the range of t, and Edit > Step the\n"
                               "step by which t grows; a smaller step\n"
                               "draws a smoother curve. The curve grows on\n"
                               "the screen while it is drawn."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "TWO-PARAMETER SURFACES  x(u,v), y(u,v), z(u,v)"), "\n"},
    {QT_TRANSLATE_NOOP("Help", "Type the three functions of u and v. The\n"
                               "domain gives the ranges of u and v, and\n"
                               "Edit > Curves the number of grid curves in\n"
                               "each. A sphere: X=3*COS(u)*COS(v),\n"
                               "Y=3*COS(u)*SIN(v), Z=3*SIN(u), with u from\n"
                               "-p/2 to p/2 and v from 0 to 2*p."),
     "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "IMPLICIT SURFACES  F(x,y,z) = 0"), "\n"},
    {QT_TRANSLATE_NOOP("Help", "Type one function of x, y and z, or an\n"
                               "equation: LEFT = RIGHT means LEFT-(RIGHT)\n"
                               "= 0, so x^2+y^2+z^2=4 and x^2+y^2+z^2-4\n"
                               "draw the same sphere. The surface is\n"
                               "drawn inside the axes box, which is its\n"
                               "domain (there is no Edit > Domain): the\n"
                               "box is cut into X-, Y- and Z-Curves cells\n"
                               "(2 to 80 each, 30 at first), F is worked\n"
                               "out once at every corner of the cells,\n"
                               "and the surface is made of the small\n"
                               "triangles where F changes sign. The side\n"
                               "where F is positive shows the upper\n"
                               "colour, the other side the lower one."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "Where F has no value (a domain error, or\n"
                               "a CUT of a negative number) the surface\n"
                               "is left open. Turning, dragging or\n"
                               "zooming only draws the triangles again;\n"
                               "a new function, parameters, axes or\n"
                               "curves make them anew. Axes > Fit Axes to\n"
                               "Graph tightens the box round the surface."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "A gyroid: SIN(x)*COS(y)+SIN(y)*COS(z)+\n"
                               "SIN(z)*COS(x), with the axes from -4 to 4."),
     "\n\n\n"},
    {QT_TRANSLATE_NOOP("Help", "THE COMMAND LINE"), "\n\n"},
    {QT_TRANSLATE_NOOP("Help", "The same program draws without a window:"), "\n"},
    {QT_TRANSLATE_NOOP("Help", "  kelvo eval TEXT [NAME=NUMBER ...]\n"
                               "      works out TEXT and prints the value\n"
                               "      and the error flags, for example\n"
                               "      kelvo eval \"2^3^2\"."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "  kelvo render [OPTIONS]\n"
                               "      draws one graph as the window would;\n"
                               "      --out PICTURE writes the picture\n"
                               "      (.bmp, .jpg, .gif, .png, .svg or\n"
                               "      .pdf) and --values LISTING the table\n"
                               "      of values; --movie FILE.gif writes\n"
                               "      the movie; --sample N first loads\n"
                               "      example N of the kind, as a click in\n"
                               "      the Samples window does; --fit fits\n"
                               "      the axes to the graph."),
     "\n"},
    {QT_TRANSLATE_NOOP("Help", "  kelvo --help\n"
                               "      lists the options."),
     "\n"},
};

} // namespace

std::span<const HelpTextUnit> HelpTextUnits() {
  return Units;
}

const char* HelpText() {
  static const std::string text = [] {
    std::string joined;
    for (const HelpTextUnit& unit : Units) joined.append(unit.text).append(unit.after);
    return joined;
  }();
  return text.c_str();
}

QString TranslatedHelpText() {
  QString text;
  for (const HelpTextUnit& unit : Units)
    text += QCoreApplication::translate("Help", unit.text) + QLatin1String(unit.after);
  return text;
}
