// TGroupDef, "Customer Group Definition": adds, renames and deletes the
// group named by CurrentGroupRec (> 0 a record, otherwise a new group).
// Deleting a group first moves its customers to a group the user picks.
// Afterwards CurrentGroupRec holds the saved record, 0 after a deletion, -1
// after cancelling a new group.
#ifndef CUSTOMERS_GROUPDEFU_H
#define CUSTOMERS_GROUPDEFU_H

#include "platform/FormDialog.h"

class QLabel;
class QLineEdit;

class TGroupDef : public EditorForm {
  Q_OBJECT

 public:
  explicit TGroupDef(QWidget* parent = nullptr);

  QLabel* Label1;
  QLineEdit* Edit1;  // group number, read-only
  QLabel* Label2;
  QLineEdit* Edit2;  // group name

 public slots:
  void FormShow() override;
  void BtnSaveClick() override;
  void BtnDeleteClick() override;

 private:
  // Gives every customer of group from the group to.
  static void MoveCustomers(int from, int to);
};

#endif  // CUSTOMERS_GROUPDEFU_H
