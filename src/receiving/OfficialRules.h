// The official validation rules on a received e-invoice, where Debian's
// Saxon HE and a Java runtime are installed: the EN 16931 rules of its
// syntax (CII or UBL), and XRechnung's or Peppol's where the invoice's
// customization identifier (BT-24) names them, as compiled Schematron that
// ships with the program. Each failed assertion becomes a finding with its
// rule id, fatal when the rule says so, in the rules' own words (English).
// The XML given has passed the guard (no document type, bounded), so the
// rules read nothing outside it.
#ifndef RECEIVING_OFFICIALRULES_H
#define RECEIVING_OFFICIALRULES_H

#include <QByteArray>
#include <QList>
#include <QString>

#include "receiving/ReceivedChecks.h"

struct ReceivedInvoice;
struct ReceivedRead;

struct OfficialRulesRun {
  bool ran = false;
  QString why;  // not ran: what is missing or what went wrong
  QList<ReceivedFinding> findings;
};

// True when Java, Saxon HE and the rule sets are there.
bool OfficialRulesAvailable(QString* why = nullptr);
// The rule sets for invoice, run on xml (about two seconds for each: one
// Java start).
OfficialRulesRun RunOfficialRules(const QByteArray& xml, const ReceivedInvoice& invoice);
// Our own checks, then the official rules' findings where asked for (a
// warning TB-OFFICIAL says why when they could not run); a rule our own
// checks report already is given once, in our words.
QList<ReceivedFinding> ReceivedFindings(const ReceivedRead& read, bool officialRules);

#endif  // RECEIVING_OFFICIALRULES_H
