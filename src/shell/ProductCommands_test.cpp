// "Sales Tax", "Add & Edit Products / Services" and "Add & Edit Inventory
// Purchases" run as the user runs them: the real main window, tax window,
// pick lists and editors, and the tables on disk checked afterwards.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <deque>
#include <functional>

#include "data/CodeBase.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "platform/AmountBox.h"
#include "platform/DateBox.h"
#include "products/DefTaxU.h"
#include "products/PickProdU.h"
#include "products/PickPurU.h"
#include "products/ProdDefU.h"
#include "products/PurDefU.h"
#include "shell/TestSupport.h"
#include "tbengine/inspect.h"

namespace {

class ProductCommandsTest : public CommandTest {
 protected:
  static void addProduct(const QString& code, double onHand = 0) {
    ProdBuf = {};
    ProdBuf.PrID = code;
    ProdBuf.ONHAND = onHand;
    ProdBuf.PMemo = "Printed below";
    append(OpenProd5, &Prod5.d, WriteProduct);
  }
  static void addPurchase(const QString& code, const QDate& date, double quantity) {
    PurBuf = {};
    PurBuf.PURProd = code;
    PurBuf.PURDate = DateFromQDate(date);
    PurBuf.PURQty = quantity;
    append(OpenPur5, &Pur5.d, WritePurchase);
  }
  // "code onhand inventory" per product in record order, "*" before a
  // deleted one; then the table and its index checked.
  static QStringList products() {
    return records(OpenProd5, &Prod5.d, [] {
      ReadProduct();
      return QString("%1 %2 %3")
          .arg(ProdBuf.PrID.trimmed())
          .arg(ProdBuf.ONHAND)
          .arg(ProdBuf.lInven ? "inventory" : "-");
    });
  }
  // "code yyyymmdd quantity" per purchase in record order, "*" before a
  // deleted one; then checked.
  static QStringList purchases() {
    return records(OpenPur5, &Pur5.d, [] {
      ReadPurchase();
      return QString("%1 %2 %3")
          .arg(PurBuf.PURProd.trimmed())
          .arg(DateToStored(PurBuf.PURDate))
          .arg(PurBuf.PURQty);
    });
  }
  // The bytes of the product table's files.
  QMap<QString, FileState> productFiles() const {
    QMap<QString, FileState> all = files();
    QMap<QString, FileState> prod;
    for (const char* name : {"Prod5.dbf", "Prod5.dbt", "Prod.ntx"}) prod[name] = all.value(name);
    return prod;
  }
};

TEST_F(ProductCommandsTest, NewTaxLabelsCaptionTheProductCheckBoxes) {
  steps<TTaxDef>({[](TTaxDef* t) {
    t->Edit1->setText("Freight");
    t->Edit2->setText(" GST ");
    t->MaskEdit2->setText("-1.5");
    t->BtnSave->click();
  }});
  main()->BtnSTax->click();
  EXPECT_EQ(Settings().TaxLine, "GST");
  EXPECT_DOUBLE_EQ(Settings().TaxRate2, -1.5);

  steps<TPickProd>({pressNew<TPickProd>,
                    [](TPickProd* p) {
                      EXPECT_EQ(cell(p, 1, 0), "W1");
                      p->BtnCancel->click();
                    }});
  steps<TProdDef>({[](TProdDef* d) {
    EXPECT_EQ(d->CheckBox1->text(), "Freight");
    EXPECT_EQ(d->CheckBox2->text(), "GST");
    d->Edit1->setText("w1");
    d->CheckBox2->setChecked(true);
    d->BtnSave->click();
  }});
  main()->BtnProd->click();
  EXPECT_EQ(products(), QStringList({"W1 0 -"}));
  ASSERT_TRUE(OpenProd5());
  d4top(Prod5.d);
  EXPECT_TRUE(FieldLogical(Prod5.LTax2));
  EXPECT_STREQ(f4str(Prod5.lBuild), "F");
  CloseAll();
  // The settings record holds the new values for the next start.
  resetSettingsForTests();
  ReadSettings();
  EXPECT_EQ(Settings().ShipLine.trimmed(), "Freight");
  EXPECT_DOUBLE_EQ(Settings().TaxRate2, -1.5);
}

TEST_F(ProductCommandsTest, ProductLoopPacksProductsOnlyAfterADeletion) {
  addProduct("AB1");
  addProduct("CD2", 4);
  ageFiles();
  steps<TPickProd>({pressCancel<TPickProd>});
  main()->BtnProd->click();
  EXPECT_EQ(rewritten(), QStringList());

  steps<TPickProd>({chooseRow<TPickProd>(1),
                    [](TPickProd* p) {  // listed until the loop ends
                      EXPECT_EQ(cell(p, 1, 2), "<DELETED>");
                      p->BtnCancel->click();
                    }});
  steps<TProdDef>({[](TProdDef* d) { d->BtnDelete->click(); }});
  main()->BtnProd->click();
  EXPECT_EQ(rewritten(), QStringList({"Prod.ntx", "Prod5.dbf"}));  // the memo file stays
  EXPECT_EQ(products(), QStringList({"CD2 4 -"}));
  EXPECT_FALSE(DeletionsPending);
}

TEST_F(ProductCommandsTest, PurchaseOfAChosenProductMakesItAnInventoryItem) {
  addProduct("ZZ9");
  addProduct("AB1", 5);
  steps<TPickPur>({pressNew<TPickPur>,
                   [](TPickPur* p) {
                     EXPECT_EQ(cell(p, 1, 0), "AB1");
                     EXPECT_EQ(cell(p, 1, 1), "01/31/65");
                     p->BtnCancel->click();
                   }});
  steps<TPickProd>({chooseRow<TPickProd>(1)});
  steps<TPurDef>({[](TPurDef* d) {
    d->BtnProd->click();
    d->MaskEdit1->setText("01/31/65");
    d->MaskEdit2->setText("12");
    d->BtnSave->click();
  }});
  main()->BtnPurchase->click();
  EXPECT_EQ(purchases(), QStringList({"AB1 20650131 12"}));
  EXPECT_EQ(products(), QStringList({"ZZ9 0 -", "AB1 5 inventory"}));
}

TEST_F(ProductCommandsTest, SavingAPurchaseWithoutChoosingLeavesProductsUntouched) {
  addProduct("AB1", 5);
  addPurchase("AB1", QDate(2025, 12, 1), 3);
  const auto before = productFiles();
  steps<TPickPur>({chooseRow<TPickPur>(1), pressCancel<TPickPur>});
  steps<TPurDef>({[](TPurDef* d) {
    d->MaskEdit2->setText("4");
    d->BtnSave->click();
  }});
  main()->BtnPurchase->click();
  EXPECT_EQ(purchases(), QStringList({"AB1 20251201 4"}));
  EXPECT_TRUE(productFiles() == before);
}

TEST_F(ProductCommandsTest, PurchaseDeletionIsPackedWhenTheLoopEnds) {
  addProduct("AB1");
  addPurchase("AB1", QDate(2025, 12, 1), 3);
  addPurchase("AB1", QDate(2026, 1, 5), 7);
  steps<TPickPur>({chooseRow<TPickPur>(2),
                   [](TPickPur* p) {
                     EXPECT_EQ(cell(p, 2, 3), "<DELETED>");
                     p->BtnCancel->click();
                   }});
  steps<TPurDef>({[](TPurDef* d) { d->BtnDelete->click(); }});
  main()->BtnPurchase->click();
  EXPECT_EQ(purchases(), QStringList({"AB1 20251201 3"}));
  EXPECT_EQ(products(), QStringList({"AB1 0 -"}));
}

TEST_F(ProductCommandsTest, CancellingANewPurchaseEndsTheLoop) {
  steps<TPickPur>({pressNew<TPickPur>});
  steps<TPurDef>({[](TPurDef* d) { d->BtnCancel->click(); }});
  main()->BtnPurchase->click();
  EXPECT_EQ(CurrentPurchaseRec, 0);
  EXPECT_EQ(purchases(), QStringList());
}

}  // namespace
