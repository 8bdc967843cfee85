<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Help</name>
    <message>
        <location filename="../ui/HelpText.cpp" line="19"/>
        <source>KELVO HELP</source>
        <extracomment>The help window&apos;s text, one heading, paragraph or entry at a time. Keep the lines as short as the English ones (about 42 characters) and their leading spaces; menu paths name the menus as the translated window shows them.</extracomment>
        <translation>KELVO-HILFE</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="20"/>
        <source>Kelvo draws graphs of functions in
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
    the sphere x^2+y^2+z^2=4.</source>
        <translation>Kelvo zeichnet Graphen von Funktionen im
dreidimensionalen Raum:
  - Flächen Z=f(x,y) in kartesischen
    Koordinaten,
  - Flächen Z=f(r,t) in Zylinder-
    koordinaten, wobei t für den Winkel
    theta steht,
  - Raumkurven x(t), y(t), z(t),
  - Parameterflächen x(u,v), y(u,v),
    z(u,v) mit zwei Parametern und
  - implizite Flächen F(x,y,z) = 0, etwa
    die Kugel x^2+y^2+z^2=4.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="33"/>
        <source>Choose one of these five kinds of graph on
the start-up form.</source>
        <translation>Wählen Sie eine dieser fünf Graphenarten
im Startfenster.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="36"/>
        <source>The eye of the observer is placed in
spherical coordinates: rho is its distance
from the origin, theta its angle around
the z axis and phi its angle down from the
z axis. Changing theta and phi shows the
graph from another side. Any rho above 0
will do as long as the eye stays outside
the axes box, far enough to see all of
it; a small rho gives a strong
perspective.</source>
        <translation>Das Auge des Betrachters wird in
Kugelkoordinaten angegeben: rho ist sein
Abstand vom Ursprung, theta sein Winkel
um die z-Achse und phi sein Winkel von
der z-Achse nach unten. Andere Werte für
theta und phi zeigen den Graphen von
einer anderen Seite. Jedes rho über 0
ist recht, solange das Auge außerhalb des
Achsenquaders bleibt, weit genug, um ihn
ganz zu sehen; ein kleines rho ergibt
eine starke Perspektive.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="47"/>
        <source>HOW TO START</source>
        <translation>ERSTE SCHRITTE</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="48"/>
        <source>Open the Samples menu and click one of the
example functions. Each example names a
suitable domain: enter it with Edit &gt;
Domain, and set the axes with Axes &gt;
Change Axes. Then give Draw. From there
adjust the axes, the domain, the number of
curves, the colours and the parameters, or
change the example in the function editor
(Function).</source>
        <translation>Öffnen Sie das Menü Beispiele und klicken
Sie eine der Beispielfunktionen an. Jedes
Beispiel nennt einen passenden
Definitionsbereich: Geben Sie ihn mit
Bearbeiten &gt; Definitionsbereich ein und
stellen Sie die Achsen mit Achsen &gt;
Achsen ändern ein. Wählen Sie dann
Zeichnen. Danach können Sie die Achsen,
den Definitionsbereich, die Anzahl der
Kurven, die Farben und die Parameter
anpassen oder das Beispiel im
Funktionseditor (Funktion) ändern.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="58"/>
        <source>1. ENTERING YOUR FUNCTIONS</source>
        <translation>1. FUNKTIONEN EINGEBEN</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="59"/>
        <source>Function opens the function editor.
Rectangular and cylindrical graphs have
one function Z; space curves and
two-parameter surfaces have three, X, Y
and Z; an implicit surface has one
equation. Upper and lower case mean the
same.</source>
        <translation>Funktion öffnet den Funktionseditor.
Kartesische und zylindrische Graphen
haben eine Funktion Z; Raumkurven und
Parameterflächen haben drei, X, Y und Z;
eine implizite Fläche hat eine Gleichung.
Groß- und Kleinbuchstaben bedeuten
dasselbe.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="67"/>
        <source>Variables: x and y (rectangular graphs), r
and t (cylindrical), t (space curves), u
and v (two-parameter surfaces), x, y and z
(implicit surfaces). Only these letters
may be used: z is a variable of the
implicit surfaces only.</source>
        <translation>Variablen: x und y (kartesische Graphen),
r und t (zylindrisch), t (Raumkurven), u
und v (Parameterflächen), x, y und z
(implizite Flächen). Nur diese Buchstaben
sind erlaubt: z ist nur bei impliziten
Flächen eine Variable.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="74"/>
        <source>Parameters: a, b, c, d, e and f are
numbers that you set while the program
runs, with Edit &gt; Parameters; a graph can
then be changed without typing it again.
Note that e is a parameter and not Euler&apos;s
number.</source>
        <translation>Parameter: a, b, c, d, e und f sind
Zahlen, die Sie bei laufendem Programm
mit Bearbeiten &gt; Parameter setzen; so
lässt sich ein Graph ändern, ohne ihn neu
einzugeben. Beachten Sie: e ist ein
Parameter und nicht die Eulersche Zahl.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="81"/>
        <source>Constants: p, or PI in any case, is pi
(3.14159...). Write EXP(1) for e
(2.71828...).</source>
        <translation>Konstanten: p, oder PI in beliebiger
Schreibung, ist pi (3.14159...). Für e
(2.71828...) schreiben Sie EXP(1).</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="85"/>
        <source>Numbers: 3, 0.25, .5, 1E-3, 2.5E2.</source>
        <translation>Zahlen (mit Punkt, nicht mit Komma):
3, 0.25, .5, 1E-3, 2.5E2.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="86"/>
        <source>Operators: + add, - subtract, * multiply,
/ divide, ^ power (** is the same as ^).
Powers are worked out first and group from
the right: 2^3^2 is 2^9 = 512. Then * and
/ from left to right, then + and - from
left to right: 2+3*4 is 14, 8/2/2 is 2.</source>
        <translation>Operatoren: + Addition, - Subtraktion,
* Multiplikation, / Division, ^ Potenz
(** ist dasselbe wie ^). Potenzen werden
zuerst berechnet und von rechts gruppiert:
2^3^2 ist 2^9 = 512. Dann * und / von
links nach rechts, dann + und - von links
nach rechts: 2+3*4 ist 14, 8/2/2 ist 2.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="93"/>
        <source>Parentheses group anything else.</source>
        <translation>Klammern fassen alles andere zusammen.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="94"/>
        <source>The * sign may be left out after a
number, a letter or a closing parenthesis
when a letter, a function or an opening
parenthesis follows: 2x, 3SIN(x),
2(x+1), (x+1)(x-1), x(y+1) and xy are
products. Such a product binds as * does:
2x^2 is 2*x^2, and 1/2x is (1/2)*x, half
of x. Names come first: aSIN(x) is the
arc sine ASIN(x), so write a*SIN(x).</source>
        <translation>Das Zeichen * darf nach einer Zahl, einem
Buchstaben oder einer schließenden
Klammer fehlen, wenn ein Buchstabe, eine
Funktion oder eine öffnende Klammer
folgt: 2x, 3SIN(x), 2(x+1), (x+1)(x-1),
x(y+1) und xy sind Produkte. Ein solches
Produkt bindet wie *: 2x^2 ist 2*x^2, und
1/2x ist (1/2)*x, die Hälfte von x. Namen
gehen vor: aSIN(x) ist der Arkussinus
ASIN(x), schreiben Sie also a*SIN(x).</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="104"/>
        <source>A minus before a letter, a function or a
parenthesis applies to the whole power,
wherever it stands: -x^2, (-x^2),
1*(-x^2) and a-b-c+(-x^2) all take x^2
negated. A minus before a number is that
number&apos;s sign: -2^2 is -4 but 1*(-2^2) is
4. Right after an operator a minus is the
sign of what follows: x*-y is x*(-y),
2^-x is 2^(-x), x/-2 is x/(-2); there it
binds tighter than a power, so write
x*(-y^2) for -(y^2). When in doubt write
-(x^2) or (-x)^2. A function may be up to
10,000 characters long.</source>
        <translation>Ein Minus vor einem Buchstaben, einer
Funktion oder einer Klammer gilt für die
ganze Potenz, wo es auch steht: -x^2,
(-x^2), 1*(-x^2) und a-b-c+(-x^2) nehmen
alle x^2 negativ. Ein Minus vor einer
Zahl ist deren Vorzeichen: -2^2 ist -4,
aber 1*(-2^2) ist 4. Direkt nach einem
Operator ist ein Minus das Vorzeichen des
Folgenden: x*-y ist x*(-y), 2^-x ist
2^(-x), x/-2 ist x/(-2); dort bindet es
stärker als eine Potenz, schreiben Sie
also x*(-y^2) für -(y^2). Im Zweifel
schreiben Sie -(x^2) oder (-x)^2. Eine
Funktion darf bis zu 10.000 Zeichen lang
sein.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="118"/>
        <source>Built-in functions, each with an example;
angles are in radians:</source>
        <translation>Eingebaute Funktionen, jeweils mit einem
Beispiel; Winkel im Bogenmaß:</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="123"/>
        <source>^	x^2+y^2
	power; a negative base needs a
	whole exponent</source>
        <extracomment>A function of the table: the first line, NAME&lt;tab&gt;EXAMPLE, stays as it is; only the meaning lines below it, each beginning with a tab, are translated.</extracomment>
        <translation>^	x^2+y^2
	Potenz; eine negative Basis
	verlangt einen ganzzahligen
	Exponenten</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="127"/>
        <source>ABS	ABS(x-1)
	absolute value</source>
        <translation>ABS	ABS(x-1)
	Betrag</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="130"/>
        <source>ATAN	ATAN(x)
	arc tangent, between -p/2 and p/2</source>
        <translation>ATAN	ATAN(x)
	Arkustangens, zwischen -p/2
	und p/2</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="133"/>
        <source>ATAN2	ATAN2(y,x)
	the angle of the point (x,y), from
	-p to p; the point (0,0) has none</source>
        <translation>ATAN2	ATAN2(y,x)
	der Winkel des Punktes (x,y),
	von -p bis p; der Punkt (0,0)
	hat keinen</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="137"/>
        <source>SIN	SIN(x*y)
	sine</source>
        <translation>SIN	SIN(x*y)
	Sinus</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="140"/>
        <source>ASIN	ASIN(x/3)
	arc sine; the argument lies from
	-1 to 1</source>
        <translation>ASIN	ASIN(x/3)
	Arkussinus; das Argument liegt
	zwischen -1 und 1</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="144"/>
        <source>COS	COS(x)+COS(y)
	cosine</source>
        <translation>COS	COS(x)+COS(y)
	Kosinus</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="147"/>
        <source>ACOS	ACOS(y/3)
	arc cosine; the argument lies from
	-1 to 1</source>
        <translation>ACOS	ACOS(y/3)
	Arkuskosinus; das Argument liegt
	zwischen -1 und 1</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="151"/>
        <source>TAN	TAN(x/2)
	tangent</source>
        <translation>TAN	TAN(x/2)
	Tangens</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="154"/>
        <source>SINH	SINH(x)
	hyperbolic sine</source>
        <translation>SINH	SINH(x)
	Sinus hyperbolicus</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="157"/>
        <source>COSH	COSH(x/2)
	hyperbolic cosine</source>
        <translation>COSH	COSH(x/2)
	Kosinus hyperbolicus</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="160"/>
        <source>EXP	EXP(-x^2-y^2)
	e to the power of the argument</source>
        <translation>EXP	EXP(-x^2-y^2)
	e hoch das Argument</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="163"/>
        <source>LN	LN(x^2+1)
	natural logarithm; the argument
	must be above 0</source>
        <translation>LN	LN(x^2+1)
	natürlicher Logarithmus; das
	Argument muss über 0 liegen</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="167"/>
        <source>LOG	LOG(x^2+y^2+1)
	logarithm to base 10; the argument
	must be above 0</source>
        <translation>LOG	LOG(x^2+y^2+1)
	Logarithmus zur Basis 10; das
	Argument muss über 0 liegen</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="171"/>
        <source>SQR	SQR(x+y)
	square: SQR(3) is 9</source>
        <translation>SQR	SQR(x+y)
	Quadrat: SQR(3) ist 9</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="174"/>
        <source>SQRT	SQRT(x^2+y^2)
	square root; the argument must not
	be negative</source>
        <translation>SQRT	SQRT(x^2+y^2)
	Quadratwurzel; das Argument darf
	nicht negativ sein</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="178"/>
        <source>ROUND	ROUND(x)
	nearest whole number; a half goes
	to the even one (ROUND(2.5) is 2),
	for arguments up to 1E9</source>
        <translation>ROUND	ROUND(x)
	nächste ganze Zahl; eine Hälfte
	geht zur geraden Zahl
	(ROUND(2.5) ist 2), für Argumente
	bis 1E9</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="183"/>
        <source>TRUNC	TRUNC(x)
	whole part, towards zero, for
	arguments up to 1E9: TRUNC(-2.7)
	is -2</source>
        <translation>TRUNC	TRUNC(x)
	ganzzahliger Teil, zur Null hin,
	für Argumente bis 1E9:
	TRUNC(-2.7) ist -2</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="188"/>
        <source>INT	INT(x*y)
	whole part, towards zero, of any
	size: INT(-2.36) is -2</source>
        <translation>INT	INT(x*y)
	ganzzahliger Teil, zur Null hin,
	für beliebige Größen:
	INT(-2.36) ist -2</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="192"/>
        <source>UN	UN(x)*x
	unit step: 0 for a negative
	argument, otherwise 1</source>
        <translation>UN	UN(x)*x
	Sprungfunktion: 0 bei negativem
	Argument, sonst 1</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="196"/>
        <source>CUT	CUT(9-x^2-y^2)*x*y
	1; where the argument is negative
	the surface is cut away, leaving a
	hole</source>
        <translation>CUT	CUT(9-x^2-y^2)*x*y
	1; wo das Argument negativ ist,
	wird die Fläche weggeschnitten,
	es bleibt ein Loch</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="201"/>
        <source>SIGN	SIGN(x)*x^2
	-1, 0 or 1, the sign of the
	argument</source>
        <translation>SIGN	SIGN(x)*x^2
	-1, 0 oder 1, das Vorzeichen des
	Arguments</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="205"/>
        <source>FLOOR	FLOOR(x)
	the whole number at or below:
	FLOOR(-2.5) is -3</source>
        <translation>FLOOR	FLOOR(x)
	die größte ganze Zahl, die nicht
	größer ist: FLOOR(-2.5) ist -3</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="209"/>
        <source>CEIL	CEIL(x)
	the whole number at or above:
	CEIL(-2.5) is -2</source>
        <translation>CEIL	CEIL(x)
	die kleinste ganze Zahl, die nicht
	kleiner ist: CEIL(-2.5) ist -2</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="213"/>
        <source>MIN	MIN(x,y)
	the smaller of two numbers</source>
        <translation>MIN	MIN(x,y)
	die kleinere von zwei Zahlen</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="216"/>
        <source>MAX	MAX(x^2,y)
	the larger of two numbers</source>
        <translation>MAX	MAX(x^2,y)
	die größere von zwei Zahlen</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="219"/>
        <source>MOD	MOD(x,2)
	the remainder of x divided by 2,
	with the sign of 2: MOD(-7,3) is 2;
	by 0 it cannot be worked out</source>
        <translation>MOD	MOD(x,2)
	der Rest von x geteilt durch 2,
	mit dem Vorzeichen von 2:
	MOD(-7,3) ist 2; durch 0 lässt er
	sich nicht berechnen</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="224"/>
        <source>HYPOT	HYPOT(x,y)
	the length SQRT(x^2+y^2), without
	overflow on the way</source>
        <translation>HYPOT	HYPOT(x,y)
	die Länge SQRT(x^2+y^2), ohne
	Überlauf in der Zwischenrechnung</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="228"/>
        <source>The functions of two numbers take them
in their parentheses, with a comma
between.</source>
        <translation>Funktionen zweier Zahlen erhalten beide
in ihren Klammern, durch ein Komma
getrennt.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="232"/>
        <source>Two examples with parameters:
  a*x^2+b*y^2 is a bowl for a=1, b=1 and a
  saddle for a=1, b=-1.
  c*SIN(a*x)*COS(b*y) makes waves of
  height c.</source>
        <translation>Zwei Beispiele mit Parametern:
  a*x^2+b*y^2 ist eine Schüssel für a=1,
  b=1 und ein Sattel für a=1, b=-1.
  c*SIN(a*x)*COS(b*y) ergibt Wellen der
  Höhe c.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="238"/>
        <source>A point where a function cannot be worked
out (a division by zero, SQRT or LN of a
negative number, ...) is left out of the
picture. A function that cannot be read
(x 2, a missing parenthesis, an unknown
name) makes the computer beep, and after
the Draw the function editor opens again
with the heading &quot;ERROR...Check your
Functions&quot;, a line saying which function
failed and why, and the mistake selected
in that function&apos;s field. Space curves
treat a point that cannot be worked out
in the same way.</source>
        <translation>Ein Punkt, an dem sich eine Funktion
nicht berechnen lässt (eine Division
durch null, SQRT oder LN einer negativen
Zahl, ...), fehlt im Bild. Eine Funktion,
die sich nicht lesen lässt (x 2, eine
fehlende Klammer, ein unbekannter Name),
lässt den Computer piepen, und nach dem
Zeichnen öffnet sich der Funktionseditor
wieder mit der Überschrift „FEHLER...
Funktionen prüfen“, einer Zeile, die
sagt, welche Funktion woran scheiterte,
und dem markierten Fehler im Feld dieser
Funktion. Raumkurven behandeln einen
nicht berechenbaren Punkt ebenso.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="252"/>
        <source>2. OPTIONS FROM THE MAIN MENU</source>
        <translation>2. BEFEHLE DES HAUPTMENÜS</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="253"/>
        <source>The commands as they work for rectangular
graphs; the other kinds of graph follow at
the end.</source>
        <translation>Die Befehle, wie sie für kartesische
Graphen wirken; die anderen Graphenarten
folgen am Ende.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="257"/>
        <source>Function: opens the function editor.</source>
        <translation>Funktion: öffnet den Funktionseditor.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="258"/>
        <source>Draw: draws the graph over the picture;
   give Edit &gt; Clear Screen first for a
   clean picture. A long drawing stops
   with the &quot;Cancel Draw&quot; button beside
   the picture or the Esc key.</source>
        <translation>Zeichnen: zeichnet den Graphen über das
   Bild; für ein sauberes Bild zuerst
   Bearbeiten &gt; Bild löschen wählen. Ein
   langes Zeichnen hält die Schaltfläche
   „Abbrechen“ neben dem Bild
   oder die Esc-Taste an.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="264"/>
        <source>Axes &gt; Change Axes: the ranges of the x, y
   and z axes, which also make the box the
   picture is fitted into.</source>
        <translation>Achsen &gt; Achsen ändern: die Bereiche der
   x-, y- und z-Achse; sie bilden auch den
   Quader, in den das Bild eingepasst
   wird.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="268"/>
        <source>Axes &gt; Draw Axes: draws the axes again
   over the picture.</source>
        <translation>Achsen &gt; Achsen zeichnen: zeichnet die
   Achsen erneut über das Bild.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="271"/>
        <source>Axes &gt; Fit Axes to Graph: sets the axes to
   the extent of the graph, widened to
   whole numbers (for rectangular graphs
   only the z axis), and draws again.</source>
        <translation>Achsen &gt; Achsen an Graph anpassen: setzt
   die Achsen auf die Ausdehnung des
   Graphen, auf ganze Zahlen erweitert
   (bei kartesischen Graphen nur die
   z-Achse), und zeichnet neu.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="276"/>
        <source>Edit &gt; Domain: the ranges of x and y over
   which the function is drawn.</source>
        <translation>Bearbeiten &gt; Definitionsbereich: die
   Bereiche von x und y, über denen die
   Funktion gezeichnet wird.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="279"/>
        <source>View &gt; Eye Position: the eye position
   rho, theta and phi. Any rho above 0
   will do as long as the eye stays
   outside the axes box and sees all of
   it; an eye that would not is refused
   and the old rho (or angles) kept. The
   arrows, the typed angles and dragging
   stop short of such an eye, the axes
   dialog keeps the old box, and a movie
   that would turn the eye there is not
   made.</source>
        <translation>Ansicht &gt; Augpunkt: die Lage des Auges,
   rho, theta und phi. Jedes rho über 0
   ist recht, solange das Auge außerhalb
   des Achsenquaders bleibt und ihn ganz
   sieht; ein Auge, bei dem das nicht so
   wäre, wird abgelehnt, und das alte rho
   (oder die alten Winkel) bleibt. Die
   Pfeile, eingetippte Winkel und Ziehen
   halten vor einem solchen Auge an, der
   Achsendialog behält den alten Quader,
   und ein Film, der das Auge dorthin
   drehen würde, wird nicht erstellt.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="291"/>
        <source>   The four arrow buttons beside the
   picture turn the view by 10 degrees
   (left and right change theta, up and
   down change phi) and draw the graph
   again; so do the arrow keys while the
   picture has the focus. Theta and phi
   can also be typed in their fields
   (Enter applies them).</source>
        <translation>   Die vier Pfeilknöpfe neben dem Bild
   drehen die Ansicht um 10 Grad (links
   und rechts ändern theta, oben und unten
   ändern phi) und zeichnen den Graphen
   neu; ebenso die Pfeiltasten, während
   das Bild den Fokus hat. Theta und phi
   lassen sich auch in ihre Felder
   eintippen (Enter übernimmt sie).</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="300"/>
        <source>   Dragging the picture with the left
   mouse button turns the graph freely:
   across turns theta, up and down turns
   phi.</source>
        <translation>   Ziehen im Bild mit der linken Maustaste
   dreht den Graphen frei: waagerecht
   dreht theta, senkrecht phi.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="305"/>
        <source>   The mouse wheel, or + and -, zooms the
   picture in and out (from a quarter to
   eight times); a double click or View &gt;
   Reset Zoom brings it back.</source>
        <translation>   Das Mausrad oder + und - vergrößert und
   verkleinert das Bild (von einem Viertel
   bis zum Achtfachen); ein Doppelklick
   oder Ansicht &gt; Zoom zurücksetzen stellt
   es wieder her.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="310"/>
        <source>   When the window changes size, the
   graph is drawn again at the new size.</source>
        <translation>   Ändert das Fenster seine Größe, wird
   der Graph in der neuen Größe neu
   gezeichnet.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="313"/>
        <source>View &gt; Exact Hiding: when checked, the
   cells of every graph, the plane, the
   box&apos;s edges, the line and the curves
   are split where they cross and painted
   far to near, so whatever is nearer the
   eye hides what is behind it: two
   surfaces show the line where they
   meet, and the box&apos;s far edges and the
   line pass behind a surface. The axes
   stay on top. The split is made once
   per Draw and serves every view of a
   drag, a rotation or a movie. SVG and
   PDF pictures hold every piece in the
   order it is painted. Unchecked, cells
   are painted whole, farthest first.</source>
        <translation>Ansicht &gt; Exakte Verdeckung: wenn
   angehakt, werden die Zellen jedes
   Graphen, die Ebene, die Kanten des
   Quaders, die Gerade und die Kurven dort
   geteilt, wo sie sich kreuzen, und von
   fern nach nah gemalt; so verdeckt, was
   dem Auge näher ist, was dahinter liegt:
   Zwei Flächen zeigen die Linie, an der
   sie sich treffen, und die fernen Kanten
   des Quaders und die Gerade laufen
   hinter einer Fläche. Die Achsen bleiben
   obenauf. Die Teilung geschieht einmal
   je Zeichnen und dient jeder Ansicht
   beim Ziehen, bei einer Drehung oder in
   einem Film. SVG- und PDF-Bilder
   enthalten jedes Stück in der
   Reihenfolge, in der es gemalt wird.
   Nicht angehakt werden die Zellen ganz
   gemalt, die fernsten zuerst.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="329"/>
        <source>Edit &gt; Parameters: the values of a, b, c,
   d, e and f.</source>
        <translation>Bearbeiten &gt; Parameter: die Werte von a,
   b, c, d, e und f.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="332"/>
        <source>Edit &gt; Parameter Sliders: a slider for
   each of a to f; the graph is drawn
   again as a slider moves. The fields
   beside a slider set its two ends (any
   expression, -10 and 10 at first).</source>
        <translation>Bearbeiten &gt; Parameter-Schieberegler:
   ein Schieberegler für jeden von a bis
   f; der Graph wird neu gezeichnet, wenn
   sich ein Regler bewegt. Die Felder
   neben einem Regler setzen seine beiden
   Enden (ein beliebiger Ausdruck, anfangs
   -10 und 10).</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="338"/>
        <source>Edit &gt; Curves: the number of grid curves
   in x and in y; more curves give a finer
   picture and take longer. An implicit
   surface has a third number, Z-Curves:
   the cells of its box along z.</source>
        <translation>Bearbeiten &gt; Kurven: die Anzahl der
   Gitterkurven in x und in y; mehr Kurven
   ergeben ein feineres Bild und dauern
   länger. Eine implizite Fläche hat eine
   dritte Zahl, Z-Kurven: die Zellen ihres
   Quaders entlang z.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="344"/>
        <source>Box &gt; Draw Box: when checked, a box is
   drawn around the graph.</source>
        <translation>Quader &gt; Quader zeichnen: wenn angehakt,
   wird ein Quader um den Graphen
   gezeichnet.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="347"/>
        <source>Edit &gt; Copy Graph: puts the picture on the
   clipboard; Edit &gt; Paste Graph puts a
   picture from the clipboard into the
   graphing rectangle.</source>
        <translation>Bearbeiten &gt; Graph kopieren: legt das
   Bild in die Zwischenablage;
   Bearbeiten &gt; Graph einfügen setzt ein
   Bild aus der Zwischenablage in das
   Zeichenrechteck.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="352"/>
        <source>Edit &gt; Surface Colors: the colours of the
   upper and the lower side of a surface
   and of its grid, and shading on or off.</source>
        <translation>Bearbeiten &gt; Flächenfarben: die Farben
   der Ober- und der Unterseite einer
   Fläche und ihres Gitters, und die
   Schattierung an oder aus.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="356"/>
        <source>   Where a 2-parameter surface has no
   normal (a pole, or points a domain error
   puts in one place) it is drawn flat, in
   its colour without shading.</source>
        <translation>   Wo eine Parameterfläche keine Normale
   hat (ein Pol, oder Punkte, die eine
   Definitionslücke an eine Stelle legt),
   wird sie flach gezeichnet, in ihrer
   Farbe ohne Schattierung.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="361"/>
        <source>   White works as an eraser: a surface
   drawn in white wipes out what it
   covers.</source>
        <translation>   Weiß wirkt als Radiergummi: Eine weiß
   gezeichnete Fläche löscht aus, was sie
   bedeckt.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="365"/>
        <source>Edit &gt; Colors: the colours of curves and
   lines, of the axes, their ticks and
   letters, and of the background.</source>
        <translation>Bearbeiten &gt; Farben: die Farben der
   Kurven und Linien, der Achsen, ihrer
   Teilstriche und Beschriftung, und des
   Hintergrunds.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="369"/>
        <source>Edit &gt; Graph Title: a title above the
   picture.</source>
        <translation>Bearbeiten &gt; Graphtitel: ein Titel über
   dem Bild.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="372"/>
        <source>Edit &gt; Graph Size: the picture at its
   normal size, or at 80% or 60% of it.</source>
        <translation>Bearbeiten &gt; Graphgröße: das Bild in
   normaler Größe oder in 80 % oder 60 %
   davon.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="375"/>
        <source>Edit &gt; Graph: starts a paint program, into
   which the graph can be pasted from the
   clipboard and touched up.</source>
        <translation>Bearbeiten &gt; Graph: startet ein
   Malprogramm, in das sich der Graph aus
   der Zwischenablage einfügen und
   nachbearbeiten lässt.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="379"/>
        <source>Edit &gt; Clear Screen: clears the picture
   and draws the bare axes.</source>
        <translation>Bearbeiten &gt; Bild löschen: löscht das
   Bild und zeichnet die bloßen Achsen.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="382"/>
        <source>Edit &gt; Keep Graph in Picture: keeps the
   current graph (its kind, functions,
   domain, curves, step, colours and
   shading) in the picture; change the
   function or the kind for the next one.</source>
        <translation>Bearbeiten &gt; Graph im Bild behalten:
   behält den aktuellen Graphen (Art,
   Funktionen, Definitionsbereich, Kurven,
   Schrittweite, Farben und Schattierung)
   im Bild; für den nächsten ändern Sie
   die Funktion oder die Art.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="388"/>
        <source>   Every Draw, rotation, drag, movie and
   sweep then draws all of them, their
   cells sorted together, and the listing
   holds each under a heading line. The
   axes, the view, the parameters, the
   additions and the drawing colours
   belong to the picture. A picture holds
   at most 16 graphs; a graph that cannot
   be evaluated is named and left out.</source>
        <translation>   Jedes Zeichnen, jede Drehung, jedes
   Ziehen, jeder Film und jede
   Parameteranimation zeichnet dann alle,
   ihre Zellen gemeinsam sortiert, und die
   Werteliste führt jeden unter einer
   Kopfzeile. Die Achsen, die Ansicht, die
   Parameter, die Zusätze und die
   Zeichenfarben gehören zum Bild. Ein
   Bild fasst höchstens 16 Graphen; ein
   Graph, der sich nicht auswerten lässt,
   wird genannt und weggelassen.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="398"/>
        <source>Edit &gt; Graphs Window: the kept graphs,
   each with a check box that shows it or
   leaves it out; Make Current makes the
   chosen one the current graph (the
   current one takes its place), Remove
   takes it out of the picture.</source>
        <translation>Bearbeiten &gt; Graphenfenster: die
   behaltenen Graphen, jeder mit einem
   Kästchen, das ihn zeigt oder weglässt;
   „Zum aktuellen machen“ macht den
   gewählten zum aktuellen Graphen (der
   aktuelle nimmt seinen Platz ein),
   „Entfernen“ nimmt ihn aus dem Bild.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="405"/>
        <source>File &gt; Export Picture &gt; Save as Mesh:
   writes the surfaces
   of the picture as triangles in graph
   coordinates with their normals, as an
   OBJ file (a group per graph) or a
   binary STL file; axes, box, plane and
   line are not part of it.</source>
        <translation>Datei &gt; Bild exportieren &gt; Als Netz
   speichern: schreibt die Flächen des
   Bildes als Dreiecke in Graphkoordinaten
   mit ihren Normalen, als OBJ-Datei (eine
   Gruppe je Graph) oder als binäre
   STL-Datei; Achsen, Quader, Ebene und
   Gerade gehören nicht dazu.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="413"/>
        <source>Plane &gt; Edit, Plane &gt; Draw: a patch of a
   plane through a point, given by its
   normal vector, for example a tangent
   plane. Once drawn, it is drawn again
   with every redraw.</source>
        <translation>Ebene &gt; Bearbeiten, Ebene &gt; Zeichnen: ein
   Stück einer Ebene durch einen Punkt,
   gegeben durch ihren Normalenvektor, zum
   Beispiel eine Tangentialebene. Einmal
   gezeichnet, erscheint sie bei jedem
   Neuzeichnen wieder.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="419"/>
        <source>Line &gt; Edit, Line &gt; Draw: a straight line
   between two points, drawn again with
   every redraw.</source>
        <translation>Gerade &gt; Bearbeiten, Gerade &gt; Zeichnen:
   eine gerade Linie zwischen zwei
   Punkten, die bei jedem Neuzeichnen
   wieder erscheint.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="423"/>
        <source>Contours &gt; Draw: level curves of the
   function, flat in the x-y plane.</source>
        <translation>Höhenlinien &gt; Zeichnen: Höhenlinien der
   Funktion, flach in der x-y-Ebene.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="426"/>
        <source>   Contours &gt; Edit chooses the grid (20,
   40 or 60) and the number of levels (10
   to 16), and &quot;3D Contours&quot; lifts each
   level curve to its height. A small
   window lists the levels in their
   colours.</source>
        <translation>   Höhenlinien &gt; Bearbeiten wählt das
   Gitter (20, 40 oder 60) und die Anzahl
   der Höhen (10 bis 16), und
   „3D-Höhenlinien“ hebt jede Höhenlinie
   auf ihre Höhe. Ein kleines Fenster
   listet die Höhen in ihren Farben auf.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="433"/>
        <source>Movie &gt; Create: turns the eye once round
   the z axis and records the frames.</source>
        <translation>Film &gt; Erstellen: dreht das Auge einmal
   um die z-Achse und nimmt die Bilder
   auf.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="436"/>
        <source>   Movie &gt; Play shows them again (&quot;Stop
   Movie&quot; or Esc stops it); Movie &gt; Edit
   sets the number of frames (up to 32)
   and the speed; &quot;Save Movie as Animated
   GIF...&quot; writes the movie as a GIF file
   that plays in a loop.</source>
        <translation>   Film &gt; Abspielen zeigt sie wieder
   („Film anhalten“ oder Esc hält ihn an);
   Film &gt; Bearbeiten setzt die Anzahl der
   Bilder (bis 32) und das Tempo; „Film
   als animiertes GIF speichern...“
   schreibt den Film als GIF-Datei, die in
   einer Schleife läuft.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="443"/>
        <source>Movie &gt; Animate Parameter: a movie in
   which the eye stays still and one of a
   to f steps from a start to an end
   value; each frame is the picture a
   Draw makes at that value. Play and the
   animated GIF show it like any movie,
   and the parameter keeps its value.</source>
        <translation>Film &gt; Parameter animieren: ein Film, in
   dem das Auge stillsteht und einer von
   a bis f in Schritten vom Anfangs- zum
   Endwert läuft; jedes Bild ist das Bild,
   das Zeichnen bei diesem Wert ergibt.
   Abspielen und das animierte GIF zeigen
   ihn wie jeden Film, und der Parameter
   behält seinen Wert.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="451"/>
        <source>Samples: the example functions of the
   current kind of graph.</source>
        <translation>Beispiele: die Beispielfunktionen der
   aktuellen Graphenart.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="454"/>
        <source>Help &gt; Help: this window. Help &gt; About
   Kelvo tells the version and the
   licence; About Qt the toolkit&apos;s.</source>
        <translation>Hilfe &gt; Hilfe: dieses Fenster. Hilfe &gt;
   Über Kelvo nennt die Version und die
   Lizenz; Über Qt die des Toolkits.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="458"/>
        <source>File &gt; List Function values: the table of
   the points sampled by the last Draw,
   which can be printed, saved as a text
   file or copied.</source>
        <translation>Datei &gt; Funktionswerte auflisten: die
   Tabelle der beim letzten Zeichnen
   berechneten Punkte; sie lässt sich
   drucken, als Textdatei speichern oder
   kopieren.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="463"/>
        <source>File &gt; Open Graph File: opens a graph
   file (.kelvo) with every setting of a
   graph and draws it, in the window size
   it was saved at. File &gt; Save Graph File
   and Save Graph File As write one; the
   caption shows its name, and a * while
   the graph has changed since. Exit and
   opening another graph ask first
   whether to save a changed graph.</source>
        <translation>Datei &gt; Graphdatei öffnen: öffnet eine
   Graphdatei (.kelvo) mit allen
   Einstellungen eines Graphen und
   zeichnet ihn, in der Fenstergröße, in
   der sie gespeichert wurde. Datei &gt;
   Graphdatei speichern und „Graphdatei
   speichern unter“ schreiben eine; die
   Titelleiste zeigt ihren Namen und ein
   *, solange der Graph seither geändert
   ist. Schließen und das Öffnen eines
   anderen Graphen fragen zuerst, ob ein
   geänderter Graph gespeichert werden
   soll.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="473"/>
        <source>   Recent Graph Files lists the last
   eight. A graph file dropped on the
   window opens too, and so does
   kelvo FILE.kelvo on the command line.</source>
        <translation>   „Letzte Graphdateien“ listet die
   letzten acht. Eine auf das Fenster
   gezogene Graphdatei öffnet sich
   ebenfalls, ebenso mit
   kelvo FILE.kelvo auf der Kommandozeile.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="478"/>
        <source>File &gt; Open Picture: loads a picture file
   (bitmap .bmp, JPEG .jpg, GIF .gif or
   PNG .png), stretched over the graphing
   rectangle; a graph can then be drawn
   over it. A picture dropped on the
   window opens the same way.</source>
        <translation>Datei &gt; Bild öffnen: lädt eine Bilddatei
   (Bitmap .bmp, JPEG .jpg, GIF .gif oder
   PNG .png), gestreckt über das
   Zeichenrechteck; darüber lässt sich
   dann ein Graph zeichnen. Ein auf das
   Fenster gezogenes Bild öffnet sich
   ebenso.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="485"/>
        <source>File &gt; Export Picture: saves the picture
   as a bitmap, JPEG, GIF or PNG file,
   chosen by the ending of the file name.</source>
        <translation>Datei &gt; Bild exportieren: speichert das
   Bild als Bitmap-, JPEG-, GIF- oder
   PNG-Datei, je nach Endung des
   Dateinamens.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="489"/>
        <source>   &quot;Save full graph&quot; takes the window area
   with the title and the function lines,
   &quot;Save Only inside rectangle&quot; only the
   picture.</source>
        <translation>   „Ganzen Graphen speichern“ nimmt den
   Fensterbereich mit dem Titel und den
   Funktionszeilen, „Nur das Rechteck
   speichern“ nur das Bild.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="494"/>
        <source>   &quot;Save as SVG or PDF...&quot; writes the
   drawing as vectors (cells, lines and
   letters), sharp at any size.</source>
        <translation>   „Als SVG oder PDF speichern...“
   schreibt die Zeichnung als Vektoren
   (Zellen, Linien und Buchstaben), scharf
   in jeder Größe.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="498"/>
        <source>The file dialogs start in the folder
   last used.</source>
        <translation>Die Dateidialoge beginnen im zuletzt
   benutzten Ordner.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="501"/>
        <source>File &gt; Print Graph prints the picture;
   File &gt; Printer Set Up chooses the
   printer.</source>
        <translation>Datei &gt; Graph drucken druckt das Bild;
   Datei &gt; Druckereinrichtung wählt den
   Drucker.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="505"/>
        <source>File &gt; Exit: back to the start-up form, to
   choose another kind of graph or Quit.</source>
        <translation>Datei &gt; Schließen: zurück zum
   Startfenster, um eine andere Graphenart
   oder Beenden zu wählen.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="508"/>
        <source>File &gt; Quit ends the program (asking first
   about a changed graph).</source>
        <translation>Datei &gt; Beenden beendet das Programm
   (bei einem geänderten Graphen fragt es
   zuerst).</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="511"/>
        <source>Keys: F5 Draw, Ctrl+O Open Graph File,
   Ctrl+S Save Graph File, Ctrl+Shift+S
   Save Graph File As, Ctrl+Shift+O Open
   Picture, Ctrl+E Save Only inside
   rectangle, Ctrl+Shift+E Save full
   graph, Ctrl+C Copy Graph, Ctrl+V Paste
   Graph, Ctrl+P Print Graph, Ctrl+L List
   Function values, F1 Help, Ctrl+Q Quit,
   Esc Cancel Draw. Where your desktop
   sets other keys for these commands,
   its keys are used.</source>
        <translation>Tasten: F5 Zeichnen, Ctrl+O Graphdatei
   öffnen, Ctrl+S Graphdatei speichern,
   Ctrl+Shift+S Graphdatei speichern
   unter, Ctrl+Shift+O Bild öffnen,
   Ctrl+E Nur das Rechteck speichern,
   Ctrl+Shift+E Ganzen Graphen
   speichern, Ctrl+C Graph kopieren,
   Ctrl+V Graph einfügen, Ctrl+P Graph
   drucken, Ctrl+L Funktionswerte
   auflisten, F1 Hilfe, Ctrl+Q Beenden,
   Esc Zeichnen abbrechen. Wo Ihr Desktop
   für diese Befehle andere Tasten
   festlegt, gelten dessen Tasten.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="523"/>
        <source>The whole screen can be saved with your
desktop&apos;s Print Screen key.</source>
        <translation>Den ganzen Bildschirm speichert die
Druck-Taste Ihres Desktops.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="526"/>
        <source>CYLINDRICAL GRAPHS  Z=f(r,t)</source>
        <translation>GRAPHEN IN ZYLINDERKOORDINATEN  Z=f(r,t)</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="527"/>
        <source>The domain gives r and t; t is the angle
theta in radians (a full turn is 0 to
2*p). The graphing area is square. Use r
and t in the function: SIN(r)/r,
r^2*COS(2*t).</source>
        <translation>Der Definitionsbereich gibt r und t an;
t ist der Winkel theta im Bogenmaß (eine
volle Drehung ist 0 bis 2*p). Die
Zeichenfläche ist quadratisch. Verwenden
Sie r und t in der Funktion: SIN(r)/r,
r^2*COS(2*t).</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="533"/>
        <source>SPACE CURVES  x(t), y(t), z(t)</source>
        <translation>RAUMKURVEN  x(t), y(t), z(t)</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="534"/>
        <source>Type the three functions of t. The domain
gives the range of t, and Edit &gt; Step the
step by which t grows; a smaller step
draws a smoother curve. The curve grows on
the screen while it is drawn.</source>
        <translation>Geben Sie die drei Funktionen von t ein.
Der Definitionsbereich gibt den Bereich
von t an, Bearbeiten &gt; Schrittweite den
Schritt, um den t wächst; ein kleinerer
Schritt zeichnet eine glattere Kurve. Die
Kurve wächst auf dem Bildschirm, während
sie gezeichnet wird.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="540"/>
        <source>TWO-PARAMETER SURFACES  x(u,v), y(u,v), z(u,v)</source>
        <translation>PARAMETERFLÄCHEN  x(u,v), y(u,v), z(u,v)</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="541"/>
        <source>Type the three functions of u and v. The
domain gives the ranges of u and v, and
Edit &gt; Curves the number of grid curves in
each. A sphere: X=3*COS(u)*COS(v),
Y=3*COS(u)*SIN(v), Z=3*SIN(u), with u from
-p/2 to p/2 and v from 0 to 2*p.</source>
        <translation>Geben Sie die drei Funktionen von u und v
ein. Der Definitionsbereich gibt die
Bereiche von u und v an, Bearbeiten &gt;
Kurven die Anzahl der Gitterkurven in
jeder Richtung. Eine Kugel:
X=3*COS(u)*COS(v), Y=3*COS(u)*SIN(v),
Z=3*SIN(u), mit u von -p/2 bis p/2 und
v von 0 bis 2*p.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="548"/>
        <source>IMPLICIT SURFACES  F(x,y,z) = 0</source>
        <translation>IMPLIZITE FLÄCHEN  F(x,y,z) = 0</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="549"/>
        <source>Type one function of x, y and z, or an
equation: LEFT = RIGHT means LEFT-(RIGHT)
= 0, so x^2+y^2+z^2=4 and x^2+y^2+z^2-4
draw the same sphere. The surface is
drawn inside the axes box, which is its
domain (there is no Edit &gt; Domain): the
box is cut into X-, Y- and Z-Curves cells
(2 to 80 each, 30 at first), F is worked
out once at every corner of the cells,
and the surface is made of the small
triangles where F changes sign. The side
where F is positive shows the upper
colour, the other side the lower one.</source>
        <translation>Geben Sie eine Funktion von x, y und z
ein oder eine Gleichung: LINKS = RECHTS
bedeutet LINKS-(RECHTS) = 0; also
zeichnen x^2+y^2+z^2=4 und
x^2+y^2+z^2-4 dieselbe Kugel. Die Fläche
wird im Achsenquader gezeichnet, der ihr
Definitionsbereich ist (es gibt kein
Bearbeiten &gt; Definitionsbereich): Der
Quader wird in Zellen geteilt, so viele
wie X-, Y- und Z-Kurven (je 2 bis 80,
anfangs 30), F wird an jeder Ecke der
Zellen einmal berechnet, und die Fläche
besteht aus den kleinen Dreiecken, wo F
das Vorzeichen wechselt. Die Seite, wo F
positiv ist, zeigt die obere Farbe, die
andere Seite die untere.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="563"/>
        <source>Where F has no value (a domain error, or
a CUT of a negative number) the surface
is left open. Turning, dragging or
zooming only draws the triangles again;
a new function, parameters, axes or
curves make them anew. Axes &gt; Fit Axes to
Graph tightens the box round the surface.</source>
        <translation>Wo F keinen Wert hat (eine
Definitionslücke oder CUT einer
negativen Zahl), bleibt die Fläche offen.
Drehen, Ziehen oder Zoomen zeichnet nur
die Dreiecke neu; eine neue Funktion,
neue Parameter, Achsen oder Kurven
erzeugen sie neu. Achsen &gt; Achsen an
Graph anpassen zieht den Quader eng um
die Fläche.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="571"/>
        <source>A gyroid: SIN(x)*COS(y)+SIN(y)*COS(z)+
SIN(z)*COS(x), with the axes from -4 to 4.</source>
        <translation>Ein Gyroid: SIN(x)*COS(y)+SIN(y)*COS(z)+
SIN(z)*COS(x), mit Achsen von -4 bis 4.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="574"/>
        <source>THE COMMAND LINE</source>
        <translation>DIE KOMMANDOZEILE</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="575"/>
        <source>The same program draws without a window:</source>
        <translation>Dasselbe Programm zeichnet ohne Fenster:</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="576"/>
        <source>  kelvo eval TEXT [NAME=NUMBER ...]
      works out TEXT and prints the value
      and the error flags, for example
      kelvo eval &quot;2^3^2&quot;.</source>
        <translation>  kelvo eval TEXT [NAME=NUMBER ...]
      berechnet TEXT und gibt den Wert und
      die Fehlerkennzeichen aus, zum
      Beispiel kelvo eval &quot;2^3^2&quot;.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="581"/>
        <source>  kelvo render [OPTIONS]
      draws one graph as the window would;
      --out PICTURE writes the picture
      (.bmp, .jpg, .gif, .png, .svg or
      .pdf) and --values LISTING the table
      of values; --movie FILE.gif writes
      the movie; --sample N first loads
      example N of the kind, as a click in
      the Samples window does; --fit fits
      the axes to the graph.</source>
        <translation>  kelvo render [OPTIONS]
      zeichnet einen Graphen wie das
      Fenster; --out PICTURE schreibt das
      Bild (.bmp, .jpg, .gif, .png, .svg
      oder .pdf) und --values LISTING die
      Wertetabelle; --movie FILE.gif
      schreibt den Film; --sample N lädt
      zuerst Beispiel N der Art, wie ein
      Klick im Beispielfenster; --fit
      passt die Achsen an den Graphen an.</translation>
    </message>
    <message>
        <location filename="../ui/HelpText.cpp" line="592"/>
        <source>  kelvo --help
      lists the options.</source>
        <translation>  kelvo --help
      listet die Optionen auf.</translation>
    </message>
</context>
</TS>
