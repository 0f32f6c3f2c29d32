// The invoice editor run as the user runs it, from the invoice loop: the
// real invoice pick list, invoice editor, line-item and payment dialogs and
// the customer and product windows they reach, and the tables on disk
// checked afterwards (their indexes included).
#include "invoicing/InvoiceU.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cerrno>
#include <functional>

#include "data/CodeBase.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "invoicing/ItemDefU.h"
#include "invoicing/PickPmtU.h"
#include "invoicing/TestSupport.h"
#include "platform/Language.h"
#include "platform/DateBox.h"
#include "printing/RptUtil.h"
#include "tbengine/env.h"

namespace {

const QString kFirstInvoice = QStringLiteral("FIRST INVOICE");
const QString kAddAnother = QStringLiteral("Add another invoice?");
const QString kSureDelete = QStringLiteral("Are you sure you want to delete this invoice?");

class InvoiceEditorTest : public InvoicingTest {
 protected:
  // Invoices 1 and 2 of customer 7, the items A and B of invoice 1 around
  // the item X of invoice 2.
  static void addTwoInvoicesOfAbel() {
    addCustomer(7, "Abel");
    addInvoice(1, 7);
    addInvoice(2, 7);
    addItem(1, "A");
    addItem(2, "X");
    addItem(1, "B");
  }
  // Every file found before holds the same bytes.
  void expectBytesAsBefore(const QMap<QString, FileState>& before) const {
    const auto after = FolderFiles(dir.path());
    for (auto it = before.begin(); it != before.end(); ++it)
      EXPECT_EQ(after[it.key()].bytes, it.value().bytes) << it.key().toStdString();
  }
  static void editItemOnRow(TInvoice* inv, int row) {
    inv->StringGrid1->setCurrentCell(row - 1, 0);
    inv->BEditItm->click();
  }
  static void pressDelete(TItemDef* d) { d->BtnDelete->click(); }
  static std::function<void(TItemDef*)> saveQuantity(double qty) {
    return [qty](TItemDef* d) {
      d->MaskEdit2->setValue(qty);
      d->BtnSave->click();
    };
  }
  static std::function<void(TPmtDef*)> savePayment(double amount) {
    return [amount](TPmtDef* d) {
      d->MaskEdit2->setValue(amount);
      d->BtnSave->click();
    };
  }
};

// ---- Numbering --------------------------------------------------------------

TEST_F(InvoiceEditorTest, FirstInvoiceTakesTheNumberAskedForAndTheNextCountsOn) {
  addCustomer(7, "Abel");
  steps<TPickInv>({[](TPickInv* p) {
    EXPECT_EQ(p->StringGrid1->rowCount(), 0);
    EXPECT_FALSE(p->BtnSelect->isEnabled());
    p->BtnNew->click();
  }});
  steps<TPickCust>({chooseRow<TPickCust>(1)});
  steps<TInvoice>({[this](TInvoice* inv) {
    EXPECT_EQ(inv->Edit1->text(), "     1");
    EXPECT_EQ(inv->MaskEdit1->text(), "03/15/26");
    inv->BtnCust->click();
    ui.expectInput(kFirstInvoice, "1000");
    ui.expectConfirm(Ui::Buttons::YesNo, kAddAnother, true);
    inv->BtnSave->click();
    EXPECT_EQ(ui.lastInputPrompt(), "What invoice number would you like to start with?");
    EXPECT_EQ(ui.lastInputDefault(), "1");
    // The window goes on with a fresh invoice and no customer.
    EXPECT_EQ(inv->Edit1->text(), "  1001");
    EXPECT_TRUE(inv->Memo1->toPlainText().isEmpty());
    inv->BtnCancel->click();
  }});
  editInvoices();
  EXPECT_EQ(CurrentInvoiceRec, 0) << "cancelling the new invoice ends the loop";
  EXPECT_EQ(invoices(), QStringList({"1000 c7 0.00/0.00/0.00"}));
}

TEST_F(InvoiceEditorTest, FirstInvoiceNumberThatCannotBeStoredStartsAtOne) {
  addCustomer(7, "Abel");
  steps<TPickInv>({pressNew<TPickInv>, [](TPickInv* p) {
                     EXPECT_EQ(p->recordOfRow(p->currentRow()), 1) << "the invoice just written";
                     p->BtnCancel->click();
                   }});
  steps<TPickCust>({chooseRow<TPickCust>(1)});
  steps<TInvoice>({[this](TInvoice* inv) {
    inv->BtnCust->click();
    ui.expectInput(kFirstInvoice, "1000000");  // wider than the invoice number field
    ui.expectConfirm(kAddAnother, false);
    inv->BtnSave->click();
    EXPECT_EQ(CurrentInvoiceRec, 1) << "No: the invoice just written";
  }});
  editInvoices();
  EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/0.00"}));
}

// ---- Items written over in place -------------------------------------------

TEST_F(InvoiceEditorTest, SaveWithANumberTooWideForItsFieldWritesNothing) {
  addCustomer(7, "Abel");
  addInvoice(1, 7);
  addProduct("P", 2);
  const auto before = FolderFiles(dir.path());
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TPickProd>({chooseRow<TPickProd>(1)});
  steps<TItemDef>({[](TItemDef* d) {
    d->MaskEdit1->setValue(99999.99);   // the largest price the box takes
    d->MaskEdit2->setValue(999999.99);  // and quantity
    d->BtnSave->click();
  }});
  steps<TInvoice>({[this](TInvoice* inv) {
    inv->BAddItm->click();
    // The totals box shows the whole amount, every digit in view.
    const QString total = "99999989000.00";
    EXPECT_EQ(inv->MaskEdit5->text(), total);
    EXPECT_GE(inv->MaskEdit5->contentsRect().width(),
              inv->MaskEdit5->fontMetrics().horizontalAdvance(total));
    ui.expectMessage(Ui::Kind::Information,
                     "The number 99999989000.00 does not fit the field Due (12 characters, 2 "
                     "decimals). Nothing was saved.");
    inv->BtnSave->click();
    EXPECT_TRUE(inv->isVisible()) << "the working copy stays for a correction";
    inv->BtnCancel->click();
  }});
  editInvoices();
  EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/0.00"}));
  EXPECT_TRUE(items().isEmpty());
  EXPECT_EQ(FolderFiles(dir.path()), before) << "not one byte written";
}

TEST_F(InvoiceEditorTest, FewerItemsOverwriteTheFirstRecordsAndPackTheRest) {
  addCustomer(7, "Abel");
  addInvoice(1, 7);
  addInvoice(2, 7);
  for (const char* code : {"A", "B"}) addItem(1, code);
  addItem(2, "X");
  for (const char* code : {"C", "D", "E"}) addItem(1, code);
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TItemDef>({pressDelete, pressDelete, pressDelete});
  steps<TInvoice>({[](TInvoice* inv) {
    EXPECT_EQ(gridColumn(inv->StringGrid1, 0), QStringList({"A", "B", "C", "D", "E"}));
    editItemOnRow(inv, 1);  // A
    editItemOnRow(inv, 3);  // D
    editItemOnRow(inv, 3);  // E
    EXPECT_EQ(gridColumn(inv->StringGrid1, 0), QStringList({"B", "C", "", "", ""}))
        << "rows are only taken away by a save";
    inv->BtnSave->click();  // an existing invoice: the window closes
  }});
  editInvoices();
  EXPECT_EQ(items(), QStringList({"1 B 1.00x10.00", "1 C 1.00x10.00", "2 X 1.00x10.00"}));
}

TEST_F(InvoiceEditorTest, MoreItemsOverwriteTheExistingRecordsAndAppendTheRest) {
  addTwoInvoicesOfAbel();
  addProduct("P", 2.5, true);
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TPickProd>({chooseRow<TPickProd>(1), chooseRow<TPickProd>(1), chooseRow<TPickProd>(1)});
  steps<TItemDef>({saveQuantity(1), saveQuantity(2), saveQuantity(3)});
  steps<TInvoice>({[](TInvoice* inv) {
    for (int i = 0; i < 3; ++i) inv->BAddItm->click();
    EXPECT_EQ(inv->StringGrid1->rowCount(), 5) << "the grid grows with the items";
    EXPECT_EQ(gridColumn(inv->StringGrid1, 4).last(), "7.50 ft");
    inv->BtnSave->click();
  }});
  editInvoices();
  EXPECT_EQ(items(), QStringList({"1 A 1.00x10.00", "2 X 1.00x10.00", "1 B 1.00x10.00",
                                  "1 P 1.00x2.50 t2", "1 P 2.00x2.50 t2", "1 P 3.00x2.50 t2"}));
}

TEST_F(InvoiceEditorTest, InvoiceLeftWithoutItemsOrPaymentsLosesAllTheirRecords) {
  addTwoInvoicesOfAbel();
  addPayment(2, 5);
  addPayment(1, 20);
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TItemDef>({pressDelete, pressDelete});
  steps<TPickPmt>({chooseRow<TPickPmt>(1)});
  steps<TPmtDef>({[](TPmtDef* d) {
    EXPECT_TRUE(d->BtnDelete->isEnabled());
    EXPECT_EQ(d->MaskEdit1->text(), "03/02/26");
    d->BtnDelete->click();
  }});
  steps<TInvoice>({[](TInvoice* inv) {
    editItemOnRow(inv, 1);
    editItemOnRow(inv, 1);
    inv->BEditPmt->click();
    EXPECT_EQ(shown(inv->MaskEdit6), "0.00");
    inv->BEditPmt->click();  // no payment left: nothing opens
    inv->BtnSave->click();
  }});
  editInvoices();
  EXPECT_EQ(items(), QStringList({"2 X 1.00x10.00"}));
  EXPECT_EQ(payments(), QStringList({"2 20260302 5.00"}));
}

// ---- Delete and cancel -------------------------------------------------------

TEST_F(InvoiceEditorTest, DeletingTheInvoicePacksItsItemsPaymentsAndHeader) {
  addCustomer(7, "Abel");
  addInvoice(1, 7);
  addInvoice(2, 7);
  addItem(1, "A");
  addItem(2, "X");
  addPayment(1, 20);
  addPayment(2, 5);
  steps<TPickInv>({chooseRow<TPickInv>(1), [](TPickInv* p) {
                     EXPECT_EQ(p->StringGrid1->rowCount(), 10);
                     EXPECT_EQ(p->recordOfRow(1), 1) << "the remaining invoice, packed";
                     EXPECT_EQ(p->currentRow(), 1);
                     p->BtnCancel->click();
                   }});
  steps<TInvoice>({[this](TInvoice* inv) {
    ui.expectConfirm(Ui::Buttons::OkCancel, kSureDelete, false);
    inv->BtnDelete->click();
    EXPECT_TRUE(inv->isVisible()) << "Cancel keeps the invoice";
    EXPECT_EQ(ui.destructiveConfirmations(), QStringList({kSureDelete}))
        << "Enter alone does not delete";
    ui.expectConfirm(kSureDelete, true);
    inv->BtnDelete->click();
    EXPECT_EQ(CurrentInvoiceRec, 1);
  }});
  editInvoices();
  EXPECT_EQ(invoices(), QStringList({"2 c7 0.00/0.00/0.00"}));
  EXPECT_EQ(items(), QStringList({"2 X 1.00x10.00"}));
  EXPECT_EQ(payments(), QStringList({"2 20260302 5.00"}));
}

TEST_F(InvoiceEditorTest, DeletingAnInvoiceNeverSavedTouchesNoTable) {
  addCustomer(7, "Abel");
  addInvoice(1, 7);
  addItem(2, "Z");  // carries the number the new invoice previews
  const auto before = FolderFiles(dir.path());
  steps<TPickInv>({pressNew<TPickInv>, pressCancel<TPickInv>});
  steps<TInvoice>({[this](TInvoice* inv) {
    EXPECT_EQ(inv->Edit1->text(), "     2");
    ui.expectConfirm(kSureDelete, true);
    inv->BtnDelete->click();
    EXPECT_EQ(CurrentInvoiceRec, 1) << "the last invoice";
  }});
  editInvoices();
  expectBytesAsBefore(before);
}

TEST_F(InvoiceEditorTest, CancelAfterAddingItemsAndPaymentsWritesNothing) {
  addCustomer(7, "Abel");
  addInvoice(1, 7);
  addItem(1, "A");
  addProduct("P", 3);
  const auto before = FolderFiles(dir.path());
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TPickProd>({chooseRow<TPickProd>(1)});
  steps<TItemDef>({saveQuantity(2)});
  steps<TPmtDef>({savePayment(4)});
  steps<TInvoice>({[](TInvoice* inv) {
    inv->BAddItm->click();
    inv->BAddPmt->click();
    inv->Memo2->setPlainText("changed");
    EXPECT_EQ(shown(inv->MaskEdit2), "16.00");
    inv->BtnCancel->click();
  }});
  editInvoices();
  expectBytesAsBefore(before);
}

TEST_F(InvoiceEditorTest, EscapeAndCloseAskBeforeDiscardingAChangedInvoice) {
  addCustomer(7, "Abel");
  addInvoice(1, 7);
  addItem(1, "A");
  addProduct("P", 3);
  const QString question = QStringLiteral("Discard the changes to this invoice?");
  const auto before = FolderFiles(dir.path());
  steps<TPickInv>({chooseRow<TPickInv>(1), chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TPickProd>({chooseRow<TPickProd>(1)});
  steps<TItemDef>({saveQuantity(2)});
  steps<TInvoice>({[](TInvoice* inv) {
                     // As loaded: Escape closes without a word.
                     QTest::keyClick(inv, Qt::Key_Escape);
                     EXPECT_FALSE(inv->isVisible());
                   },
                   [&](TInvoice* inv) {
                     inv->BAddItm->click();
                     ui.expectConfirm(Ui::Buttons::YesNo, question, false);
                     QTest::keyClick(inv, Qt::Key_Escape);
                     EXPECT_TRUE(inv->isVisible());
                     EXPECT_EQ(inv->StringGrid1->item(1, 0)->text().trimmed(), "P");
                     ui.expectConfirm(question, true);
                     inv->close();
                     EXPECT_FALSE(inv->isVisible());
                   }});
  editInvoices();
  expectBytesAsBefore(before);
  EXPECT_EQ(ui.destructiveConfirmations(), QStringList({question, question})) << "No by default";
}

// ---- Payments ----------------------------------------------------------------

TEST_F(InvoiceEditorTest, PaymentsAddedChangedAndDeletedReachTheTableOnSave) {
  addCustomer(7, "Abel");
  addInvoice(1, 7);
  addItem(1, "A", 1, 100);
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TPmtDef>({
      [](TPmtDef* d) {
        EXPECT_FALSE(d->BtnDelete->isEnabled());
        EXPECT_EQ(d->MaskEdit1->text(), "03/15/26");
        d->BtnCancel->click();
      },
      savePayment(30),
      [](TPmtDef* d) {
        d->MaskEdit1->setText("04/01/26");
        d->MaskEdit2->setValue(20);
        d->BtnSave->click();
      },
      savePayment(-5),  // a refund, over the first payment
      [](TPmtDef* d) {
        EXPECT_EQ(d->MaskEdit2->text().trimmed(), "20.00");
        d->BtnCancel->click();
      },
  });
  steps<TPickPmt>({chooseRow<TPickPmt>(1), chooseRow<TPickPmt>(2)});
  steps<TInvoice>({[](TInvoice* inv) {
    inv->BAddPmt->click();  // cancelled
    EXPECT_EQ(shown(inv->MaskEdit6), "0.00");
    inv->BAddPmt->click();
    inv->BAddPmt->click();
    EXPECT_EQ(shown(inv->MaskEdit6), "50.00");
    EXPECT_EQ(shown(inv->MaskEdit7), "50.00");
    inv->BEditPmt->click();
    EXPECT_EQ(shown(inv->MaskEdit6), "15.00");
    EXPECT_EQ(shown(inv->MaskEdit7), "85.00") << "a refund raises the amount due";
    inv->BEditPmt->click();
    EXPECT_EQ(shown(inv->MaskEdit7), "85.00");
    inv->BtnSave->click();
  }});
  editInvoices();
  EXPECT_EQ(payments(), QStringList({"1 20260315 -5.00", "1 20260401 20.00"}));
  EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/85.00"}));
}


// ---- Customer ----------------------------------------------------------------

TEST_F(InvoiceEditorTest, InvoiceWithoutCustomerRefusesSavePrintAndCustomerEdit) {
  steps<TPickInv>({pressNew<TPickInv>});
  steps<TInvoice>({[this](TInvoice* inv) {
    ui.expectMessage(Ui::Kind::Information, "Customer selection required before saving.");
    inv->BtnSave->click();
    ui.expectMessage(Ui::Kind::Information, "Customer must be selected to print");
    inv->BtnPrint->click();
    ui.expectMessage(Ui::Kind::Information, "Customer not selected");
    inv->BtnCustEdit->click();
    // Without import folders, a card text or a customer, the buttons to
    // other programs say so and write nothing.
    ui.expectMessage(Ui::Kind::Information,
                     "Directories containing Info and Order files must be selected proir to "
                     "using the Import function. See Preferences/Import Dir's");
    ui.expectMessage(Ui::Kind::Information, "Improperly Formatted Credit Card Information");
    ui.expectMessage(Ui::Kind::Information, "Customer Not Selected");
    for (QPushButton* later : {inv->BtnImport, inv->BtnExport, inv->BtnBatchLab}) {
      EXPECT_TRUE(later->isVisibleTo(inv));
      later->click();
    }
    inv->BtnCancel->click();
  }});
  editInvoices();
  EXPECT_EQ(invoices(), QStringList());
  EXPECT_FALSE(QFile::exists("Batchin.dat"));
}

TEST_F(InvoiceEditorTest, CustomerNoteAndCustomerEditsReachTheCustomer) {
  AppendGroup({1, "Retail"});
  addCustomer(7, "Abel");
  addInvoice(1, 7);
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TCustomer>({[](TCustomer* c) {
    c->Edit4->setText("Able");
    c->BtnSave->click();
  }});
  steps<TInvoice>({[](TInvoice* inv) {
    EXPECT_EQ(inv->Memo1->toPlainText().split('\n').first().trimmed(), "Ann Abel");
    EXPECT_EQ(inv->Edit4->text(), "old note");
    inv->BtnCustEdit->click();
    EXPECT_EQ(inv->Memo1->toPlainText().split('\n').first().trimmed(), "Ann Able");
    inv->Edit4->setText("  new note ");
    inv->BtnSave->click();
  }});
  editInvoices();
  ASSERT_TRUE(OpenCUST5());
  ReadCustomer();
  CloseAll();
  EXPECT_EQ(CustBuf.last.trimmed(), "Able");
  EXPECT_EQ(CustBuf.note.trimmed(), "new note");
}

TEST_F(InvoiceEditorTest, PrintShowsTheWorkingCopyAndWritesNothing) {
  addCustomer(7, "Abel");
  addInvoice(1, 7);
  addItem(1, "A");
  const auto before = FolderFiles(dir.path());
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  QStringList printed;
  ui.onDialog<TReportF>([&](TReportF* r) {
    for (int i = 0; i < Report().lineCount(); ++i) printed << Report().line(i).join('|');
    r->reject();
  });
  steps<TInvoice>({[](TInvoice* inv) {
    inv->Edit3->setText("CHECK 1234");  // not saved
    inv->BtnPrint->click();
    EXPECT_TRUE(inv->isVisible());
    inv->BtnCancel->click();
  }});
  editInvoices();
  EXPECT_TRUE(printed.join('\n').contains("Item A"));
  EXPECT_TRUE(printed.join('\n').contains("CHECK 1234"));
  expectBytesAsBefore(before);
}

TEST_F(InvoiceEditorTest, TheEditorAndItsDialogsSpeakGermanAndFrench) {
  CurrentInvoice = InvoiceRecord();
  CurrentInvoiceRec = 0;
  {
    DocumentLanguage german("de");
    TInvoice inv;
    TItemDef item;
    TPickPmt payments;
    EXPECT_EQ(inv.windowTitle(), "Rechnung");
    EXPECT_EQ(inv.BAddItm->text(), QStringLiteral("Position hinzufügen"));
    EXPECT_EQ(inv.BEditPmt->text(), "Zahlung bearbeiten");
    EXPECT_EQ(inv.BtnBatchLab->text(), "Sammeletikett");
    EXPECT_EQ(inv.StringGrid1->horizontalHeaderItem(3)->text(), "Menge");
    EXPECT_EQ(item.windowTitle(), "Rechnungsposition");
    EXPECT_EQ(payments.windowTitle(), QStringLiteral("Zahlung auswählen"));
    ui.expectMessage(Ui::Kind::Information, QStringLiteral("Zum Drucken muss ein Kunde ausgewählt sein"));
    inv.BtnPrint->click();
  }
  DocumentLanguage french("fr");
  TInvoice inv;
  EXPECT_EQ(inv.BAddPmt->text(), "Ajouter un paiement");
  EXPECT_EQ(inv.BtnEInvoice->toolTip(), QStringLiteral("Enregistrer la facture comme facture électronique"));
  ui.expectMessage(Ui::Kind::Information,
                   QStringLiteral("Enregistrez la facture avant de l'envoyer comme facture électronique."));
  inv.BtnEInvoice->click();
}

// ---- Totals and taxes ----------------------------------------------------------

TEST_F(InvoiceEditorTest, ComputedTaxFollowsTheItemsAndTypedChargesStandUntilThen) {
  Settings().TaxRate1 = 0;
  Settings().TaxRate2 = 7;
  Settings().ShipTax = 1;
  Settings().TaxRound = 1;
  addCustomer(7, "Abel");
  addInvoice(1, 7);
  addProduct("N", 5);        // row 1 of the product list
  addProduct("T", 10, true);  // row 2, bears the second tax
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TPickProd>({chooseRow<TPickProd>(2), chooseRow<TPickProd>(1), chooseRow<TPickProd>(1)});
  steps<TItemDef>({saveQuantity(1), saveQuantity(1), [](TItemDef* d) { d->BtnCancel->click(); }});
  steps<TInvoice>({[](TInvoice* inv) {
    inv->BAddItm->click();
    inv->BAddItm->click();
    EXPECT_EQ(shown(inv->MaskEdit2), "15.00");
    EXPECT_EQ(shown(inv->MaskEdit4), "0.70");
    inv->MaskEdit3->setValue(4);  // shipping typed
    inv->MaskEdit3->leave();
    EXPECT_EQ(shown(inv->MaskEdit4), "0.70") << "shipping is not taxed";
    EXPECT_EQ(shown(inv->MaskEdit5), "19.70");
    Settings().ShipTax = 2;
    inv->MaskEdit3->leave();
    EXPECT_EQ(shown(inv->MaskEdit4), "0.98") << "now the tax is charged on shipping too";
    inv->MaskEdit4->setValue(9.99);  // typed over the computed tax
    inv->MaskEdit4->leave();
    EXPECT_EQ(shown(inv->MaskEdit5), "28.99");
    EXPECT_EQ(shown(inv->MaskEdit7), "28.99");
    inv->BAddItm->click();  // a product picked, its item cancelled: computed again
    EXPECT_EQ(shown(inv->MaskEdit4), "0.98");
    EXPECT_EQ(shown(inv->MaskEdit5), "19.98");
    inv->BtnSave->click();
  }});
  editInvoices();
  EXPECT_EQ(invoices(), QStringList({"1 c7 4.00/0.98/19.98"}));
  EXPECT_EQ(items(), QStringList({"1 T 1.00x10.00 t2", "1 N 1.00x5.00"}));
}

TEST_F(InvoiceEditorTest, ItemEditsKeepTheOrderAndAnEmptyRowOpensNothing) {
  addCustomer(7, "Abel");
  addInvoice(1, 7);
  for (const char* code : {"A", "B", "C"}) addItem(1, code, 1, 0.25);
  steps<TPickInv>({chooseRow<TPickInv>(1), pressCancel<TPickInv>});
  steps<TItemDef>({
      [](TItemDef* d) {
        EXPECT_EQ(d->Edit1->text(), "A");
        EXPECT_EQ(d->MaskEdit3->text().trimmed(), "0.25");
        d->MaskEdit2->setValue(-0.5);  // a credit line
        d->MaskEdit2->leave();
        EXPECT_EQ(d->MaskEdit3->text().trimmed(), "-0.13");
        EXPECT_TRUE(d->MaskEdit3->isRed());
        d->BtnSave->click();
      },
      pressDelete,  // B, the middle one
  });
  steps<TInvoice>({[](TInvoice* inv) {
    editItemOnRow(inv, 1);
    editItemOnRow(inv, 2);
    inv->StringGrid1->setCurrentCell(3, 0);  // below the items
    inv->StringGrid1DblClick();
    EXPECT_EQ(gridColumn(inv->StringGrid1, 0), QStringList({"A", "C", "", ""}));
    EXPECT_EQ(gridColumn(inv->StringGrid1, 4).first(), "-0.13 ff");
    EXPECT_EQ(shown(inv->MaskEdit2), "0.12");
    inv->BtnSave->click();
  }});
  editInvoices();
  EXPECT_EQ(items(), QStringList({"1 A -0.50x0.25", "1 C 1.00x0.25"}));
}

// ---- A save that stops part-way ----------------------------------------------

// The scripted driver, answering every prompt of a save instead of checking
// them: the first invoice number 1, No to "Add another invoice?"; the
// messages are kept.
class SaveRetryUi : public ScriptedUi {
 public:
  void message(Kind, const QString& text) override { messages << text; }
  bool confirm(Kind, Buttons, const QString&) override { return false; }
  bool input(const QString&, const QString&, QString* value) override {
    *value = "1";
    return true;
  }
  QStringList messages;
};

TEST_F(InvoiceEditorTest, SaveStoppedByAWriteFailureIsCompletedByTheNextSave) {
  addCustomer(7, "Abel");
  addProduct("P", 2);
  const auto fresh = FolderFiles(dir.path());
  tbengine::FaultEnv fault(tbengine::Env::Default());
  code4setEnv(cb, &fault);
  // However the test ends: the real files again, and the fixture's driver
  // once the one below is gone.
  struct Restore {
    Ui* ui;
    ~Restore() {
      code4setEnv(cb, nullptr);
      Ui::install(ui);
    }
  } restore{&ui};
  SaveRetryUi retryUi;
  bool itemsStage = false, paymentsStage = false;
  int runs = 0;
  // Every write of the save in turn (tables, memos and indexes) is the first
  // to fail, the disk being full from there on; then the disk has room
  // again and Save is pressed again.
  for (int failing = 1;; ++failing) {
    SCOPED_TRACE(failing);
    ++runs;
    RestoreFolderFiles(dir.path(), fresh);
    retryUi.messages.clear();
    bool savedAtOnce = false;
    retryUi.onDialog<TPickInv>([](TPickInv* p) {
      if (CurrentInvoiceRec == -1 && p->StringGrid1->rowCount() == 0) p->BtnNew->click();
      else p->BtnCancel->click();
    });
    retryUi.onDialog<TPickCust>([](TPickCust* p) { chooseRow<TPickCust>(1)(p); });
    retryUi.onDialog<TPickProd>([](TPickProd* p) { chooseRow<TPickProd>(1)(p); });
    retryUi.onDialog<TItemDef>([](TItemDef* d) { d->BtnSave->click(); });
    retryUi.onDialog<TPmtDef>([](TPmtDef* d) {
      d->MaskEdit2->setValue(1.5);
      d->BtnSave->click();
    });
    retryUi.onDialog<TInvoice>([&](TInvoice* inv) {
      inv->BtnCust->click();
      for (int i = 0; i < 3; ++i) inv->BAddItm->click();
      for (int i = 0; i < 2; ++i) inv->BAddPmt->click();
      fault.FailWritesAfter(failing, ENOSPC);
      inv->BtnSave->click();
      fault.Heal();
      savedAtOnce = !inv->isVisible();
      if (!savedAtOnce) {
        EXPECT_EQ(ItemList.size(), 3) << "the working copy stays whole";
        EXPECT_EQ(PaymentList.size(), 2);
        inv->BtnSave->click();
        EXPECT_FALSE(inv->isVisible());
      }
    });
    editInvoices();
    // What a failure left marked deleted, the invoice command packs when its
    // loop ends.
    if (DeletionsPending) PackAll();
    if (retryUi.messages.contains("Unable to add invoice Items at this time. Please try again later"))
      itemsStage = true;
    if (retryUi.messages.contains("Unable to add Payments at this time. Please try again later"))
      paymentsStage = true;
    for (const QString& m : retryUi.messages) EXPECT_FALSE(m.trimmed().isEmpty()) << "an empty message box";
    EXPECT_EQ(invoices(), QStringList({"1 c7 0.00/0.00/3.00"}));
    EXPECT_EQ(items(), QStringList({"1 P 1.00x2.00", "1 P 1.00x2.00", "1 P 1.00x2.00"}));
    EXPECT_EQ(payments(), QStringList({"1 20260315 1.50", "1 20260315 1.50"}));
    if (savedAtOnce || HasFailure()) break;
  }
  EXPECT_GT(runs, 50) << "a save of three items and two payments writes more than 50 times";
  EXPECT_TRUE(itemsStage);
  EXPECT_TRUE(paymentsStage);
}

}  // namespace
