// TTaxDef, "Tax Definition": the line labels and percentages of the two
// computed charge lines, whether tax 2 is charged on tax 1 and how computed
// tax is rounded. Save writes them into the in-memory settings and the
// settings record at once, so they are in effect immediately; Cancel
// changes nothing.
#ifndef PRODUCTS_DEFTAXU_H
#define PRODUCTS_DEFTAXU_H

#include "platform/FormDialog.h"

class AmountBox;
class QLineEdit;
class RadioGroup;

class TTaxDef : public EditorForm {
  Q_OBJECT

 public:
  explicit TTaxDef(QWidget* parent = nullptr);

  QLineEdit* Edit1;       // line label of computed tax 1 (ShipLine)
  AmountBox* MaskEdit1;   // its percentage
  QLineEdit* Edit2;       // line label of computed tax 2 (TaxLine)
  AmountBox* MaskEdit2;   // its percentage
  RadioGroup* RadioGroup1;  // tax 2 charged on tax 1: No, Yes, When Tax on Items
  RadioGroup* RadioGroup2;  // rounding: Normal, Up, Down

 public slots:
  void FormShow() override;
  void BtnSaveClick() override;

};

#endif  // PRODUCTS_DEFTAXU_H
