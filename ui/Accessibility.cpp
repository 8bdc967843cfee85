// SPDX-License-Identifier: MIT
// What screen readers hear of the forms.
#include "ui/Accessibility.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVariant>

namespace {

bool isField(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
         qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
         qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

// The label's text as a name: without markup, mnemonics and a trailing "=" or ":".
QString nameOf(const QLabel& label) {
  QString text = label.text();
  text.remove(QLatin1Char('&'));
  text = text.simplified();
  while (text.endsWith(QLatin1Char('=')) || text.endsWith(QLatin1Char(':')))
    text = text.chopped(1).trimmed();
  return text;
}

// The label that stands before the field: in the same parent, ending left of the field's
// start and overlapping its line, the nearest such; a label above the field if none.
QLabel* labelBefore(const QWidget& field) {
  QLabel* best = nullptr;
  int bestGap = 1 << 30;
  const QRect at = field.geometry();
  for (QLabel* label : field.parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (nameOf(*label).isEmpty() || (label->buddy() && label->buddy() != &field)) continue;
    const QRect l = label->geometry();
    const bool sameLine = l.top() < at.bottom() && l.bottom() > at.top();
    const bool before = l.left() < at.left() && l.right() <= at.left() + 4;
    const bool above = l.bottom() <= at.top() + 4 && l.left() < at.right() && l.right() > at.left();
    int gap = 1 << 30;
    if (sameLine && before)
      gap = at.left() - l.right();
    else if (above)
      gap = 1000 + at.top() - l.bottom();
    if (gap < bestGap) {
      bestGap = gap;
      best = label;
    }
  }
  return best;
}

} // namespace

void NameFieldsByTheirLabels(QWidget* root) {
  static const char* const NamedByLabel = "kelvoNamedByLabel";
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  for (QWidget* w : widgets) {
    if (!isField(w) || !w->parentWidget()) continue;
    // A name given elsewhere stays; one taken from a label follows the label's new text.
    if (!w->accessibleName().isEmpty() && !w->property(NamedByLabel).toBool()) continue;
    if (QLabel* label = labelBefore(*w)) {
      w->setAccessibleName(nameOf(*label));
      w->setProperty(NamedByLabel, true);
      label->setBuddy(w);
    }
  }
}
