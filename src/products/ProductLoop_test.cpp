// The sales-tax window and the product and purchase loops run as the user
// runs them: the windows driven by their controls, and the tables on disk
// checked afterwards. The loops' closing pack is the main window's
// (shell/EditCommands_test): here deleted records are still in their table.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <deque>
#include <functional>

#include "data/CodeBase.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "picklists/PickEdit.h"
#include "platform/AmountBox.h"
#include "platform/DateBox.h"
#include "products/TestSupport.h"
#include "tbengine/inspect.h"

namespace {

class ProductLoopTest : public ProductsTest {
 protected:
  // The settings record read as at start-up; the fixture's open tables
  // closed: each loop opens its own.
  void SetUp() override {
    ProductsTest::SetUp();
    CloseAll();
    ReadSettings();
  }

  // "Add & Edit Products / Services" up to its pack: the list on the first
  // product, the edit loop, all tables closed.
  static void editProducts() {
    ASSERT_TRUE(OpenProd5());
    CurrentProductRec = FirstRecord(Prod5.d);
    EditLoop(PickTable::Product);
    CloseAll();
  }
  // "Add & Edit Inventory Purchases" up to its pack.
  static void editPurchases() {
    ASSERT_TRUE(OpenPur5());
    ASSERT_TRUE(OpenProd5());
    CurrentPurchaseRec = FirstRecord(Pur5.d);
    EditLoop(PickTable::Purchase);
    CloseAll();
  }

  static void storeProduct(const QString& code, double onHand = 0) {
    ProductRecord p;
    p.PrID = code;
    p.ONHAND = onHand;
    p.PMemo = "Printed below";
    AppendProduct(p);
  }
  static void storePurchase(const QString& code, const QDate& date, double quantity) {
    PurchaseRecord p;
    p.PURProd = code;
    p.PURDate = DateFromQDate(date);
    p.PURQty = quantity;
    AppendPurchase(p);
  }
  // "code onhand inventory" per product in record order, "*" before a
  // deleted one; then the table and its index checked.
  static QStringList products() {
    return StoredLines(OpenProd5, &Prod5.d, [] {
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
    return StoredLines(OpenPur5, &Pur5.d, [] {
      ReadPurchase();
      return QString("%1 %2 %3")
          .arg(PurBuf.PURProd.trimmed())
          .arg(DateToStored(PurBuf.PURDate))
          .arg(PurBuf.PURQty);
    });
  }
  // The bytes of the product table's files.
  QMap<QString, FileState> productFiles() const {
    QMap<QString, FileState> all = FolderFiles(dir.path());
    QMap<QString, FileState> prod;
    for (const char* name : {"Prod5.dbf", "Prod5.dbt", "Prod.ntx"}) prod[name] = all.value(name);
    return prod;
  }
};
TEST_F(ProductLoopTest, NewTaxLabelsCaptionTheProductCheckBoxes) {
  steps<TTaxDef>({[](TTaxDef* t) {
    t->Edit1->setText("Freight");
    t->Edit2->setText(" GST ");
    t->MaskEdit2->setText("-1.5");
    t->BtnSave->click();
  }});
  Ui::get().exec(taxDef.get());
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
  editProducts();
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

TEST_F(ProductLoopTest, DeletedProductStaysListedUntilTheLoopEndsAndAwaitsThePack) {
  storeProduct("AB1");
  storeProduct("CD2", 4);
  steps<TPickProd>({chooseRow<TPickProd>(1),
                    [](TPickProd* p) {  // listed until the loop ends
                      EXPECT_EQ(cell(p, 1, 2), "<DELETED>");
                      p->BtnCancel->click();
                    }});
  steps<TProdDef>({[](TProdDef* d) { d->BtnDelete->click(); }});
  editProducts();
  EXPECT_EQ(products(), QStringList({"*AB1 0 -", "CD2 4 -"}));
  EXPECT_TRUE(DeletionsPending) << "the command packs Prod5";
}

TEST_F(ProductLoopTest, PurchaseOfAChosenProductMakesItAnInventoryItem) {
  storeProduct("ZZ9");
  storeProduct("AB1", 5);
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
  editPurchases();
  EXPECT_EQ(purchases(), QStringList({"AB1 20650131 12"}));
  EXPECT_EQ(products(), QStringList({"ZZ9 0 -", "AB1 5 inventory"}));
}

TEST_F(ProductLoopTest, SavingAPurchaseWithoutChoosingLeavesProductsUntouched) {
  storeProduct("AB1", 5);
  storePurchase("AB1", QDate(2025, 12, 1), 3);
  const auto before = productFiles();
  steps<TPickPur>({chooseRow<TPickPur>(1), pressCancel<TPickPur>});
  steps<TPurDef>({[](TPurDef* d) {
    d->MaskEdit2->setText("4");
    d->BtnSave->click();
  }});
  editPurchases();
  EXPECT_EQ(purchases(), QStringList({"AB1 20251201 4"}));
  EXPECT_TRUE(productFiles() == before);
}

TEST_F(ProductLoopTest, DeletedPurchaseStaysListedUntilTheLoopEndsAndAwaitsThePack) {
  storeProduct("AB1");
  storePurchase("AB1", QDate(2025, 12, 1), 3);
  storePurchase("AB1", QDate(2026, 1, 5), 7);
  steps<TPickPur>({chooseRow<TPickPur>(2),
                   [](TPickPur* p) {
                     EXPECT_EQ(cell(p, 2, 3), "<DELETED>");
                     p->BtnCancel->click();
                   }});
  steps<TPurDef>({[](TPurDef* d) { d->BtnDelete->click(); }});
  editPurchases();
  EXPECT_EQ(purchases(), QStringList({"AB1 20251201 3", "*AB1 20260105 7"}));
  EXPECT_EQ(products(), QStringList({"AB1 0 -"}));
  EXPECT_TRUE(DeletionsPending) << "the command packs Pur5";
}

TEST_F(ProductLoopTest, CancellingANewPurchaseEndsTheLoop) {
  steps<TPickPur>({pressNew<TPickPur>});
  steps<TPurDef>({[](TPurDef* d) { d->BtnCancel->click(); }});
  editPurchases();
  EXPECT_EQ(CurrentPurchaseRec, 0);
  EXPECT_EQ(purchases(), QStringList());
}

}  // namespace
