// SPDX-License-Identifier: MIT
// The movie settings dialog.
#include "ui/Moviefm.h"

#include "graph/Format.h"
#include "render/Movie.h"
#include "render/Program.h"

#include <QGroupBox>
#include <QRadioButton>

TMovieDlg::TMovieDlg(Program& program, QWidget* parent)
    : QDialog(parent), p(program), m_buttons(this, 56, 176) {
  useDialogFont(this);
  setWindowTitle(tr("  Edit Movie Features"));
  placeLabel(this, tr("How many Frames?"), 16, 18);
  Edit1 = placeEdit(this, 140, 14, 48);
  placeLabel(this, tr("(up to 32)"), 196, 18);
  auto* speed = new QGroupBox(tr("Rotation Speed"), this);
  speed->setGeometry(16, 52, 240, 112);
  const char* const names[] = {QT_TR_NOOP("Slow"), QT_TR_NOOP("Medium"), QT_TR_NOOP("Faster"),
                               QT_TR_NOOP("Fastest")};
  for (int i = 0; i < 4; ++i) {
    auto* button = new QRadioButton(tr(names[i]), speed);
    button->setGeometry(16 + 112 * (i % 2), 28 + 36 * (i / 2), 100, 24);
    const auto choice = static_cast<MovieSpeed>(i);
    connect(button, &QRadioButton::clicked, this,
            [this, choice] { p.graph.MovieDelay = movieDelayOf(choice); });
    speedButtons[i] = button;
  }
  // The form opens on Medium, whatever delay is in force.
  speedButtons[1]->setChecked(true);
  setFixedSize(272, 216);
}

void TMovieDlg::load() {
  showFieldText(Edit1, formatFixed(p.graph.MovieFrameCount, 4, 0));
  focusAndSelect(Edit1);
}

void TMovieDlg::apply(int result) {
  StoreMovieFrameCount(p, editedFieldText(Edit1), result != QDialog::Rejected);
}

void TMovieDlg::accept() {
  if (acceptNumberFields(p, {Edit1})) QDialog::accept();
}
