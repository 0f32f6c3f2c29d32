#include "products/TestSupport.h"

#include "data/dbFiles.h"
#include "picklists/PickEdit.h"

void ProductsTest::SetUp() {
  PickListTest::SetUp();
  pickProd = std::make_unique<TPickProd>();
  prodDef = std::make_unique<TProdDef>();
  pickPur = std::make_unique<TPickPur>();
  purDef = std::make_unique<TPurDef>();
  taxDef = std::make_unique<TTaxDef>();
  RegisterPickEdit(PickTable::Product, pickProd.get(), prodDef.get());
  RegisterPickEdit(PickTable::Purchase, pickPur.get(), purDef.get());
  ASSERT_TRUE(OpenProd5());
  ASSERT_TRUE(OpenPur5());
}

void ProductsTest::TearDown() {
  taxDef.reset();
  purDef.reset();
  pickPur.reset();
  prodDef.reset();
  pickProd.reset();
  PickListTest::TearDown();
}

long ProductsTest::addProduct(const QString& code, const QString& description, double price,
                              double onHand, bool inventory) {
  ProdBuf = ProductRecord{};
  ProdBuf.PrID = code;
  ProdBuf.PDesc = description;
  ProdBuf.UPrice = price;
  ProdBuf.ONHAND = onHand;
  ProdBuf.lInven = inventory;
  EXPECT_EQ(d4appendBlank(Prod5.d), 0);
  WriteProduct();
  return d4recNo(Prod5.d);
}

long ProductsTest::addPurchase(const QString& code, const QDate& date, double quantity,
                               double cost) {
  PurBuf = PurchaseRecord{};
  PurBuf.PURProd = code;
  PurBuf.PURDate = DateFromQDate(date);
  PurBuf.PURQty = quantity;
  PurBuf.PURCost = cost;
  EXPECT_EQ(d4appendBlank(Pur5.d), 0);
  WritePurchase();
  return d4recNo(Pur5.d);
}

ProductRecord ProductAt(long recNo) {
  d4go(Prod5.d, recNo);
  ReadProduct();
  return ProdBuf;
}

PurchaseRecord PurchaseAt(long recNo) {
  d4go(Pur5.d, recNo);
  ReadPurchase();
  return PurBuf;
}
