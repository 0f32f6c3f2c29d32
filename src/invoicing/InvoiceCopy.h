// A new invoice written from the content of another (a repeating
// schedule's invoice) or of a quote: customer, department, memo, items and
// a typed first charge line, dated on its day, with its charge lines and
// total computed again at today's settings.
//
// Made exactly once across a kill: the caller keeps the number before the
// copy is written; a run cut short finds the number, mends what a cut may
// have left (MendCutShortWrite) and writes the copy again in place.
//
// Preconditions: the invoice tables are open (OpenInvoiceTables).
#ifndef INVOICING_INVOICECOPY_H
#define INVOICING_INVOICECOPY_H

#include <QDate>
#include <QList>
#include <QString>

#include "data/dbFiles.h"

struct InvoiceContent {
  InvoiceRecord header;
  QList<ItemRecord> items;
};

// The invoice ivNo as INV5 and ITM5 hold it; false when there is none.
bool ReadInvoiceContent(long ivNo, InvoiceContent* content);
// The INV5 record of invoice ivNo, 0 when there is none.
int InvoiceRecordOf(long ivNo);
// The header of the copy numbered ivNo dated date: amounts at today's settings.
InvoiceRecord HeaderOfCopy(const InvoiceContent& content, long ivNo, QDate date);
// True when invoice ivNo is not there or is (the start of) the copy of
// content dated date: a number kept by a run cut short that no one took since.
bool IsCopyOf(long ivNo, const InvoiceContent& content, QDate date);
// Writes the copy numbered ivNo, over its INV5 record where one is there;
// the engine's message when it could not.
QString WriteInvoiceCopy(const InvoiceContent& content, long ivNo, QDate date);
// After a run cut short while it wrote a copy: a blank record left at the
// end of INV5 or ITM5 marked deleted, and the invoice indexes and that of
// the invoices' states written afresh (one may lack the record's new keys).
// The message when that failed.
QString MendCutShortWrite();

#endif  // INVOICING_INVOICECOPY_H
