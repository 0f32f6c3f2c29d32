// TPickLab, "PickLab": the list-box pick list of the label stock in name
// order (tag Labels). Result in CurrentLabelRec.
#ifndef LABELS_PICKLABELU_H
#define LABELS_PICKLABELU_H

#include "picklists/PickList.h"

class TPickLab : public PickListForm {
  Q_OBJECT
 public:
  explicit TPickLab(QWidget* parent = nullptr);

 protected:
  DATA4* table() const override;
  const char* tagName() const override;
  int& currentRecord() const override;
  QString readName() override;
};

#endif  // LABELS_PICKLABELU_H
