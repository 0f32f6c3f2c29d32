// The label stock loop: the pick list and the label definition window over
// LABELS, as "Label Forms" runs them.
#include "labels/LabelDefU.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "data/StorableText.h"
#include "labels/CountBox.h"
#include "labels/PickLabelU.h"
#include "labels/TestSupport.h"
#include "platform/AmountBox.h"
#include "picklists/PickEdit.h"
#include "platform/PrinterChoice.h"

namespace {

class LabelDefTest : public LabelsTest {
 protected:
  void SetUp() override {
    LabelsTest::SetUp();
    pickLab = std::make_unique<TPickLab>();
    labelDef = std::make_unique<TLabelDef>();
    RegisterPickEdit(PickTable::Label, pickLab.get(), labelDef.get());
  }
  void TearDown() override {
    resetPickEditForTests();
    labelDef.reset();
    pickLab.reset();
    LabelsTest::TearDown();
  }
  // Runs the loop of "Label Forms"; each showing of the pick list runs the
  // next of picks, the editor the next of edits.
  void loop(QList<std::function<void(TPickLab*)>> picks,
            QList<std::function<void(TLabelDef*)>> edits = {}) {
    // The driver copies a handler for each showing: the counts are shared.
    ui.onDialog<TPickLab>([picks, n = std::make_shared<int>(0)](TPickLab* p) {
      ASSERT_LT(*n, picks.size());
      picks[(*n)++](p);
    });
    ui.onDialog<TLabelDef>([edits, n = std::make_shared<int>(0)](TLabelDef* d) {
      ASSERT_LT(*n, edits.size());
      edits[(*n)++](d);
    });
    ASSERT_TRUE(OpenLABELS());
    CurrentLabelRec = FirstRecord(Labels.d);
    EditLoop(PickTable::Label);
    CloseAll();
  }
  LabelRecord stored(long rec) {
    EXPECT_TRUE(OpenLABELS());
    d4go(Labels.d, rec);
    ReadLabel();
    CloseAll();
    return LabelBuf;
  }
  static QStringList lines(TPickLab* p) {
    QStringList out;
    for (int i = 0; i < p->ListBox1->count(); ++i) out << p->ListBox1->item(i)->text().trimmed();
    return out;
  }

  std::unique_ptr<TPickLab> pickLab;
  std::unique_ptr<TLabelDef> labelDef;
};

}  // namespace

TEST_F(LabelDefTest, NewStockStartsEmptyIsSavedAndThenChosenInTheList) {
  loop({[](TPickLab* p) { p->BtnNew->click(); },
        [this](TPickLab* p) {
          EXPECT_EQ(lines(p), QStringList({"Avery"}));
          EXPECT_EQ(p->ListBox1->currentRow(), 0);
          EXPECT_EQ(CurrentLabelRec, -1);  // until a button is pressed
          p->BtnCancel->click();
        }},
       {[this](TLabelDef* d) {
         EXPECT_EQ(d->windowTitle(), "Label Definition");
         EXPECT_EQ(d->Edit1->text(), "");
         EXPECT_EQ(d->MaskEdit5->text().trimmed(), "0.000");
         EXPECT_EQ(d->MaskEdit9->text(), "1");
         EXPECT_FALSE(d->CheckBox1->isChecked());
         ui.expectMessage(Ui::Kind::Information, "Please fill in label name.");
         d->BtnSave->click();
         d->Edit1->setText("  Avery  ");
         d->MaskEdit1->setText("36");
         d->MaskEdit6->setText("72");
         d->MaskEdit9->setNumber(3);
         d->CheckBox1->setChecked(true);
         d->BtnSave->click();
       }});
  const LabelRecord s = stored(1);
  EXPECT_EQ(s.Name.trimmed(), "Avery");
  EXPECT_EQ(s.TopM, 36);
  EXPECT_EQ(s.Height, 72);
  EXPECT_EQ(s.NAcross, 3);
  EXPECT_TRUE(s.Continuous);
}

TEST_F(LabelDefTest, ANameAnotherStockHasIsRefusedAndAChangeOverwritesItsOwnRecord) {
  addStock(SheetStock("Same"));
  addStock(SheetStock("Other"));
  const QString taken =
      "There is a label stock named Same already; give this one another name.";
  loop({[](TPickLab* p) {
          p->ListBox1->setCurrentRow(0);  // "Other", in name order
          p->BtnSelect->click();
        },
        [](TPickLab* p) {
          p->ListBox1->setCurrentRow(1);  // "Same"
          p->BtnSelect->click();
        },
        [](TPickLab* p) { p->BtnCancel->click(); }},
       {[&](TLabelDef* d) {
          d->Edit1->setText("Same ");
          ui.expectMessage(Ui::Kind::Information, taken);
          d->BtnSave->click();
          EXPECT_TRUE(d->isVisible()) << "the editor stays open for another name";
          d->Edit1->setText("Other");
          d->MaskEdit5->setText("200.5");
          d->BtnSave->click();
        },
        [](TLabelDef* d) {
          d->MaskEdit5->setText("100");
          d->BtnSave->click();  // its own name is no duplicate
        }});
  EXPECT_EQ(stored(1).Width, 100);
  EXPECT_EQ(stored(2).Name.trimmed(), "Other");
  EXPECT_EQ(stored(2).Width, 200.5);
}

TEST_F(LabelDefTest, TwoStocksOfOneNameFromAnOlderTableMustBeToldApartBeforeSaving) {
  addStock(SheetStock("Same"));
  addStock(SheetStock("Same"));
  loop({[](TPickLab* p) {
          EXPECT_EQ(lines(p), QStringList({"Same", "Same"}));
          p->ListBox1->setCurrentRow(1);
          p->BtnSelect->click();
        },
        [](TPickLab* p) { p->BtnCancel->click(); }},
       {[this](TLabelDef* d) {
         ui.expectMessage(Ui::Kind::Information,
                          "There is a label stock named Same already; give this one another name.");
         d->BtnSave->click();
         d->Edit1->setText("Same 2");
         d->BtnSave->click();
       }});
  EXPECT_EQ(stored(1).Name.trimmed(), "Same");
  EXPECT_EQ(stored(2).Name.trimmed(), "Same 2");
}

TEST_F(LabelDefTest, NameTheTableCannotHoldIsAskedAboutBeforeSaving) {
  addStock(SheetStock("Plain"));
  const auto pickFirstThenLeave = QList<std::function<void(TPickLab*)>>{
      [](TPickLab* p) {
        p->ListBox1->setCurrentRow(0);
        p->BtnSelect->click();
      },
      [](TPickLab* p) { p->BtnCancel->click(); }};
  ui.expectConfirm(UnstorableQuestion("☃"), false);
  loop(pickFirstThenLeave, {[](TLabelDef* d) {
         d->Edit1->setText("Snow ☃");
         d->BtnSave->click();  // Cancel: back in the window
         EXPECT_TRUE(d->isVisible());
         d->BtnCancel->click();
       }});
  EXPECT_EQ(stored(1).Name.trimmed(), "Plain");
  ui.expectConfirm(UnstorableQuestion("☃"), true);
  loop(pickFirstThenLeave, {[](TLabelDef* d) {
         d->Edit1->setText("Snow ☃");
         d->BtnSave->click();
       }});
  EXPECT_EQ(stored(1).Name.trimmed(), "Snow ?");
}

TEST_F(LabelDefTest, TypedWidthIsSetOutWhenTheSeparatorIsTyped) {
  loop({[](TPickLab* p) { p->BtnNew->click(); }},
       {[](TLabelDef* d) {
         d->MaskEdit5->setFocus();
         d->MaskEdit5->setText("189");
         QKeyEvent dot(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, ".");
         QCoreApplication::sendEvent(d->MaskEdit5, &dot);
         EXPECT_EQ(d->MaskEdit5->text().trimmed(), "189.000");
         d->BtnCancel->click();
       }});
  ASSERT_TRUE(OpenLABELS());
  EXPECT_EQ(d4recCountDo(Labels.d), 0);  // cancelled: nothing written
  CloseAll();
}

TEST_F(LabelDefTest, UnprintableStockIsSavedWithAWarning) {
  QTemporaryDir out;
  PrinterChoice::selectPdf(out.filePath("measure.pdf"));  // measures only
  loop({[](TPickLab* p) { p->BtnNew->click(); }, [](TPickLab* p) { p->BtnCancel->click(); }},
       {[this](TLabelDef* d) {
         d->Edit1->setText("Tiny");
         d->MaskEdit5->setText("2");
         d->MaskEdit6->setText("2");
         ui.expectMessage(Ui::Kind::Warning,
                          "The labels of label stock Tiny are too small for five lines of text. "
                          "It is saved, but labels cannot be printed on it.");
         d->BtnSave->click();
       }});
  PrinterChoice::selectNone();
  EXPECT_EQ(stored(1).Name.trimmed(), "Tiny");
  EXPECT_FALSE(QFile::exists(out.filePath("measure.pdf")));
}
