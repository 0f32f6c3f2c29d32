// TQuote, "Quote": creates, changes and deletes one quote (customer,
// dates, department, lines with products, the two charge lines, the memo;
// no payments), prints and mails it, and makes its invoice. Nothing reaches
// the tables until Save; an invoiced quote is shown read-only.
//
// Input: CurrentQuoteRec, > 0 the QUOTE record to edit, otherwise a new
// quote. The quote loop has opened CUST5, GROUPS, Prod5, the invoice
// tables and the quote tables.
#ifndef QUOTES_QUOTEU_H
#define QUOTES_QUOTEU_H

#include <QDialog>

#include "data/QuoteRecords.h"
#include "invoicing/InvoiceMath.h"

class AmountBox;
class DateBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class TItemDef;

extern int CurrentQuoteRec;

class TQuote : public QDialog {
  Q_OBJECT

 public:
  explicit TQuote(QWidget* parent = nullptr);

  // The customer editor and the line-item dialog (not owned).
  void useWindows(QDialog* customerEditor, TItemDef* itemDef);

  QPushButton* BtnCust;
  QPushButton* BtnCustEdit;
  QPlainTextEdit* Memo1;  // the customer's address block, read-only
  QLineEdit* Edit1;       // quote number, read-only
  DateBox* MaskEdit1;     // quote date
  DateBox* MaskEdit2;     // valid until
  QLineEdit* Edit2;       // department
  QComboBox* ComboBox1;   // open, accepted, declined
  QTableWidget* StringGrid1;
  QPushButton* BAddItm;
  QPushButton* BEditItm;
  AmountBox* MaskEdit3;  // subtotal
  AmountBox* MaskEdit4;  // charge line 1
  AmountBox* MaskEdit5;  // charge line 2
  AmountBox* MaskEdit6;  // total
  QLabel* Label5;        // charge line 1's name
  QLabel* Label6;        // charge line 2's name
  QPlainTextEdit* Memo2;  // the quote's memo
  QLabel* LabelState;     // the invoice it became
  QPushButton* BtnMakeInvoice;
  QPushButton* BtnEMail;
  QPushButton* BtnSave;
  QPushButton* BtnPrint;
  QPushButton* BtnDelete;
  QPushButton* BtnCancel;
  QPushButton* BitBtn1;  // help

 public slots:
  void FormShow();
  void BtnCustClick();
  void BtnCustEditClick();
  void BAddItmClick();
  void BEditItmClick();
  void MaskEdit4Exit();
  void MaskEdit5Exit();
  void BtnSaveClick();
  void BtnPrintClick();
  void BtnEMailClick();
  void BtnMakeInvoiceClick();
  void BtnDeleteClick();
  void BtnCancelClick();

 public:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildForm();
  void showQuote();
  void showCustomer();
  // The charge lines computed again from the lines (line 1 too with
  // recomputeLine1), then the totals.
  void computeCharges(bool recomputeLine1);
  void showTotals();
  // The controls into quote_; false after saying so when a date or amount
  // cannot be read.
  bool readControls();
  // Writes the quote; false after saying why it could not.
  bool save();
  // The working copy as the controls show it, to compare with the same at
  // the showing.
  QString workingState() const;

  QDialog* customerEditor_ = nullptr;
  TItemDef* itemDef_ = nullptr;
  QuoteRecord quote_;
  QList<ItemRow> items_;
  QString loadedState_;
};

#endif  // QUOTES_QUOTEU_H
