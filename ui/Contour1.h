// SPDX-License-Identifier: MIT
// The contour settings dialog: grid resolution, number of levels and the "3D Contours" box.
#pragma once

#include "ui/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>

struct Program;

class TContourDlg : public QDialog {
  Q_OBJECT
public:
  explicit TContourDlg(Program& program, QWidget* parent = nullptr);

  // Selects the items of the current grid and level count.
  void load();
  // Any result but Rejected stores the selected items; the check box is read at every
  // toggle, whatever the result.
  void apply(int result);

  QComboBox* gridList() const { return m_grid; }
  QComboBox* levelList() const { return m_levels; }
  QCheckBox* threeD() const { return m_threeD; }
  QLabel* Label1;
  QLabel* Label2;

private:
  Program& p;
  QComboBox* m_grid;
  QComboBox* m_levels;
  QCheckBox* m_threeD;
  OkCancelButtons m_buttons;
};
