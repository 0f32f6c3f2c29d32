// The hand-made books exported as CSV files and read back by Python's csv
// module: one file per table with its header, quoting that keeps commas,
// quotes and line breaks, ISO dates, exact decimals; and a folder that
// takes the place of an earlier export only when complete.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "export/TestSupport.h"

namespace {

// Every CSV file of folder as Python's csv module reads it: file name ->
// rows -> fields; and per file the decimal sum of one column where asked.
const char* const kReader = R"(
import csv, decimal, json, os, sys
folder, sums = sys.argv[1], dict(a.split(':') for a in sys.argv[2:])
out = {}
for name in sorted(os.listdir(folder)):
    with open(os.path.join(folder, name), newline='', encoding='utf-8') as f:
        rows = list(csv.reader(f, strict=True))
    out[name] = rows
    if name in sums:
        column = rows[0].index(sums[name])
        out[name + ' sum'] = str(sum(decimal.Decimal(r[column] or '0') for r in rows[1:]))
print(json.dumps(out))
)";

QJsonObject ReadBack(const QString& folder, const QStringList& sums = {}) {
  QProcess python;
  python.start("python3", QStringList{"-c", kReader, folder} + sums);
  EXPECT_TRUE(python.waitForFinished(60000) && python.exitCode() == 0)
      << python.readAllStandardError().toStdString();
  return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

// The row of rows whose first field is key.
QStringList Row(const QJsonObject& files, const QString& file, const QString& key) {
  for (const QJsonValue& row : files[file].toArray()) {
    QStringList fields;
    for (const QJsonValue& f : row.toArray()) fields << f.toString();
    if (!fields.isEmpty() && fields.first() == key) return fields;
  }
  return {};
}

QByteArray Read(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class CsvExportTest : public ExportTest {
 protected:
  void exportBooks() {
    const ExportOutcome outcome = exportTo(ExportFormat::Csv, folder);
    ASSERT_TRUE(outcome.done) << outcome.error.toStdString();
  }
  QString folder = out.filePath("books");
};

TEST_F(CsvExportTest, OneFilePerTableReadBackByPythonsCsvModule) {
  exportBooks();
  const QJsonObject files = ReadBack(folder, {"invoices.csv:due", "payments.csv:amount"});
  EXPECT_EQ(QStringList(files.keys()).filter(QRegularExpression("\\.csv$")).join(' '),
            "bank_entries.csv customer_einvoice.csv customer_groups.csv customer_language.csv customers.csv "
            "einvoice_seller.csv "
            "import_folders.csv invoice_items.csv invoice_state.csv invoices.csv label_stocks.csv payments.csv "
            "products.csv purchases.csv quote_items.csv quotes.csv received_invoices.csv received_item_products.csv "
            "recurring_invoices.csv reference_rates.csv reminders_sent.csv settings.csv source_columns.csv");
  EXPECT_EQ(files["customers.csv"].toArray().size(), books::kCustomers + 1) << "a header row";
  EXPECT_EQ(files["invoices.csv"].toArray().size(), books::kInvoiceRows + 1);
  EXPECT_EQ(files["invoice_items.csv"].toArray().size(), books::kItems + 1);
  EXPECT_EQ(files["settings.csv"].toArray().size(), 2);
  EXPECT_EQ(Row(files, "invoices.csv", "invoice_no").join(','),
            "invoice_no,customer_no,department,invoice_date,payment_reference,charge1,charge2,due,note");
  EXPECT_EQ(Row(files, "invoices.csv", "1000").join('|'), "1000|2|Shop|2025-01-21||0.10|0.20|4.23|");
  EXPECT_EQ(Row(files, "invoices.csv", "2001").at(3), "") << "an impossible date";
  EXPECT_EQ(Row(files, "invoices.csv", "2005").at(4), "****.****.****.1111 x9/28") << "a card number masked";
  EXPECT_EQ(Row(files, "invoices.csv", "2004").last(),
            QString::fromUtf8("Deliver \"by hand\", please;\r\nB&B Straße 5, €10 tip"));
  EXPECT_EQ(Row(files, "customers.csv", "1").mid(1, 4).join('|'),
            QString::fromUtf8("Mme|Émilie|Dupré|Café \"Le Coin\", Paris"));
  EXPECT_EQ(Row(files, "customers.csv", "1").at(9), "Prefers mail.\r\nCall after 5, not before.");
  EXPECT_EQ(files["invoices.csv sum"].toString(), QString::number(books::DueCents() / 100.0, 'f', 2))
      << "the decimals sum exactly";
  EXPECT_EQ(files["payments.csv sum"].toString(), "100.01");
  EXPECT_EQ(Row(files, "products.csv", "CANDLE").mid(3, 4).join('|'), "0.10|true||true")
      << "a logical never set is missing";
  EXPECT_EQ(Row(files, "label_stocks.csv", "Avery 5160").mid(1, 5).join('|'),
            "36.000|13.500|||189.000");
  EXPECT_EQ(Row(files, "source_columns.csv", "invoices").join('|'), "invoices|invoice_no|INV5.dbf|IvNo");
}

TEST_F(CsvExportTest, RfcLinesAndEmptyTextsToldFromMissingValues) {
  exportBooks();
  const QByteArray customers = Read(QDir(folder).filePath("customers.csv"));
  EXPECT_TRUE(customers.startsWith("customer_no,title,first_name,last_name,company,")) << "no byte-order mark";
  EXPECT_TRUE(customers.contains("\"Caf\xc3\xa9 \"\"Le Coin\"\", Paris\""));
  EXPECT_TRUE(customers.contains("\"Prefers mail.\r\nCall after 5, not before.\""));
  EXPECT_TRUE(customers.contains("\r\n2,\"\",J\xc3\xbcrgen,Stra\xc3\x9f" "e,M\xc3\xbcller & S\xc3\xb6hne,\"\",\"\",\"\",\"\",\"\",,\"\",\"\",\"\",\"\"\r\n"))
      << "customer 2: empty texts quoted, the group (none) left empty\n" << customers.toStdString();
  EXPECT_EQ(customers.count('\n'), customers.count("\r\n"));
}

TEST_F(CsvExportTest, TextsASpreadsheetWouldRunAsFormulasAreShownAsText) {
  exportBooks();
  const QJsonObject files = ReadBack(folder);
  const QStringList invoice = Row(files, "invoices.csv", "2000");
  EXPECT_EQ(invoice.at(2), "'=HYPERLINK(\"http://x.example\",\"Click\")");
  EXPECT_EQ(invoice.at(4), "'-2+3");
  EXPECT_EQ(invoice.last(), "'\tthe end\n\n") << "a memo as stored, its last line ends kept";
  EXPECT_EQ(invoice.at(7), "12.34") << "a number stays a number";
  EXPECT_EQ(Row(files, "invoices.csv", "1000").at(2), "Shop");
}

TEST_F(CsvExportTest, AnEarlierExportIsReplacedWholeAndOtherFoldersAreRefused) {
  exportBooks();
  const QByteArray before = Read(QDir(folder).filePath("invoices.csv"));
  ASSERT_TRUE(QFile::remove(QDir(folder).filePath("settings.csv")));
  ASSERT_TRUE(QDir().mkpath(out.filePath("mine")));
  QFile own(out.filePath("mine/notes.txt"));
  ASSERT_TRUE(own.open(QIODevice::WriteOnly));
  own.write("mine");
  own.close();

  exportBooks();
  EXPECT_EQ(Read(QDir(folder).filePath("invoices.csv")), before);
  EXPECT_TRUE(QFile::exists(QDir(folder).filePath("settings.csv")));
  EXPECT_EQ(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(' '), "books mine")
      << "nothing left beside";

  const ExportOutcome outcome = exportTo(ExportFormat::Csv, out.filePath("mine"));
  EXPECT_FALSE(outcome.done);
  EXPECT_TRUE(outcome.error.contains("holds other files (notes.txt)")) << outcome.error.toStdString();
  EXPECT_EQ(Read(out.filePath("mine/notes.txt")), "mine");
  EXPECT_EQ(QDir(out.filePath("mine")).entryList(QDir::Files).join(' '), "notes.txt");
}

}  // namespace
