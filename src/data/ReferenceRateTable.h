// The reference rates of statutory default interest that the user added or
// corrected (REFRATE: COUNTRY, FROM, RATE), one row a country and first day.
#ifndef DATA_REFERENCERATETABLE_H
#define DATA_REFERENCERATETABLE_H

#include <QDate>
#include <QList>
#include <QString>

struct StoredRate {
  QString country;  // ISO 3166-1 alpha-2, upper case
  QDate from;       // the first day the rate holds
  double rate = 0;  // percent a year
};

// REFRATE's rows by country and date; none where a folder of an earlier
// version lacks the table or it cannot be read.
QList<StoredRate> ReadStoredRates();

// Makes REFRATE hold exactly rates (rows of the same country and day after
// the first are left out); false when the table could not be written.
bool WriteStoredRates(const QList<StoredRate>& rates);

#endif  // DATA_REFERENCERATETABLE_H
