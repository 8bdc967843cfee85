// SPDX-License-Identifier: MIT
// The table of `kelvo render` options, the parser and the checks that read it, and the help.
#include "app/CliOptions.h"

#include "render/Sweep.h"

#include "graph/KeptGraphs.h"
#include "graph/Samples.h"
#include "render/View.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <variant>

namespace {

// How an option takes its value: none (a check box), one that must not be empty, a text that
// may be empty (an empty function text stores "0", as the editor does), or one that may be
// left out altogether.
enum class Takes { Nothing, Value, Text, MaybeValue };

using TextField = std::optional<std::string> RenderOptions::*;
using FlagField = bool RenderOptions::*;
using Reader = void (*)(RenderOptions&, const std::string&);

// Whether an option belongs to the graph it follows (with --and, each graph has its own) or to
// the picture wherever it stands.
enum class Belongs { Picture, Graph };

// One option of `kelvo render`: its name, the value as the help shows it, the graph kinds
// whose menus offer it, one line of help, where its value goes and what it belongs to.
struct RenderOption {
  std::string_view name;
  std::string_view value;
  Takes takes;
  std::string_view kinds;
  std::string_view help;
  std::variant<TextField, FlagField, Reader> target;
  // The fixed words the value must be one of, for the completions; none for a free value.
  std::vector<std::string> (*choices)() = nullptr;
  Belongs belongs = Belongs::Picture;
};

// The words of a value that must be one of a few, each with what it stands for. The readers
// and the completions both go by these.
template <typename T> struct Named {
  std::string_view name;
  T value;
};

constexpr Named<char> KindNames[] = {
    {"1", '1'},    {"2", '2'},   {"3", '3'},     {"4", '4'},     {"6", ImplicitKind},
    {"rect", '1'}, {"cyl", '2'}, {"curve", '3'}, {"patch", '4'}, {"implicit", ImplicitKind}};
// Edit > Graph Size: "60% of Normal" is 0.625, not 0.6.
constexpr Named<double> SizeNames[] = {{"normal", 1.0}, {"80", 0.8}, {"60", 0.625}};
// The movie dialog's speed buttons.
constexpr Named<MovieSpeed> SpeedNames[] = {{"slow", MovieSpeed::Slow},
                                            {"medium", MovieSpeed::Medium},
                                            {"faster", MovieSpeed::Faster},
                                            {"fastest", MovieSpeed::Fastest}};
constexpr Named<PictureFormat> FormatNames[] = {
    {"png", PictureFormat::Png}, {"bmp", PictureFormat::Bmp}, {"jpg", PictureFormat::Jpeg},
    {"gif", PictureFormat::Gif}, {"svg", PictureFormat::Svg}, {"pdf", PictureFormat::Pdf},
    {"obj", PictureFormat::Obj}, {"stl", PictureFormat::Stl}};

template <typename T, std::size_t N>
const Named<T>* findNamed(const Named<T> (&names)[N], const std::string& word) {
  for (const Named<T>& named : names)
    if (named.name == word) return &named;
  return nullptr;
}

template <typename T, std::size_t N> std::vector<std::string> wordsOf(const Named<T> (&names)[N]) {
  std::vector<std::string> words;
  for (const Named<T>& named : names) words.emplace_back(named.name);
  return words;
}

std::vector<std::string> kindChoices() {
  return wordsOf(KindNames);
}
std::vector<std::string> sizeChoices() {
  return wordsOf(SizeNames);
}
std::vector<std::string> speedChoices() {
  return wordsOf(SpeedNames);
}
std::vector<std::string> formatChoices() {
  return wordsOf(FormatNames);
}
std::vector<std::string> sampleChoices() {
  std::vector<std::string> words;
  for (int n = 1; n <= SampleSlots; ++n) words.push_back(std::to_string(n));
  return words;
}
// --scale takes 1 to this many times the picture's size.
constexpr int MaxScale = 4;
std::vector<std::string> scaleChoices() {
  std::vector<std::string> words;
  for (int n = 1; n <= MaxScale; ++n) words.push_back(std::to_string(n));
  return words;
}

std::vector<std::string> qualityChoices() {
  std::vector<std::string> words;
  for (const int quality : JpegQualities) words.push_back(std::to_string(quality));
  return words;
}
std::vector<std::string> colorChoices() {
  std::vector<std::string> words;
  for (const NamedColor& color : ColorNames) words.emplace_back(color.name);
  return words;
}
std::vector<std::string> gridChoices() {
  std::vector<std::string> words = colorChoices();
  words.emplace_back("none");
  return words;
}

void readKind(RenderOptions& o, const std::string& value) {
  const Named<char>* kind = findNamed(KindNames, value);
  if (!kind) throw UsageError{"--kind takes 1, 2, 3, 4, 6, rect, cyl, curve, patch or implicit"};
  o.kind = kind->value;
  o.kindGiven = true;
}

void readWindow(RenderOptions& o, const std::string& value) {
  const auto x = value.find_first_of("xX");
  auto readInt = [&](std::string_view text, int& out) {
    const auto r = std::from_chars(text.data(), text.data() + text.size(), out);
    return r.ec == std::errc() && r.ptr == text.data() + text.size() && out >= 1 && out <= 8192;
  };
  const std::string_view all(value);
  if (x == std::string::npos || !readInt(all.substr(0, x), o.width) ||
      !readInt(all.substr(x + 1), o.height))
    throw UsageError{"--window takes WIDTHxHEIGHT, each from 1 to 8192 pixels"};
  o.windowGiven = true;
}

void readSize(RenderOptions& o, const std::string& value) {
  const Named<double>* size = findNamed(SizeNames, value);
  if (!size) throw UsageError{"--size takes normal, 80 or 60"};
  o.sizeFactor = size->value;
}

void readScale(RenderOptions& o, const std::string& value) {
  int n = 0;
  const auto r = std::from_chars(value.data(), value.data() + value.size(), n);
  if (r.ec != std::errc() || r.ptr != value.data() + value.size() || n < 1 || n > MaxScale)
    throw UsageError{"--scale takes a whole number from 1 to " + std::to_string(MaxScale)};
  o.scale = n;
}

// The number of a sample, 1 to 10, as its place in the samples window.
void readSample(RenderOptions& o, const std::string& value) {
  int n = 0;
  const auto r = std::from_chars(value.data(), value.data() + value.size(), n);
  if (r.ec != std::errc() || r.ptr != value.data() + value.size() || n < 1 || n > SampleSlots)
    throw UsageError{"--sample takes a number from 1 to 10"};
  o.sample = n;
}

void readSpeed(RenderOptions& o, const std::string& value) {
  const Named<MovieSpeed>* speed = findNamed(SpeedNames, value);
  if (!speed) throw UsageError{"--speed takes slow, medium, faster or fastest"};
  o.speed = speed->value;
}

void readSweep(RenderOptions& o, const std::string& value) {
  const auto equals = value.find('=');
  const std::string name = value.substr(0, equals);
  o.sweepParameter = SweepParameterIndex(name);
  if (equals == std::string::npos || o.sweepParameter < 0)
    throw UsageError{"--sweep: " + QuotedValue(value) + " does not start with a parameter a to f " +
                     "and '='"};
  const std::vector<std::string> ends =
      SplitOptionValue(std::string_view(value).substr(equals + 1));
  if (ends.size() != 2 || ends[0].empty() || ends[1].empty())
    throw UsageError{"--sweep: " + QuotedValue(value) + " needs two values after '=', FROM,TO"};
  o.sweep = value;
  o.sweepFrom = ends[0];
  o.sweepTo = ends[1];
}

void readFormat(RenderOptions& o, const std::string& value) {
  const Named<PictureFormat>* format = findNamed(FormatNames, value);
  if (!format) throw UsageError{"--format takes png, bmp, jpg, gif, svg, pdf, obj or stl"};
  o.format = format->value;
}

// --and is read by the parser itself, which starts the next graph there.
void readAnd(RenderOptions&, const std::string&) {}

using O = RenderOptions;

// In the order the help lists them: the graph, its look, the additions, the outputs.
const RenderOption Options[] = {
    {"--graph", "FILE.kelvo", Takes::Value, AllGraphKinds,
     "read this graph file first; the other options change what it sets", &O::graph},
    {"--kind", "K", Takes::Value, AllGraphKinds,
     "the graph kind: 1 or rect, 2 or cyl, 3 or curve, 4 or patch, 6 or implicit (1)", readKind,
     kindChoices, Belongs::Graph},
    {"--sample", "N", Takes::Value, AllGraphKinds, "load sample N (1-10) of the kind", readSample,
     sampleChoices, Belongs::Graph},
    {"--function", "TEXT", Takes::Text, "126",
     "the function of x, y or of r, t; kind 6: F(x,y,z) or LEFT=RIGHT (0)", &O::function, nullptr,
     Belongs::Graph},
    {"--x", "TEXT", Takes::Text, "34", "the x coordinate, a function of t or of u, v (0)", &O::x,
     nullptr, Belongs::Graph},
    {"--y", "TEXT", Takes::Text, "34", "the y coordinate, a function of t or of u, v (0)", &O::y,
     nullptr, Belongs::Graph},
    {"--z", "TEXT", Takes::Text, "34", "the z coordinate, a function of t or of u, v (0)", &O::z,
     nullptr, Belongs::Graph},
    {"--domain", "A,B[,C,D]", Takes::Value, "1234",
     "the domain of x, y; r, theta; t (two values); or u, v", &O::domain, nullptr, Belongs::Graph},
    {"--axes", "XMIN,XMAX,YMIN,YMAX,ZMIN,ZMAX", Takes::Value, AllGraphKinds,
     "the axes box (-3,3,-3,3,-10,10)", &O::axes},
    {"--view", "THETA,PHI[,RHO]", Takes::Value, AllGraphKinds,
     "the eye: degrees, degrees, distance (30,80,200)", &O::view},
    {"--curves", "X,Y[,Z]", Takes::Value, AllGraphKinds,
     "the number of curves each way (15,15); kind 6: X,Y,Z cells (30,30,30)", &O::curves, nullptr,
     Belongs::Graph},
    {"--step", "T", Takes::Value, "3", "the step along the curve (0.1)", &O::step, nullptr,
     Belongs::Graph},
    {"--params", "A[,B,C,D,E,F]", Takes::Value, AllGraphKinds, "the parameters a to f (zeros)",
     &O::params},
    {"--title", "TEXT", Takes::Text, AllGraphKinds, "the graph title", &O::title},
    {"--above", "C", Takes::Value, AllGraphKinds, "the colour above the surface", &O::above,
     colorChoices, Belongs::Graph},
    {"--under", "C", Takes::Value, AllGraphKinds, "the colour under the surface", &O::under,
     colorChoices, Belongs::Graph},
    {"--grid", "C|none", Takes::Value, AllGraphKinds, "the colour of the outlines, or none",
     &O::grid, gridChoices, Belongs::Graph},
    {"--pen", "C", Takes::Value, AllGraphKinds, "the drawing colour", &O::pen, colorChoices},
    {"--axes-color", "C", Takes::Value, AllGraphKinds, "the colour of the axes", &O::axesColor,
     colorChoices},
    {"--ticks", "C", Takes::Value, AllGraphKinds, "the colour of the ticks", &O::ticks,
     colorChoices},
    {"--font", "C", Takes::Value, AllGraphKinds, "the colour of the letters", &O::font,
     colorChoices},
    {"--background", "C", Takes::Value, AllGraphKinds, "the background colour", &O::background,
     colorChoices},
    {"--no-shading", "", Takes::Nothing, AllGraphKinds, "clear the Shading check box",
     &O::noShading, nullptr, Belongs::Graph},
    {"--window", "WxH", Takes::Value, AllGraphKinds,
     "the main window's client size in pixels (800x600)", readWindow},
    {"--size", "normal|80|60", Takes::Value, AllGraphKinds, "Edit > Graph Size after the Draw",
     readSize, sizeChoices},
    {"--open", "PICTURE", Takes::Value, AllGraphKinds,
     "draw over this .bmp, .jpg, .gif or .png picture", &O::open},
    {"--fit", "", Takes::Nothing, AllGraphKinds, "fit the axes box to the graph before the Draw",
     &O::fit},
    {"--box", "", Takes::Nothing, AllGraphKinds, "draw the box round the axes", &O::box},
    {"--plane", "X0,Y0,Z0,A,B,C[,MINX,MAXX,MINY,MAXY]", Takes::Value, "1",
     "draw the plane through X0,Y0,Z0 with the normal A,B,C", &O::plane},
    {"--line", "X1,Y1,Z1,X2,Y2,Z2", Takes::Value, AllGraphKinds, "draw the line between two points",
     &O::line},
    {"--contours", "[GRID,LEVELS[,3d]]", Takes::MaybeValue, "12",
     "contours: GRID 20, 40 or 60, LEVELS 10 to 16 (20,10, flat)", &O::contours},
    {"--out", "PICTURE", Takes::Value, AllGraphKinds,
     "write the picture: .bmp .jpg .jpeg .gif .png .svg .pdf; the surfaces as a mesh: .obj "
     ".stl; or -",
     &O::out},
    {"--format", "png|bmp|jpg|gif|svg|pdf|obj|stl", Takes::Value, AllGraphKinds,
     "the picture's format when --out - writes it to standard output", readFormat, formatChoices},
    {"--full", "", Takes::Nothing, AllGraphKinds,
     "--out writes the full graph, with title and labels", &O::full},
    {"--scale", "N", Takes::Value, AllGraphKinds,
     "--out writes the picture N times as large, as sharp (1-4; 1)", readScale, scaleChoices},
    {"--quality", "80|90|100", Takes::Value, AllGraphKinds, "the JPEG quality (90)", &O::quality,
     qualityChoices},
    {"--values", "LISTING", Takes::Value, AllGraphKinds,
     "write the function-value listing, - to standard output", &O::values},
    {"--movie", "ANIMATION.gif", Takes::Value, "1246", "write the movie as a looping animated GIF",
     &O::movie},
    {"--frames", "N", Takes::Value, "1246", "the movie's number of frames (16)", &O::frames},
    {"--speed", "slow|medium|faster|fastest", Takes::Value, "1246", "the movie's speed (medium)",
     readSpeed, speedChoices},
    {"--sweep", "NAME=FROM,TO", Takes::Value, "1246",
     "with --movie: the eye stays still and parameter NAME (a-f) steps from FROM to TO", readSweep},
    {"--save-graph", "FILE.kelvo", Takes::Value, AllGraphKinds,
     "write the graph file of the graph as it stands after the Draw", &O::saveGraph},
    {"--exact-hiding", "", Takes::Nothing, AllGraphKinds,
     "View > Exact Hiding: cells, plane, box and line split where they cross", &O::exactHiding},
    {"--and", "", Takes::Nothing, AllGraphKinds,
     "keep the graph so far in the picture and begin the next (Edit > Keep Graph in Picture)",
     readAnd},
    {"--help", "", Takes::Nothing, AllGraphKinds, "print this help and exit", &O::help},
};

const RenderOption* optionNamed(std::string_view name) {
  for (const RenderOption& option : Options)
    if (option.name == name) return &option;
  return nullptr;
}

void store(RenderOptions& o, const RenderOption& option, const std::string& value) {
  if (const auto* text = std::get_if<TextField>(&option.target))
    o.*(*text) = value;
  else if (const auto* flag = std::get_if<FlagField>(&option.target))
    o.*(*flag) = true;
  else
    std::get<Reader>(option.target)(o, value);
}

// The value of the option at args[i], from after its '=' or from the next argument, which
// then is used up.
std::string valueOf(const RenderOption& option, const std::vector<std::string>& args,
                    std::size_t& i, std::optional<std::string> attached) {
  const std::string name(option.name);
  switch (option.takes) {
  case Takes::Nothing:
    if (attached) throw UsageError{name + " takes no value"};
    return {};
  case Takes::MaybeValue:
    // Left out, the settings are not taken from the option that follows.
    if (!attached && i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) return args[++i];
    return attached.value_or("");
  case Takes::Value:
  case Takes::Text:
    break;
  }
  if (!attached) {
    if (i + 1 >= args.size()) throw UsageError{name + " needs a value"};
    attached = args[++i];
  }
  if (attached->empty() && option.takes == Takes::Value) throw UsageError{name + " needs a value"};
  return *attached;
}

// A kind offers fewer than ten samples where the window hides their buttons.
void checkSample(const RenderOptions& o) {
  if (o.sample && !FindSample(o.kind, o.sample))
    throw UsageError{"--sample " + std::to_string(o.sample) + " is not offered for graph kind " +
                     std::string(1, o.kind)};
}

void checkKinds(char kind, const std::vector<const RenderOption*>& given) {
  for (const RenderOption* option : given)
    if (option->kinds.find(kind) == std::string_view::npos)
      throw UsageError{std::string(option->name) + " is not offered for graph kind " +
                       std::string(1, kind)};
}

// The options of one graph of the picture as they were given.
struct GraphSegment {
  RenderOptions options;
  std::vector<const RenderOption*> given;
};

// The graph options from one record into another; the picture's stay.
void takeGraphOptions(RenderOptions& to, const RenderOptions& from) {
  to.kind = from.kind;
  to.kindGiven = from.kindGiven;
  to.sample = from.sample;
  to.function = from.function, to.x = from.x, to.y = from.y, to.z = from.z;
  to.domain = from.domain, to.curves = from.curves, to.step = from.step;
  to.above = from.above, to.under = from.under, to.grid = from.grid;
  to.noShading = from.noShading;
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

void checkStandardOutput(const RenderOptions& o) {
  const bool picture = namesStandardOutput(o.out);
  if (picture && namesStandardOutput(o.values))
    throw UsageError{"--out - and --values - cannot both write to standard output"};
  if (picture && !o.format)
    throw UsageError{"--out - needs --format png, bmp, jpg, gif, svg, pdf, obj or stl"};
  if (!picture && o.format)
    throw UsageError{"--format is only for --out -, the picture written to standard output"};
}

void checkOutputNames(const RenderOptions& o) {
  if (o.scale > 1) {
    if (!o.out) throw UsageError{"--scale needs --out, the picture it enlarges"};
    if (isVectorOutput(o))
      throw UsageError{"--scale is for pictures of pixels; SVG and PDF are sharp at any size"};
  }
  if (o.saveGraph && namesStandardOutput(o.saveGraph))
    throw UsageError{"--save-graph needs a file's name"};
  if (o.movie && pictureFormatOf(*o.movie) != PictureFormat::Gif)
    throw UsageError{"--movie: the animation's name must end in .gif"};
  if (o.out && !namesStandardOutput(o.out) && pictureFormatOf(*o.out) == PictureFormat::Unknown)
    throw UsageError{"--out: the picture's name must end in .bmp, .jpg, .jpeg, .gif, .png, .svg, "
                     ".pdf, or .obj or .stl for a mesh"};
  if (o.full && o.out && isMeshFormat(outputFormat(o)))
    throw UsageError{"--full is for pictures: a mesh holds the surfaces alone"};
}

// Where a name leads: the file itself where it exists (through links and "..", so that two
// names of one file compare equal), else the absolute path of the name.
std::filesystem::path placeOf(const std::string& name) {
  std::error_code error;
  const auto absolute = std::filesystem::absolute(name, error);
  const auto canonical = std::filesystem::weakly_canonical(absolute, error);
  return error ? absolute.lexically_normal() : canonical;
}

bool sameFile(const std::string& first, const std::string& second) {
  std::error_code error;
  if (std::filesystem::equivalent(first, second, error)) return true;
  return placeOf(first) == placeOf(second);
}

// A second output to the same file would silently replace the first.
void checkDistinctOutputs(const RenderOptions& o) {
  const std::pair<const char*, const std::optional<std::string>*> outputs[] = {
      {"--out", &o.out},
      {"--values", &o.values},
      {"--movie", &o.movie},
      {"--save-graph", &o.saveGraph}};
  for (std::size_t i = 0; i < std::size(outputs); ++i)
    for (std::size_t j = i + 1; j < std::size(outputs); ++j) {
      const auto& first = *outputs[i].second;
      const auto& second = *outputs[j].second;
      if (!first || !second || namesStandardOutput(first) || namesStandardOutput(second)) continue;
      if (sameFile(*first, *second))
        throw UsageError{std::string(outputs[i].first) + " and " + outputs[j].first +
                         " name the same file " + QuotedValue(*second)};
    }
}

// Appends the character of text at i, escaped where a terminal would act on it, and moves i
// past it.
void appendEscaped(std::string& to, std::string_view text, std::size_t& i, bool backslash) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const auto hex = [&](unsigned char c) {
    static const char digits[] = "0123456789abcdef";
    to += "\\x";
    to += digits[c >> 4];
    to += digits[c & 15];
  };
  const unsigned char c = byte(i);
  if (c < 0x80) {
    ++i;
    if (c == '\n')
      to += "\\n";
    else if (c == '\r')
      to += "\\r";
    else if (c == '\t')
      to += "\\t";
    else if (c == 0x1b)
      to += "\\e";
    else if (c < 0x20 || c == 0x7f)
      hex(c);
    else if (c == '\\' && backslash)
      to += "\\\\";
    else
      to += static_cast<char>(c);
    return;
  }
  // A well-formed UTF-8 sequence passes, except the C1 controls U+0080 to U+009F that some
  // terminals obey; any other byte is shown by its number.
  const std::size_t length = c >= 0xC2 && c <= 0xDF   ? 2
                             : c >= 0xE0 && c <= 0xEF ? 3
                             : c >= 0xF0 && c <= 0xF4 ? 4
                                                      : 0;
  bool wellFormed = length != 0 && i + length <= text.size();
  for (std::size_t k = 1; wellFormed && k < length; ++k) {
    unsigned char low = 0x80, high = 0xBF;
    if (k == 1 && c == 0xE0) low = 0xA0;  // overlong
    if (k == 1 && c == 0xED) high = 0x9F; // surrogates
    if (k == 1 && c == 0xF0) low = 0x90;  // overlong
    if (k == 1 && c == 0xF4) high = 0x8F; // beyond U+10FFFF
    wellFormed = byte(i + k) >= low && byte(i + k) <= high;
  }
  if (!wellFormed || (c == 0xC2 && byte(i + 1) < 0xA0)) {
    const std::size_t count = wellFormed ? length : 1;
    for (std::size_t k = 0; k < count; ++k) hex(byte(i + k));
    i += count;
    return;
  }
  to.append(text.substr(i, length));
  i += length;
}

} // namespace

RenderOptions ParseRenderOptions(const std::vector<std::string>& args) {
  RenderOptions o;
  std::vector<const RenderOption*> given;
  // The graph options go to the graph they follow; --and begins the next, of the same kind
  // unless it says otherwise.
  std::vector<GraphSegment> graphs(1);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    const auto equals = word.rfind("--", 0) == 0 ? word.find('=') : std::string::npos;
    const RenderOption* option = optionNamed(std::string_view(word).substr(0, equals));
    if (!option) throw UsageError{"unknown option " + QuotedValue(word.substr(0, equals))};
    std::optional<std::string> attached;
    if (equals != std::string::npos) attached = word.substr(equals + 1);
    const std::string value = valueOf(*option, args, i, attached);
    if (option->name == "--and") {
      if (graphs.size() >= MaxPictureGraphs)
        throw UsageError{"--and: a picture holds at most " + std::to_string(MaxPictureGraphs) +
                         " graphs"};
      GraphSegment next;
      next.options.kind = graphs.back().options.kind;
      graphs.push_back(std::move(next));
      continue;
    }
    GraphSegment& graph = graphs.back();
    store(option->belongs == Belongs::Graph ? graph.options : o, *option, value);
    if (o.help) return o;
    (option->belongs == Belongs::Graph ? graph.given : given).push_back(option);
  }
  for (const GraphSegment& graph : graphs) {
    checkSample(graph.options);
    checkKinds(graph.options.kind, graph.given);
  }
  takeGraphOptions(o, graphs.back().options);
  for (std::size_t k = 0; k + 1 < graphs.size(); ++k) o.keptGraphs.push_back(graphs[k].options);
  // The picture's options are those of the current graph's kind, whose menus the window shows.
  checkKinds(o.kind, given);
  checkWindowRoom(o);
  checkStandardOutput(o);
  checkOutputNames(o);
  if (o.sweep && !o.movie) throw UsageError{"--sweep needs --movie, the animation it makes"};
  checkDistinctOutputs(o);
  return o;
}

const RenderOptions& firstGraphOptions(const RenderOptions& o) {
  return o.keptGraphs.empty() ? o : o.keptGraphs.front();
}

std::string RenderOptionsHelp() {
  constexpr std::size_t HelpColumn = 36;
  std::string text;
  for (const RenderOption& option : Options) {
    std::string line = "  " + std::string(option.name);
    if (!option.value.empty()) line += " " + std::string(option.value);
    line += line.size() + 2 <= HelpColumn ? std::string(HelpColumn - line.size(), ' ')
                                          : "\n" + std::string(HelpColumn, ' ');
    line += option.help;
    // An option some kinds' menus lack says which offer it.
    if (option.kinds != AllGraphKinds) {
      line += option.kinds.size() > 1 ? " [kinds " : " [kind ";
      for (std::size_t k = 0; k < option.kinds.size(); ++k)
        (line += k ? ", " : "") += option.kinds[k];
      line += ']';
    }
    text += line + '\n';
  }
  return text;
}

std::vector<RenderOptionInfo> RenderOptionInfos() {
  std::vector<RenderOptionInfo> infos;
  for (const RenderOption& option : Options)
    infos.push_back({option.name, option.value, option.kinds, option.help,
                     option.takes != Takes::Nothing, option.takes == Takes::MaybeValue,
                     option.choices ? option.choices() : std::vector<std::string>{}});
  return infos;
}

std::string RenderHelpText() {
  return "Usage: kelvo render [OPTIONS] [--out PICTURE] [--values LISTING] [--movie "
         "ANIMATION.gif]\n"
         "Draws one graph as the window would and writes the picture, the listing or the "
         "movie.\n"
         "With --and the picture holds several graphs: the kind, sample, function texts, domain,\n"
         "curves, step, surface colours and shading belong to the graph they follow, and each\n"
         "graph starts from the one before; every other option belongs to the picture.\n"
         "\n"
         "Options, with their defaults in parentheses (a value may also follow '=', as in\n"
         "--out=x.png):\n" +
         RenderOptionsHelp() +
         "\n"
         "Numbers in options are expressions of Kelvo's language (2*p, sqrt(2), -3); values\n"
         "are split at the commas outside parentheses. C is a colour: blue, green, purple,\n"
         "red, yellow, white, aqua, fuchsia, lime, black, gray, teal or #RRGGBB.\n"
         "Exit status: 0 written, 1 the function cannot be evaluated, 2 usage error,\n"
         "3 an output cannot be written, 4 the --open picture or the --graph file cannot be\n"
         "read.\n";
}

std::vector<std::string> SplitOptionValue(std::string_view value) {
  std::vector<std::string> fields;
  if (value.empty()) return fields;
  std::string field;
  int depth = 0;
  for (const char c : value) {
    if (c == '(') ++depth;
    if (c == ')' && depth > 0) --depth;
    if (c == ',' && depth == 0) {
      fields.push_back(std::move(field));
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(std::move(field));
  return fields;
}

std::string QuotedValue(std::string_view value) {
  std::string quoted = "'";
  std::size_t i = 0;
  for (std::size_t shown = 0; i < value.size() && shown < MessageValueLength; ++shown)
    appendEscaped(quoted, value, i, true);
  quoted += '\'';
  if (i < value.size()) quoted += "...";
  return quoted;
}

std::string OneLine(std::string_view message) {
  std::string line;
  for (std::size_t i = 0; i < message.size();) appendEscaped(line, message, i, false);
  return line;
}
