#include "data/DateText.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "data/Cp1252.h"
#include "platform/Clock.h"
#include "platform/Ui.h"

namespace {

const QDate kEpoch(1899, 12, 30);

// Years typed with one or two digits fall in the hundred years that begin
// 60 years before the current year.
const int kCenturyWindow = 60;

// Day, month and year with a day that the month may not have (29 February
// moved into a year that is not a leap year) clamped to the month's last day.
QDate ClampedDate(int year, int month, int day) {
  QDate first(year, month, 1);
  if (!first.isValid()) return QDate();
  return QDate(year, month, std::min(day, first.daysInMonth()));
}

QString InvalidFloat(const QString& text) {
  return QStringLiteral("'%1' is not a valid floating point value.").arg(text);
}

QString InvalidDate(const QString& text) {
  return QStringLiteral("'%1' is not a valid date.").arg(text);
}

// The order of day ('d'), month ('M') and year ('y') in the locale's short
// date format.
QString DateOrder() {
  const QString f = QLocale().dateFormat(QLocale::ShortFormat);
  QString order;
  for (QChar c : f) {
    if ((c == 'd' || c == 'M' || c == 'y') && !order.contains(c)) order += c;
  }
  if (order.size() != 3) order = QStringLiteral("Mdy");
  return order;
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

}  // namespace

TDate DateFromQDate(const QDate& d) { return d.isValid() ? int(kEpoch.daysTo(d)) : 0; }

QDate QDateFromDate(TDate d) { return d > 0 ? kEpoch.addDays(d) : QDate(); }

TDate CenturyWindow(TDate d) {
  const QDate date = QDateFromDate(d);
  if (!date.isValid()) return d;
  const int first = Clock::today().year() - 60;
  int year = date.year();
  if (year < first) {
    year += 100;
  } else if (year >= first + 100) {
    year -= 100;
  }
  if (year == date.year()) return d;
  return DateFromQDate(ClampedDate(year, date.month(), date.day()));
}

QString DateToStored(TDate d) {
  if (d <= 0) return QString();
  return QDateFromDate(CenturyWindow(d)).toString(QStringLiteral("yyyyMMdd"));
}

TDate StoredToDate(const QString& stored) {
  if (stored.trimmed().isEmpty()) return 0;
  auto part = [&](int from, int count) {
    bool ok = false;
    int v = stored.mid(from, count).trimmed().toInt(&ok);
    return ok ? v : 0;
  };
  // A stored date with an impossible day or month reads as no date.
  return DateFromQDate(QDate(part(0, 4), part(4, 2), part(6, 2)));
}

void UseUserLocale() {
  const QLocale system = QLocale::system();
  if (system.language() == QLocale::C) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  } else {
    QLocale::setDefault(system);
  }
}

QString ShortDateFormat() {
  QString f;
  for (QChar c : DateOrder()) {
    if (!f.isEmpty()) f += '/';
    f += QString(2, c);
  }
  return f;
}

QString FormatShortDate(TDate d) {
  if (d <= 0) return QString();
  return QDateFromDate(d).toString(ShortDateFormat());
}

TDate ParseShortDate(const QString& text) {
  const QStringList parts = text.split('/');
  if (parts.size() != 3 && parts.size() != 2) throw ConversionError(InvalidDate(text));
  const QString order = DateOrder();
  int day = 0, month = 0, year = Clock::today().year();
  int yearDigits = 4;
  int p = 0;
  for (QChar c : order) {
    if (c == 'y' && parts.size() == 2) continue;  // no year typed: this year
    const QString s = parts[p++].trimmed();
    bool ok = !s.isEmpty();
    for (QChar ch : s) ok = ok && ch >= '0' && ch <= '9';
    if (!ok || s.size() > 4) throw ConversionError(InvalidDate(text));
    const int v = s.toInt();
    if (c == 'd') day = v;
    if (c == 'M') month = v;
    if (c == 'y') {
      year = v;
      yearDigits = s.size();
    }
  }
  if (yearDigits <= 2) {
    const int base = Clock::today().year() - kCenturyWindow;
    year += base / 100 * 100;
    if (year < base) year += 100;
  }
  const QDate d(year, month, day);
  if (!d.isValid() || year < 1) throw ConversionError(InvalidDate(text));
  return DateFromQDate(d);
}

bool ValidateDateText(QString& text) {
  TDate d = 0;
  try {
    d = ParseShortDate(text);
  } catch (const ConversionError&) {
    Ui::get().warning(QStringLiteral("Invalid Date Entered"));
    return false;
  }
  text = FormatShortDate(d);
  return true;
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
  const QChar sep = DecimalSeparator();
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
  if (i < n && s[i] == sep) {
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
  QByteArray c = s.toLatin1();
  if (sep != '.') c.replace(sep.toLatin1(), '.');
  return std::strtod(c.constData(), nullptr);
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

QString PadLeft(long n, int width) { return QString::number(n).rightJustified(width, ' '); }

QString Spaces(int count) { return count > 0 ? QString(count, ' ') : QString(); }

QString FixedText(int width, int decimals, double x) {
  if (x == 0) x = 0;
  char buf[400];
  std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, x);
  return QString::fromLatin1(buf);
}

int LastPos(const QString& needle, const QString& haystack) {
  if (needle.isEmpty()) return 0;
  return int(haystack.lastIndexOf(needle)) + 1;
}

QByteArray SeekKey(const QString& text) { return ToCp1252(text.left(60)); }

int IndexInList(const QList<int>* list, int value) {
  if (!list) return -1;
  return int(list->indexOf(value));
}
