#include "reports/ReportCatalog.h"

#include "reports/RptGen.h"
#include "reports/RptGenCustomer.h"
#include "reports/RptGenSales.h"
#include "reports/RptGenStock.h"

namespace {

const QStringList kSpan = {"from", "to"};
const QString kNoInvoices = QStringLiteral("No Invoices within selected dates.");
const QString kNoPayments = QStringLiteral("No Payments within selected dates.");

QList<ReportEntry> Entries() {
  return {
      // ---- Invoices, bills and statements ----
      {"invoices", "the invoices of the span (default today)", kSpan, {}, {},
       [](const ReportArgs&) { PrintInvoiceSelection(true, true); }},
      {"bills", "the invoices of the span with a balance due (default this month)", kSpan, {}, {},
       [](const ReportArgs&) { PrintInvoiceSelection(true, false); }},
      {"statements",
       "the statements of the customers with unsettled invoices in the span (default this month)",
       kSpan, {}, {}, [](const ReportArgs&) { PrintStatements(true); }},

      // ---- Sales, tax, receivables and income; customer profile and buyers ----
      {"receivables", "every invoice with a balance due (or a credit) and its age in days", {}, {},
       {kNoInvoices}, [](const ReportArgs&) { PrintReceivables(); }},
      {"tax", "item sales and the two charge lines of the span (default this month)", kSpan, {},
       {kNoInvoices}, [](const ReportArgs&) { PrintTaxReport(); }},
      {"income", "the payments of the span, by day (default this month)", kSpan, {},
       {kNoPayments}, [](const ReportArgs&) { PrintDailyIncome(); }},
      {"product-sales", "quantities and amounts sold per product in the span (default this month)",
       kSpan, {}, {kNoInvoices}, [](const ReportArgs&) { PrintSalesByProduct(); }},
      {"sales-summary", "one line per invoice of the span (default this month)", kSpan, {},
       {kNoInvoices}, [](const ReportArgs&) { PrintSalesSummary(); }},
      {"profile", "the address and every item bought of the customers given, or of the groups' customers",
       {"customers", "groups"}, {"customers", "groups"}, {},
       [](const ReportArgs& a) {
         if (a.customers.isEmpty()) {
           PrintProfiles(true);  // the batch driver answers the group picker
           return;
         }
         long missing = 0;
         if (!PrintProfilesOf(a.customers, &missing))
           throw UnusableArgument(QStringLiteral("--customers: there is no customer %1").arg(missing).toStdString());
       }},
      {"buyers", "the customers who bought the product in the span (default this month)",
       {"product", "from", "to"}, {"product"}, {kNoInvoices},
       [](const ReportArgs& a) {
         if (!PrintBuyersOf(a.product))
           throw UnusableArgument(QStringLiteral("--product: there is no product ").toStdString() +
                                  a.product.toStdString());
       }},

      // ---- Inventory and purchasing ----
      {"purchasing", "the purchases of the span by product, with their cost (default this month)",
       kSpan, {}, {}, [](const ReportArgs&) { PrintPurchasingReport(); }},
      {"products", "every product with its price and reorder level", {}, {}, {},
       [](const ReportArgs&) { PrintProductListing(); }},
      {"stock", "every inventory item on hand and on order today, and whether to reorder",
       {"method"}, {}, {}, [](const ReportArgs&) { PrintStockOnHand(); }},
      {"inventory", "every inventory item's quantity and value as of a day (default today)",
       {"asof", "method"}, {}, {}, [](const ReportArgs&) { PrintInventory(); }},
      {"cogs", "beginning and ending inventory, purchases and cost of goods sold of the span "
       "(default this month)",
       {"from", "to", "method"}, {}, {}, [](const ReportArgs&) { PrintCostOfGoodsSold(); }},
  };
}

}  // namespace

const QList<ReportEntry>& ReportCatalog() {
  static const QList<ReportEntry> entries = Entries();
  return entries;
}

const ReportEntry* FindReport(const QString& name) {
  for (const ReportEntry& e : ReportCatalog()) {
    if (e.name == name) return &e;
  }
  return nullptr;
}
