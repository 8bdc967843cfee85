// SPDX-License-Identifier: MIT
// TMainMenu, the start-up form: the choice of a graph kind, and Quit.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class Forms;
struct Program;

class TMainMenu : public QWidget {
  Q_OBJECT
public:
  explicit TMainMenu(Forms& forms);

  // Shows the form again (start, and the main window's Exit).
  void showStartUp();

  void Button1Click() { Chosen('1'); }
  void Button2Click() { Chosen('2'); }
  void Button3Click() { Chosen('3'); }
  void Button4Click() { Chosen('4'); }
  void Button5Click();
  // Ends the program, as Quit does (a changed graph has been asked about).
  void quitProgram();
  // The implicit surfaces, the sixth choice, under Quit.
  void Button6Click() { Chosen('6'); }
  // Starts a new graph of the kind and hands over to the main window.
  void Chosen(char kind);

  QPushButton* button(int number) const { return m_buttons[number - 1]; }
  QLabel* Image1;

private:
  void createChoicePanel();
  void createSidePanels();

  Forms& m_forms;
  Program& p;
  QPushButton* m_buttons[6];
};

// A small shaded surface with its axes, drawn by the program's own renderer.
QImage makeStartUpPicture();
