#include "data/InvoiceLoad.h"

#include <gtest/gtest.h>

#include "data/Settings.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"

namespace {

InvoiceRecord Invoice(long ivNo, long cuNo, QDate date) {
  InvoiceRecord r;
  r.IvNo = ivNo;
  r.CuNo = cuNo;
  r.IDate = DateFromQDate(date);
  return r;
}

ItemRecord Item(long ivNo, const QString& code, double qty, double price) {
  ItemRecord r;
  r.IvNo = ivNo;
  r.PrID = code;
  r.Qty = qty;
  r.UPR = price;
  return r;
}

PaymentRecord Payment(long ivNo, QDate date, double amount) {
  PaymentRecord r;
  r.IvNo = ivNo;
  r.PDate = DateFromQDate(date);
  r.PAmt = amount;
  return r;
}

class InvoiceLoad : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    CustomerRecord ada;
    ada.cuno = 7;
    ada.title = "Ms.";
    ada.first = "Ada";
    ada.last = "Byron";
    ada.addr1 = "Lovelace Candles";
    ada.addr2 = "12 Engine Row";
    ada.zip = "02139";
    AppendCustomer(ada);
    ProductRecord candle;
    candle.PrID = "CANDLE";
    candle.RCode = "R-1";
    candle.PMemo = "Burns for forty hours.  ";
    AppendProduct(candle);
    AppendInvoice(Invoice(1001, 7, QDate(2026, 3, 2)));
    AppendInvoice(Invoice(1002, 99, QDate(2026, 3, 3)));
    AppendItem(Item(1002, "SOAP", 1, 3));
    ItemRecord first = Item(1001, "CANDLE", 2, 12.5);
    first.LTax2 = true;
    first.IComm = "  gift wrapped  ";
    AppendItem(first);
    ItemRecord second = Item(1001, "CAN", 0.5, 1234.56);
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
