// "Received E-Invoices" as a person uses it: a file taken in, shown again
// in the report window, booked after the mapping window (a product typed
// for the line that did not map, an unknown one refused), booked once.
#include "receiving/ReceivedU.h"

#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "einvoice/CiiWriter.h"
#include "einvoice/TestSupport.h"
#include "printing/ReportExport.h"
#include "printing/ReportU.h"
#include "printing/RptUtil.h"

namespace {

class ReceivedWindowTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    EnsureTestApplication();
    resetReportForTests();
    // Our own checks only, Saxon installed or not (OfficialRules_test runs it).
    qputenv("TALLOWBY_RULES", files.filePath("no-rules").toLocal8Bit());
    AppendProduct(Product("CANDLE", ""));
    AppendProduct(Product("COTTON", ""));
    QFile f(files.filePath("1007.xml"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(WriteCii(SampleInvoice(), CiiFlavour::XRechnung));
  }
  void TearDown() override {
    resetReportForTests();
    qunsetenv("TALLOWBY_RULES");
    IndexedFolderTest::TearDown();
  }
  static QString Cell(QTableWidget* grid, int row, int column) { return grid->item(row, column)->text(); }
  QTemporaryDir files;
};

TEST_F(ReceivedWindowTest, AFileIsTakenInShownAgainAndBookedAsThePersonConfirms) {
  TReportF report;
  QString shown;
  ui.onDialog<TReportF>([&](TReportF* w) {
    shown = ExportText(Report(), ExportFormat::PlainText);
    w->close();
  });
  ui.onDialogSteps<TReceivedBooking>({[this](TReceivedBooking* w) {
    QTableWidget* grid = w->StringGrid1;
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(Cell(grid, 0, 1), "CANDLE");
    EXPECT_EQ(Cell(grid, 0, 5), "CANDLE") << "the item id is a product code";
    EXPECT_EQ(Cell(grid, 1, 5), "") << "WICK is no product";
    grid->item(1, 5)->setText("wicks");
    ui.expectMessage(Ui::Kind::Information, "There is no product WICKS; clear it or name another.");
    w->BtnBook->click();
    EXPECT_TRUE(w->isVisible());
    grid->item(1, 5)->setText("cotton");
    ui.expectMessage(Ui::Kind::Information, "2 purchase(s) booked.");
    w->BtnBook->click();
  }});
  ui.onDialogSteps<TReceivedList>({[&](TReceivedList* w) {
    EXPECT_EQ(w->StringGrid1->rowCount(), 0);
    ui.expectOpenFile(files.filePath("1007.xml"));
    ui.expectMessage(Ui::Kind::Information,
                     "1007.xml: registered as Received/Tallow_Wick_GmbH-1007.xml (invoice 1007 of Tallow & Wick GmbH, "
                     "valid)");
    w->BtnReceive->click();
    ASSERT_EQ(w->StringGrid1->rowCount(), 1);
    EXPECT_EQ(Cell(w->StringGrid1, 0, 0), "03/02/26");
    EXPECT_EQ(Cell(w->StringGrid1, 0, 1), "Tallow & Wick GmbH");
    EXPECT_EQ(Cell(w->StringGrid1, 0, 2), "1007");
    EXPECT_EQ(Cell(w->StringGrid1, 0, 3), "36.35 EUR");
    EXPECT_EQ(Cell(w->StringGrid1, 0, 4), "valid");

    w->BtnShow->click();
    EXPECT_TRUE(shown.contains("Received Invoice")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Beeswax pillar candle"));
    EXPECT_TRUE(shown.contains("DE02120300000000202051"));
    EXPECT_TRUE(shown.contains("No findings")) << shown.toStdString();

    w->BtnBook->click();
    EXPECT_EQ(Cell(w->StringGrid1, 0, 5), "yes");
    ui.expectMessage(Ui::Kind::Information, "Invoice 1007 of Tallow & Wick GmbH was booked before.");
    w->BtnBook->click();
    w->BtnClose->click();
  }});
  ShowReceivedInvoices(nullptr);

  ASSERT_TRUE(OpenPur5());
  QStringList purchases;
  for (long n = 1; n <= d4recCountDo(Pur5.d) && d4go(Pur5.d, n) == r4success; ++n) {
    ReadPurchase();
    purchases << QStringLiteral("%1 %2 %3").arg(PurBuf.PURProd.trimmed()).arg(PurBuf.PURQty).arg(PurBuf.PURCost);
  }
  EXPECT_EQ(purchases, QStringList({"CANDLE 2 25", "COTTON 3 1.05"}));
  EXPECT_EQ(RememberedProduct("DE123456789", "WICK"), "COTTON") << "the person's choice, for the next invoice";
  CloseAll();
}

}  // namespace
