// One stored field read as the export writes it. The bytes of a .dbf field
// become a typed value, exactly: numbers as whole multiples of their last
// decimal place (never through a binary fraction), dates as ISO dates,
// texts as UTF-8 from Windows-1252 with trailing blanks cut.
#ifndef EXPORT_STOREDVALUE_H
#define EXPORT_STOREDVALUE_H

#include <QByteArray>
#include <QtGlobal>

// What a column holds in the export.
enum class ColumnKind {
  Integer,  // N without decimals
  Decimal,  // N with decimals
  Date,     // D
  Logical,  // L
  Text,     // C and M
};

struct ExportValue {
  enum class Kind { Null, Number, Date, Logical, Text };
  Kind kind = Kind::Null;
  qint64 number = 0;  // Number: the value times 10^decimals
  bool logical = false;
  QByteArray text;    // Text: UTF-8; Date: "YYYY-MM-DD"
};

enum class ValueProblem {
  None,
  UnreadableNumber,  // not a number, or one the export cannot hold exactly
  ImpossibleDate,    // not blank, yet no day of the calendar
};

// A number field of width bytes with decimals places: blank is Null; up to
// 18 digits, with no more places than the field has (but for zeros), read
// exactly; anything else is Null with UnreadableNumber.
ValueProblem ReadNumber(const char* stored, int width, int decimals, ExportValue* out);
// "yyyymmdd": blank (or all zeros) is Null; a day of years 1 to 9999 is a
// Date; anything else is Null with ImpossibleDate.
ValueProblem ReadDate(const char* stored, ExportValue* out);
// T t Y y true, F f N n false, anything else (blank, "?") Null.
void ReadLogical(char stored, ExportValue* out);
// Text without the blanks, line ends and NULs it ends with; a NUL inside
// becomes "?" as the program stores it.
void ReadText(const char* stored, qsizetype length, ExportValue* out);
// A memo's text exactly as stored, the blanks and line ends it ends with
// kept (they are the person's, not a field's padding); a NUL inside
// becomes "?" alike.
void ReadMemoText(const char* stored, qsizetype length, ExportValue* out);

// The value of number at decimals places as decimal text: "-12.30", "7".
QByteArray DecimalText(qint64 number, int decimals);

#endif  // EXPORT_STOREDVALUE_H
