#include "invoicing/InvoiceRecords.h"

#include <stdexcept>

#include "data/CodeBase.h"
#include "data/NextNumber.h"
#include "data/RecordSave.h"
#include "tbengine/inspect.h"

long NextInvoiceNumber() {
  d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
  if (d4bottom(Inv5.d) != r4success) return 1;
  return f4long(Inv5.IvNo) + 1;
}

long LargestInvoiceNumber() { return LargestNumber(Inv5.IvNo); }

QList<ItemRecord> ItemRecordsOf(const QList<ItemRow>& rows) {
  QList<ItemRecord> records;
  for (const ItemRow& row : rows) {
    ItemRecord r;
    r.PrID = row.PrID;
    r.Qty = StrToFloat(row.Qty);
    r.UPR = StrToFloat(row.UPR);
    r.LTax1 = row.Tax1 == QLatin1String("t");
    r.LTax2 = row.Tax2 == QLatin1String("t");
    r.PDesc = row.PDesc;
    r.IComm = row.IComm;
    records.append(r);
  }
  return records;
}

QList<PaymentRecord> PaymentRecordsOf(const QList<PaymentRow>& rows) {
  QList<PaymentRecord> records;
  for (const PaymentRow& row : rows) {
    PaymentRecord r;
    r.PDate = CenturyWindow(ParseShortDate(row.PDate));
    r.PAmt = StrToFloat(row.PAmt);
    records.append(r);
  }
  return records;
}

LinesWritten WriteItems(long ivNo, const QList<ItemRecord>& items) {
  d4tagSelect(Itm5.d, d4tag(Itm5.d, "itm"));
  return OverwriteLines(Itm5.d, Itm5.IvNo, ivNo, int(items.size()), [&items, ivNo](int i) {
    ItemBuf = items[i];
    ItemBuf.IvNo = ivNo;
    WriteItem();
  });
}

LinesWritten WritePayments(long ivNo, const QList<PaymentRecord>& payments) {
  d4tagSelect(Pmt.d, d4tag(Pmt.d, "Pmt"));
  return OverwriteLines(Pmt.d, Pmt.IvNo, ivNo, int(payments.size()), [&payments, ivNo](int i) {
    PmtBuf = payments[i];
    PmtBuf.IvNo = ivNo;
    WritePayment();
  });
}

bool DeleteItems(long ivNo) {
  d4tagSelect(Itm5.d, d4tag(Itm5.d, "itm"));
  return MarkLinesDeleted(Itm5.d, Itm5.IvNo, ivNo);
}

bool DeletePayments(long ivNo) {
  d4tagSelect(Pmt.d, d4tag(Pmt.d, "Pmt"));
  return MarkLinesDeleted(Pmt.d, Pmt.IvNo, ivNo);
}

void RebuildInvoiceIndexes() {
  const std::pair<DATA4*, const TableDef*> tables[] = {
      {Inv5.d, &INV5Def()}, {Itm5.d, &ITM5Def()}, {Pmt.d, &PMTDef()}};
  for (const auto& [d, def] : tables) {
    TAG4* selected = d4tagSelected(d);
    const QByteArray name = selected ? QByteArray(t4name(selected)) : QByteArray();
    RebuildTags(d, *def);
    ThrowOnEngineError();
    if (!name.isEmpty()) d4tagSelect(d, d4tag(d, name.constData()));
  }
}

void ThrowOnEngineError() {
  const std::string text = code4errorText(cb);  // clearing the error clears its text
  if (code4errorCode(cb, 0) >= 0) return;
  // An index may have missed an update: the pack at the end of the command
  // rebuilds them all.
  DeletionsPending = true;
  throw std::runtime_error(text);
}
