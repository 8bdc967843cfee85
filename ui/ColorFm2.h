// SPDX-License-Identifier: MIT
// TColorForm2, the drawing-colours window: pen, axes, tick marks, letters and background.
#pragma once

#include "graph/Colors.h"

#include <QDialog>

class QColorDialog;
class QPushButton;
class ChoiceGroup;
class Forms;
struct Program;

class TColorForm2 : public QDialog {
  Q_OBJECT
public:
  explicit TColorForm2(Forms& forms);

  // The buttons' commands. Those that draw do nothing while a draw runs.
  void penOthersClick();
  void AxesColorClick();
  void TickMarksClick();
  void FontColorClick();
  void BackgroundClick();
  void CloseClick();
  // Checks the pen choice that the graph's pen colour is (none for a colour from "Others").
  void showGraphColors();

  ChoiceGroup* penGroup;
  QPushButton* penOthers;
  QPushButton* axesButton;
  QPushButton* ticksButton;
  QPushButton* fontButton;
  QPushButton* backgroundButton;
  QPushButton* closeButton;
  QColorDialog* ColorDialog1;

private:
  // The colour dialog for one colour, then the redraw its closing makes in any case.
  void chooseColor(Color& color);
  void redrawAxes();
  void showRedrawn();

  Forms& m_forms;
  Program& p;
};
