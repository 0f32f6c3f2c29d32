// The Report Generation tab's sales, tax, receivables, income, profile and
// buyers menu items, run as the user runs them: the real main window, date
// span and group pickers, customer and product pick lists, and the report
// window, over tables on disk.
#include <QPushButton>
#include <QTableWidget>

#include "customers/PickCustU.h"
#include "data/CodeBase.h"
#include "data/dbFiles.h"
#include "platform/Clock.h"
#include "products/PickProdU.h"
#include "printing/DateSpanU.h"
#include "printing/MultGroupU.h"
#include "printing/ReportExport.h"
#include "printing/ReportU.h"
#include "printing/RptUtil.h"
#include "shell/TestSupport.h"

namespace {

class SalesReportMenus : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    start();
    const TDate today = DateFromQDate(Clock::today());
    append(OpenGROUPS, &Groups.d, [] {
      GroupBuf = {1, "Retail"};
      WriteGroup();
    });
    append(OpenCUST5, &Cust5.d, [] {
      CustBuf = {};
      CustBuf.cuno = 1;
      CustBuf.first = "Ada";
      CustBuf.last = "Byron";
      CustBuf.addr1 = "Lovelace Candles";
      CustBuf.ngroup = 1;
      WriteCustomer();
    });
    append(OpenProd5, &Prod5.d, [] {
      ProdBuf = {};
      ProdBuf.PrID = "CANDLE";
      ProdBuf.PDesc = "Beeswax candle";
      WriteProduct();
    });
    append(OpenINV5, &Inv5.d, [today] {
      CurrentInvoice = {};
      CurrentInvoice.IvNo = 1;
      CurrentInvoice.CuNo = 1;
      CurrentInvoice.IDate = today;
      CurrentInvoice.IMemo = "VISA 4111";
      CurrentInvoice.Due = 5;
      WriteInvoice();
    });
    append(OpenITM5, &Itm5.d, [] {
      ItemBuf = {};
      ItemBuf.IvNo = 1;
      ItemBuf.PrID = "CANDLE";
      ItemBuf.Qty = 2;
      ItemBuf.UPR = 12.5;
      WriteItem();
    });
    append(OpenPMT, &Pmt.d, [today] {
      PmtBuf = {1, today, 20};
      WritePayment();
    });
    ui.onDialog<TReportF>([this](TReportF* w) {
      shown << ExportText(Report(), ExportFormat::PlainText);
      w->close();
    });
    // The proposed span, the current month, is taken.
    ui.onDialog<TDateSpan>([](TDateSpan* d) { d->findChild<QPushButton*>("BtnOK")->click(); });
  }
  static void append(bool (*open)(), DATA4* const* table, const std::function<void()>& write) {
    ASSERT_TRUE(open());
    ASSERT_EQ(d4appendBlank(*table), 0);
    write();
    CloseAll();
  }
  // Picks the first row of a grid pick list, then cancels the next showing.
  template <class P>
  void pickFirstThenCancel() {
    auto picked = std::make_shared<bool>(false);
    ui.onDialog<P>([picked](P* p) {
      if (*picked) {
        p->BtnCancel->click();
        return;
      }
      *picked = true;
      p->StringGrid1->setCurrentCell(0, 0);
      p->BtnSelect->click();
    });
  }
  QStringList shown;
};

TEST_F(SalesReportMenus, SummaryReportsShowTheirReportsWithProgressCaptions) {
  main()->ReceivableIncome1->trigger();
  main()->TaxSummary1->trigger();
  main()->IncomeSummary1->trigger();
  main()->ProductSummary1->trigger();
  main()->SalesSummary1->trigger();
  ASSERT_EQ(shown.size(), 5);
  EXPECT_TRUE(shown[0].contains("RECEIVABLES") && shown[0].contains("Ada Byron"));
  EXPECT_TRUE(shown[1].contains("Tax report for") && shown[1].contains("Net Item Sales"));
  EXPECT_TRUE(shown[2].contains("Daily Income from") && shown[2].contains("VISA 4111"));
  EXPECT_TRUE(shown[3].contains("Sales by Product from") && shown[3].contains("Beeswax candle"));
  EXPECT_TRUE(shown[4].contains("Sales Summary for") && shown[4].contains("25.00"));
  EXPECT_EQ(progress.filter("show:").join(","),
            "show:Processing Receivables,show:Processing Sales,show:Processing Payments,"
            "show:Processing Sales,show:Processing Sales");
  EXPECT_EQ(progress.last(), "hide");
  EXPECT_EQ(Inv5.d, nullptr);
}

TEST_F(SalesReportMenus, ProfilesOfPickedCustomersAndOfChosenGroups) {
  pickFirstThenCancel<TPickCust>();
  main()->SelectedCustomers2->trigger();
  // The only group is chosen already when the picker opens.
  ui.onDialog<TMultGroup>([](TMultGroup* d) { d->findChild<QPushButton*>("BtnRun")->click(); });
  main()->SelectedGroups1->trigger();
  ASSERT_EQ(shown.size(), 2);
  for (const QString& text : shown) {
    EXPECT_TRUE(text.contains("Customer Profile"));
    EXPECT_TRUE(text.contains("Cust#: 1  Group: Retail")) << text.toStdString();
  }
  EXPECT_EQ(Cust5.d, nullptr);
}

TEST_F(SalesReportMenus, BuyersOfAPickedProductInTheProposedMonth) {
  pickFirstThenCancel<TPickProd>();
  main()->ProductBuyers1->trigger();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].contains("Buyers of CANDLE-Beeswax candle"));
  EXPECT_TRUE(shown[0].contains("Ada Byron") && shown[0].contains("Retail"));
}

}  // namespace
