#include "reports/RptGen.h"

#include <algorithm>
#include <map>
#include <vector>

#include "data/InvoiceLoad.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "platform/Clock.h"
#include "platform/PickEdit.h"
#include "platform/Ui.h"
#include "reports/DateSpanU.h"
#include "reports/ReportU.h"
#include "reports/RptGenParts.h"
#include "reports/RptUtil.h"

namespace {

bool OpenInvoiceTables() {
  return OpenCUST5() && OpenGROUPS() && OpenINV5() && OpenITM5() && OpenPMT() && OpenProd5();
}

QString AddressLine(int i) { return i < CustomerAddress.size() ? CustomerAddress[i] : QString(); }

// Each document of a report begins on a new page, with its own letterhead.
void BeginDocument() {
  ReportDocument& d = Report();
  if (d.CurrentLine >= 0) {
    NewLine();
    Cell(0) = QStringLiteral("EJECT");
    d.LinesOnPage = 0;
  }
  d.PageNo = 1;
  PutLetterhead();
  PutTitles();
  NewLine();
}

// A blank line and the text wrapped to the report width, one line per piece;
// nothing for a blank text.
void PutMemo(const QString& text) {
  QStringList pieces;
  if (!WrapText(text, &pieces)) return;
  NewLine();
  for (const QString& piece : pieces) {
    CheckPage(Report().LinesOnPage + 1, false);
    NewLine();
    Cell(0) = QStringLiteral("L00") + piece;
  }
}

void PutInvoiceRules() {
  Cell(0) = QStringLiteral("V00");
  Cell(2) = QStringLiteral("V12");
  Cell(4) = QStringLiteral("V41");
  Cell(6) = QStringLiteral("V50");
  Cell(8) = QStringLiteral("V60");
  Cell(10) = QStringLiteral("V73");
}

void PutTotalLine(const QString& caption, double amount) {
  NewLine();
  Cell(7) = QStringLiteral("R59") + caption;
  Cell(8) = QStringLiteral("V60");
  Cell(9) = QStringLiteral("R72") + FormatFloat("%12.2f", amount);
  Cell(10) = QStringLiteral("V73");
}

QString ChargeCaption(const QString& settingsLine) {
  return settingsLine.trimmed() + QStringLiteral(":");
}

double PaymentsOfWorkingInvoice() {
  double paid = 0;
  for (const PaymentRow& p : PaymentList) paid += StrToFloat(p.PAmt);
  return paid;
}

// ---- Statements -------------------------------------------------------------

struct StatementRow {
  QString invoice, date, charges, payments, due;
};

void StartStatements() {
  ReportDocument& d = Report();
  d.LineWidth = 59;
  d.CellsPerLine = 12;
  StartReport();
  d.TitleLines = {QStringLiteral("Account Statement")};
  d.ColumnCodes = {"V00", "R07", "V09", "R18", "V20", "R31", "V33", "R44", "V46", "R57", "V59"};
  SetHeadings({"", "Invoice", "", "Date", "", "Charges", "", "Payments", "", "Amount Due"});
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
std::vector<CustomerWithBalances> CustomersWithBalances() {
  std::map<long, std::vector<long>> invoicesOf;
  for (SpanWalk walk(Inv5.d, "InvD", Inv5.IDate); walk.inSpan(); walk.next()) {
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
  BeginDocument();
  NewLine();
  Cell(0) = QStringLiteral("L00To:");
  Cell(1) = QStringLiteral("L10") + AddressLine(0);
  for (int i = 1; i < CustomerAddress.size(); ++i) {
    NewLine();
    Cell(1) = QStringLiteral("L10") + CustomerAddress[i];
  }
  PutHeadings();

  double charges = 0, payments = 0, due = 0;
  for (const StatementRow& row : rows) {
    CheckPage(Report().LinesOnPage + 1, true);
    NewLine();
    Cell(0) = QStringLiteral("V00");
    Cell(1) = QStringLiteral("R07") + row.invoice;
    Cell(2) = QStringLiteral("V09");
    Cell(3) = QStringLiteral("R18") + row.date;
    Cell(4) = QStringLiteral("V20");
    Cell(5) = QStringLiteral("R31") + row.charges;
    Cell(6) = QStringLiteral("V33");
    Cell(7) = QStringLiteral("R44") + row.payments;
    Cell(8) = QStringLiteral("V46");
    Cell(9) = QStringLiteral("R57") + row.due;
    Cell(10) = QStringLiteral("V59");
    charges += StrToFloat(row.charges);
    payments += StrToFloat(row.payments);
    due += StrToFloat(row.due);
  }
  StyleCell() = QStringLiteral("U");

  CheckPage(Report().LinesOnPage + 1, true);
  NewLine();
  Cell(1) = QStringLiteral("R18Totals");
  Cell(4) = QStringLiteral("V20");
  Cell(5) = QStringLiteral("R31") + FormatFloat("%11.2f", charges);
  Cell(6) = QStringLiteral("V33");
  Cell(7) = QStringLiteral("R44") + FormatFloat("%11.2f", payments);
  Cell(8) = QStringLiteral("V46");
  Cell(9) = QStringLiteral("R57") + FormatFloat("%11.2f", due);
  Cell(10) = QStringLiteral("V59");
  NewLine();
  Cell(10) = QStringLiteral("H2059");
}

void StatementOfPickedCustomer() {
  ReadCustomer();
  BuildCustomerAddress();
  const QList<StatementRow> rows = AllStatementRows();
  if (!rows.isEmpty()) PutStatementPage(rows);
}

void StatementsWithBalances() {
  for (const CustomerWithBalances& customer : CustomersWithBalances()) {
    d4go(Cust5.d, customer.record);
    ReadCustomer();
    BuildCustomerAddress();
    QList<StatementRow> rows;
    for (long record : customer.invoices) {
      d4go(Inv5.d, record);
      ReadInvoice();
      rows.append(RowOfInvoice());
    }
    PutStatementPage(rows);
  }
}

}  // namespace

void StartInvoices() {
  ReportDocument& d = Report();
  d.LineWidth = 73;
  d.CellsPerLine = 12;
  StartReport();
  d.TitleLines = {QString()};
  d.ColumnCodes = {"V00", "L01", "V12", "L13", "V41", "R49", "V50", "R59", "V60", "R72", "V73"};
  SetHeadings({"", "Item Code", "", "Description", "", "Price", "", "Qty", "", "Total"});
}

void PrintInvoice(bool asInvoice) {
  ReportDocument& d = Report();
  const InvoiceRecord& inv = CurrentInvoice;
  QString title = QStringLiteral("Invoice");
  if (!asInvoice) title = inv.Due > 0 ? QStringLiteral("Bill") : QStringLiteral("Statement");
  d.TitleLines = {title};

  BeginDocument();
  NewLine();
  Cell(0) = QStringLiteral("L00To:");
  Cell(1) = QStringLiteral("L10") + AddressLine(0);
  Cell(2) = QStringLiteral("R60Invoice No:");
  Cell(3) = QStringLiteral("L62") + QString::number(inv.IvNo);
  NewLine();
  Cell(1) = QStringLiteral("L10") + AddressLine(1);
  Cell(2) = QStringLiteral("R60Invoice Date:");
  Cell(3) = QStringLiteral("L62") + FormatShortDate(inv.IDate);
  for (int i = 2; i < CustomerAddress.size(); ++i) {
    NewLine();
    Cell(1) = QStringLiteral("L10") + CustomerAddress[i];
  }
  PutHeadings();

  double subtotal = 0;
  for (const ItemRow& item : ItemList) {
    CheckPage(d.LinesOnPage + 3, true);
    NewLine();
    PutInvoiceRules();
    const double lineTotal = RoundMoney(StrToFloat(item.Qty) * StrToFloat(item.UPR));
    Cell(1) = QStringLiteral("L01") + WithoutTrailingBlanks(item.PrID);
    Cell(3) = QStringLiteral("L13") + WithoutTrailingBlanks(item.PDesc);
    Cell(5) = QStringLiteral("R49") + item.UPR;
    Cell(7) = QStringLiteral("R59") + item.Qty;
    Cell(9) = QStringLiteral("R72") + FormatFloat("%12.2f", lineTotal);
    if (!item.IComm.trimmed().isEmpty()) {
      NewLine();
      PutInvoiceRules();
      Cell(3) = QStringLiteral("L13") + item.IComm;
    }
    subtotal += lineTotal;
  }
  StyleCell() = QStringLiteral("U");

  const SettingsRecord& s = Settings();
  CheckPage(d.LinesOnPage + 6, true);
  PutTotalLine(QStringLiteral("SubTotal:"), subtotal);
  Cell(0) = QStringLiteral("L01") + WithoutTrailingBlanks(inv.IMemo);
  PutTotalLine(ChargeCaption(s.ShipLine), inv.Ship);
  PutTotalLine(ChargeCaption(s.TaxLine), inv.Tax);
  PutTotalLine(QStringLiteral("Total:"), subtotal + inv.Ship + inv.Tax);
  PutTotalLine(QStringLiteral("Amount Paid:"), PaymentsOfWorkingInvoice());
  PutTotalLine(QStringLiteral("Balance Due:"), inv.Due);
  NewLine();
  Cell(10) = QStringLiteral("H6073");

  if (!asInvoice) return;
  for (const ItemRow& item : ItemList) PutMemo(item.PMemo);
  PutMemo(inv.REM);
}

void PrintWorkingInvoice() {
  DocumentInHand document;
  StartInvoices();
  PrintInvoice(true);
  ShowReport();
}

void PrintInvoiceSelection(bool byDates, bool asInvoice) {
  TablesClosedAtEnd tables;
  if (!OpenInvoiceTables()) return;

  if (byDates) {
    ReportFrom = DateFromQDate(Clock::today());
    ReportTo = ReportFrom;
    if (!asInvoice) SetMonthSpan();
    if (!RunDateSpan()) return;
    DocumentInHand document;
    StartInvoices();
    DATA4* inv = Inv5.d;
    d4tagSelect(inv, d4tag(inv, "InvD"));
    const QByteArray from = SeekKey(DateToStored(ReportFrom));
    for (int rc = d4seek(inv, from.constData()); rc == 0 || rc == r4after; rc = d4skip(inv, 1)) {
      if (FieldDate(Inv5.IDate) > ReportTo) break;
      if (!asInvoice && f4double(Inv5.Due) <= 0) continue;  // bills: only what is due
      LoadInvoice();
      PrintInvoice(asInvoice);
    }
    ShowReport();
    return;
  }

  DocumentInHand document;
  StartInvoices();
  if (d4recCountDo(Inv5.d) == 0) {
    Ui::get().information(QStringLiteral("No invoices to select."));
    return;
  }
  // The pick list starts on the newest invoice, then on the last one picked.
  CurrentInvoiceRec = LastRecord(Inv5.d);
  while (PickInvoice(false).chosen) {
    d4go(Inv5.d, CurrentInvoiceRec);
    LoadInvoice();
    PrintInvoice(asInvoice);
  }
  ShowReport();
}

void PrintStatements(bool withBalances) {
  TablesClosedAtEnd tables;
  if (withBalances) {
    SetMonthSpan();
    if (!RunDateSpan()) return;
  }
  if (!OpenInvoiceTables()) return;

  DocumentInHand document;
  StartStatements();
  if (withBalances) {
    StatementsWithBalances();
  } else {
    DATA4* cust = Cust5.d;
    d4tagSelect(cust, d4tag(cust, "cname"));
    CurrentCustomerRec = FirstRecord(cust);
    while (PickCustomer(false).chosen) {
      d4go(cust, CurrentCustomerRec);
      StatementOfPickedCustomer();
    }
  }
  CloseAll();
  ShowReport();
}
