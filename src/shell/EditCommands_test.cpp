// The main window's edit-loop commands, with the smallest pick list and
// editor that keep the pick-list protocol registered for their tables.
#include "shell/EditCommands.h"

#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <memory>

#include "data/CodeBase.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "picklists/PickEdit.h"
#include "shell/TestSupport.h"

namespace {

class FakePick : public QDialog {
 public:
  FakePick() { (new QPushButton("New", this))->setObjectName("BtnNew"); }
};
class FakeEditor : public QDialog {};

long Count(const char* table) {
  DATA4* d = d4open(cb, table);
  const long n = d4recCountDo(d);
  d4close(d);
  return n;
}

// Appends one record to the table that open opens, filled by fill, and
// marks it deleted when asked.
void Append(bool (*open)(), DATA4* const* table, const std::function<void()>& fill,
            bool deleted = false) {
  ASSERT_TRUE(open());
  d4appendBlank(*table);
  fill();
  if (deleted) d4delete(*table);
  CloseAll();
}

void AddCustomer(const QString& last, const QString& company, bool deleted = false) {
  Append(OpenCUST5, &Cust5.d, [&] {
    CustBuf = {};
    CustBuf.last = last;
    CustBuf.addr1 = company;
    WriteCustomer();
  }, deleted);
}

void AddInvoice(long number) {
  Append(OpenINV5, &Inv5.d, [&] {
    CurrentInvoice = {};
    CurrentInvoice.IvNo = number;
    WriteInvoice();
  });
}

class EditCommandsTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    pick = std::make_unique<FakePick>();
    editor = std::make_unique<FakeEditor>();
    start();
    ui.onDialog<FakePick>([this](FakePick* p) {
      picked << CurrentRecordOf(table);
      CurrentRecordOf(table) = -1;
      p->accept();
    });
    ui.onDialog<FakeEditor>([this](FakeEditor* e) {
      if (edit) edit();
      e->accept();
    });
  }
  // The pick list opens on the command's record; "New" makes the editor run
  // edit; the second pick cancels.
  void use(PickTable t) {
    table = t;
    RegisterPickEdit(t, pick.get(), editor.get());
  }

  std::unique_ptr<FakePick> pick;
  std::unique_ptr<FakeEditor> editor;
  PickTable table = PickTable::Customer;
  QList<int> picked;
  std::function<void()> edit;
};

TEST_F(EditCommandsTest, CustomerListStartsOnTheFirstCustomerInTheChosenOrder) {
  AddCustomer("Zorn", "Acme Tools");   // 1
  AddCustomer("Abel", "Zenith Ltd");   // 2
  use(PickTable::Customer);
  main()->BtnCust->click();
  Settings().ByCust = false;
  main()->BtnCust->click();
  EXPECT_EQ(picked, QList<int>({2, 1}));
}

TEST_F(EditCommandsTest, InvoiceListStartsOnTheHighestInvoiceNumber) {
  AddInvoice(5);
  AddInvoice(9);
  AddInvoice(7);
  use(PickTable::Invoice);
  main()->BtnInvoice->click();
  EXPECT_EQ(picked, QList<int>({2}));
}

TEST_F(EditCommandsTest, CustomerDeletionPacksOnlyTheCustomers) {
  AddCustomer("Gone", "");
  AddCustomer("Stays deleted", "", true);
  Append(OpenPMT, &Pmt.d, [] { WritePayment(); }, true);
  use(PickTable::Customer);
  edit = [] {
    d4go(Cust5.d, 1);
    d4delete(Cust5.d);
    DeletionsPending = true;
  };
  int picks = 0;
  ui.onDialog<FakePick>([&](FakePick* p) {
    CurrentCustomerRec = ++picks == 1 ? 1 : -1;
    p->accept();
  });
  main()->BtnCust->click();
  EXPECT_EQ(Count("CUST5"), 0);
  EXPECT_EQ(Count("PMT"), 1) << "other tables wait for the next full pack";
  EXPECT_FALSE(DeletionsPending);
}

// The memo files are left as they are.
TEST_F(EditCommandsTest, DeletionIsPackedInTheCommandsOwnTableWhenItsLoopEnds) {
  struct Command {
    PickTable table;
    QToolButton* button;
    bool (*open)();
    DATA4* const* d;
    const char* name;
    QStringList rewritten;
  };
  const Command commands[] = {
      {PickTable::Customer, main()->BtnCust, OpenCUST5, &Cust5.d, "CUST5",
       {"CUST5.dbf", "cName.ntx", "ccno.ntx", "ccomp.ntx", "czip.ntx"}},
      {PickTable::Group, main()->BtnGroups, OpenGROUPS, &Groups.d, "GROUPS",
       {"GROUPS.dbf", "cGroup.ntx", "nGroup.ntx"}},
      {PickTable::Product, main()->BtnProd, OpenProd5, &Prod5.d, "Prod5", {"Prod.ntx", "Prod5.dbf"}},
      {PickTable::Purchase, main()->BtnPurchase, OpenPur5, &Pur5.d, "Pur5", {"Pur.ntx", "Pur5.dbf"}},
  };
  bool deleting = false;
  int picks = 0;
  ui.onDialog<FakePick>([&](FakePick* p) {
    CurrentRecordOf(table) = deleting && ++picks == 1 ? 1 : -1;
    p->accept();
  });
  for (const Command& c : commands) {
    SCOPED_TRACE(c.name);
    for (int i = 0; i < 2; ++i) Append(c.open, c.d, [] {});
    use(c.table);
    edit = [&c] {
      d4go(*c.d, 1);
      d4delete(*c.d);
      DeletionsPending = true;
    };
    ageFiles();
    deleting = false;
    c.button->click();
    EXPECT_EQ(rewritten(), QStringList()) << "nothing deleted, nothing packed";
    deleting = true;
    picks = 0;
    c.button->click();
    EXPECT_EQ(rewritten(), c.rewritten);
    EXPECT_EQ(Count(c.name), 1);
    EXPECT_FALSE(DeletionsPending);
  }
}

TEST_F(EditCommandsTest, InvoiceDeletionPacksEveryTable) {
  AddInvoice(1);
  AddCustomer("Gone", "", true);
  use(PickTable::Invoice);
  int picks = 0;
  ui.onDialog<FakePick>([&](FakePick* p) {
    CurrentInvoiceRec = ++picks == 1 ? 1 : -1;
    p->accept();
  });
  edit = [] { DeletionsPending = true; };
  main()->BtnInvoice->click();
  EXPECT_EQ(Count("CUST5"), 0);
  EXPECT_FALSE(DeletionsPending);
}

TEST_F(EditCommandsTest, LabelDeletionWaitsForTheProgramToClose) {
  Append(OpenLABELS, &Labels.d, [] { WriteLabel(); });
  use(PickTable::Label);
  int picks = 0;
  ui.onDialog<FakePick>([&](FakePick* p) {
    CurrentLabelRec = ++picks == 1 ? 1 : -1;
    p->accept();
  });
  edit = [] {
    d4delete(Labels.d);
    DeletionsPending = true;
  };
  main()->BtnLabForms->click();
  EXPECT_EQ(Count("LABELS"), 1);
  EXPECT_TRUE(DeletionsPending);
  main()->close();
  StartEngine();
  EXPECT_EQ(Count("LABELS"), 0);
}

TEST_F(EditCommandsTest, CommandsWithoutTheirWindowsDoNothing) {
  resetPickEditForTests();  // forget the windows the program registered
  AddCustomer("Gone", "", true);
  DeletionsPending = true;
  for (QToolButton* b : {main()->BtnCust, main()->BtnGroups, main()->BtnProd,
                         main()->BtnPurchase, main()->BtnInvoice})
    b->click();
  main()->BtnLabForms->click();
  EXPECT_TRUE(ui.transcript().isEmpty());
  EXPECT_TRUE(DeletionsPending);
  EXPECT_EQ(Count("CUST5"), 1);
}

}  // namespace
