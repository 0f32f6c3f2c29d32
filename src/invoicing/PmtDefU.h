// TPmtDef, "Payment": edits one payment of the invoice in hand (date and
// amount). The invoice editor and the payment pick list fill the controls
// and read them back; the dialog touches no table. PmtDefResult tells how it
// was closed: 1 Save, 2 Delete, 3 Cancel (also the close box).
#ifndef INVOICING_PMTDEFU_H
#define INVOICING_PMTDEFU_H

#include <QDialog>

class AmountBox;
class DateBox;
class QPushButton;

extern int PmtDefResult;

class TPmtDef : public QDialog {
  Q_OBJECT

 public:
  explicit TPmtDef(QWidget* parent = nullptr);

  DateBox* MaskEdit1;    // date paid
  AmountBox* MaskEdit2;  // amount "%10.2f"
  QPushButton* BtnSave;
  QPushButton* BtnDelete;
  QPushButton* BtnCancel;

 public slots:
  void FormShow();
  void BtnSaveClick();
  void BtnDeleteClick();
  void BtnCancelClick();

 protected:
  void showEvent(QShowEvent* event) override;
};

#endif  // INVOICING_PMTDEFU_H
