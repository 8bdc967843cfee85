// SPDX-License-Identifier: MIT
// What a screen reader hears: every field of every form by a name, most by the label before it.
#include "render/Program.h"
#include "ui/Axes1.h"
#include "ui/Changer1.h"
#include "ui/Contour1.h"
#include "ui/Domain1.h"
#include "ui/Forms.h"
#include "ui/View.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

bool isField(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
         qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
         qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

// Qt's own file and colour dialogs name their fields themselves.
bool insideQtDialog(const QWidget* w) {
  for (const QWidget* at = w; at; at = at->parentWidget())
    if (qobject_cast<const QFileDialog*>(at) || qobject_cast<const QColorDialog*>(at)) return true;
  return false;
}

TEST(Accessibility, EveryFieldOfEveryFormHasAName) {
  Program p;
  Forms forms{p};
  // The dialogs whose labels follow the kind name their fields when they are loaded.
  p.graph.GraphKind = '1';
  forms.domainDlg->load();
  forms.change1Dlg->load(TChange1Dlg::Use::Curves);
  forms.contourDlg->load();
  int fields = 0;
  for (QWidget* form : QApplication::topLevelWidgets()) {
    for (const QWidget* w : form->findChildren<QWidget*>()) {
      // The line edit inside a combo or spin box is named with its box.
      if (!isField(w) || insideQtDialog(w) || qobject_cast<const QComboBox*>(w->parentWidget()) ||
          qobject_cast<const QAbstractSpinBox*>(w->parentWidget()))
        continue;
      ++fields;
      EXPECT_FALSE(w->accessibleName().isEmpty())
          << w->metaObject()->className() << " " << w->objectName().toStdString() << " in "
          << form->metaObject()->className();
    }
  }
  EXPECT_GT(fields, 40);
}

// The fields are named by the labels before them, and the labels lead to them.
TEST(Accessibility, DialogFieldsAreNamedByTheirLabels) {
  Program p;
  Forms forms{p};
  const TViewDlg& view = *forms.viewDlg;
  EXPECT_EQ(view.Edit1->accessibleName(), "Theta");
  EXPECT_EQ(view.Edit2->accessibleName(), "Phi");
  EXPECT_EQ(view.Edit3->accessibleName(), "Rho");
  int buddies = 0;
  for (const QLabel* label : forms.axesDlg->findChildren<QLabel*>())
    buddies += label->buddy() != nullptr;
  EXPECT_EQ(buddies, 6);
}

} // namespace
