// SPDX-License-Identifier: MIT
// TSampleFm, the samples window: up to ten example functions of the current graph kind.
#pragma once

#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
struct Program;

class TSampleFm : public QWidget {
  Q_OBJECT
public:
  explicit TSampleFm(Program& program);

  // Shows the window, not modal and on top, with its top-left corner at where (screen
  // coordinates), offering the examples of the current kind.
  void ShowSamples(const QPoint& where);
  // A click on example n (1 to 10): its texts replace the function texts; nothing is drawn
  // and the window stays open.
  void ChooseSample(int n);
  // The "Close" button: hides the window and marks the function as ready to draw.
  void CloseSamples();

  QRadioButton* radioButton(int n) const { return m_radioButtons[n - 1]; }
  QLabel* Label1;
  QLabel* Label2;
  QPushButton* Close1;

signals:
  // After CloseSamples, so that the main window can show the function texts.
  void samplesClosed();

protected:
  // The window's close box closes it as its "Close" button does.
  void closeEvent(QCloseEvent* event) override;

private:
  void createChoices();
  // Captions and visibility of the buttons for the current kind (FormShow).
  void showKind();
  // Checks button n, or none for 0.
  void markChoice(int n);

  Program& p;
  std::array<QRadioButton*, 10> m_radioButtons;
  QButtonGroup* m_group;
  int m_chosen = 0;
};
