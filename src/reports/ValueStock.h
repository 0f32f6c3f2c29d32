// Stock of one product as of a date, recomputed from its purchases (Pur5)
// and the invoice items that sold it (ITM5 with their invoices in INV5):
// sold quantities are matched against the purchase lots first-in first-out
// or last-in first-out. Nothing keeps a running balance; every figure comes
// from these records.
#ifndef REPORTS_VALUESTOCK_H
#define REPORTS_VALUESTOCK_H

#include <QHash>
#include <QList>
#include <QString>
#include <vector>

#include "platform/Dates.h"

// One purchase of the product with a quantity above 0, in lot order (the
// Pur tag: oldest first).
struct StockPurchase {
  TDate date = 0;
  double quantity = 0;
  double cost = 0;  // of the whole purchase
};

// One sold item of the product, in invoice-number order, dated by its
// invoice.
struct StockSale {
  TDate date = 0;
  double quantity = 0;
};

// What the valuation reads of one product.
struct StockHistory {
  QList<StockPurchase> purchases;
  QList<StockSale> sales;
};

struct StockFigures {
  double remainingQuantity = 0;  // left in the lots dated on or before the date
  double remainingValue = 0;     // those lots' remainders at their unit costs
  double unmatchedQuantity = 0;  // sold but taken from no lot (also sales after the date)
  double onOrderQuantity = 0;    // purchased after the date
};

// Matches the history's sales against its lots as of asOf: fifo takes the
// oldest lots first; otherwise the newest lot dated on or before the sale
// first, then, when those are not enough, the oldest upward.
StockFigures MatchLots(const StockHistory& history, TDate asOf, bool fifo);

// Reads the histories of products for one command. Requires Pur5, ITM5 (tag
// ItmP selected) and INV5 open; their record pointers move.
//
// The invoices' dates are taken once, when the reader is made, from the keys
// of INV5's number and date tags (index pages only, no invoice record is
// read), so a report that dates every sold item reads each item's record
// and nothing more: O(purchases + items) in all.
class StockReader {
 public:
  StockReader();

  // The purchases whose stored code equals code exactly (found through the
  // Pur tag's upper-cased key) and the items of code (through ItmP), each
  // dated by its invoice; an item whose invoice is missing is left out.
  StockHistory history(const QString& code) const;

  // The design's valuation of the product in the product buffer (ProdBuf),
  // whose code is code, as of asOf by the settings record's method. False,
  // with every figure 0, when it is not an inventory item; nothing is read
  // then.
  bool value(const QString& code, TDate asOf, StockFigures* figures) const;

 private:
  // The date of invoice number; false when there is no such invoice.
  bool invoiceDate(long number, TDate* date) const;

  QHash<long, long> recordOfInvoice_;
  std::vector<TDate> dateOfRecord_;
};

// StockReader().value(code, asOf, figures): for one product; a walk over
// many products makes one reader for all of them.
bool ValueStock(const QString& code, TDate asOf, StockFigures* figures);

#endif  // REPORTS_VALUESTOCK_H
