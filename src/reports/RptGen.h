// The documents that go to customers, built from a request: invoices and
// bills (each invoice's document by invoicing/InvoiceDocument) and account
// statements, each a letterhead page; several are gathered into one report,
// each beginning with a page break.
#ifndef REPORTS_RPTGEN_H
#define REPORTS_RPTGEN_H

#include "reports/ReportRequest.h"

class ReportLineSink;

// The invoices dated within the span (asInvoice), or the bills among them:
// those with something due.
ReportOutcome BuildInvoicesOfSpan(const ReportRequest& request, bool asInvoice, ReportLineSink& sink);
// The invoices numbered in request.invoices, in that order, as invoices or
// as bills; a number that does not exist is unusable.
ReportOutcome BuildInvoicesOf(const ReportRequest& request, bool asInvoice, ReportLineSink& sink);
// The statement of every customer with unsettled invoices (credits too)
// dated within the span, in postal-code order, listing those invoices.
ReportOutcome BuildStatementsWithBalances(const ReportRequest& request, ReportLineSink& sink);
// The statements of the customers numbered in request.customers, in that
// order, each listing all the customer's invoices; a customer without
// invoices has none. A number that does not exist is unusable.
ReportOutcome BuildStatementsOf(const ReportRequest& request, ReportLineSink& sink);

#endif  // REPORTS_RPTGEN_H
