// SPDX-License-Identifier: MIT
// The engine's messages, looked up whole or by the templates they are built from.
#include "ui/EngineTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace {

constexpr const char* Context = "Engine";

// Messages the engine writes whole. They need no template: the lookup finds them as they
// stand; they are named here so that the translation file collects them.
[[maybe_unused]] constexpr const char* WholeMessages[] = {
    // Picture files, the clipboard and the printer.
    QT_TRANSLATE_NOOP("Engine", "the picture is empty"),
    QT_TRANSLATE_NOOP("Engine", "the picture could not be encoded"),
    QT_TRANSLATE_NOOP("Engine", "unsupported picture format"),
    QT_TRANSLATE_NOOP("Engine", "the file is truncated"),
    QT_TRANSLATE_NOOP("Engine", "the bitmap leaves pixels undefined"),
    QT_TRANSLATE_NOOP("Engine", "a run of the bitmap passes the end of its row"),
    QT_TRANSLATE_NOOP("Engine", "a pixel names a colour the palette does not have"),
    QT_TRANSLATE_NOOP("Engine", "the bitmap header is of an unknown kind"),
    QT_TRANSLATE_NOOP("Engine", "the bitmap header is damaged"),
    QT_TRANSLATE_NOOP("Engine", "the bitmap's depth or compression is not supported"),
    QT_TRANSLATE_NOOP("Engine", "the bitmap's palette is larger than its depth allows"),
    QT_TRANSLATE_NOOP("Engine", "not a bitmap file"),
    QT_TRANSLATE_NOOP("Engine", "Sorry..not a bitmap"),
    QT_TRANSLATE_NOOP("Engine", "the picture has no pixels"),
    QT_TRANSLATE_NOOP("Engine", "the delay and the loop count must lie between 0 and 65535"),
    QT_TRANSLATE_NOOP("Engine", "the frames differ in size"),
    QT_TRANSLATE_NOOP("Engine", "the GIF file is truncated or damaged"),
    QT_TRANSLATE_NOOP("Engine", "the GIF file has no colour table"),
    QT_TRANSLATE_NOOP("Engine", "not a GIF file"),
    QT_TRANSLATE_NOOP("Engine", "the GIF file holds no picture"),
    QT_TRANSLATE_NOOP("Engine", "there is not enough memory for the picture"),
    QT_TRANSLATE_NOOP("Engine", "the file is too large to be a picture"),
    QT_TRANSLATE_NOOP("Engine", "this is not a PNG picture"),
    QT_TRANSLATE_NOOP("Engine", "the PNG data are damaged"),
    QT_TRANSLATE_NOOP("Engine", "the PNG picture's colours cannot be read"),
    QT_TRANSLATE_NOOP("Engine", "the JPEG file lacks the Huffman tables of its data"),
    QT_TRANSLATE_NOOP("Engine", "the file is too short to be a JPEG picture"),
    QT_TRANSLATE_NOOP("Engine", "there is no picture to print"),
    QT_TRANSLATE_NOOP("Engine", "the picture is too small to print"),
    QT_TRANSLATE_NOOP("Engine", "the printer could not be started"),
    QT_TRANSLATE_NOOP("Engine", "the printout could not be finished"),
    QT_TRANSLATE_NOOP("Engine", "the printer could not start a new page"),
    QT_TRANSLATE_NOOP("Engine", "no file name was given"),
    QT_TRANSLATE_NOOP("Engine", "the named pipe has no reader"),
    QT_TRANSLATE_NOOP("Engine", "the picture could not be encoded for the SVG drawing"),
    QT_TRANSLATE_NOOP("Engine", "the SVG drawing could not be started"),
    QT_TRANSLATE_NOOP("Engine", "the PDF drawing could not be started"),
    QT_TRANSLATE_NOOP("Engine", "the PDF drawing could not be finished"),
    QT_TRANSLATE_NOOP("Engine", "the PDF page could not be compressed"),
    QT_TRANSLATE_NOOP("Engine", "the picture could not be compressed for the PDF page"),
    QT_TRANSLATE_NOOP("Engine", "Sorry, only Bitmaps, JPEGs, PNGs\nor GIFs can be opened"),
    // Graph files.
    QT_TRANSLATE_NOOP("Engine", "the file is larger than 4 MiB"),
    QT_TRANSLATE_NOOP("Engine", "this is not a text file"),
    QT_TRANSLATE_NOOP("Engine", "the line is longer than 64 KiB"),
    QT_TRANSLATE_NOOP("Engine", "a line \"Key = value\" expected"),
    QT_TRANSLATE_NOOP("Engine", "the kind must be 1, 2, 3, 4 or 6"),
    QT_TRANSLATE_NOOP("Engine", "the key 'Kind' stands twice"),
    QT_TRANSLATE_NOOP("Engine", "the value of 'Shown' cannot be read; the graph is shown"),
    QT_TRANSLATE_NOOP("Engine", "the file names no kind (a line \"Kind = 1\" to \"Kind = 4\", "
                                "or \"Kind = 6\")"),
    // The reasons of a syntax error.
    QT_TRANSLATE_NOOP("Engine", "the text is nested too deeply"),
    QT_TRANSLATE_NOOP("Engine", "the text is too long"),
    QT_TRANSLATE_NOOP("Engine", "'z' is not a variable of this kind"),
    QT_TRANSLATE_NOOP("Engine", "a character that cannot stand in a function"),
    QT_TRANSLATE_NOOP("Engine", "a letter expected after ':'"),
    QT_TRANSLATE_NOOP("Engine", "')' expected"),
    QT_TRANSLATE_NOOP("Engine", "the text ends too early"),
    QT_TRANSLATE_NOOP("Engine", "a number or a variable expected"),
    QT_TRANSLATE_NOOP("Engine", "an equation has one '='"),
    QT_TRANSLATE_NOOP("Engine", "'=' stands only between the two sides of the equation"),
    QT_TRANSLATE_NOOP("Engine", "',' stands only between the two arguments of a function"),
    QT_TRANSLATE_NOOP("Engine", "')' without '('"),
    QT_TRANSLATE_NOOP("Engine", "an operator expected"),
    // Fields, evaluation and the additions.
    QT_TRANSLATE_NOOP("Engine", "empty: the old value is kept"),
    QT_TRANSLATE_NOOP("Engine", "no value: a domain error"),
    QT_TRANSLATE_NOOP("Engine", "no value there (a domain error)"),
    QT_TRANSLATE_NOOP("Engine", "no graph"),
    QT_TRANSLATE_NOOP("Engine", "Enter data for the plane first"),
    QT_TRANSLATE_NOOP("Engine", "Enter points for the line first"),
    // The boxes an eye may stand too near to.
    QT_TRANSLATE_NOOP("Engine", "the axes box"),
    QT_TRANSLATE_NOOP("Engine", "the new axes box"),
    QT_TRANSLATE_NOOP("Engine", "the fitted axes box"),
    // The names of the samples.
    QT_TRANSLATE_NOOP("Engine", "Cone"),
    QT_TRANSLATE_NOOP("Engine", "Paraboloid"),
    QT_TRANSLATE_NOOP("Engine", "Hemisphere"),
    QT_TRANSLATE_NOOP("Engine", "Potential well"),
    QT_TRANSLATE_NOOP("Engine", "Mexican Hat"),
    QT_TRANSLATE_NOOP("Engine", "Saddle"),
    QT_TRANSLATE_NOOP("Engine", "Helix"),
    QT_TRANSLATE_NOOP("Engine", "Conical"),
    QT_TRANSLATE_NOOP("Engine", "Sphere"),
    QT_TRANSLATE_NOOP("Engine", "Moebius"),
    QT_TRANSLATE_NOOP("Engine", "Torus"),
    QT_TRANSLATE_NOOP("Engine", "Ellipsoid"),
    QT_TRANSLATE_NOOP("Engine", "Hyp-Paraboloid"),
    QT_TRANSLATE_NOOP("Engine", "Cylinder"),
    QT_TRANSLATE_NOOP("Engine", "Spiral Ramp-Helicoil"),
    QT_TRANSLATE_NOOP("Engine", "Spiral Column"),
    QT_TRANSLATE_NOOP("Engine", "Hyperboloid of one sheet"),
    QT_TRANSLATE_NOOP("Engine", "Hyperboloid of two sheets"),
    QT_TRANSLATE_NOOP("Engine", "Double cone"),
    QT_TRANSLATE_NOOP("Engine", "Gyroid"),
    QT_TRANSLATE_NOOP("Engine", "Heart"),
    QT_TRANSLATE_NOOP("Engine", "Tanglecube"),
};

// The messages the engine builds around names, numbers and other messages. The more
// particular stand before the more general, which would also match them.
constexpr EngineTemplate Templates[] = {
    {QT_TRANSLATE_NOOP("Engine", " Function Values  %1")},
    {QT_TRANSLATE_NOOP("Engine", "the picture could not be encoded: %1")},
    {QT_TRANSLATE_NOOP("Engine", "the bitmap file is damaged: %1")},
    {QT_TRANSLATE_NOOP("Engine", "the first frame: %1")},
    {QT_TRANSLATE_NOOP("Engine", "the PNG data are damaged: %1")},
    {QT_TRANSLATE_NOOP("Engine", "the JPEG data are damaged: %1")},
    {QT_TRANSLATE_NOOP("Engine", "the JPEG file has more than %1 scans")},
    {QT_TRANSLATE_NOOP("Engine", "the picture is too large (%1 x %2 pixels)")},
    {QT_TRANSLATE_NOOP("Engine", "nothing was written into the pipe within %1 seconds")},
    {QT_TRANSLATE_NOOP("Engine", "nothing was written into the pipe within %1 second")},
    {QT_TRANSLATE_NOOP("Engine", "the pipe stayed silent for %1 seconds")},
    {QT_TRANSLATE_NOOP("Engine", "the pipe stayed silent for %1 second")},
    {QT_TRANSLATE_NOOP("Engine", "the folder '%1' cannot be written to (%2); the file itself "
                                 "could be, but it is replaced through a new one")},
    {QT_TRANSLATE_NOOP("Engine", "the folder '%1' cannot be written to (%2)")},
    // Graph files.
    {QT_TRANSLATE_NOOP("Engine", "this is not a Kelvo graph file (it must begin with \"Kelvo "
                                 "graph %1\")")},
    {QT_TRANSLATE_NOOP("Engine", "kept graph %1 names no kind (a line \"Kind = 1\" to \"Kind = "
                                 "4\", or \"Kind = 6\", after \"Graph = %2\")")},
    {QT_TRANSLATE_NOOP("Engine", "the kept graphs are numbered 1, 2, ... in order: \"Graph = "
                                 "%1\" expected")},
    {QT_TRANSLATE_NOOP("Engine", "a picture holds at most %1 graphs")},
    {QT_TRANSLATE_NOOP("Engine", "the key 'Kind' stands twice in kept graph %1")},
    {QT_TRANSLATE_NOOP("Engine", "the key 'Shown' stands twice in kept graph %1")},
    {QT_TRANSLATE_NOOP("Engine", "the key '%1' of a newer version is passed over")},
    {QT_TRANSLATE_NOOP("Engine", "unknown key '%1'")},
    {QT_TRANSLATE_NOOP("Engine", "the key '%1' belongs to the picture, not to a kept graph")},
    {QT_TRANSLATE_NOOP("Engine", "the key '%1' stands twice in kept graph %2")},
    {QT_TRANSLATE_NOOP("Engine", "the key '%1' stands twice")},
    {QT_TRANSLATE_NOOP("Engine", "the value of '%1' cannot be read; its default is kept")},
    {QT_TRANSLATE_NOOP("Engine", "a step of t of %1 from %2 to %3 makes too many points; the "
                                 "default step and domain are taken")},
    {QT_TRANSLATE_NOOP("Engine", "the picture %1 cannot be opened (%2); the graph is drawn "
                                 "without it")},
    {QT_TRANSLATE_NOOP("Engine", "line %1: %2")},
    // Syntax errors and fields.
    {QT_TRANSLATE_NOOP("Engine", "unknown name '%1'")},
    {QT_TRANSLATE_NOOP("Engine", "'(' expected after %1")},
    {QT_TRANSLATE_NOOP("Engine", "'%1' cannot stand here")},
    {QT_TRANSLATE_NOOP("Engine", "%1 takes one argument")},
    {QT_TRANSLATE_NOOP("Engine", "%1 takes two arguments")},
    {QT_TRANSLATE_NOOP("Engine", "column %1: %2")},
    // The eye.
    {QT_TRANSLATE_NOOP("Engine", "At Theta = %1, Phi = %2, Rho = %3 the eye would stand inside "
                                 "%4 or too near it to see all of it; %5 is kept at %6."),
     false, true},
    {QT_TRANSLATE_NOOP("Engine", "At Theta = %1, Phi = %2, Rho = %3 the eye would stand inside "
                                 "%4 or too near it to see all of it; %5 are kept at %6."),
     false, true},
    {QT_TRANSLATE_NOOP("Engine", "At Theta = %1, Phi = %2, Rho = %3 the eye would stand inside "
                                 "%4 or too near it to see all of it.")},
    {QT_TRANSLATE_NOOP("Engine", "At Theta = %1, Phi = %2, Rho = %3 the eye would stand inside "
                                 "%4 or too near it to see all of it")},
    {QT_TRANSLATE_NOOP("Engine", "at Theta = %1, Phi = %2, Rho = %3 the eye would stand inside "
                                 "%4 or too near it to see all of it; the default eye is taken")},
    {QT_TRANSLATE_NOOP("Engine", "at Theta = %1, Phi = %2, Rho = %3 the eye would stand inside "
                                 "%4 or too near it to see all of it")},
    // Pictures of several graphs.
    {QT_TRANSLATE_NOOP("Engine", "A picture holds at most %1 graphs: remove a kept graph in the "
                                 "Graphs window first")},
    {QT_TRANSLATE_NOOP("Engine", "Kept graph %1: %2 cannot be evaluated (%3)")},
    {QT_TRANSLATE_NOOP("Engine", "Kept graph %1: %2 cannot be evaluated")},
    {QT_TRANSLATE_NOOP("Engine", "The surface has more than %1 triangles; the first are drawn. "
                                 "Fewer curves draw it whole.")},
    // Which function failed, and where.
    {QT_TRANSLATE_NOOP("Engine", "%1, column %2: %3")},
    {QT_TRANSLATE_NOOP("Engine", "%1 at %2: %3")},
    // Lists inside other messages.
    {QT_TRANSLATE_NOOP("Engine", "%1 and %2"), true},
};

// Pieces are looked up again, to this depth; deeper ones stay as they are.
constexpr int MaxDepth = 4;

// The template as a pattern of the whole text: its words exactly, each %N any text.
struct CompiledTemplate {
  QRegularExpression pattern;
  // The number of each group: %2 before %1 in a template is read in its order.
  std::vector<int> numbers;
};

const std::vector<CompiledTemplate>& compiled() {
  static const std::vector<CompiledTemplate> all = [] {
    std::vector<CompiledTemplate> out;
    static const QRegularExpression marker(QStringLiteral("%(\\d)"));
    for (const EngineTemplate& t : Templates) {
      const QString text = QString::fromUtf8(t.text);
      QString pattern = QStringLiteral("^");
      CompiledTemplate c;
      qsizetype at = 0;
      for (const QRegularExpressionMatch& m : marker.globalMatch(text)) {
        pattern += QRegularExpression::escape(text.mid(at, m.capturedStart() - at));
        pattern += QStringLiteral("(.+?)");
        c.numbers.push_back(m.captured(1).toInt());
        at = m.capturedEnd();
      }
      pattern += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
      c.pattern = QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
      out.push_back(std::move(c));
    }
    return out;
  }();
  return all;
}

QString translated(const QString& message, int depth, bool mayBeList) {
  const QByteArray key = message.toUtf8();
  const QString whole = QCoreApplication::translate(Context, key.constData());
  if (whole != message || depth >= MaxDepth) return whole;
  const std::vector<CompiledTemplate>& patterns = compiled();
  for (std::size_t i = 0; i < patterns.size(); ++i) {
    if (Templates[i].list && !mayBeList) continue;
    const QRegularExpressionMatch m = patterns[i].pattern.match(message);
    if (!m.hasMatch()) continue;
    // The pieces by their numbers, each looked up in its turn.
    const std::vector<int>& numbers = patterns[i].numbers;
    QStringList pieces(static_cast<qsizetype>(numbers.size()));
    for (std::size_t g = 0; g < numbers.size(); ++g) {
      const int n = numbers[g];
      if (n >= 1 && n <= static_cast<int>(numbers.size()))
        pieces[n - 1] =
            translated(m.captured(static_cast<int>(g) + 1), depth + 1, Templates[i].holdsLists);
    }
    QString out = QCoreApplication::translate(Context, Templates[i].text);
    // One pass over the placeholders, so that a piece holding "%1" stays as it is.
    static const QRegularExpression marker(QStringLiteral("%(\\d)"));
    QString filled;
    qsizetype at = 0;
    for (const QRegularExpressionMatch& p : marker.globalMatch(out)) {
      filled += out.mid(at, p.capturedStart() - at);
      const int n = p.captured(1).toInt();
      filled += n >= 1 && n <= pieces.size() ? pieces[n - 1] : p.captured(0);
      at = p.capturedEnd();
    }
    return filled + out.mid(at);
  }
  return message;
}

} // namespace

QString EngineText(const QString& message) {
  return translated(message, 0, false);
}

QString EngineText(const std::string& message) {
  return EngineText(QString::fromStdString(message));
}

const EngineTemplate* EngineTemplates(int& count) {
  count = static_cast<int>(std::size(Templates));
  return Templates;
}

QString SampleLabelText(const char* label) {
  const QString text = QString::fromUtf8(label);
  static const QRegularExpression named(QStringLiteral("^([A-Za-z][A-Za-z -]*)([:;].*)$"),
                                        QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch m = named.match(text);
  if (!m.hasMatch()) return text;
  return QCoreApplication::translate(Context, m.captured(1).toUtf8().constData()) + m.captured(2);
}
