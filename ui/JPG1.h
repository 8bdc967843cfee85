// SPDX-License-Identifier: MIT
// TJPGDlg, the JPEG quality window: 80, 90 or 100 percent, applied as soon as clicked.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
struct Program;

class TJPGDlg : public QDialog {
  Q_OBJECT
public:
  explicit TJPGDlg(Program& program, QWidget* parent = nullptr);

  static constexpr std::array<int, 3> Qualities = {80, 90, 100};

  QLabel* Label1;
  std::array<QRadioButton*, 3> qualityButtons;
  QPushButton* closeButton;

protected:
  // Centred on the screen, with the check mark on the quality that the next JPEG gets.
  void showEvent(QShowEvent* event) override;

private:
  Program& p;
};
