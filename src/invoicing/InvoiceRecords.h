// The records of one invoice, without widgets: the next invoice number, the
// item and payment records of one invoice overwritten in place, and their
// removal; the steps InvoiceSave puts in order.
//
// Preconditions: INV5, ITM5 and PMT are open (the invoice loop opens them).
// An invoice's items (payments) are the ITM5 (PMT) records whose IvNo is its
// number, in the order of the tag Itm (Pmt), whose key is the number
// right-aligned in six characters.
#ifndef INVOICING_INVOICERECORDS_H
#define INVOICING_INVOICERECORDS_H

#include <QList>

#include "data/RecordSave.h"
#include "data/dbFiles.h"

// One above the highest invoice number in INV5 (tag Inv selected); 1 for an
// empty table. Gaps are never reused. INV5 is left on its last record.
long NextInvoiceNumber();
// The largest number an invoice can have (the width of IvNo).
long LargestInvoiceNumber();

// The working lists read into records (without their invoice number), before
// anything is written: a text that is not a number or a date throws
// ConversionError.
QList<ItemRecord> ItemRecordsOf(const QList<ItemRow>& rows);
QList<PaymentRecord> PaymentRecordsOf(const QList<PaymentRow>& rows);

// Writes the records, numbered ivNo, over the invoice's existing ones in tag order, appends
// those beyond them and marks the records left over deleted. A record that
// was marked deleted and is written again is recalled. Writing the same
// records again after an append failure neither duplicates nor loses one.
LinesWritten WriteItems(long ivNo, const QList<ItemRecord>& items);
LinesWritten WritePayments(long ivNo, const QList<PaymentRecord>& payments);

// Marks every item (payment) record of the invoice deleted; true when there was one.
bool DeleteItems(long ivNo);
bool DeletePayments(long ivNo);


// Writes the index files of INV5, ITM5 and PMT afresh from their records:
// after a save that stopped part-way, an index may have missed an update
// that the next save relies on. Throws like ThrowOnEngineError on failure.
void RebuildInvoiceIndexes();

// Reads and clears the engine's pending error; a failure (a file that could
// not be written) is thrown as std::runtime_error with the engine's message,
// after setting DeletionsPending so the command's closing pack rebuilds the
// indexes that may have missed an update.
void ThrowOnEngineError();

#endif  // INVOICING_INVOICERECORDS_H
