// The repeating invoices' schedules (RECUR, one record per schedule): the
// invoice each copies, its dates, how many invoices it has made, and the
// number of the one being made. A folder without the table has no
// schedules. The field names are a contract with other tools: SCHED IVNO
// EVERY DAY FIRST UNTIL TIMES MADE PENDING LASTIVNO ISSUE STATE.
#ifndef DATA_RECURRINGSCHEDULES_H
#define DATA_RECURRINGSCHEDULES_H

#include <QChar>
#include <QList>

#include "data/dbFiles.h"

struct ScheduleRecord {
  long sched = 0;      // SCHED
  long template_ = 0;  // IVNO: the invoice each new one copies
  QChar every = QLatin1Char('M');  // EVERY: W M Q Y
  int day = 0;         // DAY of the month; 0: the first date's
  TDate first = 0;     // FIRST
  TDate until = 0;     // UNTIL; 0: none
  int times = 0;       // TIMES; 0: no limit
  int made = 0;        // MADE: invoices made so far
  long pending = 0;    // PENDING: the number of invoice MADE + 1 while it is made
  long last = 0;       // LASTIVNO: the invoice made last
  bool issue = false;  // ISSUE: each new invoice is issued at once
  QChar state = QLatin1Char('A');  // STATE: A active, P paused, E ended

  bool active() const { return state == QLatin1Char('A'); }
};

// Every schedule in number order; none when the folder has no table.
QList<ScheduleRecord> AllSchedules();
// Writes s.sched's record, appending it when there is none, to the file at
// once. A new schedule (sched 0) is given the next number. False when the
// folder has no table or it cannot be written.
bool WriteSchedule(ScheduleRecord& s);
// Closes the table when this process opened it.
void CloseSchedules();
// The handle let go with the other tables' (ForgetTableHandles).
void ForgetSchedulesHandle();

#endif  // DATA_RECURRINGSCHEDULES_H
