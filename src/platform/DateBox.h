// A date box ("!99/99/00;1;_"): on leaving, the text must be a date in the
// short date format; it is then set out in that format, otherwise "Invalid
// Date Entered" is shown and the focus goes back to the box.
#ifndef PLATFORM_DATEBOX_H
#define PLATFORM_DATEBOX_H

#include "platform/Dates.h"
#include "platform/NumberText.h"
#include "platform/MaskedBox.h"

class DateBox : public MaskedBox {
  Q_OBJECT
 public:
  explicit DateBox(QWidget* parent = nullptr, const QString& editMask = "!99/99/00;1;_");

  // Shows d in the short date format (empty positions for no date).
  void setDate(TDate d);
  // The date in the box; throws ConversionError when it is not a date.
  TDate date() const;

 protected:
  bool onLeave() override;
};

#endif  // PLATFORM_DATEBOX_H
