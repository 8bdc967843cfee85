// SPDX-License-Identifier: MIT
// The parameter sliders window.
#include "ui/ParameterSliders.h"

#include "graph/Corrections.h"
#include "graph/Format.h"
#include "graph/NumberField.h"
#include "render/Program.h"
#include "ui/DialogParts.h"
#include "ui/EngineTexts.h"
#include "ui/Looks.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace {

constexpr double EndMargin = 10;
// The window fits right of the picture of a maximized window on a screen 1280 wide.
constexpr int FieldWidth = 66, SliderWidth = 110;

// An end in the caption format, which stays short for any value; the field reads back the
// exact end while it shows this text unedited.
void showEnd(QLineEdit* field, double end) {
  showFieldText(field, QString::fromStdString(ParameterCaptionText(end)).trimmed().toStdString());
}

} // namespace

int SliderRange::stepOf(double value) const {
  const double t = (value - low) / (high - low);
  if (!std::isfinite(t)) return 0;
  return static_cast<int>(std::lround(std::clamp(t, 0.0, 1.0) * Steps));
}

double SliderRange::valueAt(int step) const {
  return std::lerp(low, high, static_cast<double>(step) / Steps);
}

void SliderRange::contain(double value) {
  if (!std::isfinite(value)) return;
  if (value >= std::min(low, high) && value <= std::max(low, high)) return;
  low = value - EndMargin;
  high = value + EndMargin;
}

ParameterSliders::ParameterSliders(Program& program) : QWidget(nullptr, Qt::Tool), p(program) {
  setWindowTitle(tr("Parameter Sliders"));
  useDialogFont(this);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 8, 8, 8);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);
  grid->addWidget(new QLabel(tr("from"), this), 0, 1, Qt::AlignHCenter);
  grid->addWidget(new QLabel(tr("to"), this), 0, 3, Qt::AlignHCenter);
  for (int i = 0; i < 6; ++i) createRow(i);
  setFixedSize(sizeHint());
}

ParameterSliders::~ParameterSliders() {
  for (const Row& row : m_rows)
    for (QObject* control : {static_cast<QObject*>(row.low), static_cast<QObject*>(row.high),
                             static_cast<QObject*>(row.slider)})
      if (control) QObject::disconnect(control, nullptr, this, nullptr);
}

void ParameterSliders::createRow(int index) {
  static const char* const names[6] = {"a", "b", "c", "d", "e", "f"};
  auto* grid = static_cast<QGridLayout*>(layout());
  const int line = index + 1;
  Row& row = m_rows[index];
  auto* name = new QLabel(names[index], this);
  name->setFont(pixelFont("MS Sans Serif", 15, true));
  grid->addWidget(name, line, 0);

  row.low = new QLineEdit(this);
  row.high = new QLineEdit(this);
  for (QLineEdit* field : {row.low, row.high}) field->setFixedWidth(FieldWidth);
  const QChar letter = QLatin1Char(static_cast<char>('a' + index));
  row.low->setAccessibleName(tr("Lowest %1").arg(letter));
  row.high->setAccessibleName(tr("Highest %1").arg(letter));
  grid->addWidget(row.low, line, 1);
  grid->addWidget(row.high, line, 3);
  connect(row.low, &QLineEdit::editingFinished, this,
          [this, index] { endEntered(index, m_rows[index].low, m_rows[index].range.low); });
  connect(row.high, &QLineEdit::editingFinished, this,
          [this, index] { endEntered(index, m_rows[index].high, m_rows[index].range.high); });

  row.slider = new QSlider(Qt::Horizontal, this);
  row.slider->setRange(0, SliderRange::Steps);
  row.slider->setSingleStep(1);
  row.slider->setPageStep(SliderRange::Steps / 20);
  row.slider->setMinimumWidth(SliderWidth);
  grid->addWidget(row.slider, line, 2);
  connect(row.slider, &QSlider::valueChanged, this, [this, index](int step) { slid(index, step); });
  connect(row.slider, &QSlider::sliderReleased, this, &ParameterSliders::slideEnded);

  // Fixed pitch keeps the right-aligned caption text in one column as the value changes.
  row.value = new QLabel(this);
  QFont fixed = pixelFont("Courier New", 13);
  fixed.setStyleHint(QFont::Monospace);
  row.value->setFont(fixed);
  row.value->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance("-0.000E+00"));
  grid->addWidget(row.value, line, 4);
  showRow(index, p.graph.ParamValues[index]);
}

void ParameterSliders::ShowSliders(const QPoint& where) {
  refresh();
  move(where);
  show();
  raise();
}

void ParameterSliders::refresh() {
  for (int i = 0; i < 6; ++i) {
    const double value = p.graph.ParamValues[i];
    m_rows[i].range.contain(value);
    showRow(i, value);
  }
}

void ParameterSliders::showRow(int index, double value) {
  Row& row = m_rows[index];
  showEnd(row.low, row.range.low);
  showEnd(row.high, row.range.high);
  const QSignalBlocker quiet(row.slider);
  row.slider->setValue(row.range.stepOf(value));
  row.value->setText(QString::fromStdString(ParameterCaptionText(value)));
}

void ParameterSliders::slid(int index, int step) {
  const double value = m_rows[index].range.valueAt(step);
  m_rows[index].value->setText(QString::fromStdString(ParameterCaptionText(value)));
  emit parameterMoved(index, value);
  // A step of the keys or the wheel comes without a press: it is a whole slide of its own.
  if (!m_rows[index].slider->isSliderDown()) emit slideEnded();
}

void ParameterSliders::endEntered(int index, QLineEdit* field, double& end) {
  const QString typed = field->text();
  FieldProblem problem;
  const bool read = !p.DrawInProgress && fieldEdited(field);
  if (read) TryReadNumberField(p, toStdString(typed), end, problem);
  // The parameter keeps its value; the slider shows it at the nearer end if it lies beyond.
  showRow(index, p.graph.ParamValues[index]);
  // The field shows the end it kept; its mark names the text that was not read.
  if (read && problem) {
    const QString reason = EngineText(problem.reason);
    markField(field, typed.isEmpty() ? reason : tr("'%1': %2").arg(typed, reason));
  }
}

void ParameterSliders::setRange(int index, double low, double high) {
  Row& row = m_rows[static_cast<std::size_t>(index)];
  row.range.low = low;
  row.range.high = high;
  showRow(index, p.graph.ParamValues[static_cast<std::size_t>(index)]);
}
