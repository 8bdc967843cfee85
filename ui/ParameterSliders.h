// SPDX-License-Identifier: MIT
// The parameter sliders: a tool window that moves each of the parameters a to f along a
// slider between two ends the user types.
#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QSlider;
struct Program;

// The ends of one slider and the mapping between its steps and the parameter's value. The
// ends may be given either way round; the slider then runs the other way.
struct SliderRange {
  // Steps between the ends: fine enough that a slow drag changes the picture smoothly.
  static constexpr int Steps = 1000;

  double low = -10, high = 10;

  // The step nearest the value, held to the ends; step 0 when the ends coincide or the value
  // is not a number.
  int stepOf(double value) const;
  // Step 0 is exactly low and step Steps exactly high.
  double valueAt(int step) const;
  // A value beyond the ends moves them to the value ± 10, so that the slider can reach it
  // and move either way from it.
  void contain(double value);
};

class ParameterSliders : public QWidget {
  Q_OBJECT
public:
  explicit ParameterSliders(Program& program);
  // The fields and sliders are told nothing more once the window is going: closing it while one
  // of them has the keyboard would report an edit to a window no longer there.
  ~ParameterSliders() override;

  // Shows the window, not modal, with its top-left corner at where (screen coordinates) and
  // the parameters as they are.
  void ShowSliders(const QPoint& where);
  // The rows show ParamValues: the value's caption, the slider's place and the ends.
  void refresh();

  QSlider* slider(int index) const { return m_rows[index].slider; }
  QLabel* valueLabel(int index) const { return m_rows[index].value; }
  QLineEdit* lowField(int index) const { return m_rows[index].low; }
  QLineEdit* highField(int index) const { return m_rows[index].high; }
  const SliderRange& range(int index) const { return m_rows[index].range; }
  // New ends for slider index (a graph file's), shown with the parameter's value.
  void setRange(int index, double low, double high);

signals:
  // The user moved slider index; value is the parameter's new value.
  void parameterMoved(int index, double value);
  // A slide is over: the slider was let go, or moved by one action of the keys, the wheel or
  // a click beside its handle.
  void slideEnded();

private:
  struct Row {
    QLabel* value = nullptr;
    QLineEdit* low = nullptr;
    QSlider* slider = nullptr;
    QLineEdit* high = nullptr;
    SliderRange range;
  };
  void createRow(int index);
  void slid(int index, int step);
  // A typed end is read as an expression; while a drawing runs it is not read (it would
  // evaluate in the middle of the drawing's evaluations) and the field shows the end again.
  // A text that cannot be read keeps the end too, and the field is marked with the reason.
  void endEntered(int index, QLineEdit* field, double& end);
  void showRow(int index, double value);

  Program& p;
  std::array<Row, 6> m_rows;
};
