// SPDX-License-Identifier: MIT
// TColorForm, the surface-colours window, and the pieces both colour windows share.
#pragma once

#include "graph/Colors.h"

#include <QDialog>
#include <QGroupBox>

#include <functional>
#include <initializer_list>
#include <vector>

class QCheckBox;
class QColorDialog;
class QPushButton;
class QRadioButton;
class Forms;
struct Program;

// A titled column of radio buttons. Clicking one calls chosen with its index, also when it
// was checked already, so that a choice clicked again after "Others" takes effect again.
class ChoiceGroup : public QGroupBox {
  Q_OBJECT
public:
  ChoiceGroup(const QString& title, std::initializer_list<const char*> texts, int checked,
              std::function<void(int)> chosen, QWidget* parent);

  QRadioButton* button(int index) const { return m_buttons.at(index); }
  int count() const { return static_cast<int>(m_buttons.size()); }
  // Checks the button of that index, or none for -1, without running the choice.
  void showChoice(int index);
  // Adds a push button under the radio buttons.
  QPushButton* addPushButton(const QString& text);

private:
  std::vector<QRadioButton*> m_buttons;
};

// Runs the colour dialog starting at color; stores the chosen colour only if the dialog was
// accepted, and tells whether it was.
bool runColorDialog(Forms& forms, QColorDialog& dialog, Color& color);

class TColorForm : public QDialog {
  Q_OBJECT
public:
  explicit TColorForm(Forms& forms);

  // Showing the main window selects red above, yellow under and teal grids; Exit selects
  // blue above. Selecting runs the choice's handler.
  void selectDefaults();
  void selectFirstAbove();
  // Checks the choices that the graph's colours and shading are, after a graph file set them;
  // a colour from "Others" checks none of its column.
  void showGraphColors();

  ChoiceGroup* aboveGroup;
  ChoiceGroup* underGroup;
  ChoiceGroup* gridGroup;
  QPushButton* aboveOthers;
  QPushButton* underOthers;
  QCheckBox* Shading;
  QPushButton* closeButton;
  QColorDialog* ColorDialog1;

private:
  void chooseOther(Color& target);

  Forms& m_forms;
  Program& p;
};
