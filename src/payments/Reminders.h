// Reminders (dunning): the overdue invoices by customer, each at the level
// its days past due call for (the seller's three levels, defaults 14, 28
// and 42 days after the due date, the invoice date plus the seller's days
// to pay), but only when that level is above the last one sent for it; one
// document per customer, in the customer's language, with the level's
// title and text, the invoices with their dues and days late, the level's
// fee, statutory default interest where the seller charges it (Germany
// base rate + 9 points between businesses, + 5 for consumers; France the
// ECB rate + 10) and the flat EUR 40 recovery fee for businesses, the
// total, and the payment reference and payment code of the oldest invoice.
// Once the document leaves the program (printed, saved, mailed) the levels
// are recorded (REMIND), so
// the next run proposes the next level; a paid invoice drops out.
#ifndef PAYMENTS_REMINDERS_H
#define PAYMENTS_REMINDERS_H

#include <QDate>
#include <QList>

#include <QString>

#include "data/EInvoiceDetails.h"
#include "einvoice/EInvoice.h"

class ReportLineSink;

struct OverdueInvoice {
  long number = 0;
  QDate date, dueDate;
  Cents due = 0;
  int daysLate = 0;
  int level = 0;        // 1 to 3
  Cents interest = 0;   // -1: not computed (the reference rate is not known)
};

struct CustomerReminder {
  long customer = 0;
  int level = 0;        // the highest of its invoices'
  bool business = false;
  QString name, email;  // the company, else the person; the address as stored
  QList<OverdueInvoice> invoices;  // oldest first
};

// A reminder's title at level (1 to 3), in the current document language.
QString ReminderTitle(int level);

// The level of an invoice days past due: 0 below the first level's days.
int ReminderLevel(int daysLate, const SellerDetails& seller);

// The reminders due as of asOf. Preconditions: the invoice tables are open
// (OpenInvoiceTables); REMIND exists.
QList<CustomerReminder> DueReminders(const QDate& asOf, const SellerDetails& seller);

// DueReminders(asOf), the tables opened and closed for it.
QList<CustomerReminder> RemindersDue(const QDate& asOf);

// The documents of DueReminders(asOf) into sink (`tallowby report
// reminders`, the "Reminders..." command); their levels are recorded once
// they are delivered. False, with *nothing saying so, when no reminder is
// due. Opens and closes the tables.
bool BuildReminders(const QDate& asOf, ReportLineSink& sink, QString* nothing);
// The documents of DueReminders(Clock::today()) in the report window.
void ShowReminders();

// One customer's reminder as a PDF file at path, the attachment of its
// e-mail; false when it could not be written whole. Its levels are not yet
// recorded: RecordRemindersSent does once the message is handed over.
bool SaveReminderPdf(const CustomerReminder& reminder, const QDate& asOf, const QString& path);
// Records the levels of reminder's invoices as sent today.
void RecordRemindersSent(const CustomerReminder& reminder);

#endif  // PAYMENTS_REMINDERS_H
