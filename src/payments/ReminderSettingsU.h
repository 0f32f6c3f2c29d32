// TReminderSettings, "Reminder Settings": each level's days past due, fee
// and own text (empty: the program's, in the customer's language), whether
// statutory default interest is charged, and the reference rates it is
// computed at: those the program ships with and those the user added or
// corrected (REFRATE). A shipped rate can be corrected, not removed. Save
// writes the seller's record (EINVSET) and the rates.
#ifndef PAYMENTS_REMINDERSETTINGSU_H
#define PAYMENTS_REMINDERSETTINGSU_H

#include "platform/FormDialog.h"

class QCheckBox;
class QLineEdit;
class QTableWidget;

class TReminderSettings : public EditorForm {
  Q_OBJECT
 public:
  explicit TReminderSettings(QWidget* parent = nullptr);

  QLineEdit* Edit1;  // days past due of the first level
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLineEdit* Edit4;  // fee of the first level
  QLineEdit* Edit5;
  QLineEdit* Edit6;
  QLineEdit* Edit7;  // own text of the first level
  QLineEdit* Edit8;
  QLineEdit* Edit9;
  QCheckBox* CheckBox1;        // statutory default interest on reminders
  QTableWidget* StringGrid1;   // reference rates: country, from, rate
  QPushButton* BtnAddRate;
  QPushButton* BtnRemoveRate;

 public slots:
  void FormShow() override;
  void BtnSaveClick() override;
  void BtnAddRateClick();
  void BtnRemoveRateClick();
};

#endif  // PAYMENTS_REMINDERSETTINGSU_H
