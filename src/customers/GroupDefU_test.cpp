#include "customers/GroupDefU.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "customers/TestSupport.h"
#include "data/dbFiles.h"
#include "tbengine/inspect.h"

namespace {

class GroupDefTest : public CustomersTest {
 protected:
  void SetUp() override {
    CustomersTest::SetUp();
    openTables();
  }
  void TearDown() override {
    groupDef->hide();
    CustomersTest::TearDown();
  }
  void show(long record) {
    CurrentGroupRec = static_cast<int>(record);
    groupDef->show();
  }
  // The groups as "number name" in record order, deleted ones marked "*".
  QStringList groups() {
    QStringList all;
    TAG4* before = d4tagSelected(Groups.d);
    d4tagSelect(Groups.d, nullptr);
    for (int at = d4top(Groups.d); at == r4success; at = d4skip(Groups.d, 1)) {
      all << QString("%1%2 %3")
                 .arg(d4deleted(Groups.d) ? "*" : "")
                 .arg(f4int(Groups.nGroup))
                 .arg(FieldText(Groups.cGroup).trimmed());
    }
    d4tagSelect(Groups.d, before);
    return all;
  }
  QList<int> customerGroups() {
    QList<int> all;
    d4tagSelect(Cust5.d, nullptr);
    for (int at = d4top(Cust5.d); at == r4success; at = d4skip(Cust5.d, 1)) {
      all << f4int(Cust5.ngroup);
    }
    return all;
  }
  // The group pick list, when it is shown, chooses the line with that name
  // ("" cancels); remembers whether "New" was offered.
  void pickGroupNamed(const QString& name) {
    ui.onDialog<TPickGroup>([this, name](TPickGroup* p) {
      newOffered = p->BtnNew->isEnabled();
      if (name.isEmpty()) return p->BtnCancel->click();
      for (int i = 0; i < p->ListBox1->count(); ++i) {
        if (p->ListBox1->item(i)->text().startsWith(name + " ")) p->ListBox1->setCurrentRow(i);
      }
      p->BtnSelect->click();
    });
  }
  bool newOffered = true;
};

TEST_F(GroupDefTest, NewGroupsTakeTheLowestFreeNumber) {
  show(0);
  EXPECT_EQ(groupDef->windowTitle(), "Customer Group Definition");
  EXPECT_EQ(groupDef->Edit1->text(), " 0");
  EXPECT_FALSE(groupDef->BtnDelete->isEnabled());
  groupDef->Edit2->setText("Retail");
  groupDef->BtnSaveClick();
  EXPECT_FALSE(groupDef->isVisible());
  EXPECT_EQ(CurrentGroupRec, 1);
  EXPECT_EQ(groups(), QStringList({"1 Retail"}));

  addGroup(2, "Two");
  addGroup(4, "Four");
  show(0);
  groupDef->Edit2->setText("Three");
  groupDef->BtnSave->click();
  EXPECT_EQ(groups().last(), "3 Three");
  EXPECT_EQ(CurrentGroupRec, 4);
  // The tag the caller had selected is selected again.
  EXPECT_STREQ(t4name(d4tagSelected(Groups.d)), "nGroup");
}

TEST_F(GroupDefTest, BlankNameIsRefusedAndNothingWritten) {
  show(0);
  groupDef->Edit2->setText("   ");
  ui.expectMessage(Ui::Kind::Information, "Can't Save Blank Name");
  groupDef->BtnSave->click();
  EXPECT_TRUE(groupDef->isVisible());
  EXPECT_EQ(d4recCountDo(Groups.d), 0);
}

TEST_F(GroupDefTest, HundredthGroupIsRefusedInsteadOfNumberedZero) {
  for (int n = 1; n <= 99; ++n) addGroup(n, QString("G%1").arg(n));
  show(0);
  groupDef->Edit2->setText("One too many");
  ui.expectMessage(Ui::Kind::Information, "Unable to add record at this time. Please try later.");
  groupDef->BtnSave->click();
  EXPECT_TRUE(groupDef->isVisible());
  EXPECT_EQ(d4recCountDo(Groups.d), 99);
}

TEST_F(GroupDefTest, RenameKeepsTheNumberAndSavingADeletedGroupRecallsIt) {
  const long rec = addGroup(7, "Retail");
  d4delete(Groups.d);
  show(rec);
  EXPECT_EQ(groupDef->Edit1->text(), " 7");
  EXPECT_EQ(groupDef->Edit2->text(), "Retail");  // without the field's padding
  EXPECT_TRUE(groupDef->BtnDelete->isEnabled());
  groupDef->Edit2->setText("Retail West");
  groupDef->BtnSave->click();
  EXPECT_EQ(groups(), QStringList({"7 Retail West"}));
  EXPECT_EQ(CurrentGroupRec, rec);
}

TEST_F(GroupDefTest, DeletingMovesTheGroupsCustomersToThePickedGroup) {
  const long two = addGroup(2, "Two");
  addGroup(5, "Five");
  addGroup(3, "Three");
  addCustomer(1, "A", "", 2);
  addCustomer(2, "B", "", 5);
  addCustomer(3, "C", "", 2);
  addCustomer(4, "D", "", 3);
  show(two);
  ui.expectConfirm(Ui::Buttons::OkCancel, "Move Customers in Two to a selected group", true);
  pickGroupNamed("Five");
  groupDef->BtnDelete->click();

  EXPECT_FALSE(newOffered);
  EXPECT_FALSE(groupDef->isVisible());
  EXPECT_EQ(customerGroups(), QList<int>({5, 5, 5, 3}));
  EXPECT_EQ(CustomerAt(3).last.trimmed(), "C");  // otherwise unchanged
  EXPECT_EQ(groups(), QStringList({"*2 Two", "5 Five", "3 Three"}));
  EXPECT_EQ(CurrentGroupRec, 0);
  EXPECT_TRUE(DeletionsPending);
  closeAndCheck();
}

TEST_F(GroupDefTest, CancelledOrSelfTargetedDeletionChangesNothing) {
  const long two = addGroup(2, "Two");
  addGroup(5, "Five");
  addCustomer(1, "A", "", 2);
  show(two);

  ui.expectConfirm("Move Customers in Two to a selected group", false);
  groupDef->BtnDelete->click();

  ui.expectConfirm("Move Customers in Two to a selected group", true);
  pickGroupNamed("");
  groupDef->BtnDelete->click();
  EXPECT_EQ(CurrentGroupRec, two);

  ui.expectConfirm("Move Customers in Two to a selected group", true);
  pickGroupNamed("Two");
  groupDef->BtnDelete->click();

  EXPECT_TRUE(groupDef->isVisible());
  EXPECT_EQ(CurrentGroupRec, two);
  EXPECT_EQ(groups(), QStringList({"2 Two", "5 Five"}));
  EXPECT_EQ(customerGroups(), QList<int>({2}));
  EXPECT_FALSE(DeletionsPending);

  // The editor still edits its own group afterwards.
  groupDef->Edit2->setText("Second");
  groupDef->BtnSave->click();
  EXPECT_EQ(groups(), QStringList({"2 Second", "5 Five"}));
}

TEST_F(GroupDefTest, EnterInTheNameMovesOnAndHelpShowsItsSection) {
  show(0);
  groupDef->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(groupDef.get()));
  groupDef->Edit2->setFocus();
  QTest::keyClick(groupDef->Edit2, Qt::Key_Return);
  EXPECT_TRUE(groupDef->isVisible());  // Enter pressed no button
  EXPECT_EQ(QApplication::focusWidget(), groupDef->BtnSave);
  groupDef->BitBtn1->click();
  EXPECT_EQ(helpAsked, QStringList({"context-420"}));
}

}  // namespace
