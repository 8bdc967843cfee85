<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Application</name>
    <message>
        <source>The graph file %1 cannot be read: %2</source>
        <translation>Die Graphdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>White (Eraser)</source>
        <translation>Weiß (Radierer)</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>No grids</source>
        <translation>Kein Gitter</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>unsupported picture format</source>
        <translation>nicht unterstütztes Bildformat</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>the bitmap leaves pixels undefined</source>
        <translation>die Bitmap lässt Pixel undefiniert</translation>
    </message>
    <message>
        <source>a run of the bitmap passes the end of its row</source>
        <translation>eine Folge der Bitmap reicht über das Ende ihrer Zeile</translation>
    </message>
    <message>
        <source>a pixel names a colour the palette does not have</source>
        <translation>ein Pixel nennt eine Farbe, die die Palette nicht hat</translation>
    </message>
    <message>
        <source>the bitmap header is of an unknown kind</source>
        <translation>der Bitmap-Kopf ist von unbekannter Art</translation>
    </message>
    <message>
        <source>the bitmap header is damaged</source>
        <translation>der Bitmap-Kopf ist beschädigt</translation>
    </message>
    <message>
        <source>the bitmap&apos;s depth or compression is not supported</source>
        <translation>Farbtiefe oder Kompression der Bitmap werden nicht unterstützt</translation>
    </message>
    <message>
        <source>the bitmap&apos;s palette is larger than its depth allows</source>
        <translation>die Palette der Bitmap ist größer, als ihre Farbtiefe erlaubt</translation>
    </message>
    <message>
        <source>not a bitmap file</source>
        <translation>keine Bitmap-Datei</translation>
    </message>
    <message>
        <source>Sorry..not a bitmap</source>
        <translation>Leider..keine Bitmap</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>das Bild hat keine Pixel</translation>
    </message>
    <message>
        <source>the delay and the loop count must lie between 0 and 65535</source>
        <translation>Verzögerung und Wiederholungszahl müssen zwischen 0 und 65535 liegen</translation>
    </message>
    <message>
        <source>the frames differ in size</source>
        <translation>die Einzelbilder sind verschieden groß</translation>
    </message>
    <message>
        <source>the GIF file is truncated or damaged</source>
        <translation>die GIF-Datei ist abgeschnitten oder beschädigt</translation>
    </message>
    <message>
        <source>the GIF file has no colour table</source>
        <translation>die GIF-Datei hat keine Farbtabelle</translation>
    </message>
    <message>
        <source>not a GIF file</source>
        <translation>keine GIF-Datei</translation>
    </message>
    <message>
        <source>the GIF file holds no picture</source>
        <translation>die GIF-Datei enthält kein Bild</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>für das Bild ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>the file is too large to be a picture</source>
        <translation>die Datei ist zu groß für ein Bild</translation>
    </message>
    <message>
        <source>this is not a PNG picture</source>
        <translation>dies ist kein PNG-Bild</translation>
    </message>
    <message>
        <source>the PNG data are damaged</source>
        <translation>die PNG-Daten sind beschädigt</translation>
    </message>
    <message>
        <source>the PNG picture&apos;s colours cannot be read</source>
        <translation>die Farben des PNG-Bildes können nicht gelesen werden</translation>
    </message>
    <message>
        <source>the JPEG file lacks the Huffman tables of its data</source>
        <translation>der JPEG-Datei fehlen die Huffman-Tabellen ihrer Daten</translation>
    </message>
    <message>
        <source>the file is too short to be a JPEG picture</source>
        <translation>die Datei ist zu kurz für ein JPEG-Bild</translation>
    </message>
    <message>
        <source>there is no picture to print</source>
        <translation>es gibt kein Bild zum Drucken</translation>
    </message>
    <message>
        <source>the picture is too small to print</source>
        <translation>das Bild ist zu klein zum Drucken</translation>
    </message>
    <message>
        <source>the printer could not be started</source>
        <translation>der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the printout could not be finished</source>
        <translation>der Ausdruck konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>the printer could not start a new page</source>
        <translation>der Drucker konnte keine neue Seite beginnen</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the named pipe has no reader</source>
        <translation>die benannte Pipe hat keinen Leser</translation>
    </message>
    <message>
        <source>the picture could not be encoded for the SVG drawing</source>
        <translation>das Bild konnte für die SVG-Zeichnung nicht kodiert werden</translation>
    </message>
    <message>
        <source>the SVG drawing could not be started</source>
        <translation>die SVG-Zeichnung konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>the PDF drawing could not be started</source>
        <translation>die PDF-Zeichnung konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>the PDF drawing could not be finished</source>
        <translation>die PDF-Zeichnung konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>the PDF page could not be compressed</source>
        <translation>die PDF-Seite konnte nicht komprimiert werden</translation>
    </message>
    <message>
        <source>the picture could not be compressed for the PDF page</source>
        <translation>das Bild konnte für die PDF-Seite nicht komprimiert werden</translation>
    </message>
    <message>
        <source>Sorry, only Bitmaps, JPEGs, PNGs
or GIFs can be opened</source>
        <translation>Leider lassen sich nur Bitmaps, JPEGs,
PNGs oder GIFs öffnen</translation>
    </message>
    <message>
        <source>the file is larger than 4 MiB</source>
        <translation>die Datei ist größer als 4 MiB</translation>
    </message>
    <message>
        <source>this is not a text file</source>
        <translation>dies ist keine Textdatei</translation>
    </message>
    <message>
        <source>the line is longer than 64 KiB</source>
        <translation>die Zeile ist länger als 64 KiB</translation>
    </message>
    <message>
        <source>a line &quot;Key = value&quot; expected</source>
        <translation>eine Zeile &quot;Key = value&quot; erwartet</translation>
    </message>
    <message>
        <source>the kind must be 1, 2, 3, 4 or 6</source>
        <translation>die Art muss 1, 2, 3, 4 oder 6 sein</translation>
    </message>
    <message>
        <source>the key &apos;Kind&apos; stands twice</source>
        <translation>der Schlüssel &apos;Kind&apos; steht zweimal da</translation>
    </message>
    <message>
        <source>the value of &apos;Shown&apos; cannot be read; the graph is shown</source>
        <translation>der Wert von &apos;Shown&apos; kann nicht gelesen werden; der Graph wird gezeigt</translation>
    </message>
    <message>
        <source>the file names no kind (a line &quot;Kind = 1&quot; to &quot;Kind = 4&quot;, or &quot;Kind = 6&quot;)</source>
        <translation>die Datei nennt keine Art (eine Zeile &quot;Kind = 1&quot; bis &quot;Kind = 4&quot; oder &quot;Kind = 6&quot;)</translation>
    </message>
    <message>
        <source>the text is nested too deeply</source>
        <translation>der Text ist zu tief verschachtelt</translation>
    </message>
    <message>
        <source>the text is too long</source>
        <translation>der Text ist zu lang</translation>
    </message>
    <message>
        <source>&apos;z&apos; is not a variable of this kind</source>
        <translation>&apos;z&apos; ist keine Variable dieser Art</translation>
    </message>
    <message>
        <source>a character that cannot stand in a function</source>
        <translation>ein Zeichen, das in einer Funktion nicht stehen kann</translation>
    </message>
    <message>
        <source>a letter expected after &apos;:&apos;</source>
        <translation>nach &apos;:&apos; wird ein Buchstabe erwartet</translation>
    </message>
    <message>
        <source>&apos;)&apos; expected</source>
        <translation>&apos;)&apos; erwartet</translation>
    </message>
    <message>
        <source>the text ends too early</source>
        <translation>der Text endet zu früh</translation>
    </message>
    <message>
        <source>a number or a variable expected</source>
        <translation>eine Zahl oder eine Variable erwartet</translation>
    </message>
    <message>
        <source>an equation has one &apos;=&apos;</source>
        <translation>eine Gleichung hat ein &apos;=&apos;</translation>
    </message>
    <message>
        <source>&apos;=&apos; stands only between the two sides of the equation</source>
        <translation>&apos;=&apos; steht nur zwischen den beiden Seiten der Gleichung</translation>
    </message>
    <message>
        <source>&apos;,&apos; stands only between the two arguments of a function</source>
        <translation>&apos;,&apos; steht nur zwischen den beiden Argumenten einer Funktion</translation>
    </message>
    <message>
        <source>&apos;)&apos; without &apos;(&apos;</source>
        <translation>&apos;)&apos; ohne &apos;(&apos;</translation>
    </message>
    <message>
        <source>an operator expected</source>
        <translation>ein Operator erwartet</translation>
    </message>
    <message>
        <source>empty: the old value is kept</source>
        <translation>leer: der alte Wert bleibt</translation>
    </message>
    <message>
        <source>no value: a domain error</source>
        <translation>kein Wert: außerhalb des Definitionsbereichs</translation>
    </message>
    <message>
        <source>no value there (a domain error)</source>
        <translation>dort kein Wert (außerhalb des Definitionsbereichs)</translation>
    </message>
    <message>
        <source>no graph</source>
        <translation>kein Graph</translation>
    </message>
    <message>
        <source>Enter data for the plane first</source>
        <translation>Geben Sie zuerst die Daten der Ebene ein</translation>
    </message>
    <message>
        <source>Enter points for the line first</source>
        <translation>Geben Sie zuerst die Punkte der Geraden ein</translation>
    </message>
    <message>
        <source>the axes box</source>
        <translation>dem Achsenquader</translation>
    </message>
    <message>
        <source>the new axes box</source>
        <translation>dem neuen Achsenquader</translation>
    </message>
    <message>
        <source>the fitted axes box</source>
        <translation>dem angepassten Achsenquader</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Paraboloid</source>
        <translation>Paraboloid</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Halbkugel</translation>
    </message>
    <message>
        <source>Potential well</source>
        <translation>Potentialtopf</translation>
    </message>
    <message>
        <source>Mexican Hat</source>
        <translation>Mexikanerhut</translation>
    </message>
    <message>
        <source>Saddle</source>
        <translation>Sattel</translation>
    </message>
    <message>
        <source>Helix</source>
        <translation>Schraubenlinie</translation>
    </message>
    <message>
        <source>Conical</source>
        <translation>Kegelspirale</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Kugel</translation>
    </message>
    <message>
        <source>Moebius</source>
        <translation>Möbiusband</translation>
    </message>
    <message>
        <source>Torus</source>
        <translation>Torus</translation>
    </message>
    <message>
        <source>Ellipsoid</source>
        <translation>Ellipsoid</translation>
    </message>
    <message>
        <source>Hyp-Paraboloid</source>
        <translation>Hyp-Paraboloid</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Spiral Ramp-Helicoil</source>
        <translation>Wendelfläche</translation>
    </message>
    <message>
        <source>Spiral Column</source>
        <translation>Spiralsäule</translation>
    </message>
    <message>
        <source>Hyperboloid of one sheet</source>
        <translation>Einschaliges Hyperboloid</translation>
    </message>
    <message>
        <source>Hyperboloid of two sheets</source>
        <translation>Zweischaliges Hyperboloid</translation>
    </message>
    <message>
        <source>Double cone</source>
        <translation>Doppelkegel</translation>
    </message>
    <message>
        <source>Gyroid</source>
        <translation>Gyroid</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Tanglecube</source>
        <translation>Tanglecube</translation>
    </message>
    <message>
        <source> Function Values  %1</source>
        <translation> Funktionswerte  %1</translation>
    </message>
    <message>
        <source>the picture could not be encoded: %1</source>
        <translation>das Bild konnte nicht kodiert werden: %1</translation>
    </message>
    <message>
        <source>the bitmap file is damaged: %1</source>
        <translation>die Bitmap-Datei ist beschädigt: %1</translation>
    </message>
    <message>
        <source>the first frame: %1</source>
        <translation>das erste Einzelbild: %1</translation>
    </message>
    <message>
        <source>the PNG data are damaged: %1</source>
        <translation>die PNG-Daten sind beschädigt: %1</translation>
    </message>
    <message>
        <source>the JPEG data are damaged: %1</source>
        <translation>die JPEG-Daten sind beschädigt: %1</translation>
    </message>
    <message>
        <source>the JPEG file has more than %1 scans</source>
        <translation>die JPEG-Datei hat mehr als %1 Scans</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>das Bild ist zu groß (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>nothing was written into the pipe within %1 seconds</source>
        <translation>binnen %1 Sekunden wurde nichts in die Pipe geschrieben</translation>
    </message>
    <message>
        <source>nothing was written into the pipe within %1 second</source>
        <translation>binnen %1 Sekunde wurde nichts in die Pipe geschrieben</translation>
    </message>
    <message>
        <source>the pipe stayed silent for %1 seconds</source>
        <translation>die Pipe blieb %1 Sekunden lang still</translation>
    </message>
    <message>
        <source>the pipe stayed silent for %1 second</source>
        <translation>die Pipe blieb %1 Sekunde lang still</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be written to (%2); the file itself could be, but it is replaced through a new one</source>
        <translation>in den Ordner &apos;%1&apos; kann nicht geschrieben werden (%2); in die Datei selbst schon, aber sie wird durch eine neue ersetzt</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; cannot be written to (%2)</source>
        <translation>in den Ordner &apos;%1&apos; kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>this is not a Kelvo graph file (it must begin with &quot;Kelvo graph %1&quot;)</source>
        <translation>dies ist keine Kelvo-Graphdatei (sie muss mit &quot;Kelvo graph %1&quot; beginnen)</translation>
    </message>
    <message>
        <source>kept graph %1 names no kind (a line &quot;Kind = 1&quot; to &quot;Kind = 4&quot;, or &quot;Kind = 6&quot;, after &quot;Graph = %2&quot;)</source>
        <translation>der behaltene Graph %1 nennt keine Art (eine Zeile &quot;Kind = 1&quot; bis &quot;Kind = 4&quot; oder &quot;Kind = 6&quot; nach &quot;Graph = %2&quot;)</translation>
    </message>
    <message>
        <source>the kept graphs are numbered 1, 2, ... in order: &quot;Graph = %1&quot; expected</source>
        <translation>die behaltenen Graphen sind der Reihe nach 1, 2, ... nummeriert: &quot;Graph = %1&quot; erwartet</translation>
    </message>
    <message>
        <source>a picture holds at most %1 graphs</source>
        <translation>ein Bild fasst höchstens %1 Graphen</translation>
    </message>
    <message>
        <source>the key &apos;Kind&apos; stands twice in kept graph %1</source>
        <translation>der Schlüssel &apos;Kind&apos; steht im behaltenen Graphen %1 zweimal da</translation>
    </message>
    <message>
        <source>the key &apos;Shown&apos; stands twice in kept graph %1</source>
        <translation>der Schlüssel &apos;Shown&apos; steht im behaltenen Graphen %1 zweimal da</translation>
    </message>
    <message>
        <source>the key &apos;%1&apos; of a newer version is passed over</source>
        <translation>der Schlüssel &apos;%1&apos; einer neueren Version wird übergangen</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos;</source>
        <translation>unbekannter Schlüssel &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the key &apos;%1&apos; belongs to the picture, not to a kept graph</source>
        <translation>der Schlüssel &apos;%1&apos; gehört zum Bild, nicht zu einem behaltenen Graphen</translation>
    </message>
    <message>
        <source>the key &apos;%1&apos; stands twice in kept graph %2</source>
        <translation>der Schlüssel &apos;%1&apos; steht im behaltenen Graphen %2 zweimal da</translation>
    </message>
    <message>
        <source>the key &apos;%1&apos; stands twice</source>
        <translation>der Schlüssel &apos;%1&apos; steht zweimal da</translation>
    </message>
    <message>
        <source>the value of &apos;%1&apos; cannot be read; its default is kept</source>
        <translation>der Wert von &apos;%1&apos; kann nicht gelesen werden; sein Standardwert bleibt</translation>
    </message>
    <message>
        <source>a step of t of %1 from %2 to %3 makes too many points; the default step and domain are taken</source>
        <translation>die Schrittweite %1 für t von %2 bis %3 ergibt zu viele Punkte; Standardschrittweite und Standardbereich werden verwendet</translation>
    </message>
    <message>
        <source>the picture %1 cannot be opened (%2); the graph is drawn without it</source>
        <translation>das Bild %1 kann nicht geöffnet werden (%2); der Graph wird ohne das Bild gezeichnet</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>unknown name &apos;%1&apos;</source>
        <translation>unbekannter Name &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;(&apos; expected after %1</source>
        <translation>&apos;(&apos; nach %1 erwartet</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot stand here</source>
        <translation>&apos;%1&apos; kann hier nicht stehen</translation>
    </message>
    <message>
        <source>%1 takes one argument</source>
        <translation>%1 nimmt ein Argument</translation>
    </message>
    <message>
        <source>%1 takes two arguments</source>
        <translation>%1 nimmt zwei Argumente</translation>
    </message>
    <message>
        <source>column %1: %2</source>
        <translation>Spalte %1: %2</translation>
    </message>
    <message>
        <source>At Theta = %1, Phi = %2, Rho = %3 the eye would stand inside %4 or too near it to see all of it; %5 is kept at %6.</source>
        <translation>Bei Theta = %1, Phi = %2, Rho = %3 stünde das Auge in %4 oder zu nahe daran, um alles davon zu sehen; %5 bleibt bei %6.</translation>
    </message>
    <message>
        <source>At Theta = %1, Phi = %2, Rho = %3 the eye would stand inside %4 or too near it to see all of it; %5 are kept at %6.</source>
        <translation>Bei Theta = %1, Phi = %2, Rho = %3 stünde das Auge in %4 oder zu nahe daran, um alles davon zu sehen; %5 bleiben bei %6.</translation>
    </message>
    <message>
        <source>At Theta = %1, Phi = %2, Rho = %3 the eye would stand inside %4 or too near it to see all of it.</source>
        <translation>Bei Theta = %1, Phi = %2, Rho = %3 stünde das Auge in %4 oder zu nahe daran, um alles davon zu sehen.</translation>
    </message>
    <message>
        <source>At Theta = %1, Phi = %2, Rho = %3 the eye would stand inside %4 or too near it to see all of it</source>
        <translation>Bei Theta = %1, Phi = %2, Rho = %3 stünde das Auge in %4 oder zu nahe daran, um alles davon zu sehen</translation>
    </message>
    <message>
        <source>at Theta = %1, Phi = %2, Rho = %3 the eye would stand inside %4 or too near it to see all of it; the default eye is taken</source>
        <translation>bei Theta = %1, Phi = %2, Rho = %3 stünde das Auge in %4 oder zu nahe daran, um alles davon zu sehen; der Standard-Augpunkt wird verwendet</translation>
    </message>
    <message>
        <source>at Theta = %1, Phi = %2, Rho = %3 the eye would stand inside %4 or too near it to see all of it</source>
        <translation>bei Theta = %1, Phi = %2, Rho = %3 stünde das Auge in %4 oder zu nahe daran, um alles davon zu sehen</translation>
    </message>
    <message>
        <source>A picture holds at most %1 graphs: remove a kept graph in the Graphs window first</source>
        <translation>Ein Bild fasst höchstens %1 Graphen: Entfernen Sie zuerst einen behaltenen Graphen im Fenster Graphen</translation>
    </message>
    <message>
        <source>Kept graph %1: %2 cannot be evaluated (%3)</source>
        <translation>Behaltener Graph %1: %2 kann nicht ausgewertet werden (%3)</translation>
    </message>
    <message>
        <source>Kept graph %1: %2 cannot be evaluated</source>
        <translation>Behaltener Graph %1: %2 kann nicht ausgewertet werden</translation>
    </message>
    <message>
        <source>The surface has more than %1 triangles; the first are drawn. Fewer curves draw it whole.</source>
        <translation>Die Fläche hat mehr als %1 Dreiecke; die ersten werden gezeichnet. Mit weniger Kurven wird sie ganz gezeichnet.</translation>
    </message>
    <message>
        <source>%1, column %2: %3</source>
        <translation>%1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>%1 at %2: %3</source>
        <translation>%1 bei %2: %3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the name must end in .obj or .stl</source>
        <translation>der Name muss auf .obj oder .stl enden</translation>
    </message>
    <message>
        <source>the name must end in .svg or .pdf</source>
        <translation>der Name muss auf .svg oder .pdf enden</translation>
    </message>
    <message>
        <source>the window opens no picture of that name</source>
        <translation>das Fenster öffnet kein Bild dieses Namens</translation>
    </message>
</context>
<context>
    <name>ParameterSliders</name>
    <message>
        <source>Parameter Sliders</source>
        <translation>Parameter-Schieberegler</translation>
    </message>
    <message>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Lowest %1</source>
        <translation>Kleinstes %1</translation>
    </message>
    <message>
        <source>Highest %1</source>
        <translation>Größtes %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RotationPanel</name>
    <message>
        <source>Theta</source>
        <translation>Theta</translation>
    </message>
    <message>
        <source>Phi</source>
        <translation>Phi</translation>
    </message>
    <message>
        <source>Phi - 10</source>
        <translation>Phi - 10</translation>
    </message>
    <message>
        <source>Phi + 10</source>
        <translation>Phi + 10</translation>
    </message>
    <message>
        <source>Theta - 10</source>
        <translation>Theta - 10</translation>
    </message>
    <message>
        <source>Theta + 10</source>
        <translation>Theta + 10</translation>
    </message>
    <message>
        <source>Turn up</source>
        <translation>Nach oben drehen</translation>
    </message>
    <message>
        <source>Turn down</source>
        <translation>Nach unten drehen</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <translation>%1 Grad</translation>
    </message>
</context>
<context>
    <name>TAxesDlg</name>
    <message>
        <source>Min x=</source>
        <translation>Min x=</translation>
    </message>
    <message>
        <source>Max x=</source>
        <translation>Max x=</translation>
    </message>
    <message>
        <source>Min y=</source>
        <translation>Min y=</translation>
    </message>
    <message>
        <source>Max y=</source>
        <translation>Max y=</translation>
    </message>
    <message>
        <source>Min z=</source>
        <translation>Min z=</translation>
    </message>
    <message>
        <source>Max z=</source>
        <translation>Max z=</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <source>%1; the axes are kept. Move the eye farther out first (View &gt; Eye Position).</source>
        <translation>%1; die Achsen bleiben unverändert. Rücken Sie zuerst das Auge weiter weg (Ansicht &gt; Augpunkt).</translation>
    </message>
</context>
<context>
    <name>TChange1Dlg</name>
    <message>
        <source>Change Number of Curves</source>
        <translation>Anzahl der Kurven ändern</translation>
    </message>
    <message>
        <source>More Curves for better resolution</source>
        <translation>Mehr Kurven für feinere Auflösung</translation>
    </message>
    <message>
        <source>X-Curves </source>
        <translation>X-Kurven </translation>
    </message>
    <message>
        <source>Y-Curves </source>
        <translation>Y-Kurven </translation>
    </message>
    <message>
        <source>Z-Curves </source>
        <translation>Z-Kurven </translation>
    </message>
    <message>
        <source>Graph Title</source>
        <translation>Graphtitel</translation>
    </message>
    <message>
        <source>Enter a Title</source>
        <translation>Titel eingeben</translation>
    </message>
    <message>
        <source>Stepsize for t</source>
        <translation>Schrittweite für t</translation>
    </message>
    <message>
        <source>For a smoother graph, reduce stepsize</source>
        <translation>Kleinere Schrittweite: glatterer Graph</translation>
    </message>
    <message>
        <source>Step too small; at least %1</source>
        <translation>Schritt zu klein; mindestens %1</translation>
    </message>
</context>
<context>
    <name>TColorForm</name>
    <message>
        <source>Drawing Colors</source>
        <translation>Zeichenfarben</translation>
    </message>
    <message>
        <source>Above Color</source>
        <translation>Farbe oben</translation>
    </message>
    <message>
        <source>Under Color</source>
        <translation>Farbe unten</translation>
    </message>
    <message>
        <source>Grid Color</source>
        <translation>Gitterfarbe</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Shading</source>
        <translation>Schattierung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TColorForm2</name>
    <message>
        <source>Drawing Colors</source>
        <translation>Zeichenfarben</translation>
    </message>
    <message>
        <source>Pen Color</source>
        <translation>Stiftfarbe</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Axes Color</source>
        <translation>Achsenfarbe</translation>
    </message>
    <message>
        <source>Tick Marks</source>
        <translation>Teilstriche</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TContourDlg</name>
    <message>
        <source>  Edit  Contour features</source>
        <translation>  Höhenlinien einstellen</translation>
    </message>
    <message>
        <source>3D Contours</source>
        <translation>3D-Höhenlinien</translation>
    </message>
    <message>
        <source>Grid Resolution</source>
        <translation>Gitterauflösung</translation>
    </message>
    <message>
        <source>Number of Levels</source>
        <translation>Anzahl der Stufen</translation>
    </message>
</context>
<context>
    <name>TDomainDlg</name>
    <message>
        <source>  Start r at</source>
        <translation>  r beginnt bei</translation>
    </message>
    <message>
        <source>   End r at</source>
        <translation>   r endet bei</translation>
    </message>
    <message>
        <source>Start theta at</source>
        <translation>theta beginnt bei</translation>
    </message>
    <message>
        <source>End theta at </source>
        <translation>theta endet bei </translation>
    </message>
    <message>
        <source>  Start t at</source>
        <translation>  t beginnt bei</translation>
    </message>
    <message>
        <source>   End t at </source>
        <translation>   t endet bei </translation>
    </message>
    <message>
        <source>  Start u at</source>
        <translation>  u beginnt bei</translation>
    </message>
    <message>
        <source>   End u at </source>
        <translation>   u endet bei </translation>
    </message>
    <message>
        <source>  Start v at</source>
        <translation>  v beginnt bei</translation>
    </message>
    <message>
        <source>   End v at </source>
        <translation>   v endet bei </translation>
    </message>
    <message>
        <source>  Start x at</source>
        <translation>  x beginnt bei</translation>
    </message>
    <message>
        <source>   End x at </source>
        <translation>   x endet bei </translation>
    </message>
    <message>
        <source>  Start y at</source>
        <translation>  y beginnt bei</translation>
    </message>
    <message>
        <source>   End y at </source>
        <translation>   y endet bei </translation>
    </message>
    <message>
        <source> Domain</source>
        <translation> Definitionsbereich</translation>
    </message>
</context>
<context>
    <name>TEqnDlg</name>
    <message>
        <source>Enter your Function of r and t (t for theta)</source>
        <translation>Funktion von r und t eingeben (t für theta)</translation>
    </message>
    <message>
        <source>Enter your Functions of t</source>
        <translation>Funktionen von t eingeben</translation>
    </message>
    <message>
        <source>Enter your Functions of u and v</source>
        <translation>Funktionen von u und v eingeben</translation>
    </message>
    <message>
        <source>Enter F(x,y,z) = 0 or an equation in x, y, z</source>
        <translation>F(x,y,z) = 0 oder eine Gleichung in x, y, z eingeben</translation>
    </message>
    <message>
        <source>Enter your Function of x and y</source>
        <translation>Funktion von x und y eingeben</translation>
    </message>
    <message>
        <source>  Function Editor</source>
        <translation>  Funktionseditor</translation>
    </message>
    <message>
        <source>Enter your Functions</source>
        <translation>Funktionen eingeben</translation>
    </message>
    <message>
        <source>ERROR...Check your Functions</source>
        <translation>FEHLER...Prüfen Sie die Funktionen</translation>
    </message>
</context>
<context>
    <name>TFuncList</name>
    <message>
        <source>Function Values</source>
        <translation>Funktionswerte</translation>
    </message>
    <message>
        <source>Function values</source>
        <translation>Funktionswerte</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>C&amp;ut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>SaveAs</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Cannot print the list: %1</source>
        <translation>Die Liste kann nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>TGraphsFm</name>
    <message>
        <source>Graphs</source>
        <translation>Graphen</translation>
    </message>
    <message>
        <source>Graphs kept in the picture (checked: shown)</source>
        <translation>Im Bild behaltene Graphen (markiert: gezeigt)</translation>
    </message>
    <message>
        <source>Make Current</source>
        <translation>Zum aktuellen machen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Current graph: %1 (%2 of at most %3 graphs in the picture)</source>
        <translation>Aktueller Graph: %1 (%2 von höchstens %3 Graphen im Bild)</translation>
    </message>
</context>
<context>
    <name>THelpDlg</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TJPGDlg</name>
    <message>
        <source>JPEG Qualty</source>
        <translation>JPEG-Qualität</translation>
    </message>
    <message>
        <source> JPEG Quality</source>
        <translation> JPEG-Qualität</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TKelvoScrn1</name>
    <message>
        <source>        Kelvo  Rectangular Coordinates</source>
        <translation>        Kelvo  Kartesische Koordinaten</translation>
    </message>
    <message>
        <source>   Kelvo Cylindrical Coordinates</source>
        <translation>   Kelvo Zylinderkoordinaten</translation>
    </message>
    <message>
        <source>        Kelvo  Space Curves</source>
        <translation>        Kelvo  Raumkurven</translation>
    </message>
    <message>
        <source>        Kelvo  2 Parameter Surfaces</source>
        <translation>        Kelvo  Flächen mit 2 Parametern</translation>
    </message>
    <message>
        <source>        Kelvo  Implicit Surfaces</source>
        <translation>        Kelvo  Implizite Flächen</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Cancel Draw</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Building Frames</source>
        <translation>Bilder werden erstellt</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Zeichnen</translation>
    </message>
    <message>
        <source>&amp;Plane</source>
        <translation>&amp;Ebene</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Gerade</translation>
    </message>
    <message>
        <source>&amp;Box</source>
        <translation>&amp;Quader</translation>
    </message>
    <message>
        <source>&amp;Draw Box</source>
        <translation>&amp;Quader zeichnen</translation>
    </message>
    <message>
        <source>&amp;Contours</source>
        <translation>Höhen&amp;linien</translation>
    </message>
    <message>
        <source>&amp;Axes</source>
        <translation>&amp;Achsen</translation>
    </message>
    <message>
        <source>&amp;Change Axes</source>
        <translation>Achsen ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Draw Axes</source>
        <translation>Achsen &amp;zeichnen</translation>
    </message>
    <message>
        <source>&amp;Fit Axes to Graph</source>
        <translation>Achsen an Graph &amp;anpassen</translation>
    </message>
    <message>
        <source>The function cannot be evaluated; the axes are kept.</source>
        <translation>Die Funktion kann nicht ausgewertet werden; die Achsen bleiben unverändert.</translation>
    </message>
    <message>
        <source>OBJ Mesh (*.obj)</source>
        <translation>OBJ-Netz (*.obj)</translation>
    </message>
    <message>
        <source>STL Mesh, binary (*.stl)</source>
        <translation>STL-Netz, binär (*.stl)</translation>
    </message>
    <message>
        <source>C&amp;opy Graph</source>
        <translation>Graph k&amp;opieren</translation>
    </message>
    <message>
        <source>&amp;Paste Graph</source>
        <translation>Graph &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>Parameter Sl&amp;iders</source>
        <translation>Parameter-&amp;Schieberegler</translation>
    </message>
    <message>
        <source>&amp;Domain</source>
        <translation>&amp;Definitionsbereich</translation>
    </message>
    <message>
        <source>&amp;Curves</source>
        <translation>&amp;Kurven</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Sch&amp;rittweite</translation>
    </message>
    <message>
        <source>Co&amp;lors</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Surface Colors</source>
        <translation>Fl&amp;ächenfarben</translation>
    </message>
    <message>
        <source>&amp;Graph Title</source>
        <translation>Graph&amp;titel</translation>
    </message>
    <message>
        <source>&amp;Keep Graph in Picture</source>
        <translation>Graph im Bild &amp;behalten</translation>
    </message>
    <message>
        <source>Graphs &amp;Window...</source>
        <translation>Graphenfe&amp;nster...</translation>
    </message>
    <message>
        <source>G&amp;raph Size</source>
        <translation>Graph&amp;größe</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>80% of Normal</source>
        <translation>80 % von Normal</translation>
    </message>
    <message>
        <source>60% of Normal</source>
        <translation>60 % von Normal</translation>
    </message>
    <message>
        <source>Gr&amp;aph</source>
        <translation>B&amp;ildeditor</translation>
    </message>
    <message>
        <source>&amp;Clear Screen</source>
        <translation>Bild &amp;löschen</translation>
    </message>
    <message>
        <source>No image editor was found. Install one of kolourpaint, pinta, gimp, mtpaint, krita or drawing, then paste the graph into it (Edit &gt; Copy Graph first).</source>
        <translation>Es wurde kein Bildeditor gefunden. Installieren Sie kolourpaint, pinta, gimp, mtpaint, krita oder drawing und fügen Sie den Graphen dort ein (zuerst Bearbeiten &gt; Graph kopieren).</translation>
    </message>
    <message>
        <source>The picture shows no surface: a mesh holds the surfaces of the picture, so Draw one first.</source>
        <translation>Das Bild zeigt keine Fläche: Ein Netz enthält die Flächen des Bildes, zeichnen Sie also zuerst eine.</translation>
    </message>
    <message>
        <source>Export Mesh</source>
        <translation>Netz exportieren</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp);;JPEG Image File (*.jpg *.jpeg);;GIF Image File (*.gif);;PNG Image File (*.png);;All (*.bmp *.jpg *.jpeg *.gif *.png)</source>
        <translation>Bitmaps (*.bmp);;JPEG-Bild (*.jpg *.jpeg);;GIF-Bild (*.gif);;PNG-Bild (*.png);;Alle Bilder (*.bmp *.jpg *.jpeg *.gif *.png)</translation>
    </message>
    <message>
        <source>All (*.bmp *.jpg *.jpeg *.gif *.png)</source>
        <translation>Alle Bilder (*.bmp *.jpg *.jpeg *.gif *.png)</translation>
    </message>
    <message>
        <source>SVG Drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;List Function values</source>
        <translation>Funktions&amp;werte auflisten</translation>
    </message>
    <message>
        <source>&amp;Open Graph File...</source>
        <translation>Graphdatei &amp;öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save Graph File</source>
        <translation>Graphdatei &amp;speichern</translation>
    </message>
    <message>
        <source>Save Graph File &amp;As...</source>
        <translation>Graphdatei speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Open P&amp;icture...</source>
        <translation>B&amp;ild öffnen...</translation>
    </message>
    <message>
        <source>&amp;Export Picture</source>
        <translation>Bild e&amp;xportieren</translation>
    </message>
    <message>
        <source>Save full graph</source>
        <translation>Ganzen Graphen speichern</translation>
    </message>
    <message>
        <source>Save Only inside rectangle</source>
        <translation>Nur das Rechteck speichern</translation>
    </message>
    <message>
        <source>Save Picture at &amp;2x...</source>
        <translation>Bild in &amp;2-facher Größe speichern...</translation>
    </message>
    <message>
        <source>Save as SVG or PDF...</source>
        <translation>Als SVG oder PDF speichern...</translation>
    </message>
    <message>
        <source>Save as &amp;Mesh (OBJ or STL)...</source>
        <translation>Als &amp;Netz speichern (OBJ oder STL)...</translation>
    </message>
    <message>
        <source>P&amp;rint Graph</source>
        <translation>Graph &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Printer Set Up</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Verlassen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Export Picture at 2x</source>
        <translation>Bild in 2-facher Größe exportieren</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Save Graph as SVG or PDF</source>
        <translation>Graph als SVG oder PDF speichern</translation>
    </message>
    <message>
        <source>F&amp;unction</source>
        <translation>F&amp;unktion</translation>
    </message>
    <message>
        <source>A surface z = %1 in rectangular coordinates</source>
        <translation>Eine Fläche z = %1 in kartesischen Koordinaten</translation>
    </message>
    <message>
        <source>A surface z = %1 in cylindrical coordinates</source>
        <translation>Eine Fläche z = %1 in Zylinderkoordinaten</translation>
    </message>
    <message>
        <source>A space curve x = %1, y = %2, z = %3</source>
        <translation>Eine Raumkurve x = %1, y = %2, z = %3</translation>
    </message>
    <message>
        <source>A two-parameter surface x = %1, y = %2, z = %3</source>
        <translation>Eine Fläche mit zwei Parametern x = %1, y = %2, z = %3</translation>
    </message>
    <message>
        <source>The graph&apos;s picture</source>
        <translation>Das Bild des Graphen</translation>
    </message>
    <message>
        <source>Kelvo Graphs (*.kelvo)</source>
        <translation>Kelvo-Graphen (*.kelvo)</translation>
    </message>
    <message>
        <source>The graph has changed and is not saved in a graph file. Save it?</source>
        <translation>Der Graph wurde geändert und ist in keiner Graphdatei gespeichert. Speichern?</translation>
    </message>
    <message>
        <source>The graph has changed since %1 was opened or saved. Save it?</source>
        <translation>Der Graph wurde geändert, seit %1 geöffnet oder gespeichert wurde. Speichern?</translation>
    </message>
    <message>
        <source>Open Graph File</source>
        <translation>Graphdatei öffnen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 was opened; these settings were passed over:</source>
        <translation>%1 wurde geöffnet; diese Einstellungen wurden übergangen:</translation>
    </message>
    <message>
        <source>Save Graph File</source>
        <translation>Graphdatei speichern</translation>
    </message>
    <message>
        <source>Recent Graph &amp;Files</source>
        <translation>&amp;Letzte Graphdateien</translation>
    </message>
    <message>
        <source>The graph file %1 is no longer there; it is taken off the recent files.</source>
        <translation>Die Graphdatei %1 ist nicht mehr vorhanden; sie wird aus den zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Kelvo</source>
        <translation>Ü&amp;ber Kelvo</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>About Kelvo</source>
        <translation>Über Kelvo</translation>
    </message>
    <message>
        <source>&lt;b&gt;Kelvo %1&lt;/b&gt;&lt;p&gt;Draws graphs of functions in three-dimensional space: surfaces, space curves and two-parameter surfaces.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 The Kelvo developers. Kelvo is free software under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Kelvo %1&lt;/b&gt;&lt;p&gt;Zeichnet Graphen von Funktionen im dreidimensionalen Raum: Flächen, Raumkurven und Flächen mit zwei Parametern.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 Die Kelvo-Entwickler. Kelvo ist freie Software unter der MIT-Lizenz.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Film</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Animate &amp;Parameter...</source>
        <translation>&amp;Parameter animieren...</translation>
    </message>
    <message>
        <source>Save Movie as &amp;Animated GIF...</source>
        <translation>Film als animiertes &amp;GIF speichern...</translation>
    </message>
    <message>
        <source>The movie turns the eye round the z axis, and %1; no movie is made.</source>
        <translation>Der Film dreht das Auge um die z-Achse, und %1; es wird kein Film erstellt.</translation>
    </message>
    <message>
        <source>Movie Created..</source>
        <translation>Film erstellt..</translation>
    </message>
    <message>
        <source>Stop Movie</source>
        <translation>Film anhalten</translation>
    </message>
    <message>
        <source>Save Movie as Animated GIF</source>
        <translation>Film als animiertes GIF speichern</translation>
    </message>
    <message>
        <source>GIF Image File (*.gif)</source>
        <translation>GIF-Bild (*.gif)</translation>
    </message>
    <message>
        <source>Writing the animated GIF...</source>
        <translation>Das animierte GIF wird geschrieben...</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>Bei&amp;spiele</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>&amp;Eye Position...</source>
        <translation>&amp;Augpunkt...</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Zoom zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Exact Hiding</source>
        <translation>&amp;Exakte Verdeckung</translation>
    </message>
</context>
<context>
    <name>TLineDlg</name>
    <message>
        <source> Draw a Line</source>
        <translation> Gerade zeichnen</translation>
    </message>
    <message>
        <source>Start line at</source>
        <translation>Gerade beginnt bei</translation>
    </message>
    <message>
        <source>End line at</source>
        <translation>Gerade endet bei</translation>
    </message>
</context>
<context>
    <name>TMainMenu</name>
    <message>
        <source>  Kelvo  Main Menu</source>
        <translation>  Kelvo  Hauptmenü</translation>
    </message>
    <message>
        <source>Draw Surfaces z = f(x,y) in Rectangular Coordinates</source>
        <translation>Flächen z = f(x,y) in kartesischen Koordinaten</translation>
    </message>
    <message>
        <source>Draw Surfaces  z = f(r,theta)  in Cylindrical Coordinates</source>
        <translation>Flächen  z = f(r,theta)  in Zylinderkoordinaten</translation>
    </message>
    <message>
        <source>Draw Space Curves  x(t),  y(t),  z(t)</source>
        <translation>Raumkurven  x(t),  y(t),  z(t)</translation>
    </message>
    <message>
        <source>Draw 2-parameter Surfaces  x(u,v),  y(u,v),  z(u,v)</source>
        <translation>Parameterflächen  x(u,v),  y(u,v),  z(u,v)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Draw Implicit Surfaces F(x,y,z) = 0</source>
        <translation>Implizite Flächen F(x,y,z) = 0</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Version No.  %1

Surfaces, curves
and 2-parameter
surfaces</source>
        <translation>Version  %1

Flächen, Kurven
und Parameter-
flächen</translation>
    </message>
    <message>
        <source>Kelvo is used to draw surfaces in 3-Space</source>
        <translation>Kelvo zeichnet Flächen im Raum</translation>
    </message>
</context>
<context>
    <name>TMovieDlg</name>
    <message>
        <source>  Edit Movie Features</source>
        <translation>  Film einstellen</translation>
    </message>
    <message>
        <source>How many Frames?</source>
        <translation>Wie viele Bilder?</translation>
    </message>
    <message>
        <source>(up to 32)</source>
        <translation>(bis 32)</translation>
    </message>
    <message>
        <source>Rotation Speed</source>
        <translation>Drehgeschwindigkeit</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Sehr schnell</translation>
    </message>
</context>
<context>
    <name>TParamDlg</name>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
</context>
<context>
    <name>TPlaneDlg</name>
    <message>
        <source>Enter a Point on
the Plane</source>
        <translation>Punkt auf der
Ebene eingeben</translation>
    </message>
    <message>
        <source>Enter components of 
a Normal vector</source>
        <translation>Komponenten des
Normalenvektors</translation>
    </message>
    <message>
        <source>Change Plane Size</source>
        <translation>Größe der Ebene ändern</translation>
    </message>
    <message>
        <source>  Tangent Plane Info</source>
        <translation>  Tangentialebene</translation>
    </message>
</context>
<context>
    <name>TSampleFm</name>
    <message>
        <source>SampleFm</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>  Select a Function, </source>
        <translation>  Wählen Sie eine Funktion,</translation>
    </message>
    <message>
        <source>    Click on Draw</source>
        <translation>    dann klicken Sie auf Zeichnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TSweepDlg</name>
    <message>
        <source>  Animate a Parameter</source>
        <translation>  Parameter animieren</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>How many Frames?</source>
        <translation>Wie viele Bilder?</translation>
    </message>
    <message>
        <source>(up to 32)</source>
        <translation>(bis 32)</translation>
    </message>
</context>
<context>
    <name>TViewDlg</name>
    <message>
        <source>  Eye Position in Sperical Coordinates</source>
        <translation>  Augpunkt in Kugelkoordinaten</translation>
    </message>
    <message>
        <source>Enter Theta and Phi in Degrees</source>
        <translation>Theta und Phi in Grad eingeben</translation>
    </message>
    <message>
        <source>Theta =</source>
        <translation>Theta =</translation>
    </message>
    <message>
        <source>Phi =</source>
        <translation>Phi =</translation>
    </message>
    <message>
        <source>Rho is the distance from the eye to the surface</source>
        <translation>Rho ist der Abstand des Auges zur Fläche</translation>
    </message>
    <message>
        <source>Rho =</source>
        <translation>Rho =</translation>
    </message>
</context>
<context>
    <name>TZlevelsFm</name>
    <message>
        <source>Contour Levels</source>
        <translation>Höhenstufen</translation>
    </message>
    <message>
        <source>Contour levels</source>
        <translation>Höhenstufen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
