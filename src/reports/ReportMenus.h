// The reports as the main window's menus start them: each asks for its
// selection through the pickers and pick lists (which set ReportFrom,
// ReportTo, SpanCancelled and ChosenGroups), fills the request from them,
// builds into the document and shows the report window when the document
// has lines, or the message that says there is nothing to report.
#ifndef REPORTS_REPORTMENUS_H
#define REPORTS_REPORTMENUS_H

// Invoices (asInvoice) or bills: with byDates those of a date span (today
// proposed for invoices, the current month for bills), otherwise invoices
// picked one by one.
void PrintInvoiceSelection(bool byDates, bool asInvoice);
// The same invoices (of a date span, today proposed, or picked one by one)
// saved as e-invoices into a folder, one file each.
void SaveEInvoiceSelection(bool byDates);
// Account statements: withBalances, of every customer with unsettled
// invoices of a date span; otherwise of customers picked one by one.
void PrintStatements(bool withBalances);

void PrintReceivables();
// The date-span reports propose the current month.
void PrintTaxReport();
void PrintDailyIncome();
void PrintSalesByProduct();
void PrintSalesSummary();

void PrintPurchasingReport();
void PrintProductListing();
void PrintStockOnHand();
// Asks for the day (today proposed).
void PrintInventory();
void PrintCostOfGoodsSold();

// Of customers picked one by one, or (byGroups) of the groups chosen in the
// group picker.
void PrintProfiles(bool byGroups);
// The buyers of a product picked from the product pick list, within a span.
void PrintBuyers();

#endif  // REPORTS_REPORTMENUS_H
