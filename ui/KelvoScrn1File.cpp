// SPDX-License-Identifier: MIT
// The main window's File menu.
#include "ui/KelvoScrn1.h"

#include "io/GraphImage.h"
#include "io/PictureFiles.h"
#include "io/Printing.h"
#include "render/Movie.h"
#include "render/Program.h"
#include "render/Sequences.h"
#include "ui/ColorFm.h"
#include "ui/JPG1.h"
#include "ui/Forms.h"
#include "ui/MainMenu.h"
#include "ui/PictureBox.h"
#include "ui/RotationPanel.h"
#include "ui/Zlevels.h"
#include "ui/SampleList.h"

#include <QCloseEvent>
#include <QLabel>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {

const char* const PictureFilter = "Bitmaps (*.bmp);;JPEG Image File (*.jpg);;GIF Image File "
                                  "(*.gif);;All (*.bmp *.jpg *.gif)";

} // namespace

void TKelvoScrn1::createFileMenu() {
  fileMenu = menuBar()->addMenu(tr("&File"));
  ListFunctionvalues1 =
      addItem(fileMenu, tr("&List Function values"), &TKelvoScrn1::ListFunctionvalues1Click);
  fileMenu->addSeparator();
  OpenGraph1 = addItem(fileMenu, tr("&Open Graph"), &TKelvoScrn1::OpenGraph1Click);
  saveGraphMenu = fileMenu->addMenu(tr("&Save Graph"));
  Savefullgraph1 = addItem(saveGraphMenu, tr("Save full graph"), &TKelvoScrn1::Savefullgraph1Click);
  SaveOnlyinsiderectangle1 = addItem(saveGraphMenu, tr("Save Only inside rectangle"),
                                     &TKelvoScrn1::SaveOnlyinsiderectangle1Click);
  fileMenu->addSeparator();
  PrintGraph1 = addItem(fileMenu, tr("P&rint Graph"), &TKelvoScrn1::PrintGraph1Click);
  PrinterSetUp1 = addItem(fileMenu, tr("&Printer Set Up"), &TKelvoScrn1::PrinterSetUp1Click);
  Exit1 = addItem(fileMenu, tr("&Exit"), &TKelvoScrn1::Exit1Click);
}

QString TKelvoScrn1::askPictureFile(bool save) {
  QFileDialog dialog(this, save ? tr("Save Graph") : tr("Open Graph"), QString(),
                     tr(PictureFilter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (!save) dialog.setFileMode(QFileDialog::ExistingFile);
  if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

void TKelvoScrn1::showMessage(const QString& text) {
  QMessageBox box(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this);
  runModal(box);
}

void TKelvoScrn1::OpenGraph1Click() {
  if (drawing()) return;
  const QString chosen = askPictureFile(false);
  if (chosen.isEmpty()) return;
  openPictureFile(chosen);
}

bool TKelvoScrn1::openPictureFile(const QString& path) {
  const PictureFormat format = openFormatOf(path.toStdString());
  if (format == PictureFormat::Unknown) {
    showMessage(QString::fromUtf8(OpenRefusal).replace('\r', '\n'));
    return false;
  }
  DecodedPicture opened = ReadPictureFile(path.toStdString(), format);
  if (!opened.result.ok) {
    opened.result.message = path.toStdString() + ": " + opened.result.message;
    return showFileResult(opened.result);
  }
  ShowPictureInBox(p, opened.picture);
  m_pictureWithoutGraph = true;
  showCommandPicture();
  return true;
}

void TKelvoScrn1::Savefullgraph1Click() {
  savePicture(true);
}

void TKelvoScrn1::SaveOnlyinsiderectangle1Click() {
  savePicture(false);
}

void TKelvoScrn1::savePicture(bool full) {
  if (drawing()) return;
  CapturePicture(p);
  PaintBox1->showPicture();
  const QString chosen = askPictureFile(true);
  if (chosen.isEmpty()) return;
  savePictureAs(chosen, full);
}

bool TKelvoScrn1::savePictureAs(const QString& chosen, bool full) {
  const SaveTarget target = saveTargetOf(chosen.toStdString());
  // Every JPEG save shows the quality window; the file takes the quality already in force.
  if (target.format == PictureFormat::Jpeg) m_forms.jpgDlg->show();
  const QImage picture = full ? ComposeFullGraph(p, windowLabels()) : p.PictureCopy;
  FileResult result = WritePicture(picture, target.format, target.path, p.graph.JpegQuality);
  if (!result.ok) result.message = target.path + ": " + result.message;
  return showFileResult(result);
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
  CapturePicture(p);
  PaintBox1->showPicture();
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
  CapturePicture(p);
  PaintBox1->showPicture();
  QPageSetupDialog dialog(&printer(), this);
  runModal(dialog);
}

void TKelvoScrn1::Exit1Click() {
  // A playing movie stops first; the player comes back here when it has.
  if (m_moviePlaying) {
    m_exitAfterMovie = true;
    p.graph.DrawContinue = 0;
    return;
  }
  if (drawing()) return;
  m_forms.zlevelsFm->close();
  m_forms.sampleFm->hide();
  GraphState& g = p.graph;
  m_forms.colorForm->selectFirstAbove();
  p.PictureCopy = QImage();
  g.DrawContinue = 0;
  ReleaseMovie(p);
  g.MovieMode = false;
  g.PictureCopyValid = false;
  g.GraphShown = false;
  g.FunctionReady = false;
  if (g.GraphKind >= '1' && g.GraphKind <= '4') {
    ScreenSetUpPicture(p);
    showCommandPicture();
  }
  hide();
  m_forms.mainMenu->showStartUp();
}

void TKelvoScrn1::closeEvent(QCloseEvent* event) {
  // Closing the window is Exit: the start-up form comes back, and only its Quit ends the
  // program.
  event->ignore();
  Exit1Click();
}
