#include "data/InvoiceLoad.h"

#include <gtest/gtest.h>

#include "data/Settings.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"

namespace {

class InvoiceLoad : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    AppendCustomer(Customer(7, "Ms.", "Ada", "Byron", {"Lovelace Candles", "12 Engine Row"}, "02139"));
    ProductRecord candle = Product("CANDLE", "Burns for forty hours.  ");
    candle.RCode = "R-1";
    AppendProduct(candle);
    AppendInvoice(Invoice(1001, 7, QDate(2026, 3, 2), 0, 0, 0));
    AppendInvoice(Invoice(1002, 99, QDate(2026, 3, 3), 0, 0, 0));
    AppendItem(Item(1002, "SOAP", 1, 3, QString()));
    ItemRecord first = Item(1001, "CANDLE", 2, 12.5, QString());
    first.LTax2 = true;
    first.IComm = "  gift wrapped  ";
    AppendItem(first);
    ItemRecord second = Item(1001, "CAN", 0.5, 1234.56, QString());
    second.LTax1 = true;
    AppendItem(second);
    AppendPayment(Payment(1001, QDate(2026, 3, 4), 20));
    AppendPayment(Payment(1002, QDate(2026, 3, 5), 3));
    ASSERT_TRUE(OpenCUST5() && OpenINV5() && OpenITM5() && OpenPMT() && OpenProd5());
  }
  void TearDown() override {
    CloseAll();
    IndexedFolderTest::TearDown();
  }
  // Positions INV5 on the invoice's record (tag `inv`).
  void GoToInvoice(long ivNo) {
    ASSERT_EQ(d4seek(Inv5.d, PadLeft(ivNo, 6).toLatin1().constData()), 0);
  }
};

TEST_F(InvoiceLoad, ReadsOnlyTheInvoicesOwnItemsAndPaymentsAsShownTexts) {
  GoToInvoice(1001);
  const long rec = d4recNo(Inv5.d);
  LoadInvoice();
  EXPECT_EQ(CurrentInvoice.IvNo, 1001);
  EXPECT_EQ(d4recNo(Inv5.d), rec);  // the pointer stays on the invoice
  ASSERT_EQ(ItemList.size(), 2);
  const ItemRow& candle = ItemList[0];
  EXPECT_EQ(candle.PrID, "CANDLE    ");  // as stored, padded to the field
  EXPECT_EQ(candle.Qty, "     2.00");
  EXPECT_EQ(candle.UPR, "   12.50");
  EXPECT_EQ(candle.Tax1, "f");
  EXPECT_EQ(candle.Tax2, "t");
  EXPECT_EQ(candle.IComm, "gift wrapped");
  EXPECT_EQ(candle.RCode, "R-1");
  EXPECT_EQ(candle.PMemo, "Burns for forty hours.");
  EXPECT_EQ(ItemList[1].UPR, " 1234.56");
  EXPECT_EQ(ItemList[1].Tax1, "t");
  ASSERT_EQ(PaymentList.size(), 1);
  EXPECT_EQ(PaymentList[0].PDate, "03/04/26");
  EXPECT_EQ(PaymentList[0].PAmt, "     20.00");
}

TEST_F(InvoiceLoad, ProductCodeThatIsOnlyAPrefixOfAnotherFindsNoProduct) {
  GoToInvoice(1001);
  LoadInvoice();
  ASSERT_EQ(ItemList.size(), 2);
  EXPECT_EQ(ItemList[1].PrID.trimmed(), "CAN");
  EXPECT_EQ(ItemList[1].PMemo, "");
  EXPECT_EQ(ItemList[1].RCode, "");
}

TEST_F(InvoiceLoad, CustomerIsFoundByNumberAndSetsTheAddressBlock) {
  GoToInvoice(1001);
  LoadInvoice();
  EXPECT_EQ(CustBuf.cuno, 7);
  EXPECT_GT(CurrentCustomerRec, 0);
  EXPECT_EQ(CustomerAddress,
            QStringList({"Ms.  Ada Byron", "Lovelace Candles", "12 Engine Row  02139", "", ""}));
}

TEST_F(InvoiceLoad, VanishedCustomerLeavesOneEmptyAddressLine) {
  GoToInvoice(1001);
  LoadInvoice();
  GoToInvoice(1002);
  LoadInvoice();
  EXPECT_EQ(CustomerAddress, QStringList{QString()});
  ASSERT_EQ(ItemList.size(), 1);
  EXPECT_EQ(ItemList[0].PMemo, "");  // a product that no longer exists has no memo
  ASSERT_EQ(PaymentList.size(), 1);
  EXPECT_EQ(PaymentList[0].PAmt, "      3.00");
}

}  // namespace
