#include "platform/DateBox.h"

namespace {
// The mask's "/" stands for the locale's date separator.
QString LocaleMask(QString mask) {
  const int end = mask.indexOf(QLatin1Char(';'));
  for (int i = 0; i < (end < 0 ? mask.size() : end); ++i) {
    if (mask[i] == QLatin1Char('/')) mask[i] = DateSeparator();
  }
  return mask;
}
}  // namespace

DateBox::DateBox(QWidget* parent, const QString& editMask) : MaskedBox(LocaleMask(editMask), parent) {}

void DateBox::setDate(TDate d) { setText(FormatShortDate(d)); }

TDate DateBox::date() const { return ParseShortDate(boxText()); }

bool DateBox::onLeave() {
  QString text = boxText();
  if (!ValidateDateText(text)) {
    setFocus(Qt::OtherFocusReason);
    return false;
  }
  setText(text);
  return true;
}
