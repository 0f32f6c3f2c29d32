// TInvoice, "Invoice": creates, changes and deletes one invoice through the
// working copy (CurrentInvoice, ItemList, PaymentList, CustomerAddress);
// nothing reaches the tables until Save, and Cancel discards the copy.
//
// Input: CurrentInvoiceRec, > 0 the INV5 record to edit, otherwise a new
// invoice. On return CurrentInvoiceRec is unchanged after Cancel or after
// saving an existing invoice; the new record after saving a new invoice
// and answering No to "Add another invoice?"; the last invoice (0 when none
// is left) after Delete; 0 after cancelling a new invoice. A new invoice
// whose save stopped part-way already has its INV5 record: from then on
// CurrentInvoiceRec names it, so the next Save completes it in place.
//
// The invoice loop has opened CUST5, GROUPS, INV5, ITM5, PMT and Prod5.
#ifndef INVOICING_INVOICEU_H
#define INVOICING_INVOICEU_H

#include <QDialog>

#include "invoicing/InvoiceMath.h"
#include "invoicing/InvoiceSave.h"
#include "invoicing/InvoiceState.h"

class AmountBox;
class DateBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class TItemDef;
class TPickPmt;
class TPmtDef;
class TRepeat;

class TInvoice : public QDialog {
  Q_OBJECT

 public:
  explicit TInvoice(QWidget* parent = nullptr);

  // The windows the editor opens (not owned): the customer editor, the
  // line-item dialog, the payment dialog, the payment pick list and the
  // schedule of a repeating invoice.
  void useWindows(QDialog* customerEditor, TItemDef* itemDef, TPmtDef* pmtDef, TPickPmt* pickPmt,
                  TRepeat* repeat = nullptr);

  QPushButton* BtnCust;
  QPushButton* BtnCustEdit;
  QPlainTextEdit* Memo1;  // the customer's address block, read-only
  QLabel* Label12;
  QLineEdit* Edit4;  // the customer's note
  QLabel* Label1;
  QLineEdit* Edit1;  // invoice number, read-only
  QLabel* Label2;
  DateBox* MaskEdit1;  // invoice date
  QLabel* Label3;
  QLineEdit* Edit2;  // department
  QLabel* Label13;
  QLineEdit* Edit3;  // card or check text
  QPushButton* BtnExport;
  QTableWidget* StringGrid1;  // line items
  QFrame* ItemPanel;
  QLabel* Label10;
  QPushButton* BAddItm;
  QPushButton* BEditItm;
  QFrame* PaymentPanel;
  QLabel* Label11;
  QPushButton* BAddPmt;
  QPushButton* BEditPmt;
  QLabel* Label4;
  AmountBox* MaskEdit2;  // subtotal
  QLabel* Label5;
  AmountBox* MaskEdit3;  // charge line 1
  QLabel* Label6;
  AmountBox* MaskEdit4;  // charge line 2
  QLabel* Label7;
  AmountBox* MaskEdit5;  // total
  QLabel* Label8;
  AmountBox* MaskEdit6;  // payments
  QLabel* Label9;
  AmountBox* MaskEdit7;  // amount due
  QPlainTextEdit* Memo2;  // invoice note
  QPushButton* BtnSave;
  QPushButton* BtnPrint;
  QPushButton* BtnDelete;
  QPushButton* BtnCancel;
  QPushButton* BtnImport;
  QPushButton* BtnBatchLab;
  QPushButton* BtnEInvoice;
  QPushButton* BtnEMail;
  QPushButton* BitBtn1;  // help
  // Where issued invoices are final: the invoice's state, Issue and Credit
  // Note... (hidden otherwise).
  QLabel* LabelState;
  // Where the seller's e-invoicing details are set: the date of supply
  // (hidden otherwise).
  QLabel* Label14;
  DateBox* MaskEdit8;
  QPushButton* BtnIssue;
  QPushButton* BtnCreditNote;
  QPushButton* BtnRepeat;

 public slots:
  void FormShow();
  void NewInvoice();
  void ShowInvoice();
  void ShowCustomer();
  void BtnCustClick();
  void BtnCustEditClick();
  void BAddItmClick();
  void BEditItmClick();
  void StringGrid1DblClick();
  void BAddPmtClick();
  void BEditPmtClick();
  void MaskEdit1Exit();
  void Edit2Exit();
  void Edit3Exit();
  void Edit4Exit();
  void Memo2Exit();
  void MaskEdit3Exit();
  void MaskEdit4Exit();
  void BtnSaveClick();
  void BtnDeleteClick();
  void BtnPrintClick();
  void BtnCancelClick();
  void BtnImportClick();
  void BtnExportClick();
  void BtnBatchLabClick();
  void BtnEInvoiceClick();
  void BtnEMailClick();
  void BtnIssueClick();
  void BtnCreditNoteClick();
  void BtnRepeatClick();

 public:
  // Escape and the close button: as Cancel, after asking when the working
  // copy differs from what was loaded.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildForm();
  void connectHandlers();
  // Recomputes the computed charge lines (line 1 only with recomputeLine1).
  void ComputeTaxes(bool recomputeLine1);
  // Total and amount due after a charge line was typed.
  void ShowTotals();
  // Payments total and amount due.
  void ShowPayments();
  // Edits or deletes the item on the grid's current row.
  void EditItem();
  // The header fields of the window into CurrentInvoice; throws
  // ConversionError (CurrentInvoice unchanged) for a date or amount that
  // cannot be read.
  void copyControlsToInvoice();
  // At each showing and after a save or delete: the working lists and the
  // address block emptied, the grid back to its four blank rows.
  void clearWorkingCopy();
  void setItemRows(int rows);
  // True when the invoice shown has been saved; else says so.
  bool savedInvoiceShown() const;
  // Reads the invoice's state and shows it: an issued invoice's fields
  // read-only where issued invoices are final.
  void showState();
  // The fields an issued invoice keeps as issued, open or read-only; a
  // credit note in the making keeps its customer and takes no new items.
  void setContentEditable(bool editable);
  // Where issued invoices are final: true when the working copy is the
  // saved invoice as it stands in the tables; else says that it must be
  // saved first (why: the sentence to show).
  bool savedAsShown(const QString& why);
  // The hash of the working copy as the controls show it.
  QString workingHash();
  // The working copy whole (controls, items, payments), to compare with
  // the same taken when the invoice was loaded.
  QString workingState() const;
  QString loadedState_;
  // After a save: the invoice's state as the editor set it (a credit
  // note's kind and reference, the date of supply). False after saying so
  // when it could not be written.
  bool saveState(long ivNo);
  // Before a save: true when no item carries tax for a customer invoiced
  // without VAT, or the person saves all the same.
  bool taxFitsCustomer();

  QDialog* customerEditor_ = nullptr;
  TItemDef* itemDef_ = nullptr;
  TPmtDef* pmtDef_ = nullptr;
  TPickPmt* pickPmt_ = nullptr;
  TRepeat* repeat_ = nullptr;
  // The working sums: subtotal, total, payments total and amount due.
  InvoiceSums sums_;
  // The invoice in hand had no INV5 record when its editing began.
  bool isNew_ = false;
  // Writes Save and Delete; remembers a save that stopped part-way.
  InvoiceSaver saver_;
  // The state of the invoice in hand; the setting as it was read at the
  // showing; the invoice a new credit note corrects (0: none).
  InvoiceStateRecord state_;
  bool finalSetting_ = false;
  long creditOf_ = 0;
};

#endif  // INVOICING_INVOICEU_H
