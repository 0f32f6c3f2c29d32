// The invoice editor's Save and Delete: the only places where it writes.
#include <QLineEdit>

#include "data/CodeBase.h"
#include "data/FieldFit.h"
#include "data/dbFiles.h"
#include "invoicing/InvoiceSave.h"
#include "invoicing/InvoiceU.h"
#include "data/StorableText.h"
#include "platform/EntryTexts.h"
#include "platform/Ui.h"
#include "platform/WaitCursor.h"

long TInvoice::numberForNewInvoice() {
  long number = NextInvoiceNumber();
  if (number == 1) {
    QString reply = QStringLiteral("1");
    bool ok = Ui::get().input(QStringLiteral("FIRST INVOICE"),
                              QStringLiteral("What invoice number would you like to start with?"),
                              &reply);
    const long asked = ok ? reply.trimmed().toLong(&ok) : 0;
    // A number the invoice field cannot hold would be stored as 0, and
    // every later invoice would ask again: such a reply counts as no reply.
    number = ok && asked >= 1 && asked <= LargestInvoiceNumber() ? asked : 1;
  }
  return number <= LargestInvoiceNumber() ? number : 0;
}

void TInvoice::BtnSaveClick() {
  if (CurrentInvoice.CuNo == 0) {
    Ui::get().information(QStringLiteral("Customer selection required before saving."));
    return;
  }
  // Every text is read before anything is written, so a date or amount
  // that cannot be read stops the save with nothing written.
  copyControlsToInvoice();
  const QList<ItemRecord> items = ItemRecordsOf(ItemList);
  const QList<PaymentRecord> payments = PaymentRecordsOf(PaymentList);
  // Nothing is written unless every number fits its field.
  QString misfit = FirstMisfit(Inv5, CurrentInvoice, InvoiceFields());
  for (ItemRecord item : items) {
    item.IvNo = CurrentInvoice.IvNo;
    if (misfit.isEmpty()) misfit = FirstMisfit(Itm5, item, ItemFields());
  }
  for (PaymentRecord payment : payments) {
    payment.IvNo = CurrentInvoice.IvNo;
    if (misfit.isEmpty()) misfit = FirstMisfit(Pmt, payment, PaymentFields());
  }
  if (!FitsOrSay(misfit)) return;
  QStringList itemTexts;
  for (const ItemRecord& item : items) itemTexts << item.PrID << item.PDesc << item.IComm;
  if (!ConfirmStorable(EntryTexts(this) + itemTexts)) return;
  code4errorCode(cb, 0);

  if (indexesInDoubt_) RebuildInvoiceIndexes();
  indexesInDoubt_ = true;  // until every stage is written

  DATA4* inv = Inv5.d;
  d4tagSelect(inv, d4tag(inv, "inv"));
  if (CurrentInvoiceRec <= 0) {
    const long number = numberForNewInvoice();
    if (number == 0 || !AppendRecord(inv)) {
      Ui::get().information(QStringLiteral("Unable to add invoice at this time. Please try again later"));
      return;
    }
    CurrentInvoice.IvNo = number;
    // The invoice has its record from here on: should a later step stop,
    // the next Save writes over this record and its items in place.
    CurrentInvoiceRec = int(d4recNo(inv));
  } else {
    d4go(inv, CurrentInvoiceRec);
  }
  WriteInvoice();
  if (d4deleted(inv) == 1) d4recall(inv);
  WriteCurrentRecord(inv);
  ThrowOnEngineError();

  const long ivNo = CurrentInvoice.IvNo;
  const LinesWritten itemsWritten = WriteItems(ivNo, items);
  if (itemsWritten.appendFailed) {
    Ui::get().information(QStringLiteral("Unable to add invoice Items at this time. Please try again later"));
    return;
  }
  WriteCurrentRecord(Itm5.d);
  ThrowOnEngineError();
  const LinesWritten paymentsWritten = WritePayments(ivNo, payments);
  if (paymentsWritten.appendFailed) {
    Ui::get().information(QStringLiteral("Unable to add Payments at this time. Please try again later"));
    return;
  }
  WriteCurrentRecord(Pmt.d);
  ThrowOnEngineError();

  d4tagSelect(Cust5.d, d4tag(Cust5.d, "CCNO"));
  if (d4seek(Cust5.d, NumberTagKey(CurrentInvoice.CuNo).constData()) == r4success) {
    AssignText(Cust5.note, Edit4->text().trimmed());
    WriteCurrentRecord(Cust5.d);
  }
  d4tagSelect(Cust5.d, d4tag(Cust5.d, "cname"));
  ThrowOnEngineError();

  if (itemsWritten.surplusDeleted) PackNow(Itm5.d);
  if (paymentsWritten.surplusDeleted) PackNow(Pmt.d);
  indexesInDoubt_ = false;
  clearWorkingCopy();

  if (!isNew_) {
    accept();
    return;
  }
  if (!Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::YesNo,
                         QStringLiteral("Add another invoice?"))) {
    accept();  // CurrentInvoiceRec names the invoice just written
    return;
  }
  NewInvoice();
  ShowInvoice();
  ShowCustomer();
}

void TInvoice::BtnDeleteClick() {
  if (!Ui::get().confirmDestructive(Ui::Kind::Confirmation, Ui::Buttons::OkCancel,
                                    QStringLiteral("Are you sure you want to delete this invoice?"))) {
    return;
  }
  WaitCursor wait;
  if (indexesInDoubt_) {
    RebuildInvoiceIndexes();
    indexesInDoubt_ = false;
  }
  DATA4* inv = Inv5.d;
  d4tagSelect(inv, d4tag(inv, "inv"));
  // An invoice never saved has nothing in the tables: records that happen
  // to carry its previewed number belong to no invoice of the user's.
  if (CurrentInvoiceRec > 0) {
    const long ivNo = CurrentInvoice.IvNo;
    const bool items = DeleteItems(ivNo);
    const bool payments = DeletePayments(ivNo);
    d4go(inv, CurrentInvoiceRec);
    d4delete(inv);
    if (items) PackNow(Itm5.d);
    if (payments) PackNow(Pmt.d);
    PackNow(inv);
  }
  clearWorkingCopy();
  CurrentCustomerRec = LastRecord(Cust5.d);
  CurrentInvoiceRec = LastRecord(inv);
  accept();
}
