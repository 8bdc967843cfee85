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
#include <vector>

struct Session;

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
// Whether the field's text is no longer the one the dialog opened with.
bool fieldEdited(const QLineEdit* edit);

// A field whose text could not be read says why: a red frame, and the reason as its tooltip,
// until its text changes (or showFieldText fills it again).
void markField(QLineEdit* edit, const QString& reason);
void unmarkField(QLineEdit* edit);
// The reason the field is marked with; empty while it is not marked.
QString fieldMark(const QLineEdit* edit);
// Selects a mistake in the field's text: column and length count bytes of its UTF-8 text, the
// column from 1, as the expression engine reports them. A length of 0 puts the cursor at the
// column (one past the end for a text that ends too early); column 0 selects the whole text.
void selectMistake(QLineEdit* edit, int column, int length);

// OK of a dialog with numeric fields. Each visible field that was edited and cannot be read is
// marked. The dialog may close when no field is unreadable, or when each unreadable one was
// marked with the same reason by an earlier OK (the user has seen it; the old value is kept).
// Otherwise the first newly marked field takes the focus with its mistake selected, its
// reason shows at once, and the answer is false.
bool acceptNumberFields(Session& s, const std::vector<QLineEdit*>& fields);
template <std::size_t N> bool acceptNumberFields(Session& s, QLineEdit* const (&fields)[N]) {
  return acceptNumberFields(s, std::vector<QLineEdit*>(fields, fields + N));
}

// The OK (default) and Cancel buttons of a dialog; Cancel also answers the Esc key.
struct OkCancelButtons {
  OkCancelButtons(QDialog* dialog, int left, int top);
  void moveTop(int top);
  QPushButton* ok;
  QPushButton* cancel;
};
