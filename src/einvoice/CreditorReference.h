// The ISO 11649 structured creditor reference of an invoice: "RF", two
// check digits and the invoice number in decimal without leading zeros
// (invoice 1007: RF + check + 1007). It is printed on invoices and bills,
// carried in the payment QR code's structured remittance and in the
// e-invoice as the remittance information (BT-83), and comes back on the
// bank statement, where it names the invoice a payment is for.
//
// It lives with the e-invoices, whose payment instructions it belongs to;
// the bank statement import (payments/) reads it from here.
#ifndef EINVOICE_CREDITORREFERENCE_H
#define EINVOICE_CREDITORREFERENCE_H

#include <QString>

// The reference of invoice number n (n > 0).
QString CreditorReference(long invoiceNumber);

// True when text (blanks ignored, letters of either case) is a creditor
// reference whose check digits are right: ISO 7064 mod 97-10 over the
// reference followed by "RF" and the check digits, letters as 10 to 35,
// equal to 1.
bool CreditorReferenceValid(const QString& text);

// The invoice number a valid reference names when its reference part is a
// whole number an invoice can have; 0 otherwise.
long InvoiceOfCreditorReference(const QString& text);

#endif  // EINVOICE_CREDITORREFERENCE_H
