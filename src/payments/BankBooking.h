// A bank statement booked as payments: every booked credit entry in the
// account's currency, each transaction of it matched to an open invoice
// (BankMatch), proposed to the person (or to the command), and booked as a
// payment of its invoice, whose amount due the invoice arithmetic then
// recomputes as the payment window does. The bank's reference of every
// booked entry is kept (BANKREF), so a statement imported again, or one
// that overlaps, books nothing twice.
//
// Preconditions: the engine is started on the data folder, the tables of
// an invoice are open (OpenInvoiceTables) and BANKREF exists (the program
// makes it at start).
#ifndef PAYMENTS_BANKBOOKING_H
#define PAYMENTS_BANKBOOKING_H

#include <QDate>
#include <QList>
#include <QString>

#include "payments/BankMatch.h"
#include "payments/CamtReader.h"

// One payment of the statement as it may be booked.
struct ProposedPayment {
  BankTransaction payment;
  QDate date;              // the entry's booking date
  QString bankReference;   // what BANKREF keeps
  PaymentMatch match;      // the invoice proposed (0: none) and why
  long invoice = 0;        // the invoice it is booked to: match.invoice unless changed; 0: not booked
  bool alreadyBooked = false;
};

struct StatementProposal {
  QList<ProposedPayment> payments;
  // The entries passed by (debits, reversals, not booked by the bank, in
  // another currency), one line each.
  QStringList passedBy;
};

// The open invoices of INV5 (a due above 0) with their customers' names.
OpenInvoices ReadOpenInvoices();

// The statement's payments, matched against open; currency is the seller's
// (EUR when none is set).
StatementProposal ProposeBookings(const BankStatement& statement, const QString& currency,
                                  const OpenInvoices& open);

struct BookingOutcome {
  bool ok = true;
  int booked = 0;
  QString error;           // when not ok: nothing of the statement was booked
};

// A booking cut short (the process killed part-way) is taken back whole
// before anything reads the invoices again: the payments and references it
// added are removed and the dues it changed restored. The text to show when
// that could not be done; empty when there was none or it was done.
QString UndoCutShortBooking();
// True when a booking's journal is left in the folder.
bool BookingWasCutShort();

// Books the payments whose invoice is set and that are not already booked,
// all or nothing: a failure part-way takes back what this call wrote, and
// a kill part-way is taken back by UndoCutShortBooking. A payment whose
// very payment (invoice, date, amount) is already in PMT without its
// reference (typed in by hand, say) only gets its reference.
BookingOutcome BookPayments(const QList<ProposedPayment>& payments);

#endif  // PAYMENTS_BANKBOOKING_H
