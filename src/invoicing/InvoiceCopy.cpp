#include "invoicing/InvoiceCopy.h"

#include <QCoreApplication>
#include <stdexcept>

#include "data/CodeBase.h"
#include "data/InvoiceStates.h"
#include "data/Settings.h"
#include "invoicing/InvoiceMath.h"
#include "invoicing/InvoiceRecords.h"
#include "platform/Dates.h"
#include "platform/NumberText.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(InvoiceCopy)
};

// A run cut short just after an append leaves a blank record at the end
// of INV5 or ITM5, numbered 0, that belongs to no invoice: marked deleted.
void DropBlankTail(DATA4* d, FIELD4* ivNo) {
  for (long rec = d4recCountDo(d); rec >= 1; --rec) {
    d4go(d, rec);
    if (d4deleted(d) || f4long(ivNo) != 0 || !FieldText(ivNo).trimmed().isEmpty()) break;
    d4delete(d);
    DeletionsPending = true;
  }
  code4errorCode(cb, 0);
}

}  // namespace

bool ReadInvoiceContent(long ivNo, InvoiceContent* content) {
  d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
  if (!SeekNumber(Inv5.d, Inv5.IvNo, ivNo)) return false;
  ReadInvoice();
  content->header = CurrentInvoice;
  content->items.clear();
  for (bool on = SeekNumber(Itm5.d, Itm5.IvNo, ivNo); on; on = NextOfNumber(Itm5.d, Itm5.IvNo, ivNo)) {
    if (d4deleted(Itm5.d)) continue;
    ReadItem();
    content->items.append(ItemBuf);
  }
  return true;
}

int InvoiceRecordOf(long ivNo) {
  d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
  return SeekNumber(Inv5.d, Inv5.IvNo, ivNo) ? int(d4recNo(Inv5.d)) : 0;
}

InvoiceRecord HeaderOfCopy(const InvoiceContent& content, long ivNo, QDate date) {
  InvoiceRecord h;
  h.IvNo = ivNo;
  h.CuNo = content.header.CuNo;
  h.IDate = DateFromQDate(date);
  h.Dept = content.header.Dept;
  h.REM = content.header.REM;
  QList<ItemAmounts> amounts;
  for (const ItemRecord& item : content.items)
    amounts.append({FormatFloat("%9.2f", item.Qty), FormatFloat("%8.2f", item.UPR),
                    item.LTax1 ? QStringLiteral("t") : QStringLiteral("f"),
                    item.LTax2 ? QStringLiteral("t") : QStringLiteral("f")});
  const ChargeLines lines = ComputeTaxes(amounts, content.header.Ship, content.header.Tax, true, Settings());
  h.Ship = lines.line1;
  h.Tax = lines.line2;
  h.Due = InvoiceSumsFor(amounts, h.Ship, h.Tax, {}).Due;
  return h;
}

bool IsCopyOf(long ivNo, const InvoiceContent& content, QDate date) {
  if (InvoiceRecordOf(ivNo) == 0) return true;
  ReadInvoice();
  return CurrentInvoice.CuNo == content.header.CuNo && CurrentInvoice.IDate == DateFromQDate(date);
}

QString WriteInvoiceCopy(const InvoiceContent& content, long ivNo, QDate date) {
  // The engine's pending error and its text, cleared.
  const auto failure = [] {
    const std::string text = code4errorText(cb);  // clearing the error clears its text
    if (code4errorCode(cb, 0) >= 0) return QString();
    return QString::fromLocal8Bit(text.c_str());
  };
  int rec = InvoiceRecordOf(ivNo);
  if (rec == 0) {
    if (d4appendBlank(Inv5.d) != r4success) return failure();
    rec = int(d4recNo(Inv5.d));
  }
  d4go(Inv5.d, rec);
  CurrentInvoice = HeaderOfCopy(content, ivNo, date);
  WriteInvoice();
  WriteCurrentRecord(Inv5.d);
  if (QString why = failure(); !why.isEmpty()) return why;
  QList<ItemRecord> items = content.items;
  for (ItemRecord& item : items) item.IvNo = ivNo;
  if (WriteItems(ivNo, items).appendFailed) return Tr::tr("an item could not be added");
  // The last item on disk before the caller counts the invoice made.
  WriteCurrentRecord(Itm5.d);
  return failure();
}

QString MendCutShortWrite() {
  try {
    DropBlankTail(Inv5.d, Inv5.IvNo);
    DropBlankTail(Itm5.d, Itm5.IvNo);
    RebuildInvoiceIndexes();
  } catch (const std::runtime_error& e) {
    return QString::fromLocal8Bit(e.what());
  }
  if (!RebuildInvoiceStatesIndex()) return Tr::tr("The index of the invoices' states could not be written.");
  return QString();
}
