// SPDX-License-Identifier: MIT
// The shared one- and two-field dialog: number of curves (three fields for the implicit
// surfaces), graph title, step size of t.
#pragma once

#include "ui/DialogParts.h"

#include <QDialog>

struct Program;

class TChange1Dlg : public QDialog {
  Q_OBJECT
public:
  enum class Use { Curves, Title, Step };
  // Client widths: the form's own, and the wider one the step dialog uses while open.
  static constexpr int DesignWidth = 235;
  static constexpr int StepWidth = 252;

  explicit TChange1Dlg(Program& program, QWidget* parent = nullptr);

  // Rearranges the form for one use and fills it from the graph state.
  void load(Use use);
  // Stores the fields for any result but Rejected, then applies the corrections of the use
  // that follow OK and Cancel alike.
  void apply(int result);
  Use use() const { return m_use; }
  // OK with a curves or step field that cannot be read marks it and keeps the dialog open,
  // once (acceptNumberFields); OK with a step that would give a space curve too many points
  // keeps it open and says so in its top line.
  void accept() override;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  // The implicit surfaces' third count, "Z-Curves"; hidden for every other use and kind.
  QLabel* Label4;
  QLineEdit* Edit3;

private:
  // The two-field form, or the three-field one that is one row taller.
  void showThirdField(bool shown);

  Program& p;
  Use m_use = Use::Curves;
  OkCancelButtons m_buttons;
};
