// SPDX-License-Identifier: MIT
// The rotation panel of the main window.
#include "ui/mainwindow/RotationPanel.h"

#include "graph/Corrections.h"
#include "ui/Looks.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

RotationPanel::RotationPanel(QWidget* parent, std::function<void(Arrow)> turn)
    : QFrame(parent), m_turn(std::move(turn)) {
  setFrameShape(QFrame::NoFrame);
  resize(121, 153);
  setColors(this, QColor(0, 0, 128), Qt::yellow);
  auto* theta = new QLabel(tr("Theta"), this);
  theta->setGeometry(8, 12, 40, 17);
  auto* phi = new QLabel(tr("Phi"), this);
  phi->setGeometry(16, 36, 30, 17);
  Edit4 = new QLineEdit(this);
  Edit5 = new QLineEdit(this);
  Edit4->setGeometry(48, 8, 41, 27);
  Edit5->setGeometry(48, 32, 41, 27);
  // Screen readers name the fields by their labels; Tab reaches them too.
  theta->setBuddy(Edit4);
  phi->setBuddy(Edit5);
  Edit4->setAccessibleName(tr("Theta"));
  Edit5->setAccessibleName(tr("Phi"));
  for (QLineEdit* edit : {Edit4, Edit5}) {
    edit->setFocusPolicy(Qt::StrongFocus);
    connect(edit, &QLineEdit::returnPressed, this, [this, edit] {
      if (m_entered) m_entered(edit);
    });
    connect(edit, &QLineEdit::editingFinished, this, [this] { showAngles(m_theta, m_phi); });
  }
  BitBtn4 = arrowButton(ArrowGlyph::Up, QRect(48, 64, 25, 33), Arrow::Up);
  BitBtn2 = arrowButton(ArrowGlyph::Left, QRect(8, 96, 41, 25), Arrow::Left);
  BitBtn1 = arrowButton(ArrowGlyph::Right, QRect(72, 96, 41, 25), Arrow::Right);
  BitBtn3 = arrowButton(ArrowGlyph::Down, QRect(48, 120, 25, 33), Arrow::Down);
  BitBtn4->setToolTip(tr("Phi - 10"));
  BitBtn3->setToolTip(tr("Phi + 10"));
  BitBtn2->setToolTip(tr("Theta - 10"));
  BitBtn1->setToolTip(tr("Theta + 10"));
  BitBtn4->setAccessibleName(tr("Turn up"));
  BitBtn3->setAccessibleName(tr("Turn down"));
  BitBtn2->setAccessibleName(tr("Turn left"));
  BitBtn1->setAccessibleName(tr("Turn right"));
  for (QToolButton* button : {BitBtn4, BitBtn3, BitBtn2, BitBtn1})
    button->setAccessibleDescription(tr("%1 degrees").arg(button->toolTip()));
}

QToolButton* RotationPanel::arrowButton(ArrowGlyph glyph, QRect geometry, Arrow arrow) {
  auto* button = new QToolButton(this);
  button->setGeometry(geometry);
  button->setIcon(arrowIcon(glyph));
  button->setIconSize(QSize(16, 16));
  button->setFocusPolicy(Qt::NoFocus);
  connect(button, &QToolButton::clicked, this, [this, arrow] { m_turn(arrow); });
  return button;
}

void RotationPanel::showAngles(const QString& theta, const QString& phi) {
  m_theta = theta;
  m_phi = phi;
  Edit4->setText(theta);
  Edit5->setText(phi);
}
