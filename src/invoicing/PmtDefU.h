// TPmtDef, "Payment": edits one payment of the invoice in hand (date and
// amount). The invoice editor and the payment pick list fill the controls
// and read them back; the dialog touches no table. PmtDefResult tells how it
// was closed: 1 Save, 2 Delete, 3 Cancel (also the close box).
#ifndef INVOICING_PMTDEFU_H
#define INVOICING_PMTDEFU_H

#include "platform/FormDialog.h"

class AmountBox;
class DateBox;

extern int PmtDefResult;

class TPmtDef : public EditorForm {
  Q_OBJECT

 public:
  explicit TPmtDef(QWidget* parent = nullptr);

  DateBox* MaskEdit1;    // date paid
  AmountBox* MaskEdit2;  // amount "%10.2f"

 public slots:
  void FormShow() override;
  void BtnSaveClick() override;
  void BtnDeleteClick() override;
  void BtnCancelClick() override;

};

#endif  // INVOICING_PMTDEFU_H
