// The summary reports over invoices and payments, built from a request:
//   receivables   every invoice with an open balance and its age in days
//   tax report    item sales and the two charges of the span
//   daily income  the payments of the span, by day
//   sales by product, sales summary   the invoices of the span
// A span report with nothing in the span says "No Invoices within selected
// dates." ("No Payments ..." for daily income) instead of building.
#ifndef REPORTS_RPTGENSALES_H
#define REPORTS_RPTGENSALES_H

#include "reports/ReportRequest.h"

class ReportLineSink;

// The English texts (marked for translation in the context RptGenSales);
// the outcomes carry them translated.
extern const char* const kNoInvoices;  // "No Invoices within selected dates."
extern const char* const kNoPayments;  // "No Payments within selected dates."
// kNoInvoices or kNoPayments in the language of the report.
ReportOutcome NothingInSpan(const char* text);

ReportOutcome BuildReceivables(const ReportRequest& request, ReportLineSink& sink);
ReportOutcome BuildTaxReport(const ReportRequest& request, ReportLineSink& sink);
ReportOutcome BuildDailyIncome(const ReportRequest& request, ReportLineSink& sink);
ReportOutcome BuildSalesByProduct(const ReportRequest& request, ReportLineSink& sink);
ReportOutcome BuildSalesSummary(const ReportRequest& request, ReportLineSink& sink);

#endif  // REPORTS_RPTGENSALES_H
