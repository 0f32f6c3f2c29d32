// The reports as the menus start them: what the pickers propose, what the
// pick lists hand on, what is said when there is nothing to show, and that
// the document and the tables are released afterwards. What each builder
// puts in its document is tested beside it.
#include "reports/ReportMenus.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "customers/CustomerU.h"
#include "customers/PickCustU.h"
#include "invoicing/PickInvU.h"
#include "picklists/PickEdit.h"
#include "platform/DateBox.h"
#include "printing/DateSpanU.h"
#include "printing/MultGroupU.h"
#include "printing/ReportExport.h"
#include "printing/ReportU.h"
#include "products/PickProdU.h"
#include "products/ProdDefU.h"
#include "reports/TestSupport.h"

namespace {

// The candle maker's tables, the report window and the pickers. The report
// window records the plain-text export of each document it shows; the date
// span picker records what it proposes and is answered with `span` (OK) or
// cancelled when it holds no dates.
class ReportMenus : public ReportDataTest {
 protected:
  void SetUp() override {
    ReportDataTest::SetUp();
    WriteCandleBusiness();
    reportWindow = std::make_unique<TReportF>();
    dateSpan = std::make_unique<TDateSpan>();
    multGroup = std::make_unique<TMultGroup>();
    ui.onDialog<TReportF>([this](TReportF* w) {
      shown << ExportText(Report(), ExportFormat::PlainText);
      w->close();
    });
    ui.onDialog<TDateSpan>([this](TDateSpan* d) {
      proposed << d->findChild<DateBox*>("MaskEdit1")->text() + "-" +
                      d->findChild<DateBox*>("MaskEdit2")->text();
      if (!span) {
        d->findChild<QPushButton*>("BtnCancel")->click();
        return;
      }
      d->findChild<DateBox*>("MaskEdit1")->setDate(DateFromQDate(span->first));
      d->findChild<DateBox*>("MaskEdit2")->setDate(DateFromQDate(span->second));
      d->findChild<QPushButton*>("BtnOK")->click();
    });
  }
  void TearDown() override {
    resetPickEditForTests();
    multGroup.reset();
    dateSpan.reset();
    reportWindow.reset();
    ReportDataTest::TearDown();
  }
  // Answers the grid pick list with the records in picks, then Cancel.
  template <typename PickList>
  void Pick(const QList<long>& picks) {
    picks_ = picks;
    ui.onDialog<PickList>([this](PickList* p) {
      EXPECT_FALSE(p->template findChild<QPushButton*>("BtnNew")->isEnabled());
      if (picks_.isEmpty()) {
        p->BtnCancel->click();
        return;
      }
      const long rec = picks_.takeFirst();
      for (int row = 1; row <= 10; ++row)
        if (p->recordOfRow(row) == rec) p->StringGrid1->setCurrentCell(row - 1, 0);
      p->BtnSelect->click();
    });
  }
  // Every table closed, the document released.
  void ExpectReleased() {
    EXPECT_EQ(Report().lineCount(), 0);
    EXPECT_EQ(Inv5.d, nullptr);
    EXPECT_EQ(Cust5.d, nullptr);
  }

  std::optional<std::pair<QDate, QDate>> span;
  QStringList proposed;
  QList<long> picks_;
  std::unique_ptr<TReportF> reportWindow;
  std::unique_ptr<TDateSpan> dateSpan;
  std::unique_ptr<TMultGroup> multGroup;
};

TEST_F(ReportMenus, PickersProposeTodayForInvoicesAndTheMonthElseAndCancelShowsNothing) {
  PrintInvoiceSelection(true, true);
  PrintInvoiceSelection(true, false);
  PrintStatements(true);
  PrintTaxReport();
  PrintCostOfGoodsSold();
  EXPECT_EQ(proposed, QStringList({"03/15/26-03/15/26", "03/01/26-03/31/26", "03/01/26-03/31/26",
                                   "03/01/26-03/31/26", "03/01/26-03/31/26"}));
  EXPECT_TRUE(shown.isEmpty());
  ExpectReleased();
}

TEST_F(ReportMenus, TheSpanChosenIsTheSpanBuilt) {
  span = {QDate(2026, 3, 1), QDate(2026, 3, 6)};
  PrintInvoiceSelection(true, true);
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("invoices_of_span.txt", shown[0]);
  ExpectReleased();
}

TEST_F(ReportMenus, NothingInTheSpanIsSaidInsteadOfAnEmptyWindow) {
  span = {QDate(2026, 6, 1), QDate(2026, 6, 30)};
  ui.expectMessage(Ui::Kind::Information, "No Invoices within selected dates.");
  PrintSalesSummary();
  ui.expectMessage(Ui::Kind::Information, "No Payments within selected dates.");
  PrintDailyIncome();
  PrintInvoiceSelection(true, true);  // no invoice, no window, no message
  ui.verifyDone();
  EXPECT_TRUE(shown.isEmpty());
  ExpectReleased();
}

TEST_F(ReportMenus, PickedCustomersGetTheirStatementsAndProfilesInPickOrder) {
  TPickCust pickList;
  TCustomer editor;
  RegisterPickEdit(PickTable::Customer, &pickList, &editor);
  Pick<TPickCust>({3, 1});  // Hopper, who has no invoices, then Byron
  PrintStatements(false);
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("statement_of_picked_customer.txt", shown[0]);
  Pick<TPickCust>({3, 1});
  PrintProfiles(false);
  ASSERT_EQ(shown.size(), 2);
  EXPECT_LT(shown[1].indexOf("Cust#: 9"), shown[1].indexOf("Cust#: 7"));
  ExpectReleased();
}

TEST_F(ReportMenus, PickedInvoicesPrintInPickOrderAndAnEmptyTableSaysSo) {
  TPickInv pickList;
  QDialog editor;  // never shown: no New in a print selection
  RegisterPickEdit(PickTable::Invoice, &pickList, &editor);
  Pick<TPickInv>({3, 1});
  PrintInvoiceSelection(false, true);
  ASSERT_EQ(shown.size(), 1);
  const qsizetype first = shown[0].indexOf("Invoice No:  1003");
  EXPECT_TRUE(first >= 0 && first < shown[0].indexOf("Invoice No:  1001")) << shown[0].toStdString();

  for (long rec = 5; rec >= 1; --rec) {
    ASSERT_TRUE(OpenINV5());
    d4go(Inv5.d, rec);
    d4delete(Inv5.d);
    d4pack(Inv5.d);
    CloseAll();
  }
  ui.expectMessage(Ui::Kind::Information, "No invoices to select.");
  PrintInvoiceSelection(false, true);
  EXPECT_EQ(shown.size(), 1);
  ExpectReleased();
}

TEST_F(ReportMenus, GroupsChosenInThePickerAreProfiledAndCancelShowsNothing) {
  AppendGroup({1, "Retail"});
  CustomerRecord clarke = Customer(10, "Mrs.", "Edith", "Clarke", {"Clarke & Co"}, "01234");
  clarke.ngroup = 1;
  AppendCustomer(clarke);
  ui.onDialog<TMultGroup>([](TMultGroup* d) { d->findChild<QPushButton*>("BtnCancel")->click(); });
  PrintProfiles(true);
  EXPECT_TRUE(shown.isEmpty());
  ui.onDialog<TMultGroup>([](TMultGroup* d) {
    d->findChild<QPushButton*>("BtnAll")->click();
    d->findChild<QPushButton*>("BtnRun")->click();
  });
  PrintProfiles(true);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].contains("Cust#: 10  Group: Retail"));
  ExpectReleased();
}

TEST_F(ReportMenus, BuyersOfAPickedProductInTheSpanChosenAfterwards) {
  TPickProd pickList;
  TProdDef editor;
  RegisterPickEdit(PickTable::Product, &pickList, &editor);
  Pick<TPickProd>({1});  // CANDLE
  span = {QDate(2026, 2, 1), QDate(2026, 3, 31)};
  PrintBuyers();
  EXPECT_EQ(proposed, QStringList{"03/01/26-03/31/26"});
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].contains("Buyers of CANDLE-"));
  EXPECT_TRUE(shown[0].contains("from 02/01/26 through 03/31/26"));
  Pick<TPickProd>({});  // nothing picked: no span asked
  PrintBuyers();
  EXPECT_EQ(proposed.size(), 1);
  ExpectReleased();
}

TEST_F(ReportMenus, InventoryAsksForOneDateAndPutsThePickerBack) {
  AppendProduct(StockProduct("ZINC", "Zinc tray", 1, 1, true));
  QString caption;
  bool endingHidden = false;
  ui.onDialog<TDateSpan>([&](TDateSpan* d) {
    caption = d->findChild<QLabel*>("Label1")->text();
    endingHidden = d->findChild<DateBox*>("MaskEdit2")->isHidden() &&
                   d->findChild<QLabel*>("Label2")->isHidden();
    EXPECT_EQ(d->findChild<DateBox*>("MaskEdit1")->text(), "03/15/26");  // today proposed
    d->findChild<DateBox*>("MaskEdit1")->setText("02/28/26");
    d->findChild<QPushButton*>("BtnOK")->click();
  });
  PrintInventory();
  EXPECT_EQ(caption, "Inventory as Of:");
  EXPECT_TRUE(endingHidden);
  EXPECT_EQ(dateSpan->findChild<QLabel*>("Label1")->text(), "Print Beginning:");
  EXPECT_FALSE(dateSpan->findChild<QLabel*>("Label2")->isHidden());
  EXPECT_FALSE(dateSpan->findChild<DateBox*>("MaskEdit2")->isHidden());
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].contains("Inventory as of 02/28/26")) << shown[0].toStdString();
}

}  // namespace
