// TReminders, "Reminders": the reminders due today, one a customer, with
// its level, invoices and amount due. Show All puts every document in the
// report window (printed or saved there); E-Mail hands the highlighted
// customer's document as a PDF to the mail program; Settings opens the
// levels, fees, texts and reference rates.
#ifndef PAYMENTS_REMINDERSU_H
#define PAYMENTS_REMINDERSU_H

#include <QDialog>
#include <QList>

#include "payments/Reminders.h"

class QLabel;
class QPushButton;
class QTableWidget;

class TReminders : public QDialog {
  Q_OBJECT

 public:
  explicit TReminders(QWidget* parent = nullptr);

  QTableWidget* StringGrid1;
  QLabel* LabelNone;  // "No reminder is due."
  QLabel* LabelRate;  // interest charged, but a half-year's rate is missing
  QPushButton* BtnShow;
  QPushButton* BtnEMail;
  QPushButton* BtnSettings;
  QPushButton* BtnClose;

 public slots:
  void FormShow();
  void BtnShowClick();
  void BtnEMailClick();
  void BtnSettingsClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QList<CustomerReminder> reminders_;
};

#endif  // PAYMENTS_REMINDERSU_H
