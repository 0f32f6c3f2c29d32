#include "picklists/PickPaging.h"

#include "data/dbFiles.h"
#include "picklists/TestSupport.h"

namespace {

using Event = PickPaging::Event;

class PickPagingTest : public PickListTest {
 protected:
  void SetUp() override {
    PickListTest::SetUp();
    openTables();
  }
  // Record numbers in name order.
  QList<long> nameOrder() {
    QList<long> order;
    for (int at = d4top(Cust5.d); at == r4success; at = d4skip(Cust5.d, 1)) {
      order << d4recNo(Cust5.d);
    }
    return order;
  }
  QList<long> fillRecords(PickPaging& paging, int* noted = nullptr) {
    QList<long> recs;
    const PickPaging::FillResult r = paging.fill([&](int row, long recNo) {
      EXPECT_EQ(row, recs.size() + 1);
      recs << recNo;
    });
    EXPECT_EQ(r.rows, recs.size());
    if (noted) *noted = r.notedRow;
    return recs;
  }
};

TEST_F(PickPagingTest, EveryRecordOfAScatteredTableIsPlacedOnTheFirstRow) {
  addNumberedCustomers(400);
  const QList<long> order = nameOrder();
  ASSERT_EQ(order.size(), 400);
  PickPaging paging;
  for (int i = 0; i < order.size(); ++i) {
    paging.start(Cust5.d, order[i]);
    ASSERT_EQ(paging.topOffset(), std::min<long>(i, 390)) << "record at " << i;
  }
}

TEST_F(PickPagingTest, FillShowsTenRecordsFromTheTopAndNotesTheHighlightedRow) {
  addNumberedCustomers(50);
  const QList<long> order = nameOrder();
  PickPaging paging;
  paging.start(Cust5.d, order[20]);
  int noted = 0;
  EXPECT_EQ(fillRecords(paging, &noted), order.mid(20, 10));
  EXPECT_EQ(noted, 1);
  EXPECT_EQ(paging.rememberedRecord(), 0);  // cleared by the fill

  // One of the last ten: the last page, with the record's row noted.
  paging.start(Cust5.d, order[45]);
  EXPECT_EQ(paging.topOffset(), 40);
  EXPECT_EQ(fillRecords(paging, &noted), order.mid(40, 10));
  EXPECT_EQ(noted, 6);
}

TEST_F(PickPagingTest, NoHighlightStartsAtTheFirstRecordAndHighlightsIt) {
  addNumberedCustomers(30);
  PickPaging paging;
  paging.start(Cust5.d, 0);
  EXPECT_EQ(paging.topOffset(), 0);
  int noted = 0;
  fillRecords(paging, &noted);
  EXPECT_EQ(noted, 1);
}

TEST_F(PickPagingTest, RecordNumberBeyondAShrunkTableCountsAsNone) {
  addNumberedCustomers(30);
  PickPaging paging;
  paging.start(Cust5.d, 31);
  EXPECT_EQ(paging.topOffset(), 0);
  EXPECT_EQ(code4errorCode(cb, 0), 0);
}

TEST_F(PickPagingTest, ElevenRecordsPageByOne) {
  addNumberedCustomers(11);
  const QList<long> order = nameOrder();
  PickPaging paging;
  paging.start(Cust5.d, order[0]);
  EXPECT_TRUE(paging.pages());
  EXPECT_EQ(paging.maxTopOffset(), 1);
  EXPECT_TRUE(paging.page(Event::Bottom));
  EXPECT_EQ(fillRecords(paging), order.mid(1, 10));
  EXPECT_EQ(paging.scrollPosition(), 100);
  EXPECT_FALSE(paging.page(Event::PageDown));
  EXPECT_FALSE(paging.page(Event::KeyDownOnLastRow));
  EXPECT_TRUE(paging.page(Event::Top));
  EXPECT_EQ(fillRecords(paging), order.mid(0, 10));
  EXPECT_EQ(paging.scrollPosition(), 0);
}

TEST_F(PickPagingTest, TenRecordsNeverPage) {
  addNumberedCustomers(10);
  PickPaging paging;
  paging.start(Cust5.d, nameOrder().last());
  EXPECT_FALSE(paging.pages());
  EXPECT_EQ(paging.topOffset(), 0);
  for (Event e : {Event::LineDown, Event::PageDown, Event::Bottom, Event::KeyEnd,
                  Event::KeyPageDown, Event::KeyDownOnLastRow, Event::ThumbReleased}) {
    EXPECT_FALSE(paging.page(e, 100));
  }
  int noted = 0;
  EXPECT_EQ(fillRecords(paging, &noted).size(), 10);
  EXPECT_EQ(noted, 10);
  EXPECT_EQ(paging.scrollPosition(), 0);
}

TEST_F(PickPagingTest, EventsMoveTheTopOffsetWithinItsRange) {
  addNumberedCustomers(105);  // maximum 95
  PickPaging paging;
  paging.start(Cust5.d, 0);
  EXPECT_TRUE(paging.page(Event::PageDown));
  EXPECT_EQ(paging.topOffset(), 10);
  EXPECT_TRUE(paging.page(Event::LineDown));
  EXPECT_TRUE(paging.page(Event::KeyDownOnLastRow));
  EXPECT_EQ(paging.topOffset(), 12);
  EXPECT_TRUE(paging.page(Event::KeyUpOnFirstRow));
  EXPECT_TRUE(paging.page(Event::LineUp));
  EXPECT_TRUE(paging.page(Event::KeyPageUp));
  EXPECT_EQ(paging.topOffset(), 0);
  EXPECT_FALSE(paging.page(Event::PageUp));
  EXPECT_FALSE(paging.page(Event::Tracking, 70));
  EXPECT_TRUE(paging.page(Event::ThumbReleased, 33));
  EXPECT_EQ(paging.topOffset(), 31);  // 33 * 95 / 100, truncated
  EXPECT_EQ(paging.scrollPosition(), 32);  // 31 * 100 / 95, truncated
  EXPECT_TRUE(paging.page(Event::KeyEnd));
  EXPECT_EQ(paging.topOffset(), 95);
  EXPECT_TRUE(paging.page(Event::KeyHome));
  EXPECT_EQ(paging.topOffset(), 0);
}

TEST_F(PickPagingTest, SeekFindsThePrefixOrTheNextKeyAndSkipsRepeatedText) {
  for (const char* last : {"ADAMS", "SMALL", "SMITH", "SNOW", "TAYLOR"}) {
    addCustomer(0, last, "", 1);
  }
  addNumberedCustomers(40);  // "N…" names: more than ten records
  const QList<long> order = nameOrder();
  PickPaging paging;
  paging.start(Cust5.d, 0);

  ASSERT_TRUE(paging.seekText("sm"));
  const long small = paging.rememberedRecord();
  EXPECT_EQ(CustomerAt(small).last.trimmed(), "SMALL");
  EXPECT_EQ(paging.topOffset(), std::min<long>(order.indexOf(small), paging.maxTopOffset()));

  EXPECT_FALSE(paging.seekText(" sm "));  // the same text once trimmed
  EXPECT_EQ(paging.lastSeekText(), "SM");

  ASSERT_TRUE(paging.seekText("smj"));  // no SMJ: the next key
  EXPECT_EQ(CustomerAt(paging.rememberedRecord()).last.trimmed(), "SNOW");

  const long top = paging.topOffset();
  EXPECT_FALSE(paging.seekText("zz"));  // past the end: nothing moves
  EXPECT_EQ(paging.topOffset(), top);
}

}  // namespace
