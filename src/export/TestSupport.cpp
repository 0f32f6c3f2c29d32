#include "export/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <unistd.h>
#include <utility>

#include "data/CodeBase.h"
#include "data/Cp1252.h"
#include "platform/NumberText.h"
#include "tbengine/engine.h"

namespace {

using Fields = std::initializer_list<std::pair<const char*, QString>>;

// Appends a record holding fields (texts as Windows-1252, numbers, dates
// and logicals as stored text), marked deleted when asked.
void Append(DATA4* d, Fields fields, bool deleted = false) {
  ASSERT_EQ(d4appendBlank(d), 0);
  for (const auto& [name, value] : fields) {
    FIELD4* f = d4field(d, name);
    ASSERT_NE(f, nullptr) << name;
    ASSERT_GE(f4assign(f, ToCp1252(value).constData()), 0) << name << " " << code4errorText(cb);
  }
  if (deleted) d4delete(d);
}

DATA4* Open(const char* name) {
  DATA4* d = d4open(cb, name);
  EXPECT_NE(d, nullptr) << name << ": " << code4errorText(cb);
  return d;
}

// The cents an invoice of the main run is worth: 0.10 + 3 x 0.70 + the
// half-cent line 1.5 x 0.15 as the invoice editor rounds it (0.23: the
// product lies just under 0.225 in binary, the half cent added lifts it
// to 0.23), charges 0.10 and 0.20, 1.00 paid on every even invoice;
// invoice 1000 also holds 2 x 1.25 of product GONE.
qint64 Subtotal() { return 10 + 210 + qRound64(RoundMoney(1.5 * 0.15) * 100); }

qint64 PaidCents(int invoice) { return invoice % 2 == 0 ? 100 : 0; }

// The invoices 2000-2005 with their stored Due (2003 is deleted).
constexpr std::pair<int, qint64> kOddInvoices[] = {
    {2000, 1234}, {2001, 1}, {2002, 9999}, {2004, 555}, {2005, 0}};

QString Cents(qint64 cents) { return QString::number(cents / 100.0, 'f', 2); }

void WriteBooks() {
  code4autoOpen(cb, 0);
  DATA4* groups = Open("GROUPS");
  Append(groups, {{"nGroup", "1"}, {"cGroup", "Retail"}});
  Append(groups, {{"nGroup", "2"}, {"cGroup", "Wholesale & Trade"}});

  DATA4* customers = Open("CUST5");
  Append(customers, {{"cuno", "1"}, {"title", "Mme"}, {"first", QString::fromUtf8("Émilie")},
                     {"last", QString::fromUtf8("Dupré")},
                     {"addr1", QString::fromUtf8("Café \"Le Coin\", Paris")}, {"zip", "75001"},
                     {"ngroup", "1"}, {"email", "emilie@example.org"},
                     {"comments", "Prefers mail.\r\nCall after 5, not before."}});
  Append(customers, {{"cuno", "2"}, {"first", QString::fromUtf8("Jürgen")},
                     {"last", QString::fromUtf8("Straße")},
                     {"addr1", QString::fromUtf8("Müller & Söhne")}, {"ngroup", "0"}});
  Append(customers, {{"cuno", "3"}, {"first", "Ann"}, {"last", "Lee"}, {"ngroup", "2"}});
  Append(customers, {{"cuno", "3"}, {"first", "Bob"}, {"last", "Lee"}, {"ngroup", "2"}});
  Append(customers, {{"cuno", "4"}, {"last", "Gone"}, {"ngroup", "1"}}, true);

  DATA4* products = Open("Prod5");
  Append(products, {{"PrID", "CANDLE"}, {"PDesc", "Beeswax candle"}, {"UPrice", "0.10"},
                    {"LTax1", "T"}, {"lInven", "T"}, {"ONHAND", "12.50"},
                    {"PMemo", "Hand-poured.\r\nKeep away from heat."}});
  Append(products, {{"PrID", "SOAP"}, {"PDesc", "Olive soap"}, {"UPrice", "0.70"}, {"LTax1", "F"}});
  Append(products, {{"PrID", QString::fromUtf8("€-GIFT")}, {"PDesc", "Gift card"}, {"UPrice", "0.15"}});
  Append(products, {{"PrID", "OLD"}, {"PDesc", "Withdrawn"}}, true);

  DATA4* invoices = Open("INV5");
  DATA4* items = Open("ITM5");
  DATA4* payments = Open("PMT");
  for (int n = books::kFirstInvoice; n < books::kFirstInvoice + books::kInvoices; ++n) {
    const QString number = QString::number(n);
    Append(items, {{"IvNo", number}, {"PrID", "CANDLE"}, {"Qty", "1"}, {"UPR", "0.10"},
                   {"LTax1", "T"}, {"LTax2", "F"}, {"PDesc", "Beeswax candle"}});
    Append(items, {{"IvNo", number}, {"PrID", "SOAP"}, {"Qty", "3"}, {"UPR", "0.70"},
                   {"LTax1", "F"}, {"LTax2", "F"}, {"PDesc", "Olive soap"}});
    Append(items, {{"IvNo", number}, {"PrID", QString::fromUtf8("€-GIFT")}, {"Qty", "1.5"},
                   {"UPR", "0.15"}, {"PDesc", "Gift card"}, {"IComm", "for Ann, with love"}});
    if (PaidCents(n) > 0)
      Append(payments, {{"IvNo", number}, {"PDate", "20250201"}, {"PAmt", Cents(PaidCents(n))}});
    Append(invoices, {{"IvNo", number}, {"CuNo", QString::number(1 + n % 3)},
                      {"IDate", QStringLiteral("202501%1").arg(1 + n % 28, 2, 10, QChar('0'))},
                      {"Dept", "Shop"}, {"Ship", "0.10"}, {"Tax", "0.20"},
                      {"Due", Cents(books::DueCentsOf(n))}});
  }
  Append(items, {{"IvNo", "1000"}, {"PrID", "GONE"}, {"Qty", "2"}, {"UPR", "1.25"}, {"PDesc", "Old kit"}});
  Append(invoices, {{"IvNo", "2000"}, {"CuNo", "1"}, {"Due", "12.34"},
                    {"Dept", "=HYPERLINK(\"http://x.example\",\"Click\")"}, {"IMemo", "-2+3"},
                    {"REM", "\tthe end\n\n"}});
  Append(invoices, {{"IvNo", "2001"}, {"CuNo", "2"}, {"IDate", "20230231"}, {"Due", "0.01"}});
  Append(invoices, {{"IvNo", "2002"}, {"CuNo", "99"}, {"IDate", "20240615"}, {"Due", "99.99"}});
  Append(payments, {{"IvNo", "2002"}, {"PDate", "20240701"}, {"PAmt", "0.01"}});
  Append(invoices, {{"IvNo", "2003"}, {"CuNo", "1"}, {"IDate", "20240615"}, {"Due", "7.00"}}, true);
  Append(items, {{"IvNo", "2003"}, {"PrID", "SOAP"}, {"Qty", "10"}, {"UPR", "0.70"}}, true);
  Append(invoices, {{"IvNo", "2004"}, {"CuNo", "3"}, {"IDate", "20241231"}, {"Due", "5.55"},
                    {"REM", QString::fromUtf8("Deliver \"by hand\", please;\r\nB&B Straße 5, €10 tip")}});
  Append(invoices, {{"IvNo", "2005"}, {"CuNo", "0"}, {"IDate", "20250102"}, {"Due", "0"},
                    {"IMemo", "4111.1111.1111.1111 x9/28"}});

  Append(Open("LABELS"), {{"Name", "Avery 5160"}, {"TopM", "36.000"}, {"LeftM", "13.500"},
                          {"Width", "189.000"}, {"Height", "72.000"}, {"NAcross", "3"},
                          {"Continuous", "F"}});
  Append(Open("Pur5"), {{"PURProd", "CANDLE"}, {"PURDate", "20241001"}, {"PURQty", "24"},
                        {"PURCost", "1.44"}, {"PURNo", "1"}});
  ASSERT_GE(code4close(cb), 0) << code4errorText(cb);
  code4autoOpen(cb, 1);
}

// Each field of each line a number alike however it was written.
QString NormalizedField(QString field) {
  if (field == "t") return "1";
  if (field == "f") return "0";
  static const QRegularExpression number(QStringLiteral("^-?\\d+\\.\\d*$"));
  if (!number.match(field).hasMatch()) return field;
  while (field.endsWith('0')) field.chop(1);
  if (field.endsWith('.')) field.chop(1);
  return field == "-0" ? "0" : field;
}

}  // namespace

qint64 books::DueCentsOf(int invoice) {
  for (const auto& [n, due] : kOddInvoices)
    if (n == invoice) return due;
  const qint64 gone = invoice == kFirstInvoice ? 250 : 0;
  return Subtotal() + gone + 10 + 20 - PaidCents(invoice);
}

qint64 books::DueCents() {
  qint64 sum = 0;
  for (int n = kFirstInvoice; n < kFirstInvoice + kInvoices; ++n) sum += DueCentsOf(n);
  for (const auto& [n, due] : kOddInvoices) sum += due;
  return sum;
}

void ExportTest::SetUp() {
  DataFolderTest::SetUp();
  ASSERT_TRUE(out.isValid());
  WriteBooks();
}

ExportOutcome ExportTest::exportTo(ExportFormat format, const QString& target) {
  return ExportData({format, target});
}

QString ExportTest::sqlite(const QString& db, const QString& query) {
  QProcess shell;
  shell.start("sqlite3", {"-batch", "-noheader", "-separator", "|", db, query});
  const bool ran = shell.waitForFinished(60000) && shell.exitStatus() == QProcess::NormalExit &&
                   shell.exitCode() == 0;
  EXPECT_TRUE(ran) << query.toStdString() << "\n" << shell.readAllStandardError().toStdString();
  return QString::fromUtf8(shell.readAllStandardOutput()).trimmed();
}

const QStringList& SameAnswerQueries() {
  static const QStringList queries = {
      "SELECT COUNT(*) FROM customers",
      "SELECT COUNT(*) FROM invoices",
      "SELECT COUNT(*) FROM invoice_items",
      "SELECT COUNT(*) FROM payments",
      "SELECT COUNT(*) FROM settings",
      "SELECT customer_no, first_name, last_name, company, group_no, comments FROM customers "
      "ORDER BY customer_no, first_name",
      "SELECT invoice_no, customer_no, invoice_date, note FROM invoices ORDER BY invoice_no",
      "SELECT invoice_no, customer_no, invoice_date, subtotal, charge1, charge2, total, paid, due "
      "FROM invoice_totals ORDER BY invoice_no",
      "SELECT customer_no, open_amount FROM customer_balances ORDER BY COALESCE(customer_no, -1)",
      "SELECT product_code, month, quantity, amount FROM product_sales ORDER BY product_code, month",
      "SELECT ROUND(SUM(due), 2), ROUND(SUM(total - paid), 2) FROM invoice_totals",
      "SELECT ROUND(SUM(open_amount), 2) FROM customer_balances",
      "SELECT ROUND(SUM(amount), 2), ROUND(SUM(quantity), 2) FROM product_sales",
      "SELECT product_code, description, charge1_applies, invoice_text FROM products "
      "ORDER BY product_code",
      // SQLite names a column of hundredths <name>_x100.
      "SELECT sql_table, replace(replace(sql_column, '_x1000', ''), '_x100', ''), dbf_table, "
      "dbf_field FROM source_columns ORDER BY 1, 2",
  };
  return queries;
}

QString Normalized(const QString& answer) {
  QStringList lines;
  for (const QString& line : answer.split('\n')) {
    QStringList fields;
    for (const QString& field : line.split('|')) fields << NormalizedField(field);
    lines << fields.join('|');
  }
  return lines.join('\n');
}

// ---- A throwaway PostgreSQL server ----------------------------------------

namespace {

// The server's programs of the newest PostgreSQL installed.
QString PostgresBin() {
  const QStringList versions =
      QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  for (auto v = versions.rbegin(); v != versions.rend(); ++v) {
    const QString bin = "/usr/lib/postgresql/" + *v + "/bin";
    if (QFile::exists(bin + "/initdb") && QFile::exists(bin + "/pg_ctl")) return bin;
  }
  return QString();
}

}  // namespace

bool ThrowawayPostgres::run(const QStringList& command, QString* output) const {
  QStringList args = command;
  QString program = args.takeFirst();
  // As root the server's programs run as nobody, who owns the folder.
  if (::geteuid() == 0) {
    args = QStringList{"-u", "nobody", "--", program} + args;
    program = "runuser";
  }
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.setWorkingDirectory(dir_.path());
  p.start(program, args);
  const bool ok = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit &&
                  p.exitCode() == 0;
  *output = QString::fromUtf8(p.readAll());
  return ok;
}

ThrowawayPostgres::ThrowawayPostgres() {
  bin_ = PostgresBin();
  if (bin_.isEmpty()) {
    unavailable_ = "PostgreSQL's server programs are not installed (Debian's postgresql)";
    return;
  }
  if (::geteuid() == 0 &&
      QProcess::execute("chown", {"nobody", dir_.path()}) != 0) {
    unavailable_ = "cannot give the server's folder to nobody";
    return;
  }
  const QString data = dir_.filePath("cluster");
  QString output;
  if (!run({bin_ + "/initdb", "-D", data, "-U", "postgres", "--auth=trust", "-E", "UTF8",
            "--locale=C.UTF-8"},
           &output) ||
      !run({bin_ + "/pg_ctl", "-D", data, "-l", dir_.filePath("server.log"), "-w", "-o",
            "-k " + dir_.path() + " -c listen_addresses='' -c fsync=off", "start"},
           &output)) {
    unavailable_ = "the server did not start: " + output;
    return;
  }
  started_ = true;
}

ThrowawayPostgres::~ThrowawayPostgres() {
  QString output;
  if (started_) run({bin_ + "/pg_ctl", "-D", dir_.filePath("cluster"), "-m", "immediate", "stop"}, &output);
}

QString ThrowawayPostgres::psql(const QString& database, const QStringList& args, bool* ok) const {
  QProcess p;
  p.start("psql", QStringList{"-X", "-q", "-At", "-F", "|", "-v", "ON_ERROR_STOP=1", "-h",
                              dir_.path(), "-U", "postgres", "-d", database} + args);
  const bool done = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit &&
                    p.exitCode() == 0;
  if (ok) *ok = done;
  const QString output = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
  return done ? output : output + QString::fromUtf8(p.readAllStandardError());
}
