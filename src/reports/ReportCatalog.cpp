#include "reports/ReportCatalog.h"

#include "reports/RptGen.h"

namespace {

const QStringList kSpan = {"from", "to"};

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

      // ---- Inventory and purchasing ----
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
