// SPDX-License-Identifier: MIT
// The main window's vector pictures: the graph saved as an SVG or PDF drawing.
#include "ui/KelvoScrn1.h"

#include "io/VectorPicture.h"
#include "render/Program.h"
#include "render/Sequences.h"

#include <QFileDialog>
#include <QMenu>

namespace {

const char* const SvgFilter = "SVG Drawing (*.svg)";
const char* const PdfFilter = "PDF Document (*.pdf)";

// The name as chosen when it ends in .svg or .pdf (any case), else with the chosen type's.
QString vectorPath(const QString& chosen, const QString& filter) {
  const PictureFormat format = pictureFormatOf(chosen.toStdString());
  if (format == PictureFormat::Svg || format == PictureFormat::Pdf) return chosen;
  return chosen + (filter == QLatin1String(PdfFilter) ? ".pdf" : ".svg");
}

} // namespace

void TKelvoScrn1::createVectorItems() {
  SaveVectorGraph1 =
      addItem(saveGraphMenu, tr("Save as SVG or PDF..."), &TKelvoScrn1::SaveVectorGraph1Click);
}

void TKelvoScrn1::SaveVectorGraph1Click() {
  if (drawing()) return;
  // The dialog opens over the picture.
  CapturePicture(p);
  QFileDialog dialog(this, tr("Save Graph as SVG or PDF"), QString(),
                     QStringLiteral("%1;;%2").arg(SvgFilter, PdfFilter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  saveVectorGraph(vectorPath(dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()));
}

bool TKelvoScrn1::saveVectorGraph(const QString& path) {
  const std::string name = path.toStdString();
  const PictureFormat format = pictureFormatOf(name);
  FileResult result = format == PictureFormat::Svg || format == PictureFormat::Pdf
                          ? SaveVectorPicture(name, format, p.PictureCopy, p.pictureRecorder)
                          : Failed("the name must end in .svg or .pdf");
  if (!result.ok) result.message = name + ": " + result.message;
  return showFileResult(result);
}
