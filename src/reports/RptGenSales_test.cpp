// The sales, tax, receivables and income reports over a candle maker's
// tables (reports/TestSupport), with the cases each report must get right
// added where they matter; expected cells worked out by hand.
#include "reports/RptGenSales.h"

#include <gtest/gtest.h>

#include "data/Settings.h"
#include "data/dbFiles.h"
#include "platform/Language.h"
#include "reports/TestSupport.h"

namespace {

class SalesReports : public ReportDataTest {
 protected:
  void SetUp() override {
    ReportDataTest::SetUp();
    WriteCandleBusiness();
  }
  // The lines from the one after the column captions (or the titles, for
  // a report without headings) on.
  QStringList Body(int headerLines) const { return lines.mid(headerLines); }

  ReportRequest request;  // the span of the date-span reports
};

InvoiceRecord InvoiceWithMemo(long ivNo, long cuNo, QDate date, const QString& memo) {
  InvoiceRecord r = Invoice(ivNo, cuNo, date, 0, 0, 0);
  r.IMemo = memo;
  return r;
}

ItemRecord TaxedItem(long ivNo, const QString& code, double qty, double price, bool tax1,
                     bool tax2) {
  ItemRecord r = Item(ivNo, code, qty, price, "Item");
  r.LTax1 = tax1;
  r.LTax2 = tax2;
  return r;
}

// ---- Receivables ------------------------------------------------------------

TEST_F(SalesReports, ReceivablesListCreditsFutureAndUnknownCustomersByInvoiceNumber) {
  AppendInvoice(Invoice(1007, 9, QDate(2026, 3, 15), 0, 0, 4.25));  // dated today
  AppendInvoice(Invoice(1006, 8, QDate(2026, 3, 20), 0, 0, 3));     // dated ahead
  Build(BuildReceivables, request);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(lines[0], "L00Page 1|R7103/15/26||||||||");
  EXPECT_EQ(lines[2], "C35RECEIVABLES|||||||||B");
  EXPECT_EQ(lines[6], "|||||||||U");
  EXPECT_EQ(lines[7], "|R07Inv. No||L10Customer||R55Days||R69Amount||U");
  // 1003 is settled; 1005's customer is gone; 1002 is a credit.
  EXPECT_EQ(Body(8), QStringList({
                         "V00|R071001|V08|L10Ms.  Ada Byron|V50|R5513|V57|R69     10.00|V71|",
                         "V00|R071002|V08|L10Mr.  Charles Babbage|V50|R5510|V57|R69     -2.00|V71|",
                         "V00|R071004|V08|L10Ms.  Ada Byron|V50|R5523|V57|R69      5.00|V71|",
                         "V00|R071005|V08|L10UNKNOWN|V50|R553|V57|R69      1.00|V71|",
                         "V00|R071006|V08|L10Mr.  Charles Babbage|V50|R55-5|V57|R69      3.00|V71|",
                         "V00|R071007|V08|L10Dr.  Grace Hopper|V50|R550|V57|R69      4.25|V71|U",
                         "V00|L01Total Receivables|||||V57|R69     21.25|V71|U",
                     }))
      << Joined(lines).toStdString();
  ExpectGolden("receivables.txt", shown[0]);
  EXPECT_EQ(Inv5.d, nullptr);
  EXPECT_EQ(Report().lineCount(), 0);
}

TEST_F(SalesReports, ReceivablesLeaveTheDaysOfAnInvoiceWithoutADateEmpty) {
  AppendInvoice(Invoice(1008, 7, QDate(), 0, 0, 2.5));
  Build(BuildReceivables, request);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(lines[12], "V00|R071008|V08|L10Ms.  Ada Byron|V50|R55|V57|R69      2.50|V71|U")
      << Joined(lines).toStdString();
}

TEST_F(SalesReports, ReceivablesNameCompaniesWhenCustomersAreListedByCompany) {
  Settings().ByCust = false;
  Build(BuildReceivables, request);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(lines[8], "V00|R071001|V08|L10Lovelace Candles|V50|R5513|V57|R69     10.00|V71|");
}

using EmptyReports = ReportDataTest;

TEST_F(EmptyReports, ReceivablesOfAnEmptyInvoiceTableSaySoAndOfSettledOnesShowNothing) {
  EXPECT_EQ(Build(BuildReceivables, ReportRequest()).message, kNoInvoices);
  AppendInvoice(Invoice(1, 0, QDate(2026, 3, 1), 0, 0, 0));
  EXPECT_EQ(Build(BuildReceivables, ReportRequest()).kind, ReportOutcome::Kind::Built);  // and no line
  EXPECT_TRUE(shown.isEmpty());
  EXPECT_EQ(Report().lineCount(), 0);
}

TEST_F(SalesReports, LongReceivablesGoOnOnASecondPageUnderTheHeadings) {
  for (int i = 0; i < 60; ++i) AppendInvoice(Invoice(3000 + i, 7, QDate(2026, 3, 1), 0, 0, 1));
  Build(BuildReceivables, request);
  ASSERT_EQ(shown.size(), 1);
  const qsizetype eject = lines.indexOf("EJECT|||||||||");
  ASSERT_EQ(eject, 60);  // 60 lines to the page, headers included
  EXPECT_TRUE(lines[eject - 1].endsWith("|V71|U"));  // the page is ruled off
  EXPECT_EQ(lines[eject + 1], "L00Page 2|R7103/15/26||||||||");
  EXPECT_EQ(lines[eject + 8], "|R07Inv. No||L10Customer||R55Days||R69Amount||U");
  EXPECT_EQ(lines.last(), "V00|L01Total Receivables|||||V57|R69     74.00|V71|U");
}

// The title, headings and totals in the language of the moment; names as
// stored, amounts as the language writes them.
TEST_F(SalesReports, ReceivablesAndSalesSummaryComeInGermanAndFrench) {
  struct Expected {
    const char* code;
    QString title, headings, unknown, total, summaryTitle, summaryHeadings, summaryTotals;
  };
  const Expected languages[] = {
      {"de", "C35OFFENE POSTEN|", "|R07Rg.-Nr.||L10Kunde||R55Tage||R69Betrag||U",
       "V00|R071005|V08|L10UNBEKANNT|V50|R553|V57|R69      1,00|V71|U",
       "V00|L01Offene Posten gesamt|||||V57|R69     14,00|V71|U",
       "C32Umsatzübersicht vom 01.03.26 bis 31.03.26|",
       "|R07Rg.-Nr.||R17Datum||R28Positionen||R40Shipping||R52Sales Tax||R63Gesamt||U",
       "V00|||R17Summen|"},
      {"fr", "C35CRÉANCES|", "|R07Facture||L10Client||R55Jours||R69Montant||U",
       "V00|R071005|V08|L10INCONNU|V50|R553|V57|R69      1,00|V71|U",
       "V00|L01Total des créances|||||V57|R69     14,00|V71|U",
       "C32Récapitulatif des ventes du 01/03/26 au 31/03/26|",
       "|R07Facture||R17Date||R28Articles||R40Shipping||R52Sales Tax||R63Total||U",
       "V00|||R17Totaux|"},
  };
  for (const Expected& e : languages) {
    DocumentLanguage language(QString::fromLatin1(e.code));
    Build(BuildReceivables, request);
    ASSERT_GT(lines.size(), 8) << e.code;
    EXPECT_TRUE(lines[2].startsWith(e.title)) << Joined(lines).toStdString();
    EXPECT_EQ(lines[7], e.headings);
    EXPECT_TRUE(lines.contains(e.unknown)) << Joined(lines).toStdString();
    EXPECT_EQ(lines.last(), e.total);

    Build(BuildSalesSummary, Span(QDate(2026, 3, 1), QDate(2026, 3, 31)));
    ASSERT_GT(lines.size(), 8) << e.code;
    EXPECT_TRUE(lines[2].startsWith(e.summaryTitle)) << lines[2].toStdString();
    EXPECT_EQ(lines[7], e.summaryHeadings);
    EXPECT_TRUE(lines.last().startsWith(e.summaryTotals)) << lines.last().toStdString();
  }
  Build(BuildReceivables, request);
  EXPECT_EQ(lines[7], "|R07Inv. No||L10Customer||R55Days||R69Amount||U");
}

// ---- Tax report -------------------------------------------------------------

class TaxReport : public SalesReports {
 protected:
  void SetUp() override {
    SalesReports::SetUp();
    // April: 2001 with shipping and tax, 2002 with shipping only; 2003 of May.
    AppendInvoice(Invoice(2001, 7, QDate(2026, 4, 1), 5, 2, 0));
    AppendItem(TaxedItem(2001, "A", 2, 10, true, true));
    AppendItem(TaxedItem(2001, "B", 1, 3, false, true));
    AppendInvoice(Invoice(2002, 7, QDate(2026, 4, 2), 4, 0, 0));
    AppendItem(TaxedItem(2002, "C", 1, 7.5, false, false));
    AppendInvoice(Invoice(2003, 7, QDate(2026, 5, 1), 9, 9, 0));
    AppendItem(TaxedItem(2003, "A", 1, 100, true, true));
    request = Span(QDate(2026, 4, 1), QDate(2026, 4, 30));
    Settings().TaxRate1 = 5;
  }
  // The amount lines after the ruled blank line.
  QStringList Amounts() const { return lines.mid(lines.indexOf("|||U") + 1); }
};

TEST_F(TaxReport, ShippingIsTaxedOnEveryInvoiceWithShipTax2) {
  Settings().ShipTax = 2;
  Build(BuildTaxReport, request);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(lines[2], "C25Tax report for 04/01/26 through 04/30/26|||B");
  EXPECT_EQ(Amounts(), QStringList({
                           "L00Net Item Sales||R50      30.50|U",
                           "L00Sales subject to Shipping|R38      20.00||",
                           "L00Shipping Charged||R50       9.00|U",
                           "L00Sales subject to Sales Tax|R38      32.00||",
                           "L00Sales Tax Charged||R50       2.00|U",
                           "L00Total||R50      41.50|U",
                       }))
      << Joined(lines).toStdString();
  ExpectGolden("tax_report.txt", shown[0]);
}

TEST_F(TaxReport, ShippingIsTaxedOnlyWhereTaxWasChargedWithShipTax3AndNeverWith1) {
  Settings().ShipTax = 3;
  Build(BuildTaxReport, request);
  Settings().ShipTax = 1;
  Build(BuildTaxReport, request);
  ASSERT_EQ(shown.size(), 2);
  EXPECT_TRUE(shown[0].contains("Sales subject to Sales Tax       28.00")) << shown[0].toStdString();
  EXPECT_TRUE(shown[1].contains("Sales subject to Sales Tax       23.00")) << shown[1].toStdString();
}

TEST_F(TaxReport, ARate1OfZeroLeavesOutWhatIsSubjectToTheFirstChargeButNotWhatItCharged) {
  Settings().TaxRate1 = 0;
  Build(BuildTaxReport, request);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(Amounts().mid(0, 2), QStringList({"L00Net Item Sales||R50      30.50|",
                                              "L00Shipping Charged||R50       9.00|U"}));
}

TEST_F(TaxReport, ASpanAfterTheLastInvoiceSaysSo) {
  request = Span(QDate(2026, 6, 1), QDate(2026, 6, 30));
  EXPECT_EQ(Build(BuildTaxReport, request).message, kNoInvoices);
  EXPECT_TRUE(shown.isEmpty());
  EXPECT_EQ(Inv5.d, nullptr);
}

// ---- Daily income -----------------------------------------------------------

TEST_F(SalesReports, DailyIncomeGroupsPaymentsByDayWithTheDateAndTotalOnce) {
  AppendInvoice(InvoiceWithMemo(1010, 7, QDate(2026, 3, 9), "VISA 4111"));
  AppendPayment(Payment(1010, QDate(2026, 3, 10), 1.5));  // the second of the day
  AppendPayment(Payment(7777, QDate(2026, 3, 11), 5));    // of no invoice
  AppendPayment(Payment(1001, QDate(2026, 4, 1), 9));     // after the span
  request = Span(QDate(2026, 3, 1), QDate(2026, 3, 31));
  Build(BuildDailyIncome, request);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(lines[2], "C36Daily Income from 03/01/26 through 03/31/26|||||||||||B");
  EXPECT_EQ(Body(8), QStringList({
      "V00|L0103/04/26|V10|R161001|V17|L18|V48|R58     22.18|V59|R71       22.18|V72|U",
      "V00|L0103/05/26|V10|R161002|V17|L18|V48|R58     10.26|V59|R71       10.26|V72|U",
      "V00|L0103/10/26|V10|R161003|V17|L18|V48|R58      3.50|V59||V72|",
      "V00||V10|R161010|V17|L18VISA 4111|V48|R58      1.50|V59|R71        5.00|V72|U",
      "V00|L0103/11/26|V10|R167777|V17||V48|R58      5.00|V59|R71        5.00|V72|U",
      "V00|L01Total Payments|||||||V59|R71       42.44|V72|U",
  })) << Joined(lines).toStdString();
  ExpectGolden("daily_income.txt", shown[0]);
}

TEST_F(SalesReports, DailyIncomeShowsOnlyTheLastFourDigitsOfACardNumber) {
  AppendInvoice(InvoiceWithMemo(1010, 7, QDate(2026, 3, 9), "4111111111111111 x9/28"));
  AppendPayment(Payment(1010, QDate(2026, 3, 12), 2));
  request = Span(QDate(2026, 3, 12), QDate(2026, 3, 12));
  Build(BuildDailyIncome, request);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(Body(8).first(),
            "V00|L0103/12/26|V10|R161010|V17|L18************1111 x9/28|V48|R58      2.00|V59|R71"
            "        2.00|V72|U");
  EXPECT_FALSE(shown[0].contains("41111111")) << "nor in the text export";
}

TEST_F(SalesReports, DailyIncomeWithoutPaymentsInTheSpanSaysSo) {
  request = Span(QDate(2026, 2, 1), QDate(2026, 2, 28));
  EXPECT_EQ(Build(BuildDailyIncome, request).message, kNoPayments);
  EXPECT_TRUE(shown.isEmpty());
}

// ---- Sales by product ---------------------------------------------------------

TEST_F(SalesReports, SalesByProductListsProductsInCodeOrderThenTheUnknownOnes) {
  ProductRecord wick = Product("WICK", "");
  wick.PDesc = "Cotton wick";
  AppendProduct(wick);
  AppendItem(Item(1005, "candle", 1, 2, "Lower-case code"));
  request = Span(QDate(2026, 3, 1), QDate(2026, 3, 31));
  Build(BuildSalesByProduct, request);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(lines[2], "C32Sales by Product from 03/01/26 through 03/31/26|||||||||B");
  // Quantities and amounts are kept to cents after each item: the two
  // tealights of 0.125 make 0.12 + 0.125 = 0.245, kept as 0.24.
  EXPECT_EQ(Body(8), QStringList({
      "V00|L02CANDLE|V13|L15|V43|R49      2.00|V51|R63     25.00|V65|",
      "V00|L02SOAP|V13|L15|V43|R49      2.00|V51|R63      8.00|V65|",
      "V00|L02WICK|V13|L15Cotton wick|V43|R49     13.00|V51|R63      4.55|V65|",
      "V00|L02TEA|V13|L15Unknown Product|V43|R49      1.00|V51|R63      0.24|V65|",
      "V00|L02candle|V13|L15Unknown Product|V43|R49      1.00|V51|R63      2.00|V65|U",
      "V00|L02Total Sales|||||V51|R63     39.79|V65|U",
  })) << Joined(lines).toStdString();
  ExpectGolden("sales_by_product.txt", shown[0]);
}

TEST_F(SalesReports, SpanWithoutItemsGivesNoProductSalesButASummaryOfZeros) {
  AppendInvoice(Invoice(1020, 7, QDate(2026, 3, 25), 0, 0, 0));
  request = Span(QDate(2026, 3, 25), QDate(2026, 3, 25));
  EXPECT_EQ(Build(BuildSalesByProduct, request).message, kNoInvoices);
  EXPECT_TRUE(shown.isEmpty());
  Build(BuildSalesSummary, request);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(lines.mid(8), QStringList({
      "V00|R07  1020|V08|R1703/25/26|V18|R28      0.00|V29|R40      0.00|V41|R52      0.00|V53|R63      0.00|V64|U",
      "V00|||R17Totals|V18|R28      0.00|V29|R40      0.00|V41|R52      0.00|V53|R63      0.00|V64|U",
  })) << Joined(lines).toStdString();
}

// ---- Sales summary ------------------------------------------------------------

TEST_F(SalesReports, SalesSummaryHasOneLinePerInvoiceOfTheSpanInDateOrder) {
  AppendInvoice(Invoice(900, 9, QDate(2026, 3, 3), 2, 0.5, 0));  // lower number, later date
  AppendItem(Item(900, "SOAP", 1, 4, "Soap"));
  request = Span(QDate(2026, 3, 1), QDate(2026, 3, 31));
  Build(BuildSalesSummary, request);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(lines[2], "C32Sales Summary for 03/01/26 through 03/31/26|||||||||||||B");
  // The charge captions are the settings' own, trimmed.
  EXPECT_EQ(lines[7], "|R07Inv. No||R17Date||R28Items||R40Shipping||R52Sales Tax||R63Total||U");
  // 1002's items are not rounded each: 8.00 + 0.125 + 0.125.
  EXPECT_EQ(lines.mid(8), QStringList({
      "V00|R07  1001|V08|R1703/02/26|V18|R28     26.05|V29|R40      4.50|V41|R52      1.63|V53|R63     32.18|V64|",
      "V00|R07   900|V08|R1703/03/26|V18|R28      4.00|V29|R40      2.00|V41|R52      0.50|V53|R63      6.50|V64|",
      "V00|R07  1002|V08|R1703/05/26|V18|R28      8.25|V29|R40      0.00|V41|R52      0.00|V53|R63      8.25|V64|",
      "V00|R07  1003|V08|R1703/10/26|V18|R28      3.50|V29|R40      0.00|V41|R52      0.00|V53|R63      3.50|V64|",
      "V00|R07  1005|V08|R1703/12/26|V18|R28      0.00|V29|R40      1.00|V41|R52      0.00|V53|R63      1.00|V64|U",
      "V00|||R17Totals|V18|R28     41.80|V29|R40      7.50|V41|R52      2.13|V53|R63     51.43|V64|U",
  })) << Joined(lines).toStdString();
  ExpectGolden("sales_summary.txt", shown[0]);
}

}  // namespace
