// TPurDef, "Inventory Purchase Definition": adds, changes and deletes the
// purchase named by CurrentPurchaseRec (> 0 a record, otherwise a new one,
// dated today, appended only when saved). The product is chosen with the
// "Product" button through the product pick list (new products allowed);
// saving makes the product chosen during this showing an inventory item and
// changes nothing else of it, its quantity on hand included. Afterwards
// CurrentPurchaseRec holds the saved or deleted record; cancelling a new
// purchase leaves it 0, which ends the purchase loop.
#ifndef PRODUCTS_PURDEFU_H
#define PRODUCTS_PURDEFU_H

#include "platform/FormDialog.h"

class AmountBox;
class DateBox;
class QLineEdit;
class QPushButton;

class TPurDef : public EditorForm {
  Q_OBJECT

 public:
  explicit TPurDef(QWidget* parent = nullptr);

  QPushButton* BtnProd;
  QLineEdit* Edit1;      // product code, read-only
  DateBox* MaskEdit1;    // date acquired
  AmountBox* MaskEdit2;  // quantity
  AmountBox* MaskEdit3;  // total cost

  // The product record chosen with "Product" during this showing; 0 for none.
  int chosenProduct() const { return chosenProduct_; }

 public slots:
  void FormShow() override;
  void BtnProdClick();
  void BtnSaveClick() override;
  void BtnDeleteClick() override;

 private:
  int chosenProduct_ = 0;
};

#endif  // PRODUCTS_PURDEFU_H
