#include "invoicing/InvoiceSave.h"

#include <stdexcept>

#include "data/CodeBase.h"
#include "data/FieldFit.h"
#include "data/RecordSave.h"
#include "invoicing/InvoiceRecords.h"
#include "platform/NumberText.h"

namespace {

// The first number of the invoice that its field cannot hold, as a message;
// empty when all fit.
QString FirstInvoiceMisfit(const InvoiceRecord& header, const QList<ItemRecord>& items,
                           const QList<PaymentRecord>& payments) {
  QString misfit = FirstMisfit(Inv5, header, InvoiceFields());
  for (ItemRecord item : items) {
    item.IvNo = header.IvNo;
    if (misfit.isEmpty()) misfit = FirstMisfit(Itm5, item, ItemFields());
  }
  for (PaymentRecord payment : payments) {
    payment.IvNo = header.IvNo;
    if (misfit.isEmpty()) misfit = FirstMisfit(Pmt, payment, PaymentFields());
  }
  return misfit;
}

// The number a new invoice is saved under; 0 when it cannot be given one.
long NumberForNewInvoice(const std::function<long()>& firstNumber) {
  long number = NextInvoiceNumber();
  if (number == 1) {
    const long asked = firstNumber ? firstNumber() : 1;
    // A number the invoice field cannot hold would be stored as 0, and
    // every later invoice would ask again: such a reply counts as no reply.
    number = asked >= 1 && asked <= LargestInvoiceNumber() ? asked : 1;
  }
  return number <= LargestInvoiceNumber() ? number : 0;
}

SaveOutcome Failed(const std::exception& e) {
  return {SaveStatus::WriteFailed, QString::fromLocal8Bit(e.what())};
}

}  // namespace

SaveOutcome InvoiceSaver::save(InvoiceDraft& draft, const SaveQuestions& ask) {
  // Every text is read before anything is written, so a date or amount
  // that cannot be read stops the save with nothing written.
  QList<ItemRecord> items;
  QList<PaymentRecord> payments;
  try {
    items = ItemRecordsOf(draft.items);
    payments = PaymentRecordsOf(draft.payments);
  } catch (const ConversionError& e) {
    return {SaveStatus::Unreadable, e.text()};
  }
  // Nothing is written unless every number fits its field.
  const QString misfit = FirstInvoiceMisfit(draft.header, items, payments);
  if (!misfit.isEmpty()) return {SaveStatus::DoesNotFit, misfit};
  if (ask.storeTexts && !ask.storeTexts()) return {SaveStatus::NotConfirmed, {}};
  try {
    return write(draft, items, payments, ask);
  } catch (const std::runtime_error& e) {
    return Failed(e);
  }
}

SaveOutcome InvoiceSaver::write(InvoiceDraft& draft, const QList<ItemRecord>& items,
                                const QList<PaymentRecord>& payments, const SaveQuestions& ask) {
  code4errorCode(cb, 0);
  if (indexesInDoubt_) RebuildInvoiceIndexes();
  indexesInDoubt_ = true;  // until every stage is written

  DATA4* inv = Inv5.d;
  d4tagSelect(inv, d4tag(inv, "inv"));
  if (draft.record <= 0) {
    const long number = NumberForNewInvoice(ask.firstNumber);
    if (number == 0 || !AppendRecord(inv)) return {SaveStatus::InvoiceNotAdded, {}};
    draft.header.IvNo = number;
    // The invoice has its record from here on: should a later step stop,
    // the next save writes over this record and its items in place.
    draft.record = int(d4recNo(inv));
  } else {
    d4go(inv, draft.record);
  }
  CurrentInvoice = draft.header;
  WriteInvoice();
  if (d4deleted(inv) == 1) d4recall(inv);
  WriteCurrentRecord(inv);
  ThrowOnEngineError();

  const long ivNo = draft.header.IvNo;
  const LinesWritten itemsWritten = WriteItems(ivNo, items);
  if (itemsWritten.appendFailed) return {SaveStatus::ItemsNotAdded, {}};
  WriteCurrentRecord(Itm5.d);
  ThrowOnEngineError();
  const LinesWritten paymentsWritten = WritePayments(ivNo, payments);
  if (paymentsWritten.appendFailed) return {SaveStatus::PaymentsNotAdded, {}};
  WriteCurrentRecord(Pmt.d);
  ThrowOnEngineError();

  d4tagSelect(Cust5.d, d4tag(Cust5.d, "CCNO"));
  if (d4seek(Cust5.d, NumberTagKey(draft.header.CuNo).constData()) == r4success) {
    AssignText(Cust5.note, draft.customerNote.trimmed());
    WriteCurrentRecord(Cust5.d);
  }
  d4tagSelect(Cust5.d, d4tag(Cust5.d, "cname"));
  ThrowOnEngineError();

  if (itemsWritten.surplusDeleted) PackNow(Itm5.d);
  if (paymentsWritten.surplusDeleted) PackNow(Pmt.d);
  indexesInDoubt_ = false;
  return {};
}

SaveOutcome InvoiceSaver::remove(long ivNo, int record) {
  try {
    if (indexesInDoubt_) {
      RebuildInvoiceIndexes();
      indexesInDoubt_ = false;
    }
  } catch (const std::runtime_error& e) {
    return Failed(e);
  }
  DATA4* inv = Inv5.d;
  d4tagSelect(inv, d4tag(inv, "inv"));
  if (record > 0) {
    const bool items = DeleteItems(ivNo);
    const bool payments = DeletePayments(ivNo);
    d4go(inv, record);
    d4delete(inv);
    if (items) PackNow(Itm5.d);
    if (payments) PackNow(Pmt.d);
    PackNow(inv);
  }
  return {};
}
