// SPDX-License-Identifier: MIT
// Small pieces shared by the settings dialogs.
#include "ui/DialogParts.h"

#include "graph/Format.h"

void useDialogFont(QWidget* dialog) {
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  dialog->setFont(font);
}

QLabel* placeLabel(QWidget* parent, const QString& text, int left, int top, int width) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
  if (width > 0)
    label->resize(width, label->sizeHint().height());
  else
    label->adjustSize();
  return label;
}

QLineEdit* placeEdit(QWidget* parent, int left, int top, int width, int height) {
  auto* edit = new QLineEdit(parent);
  edit->setGeometry(left, top, width, height);
  return edit;
}

namespace {
constexpr const char* OpenedTextProperty = "kelvoOpenedText";
} // namespace

void showFieldText(QLineEdit* edit, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  edit->setText(shown);
  edit->setProperty(OpenedTextProperty, shown);
}

void showNumberField(QLineEdit* edit, double value) {
  showFieldText(edit, formatFixed(value, 8, 5));
}

std::string editedFieldText(const QLineEdit* edit) {
  if (edit->text() == edit->property(OpenedTextProperty).toString()) return {};
  return edit->text().toStdString();
}

void focusAndSelect(QLineEdit* edit) {
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
}

OkCancelButtons::OkCancelButtons(QDialog* dialog, int left, int top)
    : ok(new QPushButton(QDialog::tr("OK"), dialog)),
      cancel(new QPushButton(QDialog::tr("Cancel"), dialog)) {
  ok->setDefault(true);
  ok->setGeometry(left, top, 75, 25);
  cancel->setGeometry(left + 85, top, 75, 25);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

void OkCancelButtons::moveTop(int top) {
  ok->move(ok->x(), top);
  cancel->move(cancel->x(), top);
}
