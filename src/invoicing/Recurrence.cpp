#include "invoicing/Recurrence.h"

namespace {

int MonthsPerStep(QChar every) {
  switch (every.unicode()) {
    case 'M': return 1;
    case 'Q': return 3;
    case 'Y': return 12;
    default: return 0;
  }
}

}  // namespace

bool RecurrenceValid(const Recurrence& r) {
  return r.first.isValid() && (r.every == QLatin1Char('W') || MonthsPerStep(r.every) > 0) && r.day >= 0 &&
         r.day <= 31 && r.times >= 0;
}

QDate Occurrence(const Recurrence& r, int k) {
  if (!RecurrenceValid(r) || k < 0 || (r.times > 0 && k >= r.times)) return QDate();
  QDate date;
  if (r.every == QLatin1Char('W')) {
    date = r.first.addDays(7LL * k);
  } else {
    const int months = r.first.month() - 1 + k * MonthsPerStep(r.every);
    const int year = r.first.year() + months / 12, month = months % 12 + 1;
    const int day = r.day > 0 ? r.day : r.first.day();
    date = k == 0 ? r.first : QDate(year, month, qMin(day, QDate(year, month, 1).daysInMonth()));
  }
  if (r.until.isValid() && date > r.until) return QDate();
  return date;
}

QList<QDate> DueOccurrences(const Recurrence& r, int made, QDate upTo) {
  QList<QDate> dates;
  for (int k = qMax(made, 0);; ++k) {
    const QDate date = Occurrence(r, k);
    if (!date.isValid() || date > upTo) break;
    dates.append(date);
  }
  return dates;
}
