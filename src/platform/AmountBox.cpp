#include "platform/AmountBox.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "platform/NumberText.h"
#include "platform/HandlerGuard.h"

namespace {

// The digit positions before the decimal point of an edit mask.
int IntegerPositions(const QString& editMask) {
  const QString mask = editMask.section(';', 0, 0);
  const int point = int(mask.indexOf('.'));
  const QString whole = point < 0 ? mask : mask.left(point);
  int n = 0;
  for (QChar c : whole)
    if (c == '#' || c == '9' || c == '0') ++n;
  return n;
}

}  // namespace

AmountBox::AmountBox(const QString& editMask, const char* format, QWidget* parent)
    : MaskedBox(QString(), parent), editMask_(editMask), format_(format) {
  setAlignment(Qt::AlignRight);
  applyMask(IntegerPositions(editMask));
}

void AmountBox::applyMask(int integerPositions) {
  QString mask = editMask_;
  const int grow = integerPositions - IntegerPositions(editMask_);
  if (grow > 0) {
    int first = 0;
    while (first < mask.size() && mask[first] == '!') ++first;
    mask.insert(first, QString(grow, '#'));
  }
  // Only the first "." of the mask part is the decimal point.
  const int point = int(mask.section(';', 0, 0).indexOf('.'));
  if (point >= 0) mask[point] = DecimalSeparator();
  integerPositions_ = integerPositions;
  setDesignMask(mask);
}

void AmountBox::showEvent(QShowEvent* event) {
  // The separator follows the user's settings as they are when shown.
  const QString shown = inputMask();
  if (!shown.contains(DecimalSeparator()) && editMask_.contains('.')) applyMask(integerPositions_);
  MaskedBox::showEvent(event);
}

void AmountBox::setText(const QString& text) {
  const QString number = text.trimmed();
  int whole = int(number.indexOf(DecimalSeparator()));
  if (whole < 0) whole = int(number.size());
  // Wide enough for this number, and no wider than the box's own mask needs.
  const int positions = std::max(whole, IntegerPositions(editMask_));
  if (positions != integerPositions_) applyMask(positions);
  MaskedBox::setText(text);
  fitWidth();
  judgeColour();
}

void AmountBox::fitWidth() {
  QStyleOptionFrame option;
  initStyleOption(&option);
  constexpr int kInnerMargins = 4;  // QLineEdit's own two pixels each side
  const int textWidth = fontMetrics().horizontalAdvance(displayText()) + kInnerMargins;
  const int needed =
      style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(textWidth, height()), this).width();
  const int designedMax = widened_ ? designedMax_ : maximumWidth();
  if (needed > designedMax) {
    if (!widened_) {
      designedMin_ = minimumWidth();
      designedMax_ = maximumWidth();
      widened_ = true;
    }
    setFixedWidth(needed);
  } else if (widened_) {
    widened_ = false;
    setMinimumWidth(designedMin_);
    setMaximumWidth(designedMax_);
  }
}

void AmountBox::setValue(double v) { setText(FormatFloat(format(), v)); }

double AmountBox::value() const { return StrToFloat(boxText()); }

void AmountBox::setRedWhenNegative(bool red) {
  colouring_ = red;
  judgeColour();
}

void AmountBox::judgeColour() {
  red_ = colouring_ && text().contains('-');
  QPalette p = palette();
  p.setColor(QPalette::Text, red_ ? Qt::red : Qt::black);
  setPalette(p);
}

bool AmountBox::reformat() {
  return RunGuarded([this] { setText(FormatNumberText(boxText(), format())); });
}

bool AmountBox::onLeave() {
  const bool ok = reformat();
  judgeColour();
  return ok;
}

void AmountBox::keyPressEvent(QKeyEvent* event) {
  judgeColour();
  if (!isReadOnly() && !event->text().isEmpty() && event->text()[0] == DecimalSeparator()) {
    if (!reformat()) return;  // the key is lost with the failed handler
    setCursorPosition(0);     // so the key itself moves on to the decimals
  }
  MaskedBox::keyPressEvent(event);
}
