#include "invoicing/InvoiceRows.h"

#include <QCoreApplication>

#include "data/CardText.h"
#include "data/dbFiles.h"

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(InvoiceRows)
};
constexpr int kNumberWidth = 6;
}  // namespace

QStringList InvoiceRowTexts() {
  ReadInvoice();
  const bool deleted = d4deleted(Inv5.d) == 1;
  return {PadLeft(CurrentInvoice.IvNo, kNumberWidth), FormatShortDate(CurrentInvoice.IDate),
          deleted ? Tr::tr("< DELETED >") : MaskedCardText(CurrentInvoice.IMemo)};
}

QString InvoiceCustomerName(long recNo) {
  if (d4go(Inv5.d, recNo) != r4success) return QString();
  d4tagSelect(Cust5.d, d4tag(Cust5.d, "CCNO"));
  if (d4seek(Cust5.d, f4str(Inv5.CuNo)) != r4success) return QString();
  return FieldText(Cust5.first).trimmed() + ' ' + FieldText(Cust5.last).trimmed();
}

QByteArray InvoiceSeekKey(const QString& typed) {
  const QString number = typed.trimmed();
  if (number.isEmpty()) return QByteArray();
  return SeekKey(number.rightJustified(kNumberWidth, ' '));
}
