#include "reports/RptGen.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>
#include <vector>

#include "data/CustomerLanguage.h"
#include "data/InvoiceLoad.h"
#include "data/dbFiles.h"
#include "invoicing/InvoiceDocument.h"
#include "platform/Language.h"
#include "printing/RptUtil.h"
#include "reports/RptGenParts.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(RptGen)
};

// Seeks invoice number n on the Inv tag; false when there is none.
bool FindInvoice(long n) {
  d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
  return SeekNumber(Inv5.d, Inv5.IvNo, n);
}

// ---- Statements -------------------------------------------------------------

struct StatementRow {
  QString invoice, date, charges, payments, due;
};

// The statement's title and column headings in the language of the moment:
// set again for each customer's page, which may be in another language.
void SetStatementHeadings() {
  Report().TitleLines = {Tr::tr("Account Statement")};
  //: Column headings: the invoice's number and date, its charges, the payments, what is due
  SetHeadings({"", Tr::tr("Invoice"), "", Tr::tr("Date"), "", Tr::tr("Charges"), "",
               Tr::tr("Payments"), "", Tr::tr("Amount Due")});
}

void StartStatements(ReportLineSink& sink) {
  BeginReport(sink, 59, 12, {},
              {"V00", "R07", "V09", "R18", "V20", "R31", "V33", "R44", "V46", "R57", "V59"});
  SetStatementHeadings();
}

// The statement row of the invoice in CurrentInvoice: charges from the item
// texts, not rounded per item.
StatementRow RowOfInvoice() {
  LoadInvoiceItems(CurrentInvoice.IvNo);
  LoadInvoicePayments(CurrentInvoice.IvNo);
  double charges = CurrentInvoice.Ship + CurrentInvoice.Tax;
  for (const ItemRow& item : ItemList) charges += StrToFloat(item.Qty) * StrToFloat(item.UPR);
  StatementRow row;
  row.invoice = PadLeft(CurrentInvoice.IvNo, 6);
  row.date = FormatShortDate(CurrentInvoice.IDate);
  row.charges = FormatFloat("%11.2f", charges);
  row.payments = FormatFloat("%11.2f", PaymentsOfWorkingInvoice());
  row.due = FormatFloat("%11.2f", CurrentInvoice.Due);
  return row;
}

// Every invoice of the customer in CustBuf, in customer-number order.
QList<StatementRow> AllStatementRows() {
  QList<StatementRow> rows;
  const long cuno = CustBuf.cuno;
  DATA4* inv = Inv5.d;
  d4tagSelect(inv, d4tag(inv, "InvC"));
  for (bool more = SeekNumber(inv, Inv5.CuNo, cuno); more; more = NextOfNumber(inv, Inv5.CuNo, cuno)) {
    ReadInvoice();
    rows.append(RowOfInvoice());
  }
  return rows;
}

// A customer with unsettled invoices in the span: its postal code as the
// czip tag keys it, its record and its invoices' records.
struct CustomerWithBalances {
  QByteArray zip;
  long record = 0;
  std::vector<long> invoices;
};

// The customers with unsettled invoices (credits included) of the span,
// from one walk over the span's invoices by date; in the order of the czip
// tag (postal code, then record number), each customer's invoices in the
// order of the InvC tag (record number). Invoices of customers that no
// longer exist are left out, as they would be by a walk over the customers.
std::vector<CustomerWithBalances> CustomersWithBalances(TDate from, TDate to) {
  std::map<long, std::vector<long>> invoicesOf;
  for (SpanWalk walk(Inv5.d, "InvD", Inv5.IDate, from, to); walk.inSpan(); walk.next()) {
    if (f4double(Inv5.Due) != 0) invoicesOf[f4long(Inv5.CuNo)].push_back(d4recNo(Inv5.d));
  }
  std::vector<CustomerWithBalances> customers;
  for (auto& [cuno, invoices] : invoicesOf) {
    if (!FindCustomer(cuno)) continue;
    std::sort(invoices.begin(), invoices.end());
    customers.push_back({QByteArray(f4str(Cust5.zip)), d4recNo(Cust5.d), std::move(invoices)});
  }
  std::sort(customers.begin(), customers.end(), [](const auto& a, const auto& b) {
    return a.zip != b.zip ? a.zip < b.zip : a.record < b.record;
  });
  return customers;
}

void PutStatementPage(const QList<StatementRow>& rows) {
  BeginLetterheadPage();
  //: Before the customer's address on a statement
  PutAddressBlock(Tr::tr("To:"), CustomerAddress);
  PutHeadings();

  double charges = 0, payments = 0, due = 0;
  for (const StatementRow& row : rows) {
    CheckPage(Report().LinesOnPage + 1, true);
    NewLine();
    PutRules();
    PutColumn(1, row.invoice);
    PutColumn(3, row.date);
    PutColumn(5, row.charges);
    PutColumn(7, row.payments);
    PutColumn(9, row.due);
    charges += StrToFloat(row.charges);
    payments += StrToFloat(row.payments);
    due += StrToFloat(row.due);
  }
  StyleCell() = QStringLiteral("U");

  CheckPage(Report().LinesOnPage + 1, true);
  NewLine();
  PutRules();
  Cell(0) = QString();  // the totals line is boxed from column 20 on
  Cell(2) = QString();
  Cell(1) = QStringLiteral("R18") + Tr::tr("Totals");
  PutColumn(5, FormatFloat("%11.2f", charges));
  PutColumn(7, FormatFloat("%11.2f", payments));
  PutColumn(9, FormatFloat("%11.2f", due));
  NewLine();
  Cell(10) = QStringLiteral("H2059");
}

// The statement of the customer in CustBuf, its rows from rowsOf(), in the
// customer's document language (the user's when none is set): the rows are
// read in it too, so its dates and amounts are written as that language
// writes them. A customer without rows has no page.
template <typename RowsOf>
void PutCustomerStatement(const CustomerLanguages& languages, RowsOf rowsOf) {
  const DocumentLanguage language(languages.of(CustBuf.cuno));
  const QList<StatementRow> rows = rowsOf();
  if (rows.isEmpty()) return;
  SetStatementHeadings();
  PutStatementPage(rows);
}

}  // namespace

ReportOutcome BuildInvoicesOfSpan(const ReportRequest& request, bool asInvoice, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenInvoiceTables()) return ReportOutcome::built();
  StartInvoices(sink);
  DATA4* inv = Inv5.d;
  d4tagSelect(inv, d4tag(inv, "InvD"));
  for (int rc = d4seek(inv, DateKey(request.from).constData()); rc == 0 || rc == r4after;
       rc = d4skip(inv, 1)) {
    if (FieldDate(Inv5.IDate) > request.to) break;
    if (!asInvoice && f4double(Inv5.Due) <= 0) continue;  // bills: only what is due
    LoadInvoice();
    PrintInvoice(asInvoice);
  }
  return ReportOutcome::built();
}

ReportOutcome BuildInvoicesOf(const ReportRequest& request, bool asInvoice, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenInvoiceTables()) return ReportOutcome::built();
  for (long n : request.invoices) {
    if (!FindInvoice(n)) return ReportOutcome::unusable(QStringLiteral("invoices"), Tr::tr("there is no invoice %1").arg(n));
  }
  StartInvoices(sink);
  for (long n : request.invoices) {
    FindInvoice(n);
    LoadInvoice();
    PrintInvoice(asInvoice);
  }
  return ReportOutcome::built();
}

ReportOutcome BuildStatementsWithBalances(const ReportRequest& request, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenInvoiceTables()) return ReportOutcome::built();
  StartStatements(sink);
  const CustomerLanguages languages = CustomerLanguages::Read();
  for (const CustomerWithBalances& customer : CustomersWithBalances(request.from, request.to)) {
    d4go(Cust5.d, customer.record);
    ReadCustomer();
    BuildCustomerAddress();
    PutCustomerStatement(languages, [&] {
      QList<StatementRow> rows;
      for (long record : customer.invoices) {
        d4go(Inv5.d, record);
        ReadInvoice();
        rows.append(RowOfInvoice());
      }
      return rows;
    });
  }
  return ReportOutcome::built();
}

ReportOutcome BuildStatementsOf(const ReportRequest& request, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenInvoiceTables()) return ReportOutcome::built();
  QList<long> records;
  for (long cuno : request.customers) {
    if (!FindCustomer(cuno))
      return ReportOutcome::unusable(QStringLiteral("customers"), Tr::tr("there is no customer %1").arg(cuno));
    records.append(d4recNo(Cust5.d));
  }
  StartStatements(sink);
  const CustomerLanguages languages = CustomerLanguages::Read();
  for (long record : records) {
    d4go(Cust5.d, record);
    ReadCustomer();
    BuildCustomerAddress();
    PutCustomerStatement(languages, AllStatementRows);
  }
  return ReportOutcome::built();
}
