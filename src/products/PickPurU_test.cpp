#include "products/PickPurU.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "data/dbFiles.h"
#include "products/TestSupport.h"

namespace {

class PickPurTest : public ProductsTest {
 protected:
  void TearDown() override {
    pickPur->hide();
    ProductsTest::TearDown();
  }
  void show(long highlight) {
    pickPur->hide();
    CurrentPurchaseRec = static_cast<int>(highlight);
    pickPur->show();
  }
  QTableWidget* grid() const { return pickPur->StringGrid1; }
};

TEST_F(PickPurTest, RowsShowCodeDateQuantityCostAndMarkDeletedPurchases) {
  addPurchase("AB1", QDate(2026, 3, 2), 12, 150.4);
  const long gone = addPurchase("CD2", QDate(2025, 11, 30), 1.5, 9);
  d4delete(Pur5.d);
  show(0);

  EXPECT_EQ(pickPur->windowTitle(), "PickPur");
  QStringList headers;
  for (int c = 0; c < grid()->columnCount(); ++c) headers << grid()->horizontalHeaderItem(c)->text();
  EXPECT_EQ(headers, QStringList({"Product ID", "Date", "Quantity", "Total Cost", "RecNo"}));
  EXPECT_EQ(column(*pickPur, 0)[0], QString("AB1").leftJustified(10));
  EXPECT_EQ(column(*pickPur, 1).mid(0, 2), QStringList({"03/02/26", "11/30/25"}));
  EXPECT_EQ(column(*pickPur, 2).mid(0, 2), QStringList({"     12.00", "      1.50"}));
  EXPECT_EQ(column(*pickPur, 3).mid(0, 2), QStringList({"      150.40", "<DELETED>"}));
  EXPECT_EQ(column(*pickPur, 4)[1], QString::number(gone));
  EXPECT_TRUE(grid()->isColumnHidden(4)) << "hidden whole, never half shown at the edge";
  EXPECT_LE(grid()->horizontalHeader()->length(), grid()->viewport()->width());
}

TEST_F(PickPurTest, TypingAProductCodeFindsItsEarliestPurchase) {
  for (int i = 1; i <= 12; ++i) addPurchase(QString("A%1").arg(i, 2, 10, QChar('0')), QDate(2026, 1, i), 1, 1);
  addPurchase("MX", QDate(2025, 6, 1), 1, 1);
  const long earliest = addPurchase("mx", QDate(2024, 2, 1), 1, 1);
  addPurchase("MZ", QDate(2020, 1, 1), 1, 1);
  show(0);
  pickPur->Edit1->setText("m");
  pickPur->Edit1->setText("mx");
  EXPECT_EQ(pickPur->recordOfRow(pickPur->currentRow()), earliest);
  pickPur->BtnSelect->click();
  EXPECT_EQ(CurrentPurchaseRec, earliest);
}

}  // namespace
