// The main window's stock reports: the two pictures of the Customers and
// Products tab and the items of the inventory reports' pop-up menu reach
// their builders, each asking for what it needs.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "data/dbFiles.h"
#include "platform/Clock.h"
#include "platform/DateBox.h"
#include "printing/DateSpanU.h"
#include "printing/ReportU.h"
#include "printing/RptUtil.h"
#include "shell/TestSupport.h"

namespace {

using StockCommandsTest = ShellTest;

TEST_F(StockCommandsTest, PicturesAndMenuItemsRunTheStockReports) {
  start();
  QStringList asked, titles;
  ui.onDialog<TDateSpan>([&](TDateSpan* d) {
    const DateBox* ending = d->findChild<DateBox*>("MaskEdit2");
    asked << d->findChild<QLabel*>("Label1")->text() + d->findChild<DateBox*>("MaskEdit1")->text() +
                 (ending->isHidden() ? QString() : "-" + ending->text());
    d->findChild<QPushButton*>("BtnOK")->click();
  });
  ui.onDialog<TReportF>([&](TReportF* w) {
    titles << Report().TitleLines.join("/");
    w->close();
  });
  SetMonthSpan();
  const QString today = FormatShortDate(DateFromQDate(Clock::today()));
  const QString month = FormatShortDate(ReportFrom) + "-" + FormatShortDate(ReportTo);

  // Empty tables: only the cost of goods sold has lines to show.
  main()->Image5->click();
  main()->Image4->click();
  main()->StockOnHand1->trigger();
  main()->Inventory1->trigger();
  main()->CostofGoodsSold1->trigger();
  EXPECT_EQ(asked, QStringList({"Print Beginning:" + month, "Inventory as Of:" + today,
                                "Print Beginning:" + month}));
  EXPECT_EQ(titles, QStringList({"Cost of Goods Sold from " + month.split("-")[0] + " through " +
                                 month.split("-")[1]}));
  EXPECT_EQ(progress.filter("show:"),
            QStringList({"show:Processing Purchasing Report", "show:Processing Product Listing",
                         "show:Processing Inventory", "show:Processing Inventory",
                         "show:Processing Cost of Goods"}));
  EXPECT_EQ(progress.last(), "hide");
  EXPECT_EQ(Prod5.d, nullptr);  // every command closed its tables
}

}  // namespace
