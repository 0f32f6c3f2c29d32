#include "products/PickProdU.h"

#include <QAbstractSlider>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include "data/dbFiles.h"
#include "products/TestSupport.h"

namespace {

class PickProdTest : public ProductsTest {
 protected:
  void TearDown() override {
    pickProd->hide();
    ProductsTest::TearDown();
  }
  void show(long highlight) {
    pickProd->hide();
    CurrentProductRec = static_cast<int>(highlight);
    pickProd->show();
  }
  QTableWidget* grid() const { return pickProd->StringGrid1; }
};

TEST_F(PickProdTest, RowsShowCodeDescriptionPriceAndMarkDeletedProducts) {
  addProduct("AB1", "Anvil", 12.5);
  const long gone = addProduct("CD2", "Chisel", 3);
  d4delete(Prod5.d);
  show(0);

  EXPECT_EQ(pickProd->windowTitle(), "PickProd");
  QStringList headers;
  for (int c = 0; c < grid()->columnCount(); ++c) headers << grid()->horizontalHeaderItem(c)->text();
  EXPECT_EQ(headers, QStringList({"Product ID", "Description", "Price", "RecNo"}));
  EXPECT_EQ(column(*pickProd, 0).mid(0, 2),
            QStringList({QString("AB1").leftJustified(10), QString("CD2").leftJustified(10)}));
  EXPECT_EQ(column(*pickProd, 1)[0], QString("Anvil").leftJustified(27));
  EXPECT_EQ(column(*pickProd, 2).mid(0, 2), QStringList({"   12.50", "<DELETED>"}));
  EXPECT_EQ(records(*pickProd), QList<long>({1, gone}));
  // Columns are measured in widths of "M"; the record number stays out of view.
  const int m = QFontMetrics(pickProd->font()).horizontalAdvance(QChar('M'));
  EXPECT_EQ(grid()->columnWidth(1), 27 * m);
  EXPECT_TRUE(grid()->isColumnHidden(3)) << "hidden whole, never half shown at the edge";
  EXPECT_LE(grid()->horizontalHeader()->length(), grid()->viewport()->width());
  // The deleted marker is in view whole, not cut by the grid's edge.
  const int markerEnd = grid()->columnViewportPosition(2) +
                        grid()->fontMetrics().horizontalAdvance("<DELETED>");
  EXPECT_LE(markerEnd, grid()->viewport()->width());

  grid()->setCurrentCell(1, 0);
  pickProd->BtnSelect->click();
  EXPECT_EQ(CurrentProductRec, gone);  // a deleted product can still be chosen
}

TEST_F(PickProdTest, ListFollowsTheTagTheCallerSelected) {
  addProduct("b2");
  addProduct("C3");
  addProduct("a1");
  show(0);
  EXPECT_EQ(records(*pickProd), QList<long>({3, 1, 2}));  // Prod: upper-cased codes
  d4tagSelect(Prod5.d, nullptr);
  show(0);
  EXPECT_EQ(records(*pickProd), QList<long>({1, 2, 3}));  // record order
}

TEST_F(PickProdTest, PagingLeavesTheHighlightOnItsRow) {
  for (int i = 1; i <= 15; ++i) addProduct(QString("P%1").arg(i, 2, 10, QChar('0')));
  show(0);
  EXPECT_EQ(pickProd->currentRow(), 1);
  grid()->setCurrentCell(3, 0);
  pickProd->ScrollBar1Scroll(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(records(*pickProd).first(), 6);
  EXPECT_EQ(pickProd->currentRow(), 4);
  pickProd->BtnSelect->click();
  EXPECT_EQ(CurrentProductRec, 9);
}

TEST_F(PickProdTest, EmptyTableLeavesOnlyNewAndCancel) {
  show(0);
  EXPECT_EQ(grid()->rowCount(), 0);
  EXPECT_FALSE(pickProd->BtnSelect->isEnabled());
  pickProd->BtnNew->click();
  EXPECT_EQ(CurrentProductRec, 0);
}

}  // namespace
