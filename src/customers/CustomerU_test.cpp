#include "customers/CustomerU.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "customers/TestSupport.h"
#include "data/EInvoiceTables.h"
#include "data/Settings.h"
#include "einvoice/CustEInvoiceU.h"
#include "data/dbFiles.h"
#include "platform/Language.h"
#include "tbengine/inspect.h"

namespace {

class CustomerTest : public CustomersTest {
 protected:
  void SetUp() override {
    CustomersTest::SetUp();
    openTables();
    retail = addGroup(1, "Retail");
  }
  void TearDown() override {
    customer->hide();
    CustomersTest::TearDown();
  }
  void show(long record) {
    CurrentCustomerRec = static_cast<int>(record);
    customer->show();
  }
  // The group button's pick list chooses the first line.
  void pickFirstGroup() {
    ui.onDialog<TPickGroup>([](TPickGroup* p) {
      p->ListBox1->setCurrentRow(0);
      p->BtnSelect->click();
    });
  }
  long retail = 0;
};

TEST_F(CustomerTest, FirstCustomerNeedsAGroupAndGetsNumberOne) {
  show(0);
  EXPECT_EQ(customer->windowTitle(), "Customer");
  EXPECT_EQ(customer->Edit1->text(), "     0");
  EXPECT_FALSE(customer->BtnDelete->isEnabled());
  customer->Edit4->setText("Baker");
  ui.expectMessage(Ui::Kind::Information, "Please Select Customer Group");
  customer->BtnSave->click();
  EXPECT_TRUE(customer->isVisible());
  EXPECT_EQ(d4recCountDo(Cust5.d), 0);

  pickFirstGroup();
  customer->BtnGroup->click();
  EXPECT_EQ(customer->Edit14->text(), "Retail");
  customer->BtnSave->click();
  EXPECT_FALSE(customer->isVisible());
  EXPECT_EQ(CurrentCustomerRec, 1);
  EXPECT_EQ(CustomerAt(1).cuno, 1);
  EXPECT_EQ(CustomerAt(1).ngroup, 1);
  EXPECT_EQ(CustomerAt(1).last.trimmed(), "Baker");
  closeAndCheck();
}

TEST_F(CustomerTest, TextTheTableCannotHoldIsNamedBeforeSaving) {
  show(0);
  pickFirstGroup();
  customer->BtnGroup->click();
  customer->Edit4->setText(QString::fromUtf8("Łódź"));
  customer->Memo1->setPlainText(QString::fromUtf8("ul. Źródlana ?"));
  const QString question = QString::fromUtf8(
      "These characters cannot be stored and will become \"?\": Ł ź Ź\r\nSave anyway?");
  ui.expectConfirm(Ui::Buttons::OkCancel, question, false);
  customer->BtnSave->click();
  EXPECT_TRUE(customer->isVisible()) << "Cancel goes back to the editor";
  EXPECT_EQ(d4recCountDo(Cust5.d), 0) << "nothing written";

  ui.expectConfirm(Ui::Buttons::OkCancel, question, true);
  customer->BtnSave->click();
  EXPECT_FALSE(customer->isVisible());
  EXPECT_EQ(CustomerAt(1).last.trimmed(), QString::fromUtf8("?ód?"));
  closeAndCheck();
}

TEST_F(CustomerTest, NewCustomerTakesTheLowestGapInTheNumbers) {
  for (long n : {4, 1, 2}) addCustomer(n, "X", "", 1);
  show(0);
  pickFirstGroup();
  customer->BtnGroup->click();
  customer->BtnSave->click();
  EXPECT_EQ(CustomerAt(CurrentCustomerRec).cuno, 3);
  show(0);
  customer->BtnGroup->click();
  customer->BtnSave->click();
  EXPECT_EQ(CustomerAt(CurrentCustomerRec).cuno, 5);
  EXPECT_STREQ(t4name(d4tagSelected(Cust5.d)), "cName");
}

TEST_F(CustomerTest, NumbersStartAtOneWhenTheRunDoesNot) {
  addCustomer(2, "X", "", 1);
  addCustomer(3, "Y", "", 1);
  show(0);
  pickFirstGroup();
  customer->BtnGroup->click();
  customer->BtnSave->click();
  EXPECT_EQ(CustomerNumbers(), QList<long>({2, 3, 1}));
}

TEST_F(CustomerTest, DeletedButUnpackedCustomerKeepsItsNumber) {
  addCustomer(1, "X", "", 1);
  d4delete(Cust5.d);
  show(0);
  pickFirstGroup();
  customer->BtnGroup->click();
  customer->BtnSave->click();
  EXPECT_EQ(CustomerNumbers(), QList<long>({1, 2}));
}

TEST_F(CustomerTest, SavingWritesEveryBoxAndCutsOnlyAtTheFieldWidth) {
  show(0);
  pickFirstGroup();
  customer->BtnGroup->click();
  customer->Edit2->setText("Dr.");
  customer->Edit3->setText("Ann");
  customer->Edit4->setText("Baker");
  customer->Edit5->setText("1 Main St");
  customer->Edit6->setText("Suite 2");
  customer->Edit7->setText("Springfield");
  customer->Edit8->setText("IL");
  customer->Edit9->setText("62701");
  customer->Edit10->setText("555-0100");
  customer->Edit11->setText("555-0101");
  customer->Edit12->setText(QString(60, 'e'));
  customer->Edit13->setText("pays on time");
  customer->Memo1->setPlainText("first line\nsecond line   \n\n");
  customer->BtnSave->click();

  const CustomerRecord c = CustomerAt(CurrentCustomerRec);
  EXPECT_EQ(c.title, "Dr. ");
  EXPECT_EQ(c.first.trimmed(), "Ann");
  EXPECT_EQ(c.addr2.trimmed(), "Suite 2");
  EXPECT_EQ(c.addr4.trimmed(), "IL");
  EXPECT_EQ(c.zip.trimmed(), "62701");
  EXPECT_EQ(c.fax.trimmed(), "555-0101");
  EXPECT_EQ(c.email, QString(59, 'e') + " ");  // texts are cut to 59 characters
  EXPECT_EQ(c.note.trimmed(), "pays on time");
  EXPECT_EQ(c.comments.trimmed(), "first line\nsecond line");
}

TEST_F(CustomerTest, StoredTextLongerThanItsBoxSurvivesASave) {
  const long rec = addCustomer(1, "Baker", "Christopher Jr", 1);
  d4go(Cust5.d, rec);
  AssignText(Cust5.addr4, "Building 7, North Industrial Pk");
  show(rec);
  EXPECT_EQ(customer->Edit3->text(), "Christopher Jr");  // box limit 13
  customer->Edit10->setText("555-0199");
  customer->BtnSave->click();
  EXPECT_EQ(CustomerAt(rec).first.trimmed(), "Christopher Jr");
  EXPECT_EQ(CustomerAt(rec).addr4.trimmed(), "Building 7, North Industrial Pk");
  // Typing is still limited.
  show(0);
  QTest::keyClicks(customer->Edit3, QString(20, 'x'));
  EXPECT_EQ(customer->Edit3->text().size(), 13);
}

TEST_F(CustomerTest, ExistingCustomerIsShownTrimmedAndSavedInPlace) {
  const long rec = addCustomer(12, "  Baker", "Ann", 1, "note");
  show(rec);
  EXPECT_EQ(customer->Edit1->text(), "    12");
  EXPECT_EQ(customer->Edit4->text(), "Baker");
  EXPECT_EQ(customer->Edit14->text(), "Retail");
  EXPECT_TRUE(customer->BtnDelete->isEnabled());
  customer->Edit13->setText("new note");
  customer->BtnSave->click();
  EXPECT_EQ(d4recCountDo(Cust5.d), 1);
  EXPECT_EQ(CustomerAt(rec).cuno, 12);
  EXPECT_EQ(CustomerAt(rec).note.trimmed(), "new note");
  EXPECT_EQ(CurrentCustomerRec, rec);
}

TEST_F(CustomerTest, EInvoiceDetailsAreTheSavedCustomersOwn) {
  show(0);
  ui.expectMessage(Ui::Kind::Information, "Save the customer before entering e-invoice details.");
  customer->BtnEInvoice->click();
  customer->hide();

  show(addCustomer(12, "Baker", "Ann", 1, "note"));
  long shownFor = 0;
  QString buyer;
  ui.onDialog<TCustEInvoice>([&](TCustEInvoice* d) {
    shownFor = d->customer;
    buyer = d->LabelBuyer->text();
    d->Edit1->setText("FR");
    d->BtnSave->click();
  });
  customer->BtnEInvoice->click();
  EXPECT_EQ(shownFor, 12);
  EXPECT_EQ(buyer, "Buyer on e-invoices: Ann Baker (the customer's company, else the name)")
      << "a customer without a company is named by its names";
  EXPECT_EQ(customer->Edit5->placeholderText(), "Company (empty for a private person)");
  EXPECT_EQ(ReadBuyerDetails(12).country, "FR");
  EXPECT_TRUE(customer->isVisible()) << "the customer editor stays open";
}

TEST_F(CustomerTest, CustomerOfARemovedGroupMustChooseAGroupAgain) {
  const long rec = addCustomer(1, "Baker", "Ann", 9);
  show(rec);
  EXPECT_EQ(customer->Edit14->text(), "");
  ui.expectMessage(Ui::Kind::Information, "Please Select Customer Group");
  customer->BtnSave->click();
  EXPECT_EQ(CustomerAt(rec).ngroup, 9);  // nothing written
}

TEST_F(CustomerTest, DeleteMarksAndSavingRecallsIt) {
  const long rec = addCustomer(1, "Baker", "Ann", 1);
  show(rec);
  customer->BtnDelete->click();
  EXPECT_EQ(d4deleted(Cust5.d), 1);
  EXPECT_TRUE(DeletionsPending);
  EXPECT_EQ(CurrentCustomerRec, rec);

  show(rec);
  customer->BtnSave->click();
  d4go(Cust5.d, rec);
  EXPECT_EQ(d4deleted(Cust5.d), 0);
}

TEST_F(CustomerTest, TheInvoiceCountLeavesTheInvoicesOfAnOpenInvoiceEditorWhereTheyWere) {
  CloseAll();
  for (long invoice : {101, 102, 103}) AppendInvoice(Invoice(invoice, invoice == 103 ? 5 : 1, {}, 0, 0, 0));
  openTables();
  const long rec = addCustomer(1, "Baker", "Ann", 1);
  ASSERT_TRUE(OpenINV5());  // as the invoice editor has it
  d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
  d4go(Inv5.d, 3);
  show(rec);
  ui.expectConfirm(
      QStringLiteral("Customer 1 has 2 invoices; they will show no customer. Delete anyway?"),
      false);
  customer->BtnDelete->click();
  EXPECT_EQ(d4deleted(Cust5.d), 0);
  EXPECT_EQ(d4recNo(Inv5.d), 3);
  EXPECT_STREQ(t4name(d4tagSelected(Inv5.d)), "inv");
}

TEST_F(CustomerTest, CancelLeavesNewAtMinusOneAndExistingUnchanged) {
  const long rec = addCustomer(1, "Baker", "Ann", 1);
  show(0);
  customer->Edit4->setText("Nobody");
  customer->BtnCancel->click();
  EXPECT_EQ(CurrentCustomerRec, -1);
  show(rec);
  customer->Edit4->setText("Changed");
  customer->BtnCancel->click();
  EXPECT_EQ(CurrentCustomerRec, rec);
  EXPECT_EQ(d4recCountDo(Cust5.d), 1);
  EXPECT_EQ(CustomerAt(rec).last.trimmed(), "Baker");
}

TEST_F(CustomerTest, EscapeAsksBeforeDiscardingTypedChangesAndCancelDoesNot) {
  const long rec = addCustomer(1, "Baker", "Ann", 1);
  const QString question = QStringLiteral("Discard the changes to this customer?");
  show(rec);
  QTest::keyClick(customer.get(), Qt::Key_Escape);
  EXPECT_FALSE(customer->isVisible());
  show(rec);
  customer->Edit4->setText("Changed");
  ui.expectConfirm(Ui::Buttons::YesNo, question, false);
  QTest::keyClick(customer.get(), Qt::Key_Escape);
  EXPECT_TRUE(customer->isVisible());
  EXPECT_EQ(customer->Edit4->text(), "Changed");
  ui.expectConfirm(question, true);
  customer->close();
  EXPECT_FALSE(customer->isVisible());
  EXPECT_EQ(ui.destructiveConfirmations(), QStringList({question, question})) << "No by default";
  show(rec);
  customer->Edit4->setText("Changed again");
  customer->BtnCancel->click();
  EXPECT_FALSE(customer->isVisible());
  EXPECT_EQ(CustomerAt(rec).last.trimmed(), "Baker");
}

TEST_F(CustomerTest, CompanyModeShowsAddressLineOneAsTheCompany) {
  const long rec = addCustomer(1, "Baker", "Ann", 1, "", "Acme Tools");
  show(rec);
  EXPECT_EQ(customer->Label3->text(), "Address");
  EXPECT_TRUE(customer->Label8->isHidden());
  customer->hide();
  Settings().ByCust = false;
  show(rec);
  EXPECT_EQ(customer->Label3->text(), "Company");
  EXPECT_FALSE(customer->Label8->isHidden());
  EXPECT_EQ(customer->Edit5->text(), "Acme Tools");
}

TEST_F(CustomerTest, TheEditorSpeaksGerman) {
  {
    DocumentLanguage german("de");
    TCustomer window;
    CurrentCustomerRec = 0;
    window.show();
    EXPECT_EQ(window.windowTitle(), "Kunde");
    EXPECT_EQ(window.Label3->text(), "Adresse");
    EXPECT_EQ(window.BtnGroup->text(), "Gruppe");
    EXPECT_EQ(window.BtnEInvoice->text(), "E-Rechnung...");
    EXPECT_EQ(window.BtnEInvoice->toolTip(), "Die Angaben des Kunden für elektronische Rechnungen");
    QStringList captions;
    for (const QLabel* label : window.findChildren<QLabel*>()) captions << label->text();
    for (const char* caption : {"Kundennr.", "Name", "Postleitzahl", "Telefon", "Notiz"})
      EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
    ui.expectMessage(Ui::Kind::Information, "Bitte wählen Sie eine Kundengruppe");
    window.BtnSave->click();
    window.hide();
  }
  show(0);
  EXPECT_EQ(customer->windowTitle(), "Customer");
}

TEST_F(CustomerTest, GroupButtonCanCreateANewGroup) {
  show(0);
  ui.onDialog<TPickGroup>([](TPickGroup* p) {
    EXPECT_TRUE(p->BtnNew->isEnabled());
    p->BtnNew->click();
  });
  ui.onDialog<TGroupDef>([](TGroupDef* g) {
    g->Edit2->setText("Export");
    g->BtnSave->click();
  });
  customer->BtnGroup->click();
  EXPECT_EQ(customer->Edit14->text(), "Export");
  customer->BtnSave->click();
  EXPECT_EQ(CustomerAt(CurrentCustomerRec).ngroup, 2);
}

TEST_F(CustomerTest, EnterMovesOnInTheBoxesButNotInTheComments) {
  show(0);
  customer->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(customer.get()));
  customer->Edit2->setFocus();
  QTest::keyClick(customer->Edit2, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), customer->Edit3);
  customer->Edit13->setFocus();
  QTest::keyClick(customer->Edit13, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), customer->BtnGroup);
  customer->Memo1->setFocus();
  QTest::keyClicks(customer->Memo1, "a");
  QTest::keyClick(customer->Memo1, Qt::Key_Return);
  QTest::keyClicks(customer->Memo1, "b");
  EXPECT_EQ(customer->Memo1->toPlainText(), "a\nb");
  customer->BitBtn1->click();
  EXPECT_EQ(helpAsked, QStringList({"context-410"}));
}

}  // namespace
