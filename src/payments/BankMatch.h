// Which open invoice a payment from the bank is for, decided in four steps,
// stopping at the first that decides:
//   1. its structured creditor reference is an open invoice's;
//   2. an RF reference with valid check digits stands in its text;
//   3. an open invoice's number stands as a word in its text after a word
//      such as "Rechnung", "Invoice", "Facture", "Nr" or "No", and the
//      amount is not above that invoice's due (a cent of slack);
//   4. the amount is the due of exactly one open invoice of a customer
//      whose name is the payer's (case, accents, "&"/"und"/"et"/"and" and
//      legal-form words aside).
// A step that finds more than one invoice decides that the payment matches
// none: it is left for a person, with the reason.
#ifndef PAYMENTS_BANKMATCH_H
#define PAYMENTS_BANKMATCH_H

#include <QHash>
#include <QList>
#include <QString>

#include "payments/CamtReader.h"

// An invoice with something due.
struct OpenInvoice {
  long number = 0;
  Cents due = 0;
  QString customerName;  // the name the address block gives the customer
};

// The open invoices, indexed for the matching steps.
class OpenInvoices {
 public:
  void add(const OpenInvoice& invoice);
  const OpenInvoice* find(long number) const;
  // The invoices of customers whose name compares equal to name.
  QList<const OpenInvoice*> ofCustomerNamed(const QString& name) const;
  qsizetype size() const { return byNumber_.size(); }

 private:
  QHash<long, OpenInvoice> byNumber_;
  QHash<QString, QList<long>> byName_;
};

// A name as payers' and customers' names are compared: lower case, without
// accents, punctuation, "&", "und", "et", "and" and legal-form words (GmbH,
// AG, KG, SARL, SAS, SA, Ltd, Inc, ...).
QString ComparableName(const QString& name);

struct PaymentMatch {
  enum class Step { None, Reference, ReferenceInText, NumberInText, AmountAndName };
  Step step = Step::None;
  long invoice = 0;  // 0: no match
  QString reason;    // why it matched, or why not
};

PaymentMatch MatchPayment(const BankTransaction& payment, const OpenInvoices& open);

#endif  // PAYMENTS_BANKMATCH_H
