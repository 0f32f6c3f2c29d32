#include "reports/ReportCatalog.h"

#include "reports/RptGen.h"
#include "reports/RptGenCustomer.h"
#include "reports/RptGenSales.h"
#include "reports/RptGenStock.h"

namespace {

using Proposed = ReportEntry::Proposed;

const QStringList kSpan = {"from", "to"};

ReportOutcome Invoices(const ReportRequest& r, ReportLineSink& sink) {
  return BuildInvoicesOfSpan(r, true, sink);
}
ReportOutcome Bills(const ReportRequest& r, ReportLineSink& sink) {
  return BuildInvoicesOfSpan(r, false, sink);
}

QList<ReportEntry> Entries() {
  return {
      // ---- Invoices, bills and statements ----
      {"invoices", "the invoices of the span (default today)", kSpan, {}, Proposed::Today, Invoices},
      {"bills", "the invoices of the span with a balance due (default this month)", kSpan, {},
       Proposed::Month, Bills},
      {"statements",
       "the statements of the customers with unsettled invoices in the span (default this month)",
       kSpan, {}, Proposed::Month, BuildStatementsWithBalances},

      // ---- Sales, tax, receivables and income; customer profile and buyers ----
      {"receivables", "every invoice with a balance due (or a credit) and its age in days", {}, {},
       Proposed::Month, BuildReceivables},
      {"tax", "item sales and the two charge lines of the span (default this month)", kSpan, {},
       Proposed::Month, BuildTaxReport},
      {"income", "the payments of the span, by day (default this month)", kSpan, {},
       Proposed::Month, BuildDailyIncome},
      {"product-sales", "quantities and amounts sold per product in the span (default this month)",
       kSpan, {}, Proposed::Month, BuildSalesByProduct},
      {"sales-summary", "one line per invoice of the span (default this month)", kSpan, {},
       Proposed::Month, BuildSalesSummary},
      {"profile", "the address and every item bought of the customers given, or of the groups' customers",
       {"customers", "groups"}, {"customers", "groups"}, Proposed::Month, BuildProfiles},
      {"buyers", "the customers who bought the product in the span (default this month)",
       {"product", "from", "to"}, {"product"}, Proposed::Month, BuildBuyers},

      // ---- Inventory and purchasing ----
      {"purchasing", "the purchases of the span by product, with their cost (default this month)",
       kSpan, {}, Proposed::Month, BuildPurchasingReport},
      {"products", "every product with its price and reorder level", {}, {}, Proposed::Month,
       BuildProductListing},
      {"stock", "every inventory item on hand and on order today, and whether to reorder",
       {"method"}, {}, Proposed::Today, BuildStockOnHand},
      {"inventory", "every inventory item's quantity and value as of a day (default today)",
       {"asof", "method"}, {}, Proposed::Today, BuildInventory},
      {"cogs", "beginning and ending inventory, purchases and cost of goods sold of the span "
       "(default this month)",
       {"from", "to", "method"}, {}, Proposed::Month, BuildCostOfGoodsSold},
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
