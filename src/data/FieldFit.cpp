#include "data/FieldFit.h"

#include <cmath>

#include "platform/Ui.h"

namespace {

// As the engine writes it: fixed, with the field's decimals, no "-0".
QString Stored(double value, int decimals) {
  QString text = QString::number(value, 'f', decimals);
  if (text.startsWith('-') && QString(text).remove('-').remove('0').remove('.').isEmpty())
    text.remove(0, 1);
  return text;
}

}  // namespace

QString FirstMisfit(const QList<NumberForField>& values) {
  for (const NumberForField& v : values) {
    if (f4type(v.field) != 'N') continue;
    const int decimals = f4decimals(v.field);
    const QString text = Stored(v.value, decimals);
    if (std::isfinite(v.value) && std::fabs(v.value) < 1e20 && text.size() <= f4len(v.field)) continue;
    return QStringLiteral("The number %1 does not fit the field %2 (%3 characters, %4 decimals). "
                          "Nothing was saved.")
        .arg(std::isfinite(v.value) ? text : QStringLiteral("?"), QString::fromLatin1(f4name(v.field)))
        .arg(f4len(v.field))
        .arg(decimals);
  }
  return QString();
}

bool NumbersFit(const QList<NumberForField>& values) {
  const QString misfit = FirstMisfit(values);
  if (misfit.isEmpty()) return true;
  Ui::get().information(misfit);
  return false;
}

QList<NumberForField> NumbersOf(const InvoiceRecord& b) {
  const Inv5Table& t = Inv5;
  return {{t.IvNo, double(b.IvNo)}, {t.CuNo, double(b.CuNo)}, {t.Ship, b.Ship}, {t.Tax, b.Tax}, {t.Due, b.Due}};
}

QList<NumberForField> NumbersOf(const ItemRecord& b) {
  const Itm5Table& t = Itm5;
  return {{t.IvNo, double(b.IvNo)}, {t.Qty, b.Qty}, {t.UPR, b.UPR}};
}

QList<NumberForField> NumbersOf(const PaymentRecord& b) {
  return {{Pmt.IvNo, double(b.IvNo)}, {Pmt.PAmt, b.PAmt}};
}

QList<NumberForField> NumbersOf(const ProductRecord& b) {
  const Prod5Table& t = Prod5;
  return {{t.UPrice, b.UPrice}, {t.REORDER, b.REORDER}, {t.ONHAND, b.ONHAND}};
}

QList<NumberForField> NumbersOf(const PurchaseRecord& b) {
  const Pur5Table& t = Pur5;
  return {{t.PURQty, b.PURQty}, {t.PURCost, b.PURCost}, {t.PURNo, double(b.PURNo)}};
}
