// "Add & Edit Customers" and "Add & Edit Customer Groups" run as the user
// runs them: the real main window, pick lists and editors, and the tables
// on disk checked afterwards.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <deque>
#include <functional>

#include "customers/CustomerU.h"
#include "customers/GroupDefU.h"
#include "customers/PickCustU.h"
#include "customers/PickGroupU.h"
#include "data/CodeBase.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "shell/TestSupport.h"
#include "tbengine/inspect.h"

namespace {

class CustomerCommandsTest : public CommandTest {
 protected:
  static void addGroup(int number, const QString& name) {
    GroupBuf = {number, name};
    append(OpenGROUPS, &Groups.d, WriteGroup);
  }
  static void addCustomer(long number, const QString& last, int group) {
    CustBuf = {};
    CustBuf.cuno = number;
    CustBuf.last = last;
    CustBuf.ngroup = group;
    append(OpenCUST5, &Cust5.d, WriteCustomer);
  }
  // "number last group" per record, "*" before a deleted one; then the
  // table and its indexes checked.
  static QStringList customers() {
    return records(OpenCUST5, &Cust5.d, [] {
      ReadCustomer();
      return QString("%1 %2 %3").arg(CustBuf.cuno).arg(CustBuf.last.trimmed()).arg(CustBuf.ngroup);
    });
  }
  static QStringList groups() {
    return records(OpenGROUPS, &Groups.d, [] {
      ReadGroup();
      return QString("%1 %2").arg(GroupBuf.nGroup).arg(GroupBuf.cGroup.trimmed());
    });
  }

  // Grid steps in the customer list.
  static constexpr auto chooseRow = &CommandTest::chooseRow<TPickCust>;
  static constexpr auto pressNew = &CommandTest::pressNew<TPickCust>;
  static constexpr auto pressCancel = &CommandTest::pressCancel<TPickCust>;
  static constexpr auto rowText = &CommandTest::cell<TPickCust>;
};

TEST_F(CustomerCommandsTest, FirstCustomerNeedsAGroupAndGetsNumberOne) {
  addGroup(1, "Retail");
  steps<TPickCust>({
      [](TPickCust* p) {
        EXPECT_EQ(CurrentCustomerRec, -1);
        EXPECT_EQ(p->StringGrid1->rowCount(), 0);
        EXPECT_TRUE(p->BtnNew->isEnabled());
        p->BtnNew->click();
      },
      [](TPickCust* p) {  // back in the list after the save, on row 1
        EXPECT_EQ(rowText(p, 1, 0), "Baker");
        EXPECT_EQ(p->Edit2->text(), "Retail");
        p->BtnCancel->click();
      },
  });
  steps<TCustomer>({[this](TCustomer* c) {
    c->Edit4->setText("Baker");
    ui.expectMessage(Ui::Kind::Information, "Please Select Customer Group");
    c->BtnSave->click();
    c->BtnGroup->click();
    c->BtnSave->click();
  }});
  steps<TPickGroup>({[](TPickGroup* g) { g->BtnSelect->click(); }});
  main()->BtnCust->click();
  EXPECT_EQ(customers(), QStringList({"1 Baker 1"}));
}

TEST_F(CustomerCommandsTest, NewCustomerFillsTheGapInTheNumbers) {
  addGroup(1, "Retail");
  for (long n : {1, 2, 4}) addCustomer(n, QString("C%1").arg(n), 1);
  steps<TPickCust>({pressNew, pressCancel});
  steps<TCustomer>({[](TCustomer* c) {
    c->Edit4->setText("Dunn");
    c->BtnGroup->click();
    c->BtnSave->click();
  }});
  steps<TPickGroup>({[](TPickGroup* g) { g->BtnSelect->click(); }});
  main()->BtnCust->click();
  EXPECT_EQ(customers(), QStringList({"1 C1 1", "2 C2 1", "4 C4 1", "3 Dunn 1"}));
}

TEST_F(CustomerCommandsTest, DeletionPacksOnlyTheCustomersWhenTheLoopEnds) {
  addGroup(1, "Retail");
  for (long n : {1, 2, 3}) addCustomer(n, QString("C%1").arg(n), 1);
  ageFiles();
  steps<TPickCust>({
      chooseRow(2),
      [](TPickCust* p) {  // still listed until the loop ends
        EXPECT_EQ(rowText(p, 2, 2), "< DELETED >");
        p->BtnCancel->click();
      },
  });
  steps<TCustomer>({[](TCustomer* c) { c->BtnDelete->click(); }});
  main()->BtnCust->click();
  // The memo file is left as it is.
  EXPECT_EQ(rewritten(),
            QStringList({"CUST5.dbf", "cName.ntx", "ccno.ntx", "ccomp.ntx", "czip.ntx"}));
  EXPECT_EQ(customers(), QStringList({"1 C1 1", "3 C3 1"}));
  EXPECT_FALSE(DeletionsPending);
}

TEST_F(CustomerCommandsTest, SavingADeletedCustomerInTheSameLoopRecallsIt) {
  addGroup(1, "Retail");
  for (long n : {1, 2}) addCustomer(n, QString("C%1").arg(n), 1);
  steps<TPickCust>({chooseRow(1), chooseRow(1), pressCancel});
  steps<TCustomer>({
      [](TCustomer* c) { c->BtnDelete->click(); },
      [](TCustomer* c) { c->BtnSave->click(); },
  });
  main()->BtnCust->click();
  EXPECT_EQ(customers(), QStringList({"1 C1 1", "2 C2 1"}));
}

TEST_F(CustomerCommandsTest, CancellingANewCustomerEndsTheLoop) {
  addGroup(1, "Retail");
  addCustomer(1, "C1", 1);
  steps<TPickCust>({pressNew});
  steps<TCustomer>({[](TCustomer* c) {
    c->Edit4->setText("Never saved");
    c->BtnCancel->click();
  }});
  main()->BtnCust->click();
  EXPECT_EQ(CurrentCustomerRec, -1);
  EXPECT_EQ(customers(), QStringList({"1 C1 1"}));
}

TEST_F(CustomerCommandsTest, CompanyModeListsAndLabelsTheCompany) {
  Settings().ByCust = false;
  addGroup(1, "Retail");
  ASSERT_TRUE(OpenCUST5());
  d4appendBlank(Cust5.d);
  CustBuf = {};
  CustBuf.cuno = 1;
  CustBuf.ngroup = 1;
  CustBuf.last = "Baker";
  CustBuf.addr1 = "Acme Tools";
  WriteCustomer();
  CloseAll();
  steps<TPickCust>({
      [](TPickCust* p) {
        EXPECT_EQ(p->StringGrid1->horizontalHeaderItem(0)->text(), "Company");
        EXPECT_EQ(rowText(p, 1, 0), "Acme Tools");
        p->BtnSelect->click();
      },
      pressCancel,
  });
  steps<TCustomer>({[](TCustomer* c) {
    EXPECT_EQ(c->Label3->text(), "Company");
    EXPECT_EQ(c->Edit5->text(), "Acme Tools");
    c->BtnCancel->click();
  }});
  main()->BtnCust->click();
}

TEST_F(CustomerCommandsTest, GroupDeletionMovesItsCustomersAndPacksOnlyTheGroups) {
  addGroup(2, "Two");
  addGroup(5, "Five");
  addCustomer(1, "A", 2);
  addCustomer(2, "B", 5);
  addCustomer(3, "C", 2);
  auto chooseLine = [](const QString& name) {
    return [name](TPickGroup* g) {
      for (int i = 0; i < g->ListBox1->count(); ++i) {
        if (g->ListBox1->item(i)->text().startsWith(name + " ")) g->ListBox1->setCurrentRow(i);
      }
      g->BtnSelect->click();
    };
  };
  steps<TPickGroup>({
      chooseLine("Two"),   // the loop's list
      [](TPickGroup* g) {  // the target of the move: no new group here
        EXPECT_FALSE(g->BtnNew->isEnabled());
        g->Edit1->setText("f");
        g->BtnSelect->click();
      },
      [](TPickGroup* g) {  // the loop's list again, before the pack
        EXPECT_TRUE(g->ListBox1->item(1)->text().endsWith("<DELETED>"));
        EXPECT_EQ(g->ListBox1->currentRow(), 0);
        g->BtnCancel->click();
      },
  });
  steps<TGroupDef>({[this](TGroupDef* d) {
    EXPECT_EQ(d->Edit2->text(), "Two");
    ui.expectConfirm("Move Customers in Two to a selected group", true);
    d->BtnDelete->click();
  }});
  main()->BtnGroups->click();
  EXPECT_EQ(groups(), QStringList({"5 Five"}));
  EXPECT_EQ(customers(), QStringList({"1 A 5", "2 B 5", "3 C 5"}));
  EXPECT_FALSE(DeletionsPending);
}

TEST_F(CustomerCommandsTest, NewGroupsAreNumberedFromTheFirstGap) {
  addGroup(1, "One");
  addGroup(2, "Two");
  addGroup(4, "Four");
  steps<TPickGroup>({[](TPickGroup* g) { g->BtnNew->click(); },
                     [](TPickGroup* g) {
                       EXPECT_EQ(g->ListBox1->currentItem()->text().trimmed(), "Three");
                       g->BtnCancel->click();
                     }});
  steps<TGroupDef>({[](TGroupDef* d) {
    d->Edit2->setText("Three");
    d->BtnSave->click();
  }});
  main()->BtnGroups->click();
  EXPECT_EQ(groups(), QStringList({"1 One", "2 Two", "4 Four", "3 Three"}));
}

}  // namespace
