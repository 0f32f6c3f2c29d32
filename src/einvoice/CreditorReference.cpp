#include "einvoice/CreditorReference.h"

namespace {

// The remainder mod 97 of the digits of text, letters counted as 10 to 35;
// -1 for another character.
int Mod97(const QString& text) {
  int remainder = 0;
  for (const QChar c : text) {
    int value = 0;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
      value = c.unicode() - '0';
    else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
      value = c.unicode() - 'A' + 10;
    else
      return -1;
    remainder = (value >= 10 ? remainder * 100 + value : remainder * 10 + value) % 97;
  }
  return remainder;
}

QString Compact(const QString& text) { return QString(text).remove(QLatin1Char(' ')).toUpper(); }

}  // namespace

QString CreditorReference(long invoiceNumber) {
  const QString reference = QString::number(invoiceNumber);
  const int check = 98 - Mod97(reference + QStringLiteral("RF00"));
  return QStringLiteral("RF%1%2").arg(check, 2, 10, QLatin1Char('0')).arg(reference);
}

bool CreditorReferenceValid(const QString& text) {
  const QString r = Compact(text);
  // RF, two digits, 1 to 21 letters and digits.
  if (r.size() < 5 || r.size() > 25 || !r.startsWith(QLatin1String("RF")) || !r[2].isDigit() || !r[3].isDigit())
    return false;
  return Mod97(r.mid(4) + r.left(4)) == 1;
}

long InvoiceOfCreditorReference(const QString& text) {
  if (!CreditorReferenceValid(text)) return 0;
  const QString digits = Compact(text).mid(4);
  if (digits.size() > 6 || digits.startsWith(QLatin1Char('0'))) return 0;
  bool ok = false;
  const long n = digits.toLong(&ok);
  return ok ? n : 0;
}
