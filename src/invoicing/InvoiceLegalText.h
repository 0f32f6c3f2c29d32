// What a European invoice must say beside its amounts: the seller's legal
// name, address and tax identifiers, the buyer's identifiers, the date of
// supply, the taxable amount and the VAT of each rate and category with
// the reason of every untaxed one, the currency, the due date and terms,
// the payment reference and account, and the French mentions (the kind of
// operation, VAT on debits, the recovery fee and late interest). The same
// terms the invoice's e-invoice carries, taken from its mapping, in the
// language in force; printed under the totals of invoices, bills and credit
// notes of a seller whose e-invoicing details name a VAT identifier or a
// tax number, and nowhere else (so every other document stays as it was).
#ifndef INVOICING_INVOICELEGALTEXT_H
#define INVOICING_INVOICELEGALTEXT_H

#include <QStringList>

#include "data/EInvoiceDetails.h"
#include "einvoice/EInvoice.h"

// True when the seller's details call for the legal text.
bool ShowsLegalText(const SellerDetails& seller);

// What the invoice's items are, for the French "nature of the operation".
enum class Operation { Unknown, Goods, Services, Both };

// The lines of the text, each to be wrapped to the page. amountSign is -1
// for a credit note, whose e-invoice amounts are positive while the
// document prints them as stored.
QStringList LegalTextLines(const EInvoice& inv, const SellerDetails& seller, int amountSign,
                           Operation operation);

#endif  // INVOICING_INVOICELEGALTEXT_H
