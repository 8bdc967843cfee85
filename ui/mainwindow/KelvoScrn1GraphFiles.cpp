// SPDX-License-Identifier: MIT
// The main window's graph files: Open, Save and Save As, the recent files, the changed mark in
// the caption, the question before a changed graph is set aside, and files dropped on the
// window.
#include "ui/mainwindow/KelvoScrn1.h"

#include "graph/Corrections.h"
#include "graph/Format.h"
#include "graph/GraphFile.h"
#include "io/GraphFiles.h"
#include "io/GraphImage.h"
#include "io/PictureFiles.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/ColorFm.h"
#include "ui/ColorFm2.h"
#include "ui/EngineTexts.h"
#include "ui/Forms.h"
#include "ui/ParameterSliders.h"
#include "ui/WindowSettings.h"
#include "ui/mainwindow/PictureBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace {

const char* const GraphFileFilter = QT_TRANSLATE_NOOP("TKelvoScrn1", "Kelvo Graphs (*.kelvo)");
const char* const GraphFileSuffix = "kelvo";
const char* const RecentItemName = "RecentGraphFile";

bool isGraphFileName(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String(GraphFileSuffix), Qt::CaseInsensitive) == 0;
}

bool isPictureName(const QString& path) {
  return openFormatOf(path.toStdString()) != PictureFormat::Unknown;
}

// The first local file of a drag, when it is a graph file or a picture the window opens.
QString droppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QString path = url.toLocalFile();
    return isGraphFileName(path) || isPictureName(path) ? path : QString();
  }
  return {};
}

// A menu item's text shows "&" as it is.
QString menuText(QString text) {
  return text.replace('&', QLatin1String("&&"));
}

} // namespace

void TKelvoScrn1::queueCaptionUpdate() {
  if (m_captionUpdateQueued || !isVisible()) return;
  m_captionUpdateQueued = true;
  // Once the click or key has done its work.
  QTimer::singleShot(0, this, &TKelvoScrn1::updateCaption);
}

// ---- What the graph is -------------------------------------------------------------------

bool TKelvoScrn1::stillShown(const std::optional<std::uint64_t>& begun) const {
  return begun && *begun == p.pictureRecorder.picturesBegun();
}

GraphExtras TKelvoScrn1::currentExtras() const {
  const GraphState& g = p.graph;
  GraphExtras extras;
  extras.windowWidth = std::clamp(p.ClientWidth, 1, 8192);
  extras.windowHeight = std::clamp(p.ClientHeight, 1, 8192);
  extras.graphSize = g.SizeFactorOn ? g.SizeFactor : 0;
  extras.contoursShown = (g.GraphKind == '1' || g.GraphKind == '2') && stillShown(m_contoursBegun);
  for (std::size_t i = 0; i < extras.parameterCaptions.size(); ++i)
    extras.parameterCaptions[i] = !parameterLabels[i]->text().isEmpty();
  if (stillShown(m_pictureBegun)) extras.picture = m_picturePath.toStdString();
  for (int i = 0; i < 6; ++i) {
    const SliderRange& range = m_forms.parameterSliders->range(i);
    extras.sliderLow[static_cast<std::size_t>(i)] = range.low;
    extras.sliderHigh[static_cast<std::size_t>(i)] = range.high;
  }
  return extras;
}

std::string TKelvoScrn1::graphText() const {
  GraphExtras extras = currentExtras();
  // Resizing the window is not a change of the graph.
  extras.windowWidth = extras.windowHeight = 0;
  return WriteGraphFile(p.graph, extras, p.KeptGraphs);
}

bool TKelvoScrn1::graphChanged() const {
  const char kind = p.graph.GraphKind;
  return IsGraphKind(kind) && graphText() != m_savedText;
}

bool TKelvoScrn1::maySetGraphAside() {
  if (!isVisible() || !graphChanged()) return true;
  const QString question =
      m_graphPath.isEmpty() ? tr("The graph has changed and is not saved in a graph file. Save it?")
                            : tr("The graph has changed since %1 was opened or saved. Save it?")
                                  .arg(QFileInfo(m_graphPath).fileName());
  QMessageBox box(QMessageBox::Question, windowTitle(), question,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box.setObjectName("saveGraphQuestion");
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  const int answer = runModal(box);
  if (answer == QMessageBox::Discard) return true;
  // Only a graph that was saved may go; any other answer keeps it.
  return answer == QMessageBox::Save && saveGraph();
}

// ---- Open --------------------------------------------------------------------------------

void TKelvoScrn1::OpenGraphFile1Click() {
  if (drawing()) return;
  QFileDialog dialog(this, tr("Open Graph File"), QString(),
                     tr(GraphFileFilter) + QStringLiteral(";;") + tr("All Files (*)"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  const QString chosen = chosenFile(dialog);
  if (!chosen.isEmpty()) openGraphFile(chosen);
}

bool TKelvoScrn1::openGraphFile(const QString& path) {
  if (drawing()) return false;
  GraphFile file;
  if (!showFileResult(LoadGraphFile(path.toStdString(), file), path)) return false;
  if (!maySetGraphAside()) return false;
  showGraphFile(path, file);
  return true;
}

namespace {

// What a graph file sets besides the graph, read before anything on the screen changes.
GraphExtras extrasOf(const GraphFile& file, std::vector<std::string>& warnings) {
  GraphExtras extras;
  Session scratch;
  ChooseGraphKind(scratch, file.kind);
  ApplyGraphFile(scratch, file, extras, warnings);
  return extras;
}

// The picture the file names, read by Open Picture's rules; one that cannot be had is passed
// over with a warning.
DecodedPicture pictureOf(const GraphExtras& extras, std::vector<std::string>& warnings) {
  if (extras.picture.empty()) return {};
  const PictureFormat format = openFormatOf(extras.picture);
  DecodedPicture picture =
      format == PictureFormat::Unknown
          ? DecodedPicture{{},
                           Failed(QT_TRANSLATE_NOOP("Engine", "the window opens no picture of that "
                                                              "name"))}
          : ReadPictureFile(extras.picture, format);
  if (!picture.result.ok)
    warnings.push_back("the picture " + extras.picture + " cannot be opened (" +
                       picture.result.message + "); the graph is drawn without it");
  return picture;
}

const char* graphSizeItem(double factor) {
  return factor == 0.8 ? "N80Normal1" : factor == 0.625 ? "N60Normal1" : "Normal1";
}

} // namespace

// The steps of kelvo render --graph, as the window's user would take them: the kind chosen as
// the start-up form does, the file applied to its defaults, the window's size, the bare axes
// of the file's box and view, the picture drawn over, Draw, then plane, line, contours and the
// graph size, as the menus draw them after a Draw.
void TKelvoScrn1::showGraphFile(const QString& path, const GraphFile& file) {
  std::vector<std::string> warnings;
  const GraphExtras extras = extrasOf(file, warnings);
  const DecodedPicture picture = pictureOf(extras, warnings);

  setGraphAside();
  ChooseGraphKind(p, file.kind);
  setClientSize(extras.windowWidth, extras.windowHeight);
  prepareForKind();
  if (!isVisible()) show();
  std::vector<std::string> again;
  GraphExtras applied;
  ApplyGraphFile(p, file, applied, again);
  showParameterCaptions(applied);
  for (int i = 0; i < 6; ++i)
    m_forms.parameterSliders->setRange(i, applied.sliderLow[static_cast<std::size_t>(i)],
                                       applied.sliderHigh[static_cast<std::size_t>(i)]);
  // The plane and the line are drawn after the Draw, as their Draw commands do; the plane
  // only where its menu is.
  GraphState& g = p.graph;
  const bool planeShown = g.PlaneOn && g.GraphKind == '1', lineShown = g.LineOn;
  g.PlaneOn = g.LineOn = false;
  ScreenSetUpPicture(p);
  AxesChangedPicture(p);
  showGraphSettings();
  if (!picture.picture.isNull()) {
    ShowPictureInBox(p, picture.picture);
    m_picturePath = QString::fromStdString(extras.picture);
    m_pictureBegun = p.pictureRecorder.picturesBegun();
  }

  const bool failed = drawGraph();
  if (planeShown) PlaneDrawPicture(p);
  if (lineShown) LineDrawPicture(p);
  if (applied.contoursShown && (g.GraphKind == '1' || g.GraphKind == '2')) Draw4Click();
  if (applied.graphSize != 0) {
    changeGraphSize(applied.graphSize);
    item(graphSizeItem(applied.graphSize))->setChecked(true);
  }
  showCommandPicture();

  takeAsGraphFile(path);
  if (!warnings.empty()) {
    QString text = tr("%1 was opened; these settings were passed over:").arg(path);
    for (const std::string& warning : warnings) text += "\n" + EngineText(warning);
    showInformation(text);
  }
  // As after any Draw that failed, once the file's own messages are told.
  if (failed) {
    reportFailedDraw();
    updateCaption();
  }
}

void TKelvoScrn1::showParameterCaptions(const GraphExtras& extras) {
  for (std::size_t i = 0; i < parameterLabels.size(); ++i) {
    const int index = static_cast<int>(i);
    parameterLabels[i]->setText(
        extras.parameterCaptions[i]
            ? QString::fromStdString(ParameterCaptionPrefix(index) +
                                     ParameterCaptionText(p.graph.ParamValues[i]))
            : QString());
  }
}

void TKelvoScrn1::setClientSize(int width, int height) {
  if (isMaximized() || isFullScreen()) showNormal();
  // The window holds the menu bar above its client area.
  const int menuHeight = std::max(menuBar()->heightForWidth(width), menuBar()->sizeHint().height());
  QSize wanted(width, height + menuHeight);
  // A window larger than the screen cannot be shown whole; it takes what the screen has.
  if (const QScreen* shown = screen()) {
    const QSize frame = frameGeometry().size() - geometry().size();
    wanted = wanted.boundedTo(shown->availableGeometry().size() - frame);
  }
  resize(wanted);
  if (QLayout* laidOut = layout()) laidOut->activate();
}

void TKelvoScrn1::showGraphSettings() {
  refreshAngleFields();
  showTitleInFontColor();
  item("DrawBox1")->setChecked(p.graph.DrawBoxChecked);
  m_forms.parameterSliders->refresh();
  m_forms.colorForm->showGraphColors();
  m_forms.colorForm2->showGraphColors();
}

// ---- Save --------------------------------------------------------------------------------

void TKelvoScrn1::SaveGraphFile1Click() {
  if (drawing()) return;
  saveGraph();
}

void TKelvoScrn1::SaveGraphFileAs1Click() {
  if (drawing()) return;
  saveGraphAsked();
}

bool TKelvoScrn1::saveGraph() {
  return m_graphPath.isEmpty() ? saveGraphAsked() : saveGraphFileAs(m_graphPath);
}

bool TKelvoScrn1::saveGraphAsked() {
  QString chosen =
      askSaveFile(tr("Save Graph File"), tr(GraphFileFilter), GraphFileSuffix, m_graphPath).path;
  if (chosen.isEmpty()) return false;
  if (QFileInfo(chosen).suffix().isEmpty()) chosen += '.' + QLatin1String(GraphFileSuffix);
  return saveGraphFileAs(chosen);
}

bool TKelvoScrn1::saveGraphFileAs(const QString& path) {
  if (!showFileResult(SaveGraphFile(path.toStdString(), p.graph, currentExtras(), p.KeptGraphs),
                      path))
    return false;
  takeAsGraphFile(path);
  return true;
}

void TKelvoScrn1::takeAsGraphFile(const QString& path) {
  m_graphPath = QFileInfo(path).absoluteFilePath();
  m_savedText = graphText();
  AddRecentGraphFile(m_graphPath);
  updateRecentGraphFiles();
  updateCaption();
}

// ---- Recent files ------------------------------------------------------------------------

QMenu* TKelvoScrn1::createRecentGraphFilesMenu(QMenu& parent) {
  auto* recent = new QMenu(tr("Recent Graph &Files"), &parent);
  menus["recentGraphFilesMenu"] = recent;
  // Below Save Graph File As, before the separator that follows it.
  const QList<QAction*> rows = parent.actions();
  const qsizetype saveAs = rows.indexOf(item("SaveGraphFileAs1"));
  parent.insertMenu(saveAs + 1 < rows.size() ? rows[saveAs + 1] : nullptr, recent);
  // Another window of the program may have changed the list since.
  connect(recent, &QMenu::aboutToShow, this, &TKelvoScrn1::updateRecentGraphFiles);
  updateRecentGraphFiles();
  return recent;
}

void TKelvoScrn1::updateRecentGraphFiles() {
  QMenu& recent = *menu("recentGraphFilesMenu");
  // An item may be the one whose command runs now: it goes once that command is over.
  for (QAction* old : recent.actions()) {
    recent.removeAction(old);
    items.erase(old->objectName());
    old->deleteLater();
  }
  const QStringList files = RecentGraphFiles();
  QStringList names;
  for (const QString& file : files) names << QFileInfo(file).fileName();
  for (qsizetype i = 0; i < files.size(); ++i) {
    const QString& file = files[i];
    // A name that two files share is told apart by the folder.
    const QString shown = names.count(names[i]) > 1 ? QDir::toNativeSeparators(file) : names[i];
    auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(menuText(shown)), &recent);
    const QString name = RecentItemName + QString::number(i + 1);
    action->setObjectName(name);
    action->setToolTip(QDir::toNativeSeparators(file));
    action->setStatusTip(QDir::toNativeSeparators(file));
    connect(action, &QAction::triggered, this, [this, file] { openRecentGraphFile(file); });
    recent.addAction(action);
    items[name] = action;
  }
  recent.menuAction()->setEnabled(!files.isEmpty());
}

void TKelvoScrn1::openRecentGraphFile(const QString& path) {
  if (drawing()) return;
  if (!QFileInfo::exists(path)) {
    RemoveRecentGraphFile(path);
    updateRecentGraphFiles();
    showInformation(
        tr("The graph file %1 is no longer there; it is taken off the recent files.").arg(path));
    return;
  }
  openGraphFile(path);
}

// ---- Dropped files -----------------------------------------------------------------------

void TKelvoScrn1::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TKelvoScrn1::dragMoveEvent(QDragMoveEvent* event) {
  if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TKelvoScrn1::dropEvent(QDropEvent* event) {
  const QString path = droppedFile(event->mimeData());
  if (path.isEmpty() || drawing()) return;
  event->acceptProposedAction();
  if (isGraphFileName(path))
    openGraphFile(path);
  else
    openPictureFile(path);
  updateCaption();
}
