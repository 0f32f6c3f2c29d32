// TEInvoicing, "E-Invoicing": the seller's details every e-invoice carries
// (EINVSET): legal name, address, VAT identifier and tax registration,
// electronic address, contact, bank account, currency, the VAT category of
// untaxed items with its exemption reason, payment terms and days to pay.
// Save checks what can be checked and writes the one record.
#ifndef EINVOICE_EINVOICINGU_H
#define EINVOICE_EINVOICINGU_H

#include "platform/FormDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class TEInvoicing : public EditorForm {
  Q_OBJECT
 public:
  explicit TEInvoicing(QWidget* parent = nullptr);

  QLineEdit* Edit1;   // legal name (empty: the letterhead's company name)
  QLineEdit* Edit2;   // street
  QLineEdit* Edit3;   // city
  QLineEdit* Edit4;   // postal code
  QLineEdit* Edit5;   // country
  QLineEdit* Edit6;   // VAT identifier
  QLineEdit* Edit7;   // tax registration
  QLineEdit* Edit8;   // electronic address
  QLineEdit* Edit9;   // its scheme
  QLineEdit* Edit10;  // contact
  QLineEdit* Edit11;  // phone
  QLineEdit* Edit12;  // e-mail
  QLineEdit* Edit13;  // IBAN
  QLineEdit* Edit14;  // BIC
  QLineEdit* Edit15;  // currency
  QComboBox* ComboBox1;  // untaxed items: Z, E or G
  QLineEdit* Edit16;  // exemption reason
  QLineEdit* Edit17;  // payment terms
  QLineEdit* Edit18;  // days to pay
  QLineEdit* Edit19;  // late-payment interest (French business invoices)
  QCheckBox* CheckBox2;  // the first charge line is a second VAT rate
  QCheckBox* CheckBox3;  // VAT paid on debits (France)
  QCheckBox* CheckBox1;  // issued invoices are final
  QLabel* LabelCompany;  // the letterhead's company name

 public slots:
  void FormShow() override;
  void BtnSaveClick() override;
};

#endif  // EINVOICE_EINVOICINGU_H
