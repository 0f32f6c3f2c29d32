#include "reports/RptGenStock.h"

#include <gtest/gtest.h>

#include "data/Progress.h"
#include "data/Settings.h"
#include "reports/TestSupport.h"

namespace {

// The candle maker's stock (WriteStockBusiness), today 03/15/26; figures
// below are worked by hand from its purchases and invoices.
class RptGenStock : public ReportDataTest {
 protected:
  void SetUp() override {
    ReportDataTest::SetUp();
    WriteStockBusiness();
    SetProgressSink(&progress);
  }
  void TearDown() override {
    SetProgressSink(nullptr);
    ReportDataTest::TearDown();
  }
  RecordingProgress progress;
  ReportRequest request;
};

ReportRequest AsOf(QDate day) { return Span(day, day); }

TEST_F(RptGenStock, PurchasingReportListsThePurchasesOfTheSpanByProduct) {
  request = Span(QDate(2026, 1, 1), QDate(2026, 3, 31));
  Build(BuildPurchasingReport, request);
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("purchasing_first_quarter.txt", shown[0]);
  // The code and description on each product's first line only.
  EXPECT_TRUE(lines.contains("L00CANDLE|L12Beeswax pillar candle|R4701/05/26|R58     10.00|"
                             "R71       40.00|"));
  EXPECT_TRUE(lines.contains("||R4702/10/26|R58     10.00|R71       50.00|"));
  EXPECT_TRUE(lines.contains("L00GONE|L12Not Found|R4703/03/26|R58      5.00|R71        7.50|"));
  EXPECT_EQ(lines.last(), "L00Total||||R71       242.50|");
  EXPECT_EQ(Pur5.d, nullptr);
}

TEST_F(RptGenStock, PurchasingReportShowsProgressOverAllPurchases) {
  request = Span(QDate(2026, 3, 1), QDate(2026, 3, 31));
  Build(BuildPurchasingReport, request);
  EXPECT_EQ(progress.calls, QStringList({"show:Processing Purchasing Report", "10", "20", "30",
                                         "40", "50", "60", "70", "80", "90", "100", "hide"}));
  EXPECT_EQ(lines.last(), "L00Total||||R71        72.50|");
}

TEST_F(RptGenStock, ProductListingPutsTheSecondDescriptionLineUnderTheFirst) {
  Build(BuildProductListing, request);
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("product_listing.txt", shown[0]);
  const int candle = int(lines.indexOf("L00CANDLE|L12Beeswax pillar candle|R51       12.50|"
                                       "R64        5.00|"));
  ASSERT_GT(candle, 0);
  EXPECT_EQ(lines[candle + 1], "|L12hand-dipped|||");
  EXPECT_EQ(lines.last(), "L00WICK|L12Cotton wick|R51        0.35|R64        0.00|U");
  EXPECT_EQ(progress.calls.first(), "show:Processing Product Listing");
}

TEST_F(RptGenStock, StockOnHandWarnsBelowTheReorderLevelOnly) {
  Build(BuildStockOnHand, request);
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("stock_on_hand.txt", shown[0]);
  // Two caption rows between the rules; the first has no style of its own.
  const int captions = int(lines.indexOf("||R52Quantity|R65Quantity|R78Reorder|R85Need|"));
  ASSERT_GT(captions, 0);
  EXPECT_EQ(lines[captions - 1], "||||||U");
  EXPECT_EQ(lines[captions + 1],
            "L00Product|L12Description|R52On-Hand|R65On-Order|R78Level|R85Stock|U");
  // CANDLE: 5 left of the first two lots, 6 on order (03/20).
  EXPECT_TRUE(lines.contains("L00CANDLE|L12Beeswax pillar candle|R52        5.00|"
                             "R65        6.00|R78        5.00|R85OK|"));
  // SOAP: 13 left, 4 sold on 03/18 unmatched: 9 on hand against 20.
  EXPECT_TRUE(lines.contains("L00SOAP|L12Goat milk soap|R52        9.00|R65        0.00|"
                             "R78       20.00|R85YES|B"));
  // WAX: exactly at its reorder level; the last line, ruled under.
  EXPECT_EQ(lines.last(), "L00WAX|L12Paraffin wax, 1 lb|R52       14.00|R65        0.00|"
                          "R78       14.00|R85OK|U");
  EXPECT_TRUE(lines.filter("WICK").isEmpty());  // not an inventory item
  EXPECT_EQ(progress.calls.first(), "show:Processing Inventory");
  EXPECT_EQ(progress.calls.last(), "hide");
}

TEST_F(RptGenStock, BoldLastLineOfTheStockReportStaysBold) {
  AppendProduct(StockProduct("ZINC", "Zinc tray", 1, 1, true));
  Build(BuildStockOnHand, request);
  EXPECT_EQ(lines.last(),
            "L00ZINC|L12Zinc tray|R52        0.00|R65        0.00|R78        1.00|R85YES|BU");
}

TEST_F(RptGenStock, InventoryAsOfADayValuesFirstInFirstOut) {
  Build(BuildInventory, AsOf(QDate(2026, 2, 28)));
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("inventory_fifo.txt", shown[0]);
  // FIFO as of 02/28: CANDLE 8 of the 5.00 lot (12 sold on 02/20), SOAP 25
  // at 1.50, tea 20 at 0.50, WAX 10 at 2.50.
  EXPECT_TRUE(lines.contains("L00CANDLE|L12Beeswax pillar candle|R52        8.00|R67       40.00|"));
  EXPECT_EQ(lines.last(), "||R52Total|R67      112.50|");
}

TEST_F(RptGenStock, InventoryLastInFirstOutTakesTheNewerLotFirst) {
  Settings().fifo = false;
  request = Span(QDate(2026, 2, 28), QDate(2026, 2, 28));
  Build(BuildInventory, request);
  // CANDLE: 12 sold on 02/20 take the 02/10 lot and 2 of the 01/05 one.
  EXPECT_TRUE(lines.contains("L00CANDLE|L12Beeswax pillar candle|R52        8.00|R67       32.00|"));
  EXPECT_EQ(lines.last(), "||R52Total|R67      104.50|");
}

TEST_F(RptGenStock, CostOfGoodsSoldValuesTheBeginningAsOfTheLastDayOfThePreviousMonth) {
  request = Span(QDate(2026, 3, 1), QDate(2026, 3, 31));
  Build(BuildCostOfGoodsSold, request);
  ASSERT_EQ(shown.size(), 1);
  ExpectGolden("cost_of_goods_fifo.txt", shown[0]);
  // Beginning as of 02/28 holds WAX bought that day, not the lot of 03/01;
  // purchases are those of March of every product, tracked or not.
  EXPECT_EQ(lines.mid(lines.size() - 5),
            QStringList({"L00Beginning Inventory|R50      112.50|",
                         "L00Inventory Purchases|R50       72.50|U",
                         "L00Total|R50      185.00|",
                         "L00Ending Inventory|R50      116.50|U",
                         "L00Cost of Goods Sold|R50       68.50|"}));
  // Five products twice and ten purchases: one step each, in twentieths.
  QStringList steps{"show:Processing Cost of Goods"};
  for (int i = 1; i <= 20; ++i) steps << QString::number(i * 5);
  steps << "hide";
  EXPECT_EQ(progress.calls, steps);
}

TEST_F(RptGenStock, CostOfGoodsSoldLastInFirstOutByTheRequestLeavesTheSettingAlone) {
  request = Span(QDate(2026, 3, 1), QDate(2026, 3, 31));
  request.fifo = false;
  Build(BuildCostOfGoodsSold, request);
  EXPECT_TRUE(Settings().fifo);
  EXPECT_EQ(lines.mid(lines.size() - 5),
            QStringList({"L00Beginning Inventory|R50      104.50|",
                         "L00Inventory Purchases|R50       72.50|U",
                         "L00Total|R50      177.00|",
                         "L00Ending Inventory|R50      111.50|U",
                         "L00Cost of Goods Sold|R50       65.50|"}));
}

}  // namespace
