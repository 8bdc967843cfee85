// SPDX-License-Identifier: MIT
// `kelvo render`: builds one graph as a user would in the window and writes what it shows.
#include "app/Cli.h"

#include "graph/Corrections.h"
#include "graph/NumberField.h"
#include "io/PictureFiles.h"
#include "render/DeferredCanvas.h"
#include "render/Program.h"
#include "render/Sequences.h"

#include <QGuiApplication>

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
  int width = 800, height = 600;
  std::optional<std::string> out, values;
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

// Options whose features this version of Kelvo does not have yet.
bool isLaterOption(const std::string& name) {
  static const char* const later[] = {"--open",    "--sample",   "--box",   "--plane",
                                      "--line",    "--contours", "--size",  "--full",
                                      "--quality", "--frames",   "--speed", "--movie"};
  for (const char* option : later)
    if (name == option) return true;
  return false;
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
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name == "--no-shading") {
      o.noShading = true;
      continue;
    }
    if (isLaterOption(name)) throw UsageError{name + " is not available in this version of kelvo"};
    const bool known = name == "--kind" || name == "--window" || texts.count(name);
    if (!known) throw UsageError{"unknown option '" + name + "'"};
    if (i + 1 >= args.size()) throw UsageError{name + " needs a value"};
    const std::string& value = args[++i];
    if (name == "--kind")
      o.kind = parseKind(value);
    else if (name == "--window")
      parseWindow(value, o);
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
  if (o.kind != '1')
    throw UsageError{"only graph kind 1 (rect) can be drawn by this version of kelvo"};
  requireKind(o, o.function, "--function", "12");
  requireKind(o, o.x, "--x", "34");
  requireKind(o, o.y, "--y", "34");
  requireKind(o, o.z, "--z", "34");
  requireKind(o, o.step, "--step", "3");
}

void applyNumericDialogs(Program& p, const RenderOptions& o) {
  GraphState& g = p.graph;
  if (o.params) {
    auto v = fieldsOf("--params", *o.params, 1, 6);
    requireReadable(p, "--params", v);
    v.resize(6);
    std::array<std::string, 6> fields, captions;
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
}

// The function editor closed with OK: an empty text stores "0".
void applyFunctions(GraphState& g, const RenderOptions& o) {
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

int writeOutputs(const Program& p, const RenderOptions& o) {
  if (o.out) {
    const FileResult r = SavePicture(p.PictureCopy, *o.out);
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

void checkOutputName(const std::optional<std::string>& out) {
  if (!out) return;
  const PictureFormat format = pictureFormatOf(*out);
  if (format == PictureFormat::Jpeg || format == PictureFormat::Gif)
    throw UsageError{"--out: JPEG and GIF pictures are not available in this version; use "
                     ".bmp or .png"};
  if (format != PictureFormat::Bmp && format != PictureFormat::Png)
    throw UsageError{"--out: the picture's name must end in .bmp or .png"};
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

  Program p;
  // Loading the picture font takes about as long as computing the surface: the font loads on
  // the painting thread while the picture is computed, and the painting follows.
  DeferredCanvas deferred(p.pictureCanvas, PreparePictureFont);
  p.canvas = &deferred;
  p.ClientWidth = o.width;
  p.ClientHeight = o.height;
  ChooseGraphKind(p, o.kind);
  ShowMainWindowPicture(p);
  try {
    applyFunctions(p.graph, o);
    applyNumericDialogs(p, o);
    if (o.title) StoreTitle(p.graph, *o.title);
    applyColors(p, o);
  } catch (const UsageError& e) {
    std::cerr << "kelvo render: " << e.message << '\n';
    return ExitUsage;
  }

  // Drawing keeps the picture's size, so its painting can go on while the surface is computed.
  deferred.streaming();
  DrawSequencePicture(p);
  deferred.finish();
  p.canvas = &p.pictureCanvas;
  CapturePicture(p);
  const int written = writeOutputs(p, o);
  if (written != ExitOk) return written;
  if (p.graph.EvalFailed) {
    std::cerr << "kelvo: the function cannot be evaluated\n";
    return ExitEvalFailed;
  }
  return ExitOk;
}
