// TPickPur, "PickPur": the grid pick list of Pur5 in the order of the tag
// the caller selected (the purchase command uses Pur: upper-cased product
// code, then date, so typing a code finds that product's earliest
// purchase): product code, date, quantity and total cost; a deleted purchase
// shows "<DELETED>" in place of its cost. Result in CurrentPurchaseRec.
#ifndef PRODUCTS_PICKPURU_H
#define PRODUCTS_PICKPURU_H

#include "picklists/PickGrid.h"

class TPickPur : public PickGridForm {
  Q_OBJECT

 public:
  explicit TPickPur(QWidget* parent = nullptr);

 protected:
  DATA4* table() const override;
  int& currentRecord() const override;
  QList<Column> columns() const override;
  QStringList rowTexts() override;
};

#endif  // PRODUCTS_PICKPURU_H
