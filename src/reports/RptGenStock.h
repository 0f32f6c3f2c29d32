// The report builders about stock: purchases of a date span, the product
// listing, stock on hand with the reorder warning, the inventory value as of
// a date and the cost of goods sold of a span. The last three value stock by
// ValueStock with the request's method (the settings record's when it names
// none). Each shows the main window's progress box while it walks its table.
#ifndef REPORTS_RPTGENSTOCK_H
#define REPORTS_RPTGENSTOCK_H

#include "reports/ReportRequest.h"

class ReportLineSink;

// The purchases of the span, by product and date, with the total cost.
ReportOutcome BuildPurchasingReport(const ReportRequest& request, ReportLineSink& sink);
// Every product by code: price and reorder level, the second description
// line under the first.
ReportOutcome BuildProductListing(const ReportRequest& request, ReportLineSink& sink);
// Every inventory item as of today: on hand, on order, reorder level and
// whether stock is needed ("YES", the line bold) or not ("OK").
ReportOutcome BuildStockOnHand(const ReportRequest& request, ReportLineSink& sink);
// Every inventory item's quantity and value as of request.from, with the
// total value.
ReportOutcome BuildInventory(const ReportRequest& request, ReportLineSink& sink);
// Beginning inventory, purchases, ending inventory and the cost of goods
// sold of the span.
ReportOutcome BuildCostOfGoodsSold(const ReportRequest& request, ReportLineSink& sink);

#endif  // REPORTS_RPTGENSTOCK_H
