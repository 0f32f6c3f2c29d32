// The label print dialog: the stock it proposes, the clamping of the
// starting column and row, and when it writes LabID.
#include "labels/LabPrintU.h"

#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

#include "data/Settings.h"
#include "labels/CountBox.h"
#include "labels/TestSupport.h"

namespace {

class LabPrintTest : public LabelsTest {
 protected:
  void SetUp() override {
    LabelsTest::SetUp();
    LabelRecord two = SheetStock("Two");
    two.NAcross = 2;
    addStock(SheetStock("Sheet"));
    addStock(two);
    ASSERT_TRUE(OpenLABELS());
  }
  // Shows the dialog and runs steps in it; the dialog's result.
  bool run(const std::function<void(TLabPrint*)>& steps, int* c = nullptr, int* r = nullptr,
           Canvas* check = nullptr) {
    ui.onDialog<TLabPrint>(steps);
    int cc = 0, rr = 0;
    const bool ok = RunLabPrint(check, &cc, &rr);
    if (c) *c = cc;
    if (r) *r = rr;
    return ok;
  }
  // KEX1's LabID as stored.
  QString storedLabId() {
    const SettingsRecord inMemory = Settings();
    ReadSettings();
    const QString stored = Settings().LabID.trimmed();
    Settings() = inMemory;
    return stored;
  }
};

}  // namespace

TEST_F(LabPrintTest, ProposesTheLastStockUsedElseTheFirstInNameOrder) {
  run([](TLabPrint* p) {
    EXPECT_EQ(p->ComboBox1->count(), 2);
    EXPECT_EQ(p->ComboBox1->currentText(), "Sheet");
    EXPECT_EQ(p->MaskEdit1->text(), "1");
    EXPECT_EQ(p->MaskEdit2->text().trimmed(), "1");
  });
  Settings().LabID = "Two";
  run([](TLabPrint* p) { EXPECT_EQ(p->ComboBox1->currentText(), "Two"); });
}

TEST_F(LabPrintTest, ArrowsKeepTheColumnWithinTheStockAndTheRowAboveZero) {
  int c = 0, r = 0;
  EXPECT_TRUE(run(
      [](TLabPrint* p) {
        for (int i = 0; i < 5; ++i) p->UpDown1Next->click();  // three across
        EXPECT_EQ(p->column(), 3);
        p->UpDown1Prev->click();
        EXPECT_EQ(p->column(), 2);
        p->UpDown2Prev->click();  // already row 1
        EXPECT_EQ(p->row(), 1);
        p->UpDown2Next->click();
        p->UpDown2Next->click();
        EXPECT_EQ(p->row(), 3);
        p->BtnOK->click();
      },
      &c, &r));
  EXPECT_EQ(c, 2);
  EXPECT_EQ(r, 3);
}

TEST_F(LabPrintTest, LeavingTheBoxesClampsThemAndOkLimitsTheColumnToTheChosenStock) {
  int c = 0, r = 0;
  EXPECT_TRUE(run(
      [this](TLabPrint* p) {
        p->MaskEdit1->setNumber(9);
        ui.expectMessage(Ui::Kind::Information,
                         "Label stock Sheet has 3 labels across; the first label goes in column 3.");
        p->MaskEdit1->leave();
        EXPECT_EQ(p->column(), 3);
        p->MaskEdit1->setText("");
        p->MaskEdit1->leave();
        EXPECT_EQ(p->column(), 1);
        p->MaskEdit2->setText("");
        p->MaskEdit2->leave();
        EXPECT_EQ(p->row(), 1);
        p->MaskEdit2->setNumber(0);
        p->MaskEdit2->leave();
        EXPECT_EQ(p->row(), 1);
        p->MaskEdit1->setNumber(3);
        p->ComboBox1->setCurrentIndex(p->ComboBox1->findText("Two"));
        ui.expectMessage(Ui::Kind::Information,
                         "Label stock Two has 2 labels across; the first label goes in column 2.");
        p->BtnOK->click();
      },
      &c, &r));
  EXPECT_EQ(c, 2);  // "Two" has two labels across
  EXPECT_EQ(LabelBuf.Name.trimmed(), "Two");
}

TEST_F(LabPrintTest, ARowPastTheLastOfTheSheetIsHeldToItAsAColumnIsWithAMessage) {
  int c = 0, r = 0;
  EXPECT_TRUE(run(
      [this](TLabPrint* p) {
        p->MaskEdit2->setNumber(13);
        p->UpDown2Next->click();
        p->UpDown2Next->click();  // 14 rows on the page
        EXPECT_EQ(p->row(), 14);
        p->MaskEdit2->setNumber(20);
        ui.expectMessage(Ui::Kind::Information,
                         "Label stock Sheet has 14 rows on a page; the first label goes in row 14.");
        p->BtnOK->click();
      },
      &c, &r, &canvas));
  EXPECT_EQ(r, 14) << "no blank first sheet";
  LabelRecord continuous = SheetStock("Roll");
  continuous.Continuous = true;
  CloseAll();
  addStock(continuous);
  ASSERT_TRUE(OpenLABELS());
  EXPECT_TRUE(run(
      [](TLabPrint* p) {
        p->ComboBox1->setCurrentIndex(p->ComboBox1->findText("Roll"));
        p->ComboBox1Change();
        p->MaskEdit2->setNumber(20);
        p->BtnOK->click();
      },
      &c, &r, &canvas));
  EXPECT_EQ(r, 20) << "a continuous form has no last row";
}

TEST_F(LabPrintTest, LabIdIsWrittenOnlyWhenTheStockChanges) {
  run([](TLabPrint* p) { p->BtnOK->click(); });
  EXPECT_EQ(Settings().LabID, "Sheet");
  EXPECT_EQ(storedLabId(), "Sheet");

  // In memory only: a write would store "Sheet" again over "Elsewhere".
  Settings().LabID = "Sheet";
  {
    SettingsRecord s = Settings();
    Settings().LabID = "Elsewhere";
    WriteSettings();
    Settings() = s;
  }
  run([](TLabPrint* p) { p->BtnOK->click(); });
  EXPECT_EQ(storedLabId(), "Elsewhere");
}

TEST_F(LabPrintTest, CancelAndTheCloseBoxCountAsCancelled) {
  EXPECT_FALSE(run([](TLabPrint* p) { p->BtnCancel->click(); }));
  EXPECT_FALSE(run([](TLabPrint*) {}));
  EXPECT_EQ(Settings().LabID, "");
}
