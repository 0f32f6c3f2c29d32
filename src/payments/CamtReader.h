// Bank statements as the banks deliver them: ISO 20022 camt.053 (the
// statement), camt.052 (the intraday report) and camt.054 (the notification),
// versions .001.02 to .001.08 (the namespace decides), read into a model.
// Nothing in the file is trusted: a DTD (and so any entity) is refused, the
// file is at most 64 MB and 64 elements deep, and an amount, a date or an
// indicator that cannot be read makes the statement unreadable.
#ifndef PAYMENTS_CAMTREADER_H
#define PAYMENTS_CAMTREADER_H

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include "einvoice/EInvoice.h"

// One transaction of an entry (TxDtls): a payment as the payer made it.
struct BankTransaction {
  Cents amount = 0;      // its own amount, else the entry's
  QString currency;
  QString endToEndId;    // Refs/EndToEndId
  QString reference;     // RmtInf/Strd/CdtrRefInf/Ref: the structured creditor reference
  QString text;          // RmtInf/Ustrd, the lines joined by blanks
  QString payer;         // RltdPties/Dbtr's name
};

// One entry of the statement (Ntry).
struct BankEntry {
  Cents amount = 0;
  QString currency;
  bool credit = false;   // CdtDbtInd CRDT (else DBIT)
  bool reversal = false; // RvslInd true
  bool booked = false;   // Sts BOOK
  QDate bookingDate;     // BookgDt
  QString accountServicerRef;  // AcctSvcrRef: the bank's own reference of the entry
  QList<BankTransaction> transactions;  // at least one: the entry itself when it has no details
};

struct BankStatement {
  QString kind;          // "camt.053.001.08" ...
  QString account;       // the IBAN of the statement's account
  QString currency;      // the account's currency (Acct/Ccy), where given
  QList<BankEntry> entries;
};

struct CamtRead {
  bool ok = false;
  QString error;         // why not, one sentence
  BankStatement statement;
};

CamtRead ReadCamt(const QByteArray& bytes);

#endif  // PAYMENTS_CAMTREADER_H
