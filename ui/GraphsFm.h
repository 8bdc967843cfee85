// SPDX-License-Identifier: MIT
// TGraphsFm, the Graphs window: the graphs kept in the picture, each with a check box that
// shows it or leaves it out, and the commands that make one the current graph or remove it.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
struct Program;

class TGraphsFm : public QWidget {
  Q_OBJECT
public:
  explicit TGraphsFm(Program& program);

  // Shows the window, not modal and on top, with its top-left corner at where (screen
  // coordinates), listing the kept graphs as they are.
  void ShowGraphs(const QPoint& where);
  // Lists the kept graphs and the current one again, keeping the selected row where it can.
  void refresh();
  // What the check boxes and buttons do, for the row of a kept graph; a row out of range, or
  // any command while a drawing runs, changes nothing. Each change is told by graphsChanged.
  void setShown(int row, bool shown);
  void makeCurrent(int row);
  void removeGraph(int row);

  QLabel* CurrentLabel;
  QListWidget* List;
  QPushButton* MakeCurrent1;
  QPushButton* Remove1;
  QPushButton* Close1;

signals:
  // The kept graphs or the current graph changed; the picture is drawn anew if one is shown.
  void graphsChanged();

private:
  void itemChanged(QListWidgetItem* item);
  void selectionMoved();

  Program& p;
  bool m_filling = false;
};
