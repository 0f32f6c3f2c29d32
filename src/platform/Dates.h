// Dates: whole days since 1899-12-30 in memory (0 = no date), "yyyymmdd"
// in the tables, the short date format on screen (the locale's order of day,
// month and year, two digits each, "/" between them). Years typed or stored
// with two digits fall in the hundred years that begin 60 years before the
// current year.
#ifndef PLATFORM_DATES_H
#define PLATFORM_DATES_H

#include <QDate>
#include <QString>

using TDate = int;

TDate DateFromQDate(const QDate& d);  // invalid -> 0
QDate QDateFromDate(TDate d);          // 0 or less -> invalid QDate

// The same day and month with the year moved into the window.
TDate CenturyWindow(TDate d);
// What a table stores: "yyyymmdd" after CenturyWindow, "" for no date.
QString DateToStored(TDate d);
// A stored date; 0 for a blank or impossible one.
TDate StoredToDate(const QString& stored);

// The locale's date separator ("." in German, "/" in English and French).
QChar DateSeparator();
// The short date format ("MM/dd/yy" for en_US, "dd.MM.yy" for de_DE),
// built from the locale.
QString ShortDateFormat();
QString FormatShortDate(TDate d);  // "" for 0
// Parses a short date (two-digit years placed by the 60-year window);
// throws ConversionError when it is not a date.
TDate ParseShortDate(const QString& text);
// Parses text in the short date format; on failure shows "Invalid Date
// Entered" (warning) and returns false, leaving text as it is; on success
// rewrites text in the short date format.
bool ValidateDateText(QString& text);

#endif  // PLATFORM_DATES_H
