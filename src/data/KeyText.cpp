#include "data/KeyText.h"

#include "data/Cp1252.h"

QString WithoutTrailingBlanks(const QString& s) {
  qsizetype end = s.size();
  while (end > 0 && s[end - 1] == QLatin1Char(' ')) --end;
  return s.left(end);
}

QString PadLeft(long n, int width) { return QString::number(n).rightJustified(width, ' '); }

QString Spaces(int count) { return count > 0 ? QString(count, ' ') : QString(); }

int LastPos(const QString& needle, const QString& haystack) {
  if (needle.isEmpty()) return 0;
  return int(haystack.lastIndexOf(needle)) + 1;
}

QByteArray SeekKey(const QString& text) { return ToCp1252(text.left(60)); }

QByteArray DateKey(TDate d) {
  if (d <= 0) return QByteArray();
  return QDateFromDate(d).toString(QStringLiteral("yyyyMMdd")).toLatin1();
}

int IndexInList(const QList<int>* list, int value) {
  if (!list) return -1;
  return int(list->indexOf(value));
}
