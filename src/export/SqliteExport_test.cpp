// The hand-made books exported to SQLite and read back with Debian's sqlite3
// shell: every live record once under readable names, amounts exact to the
// cent, the breaks of legacy data counted with their keys left undeclared,
// the views against the stored amounts due; and failures that leave an
// earlier file as it was.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "data/CodeBase.h"
#include "export/TestSupport.h"
#include "tbengine/engine.h"

namespace {

class SqliteExportTest : public ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    db = out.filePath("books.db");
  }
  // Exports to db and expects it done.
  void exportBooks() {
    const ExportOutcome outcome = exportTo(ExportFormat::Sqlite, db);
    ASSERT_TRUE(outcome.done) << outcome.error.toStdString();
    findings = outcome.findings;
  }
  QString q(const QString& query) const { return sqlite(db, query); }

  QString db;
  QStringList findings;
};

QByteArray Read(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Writes "9999999999" over the memo pointer of field in record recno of
// the table file, as a damaged table holds.
void DamageMemoPointer(const QString& file, int recno, const char* field) {
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  const QByteArray head = f.read(4096);
  const int headerLength = quint8(head[8]) | quint8(head[9]) << 8;
  const int recordLength = quint8(head[10]) | quint8(head[11]) << 8;
  int offset = 1;
  for (int pos = 32; head[pos] != '\r'; pos += 32) {
    if (qstricmp(head.mid(pos, 11).constData(), field) == 0) break;
    offset += quint8(head[pos + 16]);
  }
  ASSERT_TRUE(f.seek(headerLength + qint64(recno - 1) * recordLength + offset));
  ASSERT_EQ(f.write("9999999999"), 10);
}

TEST_F(SqliteExportTest, EveryLiveRecordOnceUnderReadableNamesAndTypes) {
  exportBooks();
  EXPECT_EQ(q("SELECT type, name FROM sqlite_master WHERE type IN ('table', 'view') ORDER BY type, name"),
            "table|bank_entries\ntable|customer_einvoice\ntable|customer_groups\ntable|customer_language\ntable|customers\n"
            "table|einvoice_seller\ntable|import_folders\ntable|invoice_items\ntable|invoice_state\ntable|invoices\n"
            "table|label_stocks\ntable|payments\ntable|products\ntable|purchases\ntable|quote_items\ntable|quotes\n"
            "table|received_invoices\ntable|received_item_products\ntable|recurring_invoices\ntable|reference_rates\ntable|reminders_sent\ntable|settings\n"
            "table|source_columns\n"
            "view|customer_balances\nview|invoice_totals\nview|product_sales");
  EXPECT_EQ(q("SELECT (SELECT COUNT(*) FROM customers), (SELECT COUNT(*) FROM invoices), "
              "(SELECT COUNT(*) FROM invoice_items), (SELECT COUNT(*) FROM payments), "
              "(SELECT COUNT(*) FROM products), (SELECT COUNT(*) FROM customer_groups)"),
            QStringLiteral("%1|%2|%3|%4|%5|2")
                .arg(books::kCustomers).arg(books::kInvoiceRows).arg(books::kItems)
                .arg(books::kPayments).arg(books::kProducts));
  EXPECT_EQ(q("SELECT COUNT(*) FROM customers WHERE last_name = 'Gone'"), "0") << "deleted";
  EXPECT_EQ(q("SELECT COUNT(*) FROM products WHERE product_code = 'OLD'"), "0") << "deleted";
  EXPECT_EQ(q("SELECT COUNT(*) FROM invoices WHERE invoice_no = 2003"), "0") << "deleted";
  EXPECT_EQ(q("SELECT COUNT(*) FROM invoice_items WHERE invoice_no = 2003"), "0") << "deleted";
  EXPECT_EQ(q("SELECT typeof(invoice_no), typeof(customer_no), typeof(invoice_date), "
              "typeof(charge1_x100), typeof(due_x100), typeof(note) FROM invoices WHERE invoice_no = 1000"),
            "integer|integer|text|integer|integer|text");
  EXPECT_EQ(q("SELECT quantity_x100, unit_price_x100, charge1_applies, charge2_applies "
              "FROM invoice_items WHERE product_code = 'CANDLE' LIMIT 1"),
            "100|10|1|0");
  EXPECT_EQ(q("SELECT name, top_margin_x1000, label_width_x1000, labels_across, continuous "
              "FROM label_stocks"),
            "Avery 5160|36000|189000|3|0");
  EXPECT_EQ(q("SELECT COUNT(*), charge1_name, charge2_name, by_customer_name FROM settings"),
            "1|Shipping|Sales Tax|1")
      << "the settings record is a one-row table";
}

TEST_F(SqliteExportTest, AmountsSumExactToTheCent) {
  exportBooks();
  EXPECT_EQ(q("SELECT SUM(due_x100) FROM invoices"), QString::number(books::DueCents()));
  EXPECT_EQ(q("SELECT SUM(charge1_x100), SUM(charge2_x100) FROM invoices"),
            QStringLiteral("%1|%2").arg(10 * books::kInvoices).arg(20 * books::kInvoices));
  EXPECT_EQ(q("SELECT SUM(amount_x100) FROM payments"), QString::number(100 * books::kInvoices / 2 + 1));
}

TEST_F(SqliteExportTest, DatesTextsAndMemosAsTheTablesHoldThem) {
  exportBooks();
  EXPECT_EQ(q("SELECT invoice_no, quote(invoice_date) FROM invoices WHERE invoice_no >= 2000 "
              "ORDER BY invoice_no"),
            "2000|NULL\n2001|NULL\n2002|'2024-06-15'\n2004|'2024-12-31'\n2005|'2025-01-02'")
      << "a blank and an impossible date are NULL";
  EXPECT_EQ(q("SELECT title, first_name, last_name, company, postal_code, email FROM customers "
              "WHERE customer_no = 1"),
            QString::fromUtf8("Mme|Émilie|Dupré|Café \"Le Coin\", Paris|75001|emilie@example.org"));
  EXPECT_EQ(q("SELECT hex(comments) FROM customers WHERE customer_no = 1"),
            QByteArray("Prefers mail.\r\nCall after 5, not before.").toHex().toUpper());
  EXPECT_EQ(q("SELECT note FROM invoices WHERE invoice_no = 2004"),
            QString::fromUtf8("Deliver \"by hand\", please;\r\nB&B Straße 5, €10 tip"));
  EXPECT_EQ(q("SELECT department, payment_reference FROM invoices WHERE invoice_no = 2000"),
            "=HYPERLINK(\"http://x.example\",\"Click\")|-2+3")
      << "texts exactly as stored, whatever a spreadsheet would make of them";
  EXPECT_EQ(q("SELECT hex(note) FROM invoices WHERE invoice_no = 2000"),
            QByteArray("\tthe end\n\n").toHex().toUpper())
      << "a memo as stored, its last line ends kept";
  EXPECT_EQ(q("SELECT payment_reference FROM invoices WHERE invoice_no = 2005"), "****.****.****.1111 x9/28")
      << "a card number only as the printed invoice shows it";
  EXPECT_EQ(q("SELECT first_name, last_name, company FROM customers WHERE customer_no = 2"),
            QString::fromUtf8("Jürgen|Straße|Müller & Söhne"));
  EXPECT_EQ(q("SELECT quote(title), quote(note) FROM customers WHERE customer_no = 2"), "''|''")
      << "an empty text is empty, not NULL";
  EXPECT_EQ(q("SELECT product_code, invoice_text FROM products WHERE unit_price_x100 = 15"),
            QString::fromUtf8("€-GIFT|"));
}

TEST_F(SqliteExportTest, BreaksAreCountedAndTheirKeysLeftUndeclared) {
  exportBooks();
  EXPECT_EQ(findings.join('\n').toStdString(),
            "customers.customer_no: not declared a primary key; rows that share a value: 2\n"
            "invoices.customer_no -> customers.customer_no: no foreign key; rows naming a missing "
            "customers row: 1\n"
            "invoice_items.product_code -> products.product_code: no foreign key; rows naming a "
            "missing products row: 1\n"
            "customer_einvoice.customer_no -> customers.customer_no: no foreign key; "
            "customers.customer_no is not a primary key\n"
            "customer_language.customer_no -> customers.customer_no: no foreign key; "
            "customers.customer_no is not a primary key\n"
            "quotes.customer_no -> customers.customer_no: no foreign key; "
            "customers.customer_no is not a primary key\n"
            "invoices.invoice_date (INV5.dbf IDate): impossible dates exported as NULL: 1");
  const auto schema = [&](const QString& table) {
    return q("SELECT sql FROM sqlite_master WHERE name = '" + table + "'");
  };
  EXPECT_FALSE(schema("customers").contains("PRIMARY KEY"));
  EXPECT_TRUE(schema("customers").contains(
      "FOREIGN KEY (\"group_no\") REFERENCES \"customer_groups\" (\"group_no\")"));
  EXPECT_TRUE(schema("invoices").contains("PRIMARY KEY (\"invoice_no\")"));
  EXPECT_FALSE(schema("invoices").contains("FOREIGN KEY"));
  EXPECT_TRUE(schema("invoice_items").contains("REFERENCES \"invoices\""));
  EXPECT_FALSE(schema("invoice_items").contains("REFERENCES \"products\""));
  EXPECT_TRUE(schema("payments").contains("REFERENCES \"invoices\""));
  EXPECT_TRUE(schema("purchases").contains("REFERENCES \"products\""));
  EXPECT_TRUE(schema("products").contains("PRIMARY KEY (\"product_code\")"));
  EXPECT_TRUE(schema("label_stocks").contains("PRIMARY KEY (\"name\")"));
  EXPECT_EQ(q("PRAGMA foreign_key_check"), "") << "every declared relation holds";
  EXPECT_EQ(q("SELECT first_name FROM customers WHERE customer_no = 3 ORDER BY first_name"), "Ann\nBob");
  EXPECT_EQ(q("SELECT quote(customer_no) FROM invoices WHERE invoice_no IN (2002, 2005) ORDER BY invoice_no"),
            "99\nNULL")
      << "the orphan is kept; customer 0 is none";
  EXPECT_EQ(q("SELECT quote(group_no) FROM customers WHERE customer_no = 2"), "NULL");
  EXPECT_EQ(q("SELECT COUNT(*) FROM invoice_items WHERE product_code = 'GONE'"), "1");
  EXPECT_EQ(q("SELECT name FROM sqlite_master WHERE type = 'index' AND name NOT LIKE 'sqlite_%' ORDER BY name"),
            "bank_entries_invoice_no\ncustomers_customer_no\ncustomers_group_no\n"
            "invoice_items_invoice_no\ninvoice_items_product_code\ninvoice_state_credited_invoice_no\n"
              "invoices_customer_no\n"
            "payments_invoice_no\npurchases_product_code\nquote_items_product_code\nquote_items_quote_no\n"
            "quotes_customer_no\nquotes_invoice_no")
      << "joins along every relation stay fast";
}

TEST_F(SqliteExportTest, ViewsAgreeWithTheStoredAmountsDue) {
  exportBooks();
  QStringList expected;
  for (int n = books::kFirstInvoice; n < books::kFirstInvoice + books::kInvoices; ++n)
    expected << QStringLiteral("%1|%2").arg(n).arg(books::DueCentsOf(n));
  EXPECT_EQ(q("SELECT invoice_no, CAST(ROUND(due * 100) AS INTEGER) FROM invoice_totals "
              "WHERE invoice_no < 2000 ORDER BY invoice_no"),
            expected.join('\n'));
  EXPECT_EQ(q("SELECT COUNT(*) FROM invoice_totals WHERE invoice_no < 2000 "
              "AND ROUND((total - paid) * 100) <> ROUND(due * 100)"),
            "0")
      << "subtotal + charges - payments is the amount due, as the invoice editor computed it";
  EXPECT_EQ(q("SELECT subtotal, charge1, charge2, total, paid, due FROM invoice_totals WHERE invoice_no = 1000"),
            "4.93|0.1|0.2|5.23|1.0|4.23");
  EXPECT_EQ(q("SELECT quote(invoice_date), subtotal, total, paid, due FROM invoice_totals WHERE invoice_no = 2002"),
            "'2024-06-15'|0.0|0.0|0.01|99.99");
  EXPECT_EQ(q("SELECT CAST(ROUND(SUM(open_amount) * 100) AS INTEGER) FROM customer_balances"),
            QString::number(books::DueCents()));
  EXPECT_EQ(q("SELECT quote(customer_no), open_amount FROM customer_balances WHERE customer_no IS NULL OR customer_no = 99"),
            "NULL|0.0\n99|99.99");
  EXPECT_EQ(q("SELECT product_code, month, quantity, amount FROM product_sales ORDER BY product_code, month"),
            QString::fromUtf8("CANDLE|2025-01|200.0|20.0\nGONE|2025-01|2.0|2.5\n"
                              "SOAP|2025-01|600.0|420.0\n€-GIFT|2025-01|300.0|46.0"))
      << "1.5 x 0.15 is 0.23 on every printed invoice";
}

TEST_F(SqliteExportTest, SourceColumnsNameTheFieldBehindEveryColumn) {
  exportBooks();
  EXPECT_EQ(q("SELECT COUNT(*) FROM pragma_table_list t, pragma_table_info(t.name) c "
              "WHERE t.schema = 'main' AND t.type = 'table' AND t.name NOT IN ('source_columns') "
              "AND t.name NOT LIKE 'sqlite_%' AND NOT EXISTS (SELECT 1 FROM source_columns s "
              "WHERE s.sql_table = t.name AND s.sql_column = c.name)"),
            "0");
  EXPECT_EQ(q("SELECT COUNT(*) FROM source_columns s WHERE NOT EXISTS (SELECT 1 FROM "
              "pragma_table_info(s.sql_table) c WHERE c.name = s.sql_column)"),
            "0");
  EXPECT_EQ(q("SELECT dbf_table, dbf_field FROM source_columns WHERE sql_table = 'invoices' "
              "AND sql_column IN ('due_x100', 'invoice_date') ORDER BY sql_column"),
            "INV5.dbf|Due\nINV5.dbf|IDate");
  EXPECT_EQ(q("SELECT dbf_table, dbf_field FROM source_columns WHERE sql_table = 'customers' "
              "AND sql_column = 'company'"),
            "CUST5.dbf|addr1");
}

TEST_F(SqliteExportTest, ProgressBoxRunsOnceOverTheWholeExport) {
  RecordingProgress box;
  SetProgressSink(&box);
  exportBooks();
  SetProgressSink(nullptr);
  ASSERT_FALSE(box.calls.isEmpty());
  EXPECT_EQ(box.calls.first(), "show:Exporting Data");
  EXPECT_EQ(box.calls.last(), "hide");
  EXPECT_TRUE(box.calls.contains("50"));
  EXPECT_EQ(box.calls.at(box.calls.size() - 2), "100");
}

TEST_F(SqliteExportTest, FailuresLeaveAnEarlierFileAsItWasAndNothingBeside) {
  QFile earlier(db);
  ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
  earlier.write("an earlier export");
  earlier.close();

  DamageMemoPointer(path("INV5.dbf"), books::kInvoices + 5, "REM");  // invoice 2004
  ExportOutcome outcome = exportTo(ExportFormat::Sqlite, db);
  EXPECT_FALSE(outcome.done);
  EXPECT_TRUE(outcome.error.contains("INV5.dbf, record 205")) << outcome.error.toStdString();
  EXPECT_EQ(Read(db), "an earlier export");
  EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::System), QStringList{"books.db"});
  EXPECT_EQ(code4errorCode(cb, 0), 0) << "no error left for the program to end on";

  outcome = exportTo(ExportFormat::Sqlite, out.filePath("no/such/folder/books.db"));
  EXPECT_FALSE(outcome.done);
  EXPECT_TRUE(outcome.error.endsWith("no/such/folder: no such folder")) << outcome.error.toStdString();
  outcome = exportTo(ExportFormat::Sqlite, out.path());
  EXPECT_TRUE(outcome.error.endsWith(": a folder, not a file")) << outcome.error.toStdString();
  const QByteArray customers = Read(path("CUST5.dbf"));
  outcome = exportTo(ExportFormat::Sqlite, path("CUST5.dbf"));
  EXPECT_TRUE(outcome.error.endsWith(": a file of the data folder's tables")) << outcome.error.toStdString();
  EXPECT_EQ(Read(path("CUST5.dbf")), customers);
}

TEST_F(SqliteExportTest, ATableAnotherProgramHasOpenStopsTheExportBeforeAnythingIsWritten) {
  CODE4* other = code4initP();
  code4setDirectory(other, dir.path().toStdString());
  code4autoOpen(other, 0);
  ASSERT_NE(d4open(other, "PMT"), nullptr);
  const ExportOutcome outcome = exportTo(ExportFormat::Sqlite, db);
  code4initUndoP(other);
  EXPECT_FALSE(outcome.done);
  EXPECT_TRUE(outcome.error.contains("PMT")) << outcome.error.toStdString();
  EXPECT_TRUE(QDir(out.path()).entryList(QDir::Files | QDir::System).isEmpty());
}

// In a folder others may write to, a link planted where an export used to
// write first would have had the victim's file overwritten.
TEST_F(SqliteExportTest, LinksPlantedBesideTheTargetAreNeverWrittenThrough) {
  const QString victim = out.filePath("victim");
  QFile f(victim);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("the victim's own");
  f.close();
  const QString script = out.filePath("books.sql");
  for (const QString& target : {db, script}) ASSERT_TRUE(QFile::link(victim, target + ".tbexport"));
  EXPECT_TRUE(exportTo(ExportFormat::Sqlite, db).done);
  EXPECT_TRUE(exportTo(ExportFormat::Postgres, script).done);
  EXPECT_EQ(Read(victim), "the victim's own");
  for (const QString& target : {db, script}) {
    EXPECT_FALSE(QFileInfo(target).isSymLink()) << target.toStdString();
    EXPECT_GT(QFileInfo(target).size(), 1000) << target.toStdString();
  }
  EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::System).size(), 5) << "nothing more beside them";
}

}  // namespace
