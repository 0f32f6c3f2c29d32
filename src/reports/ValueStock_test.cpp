#include "reports/ValueStock.h"

#include <gtest/gtest.h>

#include "data/Settings.h"
#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "reports/TestSupport.h"

namespace {

TDate Day(int y, int m, int d) { return DateFromQDate(QDate(y, m, d)); }

// ---- Matching, from worked figures -------------------------------------------

// Two purchases of 10 units: 10.00 in all on 01/05, 20.00 in all on 02/10.
StockHistory TwoLots() {
  StockHistory h;
  h.purchases = {{Day(2026, 1, 5), 10, 10}, {Day(2026, 2, 10), 10, 20}};
  return h;
}

const bool kFifo = true, kLifo = false;

TEST(MatchLots, FifoSellsTheOldestLotFirstLifoTheNewest) {
  StockHistory h = TwoLots();
  h.sales = {{Day(2026, 2, 20), 15}};
  const StockFigures fifo = MatchLots(h, Day(2026, 3, 1), kFifo);
  EXPECT_DOUBLE_EQ(fifo.remainingQuantity, 5);
  EXPECT_DOUBLE_EQ(fifo.remainingValue, 10.00);
  EXPECT_DOUBLE_EQ(fifo.unmatchedQuantity, 0);
  const StockFigures lifo = MatchLots(h, Day(2026, 3, 1), kLifo);
  EXPECT_DOUBLE_EQ(lifo.remainingQuantity, 5);
  EXPECT_DOUBLE_EQ(lifo.remainingValue, 5.00);
}

TEST(MatchLots, LifoSaleBeforeTheNewestPurchaseTakesTheOlderLots) {
  StockHistory h = TwoLots();
  // 4 sold before the second purchase, 4 after it.
  h.sales = {{Day(2026, 1, 20), 4}, {Day(2026, 2, 20), 4}};
  const StockFigures lifo = MatchLots(h, Day(2026, 3, 1), kLifo);
  EXPECT_DOUBLE_EQ(lifo.remainingValue, 6 * 1.0 + 6 * 2.0);
  const StockFigures fifo = MatchLots(h, Day(2026, 3, 1), kFifo);
  EXPECT_DOUBLE_EQ(fifo.remainingValue, 2 * 1.0 + 10 * 2.0);
}

TEST(MatchLots, LifoUsesALotBoughtAfterTheSaleOnlyWhenTheOlderOnesAreNotEnough) {
  StockHistory h = TwoLots();
  h.sales = {{Day(2026, 1, 20), 12}};  // 10 from the first lot, 2 from the later one
  const StockFigures f = MatchLots(h, Day(2026, 3, 1), kLifo);
  EXPECT_DOUBLE_EQ(f.remainingQuantity, 8);
  EXPECT_DOUBLE_EQ(f.remainingValue, 16);
  EXPECT_DOUBLE_EQ(f.unmatchedQuantity, 0);
}

TEST(MatchLots, SaleLargerThanAllLotsEmptiesThemAndLeavesTheRestUnmatched) {
  for (bool fifo : {kFifo, kLifo}) {
    StockHistory h = TwoLots();
    h.sales = {{Day(2026, 2, 20), 25}};
    const StockFigures f = MatchLots(h, Day(2026, 3, 1), fifo);
    EXPECT_DOUBLE_EQ(f.remainingQuantity, 0) << fifo;
    EXPECT_DOUBLE_EQ(f.remainingValue, 0) << fifo;
    EXPECT_DOUBLE_EQ(f.unmatchedQuantity, 5) << fifo;
  }
}

TEST(MatchLots, SalesWithoutPurchasesBeforeTheDateAreAllUnmatched) {
  StockHistory h;
  h.purchases = {{Day(2026, 4, 1), 10, 10}};  // after the date: on order
  h.sales = {{Day(2026, 2, 1), 3}, {Day(2026, 5, 1), 2}};
  const StockFigures f = MatchLots(h, Day(2026, 3, 1), kFifo);
  EXPECT_DOUBLE_EQ(f.unmatchedQuantity, 5);
  EXPECT_DOUBLE_EQ(f.remainingQuantity, 0);
  EXPECT_DOUBLE_EQ(f.onOrderQuantity, 10);
}

TEST(MatchLots, SalesAfterTheDateAreUnmatchedAndLeaveTheValueAlone) {
  StockHistory h = TwoLots();
  h.sales = {{Day(2026, 2, 20), 5}, {Day(2026, 3, 2), 7}};
  const StockFigures f = MatchLots(h, Day(2026, 3, 1), kFifo);
  EXPECT_DOUBLE_EQ(f.remainingQuantity, 15);
  EXPECT_DOUBLE_EQ(f.remainingValue, 5 * 1.0 + 10 * 2.0);
  EXPECT_DOUBLE_EQ(f.unmatchedQuantity, 7);
}

TEST(MatchLots, PurchaseAfterTheDateIsOnOrderNotStock) {
  StockHistory h = TwoLots();
  const StockFigures f = MatchLots(h, Day(2026, 2, 9), kFifo);
  EXPECT_DOUBLE_EQ(f.remainingQuantity, 10);
  EXPECT_DOUBLE_EQ(f.remainingValue, 10);
  EXPECT_DOUBLE_EQ(f.onOrderQuantity, 10);
  // Bought on the date itself: stock.
  EXPECT_DOUBLE_EQ(MatchLots(h, Day(2026, 2, 10), kFifo).onOrderQuantity, 0);
}

TEST(MatchLots, ReturnGoesBackToTheOldestLotUnderFifoAndLowersTheUnmatchedUnderLifo) {
  StockHistory h = TwoLots();
  h.sales = {{Day(2026, 2, 20), 5}, {Day(2026, 2, 21), -2}};
  const StockFigures fifo = MatchLots(h, Day(2026, 3, 1), kFifo);
  EXPECT_DOUBLE_EQ(fifo.remainingQuantity, 17);
  EXPECT_DOUBLE_EQ(fifo.remainingValue, 7 * 1.0 + 10 * 2.0);
  EXPECT_DOUBLE_EQ(fifo.unmatchedQuantity, 0);
  const StockFigures lifo = MatchLots(h, Day(2026, 3, 1), kLifo);
  EXPECT_DOUBLE_EQ(lifo.remainingQuantity, 15);
  EXPECT_DOUBLE_EQ(lifo.remainingValue, 10 * 1.0 + 5 * 2.0);
  EXPECT_DOUBLE_EQ(lifo.unmatchedQuantity, -2);
}

TEST(MatchLots, FreeLotIsWorthNothing) {
  StockHistory h;
  h.purchases = {{Day(2026, 1, 5), 4, 0}};
  h.sales = {{Day(2026, 1, 6), 1}};
  const StockFigures f = MatchLots(h, Day(2026, 3, 1), kLifo);
  EXPECT_DOUBLE_EQ(f.remainingQuantity, 3);
  EXPECT_EQ(f.remainingValue, 0);
}

// Unit costs in fractions of a cent (0.01 to 9.99 for 3 units), summed
// unrounded over 3000 lots: the stock is worth, to the cent, what the
// purchases' printed costs add up to.
TEST(MatchLots, LongRunOfLotsDoesNotDriftByACent) {
  StockHistory h;
  QList<long> cents;
  for (int i = 0; i < 3000; ++i) {
    cents.append((i * 37L) % 999 + 1);
    h.purchases.append({Day(2025, 1, 1) + i / 10, 3, cents.last() / 100.0});
  }
  auto sumFrom = [&](int first) {
    long sum = 0;
    for (int i = first; i < cents.size(); ++i) sum += cents[i];
    return FormatFloat("%12.2f", sum / 100.0);
  };
  EXPECT_EQ(FormatFloat("%12.2f", MatchLots(h, Day(2026, 1, 1), kFifo).remainingValue), sumFrom(0));
  // Selling the first thousand lots whole leaves the cost of the others.
  h.sales = {{Day(2026, 1, 1), 3000}};
  EXPECT_EQ(FormatFloat("%12.2f", MatchLots(h, Day(2026, 1, 1), kFifo).remainingValue),
            sumFrom(1000));
}

// ---- Reading the tables ---------------------------------------------------------

class ValueStockTables : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    resetSettingsForTests();
  }
  void TearDown() override {
    CloseAll();
    resetSettingsForTests();
    IndexedFolderTest::TearDown();
  }
  static void OpenTables() {
    ASSERT_TRUE(OpenPur5() && OpenITM5() && OpenINV5());
    d4tagSelect(Itm5.d, d4tag(Itm5.d, "ItmP"));
  }
  // The product as the builders hand it over: read into the buffer.
  static StockFigures Value(const ProductRecord& p, TDate asOf, bool* tracked = nullptr) {
    ProdBuf = p;
    StockFigures f;
    const bool t = ValueStock(p.PrID, asOf, &f);
    if (tracked) *tracked = t;
    return f;
  }
};

TEST_F(ValueStockTables, ReadsOnlyTheProductsOwnPurchasesAndItemsDatedByTheirInvoices) {
  AppendPurchase(Purchase("AB12", QDate(2026, 1, 1), 5, 5));  // a code that begins like AB1
  AppendPurchase(Purchase("AB1", QDate(2026, 1, 2), 10, 10));
  AppendPurchase(Purchase("AB1", QDate(2026, 1, 3), 0, 9));   // no lot
  AppendPurchase(Purchase("AB1", QDate(2026, 1, 4), -2, 9));  // no lot
  AppendPurchase(Purchase("AB1", QDate(2026, 4, 1), 7, 14));
  AppendInvoice(Invoice(11, 1, QDate(2026, 2, 1), 0, 0, 0));
  AppendInvoice(Invoice(12, 1, QDate(2026, 2, 2), 0, 0, 0));
  AppendItem(Item(12, "AB1", 2, 1, "x"));
  AppendItem(Item(11, "AB1", 3, 1, "x"));
  AppendItem(Item(11, "AB12", 4, 1, "x"));
  AppendItem(Item(13, "AB1", 9, 1, "x"));  // invoice 13 is missing: left out
  OpenTables();
  const StockHistory h = StockReader().history("AB1       ");
  ASSERT_EQ(h.purchases.size(), 2);
  EXPECT_EQ(h.purchases[0].date, Day(2026, 1, 2));
  EXPECT_EQ(h.purchases[1].quantity, 7);
  ASSERT_EQ(h.sales.size(), 2);
  EXPECT_EQ(h.sales[0].date, Day(2026, 2, 1));  // invoice-number order
  EXPECT_EQ(h.sales[0].quantity, 3);
  EXPECT_EQ(h.sales[1].date, Day(2026, 2, 2));
}

TEST_F(ValueStockTables, LowerCaseCodeFindsItsPurchasesAmongThoseOfTheUpperCaseCode) {
  // The Pur tag upper-cases: "tea" and "TEA" share one range of keys, in
  // date order, interleaved.
  AppendPurchase(Purchase("tea", QDate(2026, 1, 1), 10, 5));
  AppendPurchase(Purchase("TEA", QDate(2026, 1, 2), 20, 20));
  AppendPurchase(Purchase("tea", QDate(2026, 1, 3), 4, 4));
  OpenTables();
  const StockHistory lower = StockReader().history("tea");
  ASSERT_EQ(lower.purchases.size(), 2);
  EXPECT_EQ(lower.purchases[1].quantity, 4);
  EXPECT_EQ(StockReader().history("TEA").purchases.size(), 1);
}

TEST_F(ValueStockTables, ProductThatIsNoInventoryItemIsNotValuedAtAll) {
  AppendPurchase(Purchase("WICK", QDate(2026, 1, 1), 10, 5));
  OpenTables();
  bool tracked = true;
  const StockFigures f = Value(StockProduct("WICK", "Cotton wick", 1, 0, false), Day(2026, 3, 1),
                               &tracked);
  EXPECT_FALSE(tracked);
  EXPECT_EQ(f.remainingQuantity, 0);
  EXPECT_EQ(f.remainingValue, 0);
  EXPECT_TRUE(Value(StockProduct("WICK", "Cotton wick", 1, 0, true), Day(2026, 3, 1), &tracked)
                  .remainingQuantity == 10);
  EXPECT_TRUE(tracked);
}

TEST_F(ValueStockTables, MethodComesFromTheSettingsRecord) {
  AppendPurchase(Purchase("P", QDate(2026, 1, 1), 10, 10));
  AppendPurchase(Purchase("P", QDate(2026, 1, 2), 10, 20));
  AppendInvoice(Invoice(1, 1, QDate(2026, 1, 3), 0, 0, 0));
  AppendItem(Item(1, "P", 15, 1, "x"));
  OpenTables();
  const ProductRecord p = StockProduct("P", "", 0, 0, true);
  Settings().fifo = true;
  EXPECT_DOUBLE_EQ(Value(p, Day(2026, 1, 31)).remainingValue, 10);
  Settings().fifo = false;
  EXPECT_DOUBLE_EQ(Value(p, Day(2026, 1, 31)).remainingValue, 5);
}

}  // namespace
