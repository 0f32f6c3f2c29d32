#include "platform/Dates.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>

#include "platform/Clock.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(Dates)
};

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

QString InvalidDate(const QString& text) {
  return Tr::tr("'%1' is not a valid date.").arg(text);
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

}  // namespace

QChar DateSeparator() {
  // The first character between two fields of the locale's short format:
  // "." in German, "/" in English and French.
  const QString f = QLocale().dateFormat(QLocale::ShortFormat);
  bool inField = false;
  for (QChar c : f) {
    const bool field = c == 'd' || c == 'M' || c == 'y';
    if (field) inField = true;
    else if (inField && !c.isSpace() && c != QLatin1Char('\'')) return c;
  }
  return QLatin1Char('/');
}

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

QString ShortDateFormat() {
  const QChar separator = DateSeparator();
  QString f;
  for (QChar c : DateOrder()) {
    if (!f.isEmpty()) f += separator;
    f += QString(2, c);
  }
  return f;
}

QString FormatShortDate(TDate d) {
  if (d <= 0) return QString();
  return QDateFromDate(d).toString(ShortDateFormat());
}

TDate ParseShortDate(const QString& text) {
  // The locale's separator, or "/" as the earlier versions wrote dates.
  QString unified = text;
  unified.replace(DateSeparator(), QLatin1Char('/'));
  const QStringList parts = unified.split('/');
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
    Ui::get().warning(Tr::tr("Invalid Date Entered"));
    return false;
  }
  text = FormatShortDate(d);
  return true;
}
