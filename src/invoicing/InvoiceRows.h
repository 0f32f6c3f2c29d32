// What the invoice pick list shows of INV5, without widgets: the texts of a
// row, the customer of an invoice and the key a typed number is sought by.
// INV5 and CUST5 are open.
#ifndef INVOICING_INVOICEROWS_H
#define INVOICING_INVOICEROWS_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// The current INV5 record read into CurrentInvoice, and its row: number
// right-aligned in six characters, date in the short date format, and the
// card or check text as stored, or "< DELETED >" for a record marked deleted.
QStringList InvoiceRowTexts();
// First and last name of the customer of INV5 record recNo (CUST5 on its
// tag CCNO afterwards); a null string when there is no such customer.
QString InvoiceCustomerName(long recNo);
// The Inv key of a typed invoice number: trimmed, right-aligned in six
// characters; empty when nothing was typed.
QByteArray InvoiceSeekKey(const QString& typed);

#endif  // INVOICING_INVOICEROWS_H
