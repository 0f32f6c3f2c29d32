#include "invoicing/RecurringInvoices.h"

#include <QCoreApplication>
#include <algorithm>

#include "data/CodeBase.h"
#include "data/InvoiceLoad.h"
#include "data/InvoiceStates.h"
#include "data/Progress.h"
#include "data/Settings.h"
#include "invoicing/InvoiceMath.h"
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

struct Template {
  InvoiceRecord header;
  QList<ItemRecord> items;
};

// The invoice ivNo as INV5 and ITM5 hold it; false when there is none.
bool ReadTemplate(long ivNo, Template* t) {
  d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
  if (!SeekNumber(Inv5.d, Inv5.IvNo, ivNo)) return false;
  ReadInvoice();
  t->header = CurrentInvoice;
  t->items.clear();
  for (bool on = SeekNumber(Itm5.d, Itm5.IvNo, ivNo); on; on = NextOfNumber(Itm5.d, Itm5.IvNo, ivNo)) {
    if (d4deleted(Itm5.d)) continue;
    ReadItem();
    t->items.append(ItemBuf);
  }
  return true;
}

// The INV5 record of invoice ivNo, 0 when there is none.
int RecordOf(long ivNo) {
  d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
  return SeekNumber(Inv5.d, Inv5.IvNo, ivNo) ? int(d4recNo(Inv5.d)) : 0;
}

// The header of the copy dated date: amounts at today's settings.
InvoiceRecord CopyHeader(const Template& t, long ivNo, QDate date) {
  InvoiceRecord h;
  h.IvNo = ivNo;
  h.CuNo = t.header.CuNo;
  h.IDate = DateFromQDate(date);
  h.Dept = t.header.Dept;
  h.REM = t.header.REM;
  QList<ItemAmounts> amounts;
  for (const ItemRecord& item : t.items)
    amounts.append({FormatFloat("%9.2f", item.Qty), FormatFloat("%8.2f", item.UPR),
                    item.LTax1 ? QStringLiteral("t") : QStringLiteral("f"),
                    item.LTax2 ? QStringLiteral("t") : QStringLiteral("f")});
  const ChargeLines lines = ComputeTaxes(amounts, t.header.Ship, t.header.Tax, true, Settings());
  h.Ship = lines.line1;
  h.Tax = lines.line2;
  h.Due = InvoiceSumsFor(amounts, h.Ship, h.Tax, {}).Due;
  return h;
}

// True when invoice ivNo is not there or is (the start of) the copy of t
// dated date: a number kept by a run cut short that no one took since.
bool IsCopyOf(long ivNo, const Template& t, QDate date) {
  if (RecordOf(ivNo) == 0) return true;
  ReadInvoice();
  return CurrentInvoice.CuNo == t.header.CuNo && CurrentInvoice.IDate == DateFromQDate(date);
}

// Writes the copy numbered ivNo, over its INV5 record where one is there;
// the engine's message when it could not.
QString WriteCopy(const Template& t, long ivNo, QDate date) {
  // The engine's pending error and its text, cleared.
  const auto failure = [] {
    const std::string text = code4errorText(cb);  // clearing the error clears its text
    if (code4errorCode(cb, 0) >= 0) return QString();
    return QString::fromLocal8Bit(text.c_str());
  };
  int rec = RecordOf(ivNo);
  if (rec == 0) {
    if (d4appendBlank(Inv5.d) != r4success) return failure();
    rec = int(d4recNo(Inv5.d));
  }
  d4go(Inv5.d, rec);
  CurrentInvoice = CopyHeader(t, ivNo, date);
  WriteInvoice();
  WriteCurrentRecord(Inv5.d);
  if (QString why = failure(); !why.isEmpty()) return why;
  QList<ItemRecord> items = t.items;
  for (ItemRecord& item : items) item.IvNo = ivNo;
  if (WriteItems(ivNo, items).appendFailed) return Tr::tr("an item could not be added");
  // The last item on disk before the schedule counts the invoice made.
  WriteCurrentRecord(Itm5.d);
  return failure();
}

// A run cut short just after an append leaves a blank record at the end
// of INV5 or ITM5, numbered 0, that belongs to no invoice: marked deleted.
void DropBlankTail(DATA4* d, FIELD4* ivNo) {
  for (long rec = d4recCountDo(d); rec >= 1; --rec) {
    d4go(d, rec);
    if (d4deleted(d) || f4long(ivNo) != 0 || !FieldText(ivNo).trimmed().isEmpty()) break;
    d4delete(d);
    DeletionsPending = true;
  }
  code4errorCode(cb, 0);
}

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
    try {
      DropBlankTail(Inv5.d, Inv5.IvNo);
      DropBlankTail(Itm5.d, Itm5.IvNo);
      RebuildInvoiceIndexes();
    } catch (const std::runtime_error& e) {
      run.error = QString::fromLocal8Bit(e.what());
      return run;
    }
    if (!RebuildInvoiceStatesIndex()) {
      run.error = Tr::tr("The index of the invoices' states could not be written.");
      return run;
    }
  }
  long next = NextInvoiceNumber();
  for (qsizetype k = 0; k < due.size(); ++k) {
    if (progress) progress(int(k), int(due.size()));
    ScheduleRecord& s = schedules[due[k].schedule];
    Template t;
    if (!ReadTemplate(s.template_, &t)) {
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
    QString why = issued ? QString() : WriteCopy(t, s.pending, due[k].date);
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
