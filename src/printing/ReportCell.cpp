#include "printing/ReportCell.h"

int CodeColumn(const QString& cell, int at) {
  bool ok = false;
  const int column = cell.mid(at, 2).trimmed().toInt(&ok);
  return ok ? column : 0;
}

QString CodeText(const QString& cell) { return cell.mid(3); }

QChar CodeLetter(const QString& cell) { return cell.isEmpty() ? QChar() : cell.at(0); }
