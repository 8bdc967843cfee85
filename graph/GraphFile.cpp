// SPDX-License-Identifier: MIT
// Graph files: one table of keys that writing, reading and applying all go through.
#include "graph/GraphFile.h"

#include "graph/Corrections.h"
#include "graph/Eye.h"
#include "graph/Format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>
#include <variant>

namespace {

// Where a key's value lives: a field of the graph state or of the extras.
struct Document {
  GraphState& graph;
  GraphExtras& extras;
};
using NumberRef = double& (*)(Document&);
using CountRef = int& (*)(Document&);
using FlagRef = bool& (*)(Document&);
using TextRef = std::string& (*)(Document&);
using ColorRef = Color& (*)(Document&);
// A colour that may also be "none", as the grid colour may.
struct GridColorRef {
  ColorRef ref;
};
using Field = std::variant<NumberRef, CountRef, FlagRef, TextRef, ColorRef, GridColorRef>;

// Whether a key belongs to one graph (and may stand in a kept graph's section) or to the
// picture.
enum class Scope { Picture, Graph };

struct Key {
  std::string_view name;
  Field field;
  // The kinds whose files are written with the key; every kind reads every key.
  std::string_view kinds = "12346";
  Scope scope = Scope::Picture;
  // A flag that is written only while it is set, so that the files of pictures without it
  // stay as they were before the key came.
  bool onlyWhenSet = false;
};

#define GRAPH(field)                                                                               \
  [](Document & d) -> auto& {                                                                      \
    return d.graph.field;                                                                          \
  }
#define EXTRA(field)                                                                               \
  [](Document & d) -> auto& {                                                                      \
    return d.extras.field;                                                                         \
  }

// In the order they are written. A new setting is one more row, at the end of its group.
const Key Keys[] = {
    {"Function", TextRef{GRAPH(FunctionText)}, "126", Scope::Graph},
    {"FunctionX", TextRef{GRAPH(FunctionTextX)}, "34", Scope::Graph},
    {"FunctionY", TextRef{GRAPH(FunctionTextY)}, "34", Scope::Graph},
    {"FunctionZ", TextRef{GRAPH(FunctionTextZ)}, "34", Scope::Graph},
    {"XMin", NumberRef{GRAPH(XMin)}, "1", Scope::Graph},
    {"XMax", NumberRef{GRAPH(XMax)}, "1", Scope::Graph},
    {"YMin", NumberRef{GRAPH(YMin)}, "1", Scope::Graph},
    {"YMax", NumberRef{GRAPH(YMax)}, "1", Scope::Graph},
    {"RMin", NumberRef{GRAPH(RMin)}, "2", Scope::Graph},
    {"RMax", NumberRef{GRAPH(RMax)}, "2", Scope::Graph},
    {"TMin", NumberRef{GRAPH(TMin)}, "23", Scope::Graph},
    {"TMax", NumberRef{GRAPH(TMax)}, "23", Scope::Graph},
    {"UMin", NumberRef{GRAPH(UMin)}, "4", Scope::Graph},
    {"UMax", NumberRef{GRAPH(UMax)}, "4", Scope::Graph},
    {"VMin", NumberRef{GRAPH(VMin)}, "4", Scope::Graph},
    {"VMax", NumberRef{GRAPH(VMax)}, "4", Scope::Graph},
    {"AxisXMin", NumberRef{GRAPH(AxisXMin)}},
    {"AxisXMax", NumberRef{GRAPH(AxisXMax)}},
    {"AxisYMin", NumberRef{GRAPH(AxisYMin)}},
    {"AxisYMax", NumberRef{GRAPH(AxisYMax)}},
    {"AxisZMin", NumberRef{GRAPH(AxisZMin)}},
    {"AxisZMax", NumberRef{GRAPH(AxisZMax)}},
    {"Rho", NumberRef{GRAPH(Rho)}},
    {"Theta", NumberRef{GRAPH(Theta)}},
    {"Phi", NumberRef{GRAPH(Phi)}},
    {"Zoom", NumberRef{GRAPH(Zoom)}},
    {"XCurves", NumberRef{GRAPH(XCurves)}, "1246", Scope::Graph},
    {"YCurves", NumberRef{GRAPH(YCurves)}, "1246", Scope::Graph},
    {"ZCurves", NumberRef{GRAPH(ZCurves)}, "6", Scope::Graph},
    {"TStep", NumberRef{GRAPH(TStep)}, "3", Scope::Graph},
    {"ParamA", NumberRef{GRAPH(ParamValues[0])}},
    {"ParamB", NumberRef{GRAPH(ParamValues[1])}},
    {"ParamC", NumberRef{GRAPH(ParamValues[2])}},
    {"ParamD", NumberRef{GRAPH(ParamValues[3])}},
    {"ParamE", NumberRef{GRAPH(ParamValues[4])}},
    {"ParamF", NumberRef{GRAPH(ParamValues[5])}},
    {"CaptionA", FlagRef{EXTRA(parameterCaptions[0])}},
    {"CaptionB", FlagRef{EXTRA(parameterCaptions[1])}},
    {"CaptionC", FlagRef{EXTRA(parameterCaptions[2])}},
    {"CaptionD", FlagRef{EXTRA(parameterCaptions[3])}},
    {"CaptionE", FlagRef{EXTRA(parameterCaptions[4])}},
    {"CaptionF", FlagRef{EXTRA(parameterCaptions[5])}},
    {"Title", TextRef{GRAPH(GraphTitle)}},
    {"AboveColor", ColorRef{GRAPH(AboveColor)}, "12346", Scope::Graph},
    {"UnderColor", ColorRef{GRAPH(UnderColor)}, "12346", Scope::Graph},
    {"GridColor", GridColorRef{GRAPH(GridColor)}, "12346", Scope::Graph},
    {"PenColor", ColorRef{GRAPH(PenColor)}},
    {"AxesColor", ColorRef{GRAPH(AxesColor)}},
    {"TicksColor", ColorRef{GRAPH(FrameColor)}},
    {"FontColor", ColorRef{GRAPH(FontColor)}},
    {"BackgroundColor", ColorRef{GRAPH(BackgroundColor)}},
    {"Shading", FlagRef{GRAPH(ShadingOn)}, "12346", Scope::Graph},
    {"DrawBox", FlagRef{GRAPH(DrawBoxChecked)}},
    {"PlaneDefined", FlagRef{GRAPH(PlaneDefined)}, "1"},
    {"PlaneShown", FlagRef{GRAPH(PlaneOn)}, "1"},
    {"PlaneX0", NumberRef{GRAPH(Plane.X0)}, "1"},
    {"PlaneY0", NumberRef{GRAPH(Plane.Y0)}, "1"},
    {"PlaneZ0", NumberRef{GRAPH(Plane.Z0)}, "1"},
    {"PlaneA", NumberRef{GRAPH(Plane.A)}, "1"},
    {"PlaneB", NumberRef{GRAPH(Plane.B)}, "1"},
    {"PlaneC", NumberRef{GRAPH(Plane.C)}, "1"},
    {"PlaneMinX", NumberRef{GRAPH(Plane.MinX)}, "1"},
    {"PlaneMaxX", NumberRef{GRAPH(Plane.MaxX)}, "1"},
    {"PlaneMinY", NumberRef{GRAPH(Plane.MinY)}, "1"},
    {"PlaneMaxY", NumberRef{GRAPH(Plane.MaxY)}, "1"},
    {"LineDefined", FlagRef{GRAPH(LineDefined)}},
    {"LineShown", FlagRef{GRAPH(LineOn)}},
    {"LineX1", NumberRef{GRAPH(Line.X1)}},
    {"LineY1", NumberRef{GRAPH(Line.Y1)}},
    {"LineZ1", NumberRef{GRAPH(Line.Z1)}},
    {"LineX2", NumberRef{GRAPH(Line.X2)}},
    {"LineY2", NumberRef{GRAPH(Line.Y2)}},
    {"LineZ2", NumberRef{GRAPH(Line.Z2)}},
    {"ContourGridX", CountRef{GRAPH(ContourGridX)}, "12"},
    {"ContourGridY", CountRef{GRAPH(ContourGridY)}, "12"},
    {"ContourLevels", CountRef{GRAPH(ContourLevelCount)}, "12"},
    {"Contours3D", FlagRef{GRAPH(Contours3D)}, "12"},
    {"ContoursShown", FlagRef{EXTRA(contoursShown)}, "12"},
    {"GraphSize", NumberRef{EXTRA(graphSize)}},
    {"WindowWidth", CountRef{EXTRA(windowWidth)}},
    {"WindowHeight", CountRef{EXTRA(windowHeight)}},
    {"MovieFrames", CountRef{GRAPH(MovieFrameCount)}, "1246"},
    {"MovieDelay", CountRef{GRAPH(MovieDelay)}, "1246"},
    {"JpegQuality", CountRef{GRAPH(JpegQuality)}},
    {"Picture", TextRef{EXTRA(picture)}},
    {"SliderLowA", NumberRef{EXTRA(sliderLow[0])}},
    {"SliderHighA", NumberRef{EXTRA(sliderHigh[0])}},
    {"SliderLowB", NumberRef{EXTRA(sliderLow[1])}},
    {"SliderHighB", NumberRef{EXTRA(sliderHigh[1])}},
    {"SliderLowC", NumberRef{EXTRA(sliderLow[2])}},
    {"SliderHighC", NumberRef{EXTRA(sliderHigh[2])}},
    {"SliderLowD", NumberRef{EXTRA(sliderLow[3])}},
    {"SliderHighD", NumberRef{EXTRA(sliderHigh[3])}},
    {"SliderLowE", NumberRef{EXTRA(sliderLow[4])}},
    {"SliderHighE", NumberRef{EXTRA(sliderHigh[4])}},
    {"SliderLowF", NumberRef{EXTRA(sliderLow[5])}},
    {"SliderHighF", NumberRef{EXTRA(sliderHigh[5])}},
    {"ExactHiding", FlagRef{GRAPH(ExactHiding)}, "12346", Scope::Picture, true},
};

#undef GRAPH
#undef EXTRA

constexpr std::size_t KeyCount = std::size(Keys);

// Numbers in the shortest form that reads back to the same double.
std::string numberText(double v) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
  return std::string(buffer, end);
}

bool readNumber(std::string_view text, double& v) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  double value = 0;
  const auto r = std::from_chars(first, last, value);
  if (r.ec != std::errc() || r.ptr != last || !std::isfinite(value)) return false;
  v = value;
  return true;
}

bool readCount(std::string_view text, int& v) {
  int value = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return false;
  v = value;
  return true;
}

std::string colorText(Color c) {
  if (c == clNone) return "none";
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", colorRed(c), colorGreen(c), colorBlue(c));
  return buffer;
}

bool readColor(std::string_view text, bool noneAllowed, Color& c) {
  if (noneAllowed && text == "none") {
    c = clNone;
    return true;
  }
  if (text.size() != 7 || text[0] != '#') return false;
  unsigned rgb = 0;
  const auto r = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
  if (r.ec != std::errc() || r.ptr != text.data() + 7) return false;
  c = makeColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
  return true;
}

// The length of the UTF-8 sequence that starts at text[i], or 0 where none starts there.
std::size_t utf8Length(std::string_view text, std::size_t i) {
  const unsigned char c = static_cast<unsigned char>(text[i]);
  if (c < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF; // the range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    if (c == 0xE0) low = 0xA0;
    if (c == 0xED) high = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    if (c == 0xF0) low = 0x90;
    if (c == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  const unsigned char second = static_cast<unsigned char>(text[i + 1]);
  if (second < low || second > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  return length;
}

bool validUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = utf8Length(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// Texts stand in double quotes; a backslash, a quote, every control character and every byte
// that is not part of a UTF-8 letter are escaped, so that the file is always UTF-8 text.
std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const unsigned char u = static_cast<unsigned char>(c);
    if (u >= 0x80) {
      const std::size_t length = utf8Length(text, i);
      if (length == 0) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "\\x%02X", u);
        out += buffer;
      } else {
        out.append(text.substr(i, length));
        i += length - 1;
      }
    } else if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20 || u == 0x7F) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02X", u);
      out += buffer;
    } else {
      out += c;
    }
  }
  return out + '"';
}

bool unquoted(std::string_view text, std::string& out) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return false;
  out.clear();
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') return false;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++i + 1 > text.size() - 1) return false;
    switch (text[i]) {
    case '\\':
    case '"':
      out += text[i];
      break;
    case 'n':
      out += '\n';
      break;
    case 't':
      out += '\t';
      break;
    case 'x': {
      if (i + 3 > text.size() - 1) return false;
      unsigned value = 0;
      const auto r = std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
      if (r.ec != std::errc() || r.ptr != text.data() + i + 3) return false;
      out += static_cast<char>(value);
      i += 2;
      break;
    }
    default:
      return false;
    }
  }
  return true;
}

std::string valueText(const Field& field, Document& d) {
  struct Writer {
    Document& d;
    std::string operator()(NumberRef r) const { return numberText(r(d)); }
    std::string operator()(CountRef r) const { return std::to_string(r(d)); }
    std::string operator()(FlagRef r) const { return r(d) ? "true" : "false"; }
    std::string operator()(TextRef r) const { return quoted(r(d)); }
    std::string operator()(ColorRef r) const { return colorText(r(d)); }
    std::string operator()(GridColorRef r) const { return colorText(r.ref(d)); }
  };
  return std::visit(Writer{d}, field);
}

// The field a key's value lives in.
template <typename T> T& fieldAt(T& (*ref)(Document&), Document& d) {
  return ref(d);
}
Color& fieldAt(GridColorRef r, Document& d) {
  return r.ref(d);
}

// Stores the value, or tells that it cannot be read; the field is left as it was then.
bool storeValue(const Field& field, Document& d, const std::string& value) {
  struct Reader {
    Document& d;
    const std::string& value;
    bool operator()(NumberRef r) const { return readNumber(value, r(d)); }
    bool operator()(CountRef r) const { return readCount(value, r(d)); }
    bool operator()(FlagRef r) const {
      if (value != "true" && value != "false") return false;
      r(d) = value == "true";
      return true;
    }
    bool operator()(TextRef r) const { return unquoted(value, r(d)); }
    bool operator()(ColorRef r) const { return readColor(value, false, r(d)); }
    bool operator()(GridColorRef r) const { return readColor(value, true, r.ref(d)); }
  };
  return std::visit(Reader{d, value}, field);
}

std::string lineWord(int line) {
  return "line " + std::to_string(line) + ": ";
}

// A name as a message shows it: printable ASCII only, at most 40 characters.
std::string shownName(std::string_view name) {
  std::string out;
  for (const char c : name.substr(0, 40)) out += (c >= 0x20 && c < 0x7F) ? c : '?';
  return out;
}

// The values that the dialogs would not take, kept at their defaults.
bool acceptable(std::string_view key, const GraphState& g, const GraphExtras& e) {
  if (key == "GraphSize")
    return e.graphSize == 0 || e.graphSize == 1 || e.graphSize == 0.8 || e.graphSize == 0.625;
  if (key == "WindowWidth") return e.windowWidth >= 1 && e.windowWidth <= 8192;
  if (key == "WindowHeight") return e.windowHeight >= 1 && e.windowHeight <= 8192;
  if (key == "ContourGridX")
    return g.ContourGridX == 20 || g.ContourGridX == 40 || g.ContourGridX == 60;
  if (key == "ContourGridY")
    return g.ContourGridY == 20 || g.ContourGridY == 40 || g.ContourGridY == 60;
  if (key == "ContourLevels")
    return g.ContourLevelCount >= 10 && g.ContourLevelCount <= 16 && g.ContourLevelCount % 2 == 0;
  // The movie dialog's range of frames; any delay a player can wait.
  if (key == "MovieFrames") return g.MovieFrameCount >= 1 && g.MovieFrameCount <= 32;
  if (key == "MovieDelay") return g.MovieDelay >= 0 && g.MovieDelay <= 10'000;
  if (key == "JpegQuality")
    return g.JpegQuality == 80 || g.JpegQuality == 90 || g.JpegQuality == 100;
  if (key == "Zoom") return g.Zoom >= 0.25 && g.Zoom <= 8; // the window's zoom range
  return true;
}

} // namespace

namespace {

// Every key of the kind that stands in this part of the file: all of them for the picture and
// its current graph, a graph's own for a kept graph. The document reads copies of its own.
void writeKeys(std::string& out, GraphState graph, GraphExtras extras, bool keptGraph) {
  Document d{graph, extras};
  for (const Key& key : Keys) {
    if (key.kinds.find(graph.GraphKind) == std::string_view::npos) continue;
    if (keptGraph && key.scope != Scope::Graph) continue;
    const std::string value = valueText(key.field, d);
    if (key.onlyWhenSet && value != "true") continue;
    out += std::string(key.name) + " = " + value + "\n";
  }
}

} // namespace

std::string WriteGraphFile(const GraphState& g, const GraphExtras& extras,
                           const std::vector<KeptGraph>& kept) {
  std::string out = std::string(GraphFileHeader) + " " + std::to_string(GraphFileVersion) + "\n";
  out += "Kind = " + std::string(1, g.GraphKind) + "\n";
  writeKeys(out, g, extras, false);
  for (std::size_t i = 0; i < kept.size(); ++i) {
    GraphState graph = g;
    SetGraphFields(graph, kept[i].fields);
    out += "\nGraph = " + std::to_string(i + 1) + "\n";
    out += "Kind = " + std::string(1, graph.GraphKind) + "\n";
    out += std::string("Shown = ") + (kept[i].shown ? "true" : "false") + "\n";
    writeKeys(out, std::move(graph), extras, true);
  }
  return out;
}

bool ParseGraphFile(std::string_view text, GraphFile& file, std::string& reason) {
  file = {};
  if (text.size() > GraphFileSizeLimit) {
    reason = "the file is larger than 4 MiB";
    return false;
  }
  if (text.find('\0') != std::string_view::npos || !validUtf8(text)) {
    reason = "this is not a text file";
    return false;
  }
  std::vector<bool> seen(KeyCount, false);
  bool kindSeen = false;
  // The kept graph whose section the lines belong to: 0 before the first "Graph = 1".
  std::size_t section = 0;
  std::vector<bool> seenInSection;
  bool sectionKindSeen = false, shownSeen = false;
  const auto sectionNamesKind = [&](int at) {
    if (section == 0 || sectionKindSeen) return true;
    reason =
        lineWord(at) + "kept graph " + std::to_string(section) +
        " names no kind (a line \"Kind = 1\" to \"Kind = 4\", or \"Kind = 6\", after \"Graph = " +
        std::to_string(section) + "\")";
    return false;
  };
  int version = 0;
  int line = 0;
  std::size_t at = 0;
  while (at < text.size() || line == 0) {
    ++line;
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view row = text.substr(at, end - at);
    at = end + 1;
    if (row.size() > GraphFileLineLimit) {
      reason = lineWord(line) + "the line is longer than 64 KiB";
      return false;
    }
    if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
    if (line == 1) {
      const std::string header = std::string(GraphFileHeader) + " ";
      int v = 0;
      if (!row.starts_with(header) || !readCount(row.substr(header.size()), v) || v < 1) {
        reason = "line 1: this is not a Kelvo graph file (it must begin with \"Kelvo graph " +
                 std::to_string(GraphFileVersion) + "\")";
        return false;
      }
      version = v;
      if (at > text.size()) break;
      continue;
    }
    const std::size_t first = row.find_first_not_of(" \t");
    if (first == std::string_view::npos || row[first] == '#') {
      if (at > text.size()) break;
      continue;
    }
    const std::size_t equals = row.find('=');
    if (equals == std::string_view::npos) {
      reason = lineWord(line) + "a line \"Key = value\" expected";
      return false;
    }
    std::string_view name = row.substr(0, equals);
    std::string_view value = row.substr(equals + 1);
    auto trim = [](std::string_view& s) {
      while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
      while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    };
    trim(name);
    trim(value);
    if (name == "Graph") {
      int number = 0;
      if (!readCount(value, number) || number != static_cast<int>(section) + 1) {
        reason = lineWord(line) + "the kept graphs are numbered 1, 2, ... in order: \"Graph = " +
                 std::to_string(section + 1) + "\" expected";
        return false;
      }
      if (section >= MaxKeptGraphs) {
        reason = lineWord(line) + "a picture holds at most " + std::to_string(MaxPictureGraphs) +
                 " graphs";
        return false;
      }
      if (!sectionNamesKind(line)) return false;
      ++section;
      file.kept.emplace_back();
      seenInSection.assign(KeyCount, false);
      sectionKindSeen = shownSeen = false;
    } else if (section > 0 && name == "Kind") {
      if (sectionKindSeen) {
        reason =
            lineWord(line) + "the key 'Kind' stands twice in kept graph " + std::to_string(section);
        return false;
      }
      if (value.size() != 1 || !IsGraphKind(value[0])) {
        reason = lineWord(line) + "the kind must be 1, 2, 3, 4 or 6";
        return false;
      }
      sectionKindSeen = true;
      file.kept.back().kind = value[0];
    } else if (section > 0 && name == "Shown") {
      if (shownSeen) {
        reason = lineWord(line) + "the key 'Shown' stands twice in kept graph " +
                 std::to_string(section);
        return false;
      }
      shownSeen = true;
      if (value == "true" || value == "false")
        file.kept.back().shown = value == "true";
      else
        file.warnings.push_back(lineWord(line) +
                                "the value of 'Shown' cannot be read; the graph is shown");
    } else if (name == "Kind") {
      if (kindSeen) {
        reason = lineWord(line) + "the key 'Kind' stands twice";
        return false;
      }
      if (value.size() != 1 || !IsGraphKind(value[0])) {
        reason = lineWord(line) + "the kind must be 1, 2, 3, 4 or 6";
        return false;
      }
      kindSeen = true;
      file.kind = value[0];
    } else {
      std::size_t key = 0;
      while (key < KeyCount && Keys[key].name != name) ++key;
      if (key == KeyCount) {
        if (version > GraphFileVersion) {
          file.warnings.push_back(lineWord(line) + "the key '" + shownName(name) +
                                  "' of a newer version is passed over");
        } else {
          reason = lineWord(line) + "unknown key '" + shownName(name) + "'";
          return false;
        }
      } else if (section > 0) {
        if (Keys[key].scope != Scope::Graph) {
          reason = lineWord(line) + "the key '" + shownName(name) +
                   "' belongs to the picture, not to a kept graph";
          return false;
        }
        if (seenInSection[key]) {
          reason = lineWord(line) + "the key '" + shownName(name) +
                   "' stands twice in kept graph " + std::to_string(section);
          return false;
        }
        seenInSection[key] = true;
        file.kept.back().settings.push_back({key, std::string(value), line});
      } else {
        if (seen[key]) {
          reason = lineWord(line) + "the key '" + shownName(name) + "' stands twice";
          return false;
        }
        seen[key] = true;
        file.settings.push_back({key, std::string(value), line});
      }
    }
    if (at > text.size()) break;
  }
  if (!kindSeen) {
    reason = "the file names no kind (a line \"Kind = 1\" to \"Kind = 4\", or \"Kind = 6\")";
    return false;
  }
  return sectionNamesKind(line);
}

namespace {

// Stores each setting; a value that cannot be read, or that its dialog would not take, keeps
// the default and adds a warning.
void applySettings(GraphState& g, GraphExtras& extras,
                   const std::vector<GraphFile::Setting>& settings,
                   std::vector<std::string>& warnings) {
  Document d{g, extras};
  for (const GraphFile::Setting& setting : settings) {
    const Key& key = Keys[setting.key];
    // The key's own field is all a setting changes, and all that is put back.
    const bool stored = std::visit(
        [&](auto ref) {
          auto& field = fieldAt(ref, d);
          const auto old = field;
          if (storeValue(key.field, d, setting.value) && acceptable(key.name, g, extras))
            return true;
          field = old;
          return false;
        },
        key.field);
    if (!stored) {
      warnings.push_back(lineWord(setting.line) + "the value of '" + std::string(key.name) +
                         "' cannot be read; its default is kept");
    }
  }
}

// A kept graph from its kind's defaults, its own settings and the dialogs' corrections.
KeptGraph keptGraphOf(const GraphFile::Kept& kept, std::vector<std::string>& warnings) {
  Session graph;
  ChooseGraphKind(graph, kept.kind);
  ResetGraphDefaults(graph);
  GraphExtras unused;
  applySettings(graph.graph, unused, kept.settings, warnings);
  CorrectDomain(graph.graph);
  CorrectCurves(graph.graph);
  CorrectStep(graph.graph);
  return {GraphFieldsOf(graph.graph), kept.shown};
}

} // namespace

void ApplyGraphFile(Session& s, const GraphFile& file, GraphExtras& extras,
                    std::vector<std::string>& warnings) {
  GraphState& g = s.graph;
  warnings.insert(warnings.end(), file.warnings.begin(), file.warnings.end());
  applySettings(g, extras, file.settings, warnings);
  // The dialogs' corrections, as after OK.
  StoreTitle(g, std::string(g.GraphTitle));
  CorrectDomain(g);
  CorrectAxes(g);
  CorrectCurves(g);
  CorrectStep(g);
  CopyParameters(g);
  FinishViewDialog(g);
  Session defaults;
  ChooseGraphKind(defaults, g.GraphKind);
  ResetGraphDefaults(defaults);
  // A curve with more points than it is drawn with takes the default step and domain.
  if (g.GraphKind == '3' && !CurveStepAllowed(g)) {
    warnings.push_back("a step of t of " + MessageNumber(g.TStep) + " from " +
                       MessageNumber(g.TMin) + " to " + MessageNumber(g.TMax) +
                       " makes too many points; the default step and domain are taken");
    g.TStep = defaults.graph.TStep;
    g.TMin = defaults.graph.TMin;
    g.TMax = defaults.graph.TMax;
  }
  // An eye that cannot see the whole box gives no picture: the default eye of the kind takes
  // its place, or else the default box as well.
  if (!EyeSeesAxesBox(g)) {
    warnings.push_back(EyeTooNearText(EyeOf(g)) + "; the default eye is taken");
    SetEye(g, EyeOf(defaults.graph));
    FinishViewDialog(g);
    if (!EyeSeesAxesBox(g)) {
      g.AxisXMin = defaults.graph.AxisXMin, g.AxisXMax = defaults.graph.AxisXMax;
      g.AxisYMin = defaults.graph.AxisYMin, g.AxisYMax = defaults.graph.AxisYMax;
      g.AxisZMin = defaults.graph.AxisZMin, g.AxisZMax = defaults.graph.AxisZMax;
    }
  }
  g.FunctionReady = true;
  s.KeptGraphs.clear();
  for (const GraphFile::Kept& kept : file.kept) s.KeptGraphs.push_back(keptGraphOf(kept, warnings));
}
