// TProdDef, "Product Definition": adds, changes and deletes the product
// named by CurrentProductRec (> 0 a record, otherwise a new product, which
// is appended only when it is saved). Codes are stored upper-cased and are
// unique. The quantity on hand is not edited: it is written back as read
// (0 for a new product). Afterwards CurrentProductRec holds the saved or
// deleted record, -1 after cancelling a new product, and is unchanged after
// cancelling an existing one. Deleting only marks the record and sets
// DeletionsPending; a product marked deleted stays so when it is saved.
#ifndef PRODUCTS_PRODDEFU_H
#define PRODUCTS_PRODDEFU_H

#include "platform/FormDialog.h"

class AmountBox;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

class TProdDef : public EditorForm {
  Q_OBJECT

 public:
  explicit TProdDef(QWidget* parent = nullptr);

  QLineEdit* Edit1;      // product code
  QLineEdit* Edit2;      // description
  QLineEdit* Edit3;      // second description line
  QLineEdit* Edit4;      // licence code
  AmountBox* MaskEdit1;  // unit price
  AmountBox* MaskEdit2;  // reorder level
  QCheckBox* CheckBox1;  // subject to computed tax 1, captioned by its line label
  QCheckBox* CheckBox2;  // subject to computed tax 2, captioned by its line label
  QCheckBox* CheckBox3;  // inventory item
  QPlainTextEdit* Memo1;  // product text printed at the bottom of invoices

 public slots:
  void FormShow() override;
  void BtnSaveClick() override;
  void BtnDeleteClick() override;

 protected:
  QString DiscardQuestion() const override;

 private:
  void showBuffer();
};

#endif  // PRODUCTS_PRODDEFU_H
