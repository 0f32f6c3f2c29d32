#include "reports/RptGen.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include "data/CustomerLanguage.h"
#include "data/dbFiles.h"
#include "platform/Language.h"
#include "printing/RptUtil.h"
#include "reports/TestSupport.h"

namespace {

// A candle maker's letterhead and customers; invoices of February and March.
class RptGen : public ReportDataTest {
 protected:
  void SetUp() override {
    ReportDataTest::SetUp();
    WriteCandleBusiness();
  }
  ReportOutcome Invoices(QDate from, QDate to, bool asInvoice = true) {
    return Build([&](ReportLineSink& sink) { return BuildInvoicesOfSpan(Span(from, to), asInvoice, sink); });
  }

  // The index of a line in lines, -1 when absent.
  int IndexOf(const QString& line) const { return int(lines.indexOf(line)); }
};

TEST_F(RptGen, InvoicesOfTheSpanEachBeginOnANewPageWithTheirOwnLetterhead) {
  Invoices(QDate(2026, 3, 1), QDate(2026, 3, 6));
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("invoices_of_span.txt", shown[0]);
  EXPECT_EQ(Report().lineCount(), 0);  // released
  EXPECT_EQ(Inv5.d, nullptr);          // and every table closed
}

TEST_F(RptGen, SecondInvoiceBeginsWithPageBreakLetterheadAndItsOwnTitle) {
  Invoices(QDate(2026, 3, 1), QDate(2026, 3, 6));
  const int eject = IndexOf("EJECT|||||||||||");
  ASSERT_GT(eject, 0);
  EXPECT_EQ(lines.filter("EJECT").size(), 1);
  EXPECT_EQ(lines[eject + 1], "L00Tallow & Wick|||||||||||B");
  EXPECT_EQ(lines.filter("C36Invoice").size(), 2);
  EXPECT_EQ(lines.filter("L00Page").size(), 0);  // letterhead pages carry no page line
}

TEST_F(RptGen, ItemCommentContinuesTheColumnRulesOnASecondLine) {
  Invoices(QDate(2026, 3, 2), QDate(2026, 3, 2));
  const int item = IndexOf("V00|L01CANDLE|V12|L13Beeswax pillar candle|V41|R49   12.50|V50|"
                           "R59     2.00|V60|R72       25.00|V73|");
  ASSERT_GT(item, 0);
  EXPECT_EQ(lines[item + 1], "V00||V12|L13gift wrapped|V41||V50||V60||V73|");
}

TEST_F(RptGen, BillsLeaveOutSettledAndCreditInvoicesAndNeverPrintMemos) {
  Invoices(QDate(2026, 3, 1), QDate(2026, 3, 31), false);
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("bills_of_month.txt", shown[0]);
  EXPECT_FALSE(shown[0].contains("Hand-dipped"));
}

TEST_F(RptGen, SpanBeforeTheTablesKeyWindowStillFindsEveryInvoice) {
  // A span from 1900 to 2099: the seek keys are the days themselves, not
  // moved into the hundred years a stored date is written in.
  Invoices(QDate(1900, 1, 1), QDate(2099, 12, 31));
  EXPECT_EQ(lines.filter(QRegularExpression("^C36Invoice")).size(), 5);
}

TEST_F(RptGen, ListedInvoicesPrintInTheOrderGivenAndAMissingOneIsUnusable) {
  ReportRequest r;
  r.invoices = {1003, 1001};
  Build([&](ReportLineSink& sink) { return BuildInvoicesOf(r, false, sink); });
  const QStringList numbers = lines.filter("R60Invoice No:");
  ASSERT_EQ(numbers.size(), 2);
  EXPECT_TRUE(numbers[0].contains("L621003"));
  EXPECT_TRUE(numbers[1].contains("L621001"));
  // Picked as a bill, a settled invoice is titled Statement.
  EXPECT_EQ(lines.filter(QRegularExpression("^C36")).first(), "C36Statement|||||||||||B");

  r.invoices = {1001, 4242};
  const ReportOutcome missing = Build([&](ReportLineSink& sink) { return BuildInvoicesOf(r, true, sink); });
  EXPECT_EQ(missing.kind, ReportOutcome::Kind::Unusable);
  EXPECT_EQ(missing.message, "there is no invoice 4242");
  EXPECT_TRUE(lines.isEmpty());
}

TEST_F(RptGen, StatementsWithBalancesListCreditsAndSkipSettledOrOtherMonthsInvoices) {
  Build(BuildStatementsWithBalances, Span(QDate(2026, 3, 1), QDate(2026, 3, 31)));
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("statements_with_balances.txt", shown[0]);
  EXPECT_FALSE(shown[0].contains("Hopper"));  // no invoices, no page
}

TEST_F(RptGen, StatementsWithBalancesFollowPostalCodeThenRecordAndListInvoicesInEntryOrder) {
  AppendCustomer(Customer(10, "Mr.", "Alan", "Turing", {"Bletchley Wax"}, "02139"));  // Byron's code
  AppendCustomer(Customer(11, "Ms.", "Mary", "Somerville", {"Orrery Lights"}, "01001"));
  AppendInvoice(Invoice(1006, 11, QDate(2026, 3, 20), 0, 0, 4));
  AppendInvoice(Invoice(1007, 10, QDate(2026, 3, 3), 0, 0, 6));
  AppendInvoice(Invoice(1008, 7, QDate(2026, 3, 1), 0, 0, 7));  // dated before 1001, entered after
  Build(BuildStatementsWithBalances, Span(QDate(2026, 3, 1), QDate(2026, 3, 31)));
  ASSERT_EQ(shown.size(), 1);
  const QString& text = shown[0];
  QList<qsizetype> at;
  for (const char* name : {"Somerville", "Byron", "Turing", "Babbage"}) at << text.indexOf(name);
  EXPECT_TRUE(at[0] >= 0 && at[0] < at[1] && at[1] < at[2] && at[2] < at[3]) << text.toStdString();
  const qsizetype byron = text.indexOf("   1001   "), later = text.indexOf("   1008   ");
  EXPECT_TRUE(byron >= 0 && byron < later && later < at[2]) << text.toStdString();
}

TEST_F(RptGen, StatementOfListedCustomersListsEveryInvoiceAndNoInvoicesGivesNoPage) {
  ReportRequest r;
  r.customers = {9, 7};  // Hopper, who has no invoices, then Byron
  Build(BuildStatementsOf, r);
  ASSERT_EQ(shown.size(), 1);
  // Settled, credit and February invoices alike, in customer-number order.
  ExpectGolden("statement_of_picked_customer.txt", shown[0]);
  EXPECT_FALSE(shown[0].contains("Hopper"));

  r.customers = {7, 12};
  const ReportOutcome missing = Build(BuildStatementsOf, r);
  EXPECT_EQ(missing.kind, ReportOutcome::Kind::Unusable);
  EXPECT_EQ(missing.field, "customers");
}

// Each statement in its customer's language, the user's where none is set;
// the page's title and headings too.
TEST_F(RptGen, EachStatementIsInItsCustomersLanguage) {
  QString error;
  ASSERT_TRUE(SetCustomerLanguage(7, "fr", &error)) << error.toStdString();  // Byron, first
  {
    DocumentLanguage german("de");
    Build(BuildStatementsWithBalances, Span(QDate(2026, 3, 1), QDate(2026, 3, 31)));
    EXPECT_EQ(CurrentLanguage(), "de");
  }
  const QString text = lines.join("\n");
  const qsizetype second = text.indexOf("EJECT");
  ASSERT_GT(second, 0) << text.toStdString();
  const QString french = text.left(second), user = text.mid(second);
  EXPECT_TRUE(french.contains("C29Relevé de compte|")) << french.toStdString();
  EXPECT_TRUE(french.contains("L00À :|L10Ms.  Ada Byron|"));
  EXPECT_TRUE(french.contains("|R07Facture||R18Date||R31Facturé||R44Paiements||R57Montant dû||U"));
  EXPECT_TRUE(french.contains("V00|R07  1001|V09|R1802/03/26|V20|R31      32,18|"))
      << french.toStdString();
  EXPECT_TRUE(french.contains("|R18Totaux|"));
  EXPECT_FALSE(french.contains("Kontoauszug"));
  EXPECT_TRUE(user.contains("C29Kontoauszug|")) << user.toStdString();
  EXPECT_TRUE(user.contains("L00An:|L10Mr.  Charles Babbage|"));
  EXPECT_TRUE(user.contains("|R07Rg.-Nr.||R18Datum||R31Betrag||R44Zahlungen||R57Offen||U"));
  EXPECT_TRUE(user.contains("|R18Summen|"));
}

TEST_F(RptGen, InvoiceRoundsEachLineWhileTheStatementSumsExactProducts) {
  Invoices(QDate(2026, 3, 5), QDate(2026, 3, 5));
  Build(BuildStatementsWithBalances, Span(QDate(2026, 3, 1), QDate(2026, 3, 31)));
  ASSERT_EQ(shown.size(), 2);
  EXPECT_TRUE(shown[0].contains("SubTotal:         8.26")) << shown[0].toStdString();
  EXPECT_TRUE(shown[1].contains("   1002   03/05/26         8.25        10.26        -2.00"))
      << shown[1].toStdString();
}

TEST_F(RptGen, InvoiceOverflowingThePageGoesOnUnderPageLineTitleAndHeadings) {
  AppendInvoice(Invoice(2001, 7, QDate(2026, 3, 14), 0, 0, 0));
  for (int i = 1; i <= 50; ++i)
    AppendItem(Item(2001, QString("W%1").arg(i), i, 0.5, QString("Wick no. %1").arg(i)));
  Invoices(QDate(2026, 3, 14), QDate(2026, 3, 14));
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("invoice_two_pages.txt", shown[0]);
  const int eject = IndexOf("EJECT|||||||||||");
  ASSERT_GT(eject, 0);
  EXPECT_TRUE(lines[eject - 1].startsWith("V00|L01W")) << lines[eject - 1].toStdString();
  EXPECT_TRUE(lines[eject - 1].endsWith("|U"));  // the first page is ruled off
  EXPECT_EQ(lines[eject + 1], "L00Page 2|R7303/15/26||||||||||");
  EXPECT_EQ(lines[eject + 3], "C36Invoice|||||||||||B");
  EXPECT_EQ(lines.filter("Page 1").size(), 0);
}

TEST_F(RptGen, InvoiceOfAVanishedCustomerPrintsWithAnEmptyAddress) {
  Invoices(QDate(2026, 3, 12), QDate(2026, 3, 12));
  EXPECT_TRUE(lines.contains("L00To:|L10|R60Invoice No:|L621005||||||||"));
  EXPECT_TRUE(lines.contains("|L10|R60Invoice Date:|L6203/12/26||||||||"));
}

using RptGenEmpty = ReportDataTest;

TEST_F(RptGenEmpty, SpanWithoutInvoicesBuildsNoLine) {
  const ReportRequest month = Span(QDate(2026, 3, 1), QDate(2026, 3, 31));
  Build([&](ReportLineSink& sink) { return BuildInvoicesOfSpan(month, true, sink); });
  Build(BuildStatementsWithBalances, month);
  EXPECT_TRUE(shown.isEmpty());
}

TEST_F(RptGenEmpty, MissingInvoiceTableEndsTheProgramNamingIt) {
  ASSERT_TRUE(QFile::remove(path("INV5.dbf")));
  ui.expectMessage(Ui::Kind::Information,
                   "Unable to open file INV5.DBF\r\nProgram will now terminate.\r\nfile not found");
  EXPECT_THROW(Build(BuildStatementsWithBalances, ReportRequest()), ProgramEnded);
  EXPECT_EQ(Cust5.d, nullptr);  // the tables already open are closed again
}

}  // namespace
