#include "products/ProdDefU.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "data/Settings.h"
#include "data/dbFiles.h"
#include "platform/AmountBox.h"
#include "products/TestSupport.h"

namespace {

const QString kDuplicate = QStringLiteral("Duplicate Product ID's are not allowed");

class ProdDefTest : public ProductsTest {
 protected:
  void TearDown() override {
    prodDef->hide();
    ProductsTest::TearDown();
  }
  void show(long record) {
    prodDef->hide();  // a refused save leaves the window open
    CurrentProductRec = static_cast<int>(record);
    prodDef->show();
  }
  // A new product with that code typed, saved; true when the window closed.
  bool saveNew(const QString& typed) {
    show(0);
    prodDef->Edit1->setText(typed);
    prodDef->BtnSave->click();
    return !prodDef->isVisible();
  }
  long count() const { return d4recCountDo(Prod5.d); }
};

TEST_F(ProdDefTest, CodeIsStoredUpperCaseAndItsBlankPaddedTwinIsRefused) {
  EXPECT_TRUE(saveNew("ab1"));
  EXPECT_EQ(ProductAt(1).PrID.trimmed(), "AB1");

  ui.expectMessage(Ui::Kind::Information, kDuplicate);
  EXPECT_FALSE(saveNew("  Ab1 "));
  EXPECT_EQ(prodDef->Edit1->text(), "  Ab1 ");  // the entries stay as typed
  EXPECT_EQ(count(), 1);

  ui.expectMessage(Ui::Kind::Information, "Blank Product ID not allowed");
  EXPECT_FALSE(saveNew("   "));
  EXPECT_EQ(count(), 1);
  closeAndCheck();
}

TEST_F(ProdDefTest, ShorterCodeBesideALongerOneIsNoDuplicate) {
  addProduct("AB12");
  EXPECT_TRUE(saveNew("AB1"));
  EXPECT_EQ(count(), 2);
  ui.expectMessage(Ui::Kind::Information, kDuplicate);
  EXPECT_FALSE(saveNew("ab1"));
  ui.expectMessage(Ui::Kind::Information, kDuplicate);
  EXPECT_FALSE(saveNew("AB12"));
  EXPECT_EQ(count(), 2);
}

TEST_F(ProdDefTest, SavingWithTheSameCodeSkipsTheDuplicateCheck) {
  // Two records with one code, as an earlier import may have left them:
  // each can still be edited as long as its code stays.
  addProduct("TWIN", "first");
  addProduct("TWIN", "second");
  show(2);
  prodDef->Edit2->setText("second, changed");
  prodDef->BtnSave->click();
  EXPECT_FALSE(prodDef->isVisible());
  EXPECT_EQ(ProductAt(2).PDesc.trimmed(), "second, changed");
  EXPECT_EQ(ProductAt(1).PDesc.trimmed(), "first");
}

TEST_F(ProdDefTest, StoredLowerCaseCodeCountsAsTheSameCode) {
  const long lower = addProduct("ab1");
  ui.expectMessage(Ui::Kind::Information, kDuplicate);
  EXPECT_FALSE(saveNew("AB1"));
  // The product itself may take its code in upper case.
  show(lower);
  EXPECT_EQ(prodDef->Edit1->text(), "ab1");
  prodDef->BtnSave->click();
  EXPECT_FALSE(prodDef->isVisible());
  EXPECT_EQ(ProductAt(lower).PrID.trimmed(), "AB1");
  EXPECT_EQ(count(), 1);
}

TEST_F(ProdDefTest, NewProductHasNothingOnHandAndIsNoBuiltItem) {
  Settings().ShipLine = "Shipping";
  show(0);
  EXPECT_FALSE(prodDef->BtnDelete->isEnabled());
  EXPECT_EQ(prodDef->MaskEdit1->boxText(), "    0.00");
  EXPECT_EQ(prodDef->MaskEdit2->boxText(), "     0.00");
  prodDef->Edit1->setText("w1");
  prodDef->Edit2->setText(" Widget ");
  prodDef->Edit3->setText("blue");
  prodDef->Edit4->setText("LIC-9");
  prodDef->MaskEdit1->setText("   12.50");
  prodDef->MaskEdit2->setText("     3.00");
  prodDef->CheckBox1->setChecked(true);
  prodDef->CheckBox3->setChecked(true);
  prodDef->Memo1->setPlainText("  Thank you\nfor your order.  \n\n");
  prodDef->BtnSave->click();
  EXPECT_FALSE(prodDef->isVisible());
  EXPECT_EQ(CurrentProductRec, 1);

  const ProductRecord p = ProductAt(1);
  EXPECT_EQ(p.PrID.trimmed(), "W1");
  EXPECT_EQ(p.PDesc.trimmed(), "Widget");
  EXPECT_EQ(p.IComm.trimmed(), "blue");
  EXPECT_EQ(p.RCode.trimmed(), "LIC-9");
  EXPECT_DOUBLE_EQ(p.UPrice, 12.5);
  EXPECT_DOUBLE_EQ(p.REORDER, 3);
  EXPECT_TRUE(p.LTax1);
  EXPECT_FALSE(p.LTax2);
  EXPECT_TRUE(p.lInven);
  EXPECT_EQ(p.PMemo, "Thank you\nfor your order.");
  EXPECT_DOUBLE_EQ(p.ONHAND, 0);
  EXPECT_STREQ(f4str(Prod5.lBuild), "F");
  closeAndCheck();
}

TEST_F(ProdDefTest, ExistingProductIsShownTrimmedAndKeepsItsQuantityOnHand) {
  const long rec = addProduct("AB1", "Anvil", 1234.5, 7.25, true);
  show(rec);
  EXPECT_TRUE(prodDef->BtnDelete->isEnabled());
  EXPECT_EQ(prodDef->Edit1->text(), "AB1");
  EXPECT_EQ(prodDef->Edit2->text(), "Anvil");
  EXPECT_EQ(prodDef->MaskEdit1->boxText(), " 1234.50");
  EXPECT_TRUE(prodDef->CheckBox3->isChecked());
  prodDef->MaskEdit1->setText("   99.99");
  prodDef->BtnSave->click();
  const ProductRecord p = ProductAt(rec);
  EXPECT_DOUBLE_EQ(p.UPrice, 99.99);
  EXPECT_DOUBLE_EQ(p.ONHAND, 7.25);
  EXPECT_EQ(CurrentProductRec, rec);
}

TEST_F(ProdDefTest, DeletedProductStaysDeletedWhenSaved) {
  const long rec = addProduct("OLD");
  d4delete(Prod5.d);
  show(rec);
  prodDef->Edit2->setText("still old");
  prodDef->BtnSave->click();
  d4go(Prod5.d, rec);
  EXPECT_EQ(d4deleted(Prod5.d), 1);
  EXPECT_EQ(ProductAt(rec).PDesc.trimmed(), "still old");
}

TEST_F(ProdDefTest, DeleteOnlyMarksTheProduct) {
  const long rec = addProduct("GONE");
  show(rec);
  prodDef->BtnDelete->click();
  EXPECT_FALSE(prodDef->isVisible());
  EXPECT_TRUE(DeletionsPending);
  d4go(Prod5.d, rec);
  EXPECT_EQ(d4deleted(Prod5.d), 1);
  EXPECT_EQ(count(), 1);
}

TEST_F(ProdDefTest, CancellingANewProductAppendsNothing) {
  show(0);
  prodDef->Edit1->setText("NEW");
  prodDef->BtnCancel->click();
  EXPECT_EQ(CurrentProductRec, -1);
  EXPECT_EQ(count(), 0);
}

TEST_F(ProdDefTest, TaxCheckBoxesAreCaptionedByTheTrimmedLineLabels) {
  Settings().ShipLine = "  Shipping ";
  Settings().TaxLine = "   ";
  show(0);
  EXPECT_EQ(prodDef->CheckBox1->text(), "Shipping");
  EXPECT_EQ(prodDef->CheckBox2->text(), "");
  prodDef->hide();
  Settings().TaxLine = "Sales Tax";
  show(0);
  EXPECT_EQ(prodDef->CheckBox2->text(), "Sales Tax");
  prodDef->hide();
  Settings().ShipLine = "Shipping & Handling";
  show(0);
  EXPECT_TRUE(QKeySequence::mnemonic(prodDef->CheckBox1->text()).isEmpty()) << "no shortcut";
  EXPECT_EQ(prodDef->CheckBox1->text().replace("&&", "&"), "Shipping & Handling") << "shown whole";
}

TEST_F(ProdDefTest, PriceThatIsNoNumberWritesNothing) {
  const long ab = addProduct("AB1");
  const long cd = addProduct("CD2");
  show(cd);
  prodDef->Edit1->setText("EF3");
  prodDef->MaskEdit1->setText("");
  ui.expectMessage(Ui::Kind::Error, "'.' is not a valid floating point value.");
  prodDef->BtnSave->click();
  EXPECT_TRUE(prodDef->isVisible());
  EXPECT_EQ(ProductAt(cd).PrID.trimmed(), "CD2");
  EXPECT_EQ(ProductAt(ab).PrID.trimmed(), "AB1");
}

TEST_F(ProdDefTest, FieldsKeepTheirLimitsAndTabOrder) {
  EXPECT_EQ(prodDef->windowTitle(), "Product Definition");
  EXPECT_EQ(prodDef->Edit1->maxLength(), 10);
  EXPECT_EQ(prodDef->Edit2->maxLength(), 27);
  EXPECT_EQ(prodDef->Edit3->maxLength(), 27);
  EXPECT_EQ(prodDef->Edit4->maxLength(), 10);
  EXPECT_EQ(prodDef->CheckBox3->text(), "Inventory Item");
  const QList<QWidget*> expected = {
      prodDef->Edit1,     prodDef->Edit2,     prodDef->MaskEdit1, prodDef->Edit3,
      prodDef->CheckBox1, prodDef->CheckBox2, prodDef->Edit4,     prodDef->CheckBox3,
      prodDef->MaskEdit2, prodDef->Memo1,     prodDef->BtnSave,   prodDef->BtnDelete,
      prodDef->BtnCancel};
  QList<QWidget*> chain;
  QWidget* w = prodDef->Edit1;
  do {
    if (expected.contains(w)) chain << w;
    w = w->nextInFocusChain();
  } while (w != prodDef->Edit1);
  EXPECT_EQ(chain, expected);
  show(0);
  ui.onDialog<QDialog>([](QDialog*) {});
  prodDef->BitBtn1->click();
  EXPECT_EQ(helpAsked, QStringList({"context-430"}));
}

}  // namespace
