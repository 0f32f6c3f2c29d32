// Dates and text helpers shared by every part of the program.
//
// Dates in memory are whole days since 1899-12-30 (0 = no date); stored as
// "yyyymmdd"; shown in the short date format (the locale's order of day,
// month and year, two digits each, "/" between them).
#ifndef DATA_DATETEXT_H
#define DATA_DATETEXT_H

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <stdexcept>

using TDate = int;

// Thrown when a text cannot be converted to a number or a date; the
// handler that is running is abandoned and the message is shown in the
// framework's error box ("'abc' is not a valid floating point value.").
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString text() const { return QString::fromStdString(what()); }
};

TDate DateFromQDate(const QDate& d);  // invalid -> 0
QDate QDateFromDate(TDate d);          // 0 or less -> invalid QDate

TDate CenturyWindow(TDate d);
QString DateToStored(TDate d);
TDate StoredToDate(const QString& stored);
// Parses text in the short date format; on failure shows "Invalid Date
// Entered" (warning) and returns false, leaving text as it is; on success
// rewrites text in the short date format.
bool ValidateDateText(QString& text);
// Reformats a typed number with a printf format (e.g. "%10.2f"); throws
// ConversionError for a text without a number.
QString FormatNumberText(const QString& text, const char* format);
double RoundMoney(double x);
QString PadLeft(long n, int width);
QString Spaces(int count);
QString FixedText(int width, int decimals, double x);
int LastPos(const QString& needle, const QString& haystack);
QByteArray SeekKey(const QString& text);
int IndexInList(const QList<int>* list, int value);

// Called once at start: the user's locale decides the short date format and
// the decimal separator; a machine without a locale setting (the "C" locale)
// gets the conventions of en_US.
void UseUserLocale();
// The short date format ("MM/dd/yy" for en_US), built from the locale.
QString ShortDateFormat();
QString FormatShortDate(TDate d);  // "" for 0
// Parses a short date (two-digit years placed by the 60-year window);
// throws ConversionError when it is not a date.
TDate ParseShortDate(const QString& text);
// The user's decimal separator.
QChar DecimalSeparator();
// printf-style formatting of one double with the user's decimal separator.
QString FormatFloat(const char* format, double value);
// Reads a number typed with the user's decimal separator (blanks ignored);
// throws ConversionError when it is not a number.
double StrToFloat(const QString& text);

#endif  // DATA_DATETEXT_H
