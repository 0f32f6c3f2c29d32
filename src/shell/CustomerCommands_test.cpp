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

class CustomerCommandsTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    start();
  }

  // Each showing of a dialog of class D runs the next of these steps; a
  // showing with no step left fails the test.
  template <class D>
  void steps(std::deque<std::function<void(D*)>> list) {
    auto queue = std::make_shared<std::deque<std::function<void(D*)>>>(std::move(list));
    ui.onDialog<D>([queue](D* d) {
      if (queue->empty()) {
        ADD_FAILURE() << "one showing too many: " << d->metaObject()->className();
        return;
      }
      auto step = queue->front();
      queue->pop_front();
      step(d);
    });
  }

  void addGroup(int number, const QString& name) {
    ASSERT_TRUE(OpenGROUPS());
    ASSERT_EQ(d4appendBlank(Groups.d), 0);
    GroupBuf = {number, name};
    WriteGroup();
    CloseAll();
  }
  void addCustomer(long number, const QString& last, int group) {
    ASSERT_TRUE(OpenCUST5());
    ASSERT_EQ(d4appendBlank(Cust5.d), 0);
    CustBuf = {};
    CustBuf.cuno = number;
    CustBuf.last = last;
    CustBuf.ngroup = group;
    WriteCustomer();
    CloseAll();
  }
  // "number last group" per record, "*" before a deleted one; then the
  // table and its indexes checked.
  QStringList customers() {
    EXPECT_TRUE(OpenCUST5());
    QStringList all;
    d4tagSelect(Cust5.d, nullptr);
    for (int at = d4top(Cust5.d); at == r4success; at = d4skip(Cust5.d, 1)) {
      ReadCustomer();
      all << QString("%1%2 %3 %4")
                 .arg(d4deleted(Cust5.d) ? "*" : "")
                 .arg(CustBuf.cuno)
                 .arg(CustBuf.last.trimmed())
                 .arg(CustBuf.ngroup);
    }
    check(Cust5.d);
    CloseAll();
    return all;
  }
  QStringList groups() {
    EXPECT_TRUE(OpenGROUPS());
    QStringList all;
    d4tagSelect(Groups.d, nullptr);
    for (int at = d4top(Groups.d); at == r4success; at = d4skip(Groups.d, 1)) {
      ReadGroup();
      all << QString("%1%2 %3")
                 .arg(d4deleted(Groups.d) ? "*" : "")
                 .arg(GroupBuf.nGroup)
                 .arg(GroupBuf.cGroup.trimmed());
    }
    check(Groups.d);
    CloseAll();
    return all;
  }
  static void check(DATA4* d) {
    std::vector<std::string> problems;
    EXPECT_EQ(d4check(d, &problems), 0) << (problems.empty() ? "" : problems.front());
  }

  // Grid steps.
  static std::function<void(TPickCust*)> chooseRow(int row) {
    return [row](TPickCust* p) {
      p->StringGrid1->setCurrentCell(row - 1, 0);
      p->BtnSelect->click();
    };
  }
  static void pressNew(TPickCust* p) { p->BtnNew->click(); }
  static void pressCancel(TPickCust* p) { p->BtnCancel->click(); }
  static QString rowText(TPickCust* p, int row, int column) {
    const QTableWidgetItem* item = p->StringGrid1->item(row - 1, column);
    return item ? item->text().trimmed() : QString();
  }
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
