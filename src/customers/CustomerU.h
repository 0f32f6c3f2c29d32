// TCustomer, "Customer": adds, changes and deletes the customer named by
// CurrentCustomerRec (> 0 a record, otherwise a new customer). A new
// customer gets the next free number when it is saved. Afterwards
// CurrentCustomerRec holds the saved or deleted record, -1 after
// cancelling a new customer, and is unchanged after cancelling an existing
// one. Deleting only marks the record and sets DeletionsPending.
#ifndef CUSTOMERS_CUSTOMERU_H
#define CUSTOMERS_CUSTOMERU_H

#include "platform/FormDialog.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TCustomer : public EditorForm {
  Q_OBJECT

 public:
  explicit TCustomer(QWidget* parent = nullptr);

  QLineEdit* Edit1;   // customer number, read-only
  QLineEdit* Edit2;   // title
  QLineEdit* Edit3;   // first name
  QLineEdit* Edit4;   // last name
  QLineEdit* Edit5;   // address line 1 (the company when listing by company)
  QLineEdit* Edit6;   // address line 2
  QLineEdit* Edit7;   // address line 3
  QLineEdit* Edit8;   // address line 4
  QLineEdit* Edit9;   // postal code
  QLineEdit* Edit10;  // phone
  QLineEdit* Edit11;  // fax
  QLineEdit* Edit12;  // email
  QLineEdit* Edit13;  // note
  QLineEdit* Edit14;  // group name, read-only
  QPlainTextEdit* Memo1;  // comments
  QLabel* Label3;  // "Address" or "Company"
  QLabel* Label8;  // "Address" beside address line 2, in company mode only
  QPushButton* BtnGroup;
  QPushButton* BtnEInvoice;  // the customer's e-invoice details

 public slots:
  void FormShow() override;
  void BtnSaveClick() override;
  void BtnDeleteClick() override;
  void BtnGroupClick();
  void BtnEInvoiceClick();

 protected:
  QString DiscardQuestion() const override;

 private:
  void showBuffer();
  void showGroup();
  void copyControlsToBuffer();
};

#endif  // CUSTOMERS_CUSTOMERU_H
