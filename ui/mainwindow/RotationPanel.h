// SPDX-License-Identifier: MIT
// Panel3: the eye angles Theta and Phi and the four arrow buttons that turn the eye.
#pragma once

#include "ui/ArrowGlyphs.h"

#include <QFrame>

#include <functional>

class QLineEdit;
class QToolButton;
enum class Arrow;

class RotationPanel : public QFrame {
  Q_OBJECT
public:
  // Each arrow button calls turn with its direction.
  RotationPanel(QWidget* parent, std::function<void(Arrow)> turn);

  // The angle fields show Theta and Phi in degrees as the graph state keeps their texts.
  void showAngles(const QString& theta, const QString& phi);
  // Enter in an angle field hands its text over (Edit4 for Theta, Edit5 for Phi). Leaving a
  // field without Enter shows the angles in effect again.
  void setAngleEntered(std::function<void(QLineEdit*)> entered) { m_entered = std::move(entered); }

  QLineEdit* Edit4;
  QLineEdit* Edit5;
  QToolButton* BitBtn1; // Theta + 10
  QToolButton* BitBtn2; // Theta - 10
  QToolButton* BitBtn3; // Phi + 10
  QToolButton* BitBtn4; // Phi - 10

private:
  QToolButton* arrowButton(ArrowGlyph glyph, QRect geometry, Arrow arrow);

  std::function<void(Arrow)> m_turn;
  std::function<void(QLineEdit*)> m_entered;
  QString m_theta, m_phi;
};
