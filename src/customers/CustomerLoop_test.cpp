// The customer and group loops run as the user runs them: the pick list,
// the editors and the group picker driven by their controls, and the tables
// on disk checked afterwards. The loops' closing pack is the main window's
// (shell/EditCommands_test): here deleted records are still in their table.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <deque>
#include <functional>

#include "customers/TestSupport.h"
#include "data/CodeBase.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "picklists/PickEdit.h"

namespace {

class CustomerLoopTest : public CustomersTest {
 protected:
  // "Add & Edit Customers" up to its pack: the list on the first customer
  // in the sort order, the edit loop, all tables closed.
  static void editCustomers() {
    DeletionsPending = false;
    ASSERT_TRUE(OpenCUST5());
    ASSERT_TRUE(OpenGROUPS());
    d4tagSelect(Cust5.d, d4tag(Cust5.d, Settings().ByCust ? "cname" : "cComp"));
    CurrentCustomerRec = FirstRecord(Cust5.d);
    EditLoop(PickTable::Customer);
    CloseAll();
  }
  // "Add & Edit Customer Groups" up to its pack, the list by name.
  static void editGroups() {
    ASSERT_TRUE(OpenGROUPS());
    ASSERT_TRUE(OpenCUST5());
    d4tagSelect(Groups.d, d4tag(Groups.d, "cGroup"));
    CurrentGroupRec = FirstRecord(Groups.d);
    EditLoop(PickTable::Group);
    CloseAll();
  }

  static void addGroup(int number, const QString& name) { AppendGroup({number, name}); }
  static void addCustomer(long number, const QString& last, int group) {
    CustomerRecord c;
    c.cuno = number;
    c.last = last;
    c.ngroup = group;
    AppendCustomer(c);
  }
  // "number last group" per record, "*" before a deleted one; then the
  // table and its indexes checked.
  static QStringList customers() {
    return StoredLines(OpenCUST5, &Cust5.d, [] {
      ReadCustomer();
      return QString("%1 %2 %3").arg(CustBuf.cuno).arg(CustBuf.last.trimmed()).arg(CustBuf.ngroup);
    });
  }
  static QStringList groups() {
    return StoredLines(OpenGROUPS, &Groups.d, [] {
      ReadGroup();
      return QString("%1 %2").arg(GroupBuf.nGroup).arg(GroupBuf.cGroup.trimmed());
    });
  }

  // Grid steps in the customer list.
  static constexpr auto chooseRow = &PickSteps::chooseRow<TPickCust>;
  static constexpr auto pressNew = &PickSteps::pressNew<TPickCust>;
  static constexpr auto pressCancel = &PickSteps::pressCancel<TPickCust>;
  static constexpr auto rowText = &PickSteps::cell<TPickCust>;
};
TEST_F(CustomerLoopTest, FirstCustomerNeedsAGroupAndGetsNumberOne) {
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
  editCustomers();
  EXPECT_EQ(customers(), QStringList({"1 Baker 1"}));
}

TEST_F(CustomerLoopTest, NewCustomerFillsTheGapInTheNumbers) {
  addGroup(1, "Retail");
  for (long n : {1, 2, 4}) addCustomer(n, QString("C%1").arg(n), 1);
  steps<TPickCust>({pressNew, pressCancel});
  steps<TCustomer>({[](TCustomer* c) {
    c->Edit4->setText("Dunn");
    c->BtnGroup->click();
    c->BtnSave->click();
  }});
  steps<TPickGroup>({[](TPickGroup* g) { g->BtnSelect->click(); }});
  editCustomers();
  EXPECT_EQ(customers(), QStringList({"1 C1 1", "2 C2 1", "4 C4 1", "3 Dunn 1"}));
}

TEST_F(CustomerLoopTest, DeletedCustomerStaysListedUntilTheLoopEndsAndAwaitsThePack) {
  addGroup(1, "Retail");
  for (long n : {1, 2, 3}) addCustomer(n, QString("C%1").arg(n), 1);
  steps<TPickCust>({
      chooseRow(2),
      [](TPickCust* p) {  // still listed until the loop ends
        EXPECT_EQ(rowText(p, 2, 2), "< DELETED >");
        p->BtnCancel->click();
      },
  });
  steps<TCustomer>({[](TCustomer* c) { c->BtnDelete->click(); }});
  editCustomers();
  EXPECT_EQ(customers(), QStringList({"1 C1 1", "*2 C2 1", "3 C3 1"}));
  EXPECT_TRUE(DeletionsPending) << "the command packs CUST5";
}

TEST_F(CustomerLoopTest, DeletingACustomerWithInvoicesAsksFirstWithCancelTheDefault) {
  addGroup(1, "Retail");
  for (long n : {1, 2}) addCustomer(n, QString("C%1").arg(n), 1);
  for (long invoice : {101, 102, 103}) AppendInvoice(Invoice(invoice, invoice == 102 ? 1 : 2, {}, 0, 0, 0));
  const QString question =
      QStringLiteral("Customer 2 has 2 invoices; they will show no customer. Delete anyway?");
  steps<TPickCust>({chooseRow(2), chooseRow(2), chooseRow(1), pressCancel});
  steps<TCustomer>({
      [&](TCustomer* c) {
        ui.expectConfirm(question, false);
        c->BtnDelete->click();
        EXPECT_TRUE(c->isVisible()) << "Cancel keeps the editor open";
        c->BtnCancel->click();
      },
      [&](TCustomer* c) {
        ui.expectConfirm(question, true);
        c->BtnDelete->click();
      },
      [&](TCustomer* c) {
        ui.expectConfirm(
            QStringLiteral("Customer 1 has 1 invoices; they will show no customer. Delete anyway?"),
            true);
        c->BtnDelete->click();
      },
  });
  editCustomers();
  EXPECT_EQ(ui.destructiveConfirmations().size(), 3) << "Cancel is the default";
  EXPECT_EQ(customers(), QStringList({"*1 C1 1", "*2 C2 1"}));
}

TEST_F(CustomerLoopTest, SavingADeletedCustomerInTheSameLoopRecallsIt) {
  addGroup(1, "Retail");
  for (long n : {1, 2}) addCustomer(n, QString("C%1").arg(n), 1);
  steps<TPickCust>({chooseRow(1), chooseRow(1), pressCancel});
  steps<TCustomer>({
      [](TCustomer* c) { c->BtnDelete->click(); },
      [](TCustomer* c) { c->BtnSave->click(); },
  });
  editCustomers();
  EXPECT_EQ(customers(), QStringList({"1 C1 1", "2 C2 1"}));
}

TEST_F(CustomerLoopTest, CancellingANewCustomerEndsTheLoop) {
  addGroup(1, "Retail");
  addCustomer(1, "C1", 1);
  steps<TPickCust>({pressNew});
  steps<TCustomer>({[](TCustomer* c) {
    c->Edit4->setText("Never saved");
    c->BtnCancel->click();
  }});
  editCustomers();
  EXPECT_EQ(CurrentCustomerRec, -1);
  EXPECT_EQ(customers(), QStringList({"1 C1 1"}));
}

TEST_F(CustomerLoopTest, CompanyModeListsAndLabelsTheCompany) {
  Settings().ByCust = false;
  addGroup(1, "Retail");
  CustomerRecord baker;
  baker.cuno = 1;
  baker.ngroup = 1;
  baker.last = "Baker";
  baker.addr1 = "Acme Tools";
  AppendCustomer(baker);
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
  editCustomers();
}

TEST_F(CustomerLoopTest, GroupDeletionMovesItsCustomersAndAwaitsThePack) {
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
  editGroups();
  EXPECT_EQ(groups(), QStringList({"*2 Two", "5 Five"}));
  EXPECT_EQ(customers(), QStringList({"1 A 5", "2 B 5", "3 C 5"}));
  EXPECT_TRUE(DeletionsPending) << "the command packs GROUPS";
}

TEST_F(CustomerLoopTest, NewGroupsAreNumberedFromTheFirstGap) {
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
  editGroups();
  EXPECT_EQ(groups(), QStringList({"1 One", "2 Two", "4 Four", "3 Three"}));
}

}  // namespace
