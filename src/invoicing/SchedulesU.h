// TSchedules, "Repeating Invoices": every schedule with its invoice,
// interval, next date, invoices made and state; the highlighted one is
// changed (in the Repeat Invoice window), paused, resumed or ended, each
// written at once. The table is the folder's RECUR.
#ifndef INVOICING_SCHEDULESU_H
#define INVOICING_SCHEDULESU_H

#include <QDialog>
#include <QList>

#include "data/RecurringSchedules.h"

class QPushButton;
class QTableWidget;
class TRepeat;

class TSchedules : public QDialog {
  Q_OBJECT

 public:
  explicit TSchedules(QWidget* parent = nullptr);
  void useRepeatWindow(TRepeat* repeat) { repeat_ = repeat; }

  QTableWidget* StringGrid1;
  QPushButton* BtnChange;
  QPushButton* BtnPause;
  QPushButton* BtnResume;
  QPushButton* BtnEnd;
  QPushButton* BtnClose;

 public slots:
  void FormShow();
  void BtnChangeClick();
  void BtnPauseClick() { setState(QLatin1Char('P')); }
  void BtnResumeClick() { setState(QLatin1Char('A')); }
  void BtnEndClick() { setState(QLatin1Char('E')); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The highlighted schedule; nullptr when none is.
  ScheduleRecord* current();
  void setState(QChar state);
  // Writes s; says so when it could not be written.
  void store(ScheduleRecord& s);

  TRepeat* repeat_ = nullptr;
  QList<ScheduleRecord> schedules_;
};

// What the list and the editor say of a schedule's interval and state.
QString IntervalText(QChar every);
QString ScheduleStateText(QChar state);

#endif  // INVOICING_SCHEDULESU_H
