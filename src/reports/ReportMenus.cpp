#include "reports/ReportMenus.h"

#include <QCoreApplication>
#include <functional>

#include "data/InvoiceLoad.h"
#include "data/dbFiles.h"
#include "invoicing/EInvoiceActions.h"
#include "invoicing/EInvoiceFiles.h"
#include "picklists/PickEdit.h"
#include "platform/Clock.h"
#include "platform/Ui.h"
#include "printing/DateSpanU.h"
#include "printing/MultGroupU.h"
#include "printing/ReportU.h"
#include "printing/RptUtil.h"
#include "reports/RptGen.h"
#include "reports/RptGenCustomer.h"
#include "reports/RptGenSales.h"
#include "reports/RptGenStock.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ReportMenus)
};

using Builder = std::function<ReportOutcome(ReportLineSink&)>;

// Builds into the document and shows it, or says why there is nothing to
// show; the document is released afterwards.
void BuildAndShow(const Builder& build) {
  DocumentInHand document;
  const ReportOutcome outcome = build(KeptLines());
  if (outcome.kind != ReportOutcome::Kind::Built) {
    Ui::get().information(outcome.message);
    return;
  }
  ShowReport();
}

using RequestBuilder = ReportOutcome (*)(const ReportRequest&, ReportLineSink&);

void BuildAndShow(RequestBuilder build, const ReportRequest& request) {
  BuildAndShow([&](ReportLineSink& sink) { return build(request, sink); });
}

TDate Today() { return DateFromQDate(Clock::today()); }

// The span of the date span picker into request; false when it was
// cancelled. The picker proposes ReportFrom and ReportTo.
bool AskSpan(ReportRequest* request) {
  if (!RunDateSpan()) return false;
  request->from = ReportFrom;
  request->to = ReportTo;
  return true;
}

bool AskMonth(ReportRequest* request) {
  SetMonthSpan();
  return AskSpan(request);
}

// A report over the current month, or a span the person chooses instead.
void MonthReport(RequestBuilder build) {
  ReportRequest request;
  if (AskMonth(&request)) BuildAndShow(build, request);
}

// Customers picked one by one from the customer pick list (by name, the
// first proposed) until it is cancelled: their numbers in pick order.
QList<long> PickCustomers() {
  QList<long> customers;
  DATA4* cust = Cust5.d;
  d4tagSelect(cust, d4tag(cust, "cname"));
  CurrentCustomerRec = FirstRecord(cust);
  while (PickCustomer(false).chosen) {
    d4go(cust, CurrentCustomerRec);
    customers.append(f4long(Cust5.cuno));
  }
  return customers;
}

// Invoices picked one by one from the invoice pick list until it is
// cancelled, into request; false when there is no invoice to pick.
bool PickInvoices(ReportRequest* request) {
  TablesClosedAtEnd tables;
  if (!OpenInvoiceTables()) return false;
  if (d4recCountDo(Inv5.d) == 0) {
    Ui::get().information(Tr::tr("No invoices to select."));
    return false;
  }
  // The pick list starts on the newest invoice, then on the last one picked.
  CurrentInvoiceRec = LastRecord(Inv5.d);
  while (PickInvoice(false).chosen) {
    d4go(Inv5.d, CurrentInvoiceRec);
    request->invoices.append(f4long(Inv5.IvNo));
  }
  return true;
}

}  // namespace

void PrintInvoiceSelection(bool byDates, bool asInvoice) {
  ReportRequest request;
  if (byDates) {
    ReportFrom = Today();
    ReportTo = ReportFrom;
    if (!asInvoice) SetMonthSpan();
    if (!AskSpan(&request)) return;
    BuildAndShow([&](ReportLineSink& sink) { return BuildInvoicesOfSpan(request, asInvoice, sink); });
    return;
  }
  if (PickInvoices(&request))
    BuildAndShow([&](ReportLineSink& sink) { return BuildInvoicesOf(request, asInvoice, sink); });
}

void SaveEInvoiceSelection(bool byDates) {
  ReportRequest request;
  if (byDates) {
    ReportFrom = Today();
    ReportTo = ReportFrom;
    if (!AskSpan(&request)) return;
  } else if (!PickInvoices(&request)) {
    return;
  }
  TablesClosedAtEnd tables;
  if (!OpenInvoiceTables()) return;
  if (byDates) request.invoices = InvoicesOfSpan(request.from, request.to);
  SaveEInvoicesIntoFolder(request.invoices);
}

void PrintStatements(bool withBalances) {
  ReportRequest request;
  if (withBalances) {
    MonthReport(BuildStatementsWithBalances);
    return;
  }
  {
    TablesClosedAtEnd tables;
    if (!OpenInvoiceTables()) return;
    request.customers = PickCustomers();
  }
  BuildAndShow(BuildStatementsOf, request);
}

void PrintReceivables() { BuildAndShow(BuildReceivables, ReportRequest()); }
void PrintTaxReport() { MonthReport(BuildTaxReport); }
void PrintDailyIncome() { MonthReport(BuildDailyIncome); }
void PrintSalesByProduct() { MonthReport(BuildSalesByProduct); }
void PrintSalesSummary() { MonthReport(BuildSalesSummary); }

void PrintPurchasingReport() { MonthReport(BuildPurchasingReport); }
void PrintProductListing() { BuildAndShow(BuildProductListing, ReportRequest()); }

void PrintStockOnHand() {
  ReportFrom = Today();
  BuildAndShow(BuildStockOnHand, ReportRequest());
}

void PrintInventory() {
  ReportFrom = Today();
  if (!RunSingleDate(Tr::tr("Inventory as Of:"))) return;
  ReportRequest request;
  request.from = ReportFrom;
  BuildAndShow(BuildInventory, request);
}

void PrintCostOfGoodsSold() { MonthReport(BuildCostOfGoodsSold); }

void PrintProfiles(bool byGroups) {
  ReportRequest request;
  {
    TablesClosedAtEnd tables;
    if (!OpenCUST5() || !OpenGROUPS()) return;
    if (byGroups) {
      if (!RunMultGroup()) return;
      request.groups = ChosenGroups;
    } else {
      request.customers = PickCustomers();
    }
  }
  BuildAndShow(BuildProfiles, request);
}

void PrintBuyers() {
  ReportRequest request;
  {
    TablesClosedAtEnd tables;
    if (!OpenProd5()) return;
    if (!PickProduct(false).chosen) return;
    d4go(Prod5.d, CurrentProductRec);
    request.product = WithoutTrailingBlanks(FieldText(Prod5.PrID));
  }
  if (AskMonth(&request)) BuildAndShow(BuildBuyers, request);
}
