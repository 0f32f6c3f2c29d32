#include "platform/NumberText.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(NumberText)
};

QString InvalidFloat(const QString& text) {
  return Tr::tr("'%1' is not a valid floating point value.").arg(text);
}

QString Formatted(const char* format, double value) {
  if (value == 0) value = 0;  // no "-0.00" for a negative zero
  char buf[128];
  int n = std::snprintf(buf, sizeof buf, format, value);
  if (n < 0) return QString();
  if (n >= int(sizeof buf)) {
    QByteArray big(n + 1, '\0');
    std::snprintf(big.data(), big.size(), format, value);
    return QString::fromLatin1(big.constData(), n);
  }
  return QString::fromLatin1(buf, n);
}

QChar gTypedSeparator;  // null: QLocale()'s

}  // namespace

QChar KeepTypedSeparator(QChar separator) {
  const QChar previous = gTypedSeparator;
  gTypedSeparator = separator;
  return previous;
}

QChar DecimalSeparator() {
  const QString s = QLocale().decimalPoint();
  return s.isEmpty() ? QChar('.') : s.at(0);
}

QString FormatFloat(const char* format, double value) {
  QString s = Formatted(format, value);
  const QChar sep = DecimalSeparator();
  if (sep != '.') s.replace('.', sep);
  return s;
}

double StrToFloat(const QString& text) {
  QString s = text;
  s.remove(' ');
  // While a document is in another language, both the windows' separator
  // (the working copy) and the document's (what it wrote itself) are read.
  const QChar sep = DecimalSeparator();
  const QChar typed = gTypedSeparator.isNull() ? sep : gTypedSeparator;
  // sign, digits, optional separator and digits, optional exponent
  int i = 0;
  const int n = s.size();
  auto digits = [&]() {
    int start = i;
    while (i < n && s[i] >= '0' && s[i] <= '9') ++i;
    return i - start;
  };
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  int mantissa = digits();
  if (i < n && (s[i] == sep || s[i] == typed)) {
    s[i] = QLatin1Char('.');
    ++i;
    mantissa += digits();
  }
  bool ok = mantissa > 0;
  if (ok && i < n && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    ok = digits() > 0;
  }
  if (!ok || i != n) throw ConversionError(InvalidFloat(text.trimmed()));
  // The separator became "." before the text leaves Unicode: the Arabic
  // one (U+066B) has no Latin-1 form. strtod reads "." in the C locale the
  // program keeps for numbers.
  return std::strtod(s.toLatin1().constData(), nullptr);
}

QString FormatNumberText(const QString& text, const char* format) {
  QString compact = text;
  compact.remove(' ');
  const double value = StrToFloat(compact);
  QString result = FormatFloat(format, value);
  if (compact.startsWith('-') && !(value < 0)) {
    int lead = 0;
    while (lead < result.size() && result[lead] == ' ') ++lead;
    result = ('-' + result.mid(lead)).rightJustified(text.size(), ' ');
  }
  return result;
}

double RoundMoney(double x) {
  double r = x > 0 ? std::trunc((x + 0.005) * 100) / 100 : std::trunc((x - 0.005) * 100) / 100;
  return r + 0.0;  // a negative zero becomes 0
}

QString FixedText(int width, int decimals, double x) {
  if (x == 0) x = 0;
  char buf[400];
  std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, x);
  return QString::fromLatin1(buf);
}
