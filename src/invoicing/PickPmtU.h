// TPickPmt, "Select Payment": lists the payments of the invoice in hand
// (PaymentList) and opens the payment dialog on the chosen one, which then
// changes or removes it in the list. The list closes after each edit, so
// every edit starts again from the invoice's "Edit Paym't" button. It
// touches no table.
#ifndef INVOICING_PICKPMTU_H
#define INVOICING_PICKPMTU_H

#include "platform/FormDialog.h"

class QPushButton;
class QTableWidget;
class TPmtDef;

class TPickPmt : public FormDialog {
  Q_OBJECT

 public:
  explicit TPickPmt(QWidget* parent = nullptr);

  // The payment dialog the list opens (not owned).
  void usePaymentDialog(TPmtDef* pmtDef) { pmtDef_ = pmtDef; }

  QTableWidget* StringGrid1;
  QPushButton* BtnSelect;
  QPushButton* BtnCancel;

 public slots:
  void FormShow() override;
  void BtnSelectClick();
  void BtnCancelClick();
  void StringGrid1DblClick();
  // Edits or removes the payment on the grid's current row, then closes.
  void EditPayment();

 private:
  TPmtDef* pmtDef_ = nullptr;
};

#endif  // INVOICING_PICKPMTU_H
