#include "receiving/ReceivedInvoice.h"

#include <QRegularExpression>

namespace {

// An xs:decimal of at most fifteen whole digits (larger sums are no
// invoice's): sign, whole part, fraction.
QRegularExpressionMatch DecimalParts(const QString& text) {
  static const QRegularExpression decimal(QStringLiteral("^\\s*([+-]?)(\\d{0,15})(?:\\.(\\d*))?\\s*$"));
  QRegularExpressionMatch m = decimal.match(text);
  if (m.hasMatch() && m.captured(2).isEmpty() && m.captured(3).isEmpty()) return QRegularExpressionMatch();
  return m;
}

}  // namespace

bool ReceivedAmount::read() const { return present() && DecimalParts(text).hasMatch(); }

Cents ReceivedAmount::cents() const {
  const QRegularExpressionMatch m = DecimalParts(text);
  if (!m.hasMatch()) return 0;
  const QString fraction = m.captured(3) + QStringLiteral("000");
  Cents cents = m.captured(2).toLongLong() * 100 + fraction.left(2).toLongLong();
  if (fraction.at(2) >= QLatin1Char('5')) ++cents;
  return m.captured(1) == QLatin1String("-") ? -cents : cents;
}

// Digit by digit, not by strtold: the C library's decimal point is the
// user's locale's.
long double ReceivedAmount::value() const {
  const QRegularExpressionMatch m = DecimalParts(text);
  if (!m.hasMatch()) return 0;
  long double value = m.captured(2).toLongLong();
  long double place = 1;
  for (const QChar digit : m.captured(3).left(18)) {
    place /= 10;
    value += place * (digit.unicode() - '0');
  }
  return m.captured(1) == QLatin1String("-") ? -value : value;
}

QString SyntaxName(ReceivedInvoice::Syntax syntax) {
  switch (syntax) {
    case ReceivedInvoice::Syntax::Cii: return QStringLiteral("CII");
    case ReceivedInvoice::Syntax::UblInvoice: return QStringLiteral("UBL Invoice");  // untranslated
    case ReceivedInvoice::Syntax::UblCreditNote: return QStringLiteral("UBL CreditNote");  // untranslated
  }
  return QString();
}
