// The checks a recipient makes of an e-invoice it has read, without code
// lists of its own: the EN 16931 business rules on the mandatory terms
// (BR-01..BR-16, the lines BR-21..BR-28, allowances and charges
// BR-31..BR-44, the VAT breakdown BR-45..BR-48, BR-CO-04/09/18/25/26), the
// arithmetic (BR-CO-10..BR-CO-16, each line's net, the VAT breakdown per
// category and rate: BR-S/Z/E/AE/IC/G/O -01, -05..-10) and the formats of
// dates, amounts and codes (our own TB- rules). Money is compared in whole
// cents, sums exactly. A VAT amount off base x rate by up to the rules'
// tolerance (one currency unit, room for rounding each line) is a warning,
// more is fatal; a line's net off quantity x price is a warning only.
#ifndef RECEIVING_RECEIVEDCHECKS_H
#define RECEIVING_RECEIVEDCHECKS_H

#include <QList>
#include <QString>

struct ReceivedInvoice;

struct ReceivedFinding {
  QString rule;   // "BR-CO-15", "TB-LINE-NET"
  bool fatal = true;
  QString text;   // one sentence in the user's language

  bool operator==(const ReceivedFinding&) const = default;
};

// In the order of the rules above; empty for an invoice with nothing to say.
QList<ReceivedFinding> CheckReceived(const ReceivedInvoice& invoice);

// Whether any finding is fatal.
bool AnyFatal(const QList<ReceivedFinding>& findings);

#endif  // RECEIVING_RECEIVEDCHECKS_H
