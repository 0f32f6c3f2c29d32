// TLabelDef, "Label Definition": adds or changes one label stock (LABELS):
// its name, margins, label size and gaps in printer points, labels across
// and continuous feed. Works on the record CurrentLabelRec names (0: a new
// one); stock is never deleted.
#ifndef LABELS_LABELDEFU_H
#define LABELS_LABELDEFU_H

#include "platform/FormDialog.h"

class AmountBox;
class CountBox;
class QCheckBox;
class QLineEdit;

class TLabelDef : public EditorForm {
  Q_OBJECT
 public:
  explicit TLabelDef(QWidget* parent = nullptr);

  QLineEdit* Edit1;
  // Top, left, bottom and right margin, width, height, horizontal and
  // vertical gap.
  AmountBox *MaskEdit1, *MaskEdit2, *MaskEdit3, *MaskEdit4, *MaskEdit5, *MaskEdit6,
      *MaskEdit7, *MaskEdit8;
  CountBox* MaskEdit9;  // labels across
  QCheckBox* CheckBox1;

 public slots:
  void FormShow() override;
  void BtnSaveClick() override;

 private:
  AmountBox* dimension(int i) const;
  // A warning when the stock cannot be printed on the current printer; the
  // stock is saved all the same.
  void WarnWhenUnprintable();
};

#endif  // LABELS_LABELDEFU_H
