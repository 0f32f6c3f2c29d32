// The report builders. Each fills the report document (RptUtil), shows the
// report window when the document has lines, and releases the document.
//
// Invoices, bills and statements: the documents that go to customers, each
// a letterhead page; several are gathered into one report, each beginning
// with a page break.
#ifndef REPORTS_RPTGEN_H
#define REPORTS_RPTGEN_H

// Begins an invoice report: 73 columns, 12 cells, one (empty) title entry,
// the invoice columns and their headings.
void StartInvoices();
// Appends the document of the invoice in the working copy (CurrentInvoice,
// ItemList, PaymentList, CustomerAddress). Titled "Invoice" when asInvoice,
// else "Bill" when something is due and "Statement" otherwise; product memos
// and the invoice's long memo are printed on invoices only.
void PrintInvoice(bool asInvoice);
// The invoice editor's Print: the working copy as one invoice, shown in the
// report window; the document is released afterwards.
void PrintWorkingInvoice();
// Invoices (asInvoice) or bills: with byDates those of a date span (bills
// only with a balance due), otherwise invoices picked one by one.
void PrintInvoiceSelection(bool byDates, bool asInvoice);
// Account statements: withBalances, of every customer with invoices of a
// date span that are not settled; otherwise of customers picked one by one,
// listing all their invoices.
void PrintStatements(bool withBalances);

#endif  // REPORTS_RPTGEN_H
