#include "invoicing/RecurringInvoices.h"

#include <QCoreApplication>
#include <algorithm>

#include "data/CodeBase.h"
#include "data/InvoiceLoad.h"
#include "data/InvoiceStates.h"
#include "data/Progress.h"
#include "data/Settings.h"
#include "invoicing/InvoiceCopy.h"
#include "invoicing/InvoiceRecords.h"
#include "invoicing/InvoiceState.h"
#include "platform/Clock.h"
#include "platform/Dates.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(RecurringInvoices)
};

struct Due {
  QDate date;
  qsizetype schedule;  // index into the schedules
};

}  // namespace

void MakeDueInvoicesAtStart() {
  const QList<ScheduleRecord> schedules = AllSchedules();
  CloseSchedules();
  if (std::none_of(schedules.begin(), schedules.end(), [](const ScheduleRecord& s) { return s.active(); })) return;
  RecurringRun run;
  {
    TablesClosedAtEnd tables;
    if (!OpenInvoiceTables()) return;
    if (MakeDueInvoices(Clock::today(), true).made.isEmpty()) return;
    ShowProgress(true, Tr::tr("Making Repeating Invoices"));
    run = MakeDueInvoices(Clock::today(), false,
                          [](int done, int total) { SetProgress(total > 0 ? 100 * done / total : 100); });
    ShowProgress(false);
  }
  QStringList lines;
  for (const MadeInvoice& m : run.made)
    //: %1 invoice number, %2 its date, %3 the schedule
    lines << Tr::tr("Invoice %1 of %2 (schedule %3)").arg(m.ivNo).arg(FormatShortDate(DateFromQDate(m.date))).arg(m.sched);
  if (!lines.isEmpty()) lines.prepend(Tr::tr("Repeating invoices made:"));
  if (!run.error.isEmpty()) lines << run.error;
  if (run.error.isEmpty())
    Ui::get().information(lines.join(QLatin1Char('\n')));
  else
    Ui::get().error(lines.join(QLatin1Char('\n')));
}

Recurrence RecurrenceOf(const ScheduleRecord& s) {
  return {s.every, s.day, QDateFromDate(s.first), QDateFromDate(s.until), s.times};
}

RecurringRun MakeDueInvoices(QDate upTo, bool dryRun, const std::function<void(int, int)>& progress) {
  RecurringRun run;
  QList<ScheduleRecord> schedules = AllSchedules();
  QList<Due> due;
  for (qsizetype i = 0; i < schedules.size(); ++i) {
    if (!schedules[i].active()) continue;
    for (const QDate& date : DueOccurrences(RecurrenceOf(schedules[i]), schedules[i].made, upTo))
      due.append({date, i});
  }
  std::stable_sort(due.begin(), due.end(), [](const Due& a, const Due& b) { return a.date < b.date; });
  // A run cut short while it wrote an invoice may have left an index
  // without the record's new keys: they are written afresh first.
  const bool cutShort = std::any_of(schedules.begin(), schedules.end(), [](const ScheduleRecord& s) { return s.pending > 0; });
  if (cutShort && !dryRun) {
    run.error = MendCutShortWrite();
    if (!run.error.isEmpty()) return run;
  }
  long next = NextInvoiceNumber();
  for (qsizetype k = 0; k < due.size(); ++k) {
    if (progress) progress(int(k), int(due.size()));
    ScheduleRecord& s = schedules[due[k].schedule];
    InvoiceContent t;
    if (!ReadInvoiceContent(s.template_, &t)) {
      run.error = Tr::tr("Schedule %1 repeats invoice %2, which is no longer there.").arg(s.sched).arg(s.template_);
      break;
    }
    if (dryRun) {
      run.made.append({s.sched, due[k].date, s.pending > 0 ? s.pending : next++});
      continue;
    }
    // The number first, kept in the schedule: a run cut short after it
    // writes this invoice again, under this number, and no other.
    if (s.pending > 0 && !IsCopyOf(s.pending, t, due[k].date)) s.pending = 0;  // taken by another since
    if (s.pending == 0) {
      s.pending = NextInvoiceNumber();
      if (!WriteSchedule(s)) {
        run.error = Tr::tr("Schedule %1 could not be written.").arg(s.sched);
        break;
      }
    }
    const bool issued = ReadInvoiceState(s.pending).isIssued();  // made and issued before the cut
    QString why = issued ? QString() : WriteInvoiceCopy(t, s.pending, due[k].date);
    if (why.isEmpty() && !issued && s.issue && !IssueStoredInvoice(s.pending))
      why = Tr::tr("its state could not be written");
    if (!why.isEmpty()) {
      //: %3 why
      run.error = Tr::tr("Invoice %1 of schedule %2 could not be written: %3").arg(s.pending).arg(s.sched).arg(why);
      break;
    }
    run.made.append({s.sched, due[k].date, s.pending});
    s.last = s.pending;
    s.pending = 0;
    ++s.made;
    if (!WriteSchedule(s)) {
      run.error = Tr::tr("Schedule %1 could not be written.").arg(s.sched);
      break;
    }
  }
  if (progress) progress(int(due.size()), int(due.size()));
  return run;
}
