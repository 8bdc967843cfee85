// SPDX-License-Identifier: MIT
// The JPEG quality window.
#include "ui/JPG1.h"

#include "render/Program.h"
#include "ui/DialogParts.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

TJPGDlg::TJPGDlg(Program& program, QWidget* parent) : QDialog(parent), p(program) {
  useDialogFont(this);
  setWindowTitle(tr("JPEG Qualty"));
  Label1 = placeLabel(this, tr(" JPEG Quality"), 16, 12);
  const char* texts[3] = {"80 %", "90 %", "100 %"};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QRadioButton(texts[i], this);
    button->setGeometry(24, 36 + 24 * i, 80, 20);
    button->setChecked(Qualities[i] == 90);
    const int quality = Qualities[i];
    connect(button, &QRadioButton::clicked, this,
            [this, quality] { p.graph.JpegQuality = quality; });
    qualityButtons[i] = button;
  }
  closeButton = new QPushButton(tr("Close"), this);
  closeButton->setGeometry(24, 116, 75, 25);
  closeButton->setDefault(true);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  setFixedSize(124, 152);
}

void TJPGDlg::showEvent(QShowEvent* event) {
  // A new graph resets the quality to 90, so the mark follows the setting, not the last click.
  for (int i = 0; i < 3; ++i)
    if (Qualities[i] == p.graph.JpegQuality) qualityButtons[i]->setChecked(true);
  if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}
