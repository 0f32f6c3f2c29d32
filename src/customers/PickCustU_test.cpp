#include "customers/PickCustU.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

#include "customers/TestSupport.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "tbengine/inspect.h"

namespace {

class PickCustTest : public CustomersTest {
 protected:
  void SetUp() override {
    CustomersTest::SetUp();
    openTables();
    addGroup(1, "Retail");
    addGroup(2, "Wholesale");
  }
  void TearDown() override {
    pickCust->hide();
    CustomersTest::TearDown();
  }
  void show(int highlight) {
    CurrentCustomerRec = highlight;
    pickCust->show();
  }
  QTableWidget* grid() const { return pickCust->StringGrid1; }
  void key(int k) { QTest::keyClick(grid(), Qt::Key(k)); }
  // Record numbers in the order of the selected tag.
  QList<long> order() {
    QList<long> recs;
    for (int at = d4top(Cust5.d); at == r4success; at = d4skip(Cust5.d, 1)) {
      recs << d4recNo(Cust5.d);
    }
    return recs;
  }
};

TEST_F(PickCustTest, ByNameListShowsLastFirstNoteAndMarksDeletedRecords) {
  addCustomer(1, "Baker", "Ann", 1, "pays late");
  const long gone = addCustomer(2, "Carter", "Bob", 2, "moved");
  d4delete(Cust5.d);
  show(0);

  EXPECT_EQ(pickCust->windowTitle(), "Select Customer");
  QStringList headers;
  for (int c = 0; c < grid()->columnCount(); ++c) headers << grid()->horizontalHeaderItem(c)->text();
  EXPECT_EQ(headers, QStringList({"Last", "First", "Note", "RecNo"}));
  EXPECT_EQ(column(*pickCust, 0).mid(0, 2),
            QStringList({QString("Baker").leftJustified(20), QString("Carter").leftJustified(20)}));
  EXPECT_EQ(column(*pickCust, 2)[1], "< DELETED >");
  EXPECT_EQ(column(*pickCust, 3)[1], QString::number(gone));
  // The record-number column lies beyond the visible part of the grid.
  EXPECT_TRUE(grid()->isColumnHidden(3)) << "hidden whole, never half shown at the edge";
  EXPECT_LE(grid()->horizontalHeader()->length(), grid()->viewport()->width());
  EXPECT_FALSE(pickCust->ScrollBar1->isVisible());
  EXPECT_EQ(pickCust->Edit2->text(), "Retail");

  // A deleted record can be chosen.
  grid()->setCurrentCell(1, 0);
  EXPECT_EQ(pickCust->Edit2->text(), "Wholesale");
  pickCust->BtnSelect->click();
  EXPECT_EQ(CurrentCustomerRec, gone);
}

TEST_F(PickCustTest, EnterInTheSeekBoxPicksTheHighlightedRow) {
  addCustomer(1, "Baker", "Ann", 1);
  const long carter = addCustomer(2, "Carter", "Bob", 2);
  show(0);
  QTest::keyClicks(pickCust->Edit1, "Ca");
  QTest::keyClick(pickCust->Edit1, Qt::Key_Return);
  EXPECT_EQ(CurrentCustomerRec, carter);
  EXPECT_FALSE(pickCust->isVisible());
}

TEST_F(PickCustTest, ByCompanyListShowsCompanyLastFirst) {
  Settings().ByCust = false;
  addCustomer(1, "Zane", "Al", 1, "note", "Acme Tools");
  addCustomer(2, "Young", "Bo", 1, "note", "Bolt Works");
  d4delete(Cust5.d);
  show(0);
  EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), "Company");
  EXPECT_EQ(grid()->horizontalHeaderItem(1)->text(), "Last");
  EXPECT_EQ(grid()->horizontalHeaderItem(2)->text(), "First");
  EXPECT_EQ(column(*pickCust, 0)[0].trimmed(), "Acme Tools");
  EXPECT_EQ(column(*pickCust, 2)[1], "< DELETED >");
  EXPECT_EQ(t4name(d4tagSelected(Cust5.d)), std::string("ccomp"));
}

TEST_F(PickCustTest, RecordInTheMiddleOfALargeTableIsOnRowOneAndHighlighted) {
  addNumberedCustomers(1000);
  const QList<long> recs = order();
  show(static_cast<int>(recs[500]));
  EXPECT_EQ(records(*pickCust), recs.mid(500, 10));
  EXPECT_EQ(pickCust->currentRow(), 1);
  EXPECT_TRUE(pickCust->ScrollBar1->isVisible());
  // The bar is placed from the engine's position estimate (within a few per
  // cent in an index this size), not from counting the records above.
  EXPECT_NEAR(pickCust->ScrollBar1->value(), 500 * 100 / 990, 5);
  EXPECT_EQ(CurrentCustomerRec, -1);  // until a button chooses

  // One of the last ten: the last page, its own row highlighted.
  pickCust->hide();
  show(static_cast<int>(recs[995]));
  EXPECT_EQ(records(*pickCust), recs.mid(990, 10));
  EXPECT_EQ(pickCust->currentRow(), 6);
}

TEST_F(PickCustTest, ElevenRecordsScrollBetweenTheFirstAndTheLastTen) {
  addNumberedCustomers(11);
  const QList<long> recs = order();
  show(0);
  EXPECT_TRUE(pickCust->ScrollBar1->isVisible());
  pickCust->ScrollBar1->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(records(*pickCust), recs.mid(1, 10));
  EXPECT_EQ(pickCust->ScrollBar1->value(), 100);
  pickCust->ScrollBar1->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(records(*pickCust), recs.mid(0, 10));
  EXPECT_EQ(pickCust->ScrollBar1->value(), 0);
  // A line down on a two-position list moves the bar to its end, not to 1.
  pickCust->ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(records(*pickCust), recs.mid(1, 10));
  EXPECT_EQ(pickCust->ScrollBar1->value(), 100);
}

TEST_F(PickCustTest, TenRecordsIgnorePagingKeys) {
  addNumberedCustomers(10);
  const QList<long> recs = order();
  show(0);
  EXPECT_FALSE(pickCust->ScrollBar1->isVisible());
  for (int k : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Down}) {
    key(k);
    EXPECT_EQ(records(*pickCust), recs);
  }
  EXPECT_EQ(pickCust->currentRow(), 10);
}

TEST_F(PickCustTest, PagingKeysKeepTheHighlightOnItsRow) {
  addNumberedCustomers(40);
  const QList<long> recs = order();
  show(0);
  grid()->setCurrentCell(9, 0);
  key(Qt::Key_Down);  // the next record appears on the last row
  EXPECT_EQ(records(*pickCust), recs.mid(1, 10));
  EXPECT_EQ(pickCust->recordOfRow(pickCust->currentRow()), recs[10]);
  key(Qt::Key_PageDown);
  EXPECT_EQ(records(*pickCust), recs.mid(11, 10));
  EXPECT_EQ(pickCust->currentRow(), 10);
  key(Qt::Key_End);
  EXPECT_EQ(records(*pickCust), recs.mid(30, 10));
  key(Qt::Key_Home);
  EXPECT_EQ(records(*pickCust), recs.mid(0, 10));
  EXPECT_EQ(pickCust->currentRow(), 1);
  key(Qt::Key_Up);  // already at the top
  EXPECT_EQ(records(*pickCust), recs.mid(0, 10));
  key(Qt::Key_Right);  // the hidden column stays hidden
  EXPECT_EQ(grid()->currentColumn(), 0);
}

TEST_F(PickCustTest, WheelOverTheGridOrItsBarMovesAsTheArrowKeysDo) {
  addNumberedCustomers(40);
  const QList<long> recs = order();
  show(0);
  const int lines = QApplication::wheelScrollLines();
  ASSERT_GE(lines, 1);
  const auto wheel = [](QWidget* over, int delta) {
    const QPointF at(over->width() / 2, over->height() / 2);
    QWheelEvent e(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &e);
  };
  wheel(grid()->viewport(), -120);
  EXPECT_EQ(pickCust->currentRow(), 1 + lines) << "one notch: the desktop's lines";
  EXPECT_EQ(records(*pickCust), recs.mid(0, 10));
  // A touchpad sends parts of a notch; together they make one.
  for (int i = 0; i < 4; ++i) wheel(grid()->viewport(), 30);
  EXPECT_EQ(pickCust->currentRow(), 1);
  // Past the last row the list pages on, as Down does there.
  for (int i = 0; i < 10; ++i) wheel(pickCust->ScrollBar1, -120);
  const int down = 10 * lines - 9;  // the steps beyond row 10
  EXPECT_EQ(pickCust->currentRow(), 10);
  EXPECT_EQ(records(*pickCust), recs.mid(std::min(down, 30), 10));
}

TEST_F(PickCustTest, ThumbReleasePagesButDraggingDoesNot) {
  addNumberedCustomers(110);  // maximum top offset 100
  const QList<long> recs = order();
  show(0);
  QScrollBar* bar = pickCust->ScrollBar1;
  bar->setSliderDown(true);
  bar->setSliderPosition(50);
  EXPECT_EQ(records(*pickCust), recs.mid(0, 10));  // still dragging
  bar->setSliderDown(false);
  EXPECT_EQ(records(*pickCust), recs.mid(50, 10));
  EXPECT_EQ(bar->value(), 50);
}

TEST_F(PickCustTest, SeekBoxMovesToTheTypedPrefixOnce) {
  for (const char* last : {"Adams", "Small", "Smith", "Snow"}) addCustomer(0, last, "X", 1);
  for (int i = 0; i < 30; ++i) addCustomer(0, QString("Z%1").arg(i, 2, 10, QChar('0')), "X", 1);
  show(0);
  QTest::keyClicks(pickCust->Edit1, "sm");
  EXPECT_EQ(CustomerAt(pickCust->recordOfRow(1)).last.trimmed(), "Small");
  EXPECT_EQ(pickCust->currentRow(), 1);

  // A trailing blank is not sought again: the page the user moved to stays.
  key(Qt::Key_PageDown);
  const QList<long> paged = records(*pickCust);
  QTest::keyClicks(pickCust->Edit1, " ");
  EXPECT_EQ(records(*pickCust), paged);

  pickCust->Edit1->setText("zzz");  // past the end: nothing changes
  EXPECT_EQ(records(*pickCust), paged);
}

TEST_F(PickCustTest, CompanySeekFindsMixedCaseNames) {
  // The company tag keys the text as stored; an upper-cased seek text would
  // land before every mixed-case name.
  Settings().ByCust = false;
  for (const char* company : {"Abbot Ltd", "Acme Tools", "Acorn Farm", "Bolt Works"}) {
    addCustomer(0, "X", "Y", 1, "", company);
  }
  for (int i = 0; i < 20; ++i) addCustomer(0, "X", "Y", 1, "", QString("Zed %1").arg(i, 2, 10, QChar('0')));
  show(0);
  QTest::keyClicks(pickCust->Edit1, "Aco");
  EXPECT_EQ(CustomerAt(pickCust->recordOfRow(1)).addr1.trimmed(), "Acorn Farm");
}

TEST_F(PickCustTest, TableThatShrankShowsNoLeftoverRows) {
  addNumberedCustomers(15);
  show(0);
  pickCust->hide();
  for (int at = d4top(Cust5.d); at == r4success; at = d4skip(Cust5.d, 1)) {
    if (f4long(Cust5.cuno) > 4) d4delete(Cust5.d);
  }
  ASSERT_EQ(d4pack(Cust5.d), 0);
  show(0);
  EXPECT_EQ(records(*pickCust).size(), 4);
  EXPECT_EQ(column(*pickCust, 0).mid(4), QStringList(6, QString()));
  EXPECT_FALSE(pickCust->ScrollBar1->isVisible());
}

TEST_F(PickCustTest, EmptyTableLeavesOnlyNewAndCancel) {
  show(0);
  EXPECT_EQ(grid()->rowCount(), 0);
  EXPECT_FALSE(grid()->isEnabled());
  EXPECT_FALSE(pickCust->BtnSelect->isEnabled());
  pickCust->BtnNew->click();
  EXPECT_EQ(CurrentCustomerRec, 0);
}

TEST_F(PickCustTest, ButtonsKeysAndCloseBoxGiveTheProtocolValues) {
  addNumberedCustomers(3);
  const QList<long> recs = order();
  show(static_cast<int>(recs[1]));
  pickCust->close();  // the close box
  EXPECT_EQ(CurrentCustomerRec, -1);

  show(static_cast<int>(recs[1]));
  grid()->setCurrentCell(5, 0);  // a blank row: choosing it does nothing
  pickCust->BtnSelect->click();
  EXPECT_TRUE(pickCust->isVisible());
  EXPECT_EQ(CurrentCustomerRec, -1);
  grid()->setCurrentCell(2, 0);
  key(Qt::Key_Return);
  EXPECT_FALSE(pickCust->isVisible());
  EXPECT_EQ(CurrentCustomerRec, recs[2]);

  show(static_cast<int>(recs[0]));
  pickCust->BtnCancel->click();
  EXPECT_EQ(CurrentCustomerRec, -1);
}

}  // namespace
