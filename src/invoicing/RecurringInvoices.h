// Making the invoices of the repeating schedules that are due: each a copy
// of its schedule's invoice (customer, department, memo, items, a typed
// first charge line) dated on its day, numbered next, with its charge
// lines and total computed again at today's settings, issued at once where
// the schedule says so. Missed days are made too, all in date order.
//
// Each invoice is made exactly once, also when the process is killed:
// before an invoice is written its number is kept in the schedule as the
// one being made; the next run finds it and writes it again in place (a
// copy is written whole over what part of it reached the tables) before it
// counts it made.
//
// Preconditions: the engine is started on the folder; the invoice tables
// are open (OpenInvoiceTables).
#ifndef INVOICING_RECURRINGINVOICES_H
#define INVOICING_RECURRINGINVOICES_H

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

#include "data/RecurringSchedules.h"
#include "invoicing/Recurrence.h"

struct MadeInvoice {
  long sched = 0;
  QDate date;
  long ivNo = 0;  // with dryRun: the number it would have
};

struct RecurringRun {
  QList<MadeInvoice> made;
  QString error;  // a schedule's invoice could not be written; the rest not made
};

// The schedule's dates as a Recurrence.
Recurrence RecurrenceOf(const ScheduleRecord& s);

// Makes every invoice due by upTo (with dryRun only lists them). progress
// is told (done, total) before each.
RecurringRun MakeDueInvoices(QDate upTo, bool dryRun,
                             const std::function<void(int, int)>& progress = nullptr);

// The program's start: makes what is due by today with the progress box,
// then says what was made (or why one could not be). Opens and closes the
// invoice tables itself; says nothing when nothing is due.
void MakeDueInvoicesAtStart();

#endif  // INVOICING_RECURRINGINVOICES_H
