#include "platform/DateBox.h"

DateBox::DateBox(QWidget* parent, const QString& editMask) : MaskedBox(editMask, parent) {}

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
