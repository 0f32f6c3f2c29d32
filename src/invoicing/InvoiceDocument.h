// The printed invoice and bill: the document of the invoice in the working
// copy (CurrentInvoice, ItemList, PaymentList, CustomerAddress), a letterhead
// page with the address block, the items, the totals box and, on invoices,
// the product memos and the invoice's long memo. Several are gathered into
// one report, each beginning on a new page.
#ifndef INVOICING_INVOICEDOCUMENT_H
#define INVOICING_INVOICEDOCUMENT_H

#include <QString>

class ReportLineSink;

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

#endif  // INVOICING_INVOICEDOCUMENT_H
