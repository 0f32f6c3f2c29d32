// Reminders: the statutory interest worked by hand across a rate change,
// the levels by days past due and by what was sent, the documents with fee,
// interest and recovery costs in the customer's language, and the levels
// recorded once a reminder leaves the program.
#include "payments/Reminders.h"

#include <gtest/gtest.h>

#include "data/CustomerLanguage.h"
#include "data/EInvoiceTables.h"
#include "data/InvoiceLoad.h"
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
  EXPECT_EQ(DefaultInterest(100000, QDate(2025, 6, 15), QDate(2025, 7, 15), GermanBaseRates(), 9), 885);
  // Consumers: + 5 points: 100 000 x (0.0727 x 15 + 0.0627 x 15) / 365 = 556.4.
  EXPECT_EQ(DefaultInterest(100000, QDate(2025, 6, 15), QDate(2025, 7, 15), GermanBaseRates(), 5), 556);
  // France: the ECB rate + 10: 100 000 x (0.1315 x 15 + 0.1215 x 15) / 365 = 1 039.7.
  EXPECT_EQ(DefaultInterest(100000, QDate(2025, 6, 15), QDate(2025, 7, 15), FrenchReferenceRates(), 10), 1040);
  EXPECT_EQ(DefaultInterest(100000, QDate(2025, 7, 15), QDate(2025, 7, 15), GermanBaseRates(), 9), 0);
  EXPECT_EQ(DefaultInterest(100000, QDate(2025, 12, 1), QDate(2026, 1, 5), GermanBaseRates(), 9), -1)
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

}  // namespace
