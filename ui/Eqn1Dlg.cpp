// SPDX-License-Identifier: MIT
// The function editor.
#include "ui/Eqn1Dlg.h"

#include "graph/Sampling.h"
#include "render/Program.h"
#include "ui/EngineTexts.h"

#include <QColor>
#include <QFontMetrics>
#include <QFrame>
#include <QPalette>

namespace {

// Client heights; the form heights of the layouts add a 27-pixel caption bar.
constexpr int OneBevel = 75, OneHeight = 180 - 27, OneButtons = 120;
constexpr int ThreeBevel = 97, ThreeHeight = 209 - 27, ThreeButtons = 140;
constexpr int Width = 313;
// The line the failure takes under the heading.
constexpr int FailureTop = 28, FailureLine = 20;

std::string storedText(const QLineEdit* edit) {
  const std::string text = edit->text().toStdString();
  return text.empty() ? "0" : text;
}

const char* headingFor(char kind) {
  switch (kind) {
  case '2':
    return QT_TRANSLATE_NOOP("TEqnDlg", "Enter your Function of r and t (t for theta)");
  case '3':
    return QT_TRANSLATE_NOOP("TEqnDlg", "Enter your Functions of t");
  case '4':
    return QT_TRANSLATE_NOOP("TEqnDlg", "Enter your Functions of u and v");
  case ImplicitKind:
    return QT_TRANSLATE_NOOP("TEqnDlg", "Enter F(x,y,z) = 0 or an equation in x, y, z");
  default:
    return QT_TRANSLATE_NOOP("TEqnDlg", "Enter your Function of x and y");
  }
}

} // namespace

TEqnDlg::TEqnDlg(Program& program, QWidget* parent)
    : QDialog(parent), p(program), m_buttons(this, 72, OneButtons) {
  useDialogFont(this);
  setWindowTitle(tr("  Function Editor"));
  Label1 = placeLabel(this, tr("Enter your Functions"), 12, 8, Width - 24);
  FailureLabel = placeLabel(this, QString(), 12, FailureTop, Width - 24);
  FailureLabel->resize(FailureLabel->width(), Label1->height());
  QPalette failureColors = FailureLabel->palette();
  failureColors.setColor(QPalette::WindowText, QColor(128, 0, 0));
  FailureLabel->setPalette(failureColors);
  FailureLabel->hide();
  Bevel1 = new QFrame(this);
  Bevel1->setFrameShape(QFrame::Box);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(8, 32, Width - 16, ThreeBevel);
  Bevel1->lower();
  Label2 = placeLabel(this, "Z = ", 16, 46, 32);
  Edit1 = placeEdit(this, 48, 42, 249);
  Label3 = placeLabel(this, "Y =", 16, 76, 32);
  Edit2 = placeEdit(this, 48, 72, 249);
  Label4 = placeLabel(this, "Z =", 16, 106, 32);
  Edit3 = placeEdit(this, 48, 102, 249);
  Edit1->setText("Edit1");
  Edit2->setText("Edit2");
  Edit3->setText("Edit3");
  setFixedSize(Width, ThreeHeight);
}

void TEqnDlg::setThreeFunctions(bool three, int shift) {
  Bevel1->setGeometry(8, 32 + shift, Bevel1->width(), three ? ThreeBevel : OneBevel);
  setFixedSize(Width, (three ? ThreeHeight : OneHeight) + shift);
  m_buttons.moveTop((three ? ThreeButtons : OneButtons) + shift);
  // A single field sits in the middle of its smaller frame.
  Edit1->move(Edit1->x(), (three ? 42 : 57) + shift);
  Label2->move(Label2->x(), (three ? 46 : 61) + shift);
  Label3->move(Label3->x(), 76 + shift);
  Edit2->move(Edit2->x(), 72 + shift);
  Label4->move(Label4->x(), 106 + shift);
  Edit3->move(Edit3->x(), 102 + shift);
  for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Edit2),
                     static_cast<QWidget*>(Label4), static_cast<QWidget*>(Edit3)})
    w->setVisible(three);
}

void TEqnDlg::load(Mode mode) {
  const GraphState& g = p.graph;
  const bool three = g.GraphKind == '3' || g.GraphKind == '4';
  const bool failed = mode == Mode::AfterError && p.LastFailure.set;
  m_mode = mode;
  setThreeFunctions(three, failed ? FailureLine : 0);
  if (three)
    Label2->setText("X =");
  else if (g.GraphKind == ImplicitKind)
    Label2->setText("F :");
  else if (mode == Mode::Edit || Label2->text() == "F :")
    Label2->setText("Z =");
  Label1->setText(tr(mode == Mode::AfterError ? ErrorHeading : headingFor(g.GraphKind)));
  if (three) {
    Edit1->setText(QString::fromStdString(g.FunctionTextX));
    Edit2->setText(QString::fromStdString(g.FunctionTextY));
    Edit3->setText(QString::fromStdString(g.FunctionTextZ));
  } else {
    Edit1->setText(QString::fromStdString(g.FunctionText));
  }
  for (QLineEdit* edit : {Edit1, Edit2, Edit3}) unmarkField(edit);
  m_failureField = nullptr;
  FailureLabel->setVisible(failed);
  if (failed)
    showFailure(three);
  else
    focusAndSelect(Edit1);
}

void TEqnDlg::showFailure(bool three) {
  const EvalFailure& failure = p.LastFailure;
  const QString described = EngineText(DescribeEvalFailure(p));
  // A long reason (or unknown name) would run past the dialog; the tooltip has the whole line.
  FailureLabel->setText(
      FailureLabel->fontMetrics().elidedText(described, Qt::ElideRight, FailureLabel->width()));
  FailureLabel->setToolTip(described);
  m_failureField = Edit1;
  if (three && failure.function == 'Y') m_failureField = Edit2;
  if (three && failure.function == 'Z') m_failureField = Edit3;
  markField(m_failureField, described);
  selectFailure();
}

void TEqnDlg::selectFailure() {
  const EvalFailure& failure = p.LastFailure;
  m_failureField->setFocus(Qt::OtherFocusReason);
  // The failure's columns count in the text that failed; a field holding another text (or a
  // value that could not be had) is selected whole.
  if (toStdString(m_failureField->text()) == failure.text)
    selectMistake(m_failureField, failure.column, failure.length);
  else
    m_failureField->selectAll();
}

void TEqnDlg::setVisible(bool visible) {
  QDialog::setVisible(visible);
  if (visible && m_failureField) selectFailure();
}

bool TEqnDlg::apply(int result) {
  if (result == QDialog::Rejected) return false;
  GraphState& g = p.graph;
  if (m_mode == Mode::Edit) g.FunctionReady = true;
  if (g.GraphKind == '3' || g.GraphKind == '4') {
    g.FunctionTextX = storedText(Edit1);
    g.FunctionTextY = storedText(Edit2);
    g.FunctionTextZ = storedText(Edit3);
  } else {
    g.FunctionText = storedText(Edit1);
  }
  return true;
}
