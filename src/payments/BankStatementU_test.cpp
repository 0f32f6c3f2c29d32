// "Book a Bank Statement" as a person uses it: the file picked, the
// proposal shown, an invoice changed in the Invoice column, Book; and an
// invoice number that is not open refused in the window.
#include "payments/BankStatementU.h"

#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/TestSupport.h"
#include "data/dbFiles.h"
#include "payments/TestSupport.h"

namespace {

class BankStatementWindowTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    EnsureTestApplication();
    AppendCustomer(Customer(7, "Ms.", "Ada", "Byron", {QStringLiteral("Lovelace Candles")}, "10115"));
    AppendInvoice(Invoice(1007, 7, QDate(2026, 3, 2), 0, 0, 20));
    AppendItem(Item(1007, "CANDLE", 1, 20, "Candle"));
    AppendInvoice(Invoice(1008, 7, QDate(2026, 3, 3), 0, 0, 5));
    AppendItem(Item(1008, "WICK", 1, 5, "Wick"));
    TestEntry gift;
    gift.amount = "5.00";
    gift.transactions = {{"5.00", "", "", "for the wicks", "Someone Else"}};
    QFile f(files.filePath("camt.xml"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Camt053("08", {gift}));
  }
  QTemporaryDir files;
};

TEST_F(BankStatementWindowTest, ThePersonNamesTheInvoiceOfAnOpenPaymentAndBooksIt) {
  ui.expectOpenFile(files.filePath("camt.xml"));
  ui.onDialogSteps<TBankStatement>({[this](TBankStatement* w) {
    ASSERT_EQ(w->StringGrid1->rowCount(), 1);
    EXPECT_EQ(w->StringGrid1->item(0, 2)->text(), "Someone Else");
    EXPECT_EQ(w->StringGrid1->item(0, 4)->text(), "") << "no step decided";
    w->StringGrid1->item(0, 4)->setText("1009");
    ui.expectMessage(Ui::Kind::Information, "Invoice 1009 is not an open invoice; clear it or name another.");
    w->BtnBook->click();
    EXPECT_TRUE(w->isVisible());
    w->StringGrid1->item(0, 4)->setText("1008");
    ui.expectMessage(Ui::Kind::Information, "1 payment(s) booked.");  // once the window has closed
    w->BtnBook->click();
  }});
  ImportBankStatement(nullptr);
  ASSERT_TRUE(OpenINV5());
  d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
  ASSERT_TRUE(SeekNumber(Inv5.d, Inv5.IvNo, 1008));
  EXPECT_DOUBLE_EQ(f4double(Inv5.Due), 0);
  CloseAll();
}

}  // namespace
