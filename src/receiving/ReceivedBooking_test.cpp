// Booking against real tables: a remembered mapping before an equal code,
// a person's choice remembered, and a booking cut short finished by the
// next one without a purchase twice.
#include "receiving/ReceivedBooking.h"

#include <gtest/gtest.h>

#include "data/TestSupport.h"
#include "data/dbFiles.h"

namespace {

ReceivedLine Line(const QString& id, const QString& sellerItem, const QString& qty, const QString& net) {
  ReceivedLine l;
  l.id = id;
  l.name = "item " + id;
  l.sellerItemId = sellerItem;
  l.quantity.text = qty;
  l.net.text = net;
  return l;
}

class ReceivedBookingTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    AppendProduct(Product("CANDLE", ""));
    AppendProduct(Product("SOAP", ""));
    invoice.seller.name = "Wachs GmbH";
    invoice.seller.vatId = "DE 123456788";
    invoice.number = "R-7";
    invoice.lines = {Line("1", "W-1", "4", "10.00"), Line("2", "candle", "2.5", "5.25"), Line("3", "W-9", "1", "3.00")};
    record.sellerKey = ReceivedSellerKey(invoice.seller.vatId, invoice.seller.name);
    record.number = invoice.number;
    record.file = "Wachs_GmbH-R-7.xml";
    ASSERT_TRUE(AppendReceived(record));
    ASSERT_TRUE(OpenProd5());
    ASSERT_TRUE(OpenPur5());
  }
  void TearDown() override {
    CloseAll();
    IndexedFolderTest::TearDown();
  }
  // In record order.
  static QStringList Purchases() {
    QStringList lines;
    for (long n = 1; n <= d4recCountDo(Pur5.d) && d4go(Pur5.d, n) == r4success; ++n) {
      ReadPurchase();
      lines << QStringLiteral("%1 %2 %3").arg(PurBuf.PURProd.trimmed()).arg(PurBuf.PURQty).arg(PurBuf.PURCost);
    }
    return lines;
  }
  ReceivedInvoice invoice;
  ReceivedRecord record;
};

TEST_F(ReceivedBookingTest, ARememberedProductComesFirstAndAChoiceIsRememberedForTheSeller) {
  ASSERT_TRUE(RememberProduct("DE123456788", "W-1", "soap"));
  QList<BookingLine> lines = ProposeBooking(invoice);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0].product, "SOAP");
  EXPECT_TRUE(lines[0].remembered);
  EXPECT_EQ(lines[1].product, "CANDLE") << "the seller's item id is a product code, case aside";
  EXPECT_EQ(lines[2].product, "");
  lines[2].product = "CANDLE";
  lines[2].chosen = true;
  const ReceivedBookingOutcome booked = BookReceived(record, 46000, lines);
  ASSERT_TRUE(booked.ok) << booked.error.toStdString();
  EXPECT_EQ(booked.booked, 3);
  EXPECT_EQ(Purchases(), QStringList({"SOAP 4 10", "CANDLE 2.5 5.25", "CANDLE 1 3"}));
  EXPECT_EQ(RememberedProduct("DE123456788", "W-9"), "CANDLE");
  EXPECT_TRUE(ReceivedAt(record.recNo).booked);
  EXPECT_FALSE(BookReceived(record, 46000, lines).ok) << "booked once";
  EXPECT_EQ(Purchases().size(), 3);

  invoice.typeCode = "381";  // a credit note of the same lines
  EXPECT_EQ(ProposeBooking(invoice)[2].product, "CANDLE");
  EXPECT_EQ(ProposeBooking(invoice)[0].quantity, -4);
  EXPECT_EQ(ProposeBooking(invoice)[0].cost, -10);
}

TEST_F(ReceivedBookingTest, ABookingCutShortIsFinishedWithoutAPurchaseTwice) {
  const QList<BookingLine> lines = ProposeBooking(invoice);
  // What a run killed after its first purchase left: where it began, that
  // purchase, and no flag. An equal purchase of someone else comes before.
  PurchaseRecord same;
  same.PURProd = "CANDLE";
  same.PURDate = 46000;
  same.PURQty = 2.5;
  same.PURCost = 5.25;
  ASSERT_EQ(d4appendBlank(Pur5.d), r4success);
  PurBuf = same;
  WritePurchase();
  WriteCurrentRecord(Pur5.d);
  ASSERT_TRUE(WriteReceivedBooking(record.recNo, 2, false));
  ASSERT_EQ(d4appendBlank(Pur5.d), r4success);
  WritePurchase();
  WriteCurrentRecord(Pur5.d);

  const ReceivedBookingOutcome booked = BookReceived(record, 46000, lines);
  ASSERT_TRUE(booked.ok) << booked.error.toStdString();
  EXPECT_EQ(booked.booked, 1) << "W-1 and W-9 are no products";
  EXPECT_EQ(Purchases(), QStringList({"CANDLE 2.5 5.25", "CANDLE 2.5 5.25"})) << "the other's purchase stays, ours once";
  EXPECT_TRUE(ReceivedAt(record.recNo).booked);
}

}  // namespace
