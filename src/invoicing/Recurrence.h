// The dates of a repeating invoice: every week, month, quarter or year from
// a first date, on a day of the month that is clamped at a short month's
// end (the 31st falls on 28 or 29 February and on 31 March again), until
// an end date or a number of invoices. Each date is computed from the
// first, never from the one before, so a clamped day does not stick, and
// in whole days with QDate, never through the two-digit year window.
#ifndef INVOICING_RECURRENCE_H
#define INVOICING_RECURRENCE_H

#include <QChar>
#include <QDate>
#include <QList>

struct Recurrence {
  // W weekly, M monthly, Q quarterly, Y yearly.
  QChar every = QLatin1Char('M');
  // The day of the month (1 to 31) of monthly, quarterly and yearly dates
  // after the first; 0: the first date's.
  int day = 0;
  QDate first;
  QDate until;    // invalid: no end date
  int times = 0;  // how many invoices in all; 0: no limit
};

// True when every is one of W M Q Y and first is a date.
bool RecurrenceValid(const Recurrence& r);

// The date of the k-th invoice (k from 0; the 0th is on the first date);
// invalid past the end date or the number of invoices, or when r is not
// valid.
QDate Occurrence(const Recurrence& r, int k);

// The dates from the made-th on (the invoices already made are not made
// again) up to and including upTo, in order.
QList<QDate> DueOccurrences(const Recurrence& r, int made, QDate upTo);

#endif  // INVOICING_RECURRENCE_H
