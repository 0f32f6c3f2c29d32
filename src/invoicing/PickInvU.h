// TPickInv, "Select Invoice": the grid pick list of INV5 in invoice-number
// order (tag Inv): number, date and card or check text, "< DELETED >" for a
// record marked deleted. A six-digit seek box finds an invoice number (or
// the next higher one); the customer of the highlighted invoice shows below
// the grid. Result in CurrentInvoiceRec: the record chosen, 0 for New, -1
// for Cancel and for closing the window any other way.
#ifndef INVOICING_PICKINVU_H
#define INVOICING_PICKINVU_H

#include "picklists/PickGrid.h"

class QLabel;
class QLineEdit;

class TPickInv : public PickGridForm {
  Q_OBJECT

 public:
  explicit TPickInv(QWidget* parent = nullptr);

  QLabel* SeekInvoiceLabel;
  QLineEdit* MaskEdit1;  // seek box, six digits
  QLabel* Label1;
  QLineEdit* Edit2;  // the highlighted invoice's customer

 public slots:
  void MaskEdit1Change();

 protected:
  DATA4* table() const override;
  int& currentRecord() const override;
  void selectTag() override;
  QList<Column> columns() const override;
  QStringList rowTexts() override;
  void showRowDetails(int row) override;
  bool seek(const QString& text) override;

  void showEvent(QShowEvent* event) override;
};

#endif  // INVOICING_PICKINVU_H
