// SPDX-License-Identifier: MIT
// Small pieces shared by the settings dialogs: placed labels, fields and the OK/Cancel pair.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <array>
#include <cstddef>
#include <string>

inline QString toQString(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string toStdString(const QString& text) {
  return text.toStdString();
}

// The dialogs' small sans-serif face, so that their labels fit the fixed layouts.
void useDialogFont(QWidget* dialog);
QLabel* placeLabel(QWidget* parent, const QString& text, int left, int top, int width = 0);
QLineEdit* placeEdit(QWidget* parent, int left, int top, int width, int height = 24);
// Shows a value's text in a field and remembers it as the text the dialog opened with.
void showFieldText(QLineEdit* edit, const std::string& text);
// The text to read back from a numeric field: empty, which keeps the setting exactly as it
// was, while the field still holds the text it opened with. A field shows a rounded value
// (pi as 3.14159); reading that back would silently replace the finer value.
std::string editedFieldText(const QLineEdit* edit);
// The read-back texts of a row of fields, in order.
template <std::size_t N> std::array<std::string, N> editedFieldTexts(QLineEdit* const (&edits)[N]) {
  std::array<std::string, N> texts;
  for (std::size_t i = 0; i < N; ++i) texts[i] = editedFieldText(edits[i]);
  return texts;
}
// A domain, axes or parameter value as its field shows it: 8 wide with 5 decimals.
void showNumberField(QLineEdit* edit, double value);
// Focus on the field with its whole text selected, as every dialog opens.
void focusAndSelect(QLineEdit* edit);

// The OK (default) and Cancel buttons of a dialog; Cancel also answers the Esc key.
struct OkCancelButtons {
  OkCancelButtons(QDialog* dialog, int left, int top);
  void moveTop(int top);
  QPushButton* ok;
  QPushButton* cancel;
};
