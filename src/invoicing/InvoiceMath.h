// Invoice arithmetic: line totals, subtotal, the two charge lines (typed, or
// computed as a tax from the items), total, payments and amount due.
//
// The invoice editor keeps its working copy and only formats and shows what
// these functions return ("%10.2f"). Every rounding step is fixed here; sums
// are plain double additions in item order. Quantity, price and payment texts
// are read with the user's decimal separator; a text that is not a number
// throws ConversionError and the change that needed it is not completed.
#ifndef INVOICING_INVOICEMATH_H
#define INVOICING_INVOICEMATH_H

#include <QList>
#include <QString>
#include <QStringList>

struct SettingsRecord;

// What the arithmetic needs of one line item.
struct ItemAmounts {
  QString Qty;    // quantity text ("%9.2f")
  QString UPR;    // unit price text ("%8.2f")
  QString LTax1;  // "t" when charge line 1's tax applies to the item
  QString LTax2;  // "t" when charge line 2's tax applies
};

// Rounds a computed tax: taxRound 1 nearest cent (halves up), 2 up (an excess
// over a whole cent of more than a hundredth of a cent), anything else down.
// The integral part cuts toward zero whatever the sign.
double RoundTax(double x, int taxRound);

// The item's quantity times its price, rounded to cents (halves away from zero).
double ItemLineTotal(const QString& qty, const QString& price);
double ItemLineTotal(const ItemAmounts& item);

// The sum of the rounded line totals, in item order.
double InvoiceSubtotal(const QList<ItemAmounts>& items);

// The charge lines after a recomputation, and which of them the editor must
// redisplay. A line that was not redisplayed keeps its amount.
struct ChargeLines {
  double line1 = 0;
  double line2 = 0;
  bool line1Shown = false;
  bool line2Shown = false;
};

// Recomputes the computed charge lines from the items' flags and the tax
// settings (TaxRate1, TaxRate2, ShipTax, TaxRound). With both rates 0 or no
// items nothing changes and nothing is redisplayed. With recomputeLine1 false
// line 1 holds what the user typed and is neither recomputed nor redisplayed.
ChargeLines ComputeTaxes(const QList<ItemAmounts>& items, double line1, double line2,
                         bool recomputeLine1, const SettingsRecord& settings);

// The sum of the payment amount texts (0 with no payments).
double PaymentsTotal(const QStringList& amounts);

// An amount as the editor shows it ("%10.2f") and reads it back.
double ShownAmount(double x);

// All the sums the editor shows after a change of the items or payments:
// total = subtotal + line 1 + line 2; amount due = shown total - shown
// payments total, so it is always the difference of two-decimal amounts.
struct InvoiceSums {
  double InvoiceSubtotal = 0;
  double InvoiceTotal = 0;
  double PaymentsTotal = 0;
  double Due = 0;
};
InvoiceSums InvoiceSumsFor(const QList<ItemAmounts>& items, double line1, double line2,
                           const QStringList& payments);
// After a charge line was typed: total from the working subtotal, amount due
// from the working sums (not from the shown texts).
InvoiceSums TotalsAfterChargeLine(const InvoiceSums& sums, double line1, double line2);
// After a payment was added, changed or deleted: the payments total, and the
// amount due from the shown total and the shown payments total.
InvoiceSums SumsAfterPayments(const InvoiceSums& sums, const QStringList& payments);

#endif  // INVOICING_INVOICEMATH_H
