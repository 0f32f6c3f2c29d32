// The invoices' states (INVSTATE, at most one record per invoice): whether
// an invoice has been issued, and then what it said; whether it is a credit
// note, and of which invoice; its date of supply. An invoice without a
// record is an ordinary invoice that has not been issued. The field names
// are a contract with other tools: IVNO KIND ISSUED REFNO HASH SUPPLIED.
//
// The table is opened on first use and stays open, like the other tables,
// until the command's CloseAll; a folder without it reads as one whose
// invoices have no state (nothing is written there).
#ifndef DATA_INVOICESTATES_H
#define DATA_INVOICESTATES_H

#include <QList>
#include <QString>
#include <QStringList>

#include "data/dbFiles.h"

struct InvoiceStateRecord {
  long ivNo = 0;               // IVNO
  QChar kind = QLatin1Char('I');  // KIND: I an invoice, C a credit note
  TDate issued = 0;            // ISSUED; 0: not issued
  long refNo = 0;              // REFNO: the invoice a credit note corrects
  QString hash;                // HASH: InvoiceContentHash as issued
  TDate supplied = 0;          // SUPPLIED; 0: the invoice date

  bool isCreditNote() const { return kind == QLatin1Char('C'); }
  bool isIssued() const { return issued > 0; }
};

// The record of invoice ivNo; an unissued invoice's (ivNo set) when it has
// none or the folder has no table of states.
InvoiceStateRecord ReadInvoiceState(long ivNo);
// Writes the record of state.ivNo, appending it when there is none. False
// when the folder has no table of states or it cannot be written.
bool WriteInvoiceState(const InvoiceStateRecord& state);
// Writes the table's index afresh (after a command was cut short while it
// wrote a state). True when there is no table.
bool RebuildInvoiceStatesIndex();
// Removes the record of invoice ivNo, if any (a deleted invoice's).
void RemoveInvoiceState(long ivNo);
// Every record in invoice-number order.
QList<InvoiceStateRecord> AllInvoiceStates();
// The credit notes that correct invoice refNo.
QList<long> CreditNotesOf(long refNo);
// Closes the table when this process opened it and nothing else holds it
// open for the command in hand (the report window's print after its
// builder closed the tables).
void CloseInvoiceStates();
// The handle let go with the other tables' (ForgetTableHandles).
void ForgetInvoiceStatesHandle();

// SHA-256, hex, of what an invoice says as issued: its number, customer,
// date, department and memo, its charge lines, and its items in order
// (product code, quantity, unit price, tax flags, description, comment);
// not the payments, the amount due or the card text, which change after
// issue. Numbers with their stored decimals, texts without trailing blanks,
// so the hash of the working copy and of the tables agree.
QString InvoiceContentHash(const InvoiceRecord& header, const QList<ItemRecord>& items);
// The same of invoice ivNo as INV5 and ITM5 hold it (both open); empty when
// INV5 has no such invoice.
QString StoredInvoiceHash(long ivNo);

// With the engine started on a folder: one line for every issued invoice
// whose content INV5 and ITM5 no longer hold as issued (changed by another
// program or by hand, or removed). Nothing when the folder has no states,
// or lacks INV5's or ITM5's index files (the start-up makes them).
QStringList ChangedIssuedInvoices();

#endif  // DATA_INVOICESTATES_H
