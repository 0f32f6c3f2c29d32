// TRepeat, "Repeat Invoice": the schedule of a repeating invoice, new from
// the invoice editor's "Repeat..." or changed from the list of schedules:
// the interval, the day of the month, the first date, an optional end date
// or number of invoices, and whether each new invoice is issued at once.
// Once a schedule has made an invoice, its interval, day and first date
// stay. The dialog writes nothing: the caller stores what it returns.
#ifndef INVOICING_REPEATU_H
#define INVOICING_REPEATU_H

#include <QDialog>

#include "data/RecurringSchedules.h"

class DateBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class TRepeat : public QDialog {
  Q_OBJECT

 public:
  explicit TRepeat(QWidget* parent = nullptr);

  // Shows s (its invoice, dates and choices); after Save, schedule() holds
  // what was chosen, the rest of s as it was.
  void setSchedule(const ScheduleRecord& s);
  const ScheduleRecord& schedule() const { return schedule_; }

  QLabel* Label1;         // which invoice repeats
  QComboBox* ComboBox1;   // weekly, monthly, quarterly, yearly
  QSpinBox* SpinBox1;     // the day of the month; 0: the first date's
  DateBox* MaskEdit1;     // the first date
  DateBox* MaskEdit2;     // the end date; blank: none
  QSpinBox* SpinBox2;     // how many invoices; 0: no limit
  QCheckBox* CheckBox1;   // issued at once
  QPushButton* BtnSave;
  QPushButton* BtnCancel;

 public slots:
  void BtnSaveClick();

 private:
  ScheduleRecord schedule_;
};

// The next date after date at the interval every: a new schedule's first.
QDate NextAfter(QChar every, QDate date);

#endif  // INVOICING_REPEATU_H
