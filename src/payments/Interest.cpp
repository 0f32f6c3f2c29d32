#include "payments/Interest.h"

#include <QMap>
#include <cmath>

#include "data/ReferenceRateTable.h"

const QList<RatePeriod>& ShippedRates(const QString& country) {
  static const QList<RatePeriod> german{
      {QDate(2023, 1, 1), 1.62}, {QDate(2023, 7, 1), 3.12}, {QDate(2024, 1, 1), 3.62},
      {QDate(2024, 7, 1), 3.37}, {QDate(2025, 1, 1), 2.27}, {QDate(2025, 7, 1), 1.27},
      {QDate(2026, 1, 1), 1.27},
  };
  static const QList<RatePeriod> french{
      {QDate(2023, 1, 1), 2.50}, {QDate(2023, 7, 1), 4.00}, {QDate(2024, 1, 1), 4.50},
      {QDate(2024, 7, 1), 4.25}, {QDate(2025, 1, 1), 3.15}, {QDate(2025, 7, 1), 2.15},
      {QDate(2026, 1, 1), 2.15},
  };
  static const QList<RatePeriod> none;
  if (country == QLatin1String("DE")) return german;
  if (country == QLatin1String("FR")) return french;
  return none;
}

QList<RatePeriod> ReferenceRates(const QString& country) {
  const QString code = country.trimmed().toUpper();
  QMap<QDate, double> byDay;
  for (const RatePeriod& p : ShippedRates(code)) byDay.insert(p.from, p.rate);
  for (const StoredRate& r : ReadStoredRates())
    if (r.country == code) byDay.insert(r.from, r.rate);
  QList<RatePeriod> rates;
  for (auto it = byDay.cbegin(); it != byDay.cend(); ++it) rates.append({it.key(), it.value()});
  return rates;
}

Cents DefaultInterest(Cents amount, const QDate& due, const QDate& asOf, const QList<RatePeriod>& rates,
                      double points) {
  if (!due.isValid() || !asOf.isValid() || asOf <= due || amount <= 0) return 0;
  if (rates.isEmpty()) return -1;
  if (asOf >= rates.last().from.addMonths(6)) return -1;
  // Days and rates by period: the sum of amount x rate x days / 365.
  double interest = 0;
  QDate day = due.addDays(1);
  while (day <= asOf) {
    qsizetype p = 0;
    while (p + 1 < rates.size() && rates[p + 1].from <= day) ++p;
    const QDate next = p + 1 < rates.size() ? rates[p + 1].from : asOf.addDays(1);
    const QDate last = qMin(next.addDays(-1), asOf);
    const qint64 days = day.daysTo(last) + 1;
    const double rate = (day < rates[0].from ? rates[0].rate : rates[p].rate) + points;
    interest += double(amount) * rate / 100.0 * double(days) / 365.0;
    day = last.addDays(1);
  }
  return Cents(std::llround(interest));
}
