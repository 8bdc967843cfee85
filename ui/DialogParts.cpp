// SPDX-License-Identifier: MIT
// Small pieces shared by the settings dialogs.
#include "ui/DialogParts.h"

#include "graph/Format.h"
#include "graph/NumberField.h"
#include "ui/EngineTexts.h"

#include <QToolTip>

#include <algorithm>

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
// The reason a field is marked with, and what the mark covers up.
constexpr const char* MarkProperty = "kelvoFieldMark";
constexpr const char* PlainToolTipProperty = "kelvoPlainToolTip";
constexpr const char* PlainStyleProperty = "kelvoPlainStyle";
// Set once the field unmarks itself on any change of its text.
constexpr const char* WatchedProperty = "kelvoMarkWatched";
constexpr const char* MarkStyle = "QLineEdit { border: 2px solid rgb(208, 0, 0); }";
} // namespace

void showFieldText(QLineEdit* edit, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  edit->setText(shown);
  edit->setProperty(OpenedTextProperty, shown);
  unmarkField(edit);
}

void showNumberField(QLineEdit* edit, double value) {
  showFieldText(edit, formatFixed(value, 8, 5));
}

std::string editedFieldText(const QLineEdit* edit) {
  if (!fieldEdited(edit)) return {};
  return edit->text().toStdString();
}

bool fieldEdited(const QLineEdit* edit) {
  return edit->text() != edit->property(OpenedTextProperty).toString();
}

void focusAndSelect(QLineEdit* edit) {
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
}

void markField(QLineEdit* edit, const QString& reason) {
  if (!edit->property(WatchedProperty).toBool()) {
    edit->setProperty(WatchedProperty, true);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { unmarkField(edit); });
  }
  if (fieldMark(edit).isEmpty()) {
    edit->setProperty(PlainToolTipProperty, edit->toolTip());
    edit->setProperty(PlainStyleProperty, edit->styleSheet());
    edit->setStyleSheet(MarkStyle);
  }
  edit->setProperty(MarkProperty, reason);
  edit->setToolTip(reason);
}

void unmarkField(QLineEdit* edit) {
  if (fieldMark(edit).isEmpty()) return;
  edit->setProperty(MarkProperty, QVariant());
  edit->setToolTip(edit->property(PlainToolTipProperty).toString());
  edit->setStyleSheet(edit->property(PlainStyleProperty).toString());
}

QString fieldMark(const QLineEdit* edit) {
  return edit->property(MarkProperty).toString();
}

void selectMistake(QLineEdit* edit, int column, int length) {
  const QByteArray text = edit->text().toUtf8();
  if (column < 1 || column > text.size() + 1) {
    edit->selectAll();
    return;
  }
  // A QLineEdit counts UTF-16 units; the engine counts bytes.
  const auto units = [&text](int bytes) {
    return QString::fromUtf8(text.constData(), std::min<qsizetype>(bytes, text.size())).size();
  };
  const int start = static_cast<int>(units(column - 1));
  const int end = static_cast<int>(units(column - 1 + std::max(length, 0)));
  if (end > start)
    edit->setSelection(start, end - start);
  else
    edit->setCursorPosition(start);
}

bool acceptNumberFields(Session& s, const std::vector<QLineEdit*>& fields) {
  QLineEdit* first = nullptr;
  FieldProblem firstProblem;
  for (QLineEdit* edit : fields) {
    // A hidden field is not read.
    if (!edit->isVisibleTo(edit->window())) continue;
    const FieldProblem problem =
        fieldEdited(edit) ? NumberFieldProblem(s, toStdString(edit->text())) : FieldProblem{};
    if (!problem) {
      unmarkField(edit);
      continue;
    }
    const QString reason = EngineText(problem.reason);
    if (fieldMark(edit) == reason) continue;
    markField(edit, reason);
    if (!first) {
      first = edit;
      firstProblem = problem;
    }
  }
  if (!first) return true;
  first->setFocus(Qt::OtherFocusReason);
  selectMistake(first, firstProblem.column, firstProblem.length);
  if (first->isVisible())
    QToolTip::showText(first->mapToGlobal(QPoint(0, first->height())), fieldMark(first), first);
  return false;
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
