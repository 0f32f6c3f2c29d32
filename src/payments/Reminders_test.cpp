// Reminders: the statutory interest worked by hand across a rate change,
// the levels by days past due and by what was sent, the documents with fee,
// interest and recovery costs in the customer's language, and the levels
// recorded once a reminder leaves the program.
#include "payments/Reminders.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/CustomerLanguage.h"
#include "data/EInvoiceTables.h"
#include "data/InvoiceLoad.h"
#include "data/ReferenceRateTable.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "payments/Interest.h"
#include "printing/RptUtil.h"
#include "printing/TestSupport.h"

namespace {

TEST(Interest, PerDayAtEachHalfYearsRateAcrossTheChange) {
  // 1 000.00 overdue from 2025-06-15 to 2025-07-15: 15 days at the first
  // half-year's rate, 15 at the second's.
  // Germany between businesses: (2.27 + 9) % and (1.27 + 9) %:
  // 100 000 x (0.1127 x 15 + 0.1027 x 15) / 365 = 885.2 cents.
  EXPECT_EQ(DefaultInterest(100000, QDate(2025, 6, 15), QDate(2025, 7, 15), ShippedRates("DE"), 9), 885);
  // Consumers: + 5 points: 100 000 x (0.0727 x 15 + 0.0627 x 15) / 365 = 556.4.
  EXPECT_EQ(DefaultInterest(100000, QDate(2025, 6, 15), QDate(2025, 7, 15), ShippedRates("DE"), 5), 556);
  // France: the ECB rate + 10: 100 000 x (0.1315 x 15 + 0.1215 x 15) / 365 = 1 039.7.
  EXPECT_EQ(DefaultInterest(100000, QDate(2025, 6, 15), QDate(2025, 7, 15), ShippedRates("FR"), 10), 1040);
  EXPECT_EQ(DefaultInterest(100000, QDate(2025, 7, 15), QDate(2025, 7, 15), ShippedRates("DE"), 9), 0);
  EXPECT_EQ(DefaultInterest(100000, QDate(2026, 6, 1), QDate(2026, 7, 5), ShippedRates("DE"), 9), -1)
      << "a half-year the table does not reach: not computed at all";
}

class RemindersTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    EnsureTestApplication();
    resetReportForTests();
    seller = GermanSeller();  // 14 days to pay
    seller.reminderFees = {0, 5, 10};
    seller.reminderInterest = true;
    WriteSellerDetails(seller);
    AppendCustomer(Customer(7, "Ms.", "Ada", "Byron", {QStringLiteral("Lovelace Candles GmbH")}, "10115"));
    AppendCustomer(Customer(8, "Mr.", "Karl", "Kunde", {QString()}, "50667"));
    // Due 14 days after these dates; as of 2025-07-15:
    AppendInvoice(Invoice(1001, 7, QDate(2025, 6, 1), 0, 0, 1000));   // 30 days late: level 2
    AppendInvoice(Invoice(1002, 7, QDate(2025, 6, 20), 0, 0, 50));    // 11 days: none yet
    AppendInvoice(Invoice(1003, 8, QDate(2025, 5, 1), 0, 0, 100));    // 61 days: level 3
    AppendInvoice(Invoice(1004, 8, QDate(2025, 5, 1), 0, 0, 0));      // paid
    QString error;
    ASSERT_TRUE(SetCustomerLanguage(8, "de", &error));
  }
  void TearDown() override {
    resetReportForTests();
    IndexedFolderTest::TearDown();
  }
  QString built(const QDate& asOf) {
    QString nothing;
    lines.clear();
    if (!BuildReminders(asOf, KeptLines(), &nothing)) return nothing;
    FinishReport();
    return Joined(Lines());
  }
  SellerDetails seller;
  QStringList lines;
};

TEST_F(RemindersTest, LevelsFollowTheDaysAndWhatWasSentAndTheDocumentsAddUp) {
  ASSERT_TRUE(OpenInvoiceTables());
  const QList<CustomerReminder> due = DueReminders(QDate(2025, 7, 15), seller);
  CloseAll();
  ASSERT_EQ(due.size(), 2);
  EXPECT_EQ(due[0].customer, 7);
  EXPECT_EQ(due[0].level, 2);
  EXPECT_TRUE(due[0].business);
  ASSERT_EQ(due[0].invoices.size(), 1) << "1002 is not yet a first level's days late";
  EXPECT_EQ(due[0].invoices[0].daysLate, 30);
  EXPECT_EQ(due[1].level, 3);
  EXPECT_FALSE(due[1].business) << "no company, no VAT identifier: a consumer";
  ASSERT_TRUE(WriteBuyerDetails({8, "DE", "", "", "DE999999999", "", "", "", "", ""}));
  ASSERT_TRUE(OpenInvoiceTables());
  EXPECT_TRUE(DueReminders(QDate(2025, 7, 15), seller)[1].business) << "a VAT identifier: a business";
  CloseAll();
  ASSERT_TRUE(WriteBuyerDetails({8, "DE", "", "", "", "", "", "", "", ""}));

  const QString text = built(QDate(2025, 7, 15));
  EXPECT_TRUE(text.contains("Second Reminder")) << text.toStdString();
  EXPECT_TRUE(text.contains("Reminder Fee:")) << "level 2's fee, 5.00";
  EXPECT_TRUE(text.contains("5.00"));
  EXPECT_TRUE(text.contains("Recovery Costs:")) << "EUR 40 between businesses";
  EXPECT_TRUE(text.contains("40.00"));
  EXPECT_TRUE(text.contains("Payment reference: RF401001"));
  EXPECT_TRUE(text.contains(QStringLiteral("Letzte Mahnung"))) << "customer 8's document in German";
  EXPECT_TRUE(text.contains(QStringLiteral("Verzugszinsen:")) || text.contains("Zinsen")) << text.toStdString();
  // Delivered (printed, saved): the levels are kept; the same day proposes nothing again.
  ASSERT_TRUE(bool(Report().Delivered));
  Report().Delivered();
  EndReport();
  EXPECT_EQ(built(QDate(2025, 7, 15)), "No reminder is due.");
  // Two weeks on, 1001 reaches the third level and 1002 the first.
  const QString later = built(QDate(2025, 7, 30));
  EXPECT_TRUE(later.contains("Final Reminder")) << later.toStdString();
  EndReport();
}

TEST_F(RemindersTest, AFrenchSellersReminderInFrenchAtTheEcbRatePlusTenPoints) {
  seller.country = "FR";
  WriteSellerDetails(seller);
  QString error;
  ASSERT_TRUE(SetCustomerLanguage(7, "fr", &error));
  ASSERT_TRUE(OpenInvoiceTables());
  const QList<CustomerReminder> due = DueReminders(QDate(2025, 7, 15), seller);
  CloseAll();
  ASSERT_EQ(due.size(), 2);
  EXPECT_EQ(due[0].invoices[0].interest, 1040) << "the figure worked by hand above";
  const QString text = built(QDate(2025, 7, 15));
  EXPECT_TRUE(text.contains(QStringLiteral("Deuxième relance"))) << text.toStdString();
  EXPECT_TRUE(text.contains("10,40")) << "the interest on the document, in French figures";
  EndReport();
}

TEST_F(RemindersTest, TheFoldersRatesCorrectAndExtendTheShippedOnes) {
  const QDate due(2026, 6, 15), asOf(2026, 7, 15);
  ASSERT_EQ(DefaultInterest(100000, due, asOf, ReferenceRates("DE"), 9), -1) << "July 2026 not shipped";
  // The second half of 2026 added, the first corrected: 15 days at
  // (1.50 + 9) %, 15 at (1.00 + 9) %: 100 000 x (0.105 x 15 + 0.10 x 15) / 365 = 842.47.
  ASSERT_TRUE(WriteStoredRates({{"DE", QDate(2026, 7, 1), 1.00}, {"DE", QDate(2026, 1, 1), 1.50},
                                {"FR", QDate(2026, 7, 1), 2.00}}));
  EXPECT_EQ(DefaultInterest(100000, due, asOf, ReferenceRates("DE"), 9), 842);
  EXPECT_EQ(ReferenceRates("DE").size(), ShippedRates("DE").size() + 1) << "one corrected in place";
  // Written again without France and the correction: those rows are gone.
  ASSERT_TRUE(WriteStoredRates({{"DE", QDate(2026, 7, 1), 1.00}}));
  const QList<StoredRate> stored = ReadStoredRates();
  ASSERT_EQ(stored.size(), 1);
  EXPECT_EQ(stored[0].from, QDate(2026, 7, 1));
  EXPECT_EQ(DefaultInterest(100000, QDate(2025, 12, 31), QDate(2026, 1, 30), ReferenceRates("DE"), 9),
            DefaultInterest(100000, QDate(2025, 12, 31), QDate(2026, 1, 30), ShippedRates("DE"), 9));
  EXPECT_EQ(DefaultInterest(100000, due, asOf, ReferenceRates("FR"), 10), -1);
}

TEST_F(RemindersTest, TheSellersOwnTextAndThePaymentCodeOfTheTotal) {
  seller.bic = "BYLADEM1001";
  seller.reminderTexts = {QString(), QStringLiteral("Bitte zahlen Sie bis %1."), QString()};
  WriteSellerDetails(seller);
  const QString text = built(QDate(2025, 7, 15));
  const QString payBy = FormatShortDate(DateFromQDate(QDate(2025, 7, 22)));
  EXPECT_TRUE(text.contains("Bitte zahlen Sie bis " + payBy + ".")) << text.toStdString();
  EXPECT_FALSE(text.contains("We have not yet received payment"));
  EXPECT_TRUE(text.contains("Despite our reminders") || text.contains("Trotz")) << "level 3 keeps the program's";
  EXPECT_EQ(Lines().filter(QRegularExpression("^I")).size(), 2) << "a payment code on each document";
  EndReport();

  if (!QrReadersInstalled()) GTEST_SKIP() << "zbarimg or pdftoppm is not installed";
  ASSERT_TRUE(OpenInvoiceTables());
  const QList<CustomerReminder> due = DueReminders(QDate(2025, 7, 15), seller);
  CloseAll();
  ASSERT_EQ(due.size(), 2);
  QTemporaryDir out;
  ASSERT_TRUE(SaveReminderPdf(due[0], QDate(2025, 7, 15), out.filePath("reminder.pdf")));
  // 1 000.00 due, the level's 5.00, 8.85 interest (above), 40.00 recovery.
  EXPECT_EQ(QrCodeOnFirstPage(out.filePath("reminder.pdf")),
            QStringLiteral("BCD\n002\n1\nSCT\nBYLADEM1001\nKerzenzieherei Weiß GmbH\nDE02120300000000202051\n"
                           "EUR1053.85\n\nRF401001"));
  ASSERT_TRUE(OpenInvoiceTables());
  EXPECT_EQ(DueReminders(QDate(2025, 7, 15), seller).size(), 2) << "saving the mail's PDF records nothing by itself";
  CloseAll();
}

}  // namespace
