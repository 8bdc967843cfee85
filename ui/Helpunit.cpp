// SPDX-License-Identifier: MIT
// The help window.
#include "ui/Helpunit.h"

#include "ui/Looks.h"

#include <QPushButton>
#include <QTextEdit>

THelpDlg::THelpDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(tr("Help"));
  setFont(pixelFont("MS Sans Serif", 14));
  setModal(false);

  FHelp = new QTextEdit(this);
  FHelp->setAccessibleName(tr("Help"));
  FHelp->setGeometry(20, 10, 381, 326);
  FHelp->setFont(pixelFont("MS Sans Serif", 15));
  setColors(FHelp, QColor(), Qt::blue, true);
  FHelp->setReadOnly(true);
  FHelp->setLineWrapMode(QTextEdit::NoWrap);
  FHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The function table lines its examples and meanings up with tabs.
  FHelp->setTabStopDistance(64);
  FHelp->setPlainText(TranslatedHelpText());

  CloseBtn = new QPushButton(tr("Close"), this);
  CloseBtn->setGeometry(146, 350, 93, 30);
  CloseBtn->setDefault(true);
  connect(CloseBtn, &QPushButton::clicked, this, &THelpDlg::CloseBtnClick);
  setFixedSize(438, 430);
}

void THelpDlg::CloseBtnClick() {
  hide();
}
