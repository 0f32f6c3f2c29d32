// The invoice pick list as the invoice loop shows it: paging, the newest
// invoice highlighted, seeking a typed number.
#include "invoicing/PickInvU.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "data/CodeBase.h"
#include "data/dbFiles.h"
#include "invoicing/TestSupport.h"

namespace {

using PickInvTest = InvoicingTest;

TEST_F(PickInvTest, TenInvoicesShowFromTheFirstAndDoNotPage) {
  addCustomer(7, "Abel", "Ann");
  for (long n = 1; n <= 10; ++n) addInvoice(n, 7);
  steps<TPickInv>({[](TPickInv* p) {
    const QStringList all = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    EXPECT_FALSE(p->ScrollBar1->isVisibleTo(p));
    EXPECT_EQ(gridColumn(p->StringGrid1, 0), all);
    EXPECT_EQ(p->currentRow(), 10) << "the newest invoice";
    EXPECT_EQ(p->Edit2->text(), "Ann Abel");
    for (int key : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Down})
      QTest::keyClick(p->StringGrid1, Qt::Key(key));
    EXPECT_EQ(gridColumn(p->StringGrid1, 0), all);
    p->BtnCancel->click();
  }});
  editInvoices();
  EXPECT_EQ(CurrentInvoiceRec, -1);
}

TEST_F(PickInvTest, ElevenInvoicesOpenOnTheSecondWithTheNewestHighlighted) {
  addCustomer(7, "Abel", "Ann");
  addCustomer(8, "Zed", "Bob");
  for (long n = 1; n <= 11; ++n) addInvoice(n, n == 11 ? 8 : 7, QString("card %1").arg(n));
  steps<TPickInv>({[](TPickInv* p) {
    EXPECT_TRUE(p->ScrollBar1->isVisibleTo(p));
    EXPECT_EQ(p->paging().maxTopOffset(), 1);
    EXPECT_EQ(gridColumn(p->StringGrid1, 0).first(), "2");
    EXPECT_EQ(gridColumn(p->StringGrid1, 0).last(), "11");
    EXPECT_EQ(gridColumn(p->StringGrid1, 1).last(), "03/01/26");
    EXPECT_EQ(gridColumn(p->StringGrid1, 2).last(), "card 11");
    EXPECT_EQ(p->currentRow(), 10);
    EXPECT_EQ(p->Edit2->text(), "Bob Zed");
    QTest::keyClick(p->StringGrid1, Qt::Key_Home);
    EXPECT_EQ(gridColumn(p->StringGrid1, 0).first(), "1");
    EXPECT_EQ(p->Edit2->text(), "Ann Abel");
    p->close();  // the close box: no choice
  }});
  editInvoices();
  EXPECT_EQ(CurrentInvoiceRec, -1);
}

TEST_F(PickInvTest, CardNumbersShowOnlyTheirLastFourDigits) {
  addCustomer(7, "Abel", "Ann");
  addInvoice(1, 7, "4111111111111111 x9/28");
  addInvoice(2, 7, "Check 1523");
  steps<TPickInv>({[](TPickInv* p) {
    EXPECT_EQ(gridColumn(p->StringGrid1, 2).mid(0, 2),
              QStringList({"************1111 x9/28", "Check 1523"}));
    p->BtnCancel->click();
  }});
  editInvoices();
}

TEST_F(PickInvTest, SeekingANumberBetweenInvoicesSelectsTheNextHigher) {
  addCustomer(7, "Abel");
  for (long n : {3, 7, 9}) addInvoice(n, 7, "paid");
  ASSERT_TRUE(OpenINV5());
  d4go(Inv5.d, 3);
  d4delete(Inv5.d);  // invoice 9, not packed yet
  CloseAll();
  steps<TPickInv>({
      [](TPickInv* p) {
        EXPECT_EQ(gridColumn(p->StringGrid1, 2).mid(0, 3), QStringList({"paid", "paid", "< DELETED >"}));
        p->StringGrid1->setCurrentCell(0, 0);
        QTest::keyClicks(p->MaskEdit1, "5");
        EXPECT_EQ(p->recordOfRow(p->currentRow()), 2) << "invoice 7";
        QTest::keyClicks(p->MaskEdit1, "9");  // 59: past the last invoice
        EXPECT_EQ(p->recordOfRow(p->currentRow()), 2);
        p->BtnSelect->click();
      },
      chooseRow<TPickInv>(3),  // the deleted one can still be chosen
      pressCancel<TPickInv>,
  });
  QStringList opened;
  steps<TInvoice>({[&](TInvoice* inv) { opened << inv->Edit1->text().trimmed(); },
                   [&](TInvoice* inv) { opened << inv->Edit1->text().trimmed(); }});
  editInvoices();
  EXPECT_EQ(opened, QStringList({"7", "9"}));
}

}  // namespace
