#include "invoicing/CardExport.h"

#include <QStringList>

namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

bool CardBatchRecord(const QString& cardText, const QString& total, QString* record) {
  const qsizetype slash = cardText.indexOf('/');
  if (slash < 0) return false;
  const QString year = cardText.mid(slash + 1, 2);
  // The month is the one or two digits before the "/".
  qsizetype monthStart = slash > 0 ? slash - 1 : slash;
  QString month = cardText.mid(monthStart, slash - monthStart);
  if (monthStart > 0 && IsDigit(cardText[monthStart - 1])) {
    --monthStart;
    month.prepend(cardText[monthStart]);
  } else {
    month.prepend('0');
  }
  QString number;
  for (qsizetype i = 0; i < monthStart; ++i)
    if (IsDigit(cardText[i])) number += cardText[i];

  QStringList fields{"C1", "", "", number, year + month, total};
  for (int i = 0; i < 16; ++i) fields << QString();
  *record = '"' + fields.join(QStringLiteral("\",\"")) + '"';
  return true;
}
