// TPickProd, "PickProd": the grid pick list of Prod5 in the order of the
// tag the caller selected (the product command and the purchase editor use
// Prod, the upper-cased code): code, description and unit price; a deleted
// product shows "<DELETED>" in place of its price. Result in
// CurrentProductRec.
#ifndef PRODUCTS_PICKPRODU_H
#define PRODUCTS_PICKPRODU_H

#include "picklists/PickGrid.h"

class TPickProd : public PickGridForm {
  Q_OBJECT

 public:
  explicit TPickProd(QWidget* parent = nullptr);

 protected:
  DATA4* table() const override;
  int& currentRecord() const override;
  QList<Column> columns() const override;
  QStringList rowTexts() override;
};

#endif  // PRODUCTS_PICKPRODU_H
