// TItemDef, "Invoice Line Item": shows one line item of the invoice in hand
// and lets the user change its descriptions, unit price, quantity and tax
// marks, or delete it. The invoice editor fills the controls before showing
// it and reads them back afterwards; the dialog touches no table.
// ItemDefResult tells how it was closed: 1 Save, 2 Delete, 3 Cancel (also
// the close box).
#ifndef INVOICING_ITEMDEFU_H
#define INVOICING_ITEMDEFU_H

#include "platform/FormDialog.h"

class AmountBox;
class QCheckBox;
class QLabel;
class QLineEdit;

extern int ItemDefResult;

class TItemDef : public EditorForm {
  Q_OBJECT

 public:
  explicit TItemDef(QWidget* parent = nullptr);

  QLineEdit* Edit1;  // product code, read-only
  QLineEdit* Edit2;  // description
  QLineEdit* Edit3;  // second description line
  AmountBox* MaskEdit1;  // unit price "%8.2f"
  AmountBox* MaskEdit2;  // quantity "%9.2f"
  AmountBox* MaskEdit3;  // line total "%10.2f", read-only
  QCheckBox* CheckBox1;  // the item bears charge line 1's tax
  QCheckBox* CheckBox2;  // the item bears charge line 2's tax

 public slots:
  void FormShow() override;
  void BtnSaveClick() override;
  void BtnDeleteClick() override;
  void BtnCancelClick() override;
  void MaskEdit1Exit();
  void MaskEdit2Exit();
  // Price times quantity into MaskEdit3 (a display aid; the invoice uses
  // the rounded line total).
  void UpdateTotal();

};

#endif  // INVOICING_ITEMDEFU_H
