// A repeating invoice set up from the invoice editor's Repeat... and kept
// in the list of schedules, through the real windows, the schedules read
// back from RECUR.
#include "invoicing/RepeatU.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "data/SupplyTables.h"
#include "invoicing/InvoiceU.h"
#include "invoicing/SchedulesU.h"
#include "invoicing/TestSupport.h"
#include "platform/DateBox.h"

namespace {

class RepeatTest : public InvoicingTest {
 protected:
  void SetUp() override {
    InvoicingTest::SetUp();
    QString error;
    ASSERT_TRUE(MakeMissingTables(&error)) << error.toStdString();
    repeat = std::make_unique<TRepeat>();
    schedules = std::make_unique<TSchedules>();
    invoice->useWindows(customer.get(), itemDef.get(), pmtDef.get(), pickPmt.get(), repeat.get());
    schedules->useRepeatWindow(repeat.get());
  }
  void TearDown() override {
    schedules.reset();
    repeat.reset();
    InvoicingTest::TearDown();
  }
  static QList<ScheduleRecord> stored() {
    QList<ScheduleRecord> all = AllSchedules();
    CloseSchedules();
    return all;
  }
  std::unique_ptr<TRepeat> repeat;
  std::unique_ptr<TSchedules> schedules;
};

TEST_F(RepeatTest, ASavedInvoiceRepeatsAndItsScheduleIsPausedAndKeepsItsDatesOnceUsed) {
  addCustomer(7, "Abel");
  addInvoice(1, 7);  // dated 2026-03-01
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TRepeat>({[](TRepeat* r) {
    EXPECT_EQ(r->MaskEdit1->text(), "04/01/26") << "a month after the invoice";
    EXPECT_TRUE(r->ComboBox1->isEnabled());
    r->SpinBox1->setValue(31);
    r->SpinBox2->setValue(3);
    r->MaskEdit2->setDate(DateFromQDate(QDate(2026, 3, 31)));
    r->BtnSave->click();  // the end before the start is refused
    r->MaskEdit2->setText(QString());
    r->BtnSave->click();
  }});
  steps<TInvoice>({[this](TInvoice* inv) {
    ui.expectMessage(Ui::Kind::Information, "The last date is before the first.");
    ui.expectMessage(Ui::Kind::Information, "Invoice 1 repeats monthly from 04/01/26 (schedule 1).");
    inv->BtnRepeat->click();
    inv->BtnCancel->click();
  }});
  editInvoices();
  QList<ScheduleRecord> all = stored();
  ASSERT_EQ(all.size(), 1);
  EXPECT_EQ(all[0].template_, 1);
  EXPECT_EQ(all[0].every, QLatin1Char('M'));
  EXPECT_EQ(all[0].day, 31);
  EXPECT_EQ(all[0].times, 3);
  EXPECT_EQ(all[0].until, 0);

  // Paused from the list; once an invoice is made, only its end can change.
  ScheduleRecord s = all[0];
  s.made = 1;
  ASSERT_TRUE(WriteSchedule(s));
  CloseSchedules();
  steps<TRepeat>({[](TRepeat* r) {
    EXPECT_FALSE(r->ComboBox1->isEnabled());
    EXPECT_FALSE(r->MaskEdit1->isEnabled());
    r->SpinBox2->setValue(5);
    r->BtnSave->click();
  }});
  steps<TSchedules>({[](TSchedules* w) {
    EXPECT_EQ(w->StringGrid1->item(0, 3)->text(), "05/31/26") << "the second date, on the day asked for";
    w->BtnPause->click();
    EXPECT_EQ(w->StringGrid1->item(0, 5)->text(), "paused");
    EXPECT_EQ(w->StringGrid1->item(0, 3)->text(), "-");
    w->BtnChange->click();
    w->BtnClose->click();
  }});
  Ui::get().exec(schedules.get());
  all = stored();
  EXPECT_EQ(all[0].state, QLatin1Char('P'));
  EXPECT_EQ(all[0].times, 5);
  EXPECT_EQ(all[0].first, DateFromQDate(QDate(2026, 4, 1)));
}

}  // namespace
