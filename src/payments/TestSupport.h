// Bank statements for the tests, written as banks write them.
#ifndef PAYMENTS_TESTSUPPORT_H
#define PAYMENTS_TESTSUPPORT_H

#include <QByteArray>
#include <QList>
#include <QString>

// One entry of a test statement.
struct TestEntry {
  QString amount = QStringLiteral("10.00");
  QString currency = QStringLiteral("EUR");
  QString creditDebit = QStringLiteral("CRDT");
  bool reversal = false;
  QString status = QStringLiteral("BOOK");
  QString date = QStringLiteral("2026-03-20");
  QString bankRef = QStringLiteral("REF1");
  // Transactions: each its amount ("" for none), end-to-end id, structured
  // reference, text and payer.
  struct Tx {
    QString amount, endToEnd, reference, text, payer;
  };
  QList<Tx> transactions;
};

// A camt.053 statement of the version ("02", "04", "08") for IBAN
// DE02120300000000202051.
QByteArray Camt053(const QString& version, const QList<TestEntry>& entries);

#endif  // PAYMENTS_TESTSUPPORT_H
