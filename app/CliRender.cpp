// SPDX-License-Identifier: MIT
// `kelvo render`: builds one graph as a user would in the window and writes what it shows.
#include "app/Cli.h"
#include "app/CliOptions.h"
#include "app/CliProgress.h"

#include "graph/Sampling.h"
#include "graph/AxesFit.h"
#include "graph/Format.h"
#include "graph/GraphFile.h"
#include "graph/KeptGraphs.h"
#include "graph/Corrections.h"
#include "graph/NumberField.h"
#include "graph/Samples.h"
#include "io/GraphFiles.h"
#include "io/GraphImage.h"
#include "io/Mesh.h"
#include "io/MovieGif.h"
#include "io/PictureFiles.h"
#include "io/SafeWrite.h"
#include "io/VectorPicture.h"
#include "render/Movie.h"
#include "render/PictureGraphs.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "render/Sweep.h"
#include "render/View.h"
#include "render/canvas/DeferredCanvas.h"
#include "render/canvas/NullCanvas.h"
#include "render/canvas/PictureText.h"

#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>

namespace {

// The fields of a comma-separated option, as many as the dialog has (at least `least`).
std::vector<std::string> fieldsOf(const std::string& option, const std::string& value,
                                  std::size_t least, std::size_t most) {
  std::vector<std::string> parts = SplitOptionValue(value);
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
      throw UsageError{option + ": cannot read the value " + QuotedValue(text)};
  }
}

Color parseColor(const std::string& option, const std::string& name, bool gridChoices) {
  if (gridChoices && name == "none") return clNone;
  // The grid window's "Gray" is the light grey.
  if (gridChoices && name == "gray") return clSilver;
  for (const NamedColor& named : ColorNames)
    if (named.name == name) return named.color;
  if (name.size() == 7 && name[0] == '#') {
    unsigned rgb = 0;
    const auto r = std::from_chars(name.data() + 1, name.data() + 7, rgb, 16);
    if (r.ec == std::errc() && r.ptr == name.data() + 7)
      return makeColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                       static_cast<int>(rgb & 0xFF));
  }
  throw UsageError{option + ": unknown colour " + QuotedValue(name)};
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

// The window refuses an eye that would not see the whole axes box and keeps the old setting;
// the command line refuses the option that asked for it.
void requireEyeSeesAxes(const GraphState& g, const std::string& option, const char* advice = "") {
  if (!EyeSeesAxesBox(g)) throw UsageError{option + ": " + EyeTooNearText(EyeOf(g)) + advice};
}

// The parameters dialog closed with OK: the picture's, read before every other field, which
// may name them.
void applyParameters(Program& p, const RenderOptions& o, std::array<std::string, 6>& captions) {
  if (!o.params) return;
  auto v = fieldsOf("--params", *o.params, 1, 6);
  requireReadable(p, "--params", v);
  v.resize(6);
  std::array<std::string, 6> fields;
  std::copy(v.begin(), v.end(), fields.begin());
  StoreParameterFields(p, fields, captions);
  CopyParameters(p.graph);
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

// What belongs to one graph: its functions, the domain, curves and step dialogs, the surface
// colours and the Shading box.
void applyGraphOptions(Program& p, const RenderOptions& o) {
  GraphState& g = p.graph;
  applyFunctions(p, o);
  if (o.domain) {
    const std::size_t count = g.GraphKind == '3' ? 2 : 4;
    auto v = fieldsOf("--domain", *o.domain, count, count);
    requireReadable(p, "--domain", v);
    v.resize(4);
    StoreDomainFields(p, {v[0], v[1], v[2], v[3]});
  }
  if (o.curves) {
    // The implicit surfaces' curves dialog has a third field, for z.
    const std::size_t count = g.GraphKind == ImplicitKind ? 3 : 2;
    auto v = fieldsOf("--curves", *o.curves, count, count);
    requireReadable(p, "--curves", v);
    v.resize(3);
    StoreCurvesFields(p, v[0], v[1], v[2]);
    CorrectCurves(g);
  }
  if (o.step) {
    auto v = fieldsOf("--step", *o.step, 1, 1);
    requireReadable(p, "--step", v);
    StoreStepField(p, v[0]);
    CorrectStep(g);
  }
  if (g.GraphKind == '3') requireCurveStep(g, o);
  if (o.above) g.AboveColor = parseColor("--above", *o.above, false);
  if (o.under) g.UnderColor = parseColor("--under", *o.under, false);
  if (o.grid) g.GridColor = parseColor("--grid", *o.grid, true);
  if (o.noShading) g.ShadingOn = false;
}

// The axes and view dialogs of the picture.
void applyAxesAndView(Program& p, const RenderOptions& o) {
  GraphState& g = p.graph;
  if (o.axes) {
    auto v = fieldsOf("--axes", *o.axes, 6, 6);
    requireReadable(p, "--axes", v);
    g.AxesChanged = false;
    StoreAxesFields(p, {v[0], v[1], v[2], v[3], v[4], v[5]});
    CorrectAxes(g);
    // A --view given too may move the eye out of the box; it is checked with the view.
    if (!o.view) requireEyeSeesAxes(g, "--axes", "; give a larger Rho with --view");
    if (g.AxesChanged) AxesChangedPicture(p);
  }
  if (o.view) {
    auto v = fieldsOf("--view", *o.view, 2, 3);
    requireReadable(p, "--view", v);
    v.resize(3);
    g.ViewChanged = false;
    StoreViewFields(p, v[0], v[1], v[2]);
    FinishViewDialog(g);
    requireEyeSeesAxes(g, "--view");
    if (g.ViewChanged) ViewChangedPicture(p);
  }
}

// The picture's drawing colours.
void applyColors(Program& p, const RenderOptions& o) {
  GraphState& g = p.graph;
  if (o.pen) g.PenColor = parseColor("--pen", *o.pen, false);
  const bool redraw = o.axesColor || o.ticks || o.font || o.background;
  if (o.axesColor) g.AxesColor = parseColor("--axes-color", *o.axesColor, false);
  if (o.ticks) g.FrameColor = parseColor("--ticks", *o.ticks, false);
  if (o.font) g.FontColor = parseColor("--font", *o.font, false);
  if (o.background) g.BackgroundColor = parseColor("--background", *o.background, false);
  // The picture holds only the bare axes here, so redrawing it gives what the colour
  // buttons leave on the screen.
  if (redraw) ScreenSetUpPicture(p);
}

// The JPEG quality dialog's choice, read as any number field is.
void applyQuality(Program& p, const RenderOptions& o) {
  if (!o.quality) return;
  double quality = 0;
  if (!TryReadNumberField(p, *o.quality, quality) ||
      std::find(std::begin(JpegQualities), std::end(JpegQualities), quality) ==
          std::end(JpegQualities))
    throw UsageError{"--quality takes 80, 90 or 100"};
  p.graph.JpegQuality = static_cast<int>(quality);
}

// Axes > Fit Axes to Graph; the Draw that follows clears the picture anyway. As in the window,
// a fitted box the eye would not see whole is refused and the axes are kept.
void fitAxes(Program& p) {
  const AxesBox before = AxesBoxOf(p.graph);
  if (!FitAxesToGraph(p))
    std::cerr << "kelvo: --fit: the graph cannot be sampled, the axes are kept\n";
  else if (RefuseAxesAroundEye(p.graph, before))
    std::cerr << "kelvo: --fit: " << EyeTooNearText(EyeOf(p.graph), "the fitted axes box")
              << "; the axes are kept\n";
  if (p.graph.AxesChanged) AxesChangedPicture(p);
}

// The turning movie's eyes, checked before anything is drawn or written.
void requireMovieEyes(const GraphState& g) {
  if (const std::optional<Eye> eye = MovieEyeRefused(g))
    throw UsageError{"--movie: the movie turns the eye round the z axis, and " +
                     EyeTooNearText(*eye)};
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
  throw UsageError{std::string("--contours: the ") + what + " cannot be " + QuotedValue(text)};
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

// The picture file's bytes: a raster picture, the drawing as vectors for SVG and PDF, or the
// surfaces as a mesh.
FileResult encodePicture(const Program& p, const RenderOptions& o,
                         const std::array<std::string, 6>& captions, std::string& bytes) {
  const FullGraphLabels labels = LabelsAfterDraw(p.graph, captions);
  const PictureFormat format = outputFormat(o);
  if (isMeshFormat(format)) {
    const Mesh mesh = MeshOfPicture(p, PictureGraphNames(p));
    if (mesh.triangleCount() == 0) std::cerr << "kelvo: the mesh holds no surface\n";
    bytes = format == PictureFormat::Obj ? EncodeObj(mesh) : EncodeStl(mesh);
    return {};
  }
  if (isVectorOutput(o))
    return o.full ? EncodeVectorFullGraph(format, p, labels, bytes)
                  : EncodeVectorPicture(format, p.PictureCopy, p.pictureRecorder, bytes);
  const QImage picture = PictureAtScale(p, labels, o.full, o.scale);
  std::vector<unsigned char> raster;
  const FileResult encoded = EncodePicture(picture, format, p.graph.JpegQuality, raster);
  bytes.assign(raster.begin(), raster.end());
  return encoded;
}

std::string writeFailure(const std::string& path, const FileResult& result) {
  return "kelvo: cannot write " + QuotedValue(path) + ": " + result.message;
}

// ExitOk, or ExitWrite after a message naming the file and the reason.
int reportWrite(const std::string& path, const FileResult& result) {
  if (result.ok) return ExitOk;
  std::cerr << OneLine(writeFailure(path, result)) << '\n';
  return ExitWrite;
}

// The picture as the file at target, or on standard output for "-".
int writePicture(const Program& p, const RenderOptions& o,
                 const std::array<std::string, 6>& captions) {
  std::string bytes;
  const FileResult encoded = encodePicture(p, o, captions, bytes);
  if (!encoded.ok || !namesStandardOutput(o.out))
    return reportWrite(*o.out, encoded.ok ? WriteFileSafely(*o.out, bytes) : encoded);
  std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return FinishStandardOutput("kelvo render");
}

// The listing as the listing window's Save writes it, to the file or to standard output.
int writeListing(const Program& p, const std::string& target) {
  if (target != StandardOutputName) return reportWrite(target, SaveTextLines(p.Values, target));
  for (const std::string& line : p.Values) std::cout << line << '\n';
  return FinishStandardOutput("kelvo render");
}

// Movie > Edit with the frame count (read as its field is) and the speed.
void applyMovieSettings(Program& p, const RenderOptions& o) {
  if (o.frames) {
    requireReadable(p, "--frames", {*o.frames});
    StoreMovieFrameCount(p, *o.frames, true);
  }
  if (o.speed) p.graph.MovieDelay = movieDelayOf(*o.speed);
}

std::string frameStage(const char* what, int frame, int frames) {
  return std::string(what) + " frame " + std::to_string(frame) + " of " + std::to_string(frames);
}

std::string writingStage(const std::string& path) {
  return "writing " + QuotedValue(path);
}

// Movie > Create, and the frames written as a looping animated GIF.
int writeMovie(Program& p, const std::string& path, RenderProgress& progress) {
  // Frames kept as whole pictures are painted as they are built, then written.
  if (MovieOfPictures(p)) {
    Canvas* const shown = p.canvas;
    p.canvas = &p.pictureCanvas;
    BuildMovieFrames(p);
    p.canvas = shown;
    return reportWrite(path, SaveMovieGif(p, path));
  }
  // The frames are painted when they are written, each on the writer's thread while the next
  // one is built; the build need not show them.
  NullCanvas unseen;
  Canvas* const shown = p.canvas;
  p.canvas = &unseen;
  MovieGifStream stream(p);
  // The frames the builder makes of the settings.
  const int frames = std::clamp(p.graph.MovieFrameCount, 1, MaxMovieFrames);
  progress.stage(frameStage("movie", 1, frames));
  BuildMovieFrames(p, [&](int slot) {
    stream.add(p.FrameStore[static_cast<std::size_t>(slot)]);
    progress.stage(slot < frames ? frameStage("movie", slot + 1, frames) : writingStage(path));
  });
  p.canvas = shown;
  return reportWrite(path, stream.finish(path));
}

// Qt's note about a missing runtime folder says nothing about the picture; keep the rest.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("QStandardPaths:"))) return;
  const QByteArray text = qFormatLogMessage(type, context, message).toLocal8Bit();
  // Through std::cerr, so that a progress line on the terminal gives way to it.
  std::cerr << text.constData() << '\n';
}

int usageFailure(const UsageError& e) {
  std::cerr << "kelvo render: " << OneLine(e.message) << "\n"
            << "Try 'kelvo render --help' for the options.\n";
  return ExitUsage;
}

// One render, step by step as the window's user takes them.
class RenderRun {
public:
  RenderRun(const RenderOptions& o, const GraphFile* file, RenderProgress& progress)
      : m_o(o), m_file(file), m_progress(progress) {}

  // The --open picture read, and the program set up as the start-up form leaves it for the
  // kind: ExitOk, or ExitOpen when the picture cannot be had.
  int prepareProgram();
  // The dialogs closed with OK, in the order of the menus; throws UsageError.
  void applyOptions();
  // Draw, then the additions and the graph size.
  void draw();
  // The picture, the listing and then the movie; the exit status of the whole run.
  int write();
  // --sweep: each frame the picture of a render of its own with the parameter at the frame's
  // value, so that it is exactly the picture --params with that value draws.
  int writeSweep(const std::string& path);
  // What the graph file passed over, for the one line that says so.
  const std::vector<std::string>& warnings() const { return m_warnings; }

private:
  // --save-graph: the graph as it stands, with how the picture was shown.
  int saveGraph(const std::string& path);
  double graphSize() const { return m_o.sizeFactor != 0 ? m_o.sizeFactor : m_extras.graphSize; }
  bool contoursShown() const { return m_o.contours || m_extras.contoursShown; }

  const RenderOptions& m_o;
  // The --graph file, applied before the options; what it sets besides the graph state.
  const GraphFile* m_file = nullptr;
  RenderProgress& m_progress;
  GraphExtras m_extras;
  std::vector<std::string> m_warnings;
  // The picture drawn over: --open, else the graph file's.
  std::optional<std::string> m_open;
  // The graph file's plane and line are drawn after the Draw, as --plane and --line are.
  bool m_planeShown = false, m_lineShown = false;
  Program m_p;
  DecodedPicture m_opened;
  // Loading the picture font takes about as long as computing the surface: the font loads on
  // the painting thread while the picture is computed, and the painting follows. An opened
  // picture is painted straight into the picture, so the drawing over it must be too.
  std::optional<DeferredCanvas> m_deferred;
  std::array<std::string, 6> m_captions;
  bool m_failed = false;
  // The kept graphs that could not be evaluated, named.
  std::vector<std::string> m_graphFailures;
  // Set for a frame of a sweep: the parameter and its value, over what --params gave.
  std::optional<std::pair<int, double>> m_parameter;
  ParameterSweep m_sweep;
};

int RenderRun::prepareProgram() {
  // What the graph file sets besides the graph, before the program is laid out.
  if (m_file) {
    Session scratch;
    ChooseGraphKind(scratch, firstGraphOptions(m_o).kind);
    ApplyGraphFile(scratch, *m_file, m_extras, m_warnings);
  }
  m_open = m_o.open;
  if (!m_open && !m_extras.picture.empty()) m_open = m_extras.picture;
  // A sweep's frames take the picture the first run read: a pipe gives it only once.
  if (m_open && m_opened.picture.isNull()) {
    m_progress.stage("reading " + QuotedValue(*m_open));
    m_opened = openPicture(*m_open);
    m_progress.stage("drawing");
    if (!m_opened.result.ok) {
      std::cerr << "kelvo render: cannot open "
                << OneLine(QuotedValue(*m_open) + ": " + m_opened.result.message) << '\n';
      return ExitOpen;
    }
  }
  Program& p = m_p;
  // A space curve is drawn at once: nobody watches it grow.
  p.CurvePauses = false;
  // Only a vector picture and a scaled one need the drawing kept.
  p.pictureRecorder.setRecording(isVectorOutput(m_o) || m_o.scale > 1);
  if (!m_open) {
    m_deferred.emplace(p.pictureRecorder, PreparePictureFont);
    p.canvas = &*m_deferred;
  }
  const bool fileWindow = m_file && !m_o.windowGiven;
  p.ClientWidth = fileWindow ? m_extras.windowWidth : m_o.width;
  p.ClientHeight = fileWindow ? m_extras.windowHeight : m_o.height;
  p.showMessage = [](const std::string& message) {
    std::cerr << "kelvo: " << OneLine(message) << '\n';
  };
  ChooseGraphKind(p, firstGraphOptions(m_o).kind);
  ShowMainWindowPicture(p);
  if (m_file) {
    GraphExtras extras;
    std::vector<std::string> again;
    ApplyGraphFile(p, *m_file, extras, again);
    for (int i = 0; i < 6; ++i)
      if (extras.parameterCaptions[static_cast<std::size_t>(i)])
        m_captions[static_cast<std::size_t>(i)] =
            ParameterCaptionPrefix(i) +
            ParameterCaptionText(p.graph.ParamValues[static_cast<std::size_t>(i)]);
    m_planeShown = p.graph.PlaneOn;
    m_lineShown = p.graph.LineOn;
    p.graph.PlaneOn = p.graph.LineOn = false;
    // The bare axes of the file's box, view and colours, as their dialogs leave them.
    AxesChangedPicture(p);
  }
  return ExitOk;
}

int RenderRun::saveGraph(const std::string& path) {
  const Program& p = m_p;
  GraphExtras extras = m_extras;
  extras.windowWidth = p.ClientWidth;
  extras.windowHeight = p.ClientHeight;
  extras.graphSize = graphSize();
  extras.contoursShown = contoursShown();
  for (std::size_t i = 0; i < 6; ++i) extras.parameterCaptions[i] = !m_captions[i].empty();
  extras.picture = m_open.value_or("");
  // The plane and the line stand in the picture whatever later commands did to their flags.
  GraphState g = p.graph;
  g.PlaneOn = m_o.plane || m_planeShown;
  g.LineOn = m_o.line || m_lineShown;
  return reportWrite(path, SaveGraphFile(path, g, extras, p.KeptGraphs));
}

void RenderRun::applyOptions() {
  Program& p = m_p;
  applyParameters(p, m_o, m_captions);
  // Each graph before an --and is kept in the picture, as Edit > Keep Graph in Picture keeps
  // it, and the next one starts from it; a graph of another kind starts from that kind's
  // choice on the start-up form.
  const std::size_t graphs = m_o.keptGraphs.size() + 1;
  for (std::size_t k = 0; k < graphs; ++k) {
    const RenderOptions& graph = k + 1 < graphs ? m_o.keptGraphs[k] : m_o;
    if (graph.kind != p.graph.GraphKind) {
      ChooseGraphKind(p, graph.kind);
      ShowMainWindowPicture(p);
      applyParameters(p, m_o, m_captions);
    }
    applyGraphOptions(p, graph);
    if (k + 1 < graphs && !KeepCurrentGraph(p)) throw UsageError{"--and: " + PictureFullText()};
  }
  applyAxesAndView(p, m_o);
  if (m_o.exactHiding) p.graph.ExactHiding = true;
  applyQuality(p, m_o);
  if (m_o.title) StoreTitle(p.graph, *m_o.title);
  applyColors(p, m_o);
  if (m_o.contours) parseContourSettings(p, *m_o.contours);
  // The plane's and the line's values are checked before anything is drawn.
  if (m_o.plane) planeValues(p, *m_o.plane);
  if (m_o.line) lineValues(p, *m_o.line);
  applyMovieSettings(p, m_o);
  if (m_o.sweep) {
    requireReadable(p, "--sweep", {m_o.sweepFrom, m_o.sweepTo});
    m_sweep.parameter = m_o.sweepParameter;
    ReadNumberField(p, m_o.sweepFrom, m_sweep.from);
    ReadNumberField(p, m_o.sweepTo, m_sweep.to);
    m_sweep.frames = p.graph.MovieFrameCount;
  }
  if (m_parameter) {
    p.graph.ParamValues[static_cast<std::size_t>(m_parameter->first)] = m_parameter->second;
    CopyParameters(p.graph);
  }
  if (m_o.fit) fitAxes(p);
  if (m_o.movie && !m_o.sweep) requireMovieEyes(p.graph);
}

void RenderRun::draw() {
  Program& p = m_p;
  // A checked "Draw Box" puts the box into the Draw, under the axes.
  if (m_o.box) p.graph.DrawBoxChecked = true;
  // Drawing keeps the picture's size, so its painting can go on while the surface is computed.
  if (m_open) ShowPictureInBox(p, m_opened.picture);
  if (m_deferred) m_deferred->streaming();
  DrawSequencePicture(p);
  if (m_deferred) m_deferred->finish();
  p.canvas = &p.pictureRecorder;
  CapturePicture(p);
  m_failed = p.graph.EvalFailed;
  m_graphFailures = p.GraphFailures;
  runPlaneAndLine(p, m_o);
  if (m_planeShown && !m_o.plane) PlaneDrawPicture(p);
  if (m_lineShown && !m_o.line) LineDrawPicture(p);
  if (contoursShown()) {
    m_progress.stage("drawing the contours");
    ContoursPicture(p);
    m_failed = m_failed || p.graph.EvalFailed;
  }
  // Edit > Graph Size after the Draw: the picture is scaled, not redrawn.
  if (graphSize() != 0) ChangeGraphSize(p, graphSize());
}

int RenderRun::writeSweep(const std::string& path) {
  std::vector<unsigned char> bytes;
  GifAnimationWriter writer(bytes, movieGifDelay(m_p.graph), 0);
  // Each frame's run tells nothing of its own: the sweep counts the frames.
  RenderProgress unseen(false);
  for (int k = 1; k <= m_sweep.frames; ++k) {
    m_progress.stage(frameStage("sweep", k, m_sweep.frames));
    RenderRun frame(m_o, m_file, unseen);
    frame.m_opened = m_opened;
    frame.m_parameter = {m_sweep.parameter, SweepValue(m_sweep, k)};
    if (const int status = frame.prepareProgram(); status != ExitOk) return status;
    frame.applyOptions();
    frame.draw();
    m_failed = m_failed || frame.m_failed;
    m_graphFailures = frame.m_graphFailures;
    writer.add(frame.m_p.PictureCopy);
  }
  m_progress.stage(writingStage(path));
  const FileResult encoded = writer.finish();
  const std::string_view file(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return reportWrite(path, encoded.ok ? WriteFileSafely(path, file) : encoded);
}

int RenderRun::write() {
  int written = ExitOk;
  if (m_o.out) {
    m_progress.stage(namesStandardOutput(m_o.out) ? "writing the picture" : writingStage(*m_o.out));
    written = writePicture(m_p, m_o, m_captions);
  }
  if (written == ExitOk && m_o.values) {
    m_progress.stage(namesStandardOutput(m_o.values) ? "writing the listing"
                                                     : writingStage(*m_o.values));
    written = writeListing(m_p, *m_o.values);
  }
  // The movie comes after the picture and the listing it would paint over.
  if (written == ExitOk && m_o.movie)
    written = m_o.sweep ? writeSweep(*m_o.movie) : writeMovie(m_p, *m_o.movie, m_progress);
  if (written == ExitOk && m_o.saveGraph) written = saveGraph(*m_o.saveGraph);
  if (written != ExitOk) return written;
  for (const std::string& failure : m_graphFailures)
    std::cerr << "kelvo: " << OneLine(failure) << '\n';
  if (m_failed) {
    // The function and the place: "(Y, column 7: ')' expected)".
    const std::string why = DescribeEvalFailure(m_p);
    std::cerr << "kelvo: the function cannot be evaluated" << (why.empty() ? "" : " (" + why + ")")
              << "\n";
    return ExitEvalFailed;
  }
  return m_graphFailures.empty() ? ExitOk : ExitEvalFailed;
}

} // namespace

int RunRender(char* programName, const std::vector<std::string>& args) {
  RenderOptions o;
  try {
    o = ParseRenderOptions(args);
  } catch (const UsageError& e) {
    return usageFailure(e);
  }
  if (o.help) {
    std::cout << RenderHelpText();
    return FinishStandardOutput("kelvo render");
  }

  // On a terminal, a render that takes more than a moment says how far it has come.
  RenderProgress progress(
      ProgressWanted(namesStandardOutput(o.out) || namesStandardOutput(o.values)));

  // No display is needed: the picture is drawn into an image. Qt is shown only the program's
  // name, so that a value such as `--title -platform` stays the title.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quietMessages);
  int qtArgc = 1;
  char* qtArgv[] = {programName, nullptr};
  QGuiApplication app(qtArgc, qtArgv);
  // The toolkit takes the user's locale for the process; the command line speaks English
  // whatever it is, the system's reasons (a missing folder, a full disk) included.
  std::setlocale(LC_MESSAGES, "C");
  std::setlocale(LC_NUMERIC, "C");

  // The graph file is read before every other option; its kind is the kind unless --kind is
  // given, and the options are checked against that kind.
  std::optional<GraphFile> file;
  if (o.graph) {
    file.emplace();
    const FileResult read = LoadGraphFile(*o.graph, *file);
    if (!read.ok) {
      std::cerr << "kelvo render: cannot read the graph file "
                << OneLine(QuotedValue(*o.graph) + ": " + read.message) << '\n';
      return ExitOpen;
    }
    if (!firstGraphOptions(o).kindGiven) {
      std::vector<std::string> withKind = {"--kind=" + std::string(1, file->kind)};
      withKind.insert(withKind.end(), args.begin(), args.end());
      try {
        o = ParseRenderOptions(withKind);
      } catch (const UsageError& e) {
        return usageFailure(e);
      }
    }
  }

  RenderRun run(o, file ? &*file : nullptr, progress);
  if (const int status = run.prepareProgram(); status != ExitOk) return status;
  if (!run.warnings().empty()) {
    std::string joined;
    for (const std::string& w : run.warnings()) joined += (joined.empty() ? "" : "; ") + w;
    std::cerr << "kelvo: " << OneLine(QuotedValue(*o.graph) + ": passed over " + joined) << '\n';
  }
  try {
    run.applyOptions();
  } catch (const UsageError& e) {
    return usageFailure(e);
  }
  run.draw();
  return run.write();
}
