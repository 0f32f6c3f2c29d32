// TPickCust, "Select Customer": the grid pick list of CUST5, by name or by
// company as the ByCust setting says, with the group of the highlighted
// customer beside the seek box. Result in CurrentCustomerRec.
#ifndef CUSTOMERS_PICKCUSTU_H
#define CUSTOMERS_PICKCUSTU_H

#include "picklists/PickGrid.h"

class QLabel;
class QLineEdit;

class TPickCust : public PickGridForm {
  Q_OBJECT

 public:
  explicit TPickCust(QWidget* parent = nullptr);

  QLabel* GroupLabel;
  QLineEdit* Edit2;  // the highlighted customer's group

 protected:
  DATA4* table() const override;
  int& currentRecord() const override;
  void selectTag() override;
  QList<Column> columns() const override;
  QStringList rowTexts() override;
  void showRowDetails(int row) override;
};

#endif  // CUSTOMERS_PICKCUSTU_H
