// The printed invoice and bill: the document of the invoice in the working
// copy (CurrentInvoice, ItemList, PaymentList, CustomerAddress), a letterhead
// page with the address block, the items, the totals box and, on invoices,
// the product memos and the invoice's long memo. Several are gathered into
// one report, each beginning on a new page.
#ifndef INVOICING_INVOICEDOCUMENT_H
#define INVOICING_INVOICEDOCUMENT_H

#include <QList>
#include <QString>
#include <utility>

#include "data/dbFiles.h"
#include "einvoice/EInvoice.h"

class ReportLineSink;
struct SellerDetails;

// Begins an invoice report into sink: 73 columns, 12 cells, one (empty)
// title entry, the invoice columns and their headings.
void StartInvoices(ReportLineSink& sink);
// Appends the document of the invoice in the working copy, in the language
// of its customer (CUSTLANG; none set: the user's). Titled "Invoice" when
// asInvoice, else "Bill" when something is due and "Statement" otherwise;
// product memos and the long memo are printed on invoices only.
void PrintInvoice(bool asInvoice);
// The invoice editor's Print: the working copy as one invoice, shown in the
// report window; the document is released afterwards.
void PrintWorkingInvoice();

// The parts a quote's document shares with the invoice's, in a report begun
// by StartInvoices.
//
// The items' quantities and prices, read while the user's number format is
// in force (before the document's language is).
QList<std::pair<double, double>> QuantitiesAndPrices(const QList<ItemRow>& items);
// The items under the column headings, amounts as QuantitiesAndPrices read
// them in the format of userSeparator; returns their subtotal.
double PutItemLines(const QList<ItemRow>& items, const QList<std::pair<double, double>>& amounts,
                    QChar userSeparator);
// The column headings in the language in force: set for each document, as
// each may be in its customer's language.
void SetInvoiceHeadings();
// A line of the totals box: caption and amount.
void PutTotalLine(const QString& caption, double amount);
// A charge line's caption in the document's language where the settings
// hold a name the program gives.
QString ChargeCaption(const QString& settingsLine, bool first);
// A blank line and the text wrapped to the report width, one line per
// piece; nothing for a blank text.
void PutMemo(const QString& text);
// The document language of customer cuNo (empty: the user's).
QString DocumentLanguageOf(long cuNo);
// The EPC payment code of amount to s's account with invoiceNumber's
// creditor reference, left on a line of its own, when s has an IBAN and
// invoices in euro.
void PutPaymentCode(const SellerDetails& s, Cents amount, long invoiceNumber);

#endif  // INVOICING_INVOICEDOCUMENT_H
