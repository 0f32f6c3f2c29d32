// The e-invoice commands of the windows: the format asked from a short menu
// (the last one chosen first), the invoice of the editor saved into a file
// or handed to the mail program, and chosen invoices saved into a folder
// with the progress box. Every failure is said in a message box; nothing
// half-written is left behind (see EInvoiceFiles.h).
//
// Preconditions: the tables of an invoice are open (OpenInvoiceTables).
#ifndef INVOICING_EINVOICEACTIONS_H
#define INVOICING_EINVOICEACTIONS_H

#include <QList>

#include "einvoice/EInvoiceBuild.h"

class QWidget;

// The format menu ("EInvoiceFormats", actions FacturX1, XRechnung1,
// Peppol1) at the mouse; false when dismissed. The choice is remembered.
bool AskEInvoiceFormat(QWidget* parent, EInvoiceFormat* format);

// The saved invoice on INV5 record rec as an e-invoice, into a file the
// person names. The working copy of an open editor is kept as it was.
void SaveEInvoiceOfRecord(QWidget* parent, int rec);
// The same into a temporary file, opened in the mail program on a message
// to the customer's e-mail address.
void MailEInvoiceOfRecord(QWidget* parent, int rec);

// The invoices numbered in invoices, one file each, into a folder the
// person picks; then what was written and what was refused.
void SaveEInvoicesIntoFolder(const QList<long>& invoices);

#endif  // INVOICING_EINVOICEACTIONS_H
