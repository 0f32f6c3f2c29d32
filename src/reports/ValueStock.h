// Stock of one product as of a date, recomputed from its purchases (Pur5)
// and the invoice items that sold it (ITM5 with their invoices in INV5):
// sold quantities are matched against the purchase lots first-in first-out
// or last-in first-out. Nothing keeps a running balance; every figure comes
// from these records.
#ifndef REPORTS_VALUESTOCK_H
#define REPORTS_VALUESTOCK_H

#include <QList>
#include <QString>

#include "data/DateText.h"

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

// The purchases and sold items of the product whose code (as stored in
// Prod5) is code: purchases whose stored code equals code exactly, found
// through the Pur tag's upper-cased key; items found through the ItmP tag,
// each dated by its invoice (an item whose invoice is missing is left out).
// Requires Pur5 (tag Pur selected), ITM5 (tag ItmP selected) and INV5 (tag
// Inv selected) open; their record pointers move.
StockHistory ReadStockHistory(const QString& code);

// Matches the history's sales against its lots as of asOf: fifo takes the
// oldest lots first; otherwise the newest lot dated on or before the sale
// first, then, when those are not enough, the oldest upward.
StockFigures MatchLots(const StockHistory& history, TDate asOf, bool fifo);

// The product in the product buffer (ProdBuf), whose code is code, valued
// as of asOf by the settings record's method. False, with every figure 0,
// when the product is not an inventory item; nothing is read then. Tables as
// for ReadStockHistory.
bool ValueStock(const QString& code, TDate asOf, StockFigures* figures);

#endif  // REPORTS_VALUESTOCK_H
