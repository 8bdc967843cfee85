// SPDX-License-Identifier: MIT
// `kelvo render`: builds one graph as a user would in the window and writes what it shows.
#include "app/Cli.h"

#include "graph/AxesFit.h"
#include "graph/Corrections.h"
#include "graph/NumberField.h"
#include "io/MovieGif.h"
#include "io/GraphImage.h"
#include "graph/Samples.h"
#include "io/PictureFiles.h"
#include "io/VectorPicture.h"
#include "render/DeferredCanvas.h"
#include "render/Movie.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "render/View.h"

#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <cstdio>
#include <charconv>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

namespace {

struct UsageError {
  std::string message;
};

struct RenderOptions {
  char kind = '1';
  std::optional<std::string> function, x, y, z, title;
  std::optional<std::string> domain, axes, view, curves, step, params;
  std::optional<std::string> above, under, grid, pen, axesColor, ticks, font, background;
  bool noShading = false;
  bool box = false;
  std::optional<std::string> plane, line, contours;
  int sample = 0;
  int width = 800, height = 600;
  std::optional<std::string> out, values;
  std::optional<std::string> open, quality;
  double sizeFactor = 0; // 0: Graph Size left alone
  bool full = false;
  std::optional<std::string> movie, frames;
  std::optional<MovieSpeed> speed;
  bool fit = false;
};

std::vector<std::string> splitCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream stream(text);
  while (std::getline(stream, part, ',')) parts.push_back(part);
  if (!text.empty() && text.back() == ',') parts.push_back("");
  return parts;
}

char parseKind(const std::string& value) {
  static const std::map<std::string, char> kinds = {{"1", '1'},   {"rect", '1'}, {"2", '2'},
                                                    {"cyl", '2'}, {"3", '3'},    {"curve", '3'},
                                                    {"4", '4'},   {"patch", '4'}};
  const auto it = kinds.find(value);
  if (it == kinds.end()) throw UsageError{"--kind takes 1, 2, 3, 4, rect, cyl, curve or patch"};
  return it->second;
}

void parseWindow(const std::string& value, RenderOptions& o) {
  const auto x = value.find_first_of("xX");
  auto readInt = [&](std::string_view text, int& out) {
    const auto r = std::from_chars(text.data(), text.data() + text.size(), out);
    return r.ec == std::errc() && r.ptr == text.data() + text.size() && out >= 1 && out <= 8192;
  };
  const std::string_view all(value);
  if (x == std::string::npos || !readInt(all.substr(0, x), o.width) ||
      !readInt(all.substr(x + 1), o.height))
    throw UsageError{"--window takes WIDTHxHEIGHT, each from 1 to 8192 pixels"};
}

// Edit > Graph Size: "60% of Normal" is 0.625, not 0.6.
double parseSize(const std::string& value) {
  if (value == "normal") return 1.0;
  if (value == "80") return 0.8;
  if (value == "60") return 0.625;
  throw UsageError{"--size takes normal, 80 or 60"};
}

// The picture box must hold at least one pixel, at normal size and at the chosen one.
void checkWindowRoom(const RenderOptions& o) {
  for (const double factor : {1.0, o.sizeFactor}) {
    if (factor == 0) continue;
    GraphState g;
    g.GraphKind = o.kind;
    g.SizeFactor = factor;
    g.SizeFactorOn = true;
    View v;
    ComputeGraphRect(v, g, o.width, o.height);
    if (std::int64_t{v.GraphRight} - v.GraphLeft - 2 < 1 ||
        std::int64_t{v.GraphBottom} - v.GraphTop - 2 < 1)
      throw UsageError{"--window " + std::to_string(o.width) + "x" + std::to_string(o.height) +
                       " leaves no room for the picture of graph kind " + std::string(1, o.kind)};
  }
}

// The movie dialog's speed buttons.
MovieSpeed parseSpeed(const std::string& value) {
  static const std::map<std::string, MovieSpeed> speeds = {{"slow", MovieSpeed::Slow},
                                                           {"medium", MovieSpeed::Medium},
                                                           {"faster", MovieSpeed::Faster},
                                                           {"fastest", MovieSpeed::Fastest}};
  const auto it = speeds.find(value);
  if (it == speeds.end()) throw UsageError{"--speed takes slow, medium, faster or fastest"};
  return it->second;
}

// The number of a sample, 1 to 10, as its place in the samples window.
int parseSample(const std::string& value) {
  int n = 0;
  const auto r = std::from_chars(value.data(), value.data() + value.size(), n);
  if (r.ec != std::errc() || r.ptr != value.data() + value.size() || n < 1 || n > SampleSlots)
    throw UsageError{"--sample takes a number from 1 to 10"};
  return n;
}

// A kind offers fewer than ten samples where the window hides their buttons.
void checkSample(const RenderOptions& o) {
  if (o.sample && !FindSample(o.kind, o.sample))
    throw UsageError{"--sample " + std::to_string(o.sample) + " is not offered for graph kind " +
                     std::string(1, o.kind)};
}

RenderOptions parseOptions(const std::vector<std::string>& args) {
  RenderOptions o;
  const std::map<std::string, std::optional<std::string> RenderOptions::*> texts = {
      {"--function", &RenderOptions::function},
      {"--x", &RenderOptions::x},
      {"--y", &RenderOptions::y},
      {"--z", &RenderOptions::z},
      {"--title", &RenderOptions::title},
      {"--domain", &RenderOptions::domain},
      {"--axes", &RenderOptions::axes},
      {"--view", &RenderOptions::view},
      {"--curves", &RenderOptions::curves},
      {"--step", &RenderOptions::step},
      {"--params", &RenderOptions::params},
      {"--above", &RenderOptions::above},
      {"--under", &RenderOptions::under},
      {"--grid", &RenderOptions::grid},
      {"--pen", &RenderOptions::pen},
      {"--axes-color", &RenderOptions::axesColor},
      {"--ticks", &RenderOptions::ticks},
      {"--font", &RenderOptions::font},
      {"--background", &RenderOptions::background},
      {"--out", &RenderOptions::out},
      {"--values", &RenderOptions::values},
      {"--open", &RenderOptions::open},
      {"--quality", &RenderOptions::quality},
      {"--plane", &RenderOptions::plane},
      {"--movie", &RenderOptions::movie},
      {"--frames", &RenderOptions::frames},
      {"--line", &RenderOptions::line},
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name == "--no-shading" || name == "--full" || name == "--box") {
      (name == "--full" ? o.full : name == "--box" ? o.box : o.noShading) = true;
      continue;
    }
    if (name == "--fit") {
      o.fit = true;
      continue;
    }
    // The contours' settings are optional: a following option is not taken as them.
    if (name == "--contours") {
      const bool valued = i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0;
      o.contours = valued ? args[++i] : std::string();
      continue;
    }
    const bool known = name == "--kind" || name == "--window" || name == "--size" ||
                       name == "--sample" || name == "--speed" || texts.count(name);
    if (!known) throw UsageError{"unknown option '" + name + "'"};
    if (i + 1 >= args.size()) throw UsageError{name + " needs a value"};
    const std::string& value = args[++i];
    if (name == "--kind")
      o.kind = parseKind(value);
    else if (name == "--window")
      parseWindow(value, o);
    else if (name == "--size")
      o.sizeFactor = parseSize(value);
    else if (name == "--sample")
      o.sample = parseSample(value);
    else if (name == "--speed")
      o.speed = parseSpeed(value);
    else
      o.*(texts.at(name)) = value;
  }
  return o;
}

// The fields of a comma-separated option, as many as the dialog has (at least `least`).
std::vector<std::string> fieldsOf(const std::string& option, const std::string& value,
                                  std::size_t least, std::size_t most) {
  std::vector<std::string> parts = splitCommas(value);
  if (parts.size() < least || parts.size() > most) {
    std::ostringstream text;
    text << option << " takes " << least;
    if (most != least) text << " to " << most;
    text << " comma-separated values";
    throw UsageError{text.str()};
  }
  return parts;
}

// Each value must evaluate: the command line refuses what a dialog would silently keep.
void requireReadable(Session& s, const std::string& option, const std::vector<std::string>& v) {
  for (const std::string& text : v) {
    double ignored = 0;
    if (!TryReadNumberField(s, text, ignored))
      throw UsageError{option + ": cannot read the value '" + text + "'"};
  }
}

Color parseColor(const std::string& option, const std::string& name, bool gridChoices) {
  static const std::map<std::string, Color> names = {
      {"blue", clBlue},     {"green", clGreen}, {"purple", clPurple}, {"red", clRed},
      {"yellow", clYellow}, {"white", clWhite}, {"aqua", clAqua},     {"fuchsia", clFuchsia},
      {"lime", clLime},     {"black", clBlack}, {"gray", clGray},     {"teal", clTeal}};
  if (gridChoices && name == "none") return clNone;
  // The grid window's "Gray" is the light grey.
  if (gridChoices && name == "gray") return clSilver;
  const auto it = names.find(name);
  if (it != names.end()) return it->second;
  if (name.size() == 7 && name[0] == '#') {
    unsigned rgb = 0;
    const auto r = std::from_chars(name.data() + 1, name.data() + 7, rgb, 16);
    if (r.ec == std::errc() && r.ptr == name.data() + 7)
      return makeColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                       static_cast<int>(rgb & 0xFF));
  }
  throw UsageError{option + ": unknown colour '" + name + "'"};
}

void requireKind(const RenderOptions& o, const std::optional<std::string>& option,
                 const std::string& name, const std::string& kinds) {
  if (option && kinds.find(o.kind) == std::string::npos)
    throw UsageError{name + " is not offered for graph kind " + std::string(1, o.kind)};
}

void validate(const RenderOptions& o) {
  requireKind(o, o.function, "--function", "12");
  requireKind(o, o.x, "--x", "34");
  requireKind(o, o.y, "--y", "34");
  requireKind(o, o.z, "--z", "34");
  requireKind(o, o.step, "--step", "3");
  checkWindowRoom(o);
  requireKind(o, o.plane, "--plane", "1");
  requireKind(o, o.movie, "--movie", "124");
  requireKind(o, o.frames, "--frames", "124");
  if (o.speed && o.kind == '3') throw UsageError{"--speed is not offered for graph kind 3"};
  if (o.movie && pictureFormatOf(*o.movie) != PictureFormat::Gif)
    throw UsageError{"--movie: the animation's name must end in .gif"};
  requireKind(o, o.contours, "--contours", "12");
}

// A step that would give the curve more points than it is drawn with is refused, whichever of
// the step and the domain made it so.
void requireCurveStep(const GraphState& g, const RenderOptions& o) {
  if (CurveStepAllowed(g)) return;
  std::ostringstream text;
  text << (o.step ? "--step" : "--domain") << ": a step of " << g.TStep << " over t from " << g.TMin
       << " to " << g.TMax << " makes more than " << static_cast<long long>(MaxCurveSteps)
       << " points; the smallest step there is " << SmallestCurveStep(g);
  throw UsageError{text.str()};
}

void applyNumericDialogs(Program& p, const RenderOptions& o, std::array<std::string, 6>& captions) {
  GraphState& g = p.graph;
  if (o.params) {
    auto v = fieldsOf("--params", *o.params, 1, 6);
    requireReadable(p, "--params", v);
    v.resize(6);
    std::array<std::string, 6> fields;
    std::copy(v.begin(), v.end(), fields.begin());
    StoreParameterFields(p, fields, captions);
    CopyParameters(g);
  }
  if (o.domain) {
    const std::size_t count = g.GraphKind == '3' ? 2 : 4;
    auto v = fieldsOf("--domain", *o.domain, count, count);
    requireReadable(p, "--domain", v);
    v.resize(4);
    StoreDomainFields(p, {v[0], v[1], v[2], v[3]});
  }
  if (o.axes) {
    auto v = fieldsOf("--axes", *o.axes, 6, 6);
    requireReadable(p, "--axes", v);
    g.AxesChanged = false;
    StoreAxesFields(p, {v[0], v[1], v[2], v[3], v[4], v[5]});
    CorrectAxes(g);
    if (g.AxesChanged) AxesChangedPicture(p);
  }
  if (o.view) {
    auto v = fieldsOf("--view", *o.view, 2, 3);
    requireReadable(p, "--view", v);
    v.resize(3);
    g.ViewChanged = false;
    StoreViewFields(p, v[0], v[1], v[2]);
    FinishViewDialog(g);
    if (g.ViewChanged) ViewChangedPicture(p);
  }
  if (o.curves) {
    auto v = fieldsOf("--curves", *o.curves, 2, 2);
    requireReadable(p, "--curves", v);
    StoreCurvesFields(p, v[0], v[1]);
    CorrectCurves(g);
  }
  if (o.step) {
    auto v = fieldsOf("--step", *o.step, 1, 1);
    requireReadable(p, "--step", v);
    StoreStepField(p, v[0]);
    CorrectStep(g);
  }
  if (g.GraphKind == '3') requireCurveStep(g, o);
}

// The sample first, as a click in the samples window; then the function editor closed with
// OK, so that explicit texts override the sample's. An empty text stores "0".
void applyFunctions(Program& p, const RenderOptions& o) {
  GraphState& g = p.graph;
  if (o.sample) ChooseSample(p, o.kind, o.sample);
  auto store = [](std::string& target, const std::optional<std::string>& text) {
    if (text) target = text->empty() ? "0" : *text;
  };
  store(g.FunctionText, o.function);
  store(g.FunctionTextX, o.x);
  store(g.FunctionTextY, o.y);
  store(g.FunctionTextZ, o.z);
  if (o.function || o.x || o.y || o.z) g.FunctionReady = true;
}

void applyColors(Program& p, const RenderOptions& o) {
  GraphState& g = p.graph;
  if (o.above) g.AboveColor = parseColor("--above", *o.above, false);
  if (o.under) g.UnderColor = parseColor("--under", *o.under, false);
  if (o.grid) g.GridColor = parseColor("--grid", *o.grid, true);
  if (o.pen) g.PenColor = parseColor("--pen", *o.pen, false);
  const bool redraw = o.axesColor || o.ticks || o.font || o.background;
  if (o.axesColor) g.AxesColor = parseColor("--axes-color", *o.axesColor, false);
  if (o.ticks) g.FrameColor = parseColor("--ticks", *o.ticks, false);
  if (o.font) g.FontColor = parseColor("--font", *o.font, false);
  if (o.background) g.BackgroundColor = parseColor("--background", *o.background, false);
  if (o.noShading) g.ShadingOn = false;
  // The picture holds only the bare axes here, so redrawing it gives what the colour
  // buttons leave on the screen.
  if (redraw) ScreenSetUpPicture(p);
}

// The JPEG quality dialog's choice, read as any number field is.
void applyQuality(Program& p, const RenderOptions& o) {
  if (!o.quality) return;
  double quality = 0;
  if (!TryReadNumberField(p, *o.quality, quality) ||
      (quality != 80 && quality != 90 && quality != 100))
    throw UsageError{"--quality takes 80, 90 or 100"};
  p.graph.JpegQuality = static_cast<int>(quality);
}

// Axes > Fit Axes to Graph; the Draw that follows clears the picture anyway.
void fitAxes(Program& p) {
  if (!FitAxesToGraph(p))
    std::cerr << "kelvo: --fit: the graph cannot be sampled, the axes are kept\n";
  if (p.graph.AxesChanged) AxesChangedPicture(p);
}

// File > Open Graph by the window's rules; the reason when the picture cannot be had.
DecodedPicture openPicture(const std::string& path) {
  if (openFormatOf(path) == PictureFormat::Unknown) {
    std::string refusal = OpenRefusal;
    std::replace(refusal.begin(), refusal.end(), '\r', ' ');
    return {{}, Failed(refusal)};
  }
  return ReadPictureFile(path, openFormatOf(path));
}

// The plane's and the line's values, checked before anything is drawn.
std::vector<std::string> planeValues(Program& p, const std::string& value) {
  auto v = fieldsOf("--plane", value, 6, 10);
  if (v.size() != 6 && v.size() != 10)
    throw UsageError{"--plane takes 6 or 10 comma-separated values"};
  requireReadable(p, "--plane", v);
  v.resize(10);
  return v;
}

std::vector<std::string> lineValues(Program& p, const std::string& value) {
  auto v = fieldsOf("--line", value, 6, 6);
  requireReadable(p, "--line", v);
  return v;
}

// Plane > Edit with the fields and OK, then Plane > Draw; the same for the line.
void runPlaneAndLine(Program& p, const RenderOptions& o) {
  if (o.plane) {
    const auto v = planeValues(p, *o.plane);
    BeginPlaneEdit(p);
    std::array<std::string, 10> fields;
    std::copy(v.begin(), v.end(), fields.begin());
    StorePlaneFields(p, fields);
    PlaneDrawPicture(p);
  }
  if (o.line) {
    const auto v = lineValues(p, *o.line);
    BeginLineEdit(p);
    StoreLineFields(p, {v[0], v[1], v[2], v[3], v[4], v[5]});
    LineDrawPicture(p);
  }
}

// The list item whose number a value reads as, or a usage error.
int listItemOf(Program& p, const std::string& text, std::initializer_list<int> items,
               const char* what) {
  double value = 0;
  if (TryReadNumberField(p, text, value)) {
    int index = 0;
    for (const int item : items) {
      if (value == item) return index;
      ++index;
    }
  }
  throw UsageError{std::string("--contours: the ") + what + " cannot be '" + text + "'"};
}

// Contours > Edit with the chosen items (and the "3D Contours" box), then Contours > Draw.
void parseContourSettings(Program& p, const std::string& value) {
  if (value.empty()) return;
  const auto v = fieldsOf("--contours", value, 2, 3);
  if (v.size() == 3 && v[2] != "3d") throw UsageError{"--contours: the third value must be 3d"};
  const int grid = listItemOf(p, v[0], {20, 40, 60}, "grid (20, 40 or 60)");
  const int levels = listItemOf(p, v[1], {10, 12, 14, 16}, "number of levels (10, 12, 14, 16)");
  StoreContourChoices(p.graph, grid, levels);
  p.graph.Contours3D = v.size() == 3;
}

bool isVectorName(const std::optional<std::string>& out) {
  if (!out) return false;
  const PictureFormat format = pictureFormatOf(*out);
  return format == PictureFormat::Svg || format == PictureFormat::Pdf;
}

// The picture file: a raster picture, or the drawing as vectors for .svg and .pdf.
FileResult writePicture(const Program& p, const RenderOptions& o,
                        const std::array<std::string, 6>& captions) {
  const FullGraphLabels labels = LabelsAfterDraw(p.graph, captions);
  if (isVectorName(o.out)) {
    const PictureFormat format = pictureFormatOf(*o.out);
    return o.full ? SaveVectorFullGraph(*o.out, format, p, labels)
                  : SaveVectorPicture(*o.out, format, p.PictureCopy, p.pictureRecorder);
  }
  const QImage picture = o.full ? ComposeFullGraph(p, labels) : p.PictureCopy;
  return SavePicture(picture, *o.out, p.graph.JpegQuality);
}

int writeOutputs(const Program& p, const RenderOptions& o,
                 const std::array<std::string, 6>& captions) {
  if (o.out) {
    const FileResult r = writePicture(p, o, captions);
    if (!r.ok) {
      std::cerr << "kelvo: cannot write " << *o.out << ": " << r.message << '\n';
      return ExitWrite;
    }
  }
  if (o.values) {
    const FileResult r = SaveTextLines(p.Values, *o.values);
    if (!r.ok) {
      std::cerr << "kelvo: cannot write " << *o.values << ": " << r.message << '\n';
      return ExitWrite;
    }
  }
  return ExitOk;
}

// Movie > Edit with the frame count (read as its field is) and the speed, then Movie > Create,
// and the frames written as a looping animated GIF.
void applyMovieSettings(Program& p, const RenderOptions& o) {
  if (o.frames) {
    requireReadable(p, "--frames", {*o.frames});
    StoreMovieFrameCount(p, *o.frames, true);
  }
  if (o.speed) p.graph.MovieDelay = movieDelayOf(*o.speed);
}

int writeMovie(Program& p, const std::string& path) {
  // The frames are painted when they are written, each on the writer's thread while the next
  // one is built; the build need not show them.
  NullCanvas unseen;
  Canvas* const shown = p.canvas;
  p.canvas = &unseen;
  MovieGifStream stream(p);
  BuildMovieFrames(p, [&](int slot) { stream.add(p.FrameStore[static_cast<std::size_t>(slot)]); });
  p.canvas = shown;
  const FileResult r = stream.finish(path);
  if (r.ok) return ExitOk;
  std::cerr << "kelvo: cannot write " << path << ": " << r.message << '\n';
  return ExitWrite;
}

void checkOutputName(const std::optional<std::string>& out) {
  if (!out) return;
  if (pictureFormatOf(*out) == PictureFormat::Unknown)
    throw UsageError{
        "--out: the picture's name must end in .bmp, .jpg, .jpeg, .gif, .png, .svg or .pdf"};
}

// Qt's note about a missing runtime folder says nothing about the picture; keep the rest.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("QStandardPaths:"))) return;
  const QByteArray text = qFormatLogMessage(type, context, message).toLocal8Bit();
  std::fprintf(stderr, "%s\n", text.constData());
}

} // namespace

int RunRender(int& argc, char** argv, const std::vector<std::string>& args) {
  RenderOptions o;
  try {
    o = parseOptions(args);
    checkSample(o);
    validate(o);
    checkOutputName(o.out);
  } catch (const UsageError& e) {
    std::cerr << "kelvo render: " << e.message << '\n';
    return ExitUsage;
  }

  // No display is needed: the picture is drawn into an image.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quietMessages);
  QGuiApplication app(argc, argv);

  DecodedPicture opened;
  if (o.open) {
    opened = openPicture(*o.open);
    if (!opened.result.ok) {
      std::cerr << "kelvo render: cannot open " << *o.open << ": " << opened.result.message << '\n';
      return ExitOpen;
    }
  }

  Program p;
  // A space curve is drawn at once: nobody watches it grow.
  p.CurvePauses = false;
  // Loading the picture font takes about as long as computing the surface: the font loads on
  // the painting thread while the picture is computed, and the painting follows. An opened
  // picture is painted straight into the picture, so the drawing over it must be too.
  std::optional<DeferredCanvas> deferred;
  // Only a vector picture needs the drawing kept.
  p.pictureRecorder.setRecording(isVectorName(o.out));
  if (!o.open) {
    deferred.emplace(p.pictureRecorder, PreparePictureFont);
    p.canvas = &*deferred;
  }
  p.ClientWidth = o.width;
  p.ClientHeight = o.height;
  p.showMessage = [](const std::string& message) { std::cerr << "kelvo: " << message << '\n'; };
  ChooseGraphKind(p, o.kind);
  ShowMainWindowPicture(p);
  std::array<std::string, 6> captions;
  try {
    applyFunctions(p, o);
    applyNumericDialogs(p, o, captions);
    applyQuality(p, o);
    if (o.title) StoreTitle(p.graph, *o.title);
    applyColors(p, o);
    if (o.contours) parseContourSettings(p, *o.contours);
    if (o.plane) planeValues(p, *o.plane);
    if (o.line) lineValues(p, *o.line);
    applyMovieSettings(p, o);
    if (o.fit) fitAxes(p);
  } catch (const UsageError& e) {
    std::cerr << "kelvo render: " << e.message << '\n';
    return ExitUsage;
  }

  // A checked "Draw Box" puts the box into the Draw, under the axes.
  p.graph.DrawBoxChecked = o.box;
  // Drawing keeps the picture's size, so its painting can go on while the surface is computed.
  if (o.open) ShowPictureInBox(p, opened.picture);
  if (deferred) deferred->streaming();
  DrawSequencePicture(p);
  if (deferred) deferred->finish();
  p.canvas = &p.pictureRecorder;
  CapturePicture(p);
  bool failed = p.graph.EvalFailed;
  runPlaneAndLine(p, o);
  if (o.contours) {
    ContoursPicture(p);
    failed = failed || p.graph.EvalFailed;
  }
  // Edit > Graph Size after the Draw: the picture is scaled, not redrawn.
  if (o.sizeFactor != 0) ChangeGraphSize(p, o.sizeFactor);
  int written = writeOutputs(p, o, captions);
  // The movie comes after the picture and the listing it would paint over.
  if (written == ExitOk && o.movie) written = writeMovie(p, *o.movie);
  if (written != ExitOk) return written;
  if (failed) {
    std::cerr << "kelvo: the function cannot be evaluated\n";
    return ExitEvalFailed;
  }
  return ExitOk;
}
