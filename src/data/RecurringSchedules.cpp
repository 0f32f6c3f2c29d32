#include "data/RecurringSchedules.h"

#include "data/CodeBase.h"

namespace {

DATA4*& OpenedTable() {
  static DATA4* d = nullptr;
  return d;
}

DATA4* Table() {
  DATA4*& d = OpenedTable();
  if (!d && cb && DataFileExists(QString::fromLatin1(RECURDef().fileName))) d = OpenRECUR();
  return d;
}

FIELD4* F(DATA4* d, const char* name) { return d4field(d, name); }

QChar Letter(FIELD4* f, const char* allowed, char otherwise) {
  const QString text = FieldText(f).trimmed().toUpper();
  if (text.size() == 1 && QByteArray(allowed).contains(text[0].toLatin1())) return text[0];
  return QLatin1Char(otherwise);
}

ScheduleRecord Current(DATA4* d) {
  ScheduleRecord s;
  s.sched = f4long(F(d, "SCHED"));
  s.template_ = f4long(F(d, "IVNO"));
  s.every = Letter(F(d, "EVERY"), "WMQY", 'M');
  s.day = f4int(F(d, "DAY"));
  s.first = FieldDate(F(d, "FIRST"));
  s.until = FieldDate(F(d, "UNTIL"));
  s.times = f4int(F(d, "TIMES"));
  s.made = f4int(F(d, "MADE"));
  s.pending = f4long(F(d, "PENDING"));
  s.last = f4long(F(d, "LASTIVNO"));
  s.issue = f4true(F(d, "ISSUE"));
  s.state = Letter(F(d, "STATE"), "APE", 'A');
  code4errorCode(cb, 0);
  return s;
}

}  // namespace

QList<ScheduleRecord> AllSchedules() {
  QList<ScheduleRecord> all;
  DATA4* d = Table();
  if (!d) return all;
  for (int rc = d4top(d); rc == r4success; rc = d4skip(d, 1))
    if (!d4deleted(d)) all.append(Current(d));
  return all;
}

bool WriteSchedule(ScheduleRecord& s) {
  DATA4* d = Table();
  if (!d) return false;
  if (s.sched == 0 || !SeekNumber(d, F(d, "SCHED"), s.sched)) {
    if (s.sched == 0) {
      s.sched = 1;
      if (d4bottom(d) == r4success) s.sched = f4long(F(d, "SCHED")) + 1;
    }
    if (d4appendBlank(d) != r4success) return false;
    f4assignLong(F(d, "SCHED"), s.sched);
  }
  f4assignLong(F(d, "IVNO"), s.template_);
  f4assign(F(d, "EVERY"), QString(s.every).toLatin1().constData());
  f4assignInt(F(d, "DAY"), s.day);
  AssignDate(F(d, "FIRST"), s.first);
  AssignDate(F(d, "UNTIL"), s.until);
  f4assignInt(F(d, "TIMES"), s.times);
  f4assignInt(F(d, "MADE"), s.made);
  f4assignLong(F(d, "PENDING"), s.pending);
  f4assignLong(F(d, "LASTIVNO"), s.last);
  f4assign(F(d, "ISSUE"), s.issue ? "T" : "F");
  f4assign(F(d, "STATE"), QString(s.state).toLatin1().constData());
  // On disk now: the number being made must survive the process.
  WriteCurrentRecord(d);
  return code4errorCode(cb, 0) >= 0;
}

void CloseSchedules() {
  DATA4*& d = OpenedTable();
  if (d) d4close(d);
  d = nullptr;
}

void ForgetSchedulesHandle() { OpenedTable() = nullptr; }
