#include "reports/RptGenSales.h"

#include <QCoreApplication>
#include <QHash>
#include <vector>

#include "data/CardText.h"
#include "data/Progress.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "platform/Clock.h"
#include "printing/RptUtil.h"
#include "reports/RptGenParts.h"

const char* const kNoInvoices = QT_TRANSLATE_NOOP("RptGenSales", "No Invoices within selected dates.");
const char* const kNoPayments = QT_TRANSLATE_NOOP("RptGenSales", "No Payments within selected dates.");

ReportOutcome NothingInSpan(const char* text) {
  return ReportOutcome::nothing(QCoreApplication::translate("RptGenSales", text));
}

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(RptGenSales)
};

QString Money(const char* format, double x) { return FormatFloat(format, x); }

// The amount of an item from its quantity and price as the printed invoice
// shows them ("%9.2f", "%8.2f"). Both are stored with two decimals, so the
// printed forms read back as the very numbers stored: no text round trip.
double PrintedAmount(double qty, double price) { return qty * price; }

// The invoices of the span in date order, the items of each by number.
bool OpenSalesTables() { return OpenINV5() && OpenITM5() && OpenProd5(); }

// Moves ITM5 to the first item of invoice ivNo (Itm tag selected); false
// when it has none.
bool FirstItemOf(long ivNo) {
  d4tagSelect(Itm5.d, d4tag(Itm5.d, "itm"));
  return SeekNumber(Itm5.d, Itm5.IvNo, ivNo);
}
bool NextItemOf(long ivNo) { return NextOfNumber(Itm5.d, Itm5.IvNo, ivNo); }

// The closing line of a boxed report: the rule at column 0, the caption
// cell (code and text) in cell 1, the amount in cell amountCell between its
// two rules; ruled under.
void PutTotalLine(const QString& captionCell, int amountCell, const QString& amount) {
  NewLine();
  Cell(0) = QStringLiteral("V00");
  Cell(1) = captionCell;
  PutColumn(amountCell - 1, QString());
  PutColumn(amountCell, amount);
  PutColumn(amountCell + 1, QString());
  StyleCell() = QStringLiteral("U");
}

}  // namespace

// ---- Receivables ------------------------------------------------------------

ReportOutcome BuildReceivables(const ReportRequest&, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenINV5() || !OpenCUST5()) return ReportOutcome::built();
  DATA4* inv = Inv5.d;
  if (d4recCountDo(inv) == 0) return NothingInSpan(kNoInvoices);
  ProgressShown progress(Tr::tr("Processing Receivables"));
  BeginReport(sink, 71, 10, {Tr::tr("RECEIVABLES")},
              {"V00", "R07", "V08", "L10", "V50", "R55", "V57", "R69", "V71"});
  //: Column headings: invoice number, customer, age in days, amount due
  SetHeadings({"", Tr::tr("Inv. No"), "", Tr::tr("Customer"), "", Tr::tr("Days"), "",
               Tr::tr("Amount")});
  //: A customer that is no longer on file
  const QString unknown = Tr::tr("UNKNOWN");

  const TDate today = DateFromQDate(Clock::today());
  double total = 0;
  d4tagSelect(inv, d4tag(inv, "inv"));
  long walked = 0;
  for (int rc = d4top(inv); rc == r4success; rc = d4skip(inv, 1)) {
    if (++walked % 64 == 0) progress.set(d4position(inv));
    const double due = f4double(Inv5.Due);
    if (due == 0) continue;
    const long cuno = f4long(Inv5.CuNo);
    const QString name = FindCustomer(cuno) ? ReportCustomerName() : unknown;
    CheckPage(Report().LinesOnPage + 1, true);
    NewLine();
    PutRules();
    PutColumn(1, QString::number(f4long(Inv5.IvNo)));
    PutColumn(3, name);
    // An invoice without a date has no age.
    const TDate dated = FieldDate(Inv5.IDate);
    PutColumn(5, dated > 0 ? QString::number(today - dated) : QString());
    PutColumn(7, Money("%10.2f", due));
    total += due;
  }
  if (Report().CurrentLine >= 0) {
    StyleCell() = QStringLiteral("U");
    CheckPage(Report().LinesOnPage + 1, true);
    PutTotalLine(QStringLiteral("L01") + Tr::tr("Total Receivables"), 7, Money("%10.2f", total));
  }
  return ReportOutcome::built();
}

// ---- Tax report ---------------------------------------------------------------

ReportOutcome BuildTaxReport(const ReportRequest& request, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenSalesTables()) return ReportOutcome::built();
  SpanWalk walk(Inv5.d, "invd", Inv5.IDate, request.from, request.to);
  if (!walk.inSpan()) return NothingInSpan(kNoInvoices);
  ProgressShown progress(Tr::tr("Processing Sales"));
  //: %1 and %2 are the first and the last day
  BeginReport(sink, 50, 4, {SpanTitle(Tr::tr("Tax report for %1 through %2"), request.from, request.to)},
              {"L00", "R38", "R50"});

  const SettingsRecord& s = Settings();
  double net = 0, subject1 = 0, subject2 = 0, charge1 = 0, charge2 = 0;
  long walked = 0;
  do {
    const long ivNo = f4long(Inv5.IvNo);
    for (bool more = FirstItemOf(ivNo); more; more = NextItemOf(ivNo)) {
      const double amount = PrintedAmount(f4double(Itm5.Qty), f4double(Itm5.UPR));
      net += amount;
      if (FieldLogical(Itm5.LTax1)) subject1 += amount;
      if (FieldLogical(Itm5.LTax2)) subject2 += amount;
    }
    const double ship = f4double(Inv5.Ship), tax = f4double(Inv5.Tax);
    if (s.ShipTax == 2 || (s.ShipTax == 3 && tax > 0)) subject2 += ship;
    charge1 += ship;
    charge2 += tax;
    if (++walked % 64 == 0) progress.set(walk.done());
  } while (walk.next());

  const QString shipLine = s.ShipLine.trimmed(), taxLine = s.TaxLine.trimmed();
  auto put = [](const QString& caption, int column, double amount, const char* style) {
    NewLine();
    PutColumn(0, caption);
    PutColumn(column, Money("%11.2f", amount));
    StyleCell() = QString::fromLatin1(style);
  };
  CheckPage(Report().LinesOnPage + 2, false);
  NewLine();
  StyleCell() = QStringLiteral("U");
  put(Tr::tr("Net Item Sales"), 2, net, "");
  if (s.TaxRate1 > 0) {
    StyleCell() = QStringLiteral("U");
    //: %1 is the name of a charge line of the invoices (as typed in the settings)
    put(Tr::tr("Sales subject to %1").arg(shipLine), 1, subject1, "");
  }
  //: %1 is the name of a charge line of the invoices (as typed in the settings)
  put(Tr::tr("%1 Charged").arg(shipLine), 2, charge1, "U");
  put(Tr::tr("Sales subject to %1").arg(taxLine), 1, subject2, "");
  put(Tr::tr("%1 Charged").arg(taxLine), 2, charge2, "U");
  put(Tr::tr("Total"), 2, net + charge1 + charge2, "U");
  return ReportOutcome::built();
}

// ---- Daily income -----------------------------------------------------------------

ReportOutcome BuildDailyIncome(const ReportRequest& request, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenINV5() || !OpenPMT()) return ReportOutcome::built();
  SpanWalk walk(Pmt.d, "PmtD", Pmt.PDate, request.from, request.to);
  if (!walk.inSpan()) return NothingInSpan(kNoPayments);
  ProgressShown progress(Tr::tr("Processing Payments"));
  BeginReport(sink, 72, 12,
              {SpanTitle(Tr::tr("Daily Income from %1 through %2"), request.from, request.to)},
              {"V00", "L01", "V10", "R16", "V17", "L18", "V48", "R58", "V59", "R71", "V72"});
  //: Column headings: payment date, invoice number, the check or credit card number, ...
  SetHeadings({"", Tr::tr("Pmt Date"), "", Tr::tr("Inv No."), "", Tr::tr("Check - Credit Card No."),
               "", Tr::tr("Amount"), "", Tr::tr("Daily Total")});

  DATA4* inv = Inv5.d;
  d4tagSelect(inv, d4tag(inv, "inv"));
  double day = 0, total = 0;
  TDate date = 0;
  bool first = true;
  auto endDay = [&] {
    Cell(9) = QStringLiteral("R71") + Money("%12.2f", day);
    StyleCell() = QStringLiteral("U");
    total += day;
    day = 0;
  };
  long walked = 0;
  do {
    const TDate paid = FieldDate(Pmt.PDate);
    if (!first && paid != date) endDay();
    first = false;
    date = paid;
    const long ivNo = f4long(Pmt.IvNo);
    const double amount = f4double(Pmt.PAmt);
    CheckPage(Report().LinesOnPage + 2, true);
    NewLine();
    PutRules();
    if (day == 0) PutColumn(1, FormatShortDate(paid));
    PutColumn(3, QString::number(ivNo));
    if (SeekNumber(inv, Inv5.IvNo, ivNo))
      PutColumn(5, MaskedCardText(WithoutTrailingBlanks(FieldText(Inv5.IMemo))));
    PutColumn(7, Money("%10.2f", amount));
    day += amount;
    if (++walked % 64 == 0) progress.set(walk.done());
  } while (walk.next());
  endDay();
  PutTotalLine(QStringLiteral("L01") + Tr::tr("Total Payments"), 9, Money("%12.2f", total));
  return ReportOutcome::built();
}

// ---- Sales by product ---------------------------------------------------------------

namespace {

// One product sold in the span: quantity and amount kept as the report
// prints them, so both are rounded to cents after each item.
struct ProductSales {
  QString code;
  QString qty, amount;
  bool printed = false;
};

void PutProductLine(const QString& code, const QString& description, const ProductSales& row) {
  CheckPage(Report().LinesOnPage + 2, true);
  NewLine();
  PutRules();
  PutColumn(1, code);
  PutColumn(3, description);
  PutColumn(5, row.qty);
  PutColumn(7, row.amount);
}

}  // namespace

ReportOutcome BuildSalesByProduct(const ReportRequest& request, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenSalesTables()) return ReportOutcome::built();
  SpanWalk walk(Inv5.d, "invd", Inv5.IDate, request.from, request.to);
  if (!walk.inSpan()) return NothingInSpan(kNoInvoices);
  ProgressShown progress(Tr::tr("Processing Sales"));
  std::vector<ProductSales> rows;  // in the order the products were first sold
  QHash<QString, size_t> rowOfCode;
  long walked = 0;
  do {
    const long ivNo = f4long(Inv5.IvNo);
    for (bool more = FirstItemOf(ivNo); more; more = NextItemOf(ivNo)) {
      const QString code = WithoutTrailingBlanks(FieldText(Itm5.PrID));
      const double qty = f4double(Itm5.Qty);
      const double amount = qty * f4double(Itm5.UPR);
      auto at = rowOfCode.find(code);
      if (at == rowOfCode.end()) {
        rowOfCode.insert(code, rows.size());
        rows.push_back({code, Money("%10.2f", qty), Money("%10.2f", amount)});
      } else {
        ProductSales& row = rows[*at];
        row.qty = Money("%10.2f", StrToFloat(row.qty) + qty);
        row.amount = Money("%10.2f", StrToFloat(row.amount) + amount);
      }
    }
    if (++walked % 64 == 0) progress.set(walk.done());
  } while (walk.next());
  progress.hide();
  if (rows.empty()) return NothingInSpan(kNoInvoices);

  BeginReport(sink, 65, 10,
              {SpanTitle(Tr::tr("Sales by Product from %1 through %2"), request.from, request.to)},
              {"V00", "L02", "V13", "L15", "V43", "R49", "V51", "R63", "V65"});
  SetHeadings({"", Tr::tr("Item Code"), "", Tr::tr("Description"), "", Tr::tr("Qty."), "",
               Tr::tr("Sale Total")});
  double total = 0;
  DATA4* prod = Prod5.d;
  d4tagSelect(prod, d4tag(prod, "Prod"));
  for (int rc = d4top(prod); rc == r4success; rc = d4skip(prod, 1)) {
    const QString code = WithoutTrailingBlanks(FieldText(Prod5.PrID));
    auto at = rowOfCode.constFind(code);
    if (at == rowOfCode.constEnd()) continue;
    ProductSales& row = rows[*at];
    PutProductLine(code, WithoutTrailingBlanks(FieldText(Prod5.PDesc)), row);
    total += StrToFloat(row.amount);
    row.printed = true;
  }
  for (const ProductSales& row : rows) {
    if (row.printed) continue;
    PutProductLine(row.code, Tr::tr("Unknown Product"), row);
    total += StrToFloat(row.amount);
  }
  StyleCell() = QStringLiteral("U");
  PutTotalLine(QStringLiteral("L02") + Tr::tr("Total Sales"), 7, Money("%10.2f", total));
  return ReportOutcome::built();
}

// ---- Sales summary ----------------------------------------------------------------

ReportOutcome BuildSalesSummary(const ReportRequest& request, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenSalesTables()) return ReportOutcome::built();
  SpanWalk walk(Inv5.d, "invd", Inv5.IDate, request.from, request.to);
  if (!walk.inSpan()) return NothingInSpan(kNoInvoices);
  ProgressShown progress(Tr::tr("Processing Sales"));
  const SettingsRecord& s = Settings();
  BeginReport(sink, 64, 14,
              {SpanTitle(Tr::tr("Sales Summary for %1 through %2"), request.from, request.to)},
              {"V00", "R07", "V08", "R17", "V18", "R28", "V29", "R40", "V41", "R52", "V53", "R63", "V64"});
  //: Column headings: invoice number, date, the items' amount, then the two charge lines
  SetHeadings({"", Tr::tr("Inv. No"), "", Tr::tr("Date"), "", Tr::tr("Items"), "",
               s.ShipLine.trimmed(), "", s.TaxLine.trimmed(), "", Tr::tr("Total")});

  // The four amounts of a line, from cell 5 on.
  auto putAmounts = [](double items, double ship, double tax, double total) {
    PutColumn(5, Money("%10.2f", items));
    PutColumn(7, Money("%10.2f", ship));
    PutColumn(9, Money("%10.2f", tax));
    PutColumn(11, Money("%10.2f", total));
  };
  double sumItems = 0, sumShip = 0, sumTax = 0, sumTotal = 0;
  long walked = 0;
  do {
    const long ivNo = f4long(Inv5.IvNo);
    double items = 0;
    for (bool more = FirstItemOf(ivNo); more; more = NextItemOf(ivNo))
      items += PrintedAmount(f4double(Itm5.Qty), f4double(Itm5.UPR));
    const double ship = f4double(Inv5.Ship), tax = f4double(Inv5.Tax);
    CheckPage(Report().LinesOnPage + 1, true);
    NewLine();
    PutRules();
    PutColumn(1, PadLeft(ivNo, 6));
    PutColumn(3, FormatShortDate(FieldDate(Inv5.IDate)));
    putAmounts(items, ship, tax, items + ship + tax);
    sumItems += items;
    sumShip += ship;
    sumTax += tax;
    sumTotal += items + ship + tax;
    if (++walked % 64 == 0) progress.set(walk.done());
  } while (walk.next());

  StyleCell() = QStringLiteral("U");
  CheckPage(Report().LinesOnPage + 1, true);
  NewLine();
  PutRules();
  Cell(2) = QString();  // the totals line is boxed from column 18 on
  Cell(3) = QStringLiteral("R17") + Tr::tr("Totals");
  putAmounts(sumItems, sumShip, sumTax, sumTotal);
  StyleCell() = QStringLiteral("U");
  return ReportOutcome::built();
}
