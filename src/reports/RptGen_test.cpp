#include "reports/RptGen.h"

#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "customers/CustomerU.h"
#include "customers/PickCustU.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "platform/DateBox.h"
#include "picklists/PickEdit.h"
#include "printing/ReportExport.h"
#include "reports/TestSupport.h"

namespace {

// A candle maker's letterhead and customers; invoices of February and March.
class RptGen : public ReportDataTest {
 protected:
  void SetUp() override {
    ReportDataTest::SetUp();
    WriteCandleBusiness();
  }

  // The index of a line in Lines(), -1 when absent.
  static int IndexOf(const QStringList& lines, const QString& line) {
    return int(lines.indexOf(line));
  }
};

TEST_F(RptGen, InvoicesOfTheSpanEachBeginOnANewPageWithTheirOwnLetterhead) {
  span = SpanAnswer{QDate(2026, 3, 1), QDate(2026, 3, 6)};
  PrintInvoiceSelection(true, true);
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("invoices_of_span.txt", shown[0]);
  EXPECT_EQ(Report().lineCount(), 0);  // released after the window closed
  EXPECT_EQ(Inv5.d, nullptr);          // and every table closed
}

TEST_F(RptGen, SecondInvoiceBeginsWithPageBreakLetterheadAndItsOwnTitle) {
  span = SpanAnswer{QDate(2026, 3, 1), QDate(2026, 3, 6)};
  QStringList lines;
  ui.onDialog<TReportF>([&](TReportF* w) {
    lines = Lines();
    w->close();
  });
  PrintInvoiceSelection(true, true);
  const int eject = IndexOf(lines, "EJECT|||||||||||");
  ASSERT_GT(eject, 0);
  EXPECT_EQ(lines.filter("EJECT").size(), 1);
  EXPECT_EQ(lines[eject + 1], "L00Tallow & Wick|||||||||||B");
  EXPECT_EQ(lines.filter("C36Invoice").size(), 2);
  EXPECT_EQ(lines.filter("L00Page").size(), 0);  // letterhead pages carry no page line
}

TEST_F(RptGen, ItemCommentContinuesTheColumnRulesOnASecondLine) {
  span = SpanAnswer{QDate(2026, 3, 2), QDate(2026, 3, 2)};
  QStringList lines;
  ui.onDialog<TReportF>([&](TReportF* w) {
    lines = Lines();
    w->close();
  });
  PrintInvoiceSelection(true, true);
  const int item = IndexOf(lines, "V00|L01CANDLE|V12|L13Beeswax pillar candle|V41|R49   12.50|V50|"
                                  "R59     2.00|V60|R72       25.00|V73|");
  ASSERT_GT(item, 0);
  EXPECT_EQ(lines[item + 1], "V00||V12|L13gift wrapped|V41||V50||V60||V73|");
}

TEST_F(RptGen, BillsLeaveOutSettledAndCreditInvoicesAndNeverPrintMemos) {
  span = SpanAnswer{QDate(2026, 3, 1), QDate(2026, 3, 31)};
  PrintInvoiceSelection(true, false);
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("bills_of_month.txt", shown[0]);
  EXPECT_FALSE(shown[0].contains("Hand-dipped"));
}

TEST_F(RptGen, PickersProposeTodayForInvoicesAndTheMonthForBillsAndStatements) {
  QStringList proposed;
  ui.onDialog<TDateSpan>([&](TDateSpan* d) {
    proposed << d->findChild<DateBox*>("MaskEdit1")->text() + "-" +
                    d->findChild<DateBox*>("MaskEdit2")->text();
    d->reject();
  });
  PrintInvoiceSelection(true, true);
  PrintInvoiceSelection(true, false);
  PrintStatements(true);
  EXPECT_EQ(proposed, QStringList({"03/15/26-03/15/26", "03/01/26-03/31/26", "03/01/26-03/31/26"}));
  EXPECT_TRUE(shown.isEmpty());  // a cancelled span prints nothing
  EXPECT_EQ(Cust5.d, nullptr);
}

TEST_F(RptGen, TitleIsStatementWhenNothingOrACreditIsDue) {
  StartInvoices();
  ClearCustomerAddress();
  for (double due : {0.0, -1.0, 0.01}) {
    CurrentInvoice = Invoice(1, 0, QDate(2026, 3, 1), 0, 0, due);
    PrintInvoice(false);
  }
  const QStringList titles = Lines().filter(QRegularExpression("^C36"));
  EXPECT_EQ(titles, QStringList({"C36Statement|||||||||||B", "C36Statement|||||||||||B",
                                 "C36Bill|||||||||||B"}));
  EndReport();
}

TEST_F(RptGen, StatementsWithBalancesListCreditsAndSkipSettledOrOtherMonthsInvoices) {
  span = SpanAnswer{QDate(2026, 3, 1), QDate(2026, 3, 31)};
  PrintStatements(true);
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
  span = SpanAnswer{QDate(2026, 3, 1), QDate(2026, 3, 31)};
  PrintStatements(true);
  ASSERT_EQ(shown.size(), 1);
  const QString& text = shown[0];
  QList<qsizetype> at;
  for (const char* name : {"Somerville", "Byron", "Turing", "Babbage"}) at << text.indexOf(name);
  EXPECT_TRUE(at[0] >= 0 && at[0] < at[1] && at[1] < at[2] && at[2] < at[3]) << text.toStdString();
  const qsizetype byron = text.indexOf("   1001   "), later = text.indexOf("   1008   ");
  EXPECT_TRUE(byron >= 0 && byron < later && later < at[2]) << text.toStdString();
}

TEST_F(RptGen, StatementOfPickedCustomersListsEveryInvoiceAndNoInvoicesGivesNoPage) {
  TPickCust pickList;
  TCustomer editor;
  RegisterPickEdit(PickTable::Customer, &pickList, &editor);
  QList<long> picks = {3, 1};  // Hopper, who has no invoices, then Byron
  ui.onDialog<TPickCust>([&](TPickCust* p) {
    if (picks.isEmpty()) {
      p->BtnCancel->click();
      return;
    }
    const long rec = picks.takeFirst();
    for (int row = 1; row <= 10; ++row)
      if (p->recordOfRow(row) == rec) p->StringGrid1->setCurrentCell(row - 1, 0);
    p->BtnSelect->click();
  });
  PrintStatements(false);
  resetPickEditForTests();
  ASSERT_EQ(shown.size(), 1);
  // Settled, credit and February invoices alike, in customer-number order.
  ExpectGolden("statement_of_picked_customer.txt", shown[0]);
  EXPECT_FALSE(shown[0].contains("Hopper"));
}

TEST_F(RptGen, InvoiceRoundsEachLineWhileTheStatementSumsExactProducts) {
  span = SpanAnswer{QDate(2026, 3, 5), QDate(2026, 3, 5)};
  PrintInvoiceSelection(true, true);
  span = SpanAnswer{QDate(2026, 3, 1), QDate(2026, 3, 31)};
  PrintStatements(true);
  ASSERT_EQ(shown.size(), 2);
  EXPECT_TRUE(shown[0].contains("SubTotal:         8.26")) << shown[0].toStdString();
  EXPECT_TRUE(shown[1].contains("   1002   03/05/26         8.25        10.26        -2.00"))
      << shown[1].toStdString();
}

TEST_F(RptGen, InvoiceOverflowingThePageGoesOnUnderPageLineTitleAndHeadings) {
  AppendInvoice(Invoice(2001, 7, QDate(2026, 3, 14), 0, 0, 0));
  for (int i = 1; i <= 50; ++i)
    AppendItem(Item(2001, QString("W%1").arg(i), i, 0.5, QString("Wick no. %1").arg(i)));
  span = SpanAnswer{QDate(2026, 3, 14), QDate(2026, 3, 14)};
  QStringList lines;
  ui.onDialog<TReportF>([&](TReportF* w) {
    lines = Lines();
    shown << ExportText(Report(), ExportFormat::PlainText);
    w->close();
  });
  PrintInvoiceSelection(true, true);
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("invoice_two_pages.txt", shown[0]);
  const int eject = IndexOf(lines, "EJECT|||||||||||");
  ASSERT_GT(eject, 0);
  EXPECT_TRUE(lines[eject - 1].startsWith("V00|L01W")) << lines[eject - 1].toStdString();
  EXPECT_TRUE(lines[eject - 1].endsWith("|U"));  // the first page is ruled off
  EXPECT_EQ(lines[eject + 1], "L00Page 2|R7303/15/26||||||||||");
  EXPECT_EQ(lines[eject + 3], "C36Invoice|||||||||||B");
  EXPECT_EQ(lines.filter("Page 1").size(), 0);
}

TEST_F(RptGen, InvoiceOfAVanishedCustomerPrintsWithAnEmptyAddress) {
  span = SpanAnswer{QDate(2026, 3, 12), QDate(2026, 3, 12)};
  QStringList lines;
  ui.onDialog<TReportF>([&](TReportF* w) {
    lines = Lines();
    w->close();
  });
  PrintInvoiceSelection(true, true);
  EXPECT_TRUE(lines.contains("L00To:|L10|R60Invoice No:|L621005||||||||"));
  EXPECT_TRUE(lines.contains("|L10|R60Invoice Date:|L6203/12/26||||||||"));
}

TEST_F(RptGen, EditorPrintShowsTheWorkingCopyOnceAndReleasesIt) {
  CurrentInvoice = Invoice(55, 7, QDate(2026, 3, 15), 0, 0, 3);
  ItemList = {ItemRow{"SOAP", "     1.00", "    3.00", "f", "f", "Soap", "", "", "Soap text"}};
  PaymentList.clear();
  CustomerAddress = {"Ms.  Ada Byron", "Lovelace Candles", "", "", ""};
  PrintWorkingInvoice();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].contains("Soap text"));
  EXPECT_TRUE(shown[0].contains("Balance Due:         3.00"));
  EXPECT_EQ(Report().lineCount(), 0);
}

using RptGenEmpty = ReportDataTest;

TEST_F(RptGenEmpty, PickingFromAnEmptyInvoiceTableSaysSoAndShowsNothing) {
  ui.expectMessage(Ui::Kind::Information, "No invoices to select.");
  PrintInvoiceSelection(false, true);
  EXPECT_TRUE(shown.isEmpty());
  EXPECT_EQ(Inv5.d, nullptr);
}

TEST_F(RptGenEmpty, SpanWithoutInvoicesShowsNoWindow) {
  span = SpanAnswer{QDate(2026, 3, 1), QDate(2026, 3, 31)};
  PrintInvoiceSelection(true, true);
  PrintStatements(true);
  EXPECT_TRUE(shown.isEmpty());
}

TEST_F(RptGenEmpty, MissingInvoiceTableEndsTheProgramNamingIt) {
  ASSERT_TRUE(QFile::remove(path("INV5.dbf")));
  ui.expectMessage(Ui::Kind::Information,
                   "Unable to open file INV5.DBF\r\nProgram will now terminate.\r\nfile not found");
  EXPECT_THROW(PrintInvoiceSelection(true, true), ProgramEnded);
  EXPECT_EQ(Cust5.d, nullptr);  // the tables already open are closed again
}

}  // namespace
