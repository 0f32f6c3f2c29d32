#include "reports/RptGenStock.h"

#include <QCoreApplication>

#include "data/Progress.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "platform/Clock.h"
#include "printing/RptUtil.h"
#include "reports/RptGenParts.h"
#include "reports/ValueStock.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(RptGenStock)
};

// The progress box over a walk of total records, advanced after each.
class WalkProgress {
 public:
  WalkProgress(const QString& caption, long total) : shown_(caption), total_(total) {}
  void recordDone() { shown_.recordDone(done_++, total_); }

 private:
  ProgressShown shown_;
  long total_;
  long done_ = 0;
};

bool Fifo(const ReportRequest& request) { return request.fifo.value_or(Settings().fifo); }

// The tables the stock valuation reads, with the items in product order.
bool OpenStockTables() {
  if (!(OpenProd5() && OpenPur5() && OpenITM5() && OpenINV5())) return false;
  d4tagSelect(Itm5.d, d4tag(Itm5.d, "ItmP"));
  return true;
}

// The description of the product with that code, looked up by the
// upper-cased code as the Prod tag orders them; "Not Found" when there is
// none.
QString DescriptionOf(const QString& code) {
  const QString upper = WithoutTrailingBlanks(code).toUpper();
  if (d4seek(Prod5.d, SeekKey(upper).constData()) == r4success &&
      WithoutTrailingBlanks(FieldText(Prod5.PrID)).toUpper() == upper)
    return WithoutTrailingBlanks(FieldText(Prod5.PDesc));
  //: In place of the description of a product that is not on file
  return Tr::tr("Not Found");
}

void PutCodeAndDescription(const ProductRecord& p) {
  Cell(0) = QStringLiteral("L00") + WithoutTrailingBlanks(p.PrID);
  Cell(1) = QStringLiteral("L12") + WithoutTrailingBlanks(p.PDesc);
}

// Calls each(history) for every inventory item in product-code order, its
// record in ProdBuf, its history read once; steps records of progress after
// each product.
template <typename Each>
void ForEachInventoryItem(WalkProgress& progress, Each each, int steps = 1) {
  const StockReader reader;
  DATA4* prod = Prod5.d;
  for (int rc = d4top(prod); rc == r4success; rc = d4skip(prod, 1)) {
    ReadProduct();
    if (ProdBuf.lInven) each(reader.history(ProdBuf.PrID));
    for (int i = 0; i < steps; ++i) progress.recordDone();
  }
}

// The same, valued as of asOf by the method fifo.
template <typename Each>
void ForEachValuedItem(TDate asOf, bool fifo, WalkProgress& progress, Each each) {
  ForEachInventoryItem(progress, [&](const StockHistory& history) {
    each(MatchLots(history, asOf, fifo));
  });
}

// The cost of the purchases dated within the span, of every product.
double PurchasesOfSpan(TDate from, TDate to, WalkProgress& progress) {
  double cost = 0;
  DATA4* pur = Pur5.d;
  for (int rc = d4top(pur); rc == r4success; rc = d4skip(pur, 1)) {
    const TDate date = FieldDate(Pur5.PURDate);
    if (date >= from && date <= to) cost += f4double(Pur5.PURCost);
    progress.recordDone();
  }
  return cost;
}

void PutAmountLine(const QString& caption, double amount, const QString& style = QString()) {
  NewLine();
  Cell(0) = QStringLiteral("L00") + caption;
  Cell(1) = QStringLiteral("R50") + FormatFloat("%12.2f", amount);
  StyleCell() = style;
}

}  // namespace

ReportOutcome BuildPurchasingReport(const ReportRequest& request, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!(OpenProd5() && OpenPur5())) return ReportOutcome::built();

  //: %1 and %2 are the first and the last day
  BeginReport(sink, 71, 6,
              {SpanTitle(Tr::tr("Purchasing Report for %1 through %2"), request.from, request.to)},
              {"L00", "L12", "R47", "R58", "R71"});
  SetHeadings(
      {Tr::tr("Product"), Tr::tr("Description"), Tr::tr("Date"), Tr::tr("Quantity"), Tr::tr("Cost")});

  ReportDocument& d = Report();
  double total = 0;
  QString previousCode;
  bool first = true;
  {
    DATA4* pur = Pur5.d;
    WalkProgress progress(Tr::tr("Processing Purchasing Report"), d4recCountDo(pur));
    for (int rc = d4top(pur); rc == r4success; rc = d4skip(pur, 1)) {
      ReadPurchase();
      progress.recordDone();
      if (PurBuf.PURDate < request.from || PurBuf.PURDate > request.to) continue;
      CheckPage(d.LinesOnPage + 1, true);
      NewLine();
      const QString code = WithoutTrailingBlanks(PurBuf.PURProd);
      if (first || code != previousCode) {
        Cell(0) = QStringLiteral("L00") + code;
        Cell(1) = QStringLiteral("L12") + DescriptionOf(code);
        previousCode = code;
        first = false;
      }
      Cell(2) = QStringLiteral("R47") + FormatShortDate(PurBuf.PURDate);
      Cell(3) = QStringLiteral("R58") + FormatFloat("%10.2f", PurBuf.PURQty);
      Cell(4) = QStringLiteral("R71") + FormatFloat("%12.2f", PurBuf.PURCost);
      total += PurBuf.PURCost;
    }
  }
  if (d.CurrentLine >= 0) {
    StyleCell() = QStringLiteral("U");
    NewLine();
    Cell(0) = QStringLiteral("L00") + Tr::tr("Total");
    Cell(4) = QStringLiteral("R71") + FormatFloat("%13.2f", total);
  }
  return ReportOutcome::built();
}

ReportOutcome BuildProductListing(const ReportRequest&, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenProd5()) return ReportOutcome::built();

  BeginReport(sink, 64, 5, {Tr::tr("Product Listing")}, {"L00", "L12", "R51", "R64"});
  //: Column headings; Reorder: the reorder level
  SetHeadings({Tr::tr("Product"), Tr::tr("Description"), Tr::tr("Unit Price"), Tr::tr("Reorder")});

  ReportDocument& d = Report();
  {
    DATA4* prod = Prod5.d;
    WalkProgress progress(Tr::tr("Processing Product Listing"), d4recCountDo(prod));
    for (int rc = d4top(prod); rc == r4success; rc = d4skip(prod, 1)) {
      ReadProduct();
      CheckPage(d.LinesOnPage + 1, true);
      NewLine();
      PutCodeAndDescription(ProdBuf);
      Cell(2) = QStringLiteral("R51") + FormatFloat("%12.2f", ProdBuf.UPrice);
      Cell(3) = QStringLiteral("R64") + FormatFloat("%12.2f", ProdBuf.REORDER);
      const QString comment = ProdBuf.IComm.trimmed();
      if (!comment.isEmpty()) {
        NewLine();
        Cell(1) = QStringLiteral("L12") + comment;
      }
      progress.recordDone();
    }
  }
  if (d.CurrentLine >= 0) StyleCell() = QStringLiteral("U");
  return ReportOutcome::built();
}

ReportOutcome BuildStockOnHand(const ReportRequest& request, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenStockTables()) return ReportOutcome::built();
  const TDate today = DateFromQDate(Clock::today());

  //: %1 is the day
  BeginReport(sink, 85, 7, {Tr::tr("Stock On-Hand as of %1").arg(FormatShortDate(today))},
              {"L00", "L12", "R52", "R65", "R78", "R85"});
  //: Column headings of two lines: "Quantity On-Hand", "Quantity On-Order", "Reorder Level",
  //: "Need Stock"; each word of the upper line stands over the word of the lower
  SetHeadings({"", "", Tr::tr("Quantity"), Tr::tr("Quantity"), Tr::tr("Reorder", "upper line"),
               Tr::tr("Need")},
              {Tr::tr("Product"), Tr::tr("Description"), Tr::tr("On-Hand"), Tr::tr("On-Order"),
               Tr::tr("Level"), Tr::tr("Stock")});
  //: Whether stock must be ordered: no (OK) or yes
  const QString enough = QStringLiteral("R85") + Tr::tr("OK");
  const QString needed = QStringLiteral("R85") + Tr::tr("YES");

  ReportDocument& d = Report();
  {
    WalkProgress progress(Tr::tr("Processing Inventory"), d4recCountDo(Prod5.d));
    ForEachValuedItem(today, Fifo(request), progress, [&](const StockFigures& f) {
      CheckPage(d.LinesOnPage + 2, true);
      NewLine();
      PutCodeAndDescription(ProdBuf);
      const double onHand = f.remainingQuantity - f.unmatchedQuantity;
      Cell(2) = QStringLiteral("R52") + FormatFloat("%12.2f", onHand);
      Cell(3) = QStringLiteral("R65") + FormatFloat("%12.2f", f.onOrderQuantity);
      Cell(4) = QStringLiteral("R78") + FormatFloat("%12.2f", ProdBuf.REORDER);
      // Compared as printed, to the cent: quantities summed in binary must
      // not make 9.90 fall short of a reorder level of 9.90.
      if (RoundMoney(onHand + f.onOrderQuantity) >= RoundMoney(ProdBuf.REORDER)) {
        Cell(5) = enough;
      } else {
        Cell(5) = needed;
        StyleCell() = QStringLiteral("B");
      }
    });
  }
  if (d.CurrentLine >= 0) StyleCell() += QStringLiteral("U");
  return ReportOutcome::built();
}

ReportOutcome BuildInventory(const ReportRequest& request, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenStockTables()) return ReportOutcome::built();
  const TDate asOf = request.from;

  //: %1 is the day
  BeginReport(sink, 67, 5, {Tr::tr("Inventory as of %1").arg(FormatShortDate(asOf))},
              {"L00", "L12", "R52", "R67"});
  SetHeadings({Tr::tr("Product"), Tr::tr("Description"), Tr::tr("Quantity"), Tr::tr("Cost")});

  ReportDocument& d = Report();
  double total = 0;
  {
    WalkProgress progress(Tr::tr("Processing Inventory"), d4recCountDo(Prod5.d));
    ForEachValuedItem(asOf, Fifo(request), progress, [&](const StockFigures& f) {
      CheckPage(d.LinesOnPage + 2, true);
      NewLine();
      PutCodeAndDescription(ProdBuf);
      Cell(2) = QStringLiteral("R52") + FormatFloat("%12.2f", f.remainingQuantity);
      Cell(3) = QStringLiteral("R67") + FormatFloat("%12.2f", f.remainingValue);
      total += f.remainingValue;
    });
  }
  if (d.CurrentLine >= 0) {
    StyleCell() = QStringLiteral("U");
    NewLine();
    Cell(2) = QStringLiteral("R52") + Tr::tr("Total");
    Cell(3) = QStringLiteral("R67") + FormatFloat("%12.2f", total);
  }
  return ReportOutcome::built();
}

ReportOutcome BuildCostOfGoodsSold(const ReportRequest& request, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenStockTables()) return ReportOutcome::built();

  //: %1 and %2 are the first and the last day
  BeginReport(sink, 50, 3,
              {SpanTitle(Tr::tr("Cost of Goods Sold from %1 through %2"), request.from, request.to)},
              {"L00", "R50"});
  SetHeadings({Tr::tr("Description"), Tr::tr("Amount")});

  // Each product's history is read once and valued at both ends of the
  // span; the box counts the products twice, as two walks would.
  double beginning = 0, purchases = 0, ending = 0;
  {
    const long products = d4recCountDo(Prod5.d);
    WalkProgress progress(Tr::tr("Processing Cost of Goods"),
                          2 * products + d4recCountDo(Pur5.d));
    const bool fifo = Fifo(request);
    ForEachInventoryItem(
        progress,
        [&](const StockHistory& history) {
          beginning += MatchLots(history, request.from - 1, fifo).remainingValue;
          ending += MatchLots(history, request.to, fifo).remainingValue;
        },
        2);
    purchases = PurchasesOfSpan(request.from, request.to, progress);
  }
  CheckPage(Report().LinesOnPage + 6, true);
  PutAmountLine(Tr::tr("Beginning Inventory"), beginning);
  PutAmountLine(Tr::tr("Inventory Purchases"), purchases, QStringLiteral("U"));
  PutAmountLine(Tr::tr("Total"), beginning + purchases);
  PutAmountLine(Tr::tr("Ending Inventory"), ending, QStringLiteral("U"));
  PutAmountLine(Tr::tr("Cost of Goods Sold"), beginning + purchases - ending);
  return ReportOutcome::built();
}
