#include "products/PurDefU.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "data/dbFiles.h"
#include "platform/AmountBox.h"
#include "platform/DateBox.h"
#include "products/TestSupport.h"

namespace {

class PurDefTest : public ProductsTest {
 protected:
  void TearDown() override {
    purDef->hide();
    ProductsTest::TearDown();
  }
  void show(long record) {
    purDef->hide();
    CurrentPurchaseRec = static_cast<int>(record);
    purDef->show();
  }
  // "Product" chooses the product list's row.
  void chooseProductOnRow(int row) {
    ui.onDialog<TPickProd>([row](TPickProd* p) {
      p->StringGrid1->setCurrentCell(row - 1, 0);
      p->BtnSelect->click();
    });
    purDef->BtnProd->click();
  }
  long purchases() const { return d4recCountDo(Pur5.d); }
};

TEST_F(PurDefTest, NewPurchaseIsDatedTodayAndNeedsAProduct) {
  show(0);
  EXPECT_EQ(purDef->windowTitle(), "Inventory Purchase Definition");
  EXPECT_EQ(purDef->Edit1->text(), "");
  EXPECT_EQ(purDef->MaskEdit1->boxText(), "03/15/26");
  EXPECT_EQ(purDef->MaskEdit2->boxText(), "      0.00");
  EXPECT_EQ(purDef->MaskEdit3->boxText(), "        0.00");
  EXPECT_FALSE(purDef->BtnDelete->isEnabled());
  ui.expectMessage(Ui::Kind::Information, "Product Selection Required.");
  purDef->BtnSave->click();
  EXPECT_TRUE(purDef->isVisible());
  purDef->BtnCancel->click();
  EXPECT_EQ(CurrentPurchaseRec, 0);  // ends the purchase loop
  EXPECT_EQ(purchases(), 0);
}

TEST_F(PurDefTest, ChosenProductBecomesAnInventoryItemWithItsStockUnchanged) {
  addProduct("ZZ9", "Last");
  const long anvil = addProduct("AB1", "Anvil", 20, 5, false);
  ProdBuf.PMemo = "Handle with care";
  WriteProduct();
  show(0);
  chooseProductOnRow(1);
  EXPECT_EQ(purDef->Edit1->text(), QString("AB1").leftJustified(10));
  EXPECT_EQ(purDef->chosenProduct(), anvil);
  purDef->MaskEdit2->setText("10");
  purDef->MaskEdit3->setText("250.75");
  purDef->BtnSave->click();
  EXPECT_FALSE(purDef->isVisible());
  EXPECT_EQ(CurrentPurchaseRec, 1);

  const PurchaseRecord bought = PurchaseAt(1);
  EXPECT_EQ(bought.PURProd.trimmed(), "AB1");
  EXPECT_EQ(bought.PURDate, DateFromQDate(QDate(2026, 3, 15)));
  EXPECT_DOUBLE_EQ(bought.PURQty, 10);
  EXPECT_DOUBLE_EQ(bought.PURCost, 250.75);
  EXPECT_EQ(bought.PURNo, 0);
  const ProductRecord p = ProductAt(anvil);
  EXPECT_TRUE(p.lInven);
  EXPECT_DOUBLE_EQ(p.ONHAND, 5);
  EXPECT_DOUBLE_EQ(p.UPrice, 20);
  EXPECT_EQ(p.PMemo, "Handle with care");
  EXPECT_FALSE(ProductAt(1).lInven);
  closeAndCheck();
}

TEST_F(PurDefTest, NewProductMadeFromTheListIsTheOneChosen) {
  ui.onDialog<TPickProd>([](TPickProd* p) {
    EXPECT_TRUE(p->BtnNew->isEnabled());
    p->BtnNew->click();
  });
  ui.onDialog<TProdDef>([](TProdDef* d) {
    d->Edit1->setText("new1");
    d->BtnSave->click();
  });
  show(0);
  purDef->BtnProd->click();
  EXPECT_EQ(purDef->Edit1->text().trimmed(), "NEW1");
  purDef->BtnSave->click();
  EXPECT_TRUE(ProductAt(1).lInven);
  EXPECT_EQ(PurchaseAt(1).PURProd.trimmed(), "NEW1");
}

TEST_F(PurDefTest, ExistingPurchaseSavedWithoutChoosingLeavesTheProductAlone) {
  const long anvil = addProduct("AB1", "Anvil", 20, 5, false);
  const long rec = addPurchase("AB1", QDate(2025, 12, 1), 3, 30);
  show(rec);
  EXPECT_TRUE(purDef->BtnDelete->isEnabled());
  EXPECT_EQ(purDef->MaskEdit1->boxText(), "12/01/25");
  EXPECT_EQ(purDef->MaskEdit2->boxText(), "      3.00");
  purDef->MaskEdit2->setText("4");
  purDef->BtnSave->click();
  EXPECT_DOUBLE_EQ(PurchaseAt(rec).PURQty, 4);
  EXPECT_FALSE(ProductAt(anvil).lInven);
  // A choice belongs to one showing only.
  show(rec);
  chooseProductOnRow(1);
  purDef->BtnCancel->click();
  show(rec);
  EXPECT_EQ(purDef->chosenProduct(), 0);
  purDef->BtnSave->click();
  EXPECT_FALSE(ProductAt(anvil).lInven);
}

TEST_F(PurDefTest, TwoDigitYearIsPlacedByTheHundredYearWindow) {
  addProduct("AB1");
  show(0);
  chooseProductOnRow(1);
  purDef->MaskEdit1->setText("07/04/65");
  purDef->BtnSave->click();
  EXPECT_STREQ(f4str(Pur5.PURDate), "20650704");
  show(0);
  chooseProductOnRow(1);
  purDef->MaskEdit1->setText("07/04/66");
  purDef->BtnSave->click();
  EXPECT_STREQ(f4str(Pur5.PURDate), "19660704");
}

TEST_F(PurDefTest, QuantityThatIsNoNumberWritesNothing) {
  const long anvil = addProduct("AB1");
  show(0);
  chooseProductOnRow(1);
  purDef->MaskEdit2->setText("");
  ui.expectMessage(Ui::Kind::Error, "'.' is not a valid floating point value.");
  purDef->BtnSave->click();
  EXPECT_TRUE(purDef->isVisible());
  EXPECT_EQ(purchases(), 0);
  EXPECT_FALSE(ProductAt(anvil).lInven);
}

TEST_F(PurDefTest, DeleteOnlyMarksThePurchase) {
  const long rec = addPurchase("AB1", QDate(2025, 12, 1), 3, 30);
  show(rec);
  purDef->BtnDelete->click();
  EXPECT_TRUE(DeletionsPending);
  d4go(Pur5.d, rec);
  EXPECT_EQ(d4deleted(Pur5.d), 1);
  EXPECT_EQ(purchases(), 1);
}

}  // namespace
