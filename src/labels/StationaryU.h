// TStationary, "Stationery Setup": the letterhead of printed invoices,
// bills and statements (logo picture and its size, top margin, company and
// address lines, justification) and the closing and signature lines, all in
// the settings record. Save writes them at once, so the next document
// prints the new letterhead; Cancel changes nothing.
#ifndef LABELS_STATIONARYU_H
#define LABELS_STATIONARYU_H

#include "platform/FormDialog.h"

class AmountBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TStationary : public EditorForm {
  Q_OBJECT
 public:
  explicit TStationary(QWidget* parent = nullptr);

  QPushButton* BtnLogo;
  QLineEdit* Edit1;  // the logo file
  AmountBox *MaskEdit1, *MaskEdit2, *MaskEdit3;  // top margin, logo height and width
  QLineEdit *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8;
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3;

 public slots:
  void FormShow() override;
  void BtnLogoClick();
  void BtnSaveClick() override;

};

#endif  // LABELS_STATIONARYU_H
