// The summary reports over invoices and payments, each started from the main
// window without arguments:
//   receivables   every invoice with an open balance and its age in days
//   tax report    item sales and the two charges of a date span
//   daily income  the payments of a date span, by day
//   sales by product, sales summary   the invoices of a date span
// The date-span reports propose the current month; each says "No Invoices
// within selected dates." ("No Payments ..." for daily income) instead of
// showing an empty report.
#ifndef REPORTS_RPTGENSALES_H
#define REPORTS_RPTGENSALES_H

void PrintReceivables();
void PrintTaxReport();
void PrintDailyIncome();
void PrintSalesByProduct();
void PrintSalesSummary();

#endif  // REPORTS_RPTGENSALES_H
