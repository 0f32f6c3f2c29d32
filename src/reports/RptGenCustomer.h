// Who bought what: the customer profile (for each chosen customer, the
// address block beside every item the customer ever bought) and the buyers
// of one product within a date span.
#ifndef REPORTS_RPTGENCUSTOMER_H
#define REPORTS_RPTGENCUSTOMER_H

#include "reports/ReportRequest.h"

class ReportLineSink;

// The profiles of the customers numbered in request.customers, in that
// order; when it names none, of every customer, in name order, whose group
// is among request.groups. A customer that does not exist is unusable.
ReportOutcome BuildProfiles(const ReportRequest& request, ReportLineSink& sink);
// The buyers of the product whose code is exactly request.product (trailing
// blanks of the stored code aside) within the span. A product that does not
// exist is unusable; a span without invoices is nothing to report.
ReportOutcome BuildBuyers(const ReportRequest& request, ReportLineSink& sink);

#endif  // REPORTS_RPTGENCUSTOMER_H
