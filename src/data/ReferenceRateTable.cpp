#include "data/ReferenceRateTable.h"

#include <QSet>

#include "data/CodeBase.h"
#include "data/dbFiles.h"
#include "platform/Dates.h"

namespace {

QString KeyOf(const QString& country, const QDate& from) {
  return country + from.toString(QStringLiteral("yyyyMMdd"));
}

bool TableThere() { return cb && DataFileExists(QString::fromLatin1(REFRATEDef().fileName)); }

}  // namespace

QList<StoredRate> ReadStoredRates() {
  QList<StoredRate> rates;
  if (!TableThere()) return rates;
  DATA4* d = OpenREFRATE();
  if (!d) {
    code4errorCode(cb, 0);
    return rates;
  }
  for (int rc = d4top(d); rc == r4success; rc = d4skip(d, 1)) {
    if (d4deleted(d)) continue;
    StoredRate r{FieldText(d4field(d, "COUNTRY")).trimmed().toUpper(), QDateFromDate(FieldDate(d4field(d, "FROM"))),
                 f4double(d4field(d, "RATE"))};
    if (r.country.size() == 2 && r.from.isValid()) rates << r;
  }
  d4close(d);
  code4errorCode(cb, 0);
  return rates;
}

bool WriteStoredRates(const QList<StoredRate>& rates) {
  DATA4* d = OpenREFRATE();
  if (!d) {
    code4errorCode(cb, 0);
    return false;
  }
  QHash<QString, double> wanted;
  QStringList order;
  for (const StoredRate& r : rates) {
    const QString key = KeyOf(r.country, r.from);
    if (wanted.contains(key)) continue;
    wanted.insert(key, r.rate);
    order << key;
  }
  // A row kept is changed where it is; a row dropped is marked deleted (the
  // next pack removes it); a new one is appended.
  QSet<QString> written;
  bool ok = true;
  for (int rc = d4top(d); ok && rc == r4success; rc = d4skip(d, 1)) {
    if (d4deleted(d)) continue;
    const QString key = KeyOf(FieldText(d4field(d, "COUNTRY")).trimmed().toUpper(),
                              QDateFromDate(FieldDate(d4field(d, "FROM"))));
    if (wanted.contains(key) && !written.contains(key)) {
      f4assignDouble(d4field(d, "RATE"), wanted.value(key));
      written.insert(key);
    } else {
      d4delete(d);
    }
  }
  for (const QString& key : order) {
    if (!ok || written.contains(key)) continue;
    ok = d4appendBlank(d) == 0;
    if (!ok) break;
    AssignText(d4field(d, "COUNTRY"), key.left(2), 2);
    AssignDate(d4field(d, "FROM"), DateFromQDate(QDate::fromString(key.mid(2), QStringLiteral("yyyyMMdd"))));
    f4assignDouble(d4field(d, "RATE"), wanted.value(key));
  }
  ok = d4close(d) == 0 && ok;
  code4errorCode(cb, 0);
  return ok;
}
