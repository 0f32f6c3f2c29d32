#include "reports/TestSupport.h"

#include <QFile>

#include "data/Settings.h"
#include "platform/PrinterChoice.h"
#include "printing/ReportExport.h"
#include "printing/RptUtil.h"

void ReportDataTest::SetUp() {
  IndexedFolderTest::SetUp();
  EnsureTestApplication();
  PrinterChoice::selectNone();
  resetReportForTests();
}

void ReportDataTest::TearDown() {
  resetReportForTests();
  IndexedFolderTest::TearDown();
}

ReportOutcome ReportDataTest::Build(const std::function<ReportOutcome(ReportLineSink&)>& build) {
  DocumentInHand document;
  const ReportOutcome outcome = build(KeptLines());
  FinishReport();
  lines = Lines();
  if (Report().lineCount() > 0) shown << ExportText(Report(), ExportFormat::PlainText);
  return outcome;
}

ReportOutcome ReportDataTest::Build(Builder build, const ReportRequest& request) {
  return Build([&](ReportLineSink& sink) { return build(request, sink); });
}

ReportRequest Span(QDate from, QDate to) {
  ReportRequest r;
  r.from = DateFromQDate(from);
  r.to = DateFromQDate(to);
  return r;
}

namespace {
QString GoldenPath(const QString& name) {
  return qEnvironmentVariable("TB_SOURCE_DIR", QStringLiteral(".")) + "/src/reports/golden/" + name;
}
}  // namespace

QString Golden(const QString& name) {
  QFile file(GoldenPath(name));
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

void ExpectGolden(const QString& name, const QString& text) {
  if (qEnvironmentVariableIntValue("TB_UPDATE_GOLDEN") == 1) {
    QFile file(GoldenPath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << GoldenPath(name).toStdString();
    file.write(text.toUtf8());
    return;
  }
  const QString expected = Golden(name);
  if (expected == text) return;
  const QStringList want = expected.split("\r\n");
  const QStringList got = text.split("\r\n");
  qsizetype i = 0;
  while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
  ADD_FAILURE() << "report differs from golden file " << name.toStdString() << " at line "
                << i + 1 << "\n  expected: \"" << (i < want.size() ? want[i] : "<end>").toStdString()
                << "\"\n  actual:   \"" << (i < got.size() ? got[i] : "<end>").toStdString()
                << "\"\n(run with TB_UPDATE_GOLDEN=1 to rewrite the file after checking it)";
}

void WriteCandleBusiness() {
  SettingsRecord& s = Settings();
  s.Company = "Tallow & Wick";
  s.Addr1 = "4 Chandler Lane";
  s.Addr2 = "Salem, MA 01970";
  s.ShipLine = "Shipping  ";
  s.TaxLine = "Sales Tax";
  WriteSettings();

  AppendCustomer(Customer(7, "Ms.", "Ada", "Byron", {"Lovelace Candles", "12 Engine Row"},
                          "02139"));
  // The last address line is longer than 22 characters: the postal code
  // goes on a line of its own.
  AppendCustomer(Customer(8, "Mr.", "Charles", "Babbage",
                          {"Difference Works", "1 Analytical Engine Court"}, "W1 4AB"));
  AppendCustomer(Customer(9, "Dr.", "Grace", "Hopper", {"Compiler Co"}, "20301"));

  AppendProduct(Product("CANDLE", "Hand-dipped beeswax.\r\nKeep away from drafts."));
  AppendProduct(Product("SOAP", "Goat milk soap."));

  AppendInvoice(Invoice(1001, 7, QDate(2026, 3, 2), 4.5, 1.63, 10));
  AppendItem(Item(1001, "CANDLE", 2, 12.5, "Beeswax pillar candle", "gift wrapped"));
  AppendItem(Item(1001, "WICK", 3, 0.35, "Cotton wick"));
  AppendPayment(Payment(1001, QDate(2026, 3, 4), 22.18));

  // Overpaid: a credit of 2.00. Half-cent products: each line total is
  // rounded up on the invoice, the statement sums the exact products.
  AppendInvoice(Invoice(1002, 8, QDate(2026, 3, 5), 0, 0, -2));
  AppendItem(Item(1002, "SOAP", 2, 4, "Goat milk soap"));
  AppendItem(Item(1002, "TEA", 0.5, 0.25, "Tealight"));
  AppendItem(Item(1002, "TEA", 0.5, 0.25, "Tealight"));
  AppendPayment(Payment(1002, QDate(2026, 3, 5), 10.26));

  AppendInvoice(Invoice(1003, 7, QDate(2026, 3, 10), 0, 0, 0));  // settled
  AppendItem(Item(1003, "WICK", 10, 0.35, "Cotton wick"));
  AppendPayment(Payment(1003, QDate(2026, 3, 10), 3.5));

  AppendInvoice(Invoice(1004, 7, QDate(2026, 2, 20), 0, 0, 5));  // before March
  AppendItem(Item(1004, "CANDLE", 1, 5, "Taper candle"));

  AppendInvoice(Invoice(1005, 99, QDate(2026, 3, 12), 1, 0, 1));  // customer gone
}

void WriteStockBusiness() {
  AppendProduct(StockProduct("WICK", "Cotton wick", 0.35, 0, false));
  AppendProduct(StockProduct("CANDLE", "Beeswax pillar candle", 12.5, 5, true, "hand-dipped"));
  AppendProduct(StockProduct("WAX", "Paraffin wax, 1 lb", 3, 14, true));
  AppendProduct(StockProduct("SOAP", "Goat milk soap", 4, 20, true));
  AppendProduct(StockProduct("tea", "Tealight", 0.1, 0, true));

  AppendPurchase(Purchase("CANDLE", QDate(2026, 1, 5), 10, 40));     // 4.00 each
  AppendPurchase(Purchase("CANDLE", QDate(2026, 2, 10), 10, 50));    // 5.00 each
  AppendPurchase(Purchase("CANDLE", QDate(2026, 3, 20), 6, 33));     // 5.50 each, on order today
  AppendPurchase(Purchase("SOAP", QDate(2026, 2, 1), 30, 45));       // 1.50 each
  AppendPurchase(Purchase("SOAP", QDate(2026, 3, 5), 0, 0));         // no lot
  AppendPurchase(Purchase("tea", QDate(2026, 1, 10), 20, 10));       // 0.50 each
  AppendPurchase(Purchase("WAX", QDate(2026, 2, 28), 10, 25));       // 2.50 each
  AppendPurchase(Purchase("WAX", QDate(2026, 3, 1), 4, 12));         // 3.00 each
  AppendPurchase(Purchase("WICK", QDate(2026, 3, 2), 100, 20));      // not tracked
  AppendPurchase(Purchase("GONE", QDate(2026, 3, 3), 5, 7.5));       // no such product

  AppendInvoice(Invoice(2001, 7, QDate(2026, 2, 20), 0, 0, 0));
  AppendItem(Item(2001, "CANDLE", 12, 12.5, "Beeswax pillar candle"));
  AppendItem(Item(2001, "SOAP", 5, 4, "Goat milk soap"));
  AppendInvoice(Invoice(2002, 7, QDate(2026, 3, 4), 0, 0, 0));
  AppendItem(Item(2002, "CANDLE", 3, 12.5, "Beeswax pillar candle"));
  AppendItem(Item(2002, "SOAP", 12, 4, "Goat milk soap"));
  AppendItem(Item(2002, "WICK", 30, 0.35, "Cotton wick"));
  AppendItem(Item(2002, "tea", 4, 0.1, "Tealight"));
  AppendInvoice(Invoice(2003, 7, QDate(2026, 3, 18), 0, 0, 0));  // after today
  AppendItem(Item(2003, "SOAP", 4, 4, "Goat milk soap"));
  AppendItem(Item(2999, "CANDLE", 100, 12.5, "Beeswax pillar candle"));  // invoice missing
}
