#include "reports/ReportCatalog.h"

#include <QCoreApplication>

#include "payments/Reminders.h"
#include "platform/Clock.h"
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

ReportOutcome Reminders(const ReportRequest&, ReportLineSink& sink) {
  QString nothing;
  if (!BuildReminders(Clock::today(), sink, &nothing)) return ReportOutcome::nothing(nothing);
  return ReportOutcome::built();
}

// The descriptions stay English here; ReportDescription() translates them.
struct Catalog {
  Q_DECLARE_TR_FUNCTIONS(ReportCatalog)
 public:
  static QList<ReportEntry> Entries();
};

QList<ReportEntry> Catalog::Entries() {
  return {
      // ---- Invoices, bills and statements ----
      {"invoices", QT_TR_NOOP("the invoices of the span (default today)"), kSpan, {},
       Proposed::Today, Invoices},
      {"bills", QT_TR_NOOP("the invoices of the span with a balance due (default this month)"),
       kSpan, {}, Proposed::Month, Bills},
      {"reminders",
       QT_TR_NOOP("the reminders due today: the overdue invoices by customer, each at its next level"), {}, {},
       Proposed::Today, Reminders},
      {"statements",
       QT_TR_NOOP("the statements of the customers with unsettled invoices in the span (default "
                  "this month)"),
       kSpan, {}, Proposed::Month, BuildStatementsWithBalances},

      // ---- Sales, tax, receivables and income; customer profile and buyers ----
      {"receivables",
       QT_TR_NOOP("every invoice with a balance due (or a credit) and its age in days"), {}, {},
       Proposed::Month, BuildReceivables},
      {"tax", QT_TR_NOOP("item sales and the two charge lines of the span (default this month)"),
       kSpan, {}, Proposed::Month, BuildTaxReport},
      {"income", QT_TR_NOOP("the payments of the span, by day (default this month)"), kSpan, {},
       Proposed::Month, BuildDailyIncome},
      {"product-sales",
       QT_TR_NOOP("quantities and amounts sold per product in the span (default this month)"),
       kSpan, {}, Proposed::Month, BuildSalesByProduct},
      {"sales-summary", QT_TR_NOOP("one line per invoice of the span (default this month)"), kSpan,
       {}, Proposed::Month, BuildSalesSummary},
      {"profile",
       QT_TR_NOOP("the address and every item bought of the customers given, or of the groups' "
                  "customers"),
       {"customers", "groups"}, {"customers", "groups"}, Proposed::Month, BuildProfiles},
      {"buyers",
       QT_TR_NOOP("the customers who bought the product in the span (default this month)"),
       {"product", "from", "to"}, {"product"}, Proposed::Month, BuildBuyers},

      // ---- Inventory and purchasing ----
      {"purchasing",
       QT_TR_NOOP("the purchases of the span by product, with their cost (default this month)"),
       kSpan, {}, Proposed::Month, BuildPurchasingReport},
      {"products", QT_TR_NOOP("every product with its price and reorder level"), {}, {},
       Proposed::Month, BuildProductListing},
      {"stock",
       QT_TR_NOOP("every inventory item on hand and on order today, and whether to reorder"),
       {"method"}, {}, Proposed::Today, BuildStockOnHand},
      {"inventory",
       QT_TR_NOOP("every inventory item's quantity and value as of a day (default today)"),
       {"asof", "method"}, {}, Proposed::Today, BuildInventory},
      {"cogs",
       QT_TR_NOOP("beginning and ending inventory, purchases and cost of goods sold of the span "
                  "(default this month)"),
       {"from", "to", "method"}, {}, Proposed::Month, BuildCostOfGoodsSold},
  };
}

}  // namespace

const QList<ReportEntry>& ReportCatalog() {
  static const QList<ReportEntry> entries = Catalog::Entries();
  return entries;
}

const ReportEntry* FindReport(const QString& name) {
  for (const ReportEntry& e : ReportCatalog()) {
    if (e.name == name) return &e;
  }
  return nullptr;
}

QString ReportDescription(const ReportEntry& entry) {
  return QCoreApplication::translate("ReportCatalog", entry.description);
}
