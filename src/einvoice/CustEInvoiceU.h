// TCustEInvoice, "Customer E-Invoice Details": what an e-invoice needs of
// one customer beyond the customer's record (CUSTEI): country, city, street
// when the address lines do not give it plainly, VAT identifier, the buyer
// reference (the German Leitweg-ID) and the electronic address; and the
// language of the customer's documents (CUSTLANG).
//
// Input: customer, the customer's number, and buyerName, the name its
// e-invoices carry (set before showing).
#ifndef EINVOICE_CUSTEINVOICEU_H
#define EINVOICE_CUSTEINVOICEU_H

#include "platform/FormDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;

class TCustEInvoice : public EditorForm {
  Q_OBJECT
 public:
  explicit TCustEInvoice(QWidget* parent = nullptr);

  long customer = 0;
  QString buyerName;

  QLabel* LabelBuyer;  // the buyer's name as e-invoices carry it

  QLineEdit* Edit1;  // country
  QLineEdit* Edit2;  // city
  QLineEdit* Edit3;  // street (empty: the second address line)
  QLineEdit* Edit4;  // VAT identifier
  QLineEdit* Edit5;  // buyer reference
  QLineEdit* Edit6;  // electronic address
  QLineEdit* Edit7;  // its scheme
  QComboBox* CmbDocLanguage;  // the user's language (no code), then each language by its name
  QComboBox* CmbVatTreatment;  // domestic, AE, K, G
  QLineEdit* Edit8;  // SIREN

 public slots:
  void FormShow() override;
  void BtnSaveClick() override;
};

#endif  // EINVOICE_CUSTEINVOICEU_H
