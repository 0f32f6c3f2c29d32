// The state of an invoice as every path asks it (the editor, the printing
// flow, the e-invoices, the batch commands; no window decides it):
// unissued, issued, final (issued while "Issued invoices are final" is
// set), a credit note of invoice N. With the setting off, no invoice is
// issued or final and everything behaves as in the earlier program.
//
// An invoice is issued the first time it leaves the program for the
// customer: printed or saved as a document, saved as an e-invoice, e-mailed,
// or by the editor's Issue. Issuing records the date and the hash of what it
// said (InvoiceContentHash); from then on its customer, date, department,
// items, charges and memo stay as they were, payments may still be added,
// and it is corrected by a credit note: a new invoice of the next number
// with the items' quantities negated.
//
// Preconditions: the engine is started on the data folder; the tables of an
// invoice are open where a function reads INV5 or ITM5.
#ifndef INVOICING_INVOICESTATE_H
#define INVOICING_INVOICESTATE_H

#include <QList>
#include <QString>

#include "data/InvoiceStates.h"

// The setting of the data folder (EINVSET FINAL); false where the folder has
// no e-invoice settings.
bool IssuedInvoicesAreFinal();

// The seller's e-invoicing details call for the legal text on invoices and
// the date of supply in the editor (InvoiceLegalText.h).
bool SellerShowsLegalText();
// The customer's VAT treatment (AE, K, G); empty for a domestic customer or
// where the folder has no e-invoice details.
QString CustomerVatTreatment(long cuno);

// Issues invoice ivNo, whose content as it went out hashes to hash, today,
// when the setting is on and it is not issued yet; a credit note keeps its
// kind and reference. False only when the state could not be written.
bool IssueInvoice(long ivNo, const QString& hash);
// The same for an invoice as the tables hold it (INV5 and ITM5 open).
bool IssueStoredInvoice(long ivNo);

// Why invoice ivNo may not be deleted; empty when it may. With the setting
// on an issued invoice is never deleted, and an unissued one only when it
// has the highest number (INV5 open), so that no number goes missing.
QString DeleteRefusal(long ivNo);

// Why a credit note with items may not be saved for invoice refNo (INV5 and
// ITM5 open); empty when it may: its quantities are not positive and, with
// the credit notes of refNo saved before (except itself, creditNo), it
// credits no item (product code and price) more than the invoice holds.
QString CreditNoteRefusal(long refNo, long creditNo, const QList<ItemRecord>& items);

// The memo of a new credit note, in the language in force: "Credit note for
// invoice 1007 of 12/01/26".
QString CreditNoteMemo(long refNo, TDate refDate);

// The editor's line on the invoice's state; empty for an unissued invoice
// that is no credit note.
QString StateLine(const InvoiceStateRecord& state, bool final);

#endif  // INVOICING_INVOICESTATE_H
