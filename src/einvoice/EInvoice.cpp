#include "einvoice/EInvoice.h"

#include <cmath>
#include <cstdlib>

QString AmountText(Cents cents) {
  const Cents whole = std::llabs(cents) / 100, part = std::llabs(cents) % 100;
  return QStringLiteral("%1%2.%3")
      .arg(cents < 0 ? QStringLiteral("-") : QString())
      .arg(whole)
      .arg(part, 2, 10, QLatin1Char('0'));
}

QString QuantityText(qint64 hundredths) { return AmountText(hundredths); }

Cents ToCents(double amount) { return std::llround(amount * 100); }
