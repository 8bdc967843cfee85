// SPDX-License-Identifier: MIT
// The main window's Edit menu: the clipboard, the settings dialogs of the graph, the parameter
// sliders, the two colour windows and what they ask of the window, the graph size and the
// image editor.
#include "ui/mainwindow/KelvoScrn1.h"

#include "io/Clipboard.h"
#include "io/GraphImage.h"
#include "graph/KeptGraphs.h"
#include "io/Mesh.h"
#include "io/PictureNames.h"
#include "render/PictureGraphs.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/Changer1.h"
#include "ui/ColorFm.h"
#include "ui/ColorFm2.h"
#include "ui/Domain1.h"
#include "ui/EngineTexts.h"
#include "ui/Forms.h"
#include "ui/GraphsFm.h"
#include "ui/Looks.h"
#include "ui/Param1.h"
#include "ui/ParameterSliders.h"
#include "ui/mainwindow/PictureBox.h"

#include <algorithm>

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The image editors tried by Edit > Graph, in this order, on the PATH.
const char* const ImageEditors[] = {"kolourpaint", "pinta", "gimp", "mtpaint", "krita", "drawing"};

const char* const ObjFilter = QT_TRANSLATE_NOOP("TKelvoScrn1", "OBJ Mesh (*.obj)");
const char* const StlFilter = QT_TRANSLATE_NOOP("TKelvoScrn1", "STL Mesh, binary (*.stl)");

// The name as chosen when it ends in .obj or .stl (any case), else with the chosen type's.
QString meshPath(const QString& chosen, const QString& filter) {
  const PictureFormat format = pictureFormatOf(chosen.toStdString());
  if (format == PictureFormat::Obj || format == PictureFormat::Stl) return chosen;
  return chosen + (filter == TKelvoScrn1::tr(StlFilter) ? ".stl" : ".obj");
}

} // namespace

QAction* TKelvoScrn1::createEditMenu() {
  using W = TKelvoScrn1;
  QAction* entry = buildMenu(
      "editMenu", tr("&Edit"),
      {
          {"CopyGraph1", tr("C&opy Graph"), &W::CopyGraph1Click,
           standardKey(QKeySequence::Copy, Qt::CTRL | Qt::Key_C)},
          {"PasteGraph1", tr("&Paste Graph"), &W::PasteGraph1Click,
           standardKey(QKeySequence::Paste, Qt::CTRL | Qt::Key_V)},
          separator(),
          {"Parameters1", tr("&Parameters"), &W::Parameters1Click},
          {"ParameterSliders1", tr("Parameter Sl&iders"), &W::ParameterSliders1Click},
          {"Domain1", tr("&Domain"), &W::Domain1Click},
          {"Curves1", tr("&Curves"), &W::Curves1Click},
          {"Step1", tr("S&tep"), &W::Step1Click},
          {"Colors2", tr("Co&lors"), &W::Colors2Click},
          {"Colors1", tr("&Surface Colors"), &W::Colors1Click},
          {"GraphTitle1", tr("&Graph Title"), &W::GraphTitle1Click},
          separator(),
          {"KeepGraph1", tr("&Keep Graph in Picture"), &W::KeepGraph1Click, Qt::CTRL | Qt::Key_K},
          {"Graphs1", tr("Graphs &Window..."), &W::Graphs1Click},
          separator(),
          submenu("graphSizeMenu", tr("G&raph Size"),
                  {
                      {"Normal1", tr("Normal"), &W::Normal1Click},
                      {"N80Normal1", tr("80% of Normal"), &W::N80Normal1Click},
                      {"N60Normal1", tr("60% of Normal"), &W::N60Normal1Click},
                  }),
          {"Graph1", tr("Gr&aph"), &W::Graph1Click},
          separator(),
          {"ClearScreen1", tr("&Clear Screen"), &W::ClearScreen1Click},
      });
  connect(menu("editMenu"), &QMenu::aboutToShow, this, &TKelvoScrn1::Edit1Click);
  // One size is checked at a time.
  auto* sizes = new QActionGroup(this);
  for (QAction* size : menu("graphSizeMenu")->actions()) {
    size->setCheckable(true);
    sizes->addAction(size);
  }
  item("Normal1")->setChecked(true);
  return entry;
}

void TKelvoScrn1::Parameters1Click() {
  if (drawing()) return;
  TParamDlg& dialog = *m_forms.paramDlg;
  std::array<std::string, 6> captions;
  for (int i = 0; i < 6; ++i) captions[i] = parameterLabels[i]->text().toStdString();
  dialog.load();
  dialog.apply(runModal(dialog), captions);
  for (int i = 0; i < 6; ++i) parameterLabels[i]->setText(QString::fromStdString(captions[i]));
  m_forms.parameterSliders->refresh();
}

void TKelvoScrn1::ParameterSliders1Click() {
  if (drawing()) return;
  ParameterSliders& sliders = *m_forms.parameterSliders;
  connect(&sliders, &ParameterSliders::parameterMoved, this, &TKelvoScrn1::parameterSlid,
          Qt::UniqueConnection);
  connect(&sliders, &ParameterSliders::slideEnded, this, &TKelvoScrn1::dragEnded,
          Qt::UniqueConnection);
  sliders.ShowSliders(toolWindowCorner());
}

void TKelvoScrn1::Domain1Click() {
  openSettings(*m_forms.domainDlg);
}

void TKelvoScrn1::Curves1Click() {
  openSettings(*m_forms.change1Dlg, TChange1Dlg::Use::Curves);
}

void TKelvoScrn1::Step1Click() {
  openSettings(*m_forms.change1Dlg, TChange1Dlg::Use::Step);
}

void TKelvoScrn1::GraphTitle1Click() {
  if (openSettings(*m_forms.change1Dlg, TChange1Dlg::Use::Title))
    Panel2->setText(QString::fromStdString(p.graph.GraphTitle));
}

void TKelvoScrn1::Edit1Click() {
  item("PasteGraph1")->setEnabled(ClipboardHoldsPicture());
}

void TKelvoScrn1::CopyGraph1Click() {
  if (drawing()) return;
  captureAndShow();
  PutPictureOnClipboard(p.PictureCopy);
}

void TKelvoScrn1::PasteGraph1Click() {
  if (drawing()) return;
  const DecodedPicture pasted = PictureFromClipboard();
  if (!pasted.result.ok) {
    showInformation(EngineText(pasted.result.message));
    return;
  }
  ShowPictureInBox(p, pasted.picture);
  showCommandPicture();
}

void TKelvoScrn1::Normal1Click() {
  changeGraphSize(1.0);
}
void TKelvoScrn1::N80Normal1Click() {
  changeGraphSize(0.8);
}
void TKelvoScrn1::N60Normal1Click() {
  changeGraphSize(0.625);
}

void TKelvoScrn1::changeGraphSize(double factor) {
  if (drawing()) return;
  // The picture is scaled, not redrawn: an opened picture and contours stay in it.
  const bool pictureKept = stillShown(m_pictureBegun), contoursKept = stillShown(m_contoursBegun);
  ChangeGraphSize(p, factor);
  const std::uint64_t begun = p.pictureRecorder.picturesBegun();
  if (pictureKept) m_pictureBegun = begun;
  if (contoursKept) m_contoursBegun = begun;
  showCommandPicture();
}

void TKelvoScrn1::Graph1Click() {
  for (const char* name : ImageEditors) {
    const QString program = QStandardPaths::findExecutable(name);
    if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
  }
  showInformation(tr("No image editor was found. Install one of kolourpaint, pinta, gimp, mtpaint, "
                     "krita or drawing, then paste the graph into it (Edit > Copy Graph first)."));
}

void TKelvoScrn1::ClearScreen1Click() {
  if (drawing()) return;
  ClearScreenPicture(p);
  showCommandPicture();
}

void TKelvoScrn1::Colors2Click() {
  if (drawing()) return;
  captureAndShow();
  bringForward(*m_forms.colorForm2);
}

void TKelvoScrn1::Colors1Click() {
  if (drawing()) return;
  captureAndShow();
  bringForward(*m_forms.colorForm);
}

void TKelvoScrn1::showRecoloredPicture() {
  PaintBox1->showPicture();
  // The frame around the picture box takes the tick and background colours.
  centralWidget()->update();
}

void TKelvoScrn1::showTitleInFontColor() {
  setColors(Panel2, QColor(), toQColor(p.graph.FontColor));
  Panel2->setText(QString::fromStdString(p.graph.GraphTitle));
}

void TKelvoScrn1::ExportMesh1Click() {
  if (drawing()) return;
  if (!p.graph.GraphShown || p.SceneCells.empty()) {
    showInformation(tr("The picture shows no surface: a mesh holds the surfaces of the picture, "
                       "so Draw one first."));
    return;
  }
  const SaveChoice chosen =
      askSaveFile(tr("Export Mesh"), QStringLiteral("%1;;%2").arg(tr(ObjFilter), tr(StlFilter)));
  if (!chosen.path.isEmpty()) saveMeshFile(meshPath(chosen.path, chosen.filter));
}

bool TKelvoScrn1::saveMeshFile(const QString& path) {
  const std::string name = path.toStdString();
  const PictureFormat format = pictureFormatOf(name);
  if (format != PictureFormat::Obj && format != PictureFormat::Stl)
    return showFileResult(Failed(QT_TRANSLATE_NOOP("Engine", "the name must end in .obj or .stl")),
                          path);
  const Mesh mesh = MeshOfPicture(p, PictureGraphNames(p));
  return showFileResult(
      SaveMesh(name, format == PictureFormat::Obj ? MeshFormat::Obj : MeshFormat::Stl, mesh), path);
}

void TKelvoScrn1::KeepGraph1Click() {
  if (drawing()) return;
  if (!KeepCurrentGraph(p)) {
    showWarning(EngineText(PictureFullText()));
    return;
  }
  // The list shows the graph kept; the picture is the same until the current graph changes.
  Graphs1Click();
}

void TKelvoScrn1::Graphs1Click() {
  if (drawing()) return;
  TGraphsFm& graphs = *m_forms.graphsFm;
  connect(&graphs, &TGraphsFm::graphsChanged, this, &TKelvoScrn1::keptGraphsChanged,
          Qt::UniqueConnection);
  graphs.ShowGraphs(toolWindowCorner());
}

void TKelvoScrn1::keptGraphsChanged() {
  // Make Current may bring a graph of another kind.
  updateMenusForKind();
  setFunctionCaptions();
  if (!p.graph.GraphShown || p.graph.MovieMode || drawing()) return;
  // The picture is drawn anew, as a rotation draws it, so that a graph left out goes.
  {
    DrawingScope scope(*this);
    DrawBtn->show();
    RedrawViewPicture(p);
    DrawBtn->hide();
    captureAndShow();
    refreshValueListing();
  }
  showGraphFailures();
}
