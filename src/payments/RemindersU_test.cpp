// The Reminders window as a person uses it: a customer's reminder mailed,
// its level kept; and the settings window keeping the levels' texts and the
// rates, refusing to remove a rate the program ships with.
#include "payments/RemindersU.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "data/EInvoiceTables.h"
#include "data/ReferenceRateTable.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "payments/Interest.h"
#include "payments/ReminderSettingsU.h"
#include "platform/Clock.h"
#include "platform/Dates.h"
#include "platform/MailProgram.h"

namespace {

class RemindersWindowTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    EnsureTestApplication();
    Clock::setFixed(QDateTime(QDate(2025, 7, 15), QTime(9, 0)));
    WriteSellerDetails(GermanSeller());  // 14 days to pay
    CustomerRecord ada = Customer(7, "Ms.", "Ada", "Byron", {QStringLiteral("Lovelace Candles GmbH")}, "10115");
    ada.email = "ada@byron.example";
    AppendCustomer(ada);
    AppendInvoice(Invoice(1001, 7, QDate(2025, 6, 1), 0, 0, 1000));  // 30 days late
    SetMailProgramForTests([this](const MailDraft& draft, QString*) {
      mails.append(draft);
      return true;
    });
  }
  void TearDown() override {
    SetMailProgramForTests({});
    Clock::useSystem();
    IndexedFolderTest::TearDown();
  }
  QList<MailDraft> mails;
};

TEST_F(RemindersWindowTest, ACustomersReminderIsMailedAsPdfAndItsLevelKept) {
  TReminders w;
  w.show();
  ASSERT_EQ(w.StringGrid1->rowCount(), 1);
  EXPECT_EQ(w.StringGrid1->item(0, 1)->text(), "Lovelace Candles GmbH");
  EXPECT_EQ(w.StringGrid1->item(0, 2)->text(), "Second Reminder");
  EXPECT_EQ(w.StringGrid1->item(0, 4)->text(), "1000.00");
  EXPECT_FALSE(w.LabelRate->isVisibleTo(&w)) << "no interest charged";
  w.BtnEMail->click();
  ASSERT_EQ(mails.size(), 1);
  EXPECT_EQ(mails[0].to, "ada@byron.example");
  EXPECT_EQ(mails[0].subject, "Second Reminder");
  QFile pdf(mails[0].attachment);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << mails[0].attachment.toStdString();
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  EXPECT_EQ(w.StringGrid1->rowCount(), 0) << "sent: the same level is not proposed again";
  EXPECT_TRUE(w.LabelNone->isVisibleTo(&w));
  EXPECT_FALSE(w.BtnEMail->isEnabled());
}

TEST_F(RemindersWindowTest, AHalfYearWithoutItsRateIsSaidUntilTheRateIsAdded) {
  SellerDetails seller = GermanSeller();
  seller.reminderInterest = true;
  WriteSellerDetails(seller);
  Clock::setFixed(QDateTime(QDate(2026, 8, 1), QTime(9, 0)));
  TReminders w;
  w.show();
  ASSERT_EQ(w.StringGrid1->rowCount(), 1);
  EXPECT_TRUE(w.LabelRate->isVisibleTo(&w));
  ASSERT_TRUE(WriteStoredRates({{"DE", QDate(2026, 7, 1), 1.00}}));
  w.FormShow();
  EXPECT_FALSE(w.LabelRate->isVisibleTo(&w));
}

TEST_F(RemindersWindowTest, SettingsKeepTheTextsAndRatesAndAShippedRateStays) {
  TReminderSettings w;
  w.show();
  const int shipped = int(ShippedRates("DE").size() + ShippedRates("FR").size());
  ASSERT_EQ(w.StringGrid1->rowCount(), shipped);
  w.StringGrid1->setCurrentCell(0, 0);
  ui.expectMessage(Ui::Kind::Information, "A rate the program ships with can be corrected, not removed.");
  w.BtnRemoveRate->click();
  EXPECT_EQ(w.StringGrid1->rowCount(), shipped);

  w.BtnAddRate->click();
  const int row = w.StringGrid1->rowCount() - 1;
  w.StringGrid1->item(row, 0)->setText("de");
  w.StringGrid1->item(row, 1)->setText(FormatShortDate(DateFromQDate(QDate(2026, 7, 1))));
  w.StringGrid1->item(row, 2)->setText(QLocale().toString(1.0, 'f', 2));
  w.Edit8->setText("Second time: please pay by %1.");
  w.Edit2->setText("50");
  ui.expectMessage(Ui::Kind::Information,
                   "Give each level more days past due than the one before (e.g. 14, 28, 42) and a fee of 0 or more.");
  w.BtnSave->click();
  w.Edit2->setText("30");
  w.Edit5->setText(QLocale().toString(7.5, 'f', 2));
  w.BtnSave->click();
  EXPECT_FALSE(w.isVisible());

  const SellerDetails s = ReadSellerDetails();
  EXPECT_EQ(s.reminderDays, QList<int>({14, 30, 42}));
  EXPECT_DOUBLE_EQ(s.reminderFees.value(1), 7.5);
  EXPECT_EQ(s.reminderTexts.value(1), "Second time: please pay by %1.");
  EXPECT_EQ(s.iban, GermanSeller().iban) << "the seller's other details stay";
  const QList<StoredRate> stored = ReadStoredRates();
  ASSERT_EQ(stored.size(), 1) << "only what differs from the shipped rates";
  EXPECT_EQ(stored[0].country, "DE");
  EXPECT_EQ(stored[0].from, QDate(2026, 7, 1));
}

}  // namespace
