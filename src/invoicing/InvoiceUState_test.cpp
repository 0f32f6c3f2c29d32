// Issued invoices that stay as issued, through the real windows: the
// editor's Issue, Print and e-invoice paths, the refusals of changes and
// deletes, the number rule, and credit notes full and partial, never more
// than the invoice held.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "data/EInvoiceTables.h"
#include "data/InvoiceStates.h"
#include "data/dbFiles.h"
#include "invoicing/InvoiceU.h"
#include "invoicing/ItemDefU.h"
#include "invoicing/TestSupport.h"
#include "platform/DateBox.h"
#include "platform/Language.h"
#include "platform/PrinterChoice.h"
#include "printing/RptUtil.h"

namespace {

const QString kSureDelete = QStringLiteral("Are you sure you want to delete this invoice?");
const QString kAddAnother = QStringLiteral("Add another invoice?");

class IssuedInvoiceTest : public InvoicingTest {
 protected:
  void SetUp() override {
    InvoicingTest::SetUp();
    setFinal(true);
    addCustomer(7, "Abel");
    addInvoice(1, 7);
    addItem(1, "A", 2, 10);
    addItem(1, "B", 1, 5);
  }
  static void setFinal(bool on) {
    SellerDetails s = ReadSellerDetails();
    s.finalInvoices = on;
    ASSERT_TRUE(WriteSellerDetails(s));
  }
  static InvoiceStateRecord stateOf(long ivNo) {
    const InvoiceStateRecord s = ReadInvoiceState(ivNo);
    CloseAll();
    return s;
  }
  // Invoice 1 issued with the editor's Issue.
  void issueFirst() {
    steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
    steps<TInvoice>({[this](TInvoice* inv) {
      EXPECT_TRUE(inv->BtnIssue->isVisible());
      EXPECT_FALSE(inv->BtnCreditNote->isEnabled()) << "only an issued invoice is credited";
      ui.expectConfirm(Ui::Buttons::YesNo,
                       "Issue invoice 1? An issued invoice can no longer be changed or deleted.", true);
      inv->BtnIssue->click();
      EXPECT_FALSE(inv->BtnIssue->isVisible());
      EXPECT_TRUE(inv->LabelState->text().startsWith("Issued on 03/15/26."));
      inv->BtnCancel->click();
    }});
    editInvoices();
  }
  // Credit Note... on issued invoice 1; edit then changes the note's working
  // copy; then saved, "Add another invoice?" answered No.
  void creditFirst(const std::function<void(TInvoice*)>& edit, const QString& refusal = QString()) {
    steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
    steps<TInvoice>({[&, this](TInvoice* inv) {
      inv->BtnCreditNote->click();
      edit(inv);
      if (refusal.isEmpty()) {
        ui.expectConfirm(kAddAnother, false);
        inv->BtnSave->click();
      } else {
        ui.expectMessage(Ui::Kind::Information, refusal);
        inv->BtnSave->click();
        inv->BtnCancel->click();
      }
    }});
    editInvoices();
  }
  // Opens the item dialog on the row; the test queues its steps.
  static void openItemOnRow(TInvoice* inv, int row) {
    inv->StringGrid1->setCurrentCell(row - 1, 0);
    inv->BEditItm->click();
  }
};

TEST_F(IssuedInvoiceTest, AnIssuedInvoiceKeepsItsContentTakesPaymentsAndIsNeverDeleted) {
  issueFirst();
  const InvoiceStateRecord issued = stateOf(1);
  EXPECT_TRUE(issued.isIssued());
  EXPECT_EQ(issued.hash.size(), 64);

  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TPmtDef>({[](TPmtDef* d) {
    d->MaskEdit2->setValue(12);
    d->BtnSave->click();
  }});
  steps<TInvoice>({[this](TInvoice* inv) {
    EXPECT_TRUE(inv->MaskEdit1->isReadOnly());
    EXPECT_TRUE(inv->Edit2->isReadOnly());
    EXPECT_TRUE(inv->Memo2->isReadOnly());
    EXPECT_TRUE(inv->MaskEdit3->isReadOnly());
    EXPECT_FALSE(inv->BtnCust->isEnabled());
    EXPECT_FALSE(inv->BAddItm->isEnabled());
    EXPECT_FALSE(inv->BEditItm->isEnabled());
    EXPECT_FALSE(inv->BtnImport->isEnabled());
    EXPECT_TRUE(inv->BAddPmt->isEnabled()) << "money arrives after issue";
    EXPECT_TRUE(inv->BtnCreditNote->isEnabled());
    EXPECT_TRUE(inv->LabelState->text().contains("correct it with a credit note"));
    ui.expectMessage(Ui::Kind::Information,
                     "Invoice 1 has been issued and cannot be deleted. To cancel or correct it, make a "
                     "credit note for it with \"Credit Note...\".");
    inv->BtnDelete->click();
    inv->BAddPmt->click();
    inv->BtnSave->click();
  }});
  editInvoices();
  EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/13.00"}));
  EXPECT_EQ(payments(), QStringList({"1 20260315 12.00"}));
  EXPECT_EQ(stateOf(1).hash, issued.hash) << "payments are not content";
  EXPECT_TRUE(ChangedIssuedInvoices().isEmpty());
}

TEST_F(IssuedInvoiceTest, AnUnissuedInvoiceIsDeletedOnlyWithTheHighestNumber) {
  addInvoice(2, 7);
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TInvoice>({[this](TInvoice* inv) {
    ui.expectMessage(Ui::Kind::Information,
                     "Only the invoice with the highest number (2) can be deleted, so that no number goes "
                     "missing. To cancel invoice 1, issue it and make a credit note for it.");
    inv->BtnDelete->click();
    inv->BtnCancel->click();
  }});
  editInvoices();
  steps<TPickInv>({chooseRow<TPickInv>(2), pressCancel<TPickInv>});
  steps<TInvoice>({[this](TInvoice* inv) {
    ui.expectConfirm(kSureDelete, true);
    inv->BtnDelete->click();
  }});
  editInvoices();
  EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/0.00"}));
}

TEST_F(IssuedInvoiceTest, PartialAndFullCreditNotesNeverCreditMoreThanTheInvoice) {
  issueFirst();
  const auto pressDelete = [](TItemDef* d) { d->BtnDelete->click(); };
  // A partial credit note: B only.
  steps<TItemDef>({pressDelete});
  creditFirst([](TInvoice* inv) {
    EXPECT_EQ(inv->Edit1->text(), "     2");
    EXPECT_EQ(inv->Memo2->toPlainText(), "Credit note for invoice 1 of 03/01/26");
    EXPECT_EQ(inv->LabelState->text(), "New credit note for invoice 1.");
    EXPECT_EQ(gridColumn(inv->StringGrid1, 3).mid(0, 2), QStringList({"-2.00", "-1.00"}));
    EXPECT_FALSE(inv->BtnCust->isEnabled()) << "the invoice's customer";
    EXPECT_FALSE(inv->BAddItm->isEnabled()) << "nothing the invoice did not hold";
    EXPECT_FALSE(inv->MaskEdit1->isReadOnly());
    openItemOnRow(inv, 1);  // A
  });
  EXPECT_EQ(items(), QStringList({"1 A 2.00x10.00", "1 B 1.00x5.00", "2 B -1.00x5.00"}));
  EXPECT_EQ(invoices().last(), "2 c7 0.00/0.00/-5.00");
  const InvoiceStateRecord second = stateOf(2);
  EXPECT_TRUE(second.isCreditNote());
  EXPECT_EQ(second.refNo, 1);
  EXPECT_FALSE(second.isIssued()) << "saved, not yet issued";

  // Everything again would credit B twice.
  creditFirst([](TInvoice*) {},
              "The credit note credits more of B than invoice 1 holds, counting its earlier credit notes.");
  // The rest, A, is accepted.
  steps<TItemDef>({pressDelete});
  creditFirst([](TInvoice* inv) { openItemOnRow(inv, 2); });
  EXPECT_EQ(items().last(), "3 A -2.00x10.00");
  EXPECT_EQ(CreditNotesOf(1), QList<long>({2, 3}));
  CloseAll();
  // Nothing is left to credit, and a positive quantity is no way round.
  steps<TItemDef>({pressDelete});
  creditFirst([](TInvoice* inv) { openItemOnRow(inv, 2); },
              "The credit note credits more of A than invoice 1 holds, counting its earlier credit notes.");
  steps<TItemDef>({[](TItemDef* d) {
    d->MaskEdit2->setValue(2);
    d->BtnSave->click();
  }});
  creditFirst([](TInvoice* inv) { openItemOnRow(inv, 1); },
              "A credit note takes items back: the quantity of A must be negative.");
  EXPECT_EQ(invoices().size(), 3);
}

TEST_F(IssuedInvoiceTest, PrintIssuesWhenPrintedNotWhenShownAndOnlyWhatIsSaved) {
  QTemporaryDir out;
  PrinterChoice::selectPdf(out.filePath("printed.pdf"));
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  int shown = 0;
  ui.onDialogSteps<TReportF>({[&](TReportF* r) {
                                ++shown;
                                r->reject();  // looked at only
                              },
                              [&](TReportF* r) {
                                ++shown;
                                ui.expectSaveFile(out.filePath("printed.pdf"));
                                r->mPrintClick();
                                r->reject();
                              }});
  steps<TInvoice>({[this](TInvoice* inv) {
    inv->BtnPrint->click();
    EXPECT_FALSE(ReadInvoiceState(1).isIssued()) << "a preview does not issue";
    inv->Memo2->setPlainText("typed, not saved");
    ui.expectMessage(Ui::Kind::Information, "Save the invoice before printing it: a printed invoice is issued.");
    inv->BtnPrint->click();
    inv->Memo2->setPlainText(QString());
    inv->BtnPrint->click();
    EXPECT_TRUE(inv->LabelState->text().startsWith("Issued on"));
    EXPECT_TRUE(inv->Memo2->isReadOnly());
    inv->BtnCancel->click();
  }});
  editInvoices();
  PrinterChoice::selectNone();
  EXPECT_EQ(shown, 2);
  EXPECT_TRUE(QFile::exists(out.filePath("printed.pdf")));
  EXPECT_TRUE(stateOf(1).isIssued());
}

TEST_F(IssuedInvoiceTest, WithTheSettingOffNothingIsIssuedOrRefused) {
  setFinal(false);
  addInvoice(2, 7);
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TInvoice>({[this](TInvoice* inv) {
    EXPECT_FALSE(inv->BtnIssue->isVisible());
    EXPECT_FALSE(inv->BtnCreditNote->isVisible());
    EXPECT_FALSE(inv->LabelState->isVisible());
    ui.expectConfirm(kSureDelete, true);
    inv->BtnDelete->click();
  }});
  editInvoices();
  EXPECT_EQ(invoices(), QStringList({"2 c7 0.00/0.00/0.00"}));
  EXPECT_TRUE(AllInvoiceStates().isEmpty());
  CloseAll();
}

// Where the seller's e-invoicing details are set: the date of supply is
// kept with the invoice's state, and an item that carries tax for a
// customer invoiced without VAT is questioned before the save.
TEST_F(IssuedInvoiceTest, TheDateOfSupplyIsKeptAndTaxForAReverseChargeCustomerIsQuestioned) {
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TInvoice>({[](TInvoice* inv) {
    EXPECT_FALSE(inv->MaskEdit8->isVisible()) << "no VAT identifier: the window as it was";
    inv->BtnCancel->click();
  }});
  editInvoices();

  SellerDetails seller = GermanSeller();
  seller.finalInvoices = true;
  ASSERT_TRUE(WriteSellerDetails(seller));
  BuyerDetails buyer = GermanBuyer(7);
  buyer.vatId = "FR12345678901";
  buyer.vatTreatment = "AE";
  ASSERT_TRUE(WriteBuyerDetails(buyer));
  addItem(1, "C", 1, 3);
  CloseAll();
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TItemDef>({[](TItemDef* d) {
    d->CheckBox2->setChecked(true);
    d->BtnSave->click();
  }});
  steps<TInvoice>({[this](TInvoice* inv) {
    ASSERT_TRUE(inv->MaskEdit8->isVisible());
    EXPECT_EQ(inv->MaskEdit8->text(), "03/01/26") << "the invoice's date until another is set";
    inv->MaskEdit8->setDate(DateFromQDate(QDate(2026, 2, 20)));
    openItemOnRow(inv, 3);
    const QString question = "Customer 7 is invoiced without VAT (AE), but the item C carries tax: its "
                             "e-invoice will be refused. Save all the same?";
    ui.expectConfirm(Ui::Buttons::YesNo, question, false);
    inv->BtnSave->click();
    EXPECT_TRUE(inv->isVisible()) << "No: nothing saved, the window stays";
    ui.expectConfirm(Ui::Buttons::YesNo, question, true);
    inv->BtnSave->click();
  }});
  editInvoices();
  EXPECT_EQ(stateOf(1).supplied, DateFromQDate(QDate(2026, 2, 20)));
  EXPECT_FALSE(stateOf(1).isIssued());
}

TEST_F(IssuedInvoiceTest, TheStateSpeaksGermanAndFrench) {
  CurrentInvoice = InvoiceRecord();
  CurrentInvoiceRec = 0;
  {
    DocumentLanguage german("de");
    TInvoice inv;
    EXPECT_EQ(inv.BtnIssue->text(), "Ausstellen");
    EXPECT_EQ(inv.BtnCreditNote->text(), "Rechnungskorrektur...");
  }
  DocumentLanguage french("fr");
  TInvoice inv;
  EXPECT_EQ(inv.BtnIssue->text(), QStringLiteral("Émettre"));
  EXPECT_EQ(inv.BtnCreditNote->text(), "Facture d'avoir...");
}

}  // namespace
