// What the export tests share: a data folder of hand-made books written
// through the engine (the breaks legacy data has included), the export run
// on it, the sqlite3 shell and a throwaway PostgreSQL server to read the
// results, and the queries whose answers must agree across formats.
#ifndef EXPORT_TESTSUPPORT_H
#define EXPORT_TESTSUPPORT_H

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "data/TestSupport.h"
#include "export/DataExport.h"

// The hand-made books:
//  - groups 1 "Retail" and 2 "Wholesale & Trade";
//  - customers 1 (Windows-1252 names, a quote and a comma in the company,
//    a two-line memo), 2 (no group), 3 twice (two customers, one number),
//    4 marked deleted;
//  - products CANDLE (a memo), SOAP, "€-GIFT", OLD marked deleted;
//  - invoices 1000-1199 of customers 1-3, each with three items (one line
//    lying on a half cent in binary: 1.5 x 0.15) and amounts of tenths of
//    a cent in binary (0.10, 0.20), every even one paid 1.00; invoice 1000
//    also has an item of product GONE, which no longer exists;
//  - invoice 2000 without a date, with texts a spreadsheet takes for
//    formulas (department, card text, a note that begins with a TAB), 2001 on 2023-02-31, 2002 of customer 99
//    (deleted long ago), 2003 marked deleted with its item, 2004 with a memo
//    holding a line break, a comma, quotes, "&" and "€", 2005 without a
//    customer (0), paid by a card whose whole number its card text holds;
//  - a label stock, a purchase of CANDLE; the supplied settings.
namespace books {
constexpr int kFirstInvoice = 1000;
constexpr int kInvoices = 200;  // 1000-1199, besides 2000-2005
// Every live invoice's stored Due, in cents, summed.
qint64 DueCents();
// The stored Due of live invoice n, in cents.
qint64 DueCentsOf(int invoice);
// Rows of each table the export must hold.
constexpr int kCustomers = 4, kInvoiceRows = kInvoices + 5, kItems = 3 * kInvoices + 1,
              kPayments = kInvoices / 2 + 1, kProducts = 3;
}  // namespace books

class ExportTest : public DataFolderTest {
 protected:
  void SetUp() override;
  ExportOutcome exportTo(ExportFormat format, const QString& target);
  // Runs the sqlite3 shell on db: one line per row, fields split by "|",
  // NULL as nothing. Fails the test when the shell fails.
  static QString sqlite(const QString& db, const QString& query);
  QTemporaryDir out;
};

// The queries every SQL export must answer alike (each ordered).
const QStringList& SameAnswerQueries();
// An answer with its numbers set out alike (1.50 and 1.5, 2.0 and 2, t and
// 1): every field that is a number loses trailing zeros after its point.
QString Normalized(const QString& answer);

// A PostgreSQL server of its own in a temporary folder, run as a user who
// is not root (initdb refuses root), stopped with the object.
class ThrowawayPostgres {
 public:
  ThrowawayPostgres();
  ~ThrowawayPostgres();
  ThrowawayPostgres(const ThrowawayPostgres&) = delete;
  ThrowawayPostgres& operator=(const ThrowawayPostgres&) = delete;
  // Why the server could not be started; empty when it runs.
  const QString& unavailable() const { return unavailable_; }
  // psql on database with the arguments; its output (-At, "|" between
  // fields). *ok false when psql failed.
  QString psql(const QString& database, const QStringList& args, bool* ok = nullptr) const;

 private:
  bool run(const QStringList& command, QString* output) const;
  QTemporaryDir dir_;
  QString bin_, unavailable_;
  bool started_ = false;
};

#endif  // EXPORT_TESTSUPPORT_H
