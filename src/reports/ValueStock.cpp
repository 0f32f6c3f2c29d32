#include "reports/ValueStock.h"

#include <cstdlib>
#include <vector>

#include "data/Settings.h"
#include "data/dbFiles.h"
#include "reports/RptGenParts.h"
#include "tbengine/inspect.h"

namespace {

struct Lot {
  TDate date;
  double remaining;
  double unitCost;
};

// Takes q from the lot: all of it when the lot holds enough (a negative q
// is added back), else what the lot holds.
void TakeFrom(Lot& lot, double& q) {
  if (lot.remaining >= q) {
    lot.remaining -= q;
    q = 0;
  } else {
    q -= lot.remaining;
    lot.remaining = 0;
  }
}

void TakeOldestFirst(QList<Lot>& lots, double& q) {
  for (Lot& lot : lots) {
    TakeFrom(lot, q);
    if (q <= 0) return;
  }
}

// The newest lots bought by the sale's date first, then the oldest upward
// (these may have been bought after the sale).
void TakeNewestFirst(QList<Lot>& lots, TDate saleDate, double& q) {
  for (qsizetype i = lots.size() - 1; i >= 0 && q > 0; --i) {
    if (lots[i].date > saleDate || lots[i].remaining <= 0) continue;
    TakeFrom(lots[i], q);
  }
  if (q > 0) TakeOldestFirst(lots, q);
}

constexpr TDate kNotInDateTag = -1;

}  // namespace

// Record -> date from the keys of the date tag, number -> record from those
// of the number tag. Of two invoices with one number the first in the
// number tag counts, as a seek finds it.
StockReader::StockReader() {
  DATA4* inv = Inv5.d;
  dateOfRecord_.assign(size_t(d4recCountDo(inv)) + 1, kNotInDateTag);
  t4keys(d4tag(inv, "InvD"), [&](uint32_t recNo, const std::string& key) {
    if (recNo < dateOfRecord_.size()) dateOfRecord_[recNo] = StoredToDate(QString::fromLatin1(key));
  });
  recordOfInvoice_.reserve(qsizetype(dateOfRecord_.size()));
  t4keys(d4tag(inv, "Inv"), [&](uint32_t recNo, const std::string& key) {
    char* end = nullptr;
    const long number = std::strtol(key.c_str(), &end, 10);
    if (end == key.c_str() || recNo >= dateOfRecord_.size() || recordOfInvoice_.contains(number))
      return;
    recordOfInvoice_.insert(number, long(recNo));
  });
}

bool StockReader::invoiceDate(long number, TDate* date) const {
  const auto found = recordOfInvoice_.constFind(number);
  if (found == recordOfInvoice_.cend()) return false;
  *date = dateOfRecord_[size_t(*found)];
  if (*date == kNotInDateTag) {  // a date key lost by an interrupted write
    d4go(Inv5.d, *found);
    *date = FieldDate(Inv5.IDate);
  }
  return true;
}

StockHistory StockReader::history(const QString& code) const {
  StockHistory history;
  const QString stored = WithoutTrailingBlanks(code);

  // The Pur tag's key is upper-cased: purchases of "ab" and "AB" share its
  // range, interleaved by date; only those stored as the product's own code
  // are its lots.
  const QString upper = stored.toUpper();
  DATA4* pur = Pur5.d;
  for (int rc = d4seek(pur, SeekKey(upper).constData()); rc == r4success || rc == r4after;
       rc = d4skip(pur, 1)) {
    const QString purchased = WithoutTrailingBlanks(FieldText(Pur5.PURProd));
    if (purchased.toUpper() != upper) break;
    if (purchased != stored) continue;
    const double quantity = f4double(Pur5.PURQty);
    if (quantity <= 0) continue;
    history.purchases.append({FieldDate(Pur5.PURDate), quantity, f4double(Pur5.PURCost)});
  }

  DATA4* itm = Itm5.d;
  for (int rc = d4seek(itm, SeekKey(stored).constData()); rc == r4success || rc == r4after;
       rc = d4skip(itm, 1)) {
    if (WithoutTrailingBlanks(FieldText(Itm5.PrID)) != stored) break;
    TDate date = 0;
    if (!invoiceDate(f4long(Itm5.IvNo), &date)) continue;  // invoice missing
    history.sales.append({date, f4double(Itm5.Qty)});
  }
  return history;
}

StockFigures MatchLots(const StockHistory& history, TDate asOf, bool fifo) {
  StockFigures figures;
  QList<Lot> lots;
  for (const StockPurchase& p : history.purchases) {
    if (p.date <= asOf)
      lots.append({p.date, p.quantity, p.cost / p.quantity});
    else
      figures.onOrderQuantity += p.quantity;
  }

  for (const StockSale& sale : history.sales) {
    double q = sale.quantity;
    if (sale.date <= asOf && !lots.isEmpty()) {
      if (fifo)
        TakeOldestFirst(lots, q);
      else
        TakeNewestFirst(lots, sale.date, q);
    }
    figures.unmatchedQuantity += q;
  }

  for (const Lot& lot : lots) {
    figures.remainingQuantity += lot.remaining;
    figures.remainingValue += lot.remaining * lot.unitCost;
  }
  return figures;
}

bool StockReader::value(const QString& code, TDate asOf, StockFigures* figures) const {
  *figures = StockFigures();
  if (!ProdBuf.lInven) return false;
  *figures = MatchLots(history(code), asOf, Settings().fifo);
  return true;
}

bool ValueStock(const QString& code, TDate asOf, StockFigures* figures) {
  return StockReader().value(code, asOf, figures);
}
