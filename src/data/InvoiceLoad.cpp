#include "data/InvoiceLoad.h"

#include "data/dbFiles.h"

namespace {

// Moves Prod5 to the product of that code; false when there is none.
bool SeekProduct(const QString& code) {
  const QString key = code.toUpper();
  if (key.trimmed().isEmpty()) return false;
  if (d4seek(Prod5.d, SeekKey(key).constData()) != 0) return false;
  // The seek matches a prefix: the stored code must be the item's code.
  return FieldText(Prod5.PrID).trimmed().toUpper() == key.trimmed();
}

// The product's licence code and text, when the product exists.
void LookUpProduct(const QString& code, ItemRow* row) {
  row->RCode.clear();
  row->PMemo.clear();
  if (!SeekProduct(code)) return;
  row->RCode = FieldText(Prod5.RCode).trimmed();
  row->PMemo = MemoText(Prod5.PMemo).trimmed();
}

}  // namespace

ProductKind KindOfProduct(const QString& code) {
  if (!Prod5.d || !SeekProduct(code)) return ProductKind::Unknown;
  return FieldLogical(Prod5.lInven) ? ProductKind::Goods : ProductKind::Service;
}

bool OpenInvoiceTables() {
  return OpenCUST5() && OpenGROUPS() && OpenINV5() && OpenITM5() && OpenPMT() && OpenProd5();
}

void LoadInvoice() {
  ReadInvoice();
  LoadInvoiceItems(CurrentInvoice.IvNo);
  LoadInvoicePayments(CurrentInvoice.IvNo);
  LoadInvoiceCustomer(CurrentInvoice.CuNo);
}

ItemRow ItemRowOf(const ItemRecord& item) {
  ItemRow row;
  row.PrID = item.PrID;
  row.Qty = FormatFloat("%9.2f", item.Qty);
  row.UPR = FormatFloat("%8.2f", item.UPR);
  row.Tax1 = item.LTax1 ? QStringLiteral("t") : QStringLiteral("f");
  row.Tax2 = item.LTax2 ? QStringLiteral("t") : QStringLiteral("f");
  row.PDesc = item.PDesc;
  row.IComm = item.IComm.trimmed();
  LookUpProduct(row.PrID, &row);
  return row;
}

void LoadInvoiceItems(long ivNo) {
  ItemList.clear();
  for (bool more = SeekNumber(Itm5.d, Itm5.IvNo, ivNo); more;
       more = NextOfNumber(Itm5.d, Itm5.IvNo, ivNo)) {
    ReadItem();
    ItemList.append(ItemRowOf(ItemBuf));
  }
}

void LoadInvoicePayments(long ivNo) {
  PaymentList.clear();
  for (bool more = SeekNumber(Pmt.d, Pmt.IvNo, ivNo); more;
       more = NextOfNumber(Pmt.d, Pmt.IvNo, ivNo)) {
    PaymentRow row;
    row.PDate = FormatShortDate(FieldDate(Pmt.PDate));
    row.PAmt = FormatFloat("%10.2f", f4double(Pmt.PAmt));
    PaymentList.append(row);
  }
}

bool LoadInvoiceCustomer(long cuNo) {
  ClearCustomerAddress();
  if (cuNo == 0) return false;
  d4tagSelect(Cust5.d, d4tag(Cust5.d, "CCNO"));
  if (d4seek(Cust5.d, NumberTagKey(cuNo).constData()) != 0) return false;
  ReadCustomer();
  CurrentCustomerRec = int(d4recNo(Cust5.d));
  BuildCustomerAddress();
  return true;
}

double PaymentsOfWorkingInvoice() {
  double paid = 0;
  for (const PaymentRow& p : PaymentList) paid += StrToFloat(p.PAmt);
  return paid;
}
