// SPDX-License-Identifier: MIT
// The main window's File menu: the value listing, picture files, vector drawings, printing
// and Exit.
#include "ui/mainwindow/KelvoScrn1.h"

#include "io/GraphImage.h"
#include "io/PictureFiles.h"
#include "io/Printing.h"
#include "io/VectorPicture.h"
#include "render/Movie.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/ColorFm.h"
#include "ui/EngineTexts.h"
#include "ui/Forms.h"
#include "ui/FuncVals.h"
#include "ui/JPG1.h"
#include "ui/MainMenu.h"
#include "ui/ParameterSliders.h"
#include "ui/SampleList.h"
#include "ui/Zlevels.h"
#include "ui/mainwindow/PictureBox.h"
#include "ui/mainwindow/RotationPanel.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace {

// The picture dialogs' types; Open starts on the last, all the pictures it can open.
const char* const PictureFilter = QT_TRANSLATE_NOOP(
    "TKelvoScrn1", "Bitmaps (*.bmp);;JPEG Image File (*.jpg *.jpeg);;GIF Image File (*.gif);;PNG "
                   "Image File (*.png);;All (*.bmp *.jpg *.jpeg *.gif *.png)");
const char* const AllPicturesFilter =
    QT_TRANSLATE_NOOP("TKelvoScrn1", "All (*.bmp *.jpg *.jpeg *.gif *.png)");
const char* const SvgFilter = QT_TRANSLATE_NOOP("TKelvoScrn1", "SVG Drawing (*.svg)");
const char* const PdfFilter = QT_TRANSLATE_NOOP("TKelvoScrn1", "PDF Document (*.pdf)");

bool isVectorFormat(PictureFormat format) {
  return format == PictureFormat::Svg || format == PictureFormat::Pdf;
}

// The name as chosen when it ends in .svg or .pdf (any case), else with the chosen type's.
QString vectorPath(const QString& chosen, const QString& filter) {
  if (isVectorFormat(pictureFormatOf(chosen.toStdString()))) return chosen;
  return chosen + (filter == TKelvoScrn1::tr(PdfFilter) ? ".pdf" : ".svg");
}

} // namespace

QAction* TKelvoScrn1::createFileMenu() {
  using W = TKelvoScrn1;
  QAction* entry = buildMenu(
      "fileMenu", tr("&File"),
      {
          {"ListFunctionvalues1", tr("&List Function values"), &W::ListFunctionvalues1Click,
           Qt::CTRL | Qt::Key_L},
          separator(),
          {"OpenGraphFile1", tr("&Open Graph File..."), &W::OpenGraphFile1Click,
           standardKey(QKeySequence::Open, Qt::CTRL | Qt::Key_O)},
          {"SaveGraphFile1", tr("&Save Graph File"), &W::SaveGraphFile1Click,
           standardKey(QKeySequence::Save, Qt::CTRL | Qt::Key_S)},
          {"SaveGraphFileAs1", tr("Save Graph File &As..."), &W::SaveGraphFileAs1Click,
           standardKey(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
          separator(),
          {"OpenGraph1", tr("Open P&icture..."), &W::OpenGraph1Click,
           Qt::CTRL | Qt::SHIFT | Qt::Key_O},
          submenu("saveGraphMenu", tr("&Export Picture"),
                  {
                      {"Savefullgraph1", tr("Save full graph"), &W::Savefullgraph1Click,
                       Qt::CTRL | Qt::SHIFT | Qt::Key_E},
                      {"SaveOnlyinsiderectangle1", tr("Save Only inside rectangle"),
                       &W::SaveOnlyinsiderectangle1Click, Qt::CTRL | Qt::Key_E},
                      {"SavePicture2x1", tr("Save Picture at &2x..."), &W::SavePicture2x1Click},
                      {"SaveVectorGraph1", tr("Save as SVG or PDF..."), &W::SaveVectorGraph1Click},
                      {"ExportMesh1", tr("Save as &Mesh (OBJ or STL)..."), &W::ExportMesh1Click},
                  }),
          separator(),
          {"PrintGraph1", tr("P&rint Graph"), &W::PrintGraph1Click,
           standardKey(QKeySequence::Print, Qt::CTRL | Qt::Key_P)},
          {"PrinterSetUp1", tr("&Printer Set Up"), &W::PrinterSetUp1Click},
          // Exit goes back to the start-up form; Quit ends the program.
          {"Exit1", tr("&Exit"), &W::Exit1Click},
          {"Quit1", tr("&Quit"), &W::Quit1Click,
           standardKey(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q)},
      });
  createRecentGraphFilesMenu(*menu("fileMenu"));
  return entry;
}

void TKelvoScrn1::ListFunctionvalues1Click() {
  if (drawing()) return;
  captureAndShow();
  m_forms.funcList->load();
  bringForward(*m_forms.funcList);
}

void TKelvoScrn1::refreshValueListing() {
  if (m_forms.funcList->isVisible()) m_forms.funcList->showValues();
}

void TKelvoScrn1::OpenGraph1Click() {
  if (drawing()) return;
  QFileDialog dialog(this, tr("Open Picture"), QString(), tr(PictureFilter));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.selectNameFilter(tr(AllPicturesFilter));
  const QString chosen = chosenFile(dialog);
  if (!chosen.isEmpty()) openPictureFile(chosen);
}

bool TKelvoScrn1::openPictureFile(const QString& path) {
  const PictureFormat format = openFormatOf(path.toStdString());
  if (format == PictureFormat::Unknown) {
    showInformation(EngineText(QString::fromUtf8(OpenRefusal).replace('\r', '\n')));
    return false;
  }
  const DecodedPicture opened = ReadPictureFile(path.toStdString(), format);
  if (!showFileResult(opened.result, path)) return false;
  ShowPictureInBox(p, opened.picture);
  // A graph file saved from here names the picture while it stays under the graph.
  m_picturePath = path;
  m_pictureBegun = p.pictureRecorder.picturesBegun();
  showCommandPicture();
  return true;
}

void TKelvoScrn1::Savefullgraph1Click() {
  savePicture(true);
}

void TKelvoScrn1::SaveOnlyinsiderectangle1Click() {
  savePicture(false);
}

void TKelvoScrn1::SavePicture2x1Click() {
  savePicture(false, 2);
}

void TKelvoScrn1::savePicture(bool full, int scale) {
  if (drawing()) return;
  captureAndShow();
  const QString title = scale > 1 ? tr("Export Picture at 2x") : tr("Export Picture");
  const QString chosen = askSaveFile(title, tr(PictureFilter)).path;
  if (!chosen.isEmpty()) savePictureAs(chosen, full, scale);
}

bool TKelvoScrn1::savePictureAs(const QString& chosen, bool full, int scale) {
  const SaveTarget target = saveTargetOf(chosen.toStdString());
  // Every JPEG save shows the quality window; the file takes the quality already in force.
  if (target.format == PictureFormat::Jpeg) m_forms.jpgDlg->show();
  scale = std::clamp(scale, 1, MaxPictureScale);
  // A larger picture is drawn again from the record of the drawing, as kelvo render --scale
  // draws it, so that its lines and letters are sharp.
  const QImage picture = PictureAtScale(p, windowLabels(), full, scale);
  return showFileResult(WritePicture(picture, target.format, target.path, p.graph.JpegQuality),
                        QString::fromStdString(target.path));
}

void TKelvoScrn1::SaveVectorGraph1Click() {
  if (drawing()) return;
  // The dialog opens over the picture.
  CapturePicture(p);
  const SaveChoice chosen = askSaveFile(tr("Save Graph as SVG or PDF"),
                                        QStringLiteral("%1;;%2").arg(tr(SvgFilter), tr(PdfFilter)));
  if (!chosen.path.isEmpty()) saveVectorGraph(vectorPath(chosen.path, chosen.filter));
}

bool TKelvoScrn1::saveVectorGraph(const QString& path) {
  const std::string name = path.toStdString();
  const PictureFormat format = pictureFormatOf(name);
  return showFileResult(
      isVectorFormat(format)
          ? SaveVectorPicture(name, format, p.PictureCopy, p.pictureRecorder)
          : Failed(QT_TRANSLATE_NOOP("Engine", "the name must end in .svg or .pdf")),
      path);
}

FullGraphLabels TKelvoScrn1::windowLabels() const {
  FullGraphLabels labels;
  labels.title = Panel2->text().toStdString();
  labels.functionLine = Label1->text().toStdString();
  labels.functionLine2 = Label11->text().toStdString();
  for (int i = 0; i < 6; ++i) labels.parameters[i] = parameterLabels[i]->text().toStdString();
  return labels;
}

QPrinter& TKelvoScrn1::printer() {
  if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *m_printer;
}

void TKelvoScrn1::PrintGraph1Click() {
  if (drawing()) return;
  QPrintDialog dialog(&printer(), this);
  if (runModal(dialog) == QDialog::Accepted) printPicture(printer());
}

bool TKelvoScrn1::printPicture(QPagedPaintDevice& device) {
  captureAndShow();
  p.host->setBusyCursor(true);
  // The printout holds the picture with its title and labels, without the rotation panel.
  Panel3->hide();
  const QImage client = centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  Panel3->show();
  const FileResult printed = PrintPicture(device, client, frameGeometry().size());
  p.host->setBusyCursor(false);
  if (!printed.ok) {
    // A failed job is abandoned with a beep, and says nothing more.
    p.host->beep();
    if (auto* job = dynamic_cast<QPrinter*>(&device)) job->abort();
  }
  return printed.ok;
}

void TKelvoScrn1::PrinterSetUp1Click() {
  if (drawing()) return;
  captureAndShow();
  QPageSetupDialog dialog(&printer(), this);
  runModal(dialog);
}

void TKelvoScrn1::Exit1Click() {
  leaveGraph(Leaving::ToStartUp);
}

void TKelvoScrn1::Quit1Click() {
  leaveGraph(Leaving::Program);
}

void TKelvoScrn1::leaveGraph(Leaving where) {
  // A playing movie stops first; the player comes back here when it has.
  if (m_moviePlaying) {
    (where == Leaving::Program ? m_quitAfterMovie : m_exitAfterMovie) = true;
    p.graph.DrawContinue = 0;
    return;
  }
  if (drawing() || !maySetGraphAside()) return;
  setGraphAside();
  hide();
  if (where == Leaving::Program)
    m_forms.mainMenu->quitProgram();
  else
    m_forms.mainMenu->showStartUp();
}

void TKelvoScrn1::setGraphAside() {
  m_forms.zlevelsFm->close();
  m_forms.sampleFm->hide();
  m_forms.funcList->forgetFile();
  m_forms.parameterSliders->hide();
  GraphState& g = p.graph;
  m_forms.colorForm->selectFirstAbove();
  p.PictureCopy = QImage();
  g.DrawContinue = 0;
  ReleaseMovie(p);
  g.MovieMode = false;
  g.PictureCopyValid = false;
  g.GraphShown = false;
  g.FunctionReady = false;
  if (IsGraphKind(g.GraphKind)) {
    ScreenSetUpPicture(p);
    showCommandPicture();
  }
  m_graphPath.clear();
  m_savedText.clear();
  m_picturePath.clear();
  m_pictureBegun.reset();
  m_contoursBegun.reset();
}

void TKelvoScrn1::closeEvent(QCloseEvent* event) {
  // Closing the window is Exit: the start-up form comes back, and only its Quit ends the
  // program.
  event->ignore();
  Exit1Click();
}
