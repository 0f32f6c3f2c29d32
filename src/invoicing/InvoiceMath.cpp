#include "invoicing/InvoiceMath.h"

#include <cmath>

#include "platform/NumberText.h"
#include "data/Settings.h"

namespace {

const char* const kAmountFormat = "%10.2f";

bool Flagged(const QString& flag) { return flag == QLatin1String("t"); }

}  // namespace

double RoundTax(double x, int taxRound) {
  switch (taxRound) {
    case 1:
      return std::trunc((x + 0.005) * 100) / 100;
    case 2:
      // 0.0099 rather than 0.01: an exact cent amount must not go up.
      return std::trunc((x + 0.0099) * 100) / 100;
    default:
      return std::trunc(x * 100) / 100;
  }
}

double ItemLineTotal(const QString& qty, const QString& price) {
  return RoundMoney(StrToFloat(qty) * StrToFloat(price));
}

double ItemLineTotal(const ItemAmounts& item) { return ItemLineTotal(item.Qty, item.UPR); }

double InvoiceSubtotal(const QList<ItemAmounts>& items) {
  double sum = 0;
  for (const ItemAmounts& item : items) sum += ItemLineTotal(item);
  return sum;
}

ChargeLines ComputeTaxes(const QList<ItemAmounts>& items, double line1, double line2,
                         bool recomputeLine1, const SettingsRecord& settings) {
  ChargeLines result{line1, line2, false, false};
  if ((settings.TaxRate1 == 0 && settings.TaxRate2 == 0) || items.isEmpty()) return result;

  double taxable1 = 0;
  double taxable2 = 0;
  for (const ItemAmounts& item : items) {
    // Line totals are read for every item, so a bad text fails the whole
    // computation before anything changes.
    const double total = ItemLineTotal(item);
    if (Flagged(item.LTax1)) taxable1 += total;
    if (Flagged(item.LTax2)) taxable2 += total;
  }

  if (recomputeLine1) {
    if (settings.TaxRate1 != 0)
      result.line1 = RoundTax(settings.TaxRate1 / 100 * taxable1, settings.TaxRound);
    result.line1Shown = true;
  }
  if (settings.ShipTax == 2 || (settings.ShipTax == 3 && taxable2 != 0)) taxable2 += result.line1;
  if (settings.TaxRate2 != 0)
    result.line2 = RoundTax(settings.TaxRate2 / 100 * taxable2, settings.TaxRound);
  result.line2Shown = true;
  return result;
}

double PaymentsTotal(const QStringList& amounts) {
  double sum = 0;
  for (const QString& amount : amounts) sum += StrToFloat(amount);
  return sum;
}

double ShownAmount(double x) { return StrToFloat(FormatFloat(kAmountFormat, x)); }

InvoiceSums InvoiceSumsFor(const QList<ItemAmounts>& items, double line1, double line2,
                           const QStringList& payments) {
  InvoiceSums sums;
  sums.InvoiceSubtotal = InvoiceSubtotal(items);
  sums.InvoiceTotal = sums.InvoiceSubtotal + line1 + line2;
  return SumsAfterPayments(sums, payments);
}

InvoiceSums TotalsAfterChargeLine(const InvoiceSums& sums, double line1, double line2) {
  InvoiceSums result = sums;
  result.InvoiceTotal = sums.InvoiceSubtotal + line1 + line2;
  result.Due = result.InvoiceTotal - result.PaymentsTotal;
  return result;
}

InvoiceSums SumsAfterPayments(const InvoiceSums& sums, const QStringList& payments) {
  InvoiceSums result = sums;
  result.PaymentsTotal = PaymentsTotal(payments);
  result.Due = ShownAmount(result.InvoiceTotal) - ShownAmount(result.PaymentsTotal);
  return result;
}
