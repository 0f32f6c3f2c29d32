#include "products/DefTaxU.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "data/Settings.h"
#include "platform/AmountBox.h"
#include "products/RadioGroup.h"
#include "products/TestSupport.h"

namespace {

class TaxDefTest : public ProductsTest {
 protected:
  void SetUp() override {
    ProductsTest::SetUp();
    CloseAll();  // the tax window runs with no table open
    SettingsRecord& s = Settings();
    s.ShipLine = "Shipping";
    s.TaxLine = "Sales Tax";
    s.TaxRate1 = 0;
    s.TaxRate2 = 7.25;
    s.ShipTax = 2;
    s.TaxRound = 1;
    s.Company = "Tallow & Wick";
    WriteSettings();
  }
  void TearDown() override {
    taxDef->hide();
    ProductsTest::TearDown();
  }
  void show() {
    taxDef->hide();
    taxDef->show();
  }
  // The settings as the next start of the program reads them.
  static SettingsRecord Stored() {
    const SettingsRecord inMemory = Settings();
    resetSettingsForTests();
    ReadSettings();
    const SettingsRecord stored = Settings();
    Settings() = inMemory;
    return stored;
  }
};

TEST_F(TaxDefTest, ShowsTheSettingsAndSavesThemAtOnce) {
  Settings().ShipLine = "  Freight  ";
  show();
  EXPECT_EQ(taxDef->windowTitle(), "Tax Definition");
  EXPECT_EQ(taxDef->Edit1->text(), "Freight");
  EXPECT_EQ(taxDef->Edit2->text(), "Sales Tax");
  EXPECT_EQ(taxDef->MaskEdit1->boxText(), " 0.00");
  EXPECT_EQ(taxDef->MaskEdit2->boxText(), " 7.25");
  EXPECT_EQ(taxDef->RadioGroup1->itemIndex(), 1);
  EXPECT_EQ(taxDef->RadioGroup2->itemIndex(), 0);
  QList<QWidget*> chain;
  for (QWidget* w = taxDef->Edit1; chain.size() < 6; w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) chain << w;
  }
  EXPECT_EQ(chain, QList<QWidget*>({taxDef->Edit1, taxDef->MaskEdit1, taxDef->Edit2,
                                    taxDef->MaskEdit2, taxDef->RadioGroup1->item(0),
                                    taxDef->RadioGroup1->item(1)}));

  taxDef->Edit1->setText("  Handling ");
  taxDef->MaskEdit1->setText("12.50");
  taxDef->RadioGroup1->item(2)->setChecked(true);
  taxDef->RadioGroup2->item(1)->setChecked(true);
  taxDef->BtnSave->click();
  EXPECT_FALSE(taxDef->isVisible());
  for (const SettingsRecord& s : {Settings(), Stored()}) {
    EXPECT_EQ(s.ShipLine.trimmed(), "Handling");
    EXPECT_DOUBLE_EQ(s.TaxRate1, 12.5);
    EXPECT_DOUBLE_EQ(s.TaxRate2, 7.25);
    EXPECT_EQ(s.ShipTax, 3);
    EXPECT_EQ(s.TaxRound, 2);
    EXPECT_EQ(s.Company.trimmed(), "Tallow & Wick");  // the rest of the record stays
  }
}

TEST_F(TaxDefTest, StoredZeroSelectsNoItemAndIsSavedAsZero) {
  Settings().ShipTax = 0;
  Settings().TaxRound = 9;
  show();
  EXPECT_EQ(taxDef->RadioGroup1->itemIndex(), -1);
  EXPECT_EQ(taxDef->RadioGroup2->itemIndex(), -1);
  taxDef->BtnSave->click();
  EXPECT_EQ(Stored().ShipTax, 0);
  EXPECT_EQ(Stored().TaxRound, 0);
  // A later showing with a stored choice checks it again.
  Settings().ShipTax = 1;
  show();
  EXPECT_EQ(taxDef->RadioGroup1->itemIndex(), 0);
}

TEST_F(TaxDefTest, NegativePercentageIsRedAndSavedNegative) {
  show();
  taxDef->MaskEdit2->setText("-3.5");
  EXPECT_TRUE(taxDef->MaskEdit2->leave());
  EXPECT_EQ(taxDef->MaskEdit2->boxText(), "-3.50");
  EXPECT_TRUE(taxDef->MaskEdit2->isRed());
  taxDef->BtnSave->click();
  EXPECT_DOUBLE_EQ(Stored().TaxRate2, -3.5);
}

TEST_F(TaxDefTest, PercentageThatIsNoNumberChangesNoSetting) {
  show();
  taxDef->Edit1->setText("Changed");
  taxDef->MaskEdit2->setText("");
  ui.expectMessage(Ui::Kind::Error, "'.' is not a valid floating point value.");
  taxDef->BtnSave->click();
  EXPECT_TRUE(taxDef->isVisible());
  EXPECT_EQ(Settings().ShipLine, "Shipping");
  EXPECT_EQ(Stored().ShipLine.trimmed(), "Shipping");
}

TEST_F(TaxDefTest, CancelChangesNothing) {
  show();
  taxDef->Edit2->setText("VAT");
  taxDef->RadioGroup1->item(0)->setChecked(true);
  taxDef->BtnCancel->click();
  EXPECT_EQ(Settings().TaxLine, "Sales Tax");
  EXPECT_EQ(Settings().ShipTax, 2);
}

}  // namespace
