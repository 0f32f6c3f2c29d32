// A bank statement against real tables: each matching step, the entries a
// person must decide, the booking with the due recomputed, the same
// statement twice, an overpayment, and `tallowby bank`.
#include "payments/BankBooking.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/InvoiceLoad.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "payments/BankCommand.h"
#include "payments/TestSupport.h"

namespace {

class BankBookingTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    EnsureTestApplication();
    AppendCustomer(Customer(7, "Ms.", "Ada", "Byron", {QStringLiteral("Lovelace Candles GmbH")}, "10115"));
    AppendCustomer(Customer(8, "Mr.", "Charles", "Babbage", {QStringLiteral("Difference Works")}, "W1"));
    // 1007: 20.00 due; 1008: 10.50 due; 1009 and 1010: 8.00 due each, both
    // of Difference Works; 1011 settled.
    const std::pair<long, std::pair<long, double>> invoices[] = {
        {1007, {7, 20}}, {1008, {7, 10.5}}, {1009, {8, 8}}, {1010, {8, 8}}, {1011, {7, 0}}};
    for (const auto& [number, customerAndDue] : invoices) {
      const auto [customer, due] = customerAndDue;
      AppendInvoice(Invoice(number, customer, QDate(2026, 3, 2), 0, 0, due));
      AppendItem(Item(number, "CANDLE", 1, due > 0 ? due : 4, "Candle"));
    }
    AppendPayment(Payment(1011, QDate(2026, 3, 3), 4));
  }
  static TestEntry Paying(const QString& ref, const QString& amount, const TestEntry::Tx& tx) {
    TestEntry e;
    e.bankRef = ref;
    e.amount = amount;
    e.transactions = {tx};
    e.transactions[0].amount = amount;
    return e;
  }
  StatementProposal propose(const QByteArray& camt) {
    const CamtRead read = ReadCamt(camt);
    EXPECT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_TRUE(OpenInvoiceTables());
    StatementProposal proposal = ProposeBookings(read.statement, "EUR", ReadOpenInvoices());
    return proposal;
  }
  static double DueOf(long number) {
    EXPECT_TRUE(OpenINV5());
    d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
    const double due = SeekNumber(Inv5.d, Inv5.IvNo, number) ? f4double(Inv5.Due) : -999;
    CloseAll();
    return due;
  }
  static int Payments() {
    EXPECT_TRUE(OpenPMT());
    int n = 0;
    for (int rc = d4top(Pmt.d); rc == 0; rc = d4skip(Pmt.d, 1)) n += !d4deleted(Pmt.d);
    CloseAll();
    return n;
  }
};

TEST_F(BankBookingTest, EachStepDecidesInItsOrderAndAmbiguityIsLeftToAPerson) {
  const QByteArray camt = Camt053(
      "08", {Paying("R1", "20.00", {"", "", "RF721007", "", "Someone"}),
             Paying("R2", "10.50", {"", "", "", "Zahlung RF45 1008 danke", ""}),
             Paying("R3", "10.50", {"", "", "", "Rechnung Nr. 1008", ""}),
             Paying("R4", "12.00", {"", "", "", "Rechnung Nr. 1008", ""}),
             Paying("R5", "20.00", {"", "", "", "Candles", "LOVELACE CANDLES"}),
             Paying("R6", "8.00", {"", "", "", "", "Difference Works Ltd"}),
             Paying("R7", "3.00", {"", "", "", "gift", "Nobody"}),
             Paying("R8", "4.00", {"", "", "RF721007", "", ""})});
  const StatementProposal p = propose(camt);
  ASSERT_EQ(p.payments.size(), 8);
  using Step = PaymentMatch::Step;
  const std::pair<Step, long> expected[] = {{Step::Reference, 1007},     {Step::ReferenceInText, 1008},
                                            {Step::NumberInText, 1008},  {Step::None, 0},
                                            {Step::AmountAndName, 1007}, {Step::None, 0},
                                            {Step::None, 0},             {Step::Reference, 1007}};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(p.payments[i].match.step, expected[i].first) << "entry " << i + 1 << ": " << p.payments[i].match.reason.toStdString();
    EXPECT_EQ(p.payments[i].invoice, expected[i].second) << "entry " << i + 1;
  }
  EXPECT_TRUE(p.payments[5].match.reason.contains("several open invoices of this amount"));
  CloseAll();
}

TEST_F(BankBookingTest, BookedOnceWithTheDueRecomputedAndNeverTwice) {
  TestEntry debit = Paying("D1", "5.00", {"", "", "", "", ""});
  debit.creditDebit = "DBIT";
  TestEntry dollars = Paying("U1", "5.00", {"", "", "RF721007", "", ""});
  dollars.currency = "USD";
  const QByteArray camt = Camt053("02", {Paying("R1", "15.00", {"", "", "RF721007", "", ""}),
                                         Paying("R2", "12.00", {"", "", "", "Invoice 1008", ""}), debit, dollars});
  StatementProposal p = propose(camt);
  EXPECT_EQ(p.passedBy.size(), 2) << p.passedBy.join('\n').toStdString();
  p.payments[1].invoice = 1008;  // the person books the overpayment anyway
  const BookingOutcome booked = BookPayments(p.payments);
  ASSERT_TRUE(booked.ok) << booked.error.toStdString();
  EXPECT_EQ(booked.booked, 2);
  CloseAll();
  EXPECT_DOUBLE_EQ(DueOf(1007), 5);
  EXPECT_DOUBLE_EQ(DueOf(1008), -1.5) << "more than the due: the credit shows";
  EXPECT_EQ(Payments(), 3);

  const StatementProposal again = propose(camt);
  EXPECT_TRUE(again.payments[0].alreadyBooked);
  EXPECT_EQ(again.payments[0].invoice, 0);
  EXPECT_EQ(BookPayments(again.payments).booked, 0);
  CloseAll();
  EXPECT_EQ(Payments(), 3) << "the same statement again books nothing";
}

TEST_F(BankBookingTest, TwoEqualPaymentsOfADayAreTwoAndOneTypedInBeforeIsTakenOnce) {
  AppendPayment(Payment(1007, QDate(2026, 3, 20), 5));  // typed in from the statement by hand
  const QByteArray camt = Camt053("08", {Paying("R1", "5.00", {"", "", "RF721007", "", ""}),
                                         Paying("R2", "5.00", {"", "", "RF721007", "", ""})});
  const BookingOutcome booked = BookPayments(propose(camt).payments);
  ASSERT_TRUE(booked.ok) << booked.error.toStdString();
  EXPECT_EQ(booked.booked, 2);
  CloseAll();
  EXPECT_EQ(Payments(), 3) << "invoice 1011's, the typed-in one for the first entry, a new one for the second";
  EXPECT_DOUBLE_EQ(DueOf(1007), 10);
}

TEST_F(BankBookingTest, TheCommandListsBooksAndRefusesWhatItCannotRead) {
  QTemporaryDir files;
  const QString good = files.filePath("good.xml");
  QFile f(good);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(Camt053("04", {Paying("R1", "20.00", {"", "", "RF721007", "", ""}),
                         Paying("R2", "3.00", {"", "", "", "gift", "Nobody"})}));
  f.close();
  const QString bad = files.filePath("bad.xml");
  QFile b(bad);
  ASSERT_TRUE(b.open(QIODevice::WriteOnly));
  b.write("<!DOCTYPE x><x/>");
  b.close();
  EndEngine();
  const auto run = [this](QStringList args, QString* printed) {
    args << "--data" << dir.path();
    QString errors;
    QTextStream out(printed), err(&errors);
    const int status = RunBankCommand(args, out, err);
    out.flush();
    err.flush();
    *printed += errors;
    return status;
  };
  QString printed;
  EXPECT_EQ(run({"--dry-run", good}, &printed), 0);
  EXPECT_TRUE(printed.contains("2026-03-20  20.00 EUR  : invoice 1007 (creditor reference RF721007)")) << printed.toStdString();
  EXPECT_TRUE(printed.contains(": open (no open invoice matches")) << printed.toStdString();
  StartEngine(dir.path());
  EXPECT_DOUBLE_EQ(DueOf(1007), 20) << "a dry run changes nothing";
  EndEngine();
  printed.clear();
  EXPECT_EQ(run({good, bad}, &printed), 1);
  EXPECT_TRUE(printed.contains("bad.xml is not a bank statement that can be read: it declares a document type"))
      << printed.toStdString();
  StartEngine(dir.path());
  EXPECT_DOUBLE_EQ(DueOf(1007), 20) << "one unreadable statement: nothing booked";
  EndEngine();
  printed.clear();
  EXPECT_EQ(run({good}, &printed), 0) << printed.toStdString();
  EXPECT_TRUE(printed.contains("1 payment(s) booked.")) << printed.toStdString();
  printed.clear();
  EXPECT_EQ(run({}, &printed), 2);
  StartEngine(dir.path());
  EXPECT_DOUBLE_EQ(DueOf(1007), 0);
}

}  // namespace
