// The report builders about stock: purchases of a date span, the product
// listing, stock on hand with the reorder warning, the inventory value as of
// a date and the cost of goods sold of a span. The last three value stock by
// ValueStock with the settings record's method. Each shows the main window's
// progress box while it walks its table, shows the report window when the
// document has lines, releases the document and closes all tables.
#ifndef REPORTS_RPTGENSTOCK_H
#define REPORTS_RPTGENSTOCK_H

// The purchases of a date span (asked for, the current month proposed), by
// product and date, with the total cost.
void PrintPurchasingReport();
// Every product by code: price and reorder level, the second description
// line under the first.
void PrintProductListing();
// Every inventory item as of today: on hand, on order, reorder level and
// whether stock is needed ("YES", the line bold) or not ("OK").
void PrintStockOnHand();
// Every inventory item's quantity and value as of a date (asked for, today
// proposed), with the total value.
void PrintInventory();
// Beginning inventory, purchases, ending inventory and the cost of goods
// sold of a date span (asked for, the current month proposed).
void PrintCostOfGoodsSold();

#endif  // REPORTS_RPTGENSTOCK_H
